// CAerieContainer: the common base of the game's sub-windows. It adds nothing to the window; the
// main game window recognises its sub-windows by a kind-of test against this class.
#pragma once

#include "framework/control/ORVWindow.h"

class CAerieContainer : public CORVWindow {
    ORV_DECLARE_RUNTIME_CLASS(CAerieContainer)
public:
    CAerieContainer();
    ~CAerieContainer() override;
};
