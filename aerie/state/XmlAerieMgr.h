// The Aerie game data: buildings and their upgrades, sciences, labs and technologies, guardian
// beasts, fights, main-line missions, monsters, monster kinds, group skills and the creativity
// table, read once from one XML file into one table per kind of record, each keyed and sorted by
// the record's key. Windows and the game state look records up every frame and receive pointers
// into the tables, which never change after loading.
//
// File layout: one root element (any name) whose children are the records, recognised by their
// exact element name; unknown children are skipped. Within a table the first record of a key is
// kept and later ones are dropped. A per-level list entry that is not a number stops the reading
// at that element: everything before it stays, it and everything after it are absent.
#pragma once

#include <map>
#include <vector>

#include "aerie/state/XmlAerieRecords.h"
#include "framework/xml/XmlObj.h"

// Where the game looks for its data, relative to the host's working directory.
inline constexpr const char kAerieDataPath[] = "../data/help/aerie.xml";

class CXmlAerieMgr final : public CXmlObj {
    ORV_DECLARE_XML_MAP()
public:
    // The one manager, created (and its file loaded from kAerieDataPath) on the first call.
    static CXmlAerieMgr* GetSingleton();

    // Creates the empty tables and loads path.
    explicit CXmlAerieMgr(const char* path = kAerieDataPath);
    ~CXmlAerieMgr() override;
    CXmlAerieMgr(const CXmlAerieMgr&) = delete;
    CXmlAerieMgr& operator=(const CXmlAerieMgr&) = delete;

    // Element dispatch for the children of the root.
    bool OnChildElement(TiXmlElement* child) override;

    // Empties every table and reads the file. False when the file is missing or not well-formed
    // (the tables stay empty) or its reading stopped at a bad number (what came before stays).
    virtual bool Load(const char* path);

    // The record with that key, or null.
    const CLab* FindLab(i32 id) const;
    const CXmlBuilding* FindBuilding(i32 id) const;
    const CXmlScience* FindScience(i32 id) const;
    const CXmlFight* FindFight(i32 type) const;
    const CXmlMonster* FindMonster(i32 id) const;
    const CXmlMonGroupSkill* FindMonGroupSkill(i32 id) const;
    // In the second (female) beast table when second, else in the first (male) one.
    const CXmlBeast* FindBeast(i32 type, bool second) const;

    // The index-th beast in ascending key order of the chosen table; null when index is negative
    // or not below the table's size.
    const CXmlBeast* GetBeastByIndex(i32 index, bool second) const;
    // Name of that beast in the first table; null when absent.
    const char* GetBeastName(i32 type) const;
    // Name of that monster kind; null when absent.
    const char* GetMonsterTypeName(i32 type) const;
    // Clears out, then appends a copy of every fight of that group (1 robbery, 2 defence) in
    // ascending key order.
    void GetFightsOfGroup(i32 group, std::vector<CXmlFight>& out) const;

    // The main-line missions by Id, and their count.
    const std::map<i32, CXmlMissionMain>& GetMissionMains() const { return m_mapMissionMain; }
    i32 GetMissionMainCount() const { return static_cast<i32>(m_mapMissionMain.size()); }
    // The creativity table (empty, maximum level -1, when the file has none).
    const CXmlCreavity& GetCreavity() const { return m_Creavity; }

private:
    void Clear();

    std::map<i32, CXmlBeast> m_mapBeast;          // Sex 0
    std::map<i32, CXmlBeast> m_mapBeast2;         // any other Sex
    std::map<i32, CXmlFight> m_mapFight;
    std::map<i32, CXmlMissionMain> m_mapMissionMain;
    std::map<i32, CLab> m_mapLab;
    std::map<i32, CXmlBuilding> m_mapBuilding;
    std::map<i32, CXmlScience> m_mapScience;
    std::map<i32, CXmlMonsterType> m_mapMonsterType;
    std::map<i32, CXmlMonster> m_mapMonster;
    std::map<i32, CXmlMonGroupSkill> m_mapMonGroupSkill;
    CXmlCreavity m_Creavity;
};
