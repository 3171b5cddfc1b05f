#include "framework/window/BackgroundFit.h"

#include "framework/control/ORVWindow.h"

void FitToBackground(CORVWindow& wnd, u16 frame)
{
    wnd.SetBackground(frame);
    wnd.CenterInParent();
}
