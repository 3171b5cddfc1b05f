#include <gtest/gtest.h>

#include <algorithm>
#include <iterator>
#include <memory>
#include <string>
#include <vector>

#include "framework/core/RuntimeClass.h"
#include "framework/widgets/ORVButton.h"
#include "framework/window/ORVMainWnd.h"

namespace {

TEST(RuntimeClass, RootRecordCreatesItsOwnKind)
{
    const RuntimeClassRecord* rec = ORV_RUNTIME_CLASS(CORVCtrlBaseTag);
    EXPECT_STREQ(rec->m_pszName, "CORVCtrlBaseTag");
    EXPECT_STREQ(rec->m_pszName2, "CORVCtrlBaseTag");
    EXPECT_EQ(rec->m_nSchema, 1u);
    EXPECT_EQ(rec->m_pBase, nullptr);
    std::unique_ptr<CORVCtrlBaseTag> obj(rec->m_pfnCreate());
    ASSERT_NE(obj, nullptr);
    EXPECT_EQ(obj->GetRuntimeClass(), rec);
    EXPECT_TRUE(obj->IsKindOf(rec));
    EXPECT_TRUE(IsKindOf(obj.get(), rec));
    EXPECT_FALSE(IsKindOf(nullptr, rec));
}

TEST(RuntimeClass, KindOfFollowsTheBaseRecords)
{
    std::unique_ptr<CORVCtrlBaseTag> wnd(ORV_RUNTIME_CLASS(CORVMainWnd)->m_pfnCreate());
    std::unique_ptr<CORVCtrlBaseTag> button(ORV_RUNTIME_CLASS(CORVButton)->m_pfnCreate());
    ASSERT_NE(wnd, nullptr);
    ASSERT_NE(button, nullptr);
    EXPECT_TRUE(wnd->IsKindOf(ORV_RUNTIME_CLASS(CORVWindow)));
    EXPECT_FALSE(button->IsKindOf(ORV_RUNTIME_CLASS(CORVWindow)));
    EXPECT_TRUE(button->IsKindOf(ORV_RUNTIME_CLASS(CORVControl)));
    EXPECT_FALSE(wnd->IsKindOf(nullptr));
    for (const CORVCtrlBaseTag* obj : {wnd.get(), button.get()}) {
        EXPECT_TRUE(obj->IsKindOf(ORV_RUNTIME_CLASS(CORVCtrlBaseTag)));
    }
}

// Every class in its link order: the first linked is the list's tail, the last linked its head.
const char* const kLinkOrder[] = {
    // Toolkit.
    "CORVMainWnd", "CORVControl", "CORVCtrlBaseTag", "CORVSplitWnd", "CORVControlContainer", "CORVMenuWnd",
    "CORVWindow", "CORVMsgBox", "CORVHScroll", "CORVScroll", "CORVEdit", "CORVButton", "CORVCheck",
    "CORVRadioGroup", "CORVVScroll", "CORVChoice", "CORVRichTextViewer",
    // Aerie game.
    "CAerieWnd", "CAerieChooseBeastWnd", "CAerieMonsterCtrl", "CAerieRankWnd", "CAerieHelpWnd",
    "CAerieBuyResourceWnd", "CAerieMissionWnd", "CAerieProductInfoWnd", "CAerieBeastWnd", "CAerieGetMonsterWnd",
    "CAerieBuildingInfoWnd", "CAerieBuildingWnd", "CAerieTechnologyWnd", "CAerieMonsterGroupWnd",
    "CAerieMonLvlupWnd", "CAerieSpeedUpWnd", "CAerieLvlupWnd", "CAerieFriendWnd", "CAerieExchangeWnd",
    "CAerieInfoWnd", "CAerieMonsterEggBagItem", "CAerieHatchRelationWnd", "CAerieSlaveRelationWnd", "CAerieGodWnd",
    "CAerieMainCityWnd", "CAerieSetWnd", "CAerieFightAwardRefreshWnd", "CAerieFightRobBeforeWnd", "CAerieContainer",
    "CAerieFightInfoWnd", "CAerieFightDefendBeforeWnd", "CAerieMissionDefendItem", "CAerieMissionRobItem",
    "CAerieMissionMainItem", "CAerieBeastHatchItem", "CAerieBeastBreedItem", "CAerieBeastHatchOtherItem",
    "CAerieButton", "CAerieBuildingCtrl", "CAerieChooseBeastItem", "CAerieIconCtrl", "CAerieProductInfoCtrl",
    "CAerieTechnologyItem", "CAerieSubOperCtrl", "CAerieWorkInfoCtrl", "CAerieMonsterEggItem",
    "CAerieDeadMonsterIcon", "CAerieMonGroupSkillIcon", "CAerieMonsterIconCtrl", "CAerieSkillIconCtrl",
    "CAerieEnemyMonsterIconCtrl",
    // Rich text and simple markup.
    "CORVRichParagraph", "CTextContext", "CBlock", "CNewLineMark", "CTextBlock", "CNameBlock", "CImageBlock",
    "CTypeMark", "CORVSimpleParser", "CORVSimpleStyleParser", "CORVSimpleImageParser", "CORVSimpleBuilder",
    "CORVSimpleBuilder2",
};

// The class list, walked from its head, meets the records in the reverse of the link order (the
// classes built so far), each once, and ends at the main window's record; every record names its
// class twice and creates an object of its own kind.
TEST(RuntimeClass, ClassListRunsFromTheLastLinkedToTheMainWindow)
{
    static_assert(std::size(kLinkOrder) == 81);
    std::vector<std::string> walked;
    const RuntimeClassRecord* last = nullptr;
    for (const RuntimeClassRecord* rec = g_pFirstRuntimeClass; rec != nullptr && walked.size() <= 81;
         rec = rec->m_pNext) {
        walked.emplace_back(rec->m_pszName);
        EXPECT_STREQ(rec->m_pszName2, rec->m_pszName);
        EXPECT_EQ(rec->m_nSchema, 1u) << rec->m_pszName;
        ASSERT_NE(rec->m_pfnCreate, nullptr) << rec->m_pszName;
        std::unique_ptr<CORVCtrlBaseTag> obj(rec->m_pfnCreate());
        ASSERT_NE(obj, nullptr) << rec->m_pszName;
        EXPECT_EQ(obj->GetRuntimeClass(), rec);
        last = rec;
    }
    EXPECT_EQ(last, ORV_RUNTIME_CLASS(CORVMainWnd));

    std::vector<std::string> expected;
    for (auto it = std::rbegin(kLinkOrder); it != std::rend(kLinkOrder); ++it) {
        if (std::find(walked.begin(), walked.end(), *it) != walked.end()) {
            expected.emplace_back(*it);
        }
    }
    EXPECT_EQ(walked, expected) << "a class missing from the link order, linked twice or out of order";
    for (const char* name : {"CORVMainWnd", "CORVControl", "CORVCtrlBaseTag", "CORVControlContainer", "CORVWindow"}) {
        EXPECT_NE(std::find(walked.begin(), walked.end(), name), walked.end()) << name;
    }
}

}  // namespace
