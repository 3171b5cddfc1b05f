#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "framework/core/RuntimeClass.h"
#include "framework/widgets/ORVButton.h"
#include "framework/window/ORVMainWnd.h"

namespace {

// The class list holds the build's records in reverse order of linking: CORVMainWnd, linked first,
// ends it; the core windows and controls come in the order the build links them.
TEST(OrvaneDemoClassList, RecordsLinkedInTheBuildsOrder)
{
    std::vector<std::string> names;
    for (const RuntimeClassRecord* rec = g_pFirstRuntimeClass; rec != nullptr && names.size() < 100; rec = rec->m_pNext) {
        names.insert(names.begin(), rec->m_pszName);
    }
    // The test window stands among the Garden windows, between CGardenWnd and CGardenSeedWnd.
    const std::vector<std::string> core = {"CORVMainWnd", "CORVControlContainer", "CORVControl", "CORVCtrlBaseTag",
                                           "CORVWindow",  "CORVMsgBox",           "CORVButton",  "CORVCheck",
                                           "CORVGardenWnd", "CGardenExchangeWnd", "CGardenWnd",
                                           "CORVTestWnd"};
    ASSERT_GE(names.size(), core.size());
    EXPECT_EQ(std::vector<std::string>(names.begin(), names.begin() + static_cast<long>(core.size())), core);
    // The widgets and then rich text close the list: CORVSimpleBuilder2, linked last, heads it.
    const std::vector<std::string> tail = {"CORVChoice",
                                           "CORVScroll",
                                           "CORVEdit",
                                           "CORVHScroll",
                                           "CORVVScroll",
                                           "CORVRadioGroup",
                                           "CORVRichTextViewer",
                                           "CORVRichParagraph",
                                           "CTextContext",
                                           "CBlock",
                                           "CNewLineMark",
                                           "CTextBlock",
                                           "CNameBlock",
                                           "CImageBlock",
                                           "CTypeMark",
                                           "CORVSimpleParser",
                                           "CORVSimpleStyleParser",
                                           "CORVSimpleImageParser",
                                           "CORVSimpleBuilder",
                                           "CORVSimpleBuilder2"};
    ASSERT_GE(names.size(), core.size() + tail.size());
    EXPECT_EQ(std::vector<std::string>(names.end() - static_cast<long>(tail.size()), names.end()), tail);
    EXPECT_STREQ(g_pFirstRuntimeClass->m_pszName, "CORVSimpleBuilder2");
    // Kind tests follow the base records.
    CORVCheck check;
    EXPECT_TRUE(check.IsKindOf(ORV_RUNTIME_CLASS(CORVControl)));
    EXPECT_TRUE(check.IsKindOf(ORV_RUNTIME_CLASS(CORVCtrlBaseTag)));
    EXPECT_FALSE(check.IsKindOf(ORV_RUNTIME_CLASS(CORVControlContainer)));
}

}  // namespace
