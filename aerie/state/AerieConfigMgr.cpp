#include "aerie/state/AerieConfigMgr.h"

#include "framework/core/GameHooks.h"

namespace {

constexpr const char* kGroupSkillRefreshKeys[6] = {
    AerieConfigKey::ProductCommonRefurbish, AerieConfigKey::ProductSeniornRefurbish,
    AerieConfigKey::CreateCommonRefurbish,  AerieConfigKey::CreateSeniorRefurbish,
    AerieConfigKey::FightCommonRefurbish,   AerieConfigKey::FightSeniorRefurbish,
};

// Game windows read the manager, also from their destructors: it is created before the control
// manager, so it outlives the window tree.
struct CAerieConfigMgrRegistration {
    CAerieConfigMgrRegistration() { RegisterTreeService([] { CAerieConfigMgr::GetSingleton(); }); }
};

const CAerieConfigMgrRegistration g_CAerieConfigMgrRegistration;

}  // namespace

const char* GetGroupSkillRefreshKey(int group, int kind)
{
    if (group < 0 || group > 2 || kind < 0 || kind > 1) {
        return nullptr;
    }
    return kGroupSkillRefreshKeys[group * 2 + kind];
}

CAerieConfigMgr* CAerieConfigMgr::GetSingleton()
{
    static CAerieConfigMgr s_Mgr;
    return &s_Mgr;
}

CAerieConfigMgr::CAerieConfigMgr(const char* path)
{
    Load(path);
}

CAerieConfigMgr::~CAerieConfigMgr() = default;

bool CAerieConfigMgr::AsksConfirmation(const std::string& key) const
{
    const i32 value = GetValue(key);
    if (key == AerieConfigKey::AwardRefreshHint || key == AerieConfigKey::ChangeJobHint) {
        return value > 0;
    }
    return value != 0;
}

void CAerieConfigMgr::AnswerConfirmation(const std::string& key, bool checked)
{
    SetValue(key, checked ? 0 : 1);
}
