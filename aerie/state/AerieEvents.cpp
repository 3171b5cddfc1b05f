#include "aerie/state/AerieEvents.h"

#include "aerie/state/NetMsgHeader.h"
#include "framework/control/ORVCtrlMgr.h"
#include "framework/core/ORVCallBack.h"
#include "framework/widgets/ORVToolTip.h"

namespace {

constexpr int kNoticeFrames = 150;
constexpr u32 kNoticeColour = 0xFFFFFFFF;

}  // namespace

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

void ShowGameNotice(std::string_view text)
{
    CAutoTip::GetSingleton().AddText(std::string(text), kNoticeColour, kNoticeFrames);
}

std::string_view GetOwnPlayerName()
{
    CHostCallBackGuard* cb = ORVCallBack();
    const char* name = cb != nullptr ? cb->GetPlayerName() : nullptr;
    return name != nullptr ? CountedText(name, kMaxHostText) : std::string_view();
}
