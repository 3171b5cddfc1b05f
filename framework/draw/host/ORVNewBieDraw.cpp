// Drawing of the tutorial's hint through the host callback: a box of hint tiles next to the
// step's target control, its pointer and the wrapped hint. Kept apart from the step logic
// (ORVNewBie.cpp) so that another build can draw the same steps differently.
#include <algorithm>

#include "framework/control/ORVControl.h"
#include "framework/core/ORVCallBack.h"
#include "framework/text/TextUtil.h"
#include "framework/widgets/ORVNewBie.h"

namespace {

// The hint box's tiles and pointer are drawn slightly transparent.
constexpr ARGB kHintImageColour = 0xC0FFFFFF;
// Gap between the pointed point and the box.
constexpr int kBoxGap = 14;

}  // namespace

void CORVNewBie::DrawStep(const NewBieStep& step)
{
    const CORVControl* target = step.m_pTarget;
    if (target == nullptr) {
        return;
    }
    const int w = m_Text.m_nWidth;
    const int h = m_Text.GetHeight();
    const int cols = std::max((w + 6) / HintBox::kTileW + 1, 2);
    const int rows = std::max((h + 6) / HintBox::kTileH + 1, 2);
    const int boxW = HintBox::kTileW * cols;
    const int boxH = HintBox::kTileH * rows;

    const int px = target->m_nAbsX + target->m_nWidth / 2 + step.m_nDx;
    const int py = target->m_nAbsY + target->m_nHeight / 2 + step.m_nDy;
    const int left = px - (boxW - HintBox::kTileW) / 2;
    const int top = step.m_bBelow ? py + kBoxGap : py - boxH - kBoxGap;

    DrawHintTiles(left, top, cols, rows, kHintImageColour);
    if (CHostCallBackGuard* cb = ORVCallBack()) {
        if (step.m_bBelow) {
            cb->DrawImage(px, py, HintBox::kPointerDown, HintBox::kImageSet, kHintImageColour, 0, 0);
        } else {
            cb->DrawImage(px, py - HintBox::kTileH, HintBox::kPointerUp, HintBox::kImageSet,
                          kHintImageColour, 0, 0);
        }
    }
    m_Text.Draw(left + (boxW - w) / 2, top + (boxH - h) / 2);
}
