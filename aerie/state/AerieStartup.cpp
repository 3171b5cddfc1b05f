// The game's start-up: installs the hooks through which the toolkit's exports reach the game
// (CORVMgr::OpenAerie sends the enter request, CORVMgr::Recv hands server messages to the store),
// so that a host plays the game through the exports alone.
#include <string>

#include "aerie/state/AerieDataMgr.h"
#include "aerie/state/AerieRequest.h"
#include "aerie/state/AerieStartup.h"
#include "framework/core/GameHooks.h"

namespace {

constexpr std::size_t kMaxOwnerName = 256;

void VisitCityHook(const char* ownerName)
{
    if (ownerName == nullptr) {
        return;
    }
    CAerieRequest::GetSingleton().VisitCity(std::string(CountedText(ownerName, kMaxOwnerName)));
}

void OnRecvHook(const char* data, int len)
{
    CAerieDataMgr::GetSingleton().OnRecv(data, len);
}

// The store and the request sender are reached from game windows, their destructors included:
// they are created before the control manager, so they outlive the window tree.
void CreateGameServices()
{
    CAerieDataMgr::GetSingleton();
    CAerieRequest::GetSingleton();
}

struct AerieStartup {
    AerieStartup()
    {
        InstallAerieHooks();
        RegisterTreeService(&CreateGameServices);
    }
};

const AerieStartup g_AerieStartup;

}  // namespace

void InstallAerieHooks()
{
    g_GameHooks.pfnVisitCity = &VisitCityHook;
    g_GameHooks.pfnOnRecv = &OnRecvHook;
}
