// The sample host's game session, as a game server would answer it: the own city entered, a
// building hovered and clicked, its window open; another player's city shown and the back button
// clicked; the game closed. Every request is printed; each frame is told in a few lines (what it
// draws, and its texts decoded from GBK) and chosen frames are written as pictures.
#pragma once

#include <zlib.h>

#include <cstdio>
#include <string>
#include <vector>

#include "maingame/orvane/ORVMgr.h"
#include "tools/FramePicture.h"
#include "tools/PrintingHost.h"

namespace orv::sample {

inline std::string SessionLE16(unsigned v)
{
    return {static_cast<char>(v & 0xFF), static_cast<char>((v >> 8) & 0xFF)};
}

inline std::string SessionLE32(unsigned v)
{
    return SessionLE16(v & 0xFFFF) + SessionLE16(v >> 16);
}

// A data item: u16 kind, u16 length, the value.
inline std::string SessionItem(unsigned kind, const std::string& value)
{
    return SessionLE16(kind) + SessionLE16(static_cast<unsigned>(value.size())) + value;
}

// Reply 0 for a city: the entered notice naming its owner, the owner record (coins, grass, stone,
// wood, metal, monsters, garden and restaurant levels) and the 18 buildings at their levels.
inline std::string SessionCityReply(unsigned ownerId, const std::string& owner, unsigned coins, unsigned base)
{
    std::string record(67, '\0');
    const unsigned fields[][2] = {{0, coins}, {4, base}, {8, base / 2}, {12, base / 3}, {16, base / 4},
                                  {28, 12}, {36, 3}, {40, 5}};
    for (const auto& f : fields) {
        record.replace(f[0], 4, SessionLE32(f[1]));
    }
    record[61] = 10;   // production multiplier, tenths
    std::string items = SessionItem(0, owner) + SessionItem(1, record);
    for (unsigned id = 0; id < 18; ++id) {
        items += SessionItem(2, SessionLE16(id) + SessionLE16(1 + (id * 7 + base / 100) % 5));
    }
    uLongf size = compressBound(static_cast<uLong>(items.size()));
    std::string body(size, '\0');
    compress2(reinterpret_cast<Bytef*>(body.data()), &size, reinterpret_cast<const Bytef*>(items.data()),
              static_cast<uLong>(items.size()), Z_BEST_COMPRESSION);
    body.resize(size);
    return SessionLE32(ownerId) + SessionLE16(0x367) + SessionLE16(0) + SessionLE16(0) + SessionLE16(0) + body;
}

class AerieSampleSession {
public:
    AerieSampleSession(CORVMgr& mgr, PrintingHost& host) : m_Mgr(mgr), m_Host(host) {}

    // The screen position of a window-local point of the game's 800 x 600 frame, centred on the
    // host's 1024 x 768 screen.
    static LPARAM At(int x, int y) { return Pos(112 + x, 84 + y); }

    // One frame told by its texts and the number of its draw calls.
    void Frame(const char* what)
    {
        ++m_Host.m_nFrame;
        const int before = m_Host.m_nDrawCalls;
        m_Host.m_bQuiet = true;
        m_Mgr.Render();
        m_Host.m_bQuiet = false;
        std::printf("[frame %d] %s: %d draw calls\n", m_Host.m_nFrame, what, m_Host.m_nDrawCalls - before);
    }
    // One frame told call by call, and drawn into a picture written to path.
    void PictureFrame(const char* what, const std::string& path)
    {
        ++m_Host.m_nFrame;
        std::printf("[frame %d] %s, every call:\n", m_Host.m_nFrame, what);
        FramePicture picture(1024, 768);
        m_Host.m_pPicture = &picture;
        m_Mgr.Render();
        m_Host.m_pPicture = nullptr;
        std::printf("[frame %d] picture %s %s\n", m_Host.m_nFrame, path.c_str(),
                    picture.Save(path) ? "written" : "NOT written");
    }
    void Input(UINT msg, WPARAM w, LPARAM pos) { m_Mgr.WndProc(nullptr, msg, w, pos); }
    void Click(int x, int y)
    {
        Input(WM_MOUSEMOVE, 0, At(x, y));
        Input(WM_LBUTTONDOWN, 1, At(x, y));
        Input(WM_LBUTTONUP, 0, At(x, y));
    }

    void Play(const std::string& pictureDir)
    {
        const std::string me = m_Host.GetPlayerName();
        std::printf("-- the own city: reply 0 with all 18 buildings\n");
        const std::string own = SessionCityReply(7, me, 1500, 900);
        m_Mgr.Recv(own.data(), static_cast<int>(own.size()));
        Frame("the posted topics arrive");
        Frame("a steady frame of the city");

        std::printf("-- hovering building 3 (at 560,110 in the game's frame)\n");
        Input(WM_MOUSEMOVE, 0, At(560 + 60, 110 + 65));
        PictureFrame("the city with the building's tooltip", pictureDir + "/aerie-city-hover.png");

        std::printf("-- clicking it opens its window\n");
        Click(560 + 60, 110 + 65);
        Frame("the click is handed out");
        PictureFrame("the building window over the city", pictureDir + "/aerie-building-window.png");

        std::printf("-- another player's city is shown (the server's answer to a visit)\n");
        const std::string other = SessionCityReply(9, "neighbour", 300, 400);
        m_Mgr.Recv(other.data(), static_cast<int>(other.size()));
        Frame("the visited city");
        std::printf("-- the back button (where the settings button was) enters the own city again\n");
        Click(752 + 18, 557 + 18);
        Frame("the click is handed out");
        m_Mgr.Recv(own.data(), static_cast<int>(own.size()));
        Frame("back in the own city");

        std::printf("-- the close button ends the game\n");
        Click(771 + 10, 15 + 10);
        Frame("the click is handed out: the window asks to close");
        Frame("the close request is handed out");
        std::printf("IsAerieOpen() = %s\n", m_Mgr.IsAerieOpen() ? "true" : "false");
    }

private:
    CORVMgr& m_Mgr;
    PrintingHost& m_Host;
};

}  // namespace orv::sample
