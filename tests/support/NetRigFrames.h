// OrvaneDemo's frames over a NetRig: the manager's Render after each socket round.
#pragma once

#include <functional>

#include "maingame/orvanedemo/ORVMgr.h"
#include "support/NetRig.h"

namespace orv::test {

// A step and one frame (g_ORVMgr.Render) a round, until pred holds after a frame (true) or rounds
// run out (false).
inline bool FramesUntil(NetRig& rig, const std::function<bool()>& pred, int rounds = 400)
{
    for (int i = 0; i < rounds; ++i) {
        rig.Step();
        g_ORVMgr.Render();
        if (pred()) {
            return true;
        }
    }
    return false;
}

}  // namespace orv::test
