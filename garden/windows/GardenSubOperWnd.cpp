#include "garden/windows/GardenSubOperWnd.h"

#include <cstdio>

#include "framework/core/DebugLog.h"
#include "framework/text/TextUtil.h"
#include "framework/widgets/ORVButton.h"
#include "framework/widgets/ORVToolTip.h"
#include "garden/state/GardenDataMgr.h"
#include "garden/state/XmlGardenMgr.h"
#include "garden/windows/GardenGuide.h"

ORV_IMPLEMENT_RUNTIME_CLASS(CGardenSubOperWnd, CORVControlContainer)

namespace L = garden_layout;

namespace {

constexpr u16 kWaterGuideStep = 3;
constexpr int kTipStyle = 2;

// The screen's tool modes the strip sets.
constexpr i32 kModeWater = 3;
constexpr i32 kModeWeed = 4;
constexpr i32 kModeCatchPests = 5;
constexpr i32 kModePick = 7;

struct ToolRow {
    u16 id;
    i32 mode;   // -1: no tool, only closes the strip
};
constexpr ToolRow kTools[] = {
    {CGardenSubOperWnd::kWater, kModeWater},
    {CGardenSubOperWnd::kWeed, kModeWeed},
    {CGardenSubOperWnd::kCatchPests, kModeCatchPests},
    {CGardenSubOperWnd::kPick, kModePick},
    {CGardenSubOperWnd::kPickStatus, -1},
};

void AddTipLine(CORVToolTip& tip, const char* text)
{
    tip.AddText(kTipStyle, text, 0);
}

}  // namespace

CGardenSubOperWnd::CGardenSubOperWnd() = default;
CGardenSubOperWnd::~CGardenSubOperWnd() = default;

void CGardenSubOperWnd::RemoveButtons()
{
    for (ToolButton& b : m_vButtons) {
        DeleteChildAndReset(b.m_pButton);
    }
    m_vButtons.clear();
}

void CGardenSubOperWnd::AddToolButton(u16 id, const char* label, int index)
{
    auto* button = new CORVButton();
    AddChild(button, true);
    button->CreateWithImage(this, kButtonStep * index, 0, id);
    button->m_strCaption = label;
    button->m_nCaptionX = (button->m_nWidth - GetTextWidth(label, kTextSizeDefault)) / 2;
    button->m_nCaptionY = kLabelY;
    m_vButtons.push_back({button, id});
    if (id == kWater) {
        GetGardenGuide().SetTarget(kWaterGuideStep, button);
    }
}

void CGardenSubOperWnd::ShowFor(i32 kind, const CORVControl* anchor)
{
    if (kind == kNone) {
        RemoveButtons();
        m_nKind = kNone;
        Hide();
        return;
    }
    m_bVisible = 1;
    m_bEnabled = 1;
    if (kind == m_nKind) {
        return;
    }
    RemoveButtons();
    m_nKind = kind;
    int n = 0;
    if (kind == kFarmTools) {
        AddToolButton(kWater, "浇水", n++);
        AddToolButton(kWeed, "锄草", n++);
        AddToolButton(kCatchPests, "抓虫", n++);
    } else if (kind == kPickTools) {
        if (GetGardenDataMgr().m_bOwnGarden == 0) {
            AddToolButton(kPick, "采摘", n++);
        }
        AddToolButton(kPickStatus, "采摘状态", n++);
    }
    if (n == 0) {
        Hide();
        SetSize(0, 0);
        return;
    }
    const int width = kButtonStep * n - 10;
    SetSize(width, kStripHeight);
    if (anchor != nullptr) {
        SetPos(anchor->m_nX + anchor->m_nWidth / 2 - width / 2, anchor->m_nY - 50);
    }
    UpdateAbsPos();
}

CORVButton* CGardenSubOperWnd::Button(u16 id) const
{
    for (const ToolButton& b : m_vButtons) {
        if (b.m_wId == id) {
            return b.m_pButton;
        }
    }
    return nullptr;
}

void CGardenSubOperWnd::Hide()
{
    m_bVisible = 0;
    m_bEnabled = 0;
}

bool CGardenSubOperWnd::IsOwnControl(const CORVControl* ctrl) const
{
    if (ctrl == this) {
        return true;
    }
    for (const ToolButton& b : m_vButtons) {
        if (ctrl != nullptr && b.m_pButton == ctrl) {
            return true;
        }
    }
    return false;
}

bool CGardenSubOperWnd::OnMouseEnter(int x, int y, CORVControl* prev)
{
    m_bVisible = 1;
    m_bEnabled = 1;
    return CORVControlContainer::OnMouseEnter(x, y, prev);
}

bool CGardenSubOperWnd::OnMouseLeave(int x, int y, CORVControl* next)
{
    // Moving onto one of its own buttons is not leaving the strip.
    if (!IsOwnControl(next)) {
        Hide();
    }
    return CORVControlContainer::OnMouseLeave(x, y, next);
}

bool CGardenSubOperWnd::OnChildMouseEnter(CORVControl* child, CORVControl*)
{
    if (child != nullptr && child == Button(kPickStatus)) {
        ShowPickStatusTip();
    }
    return true;
}

bool CGardenSubOperWnd::OnChildMouseLeave(CORVControl*, CORVControl* next)
{
    if (!IsOwnControl(next)) {
        Hide();
    }
    return true;
}

bool CGardenSubOperWnd::OnMessage(ORVMsg* msg)
{
    if (msg == nullptr || msg->m_nId != kNotifyLeftClick || msg->m_pSender == nullptr) {
        return true;
    }
    for (const ToolButton& b : m_vButtons) {
        if (b.m_pButton != msg->m_pSender) {
            continue;
        }
        const u16 id = b.m_wId;
        Hide();
        m_nKind = kNone;   // the buttons stay until the next kind replaces them
        for (const ToolRow& tool : kTools) {
            if (tool.id != id || tool.mode < 0) {
                continue;
            }
            if (id == kWater) {
                GetGardenGuide().AdvanceFrom(kWaterGuideStep);
            }
            if (m_pfnSetToolMode != nullptr) {
                m_pfnSetToolMode(tool.mode);
            }
        }
        break;
    }
    return true;
}

bool CGardenSubOperWnd::ShowPickStatusTip()
{
    const CGardenDataMgr& state = GetGardenDataMgr();
    const CXmlGardenMgr& data = GetXmlGardenMgr();
    const int level = state.m_OwnInfo.U16(L::kInfoPickLevel);
    const CStealConfig* row = data.GetStealRow(level + 1);
    const CStealConfig* next = data.GetStealRow(level + 2);
    const CStealConfig* first = data.GetStealRow(1);
    if (row == nullptr || first == nullptr) {
        DebugLog("Error,no pick-skill rows for level %d\n", level + 1);
        return false;
    }
    const u32 exp = state.m_OwnInfo.U32(L::kInfoPickExp);
    const int stamina = state.m_OwnInfo.U16(L::kInfoStamina);
    // Double stamina recovery halves the hours a point takes.
    const double factor = state.m_OwnInfo.U32(L::kInfoDoubleStamina) != 0 ? 2.0 : 1.0;

    CORVToolTip& tip = CORVToolTip::GetSingleton();
    tip.Clear();
    char text[128];
    AddTipLine(tip, "采摘状态");
    AddTipLine(tip, BoundedPrintf(text, sizeof text, "采摘术：%d级", level + 1));
    if (next != nullptr) {
        AddTipLine(tip, BoundedPrintf(text, sizeof text, "采摘经验值：%u/%d", exp, next->m_nExp));
    } else {
        AddTipLine(tip, BoundedPrintf(text, sizeof text, "采摘经验值：%u", exp));
    }
    AddTipLine(tip, BoundedPrintf(text, sizeof text, "体力值：%d/%d", stamina, row->m_nStrength));
    AddTipLine(tip, BoundedPrintf(text, sizeof text, "体力恢复速度：%d%%(%.1f小时恢复1点)",
                                  StaminaRecoveryPercent(*row, *first), HoursPerStaminaPoint(*row) / factor));
    AddTipLine(tip, BoundedPrintf(text, sizeof text, "采摘%d级以下土地作物成功率极高", row->m_nLvl));
    if (next != nullptr) {
        AddTipLine(tip, " ");   // the empty line between the two blocks
        AddTipLine(tip, "下一级");
        AddTipLine(tip, BoundedPrintf(text, sizeof text, "采摘术：%d级", level + 2));
        AddTipLine(tip, BoundedPrintf(text, sizeof text, "体力最大值：%d", next->m_nStrength));
        AddTipLine(tip, BoundedPrintf(text, sizeof text, "体力恢复速度提升至：%d%%(%.1f小时恢复1点)",
                                      StaminaRecoveryPercent(*next, *first), HoursPerStaminaPoint(*next)));
        AddTipLine(tip, BoundedPrintf(text, sizeof text, "采摘%d级以下土地作物成功率极高", next->m_nLvl));
    }
    return true;
}
