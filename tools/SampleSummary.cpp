#include "tools/SampleSummary.h"

#include <algorithm>
#include <cstdio>
#include <filesystem>

namespace orv::sample {

namespace {

std::string Joined(const std::vector<std::string>& names)
{
    std::string out;
    for (const std::string& name : names) {
        out += (out.empty() ? "" : ", ") + name;
    }
    return out.empty() ? "none" : out;
}

}  // namespace

void SampleSummary::Picture(const std::string& name, const std::string& dir, bool written)
{
    m_strDir = dir;
    (written ? m_vWritten : m_vNotWritten).push_back(name);
}

void SampleSummary::Window(const std::string& name)
{
    if (std::find(m_vWindows.begin(), m_vWindows.end(), name) == m_vWindows.end()) {
        m_vWindows.push_back(name);
    }
}

void SampleSummary::Print(const char* program, const char* decodedBy) const
{
    std::printf("==== summary: %s ====\n", program);
    std::printf("pictures written (%zu) in %s: %s\n", m_vWritten.size(), m_strDir.empty() ? "-" : m_strDir.c_str(),
                Joined(m_vWritten).c_str());
    if (!m_vNotWritten.empty()) {
        std::printf("pictures NOT written (%zu): %s\n", m_vNotWritten.size(), Joined(m_vNotWritten).c_str());
    }
    if (decodedBy == nullptr) {
        std::printf("requests sent: none (the program talks to no server)\n");
    } else {
        std::printf("requests sent: %d, decoded %s: %d\n", m_nSent, decodedBy, m_nDecoded);
    }
    std::printf("windows opened (%zu): %s\n", m_vWindows.size(), Joined(m_vWindows).c_str());
}

bool SaveFramePicture(SampleSummary& summary, const std::vector<DrawOp>& ops, int w, int h, const std::string& dir,
                      const std::string& name, int frame)
{
    std::error_code error;
    std::filesystem::create_directories(dir, error);
    const std::filesystem::path file = std::filesystem::path(dir) / (name + ".png");
    const std::filesystem::path absolute = std::filesystem::absolute(file, error);
    const std::string path = std::filesystem::weakly_canonical(absolute, error).string();
    const std::string folder = std::filesystem::path(path).parent_path().string();
    const bool written = PaintFrame(ops, w, h).WritePng(path);
    std::printf("[frame %d] picture %s: %s\n", frame, written ? "written" : "NOT written", path.c_str());
    summary.Picture(name, folder, written);
    return written;
}

}  // namespace orv::sample
