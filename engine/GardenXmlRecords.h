// Records of the Garden game data file, bound to their XML elements through attribute maps: each
// attribute's default is applied before the element's attributes are read. Which elements carry
// which record is the Garden game data's business.
#pragma once

#include <string>

#include "framework/xml/XmlObj.h"

class CBackgroundItem : public CXmlObj {
    ORV_DECLARE_XML_MAP()
public:
    i32 m_nId = 0;
    std::string m_strName;
    std::string m_strTips;
    i32 m_nTex = 0;
};

class CAnimationItem : public CXmlObj {
    ORV_DECLARE_XML_MAP()
public:
    i32 m_nId = 0;
    std::string m_strName;
    i32 m_nTex = 0;
    i32 m_nSpeed = 0;
    i32 m_nLoop = 0;
};

class CStealConfig : public CXmlObj {
    ORV_DECLARE_XML_MAP()
public:
    i32 m_nLvl = 0;
    i32 m_nExp = 0;
    i32 m_nStrength = 0;
    i32 m_nStrengthDaily = 0;
};

class CLevelDetail : public CXmlObj {
    ORV_DECLARE_XML_MAP()
public:
    i32 m_nLvl = 0;
    i32 m_nLoveNeed = 0;
    i32 m_nYieldNeed1 = 0;
    i32 m_nYieldNeed2 = 0;
    i32 m_nYieldLvl = 0;
    i32 m_nTimeNeed = 0;
};

class CLandKaifa : public CXmlObj {
    ORV_DECLARE_XML_MAP()
public:
    i32 m_nGardenLevel = 0;
    i32 m_nKaifaPrice = 0;
};

class CLandOper : public CXmlObj {
    ORV_DECLARE_XML_MAP()
public:
    i32 m_nCurLevel = 0;
    i32 m_nLevelupPlus = 0;
    i32 m_nLevelupPrice = 0;
};

class CGardenHint : public CXmlObj {
    ORV_DECLARE_XML_MAP()
public:
    i32 m_nId = 0;
    std::string m_strHint;
};

class CPlantItem : public CXmlObj {
    ORV_DECLARE_XML_MAP()
public:
    i32 m_nId = 0;
    i32 m_nTex = 0;
    std::string m_strName;
    i32 m_nType = 0;
    i32 m_nNeedGardenLevel = 0;
    i32 m_nGrowthCycle = 0;
    i32 m_nProbability = 0;
    i32 m_nMultiple = 0;
    i32 m_nBaseYield = 0;
    i32 m_nBuyPrice = 0;
    i32 m_nSalePrice = 0;
    i32 m_nTemperature = 0;
    i32 m_nLight = 0;
    i32 m_nHumidity = 0;
    i32 m_nAdaptability = 0;
};

class CGenePlantGuard : public CXmlObj {
    ORV_DECLARE_XML_MAP()
public:
    i32 m_nId = 0;
    i32 m_nGuardTime = 0;
};

class CLevel : public CXmlObj {
    ORV_DECLARE_XML_MAP()
public:
    i32 m_nLvl = 0;
    i32 m_nProbability = 0;
    i32 m_nMultiple = 0;
    i32 m_nGuardTime5 = 0;
    i32 m_nGuardTime8 = 0;
    i32 m_nGuardTime12 = 0;
    i32 m_nGuardTime16 = 0;
};

class CToolCardStoreItem : public CXmlObj {
    ORV_DECLARE_XML_MAP()
public:
    i32 m_nId = 0;
    std::string m_strRule;
};
