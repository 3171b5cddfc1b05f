// What the game-window tests share: the sample game data loaded, an 800 x 600 host screen with
// the game's image sizes, the game window opened through its system command, stand-in sub-window
// classes installed as the records the game window opens, and helpers to click and to read the
// tooltip.
#pragma once

#include <memory>
#include <string>
#include <vector>

#include "aerie/state/XmlAerieMgr.h"
#include "aerie/windows/AerieContainer.h"
#include "aerie/windows/AerieWnd.h"
#include "aerie/windows/AerieWndRecords.h"
#include "framework/widgets/ORVToolTip.h"
#include "framework/xml/XmlTestFiles.h"
#include "support/TestHarness.h"

namespace orv::test {

// A stand-in game sub-window: counts its creations and remembers its arguments.
class CFakeSubWnd : public CAerieContainer {
    ORV_DECLARE_RUNTIME_CLASS(CFakeSubWnd)
public:
    void SetArgs(int arg, std::string text) override
    {
        m_nArg = arg;
        m_strText = text;
    }
    void OnCreate() override { ++Created(); }
    int m_nArg = -1;
    std::string m_strText;
    static int& Created();
};
// A second kind, so replacing one window by another can be seen.
class CFakeOtherWnd : public CFakeSubWnd {
    ORV_DECLARE_RUNTIME_CLASS(CFakeOtherWnd)
};

// The stand-in of one window kind: a class (and runtime record) of its own per kind, so a topic
// or button that opens the wrong kind is seen. Each is a CFakeSubWnd.
const RuntimeClassRecord* FakeRecord(AerieWndKind kind);

// Both game-window fixtures: the sample game data, the guide reset and reached, every window kind
// opening its own stand-in (FakeRecord), the host's screen 800 x 600 with the game's frame of that
// size and other images 30 x 30. Undone by LeaveGameWindowWorld, which puts back the records as
// they stood at the entry: those the window classes installed at start-up (a run of every suite
// in one process keeps them).
void EnterGameWindowWorld(RecordingHost& host);
void LeaveGameWindowWorld();

// The tooltip's lines, each its segments' texts joined.
std::vector<std::string> ToolTipLines();
// A left-click notification from sender, handled by wnd at once.
void ClickOn(CORVControl* wnd, CORVControl* sender);

class AerieWndTest : public LibraryTest {
protected:
    void SetUp() override;
    void TearDown() override;

    // Opens the game window as the main window does; null when it did not open.
    CAerieWnd* OpenAerieWnd();
    // A left-click notification from sender, handled by the game window at once.
    void Click(CORVControl* sender);

    CAerieWnd* m_pWnd = nullptr;

private:
    std::unique_ptr<ScopedSystemWindowRecord> m_pGameRecord;
};

}  // namespace orv::test
