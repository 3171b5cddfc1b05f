// The Garden dispatcher the packet queue hands every drained packet to: one table keyed by the
// message id, message 884 going on to the garden state's reply table.
#pragma once

#include <cstddef>

#include "framework/core/OrvTypes.h"

void DispatchGardenPacket(const u8* packet, int len);
// The enter request (884 sub 0x04) for the garden of that guid name (empty: the own garden);
// first parameter 0 enters, 1 refreshes the garden on screen.
inline constexpr u16 kEnterGarden = 0;
inline constexpr u16 kRefreshGarden = 1;
int SendEnterGarden(const char* guid, std::size_t len, u16 mode = kEnterGarden);
