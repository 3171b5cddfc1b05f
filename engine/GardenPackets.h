// Decoded Garden packets between the socket path and the frame: the TCP client pushes each one
// as it arrives (inside CORVMgr::WndProc), CORVMgr::Render drains them once a frame, in arrival
// order, into the Garden dispatcher. Until a dispatcher is installed they are dropped on drain.
#pragma once

#include <string>
#include <vector>

// At most this many packets and bytes wait between two frames; more are refused with a debug line.
inline constexpr std::size_t kHeldPacketsMax = 8196;
inline constexpr std::size_t kHeldPacketBytesMax = 131070;

using GardenDispatcher = void (*)(const char* data, int len);

void PushGardenPacket(const char* data, int len);
void DrainGardenPackets();
void SetGardenDispatcher(GardenDispatcher dispatcher);
// The packets waiting for the next drain.
const std::vector<std::string>& HeldGardenPackets();
void ClearGardenPackets();
