#include "framework/widgets/ORVButton.h"

#include "framework/core/ORVCallBack.h"

ORV_IMPLEMENT_RUNTIME_CLASS(CORVButton, CORVControl)
ORV_IMPLEMENT_RUNTIME_CLASS(CORVCheck, CORVControl)
ORV_IMPLEMENT_RUNTIME_CLASS(CORVRadioGroup, CORVControlContainer)

CORVButton::CORVButton() = default;
CORVButton::~CORVButton() = default;

bool CORVButton::CreateWithImage(CORVControl* parent, int x, int y, u16 frame)
{
    m_wFrame = frame;
    int w = 0;
    int h = 0;
    if (frame != 0 && ORVCallBack() != nullptr) {
        ORVCallBack()->GetImageSize(frame, kImageSetButton, &w, &h);
    }
    return CreateAt(parent, x, y, w, h);
}

void CORVButton::SetLatch(int v)
{
    m_nLatch = static_cast<u32>(v);
}

CORVCheck::CORVCheck() = default;
CORVCheck::~CORVCheck() = default;

CORVRadioGroup::CORVRadioGroup() = default;
CORVRadioGroup::~CORVRadioGroup() = default;
