// A small settings file of "key" elements: the root holds one element per setting with the
// attributes Index (int), Name and Value (text holding a decimal number); other children are
// ignored. The manager reads the file once, answers values by name from memory and writes a
// changed value back into the file at once. A key the file lacks reads as 0 and cannot be set.
#pragma once

#include <map>
#include <memory>
#include <string>

#include "framework/xml/XmlDocument.h"
#include "framework/xml/XmlObj.h"

// One "key" element.
class CXmlKeyConfig : public CXmlObj {
    ORV_DECLARE_XML_MAP()
public:
    i32 m_nIndex = 0;
    std::string m_strName;
    std::string m_strValue;
    std::string m_strText;   // the element's text, kept as read

    void OnBeginLoad() override;             // empties the text
    bool OnText(TiXmlText* text) override;   // keeps the text
};

class CXmlKeyConfigMgr : public CXmlObj {
    ORV_DECLARE_XML_MAP()
public:
    CXmlKeyConfigMgr();
    ~CXmlKeyConfigMgr() override;
    CXmlKeyConfigMgr(const CXmlKeyConfigMgr&) = delete;
    CXmlKeyConfigMgr& operator=(const CXmlKeyConfigMgr&) = delete;

    void OnBeginLoad() override;                          // empties the entries
    bool OnChildElement(TiXmlElement* child) override;    // "key": the first entry of a name stays

    // Empties the entries, loads the file and keeps its document for writing back. False when the
    // file is missing or not well-formed (then every read is 0 and nothing can be set).
    virtual bool Load(const char* path);

    // atoi of the entry's Value (saturating); 0 when no entry has that name.
    i32 GetValue(const std::string& name) const;

    // When an entry of that name exists: writes value in decimal into the Value of every "key"
    // element of that name, takes the element's new reading as the entry and saves the file
    // (a failed save leaves the file as it was). Otherwise nothing changes and nothing is written.
    void SetValue(const std::string& name, const i32& value);

private:
    std::map<std::string, CXmlKeyConfig> m_mapConfig;
    std::unique_ptr<CXmlDocument> m_pDoc;
};
