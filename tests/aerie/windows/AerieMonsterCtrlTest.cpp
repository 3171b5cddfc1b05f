// The group window's monster cells and group-skill cells over an entered city: drawing and
// tips, moves by drag and drop or by two clicks, the menu with its refresh, busy groups, visited
// cities, and the skill cells' picks.
#include <gtest/gtest.h>

#include "AerieMonsterFixture.h"
#include "aerie/state/AerieRecordLayout.h"
#include "aerie/windows/AerieMonGroupSkillIcon.h"
#include "aerie/windows/AerieMonsterCtrl.h"
#include "aerie/windows/AerieMonsterIconCtrl.h"
#include "aerie/windows/AerieNewBie.h"
#include "framework/window/ORVMenuWnd.h"
#include "framework/window/ORVMsgBox.h"
#include "support/WindowInput.h"

using namespace orv::test;
using namespace aerie_layout;

namespace {

class AerieMonsterCells : public AerieMonsterTest {
protected:
    // The own city: slot 3 monster 1 x 7, slot 4 monster 3 x 1, slot 13 monster 5 x 2, slot 35
    // monster 2 x 1; group skills key 0 (skill 1, level 2) and key 2 (skill 6, level 1); science 26
    // and 29 at level 0; extra items after them.
    CAerieWnd* EnterOwn(const std::string& extra = std::string())
    {
        return Enter(Item(5, MonsterRecord(3, 1, 7, 10, 20, 30)) + Item(5, MonsterRecord(4, 3, 1, 1, 2, 3)) +
                     Item(5, MonsterRecord(13, 5, 2, 1, 2, 3)) + Item(5, MonsterRecord(35, 2, 1, 1, 2, 3)) +
                     Skill(0, 1, 2) + Skill(2, 6, 1) + extra);
    }
    static std::string Work(u16 group, u16 state)
    {
        return Item(11, RecordBytes(kWorkStateSize).U16(kWorkGroup, group).U16(kWorkState, state).Str());
    }
    CAerieMonsterCtrl* Cell(int x, u16 slot) { return Make<CAerieMonsterCtrl>(x, 400, slot); }
    static std::pair<int, int> At(CORVControl* c) { return {c->m_nAbsX + 10, c->m_nAbsY + 10}; }
    void Press(CORVControl* c, int dx = 0)
    {
        auto [x, y] = At(c);
        LButtonDown(x + dx, y);
    }
    void MoveTo(CORVControl* c, int dx = 0)
    {
        auto [x, y] = At(c);
        MouseMove(x + dx, y);
    }
    void Release(CORVControl* c, int dx = 0)
    {
        auto [x, y] = At(c);
        LButtonUp(x + dx, y);
    }
    void LeftClick(CORVControl* c)
    {
        Press(c);
        Release(c);
    }
    static std::vector<std::string> MenuCaptions()
    {
        std::vector<std::string> out;
        for (const ORVMenuItem& item : GetPopupMenuItems()) {
            out.push_back(item.m_strCaption);
        }
        return out;
    }
};

TEST_F(AerieMonsterCells, CellDrawsItsStackUnlessLiftedAndExplainsStackOrLock)
{
    ASSERT_NE(EnterOwn(), nullptr);
    const CXmlMonster* cfg = CXmlAerieMgr::GetSingleton()->FindMonster(1);
    CAerieMonsterCtrl* cell = Cell(300, 3);
    CAerieMonsterCtrl* locked = Cell(360, 7);
    locked->m_bAvailable = 0;
    const int x = cell->m_nAbsX;
    const int y = cell->m_nAbsY;
    m_Host.ClearLog();
    cell->Render();
    EXPECT_EQ(DrawnCalls(m_Host),
              (std::vector<Drawn>{Image(x, y, cfg->m_nColorPic), Image(x, y, cfg->m_nPic), Image(x + 29, y + 1, cfg->m_nGroupIcon),
                                  orv::test::Text(x + 3, y + 3, "7", 0xFFFFFFFF, 1, 1)}));
    GetDragIcon().m_bDragging = 1;
    GetDragIcon().m_nSource = 3;   // lifted: the main window draws it at the mouse
    m_Host.ClearLog();
    cell->Render();
    EXPECT_FALSE(m_Host.AnyDrawing());
    GetDragIcon().Reset();

    cell->OnMouseEnter(1, 1, nullptr);
    EXPECT_EQ(ToolTipLines(), (std::vector<std::string>{cfg->m_strName, "数量:7", "单体(总)生产力:10(70)", "单体(总)工程力:20(140)",
                                                        "单体(总)战斗力:30(210)", "注：点击右键进行拆分、升级、刷新等操作",
                                                        "升级：可使用绿、蓝色怪物卡将白色怪物升级",
                                                        "刷新：可对现有怪物进行刷新，有概率获得绿、",
                                                        "蓝、紫色怪物，紫色为最高属性"}));
    locked->OnMouseEnter(1, 1, nullptr);
    EXPECT_EQ(ToolTipLines(), (std::vector<std::string>{"城堡研究所中的“怪物管理”科技升级到3级后", "会开启该怪物存储空间。"}));
    Cell(420, 9)->OnMouseEnter(1, 1, nullptr);   // open and empty: nothing
    EXPECT_TRUE(ToolTipLines().empty());
}

TEST_F(AerieMonsterCells, DragAndDropOrTwoClicksMoveTheStackAndTheServersReplyEndsTheDrag)
{
    ASSERT_NE(EnterOwn(), nullptr);
    CAerieMonsterCtrl* a = Cell(300, 3);
    CAerieMonsterCtrl* b = Cell(360, 13);
    CAerieMonsterCtrl* idle = Cell(420, 35);
    auto* plain = new CORVControl();
    Wnd()->AddChild(plain, false);
    plain->CreateAt(Wnd(), 480, 400, 48, 48);
    CAerieNewBie& guide = CAerieNewBie::GetSingleton();
    guide.BuildSteps();
    guide.SetStep(21);
    NewRequests();

    // Drag and drop: the request names both slots; the drag waits for the server.
    Press(a);
    MoveTo(a, 5);
    EXPECT_EQ(GetDragIcon().m_nSource, 3);
    EXPECT_EQ(GetDragIcon().m_wFrame, CXmlAerieMgr::GetSingleton()->FindMonster(1)->m_nPic);
    EXPECT_EQ(guide.m_wStep, 22);   // drag started
    MoveTo(b);
    Release(b);
    std::vector<SentRequest> sent = NewRequests();
    ASSERT_EQ(sent.size(), 1u);
    EXPECT_EQ(sent[0].m_wSub, 0x17);
    EXPECT_EQ(sent[0].m_wParam1, 3);
    EXPECT_EQ(sent[0].m_wParam2, 13);
    EXPECT_EQ(guide.m_wStep, 23);   // moved
    EXPECT_EQ(GetDragIcon().m_nSource, 3);
    Recv(Message(kOwnId, 23));
    EXPECT_EQ(GetDragIcon().m_nSource, -1);
    EXPECT_EQ(GetDragIcon().m_bDragging, 0);

    // Two clicks: the first lifts the stack, the second puts it on the other slot.
    Frame();
    LeftClick(idle);
    EXPECT_EQ(GetDragIcon().m_nSource, 35);
    EXPECT_EQ(guide.m_wStep, 24);
    Frame();
    LeftClick(a);
    sent = NewRequests();
    ASSERT_EQ(sent.size(), 1u);
    EXPECT_EQ(sent[0].m_wParam1, 35);
    EXPECT_EQ(sent[0].m_wParam2, 3);
    EXPECT_EQ(guide.m_wStep, 25);

    // A click on the source itself puts it back without a request.
    GetDragIcon().Reset();
    Frame();
    LeftClick(a);
    EXPECT_EQ(GetDragIcon().m_nSource, 3);
    Frame();
    LeftClick(a);
    EXPECT_EQ(GetDragIcon().m_nSource, -1);
    EXPECT_TRUE(NewRequests().empty());

    // Dropped on a control that is no cell: the drag stays, the next click on a cell ends it.
    Frame();
    Press(a);
    MoveTo(plain);
    Release(plain);
    EXPECT_EQ(GetDragIcon().m_nSource, 3);
    EXPECT_TRUE(NewRequests().empty());
    a->OnDragEnd(0, 0, nullptr);   // told of no target at all: cancelled
    EXPECT_EQ(GetDragIcon().m_nSource, -1);
    guide.Reset();
}

TEST_F(AerieMonsterCells, BusyGroupsAndVisitedCitiesRefuseTheActions)
{
    ASSERT_NE(EnterOwn(Work(0, 1) + Work(1, 4)), nullptr);
    CAerieMonsterCtrl* building = Cell(300, 3);
    CAerieMonsterCtrl* fighting = Cell(360, 13);
    NewRequests();
    struct Case {
        CAerieMonsterCtrl* cell;
        std::string tip;
    } const cases[] = {
        {building, "该怪物所在小组正在进行工程，请结束后再进行相关操作！"},
        {fighting, "该怪物所在小组正在进行战斗，请结束后再进行相关操作！"},
    };
    for (const Case& c : cases) {
        ClearTips();
        Frame();
        Press(c.cell);
        MoveTo(c.cell, 5);
        Release(c.cell, 5);
        EXPECT_EQ(GetDragIcon().m_nSource, -1);
        EXPECT_EQ(Tips(), std::vector<std::string>{c.tip});
        GetPopupMenuItems().clear();
        c.cell->OnClick(1);
        EXPECT_TRUE(GetPopupMenuItems().empty());
        EXPECT_EQ(Tips(), std::vector<std::string>{c.tip});
    }

    // A visited city: no drag, no menu, no tip.
    building->m_bReadOnly = 1;
    ClearTips();
    Frame();
    Press(building);
    MoveTo(building, 5);
    Release(building, 5);
    building->OnClick(1);
    EXPECT_EQ(GetDragIcon().m_nSource, -1);
    EXPECT_TRUE(GetPopupMenuItems().empty());
    EXPECT_TRUE(Tips().empty());
    EXPECT_TRUE(NewRequests().empty());
}

TEST_F(AerieMonsterCells, MenuRefreshOpensTheGetMonsterWindowOnlyForASingleMonster)
{
    ASSERT_NE(EnterOwn(), nullptr);
    CAerieMonsterCtrl* one = Cell(300, 4);
    CAerieMonsterCtrl* seven = Cell(360, 3);
    one->OnClick(1);
    EXPECT_EQ(MenuCaptions(), (std::vector<std::string>{"升级", "刷新", "放生", "关闭"}));
    const ORVMsg refresh = GetPopupMenuItems()[1].m_Command;
    EXPECT_EQ(refresh.m_wParam, EVT_REFRESH_MONSTER);
    EXPECT_EQ(refresh.m_lParam, 1u);
    EXPECT_EQ(refresh.m_strText, LE16(4));
    seven->OnClick(1);
    EXPECT_EQ(MenuCaptions(), (std::vector<std::string>{"拆分", "升级", "刷新", "放生", "关闭"}));
    const ORVMsg refreshSeven = GetPopupMenuItems()[2].m_Command;

    // The single monster: the get-monster window opens in slot mode with the slot's text.
    ClearTips();
    Route(refresh);
    Frame(2);
    auto* opened = dynamic_cast<CFakeSubWnd*>(Wnd()->m_pGetMonsterWnd);
    ASSERT_NE(opened, nullptr);
    EXPECT_EQ(opened->m_nArg, 1);
    EXPECT_EQ(opened->m_strText, LE16(4));
    // A stack of seven: the split tip, no window.
    Wnd()->m_GetMonsterWnd.Close();
    Route(refreshSeven);
    Frame(2);
    EXPECT_EQ(Wnd()->m_pGetMonsterWnd, nullptr);
    EXPECT_EQ(Tips(), std::vector<std::string>{"每次只能刷新一个怪物，请先进行拆分。"});
}

TEST_F(AerieMonsterCells, ReleaseIsAnsweredByTheFirstCellOrIconReached)
{
    ASSERT_NE(EnterOwn(), nullptr);
    Cell(300, 3);
    Make<CAerieMonsterIconCtrl>(360, 400, 3, 4);
    Cell(420, 4);
    NewRequests();
    ORVMsgBoxQueue& boxes = ORVMsgBoxQueue::GetSingleton();
    const std::size_t before = boxes.m_vMsgBuf.size();
    Route(ORVMsg(ORV_MSG_GAMEWND, EVT_ASK_RELEASE_MONSTER, 13, ""));
    ASSERT_EQ(boxes.m_vMsgBuf.size(), before + 1);
    Route(boxes.m_vMsgBuf.back().m_OkMsg);
    const std::vector<SentRequest> sent = NewRequests();
    ASSERT_EQ(sent.size(), 1u);
    EXPECT_EQ(sent[0].m_wSub, 0x16);
    EXPECT_EQ(sent[0].m_wParam1, 13);
}

TEST_F(AerieMonsterCells, GroupSkillCellShowsItsSkillExplainsItAndPicksItWhenOwnAndOpen)
{
    ASSERT_NE(EnterOwn(), nullptr);
    const CXmlMonGroupSkill* cfg = CXmlAerieMgr::GetSingleton()->FindMonGroupSkill(1);
    auto* talent = Make<CAerieMonGroupSkillIcon>(300, 400, 0);
    auto* passive = Make<CAerieMonGroupSkillIcon>(360, 400, 2);
    auto* closed = Make<CAerieMonGroupSkillIcon>(420, 400, 13);
    closed->m_bAvailable = 0;
    const int x = talent->m_nAbsX;
    const int y = talent->m_nAbsY;
    m_Host.ClearLog();
    talent->Render();
    EXPECT_EQ(DrawnCalls(m_Host), (std::vector<Drawn>{Image(x, y, cfg->m_nPic), Image(x + 29, y + 29, cfg->m_nGroupIcon),
                                                      orv::test::Text(x + 2, y + 2, "Lv2", 0xFFFFFF00, 1, 1)}));

    CAerieNewBie& guide = CAerieNewBie::GetSingleton();
    guide.BuildSteps();
    guide.SetStep(19);
    talent->OnMouseEnter(1, 1, nullptr);
    std::vector<std::string> lines = ToolTipLines();
    ASSERT_EQ(lines.size(), 6u);
    EXPECT_EQ(lines[0], "该技能为天赋技能");
    EXPECT_EQ(lines[2], cfg->m_strName + "Lv2小组生产力提高10%");
    EXPECT_EQ(guide.m_wStep, 20);
    guide.Reset();
    passive->OnMouseEnter(1, 1, nullptr);
    EXPECT_EQ(ToolTipLines()[0], "该技能为被动技能");
    closed->OnMouseEnter(1, 1, nullptr);
    EXPECT_EQ(ToolTipLines(), (std::vector<std::string>{"城堡研究所中的“怪物技能”科技升级到2级后", "会开启该技能格并获得新技能。"}));
    Make<CAerieMonGroupSkillIcon>(480, 400, 5)->OnMouseEnter(1, 1, nullptr);   // open, no skill
    EXPECT_TRUE(ToolTipLines().empty());

    // Picks: own and open only; every click is still told.
    struct Case {
        CAerieMonGroupSkillIcon* icon;
        u8 readOnly;
        bool picks;
    } const cases[] = {{passive, 0, true}, {passive, 1, false}, {closed, 0, false}};
    for (const Case& c : cases) {
        c.icon->m_bReadOnly = c.readOnly;
        Wnd()->m_MsgQueue.Clear();
        c.icon->OnClick(0);
        const std::vector<ORVMsg> posted = PumpPosted(Wnd());
        ASSERT_EQ(posted.size(), c.picks ? 2u : 1u);
        if (c.picks) {
            EXPECT_EQ(posted[0].m_nId, kNotifyPick);
            EXPECT_EQ(posted[0].m_wParam, kPickGroupSkill);
            EXPECT_EQ(posted[0].m_lParam, 2u);
        }
        EXPECT_EQ(posted.back().m_nId, kNotifyLeftClick);
    }
}

}  // namespace
