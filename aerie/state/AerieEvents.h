// Game events: framework message ORV_MSG_GAMEWND (0x113) whose first parameter is 0 close,
// 1 open, 2 toggle the game's window, or an update topic for the game's windows. A sender either
// posts an event (the control manager's queue, handed out on the next frame) or delivers it
// (routed at once, within the sending call); each topic's sender uses the way its topic names.
// Where a topic goes by two names, it carries the name of the window that sends it (66
// EVT_CANCEL_GROUP_FIGHT, sent by the work information control; 46 EVT_LEAVE_FOR_DEFENCE, sent
// by the mission defence item).
#pragma once

#include <string>
#include <string_view>

#include "framework/core/ORVMsg.h"

enum AerieTopic : u32 {
    EVT_CLOSE_GAMEWND = 0,
    EVT_OPEN_GAMEWND = 1,
    EVT_TOGGLE_GAMEWND = 2,
    EVT_CITY_ENTERED = 3,            // delivered after the city data, before 29 and 5
    EVT_CITY_CHANGED = 4,
    EVT_NOTICE_CHECK = 5,            // the last of the three after entering a city
    EVT_FRIEND_LIST = 6,
    EVT_BEAST_LIST = 7,
    EVT_INCUBATOR_SELECTED = 8,      // value: incubator index
    EVT_SLAVE_LIST = 9,
    EVT_EGG_ACTION = 10,             // sender: the egg item; value: 0 hatch, 1 discard
    EVT_HIRE_HELPER_OK = 11,         // value: incubator index
    EVT_HIRE_HELPER_CANCEL = 12,     // value: incubator index
    EVT_SLAVE_HIRED = 13,
    EVT_BUYRESOURCE_WND = 14,
    EVT_LVLUP_WND = 15,
    EVT_MONSTER_NOTICE = 16,
    EVT_ASK_RELEASE_MONSTER = 17,    // value: monster slot; answered with the box that posts 18
    EVT_RELEASE_MONSTER = 18,        // value: monster slot
    EVT_REFRESH_MONSTER = 19,        // value: the stack's count; text: the slot (2 bytes)
    EVT_RELEASE_NEW_MONSTER = 20,    // the get-monster window's release confirmed
    EVT_TOPUP_POINTS = 21,           // buying refresh points confirmed
    EVT_COMMON_MONSTER_REFRESH = 22,  // a common monster refresh confirmed
    EVT_SENIOR_MONSTER_REFRESH = 23,  // a senior monster refresh confirmed
    EVT_HIGH_MONSTER_REFRESH = 24,   // refreshing a high-grade monster confirmed; value: the kind
    EVT_SKILL_REFRESH = 25,          // a group-skill refresh confirmed; value: the kind
    EVT_HIGH_SKILL_REFRESH = 26,     // refreshing a high-level skill confirmed; value: the kind
    EVT_RANKLIST_CHANGED = 27,
    EVT_CITY_ENTERED_BEASTS = 29,
    EVT_BEAST_CHANGED = 31,
    EVT_INCUBATORS_CHANGED = 32,
    EVT_DISCARD_EGG = 33,            // value: egg-bag slot
    EVT_DISCARD_HATCHING_EGG = 34,   // value: incubator index
    EVT_HATCH_TOOL_OFF = 35,         // 35 and 36
    EVT_EGG_MENU_TOOL_OFF = 36,      // delivered as the egg menu opens: the tool is put away
    EVT_GETMONSTER_WND = 37,         // value: 1 open, 0 close
    EVT_FIGHTROB_WND = 38,
    EVT_FIGHTDEFEND_WND = 39,
    EVT_FIGHTINFO_WND = 40,
    EVT_CLOSE_SUBWND = 41,
    EVT_RESEND_BUILDING_UPGRADE = 43,
    EVT_RESEND_SCIENCE_UPGRADE = 44,
    EVT_MISSION_CHANGED = 45,
    EVT_LEAVE_FOR_DEFENCE = 46,
    EVT_SETTINGS_CHANGED = 47,
    EVT_FIRST_HATCH = 48,
    EVT_NEWBIE_STEP = 50,
    EVT_AWARDREFRESH_HIGH_OK = 51,   // the high-multiplier question answered OK
    EVT_AWARDREFRESH_COST_OK = 52,   // the refresh-cost question answered OK
    EVT_MAINMISSION_REWARD = 53,
    EVT_INFO_WND = 54,
    EVT_PRODUCTINFO_WND = 55,
    EVT_MAINMISSION_LIST = 56,
    EVT_SPEEDUP_WND = 57,
    EVT_CHANGE_JOB = 58,
    EVT_BUILDINGS_CHANGED = 59,
    EVT_CANCEL_FIGHT = 60,
    EVT_CLAIM_FIGHT_AWARD = 61,
    EVT_MAINMISSION_CLAIM = 62,
    EVT_SPEEDUP_ANSWER = 63,
    EVT_SPEEDUP = 64,
    EVT_AWARDREFRESH_WND = 65,
    EVT_CANCEL_GROUP_FIGHT = 66,
    EVT_FIGHT_TABLE_CHANGED = 67,
    EVT_EXCHANGE_WND = 68,
    EVT_SUBWND_DONE = 69,
    EVT_EXCHANGE = 70,
    EVT_AWARDREFRESH_CARD_OK = 71,   // value: the card (0..9)
    EVT_AWARDREFRESH_CARD_CANCEL = 72,
    EVT_AWARDREFRESH_DATA = 73,      // value: the reply's param2
};

// (ORV_MSG_CHOOSEBEAST, this): the choose-beast window's tutorial notice was read.
inline constexpr u32 kChooseBeastNoticeRead = 49;

// Posts (id, topic, value, text) to the control manager's queue with a delay of one frame.
void PostFrameworkMsg(u32 id, u32 topic, u32 value = 0, const std::string& text = std::string());
// Routes (id, topic, value, text) now.
void DeliverFrameworkMsg(u32 id, u32 topic, u32 value = 0, const std::string& text = std::string());

inline void PostGameEvent(u32 topic, u32 value = 0, const std::string& text = std::string())
{
    PostFrameworkMsg(ORV_MSG_GAMEWND, topic, value, text);
}
inline void DeliverGameEvent(u32 topic, u32 value = 0, const std::string& text = std::string())
{
    DeliverFrameworkMsg(ORV_MSG_GAMEWND, topic, value, text);
}

// Topics 45 then 4, posted: a work state, a fight mission or a reward changed the city.
inline void PostMissionAndCityChanged()
{
    PostGameEvent(EVT_MISSION_CHANGED);
    PostGameEvent(EVT_CITY_CHANGED);
}

// A floating notice of the game: white, for 150 frames.
void ShowGameNotice(std::string_view text);
// The own player's name as the host gives it (read up to kMaxHostText bytes); empty without a
// callback.
inline constexpr std::size_t kMaxHostText = 256;
std::string_view GetOwnPlayerName();
