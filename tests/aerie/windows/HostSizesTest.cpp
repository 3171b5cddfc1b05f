// A host that answers any value for a screen or image size, from the moment it hands its callback
// over: the whole session runs (the main window placed, the city entered with a hired friend, frames,
// a click, a tooltip and a drag past the screen's edge, the close) with every answer taken into 0 to
// kHostSizeMax, so nothing the library works out from a size overflows (the sanitizers would end
// the run). An answer out of the range gets a debug line; the main window is centred on the screen
// so taken; the game window takes its background's size so taken.
#include <gtest/gtest.h>

#include <iterator>
#include <string>

#include "AerieBeastFixture.h"
#include "framework/widgets/ORVButton.h"
#include "maingame/orvane/ORVMgr.h"
#include "support/ExportClick.h"
#include "support/SizeAnswers.h"

namespace orv::test {
namespace {

enum SizeSlot { ScreenWidth, ScreenHeight, ImageWidth, ImageHeight };
constexpr const char* kSlotNames[] = {"ScreenWidth", "ScreenHeight", "ImageWidth", "ImageHeight"};
// Who the debug line of an answer out of the range names.
constexpr const char* kAnswerers[] = {"IORVCallBack::GetScreenWidth", "IORVCallBack::GetScreenHeight",
                                      "IORVCallBack::GetImageSize", "IORVCallBack::GetImageSize"};

class HostSizes : public AerieBeastTest, public ::testing::WithParamInterface<SizeCase> {
protected:
    // The answer goes in before the callback is handed over, and again over the game window
    // world's own sizes.
    void SetUp() override
    {
        GiveAnswer();
        AerieBeastTest::SetUp();
        GiveAnswer();
    }
    void GiveAnswer()
    {
        const int v = GetParam().answer.answered;
        switch (GetParam().slot) {
        case ScreenWidth:
            m_Host.m_nScreenWidth = v;
            break;
        case ScreenHeight:
            m_Host.m_nScreenHeight = v;
            break;
        case ImageWidth:
            m_Host.m_DefaultImageSize.first = v;
            for (auto& [image, size] : m_Host.m_mapImageSizes) {
                size.first = v;
            }
            break;
        case ImageHeight:
            m_Host.m_DefaultImageSize.second = v;
            for (auto& [image, size] : m_Host.m_mapImageSizes) {
                size.second = v;
            }
            break;
        }
    }
};

TEST_P(HostSizes, TakenIntoRangeThroughAWholeSession)
{
    const int slot = GetParam().slot;
    const int taken = GetParam().answer.taken;
    CORVMgr& mgr = CORVMgr::GetSingleton();
    CORVMainWnd& main = MainWnd();
    // The main window was placed on the fixture's screen: placed again on this one.
    main.CenterInParent();
    if (slot == ScreenWidth) {
        EXPECT_EQ(main.m_nAbsX, (taken - main.m_nWidth) / 2);
    }
    if (slot == ScreenHeight) {
        EXPECT_EQ(main.m_nAbsY, (taken - main.m_nHeight) / 2);
    }

    mgr.OpenAerie(&m_Host, "me");
    Recv(Compressed(kOwnId, 0,
                    Item(0, "me") + BeastItem(1, 0) +
                        Incubators(Incubator(true, 2, 100, 0, "pal"), Incubator(true, 0, 0, 0),
                                   Incubator(false, 0, 0, 0))));
    ASSERT_TRUE(mgr.IsAerieOpen());
    ASSERT_NE(Wnd(), nullptr);
    if (slot == ImageWidth) {
        EXPECT_EQ(Wnd()->m_nWidth, taken);
    }
    if (slot == ImageHeight) {
        EXPECT_EQ(Wnd()->m_nHeight, taken);
    }
    Frame();
    EXPECT_TRUE(m_Host.AnyDrawing());

    // A click opens the beast window; the mouse rests on a button with a tooltip; the game window
    // is dragged far past the screen's corner.
    ClickThroughExports(Wnd()->m_pBeastBtn);
    ClickThroughExports(Wnd()->m_pBeastBtn);
    const CORVControl* button = Wnd()->m_pBeastBtn;
    mgr.WndProc(nullptr, WM_MOUSEMOVE, 0, Pos(button->m_nAbsX + 1, button->m_nAbsY + 1));
    Frame(2);
    DragFarPastTheCorners([&](UINT msg, WPARAM w, LPARAM l) { mgr.WndProc(nullptr, msg, w, l); },
                          Wnd()->m_nAbsX + 2, Wnd()->m_nAbsY + 2);
    Frame();

    mgr.CloseAerie();
    EXPECT_FALSE(mgr.IsAerieOpen());
    EXPECT_EQ(m_Host.LiveDrawers(), 0);
    const std::string line = SizeTakenLine(std::string("the host's ") + kAnswerers[slot], GetParam().answer);
    EXPECT_EQ(m_Fake.HasDebugLineContaining(line), GetParam().answer.answered != taken);
}

INSTANTIATE_TEST_SUITE_P(Answers, HostSizes, ::testing::ValuesIn(EverySizeCase(std::size(kSlotNames))),
                         [](const auto& info) { return SizeCaseName(kSlotNames, info); });

}  // namespace
}  // namespace orv::test
