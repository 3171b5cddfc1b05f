// A panel of the garden screen that closes takes the tooltip of its rows with it: the friends
// panel's row tip, shown while the mouse is over a friend, is gone from the frame after a double
// click entered that friend's garden, although the mouse has not moved.
#include <gtest/gtest.h>

#include <string>

#include "GardenScreenFixture.h"
#include "framework/widgets/ORVToolTip.h"
#include "garden/windows/GardenFriendWnd.h"
#include "support/WindowInput.h"

namespace orv::test {
namespace {

constexpr char kRowTip[] = "\xCB\xAB\xBB\xF7\xBF\xC9\xD6\xB1\xBD\xD3\xBD\xF8\xC8\xEB\xBB\xA8\xD4\xB0";   // 双击可直接进入花园

class GardenPanelToolTipTest : public GardenScreenFixture {
protected:
    // One frame; whether it drew the text.
    static bool FrameDraws(const char* text)
    {
        glimmer_test::ClearTrace();
        Frames(1);
        for (const glimmer_test::Call& c : glimmer_test::Trace()) {
            if (c.hasText && c.text == text) {
                return true;
            }
        }
        return false;
    }
};

TEST_F(GardenPanelToolTipTest, TheClosedFriendsPanelTakesItsRowTipWithIt)
{
    glimmer_test::RegisterTexture(1, 10, 220, 300);   // the friends panel's background
    CGardenWnd& screen = Open(gb::GardenDesc{});
    CGardenFriendWnd::SetListMode(CGardenFriendWnd::kFriends);
    screen.TogglePanel(GardenPanelSlot::kFriends);
    CORVWindow* panel = screen.Panel(GardenPanelSlot::kFriends);
    ASSERT_NE(panel, nullptr);
    Deliver(gb::Reply(512, gb::FriendBytes("guid0", "Ann") + gb::FriendBytes("guid1", "Pal"), 0, 2, 73));

    // The mouse enters the panel over the second friend's row: the row's tip shows.
    const int x = panel->m_nAbsX + 24;
    const int y = panel->m_nAbsY + 59 + 21 + 2;
    MouseMove(x, y);
    EXPECT_TRUE(FrameDraws(kRowTip));

    LDblClk(x, y);
    Frames(2);
    EXPECT_EQ(screen.Panel(GardenPanelSlot::kFriends), nullptr);
    EXPECT_FALSE(FrameDraws(kRowTip));
    EXPECT_TRUE(CORVToolTip::GetSingleton().IsEmpty());
}

}  // namespace
}  // namespace orv::test
