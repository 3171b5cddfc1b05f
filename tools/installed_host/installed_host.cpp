// A minimal host of the host-drawn library Orvane, built against the installed package alone: it
// implements the callback, hands it over, opens the game, passes the server's answer to Recv, runs
// frames, forwards window messages and closes the game. Its "server" is a queue of scripted
// answers. Exit code 0 when every check passed.
#include <cstdio>
#include <cstring>
#include <string>
#include <vector>

#include <orvane/Orvane.h>

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

class Host final : public IORVCallBack {
public:
    std::vector<std::string> m_vSent;      // requests for the game server, in order
    int m_nDrawCalls = 0;                  // draw calls of the current frame
    int m_nGameWindowState = -1;           // the last NotifyGameWindow

    // Requests: the host sends them to its game server as they are.
    void SendToServer(const char* request, int length) override { m_vSent.emplace_back(request, length); }
    // Images: the host's own art, addressed by (frame, set).
    void GetImageSize(int, int, int* width, int* height) override { *width = *height = 32; }
    void DrawImage(int, int, int, int, u32, int, int) override { ++m_nDrawCalls; }
    void DrawImageScaled(int, int, int, int, float, float, u32, int, int) override { ++m_nDrawCalls; }
    bool HitTestImage(int x, int y, int, int) override { return x >= 0 && y >= 0 && x < 32 && y < 32; }
    void DrawText(int, int, const char*, u32, int, int, int, int, int, int) override { ++m_nDrawCalls; }
    void DrawRectFrame(u32, int, int, int, int) override { ++m_nDrawCalls; }
    void FillRect(u32, int, int, int, int) override { ++m_nDrawCalls; }
    int GetScreenWidth() override { return 1024; }
    int GetScreenHeight() override { return 768; }
    const char* GetPlayerName() override { return "host"; }
    // No character drawer: the library then draws no hired friend.
    IORVDrawCharacter* CreateDrawCharacter() override { return nullptr; }
    void ReleaseDrawCharacter(IORVDrawCharacter*) override {}
    void OpenPlayerRestaurant(const char*) override {}
    void OpenPlayerGarden(const char*) override {}
    void StartImageAnimation(int, int, int, int) override {}
    void StepImageAnimation(int, int) override {}
    void ResetImageAnimation(int, int, int, int) override {}
    void DrawSector(int, int, int, float, u32) override { ++m_nDrawCalls; }
    void DrawRankExtra(int, int, u16, u16, u8) override {}
    u16 GetBagItemCount(u16) override { return 0; }
    u16 GetCharacterLevel() override { return 1; }
    // Any export may be called from inside a callback.
    void NotifyGameWindow(int state) override { m_nGameWindowState = state; (void)CORVMgr::GetSingleton().IsAerieOpen(); }
    void OnMouseMove(LPARAM) override {}
    bool HasBagItem(int, int, int) override { return false; }
    // Slots the library never calls.
    void Reserved17() override {}
    void Reserved21() override {}
    void Reserved27() override {}
    void Reserved29() override {}
    void Reserved30() override {}
};

int g_nFailures = 0;

void Check(bool ok, const char* what)
{
    std::printf("%s: %s\n", ok ? "ok" : "FAILED", what);
    g_nFailures += ok ? 0 : 1;
}

}  // namespace

int main()
{
    Host host;
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

    // Close the game (from the game window of a city, the library also sends the leave request,
    // sub id 6).
    orvane.CloseAerie();
    Check(!orvane.IsAerieOpen(), "CloseAerie closes the game");
    host.m_nDrawCalls = 0;
    orvane.Render();
    Check(host.m_nDrawCalls == 0, "nothing is drawn while the game is closed");
    std::printf("installed host: %s\n", g_nFailures == 0 ? "every check passed" : "checks failed");
    return g_nFailures == 0 ? 0 : 1;
}
