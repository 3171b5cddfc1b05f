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

}  // namespace AerieView
