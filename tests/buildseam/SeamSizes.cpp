// The test build's size seam: a fixed 640 x 480 screen, and every image 30 x 20.
#include "framework/control/SizeSeam.h"

bool GetBuildScreenSize(int* w, int* h)
{
    *w = 640;
    *h = 480;
    return true;
}

bool GetBuildImageSize(int, int, int* w, int* h)
{
    *w = 30;
    *h = 20;
    return true;
}

unsigned GetBuildFrameTime()
{
    return 77;
}
