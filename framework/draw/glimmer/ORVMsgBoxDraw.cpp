// Drawing of the message box's text through the renderer: laid out by the renderer inside its box.
#include "BuildProfile.h"
#include "framework/window/ORVMsgBox.h"
#include "glimmer/Glimmer.h"

void CORVMsgBox::OnDraw()
{
    if (m_Request) {
        g_Font.DrawScrollText(m_nAbsX + kMsgBoxTextX, m_nAbsY + kMsgBoxTextY, m_Request->m_strText.c_str(),
                              kMsgBoxTextColour, kMsgBoxTextWidth, kMsgBoxTextHeight, 0, kTextSizeDefault,
                              kMsgBoxTextLineHeight, 0, false);
    }
}
