#include "aerie/windows/AerieTechnologyWnd.h"

#include <algorithm>
#include <cstdint>
#include <new>

#include "aerie/state/XmlAerieRecords.h"
#include "aerie/windows/AerieBuildingWnds.h"
#include "aerie/windows/AerieCityView.h"
#include "aerie/windows/AerieInfoCtrls.h"
#include "aerie/windows/AerieTechnologyItem.h"
#include "aerie/windows/AerieWndRecords.h"
#include "framework/widgets/ORVButton.h"
#include "framework/widgets/ORVScroll.h"
#include "framework/widgets/ORVToolTip.h"

ORV_IMPLEMENT_RUNTIME_CLASS(CAerieTechnologyWnd, CAerieContainer)

namespace {

struct TechnologyWndRegistration {
    TechnologyWndRegistration()
    {
        SetAerieWindowRecord(AerieWndKind::Technology, ORV_RUNTIME_CLASS(CAerieTechnologyWnd));
    }
} g_TechnologyWndRegistration;

// The tooltip of an upgrade button.
constexpr ORVToolTipStyle kUpgradeTipStyle{.m_nMargin = 4,
                                           .m_nFirstLineY = 4,
                                           .m_nFrameStyle = 1,
                                           .m_dwFrameColour = 0x8CF09F3F,
                                           .m_nTextStyle = 3,
                                           .m_nBoxWidth = 8,
                                           .m_nBoxHeight = 8,
                                           .m_dwFillColour = 0x80150800,
                                           .m_nWidth = 260};

// Point sums held in 32 bits, saturating.
i32 AddPoints(i32 a, i32 b)
{
    const std::int64_t sum = static_cast<std::int64_t>(a) + b;
    return static_cast<i32>(std::clamp<std::int64_t>(sum, INT32_MIN, INT32_MAX));
}

}  // namespace

CAerieTechnologyWnd::CAerieTechnologyWnd() = default;
CAerieTechnologyWnd::~CAerieTechnologyWnd() = default;

void CAerieTechnologyWnd::SetArgs(int arg, std::string)
{
    m_nLab = std::clamp(arg, 0, kLabs - 1);
}

const CLab* CAerieTechnologyWnd::GetLab() const
{
    return AerieView::FindLab(m_nLab);
}

void CAerieTechnologyWnd::OnCreateControls()
{
    for (int i = 0; i < kRows; ++i) {
        auto* item = new (std::nothrow) CAerieTechnologyItem();
        if (item != nullptr) {
            AddChild(item, false);
            item->CreateAt(this, 188, 185 + 86 * i, CAerieTechnologyItem::kWidth, CAerieTechnologyItem::kHeight);
            m_apItems[i] = item;
        }
    }
    for (int i = 0; i < kRows; ++i) {
        CreateButton(393, 245 + 86 * i, &m_apUpgrade[i], 149, true, true, "");
    }
    m_pTabs = new (std::nothrow) CORVRadioGroup();
    if (m_pTabs != nullptr) {
        AddChild(m_pTabs, false);
        m_pTabs->CreateGroup(this, 20, 38, 125, kLabs, 0, 96, false);
        m_pTabs->SetCurSel(m_nLab);
    }
    CreateButton(23, 110, &m_pLabBuildingBtn, 149, true, true, "");
    m_pScroll = new (std::nothrow) CORVVScroll();
    if (m_pScroll != nullptr) {
        AddChild(m_pScroll, false);
        m_pScroll->SetTrackImage(103);
        m_pScroll->CreateBar(this, 464, 186, 253);
    }
    if (const RuntimeClassRecord* record = ORV_RUNTIME_CLASS(CAerieWorkInfoCtrl)) {
        m_pWorkInfo = CreateChildAt(record, 20, 180, 160, 22, 1, "");
    }
    m_nTotalAvailable = 0;
    for (int lab = 0; lab < kLabs; ++lab) {
        const CLab* record = AerieView::FindLab(lab);
        m_anAvailable[lab] = record != nullptr ? record->m_nPoint : 0;
        m_nTotalAvailable = AddPoints(m_nTotalAvailable, m_anAvailable[lab]);
    }
    RecountPoints();
    SelectLab();
    RefreshItems();
}

void CAerieTechnologyWnd::RecountPoints()
{
    m_nTotalGained = 0;
    for (int lab = 0; lab < kLabs; ++lab) {
        i32 gained = 0;
        if (const CLab* record = AerieView::FindLab(lab)) {
            for (const CXmlTech& tech : record->m_vTechs) {
                gained = AddPoints(gained, tech.GetTotalPoints(AerieView::GetTechLevel(static_cast<u16>(tech.m_nId))));
            }
        }
        m_anGained[lab] = gained;
        m_nTotalGained = AddPoints(m_nTotalGained, gained);
    }
}

void CAerieTechnologyWnd::SelectLab()
{
    if (m_pTabs != nullptr && m_pTabs->m_nCurSel >= 0 && m_pTabs->m_nCurSel < kLabs) {
        m_nLab = m_pTabs->m_nCurSel;
    }
    const CXmlBuilding* building = AerieView::FindBuildingConfig(static_cast<u32>(m_nLab + kFirstLabBuilding));
    m_wLabIcon = building != nullptr ? static_cast<u16>(building->m_nIconTex) : 0;
    const CLab* lab = GetLab();
    m_strLabText = lab != nullptr ? lab->m_strText : std::string();
    const int count = lab != nullptr ? static_cast<int>(std::min<std::size_t>(lab->m_vTechs.size(), 0x7FFFFFFF)) : 0;
    if (m_pScroll != nullptr) {
        m_pScroll->SetRange(std::max(0, count - kRows));
        m_pScroll->SetPos(0);
    }
    for (int i = 0; i < kRows; ++i) {
        if (m_apUpgrade[i] != nullptr) {
            m_apUpgrade[i]->m_bVisible = count >= kRows || i < count ? 1 : 0;
        }
    }
}

const CXmlTech* CAerieTechnologyWnd::TechOfRow(int i) const
{
    const CLab* lab = GetLab();
    const int pos = m_pScroll != nullptr ? m_pScroll->m_nPos : 0;
    return lab != nullptr ? lab->GetTech(pos + i) : nullptr;
}

void CAerieTechnologyWnd::RefreshItems()
{
    for (int i = 0; i < kRows; ++i) {
        CAerieTechnologyItem* item = m_apItems[i];
        if (item == nullptr) {
            continue;
        }
        item->m_pTech = TechOfRow(i);
        if (item->m_pTech != nullptr) {
            item->m_wLevel = AerieView::GetTechLevel(static_cast<u16>(item->m_pTech->m_nId));
            item->RefreshText();
        }
    }
}

void CAerieTechnologyWnd::UpgradeItem(int i)
{
    if (const CXmlTech* tech = TechOfRow(i)) {
        OpenLvlupWnd(static_cast<u16>(tech->m_nId), 1);
    }
}

CORVScroll* CAerieTechnologyWnd::ScrollBar() const
{
    return m_pScroll;
}

bool CAerieTechnologyWnd::OnMessage(ORVMsg* msg)
{
    if (msg == nullptr || msg->m_pSender == nullptr || msg->m_nId != kNotifyLeftClick) {
        return CAerieGameWnd::OnMessage(msg);
    }
    CORVControl* sender = msg->m_pSender;
    if (sender == m_pTabs) {
        SelectLab();
        RefreshItems();
    } else if (sender == m_pLabBuildingBtn) {
        OpenLvlupWnd(static_cast<u16>(m_nLab + kFirstLabBuilding), 0);
    } else {
        for (int i = 0; i < kRows; ++i) {
            // An item's click acts as its row's upgrade button.
            if (sender == m_apUpgrade[i] || sender == m_apItems[i]) {
                UpgradeItem(i);
                return true;
            }
        }
        return CAerieGameWnd::OnMessage(msg);
    }
    return true;
}

bool CAerieTechnologyWnd::OnChildMouseEnter(CORVControl* child, CORVControl* prev)
{
    int row = -1;
    for (int i = 0; i < kRows; ++i) {
        if (child != nullptr && child == m_apUpgrade[i]) {
            row = i;
        }
    }
    const CXmlTech* tech = row >= 0 && m_pScroll != nullptr ? TechOfRow(row) : nullptr;
    if (tech != nullptr) {
        CORVToolTip& tip = CORVToolTip::GetSingleton();
        tip.SetStyle(kUpgradeTipStyle);
        tip.Clear();
        const u16 level = AerieView::GetTechLevel(static_cast<u16>(tech->m_nId));
        if (tech->GetNextPointText(level).empty()) {
            tip.AddText(3, "当前等级已是最高级", 0);
        } else {
            tip.AddText(6, "下一级效果", 0);
            tip.AddText(7, BoundedFormat(kBoxTextBound, tech->m_strDes, tech->GetEffectText(level + 1)), 0);
        }
    }
    return CAerieGameWnd::OnChildMouseEnter(child, prev);
}
