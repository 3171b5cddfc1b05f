// Drawing of buttons and check boxes through the renderer (group 2); captions white, size 12.
#include "framework/draw/glimmer/GlimmerText.h"
#include "framework/widgets/ORVButton.h"
#include "glimmer/Glimmer.h"

void CORVButton::OnDraw()
{
    const ORVImageLook look = GetLook();
    g_TexMgr.DrawTexture(m_nAbsX, m_nAbsY, static_cast<u16>(look.nFrame), static_cast<u16>(kImageSetButton),
                         0xFFFFFFFF, true);
    if (!m_strCaption.empty()) {
        g_Font.DrawTextA(m_nAbsX + m_nCaptionX, m_nAbsY + m_nCaptionY, m_strCaption.c_str(), look.dwColour,
                         kTextSizeDefault, 4, 0);
    }
}

void CORVCheck::OnDraw()
{
    const ORVImageLook look = GetLook();
    g_TexMgr.DrawTexture(m_nAbsX, m_nAbsY, static_cast<u16>(look.nFrame), static_cast<u16>(kImageSetButton),
                         0xFFFFFFFF, true);
    if (!m_strCaption.empty()) {
        g_Font.DrawTextA(m_nAbsX + m_nCaptionX, m_nAbsY + m_nCaptionY, m_strCaption.c_str(), look.dwColour,
                         kTextSizeDefault, 4, 0);
    }
}
