// The quantity split window: a modal system window of the main window (command ORV_MSG_SPLITWND)
// that asks for a quantity between 1 and a maximum with a digits-only edit field, a horizontal
// scroll bar and two step buttons, and on OK sends the game's split request for one item.
//
// The opener packs the maximum into the command's m_lParam and the item id into the first two
// bytes of its text (little-endian):
//   ORVMsg open(ORV_MSG_SPLITWND, kSysWndOpen, count, std::string{char(id & 0xFF), char(id >> 8)});
#pragma once

#include <string>

#include "framework/control/ORVWindow.h"

class CORVButton;
class CORVEdit;
class CORVHScroll;

class CORVSplitWnd : public CORVWindow {
    ORV_DECLARE_RUNTIME_CLASS(CORVSplitWnd)
public:
    CORVSplitWnd();
    ~CORVSplitWnd() override;

    void OnCreate() override;                                  // 10: background, centred, children
    bool OnMouseWheel(int x, int y, int delta) override;       // 27: moves the scroll bar
    bool OnMessage(ORVMsg* msg) override;                      // 33: buttons and the scroll bar
    void OnDraw() override;                                    // 46: keeps the typed number in range
    void SetArgs(int arg, std::string text) override;          // 50: maximum and item id
    void CreateCloseButton() override;                         // 64: none

    // The number typed (0 for an empty field).
    int GetAmount() const;
    // Shows n in the edit field.
    void ShowAmount(int n);
    // The typed number kept between 1 and the maximum, min(max(n, 1), maximum) (the field shows
    // the corrected number); 0 for an empty field or a maximum of 0.
    int KeepAmountInRange();
    // OK: the split request for the typed amount, then the window closes; nothing for 0 (nothing
    // typed, or a maximum of 0).
    void Send();

    CORVButton* m_pOkButton = nullptr;
    CORVButton* m_pCancelButton = nullptr;
    CORVButton* m_pIncButton = nullptr;
    CORVButton* m_pDecButton = nullptr;
    CORVEdit* m_pEdit = nullptr;
    CORVHScroll* m_pScroll = nullptr;
    u16 m_wItemId = 0;
    u32 m_nMaxCount = 0;   // 0..kSplitMaxAmount
};
