#include "framework/widgets/ORVScroll.h"

#include <climits>

#include "framework/control/SizeSeam.h"

ORV_IMPLEMENT_RUNTIME_CLASS(CORVScroll, CORVControl)
// The bars' records name CORVScroll as their base: the orientation template is no class of its own.
ORV_IMPLEMENT_RUNTIME_CLASS_AS(CORVHScroll, CORVScroll)
ORV_IMPLEMENT_RUNTIME_CLASS_AS(CORVVScroll, CORVScroll)

namespace {

constexpr int kWheelNotch = 120;   // wheel delta of one notch

// Truncates, then adds 1 when the dropped fraction is at least one half (single precision, so
// that positions match the bar's arithmetic exactly). A value beyond the int range saturates.
int RoundFloat(float f)
{
    constexpr float kIntLimit = 2147483648.0f;   // 2^31: the first float an int cannot hold
    if (f >= kIntLimit) {
        return INT_MAX;
    }
    int t = static_cast<int>(f);
    if (f - static_cast<float>(t) >= 0.5f) {
        ++t;
    }
    return t;
}

}  // namespace

// ---- CORVScroll ----

CORVScroll::CORVScroll() = default;
CORVScroll::~CORVScroll() = default;

void CORVScroll::SetPos(int pos)
{
    if (pos < 0) {
        pos = 0;
    } else if (pos > m_nRange) {
        pos = m_nRange;
    }
    if (pos == m_nPos) {
        return;
    }
    m_nPos = pos;
    ORVMsg msg(kNotifyScroll, static_cast<u32>(pos), this);
    PostToParent(&msg);
}

void CORVScroll::SetRange(int max)
{
    m_nRange = max > 0 ? max : 0;
    SetPos(m_nPos);
}

bool CORVScroll::OnMouseWheel(int, int, int delta)
{
    if (m_nRange == 0) {
        return true;
    }
    // Saturating: a huge step must not wrap the target around.
    const long long target = static_cast<long long>(m_nPos) - static_cast<long long>(delta / kWheelNotch) * m_nStep;
    SetPos(target < 0 ? 0 : target > m_nRange ? m_nRange : static_cast<int>(target));
    return true;
}

void CORVScroll::SetThumbImage(u16 frame)
{
    m_wThumbFrame = frame;
    if (frame == 0) {
        return;
    }
    // The thumb image's size goes to the track thickness, the height last (as a host writing both
    // sizes into one field would leave it).
    int w = m_nTrackSize;
    int h = m_nTrackSize;
    if (GetBuildImageSize(frame, kImageSetFrame, &w, &h)) {
        m_nTrackSize = h;
    }
}

void CORVScroll::SetTrackImage(u16) {}

void CORVScroll::TakeTrackSizes(u16 frame)
{
    m_wTrackFrame = frame;
    if (frame == 0) {
        return;
    }
    i32* lengths[] = {&m_nCapStart, &m_nMiddleLen, &m_nCapEnd};
    for (int i = 0; i < 3; ++i) {
        int w = 0;
        int h = 0;
        if (!GetBuildImageSize(frame + i, kImageSetFrame, &w, &h)) {
            return;  // the build cannot tell sizes yet (no host)
        }
        *lengths[i] = m_bVertical ? h : w;
        m_nBarSize = m_bVertical ? w : h;
    }
}

bool CORVScroll::TargetAt(int c, int* target) const
{
    const int length = Length();
    if (length == 0 || c < 0 || c > length) {
        return false;
    }
    *target = RoundFloat(static_cast<float>(c) / static_cast<float>(length) * static_cast<float>(m_nRange));
    return true;
}

bool CORVScroll::PressAt(int x, int y)
{
    int target = 0;
    const ORVLifeWatch life = Watch();
    if (TargetAt(Along(x, y), &target)) {
        SetPos(target);
    }
    // The press always takes the capture and the focus, even when the position stays.
    return life.expired() || CORVControl::OnLButtonDown(x, y);
}

bool CORVScroll::DragTo(int x, int y)
{
    int target = 0;
    if (IsCaptured() && TargetAt(Along(x, y), &target)) {
        SetPos(target);
    }
    return CORVControl::OnMouseMove(x, y);
}

bool CORVScroll::StepToward(int x, int y)
{
    int target = 0;
    if (TargetAt(Along(x, y), &target)) {
        SetPos(target > m_nPos ? m_nPos + 1 : m_nPos - 1);
    }
    return true;
}

ORVScrollLook CORVScroll::GetLook() const
{
    const int length = Length();
    const int cross = m_bVertical ? m_nWidth : m_nHeight;
    ORVScrollLook look;
    look.bTrack = m_wTrackFrame != 0;
    look.nTrackCross = (cross - m_nTrackSize) / 2;
    look.fMiddleScale = m_nMiddleLen > 0 ? static_cast<float>(length) / static_cast<float>(m_nMiddleLen) : 0.0f;
    look.nCapEndAlong = length - m_nCapEnd;
    look.bThumb = m_nRange != 0;
    if (look.bThumb) {
        const int track = length - m_nCapEnd - m_nCapStart;
        // The build says whether the track length meets the position before the division.
        const double along = kScrollThumbProductFirst ? static_cast<double>(track) * m_nPos / m_nRange
                                                      : track * (static_cast<double>(m_nPos) / m_nRange);
        const int t = static_cast<int>(along);
        look.nThumbAlong = t - m_nBarSize / 2 + m_nCapStart;
    }
    // Offsets along and across the bar, turned into screen positions by orientation.
    auto at = [this](int along, int crossOffset, int* x, int* y) {
        *x = m_nAbsX + (m_bVertical ? crossOffset : along);
        *y = m_nAbsY + (m_bVertical ? along : crossOffset);
    };
    look.track.nFrame = m_wTrackFrame;
    look.track.nSet = kImageSetFrame;
    at(0, look.nTrackCross, &look.track.nMiddleX, &look.track.nMiddleY);
    look.track.fScaleX = m_bVertical ? 1.0f : look.fMiddleScale;
    look.track.fScaleY = m_bVertical ? look.fMiddleScale : 1.0f;
    look.track.nFirstX = look.track.nMiddleX;
    look.track.nFirstY = look.track.nMiddleY;
    at(look.nCapEndAlong, look.nTrackCross, &look.track.nLastX, &look.track.nLastY);
    at(look.nThumbAlong, 0, &look.nThumbX, &look.nThumbY);
    return look;
}
