// CORVRichFill: what every rich-text builder does to the paragraph it fills. It keeps a stack of
// style records whose bottom entry is the paragraph's base style (never popped), appends text runs
// in the top style over the paragraph's text, and appends pictures and line breaks.
#pragma once

#include <memory>
#include <vector>

#include "framework/richtext/ORVRichBlock.h"

class CORVRichParagraph;

class CORVRichFill {
public:
    CORVRichFill();
    ~CORVRichFill();
    CORVRichFill(const CORVRichFill&) = delete;
    CORVRichFill& operator=(const CORVRichFill&) = delete;

    // Drops the styles and forgets the paragraph (which belongs to whoever it was handed to).
    void Reset();
    // Fills paragraph from here on, with base as the only style.
    void Start(CORVRichParagraph* paragraph, const CTextBlock& base);

    // The top style; null while the stack is empty.
    CTextBlock* Top();
    // Pushes a copy of the top style and returns it for changing; null while the stack is empty.
    CTextBlock* PushCopy();
    // Pops the top style; the base style stays.
    void Pop();
    void PopToBase();
    std::size_t Depth() const { return m_vStyles.size(); }

    // A text run of len bytes in the top style; nothing without a paragraph, a style or bytes.
    void AddRun(const char* bytes, int len);
    // A picture of the given number, of the '#' pictures' kind.
    void AddImage(int number);
    // A block appended to the paragraph as it is (owned by the paragraph from here on).
    void AddBlock(CBlock* block);

    CORVRichParagraph* Paragraph() const { return m_pParagraph; }

private:
    CORVRichParagraph* m_pParagraph = nullptr;   // being filled; not owned
    std::vector<std::unique_ptr<CTextBlock>> m_vStyles;
};
