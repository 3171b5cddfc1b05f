// CAerieSetWnd: the game's settings window with one switch, whether the city's buildings show
// their levels. The switch is kept in the player's settings file; a change is told to the game's
// windows at once.
#pragma once

#include "framework/control/ORVWindow.h"

class CORVButton;
class CORVCheck;

class CAerieSetWnd : public CORVWindow {
    ORV_DECLARE_RUNTIME_CLASS(CAerieSetWnd)
public:
    CAerieSetWnd();
    ~CAerieSetWnd() override;

    void OnCreate() override;
    bool OnMessage(ORVMsg* msg) override;
    bool ProcessMessage(ORVMsg* msg) override;   // swallows the left double click
    void OnDraw() override;

    // Stores a changed switch and tells the game's windows; nothing when it is unchanged.
    void Apply();

    u8 m_bLevelShow = 0;
    CORVCheck* m_pLevelCheck = nullptr;
    CORVButton* m_pOkButton = nullptr;
};
