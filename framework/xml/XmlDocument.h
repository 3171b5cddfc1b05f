// The thin layer between the framework and the XML library (TinyXML-2). Everything that reads or
// writes an XML document goes through here: documents loaded from a file and saved back, element,
// attribute, text and comment views, and child-node iteration by kind. Text nodes are read in
// collapse-whitespace mode (leading and trailing blanks dropped, inner runs made one space).
// Bytes pass through unchanged, whatever encoding a file declares, so GBK files read and write as
// they stand. Numbers are never converted here: see XmlNumber.h.
#pragma once

#include <cstddef>
#include <memory>
#include <string>

namespace tinyxml2 {
class XMLNode;
class XMLElement;
class XMLAttribute;
class XMLText;
class XMLComment;
class XMLDocument;
}  // namespace tinyxml2

using TiXmlNode = tinyxml2::XMLNode;
using TiXmlElement = tinyxml2::XMLElement;
using TiXmlAttribute = tinyxml2::XMLAttribute;
using TiXmlText = tinyxml2::XMLText;
using TiXmlComment = tinyxml2::XMLComment;

namespace orv::xml {

// The kinds of child node the binding tells apart; declarations, unknown nodes and anything else
// are Other.
enum class NodeKind { Element, Comment, Text, Other };

// Element: its tag name ("" when it has none), the line it starts on in its document.
const char* ElementName(const TiXmlElement* element);
int ElementLine(const TiXmlElement* element);

// Attributes of an element, in document order.
const TiXmlAttribute* FirstAttribute(const TiXmlElement* element);
const TiXmlAttribute* NextAttribute(const TiXmlAttribute* attribute);
const char* AttributeName(const TiXmlAttribute* attribute);
const char* AttributeValue(const TiXmlAttribute* attribute);   // never null for a real attribute

// Sets the value of the named attribute (exact name), adding it at the end when absent.
void SetAttribute(TiXmlElement* element, const char* name, const char* value);

// Child nodes in document order, and what kind each is.
TiXmlNode* FirstChild(TiXmlElement* element);
TiXmlNode* NextSibling(TiXmlNode* node);
NodeKind KindOf(TiXmlNode* node);
TiXmlElement* AsElement(TiXmlNode* node);
TiXmlText* AsText(TiXmlNode* node);
TiXmlComment* AsComment(TiXmlNode* node);

// Child elements only, optionally only those with an exact tag name (null: any name).
TiXmlElement* FirstChildElement(TiXmlElement* element, const char* name = nullptr);
TiXmlElement* NextSiblingElement(TiXmlElement* element, const char* name = nullptr);

// The content of a text or comment node ("" when none).
const char* TextValue(const TiXmlText* text);
const char* CommentValue(const TiXmlComment* comment);

}  // namespace orv::xml

// One XML document, loaded from a file or from memory, that remembers the file it came from so
// that it can be saved back there.
class CXmlDocument {
public:
    CXmlDocument();
    ~CXmlDocument();
    CXmlDocument(const CXmlDocument&) = delete;
    CXmlDocument& operator=(const CXmlDocument&) = delete;

    // Reads and parses the whole file. False when the file is missing or not well-formed; the
    // reason is then in ErrorText(). The path is remembered either way.
    bool LoadFile(const char* path);
    // Parses len bytes of text. The document then has no file: SaveFile fails until LoadFile.
    bool Parse(const char* text, std::size_t len);
    // Writes the document to the file it was loaded from. False when that fails.
    bool SaveFile();

    // The root element, null when nothing loaded or the document has none.
    TiXmlElement* RootElement();
    bool IsLoaded() const { return m_bLoaded; }
    const std::string& GetPath() const { return m_strPath; }
    const char* ErrorText() const;

private:
    std::unique_ptr<tinyxml2::XMLDocument> m_pDoc;
    std::string m_strPath;
    bool m_bLoaded = false;
};
