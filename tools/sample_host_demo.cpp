// A second sample host, for the engine-drawn library: it loads OrvaneDemo through its exports only
// (and the renderer it draws through, here the stand-in), starts a scripted Garden server of its
// own on 127.0.0.1 and plays a session with the mouse: Init on the host's window and device, the
// login over TCP, the player record, entering the own garden (the Garden screen opens: command 2,
// so the connection watchdog stays quiet), watering, sowing, harvesting, selling, a friend's
// garden and back, the nursery, settings, tool cards, a gene research, weather and rankings, a
// device loss and reset, closing the screen (command 3) and Release. The server prints every
// Garden request it decoded; the frame of each step is accounted as the printing host accounts
// the Aerie frames (--verbose: every renderer call of every frame), pictures are written
// (build/release/sample-frames, or --pictures DIR) from the recorded calls, and a summary closes
// the run.
#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <algorithm>
#include <span>
#include <string>
#include <unistd.h>

#include "glimmer/GlimmerTest.h"
#include "tools/DebugLines.h"
#include "tools/GardenBytes.h"
#include "tools/SampleSummary.h"
#include "tools/GbkText.h"
#include "tools/RequestNames.h"
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

void PrintRendererCalls()
{
    for (const glimmer_test::Call& call : glimmer_test::Trace()) {
        std::printf("    renderer: %s\n", orv::sample::GbkToUtf8(glimmer_test::Format(call)).c_str());
    }
    glimmer_test::ClearTrace();
}

int g_nRequests = 0;   // Garden requests the server decoded
int g_nDecoded = 0;    // of them, those the request table names

// Every Garden request the server decoded since the last call, each field named by what it
// carries.
void PrintRequests(orv::test::FakeGardenServer& server)
{
    for (const orv::test::ServerFrame& f : server.Take()) {
        ++g_nRequests;
        bool known = false;
        const std::string line = orv::sample::DescribeGardenRequest(f.packet, &known);
        g_nDecoded += known ? 1 : 0;
        std::printf("    server decoded request, %zu bytes: %s\n", f.packet.size(), line.c_str());
    }
}

orv::sample::GlimmerAccount* g_pAccount = nullptr;
orv::sample::SampleSummary g_Summary;
int g_nRendered = 0;   // frames rendered so far

// One frame rendered; a verbose account prints every renderer call it made.
void Render()
{
    const std::size_t before = glimmer_test::Trace().size();
    g_ORVMgr.Render();
    ++g_nRendered;
    if (g_pAccount->Verbose()) {
        const std::vector<glimmer_test::Call>& trace = glimmer_test::Trace();
        g_pAccount->Frame(std::span<const glimmer_test::Call>(trace).subspan(std::min(before, trace.size())),
                          g_nRendered);
    }
}

// Runs frames until pred holds (or 400 rounds): socket notifications, the server, Render.
template <class Pred>
bool Frames(orv::test::FakeGardenServer& server, Pred pred)
{
    bool held = false;
    for (int frame = 0; frame < 400 && !held; ++frame) {
        ORVPumpWindowMessages(&Deliver, nullptr, 2);
        server.Step();
        Render();
        held = pred();
    }
    g_pAccount->FlushRun();
    return held;
}

// A frame drawn now: its account (verbose: Render printed its calls), and its picture when a name
// is given.
void ShowFrame(const std::string& dir, const char* picture)
{
    glimmer_test::ClearTrace();
    Render();
    const std::vector<glimmer_test::Call> frame = glimmer_test::Frame(0);
    glimmer_test::ClearTrace();
    if (frame.empty()) {
        std::printf("    (no frame drawn)\n");
        return;
    }
    if (!g_pAccount->Verbose()) {
        g_pAccount->Frame(frame, g_nRendered);
    }
    g_pAccount->FlushRun();
    if (picture != nullptr) {
        orv::sample::SaveFramePicture(g_Summary, GlimmerFrameToDrawOps(frame), g_CG.m_nScreenWidth,
                                      g_CG.m_nScreenHeight, dir, picture, g_nRendered);
    }
}

// Texture sizes of the stand-in renderer's catalogue, as the game's image sets would give them:
// {group, first id, last id, width, height, name}. Group 1 holds window backgrounds, 2 buttons (three
// frames each: normal, hover, pressed), 3 icons and frames, 4 the garden's own images.
constexpr orv::sample::GlimmerTexture kTextures[] = {
    {1, 1, 1, 340, 150, "message box", true},
    {1, 5, 5, 780, 500, "six-card window (warehouse, nursery, plant status)", true},
    {1, 6, 6, 308, 260, "exchange window", true},
    {1, 8, 8, 600, 420, "research rules", true},
    {1, 9, 9, 420, 360, "settings", true},
    {1, 10, 10, 240, 430, "friends", true},
    {1, 11, 11, 460, 420, "tool cards", true},
    {1, 14, 14, 420, 400, "news", true},
    {1, 15, 15, 600, 480, "rankings", true},
    {1, 16, 16, 440, 400, "weather", true},
    {1, 17, 17, 560, 360, "yield estimate", true},
    {1, 18, 18, 440, 380, "tasks", true},
    {1, 20, 20, 720, 540, "gene research", true},
    {1, 21, 21, 80, 220, "seed ranking", true},
    {1, 22, 22, 396, 76, "seed bag", true},
    {2, 3, 5, 20, 20, "close button"},
    {2, 9, 14, 64, 24, "OK, Cancel"},
    {2, 24, 29, 20, 20, "check box"},
    {2, 30, 56, 60, 60, "bottom row"},
    {2, 57, 77, 40, 40, "top row"},
    {2, 78, 83, 24, 40, "seed bag arrows"},
    {2, 90, 104, 90, 24, "ranking categories"},
    {2, 117, 125, 60, 22, "card buttons: sell all, sell, give"},
    {2, 141, 143, 60, 22, "card button: buy"},
    {2, 144, 152, 60, 22, "visit, friends or strangers"},
    {2, 147, 149, 40, 40, "weather (top row)"},
    {2, 168, 176, 80, 24, "tabs (three frames each)"},
    {2, 183, 197, 36, 36, "tool strip"},
    {2, 135, 137, 64, 24, "tool cards: use"},
    {2, 198, 200, 60, 24, "level up"},
    {2, 201, 203, 100, 140, "gene card (its back)"},
    {2, 204, 212, 90, 30, "research: rules, start, shop"},
    {2, 228, 230, 120, 30, "gene integration"},
    {2, 213, 218, 30, 22, "pager"},
    {2, 219, 221, 40, 40, "notification"},
    {3, 1, 2, 24, 24, "weeds, pests"},
    {3, 13, 14, 60, 40, "harvest animation"},
    {3, 100, 101, 800, 600, "garden frame, 101 with the display flag"},
    {3, 103, 108, 10, 10, "scroll track"},
    {3, 118, 120, 5, 22, "field"},
    {3, 127, 132, 10, 10, "light, humidity, delicacy icons"},
    {3, 139, 144, 70, 50, "gene card faces"},
    {3, 190, 199, 10, 14, "harvest digits"},
    {3, 498, 498, 24, 24, "ripe mark"},
    {3, 3900, 3909, 8, 12, "table digits"},
    {3, 4460, 4468, 36, 20, "hint bubble tiles"},
    {3, 4469, 4470, 16, 12, "hint pointer"},
    {3, 7460, 7471, 96, 100, "tool card pictures (kind + 5900)"},
    {3, 7818, 7825, 56, 56, "plant card frames and badges"},
    {4, 100, 101, 40, 20, "display flag"},
    {4, 101, 101, 176, 88, "soil, plots 1 to 10 not developed"},
    {4, 121, 121, 176, 88, "soil, developed"},
    {4, 151, 151, 176, 88, "soil, love plots (11 to 15) not developed"},
    {4, 300, 301, 800, 600, "garden background and frame"},
    {4, 1000, 1999, 60, 80, "plants by stage"},
    {4, 7000, 7999, 48, 48, "plant icons"},
};

// A texture drawn in a frame: its place and size.
struct Drawn {
    int x, y, w, h;
    int id;
};

// Every draw of a texture (group, any id in first..last) in a frame drawn now, in drawing order.
std::vector<Drawn> DrawnTextures(std::uint16_t group, std::uint16_t first, std::uint16_t last)
{
    glimmer_test::ClearTrace();
    Render();
    const std::vector<glimmer_test::Call> frame = glimmer_test::Frame(0);
    glimmer_test::ClearTrace();
    std::vector<Drawn> found;
    for (const glimmer_test::Call& c : frame) {
        long long g = -1, id = -1, cx = 0, cy = 0;
        if (c.op == "DrawTex" && c.ints.size() >= 5) {
            cx = c.ints[0], cy = c.ints[1], g = c.ints[3], id = c.ints[4];
        } else if (c.op == "DrawTexture" && c.ints.size() >= 4) {
            cx = c.ints[0], cy = c.ints[1], g = c.ints[3], id = c.ints[2];
        }
        if (g == group && id >= first && id <= last) {
            int w = 0, h = 0;
            g_TexMgr.GetTextureOriginSize(group, static_cast<std::uint16_t>(id), w, h);
            found.push_back({static_cast<int>(cx), static_cast<int>(cy), w, h, static_cast<int>(id)});
        }
    }
    return found;
}

// The middle of the nth draw of a texture (group, any id in first..last) in a frame drawn now.
bool FindTexture(std::uint16_t group, std::uint16_t first, std::uint16_t last, int& x, int& y, int nth = 0)
{
    const std::vector<Drawn> found = DrawnTextures(group, first, last);
    if (nth < 0 || static_cast<std::size_t>(nth) >= found.size()) {
        return false;
    }
    x = found[static_cast<std::size_t>(nth)].x + found[static_cast<std::size_t>(nth)].w / 2;
    y = found[static_cast<std::size_t>(nth)].y + found[static_cast<std::size_t>(nth)].h / 2;
    return true;
}

void Click(int x, int y, bool twice = false)
{
    const LPARAM at = static_cast<LPARAM>(PackPos(x, y));
    g_pAccount->FlushRun();
    g_ORVMgr.WndProc(kHostWindow, WM_MOUSEMOVE, 0, at);
    Render();
    g_ORVMgr.WndProc(kHostWindow, WM_LBUTTONDOWN, 1, at);
    g_ORVMgr.WndProc(kHostWindow, WM_LBUTTONUP, 0, at);
    if (twice) {
        g_ORVMgr.WndProc(kHostWindow, WM_LBUTTONDBLCLK, 1, at);
        g_ORVMgr.WndProc(kHostWindow, WM_LBUTTONUP, 0, at);
    }
    Render();
    g_pAccount->FlushRun();
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

// Plots, as drawn: a plant stands 18 pixels right of its soil's left edge, 97 above its top.
// Soil images overlap as rectangles, so a plot is clicked near its top middle, which no plot drawn
// in front of it covers.
constexpr std::uint16_t kSoilFirst = 101, kSoilLast = 199, kSoilDeveloped = 121;
constexpr std::uint16_t kPlantFirst = 1000, kPlantLast = 1999;
constexpr int kPlantToSoilX = -18, kPlantToSoilY = 97, kSoilClickY = 12;

// The soil under the plant drawn with image plantImage, or (plantImage 0) the first developed
// soil without a plant.
bool FindPlot(int plantImage, Drawn& soil)
{
    const std::vector<Drawn> soils = DrawnTextures(4, kSoilFirst, kSoilLast);
    const std::vector<Drawn> plants = DrawnTextures(4, kPlantFirst, kPlantLast);
    for (const Drawn& s : soils) {
        bool planted = false;
        bool match = false;
        for (const Drawn& p : plants) {
            if (p.x + kPlantToSoilX == s.x && p.y + kPlantToSoilY == s.y) {
                planted = true;
                match = match || p.id == plantImage;
            }
        }
        if (plantImage != 0 ? match : !planted && s.id == kSoilDeveloped) {
            soil = s;
            return true;
        }
    }
    return false;
}

bool ClickPlot(const char* what, int plantImage)
{
    Drawn soil{};
    if (!FindPlot(plantImage, soil)) {
        std::printf("    (%s not on screen)\n", what);
        return false;
    }
    const int x = soil.x + soil.w / 2, y = soil.y + kSoilClickY;
    std::printf("    click on %s at (%d, %d)\n", what, x, y);
    Click(x, y);
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

// A research result (reply 526): result kind, plant id, count.
std::string LevelUp(std::uint16_t kind, std::uint16_t plant, std::uint16_t count)
{
    std::string r(20, '\0');
    orv::garden_bytes::Put16(r, 0, kind);
    orv::garden_bytes::Put16(r, 6, plant);
    orv::garden_bytes::Put16(r, 8, count);
    return r;
}

// The weather (reply 521): the first period's start (i64) and four periods {kind, light,
// humidity, temperature}. A fixed time, shown in UTC (the host sets its zone at start), so every
// run draws the same spans.
constexpr std::int64_t kWeatherStart = 1772402400;   // 2026-03-01 22:00 UTC
std::string Weather(std::int64_t start)
{
    namespace gb = orv::garden_bytes;
    std::string r = gb::U32(static_cast<std::uint32_t>(start)) + gb::U32(static_cast<std::uint32_t>(start >> 32));
    const std::uint16_t periods[4][4] = {{1, 6, 4, 18}, {2, 3, 7, 12}, {3, 8, 2, 25}, {4, 5, 5, 20}};
    for (const auto& p : periods) {
        r += gb::U16(p[0]) + gb::U16(p[1]) + gb::U16(p[2]) + gb::U16(p[3]);
    }
    return r;
}

// The rankings (reply 516): four lists of the same players, each row with its place, the player's
// name, the list's figures and the reward the place earns; no plant records.
std::string Ranking()
{
    namespace gb = orv::garden_bytes;
    namespace L = garden_layout;
    struct Ranked {
        const char* name;
        std::uint32_t wealth;
        std::uint16_t level;
        const char* reward;
    };
    const Ranked players[] = {
        {"青岚", 98600, 12, "金币×5000"}, {"Pal", 75200, 10, "金币×3000"},   {"琉璃客", 61850, 9, "金币×2000"},
        {"晚晴", 40300, 8, "化肥×10"},    {"Ann", 32100, 7, "化肥×5"},       {"Demo Player", 12800, 3, "化肥×3"},
        {"松风", 9900, 3, "种子×2"},      {"小满", 5400, 2, "种子×1"},
    };
    auto rows = [&](std::size_t size, std::size_t rewardAt) {
        std::string list;
        std::uint8_t place = 1;
        for (const Ranked& p : players) {
            std::string r(size, '\0');
            r[0] = static_cast<char>(place++);
            r.replace(L::kRankRowDisplay, L::kNameSize, gb::Field(p.name, L::kNameSize));
            gb::Put32(r, L::kRankRowWealth, p.wealth);
            gb::Put16(r, L::kRankRowLevel, p.level);
            r.replace(rewardAt, L::kRankRowRewardSize, gb::Field(p.reward, L::kRankRowRewardSize));
            list += r;
        }
        return list;
    };
    const std::string row131 = rows(L::kRankRow131, L::kRankRow131Reward);
    const std::string list = gb::Item(16, rows(L::kRankRow129, L::kRankRow129Reward)) + gb::Item(17, row131) +
                             gb::Item(18, row131) + gb::Item(22, row131);
    return gb::Reply(516, gb::Zlib(list));
}

// The settings file the library keeps in the working directory.
void PrintSettingsFile()
{
    std::FILE* f = std::fopen("./orvdata/help/config.xml", "r");
    if (f == nullptr) {
        std::printf("    (no settings file)\n");
        return;
    }
    std::printf("    settings file ./orvdata/help/config.xml:\n");
    char line[256];
    while (std::fgets(line, sizeof line, f) != nullptr) {
        std::printf("      %s", line);
    }
    std::fclose(f);
}

void Hover(int x, int y)
{
    g_ORVMgr.WndProc(kHostWindow, WM_MOUSEMOVE, 0, static_cast<LPARAM>(PackPos(x, y)));
}

}  // namespace

int main(int argc, char** argv)
{
    namespace gb = orv::garden_bytes;
    // Times are shown in UTC whatever the machine's zone, so the weather reads the same each run.
    setenv("TZ", "UTC", 1);
    tzset();
    orv::sample::ShowDebugLinesOnStdout();
    const std::string pictures = orv::sample::PictureDirFromArgs(argc, argv);
    orv::sample::GlimmerAccount account(orv::sample::VerboseFromArgs(argc, argv));
    g_pAccount = &account;
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
        Answer{884, 0x19, {Ranking()}, false, ""},
        Answer{884, 0x26, {gb::Reply(526, LevelUp(1, 1, 20))}, false, ""},
        Answer{884, 0x1d, {gb::Reply(521, Weather(kWeatherStart))}, false, ""},
    });
    server.SetDelivery(97, true);   // answers split into pieces, with '*' and '+' noise

    std::printf("-- Init on the host's window and (stand-in) device\n");
    const int code = g_ORVMgr.Init(&HostProc, 0, kHostWindow, nullptr, nullptr, nullptr);
    std::printf("    Init = %d\n", code);
    orv::sample::RegisterGlimmerTextures(kTextures);
    PrintRendererCalls();

    std::printf("-- OpenGarden: login, the player record (52), the enter request (0x04), the garden (501)\n");
    g_ORVMgr.OpenGarden();
    const bool opened = Frames(server, [] { return g_ORVMgr.IsGardenOpen(); });
    Frames(server, [&] { return server.Frames().size() >= 2; });
    PrintRequests(server);
    std::printf("    Garden screen open: %s\n", opened ? "yes" : "no");
    g_Summary.Window("Garden screen");
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

    step("water: the farm-work button shows the tool strip, its water tool, a dry plot (0x07)");
    int x = 0, y = 0;
    if (FindTexture(2, 42, 44, x, y)) {
        Hover(x, y);
    }
    ClickTexture("the water tool", 2, 183);
    ClickPlot("the soil under the young radish", 1004);
    settle(nullptr);

    step("sow: the mouse on the sow button opens the seed bag (0x10, reply 505); a seed card opens the yield\n"
         "   estimate (0x1d, 0x1e), whose OK takes the seed; an empty plot (0x06)");
    if (FindTexture(2, 39, 41, x, y)) {
        std::printf("    mouse on the sow button at (%d, %d)\n", x, y);
        Hover(x, y);
    }
    settle("garden-seed-bag");
    g_Summary.Window("seed bag");
    if (FindTexture(1, 22, 22, x, y)) {
        const int left = x - 198, top = y - 38;   // the bag's corner; its first card's icon at (72, 33)
        std::printf("    click on the first seed at (%d, %d)\n", left + 72, top + 33);
        Click(left + 72, top + 33);
    }
    frames();
    PrintRequests(server);
    ClickTexture("OK in the yield estimate", 2, 9);
    g_Summary.Window("yield estimate");
    frames();
    ClickPlot("an empty plot", 0);
    settle(nullptr);

    step("harvest: the harvest button, a ripe plant (0x0d with the owner's name)");
    ClickTexture("harvest", 2, 45);
    ClickPlot("the soil under the ripe beans", 1047);
    settle(nullptr);
    step("the plot tooltip: a right click drops the tool, the mouse rests on the young radish's plot");
    const LPARAM corner = static_cast<LPARAM>(PackPos(790, 590));
    g_ORVMgr.WndProc(kHostWindow, WM_MOUSEMOVE, 0, corner);
    g_ORVMgr.WndProc(kHostWindow, WM_RBUTTONDOWN, 0, corner);
    g_ORVMgr.WndProc(kHostWindow, WM_RBUTTONUP, 0, corner);
    frames();
    Drawn soil{};
    if (FindPlot(1004, soil)) {
        std::printf("    mouse on the plot at (%d, %d)\n", soil.x + soil.w / 2, soil.y + kSoilClickY);
        Hover(soil.x + soil.w / 2, soil.y + kSoilClickY);
    }
    settle("garden-plot-tooltip");

    step("sell: the warehouse (0x11, reply 506), a card's sell button opens the exchange window");
    ClickTexture("warehouse", 2, 60);
    g_Summary.Window("warehouse");
    frames();
    PrintRequests(server);
    ClickTexture("sell", 2, 120);
    settle("garden-exchange");
    g_Summary.Window("exchange window");
    ClickTexture("OK", 2, 9);
    settle(nullptr);
    ClickTexture("close the warehouse", 2, 3);
    frames();

    step("friends: the friends panel (0x0b, reply 512), a double click on Pal's row enters her garden");
    ClickTexture("friends", 2, 69);
    settle("garden-friends");
    g_Summary.Window("friends panel");
    if (FindTexture(1, 10, 10, x, y)) {
        const int left = x - 120, top = y - 215;   // the panel's corner; Pal's row is the second
        std::printf("    double click on Pal's row at (%d, %d)\n", left + 40, top + 91);
        Click(left + 40, top + 91, true);
    }
    settle("garden-friend");
    g_Summary.Window("Pal's garden");
    step("and back home (the back button)");
    ClickTexture("back", 2, 75);
    settle(nullptr);

    step("nursery (0x0f, reply 504): a card's buy button, the exchange window's OK (0x01)");
    ClickTexture("nursery", 2, 63);
    settle("garden-nursery");
    g_Summary.Window("nursery");
    ClickTexture("buy", 2, 141);
    frames();
    ClickTexture("OK", 2, 9);
    settle(nullptr);
    ClickTexture("close the nursery", 2, 3);
    frames();

    step("settings (0x29): OK on the first tab saves the pick-card options in the settings file");
    ClickTexture("settings", 2, 72);
    g_Summary.Window("settings window");
    frames();
    PrintRequests(server);
    ClickTexture("the check box \"use the pick card by itself\"", 2, 24, 0, false, 29);
    ClickTexture("OK", 2, 9);
    settle(nullptr);
    PrintSettingsFile();
    step("settings again: OK on the second tab saves the four visitor sentences (0x13)");
    ClickTexture("settings", 2, 72);
    frames();
    PrintRequests(server);
    ClickTexture("the second tab", 2, 171);
    ClickTexture("OK", 2, 9);
    settle(nullptr);

    step("tool cards: the first list (201), the first card, use (1000)");
    server.SendRaw(server.Framed({gb::Packet(201, 0, gb::CardBytes(100, "Card", 2, 7001, 1560), 0, 0, 1)}));
    ClickTexture("tool cards", 2, 66);
    settle("garden-tool-cards");
    g_Summary.Window("tool cards");
    ClickTexture("the first card", 3, 7460, 0, false, 7471);
    ClickTexture("use", 2, 135);
    settle(nullptr);

    step("gene research: start, the box's OK (0x26), the result (526: seeds), a gene card turned over");
    ClickTexture("research", 2, 54);
    frames();
    ClickTexture("start", 2, 207);
    g_Summary.Window("gene research");
    g_Summary.Window("message box");
    frames();
    ClickTexture("OK in the box", 2, 9);
    frames();
    PrintRequests(server);
    if (FindTexture(1, 20, 20, x, y)) {
        const int left = x - 360, top = y - 270;   // the panel's corner; the cards at (159 + 106 i, 129)
        for (int i = 0; i < 2; ++i) {
            std::printf("    click on gene card %d at (%d, %d)\n", i + 1, left + 209 + 106 * i, top + 199);
            Click(left + 209 + 106 * i, top + 199);
            frames();
        }
    }
    settle("garden-research");
    ClickTexture("close", 2, 3);
    frames();

    step("weather (0x1d, reply 521: the four periods from 22:00 UTC on 1 March 2026)");
    ClickTexture("weather", 2, 147);
    settle("garden-weather");
    g_Summary.Window("weather report");
    ClickTexture("close", 2, 3);
    frames();

    step("rankings (0x19, reply 516)");
    ClickTexture("rankings", 2, 57);
    settle("garden-ranking");
    g_Summary.Window("rankings");
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
        Render();
        usleep(5000);
    }
    g_pAccount->FlushRun();
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
    g_Summary.Requests(g_nRequests, g_nDecoded);
    std::printf("\n");
    g_Summary.Print("engine-drawn sample host", "by the request table");
    return opened && !g_bTimedOut && code == 0 ? 0 : 1;
}
