// Requests and texts the Garden side panels share: a panel's request is message 884 with a
// 12-byte header whose fields are zero but the sub-command and the named parameter; its texts are
// drawn with the Glimmer font, at size 12 in the panels' brown unless said otherwise.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string_view>

#include "BuildProfile.h"
#include "framework/core/OrvTypes.h"

inline constexpr u32 kPanelTextColour = 0xFF8D6365;   // the panels' normal text
inline constexpr u32 kPanelGreenColour = 0xFF468C7C;  // labels and list items
inline constexpr int kPanelTitleSize = 14;

// Message 884 with that sub-command and header fields (the others zero) and the body (none when
// empty).
int SendGardenRequest(u16 sub, u16 param1 = 0, u16 param2 = 0, u32 userId = 0, std::string_view body = {});
// Framework message (id, kind, second) with a value in the sender field, routed at once through
// the control manager. A value is never posted: a posted message watches its sender's life.
void RouteGardenEvent(u32 id, u32 kind, u32 second = 0, std::uintptr_t value = 0);

// Enters the garden of that guid name (884 sub 0x04), then routes topic 107 to the screen at once:
// a posted 107 could reach it after the enter reply's 108. Windows may be gone when it returns.
void EnterGardenOf(std::string_view guid);

// Text at screen point (x, y); align 0 starts it at x, 1 centres it on x, 2 ends it at x
// (widths by the build's text rule at the default size).
void DrawPanelText(int x, int y, const char* text, u32 colour = kPanelTextColour, int size = kTextSizeDefault,
                   int align = 0, int flags = 0);
