#include "tools/PrintingHost.h"

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <string_view>

#include "framework/core/ByteOrder.h"
#include "framework/text/TextUtil.h"
#include "tools/GbkText.h"
#include "tools/ImageCatalogue.h"

namespace orv::sample {

namespace {

constexpr int kHeaderSize = 12;
constexpr u32 kNoTint = 0xFFFFFFFF;
// Frames whose differing middles would need a larger table are taken as changed throughout.
constexpr std::size_t kMaxCompareCells = 4u << 20;

std::string Format(const char* fmt, auto... args)
{
    char line[256];
    std::snprintf(line, sizeof line, fmt, args...);
    return line;
}

void PrintCalls(const std::vector<DrawOp>& ops)
{
    for (const DrawOp& op : ops) {
        std::printf("    %s\n", DescribeDrawOp(op).c_str());
    }
}

}  // namespace

std::string DescribeDrawOp(const DrawOp& op)
{
    const Box& b = op.m_box;
    const std::string tint = op.m_colour == kNoTint ? "" : Format(" tint %08X", op.m_colour);
    const char* name = CatalogueImageName(op.m_nSet, op.m_nFrame);
    const std::string what = *name != '\0' ? Format(" (%s)", name) : " (not in the catalogue)";
    switch (op.m_kind) {
    case DrawKind::Image:
        return Format("image %d/%d at (%d,%d) %dx%d", op.m_nSet, op.m_nFrame, b.x, b.y, b.w, b.h) + what + tint;
    case DrawKind::ScaledImage:
        return Format("image %d/%d at (%d,%d) scaled %.2f x %.2f to %dx%d", op.m_nSet, op.m_nFrame, b.x, b.y,
                      static_cast<double>(op.m_fScaleX), static_cast<double>(op.m_fScaleY), b.w, b.h) +
               what + tint;
    case DrawKind::Text:
        return "text \"" + GbkToUtf8(op.m_strText) + "\"" +
               Format(" font %d colour %08X, box (%d,%d) %dx%d", op.m_nFont, op.m_colour, b.x, b.y, b.w, b.h);
    case DrawKind::RectFrame:
        return Format("frame %08X (%d,%d) %dx%d", op.m_colour, b.x, b.y, b.w, b.h);
    case DrawKind::Fill:
        return Format("fill %08X (%d,%d) %dx%d", op.m_colour, b.x, b.y, b.w, b.h);
    case DrawKind::Sector:
        return Format("pie %08X centre (%d,%d) radius %d, %.2f rad", op.m_colour, b.x, b.y, b.w,
                      static_cast<double>(op.m_fAngle));
    }
    return "?";
}

std::vector<CallChange> CompareCalls(const std::vector<DrawOp>& before, const std::vector<DrawOp>& now)
{
    // The calls both begin and end with are shared; between them a table of the longest common
    // run: common[i][j] for before[head + i..] and now[head + j..].
    std::size_t head = 0;
    while (head < before.size() && head < now.size() && before[head] == now[head]) {
        ++head;
    }
    std::size_t tail = 0;
    while (tail < before.size() - head && tail < now.size() - head &&
           before[before.size() - 1 - tail] == now[now.size() - 1 - tail]) {
        ++tail;
    }
    const std::size_t n = before.size() - head - tail;
    const std::size_t m = now.size() - head - tail;
    std::vector<CallChange> changes;
    if (n * m > kMaxCompareCells) {   // too large to compare: all of it changed
        for (std::size_t i = 0; i < n; ++i) {
            changes.push_back({false, head + i});
        }
        for (std::size_t j = 0; j < m; ++j) {
            changes.push_back({true, head + j});
        }
        return changes;
    }
    std::vector<std::size_t> common((n + 1) * (m + 1), 0);
    auto at = [&](std::size_t i, std::size_t j) -> std::size_t& { return common[i * (m + 1) + j]; };
    for (std::size_t i = n; i-- > 0;) {
        for (std::size_t j = m; j-- > 0;) {
            at(i, j) = before[head + i] == now[head + j] ? at(i + 1, j + 1) + 1 : std::max(at(i + 1, j), at(i, j + 1));
        }
    }
    // Walk it: where the calls differ, the lost ones first, then the gained ones.
    std::size_t i = 0;
    std::size_t j = 0;
    while (i < n || j < m) {
        if (i < n && j < m && before[head + i] == now[head + j]) {
            ++i;
            ++j;
        } else if (j == m || (i < n && at(i + 1, j) >= at(i, j + 1))) {
            changes.push_back({false, head + i++});
        } else {
            changes.push_back({true, head + j++});
        }
    }
    return changes;
}

PrintingHost::PrintingHost(int screenWidth, int screenHeight)
    : m_nScreenWidth(screenWidth), m_nScreenHeight(screenHeight)
{
}

void PrintingHost::BeginFrame()
{
    if (!m_vOps.empty()) {
        PrintAccount("between frames");
        m_vOps.clear();
    }
    ++m_nFrame;
}

void PrintingHost::EndFrame()
{
    PrintAccount(nullptr);
    m_vLastOps.swap(m_vOps);
    m_vOps.clear();
    m_nLastFrame = m_nFrame;
}

// The account: every call of a frame that has no frame before it or shares less than half of its
// calls with it; otherwise the calls it lost (-) and gained (+), each where it stands among the
// calls both frames share (the longest run of calls common to both, in order).
void PrintingHost::PrintAccount(const char* what)
{
    const std::vector<DrawOp>& now = m_vOps;
    const std::vector<DrawOp>& before = m_vLastOps;
    if (what != nullptr) {
        FlushRun();
        std::printf("[%s] %zu draw calls:\n", what, now.size());
        PrintCalls(now);
        return;
    }
    if (m_nLastFrame >= 0 && now == before) {
        if (m_nRunFirst == 0) {
            m_nRunFirst = m_nFrame;
            m_nRunBase = m_nLastFrame;
            m_nRunCalls = now.size();
        }
        m_nRunLast = m_nFrame;
        if (!m_bCollapse) {
            FlushRun();
        }
        return;
    }
    FlushRun();
    if (now.empty()) {
        std::printf("[frame %d] draws nothing\n", m_nFrame);
        return;
    }
    const std::vector<CallChange> changes = m_nLastFrame < 0 ? std::vector<CallChange>() : CompareCalls(before, now);
    const std::size_t gained = static_cast<std::size_t>(
        std::count_if(changes.begin(), changes.end(), [](const CallChange& c) { return c.m_bGained; }));
    if (m_nLastFrame < 0 || before.empty() || 2 * (now.size() - gained) < now.size()) {
        std::printf("[frame %d] %zu draw calls:\n", m_nFrame, now.size());
        PrintCalls(now);
        return;
    }
    std::printf("[frame %d] %zu draw calls, as frame %d but for:\n", m_nFrame, now.size(), m_nLastFrame);
    for (const CallChange& c : changes) {
        std::printf("  %c %s\n", c.m_bGained ? '+' : '-',
                    DescribeDrawOp(c.m_bGained ? now[c.m_nIndex] : before[c.m_nIndex]).c_str());
    }
}

void PrintingHost::FlushRun()
{
    if (m_nRunFirst == 0) {
        return;
    }
    const std::string frames = m_nRunFirst == m_nRunLast ? Format("frame %d", m_nRunFirst)
                                                         : Format("frames %d-%d", m_nRunFirst, m_nRunLast);
    if (m_nRunCalls == 0) {
        std::printf("[%s] %s nothing, as frame %d\n", frames.c_str(), m_nRunFirst == m_nRunLast ? "draws" : "draw",
                    m_nRunBase);
    } else {
        std::printf("[%s] the same %zu draw calls as frame %d\n", frames.c_str(), m_nRunCalls, m_nRunBase);
    }
    m_nRunFirst = 0;
}

bool PrintingHost::SavePicture(const std::string& name)
{
    FlushRun();
    std::error_code error;
    std::filesystem::create_directories(m_strPictureDir, error);
    const std::filesystem::path file = std::filesystem::path(m_strPictureDir) / (name + ".png");
    const std::string path = std::filesystem::weakly_canonical(std::filesystem::absolute(file), error).string();
    const bool written = m_nLastFrame >= 0 &&
                         PaintFrame(m_vLastOps, m_nScreenWidth, m_nScreenHeight).WritePng(path);
    if (written) {
        std::printf("[frame %d] picture written: %s\n", m_nLastFrame, path.c_str());
    } else {
        std::printf("[frame %d] picture NOT written: %s\n", m_nLastFrame, path.c_str());
    }
    return written;
}

DrawOp& PrintingHost::Record(DrawKind kind, const Box& box, u32 colour)
{
    ++m_nDrawCalls;
    DrawOp& op = m_vOps.emplace_back();
    op.m_kind = kind;
    op.m_box = box;
    op.m_colour = colour;
    return op;
}

void PrintingHost::SendToServer(const char* data, int len)
{
    const int size = data != nullptr && len > 0 ? len : 0;
    const auto* bytes = reinterpret_cast<const unsigned char*>(data);
    FlushRun();
    std::printf("[frame %d] request, %d bytes:", m_nFrame, size);
    for (int i = 0; i < size; ++i) {
        std::printf(" %02X", bytes[i]);
    }
    std::printf("\n");
    if (size < kHeaderSize) {
        std::printf("          too short for the 12-byte header\n");
        return;
    }
    const std::string_view body(data + kHeaderSize, static_cast<std::size_t>(size - kHeaderSize));
    std::printf("          owner %u, main 0x%X, sub 0x%02X, params %u %u, body %zu bytes \"%s\"\n",
                ReadLE32(bytes), unsigned{ReadLE16(bytes + 4)}, unsigned{ReadLE16(bytes + 6)},
                unsigned{ReadLE16(bytes + 8)}, unsigned{ReadLE16(bytes + 10)}, body.size(), GbkToUtf8(body).c_str());
}

void PrintingHost::GetImageSize(int frame, int set, int* w, int* h)
{
    const ImageSize size = CatalogueImageSize(set, frame);
    if (w != nullptr) *w = size.w;
    if (h != nullptr) *h = size.h;
}

void PrintingHost::DrawImage(int x, int y, int frame, int set, u32 colour, int, int)
{
    const ImageSize size = CatalogueImageSize(set, frame);
    DrawOp& op = Record(DrawKind::Image, {x, y, size.w, size.h}, colour);
    op.m_nSet = set;
    op.m_nFrame = frame;
    op.m_bOpaque = CatalogueImageOpaque(set, frame);
}

void PrintingHost::DrawImageScaled(int x, int y, int frame, int set, float sx, float sy, u32 colour, int, int)
{
    const ImageSize size = CatalogueImageSize(set, frame);
    DrawOp& op = Record(DrawKind::ScaledImage, ScaledImageBox(x, y, size.w, size.h, sx, sy), colour);
    op.m_nSet = set;
    op.m_nFrame = frame;
    op.m_bOpaque = CatalogueImageOpaque(set, frame);
    op.m_fScaleX = sx;
    op.m_fScaleY = sy;
}

// The point, relative to the image's top-left corner, hits the image's whole box.
bool PrintingHost::HitTestImage(int x, int y, int frame, int set)
{
    const ImageSize size = CatalogueImageSize(set, frame);
    return x >= 0 && y >= 0 && x < size.w && y < size.h;
}

void PrintingHost::DrawText(int x, int y, const char* text, u32 colour, int align, int, int, int, int font, int)
{
    const Box box = TextBox(x, y, GetTextWidth(text, font), TextMetrics::LineStep(font), align);
    DrawOp& op = Record(DrawKind::Text, box, colour);
    op.m_nFont = font;
    op.m_nAlign = align;
    op.m_strText = text != nullptr ? text : "";
}

void PrintingHost::DrawRectFrame(u32 colour, int x, int y, int w, int h)
{
    Record(DrawKind::RectFrame, {x, y, w, h}, colour);
}

void PrintingHost::FillRect(u32 colour, int x, int y, int w, int h)
{
    Record(DrawKind::Fill, {x, y, w, h}, colour);
}

void PrintingHost::DrawSector(int cx, int cy, int radius, float angle, u32 colour)
{
    Record(DrawKind::Sector, {cx, cy, radius, radius}, colour).m_fAngle = angle;
}

int PrintingHost::GetScreenWidth()
{
    ++m_nSizeQueries;
    return m_nScreenWidth;
}

int PrintingHost::GetScreenHeight()
{
    ++m_nSizeQueries;
    return m_nScreenHeight;
}

void PrintingHost::OpenPlayerRestaurant(const char* name)
{
    FlushRun();
    std::printf("[frame %d] host: open the restaurant of \"%s\"\n", m_nFrame, GbkToUtf8(name ? name : "").c_str());
}

void PrintingHost::OpenPlayerGarden(const char* name)
{
    FlushRun();
    std::printf("[frame %d] host: open the garden of \"%s\"\n", m_nFrame, GbkToUtf8(name ? name : "").c_str());
}

IORVDrawCharacter* PrintingHost::CreateDrawCharacter()
{
    FlushRun();
    m_vDrawers.push_back(std::make_unique<PrintingDrawer>(this));
    std::printf("[frame %d] host: a character drawer is made (%zu held)\n", m_nFrame, m_vDrawers.size());
    return m_vDrawers.back().get();
}

void PrintingHost::ReleaseDrawCharacter(IORVDrawCharacter* drawer)
{
    for (auto it = m_vDrawers.begin(); it != m_vDrawers.end(); ++it) {
        if (it->get() == drawer) {
            m_vDrawers.erase(it);
            FlushRun();
            std::printf("[frame %d] host: a character drawer is given back (%zu held)\n", m_nFrame,
                        m_vDrawers.size());
            return;
        }
    }
}

void PrintingDrawer::Draw(int x, int y)
{
    m_pHost->Record(DrawKind::RectFrame, {x, y, kWidth, kHeight}, 0xFFC080FF);
}

void PrintingHost::NotifyGameWindow(int state)
{
    FlushRun();
    std::printf("[frame %d] host: game window %s\n", m_nFrame, state == 0 ? "created" : "destroyed");
}

}  // namespace orv::sample
