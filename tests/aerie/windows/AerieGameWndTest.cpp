// The base of the game windows: a small window written exactly as AerieGameWnd.h says, its
// sub-window slot, remembered confirmations, cached texts and list rows; and the main game
// window opening each window kind as its own class and telling the tutorial its toolbar steps.
#include <gtest/gtest.h>

#include "AerieWndFixture.h"
#include "aerie/state/AerieConfigMgr.h"
#include "aerie/state/AerieEvents.h"
#include "aerie/windows/AerieGameWnd.h"
#include "aerie/windows/AerieCityCtrls.h"
#include "aerie/windows/AerieNewBie.h"
#include "framework/widgets/ORVButton.h"
#include "framework/widgets/ORVChoice.h"
#include "framework/widgets/ORVScroll.h"
#include "framework/window/ORVMsgBox.h"
#include "framework/xml/XmlTestFiles.h"

using namespace orv::test;

namespace {

constexpr u32 kTopicCount = 200;       // topics of the small window, unknown to the game window
constexpr u32 kTopicConfirmed = 201;

// A child that tells its parent a game event while it dies.
class CTellingChild : public CFakeSubWnd {
    ORV_DECLARE_RUNTIME_CLASS(CTellingChild)
public:
    ~CTellingChild() override
    {
        if (m_pParent != nullptr) {
            ORVMsg msg = GameEvent(kTopicCount, 1);
            m_pParent->ProcessMessage(&msg);
        }
    }
};
ORV_IMPLEMENT_RUNTIME_CLASS(CTellingChild, CFakeSubWnd)

// ---- A game window written as the header of the base says ----

class CNoteWnd : public CAerieGameWnd {
    ORV_DECLARE_RUNTIME_CLASS(CNoteWnd)
public:
    ~CNoteWnd() override
    {
        BeginTeardown();   // it does more than nothing: its popup ends here
        m_Popup.Close();
    }

    bool OnMessage(ORVMsg* msg) override
    {
        if (msg != nullptr && msg->m_nId == kNotifyLeftClick && msg->m_pSender != nullptr &&
            msg->m_pSender == m_pPopupBtn) {
            m_Popup.Toggle(ORV_RUNTIME_CLASS(CFakeSubWnd), false, 7);
            return true;
        }
        if (msg != nullptr && msg->m_nId == kNotifyClose && m_Popup.CloseIfFrom(msg->m_pSender)) {
            return true;
        }
        return CAerieGameWnd::OnMessage(msg);
    }
    void OnDraw() override
    {
        const char* text = m_Count.Get(m_nCount, [&] {
            ++m_nMade;
            return BoundedFormat(kShortTextBound, "计数:%1%", m_nCount);
        });
        DrawTextRel(this, 10, 12, text, kTipWhite);
    }

    bool OnCount(ORVMsg* msg)
    {
        m_nCount += msg->m_lParam;
        ++Counted();
        return true;
    }
    // Counts taken by any note window (read after the window is gone).
    static int& Counted()
    {
        static int n = 0;
        return n;
    }
    bool OnConfirmed(ORVMsg*)
    {
        ++m_nConfirmed;
        return true;
    }

    CORVButton* m_pPopupBtn = nullptr;
    CORVVScroll* m_pBar = nullptr;
    CSubWndSlot m_Popup{this};
    CCachedText m_Count;
    u32 m_nCount = 0;
    int m_nMade = 0;
    int m_nScrolled = 0;
    int m_nConfirmed = 0;

protected:
    u16 FrameImage() const override { return 20; }
    void OnCreateControls() override
    {
        CreateButton(10, 40, &m_pPopupBtn, 101, true, true, "");
        m_pBar = new (std::nothrow) CORVVScroll();
        if (m_pBar != nullptr) {
            AddChild(m_pBar, false);
            m_pBar->CreateBar(this, 452, 20, 200);
            m_pBar->SetRange(5);
        }
    }
    bool OnGameEvent(ORVMsg* msg) override;
    CORVScroll* ScrollBar() const override { return m_pBar; }
    void OnScrolled() override { ++m_nScrolled; }
};
ORV_IMPLEMENT_RUNTIME_CLASS(CNoteWnd, CAerieContainer)

constexpr GameTopic<CNoteWnd> kNoteTopics[] = {
    {kTopicCount, &CNoteWnd::OnCount},
    {kTopicConfirmed, &CNoteWnd::OnConfirmed},
};

bool CNoteWnd::OnGameEvent(ORVMsg* msg)
{
    return DispatchGameEvent(this, msg, kNoteTopics);
}

class AerieGameWnd : public AerieWndTest {
protected:
    // The small window, opened from the rank button of the game window.
    CNoteWnd* OpenNote()
    {
        if (OpenAerieWnd() == nullptr) {
            return nullptr;
        }
        SetAerieWindowRecord(AerieWndKind::Rank, ORV_RUNTIME_CLASS(CNoteWnd));
        Click(m_pWnd->m_pRankBtn);
        return dynamic_cast<CNoteWnd*>(m_pWnd->m_pSubWnd);
    }
    static ORVMsg Topic(u32 topic, u32 param = 0) { return ORVMsg(ORV_MSG_GAMEWND, topic, param, ""); }
};

}  // namespace

TEST_F(AerieGameWnd, AWindowWrittenAsTheHeaderSaysHasItsFrameTopicsTextsAndBar)
{
    m_Host.SetImageSize(20, 93, 500, 400);
    CNoteWnd* note = OpenNote();
    ASSERT_NE(note, nullptr);
    // The frame: the image's size, centred, the close button at the build's place.
    EXPECT_EQ(note->m_wBackFrame, 20);
    EXPECT_EQ(note->m_nWidth, 500);
    EXPECT_EQ(note->m_nX, 150);
    EXPECT_EQ(note->m_nY, 100);
    ASSERT_NE(note->m_pCloseButton, nullptr);
    EXPECT_EQ(note->m_pCloseButton->m_nX, 500 - kCloseButtonRight);
    EXPECT_EQ(note->m_pCloseButton->m_nY, kCloseButtonTop);
    ASSERT_NE(note->m_pPopupBtn, nullptr);   // controls made after the frame

    // Its topics reach it through the game window.
    Route(Topic(kTopicCount, 2));
    Route(Topic(kTopicCount, 1));
    EXPECT_EQ(note->m_nCount, 3u);

    // The text is made when its key changes and only then.
    Frame();
    m_Host.ClearLog();
    Frame();
    EXPECT_GE(m_Host.IndexOfText("计数:3"), 0);
    EXPECT_EQ(note->m_nMade, 1);
    Route(Topic(kTopicCount, 1));
    m_Host.ClearLog();
    Frame();
    EXPECT_GE(m_Host.IndexOfText("计数:4"), 0);
    EXPECT_EQ(note->m_nMade, 2);

    // The wheel anywhere over it moves its bar; a wheel elsewhere is left to the others.
    ORVMsg wheel(ORV_MSG_MOUSEWHEEL, PackPos(note->m_nAbsX + 5, note->m_nAbsY + 5), static_cast<u16>(-120), "");
    EXPECT_TRUE(note->ProcessMessage(&wheel));
    EXPECT_EQ(note->m_pBar->m_nPos, 1);
    EXPECT_EQ(note->m_nScrolled, 1);
    ORVMsg away(ORV_MSG_MOUSEWHEEL, PackPos(note->m_nAbsX - 5, note->m_nAbsY + 5), static_cast<u16>(-120), "");
    note->ProcessMessage(&away);
    EXPECT_EQ(note->m_pBar->m_nPos, 1);

    // The close button closes it (a close request to the game window's slot).
    ClickOn(note, note->m_pCloseButton);
    Frame(2);
    EXPECT_EQ(m_pWnd->m_pSubWnd, nullptr);
}

TEST_F(AerieGameWnd, GameEventsStopAtTheStartOfTheTeardown)
{
    CNoteWnd* note = OpenNote();
    ASSERT_NE(note, nullptr);
    ASSERT_NE(note->m_Popup.Open(ORV_RUNTIME_CLASS(CTellingChild), 0), nullptr);
    // While the window lives, what its dying popup tells it is taken.
    const int counted = CNoteWnd::Counted();
    note->m_Popup.Close();
    EXPECT_EQ(CNoteWnd::Counted(), counted + 1);

    // Inside the window's destructor (after BeginTeardown) it is not.
    ASSERT_NE(note->m_Popup.Open(ORV_RUNTIME_CLASS(CTellingChild), 0), nullptr);
    m_pWnd->m_SubWnd.Close();
    EXPECT_EQ(m_pWnd->m_pSubWnd, nullptr);
    EXPECT_EQ(CNoteWnd::Counted(), counted + 1);
}

TEST_F(AerieGameWnd, SubWindowSlotOpensTogglesAsksAndForgetsADeadWindow)
{
    CNoteWnd* note = OpenNote();
    ASSERT_NE(note, nullptr);
    CSubWndSlot& slot = note->m_Popup;

    // A null record does nothing.
    slot.Toggle(nullptr, false, 0);
    EXPECT_FALSE(slot.IsOpen());
    // The popup button toggles its window.
    ClickOn(note, note->m_pPopupBtn);
    ASSERT_TRUE(slot.IsOpen());
    EXPECT_EQ(static_cast<CFakeSubWnd*>(slot.Get())->m_nArg, 7);
    ClickOn(note, note->m_pPopupBtn);
    EXPECT_FALSE(slot.IsOpen());
    // Another kind replaces the held one; closeFirst opens the same kind afresh.
    slot.Toggle(ORV_RUNTIME_CLASS(CFakeSubWnd), false, 1);
    slot.Toggle(ORV_RUNTIME_CLASS(CFakeOtherWnd), false, 2);
    ASSERT_NE(dynamic_cast<CFakeOtherWnd*>(slot.Get()), nullptr);
    const int created = CFakeSubWnd::Created();
    slot.Toggle(ORV_RUNTIME_CLASS(CFakeOtherWnd), true, 3);
    EXPECT_EQ(CFakeSubWnd::Created(), created + 1);
    ASSERT_TRUE(slot.IsOpen());
    EXPECT_EQ(static_cast<CFakeSubWnd*>(slot.Get())->m_nArg, 3);

    // Held: asked to close (its close request arrives later), nothing new opens.
    slot.OpenOrAskClose(ORV_RUNTIME_CLASS(CFakeSubWnd), 4, "t");
    EXPECT_EQ(CFakeSubWnd::Created(), created + 1);
    EXPECT_TRUE(slot.IsOpen());
    Frame(2);
    EXPECT_FALSE(slot.IsOpen());
    slot.OpenOrAskClose(ORV_RUNTIME_CLASS(CFakeSubWnd), 4, "t");
    ASSERT_TRUE(slot.IsOpen());
    EXPECT_EQ(static_cast<CFakeSubWnd*>(slot.Get())->m_strText, "t");

    // The window dies without the slot: the slot forgets it.
    note->DeleteChild(slot.Get());
    EXPECT_EQ(slot.Get(), nullptr);
    EXPECT_FALSE(slot.CloseIfFrom(nullptr));
}

TEST_F(AerieGameWnd, ConfirmationsRememberTheirAnswerByEitherRuleBeforeTheOkHandler)
{
    XmlTempDir dir;
    const std::string path = dir.Write("aerieconfig.xml",
                                       "<?xml version=\"1.0\" encoding=\"GBK\"?>\n<config>\n"
                                       "<key Index=\"0\" Name=\"AwardRefreshHint\" Value=\"1\"/>\n"
                                       "<key Index=\"1\" Name=\"CommonRefurbish\" Value=\"2\"/>\n"
                                       "</config>\n");
    CAerieConfigMgr* cfg = CAerieConfigMgr::GetSingleton();
    ASSERT_TRUE(cfg->Load(path.c_str()));
    CNoteWnd* note = OpenNote();
    ASSERT_NE(note, nullptr);
    struct Case {
        ConfirmWrite write;
        bool ticked;
        i32 stored;
    } cases[] = {
        {ConfirmWrite::ZeroWhenTickedElseOne, true, 0},
        {ConfirmWrite::ZeroWhenTickedElseOne, false, 1},
        {ConfirmWrite::ZeroOnlyWhenTicked, true, 0},
        {ConfirmWrite::ZeroOnlyWhenTicked, false, 2},
    };
    int confirmed = 0;
    for (const Case& c : cases) {
        SCOPED_TRACE(static_cast<int>(c.write) * 10 + (c.ticked ? 1 : 0));
        cfg->SetValue(AerieConfigKey::CommonRefurbish, 2);   // the answers are written to the file
        ASSERT_TRUE(AskWithCheckIfNeeded(AerieConfigKey::CommonRefurbish, "确认？", "不要再提示我",
                                         GameEvent(kTopicConfirmed, 9), ORVMsg(), c.write));
        Frame();
        auto* box = static_cast<CORVMsgBox*>(MainWnd().GetSystemWindow(ORV_MSG_MSGBOX));
        ASSERT_NE(box, nullptr);
        ASSERT_NE(box->m_pCheck, nullptr);
        box->m_pCheck->m_nLatch = c.ticked ? 1 : 0;
        ClickOn(box, box->m_pOkButton);
        Frame(3);
        EXPECT_EQ(note->m_nConfirmed, ++confirmed);   // the handler only performs the action
        EXPECT_EQ(cfg->GetValue(AerieConfigKey::CommonRefurbish), c.stored);
    }
    // A message that carries no key writes nothing.
    cfg->SetValue(AerieConfigKey::CommonRefurbish, 2);
    Route(GameEvent(kTopicConfirmed, 9));
    EXPECT_EQ(cfg->GetValue(AerieConfigKey::CommonRefurbish), 2);
    EXPECT_FALSE(RememberConfirmAnswer(GameEvent(kTopicConfirmed, 0, "CommonRefurbish")));
    cfg->Load(kAerieConfigPath);
}

TEST(AerieCachedText, MakesTheTextWhenItsKeyChangesAndOnlyThen)
{
    CCachedText text;
    int made = 0;
    const auto make = [&made](const char* t) {
        return [&made, t] {
            ++made;
            return std::string(t);
        };
    };
    EXPECT_STREQ(text.Get(0, make("a")), "a");   // nothing made yet: made, even for key 0
    EXPECT_STREQ(text.Get(0, make("b")), "a");
    EXPECT_STREQ(text.Get(5, make("c")), "c");
    EXPECT_EQ(made, 2);
    text.Invalidate();
    EXPECT_STREQ(text.Get(5, make("d")), "d");
    EXPECT_EQ(made, 3);
}

TEST(AerieListRows, HitTestWithExclusiveEdgesGapsAndShownEntries)
{
    // The defence page's list: x 23, y 92, width 405, row height 24, pitch 27, five rows.
    CListRows rows(23, 92, 405, 24, 27, 5);
    struct Case {
        int x, y, entries, row;
    } cases[] = {
        {24, 93, 5, 0},   {23, 93, 5, -1},  {427, 93, 5, 0}, {428, 93, 5, -1},   // x edges excluded
        {50, 92, 5, -1},  {50, 115, 5, 0},  {50, 116, 5, -1}, {50, 118, 5, -1},  // the gap 116..118
        {50, 119, 5, 1},  {50, 223, 5, 4},  {50, 224, 5, -1}, {50, 227, 5, -1},  // bottom excluded
        {50, 119, 1, -1}, {50, 93, 0, -1},                                       // rows without entries
    };
    for (const Case& c : cases) {
        EXPECT_EQ(rows.HitRow(c.x, c.y, c.entries), c.row) << c.x << "," << c.y << " of " << c.entries;
    }
    // Without a gap (pitch = height) every pixel row inside belongs to a row.
    CListRows tight(0, 0, 100, 20, 20, 3);
    EXPECT_EQ(tight.HitRow(5, 19, 3), 0);
    EXPECT_EQ(tight.HitRow(5, 20, 3), 1);
    EXPECT_EQ(tight.HitRow(5, 59, 3), 2);
}

TEST(AerieListRows, SelectionFollowsTheScrollAndTheFirstEntryMapping)
{
    CListRows rows(0, 0, 100, 20, 20, 3);
    ASSERT_TRUE(rows.Select(5, 25, 10));   // row 1 of entries 0..: entry 1
    EXPECT_EQ(rows.SelectedEntry(), 1);
    EXPECT_FALSE(rows.Select(5, 65, 10));  // outside: the selection stays
    EXPECT_EQ(rows.SelectedEntry(), 1);
    rows.SetFirst(FirstShownEntry(1, 1));
    EXPECT_EQ(rows.SelectedRow(), 0);
    rows.SetFirst(FirstShownEntry(2, 1));
    EXPECT_EQ(rows.SelectedRow(), -1);     // scrolled out of sight
    EXPECT_EQ(rows.EntryOfRow(2, 10), 4);
    EXPECT_EQ(rows.EntryOfRow(2, 4), -1);  // a row past the entries shows nothing
    EXPECT_EQ(rows.Hover(5, 45, 4), -1);
    EXPECT_EQ(rows.Hover(5, 25, 4), 1);
    EXPECT_EQ(rows.TextColour(1, 0xFFFFFFFF), CListRows::kActiveTextColour);
    EXPECT_EQ(rows.TextColour(0, 0xFFFFFFFF), 0xFFFFFFFFu);

    // The god window's grid: seven a row, from row 10 on.
    EXPECT_EQ(FirstShownEntry(0, 7, 10), 70);
    EXPECT_EQ(FirstShownEntry(6, 7, 10), 112);
    EXPECT_EQ(FirstShownEntry(-4, 1), 0);
    EXPECT_EQ(FirstShownEntry(INT32_MAX, 7, 10), INT32_MAX);
}

TEST_F(AerieGameWnd, ListBarsAreTheHoverAndSelectionFramesAtTheirRows)
{
    Attach();
    CORVControl ctrl;
    ctrl.CreateAt(nullptr, 100, 200, 500, 300);
    CListRows rows(23, 92, 405, 24, 27, 5);
    rows.Hover(50, 150, 5);   // row 2
    rows.SelectEntry(0);
    m_Host.ClearLog();
    rows.DrawBars(&ctrl);
    const HostCall* hover = m_Host.FindImage(124, 93);
    const HostCall* sel = m_Host.FindImage(121, 93);
    ASSERT_NE(hover, nullptr);
    ASSERT_NE(sel, nullptr);
    EXPECT_EQ(hover->Int(0), 123);
    EXPECT_EQ(hover->Int(1), 200 + 92 + 2 * 27);
    EXPECT_EQ(sel->Int(1), 200 + 92);
    rows.ClearHover();
    rows.SetFirst(1);   // the selection scrolled away: no bar at all
    m_Host.ClearLog();
    rows.DrawBars(&ctrl);
    EXPECT_EQ(m_Host.FindImage(124, 93), nullptr);
    EXPECT_EQ(m_Host.FindImage(121, 93), nullptr);
}

TEST_F(AerieGameWnd, WindowImageSizeSkipsANullPointer)
{
    Attach();
    m_Host.SetImageSize(20, 93, 500, 400);
    int w = -1;
    int h = -1;
    GetWindowImageSize(20, nullptr, &h);
    GetWindowImageSize(20, &w, nullptr);
    GetWindowImageSize(20, nullptr, nullptr);
    EXPECT_EQ(w, 500);
    EXPECT_EQ(h, 400);
}

// ---- The game window and its window kinds ----

TEST_F(AerieGameWnd, EveryTopicAndButtonOpensItsOwnKind)
{
    ASSERT_NE(OpenAerieWnd(), nullptr);
    SetAerieWindowRecord(AerieWndKind::Technology, FakeRecord(AerieWndKind::Technology));
    struct TopicCase {
        u32 topic;
        u32 param;
        std::string text;
        CORVControl* const* slot;
        AerieWndKind kind;
    } topics[] = {
        {EVT_FIGHTROB_WND, 1, "", &m_pWnd->m_pFightWnd, AerieWndKind::FightRobBefore},
        {EVT_FIGHTDEFEND_WND, 1, "", &m_pWnd->m_pFightWnd, AerieWndKind::FightDefendBefore},
        {EVT_FIGHTINFO_WND, 1, "", &m_pWnd->m_pFightWnd, AerieWndKind::FightInfo},
        {EVT_LVLUP_WND, 0x10001, "", &m_pWnd->m_pLvlupWnd, AerieWndKind::Lvlup},
        {EVT_MONSTER_NOTICE, 0, std::string("\x01\x00\x01\x00", 4), &m_pWnd->m_pMonLvlupWnd, AerieWndKind::MonLvlup},
        {EVT_GETMONSTER_WND, 1, "", &m_pWnd->m_pGetMonsterWnd, AerieWndKind::GetMonster},
        {EVT_SPEEDUP_WND, 1, "", &m_pWnd->m_pSpeedUpWnd, AerieWndKind::SpeedUp},
        {EVT_AWARDREFRESH_WND, 1, "", &m_pWnd->m_pAwardRefreshWnd, AerieWndKind::FightAwardRefresh},
        {EVT_EXCHANGE_WND, 1, "", &m_pWnd->m_pExchangeWnd, AerieWndKind::Exchange},
        {EVT_BUYRESOURCE_WND, 0, "", &m_pWnd->m_pSubWnd, AerieWndKind::BuyResource},
        {EVT_INFO_WND, 0, "", &m_pWnd->m_pSubWnd, AerieWndKind::Info},
        {EVT_PRODUCTINFO_WND, 0, "", &m_pWnd->m_pSubWnd, AerieWndKind::ProductInfo},
    };
    for (const TopicCase& c : topics) {
        Route(ORVMsg(ORV_MSG_GAMEWND, c.topic, c.param, c.text));
        ASSERT_NE(*c.slot, nullptr) << c.topic;
        EXPECT_EQ((*c.slot)->GetRuntimeClass(), FakeRecord(c.kind)) << c.topic;
        Route(ORVMsg(ORV_MSG_GAMEWND, EVT_CITY_ENTERED, 0, ""));   // empties the event slots
        m_pWnd->m_AwardRefreshWnd.Close();
        m_pWnd->m_ExchangeWnd.Close();
    }
    struct ButtonCase {
        CORVControl* button;
        AerieWndKind kind;
    } buttons[] = {
        {m_pWnd->m_pBeastBtn, AerieWndKind::Beast},     {m_pWnd->m_pMonsterBtn, AerieWndKind::MonsterGroup},
        {m_pWnd->m_pTechBtn, AerieWndKind::Technology}, {m_pWnd->m_pMissionBtn, AerieWndKind::Mission},
        {m_pWnd->m_pRankBtn, AerieWndKind::Rank},       {m_pWnd->m_pFriendBtn, AerieWndKind::Friend},
        {m_pWnd->m_pSetBtn, AerieWndKind::Set},         {m_pWnd->m_pHelpBtn, AerieWndKind::Help},
        {m_pWnd->m_pInvasionBtn, AerieWndKind::Mission}, {m_pWnd->m_pBuildings[11], AerieWndKind::Technology},
    };
    for (const ButtonCase& c : buttons) {
        Click(c.button);
        ASSERT_NE(m_pWnd->m_pSubWnd, nullptr) << static_cast<int>(c.kind);
        EXPECT_EQ(m_pWnd->m_pSubWnd->GetRuntimeClass(), FakeRecord(c.kind)) << static_cast<int>(c.kind);
        m_pWnd->m_SubWnd.Close();
    }
}

TEST_F(AerieGameWnd, ToolbarButtonsTellTheTutorialTheirSteps)
{
    ASSERT_NE(OpenAerieWnd(), nullptr);
    CAerieNewBie& guide = CAerieNewBie::GetSingleton();
    guide.BuildSteps();
    struct Case {
        u16 step;
        CORVControl* button;
        bool moves;
    } cases[] = {
        {5, m_pWnd->m_pBeastBtn, true},     {17, m_pWnd->m_pMonsterBtn, true}, {39, m_pWnd->m_pMonsterBtn, true},
        {33, m_pWnd->m_pMissionBtn, true},  {41, m_pWnd->m_pMissionBtn, true},
        {5, m_pWnd->m_pMonsterBtn, false},  {17, m_pWnd->m_pMissionBtn, false}, {33, m_pWnd->m_pBeastBtn, false},
        {41, m_pWnd->m_pMonsterBtn, false}, {39, m_pWnd->m_pTechBtn, false},
    };
    for (const Case& c : cases) {
        guide.SetStep(c.step);
        Click(c.button);
        EXPECT_EQ(guide.m_wStep, c.moves ? c.step + 1 : c.step) << c.step;
        m_pWnd->m_SubWnd.Close();
    }
    guide.Reset();
}

TEST(AerieGameWindowWorld, LeavingPutsBackTheRecordsInstalledAtStartUp)
{
    RecordingHost host;
    const RuntimeClassRecord* startup[static_cast<u32>(AerieWndKind::Count)] = {};
    for (u32 kind = 0; kind < static_cast<u32>(AerieWndKind::Count); ++kind) {
        startup[kind] = GetAerieWindowRecord(static_cast<AerieWndKind>(kind));
    }
    // A record a window class installed (the stand-in here) outlives the game-window tests.
    const RuntimeClassRecord* installed = ORV_RUNTIME_CLASS(CFakeOtherWnd);
    SetAerieWindowRecord(AerieWndKind::Friend, installed);
    EnterGameWindowWorld(host);
    EXPECT_EQ(GetAerieWindowRecord(AerieWndKind::Friend), FakeRecord(AerieWndKind::Friend));
    LeaveGameWindowWorld();
    for (u32 kind = 0; kind < static_cast<u32>(AerieWndKind::Count); ++kind) {
        const auto k = static_cast<AerieWndKind>(kind);
        EXPECT_EQ(GetAerieWindowRecord(k), k == AerieWndKind::Friend ? installed : startup[kind]) << kind;
    }
    SetAerieWindowRecord(AerieWndKind::Friend, startup[static_cast<u32>(AerieWndKind::Friend)]);
}
