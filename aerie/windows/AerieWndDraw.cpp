// The main game window's HUD through the host callback: background, owner and total level, the
// resource bar, the timed notice, the invasion and incubator countdowns.
#include <algorithm>

#include "aerie/windows/AerieCityView.h"
#include "aerie/windows/AerieNewBie.h"
#include "aerie/windows/AerieWnd.h"
#include "framework/core/ORVCallBack.h"
#include "framework/text/TextUtil.h"
#include "framework/widgets/ORVButton.h"

namespace {

constexpr u32 kYellow = 0xFFFFFF00;
constexpr u32 kWhite = 0xFFFFFFFF;

// Text at screen position (x, y) with the HUD's style values.
void HudText(CHostCallBackGuard* host, int x, int y, const char* text, u32 colour)
{
    host->DrawText(x, y, text, colour, 0, 0, 0, 1, 1, 0);
}

}  // namespace

void CAerieWnd::OnDraw()
{
    DrawHud();
}

void CAerieWnd::DrawHud()
{
    CHostCallBackGuard* host = ORVCallBack();
    if (host == nullptr) {
        return;
    }
    const int x = m_nAbsX;
    const int y = m_nAbsY;
    host->DrawImage(x, y, 375, kImageSetWindow, kWhite, 0, 0);
    host->DrawImage(x, y, m_wBackFrame, kImageSetWindow, kWhite, 0, 0);

    char text[kShortTextBound];
    HudText(host, x + 20, y + 13, AerieView::GetShownOwnerName(), kYellow);
    HudText(host, x + 125, y + 13, BoundedPrintf(text, sizeof(text), "建筑总等级：%u", m_wTotalLevel), kYellow);

    // The resource bar.
    AerieView::ResourceBar bar;
    AerieView::GetResources(&bar);
    const u32 stores = AerieView::GetBuildingEffect(14);
    struct Line {
        const char* m_pszFormat;
        u32 m_dwValue;
        u32 m_dwCapacity;
        int m_nX;
        int m_nY;
    } const lines[6] = {
        {"琉璃币:%1%", bar.m_dwCoins, 0, 67, 562},
        {"怪物数量:%1%/%2%", bar.m_dwMonsters, AerieView::GetBuildingEffect(16) + AerieView::GetBuildingEffect(15), 67, 580},
        {"牧草:%1%/%2%", bar.m_dwGrass, AerieView::GetBuildingEffect(13), 186, 562},
        {"木材:%1%/%2%", bar.m_dwWood, stores, 186, 579},
        {"石料:%1%/%2%", bar.m_dwStone, stores, 320, 562},
        {"金属:%1%/%2%", bar.m_dwMetal, stores, 320, 579},
    };
    for (int i = 0; i < 6; ++i) {
        const char* cached = m_aResourceText[i].Get(CacheKey(lines[i].m_dwValue, lines[i].m_dwCapacity), [&] {
            return BoundedFormat(kShortTextBound, lines[i].m_pszFormat, lines[i].m_dwValue, lines[i].m_dwCapacity);
        });
        HudText(host, x + lines[i].m_nX, y + lines[i].m_nY, cached, kWhite);
    }

    // The timed notice, not while the tutorial runs.
    if (m_nNoticeKind != kNoticeNone && !CAerieNewBie::GetSingleton().IsActive()) {
        if (TickNow() - m_nNoticeTick > kNoticeMs) {
            m_nNoticeKind = kNoticeNone;
        } else {
            const char* notice = "有怪物蛋孵化完成了";
            if (m_nNoticeKind == kNoticeEggs) {
                notice = "仓库中有未孵化的蛋，快来这里孵化";
            } else if (m_nNoticeKind == kNoticeBreedings) {
                const u16 done = AerieView::GetBeastBreedingsToday();
                // A server count above the three a day shows 0, not a negative number.
                notice = m_BreedingsText.Get(done, [&] {
                    return BoundedPrintf(text, sizeof(text), "守护兽今日还可繁殖%d次",
                                         std::max(3 - static_cast<int>(done), 0));
                });
            }
            DrawBubbleText(x + 530, y + 545, notice);
        }
    }

    // The invasion countdown.
    u8 phase = 0;
    u8 flags = 0;
    u32 left = 0;
    if (m_pInvasionBtn != nullptr && m_pInvasionBtn->m_bEnabled == 0 && m_bInvasionCountdown != 0 &&
        AerieView::GetDefenceMission(&phase, &flags, &left)) {
        const char* invasion = m_InvasionText.Get(left, [&] {
            return BoundedPrintf(text, sizeof(text), "怪物入侵时间：%s", FormatTimeDHMS(left).c_str());
        });
        DrawText(20, 45, invasion, kYellow, 0, 0, 1, 2);
    }

    // The incubators.
    for (int i = 0; i < 3; ++i) {
        u32 hatchMs = 0;
        u32 protectMs = 0;
        if (!AerieView::GetIncubatorTimers(i, &hatchMs, &protectMs)) {
            continue;
        }
        const int rowY = y + 80 + 16 * i;
        CCachedText& row = m_aIncubatorText[i];
        if (hatchMs == 0) {
            const char* done = row.Get(CacheKey(0, 0), [&] {
                return BoundedPrintf(text, sizeof(text), "%d号孵化器: 孵化完成", i + 1);
            });
            HudText(host, x + 20, rowY, done, kYellow);
            if (protectMs != 0) {
                const char* protect = m_aProtectText[i].Get(protectMs / 1000, [&] {
                    return BoundedPrintf(text, sizeof(text), "保护时间 %s", FormatTimeClock(protectMs / 1000).c_str());
                });
                HudText(host, x + 145, rowY, protect, kYellow);
            }
        } else {
            const char* hatching = row.Get(CacheKey(1, hatchMs / 1000), [&] {
                return BoundedPrintf(text, sizeof(text), "%d号孵化器: 孵化剩余时间 %s", i + 1,
                                     FormatTimeClock(hatchMs / 1000).c_str());
            });
            HudText(host, x + 20, rowY, hatching, kYellow);
        }
    }
}
