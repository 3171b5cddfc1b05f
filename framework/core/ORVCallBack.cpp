#include "framework/core/ORVCallBack.h"

IORVCallBack** GetORVCallBack()
{
    static IORVCallBack* g_pORVCallBack = nullptr;
    return &g_pORVCallBack;
}
