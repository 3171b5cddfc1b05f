// A host whose callbacks throw, driven through the exports: the game window is created, clicked,
// answered, drawn and closed while the host throws from one slot, then from every slot. What the
// host throws stays on its side: a debug line names the slot, the call answers its neutral value,
// the export returns and the game goes on (the next frame draws; a close closes, even when the
// leave request, the window notice and the drawers' release throw from the windows' teardown).
#include <gtest/gtest.h>

#include <stdexcept>
#include <string>
#include <vector>

#include "ExportPhases.h"
#include "tools/QuietHost.h"

namespace orv::test {
namespace {

// The name the debug line gives a slot the recording host logs ("Drawer.Draw" is a drawer's).
std::string Qualified(const std::string& slot)
{
    const std::string drawer = "Drawer.";
    return slot.rfind(drawer, 0) == 0 ? "IORVDrawCharacter::" + slot.substr(drawer.size()) : "IORVCallBack::" + slot;
}

bool Has(const std::vector<std::string>& slots, const std::string& slot)
{
    return std::find(slots.begin(), slots.end(), slot) != slots.end();
}

class HostThrows : public ExportPhaseTest {
protected:
    // The own city with a friend hired at the first incubator: the hatching page makes a drawer.
    std::string City() override
    {
        return Compressed(kOwnId, 0,
                          Item(0, "me") + BeastItem(1, 0) +
                              Incubators(Incubator(true, 2, 100, 0, "pal"), Incubator(true, 0, 0, 0),
                                         Incubator(false, 0, 0, 0)));
    }
    // The beast window, opened by a click, on its hatching page, picked by a click on its tab. The
    // tab's group tells the page and the page tells the window by posted notices, a frame each.
    void OpenMore() override
    {
        ClickThroughExports(Wnd()->m_pBeastBtn);
        auto* beast = dynamic_cast<CAerieBeastWnd*>(Wnd()->m_pSubWnd);
        if (auto* breeding = beast != nullptr ? dynamic_cast<CAerieBeastBreedItem*>(beast->m_pPage) : nullptr) {
            ClickThroughExports(breeding->m_pTabs->m_vItems[1]);
            Frame(2);
        }
    }
    // After the throwing is over: open unless closed, and a frame draws.
    void ExpectGoesOn(bool open)
    {
        m_Host.m_fnOnCall = nullptr;
        CORVMgr& mgr = CORVMgr::GetSingleton();
        EXPECT_EQ(mgr.IsAerieOpen(), open);
        if (!open) {
            Recv(City());
        }
        m_Host.ClearLog();
        Frame();
        EXPECT_TRUE(m_Host.AnyDrawing()) << "a later frame draws nothing";
    }
};

TEST_P(HostThrows, EachSlotThePhaseReachesMayThrow)
{
    const Phase phase = GetParam();
    const std::vector<std::string> slots = SlotsReached(phase);
    ASSERT_FALSE(slots.empty());
    if (phase == Phase::Frame) {
        EXPECT_TRUE(Has(slots, "Drawer.Draw"));
    }
    if (phase == Phase::Teardown) {
        // What the windows' destructors tell the host.
        EXPECT_TRUE(Has(slots, "SendToServer"));
        EXPECT_TRUE(Has(slots, "NotifyGameWindow"));
        EXPECT_TRUE(Has(slots, "ReleaseDrawCharacter"));
    }
    for (const std::string& slot : slots) {
        SCOPED_TRACE(slot + " throws");
        Prepare(phase);
        m_Fake.m_vDebugLines.clear();
        int thrown = 0;
        m_Host.m_fnOnCall = [&](const std::string& name) {
            if (name == slot) {
                ++thrown;
                throw std::runtime_error("host failure");
            }
        };
        Run(phase);
        EXPECT_GT(thrown, 0);
        EXPECT_TRUE(m_Fake.HasDebugLineContaining("the host's " + Qualified(slot) + " threw"));
        ExpectGoesOn(phase != Phase::Teardown);
    }
    CORVMgr::GetSingleton().CloseAerie();
}

INSTANTIATE_TEST_SUITE_P(Phases, HostThrows, ORV_ALL_PHASES, PhaseName);

// Every slot throws, whatever it throws, through a whole session: from the open on, and from when
// the hatching page with its drawer is open (so the drawer throws too).
TEST_F(HostThrows, EverySlotThrowingThroughAWholeSession)
{
    struct Case {
        bool fromOpen;
        std::vector<std::string> named;   // slots the debug lines name
    };
    const Case cases[] = {
        {true, {"GetScreenWidth", "GetImageSize", "GetPlayerName", "DrawImage", "DrawText", "OnMouseMove",
                "SendToServer", "NotifyGameWindow"}},
        {false, {"Drawer.Draw", "Drawer.IsMouseOver", "ReleaseDrawCharacter", "CreateDrawCharacter", "SendToServer",
                 "NotifyGameWindow"}},
    };
    CORVMgr& mgr = CORVMgr::GetSingleton();
    for (const Case& c : cases) {
        SCOPED_TRACE(c.fromOpen ? "from the open" : "from the hatching page");
        mgr.CloseAerie();
        m_Fake.m_vDebugLines.clear();
        int thrown = 0;
        const auto throwing = [&](const std::string&) {
            if (++thrown % 2 == 0) {
                throw thrown;
            }
            throw std::runtime_error("host failure");
        };
        if (c.fromOpen) {
            m_Host.m_fnOnCall = throwing;
        }
        Recv(City());
        ASSERT_TRUE(mgr.IsAerieOpen());
        OpenMore();
        m_Host.m_fnOnCall = throwing;
        Frame();
        if (auto* hatch = Page<CAerieBeastHatchItem>()) {
            const CAerieMonsterEggItem* egg = hatch->m_pIncubators[0];
            mgr.WndProc(nullptr, WM_MOUSEMOVE, 0, Pos(egg->m_nAbsX + 5, egg->m_nAbsY + 5));
        }
        Recv(City());
        Frame();
        mgr.CloseAerie();
        for (const std::string& slot : c.named) {
            EXPECT_TRUE(m_Fake.HasDebugLineContaining("the host's " + Qualified(slot) + " threw")) << slot;
        }
        ExpectGoesOn(false);
    }
    mgr.CloseAerie();
}

// A host that writes half its answer and then throws: the library's values stay as it set them.
TEST_F(HostThrows, AHalfAnswerIsNotTaken)
{
    struct HalfAnswering final : sample::QuietHost {
        void GetImageSize(int, int, int* w, int*) override
        {
            *w = 99;
            throw std::runtime_error("host failure");
        }
    } half;
    IORVCallBack* const held = *GetORVCallBack();
    *GetORVCallBack() = &half;
    int w = -1;
    int h = -2;
    ORVCallBack()->GetImageSize(1, 93, &w, &h);
    *GetORVCallBack() = held;
    EXPECT_EQ(w, -1);
    EXPECT_EQ(h, -2);
    EXPECT_TRUE(m_Fake.HasDebugLineContaining("the host's IORVCallBack::GetImageSize threw"));
}

}  // namespace
}  // namespace orv::test
