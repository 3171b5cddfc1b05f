// CORVMainWnd: the root of the window tree and the per-frame entry of all drawing. It owns the
// system windows, each opened, closed, toggled or told a topic by one command id (the build's range
// kSysWndFirstId to kSysWndLastId; in Orvane 0x111 to 0x115),
// carries game events to the game window, and draws the layers above every window: floating tips,
// the newbie guide's hint, the dragged icon and the tooltip.
#pragma once

#include "framework/control/ORVWindow.h"

class CORVMainWnd : public CORVWindow {
    ORV_DECLARE_RUNTIME_CLASS(CORVMainWnd)
public:
    CORVMainWnd();
    ~CORVMainWnd() override;

    void OnCreate() override;                    // 10: 800 x 600, centred on the host screen
    bool OnMessage(ORVMsg* msg) override;        // 33: close requests of the system windows
    bool ProcessMessage(ORVMsg* msg) override;   // 45: floating tips first, commands, children
    void Render() override;                      // 47: one frame
    void CreateCloseButton() override;           // 64: none

    // Closes every open window of the game (kSysWndGameIds), whichever of them stand (in Orvane a
    // city may arrive while the beast chooser is open), the game main window last: the host's
    // close (CORVMgr::CloseAerie) and the server's end the game at once. Whenever a close command
    // leaves no window of the game, the game is over: the control manager forgets what it left
    // behind (CORVCtrlMgr::ForgetClosedGame).
    void CloseGame();
    // True for the command id of a window of the game (kSysWndGameIds).
    static bool IsGameWindowId(u32 msgId);
    // True while a window of the game exists.
    bool IsGameOpen() const;
    // The slot that holds the system window of a command id; null for ids outside the range.
    CORVControl** GetSystemWindowField(u32 msgId);
    // The system window of a command id; null while closed or for ids outside the range.
    CORVControl* GetSystemWindow(u32 msgId) const;
    // Deletes every child and clears the system-window fields (teardown).
    void DestroyWindows();
    // Deletes one child window; a system window's field is cleared before it dies.
    void DestroyWindow(CORVControl* wnd);

    // Drawing of the layers above the windows (floating tips, guide, drag icon, tooltip).
    void RenderTopLayers();
    // The dragged icon's image centred on the last mouse position (ORVMainWndDraw.cpp).
    void DrawDragIcon();
    // The build's own layer above the guide and below the tooltip (ORVMainWndDraw.cpp).
    void DrawBuildLayer();
    // A window that draws a cursor of its own at the mouse this frame tells the main window to
    // leave its cursor out of this frame; the flag is cleared as each frame starts.
    void HideOwnCursorThisFrame() { m_bOwnCursorHidden = 1; }
    bool OwnCursorHidden() const { return m_bOwnCursorHidden != 0; }

    // System windows by command id - kSysWndFirstId, null until opened.
    static constexpr u32 kSystemWindowCount = kSysWndLastId - kSysWndFirstId + 1;
    CORVControl* m_apSystemWnd[kSystemWindowCount] = {};
    u8 m_bOwnCursorHidden = 0;   // this frame only

};
