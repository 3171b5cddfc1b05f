// The engine-drawn toolkit at work, with OrvaneDemo's code linked statically: the manager starts
// on the stand-in renderer, a stand-in Garden window opens with a background texture and a control
// that has a tooltip, a floating notice is queued, the mouse moves over the control. Then the
// developer test window opens under the main window: its button queues the "test" box and the
// "Test" notice, the box is answered by a click, a row is picked from the drop-down list, the
// vertical bar is dragged (the numbers at the window's top follow), GBK text is typed through
// input-method bytes and pasted into the edit field. Each frame's renderer calls are accounted as
// the printing host accounts the Aerie frames (the first in full, then what each frame lost and
// gained; --verbose: every call as the renderer received it), texts as UTF-8, pictures of chosen
// frames are written (build/release/sample-frames, or --pictures DIR): test-window and
// test-window-list; a summary closes the run.
#include <cstdio>
#include <cstring>
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
#include "tools/DebugLines.h"
#include "tools/GbkText.h"
#include "tools/SampleSummary.h"
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
orv::sample::SampleSummary g_Summary;
orv::sample::GlimmerAccount* g_pAccount = nullptr;

// Frames: Render, then the account of the calls it made (verbose: every call).
void Frame(int n = 1)
{
    for (int i = 0; i < n; ++i) {
        glimmer_test::ClearTrace();
        g_ORVMgr.Render();
        g_pAccount->Frame(glimmer_test::Trace());
    }
    g_pAccount->FlushRun();
}

// A picture of the last frame drawn.
void SavePicture(const char* name)
{
    orv::sample::SaveFramePicture(g_Summary, orv::sample::GlimmerFrameToDrawOps(glimmer_test::Frame(0)),
                                  g_CG.m_nScreenWidth, g_CG.m_nScreenHeight, g_strPictureDir, name,
                                  g_pAccount->Number());
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

constexpr orv::sample::GlimmerTexture kTextures[] = {
    {1, 5, 5, 300, 200, "Garden window background", true},
    {1, 1, 1, 340, 150, "message box", true},
    {2, 3, 3, 16, 16, "close button"},
    {2, 9, 11, 64, 24, "OK or test button"},
    {2, 12, 14, 64, 24, "cancel button"},
    {2, 15, 17, 14, 16, "drop-down arrow"},
    {2, 18, 23, 20, 20, "check box"},
    {2, 10849, 10860, 80, 24, "radio button"},
    {3, 1, 1, 10, 10, "scroll thumb"},
    {3, 4, 4, 10, 6, "vertical track cap"},
    {3, 5, 5, 10, 100, "vertical track"},
    {3, 6, 6, 10, 6, "vertical track cap"},
    {3, 7, 7, 6, 10, "horizontal track cap"},
    {3, 8, 8, 100, 10, "horizontal track"},
    {3, 9, 9, 6, 10, "horizontal track cap"},
    {3, 10, 10, 5, 22, "field cap"},
    {3, 11, 11, 100, 22, "field middle"},
    {3, 12, 12, 5, 22, "field cap"},
    {7, 1, 1, 12, 18, "cursor"},
};

}  // namespace

int main(int argc, char** argv)
{
    orv::sample::ShowDebugLinesOnStdout();
    g_strPictureDir = orv::sample::PictureDirFromArgs(argc, argv);
    orv::sample::GlimmerAccount account(orv::sample::VerboseFromArgs(argc, argv));
    g_pAccount = &account;
    DemoPlatform platform;
    orv::platform::Install(&platform);
    orv::sample::RegisterGlimmerTextures(kTextures);
    SetSystemWindowRecord(kMsgGardenWnd, ORV_RUNTIME_CLASS(CDemoGardenWnd));

    std::printf("-- Init = %d\n", g_ORVMgr.Init(&HostProc, 0, kHostWindow, nullptr, nullptr, nullptr));
    std::printf("-- the Garden window opens (as the enter reply would open it)\n");
    ORVMsg open(kMsgGardenWnd, kSysWndOpen);
    CORVCtrlMgr& mgr = CORVCtrlMgr::GetSingleton();
    mgr.RouteMessage(&open);
    const CORVControl* garden = mgr.m_MainWnd.GetSystemWindow(kMsgGardenWnd);
    std::printf("    IsGardenOpen() = %s, window at (%d,%d) %d x %d\n", g_ORVMgr.IsGardenOpen() ? "true" : "false",
                garden->m_nAbsX, garden->m_nAbsY, garden->m_nWidth, garden->m_nHeight);
    g_Summary.Window("Garden window (stand-in)");
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
    g_Summary.Window("developer test window CORVTestWnd");
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
    g_Summary.Window("message box \"test\"");
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
    std::printf("    the input method's result: \"%s\"\n", orv::sample::GbkToUtf8(platform.m_strIme).c_str());
    g_ORVMgr.WndProc(kHostWindow, WM_IME_COMPOSITION, 0, GCS_RESULTSTR);
    Frame();
    const std::string clip = "测试";
    std::printf("-- the clipboard holds \"%s\"; the player pastes it with Ctrl+V\n", orv::sample::GbkToUtf8(clip).c_str());
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
    std::printf("\n");
    g_Summary.Print("engine toolkit demo", nullptr);
    return 0;
}
