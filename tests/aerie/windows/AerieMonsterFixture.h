// What the monster tests share: group-skill items, controls made inside the game window, the
// requests sent since the last look, and the drag state reset after each test.
#pragma once

#include <algorithm>
#include <string>
#include <vector>

#include "AerieCityFixture.h"
#include "framework/core/DragIcon.h"

namespace orv::test {

class AerieMonsterTest : public AerieCityTest {
protected:
    void TearDown() override
    {
        GetDragIcon().Reset();
        AerieCityTest::TearDown();
    }
    // Item kind 4: a group skill {key, skill id, level}.
    static std::string Skill(u16 key, u16 id, u16 level) { return Item(4, LE16(key) + LE16(id) + LE16(level)); }
    // A control of type T at (x, y) in the game window: CreateIcon with index, then kind and
    // read-only flag.
    template <class T>
    T* Make(int x, int y, u16 index, i32 kind = 13, u8 readOnly = 0)
    {
        auto* icon = new T();
        Wnd()->AddChild(icon, false);
        icon->CreateIcon(Wnd(), x, y, index, 48, 48);
        icon->m_nKind = kind;
        icon->m_bReadOnly = readOnly;
        return icon;
    }
    // The requests sent since the last call.
    std::vector<SentRequest> NewRequests()
    {
        std::vector<SentRequest> all = Sent();
        std::vector<SentRequest> fresh(all.begin() + static_cast<long>(std::min(m_nSent, all.size())), all.end());
        m_nSent = all.size();
        return fresh;
    }
    // The messages posted to ctrl's queue, handed out now without being handled.
    static std::vector<ORVMsg> PumpPosted(CORVControl* ctrl)
    {
        std::vector<ORVMsg> out;
        for (const PostedMsg& p : ctrl->m_MsgQueue.Pump()) {
            out.push_back(p.m_Msg);
        }
        return out;
    }

private:
    std::size_t m_nSent = 0;
};

}  // namespace orv::test
