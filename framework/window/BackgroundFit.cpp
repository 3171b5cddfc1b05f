#include "framework/window/BackgroundFit.h"

#include "framework/control/ORVWindow.h"
#include "framework/control/SizeSeam.h"

void FitToBackground(CORVWindow& wnd, u16 frame)
{
    wnd.m_wBackFrame = frame;
    int w = 0;
    int h = 0;
    GetBuildImageSize(frame, kImageSetWindow, &w, &h);
    wnd.SetSize(w, h);
    wnd.CenterInParent();
}
