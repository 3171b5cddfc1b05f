// The images and texts a recording host was asked to draw, in a form tests compare whole.
#pragma once

#include <ostream>
#include <string>
#include <vector>

#include "support/RecordingHost.h"

namespace orv::test {

struct Drawn {
    char kind;          // 'I' DrawImage, 'T' DrawText
    int x, y;
    int frame, set;     // images
    u32 colour;
    std::string text;   // texts
    int flag, font;     // texts: DrawText's fourth and fifth trailing values
    bool operator==(const Drawn&) const = default;
};

inline Drawn Image(int x, int y, int frame, u32 colour = 0xFFFFFFFF, int set = 93)
{
    return {'I', x, y, frame, set, colour, "", 0, 0};
}

inline Drawn Text(int x, int y, const std::string& text, u32 colour, int flag, int font)
{
    return {'T', x, y, 0, 0, colour, text, flag, font};
}

inline std::ostream& operator<<(std::ostream& out, const Drawn& d)
{
    out << d.kind << "(" << d.x << "," << d.y << " ";
    if (d.kind == 'I') {
        return out << "frame " << d.frame << " set " << d.set << " colour " << std::hex << d.colour << std::dec << ")";
    }
    return out << '"' << d.text << "\" colour " << std::hex << d.colour << std::dec << " flag " << d.flag << " font "
               << d.font << ")";
}

// Every DrawImage and DrawText of the log, in order; kind 0 takes both, 'I' or 'T' one of them.
inline std::vector<Drawn> DrawnCalls(const RecordingHost& host, char kind = 0)
{
    std::vector<Drawn> out;
    for (const HostCall& c : host.m_vCalls) {
        if (c.m_strName == "DrawImage" && kind != 'T') {
            out.push_back(Image(static_cast<int>(c.Int(0)), static_cast<int>(c.Int(1)), static_cast<int>(c.Int(2)),
                                static_cast<u32>(c.Int(4)), static_cast<int>(c.Int(3))));
        } else if (c.m_strName == "DrawText" && kind != 'I') {
            out.push_back(Text(static_cast<int>(c.Int(0)), static_cast<int>(c.Int(1)), c.m_strText,
                               static_cast<u32>(c.Int(2)), static_cast<int>(c.Int(6)), static_cast<int>(c.Int(7))));
        }
    }
    return out;
}

}  // namespace orv::test
