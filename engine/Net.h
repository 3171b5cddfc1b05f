// The TCP client of the engine-drawn build. CNet keeps connection records and moves raw bytes over
// non-blocking sockets whose notifications (window message 1124) reach OnSocketEvent; CGameNet adds
// the Garden connection: text framing of received bytes into packets, the login when the
// connection stands, and the hand-over of packets.
//
// Outgoing bytes that a socket does not take at once, or that are sent while the connection does
// not stand, wait in the connection's send queue: it is flushed when the connection stands (before
// the login) and whenever the socket can take more, keeps only bytes not yet sent, never sends a
// byte twice and holds at most kSendQueueCap bytes (a message beyond that is refused whole). A new
// connection (Connect) and Close drop the rest of a message whose start already went out on the
// old socket, so the server never sees a frame begun in the middle; whole messages stay queued.
#pragma once

#include <deque>
#include <string>
#include <vector>

#include "engine/WireCodec.h"
#include "framework/core/OrvTypes.h"
#include "platform/Platform.h"
#include "platform/WinTypes.h"

inline constexpr std::size_t kReceiveBufferBytes = 131072;
inline constexpr std::size_t kMaxFramedMessage = 262144;
inline constexpr std::size_t kSendQueueCap = 1024 * 1024;
inline constexpr UINT kSocketMessage = WM_USER + 100;   // 1124
inline constexpr long kSocketEventMask = 0x33;         // read, write, connect, close

struct ConnectionRecord {
    std::vector<u8> m_vRecvBuf;          // target of every read
    FrameScanner m_Scanner;              // frame text gathered across reads
    std::deque<std::string> m_qSend;     // messages (or their unsent rests) waiting, in order
    std::size_t m_nQueued = 0;           // bytes in m_qSend
    bool m_bFrontStarted = false;        // the front of m_qSend is the rest of a message partly sent
    orv::platform::Socket m_Socket = orv::platform::kNoSocket;
    u32 m_nLastRead = 0;
    std::string m_strHost;
    int m_nPort = 0;
    u8 m_bConnected = 0;
};

class CNet {
public:
    CNet();
    virtual void Close(int index);
    virtual ~CNet();
    virtual void OnClose(orv::platform::Socket s, LPARAM event) {}
    virtual void OnWrite(orv::platform::Socket s, LPARAM event);
    virtual void OnConnect(orv::platform::Socket s, LPARAM event) {}
    virtual void OnError(orv::platform::Socket s, LPARAM event) {}
    virtual void ProcessBuffer(int index) {}
    virtual void OnRead(orv::platform::Socket s, LPARAM event);

    CNet(const CNet&) = delete;
    CNet& operator=(const CNet&) = delete;

    // Starts the socket layer and makes count records (closing any held before); on failure
    // nothing is stored.
    void Init(int count, HWND window, UINT message, long eventMask);
    void SetHost(int index, const char* host, int port);
    // Connects directly (useProxy is not used), closing a socket the record still holds. True when
    // the connection stood at once; normally the outcome arrives as a connect notification.
    bool Connect(int index, int useProxy);
    // Frames (encode) and sends one message: bytes the socket took now, 0 when the connection does
    // not stand (the message waits), -1 when refused (too long, queue full, hard error).
    int Send(int index, const void* data, int len, bool encode);
    // Sends what the queue holds, as far as the socket takes it; false after a hard error.
    bool Flush(int index);
    void OnSocketEvent(WPARAM socket, LPARAM event);
    // Ends the session on the connection: Close, and the whole messages still waiting go too.
    void EndSession(int index);

    int FindBySocket(orv::platform::Socket s) const;
    bool HoldsSocket(orv::platform::Socket s) const { return FindBySocket(s) >= 0; }
    ConnectionRecord* GetRecord(int index);
    int GetRecordCount() const { return static_cast<int>(m_vRecords.size()); }

    // The process-wide sequence character of the next framed message ('1' to '9').
    static char NextSequenceChar();
    static void ResetSequence();

protected:
    // Sends bytes of one message now, queueing what the socket does not take; -1 on a hard error.
    int SendOrQueue(ConnectionRecord& rec, const char* data, std::size_t len);
    void CloseRecord(ConnectionRecord& rec);

    long m_lEventMask = 0;
    HWND m_hWnd = nullptr;
    UINT m_uMessage = 0;
    std::vector<ConnectionRecord> m_vRecords;
    bool m_bStarted = false;
    bool m_bReceiveHeld = false;   // read notifications leave the bytes in the socket for now
    std::string m_strFrame;   // one framed message, laid out here (reused)
};

class CGameNet : public CNet {
public:
    void Close(int index) override;
    void OnClose(orv::platform::Socket s, LPARAM event) override;
    void OnConnect(orv::platform::Socket s, LPARAM event) override;
    void OnError(orv::platform::Socket s, LPARAM event) override;
    void ProcessBuffer(int index) override;
    virtual bool IsAlive() { return true; }
    // Hands one decoded packet on (the packet handler), catching everything it throws.
    virtual void OnPacket(const char* data, int len);

    // Where decoded packets go; null drops them. A handler answering false could not take the
    // packet now: the client holds it back and takes nothing more off the connection until
    // ResumeReceiving.
    using PacketHandler = bool (*)(const char* data, int len);
    static void SetPacketHandler(PacketHandler handler);
    // Hands on the packet held back and the received bytes behind it, then reads on; stops again
    // when the handler refuses. Called after each drain of the packet queue.
    void ResumeReceiving();
    bool IsHoldingBack() const { return m_bReceiveHeld; }

    u8 m_bGardenConnected = 0;

private:
    // Feeds received bytes [from, end) of the record's buffer to its scanner; remembers where a
    // refusal stopped it.
    void FeedReceived(int index, std::size_t from, std::size_t end);

    // Forgets a packet held back and the bytes behind it (the connection they came on is gone).
    void ForgetHeldBack();

    bool m_bPacketHeld = false;   // m_strHeldPacket waits to be handed on
    std::string m_strHeldPacket;
    int m_nHeldIndex = -1;        // the record whose buffer holds the bytes not yet scanned
    std::size_t m_nHeldFrom = 0;
    std::size_t m_nHeldEnd = 0;
};

// The one Garden client.
CGameNet& GetGameNet();
