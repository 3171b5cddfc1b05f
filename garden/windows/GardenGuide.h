// GardenGuide: the Garden tutorial. A welcome box offers it; then each step from 2 to 19 points a
// hint bubble at one control, and the control the step names moves it on when the player does
// what the hint asks. Reaching step 20 (or declining the welcome box) tells the server, which
// grants the reward. One global object, created before the window tree and outliving it: the main
// window draws its pointer above everything once a frame, and a dying control is forgotten by it,
// both through the toolkit's guide hooks.
#pragma once

#include <string>

#include "framework/core/ORVMsg.h"
#include "framework/core/OrvTypes.h"

class CORVControl;

struct GardenGuideStep {
    std::string m_strHint;
    CORVControl* m_pTarget = nullptr;   // not owned; null: no pointer for this step
    i32 m_nDx = 0;                      // the bubble's anchor from the target's centre
    i32 m_nDy = 0;
};

// The bubble's measures for a hint at an anchor (see DrawHintBubble).
struct HintBubbleLayout {
    i32 m_nTextWidth = 0;    // W
    i32 m_nWidth = 0;        // B
    i32 m_nTextHeight = 0;   // H
    i32 m_nCols = 0;         // C tiles of 36 pixels
    i32 m_nRows = 0;         // R tiles of 20 pixels
    i32 m_nLeft = 0;
    i32 m_nTop = 0;          // T
    bool m_bFlipped = false; // below the anchor
};
HintBubbleLayout MeasureHintBubble(int anchorX, int anchorY, const char* hint);
// A hint bubble pointing at the anchor: tiles of image set 3, the arrow and the hint's lines in
// black. Nothing for a null text.
void DrawHintBubble(int anchorX, int anchorY, const char* hint);

class GardenGuide {
public:
    static constexpr u16 kStepCount = 21;       // 0 to 20
    static constexpr u16 kWelcomeStep = 1;
    static constexpr u16 kFinishedStep = 20;
    static constexpr u32 kEventWelcomeOk = 135;
    static constexpr u32 kEventWelcomeCancel = 136;

    GardenGuide();
    ~GardenGuide();
    GardenGuide(const GardenGuide&) = delete;
    GardenGuide& operator=(const GardenGuide&) = delete;

    // Step 0, every step record as the table gives it, no targets.
    void Reset();
    // Step 1 queues the welcome box; the step becomes the one given in any case.
    void ShowWelcome(u16 step);
    // One step on; reaching 20 sends the tutorial request.
    void Advance();
    // Moves on only while the current step is step (what every control of the table does);
    // true when it did.
    bool AdvanceFrom(u16 step);
    // Step 20 and the tutorial request.
    void Finish();
    // A fixed step, for the panels that set one (no request is sent).
    void SetStep(u16 step) { m_wStep = step; }
    u16 Step() const { return m_wStep; }

    // The control a step points at (registered by the window that creates it); null clears it.
    void SetTarget(u16 step, CORVControl* target);
    // Every step pointing at the control loses its target (the control is being destroyed).
    void ForgetControl(const CORVControl* ctrl);
    const GardenGuideStep& StepRecord(u16 step) const;

    // The current step's bubble at its target (steps below 21 that have a target).
    void DrawPointer() const;

private:
    u16 m_wStep = 0;
    GardenGuideStep m_aSteps[kStepCount];
};

GardenGuide& GetGardenGuide();

// Framework message 275 with the kind as first parameter (the answers of the Garden's boxes).
ORVMsg MakeGameEvent(u32 kind);
