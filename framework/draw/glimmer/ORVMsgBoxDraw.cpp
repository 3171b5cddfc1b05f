// Drawing of the message box's text through the renderer: laid out by the renderer inside its box.
#include "framework/window/ORVMsgBox.h"
#include "glimmer/Glimmer.h"

void CORVMsgBox::OnDraw()
{
    if (m_Request) {
        g_Font.DrawScrollText(m_nAbsX + kMsgBoxTextX, m_nAbsY + kMsgBoxTextY, m_Request->m_strText.c_str(), 0xFF8D6365,
                              kMsgBoxTextWidth, 80, 0, kTextSizeDefault, 16, 0, false);
    }
}
