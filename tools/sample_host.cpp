// A small host game: loads the Orvane shared library through its exports only, hands over a
// callback that prints what the library asks of the host, and drives a few frames of input.
// It shows the library's life before the game opens: nothing happens before the callback is
// handed over; the callback creates the 800 x 600 main window, centred on the host's screen (the
// library asks the host for its screen size); while the game is closed every frame draws nothing
// and every window message is left to the host (WndProc returns false).
// Then it plays the start of a game session as a game server would answer it: OpenAerie sends the
// enter request for the own city; a compressed reply 0 (the full city data, deflated with zlib)
// enters the city: the game window opens (a stand-in until the real game windows land) and
// receives the topics 3, 29 and 5 in that order, which it draws as a line of text.
#include <zlib.h>

#include <cstdio>
#include <string>

#include "maingame/orvane/ORVMgr.h"
#include "tools/PrintingHost.h"

using orv::sample::Pos;
using orv::sample::PrintingHost;

namespace {

std::string LE16(unsigned v)
{
    return {static_cast<char>(v & 0xFF), static_cast<char>((v >> 8) & 0xFF)};
}

std::string LE32(unsigned v)
{
    return LE16(v & 0xFFFF) + LE16(v >> 16);
}

// A data item: u16 kind, u16 length, the value.
std::string Item(unsigned kind, const std::string& value)
{
    return LE16(kind) + LE16(static_cast<unsigned>(value.size())) + value;
}

// Reply 0 for the player's own city (owner id 7): the entered notice naming the player, the owner
// record (1,500 coins, 300 grass) and the castle at level 2, deflated behind the 12-byte header.
std::string CityReply(const std::string& playerName)
{
    const std::string items = Item(0, playerName) + Item(1, LE32(1500) + LE32(300) + std::string(59, '\0')) +
                              Item(2, LE16(0) + LE16(2));
    uLongf size = compressBound(static_cast<uLong>(items.size()));
    std::string body(size, '\0');
    compress2(reinterpret_cast<Bytef*>(body.data()), &size, reinterpret_cast<const Bytef*>(items.data()),
              static_cast<uLong>(items.size()), Z_BEST_COMPRESSION);
    body.resize(size);
    return LE32(7) + LE16(0x367) + LE16(0) + LE16(0) + LE16(0) + body;
}

}  // namespace

int main()
{
    PrintingHost host;
    CORVMgr& mgr = CORVMgr::GetSingleton();
    std::printf("fnOrvane() = %d\n", fnOrvane());

    std::printf("-- before any callback\n");
    mgr.Render();
    std::printf("WndProc(mouse move) = %s\n", mgr.WndProc(nullptr, WM_MOUSEMOVE, 0, Pos(10, 10)) ? "true" : "false");

    std::printf("-- callback handed over, game closed\n");
    mgr.SetORVCallBack(&host);
    std::printf("main window created: the library asked the screen size %d times "
                "(an 800 x 600 window centred on 1024 x 768 sits at (112, 84))\n",
                host.m_nSizeQueries);
    PrintingHost other;
    mgr.SetORVCallBack(&other);
    std::printf("a second callback is ignored: it was asked %d times\n", other.m_nSizeQueries);
    for (host.m_nFrame = 1; host.m_nFrame <= 3; ++host.m_nFrame) {
        mgr.Render();
        bool used = mgr.WndProc(nullptr, WM_MOUSEMOVE, 0, Pos(400, 300));
        used |= mgr.WndProc(nullptr, WM_LBUTTONDOWN, 1, Pos(400, 300));
        used |= mgr.WndProc(nullptr, WM_LBUTTONUP, 0, Pos(400, 300));
        std::printf("[frame %d] click consumed: %s\n", host.m_nFrame, used ? "true" : "false");
    }
    std::printf("IsAerieOpen() = %s, draw calls while closed: %d\n", mgr.IsAerieOpen() ? "true" : "false",
                host.m_nDrawCalls);

    std::printf("-- OpenAerie: the enter request for the own city\n");
    mgr.OpenAerie(&host, host.GetPlayerName());
    const std::string reply = CityReply(host.GetPlayerName());
    std::printf("-- the server answers: compressed reply 0, %zu bytes (city data)\n", reply.size());
    mgr.Recv(reply.data(), static_cast<int>(reply.size()));
    std::printf("IsAerieOpen() = %s\n", mgr.IsAerieOpen() ? "true" : "false");
    for (int i = 0; i < 2; ++i) {
        ++host.m_nFrame;
        mgr.Render();
    }
    return 0;
}
