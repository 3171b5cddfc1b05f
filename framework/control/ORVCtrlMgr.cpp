#include "framework/control/ORVCtrlMgr.h"

#include <algorithm>
#include <new>
#include <string>

#include "framework/control/SizeSeam.h"
#include "framework/core/DebugLog.h"
#include "framework/core/DragIcon.h"
#include "framework/core/GameHooks.h"
#include "framework/core/ORVCallBack.h"
#include "framework/core/ScratchBuffer.h"
#include "framework/widgets/ORVToolTip.h"
#include "platform/Platform.h"

u32 g_nMouseX = 0;
u32 g_nMouseY = 0;

namespace {

bool g_bCtrlMgrTornDown = false;

// Installed by the message-box queue, where the toolkit has one.
using DropBoxesFn = void (*)();
constinit DropBoxesFn g_pfnDropBoxesOfClosedGame = nullptr;

// The services that controls and the main window call are created first, so that they are
// destroyed after the manager and its window tree: the platform object (debug lines), the drag
// state, the floating tips, the tooltip, and every service registered by its own file (message
// box queue, the game's data and settings managers, ...).
CORVCtrlMgr* CreateCtrlMgr()
{
    orv::platform::Get();
    GetDragIcon();
    CAutoTip::GetSingleton();
    CORVToolTip::GetSingleton();
    CreateTreeServices();
    static CORVCtrlMgr g_CtrlMgr;
    return &g_CtrlMgr;
}

// What GetSingleton hands out once the manager is gone: an empty manager that is never destroyed
// and never counts as the live one, so a stray late caller touches no destroyed object.
CORVCtrlMgr& InertCtrlMgr()
{
    alignas(CORVCtrlMgr) static unsigned char storage[sizeof(CORVCtrlMgr)];
    static CORVCtrlMgr* const inert = new (storage) CORVCtrlMgr(CORVCtrlMgr::kInert);
    return *inert;
}

}  // namespace

CORVCtrlMgr& CORVCtrlMgr::GetSingleton()
{
    if (g_bCtrlMgrTornDown) {
        DebugLog("Error,the control manager was asked for after its teardown\n");
        return InertCtrlMgr();
    }
    static CORVCtrlMgr* const mgr = CreateCtrlMgr();
    return *mgr;
}

bool CORVCtrlMgr::IsTornDown()
{
    return g_bCtrlMgrTornDown;
}

CORVCtrlMgr::CORVCtrlMgr()
{
    s_pLive = this;
}

CORVCtrlMgr::CORVCtrlMgr(InertTag) {}

CORVCtrlMgr::~CORVCtrlMgr()
{
    // This runs at unload, when the host's callback object may already be gone: forget it before
    // anything else, so nothing below calls the host (a game window dying here neither sends its
    // leave request nor notifies the host; the host closes the game before unloading for that).
    *GetORVCallBack() = nullptr;
    // The window tree goes next, while the manager and every service its destructors call live.
    DestroyWindowTree();
    s_pLive = nullptr;
    g_bCtrlMgrTornDown = true;
}

void CORVCtrlMgr::DestroyWindowTree()
{
    m_MainWnd.DestroyWindows();
    m_MsgQueue.Clear();
    m_MainWnd.m_MsgQueue.Clear();
    m_pCapture = nullptr;
    m_pHover = nullptr;
    m_pFocus = nullptr;
    m_vModal.clear();
}

void SetDropBoxesOfClosedGame(void (*pfnDrop)())
{
    g_pfnDropBoxesOfClosedGame = pfnDrop;
}

void CORVCtrlMgr::ForgetClosedGame()
{
    // Hover, focus and capture of the game's controls went with them (ForgetControl); the
    // floating notices are not the game's windows but lose their tips here.
    CORVToolTip::GetSingleton().Reset();
    CAutoTip& tips = CAutoTip::GetSingleton();
    tips.Clear();
    if (m_pHover == &tips) {
        SetHoverControl(nullptr);
    }
    if (m_pCapture == &tips) {
        m_pCapture = nullptr;
    }
    // An icon the game was dragging (until its server's reply) is not drawn over the next game.
    GetDragIcon().Reset();
    if (g_pfnDropBoxesOfClosedGame != nullptr) {
        g_pfnDropBoxesOfClosedGame();
    }
    // What the game posted, by its windows or with no sender (its events and the answers of its
    // questions), as the box queue judges its questions; the box queue's own commands are its own.
    m_MsgQueue.RemoveIf([](const PostedMsg& entry) {
        const ORVMsg& msg = entry.m_Msg;
        return msg.SenderGone() || (msg.m_pSender == nullptr && msg.m_nId != ORV_MSG_MSGBOX);
    });
}

bool CORVCtrlMgr::RouteMessage(ORVMsg* msg)
{
    if (msg == nullptr) {
        return false;
    }
    // A handler that throws has not handled the message; the caller (the frame's queue, input,
    // the game) goes on.
    try {
        return RouteByRules(*msg);
    } catch (...) {
        DebugLog("Error,exception while routing message 0x%X\n", msg->m_nId);
        return false;
    }
}

bool CORVCtrlMgr::RouteByRules(ORVMsg& message)
{
    ORVMsg* const msg = &message;
    const u32 id = msg->m_nId;

    // Left and right buttons (not the right double click) go only to the topmost modal control.
    if (id >= ORV_MSG_LBUTTONDOWN && id <= ORV_MSG_RBUTTONUP && !m_vModal.empty()) {
        return m_vModal.back()->ProcessMessage(msg);
    }
    if (id >= ORV_MSG_KEYDOWN && id <= ORV_MSG_CHAR && m_pFocus != nullptr) {
        return m_pFocus->ProcessMessage(msg);
    }
    if (id == ORV_MSG_MOUSEMOVE && m_pCapture != nullptr) {
        // A captured move is not hit-tested; it is kept on the host screen.
        int x = std::max(PackedX(msg->m_wParam), 0);
        int y = std::max(PackedY(msg->m_wParam), 0);
        int screenW = 0;
        int screenH = 0;
        if (GetBuildScreenSize(&screenW, &screenH)) {
            x = std::min(x, screenW);
            y = std::min(y, screenH);
        }
        return m_pCapture->OnMouseMove(x - m_pCapture->m_nAbsX, y - m_pCapture->m_nAbsY);
    }
    const bool handled = m_MainWnd.ProcessMessage(msg);
    if (id == ORV_MSG_LBUTTONUP && !handled) {
        m_pCapture = nullptr;   // no control took the release
    }
    return handled;
}

void CORVCtrlMgr::RouteDueMessages()
{
    // Routing may post (and pump) again; nothing reaches a manager already torn down.
    HandOutDueMessages(
        m_MsgQueue, [] { return GetIfAlive() != nullptr; }, [](ORVMsg* msg) { GetIfAlive()->RouteMessage(msg); });
}

void CORVCtrlMgr::SetHoverControl(CORVControl* next)
{
    if (next == m_pHover) {
        return;
    }
    CORVControl* old = m_pHover;
    if (old != nullptr) {
        old->OnMouseLeave(0, 0, next);
    }
    m_pHover = next;
    if (next != nullptr) {
        next->OnMouseEnter(0, 0, old);
    }
}

void CORVCtrlMgr::SetFocusControl(CORVControl* next)
{
    if (next == m_pFocus) {
        return;
    }
    // A throwing handler leaves the focus as it was at that moment: a throwing OnSetFocus is a
    // refusal, a throwing OnKillFocus keeps the old control.
    CORVControl* old = m_pFocus;
    try {
        if (next == nullptr) {
            if (old != nullptr) {
                old->OnKillFocus(nullptr);
            }
            m_pFocus = nullptr;
            return;
        }
        if (!next->OnSetFocus(old)) {
            return;
        }
        if (old != nullptr) {
            old->OnKillFocus(next);
        }
        m_pFocus = next;
    } catch (...) {
        DebugLog("Error,exception while moving the focus\n");
    }
}

void CORVCtrlMgr::AddModal(CORVControl* ctrl)
{
    if (ctrl != nullptr && std::find(m_vModal.begin(), m_vModal.end(), ctrl) == m_vModal.end()) {
        m_vModal.push_back(ctrl);
    }
}

void CORVCtrlMgr::ForgetControl(CORVControl* ctrl)
{
    if (ctrl == nullptr) {
        return;
    }
    if (m_pCapture == ctrl) {
        m_pCapture = nullptr;
    }
    if (m_pHover == ctrl) {
        m_pHover = nullptr;
    }
    if (m_pFocus == ctrl) {
        m_pFocus = nullptr;
    }
    m_vModal.erase(std::remove(m_vModal.begin(), m_vModal.end(), ctrl), m_vModal.end());
}

void PostToManager(ORVMsg* msg, u32 delay)
{
    // A service destroyed after the manager (library unload) may still post from its destructor.
    if (msg == nullptr || CORVCtrlMgr::IsTornDown()) {
        return;
    }
    CORVCtrlMgr* mgr = CORVCtrlMgr::GetIfAlive();
    if (mgr == nullptr) {
        mgr = &CORVCtrlMgr::GetSingleton();   // first use: the manager is created here
    }
    ORVMsg copy = *msg;
    WatchSender(copy);
    mgr->m_MsgQueue.PostMessage(copy, delay);
}

// ---- Windows input ----

namespace {

bool Route(u32 id, u32 wParam, u32 lParam)
{
    CORVCtrlMgr* mgr = CORVCtrlMgr::GetIfAlive();
    if (mgr == nullptr) {
        return false;   // no window tree (yet, or any more): nothing takes input
    }
    ORVMsg msg(id, wParam, lParam, std::string());
    return mgr->RouteMessage(&msg);
}

// The input method's result string of window hWnd, one character message per byte.
bool RouteImeResult(HWND hWnd)
{
    const int got =
        orv::platform::Get().GetImeResultString(hWnd, g_ScratchBuffer, static_cast<int>(kScratchBufferSize));
    if (got <= 0) {
        return false;
    }
    // Handlers reuse the scratch buffer: route from a copy.
    const std::string bytes(g_ScratchBuffer, std::min<std::size_t>(static_cast<std::size_t>(got), kScratchBufferSize));
    bool handled = false;
    for (const char c : bytes) {
        // The byte sign-extended to 16 bits: 0x80 and above arrive as 0xFF80 to 0xFFFF.
        const u32 code = static_cast<u16>(static_cast<std::int16_t>(static_cast<signed char>(c)));
        handled = Route(ORV_MSG_CHAR, code, 0);
    }
    return handled;
}

}  // namespace

bool TranslateWindowMessage(HWND hWnd, UINT msg, WPARAM wParam, LPARAM lParam)
{
    const u32 packed = static_cast<u32>(lParam);
    switch (msg) {
    case WM_KEYDOWN:
    case WM_SYSKEYDOWN:
        return Route(ORV_MSG_KEYDOWN, static_cast<u32>(wParam & 0xFFFF), 0);
    case WM_KEYUP:
    case WM_SYSKEYUP:
        return Route(ORV_MSG_KEYUP, static_cast<u32>(wParam & 0xFFFF), 0);
    case WM_CHAR:
        return Route(ORV_MSG_CHAR, static_cast<u32>(wParam & 0xFFFF), 0);
    case WM_IME_COMPOSITION:
        if ((static_cast<u32>(lParam) & GCS_RESULTSTR) == 0) {
            return false;
        }
        return RouteImeResult(hWnd);
    case WM_MOUSEMOVE: {
        g_nMouseX = packed & 0xFFFF;
        g_nMouseY = (packed >> 16) & 0xFFFF;
        const bool handled = Route(ORV_MSG_MOUSEMOVE, packed, 0);
        ForwardBuildMouseMove(lParam);
        return handled;
    }
    case WM_LBUTTONDOWN:
    case WM_LBUTTONUP:
    case WM_LBUTTONDBLCLK:
    case WM_RBUTTONDOWN:
    case WM_RBUTTONUP:
    case WM_RBUTTONDBLCLK:
    case WM_MBUTTONDOWN:
    case WM_MBUTTONUP:
        // The eight button messages (0x201 to 0x208) map in order onto 0x106 to 0x10d.
        static_assert(WM_MBUTTONUP - WM_LBUTTONDOWN == ORV_MSG_MBUTTONUP - ORV_MSG_LBUTTONDOWN);
        return Route(ORV_MSG_LBUTTONDOWN + (msg - WM_LBUTTONDOWN), packed, 0);
    case WM_MOUSEWHEEL:
        // The wheel message carries screen coordinates: deliver it at the last mouse position.
        return Route(ORV_MSG_MOUSEWHEEL, (g_nMouseY << 16) | (g_nMouseX & 0xFFFF),
                     static_cast<u32>((static_cast<std::uint64_t>(wParam) >> 16) & 0xFFFF));
    default:
        return false;
    }
}

int IsCtrlDown()
{
    return (orv::platform::Get().GetKeyState(VK_CONTROL) & 0x100) != 0 ? 1 : 0;
}
