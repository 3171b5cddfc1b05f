// The garden screen's drawing: the background and the owner's figures, the plots and panels in
// their order, and the tool cursor.
#include "framework/control/ORVCtrlMgr.h"
#include "framework/control/SizeSeam.h"
#include "framework/text/TextUtil.h"
#include "garden/state/GardenDataMgr.h"
#include "garden/windows/GardenLandItem.h"
#include "garden/windows/GardenText.h"
#include "garden/windows/GardenWnd.h"
#include "glimmer/Glimmer.h"

namespace {

namespace L = garden_layout;

constexpr u32 kTextColour = 0xFF8D6365;
constexpr u32 kShade = 0xD0000000;
constexpr u32 kUntinted = 0xFFFFFFFF;
constexpr u16 kFrameSet = 3;
constexpr u16 kBackSet = 4;

void Tex(u16 set, u16 id, int x, int y) { g_TexMgr.DrawTexture(x, y, id, set, kUntinted, false); }

}  // namespace

void CGardenWnd::OnDraw()
{
    const CGardenDataMgr& s = GetGardenDataMgr();
    const GardenInfo& info = s.m_ShownInfo;
    const int x = m_nAbsX;
    const int y = m_nAbsY;
    char text[128];
    g_CG.DrawFillRect(x, y, m_nWidth, m_nHeight, kShade);
    Tex(kBackSet, m_wBackground, x, y);
    Tex(kFrameSet, s.m_bReply537 != 0 ? 101 : 100, x, y);
    Tex(kBackSet, 300, x, y);
    if ((info.U16(L::kInfoLevelUpBits) & 0x01) != 0) {
        Tex(kFrameSet, 7870, x + 130, y + 80);
    }
    const u32 stamina = info.U32(L::kInfoDoubleStamina);
    if (stamina != 0) {
        const char* line = m_StaminaText.Get(stamina, [&] {
            return BoundedPrintf(text, sizeof text, "2倍体力恢复速度剩余时间:%s", FormatTimeDHM(stamina).c_str());
        });
        g_Font.DrawTextA(x + 14, y + 75, line, kTextColour, 12, 0, 0);
    }
    g_Font.DrawTextA(x + 70, y + 9, BoundedPrintf(text, sizeof text, "%s的花园", s.m_szOwnerDisplay), kTextColour, 12, 0, 0);
    g_Font.DrawTextA(x + 270, y + 9, BoundedPrintf(text, sizeof text, "等级：%d级", s.ShownGardenLevel()), kTextColour, 12, 0, 0);
    const u32 upgrade = info.U32(L::kInfoUpgradeTime);
    if (s.m_bOwnGarden != 0 && upgrade != 0) {
        const char* line = m_UpgradeText.Get(upgrade, [&] {
            return BoundedPrintf(text, sizeof text, "距离花园升级还有：%s", FormatTimeDHM(upgrade).c_str());
        });
        g_Font.DrawTextA(x + 76, y + 69, line, kTextColour, 14, 0, 0);
    }
    UpdateLevelUpButton();
    g_Font.DrawTextA(x + 70, y + 31,
                     BoundedPrintf(text, sizeof text, "财富：%s", FormatThousands(static_cast<i32>(info.U32(L::kInfoWealth)))),
                     kTextColour, 12, 0, 0);
    g_Font.DrawTextA(x + 270, y + 31, BoundedPrintf(text, sizeof text, "爱心：%u", info.U32(L::kInfoLovePoints)), kTextColour, 12, 0, 0);
    PeriodicRefresh();
}

void CGardenWnd::RenderChildren()
{
    const ORVLifeWatch life = Watch();
    if (!AnyBlockingPanelOpen()) {
        CGardenLandItem* hovered = nullptr;
        for (int n = 1; n <= kPlots; ++n) {
            CGardenLandItem* plot = m_apPlots[n];
            if (plot == nullptr || plot->m_bVisible == 0) {
                continue;
            }
            if (plot->IsHover()) {
                hovered = plot;
                continue;
            }
            plot->Render();
            if (life.expired()) {
                return;
            }
        }
        if (hovered != nullptr) {
            hovered->Render();
            if (life.expired()) {
                return;
            }
        }
    }
    for (int n = 1; n <= kPlots; ++n) {
        if (m_apPlots[n] != nullptr && m_apPlots[n]->m_bVisible != 0) {
            m_apPlots[n]->DrawFloatingTexts();
        }
    }
    // Every other visible child, back to front through the container's own walk (a child's
    // Render may remove controls); the plots sit it out.
    u8 shown[kPlots + 1] = {};
    for (int n = 1; n <= kPlots; ++n) {
        if (m_apPlots[n] != nullptr) {
            shown[n] = m_apPlots[n]->m_bVisible;
            m_apPlots[n]->m_bVisible = 0;
        }
    }
    CORVControlContainer::RenderChildren();
    if (life.expired()) {
        return;
    }
    for (int n = 1; n <= kPlots; ++n) {
        if (m_apPlots[n] != nullptr) {
            m_apPlots[n]->m_bVisible = shown[n];
        }
    }
    for (int n = 1; n <= kPlots; ++n) {
        if (m_apPlots[n] != nullptr) {
            m_apPlots[n]->DrawToolTip();
        }
    }
}

void CGardenWnd::OnDrawOverlay()
{
    if (m_nToolMode < 0 || m_nToolMode >= kCursors) {
        return;
    }
    CORVCtrlMgr* mgr = CORVCtrlMgr::GetIfAlive();
    if (mgr == nullptr || mgr->m_pHover == nullptr || !::IsKindOf(mgr->m_pHover, ORV_RUNTIME_CLASS(CLandItem))) {
        return;
    }
    GardenAnim& cursor = m_aCursors[m_nToolMode];
    CTex* tex = cursor.Texture();
    if (tex == nullptr) {
        return;
    }
    int w = 0;
    int h = 0;
    GetBuildImageSize(tex->m_wId, tex->m_wGroup, &w, &h);
    const int x = static_cast<int>(g_nMouseX) - w / 4;
    const int y = static_cast<int>(g_nMouseY) - 3 * h / 4;
    cursor.Step(x, y);
    if (cursor.GetState() != GardenAnim::kPlaying) {
        cursor.DrawFrame(0, x, y);
    }
    mgr->m_MainWnd.HideOwnCursorThisFrame();
}
