// The library's debug lines (OutputDebugString, written to stderr on this system) are GBK text.
// The sample programs show them on stdout in UTF-8, each in its place among the program's own
// lines: stderr is replaced by a stream whose every write is decoded line by line and printed to
// stdout at once, so no line waits in a pipe or is lost at exit.
#pragma once

#include <string>
#include <string_view>

namespace orv::sample {

// Gathers written bytes into lines: each complete line (up to '\n', a '\r' before it dropped)
// comes out decoded from GBK to UTF-8 (GbkToUtf8) as prefix + text + '\n'; a line written in
// pieces, even one split inside a GBK character, comes out whole once its end arrives.
class DebugLineDecoder {
public:
    explicit DebugLineDecoder(std::string prefix) : m_strPrefix(std::move(prefix)) {}
    // The lines the bytes complete.
    std::string Feed(std::string_view bytes);
    // The line still waiting for its end, as a line; empty when none waits.
    std::string Finish();

private:
    std::string Line(std::string_view gbk) const;

    std::string m_strPrefix;
    std::string m_strPending;
};

// From now on, what is written to stderr is printed to stdout as decoded lines headed "  debug: "
// (a line left without its end is printed at exit). Where the C library cannot replace stderr,
// nothing changes.
void ShowDebugLinesOnStdout();

}  // namespace orv::sample
