// What a host does to the game through the exports, in phases: the game window is created (the
// city's reply arrives with the game closed), a toolbar button is clicked, a server reply
// arrives, a frame is drawn, the game closes. Each phase starts from its own state (Prepare), so
// a test can run it again and again with the host answering differently each time.
#pragma once

#include <algorithm>
#include <ostream>
#include <string>
#include <vector>

#include "AerieBeastFixture.h"
#include "framework/widgets/ORVButton.h"
#include "maingame/orvane/ORVMgr.h"
#include "support/ExportClick.h"

namespace orv::test {

enum class Phase { Creation, Click, Reply, Frame, Teardown };

constexpr const char* kPhaseNames[] = {"Creation", "Click", "Reply", "Frame", "Teardown"};

inline void PrintTo(Phase p, std::ostream* os)
{
    *os << kPhaseNames[static_cast<int>(p)];
}

inline std::string PhaseName(const ::testing::TestParamInfo<Phase>& info)
{
    return kPhaseNames[static_cast<int>(info.param)];
}

#define ORV_ALL_PHASES ::testing::Values(Phase::Creation, Phase::Click, Phase::Reply, Phase::Frame, Phase::Teardown)

class ExportPhaseTest : public AerieBeastTest, public ::testing::WithParamInterface<Phase> {
protected:
    void TearDown() override
    {
        m_Host.m_fnOnCall = nullptr;
        AerieBeastTest::TearDown();
    }
    // The city every phase enters.
    virtual std::string City() { return Compressed(kOwnId, 0, Item(0, "me") + BeastItem(1, 0)); }
    // What is opened over the game window before a frame is drawn or the game closes.
    virtual void OpenMore() { ClickThroughExports(Wnd()->m_pBeastBtn); }
    // The state a phase starts from.
    void Prepare(Phase phase)
    {
        CORVMgr::GetSingleton().CloseAerie();
        if (phase == Phase::Creation) {
            return;
        }
        Recv(City());
        if (phase == Phase::Frame || phase == Phase::Teardown) {
            OpenMore();   // more is drawn and torn down
        }
    }
    void Run(Phase phase)
    {
        switch (phase) {
        case Phase::Creation:
        case Phase::Reply:
            Recv(City());
            break;
        case Phase::Click:
            ClickThroughExports(Wnd()->m_pBeastBtn);
            break;
        case Phase::Frame:
            Frame();
            break;
        case Phase::Teardown:
            CORVMgr::GetSingleton().CloseAerie();
            break;
        }
    }
    // The host's slots the phase reaches, in the order it first reaches them.
    std::vector<std::string> SlotsReached(Phase phase)
    {
        Prepare(phase);
        m_Host.ClearLog();
        Run(phase);
        std::vector<std::string> slots;
        for (const HostCall& call : m_Host.m_vCalls) {
            if (std::find(slots.begin(), slots.end(), call.m_strName) == slots.end()) {
                slots.push_back(call.m_strName);
            }
        }
        return slots;
    }
};

}  // namespace orv::test
