#include <gtest/gtest.h>

#include <string>

#include "engine/GardenXmlRecords.h"
#include "framework/xml/XmlDocument.h"

namespace {

template <class T>
T Bind(const std::string& xml)
{
    CXmlDocument doc;
    EXPECT_TRUE(doc.Parse(xml.data(), xml.size()));
    T record;
    record.ParseElement(doc.RootElement());
    return record;
}

TEST(GardenXmlRecords, DefaultsComeBeforeTheElementsAttributes)
{
    const CAnimationItem anim = Bind<CAnimationItem>("<anim/>");
    EXPECT_EQ(anim.m_strName, "操作动画");
    EXPECT_EQ(anim.m_nSpeed, 100);
    EXPECT_EQ(anim.m_nLoop, 1);
    const CStealConfig steal = Bind<CStealConfig>("<steal exp=\"5\"/>");
    EXPECT_EQ(steal.m_nLvl, 1);
    EXPECT_EQ(steal.m_nExp, 5);
    EXPECT_EQ(steal.m_nStrength, 10);
    EXPECT_EQ(steal.m_nStrengthDaily, 10);
    const CPlantItem plant = Bind<CPlantItem>("<plant id=\"7\" name=\"萝卜\" need_garden_level=\"3\" adaptability=\"-2\"/>");
    EXPECT_EQ(plant.m_nId, 7);
    EXPECT_EQ(plant.m_strName, "萝卜");
    EXPECT_EQ(plant.m_nNeedGardenLevel, 3);
    EXPECT_EQ(plant.m_nAdaptability, -2);
    EXPECT_EQ(plant.m_nSalePrice, 0);
    const CLevel level = Bind<CLevel>("<level guard_time_12=\"720\"/>");
    EXPECT_EQ(level.m_nGuardTime12, 720);
    EXPECT_EQ(Bind<CToolCardStoreItem>("<card id=\"2\" rule=\"1,2\"/>").m_strRule, "1,2");
}

}  // namespace
