// The blocks of a rich-text document. A document (CTextContext) holds paragraphs
// (CORVRichParagraph); a paragraph holds its source blocks as the builders appended them and the
// blocks laid out from them in lines: styled text runs over the paragraph's text (CTextBlock),
// images (CImageBlock, CTypeMark) and forced line breaks (CNewLineMark).
//
// How a block is measured and drawn, and how an image number becomes a picture, belongs to the
// build: those operations are defined in the build's drawing folder (ORVRichBlockDraw.cpp), never
// here.
#pragma once

#include <vector>

#include "BuildProfile.h"
#include "framework/core/OrvTypes.h"
#include "framework/core/RuntimeClass.h"
#include "framework/text/TextUtil.h"

class CORVControl;
class CORVRichParagraph;
class CTextContext;

// The least height of a laid-out text run or line, and the least side of a picture.
inline constexpr int kRichLeastBlockSide = 16;

struct ORVRichPoint {
    i32 x = 0;
    i32 y = 0;
};

class CBlock;
using CBlockList = std::vector<CBlock*>;

class CBlock : public CORVCtrlBaseTag {
    ORV_DECLARE_RUNTIME_CLASS(CBlock)
public:
    CBlock();
    ~CBlock() override;   // deletes the children
    CBlock(const CBlock&) = delete;
    CBlock& operator=(const CBlock&) = delete;

    // Positions are in document coordinates: relative to the parent, and absolute (from the
    // document's top left). Clip points are document coordinates too.
    virtual CBlock* Clone() const;                                        // 3: same class, fields copied, no children
    virtual void Clear();                                                 // 4: deletes the children
    virtual void Draw(ORVRichPoint clipFrom, ORVRichPoint clipTo);        // 5: nothing in the base
    virtual void Layout();                                                // 6: places itself in its paragraph
    virtual void CopyTo(CBlock* dst) const;                               // 7: position and size
    virtual bool HitTest(int x, int y, int mode);                         // 8: false in the base
    virtual CORVControl* GetOwnerCtrl();                                  // 9: the control showing the document
    virtual ORVRichPoint GetOrigin();                                     // 10: the document point shown at the top left
    virtual ORVRichPoint GetEndPoint();                                   // 11: origin plus the visible size
    virtual ORVRichPoint GetExtent();                                     // 12: (width, height)

    // Appends child to the back of list, owned by this block: a child that already has a parent
    // is cloned first. Returns the block appended (null when the clone failed).
    CBlock* AppendChild(CBlockList& list, CBlock* child);
    // Sets the relative position and recomputes the absolute positions of the subtree.
    void MoveTo(int x, int y);
    void UpdateAbsPos();
    // The nearest paragraph or document, this block included; null when there is none.
    CORVRichParagraph* GetParagraph();
    CTextContext* GetContext();

    int Bottom() const { return m_nY + m_nHeight; }

    // For the drawing files: the screen offset of document points (the view's text position less
    // the clip origin), and whether the block meets the visible part [clipFrom, clipTo).
    ORVRichPoint ScreenOffset(ORVRichPoint clipFrom);
    bool MeetsClip(ORVRichPoint clipFrom, ORVRichPoint clipTo) const;

    CBlock* m_pParent = nullptr;   // not owned
    i32 m_nX = 0;
    i32 m_nY = 0;
    i32 m_nWidth = 0;
    i32 m_nHeight = 0;
    i32 m_nAbsX = 0;
    i32 m_nAbsY = 0;
    CBlockList m_vChildren;        // owned
};

// A run of styled text: the bytes [m_nStart, m_nEnd) of its paragraph's text. A text block also
// serves the builders as a style record.
class CTextBlock : public CBlock {
    ORV_DECLARE_RUNTIME_CLASS(CTextBlock)
public:
    static constexpr u32 kFontMask = 0x1F;        // bits 0-4: the font
    static constexpr u32 kUnderline = 1u << 5;
    static constexpr u32 kBlink = 1u << 6;

    CTextBlock();

    // The shared default style: the build's default font, colour index 255, back index 0, no
    // underline, no blink, colour 0. Created on first use.
    static CTextBlock* GetDefaultStyle();

    void Draw(ORVRichPoint clipFrom, ORVRichPoint clipTo) override;       // ORVRichBlockDraw.cpp
    void Layout() override;
    void CopyTo(CBlock* dst) const override;
    bool HitTest(int x, int y, int mode) override;
    virtual const char* GetTextBuffer();                                  // 13: the paragraph's text ("" without one)
    // 14: covers [start, max(start, end)) of the paragraph's text (bounded by it) and takes the
    // size of that text in its font, at least the rich text's least line height.
    virtual void SetRange(int start, int end);

    int GetFont() const { return static_cast<int>(m_dwFlags & kFontMask); }
    void SetFont(int font) { m_dwFlags = (m_dwFlags & ~kFontMask) | (static_cast<u32>(font) & kFontMask); }
    void SetFlag(u32 flag, bool on) { m_dwFlags = on ? (m_dwFlags | flag) : (m_dwFlags & ~flag); }
    bool HasFlag(u32 flag) const { return (m_dwFlags & flag) != 0; }
    // Copies the style fields only.
    void CopyStyleFrom(const CTextBlock& style);

    // For the drawing files: the selected part of the run, when the document's selection covers
    // any of it, as a screen box (x, y, width, height) cut to the visible rows.
    bool GetSelectionBox(ORVRichPoint clipFrom, ORVRichPoint clipTo, int box[4]);
    // The run's bytes copied into the scratch buffer, NUL-ended.
    const char* CopyRunText();

    // The colour the run is drawn in at tick: colour 0 stands for 0x00FFFFFF; a blinking run
    // fades its alpha during the first half of every 768 ms.
    ARGB GetDrawColour(u32 tick) const;

    u32 m_dwFlags;               // font bits, underline, blink
    u8 m_byColorIndex = 255;
    u8 m_byBackIndex = 0;
    ARGB m_dwColor = 0;
    i32 m_nStart = 0;
    i32 m_nEnd = 0;
};

// A text run that names something; it adds nothing of its own.
class CNameBlock : public CTextBlock {
    ORV_DECLARE_RUNTIME_CLASS(CNameBlock)
public:
    CNameBlock() = default;
};

// A picture: image id (offset + number) of an image kind (the host's image set, or the build's
// texture group). Its size comes from the picture, each side at least 16.
class CImageBlock : public CBlock {
    ORV_DECLARE_RUNTIME_CLASS(CImageBlock)
public:
    CImageBlock();

    // Shows picture number n: id = id offset + n; the size is resolved from the picture.
    void SetImage(int number);
    // Resolves the picture of the current id and kind and takes its size (ORVRichBlockDraw.cpp).
    void ResolveImage();

    void Draw(ORVRichPoint clipFrom, ORVRichPoint clipTo) override;       // ORVRichBlockDraw.cpp
    void Layout() override;
    void CopyTo(CBlock* dst) const override;

    u16 m_wImageId = 0;
    u16 m_wKind;
    u16 m_wIdOffset = 0;
};

// The mark that opens a paragraph.
class CTypeMark : public CImageBlock {
    ORV_DECLARE_RUNTIME_CLASS(CTypeMark)
public:
    CTypeMark();
};

// Ends the current line.
class CNewLineMark : public CBlock {
    ORV_DECLARE_RUNTIME_CLASS(CNewLineMark)
public:
    CNewLineMark() = default;
    void Layout() override;
};

// The character that starts at p in the text [p, end): where the next one starts, or null when
// none starts at p (the core's bounded GBK step).
inline const char* RichNextChar(const char* p, const char* end)
{
    return GbkNextCharIn(p, end);
}

// Text metrics of rich text, defined by the build (ORVRichBlockDraw.cpp): the pixel width of the
// characters in [begin, end) in a font, and the pixel height of a line of that font.
int RichTextRangeWidth(const char* begin, const char* end, int font);
int RichTextFontHeight(int font);
