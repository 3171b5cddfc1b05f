// Drawing helpers of CORVControl through the renderer, at the control's absolute position plus
// the given offset. Textures are (group, id) in the toolkit; the renderer takes (id, group).
#include <cstring>

#include "framework/control/ORVControl.h"
#include "framework/control/SizeSeam.h"
#include "BuildProfile.h"
#include "framework/text/TextUtil.h"
#include "glimmer/Glimmer.h"

void CORVControl::DrawImage(int x, int y, int frame, int set, u32 colour)
{
    g_TexMgr.DrawTexture(m_nAbsX + x, m_nAbsY + y, static_cast<u16>(frame), static_cast<u16>(set), colour, true);
}

void CORVControl::DrawImageScaled(int x, int y, int frame, float scaleX, float scaleY, u32 colour)
{
    g_TexMgr.DrawTextureZoom(m_nAbsX + x, m_nAbsY + y, static_cast<u16>(frame), static_cast<u16>(kImageSetWindow),
                             scaleX, scaleY, colour, nullptr, true);
}

void CORVControl::DrawText(int x, int y, const char* text, u32 colour, int f1, int f2, int f3, int f4)
{
    if (text != nullptr) {
        g_Font.DrawTextA(m_nAbsX + x, m_nAbsY + y, text, colour, TextPixelSize(f4), f3 != 0 ? 4 : 0, 0);
    }
}

void CORVControl::DrawTextString(int x, int y, const std::string& text, u32 colour, int f1, int f2, int f3, int f4)
{
    DrawText(x, y, text.c_str(), colour, f1, f2, f3, f4);
}

void CORVControl::DrawAlignedText(int y, int widthOrX, const char* text, u32 colour, int align, int f3, int f4)
{
    if (text == nullptr) {
        return;
    }
    // The renderer does not align: align 1 centres the text in the width, 2 ends it there.
    const int size = TextPixelSize(f4);
    int x = 0;
    if (align == 1) {
        x = (widthOrX - GetTextWidth(text, size)) / 2;
    } else if (align == 2) {
        x = widthOrX - GetTextWidth(text, size);
    }
    g_Font.DrawTextA(m_nAbsX + x, m_nAbsY + y, text, colour, size, f3 != 0 ? 4 : 0, 0);
}

void CORVControl::DrawLabelValue(int x, const char* label, u32 labelColour, const char* value, u32 valueColour)
{
    if (label != nullptr) {
        g_Font.DrawTextA(m_nAbsX + x, m_nAbsY + 5, label, labelColour, kTextSizeDefault, 0, 0);
    }
    if (value != nullptr) {
        const int vx = x + GetTextWidth(label, kTextSizeDefault);
        g_Font.DrawTextA(m_nAbsX + vx, m_nAbsY + 5, value, valueColour, kTextSizeDefault, 0, 0);
    }
}

void CORVControl::FillRectRel(u32 colour, int x, int y, int w, int h)
{
    g_CG.DrawFillRect(m_nAbsX + x, m_nAbsY + y, w, h, colour);
}

void CORVControl::DrawStretchedBar(int frame, int x, int y, int width, u32 colour)
{
    int leftW = 0;
    int leftH = 0;
    GetBuildImageSize(frame, kImageSetWindow, &leftW, &leftH);
    int middleW = 0;
    int middleH = 0;
    GetBuildImageSize(frame + 1, kImageSetWindow, &middleW, &middleH);
    DrawImage(x, y, frame, kImageSetWindow, colour);
    const int stretched = width - 2 * leftW + 2;
    if (middleW > 0 && stretched > 0) {
        DrawImageScaled(x + leftW - 1, y, frame + 1, static_cast<float>(stretched) / static_cast<float>(middleW), 1.0f,
                        colour);
    }
    DrawImage(x + width - leftW, y, frame + 2, kImageSetWindow, colour);
}
