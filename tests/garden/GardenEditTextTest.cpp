// What the garden's panels send from their edit fields, typed through real input: a first byte
// left waiting for its second byte never goes out, whether Enter or a click on a button ends the
// typing.
#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "GardenScreenFixture.h"
#include "framework/widgets/ORVButton.h"
#include "framework/widgets/ORVEdit.h"
#include "garden/windows/GardenFriendWnd.h"
#include "garden/windows/GardenSetWnd.h"
#include "support/WindowInput.h"

namespace orv::test {
namespace {

class GardenEditTextTest : public GardenScreenFixture {
protected:
    GardenEditTextTest()
    {
        glimmer_test::RegisterTexture(kImageSetWindow, 10, 220, 300);   // friends
        glimmer_test::RegisterTexture(kImageSetWindow, 9, 360, 360);    // settings
        glimmer_test::RegisterTexture(kImageSetButton, 144, 40, 20);    // visit
        glimmer_test::RegisterTexture(kImageSetButton, 9, 60, 24);      // OK
    }

    static void ClickOn(const CORVControl* ctrl)
    {
        ASSERT_NE(ctrl, nullptr);
        LClick(ctrl->m_nAbsX + ctrl->m_nWidth / 2, ctrl->m_nAbsY + ctrl->m_nHeight / 2);
    }
    static void Type(const std::string& bytes)
    {
        for (unsigned char c : bytes) {
            Char(c);
        }
    }
};

std::string Sentences(const std::string& first)
{
    std::string body;
    for (u16 slot = 1; slot <= 4; ++slot) {
        body += gb::U16(14) + gb::U16(2) + gb::U16(slot) + gb::Item(15, slot == 1 ? first : "");
    }
    return body;
}

TEST_F(GardenEditTextTest, AFirstByteLeftWaitingIsNeverSent)
{
    CGardenWnd& screen = Open(gb::GardenDesc{});
    CORVWindow* panel = nullptr;
    const auto friends = [&] {
        CGardenFriendWnd::SetListMode(CGardenFriendWnd::kFriends);
        screen.TogglePanel(GardenPanelSlot::kFriends);
        auto* w = dynamic_cast<CGardenFriendWnd*>(screen.Panel(GardenPanelSlot::kFriends));
        panel = w;
        return w != nullptr ? w->m_pNameField : nullptr;
    };
    const auto settings = [&] {
        screen.TogglePanel(GardenPanelSlot::kSettings);
        auto* w = dynamic_cast<CGardenSetWnd*>(screen.Panel(GardenPanelSlot::kSettings));
        panel = w;
        if (w == nullptr) {
            return static_cast<CORVEdit*>(nullptr);
        }
        w->m_pTabs->SetCurSel(1);
        ORVMsg tab(kNotifyLeftClick, 0, w->m_pTabs);
        w->OnMessage(&tab);
        return w->m_apSentences[0];
    };
    const auto visit = [&] { ClickOn(static_cast<CGardenFriendWnd*>(panel)->m_pVisitButton); };
    const auto ok = [&] { ClickOn(static_cast<CGardenSetWnd*>(panel)->m_pOkButton); };
    const auto enter = [] { KeyDown(0x0D); };
    const struct {
        const char* name;
        std::function<CORVEdit*()> open;
        std::string typed;
        std::function<void()> end;
        std::string request;
    } cases[] = {
        {"friends name, Enter", friends, "ab\xB0", enter, gb::Packet(1016, 0, "ab")},
        {"friends name, the visit button", friends, "ab\xB0", visit, gb::Packet(1016, 0, "ab")},
        {"first sentence, OK", settings, "a\xB0", ok, gb::Packet(884, 0x13, Sentences("a"))},
        {"first sentence, Enter then OK", settings, "a\xB0", [&] { enter(); ok(); },
         gb::Packet(884, 0x13, Sentences("a"))},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        CORVEdit* field = c.open();
        ASSERT_NE(field, nullptr);
        ClickOn(field);
        Frames(2);
        TakeRequests();
        Type(c.typed);
        c.end();
        Frames(3);
        EXPECT_EQ(TakeRequests(), std::vector<std::string>{c.request});
        EXPECT_EQ(screen.Panel(GardenPanelSlot::kFriends), nullptr);   // each panel closed as it sent
        EXPECT_EQ(screen.Panel(GardenPanelSlot::kSettings), nullptr);
    }
}

}  // namespace
}  // namespace orv::test
