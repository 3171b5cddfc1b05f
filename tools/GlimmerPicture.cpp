#include "tools/GlimmerPicture.h"

#include <algorithm>
#include <climits>
#include <cstdint>
#include <cstdio>
#include <map>
#include <utility>

#include "glimmer/Glimmer.h"
#include "tools/GbkText.h"

namespace orv::sample {

namespace {

// The i-th integer argument of a call, 0 when the call has fewer, clamped into int.
int Arg(const glimmer_test::Call& call, std::size_t i)
{
    if (i >= call.ints.size()) {
        return 0;
    }
    return static_cast<int>(std::clamp<long long>(call.ints[i], INT_MIN, INT_MAX));
}

u32 Colour(const glimmer_test::Call& call, std::size_t i)
{
    return i < call.ints.size() ? static_cast<u32>(call.ints[i]) : 0;
}

// The box between two corners, the second exclusive; empty when they are the wrong way round.
Box Corners(long long x1, long long y1, long long x2, long long y2)
{
    const auto clampInt = [](long long v) { return static_cast<int>(std::clamp<long long>(v, INT_MIN, INT_MAX)); };
    return {clampInt(x1), clampInt(y1), clampInt(std::max(0LL, x2 - x1)), clampInt(std::max(0LL, y2 - y1))};
}

Box Intersect(const Box& a, const Box& b)
{
    const long long left = std::max<long long>(a.x, b.x);
    const long long top = std::max<long long>(a.y, b.y);
    const long long right = std::min<long long>(static_cast<long long>(a.x) + a.w, static_cast<long long>(b.x) + b.w);
    const long long bottom = std::min<long long>(static_cast<long long>(a.y) + a.h, static_cast<long long>(b.y) + b.h);
    return Corners(left, top, std::max(left, right), std::max(top, bottom));
}

void AddImage(std::vector<DrawOp>& ops, int x, int y, int group, int id, u32 colour)
{
    int w = 0;
    int h = 0;
    g_TexMgr.GetTextureOriginSize(static_cast<std::uint16_t>(group), static_cast<std::uint16_t>(id), w, h);
    DrawOp& op = ops.emplace_back();
    op.m_kind = DrawKind::Image;
    op.m_box = {x, y, w, h};
    op.m_colour = colour;
    op.m_nSet = group;
    op.m_nFrame = id;
    op.m_bOpaque = GlimmerTextureOpaque(group, id);
}

void AddText(std::vector<DrawOp>& ops, int x, int y, const std::string& text, u32 colour, int size, int height)
{
    const long long width = static_cast<long long>(text.size()) * std::max(size / 2, 0);
    DrawOp& op = ops.emplace_back();
    op.m_kind = DrawKind::Text;
    op.m_box = {x, y, static_cast<int>(std::min<long long>(width, INT_MAX)), std::max(height, 0)};
    op.m_colour = colour;
    op.m_nFont = size;
    op.m_strText = text;
}

void AddFill(std::vector<DrawOp>& ops, const Box& box, u32 colour)
{
    DrawOp& op = ops.emplace_back();
    op.m_kind = DrawKind::Fill;
    op.m_box = box;
    op.m_colour = colour;
}

// A frame of that width: nested one-pixel frames, each a pixel inside the last.
void AddFrame(std::vector<DrawOp>& ops, Box box, u32 colour, int width)
{
    for (int i = 0; i < std::max(width, 1) && box.w > 0 && box.h > 0; ++i) {
        DrawOp& op = ops.emplace_back();
        op.m_kind = DrawKind::RectFrame;
        op.m_box = box;
        op.m_colour = colour;
        box = {box.x + 1, box.y + 1, box.w - 2, box.h - 2};
    }
}

}  // namespace

std::vector<DrawOp> GlimmerFrameToDrawOps(const std::vector<glimmer_test::Call>& frame)
{
    return GlimmerFrameToDrawOps(std::span<const glimmer_test::Call>(frame));
}

std::vector<DrawOp> GlimmerFrameToDrawOps(std::span<const glimmer_test::Call> frame)
{
    std::vector<DrawOp> ops;
    for (const glimmer_test::Call& c : frame) {
        const std::string& op = c.op;
        if (op == "DrawTex") {                // x, y, argb, group, id, frame
            AddImage(ops, Arg(c, 0), Arg(c, 1), Arg(c, 3), Arg(c, 4), Colour(c, 2));
        } else if (op == "DrawTexture") {     // x, y, id, group, argb, flag
            AddImage(ops, Arg(c, 0), Arg(c, 1), Arg(c, 3), Arg(c, 2), Colour(c, 4));
        } else if (op == "DrawTextureZoom") { // x, y, id, group, argb, flag, has clip[, l, t, r, b]; sx, sy
            AddImage(ops, Arg(c, 0), Arg(c, 1), Arg(c, 3), Arg(c, 2), Colour(c, 4));
            DrawOp& image = ops.back();
            image.m_kind = DrawKind::ScaledImage;
            image.m_fScaleX = c.floats.size() > 0 ? static_cast<float>(c.floats[0]) : 1.0f;
            image.m_fScaleY = c.floats.size() > 1 ? static_cast<float>(c.floats[1]) : 1.0f;
            image.m_box = ScaledImageBox(image.m_box.x, image.m_box.y, image.m_box.w, image.m_box.h,
                                         image.m_fScaleX, image.m_fScaleY);
            if (Arg(c, 6) != 0 && c.ints.size() >= 11) {
                image.m_box = Intersect(image.m_box, Corners(c.ints[7], c.ints[8], c.ints[9], c.ints[10]));
            }
        } else if (op == "DrawTextA" || op == "DrawTextA8") {  // x, y, argb, size, ...
            AddText(ops, Arg(c, 0), Arg(c, 1), c.text, Colour(c, 2), Arg(c, 3), Arg(c, 3));
        } else if (op == "DrawTextPart") {    // x, y, argb, cut, size, ...
            AddText(ops, Arg(c, 0), Arg(c, 1), c.text, Colour(c, 2), Arg(c, 4), Arg(c, 4));
        } else if (op == "DrawScrollText") {  // x, y, argb, w, h, a, size, lineHeight, ...
            const int step = Arg(c, 7);
            for (std::size_t i = 0; i < c.lines.size(); ++i) {
                const long long y = static_cast<long long>(Arg(c, 1)) + static_cast<long long>(i) * step;
                AddText(ops, Arg(c, 0), static_cast<int>(std::clamp<long long>(y, INT_MIN, INT_MAX)), c.lines[i],
                        Colour(c, 2), Arg(c, 6), step);
            }
        } else if (op == "DrawFillRect") {    // x, y, w, h, argb
            AddFill(ops, {Arg(c, 0), Arg(c, 1), std::max(Arg(c, 2), 0), std::max(Arg(c, 3), 0)}, Colour(c, 4));
        } else if (op == "DrawRectangle") {   // argb, x1, y1, x2, y2, width
            AddFrame(ops, Corners(Arg(c, 1), Arg(c, 2), Arg(c, 3), Arg(c, 4)), Colour(c, 0), Arg(c, 5));
        } else if (op == "DrawRectangleWithFrame") {  // frame argb, fill argb, x1, y1, x2, y2, width
            const Box box = Corners(Arg(c, 2), Arg(c, 3), Arg(c, 4), Arg(c, 5));
            AddFill(ops, box, Colour(c, 1));
            AddFrame(ops, box, Colour(c, 0), Arg(c, 6));
        }
    }
    return ops;
}

namespace {

struct TextureNote {
    const char* name;
    bool opaque;
};

std::map<std::pair<int, int>, TextureNote>& TextureNotes()
{
    static std::map<std::pair<int, int>, TextureNote> notes;
    return notes;
}

}  // namespace

void RegisterGlimmerTextures(std::span<const GlimmerTexture> textures)
{
    for (const GlimmerTexture& t : textures) {
        for (int id = t.first; id <= t.last; ++id) {
            glimmer_test::RegisterTexture(t.group, static_cast<std::uint16_t>(id), t.w, t.h);
            TextureNotes()[{t.group, id}] = {t.name != nullptr ? t.name : "", t.opaque};
        }
    }
}

const char* GlimmerTextureName(int group, int id)
{
    const auto it = TextureNotes().find({group, id});
    return it != TextureNotes().end() ? it->second.name : "";
}

bool GlimmerTextureOpaque(int group, int id)
{
    const auto it = TextureNotes().find({group, id});
    return it != TextureNotes().end() && it->second.opaque;
}

void GlimmerAccount::Frame(std::span<const glimmer_test::Call> calls, int number)
{
    const int previous = m_nFrame;
    m_nFrame = number > 0 ? number : m_nFrame + 1;
    if (!m_bVerbose) {
        m_Account.Frame(m_nFrame, GlimmerFrameToDrawOps(calls));
        return;
    }
    std::vector<std::string> lines;
    lines.reserve(calls.size());
    for (const glimmer_test::Call& call : calls) {
        lines.push_back(GbkToUtf8(glimmer_test::Format(call)));
    }
    if (previous > 0 && lines == m_vLastLines) {
        if (m_nRunFirst == 0) {
            m_nRunFirst = m_nFrame;
            m_nRunBase = previous;
        }
        m_nRunLast = m_nFrame;
        return;
    }
    FlushRun();
    std::printf("[frame %d] %zu renderer calls:\n", m_nFrame, lines.size());
    for (const std::string& line : lines) {
        std::printf("    %s\n", line.c_str());
    }
    m_vLastLines = std::move(lines);
}

void GlimmerAccount::FlushRun()
{
    m_Account.FlushRun();
    if (m_nRunFirst == 0) {
        return;
    }
    if (m_nRunFirst == m_nRunLast) {
        std::printf("[frame %d] the same %zu renderer calls as frame %d\n", m_nRunFirst, m_vLastLines.size(),
                    m_nRunBase);
    } else {
        std::printf("[frames %d-%d] the same %zu renderer calls as frame %d\n", m_nRunFirst, m_nRunLast,
                    m_vLastLines.size(), m_nRunBase);
    }
    m_nRunFirst = 0;
}

}  // namespace orv::sample
