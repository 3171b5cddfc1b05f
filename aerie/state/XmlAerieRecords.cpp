#include "aerie/state/XmlAerieRecords.h"

#include <algorithm>
#include <cstdint>
#include <cstring>
#include <limits>

#include "aerie/state/XmlLevelList.h"
#include "framework/xml/XmlNumber.h"

// ---- attribute maps ----

constinit const XmlAttrEntry CXmlTech::s_XmlEntries[] = {
    XmlInt<&CXmlTech::m_nId>("Id"),
    XmlInt<&CXmlTech::m_nTex>("Tex"),
    XmlString<&CXmlTech::m_strName>("Name"),
    XmlInt<&CXmlTech::m_nMaxLvl>("MaxLvl"),
    XmlString<&CXmlTech::m_strPoint>("Point"),
    XmlString<&CXmlTech::m_strCur>("Cur"),
    XmlString<&CXmlTech::m_strDes>("Des"),
    XmlAttrEnd(),
};
ORV_IMPLEMENT_XML_MAP(CXmlTech, CXmlObj)

constinit const XmlAttrEntry CLab::s_XmlEntries[] = {
    XmlString<&CLab::m_strName>("Name"),
    XmlInt<&CLab::m_nId>("Id"),
    XmlInt<&CLab::m_nPoint>("Point"),
    XmlAttrEnd(),
};
ORV_IMPLEMENT_XML_MAP(CLab, CXmlObj)

constinit const XmlAttrEntry CXmlFight::s_XmlEntries[] = {
    XmlInt<&CXmlFight::m_nGroup>("Group"),
    XmlInt<&CXmlFight::m_nType>("Type"),
    XmlString<&CXmlFight::m_strName>("Name"),
    XmlString<&CXmlFight::m_strScale>("Scale"),
    XmlInt<&CXmlFight::m_nWait>("Wait"),
    XmlInt<&CXmlFight::m_nFriendWait>("FriendWait"),
    XmlInt<&CXmlFight::m_nFight>("Fight"),
    XmlInt<&CXmlFight::m_nHour>("Hour"),
    XmlInt<&CXmlFight::m_nMaxTimes>("MaxTimes"),
    XmlAttrEnd(),
};
ORV_IMPLEMENT_XML_MAP(CXmlFight, CXmlObj)

constinit const XmlAttrEntry CXmlAward::s_XmlEntries[] = {XmlAttrEnd()};
ORV_IMPLEMENT_XML_MAP(CXmlAward, CXmlObj)

constinit const XmlAttrEntry CXmlLevel::s_XmlEntries[] = {
    XmlInt<&CXmlLevel::m_nValue>("Value"),
    XmlAttrEnd(),
};
ORV_IMPLEMENT_XML_MAP(CXmlLevel, CXmlObj)

constinit const XmlAttrEntry CXmlMissionMain::s_XmlEntries[] = {
    XmlString<&CXmlMissionMain::m_strName>("Name"),
    XmlInt<&CXmlMissionMain::m_nType>("Type"),
    XmlInt<&CXmlMissionMain::m_nId>("Id"),
    XmlInt<&CXmlMissionMain::m_nMaxLvl>("MaxLvl"),
    XmlAttrEnd(),
};
ORV_IMPLEMENT_XML_MAP(CXmlMissionMain, CXmlObj)

constinit const XmlAttrEntry CXmlLvlupConfig::s_XmlEntries[] = {
    XmlInt<&CXmlLvlupConfig::m_nId>("Id"),
    XmlInt<&CXmlLvlupConfig::m_nNeedBuildingId>("NeedBuildingId"),
    XmlInt<&CXmlLvlupConfig::m_nNeedMoneyType>("NeedMoneyType"),
    XmlString<&CXmlLvlupConfig::m_strNeedBuildingLvl>("NeedBuildingLvl"),
    XmlString<&CXmlLvlupConfig::m_strNeedCharLvl>("NeedCharLvl"),
    XmlString<&CXmlLvlupConfig::m_strName>("Name"),
    XmlString<&CXmlLvlupConfig::m_strEffect>("Effect"),
    XmlString<&CXmlLvlupConfig::m_strResGrass>("ResGrass"),
    XmlString<&CXmlLvlupConfig::m_strResWood>("ResWood"),
    XmlString<&CXmlLvlupConfig::m_strResMetal>("ResMetal"),
    XmlString<&CXmlLvlupConfig::m_strResStone>("ResStone"),
    XmlString<&CXmlLvlupConfig::m_strNeedMoney>("NeedMoney"),
    XmlString<&CXmlLvlupConfig::m_strLvlupTime>("LvlupTime"),
    XmlAttrEnd(),
};
ORV_IMPLEMENT_XML_MAP(CXmlLvlupConfig, CXmlObj)

constinit const XmlAttrEntry CXmlBuilding::s_XmlEntries[] = {
    XmlInt<&CXmlBuilding::m_nWndTex>("WndTex"),
    XmlInt<&CXmlBuilding::m_nIconTex>("IconTex"),
    XmlInt<&CXmlBuilding::m_nX>("X"),
    XmlInt<&CXmlBuilding::m_nY>("Y"),
    XmlString<&CXmlBuilding::m_strBriefDes>("BriefDes"),
    XmlString<&CXmlBuilding::m_strDetailDes>("DetailDes"),
    XmlString<&CXmlBuilding::m_strLooksLvl>("LooksLvl"),
    XmlString<&CXmlBuilding::m_strLooksTex>("LooksTex"),
    XmlString<&CXmlBuilding::m_strLvlTextX>("LvlTextX"),
    XmlString<&CXmlBuilding::m_strLvlTextY>("LvlTextY"),
    XmlAttrEnd(),
};
ORV_IMPLEMENT_XML_MAP(CXmlBuilding, CXmlLvlupConfig)

constinit const XmlAttrEntry CXmlScience::s_XmlEntries[] = {XmlAttrEnd()};
ORV_IMPLEMENT_XML_MAP(CXmlScience, CXmlLvlupConfig)

constinit const XmlAttrEntry CXmlBeast::s_XmlEntries[] = {
    XmlInt<&CXmlBeast::m_nNum>("Num"),
    XmlInt<&CXmlBeast::m_nType>("Type"),
    XmlString<&CXmlBeast::m_strName>("Name"),
    XmlInt<&CXmlBeast::m_nSex>("Sex"),
    XmlInt<&CXmlBeast::m_nTex>("Tex"),
    XmlInt<&CXmlBeast::m_nIcon>("Icon"),
    XmlAttrEnd(),
};
ORV_IMPLEMENT_XML_MAP(CXmlBeast, CXmlObj)

constinit const XmlAttrEntry CXmlMonsterType::s_XmlEntries[] = {
    XmlInt<&CXmlMonsterType::m_nType>("Type"),
    XmlString<&CXmlMonsterType::m_strName>("Name"),
    XmlAttrEnd(),
};
ORV_IMPLEMENT_XML_MAP(CXmlMonsterType, CXmlObj)

constinit const XmlAttrEntry CXmlMonster::s_XmlEntries[] = {
    XmlInt<&CXmlMonster::m_nID>("ID"),
    XmlInt<&CXmlMonster::m_nPic>("Pic"),
    XmlString<&CXmlMonster::m_strName>("Name"),
    XmlInt<&CXmlMonster::m_nColorPic>("ColorPic"),
    XmlInt<&CXmlMonster::m_nTipCol>("TipCol"),
    XmlInt<&CXmlMonster::m_nLvl>("Lvl"),
    XmlInt<&CXmlMonster::m_nTime>("Time"),
    XmlInt<&CXmlMonster::m_nGroupIcon>("GroupIcon"),
    XmlAttrEnd(),
};
ORV_IMPLEMENT_XML_MAP(CXmlMonster, CXmlObj)

constinit const XmlAttrEntry CXmlMonGroupSkill::s_XmlEntries[] = {
    XmlInt<&CXmlMonGroupSkill::m_nID>("ID"),
    XmlInt<&CXmlMonGroupSkill::m_nPic>("Pic"),
    XmlString<&CXmlMonGroupSkill::m_strName>("Name"),
    XmlString<&CXmlMonGroupSkill::m_strEffect>("Effect"),
    XmlString<&CXmlMonGroupSkill::m_strDes>("Des"),
    XmlInt<&CXmlMonGroupSkill::m_nGroupIcon>("GroupIcon"),
    XmlAttrEnd(),
};
ORV_IMPLEMENT_XML_MAP(CXmlMonGroupSkill, CXmlObj)

constinit const XmlAttrEntry CXmlCreavity::s_XmlEntries[] = {
    XmlString<&CXmlCreavity::m_strEffect>("Effect"),
    XmlAttrEnd(),
};
ORV_IMPLEMENT_XML_MAP(CXmlCreavity, CXmlObj)

// ---- nested elements ----

namespace {

struct NoListsToBuild {
    template <class Rec>
    void operator()(Rec&) const
    {
    }
};

// When child's name is tag: reads it into a fresh record of class Rec, builds the record's lists
// and appends it to list.
template <class Rec, class BuildLists = NoListsToBuild>
bool ReadNested(TiXmlElement* child, const char* tag, std::vector<Rec>& list, BuildLists buildLists = {})
{
    if (std::strcmp(orv::xml::ElementName(child), tag) != 0) {
        return false;
    }
    Rec record;
    record.ParseElement(child);
    buildLists(record);
    list.push_back(std::move(record));
    return true;
}

bool AppendText(std::string& target, TiXmlText* text)
{
    target += orv::xml::TextValue(text);
    return true;
}

}  // namespace

bool CXmlTech::OnText(TiXmlText*)
{
    return true;
}

void CLab::OnBeginLoad()
{
    m_strText.clear();
    m_vTechs.clear();
}

bool CLab::OnText(TiXmlText* text)
{
    return AppendText(m_strText, text);
}

bool CLab::OnChildElement(TiXmlElement* child)
{
    return ReadNested(child, "tech", m_vTechs, [](CXmlTech& tech) {
        tech.SplitPointList();
        tech.SplitCurList();
    });
}

const CXmlTech* CLab::GetTech(i32 index) const
{
    if (index < 0 || static_cast<std::size_t>(index) >= m_vTechs.size()) {
        return nullptr;
    }
    return &m_vTechs[static_cast<std::size_t>(index)];
}

void CXmlAward::OnBeginLoad()
{
    m_strText.clear();
}

bool CXmlAward::OnText(TiXmlText* text)
{
    return AppendText(m_strText, text);
}

void CXmlLevel::OnBeginLoad()
{
    m_strText.clear();
    m_vAwards.clear();
}

bool CXmlLevel::OnText(TiXmlText* text)
{
    return AppendText(m_strText, text);
}

bool CXmlLevel::OnChildElement(TiXmlElement* child)
{
    return ReadNested(child, "award", m_vAwards);
}

void CXmlMissionMain::OnBeginLoad()
{
    m_strText.clear();
    m_vLevels.clear();
}

bool CXmlMissionMain::OnText(TiXmlText* text)
{
    return AppendText(m_strText, text);
}

bool CXmlMissionMain::OnChildElement(TiXmlElement* child)
{
    return ReadNested(child, "level", m_vLevels);
}

// ---- per-level lists ----

void CXmlTech::SplitPointList()
{
    SplitTextLevelList(m_strPoint, m_vPoint);
}

void CXmlTech::SplitCurList()
{
    SplitTextLevelList(m_strCur, m_vCur);
}

std::string CXmlTech::GetPointText(i32 level) const
{
    return level > m_nMaxLvl ? std::string() : LevelText(m_vPoint, level);
}

std::string CXmlTech::GetNextPointText(i32 level) const
{
    const std::int64_t next = std::int64_t{level} + 1;
    return next > m_nMaxLvl ? std::string() : LevelText(m_vPoint, static_cast<i32>(next));
}

i32 CXmlTech::GetTotalPoints(i32 level) const
{
    if (level < 0) {
        return 0;
    }
    const std::size_t count = std::min(m_vPoint.size(), static_cast<std::size_t>(level) + 1);
    std::int64_t total = 0;
    for (std::size_t i = 0; i < count; ++i) {
        total += XmlTextToInt(m_vPoint[i].c_str());
    }
    constexpr std::int64_t kMax = std::numeric_limits<i32>::max();
    constexpr std::int64_t kMin = std::numeric_limits<i32>::min();
    return static_cast<i32>(std::clamp(total, kMin, kMax));
}

std::string CXmlTech::GetEffectText(i32 level) const
{
    return LevelText(m_vCur, std::min(level, m_nMaxLvl));
}

void CXmlLvlupConfig::ParseLevelLists()
{
    ParseIntLevelList(m_strEffect, m_vEffect, "Effect");
    m_nMaxLevel = static_cast<i32>(m_vEffect.size()) - 1;
    ParseIntLevelList(m_strResGrass, m_vResGrass, "ResGrass");
    ParseIntLevelList(m_strResWood, m_vResWood, "ResWood");
    ParseIntLevelList(m_strResMetal, m_vResMetal, "ResMetal");
    ParseIntLevelList(m_strResStone, m_vResStone, "ResStone");
    ParseIntLevelList(m_strNeedMoney, m_vNeedMoney, "NeedMoney");
    ParseIntLevelList(m_strNeedCharLvl, m_vNeedCharLvl, "NeedCharLvl");
    ParseIntLevelList(m_strLvlupTime, m_vLvlupTime, "LvlupTime");
    ParseIntLevelList(m_strNeedBuildingLvl, m_vNeedBuildingLvl, "NeedBuildingLvl");
}

i32 CXmlLvlupConfig::GetUpgradeEntry(const std::vector<i32>& costs, i32 level) const
{
    return level < m_nMaxLevel ? LevelEntry(costs, level) : 0;
}

i32 CXmlLvlupConfig::GetNeedCharLvl(i32 level) const
{
    return GetUpgradeEntry(m_vNeedCharLvl, level);
}

i32 CXmlLvlupConfig::GetEffect(i32 level) const
{
    return level <= m_nMaxLevel ? LevelEntry(m_vEffect, level) : 0;
}

void CXmlBuilding::ParseLooksLists()
{
    ParseLevelLists();
    ParseIntLevelList(m_strLooksLvl, m_vLooksLvl, "LooksLvl");
    ParseIntLevelList(m_strLooksTex, m_vLooksTex, "LooksTex");
    ParseIntLevelList(m_strLvlTextX, m_vLvlTextX, "LvlTextX");
    ParseIntLevelList(m_strLvlTextY, m_vLvlTextY, "LvlTextY");
}

i32 CXmlBuilding::GetLooksStage(i32 level) const
{
    if (m_vLooksLvl.empty()) {
        return -1;
    }
    for (std::size_t i = 0; i < m_vLooksLvl.size(); ++i) {
        if (m_vLooksLvl[i] > level) {
            return static_cast<i32>(i);
        }
    }
    return static_cast<i32>(m_vLooksLvl.size()) - 1;
}

i32 CXmlBuilding::GetLooksTex(i32 level) const
{
    return LevelEntry(m_vLooksTex, GetLooksStage(level));
}

i32 CXmlBuilding::GetLvlTextX(i32 level) const
{
    return LevelEntry(m_vLvlTextX, GetLooksStage(level));
}

i32 CXmlBuilding::GetLvlTextY(i32 level) const
{
    return LevelEntry(m_vLvlTextY, GetLooksStage(level));
}

void CXmlMonGroupSkill::SplitEffectList()
{
    SplitTextLevelList(m_strEffect, m_vEffect);
}

std::string CXmlMonGroupSkill::GetLevelValue(i32 level) const
{
    return level < 1 ? std::string() : LevelText(m_vEffect, level);
}

void CXmlCreavity::ParseEffectList()
{
    ParseIntLevelList(m_strEffect, m_vEffect, "Effect");
    m_nMaxLevel = static_cast<i32>(m_vEffect.size()) - 1;
}
