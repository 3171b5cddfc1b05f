// The records of the Aerie game data (data/help/aerie.xml), one class per kind of element. Each
// is bound to its element through its attribute map; every attribute is optional (ints default to
// 0, strings to ""). Per-level lists are split into arrays right after a record is read; the
// readers below return their default (0 or "") for any level outside the array they read.
#pragma once

#include <string>
#include <vector>

#include "framework/xml/XmlObj.h"

// One technology of a lab (element "tech").
class CXmlTech : public CXmlObj {
    ORV_DECLARE_XML_MAP()
public:
    i32 m_nId = 0;
    i32 m_nTex = 0;
    std::string m_strName;
    i32 m_nMaxLvl = 0;              // the technology's top level
    std::string m_strPoint;         // per-level list: technology points of each level
    std::string m_strCur;           // per-level list: current-effect text of each level
    std::string m_strDes;           // description; "%1%" takes the effect text
    std::vector<std::string> m_vPoint;
    std::vector<std::string> m_vCur;

    bool OnText(TiXmlText* text) override;   // accepted, nothing kept

    void SplitPointList();
    void SplitCurList();

    // Point entry level; "" above MaxLvl.
    std::string GetPointText(i32 level) const;
    // Point entry level + 1 (what the next upgrade brings); "" when level + 1 is above MaxLvl.
    std::string GetNextPointText(i32 level) const;
    // Sum of the Point entries 0 to level, each read like atoi; 0 for a negative level.
    i32 GetTotalPoints(i32 level) const;
    // Cur entry min(level, MaxLvl).
    std::string GetEffectText(i32 level) const;
};

// A technology group (element "technology") with its technologies in file order.
class CLab : public CXmlObj {
    ORV_DECLARE_XML_MAP()
public:
    std::string m_strName;
    i32 m_nId = 0;
    i32 m_nPoint = 0;
    std::string m_strText;          // the element's text
    std::vector<CXmlTech> m_vTechs;

    void OnBeginLoad() override;
    bool OnText(TiXmlText* text) override;
    bool OnChildElement(TiXmlElement* child) override;   // "tech" only

    // The index-th technology in file order; null when index is negative or not below the count.
    const CXmlTech* GetTech(i32 index) const;
};

// A fight of the rob and defence missions (element "fight"). Group 1 is robbery, 2 defence.
class CXmlFight : public CXmlObj {
    ORV_DECLARE_XML_MAP()
public:
    i32 m_nGroup = 0;
    i32 m_nType = 0;                // the key: the mission index
    std::string m_strName;
    std::string m_strScale;
    i32 m_nWait = 0;
    i32 m_nFriendWait = 0;
    i32 m_nFight = 0;
    i32 m_nHour = 0;
    i32 m_nMaxTimes = 0;
};

// One award of a mission level (element "award"): its text.
class CXmlAward : public CXmlObj {
    ORV_DECLARE_XML_MAP()
public:
    std::string m_strText;

    void OnBeginLoad() override;
    bool OnText(TiXmlText* text) override;
};

// One level of a main-line mission (element "level") with its awards in file order.
class CXmlLevel : public CXmlObj {
    ORV_DECLARE_XML_MAP()
public:
    i32 m_nValue = 0;
    std::string m_strText;
    std::vector<CXmlAward> m_vAwards;

    void OnBeginLoad() override;
    bool OnText(TiXmlText* text) override;
    bool OnChildElement(TiXmlElement* child) override;   // "award" only
};

// A main-line mission (element "missionmain") with its levels in file order.
class CXmlMissionMain : public CXmlObj {
    ORV_DECLARE_XML_MAP()
public:
    std::string m_strName;
    i32 m_nType = 0;
    i32 m_nId = 0;                  // the key
    i32 m_nMaxLvl = 0;
    std::string m_strText;
    std::vector<CXmlLevel> m_vLevels;

    void OnBeginLoad() override;
    bool OnText(TiXmlText* text) override;
    bool OnChildElement(TiXmlElement* child) override;   // "level" only
};

// Upgrade data by level: the base of buildings and sciences. Entry L of a cost list is the cost of
// the upgrade from level L to L + 1 (L below the maximum level); entry L of Effect describes level
// L itself (L up to the maximum level). The maximum level is the Effect count minus 1.
class CXmlLvlupConfig : public CXmlObj {
    ORV_DECLARE_XML_MAP()
public:
    i32 m_nId = 0;                  // the key
    i32 m_nNeedBuildingId = 0;
    i32 m_nNeedMoneyType = 0;       // 0 none, 1 garden wealth, 2 restaurant funds, 3 experience
    std::string m_strNeedBuildingLvl;
    std::string m_strNeedCharLvl;
    std::string m_strName;
    std::string m_strEffect;
    std::string m_strResGrass;
    std::string m_strResWood;
    std::string m_strResMetal;
    std::string m_strResStone;
    std::string m_strNeedMoney;
    std::string m_strLvlupTime;

    i32 m_nMaxLevel = -1;
    std::vector<i32> m_vEffect;
    std::vector<i32> m_vResGrass;
    std::vector<i32> m_vResWood;
    std::vector<i32> m_vResMetal;
    std::vector<i32> m_vResStone;
    std::vector<i32> m_vNeedMoney;
    std::vector<i32> m_vNeedCharLvl;
    std::vector<i32> m_vLvlupTime;
    std::vector<i32> m_vNeedBuildingLvl;

    // Builds the nine arrays and the maximum level. Raises XmlConversionError for a bad number.
    void ParseLevelLists();

    // Entry level of one of the cost arrays (m_vResGrass ... m_vNeedBuildingLvl) while level is
    // below the maximum level (an upgrade from it exists); else 0.
    i32 GetUpgradeEntry(const std::vector<i32>& costs, i32 level) const;
    // NeedCharLvl entry level while level is below the maximum level; else 0.
    i32 GetNeedCharLvl(i32 level) const;
    // Effect entry level for level 0 to the maximum level; else 0.
    i32 GetEffect(i32 level) const;
};

// A building (element "Building"): upgrade data plus its place and looks.
class CXmlBuilding : public CXmlLvlupConfig {
    ORV_DECLARE_XML_MAP()
public:
    i32 m_nWndTex = 0;
    i32 m_nIconTex = 0;
    i32 m_nX = 0;
    i32 m_nY = 0;
    std::string m_strBriefDes;
    std::string m_strDetailDes;
    std::string m_strLooksLvl;      // level thresholds of the looks stages
    std::string m_strLooksTex;      // image of each looks stage
    std::string m_strLvlTextX;      // x of the level number of each looks stage
    std::string m_strLvlTextY;      // y of the level number of each looks stage
    std::vector<i32> m_vLooksLvl;
    std::vector<i32> m_vLooksTex;
    std::vector<i32> m_vLvlTextX;
    std::vector<i32> m_vLvlTextY;

    // ParseLevelLists, then the four looks arrays.
    void ParseLooksLists();

    // Index of the first LooksLvl entry greater than level; the last index when none is; -1 when
    // LooksLvl is empty.
    i32 GetLooksStage(i32 level) const;
    // The entry at the looks stage of level; 0 when that stage has no entry.
    i32 GetLooksTex(i32 level) const;
    i32 GetLvlTextX(i32 level) const;
    i32 GetLvlTextY(i32 level) const;
};

// A science (element "Science"): upgrade data only.
class CXmlScience : public CXmlLvlupConfig {
    ORV_DECLARE_XML_MAP()
};

// A guardian beast kind (element "beast"). Sex 0 male (first beast table), 1 female (second).
class CXmlBeast : public CXmlObj {
    ORV_DECLARE_XML_MAP()
public:
    i32 m_nNum = 0;
    i32 m_nType = 0;                // the key
    std::string m_strName;
    i32 m_nSex = 0;
    i32 m_nTex = 0;                 // picture frame of image set 93
    i32 m_nIcon = 0;
};

// A kind of monster (element "MonsterType").
class CXmlMonsterType : public CXmlObj {
    ORV_DECLARE_XML_MAP()
public:
    i32 m_nType = 0;                // the key
    std::string m_strName;
};

// A monster (element "Monster").
class CXmlMonster : public CXmlObj {
    ORV_DECLARE_XML_MAP()
public:
    i32 m_nID = 0;                  // the key
    i32 m_nPic = 0;
    std::string m_strName;
    i32 m_nColorPic = 0;
    i32 m_nTipCol = 0;
    i32 m_nLvl = 0;
    i32 m_nTime = 0;
    i32 m_nGroupIcon = 0;
};

// A monster-group skill (element "MonSkill"). Its Effect list holds the value of each skill level;
// entry 0 is never shown, so the number of levels is the entry count minus 1.
class CXmlMonGroupSkill : public CXmlObj {
    ORV_DECLARE_XML_MAP()
public:
    i32 m_nID = 0;                  // the key
    i32 m_nPic = 0;
    std::string m_strName;
    std::string m_strEffect;
    std::string m_strDes;           // "%1%" takes the level's value
    i32 m_nGroupIcon = 0;
    std::vector<std::string> m_vEffect;

    void SplitEffectList();
    // Entry level for 1 <= level <= entry count - 1; else "".
    std::string GetLevelValue(i32 level) const;
};

// The creativity table (element "Creavity"): creativity by level of the main building.
class CXmlCreavity : public CXmlObj {
    ORV_DECLARE_XML_MAP()
public:
    std::string m_strEffect;
    i32 m_nMaxLevel = -1;           // entry count minus 1
    std::vector<i32> m_vEffect;

    // Builds the array and the maximum level. Raises XmlConversionError for a bad number.
    void ParseEffectList();
};
