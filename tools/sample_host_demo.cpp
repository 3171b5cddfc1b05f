// A second sample host, for the engine-drawn library: it loads OrvaneDemo through its exports only
// (and the renderer it draws through, here the stand-in), starts a Garden server of its own on
// 127.0.0.1 and shows the library's life: Init on the host's window and device, the login sent
// over TCP once the connection stands (the server prints what it decoded), a device loss and
// reset, the connection watchdog telling the host command 4 because no Garden screen opened in
// time, and Release.
#include <cstdio>
#include <string>
#include <unistd.h>

#include "glimmer/GlimmerTest.h"
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
        std::printf("    renderer: %s\n", glimmer_test::Format(call).c_str());
    }
    glimmer_test::ClearTrace();
}

}  // namespace

int main()
{
    orv::test::FakeGardenServer server;
    std::printf("-- Garden server listening on 127.0.0.1:%d\n", server.Port());
    g_strLogin = "10001\nguid-demo\nsecret\n10.0.0.1\n7000\n127.0.0.1\n" + std::to_string(server.Port()) +
                 "\nguid-demo\nDemo Player";

    std::printf("-- Init on the host's window and (stand-in) device\n");
    const int code = g_ORVMgr.Init(&HostProc, 0, kHostWindow, nullptr, nullptr, nullptr);
    std::printf("    Init = %d\n", code);
    PrintRendererCalls();

    std::printf("-- OpenGarden\n");
    g_ORVMgr.OpenGarden();
    for (int frame = 0; frame < 200 && server.Frames().size() < 2; ++frame) {
        ORVPumpWindowMessages(&Deliver, nullptr, 5);
        server.Step();
        g_ORVMgr.Render();
    }
    for (const orv::test::ServerFrame& f : server.Take()) {
        const std::string& p = f.packet;
        std::printf("    server decoded frame '%c': message %u, body \"%s\"\n", f.seq,
                    orv::test::FakeGardenServer::MessageId(p), Printable(p.size() > 12 ? p.substr(12) : "").c_str());
    }
    std::printf("-- the server answers with the player record (message 52)\n");
    server.SendRaw(orv::test::FakeGardenServer::Frame(
        orv::test::FakeGardenServer::Packet(52, 0, std::string(88, '\0')), '1'));
    for (int frame = 0; frame < 20; ++frame) {
        ORVPumpWindowMessages(&Deliver, nullptr, 5);
    }
    g_ORVMgr.Render();

    std::printf("-- device lost and reset\n");
    g_ORVMgr.OnDeviceLost();
    g_ORVMgr.OnDeviceReset(nullptr);
    std::printf("    ShoudRender = %s\n", g_ORVMgr.ShoudRender() ? "true" : "false");
    PrintRendererCalls();

    std::printf("-- no Garden screen opens: the watchdog tells the host after its time-out\n");
    for (int frame = 0; frame < 400 && !g_bTimedOut; ++frame) {
        ORVPumpWindowMessages(&Deliver, nullptr, 0);
        server.Step();
        g_ORVMgr.Render();
        usleep(5000);
    }
    server.Step();
    std::printf("    connection closed by the library: %s\n", server.HasClient() ? "no" : "yes");

    std::printf("-- Release\n");
    g_ORVMgr.Release();
    PrintRendererCalls();
    return g_bTimedOut && code == 0 ? 0 : 1;
}
