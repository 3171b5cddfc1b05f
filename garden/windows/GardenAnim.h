// GardenAnim: a multi-frame renderer texture that plays its frames once at a fixed speed and
// otherwise shows a still frame. The garden screen keeps one per tool mode as the tool cursors and
// plays a tool's cursor once after each action on a plot.
#pragma once

#include "framework/core/OrvTypes.h"

class CTex;

class GardenAnim {
public:
    // What Step did.
    enum StepResult : int {
        kStepIdle = 0,       // not started: nothing drawn
        kStepPlaying = 1,    // a frame was drawn
        kStepEnded = 2,      // the play ended with this step: nothing drawn
        kStepFinished = 3,   // the play had ended before: nothing drawn, the count goes on
        kStepNoTexture = 4,
    };
    enum State : i32 { kIdle = 0, kPlaying = 1, kFinished = 3 };

    GardenAnim() = default;
    ~GardenAnim();
    GardenAnim(const GardenAnim&) = delete;
    GardenAnim& operator=(const GardenAnim&) = delete;
    GardenAnim(GardenAnim&& other) noexcept;
    GardenAnim& operator=(GardenAnim&& other) noexcept;

    // Gives back the old texture and loads texture id of the image set into a new one; returns it.
    CTex* Load(u16 id, u16 set);
    // Plays from the start, each frame for speed steps (total = frames x speed; without a texture
    // the total stays as it was).
    void Start(u16 speed);
    // One step at (x, y): draws the current frame untinted while the play runs.
    StepResult Step(int x, int y);
    // Steps taken since the play ended (0 unless it has).
    u16 TicksSinceEnd() const;
    // Selects and draws one frame untinted; nothing for a frame the texture does not have.
    void DrawFrame(int frame, int x, int y);
    void DrawLastFrame(int x, int y);

    CTex* Texture() const { return m_pTex; }
    State GetState() const { return static_cast<State>(m_nState); }

private:
    void Release();

    CTex* m_pTex = nullptr;   // owned: given back through the renderer's texture manager
    u16 m_wTotal = 0;         // steps of one play; saturates at 65535
    u16 m_wCounter = 0;       // saturates at 65535
    u16 m_wSpeed = 0;         // steps a frame
    i32 m_nState = kIdle;
};
