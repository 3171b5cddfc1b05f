#include "framework/widgets/ORVButton.h"

#include "framework/control/SizeSeam.h"

ORV_IMPLEMENT_RUNTIME_CLASS(CORVButton, CORVControl)
ORV_IMPLEMENT_RUNTIME_CLASS(CORVCheck, CORVControl)
ORV_IMPLEMENT_RUNTIME_CLASS(CORVRadioGroup, CORVControlContainer)

namespace {

// Frame offsets from a base frame.
constexpr int kHoverOffset = 1;
constexpr int kPressedOffset = 2;     // pressed or disabled
constexpr int kCheckStateFrames = 3;  // frames per checked state of a check box
constexpr int kItemFrameStep = 3;     // a radio item's frames follow the previous item's three
constexpr int kRadioLatch = 2;        // a selected radio item shows its pressed frame

// How a button or check box is being handled this frame, in the order the looks test it.
enum class ORVPressState { Disabled, Pressed, Hover, Normal };

ORVPressState GetPressState(CORVControl& ctrl)
{
    if (!ctrl.m_bEnabled) {
        return ORVPressState::Disabled;
    }
    if (ctrl.IsCaptured()) {
        return ORVPressState::Pressed;
    }
    return ctrl.IsHover() ? ORVPressState::Hover : ORVPressState::Normal;
}

}  // namespace

// ---- CORVButton ----

CORVButton::CORVButton() = default;
CORVButton::~CORVButton() = default;

bool CORVButton::CreateWithImage(CORVControl* parent, int x, int y, u16 frame)
{
    m_wFrame = frame;
    int w = 0;
    int h = 0;
    if (frame != 0) {
        GetBuildImageSize(frame, kImageSetButton, &w, &h);
    }
    return CreateAt(parent, x, y, w, h);
}

void CORVButton::SetLatch(int v)
{
    m_nLatch = static_cast<u32>(v);
}

ORVImageLook CORVButton::GetLook()
{
    const int base = m_wFrame;
    const ORVPressState state = GetPressState(*this);
    int frame = base;
    u32 colour = kButtonCaptionColour;
    if (state == ORVPressState::Disabled) {
        frame = base + kPressedOffset;
    } else if (m_nLatch != 0) {
        frame = base + static_cast<int>(m_nLatch);
        colour = kButtonCaptionLatchedColour;
    } else if (state == ORVPressState::Pressed) {
        frame = base + kPressedOffset;
        colour = kButtonCaptionLatchedColour;
    } else if (state == ORVPressState::Hover) {
        frame = base + kHoverOffset;
        colour = kButtonCaptionHoverColour;
    }
    // The pressed frame of an enabled button (pressed, or latched with the radio latch) pushes
    // its caption in.
    const int shift = state != ORVPressState::Disabled && frame == base + kPressedOffset ? 1 : 0;
    return ORVImageLook{frame, colour, shift};
}

// ---- CORVCheck ----

CORVCheck::CORVCheck() : m_wFrame(kCheckBaseFrame)
{
    m_nCaptionX = kCheckCaptionX;
    m_nCaptionY = kCheckCaptionY;
    m_nWidth = kCheckInitialSize;
    m_nHeight = kCheckInitialSize;
}

CORVCheck::~CORVCheck() = default;

bool CORVCheck::OnClick(int kind)
{
    m_nLatch = (m_nLatch + 1) % 2;
    return CORVControl::OnClick(kind);
}

bool CORVCheck::CreateCheck(CORVControl* parent, int x, int y)
{
    if (m_wFrame == kCheckLargeFrame) {
        return CreateAt(parent, x, y, kCheckLargeWidth, kCheckLargeHeight);
    }
    return CreateAt(parent, x, y, kCheckSize, kCheckSize);
}

void CORVCheck::SetLatch(int v)
{
    m_nLatch = static_cast<u32>(v);
}

ORVImageLook CORVCheck::GetLook()
{
    const int base = kCheckStateFrames * static_cast<int>(m_nLatch) + m_wFrame;
    switch (GetPressState(*this)) {
    case ORVPressState::Disabled:
    case ORVPressState::Pressed:
        return {base + kPressedOffset, kButtonCaptionColour, 0};
    case ORVPressState::Hover:
        return {base + kHoverOffset, kButtonCaptionColour, 0};
    case ORVPressState::Normal:
        break;
    }
    return {base, kButtonCaptionColour, 0};
}

// ---- CORVRadioGroup ----

CORVRadioGroup::CORVRadioGroup() = default;
CORVRadioGroup::~CORVRadioGroup() = default;

bool CORVRadioGroup::CreateGroup(CORVControl* parent, int x, int y, u16 baseFrame, int count, int selected, int step,
                                 bool sameFrame)
{
    m_bSameFrame = sameFrame ? 1 : 0;
    if (kRadioSelectsOnCreate) {
        m_nCurSel = selected > count ? 0 : selected;
    }
    const bool column = kRadioNegativeStepIsColumn && step < 0;

    CORVButton* last = nullptr;
    for (int i = 0; i < count; ++i) {
        const int frame = sameFrame ? baseFrame : baseFrame + kItemFrameStep * i;
        const int itemX = column ? 0 : i * step;
        const int itemY = column ? i * -step : 0;
        CORVButton* button = nullptr;
        CreateButton(itemX, itemY, &button, frame, true, true, "");
        if (button == nullptr) {
            continue;   // its place in the row stays empty
        }
        m_vItems.push_back(button);
        button->SetLatch(i == selected ? kRadioLatch : 0);
        last = button;
    }

    // The group spans its items, measured from the last one; no items, no size.
    int width = 0;
    int height = 0;
    if (last != nullptr) {
        if (!column) {
            width = last->m_nWidth + (count - 1) * step;
            height = last->m_nHeight;
        } else {
            width = last->m_nWidth;
            height = last->m_nHeight + (count - 1) * -step;
        }
    }
    return CreateAt(parent, x, y, width, height);
}

bool CORVRadioGroup::OnMessage(ORVMsg* msg)
{
    if (msg == nullptr || msg->m_nId != kNotifyLeftClick) {
        return true;
    }
    int clicked = -1;
    for (std::size_t i = 0; i < m_vItems.size(); ++i) {
        if (m_vItems[i] != nullptr && m_vItems[i] == msg->m_pSender) {
            clicked = static_cast<int>(i);
            break;
        }
    }
    LatchOnly(clicked);
    if (clicked >= 0) {
        m_nCurSel = clicked;
        ORVMsg notify(kNotifyLeftClick, 0, this);
        PostToParent(&notify);
    }
    return true;
}

void CORVRadioGroup::SetCurSel(int index)
{
    if (index == m_nCurSel || m_vItems.empty()) {
        return;
    }
    LatchOnly(index);
    if (GetItem(index) != nullptr) {
        m_nCurSel = index;
    }
}

void CORVRadioGroup::ClearSelection()
{
    LatchOnly(-1);
    m_nCurSel = -1;
}

void CORVRadioGroup::SetItemTip(int index, const char* text)
{
    if (CORVButton* item = GetItem(index)) {
        item->m_strToolTip = text != nullptr ? text : "";
    }
}

void CORVRadioGroup::SetItemText(int index, const char* text, int x, int y)
{
    if (CORVButton* item = GetItem(index)) {
        item->m_strCaption = text != nullptr ? text : "";
        item->m_nCaptionX = x;
        item->m_nCaptionY = y;
    }
}

void CORVRadioGroup::LatchOnly(int index)
{
    for (std::size_t i = 0; i < m_vItems.size(); ++i) {
        if (m_vItems[i] != nullptr) {
            m_vItems[i]->SetLatch(static_cast<int>(i) == index ? kRadioLatch : 0);
        }
    }
}

CORVButton* CORVRadioGroup::GetItem(int index) const
{
    if (index < 0 || static_cast<std::size_t>(index) >= m_vItems.size()) {
        return nullptr;
    }
    return m_vItems[index];
}
