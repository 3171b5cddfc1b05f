// The records of the game's sub-windows that the main game window opens from its toolbar and on
// game events. Each window class installs its own record at start-up; a window whose class is
// not in the build has no record, and asking to open it does nothing.
#pragma once

#include "framework/core/OrvTypes.h"

struct RuntimeClassRecord;

enum class AerieWndKind : u32 {
    Beast,
    MonsterGroup,
    Technology,
    Mission,
    Rank,
    Friend,
    Set,
    Help,
    BuyResource,
    Lvlup,
    MonLvlup,
    GetMonster,
    FightRobBefore,
    FightDefendBefore,
    FightInfo,
    SpeedUp,
    FightAwardRefresh,
    Exchange,
    Info,
    ProductInfo,
    Count
};

void SetAerieWindowRecord(AerieWndKind kind, const RuntimeClassRecord* record);
// The installed record, or null.
const RuntimeClassRecord* GetAerieWindowRecord(AerieWndKind kind);
