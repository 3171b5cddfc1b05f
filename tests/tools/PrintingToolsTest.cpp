// The sample programs' printing tools: GBK texts decoded for a UTF-8 terminal, the frame picture's
// blending, boxes and labels, and the per-frame account of the printing host.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <climits>
#include <cstdio>
#include <fstream>
#include <string>
#include <vector>

#include "tools/FramePicture.h"
#include "tools/GbkText.h"
#include "tools/ImageCatalogue.h"
#include "tools/PictureFont.h"
#include "tools/PrintingHost.h"

namespace orv::sample {
namespace {

std::string Utf8(const char8_t* s)
{
    return reinterpret_cast<const char*>(s);
}

TEST(GbkToUtf8, DecodesCharactersAndEscapesWhatDoesNotDecode)
{
    struct Case {
        std::vector<unsigned char> gbk;
        std::string utf8;
    };
    const Case cases[] = {
        {{0xC4, 0xC1, 0xB2, 0xDD}, Utf8(u8"牧草")},
        {{'A', 0xC4, 0xC1, ' ', 'b'}, Utf8(u8"A牧 b")},
        {{'a', 0x0A, 'b', 0x7F}, "a\\x0Ab\\x7F"},
        {{'x', 0xC4}, "x\\xC4"},                           // a lone lead byte at the end
        {{0xC4, 0x00, 'A'}, "\\xC4\\x00A"},                // a lead byte before a NUL
        {{0xFF, 0x41, 'z'}, "\\xFF\\x41z"},                // no GBK character: both bytes escaped
        {{0x80, 0xC4, 0xC1}, "\\x80\\xC4\\xC1"},           // stepped as the framework steps: 80 C4, then C1 alone
        {{}, ""},
    };
    for (const Case& c : cases) {
        // Exact size: the decoder must not read past it.
        const std::vector<char> bytes(c.gbk.begin(), c.gbk.end());
        EXPECT_EQ(GbkToUtf8(std::string_view(bytes.data(), bytes.size())), c.utf8);
    }
}

TEST(GbkToCodePoints, DecodesForDrawingAndLeavesControlBytesOut)
{
    struct Case {
        std::vector<unsigned char> gbk;
        std::u32string codePoints;
    };
    const Case cases[] = {
        {{0xC4, 0xC1, 0xB2, 0xDD}, U"牧草"},
        {{'A', 0x0A, 'b', 0x7F}, U"Ab"},
        {{'x', 0xC4}, U"x\uFFFD"},                      // a lone lead byte at the end
        {{0xFF, 0x41, 'z'}, U"\uFFFDz"},                // no GBK character
        {{0xA1, 0xA4}, U"\u00B7"},                      // a two-byte UTF-8 form
        {{}, U""},
    };
    for (const Case& c : cases) {
        const std::vector<char> bytes(c.gbk.begin(), c.gbk.end());
        EXPECT_EQ(GbkToCodePoints(std::string_view(bytes.data(), bytes.size())), c.codePoints);
    }
}

// Texts are drawn as themselves with the CJK font that setup-deps.sh installs, in their colour and
// inside their measured box; without a font, as that box.
class PictureTextTest : public ::testing::Test {
protected:
    static constexpr Box kBox{10, 8, 24, 14};   // "牧草" in font 1: 2 x 12 px wide, a 14 px line

    static Canvas Paint(const char* gbk, Box box, const PictureFont* font, u32 colour = 0xFFFFFFFF)
    {
        DrawOp op;
        op.m_kind = DrawKind::Text;
        op.m_box = box;
        op.m_colour = colour;
        op.m_strText = gbk;
        return PaintFrame({op}, 60, 30, font);
    }
    // Pixels not of the background, inside and outside box.
    static std::pair<int, int> Inked(const Canvas& canvas, Box box)
    {
        int inside = 0;
        int outside = 0;
        for (int y = 0; y < canvas.Height(); ++y) {
            for (int x = 0; x < canvas.Width(); ++x) {
                if (canvas.Pixel(x, y) != (0xFF000000u | kPictureBackground)) {
                    const bool in = x >= box.x && x < box.x + box.w && y >= box.y && y < box.y + box.h;
                    ++(in ? inside : outside);
                }
            }
        }
        return {inside, outside};
    }
    static int Differing(const Canvas& a, const Canvas& b)
    {
        int n = 0;
        for (int y = 0; y < a.Height(); ++y) {
            for (int x = 0; x < a.Width(); ++x) {
                n += a.Pixel(x, y) != b.Pixel(x, y) ? 1 : 0;
            }
        }
        return n;
    }
};

TEST_F(PictureTextTest, DrawsTheTextItselfInItsBoxWithAFont)
{
    const PictureFont* font = PictureFont::Default();
#ifdef _WIN32
    if (font == nullptr) {
        GTEST_SKIP() << "no CJK font where the Windows program looks";
    }
#endif
    ASSERT_NE(font, nullptr) << "no CJK font found (scripts/setup-deps.sh installs fonts-wqy-microhei)";
    EXPECT_TRUE(font->HasGlyph(U'牧'));

    const Canvas pasture = Paint("牧草", kBox, font);
    const auto [inside, outside] = Inked(pasture, kBox);
    EXPECT_GT(inside, 40);                          // strokes ...
    EXPECT_LT(inside, kBox.w * kBox.h * 3 / 4);     // ... not a filled bar
    EXPECT_EQ(outside, 0);
    // Other characters give other strokes: the text itself is drawn, decoded from GBK.
    EXPECT_GT(Differing(pasture, Paint("木材", kBox, font)), 40);
    EXPECT_GT(Differing(pasture, Paint("\xFF\x41\xFF\x41", kBox, font)), 40);

    // In the text's colour: every pixel a blend of the background toward it, the strokes' cores
    // close to it.
    const Canvas red = Paint("木材", kBox, font, 0xFFFF0000);
    u32 reddest = 0;
    for (int y = kBox.y; y < kBox.y + kBox.h; ++y) {
        for (int x = kBox.x; x < kBox.x + kBox.w; ++x) {
            const u32 p = red.Pixel(x, y);
            const u32 r = p >> 16 & 0xFF;
            const u32 g = p >> 8 & 0xFF;
            EXPECT_TRUE(r >= 0x18 && g <= 0x18 && (p & 0xFF) == g) << x << "," << y;
            reddest = std::max(reddest, r);
        }
    }
    EXPECT_GE(reddest, 0xE0u);

    // A dark text stands on a light plate the size of its box, its strokes darker than the plate.
    const Canvas black = Paint("木材", kBox, font, 0xFF000000);
    EXPECT_EQ(Inked(black, kBox), std::make_pair(kBox.w * kBox.h, 0));
    EXPECT_GT(black.Pixel(kBox.x, kBox.y) & 0xFF, 0xA0u);
    u32 darkest = 0xFF;
    for (int y = kBox.y; y < kBox.y + kBox.h; ++y) {
        for (int x = kBox.x; x < kBox.x + kBox.w; ++x) {
            darkest = std::min(darkest, black.Pixel(x, y) & 0xFF);
        }
    }
    EXPECT_LT(darkest, 0x40u);
}

TEST_F(PictureTextTest, KeepsTheTextInsideItsBox)
{
    const PictureFont* font = PictureFont::Default();
#ifdef _WIN32
    if (font == nullptr) {
        GTEST_SKIP() << "no CJK font where the Windows program looks";
    }
#endif
    ASSERT_NE(font, nullptr);
    struct Case {
        const char* gbk;
        Box box;
    } const cases[] = {
        {"Quantity: 12345678", {5, 10, 40, 14}},   // the font's letters are wider than measured
        {"牧草牧草", {5, 10, 48, 4}},               // a line lower than the glyphs
        {"牧草", {-6, -5, 24, 14}},                 // past the canvas's corner
        {"牧草", {5, 10, 0, 14}},                   // no room at all
    };
    for (const Case& c : cases) {
        const auto [inside, outside] = Inked(Paint(c.gbk, c.box, font), c.box);
        EXPECT_EQ(outside, 0) << c.gbk;
        EXPECT_EQ(inside > 0, c.box.w > 0) << c.gbk;
    }
    // A squeezed line still shows its last character.
    const Box box{5, 10, 40, 14};
    const Canvas squeezed = Paint("Quantity: 12345678", box, font);
    int lastColumns = 0;
    for (int y = box.y; y < box.y + box.h; ++y) {
        for (int x = box.x + box.w - 4; x < box.x + box.w; ++x) {
            lastColumns += squeezed.Pixel(x, y) != (0xFF000000u | kPictureBackground) ? 1 : 0;
        }
    }
    EXPECT_GT(lastColumns, 0);
}

TEST_F(PictureTextTest, DrawsABoxWhereNoFontIsFound)
{
    const Canvas bar = Paint("牧草", kBox, nullptr);
    EXPECT_EQ(bar.Pixel(kBox.x, kBox.y), 0xFFFFFFFFu);   // outlined in the text's colour
    EXPECT_EQ(bar.Pixel(kBox.x + 5, kBox.y + 5), BlendOver(kPictureBackground, kTextFillAlpha << 24 | 0xFFFFFF));
    EXPECT_EQ(Inked(bar, kBox), std::make_pair(kBox.w * kBox.h, 0));
    PictureFont missing;
    EXPECT_FALSE(missing.Load("/nonexistent-folder/font.ttc"));
    EXPECT_EQ(Inked(Paint("牧草", kBox, &missing), kBox), std::make_pair(kBox.w * kBox.h, 0));
    const std::string notAFont = ::testing::TempDir() + "not-a-font.ttf";
    std::ofstream(notAFont) << "plain text";
    EXPECT_FALSE(missing.Load(notAFont));
    std::remove(notAFont.c_str());
}

TEST(FramePicture, BlendsColoursByTheirAlpha)
{
    EXPECT_EQ(BlendOver(0x102030, 0xFFAABBCC), 0xFFAABBCCu);
    EXPECT_EQ(BlendOver(0x102030, 0x00AABBCC), 0xFF102030u);
    // 0x40 of red over blue: red 255 * 64 / 255, blue 255 * 191 / 255, rounded.
    EXPECT_EQ(BlendOver(0x0000FF, 0x40FF0000), 0xFF4000BFu);

    Canvas canvas(4, 4, 0x000000);
    canvas.FillBox({1, 1, 2, 2}, 0x80FFFFFF);
    canvas.FillBox({2, 2, 5, 5}, 0x80FFFFFF);   // overlaps, and leaves the canvas
    EXPECT_EQ(canvas.Pixel(0, 0), 0xFF000000u);
    EXPECT_EQ(canvas.Pixel(1, 1), 0xFF808080u);
    EXPECT_EQ(canvas.Pixel(2, 2), 0xFFC0C0C0u);   // blended twice
    EXPECT_EQ(canvas.Pixel(3, 3), 0xFF808080u);
    EXPECT_EQ(canvas.Pixel(4, 4), 0u);            // outside

    canvas.FillBox({INT_MIN, INT_MIN, INT_MAX, INT_MAX}, 0xFF00FF00);   // clipped, no overflow
    canvas.OutlineBox({INT_MAX - 1, 0, INT_MAX, 3}, 0xFF00FF00);
    EXPECT_EQ(canvas.Pixel(3, 3), 0xFF808080u);
}

TEST(FramePicture, PiesGrowClockwiseFromTwelve)
{
    Canvas canvas(30, 30, 0x000000);
    canvas.Pie(15, 15, 10, 1.5708f, 0xFFFF0000);   // a quarter
    EXPECT_EQ(canvas.Pixel(20, 10), 0xFFFF0000u);
    EXPECT_EQ(canvas.Pixel(10, 10), 0xFF000000u);
    EXPECT_EQ(canvas.Pixel(20, 20), 0xFF000000u);
    EXPECT_EQ(canvas.Pixel(15, 3), 0xFF000000u);   // outside the radius
    canvas.Pie(INT_MAX, INT_MIN, INT_MAX, 7.0f, 0xFF00FF00);   // far away: nothing, no overflow
    canvas.Label(INT_MAX, 0, "93/1", 0xFF00FF00, 2);
    EXPECT_EQ(canvas.Pixel(29, 0), 0xFF000000u);
}

TEST(FramePicture, PlacesScaledImagesAndTexts)
{
    EXPECT_EQ(ScaledImageBox(10, 20, 100, 50, 0.5f, 2.0f), (Box{10, 20, 50, 100}));
    EXPECT_EQ(ScaledImageBox(0, 0, 33, 33, 0.5f, 1.0f), (Box{0, 0, 17, 33}));   // rounded
    EXPECT_EQ(ScaledImageBox(5, 5, 40, 40, -1.0f, std::nanf("")), (Box{5, 5, 0, 0}));

    EXPECT_EQ(TextBox(100, 7, 24, 14, 0), (Box{100, 7, 24, 14}));
    EXPECT_EQ(TextBox(100, 7, 24, 14, 1), (Box{88, 7, 24, 14}));
    EXPECT_EQ(TextBox(100, 7, 24, 14, 2), (Box{76, 7, 24, 14}));
    EXPECT_EQ(TextBox(100, 7, 24, 14, 5), (Box{100, 7, 24, 14}));
}

TEST(FramePicture, LabelsImageBoxesWithSetAndFrame)
{
    // "93/31" is 5 characters of 4 dots less the last space: 19 dots, 5 high, 2 px margins.
    EXPECT_EQ(LabelWidth("93/31", 2), 38);
    EXPECT_EQ(LabelScaleFor({0, 0, 42, 14}, "93/31"), 2);
    EXPECT_EQ(LabelScaleFor({0, 0, 41, 14}, "93/31"), 1);
    EXPECT_EQ(LabelScaleFor({0, 0, 23, 9}, "93/31"), 1);
    EXPECT_EQ(LabelScaleFor({0, 0, 22, 9}, "93/31"), 0);

    DrawOp image;
    image.m_kind = DrawKind::ScaledImage;
    image.m_nSet = 92;
    image.m_nFrame = 1;
    image.m_colour = 0xFFFFFFFF;
    image.m_box = ScaledImageBox(10, 10, 40, 20, 2.0f, 1.0f);
    const Canvas canvas = PaintFrame({image}, 100, 40);
    const u32 outline = BlendOver(kPictureBackground, kImageOutline);
    EXPECT_EQ(canvas.Pixel(10, 10), outline);
    EXPECT_EQ(canvas.Pixel(89, 29), outline);      // the scaled box's far corner
    EXPECT_EQ(canvas.Pixel(90, 29), 0xFF000000u | kPictureBackground);
    // '9' at scale 2 from (12, 12): its top row is three dots; '/' starts with a blank top-left dot.
    const u32 label = BlendOver(BlendOver(kPictureBackground, kImageFill), kImageOutline);
    EXPECT_EQ(canvas.Pixel(12, 12), label);
    EXPECT_EQ(canvas.Pixel(17, 13), label);
    EXPECT_EQ(canvas.Pixel(28, 12), BlendOver(kPictureBackground, kImageFill));
    EXPECT_EQ(canvas.Pixel(60, 25), BlendOver(kPictureBackground, kImageFill));
}

TEST(FramePicture, PutsLabelsWhereLaterCallsLeaveThemReadable)
{
    auto image = [](int frame, Box box) {
        DrawOp op;
        op.m_nSet = 93;
        op.m_nFrame = frame;
        op.m_colour = 0xFFFFFFFF;
        op.m_box = box;
        return op;
    };
    DrawOp text;
    text.m_kind = DrawKind::Text;
    text.m_box = {150, 80, 20, 40};
    // "93/1" at scale 2: 30 x 10 dots with a 2-pixel margin.
    const std::vector<DrawOp> ops = {
        image(1, {0, 0, 100, 50}),      // its top-left corner lies under the next image
        image(2, {0, 0, 40, 20}),
        image(3, {200, 0, 60, 40}),     // the same box as the next one: every corner covered
        image(4, {200, 0, 60, 40}),
        image(5, {150, 80, 80, 40}),    // the text covers its left corners, not its right ones
        text,
        image(6, {0, 60, 20, 6}),       // too small for a label
    };
    struct Case {
        std::size_t index;
        bool placed;
        long long x, y;
    } const cases[] = {
        {0, true, 2, 38}, {1, true, 2, 2}, {2, false, 0, 0}, {3, true, 202, 2}, {4, true, 198, 82}, {6, false, 0, 0},
    };
    for (const Case& c : cases) {
        LabelSpot spot;
        EXPECT_EQ(PlaceLabel(ops, c.index, &spot), c.placed) << c.index;
        if (c.placed) {
            EXPECT_EQ(spot.x, c.x) << c.index;
            EXPECT_EQ(spot.y, c.y) << c.index;
            EXPECT_EQ(spot.scale, 2) << c.index;
        }
    }
    LabelSpot spot;
    EXPECT_FALSE(PlaceLabel(ops, 5, &spot));    // a text has no label

    // A text drawn before a see-through image shows through it: the label keeps clear of it, and of
    // a later text that only comes within the gap; beneath a background the earlier text is hidden.
    DrawOp under = text;
    under.m_box = {2, 2, 20, 14};
    DrawOp beside = text;
    beside.m_box = {33, 40, 20, 14};   // a pixel right of a bottom-left label (x 2 to 32)
    const std::vector<DrawOp> shown = {under, image(7, {0, 0, 100, 50}), beside};
    ASSERT_TRUE(PlaceLabel(shown, 1, &spot));
    EXPECT_EQ(spot.x, 68);
    EXPECT_EQ(spot.y, 2);
    std::vector<DrawOp> hidden = shown;
    hidden[1].m_bOpaque = true;
    ASSERT_TRUE(PlaceLabel(hidden, 1, &spot));
    EXPECT_EQ(spot.x, 2);
    EXPECT_EQ(spot.y, 2);

    // Where the label covers a later text at scale 2 in every corner, it stands at scale 1.
    DrawOp right = text;
    right.m_box = {20, 0, 20, 20};
    ASSERT_TRUE(PlaceLabel({image(8, {0, 0, 40, 20}), right}, 0, &spot));
    EXPECT_EQ(spot.x, 2);
    EXPECT_EQ(spot.y, 2);
    EXPECT_EQ(spot.scale, 1);
    EXPECT_FALSE(PlaceLabel(ops, 99, &spot));

    // A background hides what lies beneath it; another image lets it show through.
    DrawOp red;
    red.m_kind = DrawKind::Fill;
    red.m_colour = 0xFFFF0000;
    red.m_box = {0, 0, 20, 20};
    DrawOp back = image(375, {0, 0, 20, 20});
    back.m_bOpaque = true;
    EXPECT_EQ(PaintFrame({red, back}, 20, 20).Pixel(10, 10), BlendOver(0xFF0000, kOpaqueImageFill));
    EXPECT_EQ(PaintFrame({red, image(301, {0, 0, 20, 20})}, 20, 20).Pixel(10, 10), BlendOver(0xFF0000, kImageFill));
}

TEST(FramePicture, WritesPng)
{
    const std::string path = ::testing::TempDir() + "frame-picture-test.png";
    Canvas canvas(3, 2, 0x123456);
    ASSERT_TRUE(canvas.WritePng(path));
    std::ifstream file(path, std::ios::binary);
    char signature[8] = {};
    file.read(signature, sizeof signature);
    EXPECT_EQ(std::string(signature, 8), std::string("\x89PNG\r\n\x1A\n", 8));
    std::remove(path.c_str());
    EXPECT_FALSE(canvas.WritePng("/nonexistent-folder/x.png"));
}

TEST(PrintingHost, MeasuresTextsAndAccountsForEachFrame)
{
    PrintingHost host;
    int w = 0;
    int h = 0;
    host.GetImageSize(9999, 93, &w, &h);
    EXPECT_EQ(w, kUnknownImageSize.w);
    EXPECT_EQ(h, kUnknownImageSize.h);

    testing::internal::CaptureStdout();
    host.Frame([&] {
        host.DrawImage(0, 0, 1, 93, 0xFFFFFFFF, 0, 0);
        host.DrawText(100, 5, "牧草", 0xFFFFFF00, 1, 0, 0, 0, 1, 0);
    });
    ASSERT_EQ(host.LastFrame().size(), 2u);
    EXPECT_EQ(host.LastFrame()[1].m_box, (Box{88, 5, 24, 14}));   // 4 bytes of font 1, centred on 100
    host.Frame([&] {
        host.DrawImage(0, 0, 1, 93, 0xFFFFFFFF, 0, 0);
        host.DrawText(100, 5, "牧草", 0xFFFFFF00, 1, 0, 0, 0, 1, 0);
    });
    host.Frame([&] {
        host.DrawImage(0, 0, 1, 93, 0xFFFFFFFF, 0, 0);
        host.DrawText(100, 5, "木材", 0xFFFFFF00, 1, 0, 0, 0, 1, 0);
    });
    // Unchanged frames of a run print as one line, before whatever the host prints next.
    auto same = [&] {
        host.DrawImage(0, 0, 1, 93, 0xFFFFFFFF, 0, 0);
        host.DrawText(100, 5, "木材", 0xFFFFFF00, 1, 0, 0, 0, 1, 0);
    };
    host.Frames(3, same);
    host.Frames(2, [&] {
        same();
        if (host.m_nFrame == 7) {
            const char request[] = "\x05\x00\x00\x00\x67\x03\x99\x00\x01\x00\x02\x00" "ab";
            host.SendToServer(request, 14);
        }
    });
    const std::string out = testing::internal::GetCapturedStdout();

    EXPECT_NE(out.find("[frame 1] 2 draw calls:\n    image 93/1 at (0,0) 800x600"), std::string::npos) << out;
    EXPECT_NE(out.find("text \"" + Utf8(u8"牧草") + "\" font 1 colour FFFFFF00, box (88,5) 24x14"), std::string::npos)
        << out;
    EXPECT_NE(out.find("[frame 2] the same 2 draw calls as frame 1\n"), std::string::npos) << out;
    EXPECT_NE(out.find("[frame 3] 2 draw calls, as frame 2 but for:\n  - text \"" + Utf8(u8"牧草")), std::string::npos)
        << out;
    EXPECT_NE(out.find("  + text \"" + Utf8(u8"木材")), std::string::npos) << out;
    EXPECT_NE(out.find("[frames 4-6] the same 2 draw calls as frame 3\n[frame 7] request, 14 bytes: 05 00"),
              std::string::npos)
        << out;
    EXPECT_NE(out.find("owner 5, main 0x367, sub 0x99, params 1 2, body 2 bytes \"ab\"\n"
                       "[frames 7-8] the same 2 draw calls as frame 6\n"),
              std::string::npos)
        << out;
}

// A frame of images of set 93, each 20 x 20 at (0, 0), untinted.
std::vector<DrawOp> Images93(std::vector<int> frames)
{
    std::vector<DrawOp> ops;
    for (int f : frames) {
        DrawOp& op = ops.emplace_back();
        op.m_nSet = 93;
        op.m_nFrame = f;
        op.m_box = {0, 0, 20, 20};
        op.m_colour = 0xFFFFFFFF;
    }
    return ops;
}

TEST(PrintingHost, ComparesFramesCallByCall)
{
    const auto frame = &Images93;
    using C = CallChange;
    struct Case {
        std::vector<int> before, now;
        std::vector<CallChange> changes;
    } const cases[] = {
        {{1, 2, 3}, {1, 2, 3}, {}},
        // a hovered picture in the middle, a tooltip gone from the end: each where it stands
        {{1, 2, 3, 4, 8, 9}, {1, 5, 3, 4}, {C{false, 1}, C{true, 1}, C{false, 4}, C{false, 5}}},
        // a window drawn before the last call, the first call changed
        {{1, 2, 3}, {7, 2, 5, 6, 3}, {C{false, 0}, C{true, 0}, C{true, 2}, C{true, 3}}},
        // a call moved to the end: lost where it was, gained where it is
        {{1, 2, 3}, {2, 3, 1}, {C{false, 0}, C{true, 2}}},
        {{}, {1}, {C{true, 0}}},
        {{1}, {}, {C{false, 0}}},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(CompareCalls(frame(c.before), frame(c.now)), c.changes) << ::testing::PrintToString(c.now);
    }

    // The account prints the changes in place, and a background is marked from the catalogue.
    PrintingHost host;
    testing::internal::CaptureStdout();
    host.Frame([&] {
        host.DrawImage(0, 0, 375, 93, 0xFFFFFFFF, 0, 0);
        host.DrawImage(10, 10, 301, 93, 0xFFFFFFFF, 0, 0);
        host.DrawImage(10, 10, 140, 93, 0xFFFFFFFF, 0, 0);
        host.DrawText(100, 5, "牧草", 0xFFFFFF00, 0, 0, 0, 0, 1, 0);
    });
    host.Frame([&] {
        host.DrawImage(0, 0, 375, 93, 0xFFFFFFFF, 0, 0);
        host.DrawImage(10, 10, 302, 93, 0xFFFFFFFF, 0, 0);
        host.DrawImage(10, 10, 140, 93, 0xFFFFFFFF, 0, 0);
    });
    const std::string out = testing::internal::GetCapturedStdout();
    EXPECT_NE(out.find("[frame 2] 3 draw calls, as frame 1 but for:\n"
                       "  - image 93/301 at (10,10) 120x130 (castle)\n"
                       "  + image 93/302 at (10,10) 120x130 (castle)\n"
                       "  - text \""),
              std::string::npos)
        << out;
    EXPECT_TRUE(host.LastFrame()[0].m_bOpaque);
    EXPECT_FALSE(host.LastFrame()[1].m_bOpaque);
}

TEST(FrameAccount, VerbosePrintsEveryChangedFrameInFull)
{
    const auto frame = &Images93;
    FrameAccount account;
    account.m_bVerbose = true;
    testing::internal::CaptureStdout();
    account.Frame(1, frame({300, 301, 302}));
    account.Frame(2, frame({300, 301, 303}));
    account.Frame(3, frame({300, 301, 303}));
    const std::string out = testing::internal::GetCapturedStdout();
    EXPECT_EQ(out,
              "[frame 1] 3 draw calls:\n"
              "    image 93/300 at (0,0) 20x20 (castle)\n"
              "    image 93/301 at (0,0) 20x20 (castle)\n"
              "    image 93/302 at (0,0) 20x20 (castle)\n"
              "[frame 2] 3 draw calls:\n"
              "    image 93/300 at (0,0) 20x20 (castle)\n"
              "    image 93/301 at (0,0) 20x20 (castle)\n"
              "    image 93/303 at (0,0) 20x20 (castle)\n"
              "[frame 3] the same 3 draw calls as frame 2\n");
}

}  // namespace
}  // namespace orv::sample
