#include "engine/Net.h"

#include <algorithm>

#include "engine/GardenPackets.h"
#include "engine/LoginText.h"
#include "framework/core/DebugLog.h"

namespace {

char g_cSequence = '1';
CGameNet::PacketHandler g_pfnPacketHandler = nullptr;

orv::platform::IPlatform& P()
{
    return orv::platform::Get();
}

}  // namespace

char CNet::NextSequenceChar()
{
    const char c = g_cSequence;
    g_cSequence = c >= '9' ? '1' : static_cast<char>(c + 1);
    return c;
}

void CNet::ResetSequence()
{
    g_cSequence = '1';
}

CNet::CNet() = default;

CNet::~CNet()
{
    for (ConnectionRecord& rec : m_vRecords) {
        CloseRecord(rec);
    }
    if (m_bStarted) {
        P().SocketCleanup();
    }
}

void CNet::Init(int count, HWND window, UINT message, long eventMask)
{
    for (int i = 0; i < GetRecordCount(); ++i) {
        Close(i);
    }
    m_vRecords.clear();
    if (!m_bStarted) {
        orv::platform::UseSystemSockets();
        if (!P().SocketStartup()) {
            DebugLog("Error : socket layer did not start\n");
            return;
        }
        m_bStarted = true;
    }
    m_hWnd = window;
    m_uMessage = message;
    m_lEventMask = eventMask;
    m_vRecords.resize(static_cast<std::size_t>(std::clamp(count, 0, 64)));
    for (ConnectionRecord& rec : m_vRecords) {
        rec.m_vRecvBuf.resize(kReceiveBufferBytes);
    }
    m_strFrame.reserve(kMaxFramedMessage);
}

ConnectionRecord* CNet::GetRecord(int index)
{
    if (index < 0 || index >= GetRecordCount()) {
        return nullptr;
    }
    return &m_vRecords[static_cast<std::size_t>(index)];
}

int CNet::FindBySocket(orv::platform::Socket s) const
{
    if (s == orv::platform::kNoSocket) {
        return -1;
    }
    for (std::size_t i = 0; i < m_vRecords.size(); ++i) {
        if (m_vRecords[i].m_Socket == s) {
            return static_cast<int>(i);
        }
    }
    return -1;
}

void CNet::SetHost(int index, const char* host, int port)
{
    ConnectionRecord* rec = GetRecord(index);
    if (rec == nullptr) {
        return;
    }
    rec->m_strHost = host != nullptr ? host : "";
    rec->m_nPort = port;
}

namespace {

// The rest of a message whose start went out on a socket being given up cannot go out on another.
void DropStartedMessage(ConnectionRecord& rec)
{
    if (rec.m_bFrontStarted && !rec.m_qSend.empty()) {
        DebugLog("Error : rest of a partly sent message dropped (%zu bytes)\n", rec.m_qSend.front().size());
        rec.m_nQueued -= rec.m_qSend.front().size();
        rec.m_qSend.pop_front();
    }
    rec.m_bFrontStarted = false;
}

}  // namespace

void CNet::CloseRecord(ConnectionRecord& rec)
{
    if (rec.m_Socket != orv::platform::kNoSocket) {
        P().SocketClose(rec.m_Socket);
        rec.m_Socket = orv::platform::kNoSocket;
    }
    rec.m_bConnected = 0;
    DropStartedMessage(rec);
    rec.m_Scanner.Reset();
}

void CNet::Close(int index)
{
    if (ConnectionRecord* rec = GetRecord(index)) {
        CloseRecord(*rec);
    }
}

void CNet::EndSession(int index)
{
    Close(index);
    if (ConnectionRecord* rec = GetRecord(index)) {
        rec->m_qSend.clear();
        rec->m_nQueued = 0;
    }
}

bool CNet::Connect(int index, int)
{
    ConnectionRecord* rec = GetRecord(index);
    if (rec == nullptr) {
        return false;
    }
    if (rec->m_Socket != orv::platform::kNoSocket) {
        P().SocketClose(rec->m_Socket);
        rec->m_Socket = orv::platform::kNoSocket;
        rec->m_bConnected = 0;
        rec->m_Scanner.Reset();
    }
    DropStartedMessage(*rec);
    const orv::platform::Socket s = P().SocketOpen();
    if (s == orv::platform::kNoSocket) {
        DebugLog("Error : no socket for %s:%d\n", rec->m_strHost.c_str(), rec->m_nPort);
        return false;
    }
    rec->m_Socket = s;
    P().SocketSelect(s, m_hWnd, m_uMessage, m_lEventMask);
    return P().SocketConnect(s, rec->m_strHost.c_str(), rec->m_nPort) == 0;
}

int CNet::SendOrQueue(ConnectionRecord& rec, const char* data, std::size_t len)
{
    std::size_t sent = 0;
    if (rec.m_bConnected != 0 && rec.m_qSend.empty()) {
        while (sent < len) {
            const int n = P().SocketSend(rec.m_Socket, data + sent, static_cast<int>(len - sent));
            if (n > 0) {
                sent += static_cast<std::size_t>(n);
                continue;
            }
            if (n < 0 && P().SocketLastError() != orv::platform::kSockErrWouldBlock) {
                DebugLog("Error : send failed (%d), %zu bytes of the message dropped\n", P().SocketLastError(),
                         len - sent);
                return -1;
            }
            break;   // the socket is full: the rest waits for the write notification
        }
    }
    if (sent < len) {
        if (sent > 0) {
            rec.m_bFrontStarted = true;   // sent only into an empty queue: the rest is its front
        }
        rec.m_qSend.emplace_back(data + sent, len - sent);
        rec.m_nQueued += len - sent;
    }
    return rec.m_bConnected != 0 ? static_cast<int>(sent) : 0;
}

int CNet::Send(int index, const void* data, int len, bool encode)
{
    try {
        ConnectionRecord* rec = GetRecord(index);
        if (rec == nullptr || len < 0 || (data == nullptr && len > 0)) {
            DebugLog("Error : Send refused (connection %d, %d bytes)\n", index, len);
            return -1;
        }
        const char* message = static_cast<const char*>(data);
        std::size_t length = static_cast<std::size_t>(len);
        if (encode) {
            const std::size_t framed = ArmouredLength(length) + 3;
            if (framed > kMaxFramedMessage) {
                DebugLog("Error : Send refused, framed message of %zu bytes\n", framed);
                return -1;
            }
            m_strFrame.clear();
            m_strFrame.push_back(kFrameStart);
            m_strFrame.push_back(NextSequenceChar());
            AppendEncodedWire(static_cast<const u8*>(data), length, m_strFrame);
            m_strFrame.push_back(kFrameEnd);
            message = m_strFrame.data();
            length = m_strFrame.size();
        }
        if (rec->m_nQueued + length > kSendQueueCap) {
            DebugLog("Error : Send refused, %zu bytes already wait\n", rec->m_nQueued);
            return -1;
        }
        return SendOrQueue(*rec, message, length);
    } catch (...) {
        return -1;
    }
}

bool CNet::Flush(int index)
{
    ConnectionRecord* rec = GetRecord(index);
    if (rec == nullptr || rec->m_bConnected == 0) {
        return true;
    }
    while (!rec->m_qSend.empty()) {
        std::string& front = rec->m_qSend.front();
        const int n = P().SocketSend(rec->m_Socket, front.data(), static_cast<int>(front.size()));
        if (n > 0) {
            const std::size_t took = static_cast<std::size_t>(n);
            rec->m_nQueued -= took;
            if (took >= front.size()) {
                rec->m_qSend.pop_front();
                rec->m_bFrontStarted = false;
            } else {
                front.erase(0, took);
                rec->m_bFrontStarted = true;
            }
            continue;
        }
        if (n < 0 && P().SocketLastError() != orv::platform::kSockErrWouldBlock) {
            DebugLog("Error : send failed (%d), %zu bytes of a message dropped\n", P().SocketLastError(),
                     front.size());
            rec->m_nQueued -= front.size();
            rec->m_qSend.pop_front();
            rec->m_bFrontStarted = false;
            return false;
        }
        break;
    }
    return true;
}

void CNet::OnWrite(orv::platform::Socket s, LPARAM)
{
    Flush(FindBySocket(s));
}

void CNet::OnRead(orv::platform::Socket s, LPARAM event)
{
    const int index = FindBySocket(s);
    ConnectionRecord* rec = GetRecord(index);
    if (rec == nullptr || m_bReceiveHeld) {
        return;   // the bytes wait in the socket until the receiver takes packets again
    }
    const int n = P().SocketRecv(s, rec->m_vRecvBuf.data(), static_cast<int>(rec->m_vRecvBuf.size()));
    if (n < 0) {
        return;
    }
    if (n == 0) {
        OnClose(s, event);
    }
    rec->m_nLastRead = static_cast<u32>(n);
    ProcessBuffer(index);
}

void CNet::OnSocketEvent(WPARAM socket, LPARAM event)
{
    const orv::platform::Socket s = static_cast<orv::platform::Socket>(socket);
    if (!HoldsSocket(s)) {
        return;
    }
    const u32 word = static_cast<u32>(event);
    if ((word >> 16) != 0) {
        OnError(s, event);
        return;
    }
    switch (word & 0xFFFF) {
    case orv::platform::kSockEventRead:
        OnRead(s, event);
        break;
    case orv::platform::kSockEventWrite:
        OnWrite(s, event);
        break;
    case orv::platform::kSockEventConnect:
        OnConnect(s, event);
        break;
    case orv::platform::kSockEventClose:
        OnClose(s, event);
        break;
    default:
        break;
    }
}

// ---- CGameNet ----

void CGameNet::Close(int index)
{
    m_bGardenConnected = 0;
    if (index == m_nHeldIndex) {
        ForgetHeldBack();
    }
    CNet::Close(index);
}

void CGameNet::ForgetHeldBack()
{
    m_bReceiveHeld = false;
    m_bPacketHeld = false;
    m_nHeldFrom = m_nHeldEnd = 0;
}

void CGameNet::OnClose(orv::platform::Socket s, LPARAM)
{
    if (ConnectionRecord* rec = GetRecord(FindBySocket(s))) {
        rec->m_bConnected = 0;
    }
}

void CGameNet::OnError(orv::platform::Socket s, LPARAM event)
{
    OnClose(s, event);
}

void CGameNet::OnConnect(orv::platform::Socket s, LPARAM event)
{
    try {
        if ((static_cast<u32>(event) >> 16) != 0) {
            return;
        }
        const int index = FindBySocket(s);
        ConnectionRecord* rec = GetRecord(index);
        if (rec == nullptr) {
            return;
        }
        if (index == m_nHeldIndex) {
            ForgetHeldBack();
        }
        rec->m_bConnected = 1;
        Flush(index);   // messages sent before the connection stood leave before the login
        OnGardenConnected();
        m_bGardenConnected = 1;
    } catch (...) {
        DebugLog("Error : exception in the connected step\n");
    }
}

void CGameNet::ProcessBuffer(int index)
{
    ConnectionRecord* rec = GetRecord(index);
    if (rec == nullptr) {
        return;
    }
    FeedReceived(index, 0, std::min<std::size_t>(rec->m_nLastRead, rec->m_vRecvBuf.size()));
}

void CGameNet::FeedReceived(int index, std::size_t from, std::size_t end)
{
    ConnectionRecord* rec = GetRecord(index);
    if (rec == nullptr || from >= end) {
        return;
    }
    m_nHeldIndex = index;
    const std::size_t scanned = rec->m_Scanner.Feed(
        rec->m_vRecvBuf.data() + from, end - from,
        [](void* ctx, const char* data, int len) { static_cast<CGameNet*>(ctx)->OnPacket(data, len); }, this);
    m_nHeldFrom = from + scanned;
    m_nHeldEnd = end;
}

void CGameNet::OnPacket(const char* data, int len)
{
    try {
        if (g_pfnPacketHandler == nullptr || g_pfnPacketHandler(data, len)) {
            return;
        }
        if (len > 0 && static_cast<std::size_t>(len) > kHeldPacketBytesMax) {
            DebugLog("Error : packet of %d bytes dropped, larger than the packet queue\n", len);
            return;
        }
        // Refused for want of room: held back with the bytes behind it until the next drain.
        m_strHeldPacket.assign(data, static_cast<std::size_t>(len));
        m_bPacketHeld = true;
        m_bReceiveHeld = true;
        if (ConnectionRecord* rec = GetRecord(m_nHeldIndex)) {
            rec->m_Scanner.Pause();
        }
    } catch (...) {
        DebugLog("Error : exception while a packet was queued\n");
    }
}

void CGameNet::ResumeReceiving()
{
    try {
        if (!m_bReceiveHeld) {
            return;
        }
        if (m_bPacketHeld) {
            if (g_pfnPacketHandler != nullptr &&
                !g_pfnPacketHandler(m_strHeldPacket.data(), static_cast<int>(m_strHeldPacket.size()))) {
                return;   // still no room
            }
            m_bPacketHeld = false;
        }
        m_bReceiveHeld = false;
        FeedReceived(m_nHeldIndex, m_nHeldFrom, m_nHeldEnd);
        // Then what waited in the socket, as far as the queue takes it.
        ConnectionRecord* rec = GetRecord(m_nHeldIndex);
        while (!m_bReceiveHeld && rec != nullptr && rec->m_Socket != orv::platform::kNoSocket) {
            const int n = P().SocketRecv(rec->m_Socket, rec->m_vRecvBuf.data(), static_cast<int>(rec->m_vRecvBuf.size()));
            if (n <= 0) {
                if (n == 0) {
                    OnClose(rec->m_Socket, 0);
                }
                break;
            }
            rec->m_nLastRead = static_cast<u32>(n);
            FeedReceived(m_nHeldIndex, 0, static_cast<std::size_t>(n));
        }
    } catch (...) {
        DebugLog("Error : exception while received packets were taken up\n");
    }
}

void CGameNet::SetPacketHandler(PacketHandler handler)
{
    g_pfnPacketHandler = handler;
}

CGameNet& GetGameNet()
{
    static CGameNet s_GameNet;
    return s_GameNet;
}
