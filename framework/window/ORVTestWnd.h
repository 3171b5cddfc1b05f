// CORVTestWnd: OrvaneDemo's developer window with one of each widget, to try the toolkit as the
// renderer draws it: a radio group, an edit field, a vertical and a horizontal scroll bar, a
// drop-down list, a check box and a button that queues a message box and a floating notice. The
// drop-down list is refilled with the numbers 1 to 18 each time it is opened; the window shows the
// vertical bar's position and range at its top. No code of the library opens it; its owner creates
// it with a size (CreateAt), which builds the children.
#pragma once

#include "framework/control/ORVWindow.h"

class CORVButton;
class CORVCheck;
class CORVChoice;
class CORVEdit;
class CORVHScroll;
class CORVRadioGroup;
class CORVVScroll;

class CORVTestWnd : public CORVWindow {
    ORV_DECLARE_RUNTIME_CLASS(CORVTestWnd)
public:
    CORVTestWnd();
    ~CORVTestWnd() override;

    void OnCreate() override;                      // 10: the children, in this order
    bool OnMouseMove(int x, int y) override;       // 22: the container's drag
    bool OnMessage(ORVMsg* msg) override;          // 33: the children's notifications
    void OnDraw() override;                        // 46: "position/range" (ORVTestWndDraw.cpp)

    CORVRadioGroup* m_pRadio = nullptr;
    CORVEdit* m_pEdit = nullptr;
    CORVVScroll* m_pVScroll = nullptr;
    CORVHScroll* m_pHScroll = nullptr;
    CORVChoice* m_pChoice = nullptr;
    CORVButton* m_pTestButton = nullptr;
    CORVCheck* m_pCheck = nullptr;
};
