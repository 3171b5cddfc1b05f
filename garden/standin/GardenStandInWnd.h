// STAND-IN, until the Garden screen lands: the main garden screen (slot 275). It resets the state
// and loads the game data when it is made, tells the host command 2, draws the mirrored garden as text (owner, level, wealth, plots and
// plant stages) and, when destroyed, closes Garden connection 0, resets the state and tells the
// host command 3.
// Remove this class and its record when CGardenWnd registers its own.
#pragma once

#include "framework/control/ORVWindow.h"

class CGardenWnd : public CORVWindow {
    ORV_DECLARE_RUNTIME_CLASS(CGardenWnd)
public:
    static constexpr int kKeptTopics = 16;

    CGardenWnd();
    ~CGardenWnd() override;

    void OnCreate() override;
    bool ProcessMessage(ORVMsg* msg) override;   // keeps the topics of 275
    void OnDraw() override;
    void CreateCloseButton() override;           // none

    u32 m_adwTopics[kKeptTopics] = {};
    int m_nTopics = 0;
};
