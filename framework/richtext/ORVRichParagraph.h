// CORVRichParagraph: one paragraph of a rich-text document. It holds the text of all its runs in
// one buffer, the source blocks as they were appended, and the blocks laid out from them in lines
// no wider than the document: text runs wrap at character boundaries (a two-byte character stays
// whole), lines after the first start at the wrap indent, and every block of a line is moved down
// so that its bottom meets the line's bottom.
#pragma once

#include <string>

#include "framework/richtext/ORVRichBlock.h"

class CORVRichParagraph : public CBlock {
    ORV_DECLARE_RUNTIME_CLASS(CORVRichParagraph)
public:
    CORVRichParagraph();
    ~CORVRichParagraph() override;

    void Clear() override;                                          // drops the source and laid-out blocks
    void Draw(ORVRichPoint clipFrom, ORVRichPoint clipTo) override; // the laid-out blocks
    void CopyTo(CBlock* dst) const override;
    bool HitTest(int x, int y, int mode) override;                  // offered to every laid-out block; false
    virtual void LayoutLines();                                     // 13

    // Adds a source block, owned by the paragraph (cloned when it already has a parent). Returns
    // the block added.
    CBlock* AppendBlock(CBlock* block);
    // Appends bytes to the text buffer; returns the buffer's length before.
    int AppendText(const char* bytes, int len);

    // ---- Used by the blocks while they lay themselves out ----
    // Places a laid-out block at the cursor (piece: a new block, not yet owned) and moves the
    // cursor past it.
    void PlaceBlock(CBlock* piece);
    // Places a copy of a whole block (an image): on the next line first when it passes the width
    // and the line already holds something.
    void PlaceWhole(const CBlock* block);
    // Moves the cursor to the start of the next line.
    void NewLine();
    bool IsLineEmpty() const { return m_bLineEmpty; }

    std::string m_strText;       // the text of all runs
    CBlockList m_vSource;        // source blocks, as appended (owned)
    u32 m_nNumber = 0;           // running number in its document
    i32 m_nCursorX = 0;
    i32 m_nCursorY = 0;
    i32 m_nNextX = 0;            // where the next line starts
    i32 m_nNextY = 0;
    i32 m_nWrapIndent = 0;       // x of every line after the first
    i32 m_nLineSpacing = 0;      // pixels between lines

private:
    void AlignLineBottoms();
    bool m_bLineEmpty = true;
};
