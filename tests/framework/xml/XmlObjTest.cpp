#include <gtest/gtest.h>

#include <cstring>
#include <limits>
#include <new>
#include <stdexcept>
#include <string>
#include <vector>

#include "framework/xml/XmlDocument.h"
#include "framework/xml/XmlNumber.h"
#include "framework/xml/XmlObj.h"
#include "framework/xml/XmlTestFiles.h"
#include "platform/fake/FakePlatform.h"

namespace {

// ---- a bound class and a subclass, with every value type ----

class CTestBase : public CXmlObj {
    ORV_DECLARE_XML_MAP()
public:
    std::string m_strBaseName;
    i32 m_nLevel = 0;
    std::string m_strNote;
};

class CTestRecord : public CTestBase {
    ORV_DECLARE_XML_MAP()
public:
    std::string m_strName;
    i32 m_nId = 0;
    u32 m_dwColour = 0;
    double m_dRatio = 0.0;
};

// ---- a class that records every hook and setter call in order ----

class CRecorderBase : public CXmlObj {
    ORV_DECLARE_XML_MAP()
public:
    std::vector<std::string> m_vLog;
};

void LogSetter(CXmlObj& obj, const XmlValue& value)
{
    static_cast<CRecorderBase&>(obj).m_vLog.push_back(std::string("set:") + value.pszText);
}

void ThrowingSetter(CXmlObj&, const XmlValue&)
{
    throw std::bad_alloc();
}

class CRecorder : public CRecorderBase {
    ORV_DECLARE_XML_MAP()
public:
    bool OnText(TiXmlText* text) override { return Log("text:", orv::xml::TextValue(text)); }
    bool OnComment(TiXmlComment* c) override { return Log("comment:", orv::xml::CommentValue(c)); }
    bool OnElement(TiXmlElement* e) override { return Log("element:", orv::xml::ElementName(e)); }
    void OnBeginLoad() override { Log("begin", ""); }
    void OnAttributesLoaded() override { Log("loaded", ""); }
    bool OnChildElement(TiXmlElement* e) override
    {
        const std::string name = orv::xml::ElementName(e);
        if (name == "bad") {
            XmlConversionError error("Effect", "1, 2");
            error.SetElement(e);
            throw error;
        }
        if (name == "oops") {
            throw std::runtime_error("broken record");
        }
        return Log("child:", name.c_str());
    }

private:
    bool Log(const char* what, const char* text)
    {
        m_vLog.push_back(std::string(what) + text);
        return true;
    }
};

class CThrowingRecorder : public CRecorderBase {
    ORV_DECLARE_XML_MAP()
};

}  // namespace

constinit const XmlAttrEntry CTestBase::s_XmlEntries[] = {
    XmlString<&CTestBase::m_strBaseName>("Name"),
    XmlInt<&CTestBase::m_nLevel>("Level", -1),
    XmlString<&CTestBase::m_strNote>("Note", "none"),
    XmlAttrEnd(),
};
ORV_IMPLEMENT_XML_MAP(CTestBase, CXmlObj)

constinit const XmlAttrEntry CTestRecord::s_XmlEntries[] = {
    XmlString<&CTestRecord::m_strName>("Name"),
    XmlInt<&CTestRecord::m_nId>("Id", 7),
    XmlHex<&CTestRecord::m_dwColour>("Colour"),
    XmlDouble<&CTestRecord::m_dRatio>("Ratio", 0.5),
    XmlAttrEnd(),
};
ORV_IMPLEMENT_XML_MAP(CTestRecord, CTestBase)

constinit const XmlAttrEntry CRecorderBase::s_XmlEntries[] = {
    {XML_TYPE_STRING, "B", &LogSetter, {.pszText = "baseDefault"}},
    XmlAttrEnd(),
};
ORV_IMPLEMENT_XML_MAP(CRecorderBase, CXmlObj)

constinit const XmlAttrEntry CRecorder::s_XmlEntries[] = {
    {XML_TYPE_STRING, "A", &LogSetter, {.pszText = "ownDefault"}},
    {XML_TYPE_STRING, "Unused", &LogSetter, {.pszText = "never"}},
    XmlAttrEnd(),
    {XML_TYPE_STRING, "PastTheEnd", &LogSetter, {.pszText = "never"}},
};
ORV_IMPLEMENT_XML_MAP(CRecorder, CRecorderBase)

constinit const XmlAttrEntry CThrowingRecorder::s_XmlEntries[] = {
    {XML_TYPE_STRING, "Boom", &ThrowingSetter, {.pszText = "x"}},
    {XML_TYPE_STRING, "After", &LogSetter, {.pszText = "afterDefault"}},
    XmlAttrEnd(),
};
ORV_IMPLEMENT_XML_MAP(CThrowingRecorder, CRecorderBase)

namespace {

// A parsed document of one string.
struct ParsedXml {
    explicit ParsedXml(const std::string& text) { EXPECT_TRUE(doc.Parse(text.data(), text.size())); }
    TiXmlElement* Root() { return doc.RootElement(); }
    CXmlDocument doc;
};

}  // namespace

TEST(XmlCompareName, Cases)
{
    const std::string long255(255, 'a');
    const std::string long256(256, 'a');
    const std::string long255Upper = std::string(254, 'a') + "A";
    std::string long256Upper = long256;
    long256Upper[0] = 'A';
    struct Case {
        const char* a;
        const char* b;
        bool ignoreCase;
        bool equal;
    };
    const Case cases[] = {
        {"Name", "NAME", true, true},
        {"Name", "NAME", false, false},
        {"Name", "Name", false, true},
        {"Name", "Names", true, false},
        {"", "", true, true},
        {nullptr, "a", true, false},
        {"a", nullptr, false, false},
        {nullptr, nullptr, true, false},
        {long255.c_str(), long255Upper.c_str(), true, true},
        {long256.c_str(), long256.c_str(), true, true},
        {long256.c_str(), long256Upper.c_str(), true, false},   // 256 bytes: compared unchanged
        {long256.c_str(), long255.c_str(), true, false},
        {"\x81" "A", "\x81" "a", true, false},                    // a GBK trail byte never folds
        {"\xC4\xC1" "X", "\xC4\xC1" "x", true, true},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(CXmlObj::CompareName(c.a, c.b, c.ignoreCase), c.equal)
            << (c.a ? c.a : "(null)") << " / " << (c.b ? c.b : "(null)");
    }
}

TEST(XmlCompareName, IsElementNamed)
{
    ParsedXml xml("<Style/>");
    EXPECT_TRUE(CXmlObj::IsElementNamed(xml.Root(), "style", true));
    EXPECT_FALSE(CXmlObj::IsElementNamed(xml.Root(), "style", false));
    EXPECT_FALSE(CXmlObj::IsElementNamed(xml.Root(), nullptr, true));
    EXPECT_FALSE(CXmlObj::IsElementNamed(nullptr, "Style", true));
}

TEST(XmlNumber, IntReadsLikeAtoiAndSaturates)
{
    const std::pair<const char*, i32> cases[] = {
        {"42", 42}, {"  -7x", -7}, {"\t\n+12", 12}, {"abc", 0}, {"", 0}, {nullptr, 0}, {"-", 0},
        {"2147483647", std::numeric_limits<i32>::max()},
        {"2147483648", std::numeric_limits<i32>::max()},
        {"99999999999999999999999", std::numeric_limits<i32>::max()},
        {"-2147483648", std::numeric_limits<i32>::min()},
        {"-2147483649", std::numeric_limits<i32>::min()},
        {"0x10", 0}, {"1 2", 1},
    };
    for (const auto& [text, expected] : cases) {
        EXPECT_EQ(XmlTextToInt(text), expected) << (text ? text : "(null)");
    }
}

TEST(XmlNumber, HexReadsLikeBoundedStrtoul)
{
    const std::pair<const char*, u32> cases[] = {
        {"ff00", 0xFF00u}, {"", 0u}, {"FF00FFxyz", 0xFF00FFu}, {"0x1F", 0x1Fu}, {"  0X1f", 0x1Fu},
        {"0x", 0u}, {"0xg", 0u}, {"g1", 0u}, {"FFFFFFFF", 0xFFFFFFFFu},
        {"100000000", 0xFFFFFFFFu}, {"-1", 0xFFFFFFFFu}, {"-10", 0xFFFFFFF0u},
        {"-100000000", 0xFFFFFFFFu},
    };
    for (const auto& [text, expected] : cases) {
        EXPECT_EQ(XmlTextToHex(text), expected) << text;
    }
}

TEST(XmlNumber, DoubleReadsLikeAtof)
{
    EXPECT_DOUBLE_EQ(XmlTextToDouble("1.5"), 1.5);
    EXPECT_DOUBLE_EQ(XmlTextToDouble("  -2.5e2x"), -250.0);
    EXPECT_DOUBLE_EQ(XmlTextToDouble("abc"), 0.0);
    EXPECT_DOUBLE_EQ(XmlTextToDouble("3,5"), 3.0);
    EXPECT_DOUBLE_EQ(XmlTextToDouble(nullptr), 0.0);
    // Without a "C" locale object the process's own locale ("C" here) reads the same.
    EXPECT_DOUBLE_EQ(XmlTextToDoubleWithoutCLocale("1.5"), 1.5);
    EXPECT_DOUBLE_EQ(XmlTextToDoubleWithoutCLocale(nullptr), 0.0);
}

TEST(XmlBinding, BindsThroughTheMapChainIgnoringCase)
{
    // "NAME" reaches the subclass's Name (which hides the base's), "id" the int, "COLOUR" the hex
    // entry; values convert as the C readings do; GBK bytes (a 0x5C trail byte too) pass through.
    ParsedXml xml("<rec NAME=\"乗名\" id=\" 12abc\" COLOUR=\"ff00\" ratio=\"2.5\" level=\"3\" "
                  "Unknown=\"u\"/>");
    CTestRecord rec;
    EXPECT_TRUE(rec.ParseElement(xml.Root()));
    EXPECT_EQ(rec.m_strName, "乗名");
    EXPECT_EQ(rec.m_strName.size(), 4u);
    EXPECT_EQ(rec.m_strBaseName, "");
    EXPECT_EQ(rec.m_nId, 12);
    EXPECT_EQ(rec.m_dwColour, 0xFF00u);
    EXPECT_DOUBLE_EQ(rec.m_dRatio, 2.5);
    EXPECT_EQ(rec.m_nLevel, 3);
    EXPECT_EQ(rec.m_strNote, "none");
}

TEST(XmlBinding, MissingAttributesTakeTheDefaultsOfEveryMap)
{
    ParsedXml xml("<rec Id=\"abc\" Colour=\"\"/>");
    CTestRecord rec;
    rec.m_strName = "stale";
    rec.m_nLevel = 99;
    EXPECT_TRUE(rec.ParseElement(xml.Root()));
    EXPECT_EQ(rec.m_strName, "");
    EXPECT_EQ(rec.m_nId, 0);          // "abc" reads as 0
    EXPECT_EQ(rec.m_dwColour, 0u);    // "" reads as 0
    EXPECT_DOUBLE_EQ(rec.m_dRatio, 0.5);
    EXPECT_EQ(rec.m_nLevel, -1);
    EXPECT_EQ(rec.m_strNote, "none");
}

TEST(XmlBinding, WalkOrderAndNodeKinds)
{
    // Text is whitespace-collapsed; an unknown node ("<!...>") reaches no hook.
    ParsedXml xml("<r B=\"vb\" a=\"va\"><x/><!--note-->  some   text  <!ENTITY e><y/></r>");
    CRecorder rec;
    EXPECT_TRUE(rec.ParseElement(xml.Root()));
    const std::vector<std::string> expected = {
        "begin", "set:ownDefault", "set:never", "set:baseDefault", "element:r", "set:vb", "set:va",
        "loaded", "child:x", "comment:note", "text:some text", "child:y",
    };
    EXPECT_EQ(rec.m_vLog, expected);
}

TEST(XmlBinding, NullElementStillAppliesDefaults)
{
    CRecorder rec;
    EXPECT_FALSE(rec.ParseElement(nullptr));
    const std::vector<std::string> expected = {"begin", "set:ownDefault", "set:never", "set:baseDefault"};
    EXPECT_EQ(rec.m_vLog, expected);
}

TEST(XmlBinding, SetterFailuresStayInside)
{
    orv::platform::FakePlatform fake;
    ParsedXml xml("<r Boom=\"1\" After=\"x\"/>");
    CThrowingRecorder rec;
    EXPECT_TRUE(rec.ParseElement(xml.Root()));
    // The failing default ends the defaults; the failing attribute does not stop the next one.
    EXPECT_EQ(rec.m_vLog, std::vector<std::string>{"set:x"});
    EXPECT_EQ(fake.m_vDebugLines.size(), 2u);
}

TEST(XmlBinding, RootWalkStopsAtAConversionFailure)
{
    orv::platform::FakePlatform fake;
    const std::string text = "<r>\n<x/>\n<bad/>\n<y/>\n</r>";
    CXmlDocument doc;
    ASSERT_TRUE(doc.Parse(text.data(), text.size()));
    CRecorder rec;
    EXPECT_FALSE(rec.ParseDocument(doc));
    EXPECT_EQ(rec.m_vLog.back(), "child:x");
    ASSERT_EQ(fake.m_vDebugLines.size(), 1u);
    EXPECT_NE(fake.m_vDebugLines[0].find("\"1, 2\" in attribute Effect of element <bad> (line 3)"),
              std::string::npos)
        << fake.m_vDebugLines[0];

    const std::string other = "<r><oops/><y/></r>";
    ASSERT_TRUE(doc.Parse(other.data(), other.size()));
    CRecorder rec2;
    EXPECT_FALSE(rec2.ParseDocument(doc));
    EXPECT_EQ(rec2.m_vLog.back(), "loaded");
    EXPECT_TRUE(fake.HasDebugLineContaining("broken record"));
}

TEST(XmlBinding, ConversionFailureKeepsAShortWholePiece)
{
    std::string gbk = "1";
    for (int i = 0; i < 40; ++i) {
        gbk += "名";
    }
    EXPECT_EQ(XmlConversionError("A", gbk).m_strPiece, gbk.substr(0, 63));   // no half pair
    EXPECT_EQ(XmlConversionError("A", std::string(100, 'x')).m_strPiece.size(), 64u);
    EXPECT_EQ(XmlConversionError("A", "1 2").m_strPiece, "1 2");
}

TEST(XmlDocumentAdapter, MissingAndMalformedFilesDoNotLoad)
{
    CXmlDocument doc;
    EXPECT_FALSE(doc.LoadFile("/nonexistent/orvane/none.xml"));
    EXPECT_EQ(doc.RootElement(), nullptr);
    EXPECT_FALSE(doc.SaveFile());
    EXPECT_STRNE(doc.ErrorText(), "");
    const std::string unquoted = "<r a=1/>";
    EXPECT_FALSE(doc.Parse(unquoted.data(), unquoted.size()));
    EXPECT_EQ(doc.RootElement(), nullptr);
    const std::string declOnly = "<?xml version=\"1.0\"?>";
    EXPECT_FALSE(doc.Parse(declOnly.data(), declOnly.size()) && doc.RootElement() != nullptr);
}

TEST(XmlDocumentAdapter, TextFromMemoryIsNeverSavedOverTheLastFile)
{
    XmlTempDir dir;
    const std::string path = dir.Write("settings.xml", "<config><key Name=\"A\" Value=\"1\"/></config>");
    CXmlDocument doc;
    ASSERT_TRUE(doc.LoadFile(path.c_str()));
    const std::string other = "<other/>";
    ASSERT_TRUE(doc.Parse(other.data(), other.size()));
    EXPECT_FALSE(doc.SaveFile());
    EXPECT_EQ(ReadFileBytes(path), "<config><key Name=\"A\" Value=\"1\"/></config>");
}
