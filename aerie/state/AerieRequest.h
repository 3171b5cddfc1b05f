// CAerieRequest: every request of the Aerie game. A request is the 12-byte header (main id 0x367,
// a sub id, an owner word that is 0 unless the request carries an amount there, two parameters)
// plus an optional body, handed to the host's SendToServer in one call. Most requests carry the
// own player's name as body; none of them goes out when the host gives no name (a debug line says
// so), and the enter request goes out only with a city owner's name. The routines of the social
// side (eggs, incubators, slaves, friends, beasts) make their checks first and refuse with a
// floating notice or ask with a message box.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "aerie/state/AerieIncubator.h"
#include "aerie/state/AerieListEntries.h"
#include "aerie/state/NetMsgHeader.h"

// Sub ids of the requests.
enum AerieRequestSub : u16 {
    REQ_VISIT_CITY = 0x00,
    REQ_UPGRADE_BUILDING = 0x01,
    REQ_BUY_RESOURCE = 0x02,
    REQ_UPGRADE_SCIENCE = 0x03,
    REQ_LEAVE_GAME = 0x06,
    REQ_SPLIT_ITEM = 0x14,
    REQ_UPGRADE_MONSTER = 0x15,
    REQ_RELEASE_MONSTER = 0x16,
    REQ_MOVE_MONSTER = 0x17,
    REQ_REFRESH_GROUP_SKILL = 0x18,
    REQ_GETMONSTER_FIRST = 0x19,
    REQ_GETMONSTER_LAST = 0x1c,
    REQ_START_PLUNDER = 0x1d,
    REQ_REFRESH_FIGHT_AWARD = 0x1e,
    REQ_CLAIM_FIGHT_REWARD = 0x1f,
    REQ_CONFIRM_BEFORE_FIGHT = 0x20,
    REQ_CLAIM_MAIN_MISSION = 0x21,
    REQ_START_DEFENCE = 0x22,
    REQ_FETCH_MAIN_MISSIONS = 0x23,
    REQ_CANCEL_WORK = 0x24,
    REQ_SPEED_UP = 0x25,
    REQ_CHOOSE_BEAST = 0x66,
    REQ_REGISTER_BEAST = 0x68,
    REQ_FETCH_BEAST_LIST = 0x69,
    REQ_BREED_BEAST = 0x6a,
    REQ_CHANGE_BEAST_JOB = 0x6b,
    REQ_HATCH_EGG = 0x6c,
    REQ_SMASH_EGG = 0x6d,
    REQ_DISCARD_INCUBATOR_EGG = 0x6e,
    REQ_FETCH_SLAVE_LIST = 0x6f,
    REQ_FIND_SLAVE = 0x70,
    REQ_HIRE_SLAVE = 0x71,
    REQ_MISTREAT_SLAVE = 0x72,
    REQ_TREAT_SLAVE_WELL = 0x73,
    REQ_FETCH_FRIEND_LIST = 0x75,
    REQ_DISCARD_BAG_EGG = 0x77,
    REQ_STEAL_EGG = 0x79,
    REQ_HATCH_FIRST_EGG_NOW = 0xca,
    REQ_FINISH_NEWBIE = 0xcb,
    REQ_TAKE_GIFT_MONSTERS = 0xcc,
    REQ_EXCHANGE_RESOURCES = 0xcd,
};

// Egg-bag actions, incubator actions and tools.
inline constexpr int kEggHatch = 0;
inline constexpr int kEggAskDiscard = 1;
inline constexpr int kEggDiscard = 3;
inline constexpr int kIncubatorAskDiscard = 1;
inline constexpr int kIncubatorHireCheck = 2;
inline constexpr int kIncubatorDiscard = 3;
inline constexpr int kToolSmash = 1;
inline constexpr int kToolDiscard = 2;
inline constexpr int kToolSteal = 3;
// The tutorial step told when the player hatches an egg.
inline constexpr u16 kNewBieStepHatch = 9;

class CAerieRequest {
public:
    static CAerieRequest& GetSingleton();

    // The header, then bodyLen bytes of body when body is neither null nor an empty C string.
    void Send(const NetMsgHeader& header, const char* body, int bodyLen);
    // The header, then the whole of body, whatever its bytes.
    void SendWithBody(const NetMsgHeader& header, const std::string& body);

    // ---- Catalogue ----
    // Where an operation answers a bool, true means the request went out.
    // An empty owner name (up to its first NUL) sends nothing.
    bool VisitCity(const std::string& ownerName);
    // The enter request for the own city.
    bool VisitOwnCity();
    void UpgradeBuilding(u16 buildingId, u16 group);
    void BuyResource(u32 amount, u16 kind);
    void UpgradeScience(u16 technologyId, u16 group);
    void LeaveGame();
    void SplitItem(u16 item, u16 count);
    void UpgradeMonster(u16 p1, u16 p2);
    void ReleaseMonster(u16 p1);
    void MoveMonster(u16 p1, u16 p2);
    void RefreshGroupSkill(u16 p1, u16 p2);
    // The get-monster window's actions, subs 0x19 to 0x1c; any other sub sends nothing.
    void GetMonsterAction(u16 sub, u16 p1, u16 p2);
    bool StartPlunder(u32 owner, u16 p1, u16 p2);
    void RefreshFightAward(u32 owner, u16 p1, u16 p2);
    bool ClaimFightReward(u16 rewardIndex);
    bool ConfirmBeforeFight(u32 owner, u16 p1, u16 p2);
    bool ClaimMainMission(u16 missionId);
    bool StartDefence(u32 owner, u16 p1, u16 p2);
    void FetchMainMissions();
    void CancelWork(u32 owner, u16 p1, u16 p2);
    // Option 0-3 sends 1, 2, 4 or 16 speed-up cards; any other option sends nothing.
    void SpeedUp(int option, u16 target);
    bool ChooseBeast(u16 p1, u16 p2);
    bool RegisterBeast(u16 p1, u16 p2);
    bool ChangeBeastJob(u16 p1);
    void ExchangeResources(const std::string& body);
    void FinishNewbie();
    void HatchFirstEggNow();
    void TakeGiftMonsters();

    // ---- Eggs, incubators, slaves, friends, beasts ----
    void EggBagAction(int slot, int action);
    // Action 2 answers whether a slave may be hired at that incubator.
    bool IncubatorEggAction(AerieIncubators& incubators, int index, int action);
    void IncubatorTool(AerieIncubators& incubators, int index, int tool);
    void TreatSlaveWell(int index);
    void MistreatSlave(int index);
    void FetchSlaveList(std::vector<AerieSlaveEntry>& list);
    void FindSlave(const char* name);
    void HireSlave(const std::vector<AerieSlaveEntry>& list, int index, u16 incubatorIndex);
    // Empties the local friend list once the request went out.
    bool FetchFriendList(int mode);
    void VisitPlayerCity(const char* name);
    void VisitFriendCity(const std::vector<AerieFriendEntry>& list, int index);
    void FetchBeastList(u16 type, const char* name);
    void BreedBeast(const std::vector<AerieBeastEntry>& list, int index);

private:
    // The own player's name for the body of request sub, read within kMaxHostText bytes; empty,
    // with a debug line that the request is not sent, when the host gives none (no callback, a
    // null or empty answer, a throw).
    static std::string_view OwnNameFor(u16 sub);
    // A header with that sub id and fields.
    static NetMsgHeader Header(u16 sub, u16 p1 = 0, u16 p2 = 0, u32 owner = 0);
    // The request with a text body (bounded; nothing appended for an empty one).
    void SendText(const NetMsgHeader& header, std::string_view text);
    // The request with the own player's name as body; nothing without a name.
    bool SendNamed(const NetMsgHeader& header);
};

// The one request maker, as the game windows reach it.
inline CAerieRequest& Request() { return CAerieRequest::GetSingleton(); }
