// A small host game: loads the Orvane shared library through its exports only, hands over a
// callback that prints what the library asks of the host, and plays a game session against a
// scripted game server.
// First the library's life before the game opens: nothing happens before the callback is handed
// over; the callback creates the 800 x 600 main window, centred on the host's screen (the library
// asks the host for its screen size); while the game is closed every frame draws nothing and
// every window message is left to the host (WndProc returns false).
// Then the session: OpenAerie sends the enter request for the own city; the server answers with
// the compressed city data (reply 0) and the game window opens on the own city. The mouse rests
// on the info button (the row of its sub-operations shows), then on a building (its tooltip
// shows), clicks it (its building window opens) and closes that window again; a click on the
// castle opens the main-city window with its production table. The game is closed and opened on
// another player's city, as a host opens it from a player it shows; the server answers with that
// city, whose back button sends the visit request for the own city, and the own city is shown
// again. Closing the game sends the leave request (sub 6).
// The printing host prints each request and an account of each frame (what changed from the frame
// before), and pictures of the own city, the tooltip, the building windows and the visited city
// are written (build/release/sample-frames, or --pictures DIR).
#include <zlib.h>

#include <cstdio>
#include <fstream>
#include <iterator>
#include <string>

#include "framework/core/ByteOrder.h"
#include "maingame/orvane/ORVMgr.h"
#include "tools/ImageCatalogue.h"
#include "tools/PrintingHost.h"
#include "tools/SampleInput.h"
#include "tools/ServerBytes.h"

using orv::sample::Click;
using orv::sample::MoveMouse;
using orv::sample::PrintingHost;

namespace {

// Where the main window puts the 800 x 600 game window on the host's 1024 x 768 screen.
constexpr int kGameX = 112;
constexpr int kGameY = 84;

using orv::sample::DataItem;

// What the scripted server knows of a city.
struct CityScript {
    u32 m_nOwnerId = 0;
    std::string m_strOwner;               // GBK
    unsigned m_aResources[5] = {};        // coins, grass, stone, wood, metal
    unsigned m_nGarden = 0;               // garden and restaurant levels
    unsigned m_nRestaurant = 0;
    unsigned m_aLevels[18] = {};          // building levels by id
    int m_nUpgrading = -1;                // the building the engineering group upgrades, -1 none
    unsigned m_nBeastType = 0;            // 0: no guardian beast
    unsigned m_nBreedingsToday = 0;
};

// The owner record: resources, monster count, garden and restaurant levels, production
// multiplier 1.0; 67 bytes.
std::string OwnerRecord(const CityScript& city, unsigned monsters)
{
    std::string r;
    for (unsigned amount : city.m_aResources) {
        r += LE32(amount);
    }
    r += LE32(0) + LE32(0) + LE32(monsters) + LE32(0) + LE32(city.m_nGarden) + LE32(city.m_nRestaurant);
    r.resize(67, '\0');
    r[60] = 10;   // award multiplier 1.0
    r[61] = 10;   // production multiplier 1.0
    return r;
}

// A monster entry: slot, monster id, count, production, engineering and fighting power of one.
std::string Monster(unsigned slot, unsigned id, unsigned count, unsigned production, unsigned engineering,
                    unsigned fighting)
{
    return LE16(slot) + LE16(id) + LE32(count) + LE16(production) + LE16(engineering) + LE16(fighting) + LE32(0);
}

// A group's work: group, state (0 producing, 1 building), target, seconds of the job, the
// production figures; 27 bytes.
std::string Work(unsigned group, unsigned state, unsigned target, unsigned seconds, unsigned perHour)
{
    std::string w = LE16(group) + LE16(state) + LE16(target) + LE32(seconds) + std::string(4, '\0') +
                    LE32(perHour) + LE32(perHour != 0 ? 1 : 0);
    w.resize(27, '\0');
    return w;
}

// Reply 0 for a city: the entered notice naming its owner, the owner record, the 18 buildings,
// a few monsters in the three working groups, what the groups do and the guardian beast, deflated
// behind the 12-byte header whose first word is the owner's id.
std::string CityReply(const CityScript& city)
{
    const std::string monsters[] = {Monster(0, 1, 4, 12, 3, 2), Monster(1, 2, 2, 8, 6, 3),
                                    Monster(10, 2, 3, 2, 10, 4), Monster(20, 3, 2, 1, 2, 15)};
    std::string items = DataItem(0, city.m_strOwner) + DataItem(1, OwnerRecord(city, 11));
    for (unsigned id = 0; id < 18; ++id) {
        items += DataItem(2, LE16(id) + LE16(city.m_aLevels[id]));
    }
    for (const std::string& m : monsters) {
        items += DataItem(5, m);
    }
    items += DataItem(11, Work(0, 0, 0, 0, 120));
    if (city.m_nUpgrading >= 0) {
        items += DataItem(11, Work(1, 1, static_cast<unsigned>(city.m_nUpgrading), 1800, 0));
    }
    items += DataItem(11, Work(2, 0, 0, 0, 40));
    if (city.m_nBeastType != 0) {
        std::string beast = LE16(city.m_nBeastType) + LE16(0) + LE16(1) + LE16(0) + LE16(city.m_nBreedingsToday);
        beast.resize(11, '\0');
        items += DataItem(6, beast);
    }
    std::string body;
    orv::sample::Deflate(items, Z_BEST_COMPRESSION, body);
    return LE32(city.m_nOwnerId) + LE16(0x367) + LE16(0) + LE16(0) + LE16(0) + body;
}

std::string ReadBytes(const char* path)
{
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

void Step(const char* what)
{
    std::printf("\n-- %s\n", what);
}

}  // namespace

int main(int argc, char** argv)
{
    PrintingHost host;
    host.m_strPlayerName = "琉璃客";
    host.m_strPictureDir = orv::sample::PictureDirFromArgs(argc, argv);
    CORVMgr& mgr = CORVMgr::GetSingleton();
    auto render = [&] { mgr.Render(); };
    // The server's replies go to the library as the host receives them.
    auto serverAnswers = [&](const char* what, const std::string& reply) {
        std::printf("-- the server answers: compressed reply 0, %zu bytes (%s)\n", reply.size(), what);
        mgr.Recv(reply.data(), static_cast<int>(reply.size()));
    };
    std::printf("fnOrvane() = %d\n", fnOrvane());

    std::printf("-- before any callback\n");
    mgr.Render();
    std::printf("WndProc(mouse move) = %s\n", MoveMouse(mgr, 10, 10) ? "true" : "false");

    std::printf("-- callback handed over, game closed\n");
    mgr.SetORVCallBack(&host);
    std::printf("main window created: the library asked the screen size %d times "
                "(an 800 x 600 window centred on 1024 x 768 sits at (%d, %d))\n",
                host.m_nSizeQueries, kGameX, kGameY);
    PrintingHost other;
    mgr.SetORVCallBack(&other);
    std::printf("a second callback is ignored: it was asked %d times\n", other.m_nSizeQueries);
    for (int i = 0; i < 2; ++i) {
        host.Frame(render);
        const bool used = Click(mgr, 400, 300);
        std::printf("[frame %d] click consumed: %s\n", host.m_nFrame, used ? "true" : "false");
    }
    std::printf("IsAerieOpen() = %s, draw calls while closed: %d\n", mgr.IsAerieOpen() ? "true" : "false",
                host.m_nDrawCalls);

    // The own city: the castle at level 3, the engineering group upgrading the first quarry,
    // a guardian beast that may still breed twice today.
    const CityScript own{7, host.GetPlayerName(), {1500, 300, 120, 180, 60}, 3, 2,
                         {3, 2, 1, 2, 1, 1, 1, 1, 0, 1, 1, 1, 1, 2, 2, 1, 0, 1}, 3, 1, 1};

    Step("OpenAerie: the enter request for the own city");
    mgr.OpenAerie(&host, host.GetPlayerName());
    serverAnswers("the own city", CityReply(own));
    std::printf("IsAerieOpen() = %s\n", mgr.IsAerieOpen() ? "true" : "false");
    host.Frames(2, render);
    host.SavePicture("own-city");

    // The info button of the toolbar stands at (479, 557).
    Step("the mouse rests on the toolbar's info button: the row of its sub-operations shows above it");
    MoveMouse(mgr, kGameX + 479 + 18, kGameY + 557 + 18);
    host.Frames(2, render);

    // The first quarry (building 3) stands at (15, 285) in the game window, below the work panel.
    const int quarryX = kGameX + 15 + 46;
    const int quarryY = kGameY + 285 + 48;
    Step("the mouse rests on the first quarry: its tooltip");
    MoveMouse(mgr, quarryX, quarryY);
    host.Frames(2, render);
    host.SavePicture("building-tooltip");

    // A building window opens centred in the game window, the size of its background (the
    // building's WndTex); its upgrade button at (23, 88), its 20 x 20 close button 35 px left of
    // its right edge and 4 px below its top.
    struct WindowPlace {
        int x, y, w;
    };
    auto centred = [](int backFrame) {
        const orv::sample::ImageSize size = orv::sample::CatalogueImageSize(93, backFrame);
        return WindowPlace{kGameX + (800 - size.w) / 2, kGameY + (600 - size.h) / 2, size.w};
    };
    auto closeWindow = [&](const WindowPlace& wnd) { Click(mgr, wnd.x + wnd.w - 35 + 10, wnd.y + 4 + 10); };

    Step("a click on the quarry opens its building window; the mouse moves on to its upgrade button");
    const WindowPlace quarry = centred(39);
    Click(mgr, quarryX, quarryY);
    host.Frame(render);
    MoveMouse(mgr, quarry.x + 23 + 10, quarry.y + 88 + 10);
    host.Frames(2, render);
    host.SavePicture("building-window");

    Step("the building window's close button closes it");
    closeWindow(quarry);
    host.Frames(2, render);

    // The castle (building 0) stands at (395, 215).
    Step("a click on the castle opens the main-city window: production table, buy and exchange buttons");
    const WindowPlace castle = centred(36);
    Click(mgr, kGameX + 395 + 60, kGameY + 215 + 65);
    host.Frame(render);
    MoveMouse(mgr, castle.x + 250, castle.y + 150);
    host.Frames(2, render);
    host.SavePicture("main-city-window");
    closeWindow(castle);
    host.Frames(2, render);

    // The toolbar's technology button stands at (596, 557); the technology window opens on the
    // castle institute with three technologies, their upgrade buttons at (393, 245 + 86 i).
    Step("the technology button opens the castle institute: three technologies, the work panel, the points");
    const WindowPlace technology = centred(5);
    Click(mgr, kGameX + 596 + 18, kGameY + 557 + 18);
    host.Frames(2, render);
    MoveMouse(mgr, technology.x + 393 + 10, technology.y + 245 + 10);
    host.Frames(2, render);
    host.SavePicture("technology-window");

    Step("the server reports the city's stocks: enough for the research");
    {
        CityScript stocked = own;
        stocked.m_aResources[1] = stocked.m_aResources[2] = stocked.m_aResources[3] = stocked.m_aResources[4] = 2000;
        const std::string update = LE32(own.m_nOwnerId) + LE16(0x367) + LE16(1) + LE16(0) + LE16(0) +
                                   DataItem(1, OwnerRecord(stocked, 11));
        mgr.Recv(update.data(), static_cast<int>(update.size()));
    }
    host.Frames(2, render);

    // The level-up window: its group rows from (24, 162), 50 px apart; OK at (40, 320).
    Step("the first upgrade button opens the level-up window; the production group is chosen");
    const WindowPlace lvlup = centred(16);
    Click(mgr, technology.x + 393 + 10, technology.y + 245 + 10);
    host.Frames(2, render);
    Click(mgr, lvlup.x + 120, lvlup.y + 162 + 20);
    host.Frames(2, render);
    host.SavePicture("lvlup-window");

    Step("OK sends the research request (sub 0x03) with the production group, and the window closes");
    Click(mgr, lvlup.x + 40 + 49, lvlup.y + 320 + 13);
    host.Frames(2, render);
    closeWindow(technology);
    host.Frames(2, render);

    // The main-city window's buy button stands at (132, 378); the buy window's plus button at
    // (336, 242) and its OK button at (148, 278).
    Step("the castle's buy button opens the buy window; 300 coins of grass are bought (sub 0x02)");
    const WindowPlace buy = centred(11);
    Click(mgr, kGameX + 395 + 60, kGameY + 215 + 65);
    host.Frame(render);
    Click(mgr, castle.x + 132 + 49, castle.y + 378 + 13);
    host.Frames(2, render);
    for (int i = 0; i < 3; ++i) {
        Click(mgr, buy.x + 336 + 8, buy.y + 242 + 8);
        host.Frame(render);
    }
    Click(mgr, buy.x + 148 + 49, buy.y + 278 + 13);
    host.Frames(2, render);
    closeWindow(buy);
    host.Frames(2, render);

    // The settings window: the switch at (225, 125), OK at (130, 218). The settings are written to
    // the repository's data/help/aerieconfig.xml: the sample puts its bytes back afterwards.
    Step("the settings button: the building levels are switched off and the city draws them no more");
    const std::string savedSettings = ReadBytes("../data/help/aerieconfig.xml");
    const WindowPlace settings = centred(27);
    auto switchLevels = [&] {
        Click(mgr, kGameX + 752 + 18, kGameY + 557 + 18);
        host.Frames(2, render);
        Click(mgr, settings.x + 225 + 8, settings.y + 125 + 8);
        host.Frame(render);
        Click(mgr, settings.x + 130 + 49, settings.y + 218 + 13);
        host.Frames(2, render);
    };
    switchLevels();
    Step("the settings button again: the building levels are switched back on");
    switchLevels();
    if (!savedSettings.empty()) {
        std::ofstream("../data/help/aerieconfig.xml", std::ios::binary) << savedSettings;
    }

    Step("the game closes, and the host opens it on another player's city");
    mgr.CloseAerie();
    std::printf("IsAerieOpen() = %s\n", mgr.IsAerieOpen() ? "true" : "false");
    // Another player's city: all buildings higher, nothing upgrading, no guardian beast.
    const CityScript visited{9, "青岚", {820, 450, 200, 90, 130}, 5, 4,
                             {5, 3, 3, 2, 2, 2, 2, 1, 1, 2, 1, 3, 2, 3, 3, 2, 1, 2}};
    mgr.OpenAerie(&host, visited.m_strOwner.c_str());
    serverAnswers("the visited city", CityReply(visited));
    host.Frames(2, render);
    host.SavePicture("visited-city");

    Step("the back button (in the settings button's place) asks for the own city");
    Click(mgr, kGameX + 752 + 18, kGameY + 557 + 18);
    host.Frame(render);
    serverAnswers("the own city", CityReply(own));
    host.Frames(2, render);

    // Before the library unloads (and before the callback object dies), close the game: at unload
    // the library no longer calls the host, so only this sends the leave request and tells the host.
    Step("CloseAerie: the leave request");
    mgr.CloseAerie();
    std::printf("IsAerieOpen() = %s\n", mgr.IsAerieOpen() ? "true" : "false");
    host.Frame(render);
    return 0;
}
