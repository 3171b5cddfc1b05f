#include "garden/windows/GardenSession.h"

#include "engine/GardenPackets.h"
#include "engine/LoginText.h"
#include "garden/state/GardenDataMgr.h"
#include "garden/state/ToolCardStore.h"
#include "garden/windows/GardenGuide.h"

void ForgetGardenSession()
{
    GetGardenDataMgr().Reset();
    GetGardenGuide().Reset();
    GetToolCardStore().Clear();
    ForgetLogin();
    EndGardenSession();
}
