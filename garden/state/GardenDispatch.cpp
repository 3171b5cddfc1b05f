#include "garden/state/GardenDispatch.h"

#include <cstring>
#include <string>

#include "engine/GardenPackets.h"
#include "engine/LoginText.h"
#include "engine/WriteLog.h"
#include "framework/core/DebugLog.h"
#include "framework/widgets/ORVToolTip.h"
#include "garden/state/BodyCursor.h"
#include "garden/state/GardenDataMgr.h"
#include "garden/state/ToolCardStore.h"

namespace L = garden_layout;

int SendEnterGarden(const char* guid, std::size_t len, u16 mode)
{
    GardenHeader h;
    h.m_wSub = 0x04;
    h.m_wParam1 = mode;
    return GetPacketQueue().SendGardenMessage(h, guid, static_cast<int>(len));
}

namespace {

void OnPlayerRecord(const u8* packet, int len)
{
    const std::string_view body = BodyCursor(packet, static_cast<std::size_t>(len)).Body();
    GetLoginInfo().m_PlayerInfo.Assign(body.data(), static_cast<u32>(body.size()));
    const std::string& guid = GetLoginInfo().strEnterGuidName;
    SendEnterGarden(guid.data(), guid.size());
    WriteLog("garden data request ok\n");
}

void OnPlayerPatches(const u8* packet, int len)
{
    const std::string_view body = BodyCursor(packet, static_cast<std::size_t>(len)).Body();
    GetLoginInfo().m_PlayerInfo.ApplyPatches(body.data(), static_cast<u32>(body.size()));
}

void OnFloatingNotice(const u8* packet, int len)
{
    const std::string_view body = BodyCursor(packet, static_cast<std::size_t>(len)).Body();
    if (!body.empty()) {
        CAutoTip::GetSingleton().Add(body);   // a malformed stream is dropped there, with a debug line
    }
}

void OnGardenSwitch(const u8* packet, int len)
{
    const BodyCursor c(packet, static_cast<std::size_t>(len));
    const std::string_view body = c.Body();
    // Two texts, each counted only with its NUL inside the body; the first is not used.
    const std::size_t end1 = body.find('\0');
    if (end1 == std::string_view::npos) {
        return;
    }
    const std::size_t end2 = body.find('\0', end1 + 1);
    if (end2 == std::string_view::npos || c.Param1() != 0) {
        return;
    }
    SendEnterGarden(body.data() + end1 + 1, end2 - end1 - 1);
}

void OnNoticeRecords(const u8* packet, int len)
{
    const ByteSpan body(BodyCursor(packet, static_cast<std::size_t>(len)).Body());
    std::size_t pos = 0;
    while (body.n - pos >= 4) {
        const u16 type = body.U16(pos);
        const std::size_t length = body.U16(pos + 2);
        if (body.n - pos - 4 < length) {
            DebugLog("Error : notice record of %zu bytes runs past the body\n", length);
            return;
        }
        if (type == 1) {
            const std::string_view text = ByteSpan(body.p + pos + 4, length).Text(length);
            std::string stream;
            CAutoTip::AppendHeader(stream, 150, 1, 1);
            CAutoTip::AppendLine(0xFF00FF00, stream, std::string(text).c_str());
            CAutoTip::GetSingleton().Add(stream);
        }
        pos += 4 + length;
    }
}

void OnReply(const u8* p, int n) { GetGardenDataMgr().OnReply(p, n); }
void OnNotice(const u8* p, int n) { GetGardenDataMgr().OnNoticeLine(p, n); }
void OnAddCard(const u8* p, int n) { GetToolCardStore().Add(p, n); }
void OnRefillFirst(const u8* p, int n) { GetToolCardStore().RefillFirst(p, n); }
void OnEraseCard(const u8* p, int n) { GetToolCardStore().EraseById(p, n); }
void OnRefillSecond(const u8* p, int n) { GetToolCardStore().RefillSecond(p, n); }
void OnUpdateCard(const u8* p, int n) { GetToolCardStore().UpdateById(p, n); }

struct MessageEntry {
    u16 id;
    void (*handler)(const u8* packet, int len);
};

constexpr MessageEntry kMessages[] = {
    {52, &OnPlayerRecord}, {100, &OnNotice},       {200, &OnAddCard},         {201, &OnRefillFirst},
    {202, &OnEraseCard},   {217, &OnRefillSecond}, {433, &OnPlayerPatches},   {884, &OnReply},
    {885, &OnFloatingNotice}, {945, &OnUpdateCard}, {1016, &OnGardenSwitch}, {2812, &OnNoticeRecords},
};

}  // namespace

void DispatchGardenPacket(const u8* packet, int len)
{
    if (packet == nullptr || len < static_cast<int>(L::kHeader)) {
        return;
    }
    const u16 id = BodyCursor(packet, static_cast<std::size_t>(len)).MsgId();
    for (const MessageEntry& e : kMessages) {
        if (e.id == id) {
            try {
                e.handler(packet, len);
            } catch (...) {
                DebugLog("Error : exception in the handler of Garden message %u\n", unsigned{id});
            }
            return;
        }
    }
}
