// The Garden dispatcher the packet queue hands every drained packet to: one table keyed by the
// message id, message 884 going on to the garden state's reply table.
#pragma once

#include "framework/core/OrvTypes.h"

void DispatchGardenPacket(const u8* packet, int len);
// The enter request (884 sub 0x04) for the garden of that guid name (empty: the own garden).
int SendEnterGarden(const char* guid, std::size_t len);
