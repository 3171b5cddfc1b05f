// CORVMainWnd: the root of the window tree and the per-frame entry of all drawing. It owns the five
// system windows, each opened, closed, toggled or told a topic by one command id (0x111 to 0x115),
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

    // Closes the game main window, or else the choose-beast window.
    void CloseGameWindow();
    // True while the game main window or the choose-beast window exists.
    bool IsGameOpen() const;
    // The field that holds the system window of a command id (0x111 to 0x115); null for others.
    CORVControl** GetSystemWindowField(u32 msgId);
    // Deletes every child and clears the system-window fields (teardown).
    void DestroyWindows();

    // Drawing of the layers above the windows (floating tips, guide, drag icon, tooltip).
    void RenderTopLayers();
    // The dragged icon's image centred on the last mouse position (ORVMainWndDraw.cpp).
    void DrawDragIcon();

    // System windows, null until opened.
    CORVControl* m_pChooseBeastWnd = nullptr;   // 0x112
    CORVControl* m_pGameWnd = nullptr;          // 0x113
    CORVControl* m_pMsgBox = nullptr;           // 0x111
    CORVControl* m_pMenuWnd = nullptr;          // 0x114
    CORVControl* m_pSplitWnd = nullptr;         // 0x115
};
