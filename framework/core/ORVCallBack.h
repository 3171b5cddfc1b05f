// The host's interfaces (orvane/ORVCallBack.h) and the library's holder of the host's callback.
#pragma once

#include "orvane/ORVCallBack.h"

// The holder of the host's callback: its address, so callers both store into it and call
// through it. Null until the host hands its callback over. The library calls the host only
// through ORVCallBack(), never through this pointer.
IORVCallBack** GetORVCallBack();

// The library's guard of the host's callback: each slot forwards to the held callback; when the
// host throws, the guard writes a debug line naming the slot and the call answers its neutral
// value (false, 0, null; out-parameters as the library set them), so no export ends because a
// callback threw. The drawers it hands out guard the host's drawers the same way. It is never
// destroyed, and with no callback held every slot does nothing.
IORVCallBack& HostCallBackGuard();

// The guard while a callback is held, or null.
inline IORVCallBack* ORVCallBack()
{
    return *GetORVCallBack() != nullptr ? &HostCallBackGuard() : nullptr;
}
