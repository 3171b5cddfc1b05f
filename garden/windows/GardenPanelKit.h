// Requests and texts the Garden side panels share: a panel's request is message 884 with a
// 12-byte header whose fields are zero but the sub-command and the named parameter; its texts are
// drawn with the Glimmer font, at size 12 in the panels' brown unless said otherwise.
#pragma once

#include <cstddef>
#include <string_view>

#include "BuildProfile.h"
#include "framework/core/OrvTypes.h"

inline constexpr u32 kPanelTextColour = 0xFF8D6365;   // the panels' normal text
inline constexpr u32 kPanelGreenColour = 0xFF468C7C;  // labels and list items
inline constexpr int kPanelTitleSize = 14;

// 884 with that sub-command, first parameter param1 and the body (len bytes; none when 0).
int SendPanelRequest(u16 sub, u16 param1 = 0, const void* body = nullptr, int len = 0);

// Enters the garden of that guid name (884 sub 0x04), then routes topic 107 to the screen at once:
// a posted 107 could reach it after the enter reply's 108. Windows may be gone when it returns.
void EnterGardenOf(std::string_view guid);

// Text at screen point (x, y); align 0 starts it at x, 1 centres it on x, 2 ends it at x
// (widths by the build's text rule at the default size).
void DrawPanelText(int x, int y, const char* text, u32 colour = kPanelTextColour, int size = kTextSizeDefault,
                   int align = 0, int flags = 0);
