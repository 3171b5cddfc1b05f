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
#include "framework/core/ORVMsg.h"
#include "glimmer/Glimmer.h"
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
        const auto u16At = [&p](std::size_t off) {
            return p.size() >= off + 2 ? static_cast<unsigned char>(p[off]) | static_cast<unsigned char>(p[off + 1]) << 8 : 0;
        };
        std::printf("    server decoded request: message %u, sub 0x%02X, parameters %d %d, %zu bytes, body \"%s\"\n",
                    orv::test::FakeGardenServer::MessageId(p), sub, u16At(8), u16At(10), p.size(),
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


// Texture sizes of the stand-in renderer's catalogue, as the game's image sets would give them:
// {group, first id, last id, width, height}. Group 1 holds window backgrounds, 2 buttons (three
// frames each: normal, hover, pressed), 3 icons and frames, 4 the garden's own images.
struct TexSize {
    std::uint16_t group, first, last;
    int w, h;
};
constexpr TexSize kTextures[] = {
    {1, 1, 1, 340, 150},      // message box
    {1, 5, 5, 780, 500},      // six-card window (warehouse, nursery, plant status)
    {1, 6, 6, 308, 260},      // exchange window
    {1, 8, 8, 600, 420},      // research rules
    {1, 9, 9, 420, 360},      // settings
    {1, 10, 10, 240, 430},    // friends
    {1, 11, 11, 460, 420},    // tool cards
    {1, 14, 14, 420, 400},    // news
    {1, 15, 15, 600, 480},    // rankings
    {1, 16, 16, 440, 400},    // weather
    {1, 17, 17, 560, 360},    // yield estimate
    {1, 18, 18, 440, 380},    // tasks
    {1, 20, 20, 720, 540},    // gene research (the seed bag sizes itself on the same image)
    {1, 21, 21, 80, 220},     // seed ranking
    {2, 3, 5, 20, 20},        // close button
    {2, 9, 14, 64, 24},       // OK, Cancel
    {2, 24, 29, 20, 20},      // check box
    {2, 30, 56, 60, 60},      // bottom row
    {2, 57, 77, 40, 40},      // top row
    {2, 78, 83, 24, 40},      // seed bag arrows
    {2, 90, 104, 90, 24},     // ranking categories
    {2, 117, 125, 60, 22},    // card buttons: sell all, sell, give
    {2, 141, 143, 60, 22},    // card button: buy
    {2, 144, 152, 60, 22},    // visit, friends or strangers
    {2, 147, 149, 40, 40},    // weather (top row)
    {2, 168, 170, 80, 24},    // tabs
    {2, 183, 197, 36, 36},    // tool strip
    {2, 198, 200, 60, 24},    // level up
    {2, 213, 218, 30, 22},    // pager
    {2, 219, 221, 40, 40},    // notification
    {3, 1, 2, 24, 24},        // weeds, pests
    {3, 13, 14, 60, 40},      // harvest animation
    {3, 100, 100, 18, 18},    // scroll thumb
    {3, 103, 108, 10, 10},    // scroll track
    {3, 118, 120, 5, 22},     // field
    {3, 127, 132, 10, 10},    // light, humidity, delicacy icons
    {3, 190, 199, 10, 14},    // harvest digits
    {3, 201, 201, 100, 140},  // gene card back
    {3, 498, 498, 24, 24},    // ripe mark
    {3, 3900, 3909, 8, 12},   // table digits
    {3, 4460, 4468, 36, 20},  // hint bubble tiles
    {3, 4469, 4470, 16, 12},  // hint pointer
    {3, 7818, 7825, 56, 56},  // plant card frames and badges
    {4, 100, 101, 40, 20},    // display flag
    {4, 121, 121, 176, 88},   // soil, undeveloped
    {4, 101, 101, 176, 88},   // soil
    {4, 151, 151, 176, 88},   // soil, upgraded
    {4, 300, 301, 800, 600},  // garden background and frame
    {4, 1000, 1999, 60, 80},  // plants by stage
    {4, 7000, 7999, 48, 48},  // plant icons
};

void RegisterGardenTextures()
{
    for (const TexSize& t : kTextures) {
        for (int id = t.first; id <= t.last; ++id) {
            glimmer_test::RegisterTexture(t.group, static_cast<std::uint16_t>(id), t.w, t.h);
        }
    }
}

// The place of the last draw of a texture (group, any id in first..last) in a frame drawn now.
bool FindTexture(std::uint16_t group, std::uint16_t first, std::uint16_t last, int& x, int& y, int nth = 0)
{
    glimmer_test::ClearTrace();
    g_ORVMgr.Render();
    const std::vector<glimmer_test::Call> frame = glimmer_test::Frame(0);
    glimmer_test::ClearTrace();
    int seen = 0;
    for (const glimmer_test::Call& c : frame) {
        long long g = -1, id = -1, cx = 0, cy = 0;
        if (c.op == "DrawTex" && c.ints.size() >= 5) {
            cx = c.ints[0], cy = c.ints[1], g = c.ints[3], id = c.ints[4];
        } else if (c.op == "DrawTexture" && c.ints.size() >= 4) {
            cx = c.ints[0], cy = c.ints[1], g = c.ints[3], id = c.ints[2];
        }
        if (g == group && id >= first && id <= last && seen++ == nth) {
            int w = 0, h = 0;
            g_TexMgr.GetTextureOriginSize(group, static_cast<std::uint16_t>(id), w, h);
            x = static_cast<int>(cx) + w / 2;
            y = static_cast<int>(cy) + h / 2;
            return true;
        }
    }
    return false;
}

void Click(int x, int y, bool twice = false)
{
    const LPARAM at = static_cast<LPARAM>(PackPos(x, y));
    g_ORVMgr.WndProc(kHostWindow, WM_MOUSEMOVE, 0, at);
    g_ORVMgr.Render();
    g_ORVMgr.WndProc(kHostWindow, WM_LBUTTONDOWN, 1, at);
    g_ORVMgr.WndProc(kHostWindow, WM_LBUTTONUP, 0, at);
    if (twice) {
        g_ORVMgr.WndProc(kHostWindow, WM_LBUTTONDBLCLK, 1, at);
        g_ORVMgr.WndProc(kHostWindow, WM_LBUTTONUP, 0, at);
    }
    g_ORVMgr.Render();
}

// Clicks the middle of a drawn texture (a button's frames first..first+2); says where.
bool ClickTexture(const char* what, std::uint16_t group, std::uint16_t first, int nth = 0, bool twice = false,
                  std::uint16_t last = 0)
{
    int x = 0, y = 0;
    if (!FindTexture(group, first, last != 0 ? last : static_cast<std::uint16_t>(first + 2), x, y, nth)) {
        std::printf("    (%s not on screen)\n", what);
        return false;
    }
    std::printf("    %s %s at (%d, %d)\n", twice ? "double click on" : "click on", what, x, y);
    Click(x, y, twice);
    return true;
}

// A warehouse record: plant id, count, value.
std::string Ware(std::uint16_t id, std::uint32_t count, std::uint32_t value)
{
    std::string r(10, '\0');
    orv::garden_bytes::Put16(r, 0, id);
    orv::garden_bytes::Put32(r, 2, count);
    orv::garden_bytes::Put32(r, 6, value);
    return r;
}

void Hover(int x, int y)
{
    g_ORVMgr.WndProc(kHostWindow, WM_MOUSEMOVE, 0, static_cast<LPARAM>(PackPos(x, y)));
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
        Answer{884, 0x04, {gb::Enter501(own)}, true, ""},   // back home: no name
        Answer{884, 0x10, {gb::Reply(505, gb::U32(1 | 3u << 16) + gb::U32(2 | 5u << 16), 0, 2, 4)}, false, ""},
        Answer{884, 0x11, {gb::Reply(506, Ware(1, 12, 30) + Ware(2, 4, 55), 0, 2, 10)}, false, ""},
        Answer{884, 0x0b, {gb::Reply(512, gb::FriendBytes("guid-pal", "Pal", 1) + gb::FriendBytes("guid-ann", "Ann"), 0, 2, 73)},
               false, ""},
        Answer{884, 0x0f, {gb::Reply(504, gb::U16(1) + gb::U16(2) + gb::U16(3) + gb::U16(5))}, false, ""},
        Answer{884, 0x19, {gb::Ranking516(8, 0)}, false, ""},
    });
    server.SetDelivery(97, true);   // answers split into pieces, with '*' and '+' noise

    std::printf("-- Init on the host's window and (stand-in) device\n");
    const int code = g_ORVMgr.Init(&HostProc, 0, kHostWindow, nullptr, nullptr, nullptr);
    std::printf("    Init = %d\n", code);
    RegisterGardenTextures();
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

    auto step = [&](const char* title) {
        std::printf("-- %s\n", title);
    };
    // Frames until the screen is quiet, the requests the server decoded, the frame as drawn.
    auto settle = [&](const char* picture) {
        Frames(server, [] { return false; });
        PrintRequests(server);
        glimmer_test::ClearTrace();
        ShowFrame(pictures, picture);
    };
    auto frames = [&] { Frames(server, [] { return false; }); };

    step("the welcome box: Cancel finishes the tutorial (0x21)");
    ClickTexture("Cancel", 2, 12);
    frames();
    PrintRequests(server);

    step("water: the farm-work button shows the tool strip, its water tool, a dry plot (0x07)");
    int x = 0, y = 0;
    if (FindTexture(2, 42, 44, x, y)) {
        Hover(x, y);
    }
    ClickTexture("the water tool", 2, 183);
    ClickTexture("plot soil", 4, 121, 0, false, 151);
    settle(nullptr);

    step("sow: the sow button opens the seed bag (0x10, reply 505), a seed, an empty plot (0x06)");
    ClickTexture("sow", 2, 39);
    settle("garden-seed-bag");
    ClickTexture("the first seed", 4, 7000, 0, false, 7999);
    ClickTexture("plot soil", 4, 121, 5, false, 151);
    settle(nullptr);

    step("harvest: the harvest button, a ripe plant (0x0d with the owner's name)");
    ClickTexture("harvest", 2, 45);
    ClickTexture("a ripe plant", 4, 1000, 1, false, 1999);
    settle(nullptr);
    ClickTexture("a plot, with the tooltip shown", 4, 101, 1, false, 101);
    step("the plot tooltip (no tool: right click drops it)");
    g_ORVMgr.WndProc(kHostWindow, WM_RBUTTONUP, 0, static_cast<LPARAM>(PackPos(0, 0)));
    if (FindTexture(4, 1000, 1999, x, y, 0)) {
        Hover(x, y + 20);
    }
    settle("garden-plot-tooltip");

    step("sell: the warehouse (0x11, reply 506), a card's sell button opens the exchange window");
    ClickTexture("warehouse", 2, 60);
    frames();
    PrintRequests(server);
    ClickTexture("sell", 2, 120);
    settle("garden-exchange");
    ClickTexture("OK", 2, 9);
    settle(nullptr);
    ClickTexture("close the warehouse", 2, 3);
    frames();

    step("friends: the friends panel (0x0b, reply 512), a double click on Pal's row enters her garden");
    ClickTexture("friends", 2, 69);
    settle("garden-friends");
    if (FindTexture(1, 10, 10, x, y)) {
        const int left = x - 120, top = y - 215;   // the panel's corner; Pal's row is the second
        std::printf("    double click on Pal's row at (%d, %d)\n", left + 40, top + 91);
        Click(left + 40, top + 91, true);
    }
    settle("garden-friend");
    step("and back home (the back button)");
    ClickTexture("back", 2, 75);
    settle(nullptr);

    step("nursery (0x0f, reply 504): a card's buy button, the exchange window's OK (0x01)");
    ClickTexture("nursery", 2, 63);
    settle("garden-nursery");
    ClickTexture("buy", 2, 141);
    frames();
    ClickTexture("OK", 2, 9);
    settle(nullptr);
    ClickTexture("close the nursery", 2, 3);
    frames();

    step("settings (0x29): OK saves the pick-card options");
    ClickTexture("settings", 2, 72);
    frames();
    PrintRequests(server);
    ClickTexture("OK", 2, 9);
    settle(nullptr);

    step("tool cards: the lists (201, 217), the first card, use (1000)");
    server.SendRaw(server.Framed({gb::Packet(201, 0, gb::CardBytes(100, "Card", 2, 7001, 1560), 0, 0, 1)}));
    ClickTexture("tool cards", 2, 66);
    frames();
    ClickTexture("the first card", 4, 7000, 0, false, 7999);
    ClickTexture("use", 2, 9);
    settle(nullptr);
    ClickTexture("close", 2, 3);
    frames();

    step("gene research: start (box, 0x26), the reveal of the three cards");
    ClickTexture("research", 2, 54);
    frames();
    ClickTexture("start", 2, 9);
    frames();
    ClickTexture("OK in the box", 2, 9);
    frames();
    PrintRequests(server);
    ClickTexture("a gene card", 3, 201, 0, false, 201);
    settle("garden-research");
    ClickTexture("close", 2, 3);
    frames();

    step("weather (0x1d)");
    ClickTexture("weather", 2, 147);
    settle("garden-weather");
    ClickTexture("close", 2, 3);
    frames();

    step("rankings (0x19, reply 516)");
    ClickTexture("rankings", 2, 57);
    settle("garden-ranking");
    ClickTexture("close", 2, 3);
    frames();

    glimmer_test::ClearTrace();
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
