// Start-up registration of Orvane's runtime-class records: the class list is linked here, in one
// place and the build's own fixed order. Records are constant-initialised, so linking them at static
// initialisation depends on no other file's initialisation order.
#include <iterator>

#include "aerie/windows/AerieBeast.h"
#include "aerie/windows/AerieBuildingWnds.h"
#include "aerie/windows/AerieBuyResourceWnd.h"
#include "aerie/windows/AerieChooseBeast.h"
#include "aerie/windows/AerieCityCtrls.h"
#include "aerie/windows/AerieContainer.h"
#include "aerie/windows/AerieExchangeWnd.h"
#include "aerie/windows/AerieFightWnds.h"
#include "aerie/windows/AerieFriend.h"
#include "aerie/windows/AerieGetMonsterWnd.h"
#include "aerie/windows/AerieHatchRelation.h"
#include "aerie/windows/AerieHelpWnd.h"
#include "aerie/windows/AerieIconCtrl.h"
#include "aerie/windows/AerieInfoCtrls.h"
#include "aerie/windows/AerieInfoWnd.h"
#include "aerie/windows/AerieLvlupWnd.h"
#include "aerie/windows/AerieMissionWnd.h"
#include "aerie/windows/AerieMonLvlupWnd.h"
#include "aerie/windows/AerieMonGroupSkillIcon.h"
#include "aerie/windows/AerieMonsterCtrl.h"
#include "aerie/windows/AerieMonsterEgg.h"
#include "aerie/windows/AerieMonsterGroupWnd.h"
#include "aerie/windows/AerieMonsterIconCtrl.h"
#include "aerie/windows/AerieProductInfoWnd.h"
#include "aerie/windows/AerieRankWnd.h"
#include "aerie/windows/AerieSetWnd.h"
#include "aerie/windows/AerieSkillIconCtrl.h"
#include "aerie/windows/AerieSlaveRelation.h"
#include "aerie/windows/AerieSpeedUpWnd.h"
#include "aerie/windows/AerieTechnologyItem.h"
#include "aerie/windows/AerieTechnologyWnd.h"
#include "aerie/windows/AerieWnd.h"
#include "framework/core/RuntimeClass.h"
#include "framework/richtext/ORVRichParagraph.h"
#include "framework/richtext/ORVRichTextViewer.h"
#include "framework/richtext/ORVSimpleBuilder.h"
#include "framework/richtext/ORVTextContext.h"
#include "framework/widgets/ORVButton.h"
#include "framework/widgets/ORVChoice.h"
#include "framework/widgets/ORVEdit.h"
#include "framework/widgets/ORVScroll.h"
#include "framework/window/ORVMainWnd.h"
#include "framework/window/ORVMenuWnd.h"
#include "framework/window/ORVMsgBox.h"
#include "framework/window/ORVSplitWnd.h"

namespace {

// Link order: the first entry becomes the tail of the list, the last entry its head.
// Each class adds its record here as it lands, at its place in this order:
//   1. toolkit (17): CORVMainWnd (linked first), CORVControl, CORVCtrlBaseTag, CORVSplitWnd,
//      CORVControlContainer, CORVMenuWnd, CORVWindow, CORVMsgBox, CORVHScroll, CORVScroll, CORVEdit,
//      CORVButton, CORVCheck, CORVRadioGroup, CORVVScroll, CORVChoice, CORVRichTextViewer;
//   2. Aerie game (51), in the order of the game's class table;
//   3. rich text and simple markup (13): CORVRichParagraph, CTextContext, CBlock, CNewLineMark,
//      CTextBlock, CNameBlock, CImageBlock, CTypeMark, CORVSimpleParser, CORVSimpleStyleParser,
//      CORVSimpleImageParser, CORVSimpleBuilder, CORVSimpleBuilder2 (linked last: heads the list).
// Classes not built yet are simply absent; a newcomer goes between its neighbours in this order.
RuntimeClassRecord* const kClassOrder[] = {
    // Toolkit.
    &CORVMainWnd::classCORVMainWnd,
    &CORVControl::classCORVControl,
    &CORVCtrlBaseTag::classCORVCtrlBaseTag,
    &CORVSplitWnd::classCORVSplitWnd,
    &CORVControlContainer::classCORVControlContainer,
    &CORVMenuWnd::classCORVMenuWnd,
    &CORVWindow::classCORVWindow,
    &CORVMsgBox::classCORVMsgBox,
    &CORVHScroll::classCORVHScroll,
    &CORVScroll::classCORVScroll,
    &CORVEdit::classCORVEdit,
    &CORVButton::classCORVButton,
    &CORVCheck::classCORVCheck,
    &CORVRadioGroup::classCORVRadioGroup,
    &CORVVScroll::classCORVVScroll,
    &CORVChoice::classCORVChoice,
    &CORVRichTextViewer::classCORVRichTextViewer,
    // Aerie game.
    &CAerieWnd::classCAerieWnd,
    &CAerieChooseBeastWnd::classCAerieChooseBeastWnd,
    &CAerieMonsterCtrl::classCAerieMonsterCtrl,
    &CAerieRankWnd::classCAerieRankWnd,
    &CAerieHelpWnd::classCAerieHelpWnd,
    &CAerieBuyResourceWnd::classCAerieBuyResourceWnd,
    &CAerieMissionWnd::classCAerieMissionWnd,
    &CAerieProductInfoWnd::classCAerieProductInfoWnd,
    &CAerieBeastWnd::classCAerieBeastWnd,
    &CAerieGetMonsterWnd::classCAerieGetMonsterWnd,
    &CAerieBuildingInfoWnd::classCAerieBuildingInfoWnd,
    &CAerieBuildingWnd::classCAerieBuildingWnd,
    &CAerieTechnologyWnd::classCAerieTechnologyWnd,
    &CAerieMonsterGroupWnd::classCAerieMonsterGroupWnd,
    &CAerieMonLvlupWnd::classCAerieMonLvlupWnd,
    &CAerieSpeedUpWnd::classCAerieSpeedUpWnd,
    &CAerieLvlupWnd::classCAerieLvlupWnd,
    &CAerieFriendWnd::classCAerieFriendWnd,
    &CAerieExchangeWnd::classCAerieExchangeWnd,
    &CAerieInfoWnd::classCAerieInfoWnd,
    &CAerieMonsterEggBagItem::classCAerieMonsterEggBagItem,
    &CAerieHatchRelationWnd::classCAerieHatchRelationWnd,
    &CAerieSlaveRelationWnd::classCAerieSlaveRelationWnd,
    &CAerieGodWnd::classCAerieGodWnd,
    &CAerieMainCityWnd::classCAerieMainCityWnd,
    &CAerieSetWnd::classCAerieSetWnd,
    &CAerieFightAwardRefreshWnd::classCAerieFightAwardRefreshWnd,
    &CAerieFightRobBeforeWnd::classCAerieFightRobBeforeWnd,
    &CAerieContainer::classCAerieContainer,
    &CAerieFightInfoWnd::classCAerieFightInfoWnd,
    &CAerieFightDefendBeforeWnd::classCAerieFightDefendBeforeWnd,
    &CAerieMissionDefendItem::classCAerieMissionDefendItem,
    &CAerieMissionRobItem::classCAerieMissionRobItem,
    &CAerieMissionMainItem::classCAerieMissionMainItem,
    &CAerieBeastHatchItem::classCAerieBeastHatchItem,
    &CAerieBeastBreedItem::classCAerieBeastBreedItem,
    &CAerieBeastHatchOtherItem::classCAerieBeastHatchOtherItem,
    &CAerieButton::classCAerieButton,
    &CAerieBuildingCtrl::classCAerieBuildingCtrl,
    &CAerieChooseBeastItem::classCAerieChooseBeastItem,
    &CAerieIconCtrl::classCAerieIconCtrl,
    &CAerieProductInfoCtrl::classCAerieProductInfoCtrl,
    &CAerieTechnologyItem::classCAerieTechnologyItem,
    &CAerieSubOperCtrl::classCAerieSubOperCtrl,
    &CAerieWorkInfoCtrl::classCAerieWorkInfoCtrl,
    &CAerieMonsterEggItem::classCAerieMonsterEggItem,
    &CAerieDeadMonsterIcon::classCAerieDeadMonsterIcon,
    &CAerieMonGroupSkillIcon::classCAerieMonGroupSkillIcon,
    &CAerieMonsterIconCtrl::classCAerieMonsterIconCtrl,
    &CAerieSkillIconCtrl::classCAerieSkillIconCtrl,
    &CAerieEnemyMonsterIconCtrl::classCAerieEnemyMonsterIconCtrl,
    // Rich text and simple markup.
    &CORVRichParagraph::classCORVRichParagraph,
    &CTextContext::classCTextContext,
    &CBlock::classCBlock,
    &CNewLineMark::classCNewLineMark,
    &CTextBlock::classCTextBlock,
    &CNameBlock::classCNameBlock,
    &CImageBlock::classCImageBlock,
    &CTypeMark::classCTypeMark,
    &CORVSimpleParser::classCORVSimpleParser,
    &CORVSimpleStyleParser::classCORVSimpleStyleParser,
    &CORVSimpleImageParser::classCORVSimpleImageParser,
    &CORVSimpleBuilder::classCORVSimpleBuilder,
    &CORVSimpleBuilder2::classCORVSimpleBuilder2,
};

const bool g_bClassListLinked = (LinkClassList(kClassOrder, std::size(kClassOrder)), true);

}  // namespace
