// Clickable image widgets: CORVButton (push button of image set 92 with a caption), CORVCheck
// (two-state check box) and CORVRadioGroup (buttons of which one is latched as selected).
#pragma once

#include "framework/control/ORVControlContainer.h"

class CORVButton : public CORVControl {
    ORV_DECLARE_RUNTIME_CLASS(CORVButton)
public:
    CORVButton();
    ~CORVButton() override;

    // Base frame = frame; size from the host's image (0 x 0 for frame 0); then CreateAt.
    virtual bool CreateWithImage(CORVControl* parent, int x, int y, u16 frame);   // 54
    virtual void SetLatch(int v);                                                 // 55

    u32 m_nLatch = 0;    // 0 not latched; else the frame offset shown
    u16 m_wFrame = 0;    // base image frame of set 92
};

class CORVCheck : public CORVControl {
    ORV_DECLARE_RUNTIME_CLASS(CORVCheck)
public:
    CORVCheck();
    ~CORVCheck() override;

    u32 m_nLatch = 0;    // checked 0 or 1
    u16 m_wFrame = 0;    // base image frame of set 92
};

class CORVRadioGroup : public CORVControlContainer {
    ORV_DECLARE_RUNTIME_CLASS(CORVRadioGroup)
public:
    CORVRadioGroup();
    ~CORVRadioGroup() override;
};
