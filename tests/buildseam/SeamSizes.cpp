// The test build's seam: a fixed 640 x 480 screen, every image 30 x 20, the frame clock at 77, the
// text metrics of its profile, and routed mouse moves recorded (SeamMouseMoves).
#include "tests/buildseam/SeamSizes.h"

#include "BuildProfile.h"
#include "framework/control/SizeSeam.h"
#include "framework/text/TextMetrics.h"

constinit const TextMetrics::Rule TextMetrics::kBuild = {
    &TextBytePx, kTextLineStepFont1, kTextLineStepOther, kTextSymbolPairPx, kTextWidePairPx};

std::vector<LPARAM>& SeamMouseMoves()
{
    static std::vector<LPARAM> moves;
    return moves;
}

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

void ForwardBuildMouseMove(LPARAM lParam)
{
    SeamMouseMoves().push_back(lParam);
}
