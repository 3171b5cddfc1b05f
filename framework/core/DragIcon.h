// The drag state that the game's icon controls and the main window share: while the dragging flag
// is set, the main window draws the image at the mouse, above every window.
#pragma once

#include "framework/core/OrvTypes.h"

struct ORVDragIcon {
    u8 m_bDragging = 0;   // 1 while an icon is dragged
    i32 m_nSource = -1;   // the drag source; -1 none
    u16 m_wFrame = 0;     // image drawn at the mouse
    u16 m_wSet = 0;

    // Back to the first-use state: not dragging, no source, no image.
    void Reset() { *this = ORVDragIcon(); }
};

// g_DragIcon, created on first use with its fields reset. Game code reads and writes the fields.
ORVDragIcon& GetDragIcon();
