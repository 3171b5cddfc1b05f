// The toolkit as OrvaneDemo builds it: the values of its profile at work in the shared logic.
#include <gtest/gtest.h>

#include "framework/control/ORVCtrlMgr.h"
#include "framework/core/GameHooks.h"
#include "framework/text/TextUtil.h"
#include "framework/widgets/ORVButton.h"
#include "framework/widgets/ORVToolTip.h"
#include "glimmer/GlimmerTest.h"
#include "maingame/orvanedemo/ORVMgr.h"
#include "platform/fake/FakePlatform.h"
#include "support/TestWindow.h"

namespace {

HWND const kWnd = reinterpret_cast<HWND>(0x99);

int ORV_STDCALL SilentHost(int, char*, int, char*)
{
    return 0;
}

class CSizedWnd : public CORVWindow {
    ORV_DECLARE_RUNTIME_CLASS(CSizedWnd)
public:
    void OnCreate() override
    {
        SetSize(300, 200);
        CORVWindow::OnCreate();
        CreateCloseButton();
    }
};
ORV_IMPLEMENT_RUNTIME_CLASS(CSizedWnd, CORVWindow)

class EngineToolkitTest : public ::testing::Test {
protected:
    EngineToolkitTest()
    {
        glimmer_test::Reset();
        glimmer_test::RegisterTexture(2, 3, 16, 16);
        EXPECT_EQ(g_ORVMgr.Init(&SilentHost, 0, kWnd, nullptr, nullptr, nullptr), 0);
    }
    ~EngineToolkitTest() override
    {
        g_ORVMgr.Release();
        CORVCtrlMgr::GetSingleton().DestroyWindowTree();
        glimmer_test::Reset();
    }
    CORVMainWnd& Main() { return CORVCtrlMgr::GetSingleton().m_MainWnd; }
    CORVWindow* Open(u32 id)
    {
        ORVMsg open(id, kSysWndOpen);
        CORVCtrlMgr::GetSingleton().RouteMessage(&open);
        return static_cast<CORVWindow*>(Main().GetSystemWindow(id));
    }
    static LPARAM At(int x, int y) { return (static_cast<LPARAM>(y) << 16) | x; }

    orv::platform::FakePlatform m_Fake;
    // Sized stand-ins in two slots; the slots' own records are put back afterwards.
    orv::test::ScopedSystemWindowRecord m_Record274{274, ORV_RUNTIME_CLASS(CSizedWnd)};
    orv::test::ScopedSystemWindowRecord m_Record275{275, ORV_RUNTIME_CLASS(CSizedWnd)};
};

TEST_F(EngineToolkitTest, WindowsCentreAndCarryTheCloseButtonAtTheirTopRight)
{
    CORVWindow* wnd = Open(275);
    ASSERT_NE(wnd, nullptr);
    EXPECT_EQ(wnd->m_nAbsX, 250);
    EXPECT_EQ(wnd->m_nAbsY, 200);
    ASSERT_NE(wnd->m_pCloseButton, nullptr);
    EXPECT_EQ(wnd->m_pCloseButton->m_nX, 300 - 35);
    EXPECT_EQ(wnd->m_pCloseButton->m_nY, 5);
}

TEST_F(EngineToolkitTest, CloseRequestsEmptyOnlyTheGardenAndExchangeSlots)
{
    CORVWindow* garden = Open(275);
    CORVWindow* host = Open(274);
    ASSERT_NE(garden, nullptr);
    ASSERT_NE(host, nullptr);
    garden->Close();
    host->Close();
    for (int i = 0; i < 3; ++i) {
        g_ORVMgr.Render();
    }
    EXPECT_EQ(Main().GetSystemWindow(275), nullptr);
    EXPECT_EQ(Main().GetSystemWindow(274), host);
}

TEST_F(EngineToolkitTest, DraggingATopLevelWindowMovesTheMainWindowOnTheScreen)
{
    glimmer_test::SetScreenSize(1024, 768);
    CORVWindow* wnd = Open(275);
    ASSERT_NE(wnd, nullptr);
    const int x = wnd->m_nAbsX + 100;
    const int y = wnd->m_nAbsY + 100;
    g_ORVMgr.WndProc(kWnd, WM_MOUSEMOVE, 0, At(x, y));
    g_ORVMgr.WndProc(kWnd, WM_LBUTTONDOWN, 1, At(x, y));
    g_ORVMgr.WndProc(kWnd, WM_MOUSEMOVE, 0, At(x + 30, y + 20));
    EXPECT_EQ(Main().m_nX, 30);   // created on an 800 x 600 screen at (0, 0)
    EXPECT_EQ(Main().m_nY, 20);
    EXPECT_EQ(wnd->m_nX, 250);   // the window keeps its place in the main window
    g_ORVMgr.WndProc(kWnd, WM_MOUSEMOVE, 0, At(x + 2000, y + 2000));
    EXPECT_EQ(Main().m_nX, 1024 - 800);   // kept on the screen
    EXPECT_EQ(Main().m_nY, 768 - 600);
}

TEST_F(EngineToolkitTest, KeysReachingAPlainFocusedControlStopThere)
{
    CORVWindow* wnd = Open(275);
    ASSERT_NE(wnd, nullptr);
    auto* plain = new CORVControl();
    wnd->AddChild(plain, false);
    plain->CreateAt(wnd, 10, 40, 20, 20);
    plain->m_bFocusable = 1;   // not focusable by default in this build
    CORVCtrlMgr::GetSingleton().SetFocusControl(plain);
    ASSERT_EQ(CORVCtrlMgr::GetSingleton().m_pFocus, plain);
    EXPECT_TRUE(g_ORVMgr.WndProc(kWnd, WM_KEYDOWN, 'A', 0));
    EXPECT_TRUE(g_ORVMgr.WndProc(kWnd, WM_CHAR, 'a', 0));
    auto* refusing = new CORVControl();
    wnd->AddChild(refusing, false);
    refusing->CreateAt(wnd, 40, 40, 20, 20);
    CORVCtrlMgr::GetSingleton().SetFocusControl(refusing);
    EXPECT_EQ(CORVCtrlMgr::GetSingleton().m_pFocus, plain);
}

}  // namespace

namespace {

TEST_F(EngineToolkitTest, TooltipNearTheRightEdgeEndsAtTheScreensEdge)
{
    ASSERT_NE(Open(275), nullptr);
    CORVToolTip& tip = CORVToolTip::GetSingleton();
    tip.Reset();
    tip.AddText(2, "a tooltip line", 1);
    g_ORVMgr.WndProc(kWnd, WM_MOUSEMOVE, 0, At(790, 100));
    glimmer_test::ClearTrace();
    g_ORVMgr.Render();
    std::vector<long long> box;
    for (const auto& call : glimmer_test::Trace()) {
        if (call.op == "DrawRectangleWithFrame") {
            box = call.ints;
        }
    }
    ASSERT_EQ(box.size(), 7u);
    EXPECT_EQ(box[0], 0x9A8D6365);
    EXPECT_EQ(box[1], 0x9AFFFFFF);
    EXPECT_EQ(box[4], 800);        // right edge at the screen's width
    EXPECT_EQ(box[3], 100 + 10);   // top at the mouse + 10
    tip.Clear();
}

}  // namespace

namespace {

// Records every framework message that reaches it; covers the main window.
class CInputProbe : public CORVControl {
public:
    bool ProcessMessage(ORVMsg* msg) override
    {
        m_vGot.push_back({msg->m_nId, msg->m_wParam, msg->m_lParam});
        return m_bResult;
    }
    struct Got {
        u32 id, p1, p2;
        bool operator==(const Got&) const = default;
    };
    std::vector<Got> m_vGot;
    bool m_bResult = true;
};

TEST_F(EngineToolkitTest, WindowsInputTranslatesAsOneTable)
{
    ASSERT_NE(Open(275), nullptr);
    auto* probe = new CInputProbe();
    Main().AddChild(probe, false);
    probe->CreateAt(&Main(), 0, 0, 800, 600);
    probe->m_bFocusable = 1;   // keys go to the focus control
    CORVCtrlMgr::GetSingleton().SetFocusControl(probe);
    g_ORVMgr.WndProc(kWnd, WM_MOUSEMOVE, 0, At(33, 44));   // the wheel's position
    using Got = CInputProbe::Got;
    const struct {
        UINT msg;
        WPARAM w;
        LPARAM l;
        bool result;
        std::vector<Got> got;
    } rows[] = {
        {WM_KEYDOWN, 0x10041, 0, true, {{0x101, 0x41, 0}}},
        {WM_KEYUP, 0x41, 0, true, {{0x102, 0x41, 0}}},
        {WM_CHAR, 0x61, 0, true, {{0x103, 0x61, 0}}},
        {WM_SYSKEYDOWN, 0x12, 0, true, {{0x101, 0x12, 0}}},
        {WM_SYSKEYUP, 0x12, 0, true, {{0x102, 0x12, 0}}},
        {WM_MOUSEMOVE, 0, At(33, 44), true, {{0x104, static_cast<u32>(At(33, 44)), 0}}},
        {WM_LBUTTONDBLCLK, 0, At(5, 6), true, {{0x108, static_cast<u32>(At(5, 6)), 0}}},
        {WM_RBUTTONDOWN, 0, At(5, 6), true, {{0x109, static_cast<u32>(At(5, 6)), 0}}},
        {WM_RBUTTONUP, 0, At(5, 6), true, {{0x10a, static_cast<u32>(At(5, 6)), 0}}},
        {WM_RBUTTONDBLCLK, 0, At(5, 6), true, {{0x10b, static_cast<u32>(At(5, 6)), 0}}},
        {WM_MBUTTONDOWN, 0, At(5, 6), true, {{0x10c, static_cast<u32>(At(5, 6)), 0}}},
        {WM_MBUTTONUP, 0, At(5, 6), true, {{0x10d, static_cast<u32>(At(5, 6)), 0}}},
        {WM_MOUSEWHEEL, static_cast<WPARAM>(0xFF880000u), At(700, 500), true, {{0x105, static_cast<u32>(At(33, 44)), 0xFF88}}},
        {259, 0, 0, false, {}},
        {521, 0, 0, false, {}},
    };
    for (const auto& row : rows) {
        probe->m_vGot.clear();
        EXPECT_EQ(g_ORVMgr.WndProc(kWnd, row.msg, row.w, row.l), row.result) << row.msg;
        EXPECT_EQ(probe->m_vGot, row.got) << row.msg;
    }
    // Input-method text: one character message per byte, each byte sign-extended.
    probe->m_vGot.clear();
    m_Fake.m_ImeResult = std::string("\xB0\xA1" "a");
    EXPECT_TRUE(g_ORVMgr.WndProc(kWnd, WM_IME_COMPOSITION, 0, GCS_RESULTSTR));
    EXPECT_EQ(probe->m_vGot, (std::vector<Got>{{0x103, 0xFFB0, 0}, {0x103, 0xFFA1, 0}, {0x103, 0x61, 0}}));
    m_Fake.m_ImeResult.reset();   // no input-method context
    EXPECT_FALSE(g_ORVMgr.WndProc(kWnd, WM_IME_COMPOSITION, 0, GCS_RESULTSTR));
}

}  // namespace

namespace {

// Keeps the argument it was given and what its slot held when it was created.
class CArgWindow : public CORVWindow {
    ORV_DECLARE_RUNTIME_CLASS(CArgWindow)
public:
    void SetArgs(int arg, std::string) override { m_nArg = arg; }
    bool Create(CORVControl* parent) override
    {
        m_pSlotAtCreate = g_pSlot != nullptr ? *g_pSlot : nullptr;
        return CORVWindow::Create(parent);
    }
    int m_nArg = -1;
    CORVWindow* m_pSlotAtCreate = nullptr;
    static CORVWindow** g_pSlot;
};
CORVWindow** CArgWindow::g_pSlot = nullptr;
ORV_IMPLEMENT_RUNTIME_CLASS(CArgWindow, CORVWindow)

TEST_F(EngineToolkitTest, OpenChildFillsAnEmptySlotOnly)
{
    CORVWindow* slot = nullptr;
    CArgWindow::g_pSlot = &slot;
    ASSERT_TRUE(Main().OpenChild(&slot, ORV_RUNTIME_CLASS(CArgWindow), 42));
    auto* opened = static_cast<CArgWindow*>(slot);
    EXPECT_EQ(opened->m_nArg, 42);
    EXPECT_EQ(opened->m_pSlotAtCreate, opened);   // stored before it was created
    EXPECT_EQ(Main().m_lstChildren.front(), opened);
    EXPECT_FALSE(Main().OpenChild(&slot, ORV_RUNTIME_CLASS(CArgWindow), 1));   // the slot is taken
    EXPECT_EQ(slot, opened);
    CORVWindow* other = nullptr;
    EXPECT_FALSE(Main().OpenChild(&other, ORV_RUNTIME_CLASS(CORVControl), 1));   // not a window
    EXPECT_EQ(other, nullptr);
    CArgWindow::g_pSlot = nullptr;
    EXPECT_TRUE(Main().RemoveChild(opened));
    EXPECT_FALSE(Main().RemoveChild(opened));
}

}  // namespace

namespace {

TEST_F(EngineToolkitTest, EnteringAControlStampsTheRenderersFrameTimeAndShowsItsTooltip)
{
    CORVWindow* wnd = Open(275);
    ASSERT_NE(wnd, nullptr);
    auto* spot = new CORVControl();
    spot->m_strToolTip = "tip";
    wnd->AddChild(spot, false);
    spot->CreateAt(wnd, 100, 100, 40, 40);
    EXPECT_EQ(spot->m_dwHoverStart, 0xFFFFFFFFu);
    glimmer_test::SetFrameTime(321);
    g_ORVMgr.WndProc(kWnd, WM_MOUSEMOVE, 0, At(spot->m_nAbsX + 5, spot->m_nAbsY + 5));
    EXPECT_EQ(CORVCtrlMgr::GetSingleton().m_pHover, spot);
    EXPECT_EQ(spot->m_dwHoverStart, 321u);
    EXPECT_FALSE(CORVToolTip::GetSingleton().m_vLines.empty());   // filled on entering
    g_ORVMgr.WndProc(kWnd, WM_MOUSEMOVE, 0, At(spot->m_nAbsX + 50, spot->m_nAbsY + 50));
    EXPECT_TRUE(CORVToolTip::GetSingleton().m_vLines.empty());    // emptied on leaving
}

}  // namespace

namespace {

// The renderer's text measure: size / 2 pixels a byte (truncated); a pair F8 A1..FE 12 pixels at
// any size; a lone lead byte at the end ends the walk. Font numbers (below 8) count as their sizes.
TEST(EngineTextWidth, CountsHalfTheSizeAByteAndTheSymbolPairAtTwelve)
{
    struct Case {
        const char* text;
        int size;
        int width;
    } const cases[] = {
        {nullptr, 12, 0},
        {"", 12, 0},
        {"ab", 12, 12},
        {"\xB0\xA1", 12, 12},
        {"ab\xB0", 12, 12},
        {"abc", 13, 18},
        {"abc", 16, 24},
        {"\xF8\xA1", 16, 12},
        {"\xF8\xA1" "a", 20, 22},
        {"\xF8\xA0", 16, 16},
        {"ab", 1, 12},
        {"ab", 2, 16},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(GetTextWidth(c.text, c.size), c.width) << (c.text != nullptr ? c.text : "(null)") << " " << c.size;
    }
}

// Centred text is placed by that measure at the size it is drawn in.
TEST(EngineTextWidth, CentredTextIsPlacedByTheWidthAtItsSize)
{
    glimmer_test::Reset();
    CORVControl ctrl;
    ctrl.SetPos(100, 50);
    ctrl.DrawAlignedText(3, 100, "\xF8\xA1" "abc", 0xFFFFFFFF, 1, 0, 16);
    ASSERT_EQ(glimmer_test::Trace().size(), 1u);
    const glimmer_test::Call& call = glimmer_test::Trace()[0];
    EXPECT_EQ(call.op, "DrawTextA");
    EXPECT_EQ(call.ints[0], 100 + (100 - (12 + 24)) / 2);
    EXPECT_EQ(call.ints[1], 53);
    EXPECT_EQ(call.ints[3], 16);
    glimmer_test::Reset();
}

}  // namespace

namespace {

// A window's background texture gives it the texture's own size and is drawn at its corner first.
TEST_F(EngineToolkitTest, BackgroundTextureSizesTheWindowAndIsDrawnAtItsCorner)
{
    glimmer_test::RegisterTexture(1, 77, 320, 240);
    CORVWindow* wnd = Open(275);
    ASSERT_NE(wnd, nullptr);
    wnd->SetBackground(77);
    EXPECT_EQ(wnd->m_wBackFrame, 77);
    EXPECT_EQ(wnd->m_nWidth, 320);
    EXPECT_EQ(wnd->m_nHeight, 240);
    wnd->SetPos(40, 30);
    glimmer_test::ClearTrace();
    wnd->Render();
    ASSERT_FALSE(glimmer_test::Trace().empty());
    EXPECT_EQ(glimmer_test::Format(glimmer_test::Trace()[0]), "DrawTexture(40, 30, 77, 1, 4294967295, 1)");
    wnd->SetBackground(78);   // not in the catalogue: no size
    EXPECT_EQ(wnd->m_nWidth, 0);
    EXPECT_EQ(wnd->m_nHeight, 0);
}

}  // namespace
