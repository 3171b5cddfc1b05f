// Rich text written as XML: text, "Style" elements that style the text inside them (attributes
// Color, Back, Font: a colour index, a back colour index and a font, -1 keeping the enclosing one;
// ULine, Blink: "On" or "1" to set, anything else to clear, absent to keep) and "Image" elements
// (attribute Id), element names in any letter case. Other elements are skipped with their contents.
//
//   <Text>plain <Style Color="3" ULine="On">styled <Image Id="12"/></Style> plain</Text>
//
// CORVRichTextBuilder fills one paragraph from such an element.
#pragma once

#include <string>

#include "framework/richtext/ORVRichFill.h"
#include "framework/xml/XmlObj.h"

class CORVRichTextBuilder;

// Reads one element's contents into a builder: its text and its Style and Image children.
class CORVRichTextParser : public CXmlObj {
    ORV_DECLARE_XML_MAP()
public:
    // The builder most recently constructed (and not yet destroyed).
    CORVRichTextParser();
    explicit CORVRichTextParser(CORVRichTextBuilder* builder);
    ~CORVRichTextParser() override;

    bool OnText(TiXmlText* text) override;
    bool OnChildElement(TiXmlElement* child) override;

    CORVRichTextBuilder* m_pBuilder = nullptr;   // not owned
};

class CStyleParser : public CORVRichTextParser {
    ORV_DECLARE_XML_MAP()
public:
    explicit CStyleParser(CORVRichTextBuilder* builder) : CORVRichTextParser(builder) {}
    ~CStyleParser() override;   // pops the style it pushed

    void OnAttributesLoaded() override;

    i32 m_nColor = -1;
    i32 m_nBack = -1;
    i32 m_nFont = -1;
    std::string m_strULine;
    std::string m_strBlink;

private:
    bool m_bPushed = false;
};

class CImageParser : public CORVRichTextParser {
    ORV_DECLARE_XML_MAP()
public:
    explicit CImageParser(CORVRichTextBuilder* builder) : CORVRichTextParser(builder) {}

    void OnAttributesLoaded() override;

    i32 m_nId = 0;
};

class CORVRichTextBuilder : public CORVRichTextParser {
    ORV_DECLARE_XML_MAP()
public:
    static constexpr int kTextSize = 1024;   // the most bytes one text node adds

    CORVRichTextBuilder();
    ~CORVRichTextBuilder() override;

    // A new paragraph of the element's contents, starting from the default style; null for a
    // null element.
    CORVRichParagraph* BuildParagraph(TiXmlElement* element);

    virtual void AddText(const char* text);              // 9: a run in the top style
    virtual void PushStyle(const CStyleParser& style);   // 10: a copy of the top style, changed
    virtual void PopStyle();                             // 11: never the base style
    virtual void AddImage(const CImageParser& image);    // 12

    CORVRichFill& Fill() { return m_Fill; }

    // The builder that parsers made without one take; cleared when it is destroyed.
    static CORVRichTextBuilder* Current();

private:
    CORVRichFill m_Fill;
};
