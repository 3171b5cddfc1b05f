#include "aerie/state/AerieRequest.h"

#include <cstring>

#include "aerie/state/AerieDataMgr.h"
#include "aerie/state/AerieEvents.h"
#include "framework/core/DebugLog.h"
#include "framework/core/GameHooks.h"
#include "framework/core/ORVCallBack.h"
#include "framework/widgets/ORVToolTip.h"
#include "framework/window/ORVMsgBox.h"

namespace {

constexpr u16 kSpeedUpCards[4] = {1, 2, 4, 16};
constexpr int kMaxFriendListMode = 2;

// Host texts (names typed by the player) are read up to kMaxHostText bytes.
std::string_view HostText(const char* text)
{
    return text != nullptr ? CountedText(text, kMaxHostText) : std::string_view();
}

void AskDiscard(const char* text, u32 topic, int value)
{
    ORVMsgBoxQueue::GetSingleton().ShowOkCancelBox(
        ORVMsg(ORV_MSG_GAMEWND, topic, static_cast<u32>(value), std::string()), ORVMsg(), text);
}

// An opened incubator with an egg; else the notice of what it lacks.
bool HoldsEggOrSays(const AerieIncubator& inc)
{
    if (!inc.IsOpened()) {
        ShowGameNotice("该孵化器还未开启");
        return false;
    }
    if (inc.GetEggType() == 0) {
        ShowGameNotice("没有孵化蛋");
        return false;
    }
    return true;
}

}  // namespace

CAerieRequest& CAerieRequest::GetSingleton()
{
    static CAerieRequest s_Request;
    return s_Request;
}

NetMsgHeader CAerieRequest::Header(u16 sub, u16 p1, u16 p2, u32 owner)
{
    NetMsgHeader h;
    h.m_dwOwnerId = owner;
    h.m_wSubId = sub;
    h.m_wParam1 = p1;
    h.m_wParam2 = p2;
    return h;
}

namespace {

// The header and bodyLen bytes of body in one string, handed to the host in one call.
void Transmit(const NetMsgHeader& header, const char* body, std::size_t bodyLen)
{
    CHostCallBackGuard* cb = ORVCallBack();
    if (cb == nullptr) {
        DebugLog("Error,Aerie request 0x%X dropped: no callback\n", header.m_wSubId);
        return;
    }
    std::string bytes;
    bytes.reserve(kNetMsgHeaderSize + bodyLen);
    header.AppendTo(bytes);
    if (bodyLen > 0) {
        bytes.append(body, bodyLen);
    }
    cb->SendToServer(bytes.data(), static_cast<int>(bytes.size()));
}

}  // namespace

void CAerieRequest::Send(const NetMsgHeader& header, const char* body, int bodyLen)
{
    const bool hasText = body != nullptr && bodyLen > 0 && body[0] != '\0';
    Transmit(header, body, hasText ? static_cast<std::size_t>(bodyLen) : 0);
}

void CAerieRequest::SendWithBody(const NetMsgHeader& header, const std::string& body)
{
    Transmit(header, body.data(), body.size());
}

void CAerieRequest::SendText(const NetMsgHeader& header, std::string_view text)
{
    Send(header, text.empty() ? nullptr : text.data(), static_cast<int>(text.size()));
}

std::string_view CAerieRequest::OwnNameFor(u16 sub)
{
    const std::string_view own = GetOwnPlayerName();
    if (own.empty()) {
        DebugLog("Error,Aerie request 0x%X not sent: the host gave no player name\n", sub);
    }
    return own;
}

bool CAerieRequest::SendNamed(const NetMsgHeader& header)
{
    const std::string_view own = OwnNameFor(header.m_wSubId);
    if (own.empty()) {
        return false;
    }
    SendText(header, own);
    return true;
}

// ---- Catalogue ----

bool CAerieRequest::VisitCity(const std::string& ownerName)
{
    const std::string_view owner = CountedText(ownerName.data(), ownerName.size());
    if (owner.empty()) {
        DebugLog("Error,Aerie request 0x%X not sent: no city owner's name\n", REQ_VISIT_CITY);
        return false;
    }
    if (NewBieIsActive()) {
        ShowGameNotice("请您先完成新手任务，再去好友的琉璃台！");
        return false;
    }
    SendText(Header(REQ_VISIT_CITY), owner);
    return true;
}

bool CAerieRequest::VisitOwnCity()
{
    const std::string_view own = OwnNameFor(REQ_VISIT_CITY);
    return !own.empty() && VisitCity(std::string(own));
}

void CAerieRequest::UpgradeBuilding(u16 buildingId, u16 group) { Send(Header(REQ_UPGRADE_BUILDING, buildingId, group), nullptr, 0); }
void CAerieRequest::BuyResource(u32 amount, u16 kind) { Send(Header(REQ_BUY_RESOURCE, kind, 0, amount), nullptr, 0); }
void CAerieRequest::UpgradeScience(u16 technologyId, u16 group) { Send(Header(REQ_UPGRADE_SCIENCE, technologyId, group), nullptr, 0); }
void CAerieRequest::LeaveGame() { Send(Header(REQ_LEAVE_GAME), nullptr, 0); }
void CAerieRequest::SplitItem(u16 item, u16 count) { Send(Header(REQ_SPLIT_ITEM, item, count), nullptr, 0); }
void CAerieRequest::UpgradeMonster(u16 p1, u16 p2) { Send(Header(REQ_UPGRADE_MONSTER, p1, p2), nullptr, 0); }
void CAerieRequest::ReleaseMonster(u16 p1) { Send(Header(REQ_RELEASE_MONSTER, p1), nullptr, 0); }
void CAerieRequest::MoveMonster(u16 p1, u16 p2) { Send(Header(REQ_MOVE_MONSTER, p1, p2), nullptr, 0); }
void CAerieRequest::RefreshGroupSkill(u16 p1, u16 p2) { Send(Header(REQ_REFRESH_GROUP_SKILL, p1, p2), nullptr, 0); }

void CAerieRequest::GetMonsterAction(u16 sub, u16 p1, u16 p2)
{
    if (sub < REQ_GETMONSTER_FIRST || sub > REQ_GETMONSTER_LAST) {
        DebugLog("Error,no get-monster request 0x%X\n", sub);
        return;
    }
    Send(Header(sub, p1, p2), nullptr, 0);
}

bool CAerieRequest::StartPlunder(u32 owner, u16 p1, u16 p2) { return SendNamed(Header(REQ_START_PLUNDER, p1, p2, owner)); }
void CAerieRequest::RefreshFightAward(u32 owner, u16 p1, u16 p2) { Send(Header(REQ_REFRESH_FIGHT_AWARD, p1, p2, owner), nullptr, 0); }
bool CAerieRequest::ClaimFightReward(u16 rewardIndex) { return SendNamed(Header(REQ_CLAIM_FIGHT_REWARD, 0, rewardIndex)); }
bool CAerieRequest::ConfirmBeforeFight(u32 owner, u16 p1, u16 p2) { return SendNamed(Header(REQ_CONFIRM_BEFORE_FIGHT, p1, p2, owner)); }
bool CAerieRequest::ClaimMainMission(u16 missionId) { return SendNamed(Header(REQ_CLAIM_MAIN_MISSION, missionId)); }
bool CAerieRequest::StartDefence(u32 owner, u16 p1, u16 p2) { return SendNamed(Header(REQ_START_DEFENCE, p1, p2, owner)); }
void CAerieRequest::FetchMainMissions() { Send(Header(REQ_FETCH_MAIN_MISSIONS), nullptr, 0); }
void CAerieRequest::CancelWork(u32 owner, u16 p1, u16 p2) { Send(Header(REQ_CANCEL_WORK, p1, p2, owner), nullptr, 0); }

void CAerieRequest::SpeedUp(int option, u16 target)
{
    if (option < 0 || option > 3) {
        DebugLog("Error,speed-up option %d refused\n", option);
        return;
    }
    Send(Header(REQ_SPEED_UP, target, kSpeedUpCards[option]), nullptr, 0);
}

bool CAerieRequest::ChooseBeast(u16 p1, u16 p2) { return SendNamed(Header(REQ_CHOOSE_BEAST, p1, p2)); }
bool CAerieRequest::RegisterBeast(u16 p1, u16 p2) { return SendNamed(Header(REQ_REGISTER_BEAST, p1, p2)); }
bool CAerieRequest::ChangeBeastJob(u16 p1) { return SendNamed(Header(REQ_CHANGE_BEAST_JOB, p1)); }
void CAerieRequest::ExchangeResources(const std::string& body) { SendWithBody(Header(REQ_EXCHANGE_RESOURCES), body); }
void CAerieRequest::FinishNewbie() { Send(Header(REQ_FINISH_NEWBIE), nullptr, 0); }
void CAerieRequest::HatchFirstEggNow() { Send(Header(REQ_HATCH_FIRST_EGG_NOW), nullptr, 0); }
void CAerieRequest::TakeGiftMonsters() { Send(Header(REQ_TAKE_GIFT_MONSTERS), nullptr, 0); }

// ---- Eggs, incubators, slaves, friends, beasts ----

void CAerieRequest::EggBagAction(int slot, int action)
{
    if (slot < 0 || slot >= kAerieEggBagSlots) {
        DebugLog("Error,egg-bag slot %d refused\n", slot);
        return;
    }
    const u16 p1 = static_cast<u16>(slot);
    switch (action) {
    case kEggHatch: {
        const AerieIncubators& incubators = CAerieDataMgr::GetSingleton().GetShownCity().m_Incubators;
        if (AllIncubatorsBusy(incubators)) {
            ShowGameNotice(AllIncubatorsOpened(incubators) ? "孵化数量达到上限"
                                                   : "孵化数量达到上限，在城堡研究所研究孵化技巧可增加孵化数量。");
            return;
        }
        // The tutorial hears of the hatch only when it goes out.
        const std::string own(OwnNameFor(REQ_HATCH_EGG));
        if (own.empty()) {
            return;
        }
        NewBieOnStepEvent(kNewBieStepHatch);
        SendText(Header(REQ_HATCH_EGG, p1), own);
        break;
    }
    case kEggAskDiscard:
        AskDiscard("你确认要丢弃这颗怪物蛋吗？", EVT_DISCARD_EGG, slot);
        break;
    case kEggDiscard:
        SendNamed(Header(REQ_DISCARD_BAG_EGG, p1));
        break;
    default:
        break;
    }
}

bool CAerieRequest::IncubatorEggAction(AerieIncubators& incubators, int index, int action)
{
    const AerieIncubator* inc = incubators.At(index);
    if (inc == nullptr) {
        return false;
    }
    switch (action) {
    case kIncubatorAskDiscard:
        AskDiscard("你确认要丢弃这颗孵化蛋吗？", EVT_DISCARD_HATCHING_EGG, index);
        return true;
    case kIncubatorHireCheck:
        if (HasHiredSlave(incubators, index)) {
            ShowGameNotice("已经雇佣奴隶了");
            return false;
        }
        if (!inc->IsOpened()) {
            ShowGameNotice("该孵化器还未开启");
            return false;
        }
        if (IsIncubatorFinished(incubators, index)) {
            ShowGameNotice("已经孵化完成");
            return false;
        }
        return true;
    case kIncubatorDiscard:
        SendNamed(Header(REQ_DISCARD_INCUBATOR_EGG, static_cast<u16>(index)));
        return true;
    default:
        return false;
    }
}

void CAerieRequest::IncubatorTool(AerieIncubators& incubators, int index, int tool)
{
    const AerieIncubator* inc = incubators.At(index);
    if (inc == nullptr) {
        return;
    }
    const u16 p1 = static_cast<u16>(index);
    switch (tool) {
    case kToolSmash: {
        // Times left here are the incubator's local countdowns (GetIncubatorTimers), which run
        // down between the server's reports; the same for the anti-theft time of a steal.
        const AerieIncubatorTimer* t = GetIncubatorTimers(incubators, index);
        if (t != nullptr && t->m_dwHatchMs == 0) {
            SendNamed(Header(REQ_SMASH_EGG, p1));
        }
        break;
    }
    case kToolDiscard:
        if (HoldsEggOrSays(*inc)) {
            AskDiscard("你确认要丢弃这颗孵化蛋吗？", EVT_DISCARD_HATCHING_EGG, index);
        }
        break;
    case kToolSteal: {
        if (!HoldsEggOrSays(*inc)) {
            break;
        }
        const AerieIncubatorTimer* t = GetIncubatorTimers(incubators, index);
        if (t != nullptr && t->m_dwGuardMs > 0) {
            ShowGameNotice("顺手牵羊失败，孵化蛋正处于防盗期");
            break;
        }
        SendText(Header(REQ_STEAL_EGG, p1), CAerieDataMgr::GetSingleton().GetShownCity().m_strOwnerName);
        break;
    }
    default:
        break;
    }
}

void CAerieRequest::TreatSlaveWell(int index)
{
    if (CAerieDataMgr::GetSingleton().GetShownCity().m_Incubators.At(index) != nullptr) {
        SendNamed(Header(REQ_TREAT_SLAVE_WELL, static_cast<u16>(index)));
    }
}

void CAerieRequest::MistreatSlave(int index)
{
    if (CAerieDataMgr::GetSingleton().GetShownCity().m_Incubators.At(index) != nullptr) {
        SendNamed(Header(REQ_MISTREAT_SLAVE, static_cast<u16>(index)));
    }
}

void CAerieRequest::FetchSlaveList(std::vector<AerieSlaveEntry>& list)
{
    Send(Header(REQ_FETCH_SLAVE_LIST), nullptr, 0);
    list.clear();
}

void CAerieRequest::FindSlave(const char* name)
{
    const std::string_view text = HostText(name);
    if (text.empty()) {
        return;
    }
    SendText(Header(REQ_FIND_SLAVE), text);
}

void CAerieRequest::HireSlave(const std::vector<AerieSlaveEntry>& list, int index, u16 incubatorIndex)
{
    const AerieSlaveEntry* e = EntryAt(list, index);
    if (e == nullptr || e->GetName().empty()) {
        return;
    }
    const std::string_view own = GetOwnPlayerName();
    if (e->GetName() == own.substr(0, aerie_layout::kListNameSize)) {
        ShowGameNotice("不能雇佣自己");
        return;
    }
    SendText(Header(REQ_HIRE_SLAVE, incubatorIndex, 0, e->GetWorth()), e->GetName());
}

bool CAerieRequest::FetchFriendList(int mode)
{
    if (mode < 0 || mode > kMaxFriendListMode) {
        DebugLog("Error,friend-list mode %d refused\n", mode);
        return false;
    }
    if (!SendNamed(Header(REQ_FETCH_FRIEND_LIST, static_cast<u16>(mode)))) {
        return false;   // no answer comes: the list held stays
    }
    CAerieDataMgr::GetSingleton().m_vFriends.clear();
    return true;
}

void CAerieRequest::VisitPlayerCity(const char* name)
{
    const std::string text(HostText(name));
    VisitCity(text);
    DebugLog("访问玩家琉璃台:%s\n", text.c_str());
}

void CAerieRequest::VisitFriendCity(const std::vector<AerieFriendEntry>& list, int index)
{
    if (const AerieFriendEntry* e = EntryAt(list, index)) {
        VisitCity(std::string(e->GetName()));
    }
}

void CAerieRequest::FetchBeastList(u16 type, const char* name)
{
    const std::string text(HostText(name));
    SendText(Header(REQ_FETCH_BEAST_LIST, type), text);
    DebugLog("请求守护兽列表类型:%d|%s\n", type, text.c_str());
}

void CAerieRequest::BreedBeast(const std::vector<AerieBeastEntry>& list, int index)
{
    if (const AerieBeastEntry* e = EntryAt(list, index)) {
        SendText(Header(REQ_BREED_BEAST), e->GetName());
    }
}
