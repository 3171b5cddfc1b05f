#include "garden/windows/GardenPanelKit.h"

#include "engine/GardenPackets.h"
#include "framework/control/ORVCtrlMgr.h"
#include "garden/state/GardenDataMgr.h"
#include "garden/state/GardenDispatch.h"
#include "framework/text/TextUtil.h"
#include "glimmer/Glimmer.h"

int SendGardenRequest(u16 sub, u16 param1, u16 param2, u32 userId, std::string_view body)
{
    GardenHeader h;
    h.m_dwUserId = userId;
    h.m_wSub = sub;
    h.m_wParam1 = param1;
    h.m_wParam2 = param2;
    return GetPacketQueue().SendGardenMessage(h, body.empty() ? nullptr : body.data(), static_cast<int>(body.size()));
}

void RouteGardenEvent(u32 id, u32 kind, u32 second, std::uintptr_t value)
{
    CORVCtrlMgr* mgr = CORVCtrlMgr::GetIfAlive();
    if (mgr == nullptr) {
        return;
    }
    ORVMsg msg(id, kind, second, std::string());
    msg.m_pSender = ValueAsSender(value);
    mgr->RouteMessage(&msg);
}

void EnterGardenOf(std::string_view guid)
{
    constexpr u32 kTopicEnterGarden = 107;
    SendEnterGarden(guid.data(), guid.size());
    ORVMsg enter(kMsgGardenTopic, kTopicEnterGarden);
    CORVCtrlMgr::GetSingleton().RouteMessage(&enter);
}

void DrawPanelText(int x, int y, const char* text, u32 colour, int size, int align, int flags)
{
    if (text == nullptr || *text == '\0') {
        return;
    }
    if (align == 1) {
        x -= GetTextWidth(text, kTextSizeDefault) / 2;
    } else if (align == 2) {
        x -= GetTextWidth(text, kTextSizeDefault);
    }
    g_Font.DrawTextA(x, y, text, colour, size, flags, 0);
}
