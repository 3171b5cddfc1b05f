#include "engine/ORVConfigMgr.h"

CORVConfigMgr& CORVConfigMgr::GetSingleton()
{
    static CORVConfigMgr s_Mgr;
    return s_Mgr;
}
