#include "aerie/windows/AerieHatchRelation.h"

#include "framework/core/DebugLog.h"

ORV_IMPLEMENT_RUNTIME_CLASS(CAerieHatchRelationWnd, CAerieContainer)

i32 g_nHatchFriendMode = 0;

// ---- CAerieHatchRelationWnd ----

CAerieHatchRelationWnd::CAerieHatchRelationWnd() = default;
CAerieHatchRelationWnd::~CAerieHatchRelationWnd() = default;

void CAerieHatchRelationWnd::OnListArrived()
{
    DebugLog("SC_SUB_MSG_FRIEND_LIST 获得好友列表\n");
}
