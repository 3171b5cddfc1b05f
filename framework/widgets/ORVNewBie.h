// CORVNewBie: the framework side of a step-by-step tutorial. A game derives its guide from it,
// fills the step table (BuildSteps) and reacts to step events; the driver keeps the current step,
// draws the current step's hint box next to its target control every frame and forgets controls
// as they are destroyed. Step 0 means the tutorial is off. The steps are kept here
// (ORVNewBie.cpp) and drawn through the host apart from them (ORVNewBieDraw.cpp).
//
// The toolkit reaches the game's guide only through the hooks of GameHooks.h: the game creates
// its one guide and calls InstallHooks() on it; from then on a dying control is forgotten by it,
// the main window draws it once per frame, entering a city resets it and toolkit windows (the
// message box's OK button) point its steps at their controls. A guide that goes away
// uninstalls itself, so a control destroyed later calls nothing.
#pragma once

#include <string>
#include <vector>

#include "framework/core/OrvTypes.h"
#include "framework/text/WrappedText.h"

class CORVControl;

// One step: a hint pointing at a control.
struct NewBieStep {
    std::string m_strHint;              // hint text (GBK)
    CORVControl* m_pTarget = nullptr;   // the control pointed at; null: nothing drawn
    i32 m_nDx = 0;                      // offset of the pointed point from the target's centre
    i32 m_nDy = 0;
    u8 m_bBelow = 0;                    // 1: the hint box hangs below the point; 0: above it
};

class CORVNewBie {
public:
    CORVNewBie();
    CORVNewBie(const CORVNewBie&) = delete;
    CORVNewBie& operator=(const CORVNewBie&) = delete;

    virtual void BuildSteps() = 0;                                     // 0: the game fills m_vSteps
    virtual void LayoutStep();                                         // 1: wraps the current hint
    virtual bool IsActive();                                           // 2: step != 0
    virtual void SetStep(u16 step);                                    // 3
    virtual void OnStepEvent(u16 step);                                // 4: advances from that step only
    virtual void Draw();                                               // 5: the current step's hint
    virtual void SetStepTarget(u16 step, CORVControl* target);         // 6
    virtual void ForgetControl(CORVControl* ctrl);                     // 7
    virtual ~CORVNewBie();

    // Erases every step record and turns the tutorial off.
    void Reset();

    // Makes this guide the one the toolkit's hooks reach (replacing any other), or lets it go.
    void InstallHooks();
    void UninstallHooks();
    // The guide the hooks reach, or null.
    static CORVNewBie* Installed();

    std::vector<NewBieStep> m_vSteps;   // indexed by step number; index 0 is the "off" step
    CWrappedText m_Text;                // the current step's wrapped hint
    u16 m_wStep = 0;                    // current step; 0 = off

private:
    void DrawStep(const NewBieStep& step);
};
