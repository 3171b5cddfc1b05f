// Game-event topics (ORV_MSG_GAMEWND, first parameter) that the game windows send and answer.
#pragma once

#include "framework/core/OrvTypes.h"

inline constexpr u32 EVT_CLOSE_GAMEWND = 0;
inline constexpr u32 EVT_CITY_ENTERED = 3;
inline constexpr u32 EVT_CITY_CHANGED = 4;
inline constexpr u32 EVT_NOTICE_CHECK = 5;
inline constexpr u32 EVT_BUYRESOURCE_WND = 14;
inline constexpr u32 EVT_LVLUP_WND = 15;
inline constexpr u32 EVT_MONSTER_NOTICE = 16;
inline constexpr u32 EVT_BEAST_CHANGED = 31;
inline constexpr u32 EVT_GETMONSTER_WND = 37;
inline constexpr u32 EVT_FIGHTROB_WND = 38;
inline constexpr u32 EVT_FIGHTDEFEND_WND = 39;
inline constexpr u32 EVT_FIGHTINFO_WND = 40;
inline constexpr u32 EVT_CLOSE_SUBWND = 41;
inline constexpr u32 EVT_RESEND_BUILDING_UPGRADE = 43;
inline constexpr u32 EVT_RESEND_SCIENCE_UPGRADE = 44;
inline constexpr u32 EVT_OPEN_MISSION_LATER = 46;
inline constexpr u32 EVT_SETTINGS_CHANGED = 47;
inline constexpr u32 EVT_FIRST_HATCH = 48;
inline constexpr u32 EVT_NEWBIE_STEP = 50;
inline constexpr u32 EVT_INFO_WND = 54;
inline constexpr u32 EVT_PRODUCTINFO_WND = 55;
inline constexpr u32 EVT_SPEEDUP_WND = 57;
inline constexpr u32 EVT_BUILDINGS_CHANGED = 59;
inline constexpr u32 EVT_AWARDREFRESH_WND = 65;
inline constexpr u32 EVT_CANCEL_GROUP_FIGHT = 66;
inline constexpr u32 EVT_EXCHANGE_WND = 68;
inline constexpr u32 EVT_SUBWND_DONE = 69;
