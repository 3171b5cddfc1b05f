// The information controls of the building windows: CAerieProductInfoCtrl, the shown city's
// hourly production by source and resource, and CAerieWorkInfoCtrl, what each of the three
// working groups is doing, with its cancel, speed-up and award-refresh buttons.
#pragma once

#include "framework/control/ORVControlContainer.h"

class CORVButton;

class CAerieProductInfoCtrl : public CORVControl {
    ORV_DECLARE_RUNTIME_CLASS(CAerieProductInfoCtrl)
public:
    CAerieProductInfoCtrl();
    ~CAerieProductInfoCtrl() override;
};

class CAerieWorkInfoCtrl : public CORVControlContainer {
    ORV_DECLARE_RUNTIME_CLASS(CAerieWorkInfoCtrl)
public:
    CAerieWorkInfoCtrl();
    ~CAerieWorkInfoCtrl() override;

    void SetArgs(int arg, std::string text) override;   // the mode: 0 draws the background images

    CORVButton* m_apCancel[3] = {};
    CORVButton* m_apSpeedUp[3] = {};
    CORVButton* m_apAwardRefresh[3] = {};
    u16 m_wMode = 0;
};
