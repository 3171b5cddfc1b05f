// The speed-up window's drawing: the work's title, its time left and the four options; a work
// that ended closes the window.
#include "aerie/windows/AerieSpeedUpWnd.h"

#include "aerie/windows/AerieCityView.h"

void CAerieSpeedUpWnd::OnDraw()
{
    AerieView::GroupView group;
    if (!HasWork() || !AerieView::GetGroupView(static_cast<int>(m_nGroup), &group)) {
        if (!m_bClosing) {
            m_bClosing = true;
            Close();
        }
        return;
    }
    // The title follows the work: made again when its kind or target changes.
    DrawTextRel(this, m_nWidth / 2, 15, m_Title.Get(CacheKey(group.m_wState, group.m_wTarget), [&] { return std::string(group.m_pszTarget) + "加速"; }), 0xFFFFFFFF, 1);
    const u32 left = SecondsLeft(group.m_dwSeconds, group.m_dwStamp, TickNow());
    char text[kShortTextBound];   // a joined std::string would allocate once a second
    DrawTextRel(this, m_nWidth / 2, 46, m_Left.Get(left, [&] {
        return BoundedPrintf(text, sizeof(text), "剩余时间:%s", FormatDurationHMS(left).c_str());
    }), 0xFFFFFF00, 1, 2);
    static const char* const kLabels[kOptions] = {"减少工程时间30分钟", "减少工程时间1小时", "减少工程时间2小时",
                                                  "减少工程时间8小时"};
    for (int i = 0; i < kOptions; ++i) {
        DrawTextRel(this, 40, 72 + 26 * i, kLabels[i], 0xFFFFFFFF);
    }
}
