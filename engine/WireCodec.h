// The Garden connection's text framing: every packet is masked with a one-byte XOR mask, armoured
// three bytes into four printable characters (';' to 'z') and framed between '#' plus a sequence
// character and '!'. The receiver skips '*' and '+' anywhere. FrameScanner cuts received bytes,
// which may end anywhere, back into packets.
#pragma once

#include <cstddef>
#include <string>

#include "framework/core/OrvTypes.h"

inline constexpr u8 kWireMask = 0x5E;
inline constexpr char kFrameStart = '#';
inline constexpr char kFrameEnd = '!';
inline constexpr char kFrameFiller1 = '*';
inline constexpr char kFrameFiller2 = '+';

// The largest packet the receiver keeps, and the armoured length of a packet that size.
inline constexpr std::size_t kMaxPacketBytes = 159776;
inline constexpr std::size_t kMaxFrameText = 213035;
// Armoured texts shorter than this hand nothing on (the shortest packet, 12 bytes, gives 16).
inline constexpr std::size_t kMinFrameText = 16;
inline constexpr std::size_t kPacketHeaderBytes = 12;

// Armoured length of n bytes: 4 per whole group of three, 2 or 3 for a tail of 1 or 2.
std::size_t ArmouredLength(std::size_t n);

// Masks and armours len bytes of data. An empty or negative length gives an empty text.
std::string EncodeWire(const void* data, int len);
// The same, appended to out (no allocation once out has room).
void AppendEncodedWire(const u8* data, std::size_t len, std::string& out);

// De-armours and unmasks len characters (no validation: any byte is taken as a value). A tail of
// one character is ignored.
std::string DecodeWire(const char* text, int len);
// The same, into out (replacing its content).
void DecodeWireInto(const char* text, std::size_t len, std::string& out);

// Cuts a byte stream into packets. One scanner per connection; state carries across reads.
class FrameScanner {
public:
    FrameScanner();

    // Scans one read. Every complete packet of 12 bytes or more goes to sink(ctx, data, len); the
    // data stays valid only during the call. Malformed frames are dropped with a debug line.
    // Returns the bytes scanned: len, or fewer when a sink called Pause (scanning stops right
    // behind the frame whose packet it was handed; the caller feeds the rest later).
    std::size_t Feed(const u8* data, std::size_t len, void (*sink)(void* ctx, const char* data, int len), void* ctx);
    // Called from inside a sink: the current Feed returns behind the packet being handed on.
    void Pause() { m_bPause = true; }
    // Forgets a frame under way (connection closed).
    void Reset();

private:
    // Hands on the packet of one frame's complete text (dropped with a debug line when short).
    void EndFrame(const char* text, std::size_t len, void (*sink)(void* ctx, const char* data, int len), void* ctx);
    // Hands on the first packetLen bytes of the packet buffer (dropped when shorter than a header).
    void HandOn(std::size_t packetLen, void (*sink)(void* ctx, const char* data, int len), void* ctx);
    // The packet buffer with room for len bytes.
    char* PacketRoom(std::size_t len);
    // Finds the end of the text run starting at data[start] and decodes its leading whole blocks
    // into the packet buffer on the way (their character count goes to decoded).
    std::size_t DecodeAhead(const u8* data, std::size_t start, std::size_t len, std::size_t& decoded);

    std::string m_strText;     // armoured characters of the frame under way
    std::string m_strPacket;   // the packet buffer: keeps the largest packet's size, a packet fills its front
    bool m_bSkipNext = false;  // the byte after '#' (the sequence character) has not come yet
    bool m_bOverlong = false;  // the frame under way passed kMaxFrameText: dropped until it ends
    bool m_bPause = false;     // a sink asked the current Feed to stop
};
