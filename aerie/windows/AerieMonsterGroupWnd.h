// CAerieMonsterGroupWnd: the monsters of the shown city in their four groups (production,
// engineering, fight, idle). The overview page shows the 40-cell grid (the idle row paged over
// slots 30-69) with each group's totals; a group page shows the 11 skill cells of one working
// group and, in the own city, refreshes the picked skill (coupons or a skill card). A visited
// city is read-only: no refresh controls, cells without actions.
#pragma once

#include "aerie/windows/AerieGameWnd.h"
#include "framework/text/WrappedText.h"

class CAerieMonGroupSkillIcon;
class CAerieMonsterCtrl;
class CAerieMonsterGroup;
class CORVButton;
class CORVChoice;
class CXmlMonGroupSkill;

class CAerieMonsterGroupWnd : public CAerieGameWnd {
    ORV_DECLARE_RUNTIME_CLASS(CAerieMonsterGroupWnd)
public:
    static constexpr int kOverviewPage = 14;
    static constexpr int kGroupPage = 15;
    static constexpr int kWorkingGroups = 3;
    static constexpr int kRows = 4;
    static constexpr int kCellsPerRow = 10;
    static constexpr int kCells = kRows * kCellsPerRow;
    static constexpr int kSkillCells = 11;
    static constexpr int kLastIdlePage = 3;

    CAerieMonsterGroupWnd();
    ~CAerieMonsterGroupWnd() override;

    bool OnMouseMove(int x, int y) override;   // the groups' tooltips over the left column
    bool OnMessage(ORVMsg* msg) override;
    void OnDraw() override;

    // Builds page 14 (overview) or 15 (group page); nothing when it is built already.
    void ShowPage(int page);
    // The idle row's cells show idle page m_nIdlePage (slots 30 + 10 x page + c).
    void RelabelIdleRow();
    // The skill cells of group g (created on first use, else re-keyed); the refresh choice and
    // button in the own city.
    void ShowGroupSkills(int group);
    // The top level of a group skill: its per-level values less one, 0 without any.
    static int GetTopLevel(const CXmlMonGroupSkill& skill);

    // Refresh steps (kind 0 common, 1 senior; choice s 2..7 a card of level s + 1).
    void AskSkillRefresh(int kind);
    void ConfirmHighSkillRefresh(int kind);
    void UseSkillCard(int choice);
    void SendSkillRefresh(int choice);

    bool OnSkillRefreshEvent(ORVMsg* msg);       // topic 25
    bool OnHighSkillRefreshEvent(ORVMsg* msg);   // topic 26

    // The skill-refresh throttle that every group window of the session shares (the last refresh
    // step's tick).
    static CClickThrottle& RefreshThrottle();

    i32 m_nWantPage = kOverviewPage;
    i32 m_nPage = 0;
    i32 m_nIdlePage = 0;
    i32 m_nGroup = -1;
    i32 m_nSkill = -1;
    u8 m_bOwnCity = 1;
    CORVButton* m_pBackBtn = nullptr;
    CORVButton* m_pPrevBtn = nullptr;
    CORVButton* m_pNextBtn = nullptr;
    CORVButton* m_pGroupBtn[kWorkingGroups] = {};
    CAerieMonsterCtrl* m_pMonster[kCells] = {};
    CAerieMonGroupSkillIcon* m_pSkill[kSkillCells] = {};
    CORVChoice* m_pChoice = nullptr;
    CORVButton* m_pRefreshBtn = nullptr;
    CWrappedText m_Help;

protected:
    void SetUpFrame() override;          // the overview's frame, the buttons of both pages
    bool OnGameEvent(ORVMsg* msg) override;

private:
    void DeleteSkillPage();
    void DeleteOverview();
    void OpenGroup(int group);
    // The group's three totals, in the overview's form or the group page's (page true).
    void DrawTotals(int g, int x0, int x1, int x2, int y, bool page);
    void DrawNavigation();
    void DrawOverview();
    void DrawGroupPage();

    // Texts made again only when their figures change.
    CCachedText m_IdlePage;
    CCachedText m_aTotals[kRows][3];
    CCachedText m_aPageTotals[3];
    CCachedText m_PageName;
    CCachedText m_PageState;
    CCachedText m_PageCreavity;
};
