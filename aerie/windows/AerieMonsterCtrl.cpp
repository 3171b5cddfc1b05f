#include "aerie/windows/AerieMonsterCtrl.h"

#include <algorithm>

#include "aerie/state/AerieMonsterGroup.h"
#include "aerie/state/AerieRequest.h"
#include "aerie/state/XmlAerieRecords.h"
#include "aerie/windows/AerieCityView.h"
#include "aerie/windows/AerieMonsterActions.h"
#include "aerie/windows/AerieNewBie.h"
#include "aerie/windows/AerieWndUtil.h"
#include "framework/core/DragIcon.h"
#include "framework/widgets/ORVToolTip.h"

ORV_IMPLEMENT_RUNTIME_CLASS(CAerieMonsterCtrl, CAerieIconCtrl)

namespace {

// Tutorial steps: a drag started (21, 23), a stack moved (22, 24).
constexpr u16 kStepDragStart[] = {21, 23};
constexpr u16 kStepMoved[] = {22, 24};

template <std::size_t N>
void TellSteps(const u16 (&steps)[N])
{
    for (u16 step : steps) {
        Guide().OnStepEvent(step);
    }
}

bool IsDragging()
{
    return GetDragIcon().m_nSource >= 0;
}

}  // namespace

CAerieMonsterCtrl::CAerieMonsterCtrl() = default;
CAerieMonsterCtrl::~CAerieMonsterCtrl() = default;

const AerieMonsterEntry& CAerieMonsterCtrl::GetSlotMonster() const
{
    return AerieView::GetMonster(false, m_wItemId);
}

bool CAerieMonsterCtrl::HasMonster() const
{
    return GetSlotMonster().GetMonsterId() != 0;
}

int CAerieMonsterCtrl::GetGroup() const
{
    return std::min<int>(m_wItemId / 10, kIdleGroup);
}

const char* CAerieMonsterCtrl::BusyText() const
{
    const CAerieMonsterGroup& group = AerieView::GetOwnGroup(GetGroup());
    if (group.IsEngineering()) {
        return "该怪物所在小组正在进行工程，请结束后再进行相关操作！";
    }
    if (group.IsFighting()) {
        return "该怪物所在小组正在进行战斗，请结束后再进行相关操作！";
    }
    return nullptr;
}

bool CAerieMonsterCtrl::CheckGroupBusy() const
{
    const char* text = BusyText();
    if (text == nullptr) {
        return false;
    }
    GameTip(text);
    return true;
}

void CAerieMonsterCtrl::StartDrag()
{
    const AerieMonsterEntry& entry = GetSlotMonster();
    ORVDragIcon& drag = GetDragIcon();
    drag.m_bDragging = 1;
    drag.m_wFrame = entry.m_pConfig != nullptr ? static_cast<u16>(entry.m_pConfig->m_nPic) : 0;
    drag.m_wSet = kImageSetWindow;
    drag.m_nSource = m_wItemId;
    TellSteps(kStepDragStart);
}

void CAerieMonsterCtrl::SendMove()
{
    // The drag stays until the server's reply (Recv 23) ends it.
    CAerieRequest::GetSingleton().MoveMonster(static_cast<u16>(GetDragIcon().m_nSource & 0xFFFF), m_wItemId);
}

bool CAerieMonsterCtrl::OnMouseMove(int, int)
{
    // The busy tip came with the press; a move only checks.
    if (IsCaptured() && HasMonster() && m_bReadOnly == 0 && BusyText() == nullptr) {
        StartDrag();
    }
    if (!m_strToolTip.empty()) {
        CORVToolTip& tip = CORVToolTip::GetSingleton();
        tip.Reset();
        tip.AddText(m_nToolTipStyle, m_strToolTip, 1);
    }
    return true;
}

bool CAerieMonsterCtrl::OnMouseEnter(int x, int y, CORVControl* prev)
{
    CORVToolTip& tip = CORVToolTip::GetSingleton();
    tip.Reset();
    const AerieMonsterEntry& entry = GetSlotMonster();
    if (m_bAvailable == 0) {
        tip.AddText(7, BoundedFormat(kBoxTextBound, "城堡研究所中的“怪物管理”科技升级到%1%级后\n会开启该怪物存储空间。",
                                     static_cast<int>(m_wItemId % 10) - 4), 0);
    } else if (entry.GetMonsterId() != 0 && entry.m_pConfig != nullptr) {
        AddMonsterFigureLines(tip, entry.m_pConfig->m_nTipCol, entry.m_pConfig->m_strName, entry.GetCount(),
                              entry.GetProduction(), entry.GetEngineering(), entry.GetFighting(), kTotalsInBrackets);
        for (const char* note : {"注：点击右键进行拆分、升级、刷新等操作", "升级：可使用绿、蓝色怪物卡将白色怪物升级",
                                 "刷新：可对现有怪物进行刷新，有概率获得绿、", "蓝、紫色怪物，紫色为最高属性"}) {
            tip.AddText(7, note, 0);
        }
    }
    return CAerieIconCtrl::OnMouseEnter(x, y, prev);
}

bool CAerieMonsterCtrl::OnLButtonDown(int x, int y)
{
    if (IsOwnOpen()) {
        CheckGroupBusy();   // the tip only: the press goes on
    }
    return CAerieIconCtrl::OnLButtonDown(x, y);
}

bool CAerieMonsterCtrl::OnDragEnd(int, int, CORVControl* target)
{
    if (target == nullptr && IsDragging()) {
        GetDragIcon().m_bDragging = 0;
        GetDragIcon().m_nSource = -1;
    }
    return true;
}

bool CAerieMonsterCtrl::OnDrop(int, int)
{
    if (IsDragging()) {
        SendMove();
        TellSteps(kStepMoved);
    }
    return true;
}

bool CAerieMonsterCtrl::OnClick(int kind)
{
    const ORVLifeWatch life = Watch();
    if (IsOwnOpen()) {
        if (kind == static_cast<int>(kNotifyLeftClick) && BusyText() == nullptr) {
            if (!IsDragging()) {
                if (HasMonster()) {
                    StartDrag();
                }
            } else {
                if (GetDragIcon().m_nSource == m_wItemId) {
                    GetDragIcon().m_bDragging = 0;
                    GetDragIcon().m_nSource = -1;
                } else {
                    SendMove();
                }
                TellSteps(kStepMoved);
            }
        } else if (kind == static_cast<int>(kNotifyRightClick) && !CheckGroupBusy() && HasMonster()) {
            ShowMonsterMenu(m_wItemId, GetSlotMonster().GetCount(), true, this);
        }
    }
    if (life.expired()) {
        return true;
    }
    return CAerieIconCtrl::OnClick(kind);
}

bool CAerieMonsterCtrl::ProcessMessage(ORVMsg* msg)
{
    if (HandleMonsterRelease(msg, this)) {
        return true;
    }
    if (msg != nullptr && msg->m_nId == ORV_MSG_GAMEWND && msg->m_wParam == EVT_REFRESH_MONSTER) {
        if (msg->m_lParam < 2) {
            PostGameEvent(EVT_GETMONSTER_WND, 1, msg->m_strText);
        } else {
            GameTip("每次只能刷新一个怪物，请先进行拆分。");
        }
        return true;
    }
    return CAerieIconCtrl::ProcessMessage(msg);
}
