// The three-image background through the renderer: the middle zoomed, the caps as they are.
#include "framework/widgets/CapBar.h"
#include "glimmer/Glimmer.h"

void DrawCapBar(const ORVCapBar& bar, ARGB colour)
{
    const auto set = static_cast<std::uint16_t>(bar.nSet);
    if (bar.fScaleX > 0.0f && bar.fScaleY > 0.0f) {
        g_TexMgr.DrawTextureZoom(bar.nMiddleX, bar.nMiddleY, static_cast<std::uint16_t>(bar.nFrame + 1), set, bar.fScaleX,
                                 bar.fScaleY, colour, nullptr, true);
    }
    g_TexMgr.DrawTexture(bar.nFirstX, bar.nFirstY, static_cast<std::uint16_t>(bar.nFrame), set, colour, true);
    g_TexMgr.DrawTexture(bar.nLastX, bar.nLastY, static_cast<std::uint16_t>(bar.nFrame + 2), set, colour, true);
}
