// Drawing helpers of CORVControl: every call goes to the host callback at the control's absolute
// position plus the given offset. Kept apart from the control's logic so that another build can
// draw the same toolkit differently.
#include "framework/control/ORVControl.h"

#include "framework/control/SizeSeam.h"
#include "framework/core/ORVCallBack.h"
#include "framework/text/TextUtil.h"

void CORVControl::DrawImage(int x, int y, int frame, int set, u32 colour)
{
    if (CHostCallBackGuard* host = ORVCallBack()) {
        host->DrawImage(m_nAbsX + x, m_nAbsY + y, frame, set, colour, 0, 0);
    }
}

void CORVControl::DrawImageScaled(int x, int y, int frame, float scaleX, float scaleY, u32 colour)
{
    if (CHostCallBackGuard* host = ORVCallBack()) {
        host->DrawImageScaled(m_nAbsX + x, m_nAbsY + y, frame, kImageSetWindow, scaleX, scaleY, colour, 0, 0);
    }
}

void CORVControl::DrawText(int x, int y, const char* text, u32 colour, int f1, int f2, int f3, int f4)
{
    CHostCallBackGuard* host = ORVCallBack();
    if (host != nullptr && text != nullptr) {
        host->DrawText(m_nAbsX + x, m_nAbsY + y, text, colour, f1, f2, 0, f3, f4, 0);
    }
}

void CORVControl::DrawTextString(int x, int y, const std::string& text, u32 colour, int f1, int f2, int f3, int f4)
{
    DrawText(x, y, text.c_str(), colour, f1, f2, f3, f4);
}

void CORVControl::DrawAlignedText(int y, int widthOrX, const char* text, u32 colour, int align, int f3, int f4)
{
    CHostCallBackGuard* host = ORVCallBack();
    if (host == nullptr || text == nullptr) {
        return;
    }
    int x = m_nAbsX;
    if (align == 1) {
        x += widthOrX / 2;
    } else if (align == 2) {
        x += widthOrX;
    }
    host->DrawText(x, m_nAbsY + y, text, colour, align, 0, 0, f3, f4, 0);
}

void CORVControl::DrawLabelValue(int x, const char* label, u32 labelColour, const char* value, u32 valueColour)
{
    CHostCallBackGuard* host = ORVCallBack();
    if (host == nullptr) {
        return;
    }
    if (label != nullptr) {
        host->DrawText(m_nAbsX + x, m_nAbsY + 5, label, labelColour, 0, 0, 0, 0, 1, 0);
    }
    if (value != nullptr) {
        const int vx = x + GetTextWidth(label, 1);
        host->DrawText(m_nAbsX + vx, m_nAbsY + 5, value, valueColour, 0, 0, 0, 0, 1, 0);
    }
}

void CORVControl::FillRectRel(u32 colour, int x, int y, int w, int h)
{
    if (CHostCallBackGuard* host = ORVCallBack()) {
        host->FillRect(colour, m_nAbsX + x, m_nAbsY + y, w, h);
    }
}

void CORVControl::DrawStretchedBar(int frame, int x, int y, int width, u32 colour)
{
    CHostCallBackGuard* host = ORVCallBack();
    if (host == nullptr) {
        return;
    }
    int leftW = 0;
    int leftH = 0;
    GetBuildImageSize(frame, kImageSetWindow, &leftW, &leftH);
    int middleW = 0;
    int middleH = 0;
    GetBuildImageSize(frame + 1, kImageSetWindow, &middleW, &middleH);

    DrawImage(x, y, frame, kImageSetWindow, colour);
    const int stretched = width - 2 * leftW + 2;   // the middle's width on screen
    if (middleW > 0 && stretched > 0) {
        const float scaleX = static_cast<float>(stretched) / static_cast<float>(middleW);
        DrawImageScaled(x + leftW - 1, y, frame + 1, scaleX, 1.0f, colour);
    }
    DrawImage(x + width - leftW, y, frame + 2, kImageSetWindow, colour);
}
