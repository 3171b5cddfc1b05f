// CORVGardenWnd: the small host window the main window opens for message 274; it only holds the
// developer test window.
#pragma once

#include "framework/control/ORVWindow.h"

class CORVTestWnd;

class CORVGardenWnd : public CORVWindow {
    ORV_DECLARE_RUNTIME_CLASS(CORVGardenWnd)
public:
    CORVGardenWnd();
    ~CORVGardenWnd() override;

    // Takes the main window's size, makes its close button and opens the test window
    // (argument 0) centred in it.
    void OnCreate() override;
    // The test window's close request removes it; the own close button closes this window.
    bool OnMessage(ORVMsg* msg) override;
    // Asks the main window to close slot 274 (it honours close requests from 275 and 276 only).
    void Close() override;

    CORVTestWnd* m_pTestWnd = nullptr;   // a child; null when closed
};
