// The engine-drawn toolkit at work, with OrvaneDemo's code linked statically: the manager starts
// on the stand-in renderer, a stand-in Garden window opens with a background texture and a control
// that has a tooltip, a floating notice is queued, the mouse moves over the control. Then the
// developer test window opens under the main window: its button queues the "test" box and the
// "Test" notice, the box is answered by a click, a row is picked from the drop-down list, the
// vertical bar is dragged (the numbers at the window's top follow), GBK text is typed through
// input-method bytes and pasted into the edit field. Every frame's renderer calls are printed as
// the renderer received them (texts as UTF-8), and pictures of chosen frames are written
// (build/release/sample-frames, or --pictures DIR): test-window and test-window-list.
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <string>

#include "framework/control/ORVCtrlMgr.h"
#include "framework/core/GameHooks.h"
#include "framework/core/ORVMsg.h"
#include "framework/text/TextUtil.h"
#include "framework/widgets/ORVButton.h"
#include "framework/widgets/ORVChoice.h"
#include "framework/widgets/ORVEdit.h"
#include "framework/widgets/ORVScroll.h"
#include "framework/widgets/ORVToolTip.h"
#include "framework/window/ORVMsgBox.h"
#include "framework/window/ORVTestWnd.h"
#include "glimmer/GlimmerTest.h"
#include "maingame/orvanedemo/ORVMgr.h"
#include "platform/Platform.h"
#include "tools/FramePicture.h"
#include "tools/GbkText.h"
#include "tools/GlimmerPicture.h"
#include "tools/PrintingHost.h"

namespace {

HWND const kHostWindow = reinterpret_cast<HWND>(0x1);

int ORV_STDCALL HostProc(int command, char*, int, char*)
{
    std::printf("    host: command %d\n", command);
    return 0;
}

// The system as this machine has it, with what a Windows host would have besides: an input
// method whose result string the demo sets, and a Ctrl key the demo holds.
class DemoPlatform final : public orv::platform::IPlatform {
public:
    std::uint32_t GetTickCount() override { return m_dwTick; }
    void OutputDebugString(const char* text) override { orv::platform::Native().OutputDebugString(text); }
    std::int16_t GetKeyState(int key) override
    {
        return key == VK_CONTROL && m_bCtrl ? static_cast<std::int16_t>(0x8000 | 0x100) : 0;
    }
    bool OpenClipboard() override { return orv::platform::Native().OpenClipboard(); }
    bool EmptyClipboard() override { return orv::platform::Native().EmptyClipboard(); }
    bool SetClipboardText(const char* bytes, std::size_t len) override
    {
        return orv::platform::Native().SetClipboardText(bytes, len);
    }
    bool GetClipboardText(std::string* out) override { return orv::platform::Native().GetClipboardText(out); }
    void CloseClipboard() override { orv::platform::Native().CloseClipboard(); }
    bool SocketStartup() override { return orv::platform::Native().SocketStartup(); }
    void SocketCleanup() override { orv::platform::Native().SocketCleanup(); }
    int GetImeResultString(HWND, char* buf, int cap) override
    {
        const int n = static_cast<int>(m_strIme.size()) < cap ? static_cast<int>(m_strIme.size()) : cap;
        std::memcpy(buf, m_strIme.data(), static_cast<std::size_t>(n));
        return n;
    }

    std::uint32_t m_dwTick = 500;   // a fixed clock in an odd half-second: the caret shows
    bool m_bCtrl = false;
    std::string m_strIme;
};

// A stand-in Garden window: background texture 5 of group 1 and one control with a tooltip.
class CDemoGardenWnd : public CORVWindow {
    ORV_DECLARE_RUNTIME_CLASS(CDemoGardenWnd)
public:
    void OnCreate() override
    {
        SetBackground(5);
        CORVWindow::OnCreate();
        auto* spot = new CORVControl();
        spot->m_strToolTip = "A plot\nready to plough";
        AddChild(spot, false);
        spot->CreateAt(this, 20, 20, 60, 40);
        CreateCloseButton();
    }
};
ORV_IMPLEMENT_RUNTIME_CLASS(CDemoGardenWnd, CORVWindow)

std::string g_strPictureDir;
int g_nFrame = 0;

// One frame: Render, then every call it made, texts decoded to UTF-8.
void Frame(int n = 1)
{
    for (int i = 0; i < n; ++i) {
        glimmer_test::ClearTrace();
        g_ORVMgr.Render();
        std::printf("-- frame %d\n", ++g_nFrame);
        for (const glimmer_test::Call& call : glimmer_test::Trace()) {
            std::printf("    %s\n", orv::sample::GbkToUtf8(glimmer_test::Format(call)).c_str());
        }
    }
}

// A picture of the last frame drawn.
void SavePicture(const char* name)
{
    std::error_code error;
    std::filesystem::create_directories(g_strPictureDir, error);
    const std::filesystem::path path = std::filesystem::path(g_strPictureDir) / (std::string(name) + ".png");
    const bool written = orv::sample::PaintFrame(orv::sample::GlimmerFrameToDrawOps(glimmer_test::Frame(0)),
                                                 g_CG.m_nScreenWidth, g_CG.m_nScreenHeight)
                             .WritePng(path.string());
    std::printf("[frame %d] picture %s: %s\n", g_nFrame, written ? "written" : "NOT written", path.string().c_str());
}

LPARAM At(int x, int y)
{
    return static_cast<LPARAM>(PackPos(x, y));
}

void Move(int x, int y)
{
    std::printf("    host: mouse to (%d,%d)\n", x, y);
    g_ORVMgr.WndProc(kHostWindow, WM_MOUSEMOVE, 0, At(x, y));
}

void Click(int x, int y)
{
    Move(x, y);
    std::printf("    host: left click\n");
    g_ORVMgr.WndProc(kHostWindow, WM_LBUTTONDOWN, 1, At(x, y));
    g_ORVMgr.WndProc(kHostWindow, WM_LBUTTONUP, 0, At(x, y));
}

void ClickOn(const CORVControl* ctrl)
{
    Click(ctrl->m_nAbsX + ctrl->m_nWidth / 2, ctrl->m_nAbsY + ctrl->m_nHeight / 2);
}

void RegisterTextures()
{
    glimmer_test::RegisterTexture(1, 5, 300, 200);    // the Garden window's background
    glimmer_test::RegisterTexture(1, 1, 340, 150);    // the message box
    glimmer_test::RegisterTexture(2, 3, 16, 16);      // the close button
    glimmer_test::RegisterTexture(2, 9, 64, 24);      // OK and the test button
    glimmer_test::RegisterTexture(2, 12, 64, 24);     // cancel
    for (u16 id = 15; id <= 17; ++id) {
        glimmer_test::RegisterTexture(2, id, 14, 16);  // the drop-down arrow
    }
    for (u16 id = 18; id <= 23; ++id) {
        glimmer_test::RegisterTexture(2, id, 20, 20);  // the check box
    }
    for (u16 id = 10849; id < 10849 + 12; ++id) {
        glimmer_test::RegisterTexture(2, id, 80, 24);  // the radio buttons
    }
    glimmer_test::RegisterTexture(3, 1, 10, 10);      // the scroll thumb
    glimmer_test::RegisterTexture(3, 4, 10, 6);       // vertical track: cap, middle, cap
    glimmer_test::RegisterTexture(3, 5, 10, 100);
    glimmer_test::RegisterTexture(3, 6, 10, 6);
    glimmer_test::RegisterTexture(3, 7, 6, 10);       // horizontal track
    glimmer_test::RegisterTexture(3, 8, 100, 10);
    glimmer_test::RegisterTexture(3, 9, 6, 10);
    glimmer_test::RegisterTexture(3, 10, 5, 22);      // drop-down face and edit frame
    glimmer_test::RegisterTexture(3, 11, 100, 22);
    glimmer_test::RegisterTexture(3, 12, 5, 22);
    glimmer_test::RegisterTexture(7, 1, 12, 18);      // the library's cursor
}

}  // namespace

int main(int argc, char** argv)
{
    g_strPictureDir = orv::sample::PictureDirFromArgs(argc, argv);
    DemoPlatform platform;
    orv::platform::Install(&platform);
    RegisterTextures();
    SetSystemWindowRecord(kMsgGardenWnd, ORV_RUNTIME_CLASS(CDemoGardenWnd));

    std::printf("-- Init = %d\n", g_ORVMgr.Init(&HostProc, 0, kHostWindow, nullptr, nullptr, nullptr));
    std::printf("-- the Garden window opens (as the enter reply would open it)\n");
    ORVMsg open(kMsgGardenWnd, kSysWndOpen);
    CORVCtrlMgr& mgr = CORVCtrlMgr::GetSingleton();
    mgr.RouteMessage(&open);
    const CORVControl* garden = mgr.m_MainWnd.GetSystemWindow(kMsgGardenWnd);
    std::printf("    IsGardenOpen() = %s, window at (%d,%d) %d x %d\n", g_ORVMgr.IsGardenOpen() ? "true" : "false",
                garden->m_nAbsX, garden->m_nAbsY, garden->m_nWidth, garden->m_nHeight);
    Frame();

    std::printf("-- a floating notice is queued\n");
    CAutoTip::GetSingleton().AddText("Seeds bought", 0xFFFFFFFF, 2);
    Frame();

    std::printf("-- the mouse moves onto the control: its tooltip shows; the library draws its cursor\n");
    Move(garden->m_nAbsX + 40, garden->m_nAbsY + 30);
    Frame(2);

    std::printf("-- the developer test window opens under the main window\n");
    auto* wnd = static_cast<CORVTestWnd*>(ORV_RUNTIME_CLASS(CORVTestWnd)->m_pfnCreate());
    mgr.m_MainWnd.AddChild(wnd, false);
    wnd->CreateAt(&mgr.m_MainWnd, 100, 60, 600, 480);
    Move(wnd->m_nAbsX + 550, wnd->m_nAbsY + 420);   // onto the test window: the tooltip goes
    Frame();
    SavePicture("test-window");

    std::printf("-- the player clicks the test button: the \"test\" box and the \"Test\" notice\n");
    ClickOn(wnd->m_pTestButton);
    Frame(2);
    ORVMsgBoxQueue& boxes = ORVMsgBoxQueue::GetSingleton();
    if (boxes.m_pBox == nullptr) {
        std::printf("the box did not open\n");
        return 1;
    }
    std::printf("-- the player answers the box with its first button\n");
    ClickOn(boxes.m_pBox->m_pOkButton);
    Frame(3);
    std::printf("    box open: %s\n", boxes.m_pBox != nullptr ? "yes" : "no");

    std::printf("-- the player opens the drop-down list\n");
    CORVChoice* choice = wnd->m_pChoice;
    ClickOn(choice);
    Frame(2);
    if (!choice->m_bOpen) {
        std::printf("the list did not open\n");
        return 1;
    }
    Move(choice->m_nAbsX + 30, choice->m_nAbsY + choice->ListTop() + 2 * choice->m_nRowHeight + 5);
    Frame();
    SavePicture("test-window-list");
    std::printf("-- the player picks the third row\n");
    Click(choice->m_nAbsX + 30, choice->m_nAbsY + choice->ListTop() + 2 * choice->m_nRowHeight + 5);
    Frame(2);
    std::printf("    selection %d, list %s\n", choice->m_nCurSel, choice->m_bOpen ? "open" : "closed");

    std::printf("-- the player drags the vertical bar down: the numbers follow\n");
    CORVVScroll* bar = wnd->m_pVScroll;
    const int barX = bar->m_nAbsX + bar->m_nWidth / 2;
    Move(barX, bar->m_nAbsY + 10);
    g_ORVMgr.WndProc(kHostWindow, WM_LBUTTONDOWN, 1, At(barX, bar->m_nAbsY + 10));
    for (int y : {30, 60}) {
        Move(barX, bar->m_nAbsY + y);
        Frame();
    }
    g_ORVMgr.WndProc(kHostWindow, WM_LBUTTONUP, 0, At(barX, bar->m_nAbsY + 60));
    Frame();
    std::printf("    bar at %d of %d\n", bar->m_nPos, bar->m_nRange);

    std::printf("-- the player clicks the edit field and types two Chinese characters through the input method\n");
    CORVEdit* edit = wnd->m_pEdit;
    ClickOn(edit);
    platform.m_strIme = "你好";
    g_ORVMgr.WndProc(kHostWindow, WM_IME_COMPOSITION, 0, GCS_RESULTSTR);
    Frame();
    std::printf("-- the clipboard holds \"测试\"; the player pastes it with Ctrl+V\n");
    const std::string clip = "测试";
    CopyToClipboard(clip.c_str(), static_cast<int>(clip.size()));
    platform.m_bCtrl = true;
    g_ORVMgr.WndProc(kHostWindow, WM_KEYDOWN, 'V', 0);
    platform.m_bCtrl = false;
    Frame();
    std::printf("    edit field text: \"%s\", caret at byte %d, %d px\n", orv::sample::GbkToUtf8(edit->GetText()).c_str(),
                edit->m_nCaret, edit->m_nCaretX);

    std::printf("-- Release\n");
    g_ORVMgr.Release();
    std::printf("    IsGardenOpen() = %s\n", g_ORVMgr.IsGardenOpen() ? "true" : "false");
    orv::platform::Install(nullptr);
    return 0;
}
