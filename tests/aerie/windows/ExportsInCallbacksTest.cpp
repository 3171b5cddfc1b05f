// Every export of the host-drawn library called by a host from inside every callback the library
// makes while the game window is created, a toolbar button is clicked, a server reply arrives, a
// frame is drawn and the game closes, each through the exports. An export called from inside is
// applied only when the outermost export returns: inside the callback nothing changes and the
// host hears nothing more, a nested Render draws nothing, a nested WndProc answers false, and
// afterwards the calls have been applied (a close has closed the game).
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "ExportPhases.h"

namespace orv::test {
namespace {

class ExportsInCallbacks : public ExportPhaseTest {
protected:
    int GameWindows()
    {
        int n = 0;
        for (CORVControl* child : MainWnd().m_lstChildren) {
            n += dynamic_cast<CAerieWnd*>(child) != nullptr ? 1 : 0;
        }
        return n;
    }
};

struct NestedExport {
    const char* name;
    // Calls the export; the answer of WndProc or IsAerieOpen, false for the others.
    bool (*call)(const std::string& city);
    bool closes;   // the game is closed once the outermost export has returned
};

const NestedExport kExports[] = {
    {"SetORVCallBack", [](const std::string&) { CORVMgr::GetSingleton().SetORVCallBack(*GetORVCallBack()); return false; },
     false},
    {"OpenAerie", [](const std::string&) { CORVMgr::GetSingleton().OpenAerie(*GetORVCallBack(), "me"); return false; },
     false},
    {"CloseAerie", [](const std::string&) { CORVMgr::GetSingleton().CloseAerie(); return false; }, true},
    {"IsAerieOpen", [](const std::string&) { return CORVMgr::GetSingleton().IsAerieOpen(); }, false},
    {"Render", [](const std::string&) { CORVMgr::GetSingleton().Render(); return false; }, false},
    {"Recv city",
     [](const std::string& city) {
         const std::vector<char> bytes = ExactBytes(city);
         CORVMgr::GetSingleton().Recv(bytes.data(), static_cast<int>(bytes.size()));
         return false;
     },
     false},
    {"Recv server close",
     [](const std::string&) {
         const std::vector<char> bytes = ExactBytes(Header(1001, 6));
         CORVMgr::GetSingleton().Recv(bytes.data(), static_cast<int>(bytes.size()));
         return false;
     },
     true},
    {"WndProc", [](const std::string&) { return CORVMgr::GetSingleton().WndProc(nullptr, WM_LBUTTONDOWN, 1, Pos(400, 300)); },
     false},
};

TEST_P(ExportsInCallbacks, EveryExportFromEveryCallbackWaitsForTheOutermost)
{
    const Phase phase = GetParam();
    CORVMgr& mgr = CORVMgr::GetSingleton();
    const std::vector<std::string> slots = SlotsReached(phase);
    ASSERT_FALSE(slots.empty());
    const std::string city = City();
    for (const NestedExport& e : kExports) {
        for (const std::string& slot : slots) {
            SCOPED_TRACE(std::string(e.name) + " inside " + slot);
            Prepare(phase);
            m_Fake.m_vDebugLines.clear();
            bool called = false;
            bool answer = true;
            bool openBefore = false;
            bool openAfter = false;
            std::size_t hostCalls = 0;
            m_Host.m_fnOnCall = [&](const std::string& name) {
                if (called || name != slot) {
                    return;
                }
                called = true;
                openBefore = mgr.IsAerieOpen();
                hostCalls = m_Host.m_vCalls.size();
                answer = e.call(city);
                EXPECT_EQ(m_Host.m_vCalls.size(), hostCalls) << "the host heard from the nested export";
                openAfter = mgr.IsAerieOpen();
            };
            Run(phase);
            m_Host.m_fnOnCall = nullptr;
            ASSERT_TRUE(called);
            EXPECT_EQ(openAfter, openBefore) << "applied inside the callback";
            if (std::string(e.name) == "IsAerieOpen") {
                EXPECT_EQ(answer, openBefore) << "answered at once";
            } else if (std::string(e.name) == "WndProc") {
                EXPECT_FALSE(answer);
            } else if (std::string(e.name) == "Render") {
                EXPECT_TRUE(m_Fake.HasDebugLineContaining("Render from inside a host callback skipped"));
            }
            if (e.closes) {
                EXPECT_FALSE(mgr.IsAerieOpen()) << "the held close was applied";
            }
            EXPECT_LE(GameWindows(), 1);
            Frame();
        }
    }
    mgr.CloseAerie();
}

INSTANTIATE_TEST_SUITE_P(Phases, ExportsInCallbacks, ORV_ALL_PHASES, PhaseName);

}  // namespace
}  // namespace orv::test
