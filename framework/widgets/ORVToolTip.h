// The two overlays the main window draws above every window: the tooltip near the mouse
// (CORVToolTip, g_ToolTip) and the floating notices centred on the screen (CAutoTip, g_AutoTip).
#pragma once

#include <string>

#include "framework/control/ORVControl.h"

class CORVToolTip {
public:
    static CORVToolTip& GetSingleton();

    void Reset();
    void Clear();
    void AddText(int style, const std::string& text, int align);
    void Draw();
};

class CAutoTip : public CORVControl {
public:
    static CAutoTip& GetSingleton();

    CAutoTip();
    ~CAutoTip() override;

    void AddText(const std::string& text, u32 colour, int frames);

    bool ProcessMessage(ORVMsg* msg) override;
    void Render() override;
};
