#include "aerie/windows/AerieChooseBeast.h"

#include <cmath>
#include <new>

#include "aerie/state/AerieEvents.h"
#include "aerie/state/AerieRequest.h"
#include "aerie/state/XmlAerieMgr.h"
#include "aerie/windows/AerieNewBie.h"
#include "aerie/windows/AerieWndUtil.h"
#include "framework/core/GameHooks.h"
#include "framework/widgets/ORVButton.h"
#include "framework/window/ORVMsgBox.h"
#include "platform/Platform.h"

ORV_IMPLEMENT_RUNTIME_CLASS(CAerieChooseBeastItem, CORVControl)
ORV_IMPLEMENT_RUNTIME_CLASS(CAerieChooseBeastWnd, CORVWindow)

namespace {

struct ChooseBeastRecords {
    ChooseBeastRecords() { SetSystemWindowRecord(ORV_MSG_CHOOSEBEAST, ORV_RUNTIME_CLASS(CAerieChooseBeastWnd)); }
};
const ChooseBeastRecords g_ChooseBeastRecords;

constexpr u16 kBackFrame = 9;
constexpr int kCloseRight = 36;
constexpr int kCloseTop = 4;
constexpr int kDescWidth = 490;

const char kDescText[] =
    "琉璃台的守护兽，每个人只可拥有一只守护兽，它能和其它不同性别的守护兽进行繁殖产下新的怪物蛋，"
    "怪物蛋孵化成怪物工人，进行生产，研究，战斗等行为来建设和保卫你的城堡。";
const char kNoticeText[] =
    "请务必根据提示完成新手任务，了解琉璃台基本玩法以及操作，否则下次进入琉璃台时，将重新开始新手任务，"
    "之前所有操作将被还原，直至新手任务完成为止。";

}  // namespace

// ---- CAerieChooseBeastItem ----

CAerieChooseBeastItem::CAerieChooseBeastItem() = default;
CAerieChooseBeastItem::~CAerieChooseBeastItem() = default;

void CAerieChooseBeastItem::OnCreate()
{
    m_nNameX = 52;
    m_nNameY = 92;
    m_nLayout1 = 1;
    m_nLayout2 = 2;
    m_dwPeriod = 400;
    m_nMaxOffset = 4;
}

void CAerieChooseBeastItem::SetBeast(int index, bool second)
{
    const CXmlBeast* beast = CXmlAerieMgr::GetSingleton()->GetBeastByIndex(index, second);
    if (beast != nullptr) {
        m_Beast.m_nNum = beast->m_nNum;
        m_Beast.m_nType = beast->m_nType;
        m_Beast.m_strName = beast->m_strName;
        m_Beast.m_nSex = beast->m_nSex;
        m_Beast.m_nTex = beast->m_nTex;
        m_Beast.m_nIcon = beast->m_nIcon;
        m_bValid = 1;
    } else {
        m_Beast.m_nNum = 0;
        m_Beast.m_nType = 0;
        m_Beast.m_strName.clear();
        m_Beast.m_nSex = 0;
        m_Beast.m_nTex = 0;
        m_Beast.m_nIcon = 0;
        m_bValid = 0;
    }
    m_bAnimating = 0;
    m_dwStamp = 0;
}

void CAerieChooseBeastItem::SetSelected(bool selected, u32 now)
{
    m_bAnimating = selected ? 1 : 0;
    m_dwStamp = selected ? now : 0;
}

int CAerieChooseBeastItem::PictureOffset(u32 now, bool hover)
{
    if (!m_bAnimating) {
        return hover ? m_nMaxOffset : 0;
    }
    if (now - m_dwStamp > m_dwPeriod) {
        m_dwStamp = now;
    }
    if (m_dwPeriod == 0) {
        return 0;
    }
    const double part = static_cast<double>(now - m_dwStamp) / static_cast<double>(m_dwPeriod);
    return static_cast<int>(std::lround(static_cast<double>(m_nMaxOffset) * part));
}

// ---- CAerieChooseBeastWnd ----

CAerieChooseBeastWnd::CAerieChooseBeastWnd() = default;

CAerieChooseBeastWnd::~CAerieChooseBeastWnd()
{
    DeliverFrameworkMsg(ORV_MSG_MSGBOX, kSysWndClose);
    DeliverFrameworkMsg(ORV_MSG_POPMENU, kSysWndClose);
    DeliverFrameworkMsg(ORV_MSG_SPLITWND, kSysWndClose);
}

void CAerieChooseBeastWnd::OnCreate()
{
    Guide().BuildSteps();
    Guide().SetStep(1);

    SetTitle("选择守护兽", 365, 15, 0xFFFFFFFF, 1);
    InitFrame(this, kBackFrame, kCloseRight, kCloseTop);

    CreateButton(91, 552, &m_pOkBtn, 9, true, true, "");
    Guide().SetStepTarget(4, m_pOkBtn);

    m_pSexGroup = new (std::nothrow) CORVRadioGroup();
    if (m_pSexGroup != nullptr) {
        AddChild(m_pSexGroup, false);
        m_pSexGroup->CreateGroup(this, 80, 40, 155, 2, 0, 73, false);
        m_pSexGroup->SetItemTip(0, "男性");
        m_pSexGroup->SetItemTip(1, "女性");
        Guide().SetStepTarget(2, m_pSexGroup);
    }

    for (int i = 0; i < kItemCount; ++i) {
        auto* item = new (std::nothrow) CAerieChooseBeastItem();
        if (item == nullptr) {
            continue;
        }
        AddChild(item, false);
        item->CreateAt(this, 30 + 120 * (i % 2), 95 + 110 * (i / 2), CAerieChooseBeastItem::kWidth,
                       CAerieChooseBeastItem::kHeight);
        m_pItem[i] = item;
    }
    FillItems();
    Guide().SetStepTarget(3, m_pItem[orv::platform::Get().Rand() % kItemCount]);

    m_Desc.SetText(kDescText, kDescWidth, 0xFFFFFFFF, 1);
    ORVMsgBoxQueue::GetSingleton().ShowOkBox(ORVMsg(ORV_MSG_CHOOSEBEAST, kChooseBeastNoticeRead), kNoticeText);
}

void CAerieChooseBeastWnd::FillItems()
{
    const bool female = m_pSexGroup != nullptr && m_pSexGroup->m_nCurSel != 0;
    for (int i = 0; i < kItemCount; ++i) {
        if (m_pItem[i] != nullptr) {
            m_pItem[i]->SetBeast(i, female);
        }
    }
}

void CAerieChooseBeastWnd::SelectItem(int index)
{
    const u32 now = TickNow();
    for (int i = 0; i < kItemCount; ++i) {
        if (m_pItem[i] != nullptr) {
            m_pItem[i]->SetSelected(i == index, now);
        }
    }
}

void CAerieChooseBeastWnd::ConfirmBeast()
{
    const CAerieChooseBeastItem* chosen = nullptr;
    for (const CAerieChooseBeastItem* item : m_pItem) {
        if (item != nullptr && item->m_bValid && item->m_bAnimating) {
            chosen = item;
            break;
        }
    }
    if (chosen == nullptr) {
        GameTip("请选择一个宠物兽");
        return;
    }
    if (!CAerieRequest::GetSingleton().ChooseBeast(static_cast<u16>(chosen->m_Beast.m_nType),
                                                   static_cast<u16>(chosen->m_Beast.m_nSex))) {
        return;   // nothing went out: the chooser stays for another try
    }
    Close();
    Guide().OnStepEvent(4);
}

bool CAerieChooseBeastWnd::OnMessage(ORVMsg* msg)
{
    if (msg == nullptr || msg->m_nId != kNotifyLeftClick || msg->m_pSender == nullptr) {
        return CORVWindow::OnMessage(msg);
    }
    CORVControl* sender = msg->m_pSender;
    if (sender == m_pOkBtn) {
        ConfirmBeast();
        return true;
    }
    if (sender == m_pSexGroup) {
        FillItems();
        Guide().OnStepEvent(2);
        return true;
    }
    for (int i = 0; i < kItemCount; ++i) {
        if (sender == m_pItem[i]) {
            if (m_pItem[i]->m_bValid) {
                SelectItem(i);
                Guide().OnStepEvent(2);
                Guide().OnStepEvent(3);
            }
            return true;
        }
    }
    return CORVWindow::OnMessage(msg);   // the close button closes
}

bool CAerieChooseBeastWnd::ProcessMessage(ORVMsg* msg)
{
    if (msg != nullptr && msg->m_nId == ORV_MSG_CHOOSEBEAST && msg->m_wParam == kChooseBeastNoticeRead) {
        Guide().OnStepEvent(1);
        return true;
    }
    return CORVWindow::ProcessMessage(msg);
}
