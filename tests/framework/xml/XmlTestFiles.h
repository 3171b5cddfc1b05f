// Files for XML tests: a private temporary directory, removed with everything in it at the end
// of the test, and whole-file reads and writes of raw bytes.
#pragma once

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <random>
#include <string>
#include <system_error>

class XmlTempDir {
public:
    XmlTempDir()
    {
        // A new folder of a random name: creating one that exists fails, so no two tests share one.
        std::error_code ec;
        const std::filesystem::path base = std::filesystem::temp_directory_path(ec);
        std::random_device random;
        for (int attempt = 0; attempt < 100 && !ec && m_Root.empty(); ++attempt) {
            char name[32];
            std::snprintf(name, sizeof(name), "orvane-xml-%08x", static_cast<unsigned>(random()));
            if (std::filesystem::create_directory(base / name, ec)) {
                m_Root = base / name;
            }
        }
    }
    ~XmlTempDir()
    {
        std::error_code ec;
        if (!m_Root.empty()) {
            std::filesystem::remove_all(m_Root, ec);
        }
    }
    XmlTempDir(const XmlTempDir&) = delete;
    XmlTempDir& operator=(const XmlTempDir&) = delete;

    bool IsValid() const { return !m_Root.empty(); }
    const std::filesystem::path& Root() const { return m_Root; }
    std::string Path(const std::string& relative) const { return (m_Root / relative).string(); }

    // Writes bytes to relative (folders made as needed) and returns the full path.
    std::string Write(const std::string& relative, const std::string& bytes) const
    {
        const std::filesystem::path p = m_Root / relative;
        std::filesystem::create_directories(p.parent_path());
        std::ofstream(p, std::ios::binary) << bytes;
        return p.string();
    }

private:
    std::filesystem::path m_Root;
};

inline std::string ReadFileBytes(const std::string& path)
{
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

// A file of the repository's data folder.
inline std::string RepoDataPath(const std::string& relative)
{
    return std::string(ORVANE_SOURCE_DIR) + "/data/" + relative;
}

// Changes the working directory for the life of the object.
class XmlScopedCwd {
public:
    explicit XmlScopedCwd(const std::filesystem::path& dir) : m_Previous(std::filesystem::current_path())
    {
        std::filesystem::current_path(dir);
    }
    ~XmlScopedCwd()
    {
        std::error_code ec;
        std::filesystem::current_path(m_Previous, ec);
    }
    XmlScopedCwd(const XmlScopedCwd&) = delete;
    XmlScopedCwd& operator=(const XmlScopedCwd&) = delete;

private:
    std::filesystem::path m_Previous;
};
