#include "garden/windows/GardenPanelKit.h"

#include "engine/GardenPackets.h"
#include "framework/control/ORVCtrlMgr.h"
#include "garden/state/GardenDataMgr.h"
#include "garden/state/GardenDispatch.h"
#include "framework/text/TextUtil.h"
#include "glimmer/Glimmer.h"

int SendPanelRequest(u16 sub, u16 param1, const void* body, int len)
{
    GardenHeader h;
    h.m_wSub = sub;
    h.m_wParam1 = param1;
    return GetPacketQueue().SendGardenMessage(h, len > 0 ? body : nullptr, len > 0 ? len : 0);
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
