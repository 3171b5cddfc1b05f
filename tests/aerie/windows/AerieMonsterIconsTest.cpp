// The monster, enemy monster and skill icons over an entered city: where each kind looks its
// stack or skill up, what it draws and explains, and the drag, menu and release of a writable
// monster icon.
#include <gtest/gtest.h>

#include "AerieMonsterFixture.h"
#include "aerie/state/AerieRecordLayout.h"
#include "aerie/windows/AerieMonsterIconCtrl.h"
#include "aerie/windows/AerieSkillIconCtrl.h"
#include "framework/core/DragIcon.h"
#include "framework/window/ORVMenuWnd.h"
#include "framework/window/ORVMsgBox.h"
#include "support/WindowInput.h"

using namespace orv::test;

namespace {

class AerieMonsterIcons : public AerieMonsterTest {
protected:
    // The own city: slot 3 monster 1 x 7, slot 13 monster 3 x 2, slot 23 monster 5 x 1; skills at
    // keys 2 (skill 1, level 2), 13 and 24.
    static std::string OwnItems()
    {
        return Item(5, MonsterRecord(3, 1, 7, 10, 20, 30)) + Item(5, MonsterRecord(13, 3, 2, 11, 21, 31)) +
               Item(5, MonsterRecord(23, 5, 1, 12, 22, 32)) + Skill(2, 1, 2) + Skill(13, 2, 1) + Skill(24, 3, 3);
    }
    // Enters the own city, the game window opens; with visited, another city (slot 3 monster 2 x 40,
    // slot 23 monster 4 x 9; skill key 2 skill 4) is shown after it.
    void EnterCities(bool visited)
    {
        ASSERT_NE(Enter(OwnItems()), nullptr);
        if (visited) {
            Recv(Compressed(kOtherId, 0, Item(0, "other") + Item(5, MonsterRecord(3, 2, 40, 1, 2, 3)) +
                                             Item(5, MonsterRecord(23, 4, 9, 1, 2, 3)) + Skill(2, 4, 1)));
            ASSERT_NE(Wnd(), nullptr);
        }
    }
};

TEST_F(AerieMonsterIcons, EachKindLooksItsStackUpInItsCityAndNamesThatSlot)
{
    EnterCities(true);   // the visited city is the shown one
    struct Case {
        i32 kind;
        u16 index;
        u32 count;   // 0: empty
        u16 slot;
    } const cases[] = {
        {0, 3, 40, 3}, {1, 3, 0, 13}, {2, 3, 9, 23}, {3, 3, 9, 23},    // shown city
        {4, 3, 7, 3},  {5, 3, 2, 13}, {6, 3, 1, 23},                   // own city
        {13, 3, 5, 3}, {-1, 3, 5, 3},  {7, 3, 5, 3},                   // the owner's entry
    };
    for (const Case& c : cases) {
        auto* icon = Make<CAerieMonsterIconCtrl>(0, 0, c.index, c.kind);
        icon->m_OwnEntry.Update(reinterpret_cast<const unsigned char*>(MonsterRecord(99, 2, 5, 1, 1, 1).data()),
                                aerie_layout::kMonsterSize, 0);
        EXPECT_EQ(icon->GetEntry().GetCount(), c.count) << c.kind;
        u16 slot = 0;
        EXPECT_TRUE(icon->GetSlotKey(&slot));
        EXPECT_EQ(slot, c.slot) << c.kind;
    }
    // An index whose slot would pass 65535 finds nothing and names no slot.
    auto* beyond = Make<CAerieMonsterIconCtrl>(0, 0, 0xFFFF, 2);
    u16 slot = 0;
    EXPECT_FALSE(beyond->GetSlotKey(&slot));
    EXPECT_EQ(beyond->GetEntry().GetMonsterId(), 0);

    struct SkillCase {
        i32 kind;
        u16 index;
        u16 skill;
    } const skills[] = {
        {7, 2, 4}, {8, 2, 0}, {9, 2, 0}, {10, 2, 1}, {11, 2, 2}, {12, 2, 3}, {13, 2, 6}, {6, 2, 6},
    };
    for (const SkillCase& c : skills) {
        auto* icon = Make<CAerieSkillIconCtrl>(0, 0, c.index, c.kind);
        icon->m_OwnSkill.Update(reinterpret_cast<const unsigned char*>((LE16(50) + LE16(6) + LE16(1)).data()), 6);
        EXPECT_EQ(icon->GetEntry().GetSkillId(), c.skill) << c.kind;
    }
}

TEST_F(AerieMonsterIcons, MonsterIconDrawsItsStackAndExplainsItWithoutWrapping)
{
    EnterCities(false);
    const CXmlMonster* cfg = CXmlAerieMgr::GetSingleton()->FindMonster(1);
    ASSERT_NE(cfg, nullptr);
    auto* icon = Make<CAerieMonsterIconCtrl>(300, 300, 3, 4);
    auto* empty = Make<CAerieMonsterIconCtrl>(360, 300, 5, 4);
    m_Host.ClearLog();
    icon->Render();
    const int x = icon->m_nAbsX;
    const int y = icon->m_nAbsY;
    EXPECT_EQ(DrawnCalls(m_Host), (std::vector<Drawn>{Image(x, y, cfg->m_nColorPic), Image(x, y, cfg->m_nPic),
                                                      orv::test::Text(x + 4, y + 4, "7", 0xFFFFFFFF, 1, 1)}));
    m_Host.ClearLog();
    empty->Render();
    EXPECT_FALSE(m_Host.AnyDrawing());

    icon->OnMouseEnter(1, 1, nullptr);
    EXPECT_EQ(ToolTipLines(), (std::vector<std::string>{cfg->m_strName, "数量:7", "单体(总)生产力:10/70",
                                                        "单体(总)工程力:20/140", "单体(总)战斗力:30/210"}));
    CORVToolTip::GetSingleton().Clear();
    empty->OnMouseEnter(1, 1, nullptr);
    EXPECT_TRUE(ToolTipLines().empty());

    // 100,000 monsters of power 65535: the total passes 32 bits.
    icon->m_nKind = 13;
    icon->m_OwnEntry.Update(
        reinterpret_cast<const unsigned char*>(MonsterRecord(3, 1, 100000, 65535, 1, 1).data()), aerie_layout::kMonsterSize, 0);
    icon->OnMouseEnter(1, 1, nullptr);
    EXPECT_EQ(ToolTipLines()[2], "单体(总)生产力:65535/6553500000");

    // Without a configuration: the count only, and an empty tip.
    icon->m_OwnEntry.Update(reinterpret_cast<const unsigned char*>(MonsterRecord(3, 77, 4, 1, 1, 1).data()),
                            aerie_layout::kMonsterSize, 0);
    m_Host.ClearLog();
    icon->Render();
    EXPECT_EQ(DrawnCalls(m_Host), (std::vector<Drawn>{orv::test::Text(x + 4, y + 4, "4", 0xFFFFFFFF, 1, 1)}));
    icon->OnMouseEnter(1, 1, nullptr);
    EXPECT_TRUE(ToolTipLines().empty());
}

TEST_F(AerieMonsterIcons, EnemyIconScalesCountAndPowersAndNamesItsStrength)
{
    EnterCities(false);
    const CXmlMonster* cfg = CXmlAerieMgr::GetSingleton()->FindMonster(1);
    struct Case {
        u32 count;
        u16 power;
        float scale;
        u16 strength;
        std::string title;
        std::string countLine;
        std::string powerLine;
        std::string drawn;
    } const cases[] = {
        {1, 15, 0.5f, 0, "虚弱无力的" + cfg->m_strName, "数量:1", "单体(总)生产力:7/7", "1"},
        {3, 15, 0.7f, 1, "普普通通的" + cfg->m_strName, "数量:2", "单体(总)生产力:10/20", "2"},
        {10, 15, 0.9f, 2, "百折不挠的" + cfg->m_strName, "数量:9", "单体(总)生产力:13/117", "9"},
        {10, 15, 1.0f, 3, cfg->m_strName, "数量:10", "单体(总)生产力:15/150", "10"},
        {4, 40000, 2.0f, 9, cfg->m_strName, "数量:8", "单体(总)生产力:65535/524280", "8"},   // held to 16 bits
        {4, 15, -1.0f, 0, "虚弱无力的" + cfg->m_strName, "数量:1", "单体(总)生产力:0/0", "1"},
    };
    for (const Case& c : cases) {
        auto* icon = Make<CAerieEnemyMonsterIconCtrl>(300, 300, 0, 13, 1);
        icon->m_OwnEntry.Update(reinterpret_cast<const unsigned char*>(MonsterRecord(3, 1, c.count, c.power, 1, 1).data()),
                                aerie_layout::kMonsterSize, 0);
        icon->m_fScale = c.scale;
        icon->m_wStrength = c.strength;
        icon->OnMouseEnter(1, 1, nullptr);
        const std::vector<std::string> lines = ToolTipLines();
        ASSERT_EQ(lines.size(), 5u) << c.count;
        EXPECT_EQ(lines[0], c.title);
        EXPECT_EQ(lines[1], c.countLine);
        EXPECT_EQ(lines[2], c.powerLine);
        m_Host.ClearLog();
        icon->Render();
        EXPECT_NE(Text(c.drawn), nullptr) << c.drawn;
        Wnd()->DeleteChild(icon);
    }
}

TEST_F(AerieMonsterIcons, DraggingAStackOntoAnotherIconMovesItAndEveryOtherEndClearsTheDrag)
{
    EnterCities(false);
    auto* from = Make<CAerieMonsterIconCtrl>(300, 400, 3, 5);   // own slot 13
    auto* to = Make<CAerieMonsterIconCtrl>(400, 400, 3, 4);     // own slot 3, the same kind of group or not
    auto* plain = new CORVControl();
    Wnd()->AddChild(plain, false);
    plain->CreateAt(Wnd(), 500, 400, 48, 48);
    const auto press = [](CORVControl* c) { return std::pair{c->m_nAbsX + 10, c->m_nAbsY + 10}; };
    NewRequests();

    // Drag from one icon onto the other: the move names both slots; the drag ends.
    auto [fx, fy] = press(from);
    auto [tx, ty] = press(to);
    LButtonDown(fx, fy);
    MouseMove(fx + 5, fy);
    EXPECT_EQ(GetDragIcon().m_bDragging, 1);
    EXPECT_EQ(GetDragIcon().m_nSource, 13);
    EXPECT_EQ(GetDragIcon().m_wFrame, CXmlAerieMgr::GetSingleton()->FindMonster(3)->m_nPic);
    EXPECT_EQ(GetDragIcon().m_wSet, 93);
    MouseMove(tx, ty);
    LButtonUp(tx, ty);
    std::vector<SentRequest> sent = NewRequests();
    ASSERT_EQ(sent.size(), 1u);
    EXPECT_EQ(sent[0].m_wSub, 0x17);
    EXPECT_EQ(sent[0].m_wParam1, 13);
    EXPECT_EQ(sent[0].m_wParam2, 3);
    EXPECT_EQ(GetDragIcon().m_nSource, -1);
    EXPECT_EQ(GetDragIcon().m_bDragging, 0);

    // Dropped on a control that is no monster icon: nothing is sent, the drag ends.
    auto [px, py] = press(plain);
    LButtonDown(fx, fy);
    MouseMove(px, py);
    EXPECT_EQ(GetDragIcon().m_nSource, 13);
    LButtonUp(px, py);
    EXPECT_TRUE(NewRequests().empty());
    EXPECT_EQ(GetDragIcon().m_nSource, -1);

    // Pressed and released on the same icon: a click for the parent, no request, no drag left.
    Frame();
    LButtonDown(fx, fy);
    MouseMove(fx + 1, fy);
    LButtonUp(fx + 1, fy);
    EXPECT_EQ(GetDragIcon().m_nSource, -1);
    EXPECT_TRUE(NewRequests().empty());

    // A read-only icon never drags, nor does an empty slot.
    from->m_bReadOnly = 1;
    LButtonDown(fx, fy);
    MouseMove(fx + 5, fy);
    EXPECT_EQ(GetDragIcon().m_nSource, -1);
    LButtonUp(fx + 5, fy);
    from->m_bReadOnly = 0;
    from->m_wItemId = 8;   // slot 18: empty
    LButtonDown(fx, fy);
    MouseMove(fx + 5, fy);
    EXPECT_EQ(GetDragIcon().m_nSource, -1);
    LButtonUp(fx + 5, fy);

    // A drop with no drag under way sends nothing.
    EXPECT_TRUE(to->OnDrop(1, 1));
    EXPECT_TRUE(NewRequests().empty());
}

TEST_F(AerieMonsterIcons, RightClickMenuOffersSplitOnlyForAStackAndNothingWhenReadOnlyOrEmpty)
{
    EnterCities(false);
    std::vector<ORVMenuItem>& items = GetPopupMenuItems();
    const auto captions = [&items] {
        std::vector<std::string> out;
        for (const ORVMenuItem& item : items) {
            out.push_back(item.m_strCaption);
        }
        return out;
    };
    auto* one = Make<CAerieMonsterIconCtrl>(300, 400, 3, 6);    // own slot 23: one monster
    auto* seven = Make<CAerieMonsterIconCtrl>(400, 400, 3, 4);  // own slot 3: seven
    one->OnClick(1);
    EXPECT_EQ(captions(), (std::vector<std::string>{"升级", "放生", "关闭"}));
    EXPECT_EQ(items[0].m_Command.m_nId, ORV_MSG_GAMEWND);
    EXPECT_EQ(items[0].m_Command.m_wParam, EVT_MONSTER_NOTICE);
    EXPECT_EQ(items[0].m_Command.m_lParam, 1u);
    EXPECT_EQ(items[0].m_Command.m_strText, LE16(23) + LE16(1));
    EXPECT_EQ(items[1].m_Command.m_wParam, EVT_ASK_RELEASE_MONSTER);
    EXPECT_EQ(items[1].m_Command.m_lParam, 23u);
    EXPECT_EQ(items[2].m_Command.m_nId, 0u);

    seven->OnClick(1);
    EXPECT_EQ(captions(), (std::vector<std::string>{"拆分", "升级", "放生", "关闭"}));
    EXPECT_EQ(items[0].m_Command.m_nId, ORV_MSG_SPLITWND);
    EXPECT_EQ(items[0].m_Command.m_wParam, kSysWndOpen);
    EXPECT_EQ(items[0].m_Command.m_lParam, 7u);
    EXPECT_EQ(items[0].m_Command.m_strText, LE16(3));

    items.clear();
    seven->m_bReadOnly = 1;
    seven->OnClick(1);
    one->m_wItemId = 5;   // slot 25: empty
    one->OnClick(1);
    EXPECT_TRUE(items.empty());
}

TEST_F(AerieMonsterIcons, ReleaseAsksOnceAndEachConfirmationSendsItsOwnRequest)
{
    EnterCities(false);
    Make<CAerieMonsterIconCtrl>(300, 400, 3, 4);
    Make<CAerieMonsterIconCtrl>(400, 400, 3, 6);
    NewRequests();
    ORVMsgBoxQueue& boxes = ORVMsgBoxQueue::GetSingleton();
    const std::size_t before = boxes.m_vMsgBuf.size();
    // Two releases routed through the game window: the first icon reached answers each.
    Route(ORVMsg(ORV_MSG_GAMEWND, EVT_ASK_RELEASE_MONSTER, 3, ""));
    Route(ORVMsg(ORV_MSG_GAMEWND, EVT_ASK_RELEASE_MONSTER, 23, ""));
    ASSERT_EQ(boxes.m_vMsgBuf.size(), before + 2);
    const ORVMsgBoxRequest first = boxes.m_vMsgBuf[before];
    const ORVMsgBoxRequest second = boxes.m_vMsgBuf[before + 1];
    EXPECT_EQ(first.m_strText, "您确定要放生该怪物吗？");
    EXPECT_EQ(first.m_OkMsg.m_wParam, EVT_RELEASE_MONSTER);
    EXPECT_EQ(second.m_OkMsg.m_lParam, 23u);
    Route(first.m_OkMsg);
    Route(second.m_OkMsg);
    const std::vector<SentRequest> sent = NewRequests();
    ASSERT_EQ(sent.size(), 2u);
    EXPECT_EQ(sent[0].m_wSub, 0x16);
    EXPECT_EQ(sent[0].m_wParam1, 3);
    EXPECT_EQ(sent[0].m_wParam2, 0);
    EXPECT_EQ(sent[1].m_wParam1, 23);
}

TEST_F(AerieMonsterIcons, SkillIconDrawsItsPictureExplainsEveryLevelAndReportsEveryLeftClick)
{
    EnterCities(false);
    const CXmlMonGroupSkill* cfg = CXmlAerieMgr::GetSingleton()->FindMonGroupSkill(1);
    ASSERT_NE(cfg, nullptr);
    auto* icon = Make<CAerieSkillIconCtrl>(300, 400, 2, 10, 1);   // own key 2: skill 1 at level 2, read-only
    auto* absent = Make<CAerieSkillIconCtrl>(360, 400, 5, 10);
    m_Host.ClearLog();
    icon->Render();
    absent->Render();
    EXPECT_EQ(DrawnCalls(m_Host), (std::vector<Drawn>{Image(icon->m_nAbsX, icon->m_nAbsY, cfg->m_nPic)}));

    icon->OnMouseEnter(1, 1, nullptr);
    const std::vector<std::string> lines = ToolTipLines();
    ASSERT_EQ(lines.size(), 5u);
    EXPECT_EQ(lines[0], cfg->m_strName + "Lv1小组生产力提高5%");
    EXPECT_EQ(lines[1], cfg->m_strName + "Lv2小组生产力提高10%");
    const auto& tipLines = CORVToolTip::GetSingleton().m_vLines;
    EXPECT_EQ(tipLines[0].m_vSegments[0].m_nColour, 1);
    EXPECT_EQ(tipLines[1].m_vSegments[0].m_nColour, 3);
    EXPECT_EQ(tipLines[2].m_vSegments[0].m_nColour, 1);
    CORVToolTip::GetSingleton().Clear();
    absent->OnMouseEnter(1, 1, nullptr);
    EXPECT_TRUE(ToolTipLines().empty());

    // A configuration with no levels, and one whose description is no format: no throw, no line
    // for the first; the second shows as it stands.
    icon->m_nKind = 13;
    icon->m_OwnSkill.Update(reinterpret_cast<const unsigned char*>((LE16(9) + LE16(1) + LE16(1)).data()), 6);
    CXmlMonGroupSkill bare;
    bare.m_strName = "x";
    icon->m_OwnSkill.m_pConfig = &bare;
    icon->OnMouseEnter(1, 1, nullptr);
    EXPECT_TRUE(ToolTipLines().empty());
    bare.m_vEffect = {"0", "5"};
    bare.m_strDes = "100%";
    icon->OnMouseEnter(1, 1, nullptr);
    EXPECT_EQ(ToolTipLines().size(), 1u);

    // Read-only and closed alike, a left click reports the slot id first, then the click.
    icon->m_bAvailable = 0;
    Wnd()->m_MsgQueue.Clear();
    icon->OnClick(0);
    icon->OnClick(1);
    const std::vector<ORVMsg> posted = PumpPosted(Wnd());
    ASSERT_EQ(posted.size(), 3u);
    const std::size_t n = posted.size();
    EXPECT_EQ(posted[n - 3].m_nId, kNotifyPick);
    EXPECT_EQ(posted[n - 3].m_wParam, kPickGroupSkill);
    EXPECT_EQ(posted[n - 3].m_lParam, 9u);
    EXPECT_EQ(posted[n - 2].m_nId, kNotifyLeftClick);
    EXPECT_EQ(posted[n - 1].m_nId, kNotifyRightClick);
    icon->m_OwnSkill.m_pConfig = nullptr;
}

}  // namespace
