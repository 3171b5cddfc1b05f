// The player's Aerie settings: a few per-player switches kept in a small key file (XmlKeyConfig.h),
// read on first use, answered from memory and written back to the file at every change.
#pragma once

#include <string>

#include "framework/xml/XmlKeyConfig.h"

// Where the game keeps the settings, relative to the host's working directory.
inline constexpr const char kAerieConfigPath[] = "../data/help/aerieconfig.xml";

// The keys the game uses (spelled as the file spells them).
namespace AerieConfigKey {
inline constexpr const char AddPointTip[] = "AddPointTip";                 // buying refresh points
inline constexpr const char CommonRefurbish[] = "CommonRefurbish";         // common monster refresh
inline constexpr const char SeniorRefurbish[] = "SeniorRefurbish";         // senior monster refresh
inline constexpr const char AerieBuildingLevelShow[] = "AerieBuildingLevelShow";  // a switch
inline constexpr const char AwardRefreshHint[] = "AwardRefreshHint";       // paid fight-award refresh
inline constexpr const char ChangeJobHint[] = "ChangeJobHint";             // beast job-change card
inline constexpr const char ProductCommonRefurbish[] = "ProductCommonRefurbish";
inline constexpr const char ProductSeniornRefurbish[] = "ProductSeniornRefurbish";
inline constexpr const char CreateCommonRefurbish[] = "CreateCommonRefurbish";
inline constexpr const char CreateSeniorRefurbish[] = "CreateSeniorRefurbish";
inline constexpr const char FightCommonRefurbish[] = "FightCommonRefurbish";
inline constexpr const char FightSeniorRefurbish[] = "FightSeniorRefurbish";
}  // namespace AerieConfigKey

// The group-skill refresh key of group (0 production, 1 creation, 2 fight) and kind (0 common,
// 1 senior); null outside those ranges.
const char* GetGroupSkillRefreshKey(int group, int kind);

// One "key" element.
using CAerieConfig = CXmlKeyConfig;

class CAerieConfigMgr final : public CXmlKeyConfigMgr {
public:
    // The one manager, created (and its file loaded from kAerieConfigPath) on the first call.
    static CAerieConfigMgr* GetSingleton();

    explicit CAerieConfigMgr(const char* path = kAerieConfigPath);
    ~CAerieConfigMgr() override;
    CAerieConfigMgr(const CAerieConfigMgr&) = delete;
    CAerieConfigMgr& operator=(const CAerieConfigMgr&) = delete;

    // The confirmation rule: whether an action guarded by the confirmation key asks first.
    // AwardRefreshHint and ChangeJobHint ask when their value is above 0, the other keys when it
    // is not 0; a missing key never asks.
    bool AsksConfirmation(const std::string& key) const;
    // After the player confirmed in the box: checked (do not ask again) stores 0, else 1.
    void AnswerConfirmation(const std::string& key, bool checked);
};
