// Buttons, check boxes and radio groups, driven through the recording host: what they draw in
// each state, what they post to their parent and in which frame.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "framework/widgets/ORVButton.h"
#include "framework/widgets/WidgetTestSupport.h"
#include "support/TestHarness.h"

namespace orv::test {
namespace {

constexpr u32 kWhite = 0xFFFFFFFF;
constexpr u32 kRed = 0xFFD99694;
constexpr u32 kYellow = 0xFFD9D994;

// Buttons in the record window, whose children's absolute position is their position + (122, 104).
class ButtonTest : public WidgetTest {
protected:
    void SetUp() override
    {
        WidgetTest::SetUp();
        m_Host.SetImageSize(40, 92, 100, 30);
    }

    CORVButton* AddButton(int x, int y, int frame)
    {
        CORVButton* button = nullptr;
        m_pWnd->CreateButton(x, y, &button, frame, true, true, "");
        return button;
    }

    CORVCheck* AddCheck(int x, int y, u16 frame = kCheckBaseFrame)
    {
        auto* check = new CORVCheck();
        check->m_wFrame = frame;
        m_pWnd->AddChild(check, false);
        check->CreateCheck(m_pWnd, x, y);
        return check;
    }

    // The one image of set 92 and the texts drawn in the last frame.
    const HostCall* LastButtonImage() const
    {
        const HostCall* found = nullptr;
        for (const HostCall& c : m_Host.m_vCalls) {
            if (c.m_nFrame == m_Host.m_nFrame && c.m_strName == "DrawImage" && c.Int(3) == 92) {
                found = &c;
            }
        }
        return found;
    }
    std::vector<HostCall> TextsThisFrame() const
    {
        std::vector<HostCall> out;
        for (const HostCall& c : m_Host.CallsInFrame(m_Host.m_nFrame)) {
            if (c.m_strName == "DrawText") {
                out.push_back(c);
            }
        }
        return out;
    }
};

// ---- CORVButton ----

struct ButtonLookCase {
    const char* m_pszName;
    bool m_bEnabled;
    int m_nLatch;
    bool m_bPressed;
    bool m_bHover;
    int m_nFrame;     // base 40
    u32 m_dwColour;
    int m_nShift;
};

TEST_F(ButtonTest, LookFollowsStateInOrderDisabledLatchPressedHover)
{
    const ButtonLookCase cases[] = {
        {"normal", true, 0, false, false, 40, kWhite, 0},
        {"hover", true, 0, false, true, 41, kYellow, 0},
        {"pressed", true, 0, true, false, 42, kRed, 1},
        {"pressed and hover", true, 0, true, true, 42, kRed, 1},
        {"radio latch", true, 2, false, false, 42, kRed, 1},
        {"radio latch under mouse", true, 2, false, true, 42, kRed, 1},
        {"latch 1 while pressed shows the latch", true, 1, true, true, 41, kRed, 0},
        {"latch 3", true, 3, false, false, 43, kRed, 0},
        {"disabled", false, 0, false, false, 42, kWhite, 0},
        {"disabled beats latch, press and hover", false, 2, true, true, 42, kWhite, 0},
    };
    CORVButton* button = AddButton(30, 40, 40);
    button->m_strCaption = "OK";
    for (const ButtonLookCase& c : cases) {
        SCOPED_TRACE(c.m_pszName);
        button->m_bEnabled = c.m_bEnabled ? 1 : 0;
        button->SetLatch(c.m_nLatch);
        CtrlMgr().m_pCapture = c.m_bPressed ? button : nullptr;
        CtrlMgr().m_pHover = c.m_bHover ? button : nullptr;
        Frame();

        const HostCall* image = LastButtonImage();
        ASSERT_NE(image, nullptr);
        EXPECT_EQ(image->m_vInts, (std::vector<long long>{152, 144, c.m_nFrame, 92, kWhite, 0, 0}));
        // Centred caption: x + w / 2, y + (h - 12) / 2, plus the shift; alignment 1.
        const std::vector<HostCall> texts = TextsThisFrame();
        ASSERT_EQ(texts.size(), 1u);
        EXPECT_EQ(texts[0].m_strText, "OK");
        EXPECT_EQ(texts[0].m_vInts, (std::vector<long long>{152 + 50 + c.m_nShift, 144 + 9 + c.m_nShift, c.m_dwColour,
                                                             1, 0, 0, 1, 1, 0}));
    }
}

TEST_F(ButtonTest, CaptionAtAnOffsetUsesTheCaptionFlagsAndNoCaptionDrawsNoText)
{
    CORVButton* button = AddButton(30, 40, 40);
    button->m_strCaption = "Go";
    button->m_nCaptionX = 5;
    button->m_nCaptionY = 3;
    button->m_nCaptionFlag1 = 7;
    button->m_nCaptionFlag2 = 8;
    CtrlMgr().m_pCapture = button;
    Frame();
    std::vector<HostCall> texts = TextsThisFrame();
    ASSERT_EQ(texts.size(), 1u);
    EXPECT_EQ(texts[0].m_vInts, (std::vector<long long>{152 + 5 + 1, 144 + 3 + 1, kRed, 7, 8, 0, 1, 1, 0}));

    button->m_strCaption.clear();
    Frame();
    EXPECT_TRUE(TextsThisFrame().empty());
    EXPECT_NE(LastButtonImage(), nullptr);
}

TEST_F(ButtonTest, CreateWithImageTakesTheHostSizeExceptForFrameZero)
{
    m_Host.ClearLog();
    CORVButton* sized = AddButton(0, 0, 40);
    EXPECT_EQ(sized->m_nWidth, 100);
    EXPECT_EQ(sized->m_nHeight, 30);
    EXPECT_EQ(sized->m_wFrame, 40);
    ASSERT_EQ(m_Host.Count("GetImageSize"), 1);
    EXPECT_EQ(m_Host.Calls("GetImageSize")[0].m_vInts, (std::vector<long long>{40, 92}));

    m_Host.ClearLog();
    CORVButton* empty = AddButton(5, 6, 0);
    EXPECT_EQ(empty->m_nWidth, 0);
    EXPECT_EQ(empty->m_nHeight, 0);
    EXPECT_EQ(m_Host.Count("GetImageSize"), 0);
}

TEST_F(ButtonTest, ClicksReachTheParentOneFrameLater)
{
    CORVButton* button = AddButton(30, 40, 40);
    const int x = 152 + 10;
    const int y = 144 + 10;

    // While the left button is held the button shows its pressed frame.
    LButtonDown(x, y);
    Frame();   // 1
    EXPECT_EQ(LastButtonImage()->Int(2), 42);
    LButtonUp(x, y);
    EXPECT_TRUE(m_pWnd->m_vPosted.empty());
    Frame();   // 2
    RClick(x, y);
    LDblClk(x, y);
    Frame();   // 3

    ASSERT_EQ(m_pWnd->m_vPosted.size(), 3u);
    EXPECT_EQ(m_pWnd->m_vPosted[0].m_nId, kNotifyLeftClick);
    EXPECT_EQ(m_pWnd->m_vPosted[0].m_nFrame, 2);
    EXPECT_EQ(m_pWnd->m_vPosted[1].m_nId, kNotifyRightClick);
    EXPECT_EQ(m_pWnd->m_vPosted[2].m_nId, kNotifyLeftDblClk);
    for (const ArrivedMsg& m : m_pWnd->m_vPosted) {
        EXPECT_EQ(m.m_pSender, button);
        EXPECT_EQ(m.m_wParam, 0u);
    }
    EXPECT_EQ(m_pWnd->m_vPosted[1].m_nFrame, 3);
}

// ---- CORVCheck ----

TEST_F(ButtonTest, CheckBoxDefaultsAndSizes)
{
    CORVCheck fresh;
    EXPECT_EQ(fresh.m_wFrame, 18);
    EXPECT_EQ(fresh.m_nLatch, 0u);
    EXPECT_EQ(fresh.m_nCaptionX, 20);
    EXPECT_EQ(fresh.m_nCaptionY, 0);
    EXPECT_EQ(fresh.m_nWidth, 20);
    EXPECT_EQ(fresh.m_nHeight, 20);
    EXPECT_FALSE(fresh.IsKindOf(ORV_RUNTIME_CLASS(CORVButton)));

    CORVCheck* small = AddCheck(0, 0);
    EXPECT_EQ(small->m_nWidth, 14);
    EXPECT_EQ(small->m_nHeight, 14);
    CORVCheck* large = AddCheck(0, 0, 24);
    EXPECT_EQ(large->m_nWidth, 28);
    EXPECT_EQ(large->m_nHeight, 22);
}

TEST_F(ButtonTest, CheckBoxLookAndWhiteCaption)
{
    struct Case {
        const char* m_pszName;
        int m_nChecked;
        bool m_bEnabled;
        bool m_bPressed;
        bool m_bHover;
        int m_nFrame;
    };
    const Case cases[] = {
        {"unchecked", 0, true, false, false, 18},   {"unchecked hover", 0, true, false, true, 19},
        {"unchecked pressed", 0, true, true, true, 20}, {"unchecked disabled", 0, false, false, true, 20},
        {"checked", 1, true, false, false, 21},     {"checked hover", 1, true, false, true, 22},
        {"checked pressed", 1, true, true, false, 23},  {"checked disabled", 1, false, false, false, 23},
    };
    CORVCheck* check = AddCheck(50, 60);
    check->m_strCaption = "Remember";
    for (const Case& c : cases) {
        SCOPED_TRACE(c.m_pszName);
        check->SetLatch(c.m_nChecked);
        check->m_bEnabled = c.m_bEnabled ? 1 : 0;
        CtrlMgr().m_pCapture = c.m_bPressed ? check : nullptr;
        CtrlMgr().m_pHover = c.m_bHover ? check : nullptr;
        Frame();
        const HostCall* image = LastButtonImage();
        ASSERT_NE(image, nullptr);
        EXPECT_EQ(image->m_vInts, (std::vector<long long>{172, 164, c.m_nFrame, 92, kWhite, 0, 0}));
        const std::vector<HostCall> texts = TextsThisFrame();
        ASSERT_EQ(texts.size(), 1u);
        EXPECT_EQ(texts[0].m_vInts, (std::vector<long long>{172 + 20, 164, kWhite, 0, 0, 0, 1, 1, 0}));
    }
}

// ---- CORVRadioGroup ----

struct GroupCase {
    const char* m_pszName;
    int m_nCount;
    int m_nSelected;
    int m_nStep;
    bool m_bSameFrame;
    int m_nCurSel;
    std::vector<int> m_vLatched;                  // per item
    std::vector<std::pair<int, int>> m_vPos;      // per item, relative to the group
    std::vector<int> m_vFrames;                   // per item
    int m_nWidth;
    int m_nHeight;
};

TEST_F(ButtonTest, CreateGroupLaysOutLatchesAndSizesItems)
{
    m_Host.m_DefaultImageSize = {50, 20};
    const GroupCase cases[] = {
        {"row", 3, 1, 60, false, 1, {0, 2, 0}, {{0, 0}, {60, 0}, {120, 0}}, {100, 103, 106}, 170, 20},
        {"selected = count", 3, 3, 60, false, 3, {0, 0, 0}, {{0, 0}, {60, 0}, {120, 0}}, {100, 103, 106}, 170, 20},
        {"selected = count + 1", 3, 4, 60, false, 0, {0, 0, 0}, {{0, 0}, {60, 0}, {120, 0}}, {100, 103, 106}, 170,
         20},
        {"no selection", 2, -1, 60, false, -1, {0, 0}, {{0, 0}, {60, 0}}, {100, 103}, 110, 20},
        {"negative step stacks down", 3, 0, -25, false, 0, {2, 0, 0}, {{0, 0}, {0, 25}, {0, 50}}, {100, 103, 106}, 50,
         70},
        {"same frame", 3, 2, 55, true, 2, {0, 0, 2}, {{0, 0}, {55, 0}, {110, 0}}, {100, 100, 100}, 160, 20},
        {"no items", 0, 0, 60, false, 0, {}, {}, {}, 0, 0},
        {"negative count", -2, 0, 60, false, 0, {}, {}, {}, 0, 0},
    };
    for (const GroupCase& c : cases) {
        SCOPED_TRACE(c.m_pszName);
        auto* group = new CORVRadioGroup();
        m_pWnd->AddChild(group, false);
        EXPECT_EQ(group->m_nCurSel, 0);
        ASSERT_TRUE(group->CreateGroup(m_pWnd, 7, 9, 100, c.m_nCount, c.m_nSelected, c.m_nStep, c.m_bSameFrame));
        EXPECT_EQ(group->m_nCurSel, c.m_nCurSel);
        EXPECT_EQ(group->m_bSameFrame, c.m_bSameFrame ? 1 : 0);
        EXPECT_EQ(group->m_nWidth, c.m_nWidth);
        EXPECT_EQ(group->m_nHeight, c.m_nHeight);
        EXPECT_EQ(group->m_nAbsX, kWndAbsX + 7);
        ASSERT_EQ(group->m_vItems.size(), c.m_vLatched.size());
        for (std::size_t i = 0; i < group->m_vItems.size(); ++i) {
            CORVButton* item = group->m_vItems[i];
            EXPECT_TRUE(group->HasChild(item));
            EXPECT_EQ(static_cast<int>(item->m_nLatch), c.m_vLatched[i]) << "item " << i;
            EXPECT_EQ(item->m_nX, c.m_vPos[i].first) << "item " << i;
            EXPECT_EQ(item->m_nY, c.m_vPos[i].second) << "item " << i;
            EXPECT_EQ(item->m_nAbsX, kWndAbsX + 7 + c.m_vPos[i].first) << "item " << i;
            EXPECT_EQ(item->m_nAbsY, kWndAbsY + 9 + c.m_vPos[i].second) << "item " << i;
            EXPECT_EQ(item->m_wFrame, c.m_vFrames[i]) << "item " << i;
        }
        m_pWnd->DeleteChild(group);
    }
}

TEST_F(ButtonTest, SelectionByCodePostsNothing)
{
    m_Host.m_DefaultImageSize = {50, 20};
    auto* group = new CORVRadioGroup();
    m_pWnd->AddChild(group, false);
    group->CreateGroup(m_pWnd, 0, 0, 100, 3, 3, 60, false);   // selection 3, nothing latched
    auto latches = [&] {
        std::vector<u32> out;
        for (CORVButton* item : group->m_vItems) {
            out.push_back(item->m_nLatch);
        }
        return out;
    };

    group->SetCurSel(1);
    EXPECT_EQ(group->m_nCurSel, 1);
    EXPECT_EQ(latches(), (std::vector<u32>{0, 2, 0}));
    group->m_vItems[0]->SetLatch(2);
    group->SetCurSel(1);   // already selected: nothing, not even a re-latch
    EXPECT_EQ(latches(), (std::vector<u32>{2, 2, 0}));
    group->SetCurSel(7);   // outside: every item unlatched, selection kept
    EXPECT_EQ(group->m_nCurSel, 1);
    EXPECT_EQ(latches(), (std::vector<u32>{0, 0, 0}));
    group->SetCurSel(0);
    group->ClearSelection();
    EXPECT_EQ(group->m_nCurSel, -1);
    EXPECT_EQ(latches(), (std::vector<u32>{0, 0, 0}));
    Frame(2);
    EXPECT_TRUE(m_pWnd->m_vPosted.empty());

    CORVRadioGroup empty;
    empty.SetCurSel(2);
    EXPECT_EQ(empty.m_nCurSel, 0);
}

TEST_F(ButtonTest, ItemTipsAndTextsOnlyForItemsThatExist)
{
    m_Host.m_DefaultImageSize = {50, 20};
    auto* group = new CORVRadioGroup();
    m_pWnd->AddChild(group, false);
    group->CreateGroup(m_pWnd, 0, 0, 100, 2, 0, 60, false);
    group->SetItemTip(1, "tip");
    group->SetItemText(0, "Tab", 4, 2);
    group->SetItemTip(2, "none");
    group->SetItemText(-1, "none", 1, 1);
    group->SetItemText(1, nullptr, 3, 3);
    EXPECT_EQ(group->m_vItems[1]->m_strToolTip, "tip");
    EXPECT_EQ(group->m_vItems[0]->m_strCaption, "Tab");
    EXPECT_EQ(group->m_vItems[0]->m_nCaptionX, 4);
    EXPECT_EQ(group->m_vItems[0]->m_nCaptionY, 2);
    EXPECT_EQ(group->m_vItems[1]->m_strCaption, "");
    EXPECT_EQ(group->m_vItems[0]->m_strToolTip, "");

    // The latched item's caption is drawn red and pushed in.
    Frame();
    const HostCall* text = m_Host.FindText("Tab");
    ASSERT_NE(text, nullptr);
    EXPECT_EQ(text->m_vInts, (std::vector<long long>{kWndAbsX + 4 + 1, kWndAbsY + 2 + 1, kRed, 0, 0, 0, 1, 1, 0}));
}

}  // namespace
}  // namespace orv::test
