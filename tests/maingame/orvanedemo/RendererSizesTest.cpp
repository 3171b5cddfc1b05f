// A renderer that answers any value for its screen's width or height or for a texture's width or
// height, from Init on: a whole Garden session through the exports over 127.0.0.1 (the main window
// placed, the garden entered, frames, the mouse on a plot with its tip, a click, a drag past the
// screen's edge, the close) takes every answer into 0 to kHostSizeMax, so nothing the library works
// out from a size overflows (the sanitizers would end the run). An answer out of the range gets a
// debug line; the main window is centred on the screen so taken; a plot's soil takes its texture's
// size so taken.
#pragma GCC diagnostic ignored "-Wmissing-field-initializers"

#include <gtest/gtest.h>

#include <functional>
#include <iterator>
#include <string>

#include "engine/GardenPackets.h"
#include "engine/LoginText.h"
#include "framework/control/ORVCtrlMgr.h"
#include "framework/xml/XmlTestFiles.h"
#include "garden/state/GardenDispatch.h"
#include "garden/windows/GardenLandItem.h"
#include "garden/windows/GardenWnd.h"
#include "glimmer/GlimmerTest.h"
#include "maingame/orvanedemo/ORVMgr.h"
#include "support/NetRig.h"
#include "support/NetRigFrames.h"
#include "support/SizeAnswers.h"
#include "support/WindowInput.h"
#include "tools/GardenBytes.h"

namespace orv::test {
namespace {

namespace gb = orv::garden_bytes;

HWND const kWnd = reinterpret_cast<HWND>(0x1);

enum SizeSlot { ScreenWidth, ScreenHeight, TextureWidth, TextureHeight };
constexpr const char* kSlotNames[] = {"ScreenWidth", "ScreenHeight", "TextureWidth", "TextureHeight"};
// Who the debug line of an answer out of the range names.
constexpr const char* kAnswerers[] = {"screen width", "screen height", "GetTextureOriginSize", "GetTextureOriginSize"};

std::string g_strLogin;

int ORV_STDCALL HostProc(int command, char*, int, char* out)
{
    if (command == HOSTCMD_GET_LOGIN && out != nullptr) {
        g_strLogin.copy(out, g_strLogin.size());
        return static_cast<int>(g_strLogin.size());
    }
    return command == HOSTCMD_GET_TIMEOUT ? 3000 : 0;
}

class RendererSizes : public ::testing::TestWithParam<SizeCase> {
protected:
    RendererSizes()
    {
        glimmer_test::Reset();
        // Every texture the Garden may ask for is catalogued, 60 x 40 but for the answer.
        int w = 60;
        int h = 40;
        int screenW = 800;
        int screenH = 600;
        const int v = GetParam().answer.answered;
        switch (GetParam().slot) {
        case ScreenWidth:
            screenW = v;
            break;
        case ScreenHeight:
            screenH = v;
            break;
        case TextureWidth:
            w = v;
            break;
        case TextureHeight:
            h = v;
            break;
        }
        for (u16 group = 1; group <= 7; ++group) {
            for (u16 id = 0; id < 8000; ++id) {
                glimmer_test::RegisterTexture(group, id, w, h);
            }
        }
        glimmer_test::SetScreenSize(screenW, screenH);
        ClearGardenPackets();
        CGameNet::SetPacketHandler(&PushGardenPacket);
        SetGardenDispatcher(&DispatchGardenPacket);
        m_Rig.m_Deliver = [](const orv::platform::WindowMessage& m) { g_ORVMgr.WndProc(m.hwnd, m.msg, m.wParam, m.lParam); };
        g_strLogin = "pt\nme\npw\n1.2.3.4\n80\n127.0.0.1\n" + std::to_string(m_Rig.m_Server.Port()) + "\nme\nMe";
        gb::GardenDesc garden;
        garden.guid = "me";
        garden.plots = {{.number = 1}, {.number = 2}};
        garden.plants = {{.id = 1, .plot = 1, .seconds = 4000}};
        std::string player(88, '\0');
        player.replace(8, 2, "me");
        m_Rig.m_Server.Script({{48, FakeGardenServer::kAnySub, {gb::Packet(52, 0, player)}},
                               {884, 0x04, {gb::Enter501(garden)}}});
    }
    ~RendererSizes() override
    {
        g_ORVMgr.Release();
        CORVCtrlMgr::GetSingleton().DestroyWindowTree();
        SetGardenDispatcher(nullptr);
        glimmer_test::Reset();
    }
    // Socket rounds and frames until pred holds.
    bool Run(const std::function<bool()>& pred, int rounds = 400)
    {
        return FramesUntil(m_Rig, pred, rounds);
    }

    XmlTempDir m_Dir;
    XmlScopedCwd m_Cwd{m_Dir.Root()};
    NetRig m_Rig;
};

TEST_P(RendererSizes, TakenIntoRangeThroughAWholeSession)
{
    const int slot = GetParam().slot;
    const int taken = GetParam().answer.taken;
    ASSERT_EQ(g_ORVMgr.Init(&HostProc, 0, kWnd, nullptr, nullptr, nullptr), 0);
    const CORVMainWnd& main = CORVCtrlMgr::GetSingleton().m_MainWnd;
    if (slot == ScreenWidth) {
        EXPECT_EQ(main.m_nAbsX, (taken - main.m_nWidth) / 2);
    }
    if (slot == ScreenHeight) {
        EXPECT_EQ(main.m_nAbsY, (taken - main.m_nHeight) / 2);
    }

    g_ORVMgr.OpenGarden();
    ASSERT_TRUE(Run([] { return g_ORVMgr.IsGardenOpen(); }));
    CGardenWnd* screen = GetGardenWnd();
    ASSERT_NE(screen, nullptr);
    const CLandItem* soil = screen->Plot(1)->Soil();
    if (slot == TextureWidth) {
        EXPECT_EQ(soil->m_nWidth, taken);
    }
    if (slot == TextureHeight) {
        EXPECT_EQ(soil->m_nHeight, taken);
    }
    glimmer_test::ClearTrace();
    g_ORVMgr.Render();
    EXPECT_FALSE(glimmer_test::Frame(0).empty());

    // The mouse on the plot (its tip shows), a click there, a drag far past the screen's corners.
    const LPARAM onPlot = Pos(soil->m_nAbsX + 1, soil->m_nAbsY + 1);
    g_ORVMgr.WndProc(kWnd, WM_MOUSEMOVE, 0, onPlot);
    Run([] { return false; }, 3);
    g_ORVMgr.WndProc(kWnd, WM_LBUTTONDOWN, 1, onPlot);
    g_ORVMgr.WndProc(kWnd, WM_LBUTTONUP, 0, onPlot);
    DragFarPastTheCorners([](UINT msg, WPARAM w, LPARAM l) { g_ORVMgr.WndProc(kWnd, msg, w, l); },
                          main.m_nAbsX + 2, main.m_nAbsY + 2);
    Run([] { return false; }, 3);

    g_ORVMgr.CloseGarden();
    EXPECT_FALSE(g_ORVMgr.IsGardenOpen());
    const std::string line = SizeTakenLine(std::string("the renderer's ") + kAnswerers[slot], GetParam().answer);
    EXPECT_EQ(m_Rig.m_Fake.HasDebugLineContaining(line), GetParam().answer.answered != taken);
}

INSTANTIATE_TEST_SUITE_P(Answers, RendererSizes, ::testing::ValuesIn(EverySizeCase(std::size(kSlotNames))),
                         [](const auto& info) { return SizeCaseName(kSlotNames, info); });

}  // namespace
}  // namespace orv::test
