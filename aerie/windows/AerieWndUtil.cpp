#include "aerie/windows/AerieWndUtil.h"

#include <cstdio>

#include "aerie/state/AerieConfigMgr.h"
#include "aerie/windows/AerieNewBie.h"
#include "framework/control/ORVCtrlMgr.h"
#include "framework/control/SizeSeam.h"
#include "framework/text/TextUtil.h"
#include "framework/widgets/ORVToolTip.h"
#include "framework/window/BackgroundFit.h"
#include "framework/window/ORVMsgBox.h"
#include "platform/Platform.h"

void GameTip(const std::string& text, u32 colour, int frames)
{
    CAutoTip::GetSingleton().AddText(text, colour, frames);
}

bool RefuseDuringTutorial(const char* text)
{
    if (!CAerieNewBie::GetSingleton().IsActive()) {
        return false;
    }
    GameTip(text != nullptr ? text : "");
    return true;
}

ORVMsg GameEvent(u32 topic, u32 param, const std::string& text, CORVControl* sender)
{
    ORVMsg msg(ORV_MSG_GAMEWND, topic, param, text);
    msg.m_pSender = sender;
    return msg;
}

void PostGameEventAfter(u32 topic, u32 param, u32 delay)
{
    ORVMsg msg = GameEvent(topic, param);
    PostToManager(&msg, delay);
}

void AskThen(const std::string& text, const ORVMsg& ok, const ORVMsg& cancel)
{
    ORVMsgBoxQueue::GetSingleton().ShowOkCancelBox(ok, cancel, text);
}

bool AskWithCheckIfNeeded(const char* key, const std::string& text, const std::string& checkCaption,
                          const ORVMsg& ok, const ORVMsg& cancel)
{
    if (key == nullptr || !CAerieConfigMgr::GetSingleton()->AsksConfirmation(key)) {
        return false;
    }
    ORVMsgBoxRequest req;
    req.m_OkMsg = ok;
    req.m_CancelMsg = cancel;
    req.m_nStyle = kMsgBoxStyleBase | kMsgBoxStyleTwoButtons | kMsgBoxStyleCheck;
    req.m_strText = text;
    req.m_strCheckText = checkCaption;
    ORVMsgBoxQueue::GetSingleton().ShowMsgBox(req);
    return true;
}

void RememberConfirmAnswer(const char* key)
{
    if (key == nullptr) {
        return;
    }
    CORVMsgBox* box = ORVMsgBoxQueue::GetSingleton().m_pBox;
    CAerieConfigMgr::GetSingleton()->AnswerConfirmation(key, box != nullptr && box->IsChecked());
}

bool CClickThrottle::Ready(u32 now) const
{
    if (!m_bMarked) {
        return true;
    }
    const u32 passed = now - m_dwStamp;
    return m_bStrict ? passed > m_dwInterval : passed >= m_dwInterval;
}

bool CClickThrottle::TryNow()
{
    const u32 now = TickNow();
    if (!Ready(now)) {
        return false;
    }
    Mark(now);
    return true;
}

std::string FormatDurationHMS(u32 seconds)
{
    char text[32];
    std::snprintf(text, sizeof(text), "%02u:%02u:%02u", seconds / 3600, seconds / 60 % 60, seconds % 60);
    return text;
}

void CutGbk(std::string& text, std::size_t maxBytes)
{
    if (text.size() > maxBytes) {
        text.resize(GbkWholePrefix(text.data(), text.size(), maxBytes));
    }
}

void InitFrame(CORVWindow* wnd, u16 backFrame, int closeRight, int closeTop)
{
    if (wnd == nullptr) {
        return;
    }
    if (backFrame != 0) {
        FitToBackground(*wnd, backFrame);
    } else {
        wnd->m_wBackFrame = 0;
        wnd->CenterInParent();
    }
    wnd->CreateButton(wnd->m_nWidth - closeRight, closeTop, &wnd->m_pCloseButton, kCloseButtonFrame, true,
                      true, "");
}

void GetWindowImageSize(int frame, int* w, int* h)
{
    *w = 0;
    *h = 0;
    GetBuildImageSize(frame, kImageSetWindow, w, h);
}

bool ForwardWheel(CORVControl* wnd, const ORVMsg* msg, const CORVControl* bar)
{
    if (wnd == nullptr || msg == nullptr || msg->m_nId != ORV_MSG_MOUSEWHEEL || bar == nullptr) {
        return false;
    }
    const int x = PackedX(msg->m_wParam) - wnd->m_nAbsX;
    const int y = PackedY(msg->m_wParam) - wnd->m_nAbsY;
    if (x < 0 || y < 0 || x >= wnd->m_nWidth || y >= wnd->m_nHeight) {
        return false;   // over another window
    }
    wnd->OnMouseWheel(x, y, WheelDelta(msg->m_lParam));
    return true;
}
