#include "aerie/state/AerieEvents.h"

#include "framework/control/ORVCtrlMgr.h"

void PostFrameworkMsg(u32 id, u32 topic, u32 value, const std::string& text)
{
    ORVMsg msg(id, topic, value, text);
    PostToManager(&msg, 1);
}

void DeliverFrameworkMsg(u32 id, u32 topic, u32 value, const std::string& text)
{
    if (CORVCtrlMgr::IsTornDown()) {
        return;
    }
    ORVMsg msg(id, topic, value, text);
    CORVCtrlMgr::GetSingleton().RouteMessage(&msg);
}
