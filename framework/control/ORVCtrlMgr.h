// The control manager and the input path: TranslateWindowMessage turns Windows input into
// framework messages and CORVCtrlMgr::RouteMessage delivers each one to the topmost modal window,
// the focus control, the control holding the mouse capture or the main window's tree. The manager
// keeps the hover, focus and capture controls, the modal list, the main window and its own queue.
#pragma once

#include <vector>

#include "framework/core/ORVMsg.h"
#include "framework/window/ORVMainWnd.h"
#include "platform/WinTypes.h"

class CORVCtrlMgr {
public:
    // g_CtrlMgr, created on first use. The services that controls call from their destructors are
    // created before it (CreateTreeServices), so they outlive it. After its teardown (unload) it
    // writes a debug line and hands out an empty stand-in; code that may run then uses GetIfAlive.
    static CORVCtrlMgr& GetSingleton();
    // The manager while it exists; null before its creation and once its teardown is done.
    static CORVCtrlMgr* GetIfAlive() { return s_pLive; }
    // True once the manager has been destroyed (library unload): nothing may reach it any more.
    static bool IsTornDown();

    CORVCtrlMgr();
    ~CORVCtrlMgr();
    // An empty manager that never becomes the live one (what GetSingleton hands out after the
    // teardown).
    enum InertTag { kInert };
    explicit CORVCtrlMgr(InertTag);
    CORVCtrlMgr(const CORVCtrlMgr&) = delete;
    CORVCtrlMgr& operator=(const CORVCtrlMgr&) = delete;

    // Delivers one framework message now; true when a control handled it, false when none did or
    // a handler threw.
    bool RouteMessage(ORVMsg* msg);
    // One frame of the manager's queue: every message due now is routed, in posting order. Each
    // build's CORVMgr calls it once per drawn frame.
    void RouteDueMessages();
    void SetHoverControl(CORVControl* next);
    void SetFocusControl(CORVControl* next);
    void AddModal(CORVControl* ctrl);
    // Called by every control's destructor: no field keeps the control.
    void ForgetControl(CORVControl* ctrl);

    // After the game closed (its windows are gone), and as the next one starts: nothing it left
    // behind reaches the next game. The tooltip, the floating notices and the dragged icon are
    // dropped, so are the questions it asked and the messages it posted (those of its windows and
    // those with no sender); hover and capture leave the floating notices.
    void ForgetClosedGame();

    // Deletes the window tree (the main window's children) and drops the queued messages, while
    // every service the tree calls still lives. The main window itself stays.
    void DestroyWindowTree();

    CORVControl* m_pCapture = nullptr;   // took the left button down
    CORVControl* m_pHover = nullptr;     // under the mouse; its OnMouseMove last returned true
    CORVControl* m_pFocus = nullptr;     // receives keys
    std::vector<CORVControl*> m_vModal;  // open modal controls in creation order
    CORVMainWnd m_MainWnd;
    ORVMsgQueue m_MsgQueue;

private:
    bool RouteByRules(ORVMsg& msg);   // RouteMessage without its guard

    static inline CORVCtrlMgr* s_pLive = nullptr;   // set by the live manager's constructor
};

// The message-box queue's part of CORVCtrlMgr::ForgetClosedGame (the queue is a file of its own,
// not in every toolkit): installed by the queue at start-up.
void SetDropBoxesOfClosedGame(void (*pfnDrop)());

// Windows message -> framework message, routed at once; true when the framework handled it.
bool TranslateWindowMessage(HWND hWnd, UINT msg, WPARAM wParam, LPARAM lParam);

// 1 while the Ctrl key is down, else 0.
int IsCtrlDown();

// The last mouse position in host-window pixels, written on every mouse move.
extern u32 g_nMouseX;
extern u32 g_nMouseY;
