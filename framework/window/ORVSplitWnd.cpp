#include "framework/window/ORVSplitWnd.h"

#include <algorithm>
#include <cstdio>

#include "framework/core/ByteOrder.h"
#include "framework/core/GameHooks.h"
#include "framework/core/ORVCallBack.h"
#include "framework/widgets/ORVButton.h"
#include "framework/widgets/ORVEdit.h"
#include "framework/widgets/ORVScroll.h"
#include "framework/window/BackgroundFit.h"

ORV_IMPLEMENT_RUNTIME_CLASS(CORVSplitWnd, CORVWindow)

namespace {

// The children's places and frames are the build's (SplitWnd in BuildProfile.h).
using namespace SplitWnd;
constexpr int kPageSteps = 10;       // the wheel moves a tenth of the range (at least 1)

// The split request: header {u32 owner 0, u16 main id, u16 sub id, u16 item id, u16 amount}, no body.
constexpr u16 kRequestMainId = 0x367;
constexpr u16 kSplitSubId = 0x14;
constexpr int kHeaderSize = 12;

// The main window opens the window through its record.
struct SplitRegistration {
    SplitRegistration() { SetSystemWindowRecord(ORV_MSG_SPLITWND, ORV_RUNTIME_CLASS(CORVSplitWnd)); }
};

const SplitRegistration g_SplitRegistration;

}  // namespace

CORVSplitWnd::CORVSplitWnd()
{
    m_bModal = 1;
}

CORVSplitWnd::~CORVSplitWnd() = default;

void CORVSplitWnd::CreateCloseButton() {}

void CORVSplitWnd::SetArgs(int arg, std::string text)
{
    // A negative maximum counts as 0; above 65,535 the 16-bit amount of the request would wrap.
    m_nMaxCount = arg < 0 ? 0 : static_cast<u32>(arg) > kSplitMaxAmount ? kSplitMaxAmount : static_cast<u32>(arg);
    // Missing bytes of the item id count as 0.
    m_wItemId = ReadLE16At(reinterpret_cast<const unsigned char*>(text.data()), text.size(), 0);
}

void CORVSplitWnd::OnCreate()
{
    FitToBackground(*this, kSplitBackFrame);

    CreateButton(kOkX, kOkY, &m_pOkButton, kOkFrame, true, true, "");
    CreateButton(kCancelX, kCancelY, &m_pCancelButton, kCancelFrame, true, true, "");

    m_pScroll = new CORVHScroll();
    AddChild(m_pScroll, false);
    m_pScroll->CreateBar(this, kBarX, kBarY, kBarLength);
    m_pScroll->SetRange(static_cast<int>(m_nMaxCount));
    m_pScroll->SetPos(1);
    const int step = static_cast<int>(m_nMaxCount) / kPageSteps;
    m_pScroll->m_nStep = step < 1 ? 1 : step;

    CreateButton(kIncX, kIncY, &m_pIncButton, kIncFrame, true, true, "");
    CreateButton(kDecX, kDecY, &m_pDecButton, kDecFrame, true, true, "");

    m_pEdit = new CORVEdit();
    m_pEdit->m_bNumber = 1;
    m_pEdit->m_nMaxLen = kEditLength;
    m_pEdit->m_wFrame = 0;
    AddChild(m_pEdit, false);
    m_pEdit->CreateEdit(this, kEditFont, 0xFFFFFFFF, kEditAlign, kEditX, kEditY, kEditW, kEditH);
}

int CORVSplitWnd::GetAmount() const
{
    return m_pEdit != nullptr ? m_pEdit->m_nValue : 0;
}

void CORVSplitWnd::ShowAmount(int n)
{
    if (m_pEdit == nullptr) {
        return;
    }
    char text[16];
    std::snprintf(text, sizeof(text), "%d", n);
    m_pEdit->SetText(text);
}

int CORVSplitWnd::KeepAmountInRange()
{
    if (m_pEdit == nullptr || m_pEdit->m_strText.empty()) {
        return 0;
    }
    // min(max(n, 1), maximum): 0 while the maximum is 0, so the field settles and stays.
    const int n = GetAmount();
    const int kept = static_cast<int>(std::min<u32>(static_cast<u32>(std::max(n, 1)), m_nMaxCount));
    if (kept != n) {
        ShowAmount(kept);
    }
    return kept;
}

void CORVSplitWnd::OnDraw()
{
    if (m_pEdit == nullptr || m_pScroll == nullptr || m_pEdit->m_strText.empty()) {
        return;
    }
    m_pScroll->SetPos(KeepAmountInRange());
}

bool CORVSplitWnd::OnMessage(ORVMsg* msg)
{
    if (msg == nullptr || msg->m_pSender == nullptr) {
        return true;
    }
    if (msg->m_nId == kNotifyLeftClick) {
        const int n = GetAmount();
        if (msg->m_pSender == m_pOkButton) {
            Send();
        } else if (msg->m_pSender == m_pCancelButton) {
            Close();
        } else if (msg->m_pSender == m_pIncButton) {
            if (static_cast<long long>(n) + 1 <= m_nMaxCount) {
                ShowAmount(n + 1);
            }
        } else if (msg->m_pSender == m_pDecButton) {
            if (n - 1 >= 1) {
                ShowAmount(n - 1);
            }
        }
    } else if (msg->m_nId == kNotifyScroll && msg->m_pSender == m_pScroll && m_pScroll != nullptr) {
        int p = m_pScroll->m_nPos;
        if (p == 0) {
            p = 1;
            m_pScroll->SetPos(1);
        }
        ShowAmount(p);
    }
    return true;
}

bool CORVSplitWnd::OnMouseWheel(int, int, int delta)
{
    if (m_pScroll != nullptr) {
        m_pScroll->OnMouseWheel(0, 0, delta);
    }
    return true;
}

void CORVSplitWnd::Send()
{
    // Typing and the click can fall into one frame, before the frame's correction: correct first.
    const u16 amount = static_cast<u16>(KeepAmountInRange());
    if (amount == 0) {
        return;   // nothing typed, or nothing to split: the window stays
    }
    unsigned char request[kHeaderSize] = {};
    WriteLE16(request + 4, kRequestMainId);
    WriteLE16(request + 6, kSplitSubId);
    WriteLE16(request + 8, m_wItemId);
    WriteLE16(request + 10, amount);
    if (CHostCallBackGuard* host = ORVCallBack()) {
        host->SendToServer(reinterpret_cast<const char*>(request), kHeaderSize);
    }
    Close();
}
