// The popup menu: a vertical list of commands shown at the mouse. Game code fills the item list
// and calls ShowPopupMenu; the menu, a system window of the main window (command ORV_MSG_POPMENU),
// opens at the last mouse position in the next frame. Choosing an item posts its command to the
// control manager; a click anywhere else, or the focus going elsewhere, closes the menu.
//
//   std::vector<ORVMenuItem>& items = GetPopupMenuItems();
//   items.clear();
//   items.emplace_back(ORVMsg(kMyCommand, 0, this), "拆分");
//   ShowPopupMenu();
#pragma once

#include <string>
#include <vector>

#include "framework/control/ORVWindow.h"
#include "framework/core/ORVMsg.h"

struct ORVMenuItem {
    ORVMenuItem(const ORVMsg& command, const std::string& caption);

    ORVMsg m_Command;                          // posted to the control manager when chosen
    std::string m_strCaption;
    u32 m_dwColour = kMenuItemColour;          // caption in the normal state
    u32 m_dwHoverColour = kMenuItemHoverColour;  // caption under the mouse or pressed
    u32 m_dwThirdColour = kMenuItemHoverColour;  // kept; not drawn
    u8 m_bEnabled = 1;                         // drawing tint only
    // The command's sender, watched from when the item was made: a command whose sender has died
    // is not posted.
    ORVLifeWatch m_SenderLife;
    bool m_bHasSender = false;
};

// The items of the next popup menu (created empty on first use); the opener refills them.
std::vector<ORVMenuItem>& GetPopupMenuItems();

// Closes an open menu and opens a new one at the last mouse position, both in the next frame.
void ShowPopupMenu();

// What the menu draws in one frame: its rows and the one row not in the normal state.
struct ORVMenuLook {
    int nRows = 0;            // rows drawn: the items, at most as many as the menu's height holds
    int nHoverRow = -1;       // the row under the mouse; -1 none
    int nHoverState = 0;      // its state: 1 under the mouse, 2 pressed

    // Drawing state of a row: 0 normal, 1 under the mouse, 2 pressed.
    int RowState(int row) const { return row == nHoverRow ? nHoverState : 0; }
};

class CORVMenuWnd : public CORVWindow {
    ORV_DECLARE_RUNTIME_CLASS(CORVMenuWnd)
public:
    CORVMenuWnd();
    ~CORVMenuWnd() override;

    void OnCreate() override;                                  // 10: at the mouse, takes the focus
    void NotifyParentKillFocus(CORVControl* next) override;    // 15: losing the focus closes it
    bool OnMouseMove(int x, int y) override;                   // 22: the row under the mouse
    bool OnMouseLeave(int x, int y, CORVControl* next) override;  // 24
    bool OnClick(int kind) override;                           // 41: posts the row's command, closes
    void OnDraw() override;                                    // 46 (ORVMenuWndDraw.cpp)
    void SetArgs(int arg, std::string text) override;          // 50: the screen position
    void CreateCloseButton() override;                         // 64: none

    // Rows and row states for the current items and mouse.
    ORVMenuLook GetLook();

    i32 m_nHover = -1;      // row under the mouse; -1 none
    i32 m_nScreenX = 0;
    i32 m_nScreenY = 0;
};
