// The Garden game's packet queue: decoded packets between the socket path and the frame, and the
// build area in which every outgoing Garden packet is assembled.
//
// The TCP client pushes each decoded packet as it arrives (inside CORVMgr::WndProc); CORVMgr::Render
// drains the queue once a frame, in arrival order, into the Garden dispatcher. Packets lie back to
// back in one fixed data area with a fixed index, so holding and draining allocate nothing. A packet
// that does not fit is refused: the client then stops taking packets off the connection (they wait
// in its receive buffer and the socket) and goes on after the next drain, so nothing is lost.
//
// Garden packet: u32 user id, u16 message id, u16 sub, u16 first and u16 second parameter, then
// the body (its length is the packet's less 12), all little-endian.
#pragma once

#include <cstddef>
#include <string>

#include "framework/core/OrvTypes.h"

// At most this many packets and bytes wait between two frames; the data area keeps one byte unused
// behind its last packet.
inline constexpr std::size_t kHeldPacketsMax = 8196;
inline constexpr std::size_t kHeldPacketAreaBytes = 131072;
inline constexpr std::size_t kHeldPacketBytesMax = kHeldPacketAreaBytes - 2;
inline constexpr std::size_t kBuildAreaBytes = 65536;
inline constexpr std::size_t kGardenHeaderBytes = 12;

inline constexpr u16 kMsgGarden = 884;
inline constexpr u16 kMsgUseToolCard = 1000;
inline constexpr u16 kMsg1014 = 1014;
inline constexpr u16 kMsgGardenSwitch = 1016;

// The header of an outgoing Garden packet as a caller fills it.
struct GardenHeader {
    u32 m_dwUserId = 0;
    u16 m_wMsgId = 0;
    u16 m_wSub = 0;
    u16 m_wParam1 = 0;
    u16 m_wParam2 = 0;
};

// Where drained packets go: the whole packet (header included) and its length, at least 12.
using GardenDispatcher = void (*)(const u8* packet, int len);

class PacketQueue {
public:
    // Keeps a packet of 12 bytes or more while the index and the data area have room; false (and
    // nothing stored) otherwise.
    bool Push(const void* packet, int len);
    // Hands every held packet, in arrival order, to Dispatch. Packets pushed while it runs (a host
    // answering inside a handler) wait for the next drain.
    void Drain();
    // One packet to the installed dispatcher, under a catch-all; packets under 12 bytes and message
    // id 0 are ignored.
    void Dispatch(const u8* packet, int len);
    void SetDispatcher(GardenDispatcher dispatcher) { m_pfnDispatcher = dispatcher; }
    u32 Count() const { return m_nCount; }
    // The held packet i (0 .. Count() - 1) and its length.
    const u8* Packet(u32 i, int* len) const;
    void Clear() { m_nCount = 0; }

    // Requests, assembled in the build area and sent on Garden connection 0 (encoded). Each returns
    // what CNet::Send returns, -1 when the packet does not fit the build area.
    // Message 884: the caller fills user id, sub and parameters; the message id is written here
    // and into the caller's header.
    int SendGardenMessage(GardenHeader& header, const void* body, int len);
    // Message 48: the login fields joined by NUL bytes.
    int SendLogin(const std::string& body);
    // Message 3030: at most 10,000 characters, up to the first NUL; a longer text sends nothing.
    int SendText(const char* text, u32 len);
    // Message 1000: the card id as user id, 253 in the high byte of the sub field.
    int UseToolCard(u32 cardId);
    // Message 1014: user id, sub 1, second parameter.
    int SendMsg1014(u32 userId, u16 param);
    // Message 1016: the sub and the text's bytes.
    int SendMsg1016(const std::string& text, u16 sub);

private:
    struct Entry {
        u32 m_dwOffset;
        u32 m_dwLength;
    };
    int SendBuilt(const GardenHeader& header, const void* body, std::size_t len, std::size_t zeroed);

    Entry m_Index[kHeldPacketsMax] = {};
    u32 m_nCount = 0;
    u8 m_Data[kHeldPacketAreaBytes] = {};
    u8 m_Build[kBuildAreaBytes] = {};
    GardenDispatcher m_pfnDispatcher = nullptr;
    bool m_bDraining = false;
};

// Applies patch records {u16 length, u16 offset, length bytes} read to the end of data to a record
// of size bytes. A patch whose header or bytes run past the data, or that would reach past the
// record, ends the walk (with a debug line); the patches before it stay applied. Returns the
// number applied.
int ApplyRecordPatches(u8* record, std::size_t size, const void* data, std::size_t len);

// The one Garden packet queue.
PacketQueue& GetPacketQueue();

// The hand-over as the client and the manager call it: push (false when refused), drain (then the
// client takes up packets it held back), the dispatcher, and what waits.
bool PushGardenPacket(const char* data, int len);
void DrainGardenPackets();
void SetGardenDispatcher(GardenDispatcher dispatcher);
u32 HeldGardenPacketCount();
void ClearGardenPackets();
// Ends the Garden connection's session: the connection closes, the requests it had not sent yet
// and the packets not yet handled are dropped, and the next message is framed with the first
// sequence character again, so the next session sends what a newly loaded library sends.
void EndGardenSession();
