#include "garden/state/XmlGardenMgr.h"

#include "framework/core/DebugLog.h"
#include "framework/xml/XmlDocument.h"
#include "garden/state/GardenDataMgr.h"

bool CLoveTip::OnText(TiXmlText* text)
{
    const char* value = orv::xml::TextValue(text);
    m_strText = value != nullptr ? value : "";
    return true;
}

CXmlGardenMgr::CXmlGardenMgr() = default;
CXmlGardenMgr::~CXmlGardenMgr() = default;

bool CXmlGardenMgr::Load(const char* path)
{
    if (m_dwLoaded != 0) {
        return true;
    }
    CXmlDocument doc;
    if (path == nullptr || !doc.LoadFile(path)) {
        DebugLog("Garden data %s not loaded: %s\n", path != nullptr ? path : "(null)", doc.ErrorText());
        return false;
    }
    m_dwLoaded = 1;
    ParseDocument(doc);
    return true;
}

namespace {

template <class R, class Key>
void KeepFirst(std::map<i32, R>& map, TiXmlElement* child, Key key)
{
    R record;
    record.ParseElement(child);
    map.try_emplace(record.*key, std::move(record));
}

template <class R>
void Append(std::vector<R>& list, TiXmlElement* child)
{
    list.emplace_back().ParseElement(child);
}

}  // namespace

bool CXmlGardenMgr::OnChildElement(TiXmlElement* child)
{
    const auto is = [child](const char* name) { return IsElementNamed(child, name, false); };
    if (is("plant")) {
        KeepFirst(m_mapPlants, child, &CPlantItem::m_nId);
    } else if (is("toolcardstore")) {
        m_ToolCardStore = CToolCardStoreItem();
        m_ToolCardStore.ParseElement(child);
    } else if (is("background")) {
        KeepFirst(m_mapBackgrounds, child, &CBackgroundItem::m_nId);
    } else if (is("animation")) {
        KeepFirst(m_mapAnimations, child, &CAnimationItem::m_nId);
    } else if (is("lvldetail")) {
        Append(m_vLevelDetails, child);
    } else if (is("landkaifa")) {
        Append(m_vOpenPrices, child);
    } else if (is("landoper")) {
        Append(m_vUpgrades, child);
    } else if (is("gardenhint")) {
        KeepFirst(m_mapHints, child, &CGardenHint::m_nId);
    } else if (is("lovetip")) {
        m_LoveTip = CLoveTip();
        m_LoveTip.ParseElement(child);
    } else if (is("steal")) {
        Append(m_vSteal, child);
    } else if (is("geneplantguard")) {
        Append(m_vGeneGuards, child);
    } else if (is("level")) {
        Append(m_vLevels, child);
    }
    return true;
}

const CPlantItem* CXmlGardenMgr::FindPlant(u16 id) const
{
    const auto it = m_mapPlants.find(id);
    return it == m_mapPlants.end() ? nullptr : &it->second;
}

bool CXmlGardenMgr::GetPlant(u16 id, CPlantItem& out) const
{
    const CPlantItem* p = FindPlant(id);
    if (p != nullptr) {
        out = *p;
    }
    return p != nullptr;
}

std::string CXmlGardenMgr::GetPlantName(u16 id) const
{
    const CPlantItem* p = FindPlant(id);
    return p != nullptr ? p->m_strName : std::string();
}

int CXmlGardenMgr::GetPlantNeedLevel(u16 id) const
{
    const CPlantItem* p = FindPlant(id);
    return p != nullptr ? p->m_nNeedGardenLevel : 0;
}

u16 CXmlGardenMgr::GetPlantSeedImage(u16 id) const
{
    const CPlantItem* p = FindPlant(id);
    return p != nullptr ? static_cast<u16>(p->m_nTex + 1) : 0;
}

const CStealConfig* CXmlGardenMgr::GetStealRow(int level) const
{
    if (level < 1 || static_cast<std::size_t>(level - 1) >= m_vSteal.size()) {
        return nullptr;
    }
    return &m_vSteal[static_cast<std::size_t>(level - 1)];
}

const CBackgroundItem* CXmlGardenMgr::FindBackground(u16 id) const
{
    const auto it = m_mapBackgrounds.find(id);
    return it == m_mapBackgrounds.end() ? nullptr : &it->second;
}

bool CXmlGardenMgr::GetBackgroundImage(u16 id, u16& out) const
{
    const CBackgroundItem* b = FindBackground(id);
    if (b != nullptr) {
        out = static_cast<u16>(GetGardenDataMgr().ShownGardenLevel() + b->m_nTex);
    }
    return b != nullptr;
}

bool CXmlGardenMgr::GetBackgroundName(u16 id, std::string& out) const
{
    const CBackgroundItem* b = FindBackground(id);
    if (b != nullptr) {
        out = b->m_strName;
    }
    return b != nullptr;
}

bool CXmlGardenMgr::GetBackgroundTips(u16 id, std::string& out) const
{
    const CBackgroundItem* b = FindBackground(id);
    if (b != nullptr) {
        out = b->m_strTips;
    }
    return b != nullptr;
}

const CAnimationItem* CXmlGardenMgr::GetAnimation(u16 id) const
{
    const auto it = m_mapAnimations.find(id);
    return it == m_mapAnimations.end() ? nullptr : &it->second;
}

int CXmlGardenMgr::GetOpenPlotPrice(u8 gardenLevel) const
{
    for (const CLandKaifa& row : m_vOpenPrices) {
        if (row.m_nGardenLevel == gardenLevel) {
            return row.m_nKaifaPrice;
        }
    }
    return 0;
}

namespace {

const CLandOper* FindUpgrade(const std::vector<CLandOper>& rows, u8 level)
{
    for (const CLandOper& row : rows) {
        if (row.m_nCurLevel == level) {
            return &row;
        }
    }
    return nullptr;
}

}  // namespace

int CXmlGardenMgr::GetUpgradePlus(u8 level) const
{
    const CLandOper* row = FindUpgrade(m_vUpgrades, level);
    return row != nullptr ? row->m_nLevelupPlus : 0;
}

int CXmlGardenMgr::GetUpgradePrice(u8 level) const
{
    const CLandOper* row = FindUpgrade(m_vUpgrades, level);
    return row != nullptr ? row->m_nLevelupPrice : 0;
}

bool CXmlGardenMgr::GetLevelRow(u16 lvl, CLevel& out) const
{
    for (const CLevel& row : m_vLevels) {
        if (row.m_nLvl == lvl) {
            out = row;
            return true;
        }
    }
    return false;
}

int CXmlGardenMgr::GetGeneGuardTime(u32 plantId) const
{
    for (const CGenePlantGuard& row : m_vGeneGuards) {
        if (static_cast<u32>(row.m_nId) == plantId) {
            return row.m_nGuardTime;
        }
    }
    return 0;
}

void CXmlGardenMgr::ClearGuardTimes()
{
    for (CLevel& row : m_vLevels) {
        row.m_nGuardTime5 = row.m_nGuardTime8 = row.m_nGuardTime12 = row.m_nGuardTime16 = 0;
    }
}

const CLevelDetail* CXmlGardenMgr::GetLevelDetail(int gardenLevel) const
{
    if (gardenLevel < 1 || static_cast<std::size_t>(gardenLevel - 1) >= m_vLevelDetails.size()) {
        return nullptr;
    }
    return &m_vLevelDetails[static_cast<std::size_t>(gardenLevel - 1)];
}

const CGardenHint* CXmlGardenMgr::GetHint(i32 id) const
{
    const auto it = m_mapHints.find(id);
    return it == m_mapHints.end() ? nullptr : &it->second;
}

void CXmlGardenMgr::Unload()
{
    m_dwLoaded = 0;
    m_mapPlants.clear();
    m_mapBackgrounds.clear();
    m_mapAnimations.clear();
    m_vLevelDetails.clear();
    m_vOpenPrices.clear();
    m_vUpgrades.clear();
    m_ToolCardStore = CToolCardStoreItem();
    m_mapHints.clear();
    m_LoveTip = CLoveTip();
    m_vSteal.clear();
    m_vGeneGuards.clear();
    m_vLevels.clear();
}

CXmlGardenMgr& GetXmlGardenMgr()
{
    static CXmlGardenMgr s_Mgr;
    return s_Mgr;
}

u32 GetGrowthStage(u32 t, const CPlantItem& plant)
{
    const u32 cycle = static_cast<u32>(plant.m_nGrowthCycle) * 3600u;
    const u32 q = cycle / 4;
    if (t < 20) {
        return 2;
    }
    if (t < 3600) {
        return 3;
    }
    if (q == 0) {
        return 2;
    }
    const u32 s = t / q + 4;
    if (s <= 7) {
        return s;
    }
    if (t <= cycle) {
        return kStageRipe;
    }
    return t - cycle > 86400u ? kStageWithered : kStageRipe;
}

u16 GetStageImage(u32 seconds, const CPlantItem& plant)
{
    const u32 stage = GetGrowthStage(seconds, plant);
    if (stage == kStageWithered) {
        return kWitheredImage;
    }
    if (stage == kStageRipe) {
        return static_cast<u16>(plant.m_nTex + 7);
    }
    return static_cast<u16>(plant.m_nTex + static_cast<int>(stage));
}

int GetSecondsToNextStage(const CPlantItem& plant, u32 stage, u32 seconds)
{
    const u32 q = static_cast<u32>(plant.m_nGrowthCycle) * 3600u / 4;
    if (stage >= 2 && stage <= 4) {
        return static_cast<int>(q - seconds);
    }
    return static_cast<int>(q * (stage - 3) - seconds);
}

int GetGuardTime(const CPlantItem& plant, const CLevel& level)
{
    if (plant.m_nType == 1) {
        return GetXmlGardenMgr().GetGeneGuardTime(static_cast<u32>(plant.m_nId));
    }
    if (plant.m_nType != 0) {
        return 0;
    }
    switch (plant.m_nGrowthCycle) {
    case 5: return level.m_nGuardTime5;
    case 8: return level.m_nGuardTime8;
    case 12: return level.m_nGuardTime12;
    case 16: return level.m_nGuardTime16;
    default: return 0;
    }
}
