// Checks of the edit field's text engine shared by the tests of both builds.
#pragma once

#include <string>

#include "framework/widgets/EditBuffer.h"

namespace orv::test {

// What cuts a character in the text or its shown part; "" when the text holds whole characters
// (kinds as the bytes give them, every first byte followed by its second, the one just typed
// before the caret excepted while it awaits its second) and the shown part starts on one.
inline std::string HalfCharacter(const ORVEditBuffer& e)
{
    const int waiting = e.PendingLeadAt();
    for (int i = 0; i < e.Length(); ++i) {
        const bool second = i > 0 && ORVEditBuffer::IsLeadKind(e.m_vFlags[i - 1]) && i - 1 != waiting;
        const bool first = !second && static_cast<u8>(e.m_strText[i]) >= 0x80;
        if (ORVEditBuffer::IsLeadKind(e.m_vFlags[i]) != first || ORVEditBuffer::IsTrailKind(e.m_vFlags[i]) != second) {
            return "kind " + std::to_string(e.m_vFlags[i]) + " at " + std::to_string(i);
        }
        if (first && i != waiting && (i + 1 == e.Length() || !ORVEditBuffer::IsTrailKind(e.m_vFlags[i + 1]))) {
            return "first byte without its second at " + std::to_string(i);
        }
    }
    if (e.m_nFirstVisible < e.Length() && ORVEditBuffer::IsTrailKind(e.m_vFlags[e.m_nFirstVisible])) {
        return "shown text starts on a second byte";
    }
    return "";
}

}  // namespace orv::test
