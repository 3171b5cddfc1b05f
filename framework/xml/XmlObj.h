// XML binding: CXmlObj binds one element of an XML document to an object. Each bound class has a
// static attribute map naming its attributes, their value types, the setter that stores each one
// and its default; the map chains to the base class's map. One walker, ParseElement, applies the
// defaults, reads the element's attributes through the map chain (names compared without regard
// to ASCII case) and hands child elements, comments and text to virtual hooks.
//
// A class declares its map with ORV_DECLARE_XML_MAP() in its body and defines it in one source
// file; the tables are constant data, complete before any code runs:
//
//   constinit const XmlAttrEntry CXmlFoo::s_XmlEntries[] = {
//       XmlInt<&CXmlFoo::m_nId>("Id"),
//       XmlString<&CXmlFoo::m_strName>("Name"),
//       XmlAttrEnd(),
//   };
//   ORV_IMPLEMENT_XML_MAP(CXmlFoo, CXmlObj)
#pragma once

#include <cstdint>
#include <exception>
#include <string>
#include <string_view>
#include <type_traits>

#include "framework/core/OrvTypes.h"
#include "framework/xml/XmlDocument.h"

class CXmlObj;

// Value type of an attribute map entry.
enum XmlValueType : u32 {
    XML_TYPE_STRING = 0,
    XML_TYPE_INT = 1,
    XML_TYPE_HEX = 2,
    XML_TYPE_DOUBLE = 3,
};

// A value handed to a setter: the text for strings, the number for the other types.
union XmlValue {
    const char* pszText;
    i32 nInt;
    u32 dwHex;
    double dValue;
};

// Stores a value into one member of the bound object.
using XmlSetter = void (*)(CXmlObj& obj, const XmlValue& value);

// One attribute of a class. A table ends at the first entry whose name or setter is null.
struct XmlAttrEntry {
    constexpr XmlAttrEntry(u32 type_, const char* name_, XmlSetter setter_, XmlValue def_)
        : type(type_), name(name_), setter(setter_), def(def_), nameKey(NameKey(name_))
    {
    }

    // The length of a name and its first byte with an ASCII letter folded to lower case: names
    // with different keys never match, so most entries are passed over on this one number.
    static constexpr std::uint64_t NameKey(const char* name)
    {
        if (name == nullptr) {
            return 0;
        }
        const std::uint64_t length = std::char_traits<char>::length(name);
        const unsigned char first = static_cast<unsigned char>(name[0]);
        const unsigned char folded = (first >= 'A' && first <= 'Z') ? first + ('a' - 'A') : first;
        return (length << 8) | folded;
    }

    u32 type;                  // XmlValueType
    const char* name;          // the attribute name
    XmlSetter setter;          // stores the value into the bound member
    XmlValue def;              // the value SetDefaults gives the member
    std::uint64_t nameKey;     // NameKey(name)
};

// A class's own entries and its base class's map (null only for CXmlObj).
struct XmlAttrMap {
    const XmlAttrMap* base;
    const XmlAttrEntry* entries;
};

namespace orv::xml::detail {

template <auto Member>
struct MemberOf;
template <class C, class T, T C::*M>
struct MemberOf<M> {
    using Class = C;
    using Type = T;
};

template <auto M>
void SetString(CXmlObj& obj, const XmlValue& value)
{
    using C = typename MemberOf<M>::Class;
    static_assert(std::is_same_v<typename MemberOf<M>::Type, std::string>);
    static_cast<C&>(obj).*M = value.pszText ? value.pszText : "";
}

template <auto M>
void SetInt(CXmlObj& obj, const XmlValue& value)
{
    using C = typename MemberOf<M>::Class;
    static_assert(std::is_same_v<typename MemberOf<M>::Type, i32>);
    static_cast<C&>(obj).*M = value.nInt;
}

template <auto M>
void SetHex(CXmlObj& obj, const XmlValue& value)
{
    using C = typename MemberOf<M>::Class;
    static_assert(std::is_same_v<typename MemberOf<M>::Type, u32>);
    static_cast<C&>(obj).*M = value.dwHex;
}

template <auto M>
void SetDouble(CXmlObj& obj, const XmlValue& value)
{
    using C = typename MemberOf<M>::Class;
    static_assert(std::is_same_v<typename MemberOf<M>::Type, double>);
    static_cast<C&>(obj).*M = value.dValue;
}

}  // namespace orv::xml::detail

// Entry builders: the template argument is the member that the attribute fills.
template <auto M>
constexpr XmlAttrEntry XmlString(const char* name, const char* def = "")
{
    return {XML_TYPE_STRING, name, &orv::xml::detail::SetString<M>, XmlValue{.pszText = def}};
}
template <auto M>
constexpr XmlAttrEntry XmlInt(const char* name, i32 def = 0)
{
    return {XML_TYPE_INT, name, &orv::xml::detail::SetInt<M>, XmlValue{.nInt = def}};
}
template <auto M>
constexpr XmlAttrEntry XmlHex(const char* name, u32 def = 0)
{
    return {XML_TYPE_HEX, name, &orv::xml::detail::SetHex<M>, XmlValue{.dwHex = def}};
}
template <auto M>
constexpr XmlAttrEntry XmlDouble(const char* name, double def = 0.0)
{
    return {XML_TYPE_DOUBLE, name, &orv::xml::detail::SetDouble<M>, XmlValue{.dValue = def}};
}
constexpr XmlAttrEntry XmlAttrEnd()
{
    return {XML_TYPE_STRING, nullptr, nullptr, XmlValue{.pszText = nullptr}};
}

#define ORV_DECLARE_XML_MAP()                                                   \
public:                                                                         \
    const XmlAttrMap* GetXmlMap() const override;                               \
    static const XmlAttrMap s_XmlMap;                                           \
    static const XmlAttrEntry s_XmlEntries[];

#define ORV_IMPLEMENT_XML_MAP(cls, baseCls)                                     \
    constinit const XmlAttrMap cls::s_XmlMap = {&baseCls::s_XmlMap, cls::s_XmlEntries}; \
    const XmlAttrMap* cls::GetXmlMap() const { return &cls::s_XmlMap; }

// A number in a file that does not read as one where the data needs an exact number. Raised while
// an element is read; the root walk (CXmlObj::ParseDocument) catches it, writes a debug line
// naming the element and stops reading the file there.
class XmlConversionError : public std::exception {
public:
    XmlConversionError(const char* attribute, std::string_view piece);
    const char* what() const noexcept override { return "not a number"; }

    // Names the element being read (its tag and line); the first call wins.
    void SetElement(const TiXmlElement* element);

    std::string m_strAttribute;   // the attribute that holds the number
    std::string m_strPiece;       // the text that failed (cut to 64 bytes)
    std::string m_strElement;     // tag of the element being read, "" until known
    int m_nLine = 0;              // its line in the file
};

// The binding base. No data members.
class CXmlObj {
public:
    CXmlObj() = default;
    CXmlObj(const CXmlObj&) = default;
    CXmlObj(CXmlObj&&) = default;
    CXmlObj& operator=(const CXmlObj&) = default;
    CXmlObj& operator=(CXmlObj&&) = default;

    virtual bool OnText(TiXmlText* text);                   // slot 0: a text child
    virtual bool OnChildElement(TiXmlElement* child);       // slot 1: a child element
    virtual bool OnComment(TiXmlComment* comment);          // slot 2: a comment child
    virtual bool OnElement(TiXmlElement* self);             // slot 3: the element itself
    virtual void OnBeginLoad();                             // slot 4: before anything is read
    virtual void OnAttributesLoaded();                      // slot 5: after the attributes
    virtual void SetDefaults();                             // slot 6: the defaults of the map chain
    virtual const XmlAttrMap* GetXmlMap() const;            // slot 7: the class's own map
    virtual ~CXmlObj();

    // The walker: OnBeginLoad, SetDefaults (even for a null element), then for a non-null element
    // OnElement, every attribute in document order (ParseAttribute), OnAttributesLoaded and every
    // child node in document order by kind (element, comment, text; others skipped). False only
    // for a null element. Hook results are not used.
    bool ParseElement(TiXmlElement* element);

    // Binds one attribute: the first entry of the map chain (own map first) whose name matches
    // without regard to case. An unknown attribute is ignored. Always true.
    bool ParseAttribute(const TiXmlAttribute* attribute);

    // Walks the root element of a loaded document with ParseElement, catching whatever reading
    // raises: a conversion failure stops the walk at the element that holds it (the elements read
    // before stay) and is written as a debug line naming the document and the element. False when
    // the walk did not run to its end.
    bool ParseDocument(CXmlDocument& document);

    // Name equality. False when either is null. With ignoreCase, names shorter than 256 bytes are
    // compared with ASCII letters folded to lower case; longer names are compared unchanged.
    static bool CompareName(const char* a, const char* b, bool ignoreCase);

    // False for a null element, a null name or an element without a name; else CompareName of the
    // element's tag name and name.
    static bool IsElementNamed(const TiXmlElement* element, const char* name, bool ignoreCase);

    static const XmlAttrMap s_XmlMap;
    static const XmlAttrEntry s_XmlEntries[];
};

// The attribute's value text read as hexadecimal (XmlTextToHex); an empty value reads as 0.
u32 XmlAttributeHexValue(const TiXmlAttribute& attribute);
