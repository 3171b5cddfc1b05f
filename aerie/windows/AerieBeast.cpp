#include "aerie/windows/AerieBeast.h"

#include <new>

#include "aerie/state/AerieConfigMgr.h"
#include "aerie/state/AerieEvents.h"
#include "aerie/state/AerieIncubator.h"
#include "aerie/state/AerieListEntries.h"
#include "aerie/state/AerieRequest.h"
#include "aerie/state/XmlAerieMgr.h"
#include "aerie/windows/AerieCityView.h"
#include "aerie/windows/AerieHatchRelation.h"
#include "aerie/windows/AerieNewBie.h"
#include "aerie/windows/AerieSlaveRelation.h"
#include "aerie/windows/AerieWndRecords.h"
#include "framework/control/ORVCtrlMgr.h"
#include "framework/core/ORVCallBack.h"
#include "framework/widgets/ORVButton.h"
#include "framework/widgets/ORVChoice.h"
#include "framework/widgets/ORVEdit.h"

ORV_IMPLEMENT_RUNTIME_CLASS(CAerieBeastWnd, CAerieContainer)
ORV_IMPLEMENT_RUNTIME_CLASS(CAerieBeastBreedItem, CORVWindow)
ORV_IMPLEMENT_RUNTIME_CLASS(CAerieBeastHatchItem, CORVWindow)
ORV_IMPLEMENT_RUNTIME_CLASS(CAerieBeastHatchOtherItem, CORVWindow)

namespace {

struct BeastRecords {
    BeastRecords() { SetAerieWindowRecord(AerieWndKind::Beast, ORV_RUNTIME_CLASS(CAerieBeastWnd)); }
};
const BeastRecords g_BeastRecords;

constexpr u16 kBreedBackFrame = 12;
constexpr u16 kHatchBackFrame = 13;
constexpr int kPageCloseRight = 36;
constexpr int kPageCloseTop = 5;
constexpr int kTabsX = 19;
constexpr int kTabsY = 38;
constexpr int kTabStep = 90;

// The close button every page draws at its top right.
void CreatePageCloseButton(CORVWindow* page)
{
    page->CreateButton(page->m_nWidth - kPageCloseRight, kPageCloseTop, &page->m_pCloseButton, kCloseButtonFrame,
                       true, true, "");
}

// The page's tab strip, in front of its children.
CORVRadioGroup* CreatePageTabs(CORVWindow* page, u16 baseFrame, int count, int selected)
{
    auto* tabs = new (std::nothrow) CORVRadioGroup();
    if (tabs == nullptr) {
        return nullptr;
    }
    page->AddChild(tabs, false);
    tabs->CreateGroup(page, kTabsX, kTabsY, baseFrame, count, selected, kTabStep, false);
    return tabs;
}

// A tab other than the page's own asks the beast window for that page; answers whether it did.
bool AskForTab(CORVWindow* page, const CORVRadioGroup* tabs, int shown)
{
    if (tabs == nullptr || tabs->m_nCurSel == shown || page->m_pParent == nullptr) {
        return false;
    }
    ORVMsg msg(kNotifyPageTab, kBeastPageTabs, page);
    msg.m_lParam = static_cast<u32>(tabs->m_nCurSel);
    page->PostToParent(&msg);
    return true;
}

bool IsClick(const ORVMsg* msg)
{
    return msg != nullptr && msg->m_nId == kNotifyLeftClick && msg->m_pSender != nullptr;
}

// Jobs of a guardian beast: 0 none, 1 engineering, 2 production, 3 fight. Screen order of the
// partner-job boxes and the search filter: none, production, engineering, fight.
constexpr u16 kScreenJobs[CAerieBeastBreedItem::kJobCount] = {0, 2, 1, 3};
// The three jobs to change to, in the job choice's order.
constexpr u16 kChoiceJobs[3] = {2, 1, 3};
constexpr int kFilterAny = 4;
constexpr u16 kAnyJobMask = 15;

}  // namespace

// ---- CAerieBeastWnd ----

namespace {

constexpr GameTopic<CAerieBeastWnd> kBeastTopics[] = {
    {EVT_CITY_ENTERED_BEASTS, &CAerieBeastWnd::OnCityReload},
    {EVT_BEAST_CHANGED, &CAerieBeastWnd::OnBeastChanged},
};

}  // namespace

CAerieBeastWnd::CAerieBeastWnd()
{
    m_nMode = AerieView::IsOwnCityShown() ? kModeOwn : kModeVisited;
}

CAerieBeastWnd::~CAerieBeastWnd() = default;

void CAerieBeastWnd::ShowPage(const RuntimeClassRecord* record, u16 frame)
{
    SetTitle("守护兽", 320, 15, 0xFFFFFFFF, 1);
    SetBackground(frame);
    CenterInParent();
    DeleteChildAndReset(m_pPage);
    m_pPage = CreateChildAt(record, 0, 0, m_nWidth, m_nHeight, m_nPage, "");
}

void CAerieBeastWnd::BuildPage()
{
    if (m_nMode == kModeOwn && m_nPage == 0) {
        ShowPage(ORV_RUNTIME_CLASS(CAerieBeastBreedItem), kBreedBackFrame);
        Guide().SetStepTarget(6, m_pPage);
    } else if (m_nMode == kModeOwn && m_nPage == 1) {
        ShowPage(ORV_RUNTIME_CLASS(CAerieBeastHatchItem), kHatchBackFrame);
    } else if (m_nMode == kModeVisited && m_nPage == 0) {
        ShowPage(ORV_RUNTIME_CLASS(CAerieBeastHatchOtherItem), kHatchBackFrame);
    }
}

void CAerieBeastWnd::OnCreateControls()
{
    BuildPage();
    if (AerieView::HasNewMonster()) {
        PostGameEvent(EVT_GETMONSTER_WND, 1);
    }
}

void CAerieBeastWnd::SwitchPage(int page)
{
    if (page == m_nPage) {
        return;
    }
    m_nPage = page;
    BuildPage();
}

bool CAerieBeastWnd::OnMessage(ORVMsg* msg)
{
    if (msg == nullptr) {
        return true;
    }
    if (msg->m_nId == kNotifyPageTab && msg->m_wParam == kBeastPageTabs && msg->m_pSender != nullptr &&
        msg->m_pSender == m_pPage) {
        SwitchPage(static_cast<int>(msg->m_lParam));
    } else if (msg->m_nId == kNotifyClose && msg->m_pSender != nullptr && msg->m_pSender == m_pPage) {
        Close();
    } else if (IsClick(msg) && msg->m_pSender == m_pCloseButton) {
        Close();
    }
    return true;
}

bool CAerieBeastWnd::OnGameEvent(ORVMsg* msg)
{
    return DispatchGameEvent(this, msg, kBeastTopics);
}

bool CAerieBeastWnd::OnCityReload(ORVMsg*)
{
    m_nMode = kModeRebuild;
    return true;
}

bool CAerieBeastWnd::OnBeastChanged(ORVMsg*)
{
    if (m_nMode != kModeRebuild) {
        return false;
    }
    DeleteChildAndReset(m_pPage);
    const bool own = AerieView::IsOwnCityShown();
    m_nMode = own ? kModeOwn : kModeVisited;
    m_nPage = own ? 1 : 0;
    BuildPage();
    return true;
}

// ---- CAerieBeastBreedItem ----

CAerieBeastBreedItem::CAerieBeastBreedItem() = default;
CAerieBeastBreedItem::~CAerieBeastBreedItem() = default;

void CAerieBeastBreedItem::SetArgs(int arg, std::string)
{
    m_nPage = arg;
}

void CAerieBeastBreedItem::OnCreate()
{
    CreatePageCloseButton(this);
    m_pTabs = CreatePageTabs(this, 185, 2, m_nPage);
    Guide().SetStepTarget(8, m_pTabs);

    const AerieView::OwnBeast beast = AerieView::GetOwnBeast();
    for (int i = 0; i < kJobCount; ++i) {
        auto* check = new (std::nothrow) CORVCheck();
        m_pJobChecks[i] = check;
        if (check == nullptr) {
            continue;
        }
        AddChild(check, false);
        check->m_wFrame = 66;
        check->CreateCheck(this, 57 + 70 * i, 425);
        check->SetSize(23, 16);
        check->m_strCaption = BeastJobText(kScreenJobs[i]);
        check->m_nCaptionX = 25;
        check->m_nCaptionY = 2;
        check->SetLatch((beast.m_wRegisterMask & (1u << kScreenJobs[i])) != 0 ? 1 : 0);
    }

    if (const CXmlBeast* record = CXmlAerieMgr::GetSingleton()->FindBeast(beast.m_wKey, beast.m_wTable != 0)) {
        m_Beast.m_nNum = record->m_nNum;
        m_Beast.m_nType = record->m_nType;
        m_Beast.m_strName = record->m_strName;
        m_Beast.m_nSex = record->m_nSex;
        m_Beast.m_nTex = record->m_nTex;
        m_Beast.m_nIcon = record->m_nIcon;
    }

    m_pJobChoice = new (std::nothrow) CORVRadioGroup();
    if (m_pJobChoice != nullptr) {
        AddChild(m_pJobChoice, false);
        m_pJobChoice->CreateGroup(this, 100, 198, 30, 3, 0, -25, true);
        for (int k = 0; k < 3; ++k) {
            const char* job = BeastJobText(kChoiceJobs[k]);
            const std::string caption = std::string(job) + "：高概率获得" + job + "类怪物";
            m_pJobChoice->SetItemText(k, caption.c_str(), 23, 3);
        }
        m_pJobChoice->ClearSelection();
        m_pJobChoice->m_bEnabled = 0;
        m_pJobChoice->m_bVisible = 0;
    }

    m_pNameEdit = new (std::nothrow) CORVEdit();
    if (m_pNameEdit != nullptr) {
        m_pNameEdit->m_nMaxLen = 16;
        AddChild(m_pNameEdit, false);
        m_pNameEdit->CreateEdit(this, 1, 0xFFFFFFFF, 0x11, 500, 115, 140, 20);
    }

    CreateButton(150, 283, &m_pJobChangeBtn, 191, false, false,
                 "研究所学会守护兽转职科技后可对守护兽进行转职，\n转职成功后可使用守护兽转职卡再次进行转职");
    CreateButton(80, 277, &m_pOkBtn, 9, false, false, "");
    CreateButton(200, 277, &m_pCancelBtn, 12, false, false, "");
    CreateButton(140, 468, &m_pRegisterBtn, 194, true, true, "");
    CreateButton(497, 183, &m_pSearchBtn, 197, true, true, "");
    CreateButton(494, 460, &m_pBreedBtn, 200, true, true, "");
    Guide().SetStepTarget(7, m_pBreedBtn);

    m_pJobFilter = new (std::nothrow) CORVChoice();
    if (m_pJobFilter != nullptr) {
        AddChild(m_pJobFilter, false);
        m_pJobFilter->CreateBox(this, 515, 147, 123);
        for (const char* item : {"普通", "生产", "工程", "战斗", "不限"}) {
            m_pJobFilter->AddItem(item, 0xFFFFFFFF, 0);
        }
        m_pJobFilter->SetCurSel(kFilterAny);
        m_pJobFilter->CloseList();
    }

    m_JobDesc.SetText("城堡研究所达到5级即可学习转职科技，进行守护兽转职，转职成功后可使用守护兽转职卡再次进行转职。\n"
                      "        生产职业：高概率获得生产类怪物\n"
                      "        工程职业：高概率获得工程类怪物\n"
                      "        战斗职业：高概率获得战斗类怪物\n",
                      300, 0xFFFFFFFF, 1);
    m_RegisterDesc.SetText("守护兽转职后可进行登记，可根据需求让符合条件的玩家在右边列表中搜索到你，并与你守护兽进行繁殖，"
                           "获得怪物蛋。",
                           300, 0xFFFFFFFF, 1);

    AerieView::ClearBeastList();

    if (AerieView::GetOwnBuildingLevel(11) >= 5 && AerieView::GetOwnTechLevel(31) > 0) {
        m_bJobChangeAllowed = 1;
        CORVControl* button = m_pJobChangeBtn;
        SetChildState(&button, true, true);
    }
    SendRegistration(0);
}

void CAerieBeastBreedItem::SendRegistration(u16 p2)
{
    u16 mask = 0;
    for (int i = 0; i < kJobCount; ++i) {
        if (m_pJobChecks[i] != nullptr && m_pJobChecks[i]->m_nLatch != 0) {
            mask = static_cast<u16>(mask | (1u << kScreenJobs[i]));
        }
    }
    Request().RegisterBeast(mask, p2);
}

void CAerieBeastBreedItem::SendJobChange()
{
    const int k = m_pJobChoice != nullptr ? m_pJobChoice->m_nCurSel : -1;
    if (k < 0 || k >= 3) {
        return;
    }
    Request().ChangeBeastJob(kChoiceJobs[k]);
}

void CAerieBeastBreedItem::ShowJobChoice(bool show)
{
    CORVControl* change = m_pJobChangeBtn;
    CORVControl* ok = m_pOkBtn;
    CORVControl* cancel = m_pCancelBtn;
    CORVControl* choice = m_pJobChoice;
    SetChildState(&change, !show, !show);
    SetChildState(&ok, show, show);
    SetChildState(&cancel, show, show);
    SetChildState(&choice, show, show);
    if (show && m_pJobChoice != nullptr) {
        const u16 job = AerieView::GetOwnBeast().m_wJob;
        m_pJobChoice->SetCurSel(job == 1 ? 1 : (job == 3 ? 2 : 0));
    }
}

bool CAerieBeastBreedItem::OnMouseMove(int x, int y)
{
    m_Rows.Hover(x, y, static_cast<int>(AerieView::BeastList().size()));
    return CORVWindow::OnMouseMove(x, y);
}

bool CAerieBeastBreedItem::OnLButtonUp(int x, int y)
{
    if (m_Rows.Select(x, y, static_cast<int>(AerieView::BeastList().size()))) {
        Guide().OnStepEvent(6);
    }
    return CORVWindow::OnLButtonUp(x, y);
}

bool CAerieBeastBreedItem::OnMessage(ORVMsg* msg)
{
    if (msg == nullptr || msg->m_pSender == nullptr) {
        return true;
    }
    if (FollowChoice(m_pJobFilter, msg)) {
        return true;
    }
    CORVControl* sender = msg->m_pSender;
    if (msg->m_nId != kNotifyLeftClick) {
        return true;
    }
    if (sender == m_pTabs) {
        if (AskForTab(this, m_pTabs, m_nPage) && m_pTabs->m_nCurSel == 1) {
            Guide().OnStepEvent(8);
        }
    } else if (sender == m_pJobChangeBtn) {
        ShowJobChoice(true);
    } else if (sender == m_pCancelBtn) {
        ShowJobChoice(false);
    } else if (sender == m_pOkBtn) {
        // A first job costs nothing; changing a job takes a card, asked about unless switched off.
        const bool ask = AerieView::GetOwnBeast().m_wJob != 0 &&
                         AskWithCheckIfNeeded(AerieConfigKey::ChangeJobHint, "守护兽转职需要消耗一张守护兽转职卡，你确定要转职吗？",
                                              "不再提示我", ORVMsg(ORV_MSG_GAMEWND, EVT_CHANGE_JOB));
        if (!ask) {
            SendJobChange();
        }
    } else if (sender == m_pRegisterBtn) {
        if (AerieView::GetOwnBeast().m_wJob == 0) {
            GameTip("守护兽转职后可进行登记");
        } else {
            SendRegistration(1);
        }
    } else if (sender == m_pSearchBtn) {
        if (m_pNameEdit != nullptr && m_pJobFilter != nullptr) {
            m_Rows.SelectEntry(-1);
            m_Rows.ClearHover();
            const int filter = m_pJobFilter->m_nCurSel;
            const u16 mask = filter >= 0 && filter < kJobCount ? static_cast<u16>(1u << kScreenJobs[filter]) : kAnyJobMask;
            Request().FetchBeastList(mask, m_pNameEdit->GetText());
        }
    } else if (sender == m_pBreedBtn) {
        const std::vector<AerieBeastEntry>& list = AerieView::BeastList();
        if (list.empty()) {
            return true;
        }
        const int entry = m_Rows.SelectedEntry();
        if (entry < 0) {
            GameTip("请选择要繁殖的守护兽");
            return true;
        }
        const ORVLifeWatch life = Watch();
        Guide().OnStepEvent(7);
        if (!life.expired()) {
            Request().BreedBeast(AerieView::BeastList(), entry);
        }
    } else if (sender == m_pCloseButton) {
        Close();
    }
    return true;
}

bool CAerieBeastBreedItem::ProcessMessage(ORVMsg* msg)
{
    if (msg != nullptr && msg->m_nId == ORV_MSG_LBUTTONDBLCLK) {
        return true;
    }
    if (msg != nullptr && msg->m_nId == ORV_MSG_GAMEWND) {
        if (msg->m_wParam == EVT_BEAST_LIST) {
            m_Rows.SetFirst(0);
            m_Rows.ClearHover();
            m_Rows.SelectEntry(-1);
            return true;
        }
        if (msg->m_wParam == EVT_CHANGE_JOB) {
            RememberConfirmAnswer(*msg);
            SendJobChange();
            return true;
        }
    }
    return CORVWindow::ProcessMessage(msg);
}

// ---- CAerieHatchPage ----

CAerieHatchPage::CAerieHatchPage()
{
    m_bDraggable = 0;
}

CAerieHatchPage::~CAerieHatchPage() = default;

void CAerieHatchPage::SetArgs(int arg, std::string)
{
    m_nPage = arg;
}

void CAerieHatchPage::CreatePageControls(u16 baseFrame, int count)
{
    CreatePageCloseButton(this);
    m_pTabs = CreatePageTabs(this, baseFrame, count, m_nPage);
    for (int i = 0; i < 3; ++i) {
        auto* incubator = new (std::nothrow) CAerieMonsterEggItem();
        m_pIncubators[i] = incubator;
        if (incubator == nullptr) {
            continue;
        }
        AddChild(incubator, false);
        incubator->Create(this);
        incubator->m_wIndex = static_cast<u16>(i);
        incubator->m_nEggKind = CAerieMonsterEggItem::kIncubator;
        incubator->m_bVisible = 1;
        incubator->m_bEnabled = 1;
        incubator->CreateIncubatorControls();
        incubator->SetPos(80 + 190 * i, 80);
    }
}

void CAerieHatchPage::SetTool(i32 tool)
{
    m_nTool = tool;
    for (CAerieMonsterEggItem* incubator : m_pIncubators) {
        if (incubator != nullptr) {
            incubator->m_nTool = tool;
        }
    }
}

void CAerieHatchPage::PickTool(i32 tool)
{
    SetTool(tool);
    if (CHostCallBackGuard* host = ORVCallBack()) {
        host->ResetImageAnimation(HatchToolCursorFrame(tool), kImageSetWindow, 0, 0);
    }
}

bool CAerieHatchPage::OnClick(int kind)
{
    if (kind == 1) {
        SetTool(kHatchToolNone);
    }
    return CORVWindow::OnClick(kind);
}

bool CAerieHatchPage::OnMessage(ORVMsg* msg)
{
    if (msg == nullptr || msg->m_pSender == nullptr) {
        return true;
    }
    CORVControl* sender = msg->m_pSender;
    if (msg->m_nId == kNotifyClose) {
        m_ChildWnd.CloseIfFrom(sender);
    } else if (msg->m_nId != kNotifyLeftClick) {
        return true;
    } else if (sender == m_pTabs) {
        AskForTab(this, m_pTabs, m_nPage);
    } else if (sender == m_pCloseButton) {
        Close();
    } else {
        OnButton(sender);
    }
    return true;
}

bool CAerieHatchPage::ProcessMessage(ORVMsg* msg)
{
    if (msg != nullptr && msg->m_nId == ORV_MSG_GAMEWND) {
        switch (msg->m_wParam) {
        case EVT_INCUBATORS_CHANGED:
            for (CAerieMonsterEggItem* incubator : m_pIncubators) {
                if (incubator != nullptr) {
                    incubator->RefreshHiredFriend();
                }
            }
            return true;
        case EVT_HATCH_TOOL_OFF:
        case EVT_EGG_MENU_TOOL_OFF:
            SetTool(kHatchToolNone);
            return true;
        default:
            if (OnPageEvent(msg)) {
                return true;
            }
            break;
        }
    }
    return CORVWindow::ProcessMessage(msg);
}

void CAerieHatchPage::OnDrawOverlay()
{
    const int frame = HatchToolCursorFrame(m_nTool);
    CHostCallBackGuard* host = ORVCallBack();
    if (frame == 0 || host == nullptr) {
        return;
    }
    host->DrawImage(static_cast<int>(g_nMouseX) - 40, static_cast<int>(g_nMouseY) - 110, frame, kImageSetWindow,
                    0xFFFFFFFF, 0, 0);
    host->StepImageAnimation(frame, kImageSetWindow);
}

// ---- CAerieBeastHatchItem ----

CAerieBeastHatchItem::CAerieBeastHatchItem()
{
    m_nPage = 1;
}

CAerieBeastHatchItem::~CAerieBeastHatchItem() = default;

void CAerieBeastHatchItem::OnCreate()
{
    CreatePageControls(185, 2);
    CreateButton(520, 470, &m_pSmashBtn, 203, true, true, "砸蛋");
    Guide().SetStepTarget(14, m_pSmashBtn);
    CreateButton(570, 470, &m_pDiscardBtn, 206, true, true, "丢弃");
    CreateButton(620, 470, &m_pViewPlayersBtn, 299, true, true, "查看当前可雇用玩家状态");
    m_pEggBag = new (std::nothrow) CAerieMonsterEggBagItem();
    if (m_pEggBag != nullptr) {
        AddChild(m_pEggBag, false);
        m_pEggBag->Create(this);
        Guide().SetStepTarget(9, m_pEggBag);
    }
    // The incubators in front of the bag, as they were created after it.
    for (CAerieMonsterEggItem* incubator : m_pIncubators) {
        if (incubator != nullptr) {
            BringToFront(incubator);
        }
    }
    Guide().SetStepTarget(15, m_pIncubators[0]);
}

void CAerieBeastHatchItem::SetTool(i32 tool)
{
    CAerieHatchPage::SetTool(tool);
    if (m_pEggBag != nullptr) {
        for (CAerieMonsterEggItem* egg : m_pEggBag->m_pEggs) {
            if (egg != nullptr) {
                egg->m_nTool = tool;
            }
        }
    }
}

void CAerieBeastHatchItem::OpenSlaveWnd(int n)
{
    m_SlaveWnd.Open(ORV_RUNTIME_CLASS(CAerieSlaveRelationWnd), n);
}

void CAerieBeastHatchItem::OnButton(CORVControl* sender)
{
    if (sender == m_pSmashBtn) {
        PickTool(kHatchToolSmash);
        Guide().OnStepEvent(14);
    } else if (sender == m_pDiscardBtn) {
        PickTool(kHatchToolDiscard);
    } else if (sender == m_pViewPlayersBtn) {
        OpenSlaveWnd(0);
        if (auto* list = dynamic_cast<CAerieSlaveRelationWnd*>(m_SlaveWnd.Get())) {
            list->ViewOnly();
        }
    }
}

bool CAerieBeastHatchItem::OnPageEvent(ORVMsg* msg)
{
    switch (msg->m_wParam) {
    case EVT_INCUBATOR_SELECTED:
        OpenSlaveWnd(static_cast<int>(msg->m_lParam));
        return true;
    case EVT_FIRST_HATCH: {
        const ORVLifeWatch life = Watch();
        Request().HatchFirstEggNow();
        if (!life.expired()) {
            Guide().SetStep(14);
        }
        return true;
    }
    case EVT_SLAVE_HIRED:
        m_SlaveWnd.Close();
        return true;
    default:
        return false;
    }
}

// ---- CAerieBeastHatchOtherItem ----

CAerieBeastHatchOtherItem::CAerieBeastHatchOtherItem() = default;
CAerieBeastHatchOtherItem::~CAerieBeastHatchOtherItem() = default;

void CAerieBeastHatchOtherItem::OnCreate()
{
    CreatePageControls(188, 1);
    CreateButton(520, 470, &m_pStealBtn, 209, true, true, "顺手牵羊");
    CreateButton(570, 470, &m_pFriendsBtn, 116, true, true, "好友");
    CreateButton(620, 470, &m_pReturnBtn, 212, true, true, "返回");
}

void CAerieBeastHatchOtherItem::OnButton(CORVControl* sender)
{
    if (sender == m_pStealBtn) {
        PickTool(kHatchToolSteal);
    } else if (sender == m_pFriendsBtn) {
        m_nTool = kHatchToolNone;   // the incubators keep theirs
        m_FriendWnd.Toggle(ORV_RUNTIME_CLASS(CAerieHatchRelationWnd), false, 0);
    } else if (sender == m_pReturnBtn) {
        // The cursor goes with the request; without it the page stays as it was.
        const ORVLifeWatch life = Watch();
        if (Request().VisitOwnCity() && !life.expired()) {
            m_nTool = kHatchToolNone;
        }
    }
}
