// What a sample program did, printed at its end: the pictures it wrote (names and folder), the
// requests it sent and how many of them were decoded, and the windows its session opened.
#pragma once

#include <string>
#include <vector>

#include "tools/FramePicture.h"

namespace orv::sample {

class SampleSummary {
public:
    void Picture(const std::string& name, const std::string& dir, bool written);
    // A window the session opened; each name is kept once, in the order first opened.
    void Window(const std::string& name);
    void Requests(int sent, int decoded)
    {
        m_nSent = sent;
        m_nDecoded = decoded;
    }
    // "==== summary: <program> ====" and a line for the pictures (those not written apart), the
    // requests (what "decoded" means given by decodedBy; null: a program that sends none) and the
    // windows.
    void Print(const char* program, const char* decodedBy) const;

private:
    std::vector<std::string> m_vWritten;
    std::vector<std::string> m_vNotWritten;
    std::string m_strDir;
    std::vector<std::string> m_vWindows;
    int m_nSent = 0;
    int m_nDecoded = 0;
};

// Paints ops on a w x h canvas and writes it as <dir>/<name>.png (the folder made when missing),
// prints "[frame N] picture written: <path>" (or NOT written) and notes it in summary.
bool SaveFramePicture(SampleSummary& summary, const std::vector<DrawOp>& ops, int w, int h, const std::string& dir,
                      const std::string& name, int frame);

}  // namespace orv::sample
