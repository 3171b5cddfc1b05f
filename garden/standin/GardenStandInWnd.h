// STAND-INS, until the Garden screens land: the main garden screen (slot 275) and the exchange
// window (slot 276). The garden screen resets the state and loads the game data when it is made,
// tells the host command 2, draws the mirrored garden as text (owner, level, wealth, plots and
// plant stages) and, when destroyed, closes Garden connection 0, resets the state and tells the
// host command 3. The exchange window keeps the topics it receives and draws them.
// Remove these classes and their records when CGardenWnd and CGardenExchangeWnd register their own.
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

class CGardenExchangeWnd : public CORVWindow {
    ORV_DECLARE_RUNTIME_CLASS(CGardenExchangeWnd)
public:
    bool ProcessMessage(ORVMsg* msg) override;   // keeps and logs the topics of 276
    void OnDraw() override;
    void CreateCloseButton() override;

    u32 m_dwLastTopic = 0;
    u32 m_dwReceived = 0;
};
