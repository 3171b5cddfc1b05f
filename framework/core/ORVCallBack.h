// The host's interfaces (orvane/ORVCallBack.h) and the library's holder of the host's callback.
#pragma once

#include "orvane/ORVCallBack.h"

// The holder of the host's callback: its address, so callers both store into it and call
// through it. Null until the host hands its callback over.
IORVCallBack** GetORVCallBack();

// The held callback, or null.
inline IORVCallBack* ORVCallBack()
{
    return *GetORVCallBack();
}
