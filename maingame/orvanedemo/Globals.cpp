// OrvaneDemo's global objects, made at load in one defined order and torn down in the reverse:
// the platform, the login record, the Garden client, its packet queue and dispatcher, the Garden
// state (tool cards, game data, garden mirror), the tutorial guide, the settings, then the control
// manager with its window tree (and the services its controls call, made before it). The window
// tree therefore goes first at unload, after the host's callback has been forgotten: teardown
// never calls the host.
#include "engine/GardenPackets.h"
#include "engine/LoginText.h"
#include "engine/Net.h"
#include "engine/ORVConfigMgr.h"
#include "framework/control/ORVCtrlMgr.h"
#include "framework/window/ORVMsgBox.h"
#include "garden/state/GardenDataMgr.h"
#include "garden/state/GardenDispatch.h"
#include "garden/state/ToolCardStore.h"
#include "garden/state/XmlGardenMgr.h"
#include "garden/windows/GardenGuide.h"
#include "maingame/orvanedemo/ORVMgr.h"
#include "platform/Platform.h"

CORVMgr g_ORVMgr;

namespace {

// Destroyed before the control manager: forgets the callback before the tree goes.
struct CallbackForgetter {
    ~CallbackForgetter() { GetLoginInfo().m_pfnHostProc = nullptr; }
};

struct BuildGlobals {
    BuildGlobals()
    {
        orv::platform::Native();   // the sockets outlive the client that closes them
        GetLoginInfo();
        GetGameNet();
        CGameNet::SetPacketHandler(&PushGardenPacket);
        GetPacketQueue();
        SetGardenDispatcher(&DispatchGardenPacket);
        GetToolCardStore();
        GetXmlGardenMgr();
        GetGardenDataMgr();
        GetGardenGuide();   // every session's end resets it
        CORVConfigMgr::GetSingleton();
        // The services the window tree calls as it goes are made here, before the manager: the
        // manager is made during this file's static initialisation, which may run before the
        // files that register those services with it.
        ORVMsgBoxQueue::GetSingleton();
        CORVCtrlMgr::GetSingleton();
        static CallbackForgetter s_Forgetter;
    }
};

const BuildGlobals g_BuildGlobals;

}  // namespace
