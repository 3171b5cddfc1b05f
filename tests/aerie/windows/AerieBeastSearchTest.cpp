// The guardian beast's quick search, typed and clicked as the host delivers input: a first byte
// left waiting for its second byte in the name field never goes out with the search.
#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "AerieBeastFixture.h"
#include "framework/widgets/ORVButton.h"
#include "framework/widgets/ORVEdit.h"
#include "support/ExportClick.h"

using namespace orv::test;

TEST_F(AerieBeastTest, QuickSearchNeverSendsAFirstByteLeftWaiting)
{
    ASSERT_NE(Enter(Buildings(std::vector<u16>(18, 1)) + BeastItem(1, 0)), nullptr);
    ASSERT_NE(OpenBeast(), nullptr);
    auto* page = Page<CAerieBeastBreedItem>();
    ASSERT_NE(page, nullptr);
    CORVMgr& mgr = CORVMgr::GetSingleton();
    const auto type = [&mgr](const std::string& bytes) {
        for (unsigned char c : bytes) {
            mgr.WndProc(nullptr, WM_CHAR, c, 0);
        }
    };
    const struct {
        const char* name;
        std::function<void()> before;   // what ends the typing before the search button is clicked
    } cases[] = {
        {"the click alone", [] {}},
        {"Enter", [&mgr] { mgr.WndProc(nullptr, WM_KEYDOWN, 0x0D, 0); }},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        ClickThroughExports(page->m_pNameEdit);
        page->m_pNameEdit->Clear();
        TakeSent();
        type("ab\xB0");
        c.before();
        ClickThroughExports(page->m_pSearchBtn);
        const std::vector<SentRequest> sent = TakeSent();
        ASSERT_EQ(sent.size(), 1u);
        EXPECT_EQ(sent[0].m_wSub, 0x69);
        EXPECT_EQ(sent[0].m_strBody, "ab");
    }
}
