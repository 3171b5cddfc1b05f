#include "framework/richtext/ORVRichTextViewer.h"

#include <algorithm>
#include <cstring>

#include "framework/control/ORVCtrlMgr.h"
#include "framework/text/TextUtil.h"
#include "framework/widgets/ORVScroll.h"

ORV_IMPLEMENT_RUNTIME_CLASS(CORVRichTextViewer, CORVControlContainer)

CORVRichTextViewer::CORVRichTextViewer()
{
    m_bFocusable = 1;   // takes the focus for Ctrl+C in every build
}

CORVRichTextViewer::~CORVRichTextViewer()
{
    if (m_pContext != nullptr && m_pContext->GetView() == this) {
        m_pContext->SetView(nullptr);
    }
    m_pContext = nullptr;
}

void CORVRichTextViewer::OnCreate()
{
    m_pScroll = new CORVVScroll();
    AddChild(m_pScroll, true);
    m_pScroll->CreateBar(this, 0, 0, 0);
    m_pScroll->SetPos(0);
    m_pScroll->m_nStep = kCreateScrollStep;
    OnSize();
}

void CORVRichTextViewer::OnSize()
{
    const int barWidth = m_pScroll != nullptr ? m_pScroll->m_nWidth : 0;
    if (m_pContext != nullptr) {
        const int width = m_nWidth - m_nTextLeft - m_nScrollGap - (m_bShowScroll ? barWidth : 0);
        m_pContext->Resize(width, m_nHeight);   // updates the scroll range through this view
    }
    if (m_pScroll != nullptr) {
        m_pScroll->SetPos(m_nWidth - barWidth, 0);
        m_pScroll->SetSize(barWidth, m_nHeight);
    }
}

void CORVRichTextViewer::SetContext(CTextContext* context)
{
    if (m_pContext != nullptr) {
        m_pContext->ClearSelection();
        if (m_pContext->GetView() == this) {
            m_pContext->SetView(nullptr);
        }
    }
    m_pContext = context;
    if (m_pContext == nullptr) {
        return;
    }
    m_pContext->SetView(this);
    OnSize();   // lays the document out to the viewer; its range and position follow
}

void CORVRichTextViewer::UpdateScrollRange(int docHeight)
{
    if (m_pScroll == nullptr) {
        return;
    }
    // The range also goes to a bar that hides: its position falls back to the top with it, so a
    // document that now fits is shown from its top rather than from where it was scrolled.
    const int range = std::max(0, docHeight - m_nHeight);
    const bool hide = range == 0 && m_bHideWhenFits;
    m_pScroll->m_bVisible = hide ? 0 : 1;
    m_bScrollHidden = hide ? 1 : 0;
    m_pScroll->SetRange(range);   // the position clamped to it
    ScrollDocumentTo(m_pScroll->m_nPos);
}

void CORVRichTextViewer::ScrollToBottom()
{
    if (m_pScroll == nullptr) {
        return;
    }
    m_pScroll->SetPos(m_pScroll->m_nRange);
    ScrollDocumentTo(m_pScroll->m_nPos);
}

void CORVRichTextViewer::SetScrollStep()
{
    if (m_pScroll != nullptr) {
        m_pScroll->m_nStep = kScrollStep;
    }
}

void CORVRichTextViewer::ScrollDocumentTo(int pos)
{
    if (m_pContext != nullptr) {
        m_pContext->SetOrigin(0, pos);
    }
}

ORVRichPoint CORVRichTextViewer::GetTextScreenPos()
{
    return {m_nAbsX + m_nTextLeft, m_nAbsY + m_nTextTop};
}

void CORVRichTextViewer::OnContextDestroyed(CTextContext* context)
{
    if (m_pContext == context) {
        m_pContext = nullptr;
    }
}

bool CORVRichTextViewer::OnMessage(ORVMsg* msg)
{
    if (msg != nullptr && msg->m_nId == kNotifyScroll && m_pScroll != nullptr && msg->m_pSender == m_pScroll) {
        ScrollDocumentTo(static_cast<int>(msg->m_wParam));
    }
    return true;
}

bool CORVRichTextViewer::OnMouseWheel(int x, int y, int delta)
{
    if (x < 0 || y < 0 || x >= m_nWidth || y >= m_nHeight || m_pScroll == nullptr) {
        return false;
    }
    return m_pScroll->OnMouseWheel(x, y, delta);
}

bool CORVRichTextViewer::OnLButtonDown(int x, int y)
{
    m_nPressX = x;
    m_nPressY = y;
    if (m_pContext != nullptr) {
        m_pContext->ClearSelection();
    }
    return CORVControlContainer::OnLButtonDown(x, y);   // capture and focus
}

bool CORVRichTextViewer::OnMouseMove(int x, int y)
{
    if (!IsCaptured() || m_pContext == nullptr) {
        return CORVControl::OnMouseMove(x, y);
    }
    if (m_nPressX >= 0 && (x != m_nPressX || y != m_nPressY)) {
        // The first move away from the press point starts the selection there.
        m_pContext->ClearSelection();
        m_pContext->SelectAt(m_nPressX - m_nTextLeft, m_nPressY - m_nTextTop, 0);
        m_nPressX = m_nPressY = -1;
    }
    m_pContext->SelectAt(x - m_nTextLeft, y - m_nTextTop, 1);
    return true;
}

bool CORVRichTextViewer::OnLButtonUp(int x, int y)
{
    if (m_nPressX >= 0 && m_pContext != nullptr) {
        m_pContext->SelectAt(m_nPressX - m_nTextLeft, m_nPressY - m_nTextTop, 2);
    }
    m_nPressX = m_nPressY = -1;
    return CORVControlContainer::OnLButtonUp(x, y);
}

bool CORVRichTextViewer::OnRButtonUp(int x, int y)
{
    if (m_pContext != nullptr) {
        m_pContext->SelectAt(x - m_nTextLeft, y - m_nTextTop, 3);
    }
    return CORVControlContainer::OnRButtonUp(x, y);
}

bool CORVRichTextViewer::OnKeyDown(int high, int key)
{
    if ((key == 'C' || key == 'c') && IsCtrlDown() && m_pContext != nullptr) {
        if (const char* text = m_pContext->GetSelectedText()) {
            CopyToClipboard(text, static_cast<int>(std::strlen(text)));
            return true;
        }
        return kRichViewerOtherKeyResult;
    }
    return kRichViewerOtherKeyResult;
}

void CORVRichTextViewer::OnDraw()
{
    if (m_pContext != nullptr) {
        m_pContext->DrawParagraphs();
    }
}
