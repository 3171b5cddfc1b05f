// The account of a program's frames, as the sample programs print it: every call of a first frame,
// then only the calls each frame lost (-) and gained (+) from the frame before, each where it
// stands among the calls both share; a run of frames that draw the same as the one before them
// prints as one line. Verbose, every frame that differs from the one before it is printed in full.
// Images are named through an image namer (the host's image catalogue, or the stand-in
// renderer's texture names), colours are hex ARGB, texts UTF-8.
#pragma once

#include <string>
#include <vector>

#include "tools/FramePicture.h"

namespace orv::sample {

// What an image is ("castle", ...), or "" when the namer does not know it.
using ImageNamer = const char* (*)(int set, int frame);

// One readable line for a draw call: what, where, how large, in which colour; texts in UTF-8.
// Without a namer, images are named from the host's image catalogue (ImageCatalogue.h).
std::string DescribeDrawOp(const DrawOp& op, ImageNamer namer = nullptr);

// A call one frame lost (from the frame before) or gained, by its index in its own frame.
struct CallChange {
    bool m_bGained = false;
    std::size_t m_nIndex = 0;
    bool operator==(const CallChange&) const = default;
};
// What changed from before to now: the calls of each that are not among the longest run of calls
// common to both (in order), in the order they stand, a lost call before a gained one where both
// stand between the same shared calls.
std::vector<CallChange> CompareCalls(const std::vector<DrawOp>& before, const std::vector<DrawOp>& now);

class FrameAccount {
public:
    explicit FrameAccount(ImageNamer namer = nullptr) : m_pfnNamer(namer) {}

    bool m_bVerbose = false;    // every changed frame in full
    bool m_bCollapse = false;   // unchanged frames gather into a run until FlushRun

    // The account of frame number (its calls ops), which becomes the last frame.
    void Frame(int number, std::vector<DrawOp> ops);
    // Calls drawn outside any frame, in full ("[what] N draw calls:").
    void Loose(const char* what, const std::vector<DrawOp>& ops);
    // Prints the pending run of unchanged frames, if any: call it before printing anything else.
    void FlushRun();

    const std::vector<DrawOp>& Last() const { return m_vLast; }
    int LastNumber() const { return m_nLast; }   // -1 before the first frame

private:
    void PrintCalls(const std::vector<DrawOp>& ops) const;

    ImageNamer m_pfnNamer;
    std::vector<DrawOp> m_vLast;
    int m_nLast = -1;
    int m_nRunFirst = 0;   // the run's first and last frame (0: no run)
    int m_nRunLast = 0;
    int m_nRunBase = 0;    // the frame they all draw as
};

// Whether the sample program prints every call of every frame: "--verbose" on its command line, or
// the environment variable ORVANE_SAMPLE_VERBOSE set to anything but "" or "0".
bool VerboseFromArgs(int argc, char** argv);

}  // namespace orv::sample
