#include "framework/widgets/ORVScroll.h"

#include "framework/core/ORVCallBack.h"

ORV_IMPLEMENT_RUNTIME_CLASS(CORVScroll, CORVControl)
ORV_IMPLEMENT_RUNTIME_CLASS(CORVHScroll, CORVScroll)
ORV_IMPLEMENT_RUNTIME_CLASS(CORVVScroll, CORVScroll)

namespace {

constexpr int kWheelNotch = 120;   // wheel delta of one notch

// Truncates, then adds 1 when the dropped fraction is at least one half (single precision, so
// that positions match the bar's arithmetic exactly).
int RoundFloat(float f)
{
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
    if (IORVCallBack* host = ORVCallBack()) {
        int w = m_nTrackSize;
        int h = m_nTrackSize;
        host->GetImageSize(frame, kImageSetWindow, &w, &h);
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
    IORVCallBack* host = ORVCallBack();
    if (host == nullptr) {
        return;
    }
    i32* lengths[] = {&m_nCapStart, &m_nMiddleLen, &m_nCapEnd};
    for (int i = 0; i < 3; ++i) {
        int w = 0;
        int h = 0;
        host->GetImageSize(frame + i, kImageSetWindow, &w, &h);
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
        const int t = static_cast<int>(track * (static_cast<double>(m_nPos) / m_nRange));
        look.nThumbAlong = t - m_nBarSize / 2 + m_nCapStart;
    }
    return look;
}

// ---- CORVHScroll ----

CORVHScroll::CORVHScroll()
{
    m_wTrackFrame = kHScrollTrackFrame;
}

CORVHScroll::~CORVHScroll() = default;

bool CORVHScroll::OnMouseMove(int x, int y) { return DragTo(x, y); }
bool CORVHScroll::OnLButtonDown(int x, int y) { return PressAt(x, y); }
bool CORVHScroll::OnRButtonDown(int x, int y) { return StepToward(x, y); }
void CORVHScroll::Render() { DrawBar(); }
void CORVHScroll::SetTrackImage(u16 frame) { TakeTrackSizes(frame); }

bool CORVHScroll::CreateBar(CORVControl* parent, int x, int y, int length)
{
    return CreateAt(parent, x, y, length, m_nBarSize);
}

// ---- CORVVScroll ----

CORVVScroll::CORVVScroll()
{
    m_bVertical = 1;
    m_wTrackFrame = kVScrollTrackFrame;
}

CORVVScroll::~CORVVScroll() = default;

bool CORVVScroll::OnMouseMove(int x, int y) { return DragTo(x, y); }
bool CORVVScroll::OnLButtonDown(int x, int y) { return PressAt(x, y); }
bool CORVVScroll::OnRButtonDown(int x, int y) { return StepToward(x, y); }
void CORVVScroll::Render() { DrawBar(); }
void CORVVScroll::SetTrackImage(u16 frame) { TakeTrackSizes(frame); }

bool CORVVScroll::CreateBar(CORVControl* parent, int x, int y, int length)
{
    return CreateAt(parent, x, y, m_nBarSize, length);
}
