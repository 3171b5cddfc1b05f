// The small city windows: settings, records, production and help.
#include <gtest/gtest.h>

#include <memory>

#include "AerieCityWindowsFixture.h"
#include "aerie/state/AerieConfigMgr.h"
#include "aerie/windows/AerieCityCtrls.h"
#include "aerie/windows/AerieHelpWnd.h"
#include "aerie/windows/AerieInfoCtrls.h"
#include "aerie/windows/AerieInfoWnd.h"
#include "aerie/windows/AerieProductInfoWnd.h"
#include "aerie/windows/AerieSetWnd.h"
#include "framework/richtext/ORVRichTextViewer.h"
#include "framework/richtext/ORVTextContext.h"
#include "framework/widgets/ORVButton.h"
#include "framework/widgets/ORVScroll.h"
#include "framework/core/ScratchBuffer.h"
#include "framework/xml/XmlTestFiles.h"

using namespace orv::test;

namespace {

class AerieSmallWindows : public AerieCityWindowsTest {
protected:
    void TearDown() override
    {
        AerieCityWindowsTest::TearDown();
        m_pCwd.reset();
    }
    // A private copy of the settings file (with or without the level switch), loaded.
    std::string UseSettings(bool withKey, int value = 0)
    {
        std::string text = "<?xml version=\"1.0\"?><config><key Index=\"0\" Name=\"AddPointTip\" Value=\"1\"/>";
        if (withKey) {
            text += "<key Index=\"4\" Name=\"AerieBuildingLevelShow\" Value=\"" + std::to_string(value) + "\"/>";
        }
        text += "</config>";
        const std::string path = m_Dir.Write("aerieconfig.xml", text);
        EXPECT_TRUE(CAerieConfigMgr::GetSingleton()->Load(path.c_str()));
        return path;
    }
    // Help files under <dir>/data/help, read from <dir>/run as the library's "../data/".
    void HelpFile(const std::string& name, const std::string& text) { m_Dir.Write("data/help/" + name, text); }
    // Works in <dir>/run from now on and enters the own city.
    void EnterFromRunDir()
    {
        ASSERT_TRUE(m_Dir.IsValid());
        std::filesystem::create_directories(m_Dir.Root() / "run");
        m_pCwd = std::make_unique<XmlScopedCwd>(m_Dir.Root() / "run");
        ASSERT_NE(Enter(City()), nullptr);
    }
    CAerieHelpWnd* OpenHelp()
    {
        Wnd()->ToggleSubWindow(GetAerieWindowRecord(AerieWndKind::Help), true, 0);
        return Sub<CAerieHelpWnd>();
    }
    // n content lines, "line 0" ...
    static std::string Lines(int n)
    {
        std::string text;
        for (int i = 0; i < n; ++i) {
            text += "line " + std::to_string(i) + "\r";
        }
        return text;
    }
    // Presses at (x, y) of wnd, draws a frame with the button held, releases at (rx, ry).
    void ClickAt(CAerieHelpWnd* wnd, int x, int y, int rx, int ry)
    {
        wnd->OnMouseMove(x, y);
        wnd->OnLButtonDown(x, y);
        DrawFrame();
        wnd->OnLButtonUp(rx, ry);
    }

    XmlTempDir m_Dir;
    std::unique_ptr<XmlScopedCwd> m_pCwd;   // left before the folder goes
};

}  // namespace

TEST_F(AerieSmallWindows, SettingsSwitchIsStoredAndToldOnce)
{
    struct Case {
        const char* name;
        bool withKey;
        int stored;
        bool tick;        // the switch changed before the button
        bool ok;          // OK, else the close button
        const char* file; // the value in the file afterwards, "" when absent
        int events;
    } cases[] = {
        {"tick + OK", true, 0, true, true, "Value=\"1\"", 1},
        {"unchanged + OK", true, 1, false, true, "Value=\"1\"", 0},
        {"tick + close", true, 0, true, false, "Value=\"0\"", 0},
        {"missing key: still told", false, 0, true, true, "", 1},
    };
    for (const Case& c : cases) {
        const std::string path = UseSettings(c.withKey, c.stored);
        ASSERT_NE(Enter(City()), nullptr);
        Wnd()->ToggleSubWindow(GetAerieWindowRecord(AerieWndKind::Set), true, 0);
        auto* wnd = Sub<CAerieSetWnd>();
        ASSERT_NE(wnd, nullptr) << c.name;
        EXPECT_EQ(wnd->m_pLevelCheck->m_nLatch, static_cast<u32>(c.stored)) << c.name;
        EXPECT_EQ(wnd->m_pOkButton->m_nX, 130);
        if (c.tick) {
            wnd->m_pLevelCheck->SetLatch(c.stored == 0 ? 1 : 0);
        }
        CAerieBuildingCtrl* building = Wnd()->m_pBuildings[1];
        building->m_bShowLevel = 7;   // any change below comes from the event
        ClickOn(wnd, c.ok ? wnd->m_pOkButton : wnd->m_pCloseButton);
        const int events = building->m_bShowLevel != 7 ? 1 : 0;
        EXPECT_EQ(events, c.events) << c.name;
        if (c.events > 0) {
            EXPECT_EQ(building->m_bShowLevel, 1) << c.name;   // the new value, even without the key
            EXPECT_TRUE(m_Fake.HasDebugLineContaining("通知改变")) << c.name;
        }
        const std::string saved = ReadFileBytes(path);
        if (*c.file != '\0') {
            EXPECT_NE(saved.find(c.file), std::string::npos) << c.name << "\n" << saved;
        } else {
            EXPECT_EQ(saved.find("AerieBuildingLevelShow"), std::string::npos) << c.name;
        }
        Frame(2);
        EXPECT_EQ(Wnd()->m_pSubWnd, nullptr) << c.name;   // closed either way
    }
    // The double click is swallowed.
    Wnd()->ToggleSubWindow(GetAerieWindowRecord(AerieWndKind::Set), true, 0);
    ORVMsg dbl(ORV_MSG_LBUTTONDBLCLK, 0, 0, "");
    EXPECT_TRUE(Sub<CAerieSetWnd>()->ProcessMessage(&dbl));
    DrawFrame();
    const HostCall* label = LastText("开启建筑物等级显示");
    ASSERT_NE(label, nullptr);
    EXPECT_EQ(label->m_vInts, (std::vector<long long>{Sub<CAerieSetWnd>()->m_nAbsX + 90, Sub<CAerieSetWnd>()->m_nAbsY + 126,
                                                     0xFFFFFFFF, 0, 0, 0, 0, 2, 0}));
}

TEST_F(AerieSmallWindows, RecordsShowTheTextsOrSayThereAreNone)
{
    ASSERT_NE(Enter(City()), nullptr);
    Event(EVT_INFO_WND);
    auto* wnd = Sub<CAerieInfoWnd>();
    ASSERT_NE(wnd, nullptr);
    ASSERT_NE(wnd->m_pViewer, nullptr);
    EXPECT_EQ(wnd->m_pViewer->m_nX, 20);
    EXPECT_EQ(wnd->m_pViewer->m_nWidth, 408);
    EXPECT_EQ(wnd->m_pContext->m_nLayoutValue, 4);
    DrawFrame();
    EXPECT_NE(LastText("当前没有记录"), nullptr) << m_Host.Dump();
    EXPECT_EQ(wnd->m_pViewer->m_pScroll->m_nPos, 0);
    Event(EVT_INFO_WND);   // toggles it shut
    EXPECT_EQ(Wnd()->m_pSubWnd, nullptr);
    // With many records the last one is in view.
    for (int i = 0; i < 60; ++i) {
        CAerieDataMgr::GetSingleton().m_vTexts.push_back("record " + std::to_string(i));
    }
    Event(EVT_INFO_WND);
    wnd = Sub<CAerieInfoWnd>();
    ASSERT_NE(wnd, nullptr);
    EXPECT_GT(wnd->m_pViewer->m_pScroll->m_nPos, 0);
    EXPECT_EQ(wnd->m_pViewer->m_pScroll->m_nPos, wnd->m_pViewer->m_pScroll->m_nRange);
    DrawFrame();
    EXPECT_NE(LastText("record 59"), nullptr);
    EXPECT_EQ(LastText("record 0"), nullptr);
}

TEST_F(AerieSmallWindows, ProductionWindowShowsTheTableNoteAndBonus)
{
    struct Case {
        u8 multiplier;
        const char* line;
    } cases[] = {{10, nullptr}, {15, "1.5"}, {20, "2.0"}};
    for (const Case& c : cases) {
        CAerieDataMgr::GetSingleton().Reset();
        ASSERT_NE(Enter(City() + OwnerRecord(0, 0, 0, 0, 0, 0, 0, 0, c.multiplier)), nullptr);
        Wnd()->ToggleSubWindow(GetAerieWindowRecord(AerieWndKind::ProductInfo), true, 0);
        auto* wnd = Sub<CAerieProductInfoWnd>();
        ASSERT_NE(wnd, nullptr);
        ASSERT_NE(dynamic_cast<CAerieProductInfoCtrl*>(wnd->m_pProductInfo), nullptr);
        EXPECT_EQ(wnd->m_pProductInfo->m_nX, 22);
        EXPECT_EQ(wnd->m_pProductInfo->m_nHeight, 188);
        EXPECT_EQ(wnd->m_Note.m_dwColor, 0xFF00FFFFu);
        DrawFrame();
        EXPECT_NE(LastText("生产情况一览"), nullptr);
        const std::string bonus = c.line == nullptr ? std::string("服务器资源产量翻倍开启，翻倍时间内资源产量倍数为1.5倍")
                                                    : "服务器资源产量翻倍开启，翻倍时间内资源产量倍数为" + std::string(c.line) + "倍";
        const HostCall* call = LastText(bonus);
        if (c.line == nullptr) {
            EXPECT_EQ(call, nullptr);
        } else {
            ASSERT_NE(call, nullptr) << m_Host.Dump();
            EXPECT_EQ(call->Int(0), wnd->m_nAbsX + 35);
            EXPECT_EQ(call->Int(1), wnd->m_nAbsY + 220);
        }
    }
}

TEST_F(AerieSmallWindows, HelpLoadsTheIndexAndItsFirstEntry)
{
    HelpFile("aeriemain.txt", "<入门/local:help/p1.txt>\r<官网/ie:www.example.com>\r<缺页/local:help/none.txt>\r");
    HelpFile("p1.txt", Lines(30));
    EnterFromRunDir();
    CAerieHelpWnd* wnd = OpenHelp();
    ASSERT_NE(wnd, nullptr);
    ASSERT_NE(wnd->m_pScroll, nullptr);
    DrawFrame();
    // The index on the left, its first link's page on the right: 30 lines, 23 shown.
    const HostCall* entry = LastText("入门");
    ASSERT_NE(entry, nullptr) << m_Host.Dump();
    EXPECT_EQ(entry->Int(0), wnd->m_nAbsX + 20);
    EXPECT_EQ(entry->Int(1), wnd->m_nAbsY + 36);
    EXPECT_EQ(CAerieHelpWnd::CurrentLink(), "help/p1.txt");
    EXPECT_EQ(wnd->m_pScroll->m_nRange, 7);
    EXPECT_TRUE(wnd->m_pScroll->m_bEnabled);
    DrawFrame();
    const HostCall* first = LastText("line 0");
    ASSERT_NE(first, nullptr) << m_Host.Dump();
    EXPECT_EQ(first->Int(0), wnd->m_nAbsX + 148);
    EXPECT_NE(LastText("line 22"), nullptr);
    EXPECT_EQ(LastText("line 23"), nullptr);

    // A browser link opens the browser and leaves the pages.
    const int y = 36 + 16;   // the second index line
    ClickAt(wnd, 22, y + 2, 23, y + 3);
    EXPECT_EQ(m_Fake.m_vOpenedLinks, std::vector<std::string>{"http://www.example.com"});
    DrawFrame();
    EXPECT_NE(LastText("line 0"), nullptr);
    // A press on a link released outside it does nothing.
    ClickAt(wnd, 22, 36 + 32 + 2, 200, 300);
    DrawFrame();
    EXPECT_NE(LastText("line 0"), nullptr);
    // A missing file says so.
    ClickAt(wnd, 22, 36 + 32 + 2, 23, 36 + 32 + 3);
    DrawFrame();
    EXPECT_NE(LastText("文件打开错误"), nullptr) << m_Host.Dump();
    EXPECT_FALSE(wnd->m_pScroll->m_bEnabled);
    EXPECT_EQ(wnd->m_pScroll->m_nRange, 0);
}

TEST_F(AerieSmallWindows, HelpKeepsTheContentScrollBetweenOpenings)
{
    HelpFile("aeriemain.txt", "<入门/local:help/p1.txt>\r");
    HelpFile("p1.txt", Lines(30));
    EnterFromRunDir();
    CAerieHelpWnd* wnd = OpenHelp();
    ASSERT_NE(wnd, nullptr);
    Frame();
    wnd->OnMouseWheel(200, 100, -120 * 5);
    EXPECT_EQ(wnd->m_pScroll->m_nPos, 5);
    Wnd()->ToggleSubWindow(GetAerieWindowRecord(AerieWndKind::Help), true, 0);   // reopened
    wnd = Sub<CAerieHelpWnd>();
    ASSERT_NE(wnd, nullptr);
    Frame();
    EXPECT_EQ(wnd->m_pScroll->m_nPos, 5);
    DrawFrame();
    EXPECT_NE(LastText("line 5"), nullptr);
    EXPECT_EQ(LastText("line 4"), nullptr);
    // The text area is not a handle to drag the window by.
    EXPECT_TRUE(wnd->OnMouseMove(200, 100));
}

TEST_F(AerieSmallWindows, HelpIndexThatCannotBeReadSaysSo)
{
    EnterFromRunDir();
    ASSERT_NE(OpenHelp(), nullptr);
    DrawFrame();
    EXPECT_NE(LastText("文件打开错误"), nullptr);
}

TEST_F(AerieSmallWindows, HelpFileLongerThanTheBufferIsCut)
{
    // 20,000 lines of 10 bytes: 200,000 bytes, more than the shared buffer holds.
    HelpFile("aeriemain.txt", "<长页/local:help/long.txt>\r");
    std::string text;
    for (int i = 0; i < 20000; ++i) {
        char line[16];
        std::snprintf(line, sizeof(line), "L%07d\r\n", i);
        text += line;
    }
    HelpFile("long.txt", text);
    EnterFromRunDir();
    CAerieHelpWnd* wnd = OpenHelp();
    ASSERT_NE(wnd, nullptr);
    Frame();
    const CORVHelpText& content = CAerieDataMgr::GetSingleton().m_aHelpPages[1];
    // The buffer less one byte: 15,977 whole lines and a cut one.
    EXPECT_EQ(content.m_vLines.size(), (kScratchBufferSize - 1 + 9) / 10);
    EXPECT_EQ(wnd->m_pScroll->m_nRange, static_cast<int>(content.m_vLines.size()) - 23);
}
