// What the city view and the game windows read of the city shown (own or visited): one place
// between the windows and the city data store. Every reader answers "nothing" (false, 0, null)
// while no city is shown.
#pragma once

#include "framework/core/OrvTypes.h"

class CXmlBuilding;

namespace AerieView {

// Number of building slots of a city (ids 0 to 17).
inline constexpr u32 kBuildingCount = 18;

// The own city is shown (not a visited one).
bool IsOwnCityShown();
// Level of building slot id of the shown city; false when the city has no such slot.
bool GetBuildingLevel(u32 id, u16* level);
// One of the shown city's three working groups upgrades building id (work kind 1 on that target).
bool IsBuildingUpgrading(u32 id);
// Levels of the shown owner's garden and restaurant (owner record).
u32 GetGardenLevel();
u32 GetRestaurantLevel();

// The game data's record of building id, or null.
const CXmlBuilding* FindBuildingConfig(u32 id);

}  // namespace AerieView
