// A second sample host, for the engine-drawn library: it loads OrvaneDemo through its exports only
// (and the renderer it draws through, here the stand-in), starts a scripted Garden server of its
// own on 127.0.0.1 and plays a short session: Init on the host's window and device, the login over
// TCP, the player record, entering the own garden (the Garden screen opens: command 2, so the
// connection watchdog stays quiet), a refresh of a plot, a switch to a friend's garden and back,
// a device loss and reset, closing the screen (command 3) and Release. The server prints every
// Garden request it decoded; each frame's renderer calls are printed, and pictures of the own and
// the friend's garden are written (build/release/sample-frames, or --pictures DIR) from the
// recorded calls.
#include <cstdio>
#include <filesystem>
#include <string>
#include <unistd.h>

#include "glimmer/GlimmerTest.h"
#include "tools/GardenBytes.h"
#include "tools/GbkText.h"
#include "tools/GlimmerPicture.h"
#include "tools/PrintingHost.h"
#include "maingame/orvanedemo/ORVMgr.h"
#include "support/FakeGardenServer.h"

namespace {

HWND const kHostWindow = reinterpret_cast<HWND>(0x1);
std::string g_strLogin;
bool g_bTimedOut = false;

const char* CommandName(int command)
{
    switch (command) {
    case 1: return "GET_LOGIN";
    case 2: return "GARDEN_OPENED";
    case 3: return "GARDEN_CLOSED";
    case 4: return "CONNECT_TIMEOUT";
    case 5: return "GET_TIMEOUT";
    case 6: return "NEED_VERIFY";
    default: return "?";
    }
}

int ORV_STDCALL HostProc(int command, char*, int, char* out)
{
    std::printf("    host: command %d (%s)\n", command, CommandName(command));
    switch (command) {
    case 1:
        g_strLogin.copy(out, g_strLogin.size());
        return static_cast<int>(g_strLogin.size());
    case 4:
        g_bTimedOut = true;
        return 0;
    case 5:
        return 600;   // ms
    case 6:
        return 1;
    default:
        return 0;
    }
}

void Deliver(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam, void*)
{
    const bool used = g_ORVMgr.WndProc(hwnd, msg, wParam, lParam);
    std::printf("    window message %u (socket %lu, event %ld) -> WndProc %s\n", msg,
                static_cast<unsigned long>(wParam), static_cast<long>(lParam), used ? "true" : "false");
}

std::string Printable(const std::string& bytes)
{
    std::string s;
    for (unsigned char c : bytes) {
        s += c == 0 ? std::string("\\0") : c < 0x20 ? "." : std::string(1, static_cast<char>(c));
    }
    return s;
}

void PrintRendererCalls()
{
    for (const glimmer_test::Call& call : glimmer_test::Trace()) {
        std::printf("    renderer: %s\n", orv::sample::GbkToUtf8(glimmer_test::Format(call)).c_str());
    }
    glimmer_test::ClearTrace();
}

// Every Garden request the server decoded since the last call.
void PrintRequests(orv::test::FakeGardenServer& server)
{
    for (const orv::test::ServerFrame& f : server.Take()) {
        const std::string& p = f.packet;
        const unsigned sub = p.size() >= 8 ? static_cast<unsigned char>(p[6]) | static_cast<unsigned char>(p[7]) << 8 : 0;
        std::printf("    server decoded request: message %u, sub 0x%02X, %zu bytes, body \"%s\"\n",
                    orv::test::FakeGardenServer::MessageId(p), sub, p.size(),
                    Printable(p.size() > 12 ? p.substr(12) : "").c_str());
    }
}

// Runs frames until pred holds (or 400 rounds): socket notifications, the server, Render.
template <class Pred>
bool Frames(orv::test::FakeGardenServer& server, Pred pred)
{
    for (int frame = 0; frame < 400; ++frame) {
        ORVPumpWindowMessages(&Deliver, nullptr, 2);
        server.Step();
        g_ORVMgr.Render();
        if (pred()) {
            return true;
        }
    }
    return false;
}

// The last drawn frame: its renderer calls printed, and as a picture when a name is given.
void ShowFrame(const std::string& dir, const char* picture)
{
    g_ORVMgr.Render();
    int last = -1;
    for (int n = 0; !glimmer_test::Frame(n).empty(); ++n) {
        last = n;
    }
    if (last < 0) {
        std::printf("    (no frame drawn)\n");
        return;
    }
    const std::vector<glimmer_test::Call> frame = glimmer_test::Frame(last);
    for (const glimmer_test::Call& call : frame) {
        std::printf("    renderer: %s\n", orv::sample::GbkToUtf8(glimmer_test::Format(call)).c_str());
    }
    glimmer_test::ClearTrace();
    if (picture == nullptr) {
        return;
    }
    std::error_code error;
    std::filesystem::create_directories(dir, error);
    const std::string path = (std::filesystem::path(dir) / (std::string(picture) + ".png")).string();
    const bool written = orv::sample::PaintFrame(GlimmerFrameToDrawOps(frame), g_CG.m_nScreenWidth, g_CG.m_nScreenHeight)
                             .WritePng(path);
    std::printf("    picture %s: %s\n", written ? "written" : "NOT written", path.c_str());
}

}  // namespace

int main(int argc, char** argv)
{
    namespace gb = orv::garden_bytes;
    const std::string pictures = orv::sample::PictureDirFromArgs(argc, argv);
    orv::test::FakeGardenServer server;
    std::printf("-- Garden server listening on 127.0.0.1:%d\n", server.Port());
    g_strLogin = "10001\nguid-demo\nsecret\n10.0.0.1\n7000\n127.0.0.1\n" + std::to_string(server.Port()) +
                 "\nguid-demo\nDemo Player";

    // The server's script: the player record after the login, a garden for each enter request.
    gb::GardenDesc own;
    own.guid = "guid-demo";
    own.display = "Demo Player";
    own.info.wealth = 12800;
    own.info.level = 3;
    for (std::uint8_t n = 1; n <= 6; ++n) {
        gb::PlotDesc plot;
        plot.number = n;
        plot.soilLevel = static_cast<std::uint8_t>(n % 3);
        plot.water = static_cast<std::uint8_t>(n % 4);
        own.plots.push_back(plot);
    }
    own.plants = {{1, 1, 4000, "guid-demo"}, {2, 2, 20000, "guid-demo"}, {5, 3, 3600, "guid-demo"}};
    own.plantList = {{1, 3}, {2, 1}, {5, 2}};
    gb::GardenDesc pal;
    pal.guid = "guid-pal";
    pal.display = "Pal";
    pal.info.wealth = 300;
    pal.info.level = 1;
    pal.plots = {gb::PlotDesc{}, gb::PlotDesc{}};
    pal.plots[1].number = 2;
    pal.plants = {{1, 2, 30000, "guid-pal"}};
    std::string player(88, '\0');
    player.replace(8, own.guid.size(), own.guid);
    using Answer = orv::test::FakeGardenServer::Answer;
    server.Script({
        Answer{48, Answer().sub, {gb::Packet(52, 0, player)}, false, ""},
        Answer{884, 0x04, {gb::Enter501(own)}, true, own.guid},
        Answer{884, 0x04, {gb::Enter501(pal)}, true, pal.guid},
    });
    server.SetDelivery(97, true);   // answers split into pieces, with '*' and '+' noise

    std::printf("-- Init on the host's window and (stand-in) device\n");
    const int code = g_ORVMgr.Init(&HostProc, 0, kHostWindow, nullptr, nullptr, nullptr);
    std::printf("    Init = %d\n", code);
    PrintRendererCalls();

    std::printf("-- OpenGarden: login, the player record (52), the enter request (0x04), the garden (501)\n");
    g_ORVMgr.OpenGarden();
    const bool opened = Frames(server, [] { return g_ORVMgr.IsGardenOpen(); });
    Frames(server, [&] { return server.Frames().size() >= 2; });
    PrintRequests(server);
    std::printf("    Garden screen open: %s\n", opened ? "yes" : "no");
    std::printf("-- the own garden\n");
    Frames(server, [] { return false; });
    glimmer_test::ClearTrace();
    ShowFrame(pictures, "garden-own");

    std::printf("-- refresh: the server updates plot 4 (reply 502)\n");
    gb::PlotDesc watered;
    watered.number = 4;
    watered.water = 3;
    watered.flags = 2 | 0x08;
    server.SendRaw(server.Framed({gb::Reply(502, gb::Item(12, gb::PlotBytes(watered)), 0, 4)}), 13);
    Frames(server, [] { return false; });
    glimmer_test::ClearTrace();
    ShowFrame(pictures, nullptr);

    std::printf("-- a friend's garden: the server switches the player (1016), the client asks to enter\n");
    server.SendRaw(server.Framed({gb::Packet(1016, 0, std::string("x\0guid-pal\0", 11))}));
    Frames(server, [&] { return !server.Frames().empty(); });
    Frames(server, [] { return false; });
    PrintRequests(server);
    glimmer_test::ClearTrace();
    ShowFrame(pictures, "garden-friend");

    std::printf("-- and back home\n");
    server.SendRaw(server.Framed({gb::Packet(1016, 0, std::string("x\0guid-demo\0", 12))}));
    Frames(server, [&] { return !server.Frames().empty(); });
    Frames(server, [] { return false; });
    PrintRequests(server);
    glimmer_test::ClearTrace();
    ShowFrame(pictures, nullptr);

    std::printf("-- device lost and reset\n");
    g_ORVMgr.OnDeviceLost();
    g_ORVMgr.OnDeviceReset(nullptr);
    std::printf("    ShoudRender = %s\n", g_ORVMgr.ShoudRender() ? "true" : "false");
    PrintRendererCalls();

    std::printf("-- the watchdog stays quiet while the screen stands\n");
    for (int frame = 0; frame < 150; ++frame) {
        ORVPumpWindowMessages(&Deliver, nullptr, 0);
        server.Step();
        g_ORVMgr.Render();
        usleep(5000);
    }
    glimmer_test::ClearTrace();
    std::printf("    command 4 heard: %s\n", g_bTimedOut ? "yes" : "no");

    std::printf("-- CloseGarden: the screen goes, the connection closes\n");
    g_ORVMgr.CloseGarden();
    for (int i = 0; i < 50 && server.HasClient(); ++i) {
        server.Step();
        usleep(2000);
    }
    std::printf("    connection closed by the library: %s\n", server.HasClient() ? "no" : "yes");

    std::printf("-- Release\n");
    g_ORVMgr.Release();
    PrintRendererCalls();
    return opened && !g_bTimedOut && code == 0 ? 0 : 1;
}
