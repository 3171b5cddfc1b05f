#include "aerie/windows/AerieRankWnd.h"

#include <algorithm>
#include <new>

#include "aerie/state/AerieDataMgr.h"
#include "aerie/state/AerieListEntries.h"
#include "aerie/windows/AerieCityView.h"
#include "aerie/windows/AerieWndRecords.h"
#include "framework/widgets/ORVButton.h"
#include "framework/widgets/ORVScroll.h"
#include "framework/widgets/ORVToolTip.h"

ORV_IMPLEMENT_RUNTIME_CLASS(CAerieRankWnd, CAerieContainer)

namespace {

struct RankWndRegistration {
    RankWndRegistration() { SetAerieWindowRecord(AerieWndKind::Rank, ORV_RUNTIME_CLASS(CAerieRankWnd)); }
} g_RankWndRegistration;

constexpr GameTopic<CAerieRankWnd> kTopics[] = {
    {EVT_RANKLIST_CHANGED, &CAerieRankWnd::OnListsChanged},
};

constexpr int kCategories = 4;

// The sub-choices of each category: their lists and captions (category 0 has none).
struct SubChoice {
    int m_nList;
    const char* m_pszCaption;
};
constexpr SubChoice kCategory1[] = {{1, "总生产力"}, {2, "总工程力"}, {3, "总战斗力"}, {12, "总技能等级"}};
constexpr SubChoice kCategory2[] = {{4, "奴隶人气"}, {5, "奴隶幸福指数"}, {6, "奴隶悲情指数"}};
constexpr SubChoice kCategory3[] = {{7, "总科技点"}, {8, "花园科技点"}, {9, "餐厅科技点"}, {10, "人物科技点"}, {11, "城堡科技点"}};

struct SubChoices {
    const SubChoice* m_pItems;
    int m_nCount;
};

SubChoices SubChoicesOf(int category)
{
    switch (category) {
    case 1:
        return {kCategory1, static_cast<int>(std::size(kCategory1))};
    case 2:
        return {kCategory2, static_cast<int>(std::size(kCategory2))};
    case 3:
        return {kCategory3, static_cast<int>(std::size(kCategory3))};
    default:
        return {nullptr, 0};
    }
}

// The sub-choice tabs' caption place on their buttons.
constexpr int kSubCaptionX = 10;
constexpr int kSubCaptionY = 5;

}  // namespace

CAerieRankWnd::CAerieRankWnd() = default;
CAerieRankWnd::~CAerieRankWnd() = default;

void CAerieRankWnd::CloseButtonPlace(int* fromRight, int* top) const
{
    *fromRight = 37;
    *top = 4;
}

CORVScroll* CAerieRankWnd::ScrollBar() const
{
    return m_pScroll;
}

void CAerieRankWnd::OnCreateControls()
{
    m_pCategory = new (std::nothrow) CORVRadioGroup();
    if (m_pCategory != nullptr) {
        AddChild(m_pCategory, false);
        m_pCategory->CreateGroup(this, 20, 41, 227, kCategories, WindowKeep().m_nRankCategory, 93, false);
    }
    BuildSubChoice();
    m_pScroll = new (std::nothrow) CORVVScroll();
    if (m_pScroll != nullptr) {
        AddChild(m_pScroll, false);
        m_pScroll->CreateBar(this, 446, 111, 210);
    }
    RefreshList();
    m_Notice.SetText("排行榜每天0点更新，如果想让你的大名在榜单中出现，请努力建设您的琉璃台吧！", 216, 0xFFFFFFFF, 1);
}

void CAerieRankWnd::BuildSubChoice()
{
    if (m_pSubChoice != nullptr) {
        CORVRadioGroup* old = m_pSubChoice;
        m_pSubChoice = nullptr;
        DeleteChild(old);
    }
    const int category = m_pCategory != nullptr ? m_pCategory->m_nCurSel : 0;
    const SubChoices subs = SubChoicesOf(category);
    if (subs.m_nCount == 0) {
        return;
    }
    m_pSubChoice = new (std::nothrow) CORVRadioGroup();
    if (m_pSubChoice == nullptr) {
        return;
    }
    AddChild(m_pSubChoice, false);
    const int selected = std::clamp(WindowKeep().m_nRankSubChoice, 0, subs.m_nCount - 1);
    m_pSubChoice->CreateGroup(this, 27, 66, 51, subs.m_nCount, selected, 75, true);
    for (int i = 0; i < subs.m_nCount; ++i) {
        m_pSubChoice->SetItemText(i, subs.m_pItems[i].m_pszCaption, kSubCaptionX, kSubCaptionY);
    }
}

int CAerieRankWnd::ListNumber() const
{
    if (m_pCategory == nullptr) {
        return 0;
    }
    const SubChoices subs = SubChoicesOf(m_pCategory->m_nCurSel);
    if (subs.m_nCount == 0) {
        return 0;
    }
    // A sub-choice outside the category's shows its first list.
    const int sub = m_pSubChoice != nullptr ? m_pSubChoice->m_nCurSel : 0;
    return subs.m_pItems[sub >= 0 && sub < subs.m_nCount ? sub : 0].m_nList;
}

const std::vector<AerieRankEntry>* CAerieRankWnd::List() const
{
    return AerieView::FindRankList(ListNumber());
}

int CAerieRankWnd::EntryCount() const
{
    const std::vector<AerieRankEntry>* list = List();
    return list != nullptr ? static_cast<int>(std::min<std::size_t>(list->size(), 0x7FFFFFFF)) : 0;
}

void CAerieRankWnd::RefreshList()
{
    if (m_pScroll != nullptr) {
        m_pScroll->SetRange(std::max(0, EntryCount() - kRows));
        m_pScroll->SetPos(0);
    }
    m_Rows.SetFirst(0);
    m_Rows.ClearHover();
}

void CAerieRankWnd::OnScrolled()
{
    m_Rows.SetFirst(FirstShownEntry(m_pScroll != nullptr ? m_pScroll->m_nPos : 0, 1));
}

bool CAerieRankWnd::OnListsChanged(ORVMsg*)
{
    RefreshList();
    return false;   // other windows may follow the lists too
}

bool CAerieRankWnd::OnGameEvent(ORVMsg* msg)
{
    return DispatchGameEvent(this, msg, kTopics);
}

bool CAerieRankWnd::OnMessage(ORVMsg* msg)
{
    if (msg != nullptr && msg->m_nId == kNotifyLeftClick && msg->m_pSender != nullptr) {
        if (msg->m_pSender == m_pCategory) {
            BuildSubChoice();
            RefreshList();
            WindowKeep().m_nRankCategory = m_pCategory->m_nCurSel;
            return true;
        }
        if (msg->m_pSender == m_pSubChoice) {
            RefreshList();
            WindowKeep().m_nRankSubChoice = m_pSubChoice->m_nCurSel;
            return true;
        }
    }
    return CAerieGameWnd::OnMessage(msg);
}

bool CAerieRankWnd::OnMouseMove(int x, int y)
{
    const int row = m_Rows.Hover(x, y, EntryCount());
    CORVToolTip& tip = CORVToolTip::GetSingleton();
    tip.Reset();
    if (row >= 0) {
        tip.AddText(1, "双击可进入此人琉璃台", 1);
    }
    return CAerieGameWnd::OnMouseMove(x, y);
}

bool CAerieRankWnd::OnClick(int kind)
{
    const int row = m_Rows.HoverRow();
    m_Rows.SelectEntry(row >= 0 ? m_Rows.First() + row : -1);
    return CAerieGameWnd::OnClick(kind);
}

bool CAerieRankWnd::OnLButtonDblClk(int x, int y)
{
    const int row = m_Rows.HoverRow();
    if (row >= 0 && !RefuseDuringTutorial("请您完成新手任务，再去好友的琉璃台！")) {
        const std::vector<AerieRankEntry>* list = List();
        const int entry = m_Rows.EntryOfRow(row, EntryCount());
        if (list != nullptr && entry >= 0) {
            AerieView::SendVisitCity((*list)[static_cast<std::size_t>(entry)].GetName());
            return true;   // the city changes: nothing more of this window
        }
    }
    return CAerieGameWnd::OnLButtonDblClk(x, y);
}
