// STAND-IN, until the exchange window lands (slot 276): it keeps the topics it receives and draws
// them. Remove this class and its record when CGardenExchangeWnd registers its own.
#pragma once

#include "framework/control/ORVWindow.h"

class CGardenExchangeWnd : public CORVWindow {
    ORV_DECLARE_RUNTIME_CLASS(CGardenExchangeWnd)
public:
    bool ProcessMessage(ORVMsg* msg) override;   // keeps and logs the topics of 276
    void OnDraw() override;
    void CreateCloseButton() override;

    u32 m_dwLastTopic = 0;
    u32 m_dwReceived = 0;
};
