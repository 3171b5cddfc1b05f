// The toolkit's only way to reach the game and the services that outlive the window tree.
// The game installs function pointers here; a null hook means "nothing to do". The toolkit never
// includes game headers.
#pragma once

#include "framework/core/OrvTypes.h"

class CORVControl;
struct RuntimeClassRecord;

struct GameHooks {
    // The game's newbie guide.
    void (*pfnNewBieForgetControl)(CORVControl* ctrl) = nullptr;  // a control is being destroyed
    void (*pfnNewBieDraw)() = nullptr;                            // once per frame, above the windows
    void (*pfnNewBieReset)() = nullptr;                           // before a city is entered
    void (*pfnNewBieSetStepTarget)(u16 step, CORVControl* target) = nullptr;  // a step points at a control
    bool (*pfnNewBieIsActive)() = nullptr;                        // the guide is running
    void (*pfnNewBieOnStepEvent)(u16 step) = nullptr;             // the player did a step
    // The game's requests and replies.
    void (*pfnVisitCity)(const char* ownerName) = nullptr;        // send the enter request for a city
    void (*pfnOnRecv)(const char* data, int len) = nullptr;       // a server message for the game
};

// The installed hooks; constant-initialised, so start-up code of any file may install them.
extern constinit GameHooks g_GameHooks;

// Calls that check the hook first.
void NewBieForgetControl(CORVControl* ctrl);
void NewBieDraw();
void NewBieReset();
void NewBieSetStepTarget(u16 step, CORVControl* target);
bool NewBieIsActive();   // false without a guide
void NewBieOnStepEvent(u16 step);

// The records of the main window's system windows, by command id: 0x111 message box
// (CORVMsgBox), 0x112 choose-beast window (CAerieChooseBeastWnd), 0x113 game main window
// (CAerieWnd), 0x114 popup menu (CORVMenuWnd), 0x115 split window (CORVSplitWnd). Each class
// installs its own record at start-up; a null record means that window cannot open. Other ids
// are refused with a debug line (Set) or answer null (Get).
void SetSystemWindowRecord(u32 msgId, const RuntimeClassRecord* record);
const RuntimeClassRecord* GetSystemWindowRecord(u32 msgId);

// Services that controls reach from their destructors (floating tips, message-box queue, the
// game's guide) must outlive the window tree. Each such service registers a function that creates
// it; the control manager runs them all before it is created itself, so those services are
// destroyed after it (function-local singletons die in reverse order of creation). Register from
// a start-up initialiser; at most 32 entries.
void RegisterTreeService(void (*pfnCreate)());
void CreateTreeServices();
