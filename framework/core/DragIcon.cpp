#include "framework/core/DragIcon.h"

ORVDragIcon& GetDragIcon()
{
    static ORVDragIcon g_DragIcon;
    return g_DragIcon;
}
