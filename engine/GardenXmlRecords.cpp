#include "engine/GardenXmlRecords.h"

constinit const XmlAttrEntry CBackgroundItem::s_XmlEntries[] = {
    XmlInt<&CBackgroundItem::m_nId>("id"),
    XmlString<&CBackgroundItem::m_strName>("name"),
    XmlString<&CBackgroundItem::m_strTips>("tips"),
    XmlInt<&CBackgroundItem::m_nTex>("tex"),
    XmlAttrEnd(),
};
ORV_IMPLEMENT_XML_MAP(CBackgroundItem, CXmlObj)

constinit const XmlAttrEntry CAnimationItem::s_XmlEntries[] = {
    XmlInt<&CAnimationItem::m_nId>("id"),
    XmlString<&CAnimationItem::m_strName>("name", "操作动画"),
    XmlInt<&CAnimationItem::m_nTex>("tex"),
    XmlInt<&CAnimationItem::m_nSpeed>("speed", 100),
    XmlInt<&CAnimationItem::m_nLoop>("loop", 1),
    XmlAttrEnd(),
};
ORV_IMPLEMENT_XML_MAP(CAnimationItem, CXmlObj)

constinit const XmlAttrEntry CStealConfig::s_XmlEntries[] = {
    XmlInt<&CStealConfig::m_nLvl>("lvl", 1),
    XmlInt<&CStealConfig::m_nExp>("exp", 99999),
    XmlInt<&CStealConfig::m_nStrength>("strength", 10),
    XmlInt<&CStealConfig::m_nStrengthDaily>("strength_daily", 10),
    XmlAttrEnd(),
};
ORV_IMPLEMENT_XML_MAP(CStealConfig, CXmlObj)

constinit const XmlAttrEntry CLevelDetail::s_XmlEntries[] = {
    XmlInt<&CLevelDetail::m_nLvl>("lvl"),
    XmlInt<&CLevelDetail::m_nLoveNeed>("LoveNeed"),
    XmlInt<&CLevelDetail::m_nYieldNeed1>("YieldNeed1"),
    XmlInt<&CLevelDetail::m_nYieldNeed2>("YieldNeed2"),
    XmlInt<&CLevelDetail::m_nYieldLvl>("YieldLvl"),
    XmlInt<&CLevelDetail::m_nTimeNeed>("TimeNeed"),
    XmlAttrEnd(),
};
ORV_IMPLEMENT_XML_MAP(CLevelDetail, CXmlObj)

constinit const XmlAttrEntry CLandKaifa::s_XmlEntries[] = {
    XmlInt<&CLandKaifa::m_nGardenLevel>("garden_level"),
    XmlInt<&CLandKaifa::m_nKaifaPrice>("kaifa_price"),
    XmlAttrEnd(),
};
ORV_IMPLEMENT_XML_MAP(CLandKaifa, CXmlObj)

constinit const XmlAttrEntry CLandOper::s_XmlEntries[] = {
    XmlInt<&CLandOper::m_nCurLevel>("cur_level"),
    XmlInt<&CLandOper::m_nLevelupPlus>("levelup_plus"),
    XmlInt<&CLandOper::m_nLevelupPrice>("levelup_price"),
    XmlAttrEnd(),
};
ORV_IMPLEMENT_XML_MAP(CLandOper, CXmlObj)

constinit const XmlAttrEntry CGardenHint::s_XmlEntries[] = {
    XmlInt<&CGardenHint::m_nId>("id"),
    XmlString<&CGardenHint::m_strHint>("hint"),
    XmlAttrEnd(),
};
ORV_IMPLEMENT_XML_MAP(CGardenHint, CXmlObj)

constinit const XmlAttrEntry CPlantItem::s_XmlEntries[] = {
    XmlInt<&CPlantItem::m_nId>("id"),
    XmlInt<&CPlantItem::m_nTex>("tex"),
    XmlString<&CPlantItem::m_strName>("name"),
    XmlInt<&CPlantItem::m_nType>("type"),
    XmlInt<&CPlantItem::m_nNeedGardenLevel>("need_garden_level"),
    XmlInt<&CPlantItem::m_nGrowthCycle>("growth_cycle"),
    XmlInt<&CPlantItem::m_nProbability>("probability"),
    XmlInt<&CPlantItem::m_nMultiple>("multiple"),
    XmlInt<&CPlantItem::m_nBaseYield>("base_yield"),
    XmlInt<&CPlantItem::m_nBuyPrice>("buy_price"),
    XmlInt<&CPlantItem::m_nSalePrice>("sale_price"),
    XmlInt<&CPlantItem::m_nTemperature>("temperature"),
    XmlInt<&CPlantItem::m_nLight>("light"),
    XmlInt<&CPlantItem::m_nHumidity>("humidity"),
    XmlInt<&CPlantItem::m_nAdaptability>("adaptability"),
    XmlAttrEnd(),
};
ORV_IMPLEMENT_XML_MAP(CPlantItem, CXmlObj)

constinit const XmlAttrEntry CGenePlantGuard::s_XmlEntries[] = {
    XmlInt<&CGenePlantGuard::m_nId>("id"),
    XmlInt<&CGenePlantGuard::m_nGuardTime>("guard_time"),
    XmlAttrEnd(),
};
ORV_IMPLEMENT_XML_MAP(CGenePlantGuard, CXmlObj)

constinit const XmlAttrEntry CLevel::s_XmlEntries[] = {
    XmlInt<&CLevel::m_nLvl>("lvl"),
    XmlInt<&CLevel::m_nProbability>("probability"),
    XmlInt<&CLevel::m_nMultiple>("multiple"),
    XmlInt<&CLevel::m_nGuardTime5>("guard_time_5"),
    XmlInt<&CLevel::m_nGuardTime8>("guard_time_8"),
    XmlInt<&CLevel::m_nGuardTime12>("guard_time_12"),
    XmlInt<&CLevel::m_nGuardTime16>("guard_time_16"),
    XmlAttrEnd(),
};
ORV_IMPLEMENT_XML_MAP(CLevel, CXmlObj)

constinit const XmlAttrEntry CToolCardStoreItem::s_XmlEntries[] = {
    XmlInt<&CToolCardStoreItem::m_nId>("id"),
    XmlString<&CToolCardStoreItem::m_strRule>("rule"),
    XmlAttrEnd(),
};
ORV_IMPLEMENT_XML_MAP(CToolCardStoreItem, CXmlObj)
