// Start-up registration of OrvaneDemo's runtime-class records, linked here in one place and the
// build's own fixed order. Records are constant-initialised, so linking them at static
// initialisation depends on no other file's initialisation order.
#include <iterator>

#include "framework/core/RuntimeClass.h"
#include "framework/richtext/ORVRichBlock.h"
#include "framework/richtext/ORVRichParagraph.h"
#include "framework/richtext/ORVRichTextViewer.h"
#include "framework/richtext/ORVSimpleBuilder.h"
#include "framework/richtext/ORVTextContext.h"
#include "framework/widgets/ORVButton.h"
#include "framework/widgets/ORVChoice.h"
#include "framework/widgets/ORVEdit.h"
#include "framework/widgets/ORVScroll.h"
#include "framework/window/ORVMainWnd.h"
#include "framework/window/ORVMsgBox.h"
#include "framework/window/ORVTestWnd.h"
#include "garden/windows/GardenExchangeWnd.h"
#include "garden/windows/GardenFriendWnd.h"
#include "garden/windows/GardenFruitWnd.h"
#include "garden/windows/GardenLandItem.h"
#include "garden/windows/GardenPlantItem.h"
#include "garden/windows/GardenProductEstimate.h"
#include "garden/windows/GardenRank.h"
#include "garden/windows/GardenRecordWnd.h"
#include "garden/windows/GardenResearchWnd.h"
#include "garden/windows/GardenSeedInfoWnd.h"
#include "garden/windows/GardenSeedRankWnd.h"
#include "garden/windows/GardenSeedWnd.h"
#include "garden/windows/GardenSetWnd.h"
#include "garden/windows/GardenShopWnd.h"
#include "garden/windows/GardenSubOperWnd.h"
#include "garden/windows/GardenTaskWnd.h"
#include "garden/windows/GardenTipsWnd.h"
#include "garden/windows/GardenToolCardWnd.h"
#include "garden/windows/GardenWeatherReport.h"
#include "garden/windows/GardenWnd.h"
#include "garden/windows/ORVGardenWnd.h"
#include "garden/windows/PlantLvlUpWnd.h"

namespace {

// Link order: the first entry becomes the tail of the list, the last entry its head. The build's
// 55 classes, each added here as it lands, at its place in this order:
//   1. core windows and controls: CORVMainWnd (linked first), CORVControlContainer, CORVControl,
//      CORVCtrlBaseTag, CORVWindow, CORVMsgBox, CORVButton, CORVCheck;
//   2. Garden windows: CORVGardenWnd, CGardenExchangeWnd, CGardenWnd, CORVTestWnd, CGardenSeedWnd,
//      CGardenSubOperWnd, CGardenFruitWnd, CGardenFriendWnd, CGardenShopWnd, CGardenSeedRankWnd,
//      CGardenRecordWnd, CGardenSetWnd;
//   3. Garden panels and items: CGardenSeedInfoWnd, CLandItem, CLandButtonS, CGardenLandItem,
//      CGardenToolCardWnd, CGardenTaskWnd, CGardenProductEstimate, CGardenRank, CGardenResearchWnd,
//      CGardenResearchRuleWnd, CGardenWeatherReport, CGardenPlantItem, CGardenTipsWnd,
//      CPlantLvlUpWnd, CPlantLvlupItem;
//   4. widgets: CORVChoice, CORVScroll, CORVEdit, CORVHScroll, CORVVScroll, CORVRadioGroup,
//      CORVRichTextViewer;
//   5. rich text and tag parsers: CORVRichParagraph, CTextContext, CBlock, CNewLineMark, CTextBlock,
//      CNameBlock, CImageBlock, CTypeMark, CORVSimpleParser, CORVSimpleStyleParser,
//      CORVSimpleImageParser, CORVSimpleBuilder, CORVSimpleBuilder2 (linked last: heads the list).
RuntimeClassRecord* const kClassOrder[] = {
    // Core windows and controls.
    &CORVMainWnd::classCORVMainWnd,
    &CORVControlContainer::classCORVControlContainer,
    &CORVControl::classCORVControl,
    &CORVCtrlBaseTag::classCORVCtrlBaseTag,
    &CORVWindow::classCORVWindow,
    &CORVMsgBox::classCORVMsgBox,
    &CORVButton::classCORVButton,
    &CORVCheck::classCORVCheck,
    // Garden windows.
    &CORVGardenWnd::classCORVGardenWnd,
    &CGardenExchangeWnd::classCGardenExchangeWnd,
    &CGardenWnd::classCGardenWnd,
    &CORVTestWnd::classCORVTestWnd,
    &CGardenSeedWnd::classCGardenSeedWnd,
    &CGardenSubOperWnd::classCGardenSubOperWnd,
    &CGardenFruitWnd::classCGardenFruitWnd,
    &CGardenFriendWnd::classCGardenFriendWnd,
    &CGardenShopWnd::classCGardenShopWnd,
    &CGardenSeedRankWnd::classCGardenSeedRankWnd,
    &CGardenRecordWnd::classCGardenRecordWnd,
    &CGardenSetWnd::classCGardenSetWnd,
    // Garden panels and items.
    &CGardenSeedInfoWnd::classCGardenSeedInfoWnd,
    &CLandItem::classCLandItem,
    &CLandButtonS::classCLandButtonS,
    &CGardenLandItem::classCGardenLandItem,
    &CGardenToolCardWnd::classCGardenToolCardWnd,
    &CGardenTaskWnd::classCGardenTaskWnd,
    &CGardenProductEstimate::classCGardenProductEstimate,
    &CGardenRank::classCGardenRank,
    &CGardenResearchWnd::classCGardenResearchWnd,
    &CGardenResearchRuleWnd::classCGardenResearchRuleWnd,
    &CGardenWeatherReport::classCGardenWeatherReport,
    &CGardenPlantItem::classCGardenPlantItem,
    &CGardenTipsWnd::classCGardenTipsWnd,
    &CPlantLvlUpWnd::classCPlantLvlUpWnd,
    &CPlantLvlupItem::classCPlantLvlupItem,
    // Widgets.
    &CORVChoice::classCORVChoice,
    &CORVScroll::classCORVScroll,
    &CORVEdit::classCORVEdit,
    &CORVHScroll::classCORVHScroll,
    &CORVVScroll::classCORVVScroll,
    &CORVRadioGroup::classCORVRadioGroup,
    &CORVRichTextViewer::classCORVRichTextViewer,
    // Rich text and tag parsers.
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
