#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "framework/core/ORVCallBack.h"
#include "framework/text/TextUtil.h"
#include "framework/text/WrappedText.h"

namespace {

// Records the images and texts drawn through the host callback.
struct Drawn {
    char kind;   // 'I' image, 'T' text
    int x, y, frame, set;
    u32 colour;
    std::string text;
    int a4, font;
    bool operator==(const Drawn&) const = default;
};

class RecordingHost final : public IORVCallBack {
public:
    std::vector<Drawn> m_vDrawn;

    void DrawImage(int x, int y, int frame, int set, u32 colour, int, int) override
    {
        m_vDrawn.push_back({'I', x, y, frame, set, colour, "", 0, 0});
    }
    void DrawText(int x, int y, const char* text, u32 colour, int, int, int, int a4, int a5, int) override
    {
        m_vDrawn.push_back({'T', x, y, 0, 0, colour, text ? text : "(null)", a4, a5});
    }
    void SendToServer(const char*, int) override {}
    void GetImageSize(int, int, int*, int*) override {}
    void DrawImageScaled(int, int, int, int, float, float, u32, int, int) override {}
    bool HitTestImage(int, int, int, int) override { return false; }
    void DrawRectFrame(u32, int, int, int, int) override {}
    void FillRect(u32, int, int, int, int) override {}
    int GetScreenWidth() override { return 800; }
    int GetScreenHeight() override { return 600; }
    const char* GetPlayerName() override { return ""; }
    IORVDrawCharacter* CreateDrawCharacter() override { return nullptr; }
    void ReleaseDrawCharacter(IORVDrawCharacter*) override {}
    void OpenPlayerRestaurant(const char*) override {}
    void OpenPlayerGarden(const char*) override {}
    void StartImageAnimation(int, int, int, int) override {}
    void Reserved17() override {}
    void StepImageAnimation(int, int) override {}
    void ResetImageAnimation(int, int, int, int) override {}
    void DrawSector(int, int, int, float, u32) override {}
    void Reserved21() override {}
    void DrawRankExtra(int, int, u16, u16, u8) override {}
    u16 GetBagItemCount(u16) override { return 0; }
    u16 GetCharacterLevel() override { return 0; }
    void NotifyGameWindow(int) override {}
    void OnMouseMove(LPARAM) override {}
    void Reserved27() override {}
    bool HasBagItem(int, int, int) override { return false; }
    void Reserved29() override {}
    void Reserved30() override {}
};

class TextDraw : public ::testing::Test {
protected:
    void SetUp() override { *GetORVCallBack() = &host; }
    void TearDown() override { *GetORVCallBack() = nullptr; }

    std::vector<Drawn> Images() const { return Only('I'); }
    std::vector<Drawn> Texts() const { return Only('T'); }
    std::vector<Drawn> Only(char kind) const
    {
        std::vector<Drawn> out;
        for (const Drawn& d : host.m_vDrawn) {
            if (d.kind == kind) {
                out.push_back(d);
            }
        }
        return out;
    }

    RecordingHost host;
};

Drawn Image(int x, int y, int frame, u32 colour = 0xFFFFFFFF)
{
    return {'I', x, y, frame, 93, colour, "", 0, 0};
}

}  // namespace

TEST_F(TextDraw, NumberAsDigitImages)
{
    DrawNumber(100, 50, -12);
    EXPECT_EQ(host.m_vDrawn, (std::vector<Drawn>{Image(100, 50, 137), Image(110, 50, 141), Image(120, 50, 142)}));
    host.m_vDrawn.clear();
    DrawNumber(0, 0, 0);
    EXPECT_EQ(host.m_vDrawn, (std::vector<Drawn>{Image(0, 0, 140)}));
}

TEST_F(TextDraw, NothingWithoutAHost)
{
    *GetORVCallBack() = nullptr;
    DrawNumber(0, 0, 5);
    DrawBubbleText(100, 100, "hint");
    CWrappedText t;
    t.SetText("abc", 100, 0xFF000000, 1);
    t.Draw(0, 0);
    DrawBubbleText(100, 100, nullptr);
    EXPECT_TRUE(host.m_vDrawn.empty());
}

TEST_F(TextDraw, BubbleAboveThePoint)
{
    // One short line: w1 = 24 -> columns (96 + 42) / 36 = 3, rows 2.
    DrawBubbleText(200, 100, "abcd");
    const int left = 200 - 3 * 36 / 5;
    const int top = 100 - 40;
    EXPECT_EQ(Images(), (std::vector<Drawn>{
                            Image(left, top, 160), Image(left + 36, top, 161), Image(left + 72, top, 162),
                            Image(left, top + 20, 166), Image(left + 36, top + 20, 167),
                            Image(left + 72, top + 20, 168), Image(200, 94, 169)}));
    // A single line above the point sits at y - 27.
    EXPECT_EQ(Texts(), (std::vector<Drawn>{{'T', 200 - 24 / 5 + 7, 73, 0, 0, 0xFF000000, "abcd", 0, 1}}));
}

TEST_F(TextDraw, BubbleFlipsBelowNearTheTop)
{
    // Two lines give 3 rows: at y = 30 the box would start above the screen.
    DrawBubbleText(200, 30, "ab\ncd");
    const std::vector<Drawn> images = Images();
    ASSERT_EQ(images.size(), 3u * 3u + 1u);
    EXPECT_EQ(images.front(), Image(200 - 3 * 36 / 5, 70, 160));
    EXPECT_EQ(images[3], Image(200 - 3 * 36 / 5, 90, 163));          // middle row, first column
    EXPECT_EQ(images.back(), Image(200, 56, 170));
    const int x0 = 200 - 12 / 5 + 7;
    EXPECT_EQ(Texts(), (std::vector<Drawn>{{'T', x0, 84, 0, 0, 0xFF000000, "ab", 0, 1},
                                           {'T', x0, 104, 0, 0, 0xFF000000, "cd", 0, 1}}));
}

TEST_F(TextDraw, BubbleLinesAboveStartFourteenBelowTheTop)
{
    DrawBubbleText(100, 300, "a\nb\nc");
    const std::vector<Drawn> texts = Texts();
    ASSERT_EQ(texts.size(), 3u);
    EXPECT_EQ(texts[0].y, 300 - 80 + 14);
    EXPECT_EQ(texts[2].y, 300 - 80 + 54);
}

TEST_F(TextDraw, BubbleCutsLongLinesWithoutSplittingAPair)
{
    const std::string pair = "\xC4\xE3";
    // 62 ASCII bytes, then a pair that would straddle the 63-byte line end.
    DrawBubbleText(100, 500, (std::string(62, 'a') + pair + std::string(63, 'b') + "c").c_str());
    std::vector<std::string> lines;
    for (const Drawn& d : Texts()) {
        lines.push_back(d.text);
    }
    EXPECT_EQ(lines, (std::vector<std::string>{std::string(62, 'a'), pair + std::string(61, 'b'), "bbc"}));
    // The first line's width sets the columns: (372 + 42) / 36 = 11.
    EXPECT_EQ(Images().size(), 11u * 4u + 1u);
}

TEST_F(TextDraw, WrappedTextDrawsEachLine)
{
    CWrappedText t;
    t.SetText("ab\ncd", 100, 0xFF123456, 2);
    t.m_bFlag = 1;
    t.Draw(10, 20);
    EXPECT_EQ(host.m_vDrawn, (std::vector<Drawn>{{'T', 10, 20, 0, 0, 0xFF123456, "ab", 1, 2},
                                                 {'T', 10, 36, 0, 0, 0xFF123456, "cd", 1, 2}}));
    host.m_vDrawn.clear();
    t.m_wLineHeight = 20;
    t.Draw(0, 0);
    EXPECT_EQ(host.m_vDrawn.back().y, 20);
}
