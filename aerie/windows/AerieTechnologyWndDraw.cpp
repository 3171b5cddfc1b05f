// The technology window's drawing: the titles, the lab's text and icon, and the points.
#include "aerie/windows/AerieTechnologyWnd.h"

#include "aerie/state/AerieCountdown.h"

namespace {

constexpr u32 kWhite = 0xFFFFFFFF;
constexpr u32 kYellow = 0xFFFFFF00;

// One second in every ten the points are summed again, every frame of that second.
bool RecountSecond(u32 tick)
{
    return tick / 1000 % 10 == 0;
}

}  // namespace

void CAerieTechnologyWnd::OnDraw()
{
    if (RecountSecond(TickNow())) {
        RecountPoints();
    }
    DrawTextRel(this, 216, 15, "研究所", kWhite);
    DrawTextRel(this, 283, 66, "等级越高，可以研究更高等级的科技", kYellow, 1);
    DrawTextRel(this, 283, 98, m_strLabText.c_str(), kWhite, 1);
    DrawTextRel(this, 181, 453, m_Total.Get(CacheKey(static_cast<u32>(m_nTotalGained), static_cast<u32>(m_nTotalAvailable)), [&] { return BoundedFormat(kShortTextBound, "总科技点：%1%/%2%", m_nTotalGained, m_nTotalAvailable); }), kYellow);
    static const char* const kLabLines[kLabs] = {"花园科技点：%1%/%2%", "餐厅科技点：%1%/%2%", "城堡科技点：%1%/%2%",
                                                 "人物科技点：%1%/%2%"};
    static const int kLabAt[kLabs][2] = {{83, 471}, {309, 471}, {83, 491}, {309, 491}};
    for (int lab = 0; lab < kLabs; ++lab) {
        DrawTextRel(this, kLabAt[lab][0], kLabAt[lab][1], m_aLabPoints[lab].Get(CacheKey(static_cast<u32>(m_anGained[lab]), static_cast<u32>(m_anAvailable[lab])), [&] { return BoundedFormat(kShortTextBound, kLabLines[lab], m_anGained[lab], m_anAvailable[lab]); }), kYellow);
    }
    if (m_wLabIcon != 0) {
        DrawImageRel(this, 22, 62, m_wLabIcon);
    }
}
