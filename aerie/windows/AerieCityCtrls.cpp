#include "aerie/windows/AerieCityCtrls.h"

#include "aerie/state/AerieConfigMgr.h"
#include "aerie/state/XmlAerieRecords.h"
#include "aerie/windows/AerieCityView.h"
#include "aerie/state/AerieEvents.h"
#include "framework/core/ORVCallBack.h"
#include "framework/widgets/ORVButton.h"
#include "framework/widgets/ORVToolTip.h"

ORV_IMPLEMENT_RUNTIME_CLASS(CAerieButton, CORVControl)
ORV_IMPLEMENT_RUNTIME_CLASS(CAerieBuildingCtrl, CORVControl)
ORV_IMPLEMENT_RUNTIME_CLASS(CAerieSubOperCtrl, CORVControlContainer)

namespace {

// Tooltip styles of a building's lines.
constexpr int kTipStyleTitle = 1;
constexpr int kTipStyleUpgrading = 3;
constexpr int kTipStyleHint = 12;
constexpr int kTipAlign = 1;

bool LevelShownBySettings()
{
    return CAerieConfigMgr::GetSingleton()->GetValue(AerieConfigKey::AerieBuildingLevelShow) != 0;
}

bool HitImage(int x, int y, int frame)
{
    CHostCallBackGuard* host = ORVCallBack();
    return host != nullptr && host->HitTestImage(x, y, frame, kImageSetWindow);
}

}  // namespace

std::string FormatBuildingEffect(const CXmlBuilding& cfg, i32 level)
{
    return BoundedFormat(kShortTextBound, cfg.m_strBriefDes, cfg.GetEffect(level));
}

std::string FormatBuildingTitle(const CXmlBuilding& cfg, i32 level)
{
    return cfg.m_strName + BoundedFormat(kShortTextBound, "%1%级", level);
}

void GetUpgradeMarkerPos(const CXmlBuilding& cfg, i32 level, int* x, int* y)
{
    *x = cfg.GetLvlTextX(level) + 10 + (level > 9 ? 10 : 0);
    *y = cfg.GetLvlTextY(level) - 2;
}

// ---- CAerieButton ----

CAerieButton::CAerieButton() = default;
CAerieButton::~CAerieButton() = default;

void CAerieButton::OnCreate()
{
    m_bShowLevel = LevelShownBySettings() ? 1 : 0;
}

void CAerieButton::SetArgs(int arg, std::string)
{
    m_wFrame = static_cast<u16>(arg);
}

bool CAerieButton::HitTest(int x, int y)
{
    return HitImage(x, y, m_wFrame);
}

u32 CAerieButton::GetShownLevel(int* dx, int* dy) const
{
    switch (m_wFrame) {
    case kGardenFrame:
        *dx = 47;
        *dy = 63;
        return AerieView::GetGardenLevel();
    case kRestaurantFrame:
        *dx = 50;
        *dy = 75;
        return AerieView::GetRestaurantLevel();
    default:
        *dx = 60;
        *dy = 60;
        return 0;
    }
}

// ---- CAerieBuildingCtrl ----

CAerieBuildingCtrl::CAerieBuildingCtrl() = default;
CAerieBuildingCtrl::~CAerieBuildingCtrl() = default;

void CAerieBuildingCtrl::OnCreate()
{
    m_bShowLevel = LevelShownBySettings() ? 1 : 0;
}

void CAerieBuildingCtrl::SetArgs(int arg, std::string)
{
    if (arg >= 0 && static_cast<u32>(arg) < AerieView::kBuildingCount) {
        m_nBuildingId = static_cast<u32>(arg);
    }
}

bool CAerieBuildingCtrl::GetShown(const CXmlBuilding** cfg, u16* level) const
{
    *cfg = AerieView::FindBuildingConfig(m_nBuildingId);
    return *cfg != nullptr && AerieView::GetBuildingLevel(m_nBuildingId, level);
}

bool CAerieBuildingCtrl::HitTest(int x, int y)
{
    const CXmlBuilding* cfg = nullptr;
    u16 level = 0;
    return GetShown(&cfg, &level) && HitImage(x, y, cfg->GetLooksTex(level));
}

bool CAerieBuildingCtrl::OnMouseEnter(int x, int y, CORVControl* prev)
{
    const CXmlBuilding* cfg = nullptr;
    u16 level = 0;
    if (GetShown(&cfg, &level)) {
        try {
            CORVToolTip& tip = CORVToolTip::GetSingleton();
            tip.Reset();
            tip.AddText(kTipStyleTitle, FormatBuildingTitle(*cfg, level), kTipAlign);
            tip.AddText(kTipStyleTitle, FormatBuildingEffect(*cfg, level), kTipAlign);
            if (AerieView::IsBuildingUpgrading(m_nBuildingId)) {
                tip.AddText(kTipStyleUpgrading, "升级中", kTipAlign);
            }
            tip.AddText(kTipStyleHint, "(点击进行操作)", kTipAlign);
        } catch (...) {
            // A tooltip that cannot be built is left as far as it got.
        }
    }
    return CORVControl::OnMouseEnter(x, y, prev);
}

// ---- CAerieSubOperCtrl ----

CAerieSubOperCtrl::CAerieSubOperCtrl() = default;
CAerieSubOperCtrl::~CAerieSubOperCtrl() = default;

void CAerieSubOperCtrl::Show(CORVControl* owner)
{
    m_bVisible = 1;
    m_bEnabled = 1;
    ClearButtons();
    if (AerieView::IsOwnCityShown()) {
        AddSubButton(kInfoFrame, "信息");
    }
    AddSubButton(kProductionFrame, "生产情况");
    LayoutSubButtons(owner);
}

void CAerieSubOperCtrl::ClearButtons()
{
    const std::vector<CORVButton*> buttons = std::move(m_vButtons);
    m_vButtons.clear();
    for (CORVButton* button : buttons) {
        DeleteChild(button);
    }
}

void CAerieSubOperCtrl::AddSubButton(u16 frame, const std::string& tooltip)
{
    CORVButton* button = nullptr;
    CreateButton(0, 0, &button, frame, true, true, tooltip);
    if (button == nullptr) {
        return;
    }
    // The caption place below the button and its flags, as every sub-button has them.
    button->m_nCaptionFlag1 = 1;
    button->m_nCaptionX = 18;
    button->m_nCaptionY = 38;
    button->m_nCaptionFlag2 = 0;
    m_vButtons.push_back(button);
}

void CAerieSubOperCtrl::LayoutSubButtons(CORVControl* owner)
{
    const int n = static_cast<int>(m_vButtons.size());
    if (n <= 0 || owner == nullptr) {
        Hide();
        SetSize(0, 0);
        return;
    }
    const int width = 47 * n - 10;
    SetSize(width, 34);
    m_bVisible = 1;
    SetPos(owner->m_nX + owner->m_nWidth / 2 - width / 2, owner->m_nY - 54);
    for (int i = 0; i < n; ++i) {
        m_vButtons[i]->SetPos(47 * i, 0);
    }
}

void CAerieSubOperCtrl::Hide()
{
    m_bVisible = 0;
    m_bEnabled = 0;
}

bool CAerieSubOperCtrl::OnMouseEnter(int x, int y, CORVControl* prev)
{
    m_bVisible = 1;
    m_bEnabled = 1;
    return CORVControlContainer::OnMouseEnter(x, y, prev);
}

bool CAerieSubOperCtrl::OnChildMouseEnter(CORVControl* child, CORVControl* prev)
{
    m_bVisible = 1;
    m_bEnabled = 1;
    return CORVControlContainer::OnChildMouseEnter(child, prev);
}

bool CAerieSubOperCtrl::OnMouseLeave(int x, int y, CORVControl* next)
{
    Hide();
    return CORVControlContainer::OnMouseLeave(x, y, next);
}

bool CAerieSubOperCtrl::OnChildMouseLeave(CORVControl* child, CORVControl* next)
{
    if (next != this && !HasChild(next)) {
        Hide();
    }
    return CORVControlContainer::OnChildMouseLeave(child, next);
}

bool CAerieSubOperCtrl::OnMessage(ORVMsg* msg)
{
    if (msg == nullptr || msg->m_nId != kNotifyLeftClick || msg->m_pSender == nullptr) {
        return true;
    }
    for (CORVButton* button : m_vButtons) {
        if (button != msg->m_pSender) {
            continue;
        }
        if (button->m_wFrame == kInfoFrame || button->m_wFrame == kProductionFrame) {
            Hide();
            PostGameEvent(button->m_wFrame == kInfoFrame ? EVT_INFO_WND : EVT_PRODUCTINFO_WND);
        }
        break;
    }
    return true;
}
