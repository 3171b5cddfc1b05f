// Drawing of buttons and check boxes through the host callback. The look itself (frame, colour,
// pressed shift) comes from GetLook.
#include "framework/core/ORVCallBack.h"
#include "framework/widgets/ORVButton.h"

void CORVButton::OnDraw()
{
    CHostCallBackGuard* host = ORVCallBack();
    if (host == nullptr) {
        return;
    }
    const ORVImageLook look = GetLook();
    host->DrawImage(m_nAbsX, m_nAbsY, look.nFrame, kImageSetButton, 0xFFFFFFFF, 0, 0);
    if (m_strCaption.empty()) {
        return;
    }
    const int s = look.nShift;
    if (m_nCaptionX == 0 && m_nCaptionY == 0) {
        // Centred: the host centres the text on x (alignment 1).
        host->DrawText(m_nAbsX + m_nWidth / 2 + s, m_nAbsY + (m_nHeight - kTextLineHeight) / 2 + s,
                       m_strCaption.c_str(), look.dwColour, 1, 0, 0, 1, 1, 0);
    } else {
        host->DrawText(m_nAbsX + m_nCaptionX + s, m_nAbsY + m_nCaptionY + s, m_strCaption.c_str(), look.dwColour,
                       m_nCaptionFlag1, m_nCaptionFlag2, 0, 1, 1, 0);
    }
}

void CORVCheck::OnDraw()
{
    CHostCallBackGuard* host = ORVCallBack();
    if (host == nullptr) {
        return;
    }
    const ORVImageLook look = GetLook();
    host->DrawImage(m_nAbsX, m_nAbsY, look.nFrame, kImageSetButton, 0xFFFFFFFF, 0, 0);
    if (!m_strCaption.empty()) {
        host->DrawText(m_nAbsX + m_nCaptionX, m_nAbsY + m_nCaptionY, m_strCaption.c_str(), look.dwColour, 0, 0, 0, 1,
                       1, 0);
    }
}
