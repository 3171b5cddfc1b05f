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
    // All 55 records, in five groups: core windows and controls, Garden windows (the test window
    // among them), Garden panels and items, widgets, rich text (CORVSimpleBuilder2, linked last,
    // heads the list).
    const std::vector<std::string> expected = {
        "CORVMainWnd", "CORVControlContainer", "CORVControl", "CORVCtrlBaseTag", "CORVWindow", "CORVMsgBox",
        "CORVButton", "CORVCheck",
        "CORVGardenWnd", "CGardenExchangeWnd", "CGardenWnd", "CORVTestWnd", "CGardenSeedWnd", "CGardenSubOperWnd",
        "CGardenFruitWnd", "CGardenFriendWnd", "CGardenShopWnd", "CGardenSeedRankWnd", "CGardenRecordWnd",
        "CGardenSetWnd",
        "CGardenSeedInfoWnd", "CLandItem", "CLandButtonS", "CGardenLandItem", "CGardenToolCardWnd", "CGardenTaskWnd",
        "CGardenProductEstimate", "CGardenRank", "CGardenResearchWnd", "CGardenResearchRuleWnd",
        "CGardenWeatherReport", "CGardenPlantItem", "CGardenTipsWnd", "CPlantLvlUpWnd", "CPlantLvlupItem",
        "CORVChoice", "CORVScroll", "CORVEdit", "CORVHScroll", "CORVVScroll", "CORVRadioGroup", "CORVRichTextViewer",
        "CORVRichParagraph", "CTextContext", "CBlock", "CNewLineMark", "CTextBlock", "CNameBlock", "CImageBlock",
        "CTypeMark", "CORVSimpleParser", "CORVSimpleStyleParser", "CORVSimpleImageParser", "CORVSimpleBuilder",
        "CORVSimpleBuilder2"};
    EXPECT_EQ(names, expected);
    EXPECT_STREQ(g_pFirstRuntimeClass->m_pszName, "CORVSimpleBuilder2");
    // Kind tests follow the base records.
    CORVCheck check;
    EXPECT_TRUE(check.IsKindOf(ORV_RUNTIME_CLASS(CORVControl)));
    EXPECT_TRUE(check.IsKindOf(ORV_RUNTIME_CLASS(CORVCtrlBaseTag)));
    EXPECT_FALSE(check.IsKindOf(ORV_RUNTIME_CLASS(CORVControlContainer)));
}

}  // namespace
