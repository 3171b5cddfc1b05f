#include "aerie/windows/AerieHatchRelation.h"

#include "aerie/state/AerieDataMgr.h"
#include "framework/core/DebugLog.h"

ORV_IMPLEMENT_RUNTIME_CLASS(CAerieHatchRelationWnd, CAerieContainer)

// ---- CAerieHatchRelationWnd ----

CAerieHatchRelationWnd::CAerieHatchRelationWnd() = default;
CAerieHatchRelationWnd::~CAerieHatchRelationWnd() = default;

i32& CAerieHatchRelationWnd::Mode()
{
    return WindowKeep().m_nHatchFriendMode;
}

void CAerieHatchRelationWnd::OnListArrived()
{
    DebugLog("SC_SUB_MSG_FRIEND_LIST 获得好友列表\n");
}
