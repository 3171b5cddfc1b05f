#include "garden/windows/GardenLandItem.h"

#include <algorithm>
#include <cmath>

#include "framework/control/ORVCtrlMgr.h"
#include "framework/control/SizeSeam.h"
#include "framework/core/DebugLog.h"
#include "framework/text/TextUtil.h"
#include "framework/window/ORVMsgBox.h"
#include "garden/state/ToolCardStore.h"
#include "garden/windows/GardenGuide.h"
#include "garden/windows/GardenPlantItem.h"
#include "garden/windows/GardenTipsWnd.h"
#include "garden/windows/GardenWnd.h"
#include "glimmer/Glimmer.h"
#include "platform/Platform.h"

ORV_IMPLEMENT_RUNTIME_CLASS(CLandItem, CORVControl)
ORV_IMPLEMENT_RUNTIME_CLASS(CLandButtonS, CORVControl)
ORV_IMPLEMENT_RUNTIME_CLASS(CGardenLandItem, CORVControlContainer)

namespace {

namespace L = garden_layout;

constexpr u32 kUntinted = 0xFFFFFFFF;
constexpr u32 kHoverColour = 0x90909090;
constexpr int kRenderNormal = 1;
constexpr int kRenderHighlight = 3;
constexpr u32 kPulseMs = 2500;
constexpr u32 kPulseAlpha = 160;
constexpr u16 kPlantSet = 4;
constexpr u16 kIconSet = 3;
constexpr u16 kTexWeeds = 1, kTexPests = 2, kTexRipe = 498, kTexHarvestA = 13, kTexHarvestB = 14;
constexpr u16 kTexHarvestDigits = 190;
constexpr u32 kHarvestRiseMs = 32;
constexpr int kPlantTypeGene = 1;
constexpr int kBubbleTile = 32;
constexpr u32 kBubbleTextColour = 0xFFFF0000;
constexpr u16 kGuideStepWater = 4, kGuideStepSow = 10;
constexpr u16 kFertiliserA = 7437, kFertiliserB = 7583;

u32 Now() { return orv::platform::Get().GetTickCount(); }

bool OwnGarden() { return GetGardenDataMgr().m_bOwnGarden != 0; }

i32 ToolModeNow()
{
    const CGardenWnd* screen = GetGardenWnd();
    return screen != nullptr ? screen->ToolMode() : ToolNone;
}

// A game event of the screen with a value in the sender field, routed at once.
void ScreenEvent(u32 kind, std::uintptr_t value) { RouteGardenEvent(kMsgGardenTopic, kind, 0, value); }

void DrawTex(u16 set, u16 id, int x, int y, u32 colour = kUntinted) { g_TexMgr.DrawTexture(x, y, id, set, colour, false); }

}  // namespace

// ---- CLandItem ----

CLandItem::CLandItem() = default;
CLandItem::~CLandItem() = default;

void CLandItem::SetLand(const PlotRecord& land)
{
    m_Land = land;
    const int column = (land.m_Bytes[L::kPlotNumber] + 4) % 5;   // (number - 1) mod 5
    const CGardenDataMgr& s = GetGardenDataMgr();
    m_bCanOpen = s.m_bOwnGarden != 0 && LandState(land) == 0 && column + 1 <= s.ShownGardenLevel() ? 1 : 0;
}

bool CLandItem::OnMouseEnter(int x, int y, CORVControl* prev)
{
    const ORVLifeWatch life = Watch();
    CORVControl::OnMouseEnter(x, y, prev);
    if (!life.expired() && m_pParent != nullptr) {
        ORVMsg msg(kMsgGardenTopic, kGardenEventSoilHover, this);
        m_pParent->ProcessMessage(&msg);
    }
    return true;
}

bool CLandItem::OnMouseLeave(int x, int y, CORVControl* next)
{
    const ORVLifeWatch life = Watch();
    CORVControl::OnMouseLeave(x, y, next);
    if (!life.expired() && m_pParent != nullptr) {
        ORVMsg msg(kMsgGardenTopic, kGardenEventSoilHover);
        m_pParent->ProcessMessage(&msg);
    }
    return true;
}

bool CLandItem::OnRButtonUp(int, int)
{
    const ORVLifeWatch life = Watch();
    ScreenEvent(kGardenEventToolNone, 0);
    return life.expired() ? true : OnClick(static_cast<int>(kNotifyLeftClick));
}

bool CLandItem::OnClick(int kind)
{
    if (kind != static_cast<int>(kNotifyLeftClick)) {
        return CORVControl::OnClick(kind);
    }
    const ORVLifeWatch life = Watch();
    ScreenEvent(kGardenEventPlotClicked, m_Land.m_Bytes[L::kPlotNumber]);
    if (life.expired()) {
        return true;
    }
    GardenGuide& guide = GetGardenGuide();
    if (!guide.AdvanceFrom(kGuideStepWater)) {
        guide.AdvanceFrom(kGuideStepSow);
    }
    return CORVControl::OnClick(kind);   // the plot offers its pop-out buttons
}

void CLandItem::OnDraw()
{
    if (m_pTex == nullptr) {
        return;
    }
    m_pTex->DrawTex(m_nAbsX, m_nAbsY, kUntinted);
    if (m_bCanOpen != 0 && OwnGarden()) {
        const u32 alpha = ((Now() % kPulseMs) * kPulseAlpha + kPulseMs / 2) / kPulseMs;
        m_pTex->DrawTex(m_nAbsX, m_nAbsY, alpha << 24);
    }
    if (CORVControl::IsHover()) {
        g_CG.SetRenderMode(kRenderHighlight);
        m_pTex->DrawTex(m_nAbsX, m_nAbsY, kHoverColour);
        g_CG.SetRenderMode(kRenderNormal);
    }
}

bool CLandItem::HitTest(int x, int y)
{
    return m_pTex != nullptr && m_pTex->IsPointInTex(x, y, 1.0f, 1.0f) == 2;
}

// ---- CLandButtonS ----

bool CLandButtonS::OnMouseEnter(int x, int y, CORVControl* prev)
{
    const ORVLifeWatch life = Watch();
    CORVButton::OnMouseEnter(x, y, prev);
    if (!life.expired()) {
        ScreenEvent(kGardenEventPopOutHover, reinterpret_cast<std::uintptr_t>(this));
    }
    return true;
}

bool CLandButtonS::OnMouseLeave(int x, int y, CORVControl* next)
{
    const ORVLifeWatch life = Watch();
    CORVButton::OnMouseLeave(x, y, next);
    if (!life.expired()) {
        ScreenEvent(kGardenEventPopOutHover, 0);
    }
    return true;
}

// ---- CGardenLandItem ----

CGardenLandItem::CGardenLandItem(u16 number) : m_wNumber(number) {}
CGardenLandItem::~CGardenLandItem() = default;

void CGardenLandItem::GridPosition(int number, int* x, int* y)
{
    const int r = (number - 1) / 5;
    const int c = (number - 1) % 5;
    *x = 243 + 88 * c - 89 * r;
    *y = 42 + 44 * c + 43 * r;
}

void CGardenLandItem::OnCreate()
{
    CORVControlContainer::OnCreate();
    int x = 0;
    int y = 0;
    GridPosition(m_wNumber, &x, &y);
    SetSize(kSize, kSize);
    SetPos(x, y);
    m_pTip = new CGardenTipsWnd();
    AddChild(m_pTip, true);
    m_pTip->Create(this);
}

bool CGardenLandItem::IsHover()
{
    CORVCtrlMgr* mgr = CORVCtrlMgr::GetIfAlive();
    return mgr != nullptr && m_pSoil != nullptr && mgr->m_pHover == m_pSoil;
}

bool CGardenLandItem::OnMouseMove(int, int) { return false; }

bool CGardenLandItem::OnLButtonDown(int x, int y)
{
    if (!IsHover()) {
        return false;
    }
    return CORVControlContainer::OnLButtonDown(x, y);
}

bool CGardenLandItem::OnLButtonUp(int x, int y) { return IsHover() && CORVControlContainer::OnLButtonUp(x, y); }
bool CGardenLandItem::OnRButtonDown(int x, int y) { return IsHover() && CORVControlContainer::OnRButtonDown(x, y); }
bool CGardenLandItem::OnRButtonUp(int x, int y) { return IsHover() && OnClick(static_cast<int>(kNotifyLeftClick)); }

void CGardenLandItem::Reload()
{
    const CGardenDataMgr& s = GetGardenDataMgr();
    m_bHasRecord = s.GetPlot(m_wNumber, m_Plot) ? 1 : 0;
    if (m_bHasRecord == 0) {
        m_Plot = PlotRecord{};
        m_Plot.m_Bytes[L::kPlotNumber] = static_cast<u8>(m_wNumber);
    }
    m_bHasPlant = s.GetPlant(m_wNumber, m_Plant) ? 1 : 0;
    m_bPlantFound = 0;
    if (m_bHasPlant != 0) {
        m_bPlantFound = GetXmlGardenMgr().GetPlant(m_Plant.U16(L::kPlantId), m_PlantItem) ? 1 : 0;
        u32 entry = 0;
        m_LevelRow = CLevel{};
        if (s.FindPlantEntry(m_Plant.U16(L::kPlantId), entry)) {
            GetXmlGardenMgr().GetLevelRow(EntryLevel(entry), m_LevelRow);
        }
    }
    m_bPlantShown = m_bHasPlant != 0 && m_bPlantFound != 0 ? 1 : 0;
    const int state = LandState(m_Plot);
    if (m_bHasRecord == 0 || state == 0) {
        m_nSoilFrame = 0;
    } else {
        m_nSoilFrame = m_Plot.m_Bytes[L::kPlotSoilState] + 1;
        if (m_nSoilFrame > 4) {
            m_nSoilFrame = 3;
        }
    }
    UpdateSoil();
    if (m_pTip != nullptr && m_pTip->m_bVisible != 0) {
        UpdateTip(m_pSoil);
    }
}

void CGardenLandItem::UpdateSoil()
{
    if (m_pSoil == nullptr) {
        m_pSoil = new CLandItem();
        AddChild(m_pSoil, true);
        m_pSoil->Create(this);
        if (m_wNumber == 1) {
            GetGardenGuide().SetTarget(kGuideStepWater, m_pSoil);
            GetGardenGuide().SetTarget(kGuideStepSow, m_pSoil);
        }
    }
    CTex* tex = GetGardenDataMgr().GetSoilTexture(m_Plot, static_cast<u16>(m_nSoilFrame));
    int w = 0;
    int h = 0;
    if (tex != nullptr) {
        GetBuildImageSize(tex->m_wId, tex->m_wGroup, &w, &h);
    }
    m_pSoil->SetSize(w, h);
    m_pSoil->SetPos((m_nWidth - w) / 2, m_nHeight - h);
    m_pSoil->SetTexture(tex);
    m_pSoil->SetLand(m_Plot);
    if (!OwnGarden()) {
        RemovePopOuts();
        m_dwHarvestStart = 0;
    }
}

void CGardenLandItem::UpdateTip(CORVControl* soil)
{
    if (m_pTip == nullptr) {
        return;
    }
    if (soil == nullptr) {
        m_pTip->ShowForPlot(nullptr, nullptr, false);
        return;
    }
    m_pTip->ShowForPlot(this, m_bHasRecord != 0 ? &m_Plot : nullptr, m_pSoil != nullptr && m_pSoil->m_bCanOpen != 0);
}

bool CGardenLandItem::ProcessMessage(ORVMsg* msg)
{
    if (msg == nullptr || msg->m_nId != kMsgGardenTopic) {
        return CORVControlContainer::ProcessMessage(msg);
    }
    switch (msg->m_wParam) {
    case kGardenEventPlotText:
        if (msg->m_lParam != m_wNumber) {
            return false;
        }
        m_vLines.push_back(msg->m_strText);
        return true;
    case kGardenEventSoilHover:
        if (msg->m_pSender != nullptr && msg->m_pSender != m_pSoil) {
            return false;
        }
        UpdateTip(msg->m_pSender);
        return msg->m_pSender != nullptr;
    case kGardenEventPopOutHover:
        for (const PopOut& p : m_vPopOuts) {
            if (p.m_pButton == msg->m_pSender) {
                return false;
            }
        }
        UpdateTip(msg->m_pSender != nullptr && IsHover() ? m_pSoil : nullptr);
        return false;
    case kGardenEventHarvest: {
        if (!OwnGarden()) {
            m_dwHarvestStart = 0;
            return false;
        }
        const auto* record = reinterpret_cast<const u8*>(msg->m_pSender);
        if (record == nullptr || ReadLE16(record) != m_wNumber) {
            return false;
        }
        m_dwHarvestStart = std::max<u32>(Now(), 1);
        m_wHarvestCount = ReadLE16(record + 10);
        return true;
    }
    default:
        return CORVControlContainer::ProcessMessage(msg);
    }
}

bool CGardenLandItem::OnMessage(ORVMsg* msg)
{
    if (msg == nullptr || msg->m_nId != kNotifyLeftClick || msg->m_pSender == nullptr) {
        return true;
    }
    if (msg->m_pSender == m_pSoil) {
        if (!m_vPopOuts.empty()) {
            RemovePopOuts();
            return true;
        }
        ShowPopOuts();
        return true;
    }
    for (const PopOut& p : m_vPopOuts) {
        if (p.m_pButton == msg->m_pSender) {
            const u16 action = p.m_wAction;
            const ORVLifeWatch life = Watch();
            DoPopOut(action);
            if (!life.expired()) {
                RemovePopOuts();
            }
            return true;
        }
    }
    return true;
}

void CGardenLandItem::RemovePopOuts()
{
    std::vector<PopOut> old;
    old.swap(m_vPopOuts);
    for (PopOut& p : old) {
        DeleteChild(p.m_pButton);
    }
    m_bAnimating = 0;
}

void CGardenLandItem::ShowPopOuts()
{
    CGardenWnd* screen = GetGardenWnd();
    if (screen != nullptr) {
        for (int n = 1; n <= CGardenWnd::kPlots; ++n) {
            if (CGardenLandItem* plot = screen->Plot(n)) {
                plot->RemovePopOuts();
            }
        }
    } else {
        RemovePopOuts();
    }
    if (ToolModeNow() != ToolNone || m_bHasRecord == 0 || !OwnGarden()) {
        return;
    }
    const int state = LandState(m_Plot);
    const int shownLevel = m_Plot.m_Bytes[L::kPlotSoilLevel] + 1;
    const bool upgrading = (m_Plot.m_Bytes[L::kPlotFlags] & 0x20) != 0;
    const u16 plantedA = m_Plot.U16(L::kPlotPlantedA);
    const bool consistent = plantedA != 0 && plantedA == m_Plot.U16(L::kPlotPlantedB);
    struct Offer {
        u16 action;
        const char* text;
    };
    Offer offers[3];
    int n = 0;
    if (m_pSoil != nullptr && m_pSoil->m_bCanOpen != 0) {
        offers[n++] = {kActionOpen, "开启土地"};
    }
    if ((state == 1 || state == 2) && shownLevel < 6 && shownLevel < GetGardenDataMgr().ShownGardenLevel() && !upgrading &&
        consistent) {
        offers[n++] = {kActionUpgrade, "土地升级"};
    }
    if (m_bHasPlant != 0 && state == 1) {
        offers[n++] = {kActionFertilise, "使用农家肥"};
    }
    const int startX = m_nWidth / 2;
    const int startY = m_nHeight;
    for (int i = 0; i < n; ++i) {
        auto* button = new CLandButtonS();
        AddChild(button, false);
        button->m_strToolTip = offers[i].text;
        button->CreateWithImage(this, startX, startY, offers[i].action);
        PopOut p;
        p.m_pButton = button;
        p.m_wAction = offers[i].action;
        p.m_nStartX = startX;
        p.m_nStartY = startY;
        p.m_nEndX = 60 * i - button->m_nWidth / 2 + (m_nWidth - (60 * n - 60)) / 2;
        p.m_nEndY = m_nHeight - 100;
        m_vPopOuts.push_back(p);
    }
    m_bAnimating = n > 0 ? 1 : 0;
    m_dwPopOutStart = Now();
}

void CGardenLandItem::DoPopOut(u16 action)
{
    char text[256];
    const u16 number = m_wNumber;
    if (action == kActionOpen) {
        BoundedPrintf(text, sizeof text, "开启本块土地需要%d点财富，确定开启吗？",
                      GetXmlGardenMgr().GetOpenPlotPrice(static_cast<u8>(GetGardenDataMgr().ShownGardenLevel())));
        ORVMsgBoxQueue::GetSingleton().ShowOkCancelBox(BoxAnswer(kGardenEventOpenPlot, number), ORVMsg(), text);
    } else if (action == kActionUpgrade) {
        if (m_bHasPlant != 0) {
            ShowTipText("当前土地上有农作物，不能进行升级");
            return;
        }
        const u8 level = m_Plot.m_Bytes[L::kPlotSoilLevel];
        const u8 shown = static_cast<u8>(level + 1);
        std::snprintf(text, sizeof text,
                      "                   土地升级\n                 LV%d --> LV%d\n     升级效果：农作物产量提升至%d%%\n     升级需要%d点财富，确定升级吗？",
                      level + 1, level + 2, GetXmlGardenMgr().GetUpgradePlus(shown), GetXmlGardenMgr().GetUpgradePrice(shown));
        ORVMsgBoxQueue::GetSingleton().ShowOkCancelBox(BoxAnswer(kGardenEventUpgradePlot, number), ORVMsg(), text);
    } else if (action == kActionFertilise) {
        if (!GetToolCardStore().HasItem(kFertiliserA) && !GetToolCardStore().HasItem(kFertiliserB)) {
            ShowTipText("您的农家肥数量不足,请至商城购买吧");
            return;
        }
        ScreenEvent(kGardenEventFertilise, number);
    }
}

bool CGardenLandItem::GuardOver() const
{
    const int guard = GetGuardTime(m_PlantItem, m_LevelRow);
    const u32 t = m_Plant.U32(L::kPlantSeconds);
    return guard == 0 || t >= static_cast<u32>(m_PlantItem.m_nGrowthCycle) * 3600u + static_cast<u32>(guard) * 60u;
}

void CGardenLandItem::DrawPlot(u32 colour)
{
    const int h = m_nHeight;
    const int c = m_nWidth / 2;
    const int ax = m_nAbsX;
    const int ay = m_nAbsY;
    const int state = LandState(m_Plot);
    if (m_bHasRecord == 0) {
        return;
    }
    if (state == 2) {
        DrawTex(kPlantSet, kWitheredImage, ax + c - 70, ay + h - 160, colour);
    } else if (m_bPlantShown != 0) {
        const u32 t = m_Plant.U32(L::kPlantSeconds);
        DrawTex(kPlantSet, GetStageImage(t, m_PlantItem), ax + c - 70, ay + h - 185, colour);
        const u16 id = m_Plant.U16(L::kPlantId);
        if (m_PlantItem.m_nType == kPlantTypeGene && id != 0 && GetGrowthStage(t, m_PlantItem) >= 7 && state == 1) {
            DrawTex(kIconSet, kTexRipe, ax + c + 5, ay + h - 180, colour);
            DrawTex(kPlantSet, GetXmlGardenMgr().GetPlantSeedImage(id), ax + c + 13, ay + h - 183, colour);
        }
    }
    if (state == 1 || state == 2) {
        const u8 flags = m_Plot.m_Bytes[L::kPlotFlags];
        if ((flags & L::kPlotFlagWeeds) != 0) {
            DrawTex(kIconSet, kTexWeeds, ax + c - 90, ay + h - 98, colour);
        }
        if ((flags & L::kPlotFlagPests) != 0) {
            DrawTex(kIconSet, kTexPests, ax + c - 35, ay + h - 65, colour);
        }
    }
}

void CGardenLandItem::RenderChildren()
{
    // Soil and the rest first (the container's own walk, the tooltip and the pop-out buttons
    // sitting it out), the plot's own drawing, the pop-out buttons on top. The tooltip is drawn
    // by the screen, above its panels.
    const ORVLifeWatch life = Watch();
    const u8 tipShown = m_pTip != nullptr ? m_pTip->m_bVisible : 0;
    if (m_pTip != nullptr) {
        m_pTip->m_bVisible = 0;
    }
    for (const PopOut& p : m_vPopOuts) {
        p.m_pButton->m_bVisible = 0;
    }
    CORVControlContainer::RenderChildren();
    if (life.expired()) {
        return;
    }
    if (m_pTip != nullptr) {
        m_pTip->m_bVisible = tipShown;
    }
    for (const PopOut& p : m_vPopOuts) {
        p.m_pButton->m_bVisible = 1;
    }
    DrawPlot(kUntinted);
    if (IsHover()) {
        g_CG.SetRenderMode(kRenderHighlight);
        DrawPlot(kHoverColour);
        g_CG.SetRenderMode(kRenderNormal);
    }
    // Pop-out buttons spread from the plot's bottom centre.
    const u32 now = Now();
    const u32 elapsed = now - m_dwPopOutStart;
    if (m_bAnimating != 0 && elapsed >= kPopOutMs) {
        m_bAnimating = 0;
    }
    for (const PopOut& p : m_vPopOuts) {
        const u32 k = m_bAnimating != 0 ? elapsed : kPopOutMs;
        p.m_pButton->SetPos(p.m_nStartX + (p.m_nEndX - p.m_nStartX) * static_cast<int>(k) / static_cast<int>(kPopOutMs),
                            p.m_nStartY + (p.m_nEndY - p.m_nStartY) * static_cast<int>(k) / static_cast<int>(kPopOutMs));
    }
    for (const PopOut& p : m_vPopOuts) {
        if (p.m_pButton->m_bVisible != 0) {
            p.m_pButton->Render();
            if (life.expired()) {
                return;
            }
        }
    }
    // Harvest: three images rise a pixel every 32 ms for 1.5 seconds.
    if (m_dwHarvestStart != 0) {
        const u32 since = now - m_dwHarvestStart;
        if (since >= kHarvestMs) {
            m_dwHarvestStart = 0;
        } else {
            const int rise = static_cast<int>(since / kHarvestRiseMs);
            DrawTex(kIconSet, kTexHarvestA, m_nAbsX + 55, m_nAbsY + 125 - rise);
            DrawTex(kIconSet, kTexHarvestB, m_nAbsX + 100, m_nAbsY + 135 - rise);
            // The count digit by digit (textures 190 to 199), side by side from the anchor.
            char digits[8];
            BoundedPrintf(digits, sizeof digits, "%u", unsigned{m_wHarvestCount});
            int x = m_nAbsX + 125;
            for (const char* d = digits; *d != '\0'; ++d) {
                const u16 id = static_cast<u16>(kTexHarvestDigits + (*d - '0'));
                DrawTex(kIconSet, id, x, m_nAbsY + 130 - rise);
                int w = 0;
                int hh = 0;
                GetBuildImageSize(id, kIconSet, &w, &hh);
                x += w;
            }
        }
    }
}

void CGardenLandItem::DrawFloatingTexts()
{
    if (!OwnGarden() && m_bPlantShown != 0 && LandState(m_Plot) == 1 &&
        GetGrowthStage(m_Plant.U32(L::kPlantSeconds), m_PlantItem) == kStageRipe &&
        (m_Plant.m_Bytes[L::kPlantFlags] & 0x01) == 0 && GuardOver()) {
        g_Font.DrawTextA(m_nAbsX + 80, m_nAbsY + 60, "可采摘", kBubbleTextColour, 12, 0, 0);
    }
    if (m_vLines.empty()) {
        return;
    }
    if (m_nLineFrame < 0) {
        ++m_nLineFrame;
        return;
    }
    const char* text = m_vLines.front().c_str();
    const int n = std::max(GetTextWidth(text, kTextSizeDefault) / kBubbleTile + 1, 2);
    const int left = m_nAbsX + 94 - kBubbleTile * (n / 2);
    const int top = m_nAbsY;
    for (int i = 0; i < n; ++i) {
        const u16 up = i == 0 ? 201 : (i == n - 1 ? 203 : 202);
        const u16 down = i == 0 ? 207 : (i == n - 1 ? 209 : 208);
        DrawTex(kIconSet, up, left + kBubbleTile * i, top + 72);
        DrawTex(kIconSet, down, left + kBubbleTile * i, top + 88);
    }
    DrawTex(kIconSet, 210, left, top + 104);
    const int width = GetTextWidth(text, kTextSizeDefault);
    g_Font.DrawTextA(left + (kBubbleTile * n - width) / 2, top + 81, text, kBubbleTextColour, 12, 0, 0);
    if (++m_nLineFrame > kLineFrames) {
        m_vLines.erase(m_vLines.begin());
        m_nLineFrame = -kLineGap;
    }
}

void CGardenLandItem::DrawToolTip()
{
    if (m_pTip != nullptr && m_pTip->m_bVisible != 0) {
        m_pTip->Render();
    }
}
