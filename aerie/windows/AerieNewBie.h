// CAerieNewBie: the game's guided first play on the toolkit's tutorial driver. Its table holds
// the 44 step records (hint, offset of the hint from the target); the game windows point steps
// at their controls and report what the player did; a few steps carry an action of their own
// (a box, a floating notice, a request, a step event posted some frames later).
#pragma once

#include "framework/widgets/ORVNewBie.h"

class CAerieNewBie final : public CORVNewBie {
public:
    // g_AerieNewBie, created on first use; it installs itself as the guide the toolkit reaches.
    static CAerieNewBie& GetSingleton();

    CAerieNewBie();
    ~CAerieNewBie() override;

    // Sizes the table to kStepCount records and fills the hints and offsets.
    void BuildSteps() override;
    // Acts only when step is the current step: the step's own action, then one step on (step 42
    // ends the guide instead).
    void OnStepEvent(u16 step) override;

    // Makes this guide the one the toolkit and the game's requests reach (GameHooks).
    void InstallGameHooks();

    static constexpr u16 kStepCount = 44;
    static constexpr u16 kLastStep = 42;
};

// The one guide, as the game windows reach it.
inline CAerieNewBie& Guide() { return CAerieNewBie::GetSingleton(); }
