// Drawing of buttons and check boxes through the renderer: the look's texture of group 2, the
// caption white at size 12.
#include "BuildProfile.h"
#include "framework/text/TextUtil.h"
#include "framework/widgets/ORVButton.h"
#include "glimmer/Glimmer.h"

namespace {

void DrawLook(const CORVControl& ctrl, const ORVImageLook& look)
{
    g_TexMgr.DrawTexture(ctrl.m_nAbsX, ctrl.m_nAbsY, static_cast<u16>(look.nFrame), static_cast<u16>(kImageSetButton),
                         0xFFFFFFFF, true);
    if (!ctrl.m_strCaption.empty()) {
        g_Font.DrawTextA(ctrl.m_nAbsX + ctrl.m_nCaptionX, ctrl.m_nAbsY + ctrl.m_nCaptionY, ctrl.m_strCaption.c_str(),
                         look.dwColour, kTextSizeDefault, 4, 0);
    }
}

}  // namespace

void CORVButton::OnDraw()
{
    DrawLook(*this, GetLook());
}

void CORVCheck::OnDraw()
{
    DrawLook(*this, GetLook());
}
