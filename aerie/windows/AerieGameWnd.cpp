#include "aerie/windows/AerieGameWnd.h"

#include "framework/widgets/ORVScroll.h"

// ---- CAerieGameWnd ----

CAerieGameWnd::CAerieGameWnd() = default;

CAerieGameWnd::~CAerieGameWnd()
{
    // The windows dying below may send game events: none reaches this one any more.
    m_bTearingDown = true;
    DeleteAllChildren();
}

void CAerieGameWnd::OnCreate()
{
    SetUpFrame();
    OnCreateControls();
}

void CAerieGameWnd::SetUpFrame()
{
    int fromRight = kCloseButtonRight;
    int top = kCloseButtonTop;
    CloseButtonPlace(&fromRight, &top);
    InitFrame(this, FrameImage(), fromRight, top);
}

void CAerieGameWnd::CloseButtonPlace(int* fromRight, int* top) const
{
    *fromRight = kCloseButtonRight;
    *top = kCloseButtonTop;
}

bool CAerieGameWnd::OnGameEvent(ORVMsg*)
{
    return false;
}

bool CAerieGameWnd::ProcessMessage(ORVMsg* msg)
{
    if (msg != nullptr && msg->m_nId == ORV_MSG_GAMEWND) {
        if (m_bTearingDown || OnGameEvent(msg)) {
            return true;
        }
    }
    if (ForwardWheel(this, msg, ScrollBar())) {
        return true;
    }
    return CAerieContainer::ProcessMessage(msg);
}

bool CAerieGameWnd::OnMouseWheel(int x, int y, int delta)
{
    if (CORVScroll* bar = ScrollBar()) {
        bar->OnMouseWheel(x, y, delta);
        OnScrolled();
    }
    return true;
}

bool CAerieGameWnd::OnMessage(ORVMsg* msg)
{
    if (msg != nullptr && msg->m_nId == kNotifyScroll && msg->m_pSender != nullptr &&
        msg->m_pSender == ScrollBar()) {
        OnScrolled();
        return true;
    }
    return CAerieContainer::OnMessage(msg);
}

// ---- CSubWndSlot ----

CORVControl* CSubWndSlot::Get() const
{
    if (m_pWnd != nullptr && m_Life.expired()) {
        m_pWnd = nullptr;
    }
    return m_pWnd;
}

void CSubWndSlot::Hold(CORVControl* wnd)
{
    m_pWnd = wnd;
    m_Life = wnd != nullptr ? wnd->Watch() : ORVLifeWatch();
}

void CSubWndSlot::Close()
{
    CORVControl* wnd = Get();
    Hold(nullptr);
    if (wnd != nullptr && m_pOwner != nullptr) {
        m_pOwner->DeleteChild(wnd);
    }
}

CORVControl* CSubWndSlot::Open(const RuntimeClassRecord* record, int arg, const std::string& text)
{
    Close();
    if (record == nullptr || m_pOwner == nullptr) {
        return nullptr;
    }
    Hold(m_pOwner->CreateChild(record, arg, text));
    return Get();
}

void CSubWndSlot::Toggle(const RuntimeClassRecord* record, bool closeFirst, int arg)
{
    if (record == nullptr) {
        return;   // that window is not in this build
    }
    if (closeFirst) {
        Close();
    }
    CORVControl* held = Get();
    const bool same = held != nullptr && held->IsKindOf(record);
    Close();
    if (!same) {
        Open(record, arg);
    }
}

void CSubWndSlot::OpenOrAskClose(const RuntimeClassRecord* record, int arg, const std::string& text)
{
    CORVControl* held = Get();
    if (held == nullptr) {
        if (record != nullptr) {
            Open(record, arg, text);
        }
        return;
    }
    if (m_pOwner != nullptr) {
        ORVMsg close(kNotifyClose, 0, held);
        m_pOwner->PostToSelf(&close, kNotifyDelay);
    }
}

bool CSubWndSlot::CloseIfFrom(const CORVControl* sender)
{
    CORVControl* held = Get();
    if (sender == nullptr || sender != held) {
        return false;
    }
    Close();
    return true;
}
