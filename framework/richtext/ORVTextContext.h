// CTextContext: a rich-text document. It keeps at most 256 paragraphs (the oldest go first),
// stacks them from the top in the order added, shows the part from its origin to its end point in
// the control it is attached to, and holds one selection of text.
#pragma once

#include <cstddef>
#include <deque>
#include <memory>

#include "framework/richtext/ORVRichBlock.h"

class CORVRichParagraph;
class CORVRichTextBuilder;
class CORVSimpleBuilder2;

// A place in the document's text: a paragraph's running number and a byte offset in its text.
struct ORVTextPos {
    u32 m_nParagraph = 0;
    u32 m_nOffset = 0;
    bool operator==(const ORVTextPos&) const = default;
};

// True when a lies after b: by paragraph number, then by offset.
bool IsTextPosAfter(const ORVTextPos& a, const ORVTextPos& b);

// What a document needs of the control that shows it.
class IRichTextView {
public:
    // The document's height changed: the scroll range follows it.
    virtual void UpdateScrollRange(int docHeight) = 0;
    virtual CORVControl* GetViewCtrl() = 0;
    // The screen point at which the document's origin is shown.
    virtual ORVRichPoint GetTextScreenPos() = 0;
    // The document is going away: forget it.
    virtual void OnContextDestroyed(CTextContext* context) = 0;

protected:
    ~IRichTextView() = default;
};

class CTextContext : public CBlock {
    ORV_DECLARE_RUNTIME_CLASS(CTextContext)
public:
    static constexpr std::size_t kMaxParagraphs = 256;
    static constexpr std::size_t kSelectedTextSize = 512;   // GetSelectedText's buffer, NUL included

    CTextContext();
    ~CTextContext() override;   // tells the attached view

    void Clear() override;                        // removes every paragraph and the selection
    CORVControl* GetOwnerCtrl() override;
    ORVRichPoint GetOrigin() override { return m_Origin; }
    ORVRichPoint GetEndPoint() override { return m_EndPoint; }

    // Builds one paragraph from '#' markup, its base style in colour and the build's font, and
    // appends it. Nothing for a null text.
    void AddText(const char* text, ARGB colour = kRichAddTextColour);
    // Appends a paragraph (owned from here on): it gets the next running number and lays itself
    // out; beyond 256 paragraphs the oldest are deleted; the paragraphs are stacked again and the
    // view's scroll range follows the new height.
    void AppendParagraph(CORVRichParagraph* paragraph);

    // The document point shown at the view's top left; the visible size stays.
    void SetOrigin(int x, int y);
    // A visible size of width x height: paragraphs re-wrap when the width changed; they are
    // stacked again, the scroll range follows and the selection is cleared.
    void Resize(int width, int height);
    // Draws every paragraph that meets the visible part.
    void DrawParagraphs();

    // Selection at a view point (relative to the origin): mode 0 starts it, 1 extends it, 2 and 3
    // select nothing.
    void SelectAt(int x, int y, int mode);
    void BeginSelection(const ORVTextPos& pos);
    void ExtendSelection(const ORVTextPos& pos);
    void ClearSelection();
    bool HasSelection() const;
    // The selected bytes, paragraph after paragraph with "\n" between, in one static buffer of
    // 512 bytes (a part that would reach 512 bytes ends the text); null without a selection.
    const char* GetSelectedText();
    // The bytes [from, to) of [start, end) in paragraph number that the selection covers; false
    // when it covers none of them.
    bool GetSelectedPart(u32 paragraph, int start, int end, int& from, int& to) const;

    // Attaches the control that shows the document (null detaches).
    void SetView(IRichTextView* view) { m_pView = view; }
    IRichTextView* GetView() const { return m_pView; }

    std::deque<CORVRichParagraph*> m_dqParagraphs;   // owned, in the order added
    u32 m_nNextNumber = 0;                           // running number of the next paragraph
    ORVRichPoint m_Origin;
    ORVRichPoint m_EndPoint;
    i32 m_nLayoutValue = 0;                          // set by the windows; nothing reads it
    std::unique_ptr<CORVSimpleBuilder2> m_pBuilder;         // the '#' markup
    std::unique_ptr<CORVRichTextBuilder> m_pXmlBuilder;     // the XML form

private:
    void StackParagraphs();

    IRichTextView* m_pView = nullptr;
    bool m_bSelection = false;
    ORVTextPos m_Anchor;        // where the selection began
    ORVTextPos m_End;           // where it was extended to
    ORVTextPos m_SelStart;      // the two in document order
    ORVTextPos m_SelEnd;
};
