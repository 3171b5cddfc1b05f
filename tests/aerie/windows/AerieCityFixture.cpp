#include "AerieCityFixture.h"

#include "aerie/state/AerieConfigMgr.h"
#include "aerie/state/AerieRecordLayout.h"
#include "aerie/windows/AerieNewBie.h"
#include "framework/xml/XmlTestFiles.h"

namespace orv::test {

void AerieCityTest::SetUp()
{
    AerieTest::SetUp();
    m_pRealGameRecord = std::make_unique<ScopedSystemWindowRecord>(ORV_MSG_GAMEWND, ORV_RUNTIME_CLASS(CAerieWnd));
    ASSERT_TRUE(CAerieConfigMgr::GetSingleton()->Load(RepoDataPath("help/aerieconfig.xml").c_str()));
    EnterGameWindowWorld(m_Host);
    MainWnd().CenterInParent();   // attached on the default screen: placed again on this one
}

void AerieCityTest::TearDown()
{
    LeaveGameWindowWorld();
    CAerieConfigMgr::GetSingleton()->Load(kAerieConfigPath);
    AerieTest::TearDown();
    m_pRealGameRecord.reset();
}

std::string AerieCityTest::Buildings(const std::vector<u16>& levels)
{
    std::string items;
    for (std::size_t i = 0; i < levels.size(); ++i) {
        items += Item(2, LE16(static_cast<u16>(i)) + LE16(levels[i]));
    }
    return items;
}

std::string AerieCityTest::OwnerRecord(u32 coins, u32 grass, u32 stone, u32 wood, u32 metal, u32 monsters,
                                       u32 garden, u32 restaurant, u8 multiplier)
{
    using namespace aerie_layout;
    return Item(1, RecordBytes(kOwnerRecordSize)
                       .U32(kOwnerCoins, coins)
                       .U32(kOwnerGrass, grass)
                       .U32(kOwnerStone, stone)
                       .U32(kOwnerWood, wood)
                       .U32(kOwnerMetal, metal)
                       .U32(kOwnerMonsterCount, monsters)
                       .U32(kOwnerGardenLevel, garden)
                       .U32(kOwnerRestaurantLevel, restaurant)
                       .U8(kOwnerProductionMultiplier, multiplier)
                       .Str());
}

CAerieWnd* AerieCityTest::Enter(const std::string& items, bool visited)
{
    if (visited) {
        EnterOwnCity();   // the own id is known first
        Recv(Compressed(kOtherId, 0, Item(0, "other") + items));
    } else {
        EnterOwnCity(items);
    }
    return Wnd();
}

CAerieWnd* AerieCityTest::Wnd()
{
    return dynamic_cast<CAerieWnd*>(MainWnd().GetSystemWindow(ORV_MSG_GAMEWND));
}

void AerieCityTest::DrawFrame()
{
    m_Host.ClearLog();
    Frame();
}

}  // namespace orv::test
