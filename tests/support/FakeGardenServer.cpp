#include "support/FakeGardenServer.h"

#include "tools/GardenBytes.h"

#include "framework/core/ByteOrder.h"

#ifdef _WIN32
#include <winsock2.h>
#else
#include <arpa/inet.h>
#include <cerrno>
#include <fcntl.h>
#include <netinet/in.h>
#include <netinet/tcp.h>
#include <sys/socket.h>
#include <unistd.h>
#endif

#include <algorithm>

namespace orv::test {
namespace {

// The few calls that differ between Winsock and POSIX sockets.
#ifdef _WIN32
using socklen_t = int;
constexpr int kSendFlags = 0;
struct WinsockUse {
    WinsockUse()
    {
        WSADATA data;
        ::WSAStartup(MAKEWORD(2, 2), &data);
    }
    ~WinsockUse() { ::WSACleanup(); }
};
int OpenTcp()
{
    static WinsockUse s_Use;
    const SOCKET s = ::socket(AF_INET, SOCK_STREAM, 0);
    if (s == INVALID_SOCKET) {
        return -1;
    }
    u_long one = 1;
    ::ioctlsocket(s, FIONBIO, &one);
    return static_cast<int>(s);
}
int AcceptTcp(int listen)
{
    const SOCKET c = ::accept(static_cast<SOCKET>(listen), nullptr, nullptr);
    if (c == INVALID_SOCKET) {
        return -1;
    }
    u_long one = 1;
    ::ioctlsocket(c, FIONBIO, &one);
    return static_cast<int>(c);
}
void CloseTcp(int s)
{
    ::closesocket(static_cast<SOCKET>(s));
}
bool WouldBlock()
{
    return ::WSAGetLastError() == WSAEWOULDBLOCK;
}
#else
constexpr int kSendFlags = MSG_NOSIGNAL;
int OpenTcp()
{
    return ::socket(AF_INET, SOCK_STREAM | SOCK_NONBLOCK | SOCK_CLOEXEC, 0);
}
int AcceptTcp(int listen)
{
    return ::accept4(listen, nullptr, nullptr, SOCK_NONBLOCK | SOCK_CLOEXEC);
}
void CloseTcp(int s)
{
    ::close(s);
}
bool WouldBlock()
{
    return errno == EAGAIN || errno == EWOULDBLOCK;
}
#endif

}  // namespace

FakeGardenServer::FakeGardenServer()
{
    m_nListen = OpenTcp();
    if (m_nListen < 0) {
        return;
    }
    const int one = 1;
    ::setsockopt(m_nListen, SOL_SOCKET, SO_REUSEADDR, reinterpret_cast<const char*>(&one), sizeof one);
    sockaddr_in addr{};
    addr.sin_family = AF_INET;
    addr.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    addr.sin_port = 0;
    socklen_t len = sizeof addr;
    if (::bind(m_nListen, reinterpret_cast<sockaddr*>(&addr), sizeof addr) != 0 || ::listen(m_nListen, 4) != 0 ||
        ::getsockname(m_nListen, reinterpret_cast<sockaddr*>(&addr), &len) != 0) {
        CloseTcp(m_nListen);
        m_nListen = -1;
        return;
    }
    m_nPort = ntohs(addr.sin_port);
}

FakeGardenServer::~FakeGardenServer()
{
    DropClient();
    StopListening();
}

void FakeGardenServer::StopListening()
{
    if (m_nListen >= 0) {
        CloseTcp(m_nListen);
        m_nListen = -1;
    }
}

void FakeGardenServer::DropClient()
{
    if (m_nClient >= 0) {
        CloseTcp(m_nClient);
        m_nClient = -1;
    }
}

bool FakeGardenServer::Step()
{
    if (m_nClient < 0 && m_nListen >= 0) {
        const int c = AcceptTcp(m_nListen);
        if (c >= 0) {
            const int one = 1;
            ::setsockopt(c, IPPROTO_TCP, TCP_NODELAY, reinterpret_cast<const char*>(&one), sizeof one);
            m_nClient = c;
            m_strPending.clear();   // a new connection starts a new stream
        }
    }
    if (m_nClient < 0) {
        return false;
    }
    char buf[65536];
    for (;;) {
        const ssize_t n = ::recv(m_nClient, buf, sizeof buf, 0);
        if (n > 0) {
            m_strRaw.append(buf, static_cast<std::size_t>(n));
            m_strPending.append(buf, static_cast<std::size_t>(n));
            continue;
        }
        if (n == 0 || !WouldBlock()) {
            DropClient();
        }
        break;
    }
    Cut();
    for (; m_nAnswered < m_vFrames.size(); ++m_nAnswered) {
        const ServerFrame& f = m_vFrames[m_nAnswered];
        if (f.packet.size() < 12) {
            continue;
        }
        const std::uint16_t id = MessageId(f.packet);
        const std::uint16_t sub = static_cast<std::uint16_t>(static_cast<unsigned char>(f.packet[6]) |
                                                             static_cast<unsigned char>(f.packet[7]) << 8);
        for (const Answer& a : m_vScript) {
            const bool bodyMatches = !a.matchBody || f.packet.compare(12, std::string::npos, a.body) == 0;
            if (a.msgId == id && (a.sub == kAnySub || a.sub == sub) && bodyMatches && !a.packets.empty()) {
                SendRaw(Framed(a.packets), m_nChunk);
            }
        }
    }
    return m_nClient >= 0;
}

std::string FakeGardenServer::Framed(const std::vector<std::string>& packets) const
{
    std::string out;
    for (const std::string& p : packets) {
        std::string frame = Frame(p, '1');
        if (m_bNoise) {
            frame.insert(frame.size() / 2, "*+*");
            out += "+";
        }
        out += frame;
    }
    return out;
}

void FakeGardenServer::Cut()
{
    for (;;) {
        const std::size_t start = m_strPending.find('#');
        if (start == std::string::npos || start + 1 >= m_strPending.size()) {
            return;
        }
        const std::size_t end = m_strPending.find('!', start + 2);
        if (end == std::string::npos) {
            return;
        }
        ServerFrame f;
        f.seq = m_strPending[start + 1];
        std::string text;
        for (std::size_t i = start + 2; i < end; ++i) {
            if (m_strPending[i] != '*' && m_strPending[i] != '+') {
                text.push_back(m_strPending[i]);
            }
        }
        f.packet = Unarmour(text);
        m_vFrames.push_back(std::move(f));
        m_strPending.erase(0, end + 1);
    }
}

std::vector<ServerFrame> FakeGardenServer::Take()
{
    std::vector<ServerFrame> out;
    out.swap(m_vFrames);
    m_nAnswered = 0;
    return out;
}

bool FakeGardenServer::SendRaw(const std::string& bytes, std::size_t chunk)
{
    std::size_t pos = 0;
    const std::size_t piece = chunk == 0 ? bytes.size() : chunk;
    while (pos < bytes.size()) {
        if (m_nClient < 0) {
            return false;
        }
        const std::size_t n = std::min(piece, bytes.size() - pos);
        const ssize_t w = ::send(m_nClient, bytes.data() + pos, n, kSendFlags);
        if (w < 0) {
            if (WouldBlock()) {
                continue;
            }
            return false;
        }
        pos += static_cast<std::size_t>(w);
    }
    return true;
}

std::string FakeGardenServer::Frame(const std::string& packet, char seq)
{
    return std::string("#") + seq + Armour(packet) + "!";
}

// Bits of each masked byte: high nibble h, bits 3-2 m (the carry), bits 1-0 l. A byte's own
// character carries h and l; a fourth character carries the third byte's top two bits and the m
// parts of the first two bytes. Characters are values from ';'.
std::string FakeGardenServer::Armour(const std::string& bytes)
{
    std::string out;
    auto ch = [](unsigned v) { return static_cast<char>(';' + (v & 0x3F)); };
    for (std::size_t i = 0; i < bytes.size(); i += 3) {
        const std::size_t n = std::min<std::size_t>(3, bytes.size() - i);
        unsigned b[3] = {0, 0, 0};
        for (std::size_t k = 0; k < n; ++k) {
            b[k] = static_cast<unsigned char>(bytes[i + k]) ^ 0x5Eu;
        }
        out.push_back(ch((b[0] >> 4) * 4 + (b[0] % 4)));
        if (n == 1) {
            out.push_back(ch((b[0] / 4) % 4));
            break;
        }
        out.push_back(ch((b[1] >> 4) * 4 + (b[1] % 4)));
        if (n == 2) {
            out.push_back(ch(((b[0] / 4) % 4) * 4 + (b[1] / 4) % 4));
            break;
        }
        out.push_back(ch(b[2] % 64));
        out.push_back(ch((b[2] / 64) * 16 + ((b[0] / 4) % 4) * 4 + (b[1] / 4) % 4));
    }
    return out;
}

std::string FakeGardenServer::Unarmour(const std::string& text)
{
    std::string out;
    auto val = [&](std::size_t i) { return static_cast<unsigned>(static_cast<unsigned char>(text[i]) - ';') & 0xFF; };
    auto byteOf = [](unsigned v, unsigned m) { return static_cast<char>((((v / 4) % 16) * 16 + (m % 4) * 4 + v % 4) ^ 0x5E); };
    std::size_t i = 0;
    for (; i + 4 <= text.size(); i += 4) {
        const unsigned d = val(i + 3);
        out.push_back(byteOf(val(i), d / 4));
        out.push_back(byteOf(val(i + 1), d));
        out.push_back(static_cast<char>((((d / 16) % 4) * 64 + val(i + 2)) ^ 0x5E));
    }
    const std::size_t rest = text.size() - i;
    if (rest == 2) {
        out.push_back(byteOf(val(i), val(i + 1)));
    } else if (rest == 3) {
        out.push_back(byteOf(val(i), val(i + 2) / 4));
        out.push_back(byteOf(val(i + 1), val(i + 2)));
    }
    return out;
}

std::string FakeGardenServer::Packet(std::uint16_t msgId, std::uint16_t sub, const std::string& body,
                                     std::uint32_t userId, std::uint16_t p1, std::uint16_t p2)
{
    return orv::garden_bytes::Packet(msgId, sub, body, userId, p1, p2);
}

std::uint16_t FakeGardenServer::MessageId(const std::string& packet)
{
    if (packet.size() < 6) {
        return 0;
    }
    return ReadLE16(reinterpret_cast<const unsigned char*>(packet.data()) + 4);
}

}  // namespace orv::test
