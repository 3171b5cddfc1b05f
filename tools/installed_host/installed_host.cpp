// tools/installed_host/installed_host.cpp
// A minimal host of the host-drawn library Orvane, built against the installed package alone: it
// hands its callback (MinimalHost.h) over, opens the game, passes the server's answer to Recv,
// forwards a window message, runs a frame and closes the game. Its "server" is one scripted
// answer. Exit code 0 when every check passed.
#include <cstdio>
#include <cstring>
#include <string>
#include <vector>

#include <orvane/Orvane.h>

#include "MinimalHost.h"

namespace {

// The 12-byte header of every message in both directions (little-endian), then the body.
struct MessageHeader {
    u32 ownerId;   // requests: 0 or an amount; server messages: the shown city's owner id
    u16 mainId;    // 0x367, the game's id
    u16 subId;     // what the message is
    u16 param1;
    u16 param2;
};

MessageHeader ReadHeader(const std::string& bytes)
{
    MessageHeader h{};
    const unsigned char* p = reinterpret_cast<const unsigned char*>(bytes.data());
    h.ownerId = p[0] | p[1] << 8 | p[2] << 16 | static_cast<u32>(p[3]) << 24;
    h.mainId = static_cast<u16>(p[4] | p[5] << 8);
    h.subId = static_cast<u16>(p[6] | p[7] << 8);
    h.param1 = static_cast<u16>(p[8] | p[9] << 8);
    h.param2 = static_cast<u16>(p[10] | p[11] << 8);
    return h;
}

std::string Message(u16 subId)
{
    const unsigned char bytes[12] = {0, 0, 0, 0, 0x67, 0x03, static_cast<unsigned char>(subId & 0xFF),
                                     static_cast<unsigned char>(subId >> 8), 0, 0, 0, 0};
    return std::string(reinterpret_cast<const char*>(bytes), sizeof bytes);
}

int g_nFailures = 0;

void Check(bool ok, const char* what)
{
    std::printf("%s: %s\n", ok ? "ok" : "FAILED", what);
    g_nFailures += ok ? 0 : 1;
}

}  // namespace

int main()
{
    MinimalHost host;
    CORVMgr& orvane = CORVMgr::GetSingleton();

    // Open the game on the own city: the library sends the enter request (sub id 0, the owner's
    // name as body); the game window opens when the server's answer arrives.
    orvane.OpenAerie(&host, "host");
    Check(host.m_vSent.size() == 1 && ReadHeader(host.m_vSent[0]).mainId == 0x367 &&
              ReadHeader(host.m_vSent[0]).subId == 0 && host.m_vSent[0].substr(12) == "host",
          "OpenAerie sends the enter request");
    Check(!orvane.IsAerieOpen(), "the game window waits for the server");

    // The server's answer, one whole message per Recv: 101, a new player, opens the
    // guardian-beast chooser.
    const std::string answer = Message(101);
    orvane.Recv(answer.data(), static_cast<int>(answer.size()));
    Check(orvane.IsAerieOpen(), "the answer opens the game");

    // The frame loop: window messages first (true: the library used it), then Render.
    const LPARAM centre = (384 << 16) | 512;
    orvane.WndProc(nullptr, WM_MOUSEMOVE, 0, centre);
    host.m_nDrawCalls = 0;
    orvane.Render();
    Check(host.m_nDrawCalls > 0, "Render draws the open game through the callback");

    // Close the game. Open here is the beast chooser, not the game window of a city: closing it
    // sends no leave request and tells the host nothing. (Closing a city's game window sends the
    // leave request, sub id 6, and tells NotifyGameWindow(1).)
    orvane.CloseAerie();
    Check(!orvane.IsAerieOpen(), "CloseAerie closes the game");
    Check(host.m_vSent.size() == 1 && host.m_nGameWindowState == -1,
          "closing the beast chooser sends no leave request and tells no NotifyGameWindow");
    host.m_nDrawCalls = 0;
    orvane.Render();
    Check(host.m_nDrawCalls == 0, "nothing is drawn while the game is closed");
    std::printf("installed host: %s\n", g_nFailures == 0 ? "every check passed" : "checks failed");
    return g_nFailures == 0 ? 0 : 1;
}
