// Drawing of the message box through the host callback: its background and buttons draw
// themselves; the box adds the laid-out message text.
#include "framework/window/ORVMsgBox.h"

void CORVMsgBox::OnDraw()
{
    m_Text.Draw(m_nAbsX + kMsgBoxTextX, m_nAbsY + kMsgBoxTextY);
}
