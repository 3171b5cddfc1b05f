#include "tools/FrameAccount.h"

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "tools/GbkText.h"
#include "tools/ImageCatalogue.h"

namespace orv::sample {

namespace {

constexpr u32 kNoTint = 0xFFFFFFFF;
// Frames whose differing middles would need a larger table are taken as changed throughout.
constexpr std::size_t kMaxCompareCells = 4u << 20;

std::string Format(const char* fmt, auto... args)
{
    char line[256];
    std::snprintf(line, sizeof line, fmt, args...);
    return line;
}

}  // namespace

std::string DescribeDrawOp(const DrawOp& op, ImageNamer namer)
{
    const Box& b = op.m_box;
    const std::string tint = op.m_colour == kNoTint ? "" : Format(" tint %08X", op.m_colour);
    const char* name = (namer != nullptr ? namer : &CatalogueImageName)(op.m_nSet, op.m_nFrame);
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

void FrameAccount::PrintCalls(const std::vector<DrawOp>& ops) const
{
    for (const DrawOp& op : ops) {
        std::printf("    %s\n", DescribeDrawOp(op, m_pfnNamer).c_str());
    }
}

void FrameAccount::Loose(const char* what, const std::vector<DrawOp>& ops)
{
    FlushRun();
    std::printf("[%s] %zu draw calls:\n", what, ops.size());
    PrintCalls(ops);
}

// A frame that has no frame before it or shares less than half of its calls with it is printed in
// full (verbose: every frame that changed); otherwise the calls it lost and gained.
void FrameAccount::Frame(int number, std::vector<DrawOp> ops)
{
    const std::vector<DrawOp>& now = ops;
    const std::vector<DrawOp>& before = m_vLast;
    const bool first = m_nLast < 0;
    const int previous = m_nLast;
    auto keep = [&] {
        m_vLast = std::move(ops);
        m_nLast = number;
    };
    if (!first && now == before) {
        if (m_nRunFirst == 0) {
            m_nRunFirst = number;
            m_nRunBase = previous;
        }
        m_nRunLast = number;
        keep();
        if (!m_bCollapse) {
            FlushRun();
        }
        return;
    }
    FlushRun();
    if (now.empty()) {
        std::printf("[frame %d] draws nothing\n", number);
        keep();
        return;
    }
    const std::vector<CallChange> changes = first || m_bVerbose ? std::vector<CallChange>() : CompareCalls(before, now);
    const std::size_t gained = static_cast<std::size_t>(
        std::count_if(changes.begin(), changes.end(), [](const CallChange& c) { return c.m_bGained; }));
    if (first || m_bVerbose || before.empty() || 2 * (now.size() - gained) < now.size()) {
        std::printf("[frame %d] %zu draw calls:\n", number, now.size());
        PrintCalls(now);
        keep();
        return;
    }
    std::printf("[frame %d] %zu draw calls, as frame %d but for:\n", number, now.size(), previous);
    for (const CallChange& c : changes) {
        std::printf("  %c %s\n", c.m_bGained ? '+' : '-',
                    DescribeDrawOp(c.m_bGained ? now[c.m_nIndex] : before[c.m_nIndex], m_pfnNamer).c_str());
    }
    keep();
}

void FrameAccount::FlushRun()
{
    if (m_nRunFirst == 0) {
        return;
    }
    const std::string frames = m_nRunFirst == m_nRunLast ? Format("frame %d", m_nRunFirst)
                                                         : Format("frames %d-%d", m_nRunFirst, m_nRunLast);
    if (m_vLast.empty()) {
        std::printf("[%s] %s nothing, as frame %d\n", frames.c_str(), m_nRunFirst == m_nRunLast ? "draws" : "draw",
                    m_nRunBase);
    } else {
        std::printf("[%s] the same %zu draw calls as frame %d\n", frames.c_str(), m_vLast.size(), m_nRunBase);
    }
    m_nRunFirst = 0;
}

bool VerboseFromArgs(int argc, char** argv)
{
    for (int i = 1; i < argc; ++i) {
        if (std::strcmp(argv[i], "--verbose") == 0) {
            return true;
        }
    }
    const char* env = std::getenv("ORVANE_SAMPLE_VERBOSE");
    return env != nullptr && *env != '\0' && std::strcmp(env, "0") != 0;
}

}  // namespace orv::sample
