// The player's Aerie settings: a few per-player switches kept in a small XML file, read on first
// use, answered from memory and written back to the file at every change. The file's root holds
// "key" elements with the attributes Index (int), Name and Value (text holding a decimal number);
// other children are ignored. A key the file lacks reads as 0 and cannot be set.
#pragma once

#include <map>
#include <memory>
#include <string>

#include "framework/xml/XmlDocument.h"
#include "framework/xml/XmlObj.h"

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
class CAerieConfig : public CXmlObj {
    ORV_DECLARE_XML_MAP()
public:
    i32 m_nIndex = 0;
    std::string m_strName;
    std::string m_strValue;

    bool OnText(TiXmlText* text) override;   // accepted, nothing kept
};

class CAerieConfigMgr final : public CXmlObj {
    ORV_DECLARE_XML_MAP()
public:
    // The one manager, created (and its file loaded from kAerieConfigPath) on the first call.
    static CAerieConfigMgr* GetSingleton();

    explicit CAerieConfigMgr(const char* path = kAerieConfigPath);
    ~CAerieConfigMgr() override;
    CAerieConfigMgr(const CAerieConfigMgr&) = delete;
    CAerieConfigMgr& operator=(const CAerieConfigMgr&) = delete;

    void OnBeginLoad() override;                          // empties the entries
    bool OnChildElement(TiXmlElement* child) override;    // "key": the first entry of a name stays

    // Empties the entries, loads the file and keeps its document for writing back. False when the
    // file is missing or not well-formed (then every read is 0 and nothing can be set).
    virtual bool Load(const char* path);

    // atoi of the entry's Value; 0 when no entry has that name.
    i32 GetValue(const std::string& name) const;

    // When an entry of that name exists: writes value in decimal into the Value of every "key"
    // element of that name, takes the element's new reading as the entry and saves the file.
    // Otherwise nothing changes and nothing is written.
    void SetValue(const std::string& name, const i32& value);

    // The confirmation rule: whether an action guarded by the confirmation key asks first.
    // AwardRefreshHint and ChangeJobHint ask when their value is above 0, the other keys when it
    // is not 0; a missing key never asks.
    bool AsksConfirmation(const std::string& key) const;
    // After the player confirmed in the box: checked (do not ask again) stores 0, else 1.
    void AnswerConfirmation(const std::string& key, bool checked);

private:
    std::map<std::string, CAerieConfig> m_mapConfig;
    std::unique_ptr<CXmlDocument> m_pDoc;
};
