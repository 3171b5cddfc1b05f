#include "aerie/windows/AerieCityView.h"

#include "aerie/state/XmlAerieMgr.h"

namespace AerieView {

bool IsOwnCityShown()
{
    return false;
}

bool GetBuildingLevel(u32, u16* level)
{
    *level = 0;
    return false;
}

bool IsBuildingUpgrading(u32)
{
    return false;
}

u32 GetGardenLevel()
{
    return 0;
}

u32 GetRestaurantLevel()
{
    return 0;
}

const CXmlBuilding* FindBuildingConfig(u32 id)
{
    return CXmlAerieMgr::GetSingleton()->FindBuilding(static_cast<i32>(id));
}

bool IsUpgrading(u16, u16)
{
    return false;
}

bool IsMaxLevel(u16, u16)
{
    return false;
}

u8 GetProductionMultiplier()
{
    return 10;
}

const char* GetShownOwnerName()
{
    return "";
}

void GetResources(ResourceBar* out)
{
    *out = ResourceBar();
}

u32 GetBuildingEffect(u32)
{
    return 0;
}

u32 GetTotalLevel()
{
    return 0;
}

u16 GetMainCityLevel(bool)
{
    return 0;
}

bool GetShownBeast(i32*, i32*)
{
    return false;
}

u16 GetBeastBreedingsToday()
{
    return 0;
}

bool HasNewMonster()
{
    return false;
}

bool GetDefenceMission(u8*, u8*, u32*)
{
    return false;
}

bool GetIncubatorTimers(int, u32*, u32*)
{
    return false;
}

u32 CountBagEggs()
{
    return 0;
}

bool HasFreeIncubator()
{
    return false;
}

bool AnyIncubatorFinished()
{
    return false;
}

const CXmlMonster* FindShownMonsterBySlot(u16)
{
    return nullptr;
}

bool GetGroupWork(int, u16*, u16*)
{
    return false;
}

void SendVisitCity(const char*) {}
void SendLeave() {}
void SendUpgrade(u16, u16, u16) {}

}  // namespace AerieView
