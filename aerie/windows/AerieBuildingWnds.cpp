#include "aerie/windows/AerieBuildingWnds.h"

#include "aerie/state/XmlAerieRecords.h"
#include "aerie/windows/AerieCityView.h"
#include "aerie/windows/AerieIconCtrl.h"
#include "aerie/windows/AerieInfoCtrls.h"
#include "aerie/windows/AerieNewBie.h"
#include "aerie/state/AerieEvents.h"
#include "framework/widgets/ORVButton.h"
#include "framework/widgets/ORVScroll.h"

ORV_IMPLEMENT_RUNTIME_CLASS(CAerieBuildingWnd, CAerieContainer)
ORV_IMPLEMENT_RUNTIME_CLASS(CAerieMainCityWnd, CAerieBuildingWnd)
ORV_IMPLEMENT_RUNTIME_CLASS(CAerieGodWnd, CAerieBuildingWnd)
ORV_IMPLEMENT_RUNTIME_CLASS(CAerieBuildingInfoWnd, CAerieContainer)

namespace {

constexpr int kDescWidth = 382;
constexpr u32 kDescColour = 0xFFFFFFFF;
constexpr int kDescFont = 1;

}  // namespace

void OpenLvlupWnd(u16 id, u16 kind)
{
    const bool building = kind == 0;
    if (!AerieView::IsOwnCityShown()) {
        GameTip("不能升级其它玩家的设施");
    } else if (AerieView::IsUpgrading(kind, id)) {
        GameTip(building ? "该建筑已经在升级中" : "该科技已经在升级中");
    } else if (!AerieView::IsMaxLevel(kind, id)) {
        PostGameEvent(EVT_LVLUP_WND, (static_cast<u32>(id) << 16) | kind);
    } else {
        GameTip(building ? "该建筑已经达到顶级" : "该科技已经达到顶级");
    }
}

// ---- CAerieBuildingWnd ----

CAerieBuildingWnd::CAerieBuildingWnd() = default;
CAerieBuildingWnd::~CAerieBuildingWnd() = default;

void CAerieBuildingWnd::SetArgs(int arg, std::string)
{
    if (arg >= 0 && static_cast<u32>(arg) < AerieView::kBuildingCount) {
        m_nBuildingId = static_cast<u32>(arg);
    }
}

u16 CAerieBuildingWnd::FrameImage() const
{
    const CXmlBuilding* cfg = AerieView::FindBuildingConfig(m_nBuildingId);
    return cfg != nullptr ? static_cast<u16>(cfg->m_nWndTex) : 0;
}

void CAerieBuildingWnd::OnCreateControls()
{
    if (const CXmlBuilding* cfg = AerieView::FindBuildingConfig(m_nBuildingId)) {
        m_Desc.SetText(cfg->m_strDetailDes, kDescWidth, kDescColour, kDescFont);
    }
    CreateButton(23, 88, &m_pUpgradeBtn, 149, true, true, "");
    if (m_nBuildingId == 1) {
        Guide().SetStepTarget(30, m_pUpgradeBtn);
    }
}

bool CAerieBuildingWnd::OnMessage(ORVMsg* msg)
{
    if (msg != nullptr && msg->m_nId == kNotifyLeftClick && msg->m_pSender != nullptr &&
        msg->m_pSender == m_pUpgradeBtn) {
        OpenLvlupWnd(static_cast<u16>(m_nBuildingId), 0);
        if (m_nBuildingId == 1) {
            Guide().OnStepEvent(30);
        }
        return true;
    }
    return CAerieGameWnd::OnMessage(msg);   // the close button, the scroll bar
}

// ---- CAerieMainCityWnd ----

CAerieMainCityWnd::CAerieMainCityWnd() = default;

CAerieMainCityWnd::~CAerieMainCityWnd()
{
    PostGameEvent(EVT_SUBWND_DONE);
}

void CAerieMainCityWnd::OnCreateControls()
{
    CAerieBuildingWnd::OnCreateControls();
    if (AerieView::IsOwnCityShown()) {
        CreateButton(132, 378, &m_pBuyBtn, 152, true, true, "");
        CreateButton(272, 378, &m_pExchangeBtn, 314, true, true, "");
    }
    if (const RuntimeClassRecord* record = ORV_RUNTIME_CLASS(CAerieProductInfoCtrl)) {
        m_pProductInfo = CreateChildAt(record, 22, 182, 456, 188, 0, "");
    }
    Guide().SetStepTarget(27, this);
    Guide().SetStepTarget(28, m_pCloseButton);
}

bool CAerieMainCityWnd::OnMessage(ORVMsg* msg)
{
    if (msg != nullptr && msg->m_nId == kNotifyLeftClick && msg->m_pSender != nullptr) {
        if (msg->m_pSender == m_pBuyBtn) {
            PostGameEvent(EVT_BUYRESOURCE_WND);
            Guide().OnStepEvent(27);
            Guide().OnStepEvent(28);
            return true;
        }
        if (msg->m_pSender == m_pExchangeBtn) {
            PostGameEvent(EVT_EXCHANGE_WND);
            return true;
        }
        if (msg->m_pSender == m_pCloseButton) {
            Guide().OnStepEvent(27);
            Guide().OnStepEvent(28);
        }
    }
    return CAerieBuildingWnd::OnMessage(msg);
}

// ---- CAerieGodWnd ----

CAerieGodWnd::CAerieGodWnd() = default;
CAerieGodWnd::~CAerieGodWnd() = default;

void CAerieGodWnd::OnCreate()
{
    const u8 visiting = AerieView::IsOwnCityShown() ? 0 : 1;
    for (int i = 0; i < kIconCount; ++i) {
        auto* icon = new (std::nothrow) CAerieDeadMonsterIcon();
        if (icon == nullptr) {
            continue;
        }
        AddChild(icon, false);
        icon->m_bReadOnly = visiting;
        icon->CreateIcon(this, 29 + 59 * (i % kColumns), 186 + 56 * (i / kColumns), static_cast<u16>(70 + i),
                         CAerieDeadMonsterIcon::kSize, CAerieDeadMonsterIcon::kSize);
        m_pDeadIcons[i] = icon;
    }
    m_pScroll = new (std::nothrow) CORVVScroll();
    if (m_pScroll != nullptr) {
        AddChild(m_pScroll, false);
        m_pScroll->CreateBar(this, 452, 187, 214);
        m_pScroll->SetRange(6);
        m_pScroll->SetPos(m_pScroll->m_nPos);
    }
    CAerieBuildingWnd::OnCreate();
}

CORVScroll* CAerieGodWnd::ScrollBar() const
{
    return m_pScroll;
}

int CAerieGodWnd::GetFirstIndex() const
{
    return FirstShownEntry(m_pScroll != nullptr ? m_pScroll->m_nPos : 0, kColumns, kFirstIndexRow);
}

void CAerieGodWnd::Renumber()
{
    const int first = GetFirstIndex();
    for (int i = 0; i < kIconCount; ++i) {
        if (auto* icon = static_cast<CAerieIconCtrl*>(m_pDeadIcons[i])) {
            icon->m_wItemId = static_cast<u16>(first + i);
        }
    }
}

// ---- CAerieBuildingInfoWnd ----

CAerieBuildingInfoWnd::CAerieBuildingInfoWnd() = default;
CAerieBuildingInfoWnd::~CAerieBuildingInfoWnd() = default;

void CAerieBuildingInfoWnd::OnCreateControls()
{
    if (const RuntimeClassRecord* record = ORV_RUNTIME_CLASS(CAerieWorkInfoCtrl)) {
        m_pWorkInfo = CreateChildAt(record, 0, 0, 160, 22, 0, "");
    }
}

bool CAerieBuildingInfoWnd::OnGameEvent(ORVMsg* msg)
{
    static constexpr GameTopic<CAerieBuildingInfoWnd> kTopics[] = {
        {EVT_RESEND_BUILDING_UPGRADE, &CAerieBuildingInfoWnd::OnResendUpgrade},
        {EVT_RESEND_SCIENCE_UPGRADE, &CAerieBuildingInfoWnd::OnResendUpgrade},
    };
    return DispatchGameEvent(this, msg, kTopics);
}

bool CAerieBuildingInfoWnd::OnResendUpgrade(ORVMsg* msg)
{
    const bool building = msg->m_wParam == EVT_RESEND_BUILDING_UPGRADE;
    const u16 wantedKind = building ? 1 : 2;
    for (int g = 0; g < 3; ++g) {
        if (AerieView::GroupWorksOn(g, wantedKind, msg->m_lParam)) {
            AerieView::SendUpgrade(building ? 0x01 : 0x03, static_cast<u16>(msg->m_lParam), static_cast<u16>(g));
        }
    }
    return false;   // passed on
}

void CAerieBuildingInfoWnd::OnDraw()
{
    if (m_pWorkInfo != nullptr) {
        SetSize(m_pWorkInfo->m_nWidth, m_pWorkInfo->m_nHeight);
    }
}
