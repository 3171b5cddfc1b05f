// Scroll bars. CORVScroll holds an integer position between 0 and a range and tells its parent
// when the position changes (kNotifyScroll, p1 = the new position). CORVHScroll and CORVVScroll
// lay it out as a horizontal or vertical bar, turn mouse presses, drags and the right button into
// positions and draw the track and thumb (ORVScrollDraw.cpp).
//
//   auto* bar = new CORVVScroll();
//   list->AddChild(bar, false);
//   bar->CreateBar(list, width - 16, 0, height);
//   bar->SetRange(count - rows);      // the owner reads m_nPos on each kNotifyScroll
#pragma once

#include "framework/control/ORVControl.h"
#include "framework/widgets/CapBar.h"

// What a bar draws in one frame, along and across the bar (the vertical bar swaps x and y), and
// the same turned into screen positions: the track's three images and the thumb's corner.
struct ORVScrollLook {
    bool bTrack = false;      // the track's three images are drawn
    int nTrackCross = 0;      // track offset across the bar
    float fMiddleScale = 0;   // stretch of the middle image along the bar; 0 when it has no length
    int nCapEndAlong = 0;     // the last cap's offset along the bar
    bool bThumb = false;      // the thumb is drawn (a range to scroll)
    int nThumbAlong = 0;      // the thumb's offset along the bar
    ORVCapBar track;          // screen positions and stretch of the track (when bTrack)
    int nThumbX = 0;          // screen position of the thumb (when bThumb)
    int nThumbY = 0;
};

class CORVScroll : public CORVControl {
    ORV_DECLARE_RUNTIME_CLASS(CORVScroll)
public:
    CORVScroll();
    ~CORVScroll() override;

    // One notch towards the user (delta -120) moves forward by m_nStep; nothing with range 0.
    bool OnMouseWheel(int x, int y, int delta) override;                           // 27
    // Stores the thumb frame; a real frame takes its cross size from the host's image.
    virtual void SetThumbImage(u16 frame);                                         // 54
    virtual void SetTrackImage(u16 frame);                                         // 55 (empty here)

    using CORVControl::SetPos;
    // Clamps to 0..m_nRange; a change posts kNotifyScroll to the parent.
    void SetPos(int pos);
    // Range = max(max, 0); the position is clamped again (and notified when it moved).
    void SetRange(int max);

    // Track and thumb placement for the current size, range and position.
    ORVScrollLook GetLook() const;

    i32 m_nRange = 0;                          // largest position; 0 nothing to scroll
    i32 m_nPos = 0;                            // 0..m_nRange
    i32 m_nStep = 1;                           // positions per wheel notch
    i32 m_nBarSize = kScrollBarSize;           // cross size of the bar; length of the thumb
    i32 m_nTrackSize = kScrollThumbSize;       // the thumb image's size: the track's thickness
    i32 m_nCapStart = kScrollCapStart;
    i32 m_nMiddleLen = kScrollMiddleLen;
    i32 m_nCapEnd = kScrollCapEnd;
    u16 m_wThumbFrame = kScrollThumbFrame;
    u16 m_wTrackFrame = 0;                     // first of cap, middle, cap; 0 no track

protected:
    // The bar's length and a point's coordinate along it, by orientation.
    int Length() const { return m_bVertical ? m_nHeight : m_nWidth; }
    int Along(int x, int y) const { return m_bVertical ? y : x; }
    // The position for a point c along the bar; false when c lies off the bar (or it has no length).
    bool TargetAt(int c, int* target) const;
    // The bars' input, shared by both orientations.
    bool PressAt(int x, int y);
    bool DragTo(int x, int y);
    bool StepToward(int x, int y);
    // Host sizes of the three track images: lengths along the bar and the cross size.
    void TakeTrackSizes(u16 frame);
    // Draws track and thumb (ORVScrollDraw.cpp).
    void DrawBar();

    u8 m_bVertical = 0;
};

// A bar of one orientation: mouse input and drawing along x (horizontal) or y (vertical).
template <bool kVertical>
class TORVScrollBar : public CORVScroll {
public:
    TORVScrollBar()
    {
        m_bVertical = kVertical ? 1 : 0;
        m_wTrackFrame = kVertical ? kVScrollTrackFrame : kHScrollTrackFrame;
    }

    bool OnMouseMove(int x, int y) override { return DragTo(x, y); }               // 22
    bool OnLButtonDown(int x, int y) override { return PressAt(x, y); }            // 29
    bool OnRButtonDown(int x, int y) override { return StepToward(x, y); }         // 36
    void Render() override { DrawBar(); }                                          // 47: draws only
    void SetTrackImage(u16 frame) override { TakeTrackSizes(frame); }              // 55
    // CreateAt with the length along the bar and m_nBarSize across it.
    virtual bool CreateBar(CORVControl* parent, int x, int y, int length)          // 56
    {
        return kVertical ? CreateAt(parent, x, y, m_nBarSize, length) : CreateAt(parent, x, y, length, m_nBarSize);
    }
};

class CORVHScroll : public TORVScrollBar<false> {
    ORV_DECLARE_RUNTIME_CLASS(CORVHScroll)
};

class CORVVScroll : public TORVScrollBar<true> {
    ORV_DECLARE_RUNTIME_CLASS(CORVVScroll)
};
