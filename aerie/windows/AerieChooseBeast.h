// The guardian-beast chooser of a new player: CAerieChooseBeastWnd, the system window of command
// 0x112, opened before the game window exists; it starts the tutorial, shows eight beast cards
// (CAerieChooseBeastItem) of the chosen sex and sends the choice to the server.
#pragma once

#include "aerie/state/XmlAerieRecords.h"
#include "framework/control/ORVWindow.h"
#include "framework/text/WrappedText.h"

class CORVButton;
class CORVRadioGroup;

// One beast card, 104 x 108: the beast's picture between a background and a frame in the colours
// of its sex, its name below; the picture sinks while the card is hovered and bobs while it is
// the selected one.
class CAerieChooseBeastItem : public CORVControl {
    ORV_DECLARE_RUNTIME_CLASS(CAerieChooseBeastItem)
public:
    static constexpr int kWidth = 104;
    static constexpr int kHeight = 108;

    CAerieChooseBeastItem();
    ~CAerieChooseBeastItem() override;

    void OnCreate() override;   // layout and bobbing timing
    void OnDraw() override;     // AerieChooseBeastDraw.cpp

    // The index-th beast in key order of the first (male) or second (female) table; none there
    // leaves the card empty. The card is unselected either way.
    void SetBeast(int index, bool second);
    // Selected cards bob from the stamp on; unselected ones rest.
    void SetSelected(bool selected, u32 now);
    // The picture's downward offset at now: bobbing 0 to m_nMaxOffset over each period while
    // selected, m_nMaxOffset while hovered, else 0. Restarts the period once it has run out.
    int PictureOffset(u32 now, bool hover);

    u8 m_bValid = 0;          // a beast is set
    u8 m_bAnimating = 0;      // selected: the picture bobs
    i32 m_nNameX = 0;
    i32 m_nNameY = 0;
    i32 m_nLayout1 = 0;       // layout values kept with the card, not read
    i32 m_nLayout2 = 0;
    u32 m_dwStamp = 0;        // start of the current bobbing period
    u32 m_dwPeriod = 0;       // bobbing period, ms
    i32 m_nMaxOffset = 0;     // deepest offset of the picture, px
    CXmlBeast m_Beast;
};

class CAerieChooseBeastWnd : public CORVWindow {
    ORV_DECLARE_RUNTIME_CLASS(CAerieChooseBeastWnd)
public:
    static constexpr int kItemCount = 8;

    CAerieChooseBeastWnd();
    // Closes an open message box, popup menu and split window with it.
    ~CAerieChooseBeastWnd() override;

    void OnCreate() override;
    bool OnMessage(ORVMsg* msg) override;
    bool ProcessMessage(ORVMsg* msg) override;
    void OnDraw() override;   // AerieChooseBeastDraw.cpp

    // Every card refilled for the selected sex (same indexes), none selected.
    void FillItems();
    // Card index selected (with the tick clock's stamp), every other unselected.
    void SelectItem(int index);
    // Sends the first selected card's beast, closes and moves the tutorial on; a tip when none.
    void ConfirmBeast();

    i32 m_nTextX = 278;
    i32 m_nTextY = 518;
    CORVRadioGroup* m_pSexGroup = nullptr;
    CORVButton* m_pOkBtn = nullptr;
    CWrappedText m_Desc;
    CAerieChooseBeastItem* m_pItem[kItemCount] = {};
};
