// A topic recorder for tests: a window that tests install as the game window (0x113) or the
// choose-beast window (0x112). It keeps the topics it receives and draws them as one line of
// text, so that a test sees the game open and its events arrive.
#pragma once

#include "framework/control/ORVWindow.h"

class CAerieStandInWnd : public CORVWindow {
    ORV_DECLARE_RUNTIME_CLASS(CAerieStandInWnd)
public:
    static constexpr int kKeptTopics = 16;

    CAerieStandInWnd();

    bool ProcessMessage(ORVMsg* msg) override;   // keeps the topics of 0x112 and 0x113
    void OnDraw() override;
    void CreateCloseButton() override;           // none

    u32 m_adwTopics[kKeptTopics] = {};           // the last topics received, oldest first
    int m_nTopics = 0;                           // number kept (at most kKeptTopics)
    u32 m_dwReceived = 0;                        // all topics received
};
