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
// castle opens the main-city window with its production table. The plunder sheet asks for its
// figures and shows what the server answers (reply 32). In the monster group window a
// stack is dragged into another group (sub 0x17) and a group skill is refreshed after its
// confirmation (sub 0x18). The game is closed and opened on
// another player's city, as a host opens it from a player it shows; the server answers with that
// city, whose back button sends the visit request for the own city, and the own city is shown
// again. Then a new player opens the game: the server asks for a guardian beast first, the chooser
// opens with the tutorial's notice, a beast is chosen (sub 0x66); in the own city the beast window's
// hatching page hatches an egg of the bag (sub 0x6c), the server offers to hire a friend for it,
// the hire list comes and a friend is hired (sub 0x71), and the host draws the friend at the
// incubator. Closing the game sends the leave request (sub 6).
// The printing host prints each request and an account of each frame (what changed from the frame
// before), and pictures of the own city, the tooltip, the building windows and the visited city
// and the guardian-beast chooser and hatching page are written (build/release/sample-frames, or
// --pictures DIR); a summary closes the run (docs/sample-session.md tells the whole session).
#include <zlib.h>

#include <cstdio>
#include <fstream>
#include <iterator>
#include <string>

#include "framework/core/ByteOrder.h"
#include "maingame/orvane/ORVMgr.h"
#include "tools/DebugLines.h"
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
std::string CityReply(const CityScript& city, const std::string& extraItems = std::string())
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
    items += extraItems;
    std::string body;
    orv::sample::Deflate(items, Z_BEST_COMPRESSION, body);
    return LE32(city.m_nOwnerId) + LE16(0x367) + LE16(0) + LE16(0) + LE16(0) + body;
}

// A reply without compression: the header (owner id, 0x367, sub, two parameters), then the body.
std::string Reply(u32 owner, unsigned sub, const std::string& body, unsigned p1 = 0, unsigned p2 = 0)
{
    return LE32(owner) + LE16(0x367) + LE16(sub) + LE16(p1) + LE16(p2) + body;
}

// An incubator record (91 bytes): opened, the egg's type, hatching and protection seconds, the
// hired friend's name.
std::string IncubatorRecord(bool opened, unsigned egg, unsigned hatchSeconds, const std::string& friendName = "")
{
    std::string r(91, '\0');
    r[0] = opened ? 1 : 0;
    r.replace(1, 2, LE16(egg));
    r.replace(3, 4, LE32(hatchSeconds));
    r.replace(13, friendName.size(), friendName);
    return r;
}

// A player that can be hired (28 bytes): name, worth, anti-theft minutes, popularity, chances.
std::string SlaveRecord(const std::string& name, unsigned worth, unsigned popularity)
{
    std::string r(28, '\0');
    r.replace(0, name.size(), name);
    r.replace(16, 4, LE32(worth));
    r.replace(20, 2, LE16(30));
    r.replace(22, 2, LE16(popularity));
    r.replace(24, 2, LE16(1250));
    r.replace(26, 2, LE16(500));
    return r;
}

std::string ReadBytes(const char* path)
{
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

// The record of plunder 0 (a fight-mission item, kind 13): index 0, multiplier 1.0, the group that
// fights it in byte 2 (3: none yet), what the enemy carries (grass, stone, wood, metal), the
// waiting, fighting and friend-waiting times.
std::string PlunderRecord(char group)
{
    std::string r = LE16(0) + LE16(2) + std::string(16, '\0');
    r[0] = 0;
    r[1] = 10;
    r[2] = group;
    r[3] = 0;
    r.replace(4, 16, LE32(500) + LE32(300) + LE32(400) + LE32(200));
    r += LE32(600) + LE32(1800) + LE32(300) + LE32(0);
    r.resize(53, '\0');
    r[52] = 10;
    return r;
}

void Step(const char* what)
{
    std::printf("\n-- %s\n", what);
}

}  // namespace

int main(int argc, char** argv)
{
    orv::sample::ShowDebugLinesOnStdout();
    PrintingHost host;
    host.m_strPlayerName = "琉璃客";
    host.m_strPictureDir = orv::sample::PictureDirFromArgs(argc, argv);
    host.m_Account.m_bVerbose = orv::sample::VerboseFromArgs(argc, argv);
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
    host.m_Summary.Window("game window CAerieWnd");
    mgr.OpenAerie(&host, host.GetPlayerName());
    // The city offers plunder 0 (no group fights it yet).
    serverAnswers("the own city", CityReply(own, DataItem(13, PlunderRecord(3))));
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
    // A message box (340 x 150) is centred on the 1024 x 768 screen; its OK button at (36, 110).
    auto clickBoxOk = [&] { Click(mgr, (1024 - 340) / 2 + 36 + 20, (768 - 150) / 2 + 110 + 10); };

    Step("a click on the quarry opens its building window; the mouse moves on to its upgrade button");
    host.m_Summary.Window("building window");
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
    host.m_Summary.Window("main-city window");
    const WindowPlace castle = centred(36);
    Click(mgr, kGameX + 395 + 60, kGameY + 215 + 65);
    host.Frame(render);
    MoveMouse(mgr, castle.x + 250, castle.y + 150);
    host.Frames(2, render);
    host.SavePicture("main-city-window");
    closeWindow(castle);
    host.Frames(2, render);

    // The mission button stands at (635, 557).
    Step("the mission button opens the mission window on its plunder tab; its go button opens the plunder "
         "sheet, which asks the server for its figures (0x20)");
    host.m_Summary.Window("mission window");
    host.m_Summary.Window("plunder sheet");
    const WindowPlace missions = centred(19);
    Click(mgr, kGameX + 635 + 20, kGameY + 557 + 18);
    host.Frame(render);
    Click(mgr, missions.x + 95 + 10, missions.y + 292 + 10);
    host.Frames(2, render);
    {
        // What the enemy carries: grass, stone, wood, metal.
        const std::string figures = Reply(own.m_nOwnerId, 32, LE32(500) + LE32(300) + LE32(400) + LE32(200));
        std::printf("-- the server answers: reply 32, %zu bytes (the plunder's figures)\n", figures.size());
        mgr.Recv(figures.data(), static_cast<int>(figures.size()));
    }
    host.Frames(2, render);
    host.SavePicture("before-fight-window");

    Step("the sheet's start button starts the plunder with the fight group (0x1d) and closes the sheet");
    const WindowPlace sheet = centred(24);
    Click(mgr, sheet.x + 157 + 10, sheet.y + 515 + 10);
    host.Frames(2, render);
    closeWindow(missions);
    host.Frames(2, render);

    // Plunder 0 under way: the fight group (2) fights it (work state 4 on mission 0), and the
    // mission's record names that group (byte 2) and what the enemy carries.
    const std::string plunder = PlunderRecord(2);
    serverAnswers("the plunder started", CityReply(own, DataItem(11, Work(2, 4, 0, 1800, 0)) + DataItem(13, plunder)));
    host.Frames(2, render);

    Step("the plunder runs: the mission window's go button opens the fight information window; its cancel "
         "button asks, and the box's OK cancels the fight of group 2 (0x24)");
    host.m_Summary.Window("fight information window");
    host.m_Summary.Window("message box");
    Click(mgr, kGameX + 635 + 20, kGameY + 557 + 18);
    host.Frame(render);
    Click(mgr, missions.x + 95 + 10, missions.y + 292 + 10);
    host.Frames(2, render);
    Click(mgr, sheet.x + 195 + 10, sheet.y + 515 + 10);
    host.Frames(2, render);
    clickBoxOk();
    host.Frames(3, render);
    closeWindow(missions);
    host.Frames(2, render);

    Step("the main-line tab asks for the main-line missions (0x23); the server sends one, finished");
    Click(mgr, kGameX + 635 + 20, kGameY + 557 + 18);
    host.Frame(render);
    Click(mgr, missions.x + 15 + 180 + 10, missions.y + 40 + 10);
    host.Frames(3, render);
    {
        const std::string items = DataItem(0, LE32(7)) + DataItem(1, "初入琉璃台") + DataItem(2, "主城升到3级") +
                                  DataItem(3, "建设你的琉璃台") + DataItem(4, LE32(2)) + DataItem(5, LE32(100)) +
                                  DataItem(6, "未领奖");
        std::string body;
        orv::sample::Deflate(items, Z_BEST_COMPRESSION, body);
        const std::string reply = LE32(own.m_nOwnerId) + LE16(0x367) + LE16(35) + LE16(0) + LE16(0) + body;
        std::printf("-- the server answers: the main-line missions, %zu bytes\n", reply.size());
        mgr.Recv(reply.data(), static_cast<int>(reply.size()));
    }
    host.Frames(2, render);

    Step("the first row chosen, the claim button asks, and the box's OK claims mission 7 (0x21)");
    Click(mgr, missions.x + 22 + 20, missions.y + 90 + 10);
    host.Frame(render);
    Click(mgr, missions.x + 95 + 10, missions.y + 292 + 10);
    host.Frames(2, render);
    clickBoxOk();
    host.Frames(3, render);
    closeWindow(missions);
    host.Frames(2, render);

    // The toolbar's technology button stands at (596, 557); the technology window opens on the
    // castle institute with three technologies, their upgrade buttons at (393, 245 + 86 i).
    Step("the technology button opens the castle institute: three technologies, the work panel, the points");
    host.m_Summary.Window("castle institute");
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
    host.m_Summary.Window("level-up window");
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
    host.m_Summary.Window("buy window");
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
    host.m_Summary.Window("settings window");
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

    // The monster group window, 780 x 470: its grid's cell c of row r at (196 + 56c, 69 + 93r),
    // the production group's button at (22, 100); on a group page the skill cells from (140, 68)
    // and the refresh button at (634, 145).
    Step("the monster button opens the monster group window; the stack of slot 0 is dragged into the fight "
         "group's second cell (sub 0x17 from slot 0 to slot 21)");
    host.m_Summary.Window("monster group window");
    const WindowPlace groups = centred(14);
    Click(mgr, kGameX + 557 + 18, kGameY + 557 + 18);
    host.Frames(2, render);
    orv::sample::DragTo(mgr, groups.x + 196 + 24, groups.y + 69 + 24, groups.x + 196 + 56 + 24, groups.y + 69 + 186 + 24);
    host.Frames(2, render);
    {
        const std::string moved = Reply(own.m_nOwnerId, 23, DataItem(5, Monster(21, 1, 4, 12, 3, 2)) + DataItem(5, LE16(0)));
        std::printf("-- the server answers: reply 23, %zu bytes (the stack moved)\n", moved.size());
        mgr.Recv(moved.data(), static_cast<int>(moved.size()));
    }
    host.Frames(2, render);
    host.SavePicture("monster-group-window");

    Step("the production group's page; its talent is picked and refreshed: the box asks, its OK sends sub 0x18 "
         "for skill 0 with the common refresh");
    {
        const std::string skill = Reply(own.m_nOwnerId, 1, DataItem(4, LE16(0) + LE16(1) + LE16(3)));
        mgr.Recv(skill.data(), static_cast<int>(skill.size()));
    }
    Click(mgr, groups.x + 22 + 20, groups.y + 100 + 20);
    host.Frames(2, render);
    Click(mgr, groups.x + 140 + 24, groups.y + 68 + 24);
    host.Frames(2, render);
    Click(mgr, groups.x + 634 + 20, groups.y + 145 + 10);
    host.Frames(2, render);
    clickBoxOk();
    host.Frames(3, render);
    closeWindow(groups);
    host.Frames(2, render);

    Step("the game closes, and the host opens it on another player's city");
    host.m_Summary.Window("game window on a visited city");
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

    Step("the game closes; a new player opens it, and the server asks for a guardian beast first (reply 101)");
    host.m_Summary.Window("guardian-beast chooser");
    mgr.CloseAerie();
    mgr.OpenAerie(&host, host.GetPlayerName());
    {
        const std::string choose = Reply(own.m_nOwnerId, 101, "");
        std::printf("-- the server answers: reply 101, %zu bytes (choose a guardian beast)\n", choose.size());
        mgr.Recv(choose.data(), static_cast<int>(choose.size()));
    }
    host.Frames(2, render);
    // The tutorial's notice box, 340 x 150, centred in the main window; its one OK button.
    const int boxX = kGameX + (800 - 340) / 2;
    const int boxY = kGameY + (600 - 150) / 2;
    Step("the tutorial's notice is read (OK), the first beast card is picked and confirmed");
    Click(mgr, boxX + 170, boxY + 110 + 13);
    host.Frames(3, render);   // the answer is routed on the next frame, the box closes the frame after
    Click(mgr, kGameX + 30 + 52, kGameY + 95 + 54);   // card 0 at (30, 95)
    host.Frames(2, render);
    host.SavePicture("beast-chooser");
    Click(mgr, kGameX + 91 + 49, kGameY + 552 + 13);   // confirm at (91, 552)
    host.Frames(2, render);

    // The own city again, with the chosen beast, two opened incubators (one hatching) and three
    // eggs in the bag.
    const std::string hatchItems = DataItem(9, IncubatorRecord(true, 2, 5400) + IncubatorRecord(true, 0, 0) +
                                                   IncubatorRecord(false, 0, 0)) +
                                   DataItem(8, LE16(1) + LE16(3) + LE16(2));
    serverAnswers("the own city with its beast", CityReply(own, hatchItems));
    host.Frames(2, render);

    // The guardian-beast window, 700 x 520, centred in the game window; its tab 1 (the hatching
    // page) at (109, 38).
    const int beastX = kGameX + 50;
    const int beastY = kGameY + 40;
    Step("the toolbar's beast button opens the guardian-beast window; its second tab the hatching page");
    host.m_Summary.Window("guardian-beast window (hatching page)");
    Click(mgr, kGameX + 518 + 18, kGameY + 557 + 18);
    host.Frames(2, render);
    Click(mgr, beastX + 109 + 44, beastY + 38 + 13);
    host.Frames(3, render);   // the tab tells the page, the page the window

    // The egg bag strip at (150, 392) of the page; its first egg at (47, 9), 50 x 50.
    const int eggX = beastX + 150 + 47 + 25;
    const int eggY = beastY + 392 + 9 + 25;
    Step("a right click on the first egg of the bag: its menu; its first command hatches the egg");
    host.m_Summary.Window("egg menu");
    orv::sample::RightClick(mgr, eggX, eggY);
    host.Frames(2, render);
    Click(mgr, eggX + 48, eggY + 10);   // the menu's first row, at the mouse
    host.Frames(2, render);

    Step("the server puts the egg into the free incubator and offers to hire a friend (reply 108); OK");
    {
        const std::string offer = Reply(own.m_nOwnerId, 108,
                                        DataItem(9, IncubatorRecord(true, 2, 5400) + IncubatorRecord(true, 1, 7200) +
                                                        IncubatorRecord(false, 0, 0)) +
                                            DataItem(8, LE16(0) + LE16(3) + LE16(2)),
                                        1);
        std::printf("-- the server answers: reply 108, %zu bytes\n", offer.size());
        mgr.Recv(offer.data(), static_cast<int>(offer.size()));
    }
    host.Frames(2, render);
    Click(mgr, boxX + 340 / 4, boxY + 110 + 13);   // OK of the two-button box
    host.Frames(3, render);

    Step("the hire list arrives (reply 112); its first player is picked and hired");
    host.m_Summary.Window("hire list");
    {
        const std::string slaves = Reply(own.m_nOwnerId, 112,
                                         SlaveRecord("青岚", 120, 36) + SlaveRecord("白露", 0, 12), 0, 28);
        mgr.Recv(slaves.data(), static_cast<int>(slaves.size()));
    }
    host.Frames(2, render);
    // The hire list at (240, 100) of the page: its first row at (8, 46), the hire button at (39, 259).
    const int listX = beastX + 700 - 460;
    const int listY = beastY + 520 - 420;
    Click(mgr, listX + 8 + 50, listY + 46 + 10);
    host.Frames(2, render);
    Click(mgr, listX + 39 + 40, listY + 259 + 12);
    host.Frames(2, render);

    Step("the server seats the friend at incubator 1 (reply 113): the host draws the friend");
    {
        const std::string hired = Reply(own.m_nOwnerId, 113,
                                        DataItem(9, IncubatorRecord(true, 2, 5400) +
                                                        IncubatorRecord(true, 1, 3600, "青岚") +
                                                        IncubatorRecord(false, 0, 0)));
        mgr.Recv(hired.data(), static_cast<int>(hired.size()));
    }
    host.Frames(2, render);
    MoveMouse(mgr, beastX + 350, beastY + 60);
    host.Frames(2, render);
    host.SavePicture("beast-hatch-page");

    // Before the library unloads (and before the callback object dies), close the game: at unload
    // the library no longer calls the host, so only this sends the leave request and tells the host.
    Step("CloseAerie: the leave request");
    mgr.CloseAerie();
    std::printf("IsAerieOpen() = %s\n", mgr.IsAerieOpen() ? "true" : "false");
    host.Frame(render);
    host.m_Summary.Requests(host.m_nRequests, host.m_nRequestsDecoded);
    std::printf("\n");
    host.m_Summary.Print("sample host", "by the request table");
    return 0;
}
