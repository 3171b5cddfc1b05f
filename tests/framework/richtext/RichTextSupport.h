// What the rich-text tests share: a recording host and fake platform installed for the test, a
// stand-in view, runs added to paragraphs by hand, and the laid-out pieces in a form compared whole.
#pragma once

#include <gtest/gtest.h>

#include <ostream>
#include <string>
#include <vector>

#include "framework/core/ORVCallBack.h"
#include "framework/richtext/ORVRichParagraph.h"
#include "framework/richtext/ORVTextContext.h"
#include "platform/fake/FakePlatform.h"
#include "support/RecordingHost.h"

namespace orv::test {

// A view that remembers what the document told it.
class FakeRichView : public IRichTextView {
public:
    void UpdateScrollRange(int docHeight) override { m_vRanges.push_back(docHeight); }
    CORVControl* GetViewCtrl() override { return nullptr; }
    ORVRichPoint GetTextScreenPos() override { return m_ScreenPos; }
    void OnContextDestroyed(CTextContext* context) override { m_pDestroyed = context; }

    std::vector<int> m_vRanges;
    ORVRichPoint m_ScreenPos{100, 200};
    CTextContext* m_pDestroyed = nullptr;
};

// One laid-out block: 'T' a text run (its text), 'I' an image (its id).
struct Piece {
    char kind;
    std::string text;
    int x, y, w, h;
    bool operator==(const Piece&) const = default;
};

inline std::ostream& operator<<(std::ostream& out, const Piece& p)
{
    return out << p.kind << "\"" << p.text << "\"@(" << p.x << "," << p.y << " " << p.w << "x" << p.h << ")";
}

inline std::vector<Piece> Pieces(const CORVRichParagraph& paragraph)
{
    std::vector<Piece> out;
    for (CBlock* block : paragraph.m_vChildren) {
        if (block->IsKindOf(ORV_RUNTIME_CLASS(CTextBlock))) {
            auto* run = static_cast<CTextBlock*>(block);
            out.push_back({'T', paragraph.m_strText.substr(run->m_nStart, run->m_nEnd - run->m_nStart), block->m_nX,
                           block->m_nY, block->m_nWidth, block->m_nHeight});
        } else if (block->IsKindOf(ORV_RUNTIME_CLASS(CImageBlock))) {
            out.push_back({'I', std::to_string(static_cast<CImageBlock*>(block)->m_wImageId), block->m_nX,
                           block->m_nY, block->m_nWidth, block->m_nHeight});
        }
    }
    return out;
}

// Appends text to the paragraph's buffer and a run over it.
inline CTextBlock* AddRun(CORVRichParagraph& paragraph, const std::string& text, ARGB colour = 0xFF112233)
{
    const int start = paragraph.AppendText(text.data(), static_cast<int>(text.size()));
    auto* run = new CTextBlock;
    run->m_dwColor = colour;
    paragraph.AppendBlock(run);
    run->SetRange(start, start + static_cast<int>(text.size()));
    return run;
}

class RichTextTest : public ::testing::Test {
protected:
    void SetUp() override { *GetORVCallBack() = &m_Host; }
    void TearDown() override { *GetORVCallBack() = nullptr; }

    orv::platform::FakePlatform m_Fake;
    RecordingHost m_Host;
};

}  // namespace orv::test
