// What the tooltip and floating-tip tests share: a fixture with the game open on the recording
// host, both overlays emptied, and the box drawing of a frame as short readable lines.
#pragma once

#include <cstdio>
#include <string>
#include <vector>

#include "framework/widgets/ORVToolTip.h"
#include "support/TestHarness.h"

namespace tips_test {

inline std::string Fill(u32 colour, int x, int y, int w, int h)
{
    char buf[96];
    std::snprintf(buf, sizeof buf, "Fill %08X %d,%d %dx%d", colour, x, y, w, h);
    return buf;
}

inline std::string Outline(u32 colour, int x, int y, int w, int h)
{
    char buf[96];
    std::snprintf(buf, sizeof buf, "Frame %08X %d,%d %dx%d", colour, x, y, w, h);
    return buf;
}

// Text with the six trailing integers of the host's DrawText.
inline std::string Text(int x, int y, const std::string& text, u32 colour, int a1, int a2, int a3, int a4, int a5,
                        int a6)
{
    char buf[128];
    std::snprintf(buf, sizeof buf, "Text %d,%d %08X [%d %d %d %d %d %d] ", x, y, colour, a1, a2, a3, a4, a5, a6);
    return buf + text;
}

// The boxes and texts drawn (FillRect, DrawRectFrame, DrawText), in order.
inline std::vector<std::string> Boxes(const orv::test::RecordingHost& host)
{
    std::vector<std::string> out;
    for (const orv::test::HostCall& c : host.m_vCalls) {
        auto i = [&c](std::size_t n) { return static_cast<int>(c.Int(n)); };
        const u32 colour = static_cast<u32>(c.Int(c.m_strName == "DrawText" ? 2 : 0));
        if (c.m_strName == "FillRect") {
            out.push_back(Fill(colour, i(1), i(2), i(3), i(4)));
        } else if (c.m_strName == "DrawRectFrame") {
            out.push_back(Outline(colour, i(1), i(2), i(3), i(4)));
        } else if (c.m_strName == "DrawText") {
            out.push_back(Text(i(0), i(1), c.m_strText, colour, i(3), i(4), i(5), i(6), i(7), i(8)));
        }
    }
    return out;
}

class OverlayTest : public orv::test::LibraryTest {
protected:
    void SetUp() override
    {
        LibraryTest::SetUp();
        Attach();
        OpenGame();
        tip.Reset();
        while (!tips.GetTips().empty()) {
            tips.Next();
        }
        m_Host.ClearLog();
    }

    // One frame of the library; returns the boxes and texts it drew.
    std::vector<std::string> DrawFrame()
    {
        m_Host.ClearLog();
        Frame();
        return Boxes(m_Host);
    }

    CORVToolTip& tip = CORVToolTip::GetSingleton();
    CAutoTip& tips = CAutoTip::GetSingleton();
};

}  // namespace tips_test
