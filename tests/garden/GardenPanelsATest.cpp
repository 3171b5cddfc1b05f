// The friends, news, settings, task and ranking panels, each created under the garden screen's
// stand-in window, driven by the fake server's replies and drawn through the recording Glimmer.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "GardenFixture.h"
#include "framework/widgets/ORVButton.h"
#include "framework/widgets/ORVEdit.h"
#include "framework/widgets/ORVScroll.h"
#include "framework/widgets/ORVToolTip.h"
#include "garden/windows/GardenFriendWnd.h"
#include "engine/ORVConfigMgr.h"
#include "framework/richtext/ORVRichParagraph.h"
#include "framework/richtext/ORVTextContext.h"
#include "framework/widgets/ORVChoice.h"
#include "garden/windows/GardenGuide.h"
#include "garden/windows/GardenRank.h"
#include "garden/windows/GardenRecordWnd.h"
#include "garden/windows/GardenSetWnd.h"
#include "garden/windows/GardenTaskWnd.h"
#include "glimmer/GlimmerTest.h"

namespace gb = orv::garden_bytes;

namespace orv::test {
namespace {

// Background sizes of the panels (image set 1).
struct PanelSize {
    u16 frame;
    int w, h;
};
constexpr PanelSize kPanelSizes[] = {{9, 360, 360}, {10, 220, 300}, {14, 450, 400}, {15, 610, 400}, {18, 590, 410}};

class GardenPanelsTest : public GardenStateTest {
protected:
    GardenPanelsTest()
    {
        glimmer_test::Reset();
        for (const PanelSize& s : kPanelSizes) {
            glimmer_test::RegisterTexture(1, s.frame, s.w, s.h);
        }
        GetGardenGuide().Reset();
        Screen()->SetSize(800, 600);
        TakeRequests();
        TakeTopics();
    }
    ~GardenPanelsTest() override
    {
        CtrlMgr().DestroyWindowTree();
        GetGardenGuide().Reset();
        glimmer_test::Reset();
    }

    // The garden screen's stand-in: the panels' parent.
    static CTestWindow* Screen()
    {
        for (CTestWindow* w : CTestWindow::Live()) {
            if (w->m_pParent == &CtrlMgr().m_MainWnd) {
                return w;
            }
        }
        return nullptr;
    }
    template <class T>
    T* Open(const RuntimeClassRecord* record)
    {
        return static_cast<T*>(Screen()->CreateChild(record, 0, ""));
    }
    // A notification from one of the panel's children, as the toolkit hands it out.
    static void Notify(CORVControl* panel, u32 id, CORVControl* sender, u32 p1 = 0)
    {
        ORVMsg msg(id, p1, sender);
        panel->OnMessage(&msg);
    }
    // Whether the panel asked its parent to close it (the parent's queue pumped).
    static bool CloseAsked(CORVControl* panel)
    {
        CTestWindow* screen = Screen();
        for (int i = 0; i < 3; ++i) {
            screen->PumpPostedMessages();
        }
        for (const ORVMsg& m : screen->m_vPosted) {
            if (m.m_nId == kNotifyClose && m.m_pSender == panel) {
                return true;
            }
        }
        return false;
    }
    // Sub-commands (884) of the requests sent since the last call.
    static std::vector<u16> Subs()
    {
        std::vector<u16> out;
        for (const std::string& r : TakeRequests()) {
            out.push_back(ReadLE16(reinterpret_cast<const u8*>(r.data()) + garden_layout::kSub));
        }
        return out;
    }
    // The texts drawn by one OnDraw.
    static std::vector<glimmer_test::Call> Texts(CORVControl* panel)
    {
        glimmer_test::ClearTrace();
        panel->OnDraw();
        std::vector<glimmer_test::Call> out;
        for (const glimmer_test::Call& c : glimmer_test::Trace()) {
            if (c.hasText) {
                out.push_back(c);
            }
        }
        return out;
    }
    static bool Drew(const std::vector<glimmer_test::Call>& calls, const std::string& text)
    {
        for (const glimmer_test::Call& c : calls) {
            if (c.text == text) {
                return true;
            }
        }
        return false;
    }
    static std::string Gbk(const char* s) { return s; }
};

// ---------------------------------------------------------------- daily tasks

std::string Task(u16 kind, u16 amount, u16 state, const std::string& text)
{
    return gb::Item(25, gb::U16(kind) + gb::U16(amount) + gb::U16(state) + text);
}
std::string Tasks(int n)
{
    std::string body;
    for (int i = 0; i < n; ++i) {
        body += Task(1, 5, 0, "t" + std::to_string(i));
    }
    return gb::Reply(528, body);
}

TEST_F(GardenPanelsTest, TaskPanelAsksForItsListAndScrollsPastNineRows)
{
    CGardenTaskWnd* w = Open<CGardenTaskWnd>(ORV_RUNTIME_CLASS(CGardenTaskWnd));
    EXPECT_EQ(Subs(), std::vector<u16>{0x28});
    EXPECT_EQ(w->m_nX, (800 - 590) / 2);
    const struct {
        int tasks, range;
    } cases[] = {{9, 0}, {10, 1}, {14, 5}};
    for (const auto& c : cases) {
        Deliver(Tasks(c.tasks));
        EXPECT_EQ(w->m_pScroll->m_nRange, c.range) << c.tasks;
        EXPECT_EQ(w->m_pScroll->m_nPos, 0);
    }
}

TEST_F(GardenPanelsTest, TaskRowsShowStateAndRewardByKind)
{
    CGardenTaskWnd* w = Open<CGardenTaskWnd>(ORV_RUNTIME_CLASS(CGardenTaskWnd));
    EXPECT_TRUE(Drew(Texts(w), "\xB5\xB1\xC7\xB0\xC3\xBB\xD3\xD0\xBB\xA8\xD4\xB0\xC3\xBF\xC8\xD5\xC8\xCE\xCE\xF1"));
    Deliver(gb::Reply(528, Task(2, 30, 0, "water") + Task(4, 2, 1, "weed") + Task(5, 9, 2, "pick")));
    const std::vector<glimmer_test::Call> texts = Texts(w);
    const struct {
        const char* text;
        u32 colour;
    } expected[] = {{"\xCE\xB4\xCD\xEA\xB3\xC9", 0xFFFF0000},                                 // 未完成
                    {"\xD2\xD1\xCD\xEA\xB3\xC9", 0xFF468C7C},                                 // 已完成
                    {"\xBD\xF8\xD0\xD0\xD6\xD0", 0xFF8D6365},                                 // 进行中
                    {"30\xB5\xE3\xB2\xC6\xB8\xBB", 0xFF8D6365},                               // 30点财富
                    {"2\xB8\xF6\xD7\xAA\xBB\xF9\xD2\xF2\xD6\xD6\xD7\xD3", 0xFF8D6365}};       // 2个转基因种子
    for (const auto& e : expected) {
        bool found = false;
        for (const glimmer_test::Call& c : texts) {
            if (c.text == e.text) {
                found = true;
                EXPECT_EQ(static_cast<u32>(c.ints[2]), e.colour) << e.text;
            }
        }
        EXPECT_TRUE(found) << e.text;
    }
    // Row 2 (kind 5) has no reward: three state texts, two rewards drawn in rows 0 and 1.
    int rewards = 0;
    for (const glimmer_test::Call& c : texts) {
        if (c.ints[1] == w->m_nAbsY + 94 + 2 * 27 + 3 && c.ints[0] > w->m_nAbsX + 25 + 320 + 102) {
            ++rewards;
        }
    }
    EXPECT_EQ(rewards, 0);
}

TEST_F(GardenPanelsTest, TaskTableHoverFollowsTheRowsShown)
{
    CGardenTaskWnd* w = Open<CGardenTaskWnd>(ORV_RUNTIME_CLASS(CGardenTaskWnd));
    Deliver(Tasks(3));
    const struct {
        int x, y, row, column;
    } cases[] = {{30, 94, 0, 0}, {400, 94 + 27 + 5, 1, 1}, {500, 94 + 2 * 27, 2, 2},
                 {30, 94 + 3 * 27, -1, -1},   // below the last task
                 {24, 100, -1, -1}};          // left of the table
    for (const auto& c : cases) {
        w->OnMouseMove(c.x, c.y);
        EXPECT_EQ(w->m_pTable->m_nHoverRow, c.row) << c.x << "," << c.y;
        EXPECT_EQ(w->m_pTable->m_nHoverColumn, c.column) << c.x << "," << c.y;
    }
}

TEST_F(GardenPanelsTest, TaskOkAndCloseCloseThePanel)
{
    for (bool ok : {true, false}) {
        CGardenTaskWnd* w = Open<CGardenTaskWnd>(ORV_RUNTIME_CLASS(CGardenTaskWnd));
        Notify(w, kNotifyLeftClick, ok ? static_cast<CORVControl*>(w->m_pOkButton) : w->m_pCloseButton);
        EXPECT_TRUE(CloseAsked(w)) << ok;
    }
}

// ---------------------------------------------------------------- friends

std::string Friends(u16 code, int n, u8 flags = 0)
{
    std::string body;
    for (int i = 0; i < n; ++i) {
        body += gb::FriendBytes("guid" + std::to_string(i), "name" + std::to_string(10 + i), flags);
    }
    return gb::Reply(code, body, 0, static_cast<u16>(n), 73);
}

TEST_F(GardenPanelsTest, FriendPanelSitsBesideTheScreenAndAsksForItsList)
{
    CGardenFriendWnd::SetListMode(CGardenFriendWnd::kFriends);
    CGardenFriendWnd* w = Open<CGardenFriendWnd>(ORV_RUNTIME_CLASS(CGardenFriendWnd));
    EXPECT_EQ(w->m_nX, 800 - 220 - 20);
    EXPECT_EQ(w->m_nY, 41);
    EXPECT_EQ(Subs(), std::vector<u16>{0x0b});
    EXPECT_EQ(w->m_pListSwitch->m_nCurSel, 0);
}

TEST_F(GardenPanelsTest, SwitchingToStrangersEmptiesTheirListUntilItArrives)
{
    CGardenFriendWnd::SetListMode(CGardenFriendWnd::kFriends);
    CGardenFriendWnd* w = Open<CGardenFriendWnd>(ORV_RUNTIME_CLASS(CGardenFriendWnd));
    Deliver(Friends(524, 3));
    ASSERT_EQ(GetGardenDataMgr().m_vStrangers.size(), 3u);
    Subs();
    w->m_pListSwitch->SetCurSel(1);
    Notify(w, kNotifyLeftClick, w->m_pListSwitch);
    EXPECT_EQ(Subs(), std::vector<u16>{0x20});
    EXPECT_EQ(CGardenFriendWnd::ListMode(), CGardenFriendWnd::kStrangers);
    EXPECT_TRUE(GetGardenDataMgr().m_vStrangers.empty());
    EXPECT_TRUE(Drew(Texts(w), "\xC3\xBB\xD3\xD0\xBF\xC9\xB7\xC3\xCE\xCA\xB5\xC4\xC4\xB0\xC9\xFA\xC8\xCB"));
    Deliver(Friends(524, 2));
    EXPECT_TRUE(Drew(Texts(w), "name11"));
    // The mode outlives the panel.
    CGardenFriendWnd* again = Open<CGardenFriendWnd>(ORV_RUNTIME_CLASS(CGardenFriendWnd));
    EXPECT_EQ(again->m_pListSwitch->m_nCurSel, 1);
    EXPECT_EQ(Subs(), std::vector<u16>{0x20});
    CGardenFriendWnd::SetListMode(CGardenFriendWnd::kFriends);
}

TEST_F(GardenPanelsTest, FriendScrollBarAppearsPastTenRows)
{
    CGardenFriendWnd::SetListMode(CGardenFriendWnd::kFriends);
    CGardenFriendWnd* w = Open<CGardenFriendWnd>(ORV_RUNTIME_CLASS(CGardenFriendWnd));
    const struct {
        int rows, range;
        bool shown;
    } cases[] = {{10, 0, false}, {11, 1, true}, {0, 0, false}};
    for (const auto& c : cases) {
        Deliver(Friends(512, c.rows));
        EXPECT_EQ(w->m_pScroll->m_nRange, c.range) << c.rows;
        EXPECT_EQ(w->m_pScroll->m_bVisible != 0, c.shown) << c.rows;
    }
    // The wheel goes to the bar.
    Deliver(Friends(512, 15));
    EXPECT_TRUE(w->OnMouseWheel(0, 0, -120));
    EXPECT_EQ(w->m_pScroll->m_nPos, 1);
    const std::vector<glimmer_test::Call> texts = Texts(w);
    EXPECT_FALSE(Drew(texts, "name10"));
    EXPECT_TRUE(Drew(texts, "name11"));
}

TEST_F(GardenPanelsTest, FriendRowsShowOneStatus)
{
    CGardenFriendWnd::SetListMode(CGardenFriendWnd::kFriends);
    CGardenFriendWnd* w = Open<CGardenFriendWnd>(ORV_RUNTIME_CLASS(CGardenFriendWnd));
    const struct {
        u8 flags;
        const char* status;   // null: none
    } cases[] = {{3, "\xA3\xA8\xB0\xAE\xD0\xC4\xB5\xD8\xA3\xA9"},
                 {1, "\xA3\xA8\xD2\xD1\xB3\xC9\xCA\xEC\xA3\xA9"},
                 {0, nullptr}};
    for (const auto& c : cases) {
        Deliver(Friends(512, 1, c.flags));
        const std::vector<glimmer_test::Call> texts = Texts(w);
        ASSERT_EQ(texts.size(), c.status != nullptr ? 2u : 1u) << int(c.flags);
        if (c.status != nullptr) {
            EXPECT_EQ(texts[1].text, c.status);
            EXPECT_EQ(texts[1].ints[0], w->m_nAbsX + 173 - 60);   // ends at x + 173
            EXPECT_EQ(static_cast<u32>(texts[1].ints[2]), 0x00FF8C7Cu);
        }
    }
}

TEST_F(GardenPanelsTest, DoubleClickEntersTheHoveredGarden)
{
    CGardenFriendWnd::SetListMode(CGardenFriendWnd::kFriends);
    CGardenFriendWnd* w = Open<CGardenFriendWnd>(ORV_RUNTIME_CLASS(CGardenFriendWnd));
    Deliver(Friends(512, 3));
    Subs();
    TakeTopics();
    // Outside every row: nothing.
    w->OnMouseMove(14 + 10, 59 + 3 * 21 + 2);
    EXPECT_EQ(w->m_nHoverRow, -1);
    EXPECT_TRUE(w->m_strToolTip.empty());
    w->OnLButtonDblClk(0, 0);
    EXPECT_TRUE(TakeRequests().empty());
    EXPECT_FALSE(CloseAsked(w));

    w->OnMouseMove(14 + 10, 59 + 21 + 2);
    EXPECT_EQ(w->m_nHoverRow, 1);
    EXPECT_EQ(w->m_strToolTip, "\xCB\xAB\xBB\xF7\xBF\xC9\xD6\xB1\xBD\xD3\xBD\xF8\xC8\xEB\xBB\xA8\xD4\xB0");
    w->OnLButtonDblClk(0, 0);
    const std::vector<std::string> sent = TakeRequests();
    ASSERT_EQ(sent.size(), 1u);
    EXPECT_EQ(sent[0], gb::Packet(884, 0x04, "guid1"));
    const std::vector<Topic> topics = TakeTopics();
    ASSERT_FALSE(topics.empty());
    EXPECT_EQ(topics[0], (Topic{275, 107, 0, ""}));
    EXPECT_TRUE(CloseAsked(w));
}

TEST_F(GardenPanelsTest, VisitByNameSendsTheTypedName)
{
    CGardenFriendWnd::SetListMode(CGardenFriendWnd::kFriends);
    CGardenFriendWnd* w = Open<CGardenFriendWnd>(ORV_RUNTIME_CLASS(CGardenFriendWnd));
    Subs();
    EXPECT_EQ(GetGardenGuide().StepRecord(19).m_pTarget, w->m_pVisitButton);
    // Empty field: nothing is sent and the panel stays, but the tutorial's step 19 ends it.
    GetGardenGuide().SetStep(19);
    Notify(w, kNotifyLeftClick, w->m_pVisitButton);
    EXPECT_EQ(Subs(), std::vector<u16>{0x21});
    EXPECT_EQ(GetGardenGuide().Step(), 20);
    EXPECT_FALSE(CloseAsked(w));
    // A name, by Enter in the field.
    w->m_pNameField->SetText("alice");
    TakeTopics();
    Notify(w, kNotifyEditEnter, w->m_pNameField);
    const std::vector<std::string> sent = TakeRequests();
    ASSERT_EQ(sent.size(), 1u);
    EXPECT_EQ(sent[0], gb::Packet(1016, 0, "alice"));   // step 20 stays: nothing more
    EXPECT_EQ(TakeTopics().at(0), (Topic{275, 107, 0, ""}));
    EXPECT_TRUE(CloseAsked(w));
}

// ---------------------------------------------------------------- news

TEST_F(GardenPanelsTest, NewsShowsNewestFirstThenTheNoticeLines)
{
    CGardenRecordWnd* w = Open<CGardenRecordWnd>(ORV_RUNTIME_CLASS(CGardenRecordWnd));
    EXPECT_EQ(Subs(), std::vector<u16>{0x18});
    ASSERT_EQ(w->m_pDocument->m_dqParagraphs.size(), 1u);   // "当前没有记录"
    // Notice lines alone still show the empty text.
    GetGardenDataMgr().m_vNoticeLines.assign({"n1", "n2"});
    ORVMsg topic(kMsgGardenTopic, TOPIC_NOTICE_LINE);
    w->ProcessMessage(&topic);
    ASSERT_EQ(w->m_pDocument->m_dqParagraphs.size(), 1u);
    Deliver(gb::Reply(515, std::string("first\0second\0third", 18)));
    const std::deque<CORVRichParagraph*>& p = w->m_pDocument->m_dqParagraphs;
    ASSERT_EQ(p.size(), 5u);
    const char* expected[] = {"third", "second", "first", "n1", "n2"};
    for (std::size_t i = 0; i < p.size(); ++i) {
        EXPECT_EQ(p[i]->m_strText, expected[i]) << i;
    }
}

TEST_F(GardenPanelsTest, NewsLineIsSentAsTextAndCleared)
{
    CGardenRecordWnd* w = Open<CGardenRecordWnd>(ORV_RUNTIME_CLASS(CGardenRecordWnd));
    Subs();
    w->m_pLineField->SetText("hello");
    Notify(w, kNotifyEditEnter, w->m_pLineField);
    const std::vector<std::string> sent = TakeRequests();
    ASSERT_EQ(sent.size(), 1u);
    EXPECT_EQ(ReadLE16(reinterpret_cast<const u8*>(sent[0].data()) + 4), 3030);
    EXPECT_NE(sent[0].find("hello"), std::string::npos);
    EXPECT_STREQ(w->m_pLineField->GetText(), "");
}

// ---------------------------------------------------------------- settings

const char kConfig[] =
    "<config>\n"
    "<key Index=\"0\" Name=\"OpenStealCardTip\" Value=\"1\"/>\n"
    "<key Index=\"1\" Name=\"AutoUseStealCard\" Value=\"0\"/>\n"
    "</config>\n";

TEST_F(GardenPanelsTest, SettingsTabZeroWritesThePickCardOptions)
{
    const std::string path = m_Dir.Write("orvdata/help/config.xml", kConfig);
    ASSERT_TRUE(CORVConfigMgr::GetSingleton().Load(path.c_str()));
    CGardenSetWnd* w = Open<CGardenSetWnd>(ORV_RUNTIME_CLASS(CGardenSetWnd));
    EXPECT_EQ(Subs(), std::vector<u16>{0x29});
    ASSERT_NE(w->m_pAutoUseCard, nullptr);
    EXPECT_EQ(w->m_pAutoUseCard->m_nLatch, 0u);
    EXPECT_EQ(w->m_pCardHint->m_nLatch, 1u);
    w->m_pAutoUseCard->SetLatch(1);
    w->m_pCardHint->SetLatch(0);
    Notify(w, kNotifyLeftClick, w->m_pOkButton);
    EXPECT_TRUE(CloseAsked(w));
    CORVConfigMgr again;
    ASSERT_TRUE(again.Load(path.c_str()));
    EXPECT_EQ(again.GetValue(ORVConfigKey::AutoUseStealCard), 1);
    EXPECT_EQ(again.GetValue(ORVConfigKey::OpenStealCardTip), 0);
}

std::string Sentence(u32 slot, const std::string& text)
{
    return gb::Item(14, gb::U32(slot)) + gb::Item(15, text);
}

TEST_F(GardenPanelsTest, SettingsTabOneSendsFourSentenceRecords)
{
    CGardenSetWnd* w = Open<CGardenSetWnd>(ORV_RUNTIME_CLASS(CGardenSetWnd));
    w->m_pTabs->SetCurSel(1);
    Notify(w, kNotifyLeftClick, w->m_pTabs);
    ASSERT_NE(w->m_apSentences[3], nullptr);
    EXPECT_EQ(w->m_pAutoUseCard, nullptr);
    // Slots 0 and 5 are ignored.
    Deliver(gb::Reply(511, Sentence(1, "ab") + Sentence(0, "zero") + Sentence(3, "c") + Sentence(5, "five")));
    EXPECT_STREQ(w->m_apSentences[0]->GetText(), "ab");
    EXPECT_STREQ(w->m_apSentences[1]->GetText(), "");
    EXPECT_STREQ(w->m_apSentences[2]->GetText(), "c");
    Subs();
    Notify(w, kNotifyLeftClick, w->m_pOkButton);
    std::string body;
    const char* texts[] = {"ab", "", "c", ""};
    for (u16 i = 1; i <= 4; ++i) {
        body += gb::U16(14) + gb::U16(2) + gb::U16(i) + gb::Item(15, texts[i - 1]);
    }
    EXPECT_EQ(body.size(), 43u);
    const std::vector<std::string> sent = TakeRequests();
    ASSERT_EQ(sent.size(), 1u);
    EXPECT_EQ(sent[0], gb::Packet(884, 0x13, body));
    EXPECT_TRUE(CloseAsked(w));
}

TEST_F(GardenPanelsTest, SettingsTabSwitchLosesUnsavedSentences)
{
    CGardenSetWnd* w = Open<CGardenSetWnd>(ORV_RUNTIME_CLASS(CGardenSetWnd));
    const auto show = [w](int tab) {
        w->m_pTabs->SetCurSel(tab);
        Notify(w, kNotifyLeftClick, w->m_pTabs);
    };
    show(1);
    w->m_apSentences[0]->SetText("typed");
    show(0);
    EXPECT_EQ(w->m_apSentences[0], nullptr);
    show(1);
    EXPECT_STREQ(w->m_apSentences[0]->GetText(), "");
}

std::string Owned(u16 id, std::int64_t seconds)
{
    return gb::U16(id) + gb::U32(static_cast<u32>(seconds)) + gb::U32(static_cast<u32>(seconds >> 32));
}

TEST_F(GardenPanelsTest, SettingsTabTwoChoosesAnOwnedBackground)
{
    // Background 7 is not in the game data: it is not listed, and the items stay mapped.
    Deliver(gb::Reply(513, Owned(7, 86400) + Owned(1, 1000LL * 86400) + Owned(2, 1001LL * 86400), 0, 3, 10));
    CGardenSetWnd* w = Open<CGardenSetWnd>(ORV_RUNTIME_CLASS(CGardenSetWnd));
    w->m_pTabs->SetCurSel(2);
    Notify(w, kNotifyLeftClick, w->m_pTabs);
    ASSERT_NE(w->m_pBackgrounds, nullptr);
    EXPECT_EQ(w->m_pBackgrounds->m_vItems.size(), 2u);
    char text[128];
    CGardenSetWnd::ValidityText(1000LL * 86400, "x", text, sizeof text);
    EXPECT_STREQ(text, "\xD3\xD0\xD0\xA7\xCA\xB9\xD3\xC3\xCA\xB1\xBC\xE4\xCA\xA3\xD3\xE0" "1000\xCC\xEC,x");
    CGardenSetWnd::ValidityText(1001LL * 86400, "x", text, sizeof text);
    EXPECT_STREQ(text, "\xD3\xD0\xD0\xA7\xCA\xB9\xD3\xC3\xCA\xB1\xBC\xE4\xCE\xAA\xD3\xC0\xBE\xC3,x");
    Notify(w, kNotifyChoiceSelect, w->m_pBackgrounds, 1);
    EXPECT_EQ(w->m_wBackground, 2);
    EXPECT_NE(w->m_pBackgrounds->m_strToolTip.find("\xD3\xC0\xBE\xC3"), std::string::npos);   // 永久
    Notify(w, kNotifyChoiceSelect, w->m_pBackgrounds, 5);   // no such item: nothing
    EXPECT_EQ(w->m_wBackground, 2);
    Subs();
    Notify(w, kNotifyLeftClick, w->m_pOkButton);
    const std::vector<std::string> sent = TakeRequests();
    ASSERT_EQ(sent.size(), 1u);
    EXPECT_EQ(sent[0], gb::Packet(884, 0x2a, "", 0, 2));
}

// ---------------------------------------------------------------- rankings

TEST_F(GardenPanelsTest, RankingRequestGoesOutOnceInThirtySeconds)
{
    CGardenRank::ForgetLastRequest();
    const struct {
        u32 tick;
        bool sent;
    } openings[] = {{0, true}, {29999, false}, {30000, false}, {30001, true}, {40000, false}};
    for (const auto& o : openings) {
        m_Fake.m_dwTick = o.tick;
        CGardenRank* w = Open<CGardenRank>(ORV_RUNTIME_CLASS(CGardenRank));
        EXPECT_EQ(Subs(), o.sent ? std::vector<u16>{0x19} : std::vector<u16>{}) << o.tick;
        Screen()->DeleteChild(w);
    }
    CGardenRank::ForgetLastRequest();
}

TEST_F(GardenPanelsTest, RankingCategoriesShowTheirColumns)
{
    CGardenRank::ForgetLastRequest();
    Deliver(gb::Ranking516(12, 0));
    CGardenRank* w = Open<CGardenRank>(ORV_RUNTIME_CLASS(CGardenRank));
    std::vector<glimmer_test::Call> texts = Texts(w);
    EXPECT_TRUE(Drew(texts, "1,000"));   // wealth of row 0
    EXPECT_TRUE(Drew(texts, "991"));     // row 9
    EXPECT_FALSE(Drew(texts, "990"));    // row 10 lies below
    EXPECT_EQ(w->m_pScroll->m_nRange, 2);
    w->OnMouseWheel(0, 0, -120);
    EXPECT_TRUE(Drew(Texts(w), "990"));
    // Another category: the lists stay, scroll and hover go back.
    w->OnMouseMove(100, 91 + 27 + 5);
    EXPECT_EQ(w->m_nHoverRow, 1);
    w->m_pCategories->SetCurSel(2);
    Notify(w, kNotifyLeftClick, w->m_pCategories);
    EXPECT_EQ(w->m_nCategory, 2);
    EXPECT_EQ(w->m_nHoverRow, -1);
    EXPECT_EQ(w->m_pScroll->m_nPos, 0);
    texts = Texts(w);
    EXPECT_TRUE(Drew(texts, "\xB0\xEF\xD6\xFA\xCE\xF1\xC5\xA9\xB4\xCE\xCA\xFD"));   // 帮助务农次数
    EXPECT_TRUE(Drew(texts, "1000"));
    EXPECT_EQ(w->m_pPlants, nullptr);
}

TEST_F(GardenPanelsTest, RankingPlantCategoryListsTheChosenPlant)
{
    CGardenRank::ForgetLastRequest();
    // Records under "所有植物" and a plant's name; their rows are the records of the chosen name.
    const std::string all = "\xCB\xF9\xD3\xD0\xD6\xB2\xCE\xEF";
    auto record = [](const std::string& key, const std::string& guid, u8 place, u16 level) {
        std::string r(garden_layout::kRankRecord, '\0');
        r.replace(4, 36, gb::Field(key, 36));
        r.replace(40, 36, gb::Field(guid, 36));
        r.replace(76, 36, gb::Field(guid + "-name", 36));
        r[144] = static_cast<char>(place);
        gb::Put16(r, 145, level);
        return r;
    };
    const std::string nested = record(all, "a1", 1, 90) + record("x", "x1", 1, 5) + record(all, "a2", 2, 80);
    Deliver(gb::Reply(516, gb::Zlib(gb::Item(23, gb::Zlib(nested)))));
    ASSERT_EQ(GetGardenDataMgr().m_vRankRecords.size(), 3u);
    CGardenRank* w = Open<CGardenRank>(ORV_RUNTIME_CLASS(CGardenRank));
    w->m_pCategories->SetCurSel(4);
    Notify(w, kNotifyLeftClick, w->m_pCategories);
    ASSERT_NE(w->m_pPlants, nullptr);
    EXPECT_EQ(w->m_pPlants->m_vItems.size(), 1 + GetXmlGardenMgr().PlantCount());
    // The choice shows its first item, "所有植物", from the start; a plant's name has its own list.
    EXPECT_EQ(w->CountRows(), 2);
    Notify(w, kNotifyChoiceSelect, w->m_pPlants, 1);
    EXPECT_EQ(w->CountRows(), 0);
    Notify(w, kNotifyChoiceSelect, w->m_pPlants, 0);
    EXPECT_EQ(w->CountRows(), 2);
    const std::vector<glimmer_test::Call> texts = Texts(w);
    EXPECT_TRUE(Drew(texts, "a2-name"));
    EXPECT_TRUE(Drew(texts, "\xD6\xB2\xCE\xEF\xD7\xDC\xB5\xC8\xBC\xB6"));   // 植物总等级
    EXPECT_TRUE(Drew(texts, "80"));
    // A double click on the second row enters a2's garden.
    Subs();
    TakeTopics();
    w->OnMouseMove(100, 91 + 27 + 5);
    w->OnLButtonDblClk(0, 0);
    const std::vector<std::string> sent = TakeRequests();
    ASSERT_EQ(sent.size(), 1u);
    EXPECT_EQ(sent[0], gb::Packet(884, 0x04, "a2"));
    EXPECT_EQ(TakeTopics().at(0), (Topic{275, 107, 0, ""}));
    // Back to another category: the choice goes.
    w->m_pCategories->SetCurSel(0);
    Notify(w, kNotifyLeftClick, w->m_pCategories);
    EXPECT_EQ(w->m_pPlants, nullptr);
}

TEST_F(GardenPanelsTest, RankingDoubleClickReachesShownRowsOfTheFirstHundred)
{
    CGardenRank::ForgetLastRequest();
    Deliver(gb::Ranking516(105, 0));
    CGardenRank* w = Open<CGardenRank>(ORV_RUNTIME_CLASS(CGardenRank));
    ASSERT_EQ(w->CountRows(), 105);
    w->m_pScroll->SetPos(95);
    ASSERT_EQ(w->m_pScroll->m_nPos, 95);
    const struct {
        int row;
        const char* guid;   // null: nothing sent
    } cases[] = {{4, "p99"}, {5, nullptr}};   // list rows 99 and 100
    for (const auto& c : cases) {
        Subs();
        w->OnMouseMove(100, 91 + 27 * c.row + 5);
        ASSERT_EQ(w->m_nHoverRow, c.row);
        w->OnLButtonDblClk(0, 0);
        const std::vector<std::string> sent = TakeRequests();
        if (c.guid == nullptr) {
            EXPECT_TRUE(sent.empty()) << c.row;
        } else {
            ASSERT_EQ(sent.size(), 1u);
            EXPECT_EQ(sent[0], gb::Packet(884, 0x04, c.guid));
        }
    }
    // Three rows: below the third nothing is hovered; a shorter list arriving under the hovered
    // row leaves the double click without a row.
    Deliver(gb::Ranking516(3, 0));
    w->m_pScroll->SetPos(0);
    w->OnMouseMove(100, 91 + 27 * 3 + 5);
    EXPECT_EQ(w->m_nHoverRow, -1);
    w->OnMouseMove(100, 91 + 27 * 2 + 5);
    ASSERT_EQ(w->m_nHoverRow, 2);
    Deliver(gb::Ranking516(1, 0));
    Subs();
    w->OnLButtonDblClk(0, 0);
    EXPECT_TRUE(TakeRequests().empty());
}

TEST_F(GardenPanelsTest, RankingPlantChoiceStartsItsListFromTheTop)
{
    CGardenRank::ForgetLastRequest();
    std::string nested;
    for (int i = 0; i < 12; ++i) {
        std::string r(garden_layout::kRankRecord, '\0');
        r.replace(4, 36, gb::Field("\xCB\xF9\xD3\xD0\xD6\xB2\xCE\xEF", 36));   // "所有植物"
        nested += r;
    }
    Deliver(gb::Reply(516, gb::Zlib(gb::Item(23, gb::Zlib(nested)))));
    CGardenRank* w = Open<CGardenRank>(ORV_RUNTIME_CLASS(CGardenRank));
    w->m_pCategories->SetCurSel(4);
    Notify(w, kNotifyLeftClick, w->m_pCategories);
    ASSERT_EQ(w->CountRows(), 12);
    w->OnMouseWheel(0, 0, -120);
    ASSERT_EQ(w->m_pScroll->m_nPos, 1);
    w->OnMouseMove(100, 91 + 27 + 5);
    ASSERT_EQ(w->m_nHoverRow, 1);
    Notify(w, kNotifyChoiceSelect, w->m_pPlants, 0);
    EXPECT_EQ(w->m_pScroll->m_nPos, 0);
    EXPECT_EQ(w->m_nHoverRow, -1);
}

}  // namespace
}  // namespace orv::test
