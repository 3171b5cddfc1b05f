#include "garden/windows/GardenPlantItem.h"

#include <algorithm>

#include "engine/GardenPackets.h"
#include "framework/control/ORVCtrlMgr.h"
#include "framework/control/SizeSeam.h"
#include "garden/windows/GardenGuide.h"
#include "framework/text/TextUtil.h"
#include "framework/widgets/ORVButton.h"
#include "garden/state/XmlGardenMgr.h"
#include "garden/windows/GardenDraw.h"
#include "glimmer/Glimmer.h"

ORV_IMPLEMENT_RUNTIME_CLASS(CGardenPlantItem, CORVControlContainer)

namespace {

namespace L = garden_layout;

constexpr u16 kFrameSet = 3;
constexpr u16 kPlantSet = 4;
constexpr u32 kUntinted = 0xFFFFFFFF;
constexpr u32 kLabelColour = 0xFF8D6365;
constexpr u32 kTitleColour = 0xFF468C7C;
constexpr u32 kLockColour = 0xFFFF0000;
constexpr int kTitleSize = 14;

// Buttons: image frame and place.
constexpr u16 kBuyFrame = 141, kGiveFrame = 123, kSellFrame = 120, kSellAllFrame = 117;
constexpr int kButtonY = 108;
constexpr int kBuyX = 292, kGiveX = 40, kSellX = 150, kSellAllX = 260;

// Images of set 3.
constexpr u16 kFrameLocked = 7820, kFrameUnlocked = 7821, kFrameGene = 7825, kLockImage = 7819;
constexpr u16 kTopLevelBadge = 7818;
constexpr u16 kBackEstimate = 28, kBackWarehouse = 29;
constexpr u16 kDelicacyIcon = 132;
constexpr int kDelicacyMax = 5;

// Exchange window modes and events (message 276).
constexpr u32 kExchangeSell = 0, kExchangeGive = 1, kExchangeBuy = 2;
constexpr u32 kExchangeTaken = 139, kExchangeSetItem = 140;
// Game events of the main screen (message 275).
constexpr u32 kEventEstimate = 116;
constexpr u32 kEventRankClick = 155;

// Tutorial steps this card moves on or points at.
constexpr u16 kGuideStepBuy = 6;
constexpr u16 kGuideStepChooseSeed = 8;

// Requests.
constexpr u16 kSubSell = 0x0c;
constexpr u16 kSubWarehouse = 0x11;
constexpr u16 kSubEstimate = 0x1e;

bool ModeShown(u32 mode) { return mode >= CGardenPlantItem::kModeSeedIcon && mode <= CGardenPlantItem::kModeWarehouse; }

void Text(int x, int y, const char* text, u32 colour, int size = kTextSizeDefault)
{
    g_Font.DrawTextA(x, y, text, colour, size, 0, 0);
}

}  // namespace


CGardenPlantItem::CGardenPlantItem() = default;
CGardenPlantItem::~CGardenPlantItem() = default;

void CGardenPlantItem::OnCreate()
{
    CreateButton(kBuyX, kButtonY, &m_pBuyButton, kBuyFrame, false, false, "");
    CreateButton(kGiveX, kButtonY, &m_pGiveButton, kGiveFrame, false, false, "");
    CreateButton(kSellX, kButtonY, &m_pSellButton, kSellFrame, false, false, "");
    CreateButton(kSellAllX, kButtonY, &m_pSellAllButton, kSellAllFrame, false, false, "");
}

void CGardenPlantItem::SetMode(u32 mode, u16 index)
{
    m_dwMode = mode;
    if (!ModeShown(mode)) {
        m_bVisible = 0;
        m_bEnabled = 0;
        UpdateButtons();
        return;
    }
    m_bVisible = 1;
    m_bEnabled = 1;
    switch (mode) {
    case kModeSeedDetail:
    case kModeNursery:
        SetSize(380, 140);
        break;
    case kModeSeedIcon:
    case kModeRankIcon:
        SetSize(50, 50);
        m_nIconX = 22;
        m_nIconY = 20;
        break;
    case kModeEstimate:
        SetSize(380, 170);
        break;
    case kModeWarehouse:
        SetSize(383, 141);
        break;
    default:
        break;   // modes 4 and 5 keep their size
    }
    if (mode == kModeNursery && index == 0 && m_pBuyButton != nullptr) {
        GetGardenGuide().SetTarget(kGuideStepBuy, m_pBuyButton);
    }
    UpdateButtons();
}

// Which buttons a mode offers (the card's layout has all four at one height): the nursery card
// buys, the warehouse card gives, sells and sells all; the other modes show none. Buying needs
// an unlocked plant.
void CGardenPlantItem::UpdateButtons()
{
    const bool shown = m_bVisible != 0 && m_wPlantId != 0;
    const bool buy = shown && m_dwMode == kModeNursery;
    const bool ware = shown && m_dwMode == kModeWarehouse;
    const auto set = [](CORVButton* button, bool enabled, bool visible) {
        if (button != nullptr) {
            button->m_bEnabled = enabled ? 1 : 0;
            button->m_bVisible = visible ? 1 : 0;
        }
    };
    set(m_pBuyButton, buy && m_bUnlocked != 0, buy);
    set(m_pGiveButton, ware, ware);
    set(m_pSellButton, ware, ware);
    set(m_pSellAllButton, ware, ware);
}

void CGardenPlantItem::Clear()
{
    m_wPlantId = 0;
    m_bUnlocked = 0;
    m_dwEntry = 0;
    m_Source = Record10{};
    m_bVisible = 0;
    m_bEnabled = 0;
    UpdateButtons();
}

bool CGardenPlantItem::TakePlant(u16 id)
{
    return id != 0 && GetXmlGardenMgr().GetPlant(id, m_Plant);
}

bool CGardenPlantItem::Finish(bool ok)
{
    if (!ok) {
        Clear();
        return false;
    }
    m_bVisible = ModeShown(m_dwMode) ? 1 : 0;
    m_bEnabled = m_bVisible;
    UpdateButtons();
    return true;
}

bool CGardenPlantItem::LoadFromSeedBag(u16 id)
{
    const CGardenDataMgr& s = GetGardenDataMgr();
    u32 entry = 0;
    u32 seed = 0;
    if (!TakePlant(id) || !s.FindOwnPlantEntry(id, entry) || !s.FindSeedBagEntry(id, seed)) {
        return Finish(false);
    }
    m_wPlantId = id;
    m_dwEntry = entry;
    m_bUnlocked = 1;
    m_Source = Record10{};
    WriteLE16(m_Source.m_Bytes + L::kWareId, EntryId(seed));
    WriteLE32(m_Source.m_Bytes + L::kWareCount, EntryLevel(seed));   // the entry's high half: the count
    m_Level = CLevel{};
    GetXmlGardenMgr().GetLevelRow(EntryLevel(entry), m_Level);
    return Finish(true);
}

bool CGardenPlantItem::LoadLevelled(u16 id, bool lockByOwnLevel)
{
    const CGardenDataMgr& s = GetGardenDataMgr();
    u32 entry = 0;
    CLevel level;
    if (!TakePlant(id) || !s.FindOwnPlantEntry(id, entry) || !GetXmlGardenMgr().GetLevelRow(EntryLevel(entry), level)) {
        return Finish(false);
    }
    m_wPlantId = id;
    m_dwEntry = entry;
    m_Level = level;
    m_bUnlocked = !lockByOwnLevel || s.OwnGardenLevel() >= m_Plant.m_nNeedGardenLevel ? 1 : 0;
    return Finish(true);
}

bool CGardenPlantItem::LoadOwnPlant(u16 id) { return LoadLevelled(id, true); }

bool CGardenPlantItem::LoadOwnPlantQuiet(u16 id) { return LoadLevelled(id, false); }

bool CGardenPlantItem::LoadAndEstimate(u16 id)
{
    if (!LoadOwnPlantQuiet(id)) {
        return false;
    }
    SendGardenRequest(kSubEstimate, id);
    return true;
}

bool CGardenPlantItem::LoadFromWarehouse(const Record10& record)
{
    const u16 id = record.U16(L::kWareId);
    u32 entry = 0;
    if (!TakePlant(id) || !GetGardenDataMgr().FindPlantEntry(id, entry)) {
        return Finish(false);
    }
    m_wPlantId = id;
    m_dwEntry = entry;
    m_bUnlocked = 1;
    m_Source = record;
    m_Level = CLevel{};
    GetXmlGardenMgr().GetLevelRow(EntryLevel(entry), m_Level);
    return Finish(true);
}

bool CGardenPlantItem::LoadEntry(u32 entry)
{
    if (!TakePlant(EntryId(entry))) {
        return Finish(false);
    }
    m_wPlantId = EntryId(entry);
    m_dwEntry = entry;
    m_bUnlocked = 1;
    m_Level = CLevel{};
    GetXmlGardenMgr().GetLevelRow(EntryLevel(entry), m_Level);
    return Finish(true);
}

bool CGardenPlantItem::LoadForMode(u16 id)
{
    const CGardenDataMgr& s = GetGardenDataMgr();
    const bool shownList = m_dwMode == kModeShownPlant;
    u32 entry = 0;
    const bool found = shownList ? s.FindPlantEntry(id, entry) : s.FindOwnPlantEntry(id, entry);
    if (!TakePlant(id) || !found) {
        return Finish(false);
    }
    m_wPlantId = id;
    m_dwEntry = entry;
    const i32 need = m_Plant.m_nNeedGardenLevel;
    if (shownList) {
        m_bUnlocked = s.ShownGardenLevel() >= need ? 1 : 0;
    } else if (m_dwMode == kModeOwnPlant) {
        m_bUnlocked = s.OwnGardenLevel() >= need ? 1 : 0;
    } else {
        m_bUnlocked = 1;
    }
    m_Level = CLevel{};
    GetXmlGardenMgr().GetLevelRow(EntryLevel(entry), m_Level);
    return Finish(true);
}

bool CGardenPlantItem::OnMouseMove(int x, int y)
{
    if (m_dwMode == kModeRankIcon || m_dwMode == kModeEstimate) {
        return false;
    }
    return CORVControlContainer::OnMouseMove(x, y);
}

void CGardenPlantItem::OpenExchange(u32 mode, std::uintptr_t item)
{
    // The exchange window reads the item by its mode (a plant id or a record's address): one that
    // is open in another mode is closed first, so it never takes an item of the wrong kind.
    const ORVLifeWatch life = Watch();
    RouteGardenEvent(kMsgExchangeTopic, kSysWndClose);
    if (!life.expired()) {
        RouteGardenEvent(kMsgExchangeTopic, kSysWndOpen, mode);
    }
    if (!life.expired()) {
        RouteGardenEvent(kMsgExchangeTopic, kExchangeSetItem, 0, item);
    }
    if (!life.expired()) {
        ORVMsg taken(kMsgExchangeTopic, kExchangeTaken);
        PostToParent(&taken);
    }
}

bool CGardenPlantItem::OnMessage(ORVMsg* msg)
{
    if (msg == nullptr || msg->m_nId != kNotifyLeftClick || msg->m_pSender == nullptr || m_wPlantId == 0) {
        return true;
    }
    if (msg->m_pSender == m_pBuyButton) {
        OpenExchange(kExchangeBuy, m_wPlantId);
        GetGardenGuide().AdvanceFrom(kGuideStepBuy);
    } else if (msg->m_pSender == m_pGiveButton) {
        OpenExchange(kExchangeGive, reinterpret_cast<std::uintptr_t>(&m_Source));
    } else if (msg->m_pSender == m_pSellButton) {
        OpenExchange(kExchangeSell, reinterpret_cast<std::uintptr_t>(&m_Source));
    } else if (msg->m_pSender == m_pSellAllButton) {
        SendGardenRequest(kSubSell, m_Source.U16(L::kWareId), 0, m_Source.U32(L::kWareCount));
        SendGardenRequest(kSubWarehouse);
    }
    return true;
}

bool CGardenPlantItem::OnClick(int kind)
{
    const ORVLifeWatch life = Watch();
    if (m_dwMode == kModeSeedIcon && m_wPlantId != 0) {
        RouteGardenEvent(kMsgGardenTopic, kEventEstimate, 0, m_wPlantId);
        GetGardenGuide().AdvanceFrom(kGuideStepChooseSeed);
    } else if (m_dwMode == kModeRankIcon && m_pParent != nullptr) {
        ORVMsg msg(kMsgGardenTopic, kEventRankClick);
        m_pParent->ProcessMessage(&msg);
    }
    return life.expired() ? true : CORVControlContainer::OnClick(kind);
}

// ---- Drawing ----

void CGardenPlantItem::OnDraw()
{
    if (m_wPlantId == 0 || !ModeShown(m_dwMode)) {
        return;
    }
    switch (m_dwMode) {
    case kModeSeedIcon:
        DrawIcon(false);
        break;
    case kModeRankIcon:
        DrawIcon(true);
        break;
    default:
        DrawCard();
        break;
    }
}

void CGardenPlantItem::DrawIcon(bool cached) const
{
    const u16 image = static_cast<u16>(m_Plant.m_nTex + 1);
    int w = 0;
    int h = 0;
    GetBuildImageSize(image, kPlantSet, &w, &h);
    const int x = m_nAbsX + m_nIconX - w / 2;
    const int y = m_nAbsY + m_nIconY - h / 2;
    if (cached) {
        if (CTex* tex = g_TexMgr.GetTexture(kPlantSet, image, 0)) {
            tex->DrawTex(x, y, kUntinted);
        }
        return;
    }
    g_TexMgr.DrawTexture(x, y, image, kPlantSet, kUntinted, true);
    // The count under the icon's right edge.
    char count[16];
    BoundedPrintf(count, sizeof count, "%u", m_Source.U32(L::kWareCount));
    Text(m_nAbsX + m_nWidth - 4 - GetTextWidth(count, kTextSizeDefault), m_nAbsY + m_nHeight - 14, count, kLabelColour);
}

void CGardenPlantItem::DrawFrame() const
{
    u16 frame = m_bUnlocked != 0 ? kFrameUnlocked : kFrameLocked;
    if (m_dwMode != kModeSeedDetail) {
        if (PlantLevel() > 10) {
            frame = CGardenDataMgr::GetLevelBadge(PlantLevel());
        }
        if (IsGene()) {
            frame = kFrameGene;
        }
    }
    g_TexMgr.DrawTexture(m_nAbsX + 4, m_nAbsY + 4, frame, kFrameSet, kUntinted, true);
    if (m_bUnlocked != 0) {
        g_TexMgr.DrawTexture(m_nAbsX + 4, m_nAbsY + 4, static_cast<u16>(m_Plant.m_nTex), kPlantSet, kUntinted, true);
    } else {
        g_TexMgr.DrawTexture(m_nAbsX + 5, m_nAbsY + 5, kLockImage, kFrameSet, kUntinted, true);
    }
    if (m_dwMode != kModeSeedDetail && !IsGene() && PlantLevel() >= 46 && PlantLevel() <= 50) {
        g_TexMgr.DrawTexture(m_nAbsX + 65, m_nAbsY + 2, kTopLevelBadge, kFrameSet, kUntinted, true);
    }
}

void CGardenPlantItem::DrawCard() const
{
    const int ax = m_nAbsX;
    const int ay = m_nAbsY;
    // A label at (x, y) and its value right behind it; returns the value's x.
    const auto label = [&](int x, int y, const char* text, const char* value, u32 colour = kLabelColour) {
        Text(ax + x, ay + y, text, colour);
        const int vx = ax + x + GetTextWidth(text, kTextSizeDefault);
        if (value != nullptr) {
            Text(vx, ay + y, value, kLabelColour);
        }
        return vx;
    };
    const bool locked = m_bUnlocked == 0;
    const bool gene = IsGene();
    char v[128];

    if (m_dwMode == kModeEstimate || m_dwMode == kModeWarehouse) {
        g_TexMgr.DrawTexture(ax, ay, m_dwMode == kModeEstimate ? kBackEstimate : kBackWarehouse, kFrameSet, kUntinted,
                             true);
    }
    DrawFrame();

    if (m_dwMode == kModeSeedDetail) {
        Text(ax + 130, ay + 7, "基本信息", kTitleColour, kTitleSize);
        Text(ax + 275, ay + 7, "特殊事件", kTitleColour, kTitleSize);
        label(93, 28, "植物名称：", m_Plant.m_strName.c_str());
        label(93, 48, "生长周期：", BoundedPrintf(v, sizeof v, "%d小时", m_Plant.m_nGrowthCycle));
        label(93, 68, "库存数量：", BoundedPrintf(v, sizeof v, "%u个", m_Source.U32(L::kWareCount)));
        label(93, 88, "基础产量：",
              gene ? BoundedPrintf(v, sizeof v, "%d%%", m_Plant.m_nBaseYield)
                   : BoundedPrintf(v, sizeof v, "%d个", m_Plant.m_nBaseYield));
        return;
    }

    Text(ax + 130, ay + 7, "基本信息", kTitleColour, kTitleSize);
    Text(ax + 275, ay + 7, "生长条件", kTitleColour, kTitleSize);
    label(20, 90, "等级：", BoundedPrintf(v, sizeof v, "%u", unsigned{PlantLevel()}));
    label(93, 28, "植物名称：", m_Plant.m_strName.c_str());
    label(93, 48, "生长周期：", locked ? "???" : BoundedPrintf(v, sizeof v, "%d小时", m_Plant.m_nGrowthCycle));
    const char* yield = nullptr;
    if (locked) {
        yield = "???";
    } else if (gene) {
        yield = BoundedPrintf(v, sizeof v, "%d%%", m_Plant.m_nBaseYield);
    } else {
        yield = BoundedPrintf(v, sizeof v, "%d个", m_Plant.m_nBaseYield);
    }
    label(93, 68, "基础产量：", yield);
    label(93, 88, "市场售价：", gene ? "未知" : BoundedPrintf(v, sizeof v, "%d财富", m_Plant.m_nSalePrice));
    label(230, 28, "温度：", gene ? "未知" : BoundedPrintf(v, sizeof v, "%d℃", m_Plant.m_nTemperature));
    const int lightX = label(230, 48, "光照：", gene ? "未知" : nullptr);
    const int humidityX = label(230, 68, "湿度：", gene ? "未知" : nullptr);
    const int delicacyX =
        label(230, 88, "娇贵：", gene ? "未知" : nullptr, m_dwMode == kModeWarehouse ? kTitleColour : kLabelColour);
    if (!gene) {
        DrawHalfStepIcons(lightX, ay + 48 - 4, static_cast<u32>(std::max(m_Plant.m_nLight, 0)), kLightWholeIcon,
                          kLightHalfIcon);
        DrawHalfStepIcons(humidityX, ay + 68 - 4, static_cast<u32>(std::max(m_Plant.m_nHumidity, 0)), kHumidityWholeIcon,
                          kHumidityHalfIcon);
        int x = delicacyX;
        const int points = std::clamp(m_Plant.m_nAdaptability, 0, kDelicacyMax);
        for (int i = 0; i < points; ++i) {
            int w = 0;
            int h = 0;
            GetBuildImageSize(kDelicacyIcon, kFrameSet, &w, &h);
            g_TexMgr.DrawTexture(x, ay + 88 - 4, kDelicacyIcon, kFrameSet, kUntinted, true);
            x += w;
        }
    }
    if (m_dwMode == kModeEstimate) {
        label(15, 139, "产量预估：", nullptr);
    }
    // A locked plant's notice takes the row of the level bonus and the guard time.
    if (locked) {
        Text(ax + 15, ay + 115, BoundedPrintf(v, sizeof v, "花园需要升级到%d级", m_Plant.m_nNeedGardenLevel), kLockColour);
        return;
    }
    label(15, 117, "等级加成：",
          gene ? BoundedPrintf(v, sizeof v, "收获时变为一种%d小时作物，其等级效果保留", m_Plant.m_nGrowthCycle)
               : BoundedPrintf(v, sizeof v, "%d%%几率%d倍产量", m_Level.m_nProbability, m_Level.m_nMultiple));
    const int guard = gene ? 0 : GetGuardTime(m_Plant, m_Level);
    if (guard >= 1) {
        label(180, 117, "防盗时间：", BoundedPrintf(v, sizeof v, "%d分钟", guard));
    }
}
