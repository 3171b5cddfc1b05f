#include "framework/core/GameHooks.h"

#include "framework/core/DebugLog.h"
#include "framework/core/ORVMsg.h"

constinit GameHooks g_GameHooks;

void NewBieForgetControl(CORVControl* ctrl)
{
    if (g_GameHooks.pfnNewBieForgetControl != nullptr) {
        g_GameHooks.pfnNewBieForgetControl(ctrl);
    }
}

void NewBieDraw()
{
    if (g_GameHooks.pfnNewBieDraw != nullptr) {
        g_GameHooks.pfnNewBieDraw();
    }
}

void NewBieReset()
{
    if (g_GameHooks.pfnNewBieReset != nullptr) {
        g_GameHooks.pfnNewBieReset();
    }
}

void NewBieSetStepTarget(u16 step, CORVControl* target)
{
    if (g_GameHooks.pfnNewBieSetStepTarget != nullptr) {
        g_GameHooks.pfnNewBieSetStepTarget(step, target);
    }
}

bool NewBieIsActive()
{
    return g_GameHooks.pfnNewBieIsActive != nullptr && g_GameHooks.pfnNewBieIsActive();
}

void NewBieOnStepEvent(u16 step)
{
    if (g_GameHooks.pfnNewBieOnStepEvent != nullptr) {
        g_GameHooks.pfnNewBieOnStepEvent(step);
    }
}

namespace {

constinit const RuntimeClassRecord* g_SystemWindowRecords[ORV_MSG_SPLITWND - ORV_MSG_MSGBOX + 1] = {};

constexpr int kMaxTreeServices = 32;
using TreeServiceFn = void (*)();
constinit TreeServiceFn g_TreeServices[kMaxTreeServices] = {};
constinit int g_nTreeServices = 0;

}  // namespace

void SetSystemWindowRecord(u32 msgId, const RuntimeClassRecord* record)
{
    if (msgId < ORV_MSG_MSGBOX || msgId > ORV_MSG_SPLITWND) {
        DebugLog("Error,no system window for message 0x%X\n", msgId);
        return;
    }
    g_SystemWindowRecords[msgId - ORV_MSG_MSGBOX] = record;
}

const RuntimeClassRecord* GetSystemWindowRecord(u32 msgId)
{
    if (msgId < ORV_MSG_MSGBOX || msgId > ORV_MSG_SPLITWND) {
        return nullptr;
    }
    return g_SystemWindowRecords[msgId - ORV_MSG_MSGBOX];
}

void RegisterTreeService(void (*pfnCreate)())
{
    if (pfnCreate == nullptr) {
        return;
    }
    if (g_nTreeServices >= kMaxTreeServices) {
        DebugLog("Error,too many tree services\n");
        return;
    }
    g_TreeServices[g_nTreeServices++] = pfnCreate;
}

void CreateTreeServices()
{
    for (int i = 0; i < g_nTreeServices; ++i) {
        g_TreeServices[i]();
    }
}
