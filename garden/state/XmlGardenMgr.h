// The Garden game's static data, read once from "./orvdata/help/GardenMgr.xml" into the records
// of engine/GardenXmlRecords.h, with its lookups and the plant growth rules. One global object;
// the main garden screen loads the file when it is created.
#pragma once

#include <map>
#include <memory>
#include <string>
#include <vector>

#include "engine/GardenXmlRecords.h"

inline constexpr const char* kGardenDataPath = "./orvdata/help/GardenMgr.xml";

// The love tip: the text of its element.
class CLoveTip : public CXmlObj {
public:
    bool OnText(TiXmlText* text) override;
    std::string m_strText;
};

class CXmlDocument;

class CXmlGardenMgr : public CXmlObj {
public:
    CXmlGardenMgr();
    ~CXmlGardenMgr() override;
    // Parses the file once; a file that fails to parse leaves nothing loaded (the next call
    // tries again). True once loaded.
    bool Load(const char* path);
    bool IsLoaded() const { return m_dwLoaded != 0; }
    // The child dispatch: each known element becomes a record stored as its kind is kept.
    bool OnChildElement(TiXmlElement* child) override;

    bool GetPlant(u16 id, CPlantItem& out) const;
    const CPlantItem* FindPlant(u16 id) const;
    std::string GetPlantName(u16 id) const;
    int GetPlantNeedLevel(u16 id) const;
    u16 GetPlantSeedImage(u16 id) const;
    // Row level of the pick-skill list in file order (1 is the first); null below 1 or past the end.
    const CStealConfig* GetStealRow(int level) const;
    // The shown garden's level plus the background's tex.
    bool GetBackgroundImage(u16 id, u16& out) const;
    bool GetBackgroundName(u16 id, std::string& out) const;
    bool GetBackgroundTips(u16 id, std::string& out) const;
    const CBackgroundItem* FindBackground(u16 id) const;
    const CAnimationItem* GetAnimation(u16 id) const;
    int GetOpenPlotPrice(u8 gardenLevel) const;
    int GetUpgradePlus(u8 level) const;
    int GetUpgradePrice(u8 level) const;
    bool GetLevelRow(u16 lvl, CLevel& out) const;
    int GetGeneGuardTime(u32 plantId) const;
    void ClearGuardTimes();
    const CLevelDetail* GetLevelDetail(int gardenLevel) const;   // row gardenLevel - 1
    const std::string& GetLoveTip() const { return m_LoveTip.m_strText; }
    const CToolCardStoreItem& GetToolCardRule() const { return m_ToolCardStore; }
    const CGardenHint* GetHint(i32 id) const;
    std::size_t PlantCount() const { return m_mapPlants.size(); }
    const std::map<i32, CPlantItem>& Plants() const { return m_mapPlants; }   // in plant-id order
    // Empties everything (tests, unload).
    void Unload();

private:
    u32 m_dwLoaded = 0;
    std::map<i32, CPlantItem> m_mapPlants;
    std::map<i32, CBackgroundItem> m_mapBackgrounds;
    std::map<i32, CAnimationItem> m_mapAnimations;
    std::vector<CLevelDetail> m_vLevelDetails;
    std::vector<CLandKaifa> m_vOpenPrices;
    std::vector<CLandOper> m_vUpgrades;
    CToolCardStoreItem m_ToolCardStore;
    std::map<i32, CGardenHint> m_mapHints;
    CLoveTip m_LoveTip;
    std::vector<CStealConfig> m_vSteal;
    std::vector<CGenePlantGuard> m_vGeneGuards;
    std::vector<CLevel> m_vLevels;
    u32 m_dwReserved = 0;
};

CXmlGardenMgr& GetXmlGardenMgr();

// Growth rules. t: seconds the plant has grown; unsigned 32-bit arithmetic.
u32 GetGrowthStage(u32 seconds, const CPlantItem& plant);
u16 GetStageImage(u32 seconds, const CPlantItem& plant);
int GetSecondsToNextStage(const CPlantItem& plant, u32 stage, u32 seconds);
// Theft guard in minutes.
int GetGuardTime(const CPlantItem& plant, const CLevel& level);

inline constexpr u32 kStageWithered = 9;
inline constexpr u32 kStageRipe = 8;
inline constexpr u16 kWitheredImage = 499;
