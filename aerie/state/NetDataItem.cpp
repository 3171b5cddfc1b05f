#include "aerie/state/NetDataItem.h"

#include <zlib.h>

#include "aerie/state/NetMsgHeader.h"
#include "framework/core/ScratchBuffer.h"

int ParseDataItems(const unsigned char* body, std::size_t len, std::vector<NetDataItem>& out)
{
    out.clear();
    if (body == nullptr) {
        return 0;
    }
    std::size_t pos = 0;
    while (len - pos >= 4) {
        const u16 kind = ReadLE16(body + pos);
        const u16 itemLen = ReadLE16(body + pos + 2);
        if (itemLen == 0 || itemLen > len - pos - 4) {
            break;
        }
        out.push_back({kind, itemLen, body + pos + 4});
        pos += 4 + itemLen;
    }
    return static_cast<int>(out.size());
}

