// Clickable image widgets: CORVButton (push button of image set 92 with a caption), CORVCheck
// (two-state check box) and CORVRadioGroup (buttons of which one is latched as selected).
//
// Each widget's look is derived every frame from its state (enabled, mouse capture, hover,
// latch) by GetLook(); OnDraw only draws that look (ORVButtonDraw.cpp), so another drawing
// back end can reuse the same state logic.
#pragma once

#include <vector>

#include "framework/control/ORVControlContainer.h"

// What a button or check box shows in one frame.
struct ORVImageLook {
    int nFrame = 0;          // image frame of set 92
    u32 dwColour = 0;        // caption colour
    int nShift = 0;          // caption moved this many pixels right and down (pressed look)
};

class CORVButton : public CORVControl {
    ORV_DECLARE_RUNTIME_CLASS(CORVButton)
public:
    CORVButton();
    ~CORVButton() override;

    void OnDraw() override;                                                       // 46

    // Base frame = frame; size from the host's image (0 x 0 for frame 0, the host is not
    // asked); then CreateAt.
    virtual bool CreateWithImage(CORVControl* parent, int x, int y, u16 frame);   // 54
    virtual void SetLatch(int v);                                                 // 55

    // Frame and caption colour, tested in this order: disabled, latched, pressed, hover, normal.
    ORVImageLook GetLook();

    u32 m_nLatch = 0;    // 0 not latched; else the frame offset shown (the radio group uses 2)
    u16 m_wFrame = 0;    // base image frame of set 92
};

class CORVCheck : public CORVControl {
    ORV_DECLARE_RUNTIME_CLASS(CORVCheck)
public:
    CORVCheck();
    ~CORVCheck() override;

    // Toggles the checked state for every kind (a right click toggles too), then notifies the
    // parent as every control does.
    bool OnClick(int kind) override;                                              // 41
    void OnDraw() override;                                                       // 46

    // CreateAt with the small size, or the large one for the large check box's base frame.
    virtual bool CreateCheck(CORVControl* parent, int x, int y);                  // 54
    // Sets the checked state; owners read it from m_nLatch.
    virtual void SetLatch(int v);                                                 // 55

    // Frame for the state (3 frames per checked state); the caption is always white.
    ORVImageLook GetLook();

    u32 m_nLatch = 0;    // checked 0 or 1
    u16 m_wFrame;        // base image frame of set 92
};

class CORVRadioGroup : public CORVControlContainer {
    ORV_DECLARE_RUNTIME_CLASS(CORVRadioGroup)
public:
    CORVRadioGroup();
    ~CORVRadioGroup() override;

    // A click notification (id 0) from an item selects it and tells the parent; every other
    // notification is swallowed.
    bool OnMessage(ORVMsg* msg) override;                                         // 33

    // count buttons in a row, each step pixels right of the previous; a negative step makes a
    // column (each -step pixels below) where the build says so (kRadioNegativeStepIsColumn), else
    // a row running left of the origin (the group's size is then not positive: it cannot be hit).
    // Frames baseFrame + 3 i (baseFrame for all when sameFrame); item selected is latched, and
    // selected where the build says so (kRadioSelectsOnCreate; else the selection stays 0 until
    // the first click). A count of 0 or less makes an empty 0 x 0 group.
    virtual bool CreateGroup(CORVControl* parent, int x, int y, u16 baseFrame, int count, int selected,
                             int step, bool sameFrame = false);                   // 63

    // Latches item index and selects it; nothing when index is the selection or there are no
    // items. An index outside the items unlatches all and keeps the selection. Posts nothing.
    void SetCurSel(int index);
    // No item latched, selection -1.
    void ClearSelection();
    // The item's tooltip; its caption and caption offset. Nothing for an index outside the items.
    void SetItemTip(int index, const char* text);
    void SetItemText(int index, const char* text, int x, int y);

    i32 m_nCurSel = 0;                 // selected item; -1 none; owners read it directly
    u8 m_bSameFrame = 0;               // all items use the base frame
    std::vector<CORVButton*> m_vItems; // creation order; also children, which own them

private:
    // Latch 2 on item index, 0 on every other (an index outside the items unlatches all).
    void LatchOnly(int index);
    CORVButton* GetItem(int index) const;
};
