#include "framework/window/ORVMenuWnd.h"

#include <algorithm>

#include "framework/control/ORVCtrlMgr.h"
#include "framework/core/DebugLog.h"
#include "framework/core/GameHooks.h"

ORV_IMPLEMENT_RUNTIME_CLASS(CORVMenuWnd, CORVWindow)

namespace {

constexpr u32 kMenuDelay = 1;      // frames before a posted menu command or open/close

// The main window opens the menu through its record.
struct MenuRegistration {
    MenuRegistration() { SetSystemWindowRecord(ORV_MSG_POPMENU, ORV_RUNTIME_CLASS(CORVMenuWnd)); }
};

const MenuRegistration g_MenuRegistration;

}  // namespace

ORVMenuItem::ORVMenuItem(const ORVMsg& command, const std::string& caption)
    : m_Command(command), m_strCaption(caption)
{
    if (command.m_pSender != nullptr) {
        m_SenderLife = command.m_pSender->Watch();
        m_bHasSender = true;
    }
}

std::vector<ORVMenuItem>& GetPopupMenuItems()
{
    static std::vector<ORVMenuItem> items;
    return items;
}

void ShowPopupMenu()
{
    const u32 at = PackPos(static_cast<int>(g_nMouseX), static_cast<int>(g_nMouseY));
    ORVMsg close(ORV_MSG_POPMENU, kSysWndClose, at, "");
    PostToManager(&close, kMenuDelay);
    ORVMsg open(ORV_MSG_POPMENU, kSysWndOpen, at, "");
    PostToManager(&open, kMenuDelay);
}

CORVMenuWnd::CORVMenuWnd()
{
    m_bDraggable = 0;
}

CORVMenuWnd::~CORVMenuWnd() = default;

void CORVMenuWnd::CreateCloseButton() {}

void CORVMenuWnd::SetArgs(int arg, std::string)
{
    // Packed by ShowPopupMenu: signed, so a menu left of or above the screen's origin stays there.
    const u32 packed = static_cast<u32>(arg);
    m_nScreenX = PackedX(packed);
    m_nScreenY = PackedY(packed);
}

void CORVMenuWnd::OnCreate()
{
    const int parentX = m_pParent != nullptr ? m_pParent->m_nAbsX : 0;
    const int parentY = m_pParent != nullptr ? m_pParent->m_nAbsY : 0;
    SetPos(m_nScreenX - parentX, m_nScreenY - parentY);
    const std::size_t count = std::min<std::size_t>(GetPopupMenuItems().size(), 0x7FFFFFFF / kMenuRowHeight);
    SetSize(kMenuWidth, kMenuRowHeight * static_cast<int>(count));
    SetFocus();
}

void CORVMenuWnd::NotifyParentKillFocus(CORVControl*)
{
    Close();
}

bool CORVMenuWnd::OnMouseMove(int x, int y)
{
    m_nHover = (y - 1) / kMenuRowHeight;
    return CORVWindow::OnMouseMove(x, y);
}

bool CORVMenuWnd::OnMouseLeave(int x, int y, CORVControl* next)
{
    m_nHover = -1;
    return CORVWindow::OnMouseLeave(x, y, next);
}

bool CORVMenuWnd::OnClick(int kind)
{
    if (kind != static_cast<int>(kNotifyLeftClick)) {
        return true;
    }
    const std::vector<ORVMenuItem>& items = GetPopupMenuItems();
    if (m_nHover >= 0 && static_cast<std::size_t>(m_nHover) < items.size()) {
        const ORVMenuItem& item = items[m_nHover];
        if (item.m_bHasSender && item.m_SenderLife.expired()) {
            DebugLog("Error,the sender of menu command 0x%X is gone!\n", item.m_Command.m_nId);
        } else {
            ORVMsg command = item.m_Command;
            PostToManager(&command, kMenuDelay);
        }
    }
    Close();
    return true;
}

ORVMenuLook CORVMenuWnd::GetLook()
{
    ORVMenuLook look;
    look.nRows = static_cast<int>(std::min<std::size_t>(GetPopupMenuItems().size(), 0x7FFFFFFF / kMenuRowHeight));
    if (m_nHover >= 0 && m_nHover < look.nRows) {
        look.nHoverRow = m_nHover;
        look.nHoverState = IsCaptured() ? 2 : 1;
    }
    return look;
}
