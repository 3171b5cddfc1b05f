// CORVChoice: a drop-down list. Closed, it is a box showing the selected item with an arrow;
// opened, a list of rows hangs below the box (or above it when the parent has no room below), with
// a vertical scroll bar when there are more items than rows. The control only reports: a click on
// the box posts kNotifyChoiceDrop, a click on a row posts kNotifyChoiceSelect with the item's
// index; the parent answers with DropDown (or CloseList) and SetCurSel.
//
//   case kNotifyChoiceDrop:   choice->m_bOpen ? choice->CloseList() : choice->DropDown(); break;
//   case kNotifyChoiceSelect: choice->SetCurSel(static_cast<int>(msg->m_wParam)); break;
#pragma once

#include <string>
#include <vector>

#include "framework/control/ORVControlContainer.h"
#include "framework/widgets/CapBar.h"

class CORVVScroll;

// What the choice draws in one frame, local to the control: the box and its arrow, and while open
// the list with its hovered row and the items in its rows.
struct ORVChoiceLook {
    int nBoxTop = 0;          // top of the box (the bottom part of an upward list)
    ORVCapBar face;           // the box's face at screen positions
    int nArrowState = 0;      // 0 normal, 1 hover, 2 pressed or disabled
    bool bList = false;       // the list is open
    int nListTop = 0;         // top of the list
    int nListHeight = 0;      // the list's height (the control's height less the box)
    int nHoverRow = -1;       // hovered row from the first shown; -1 none
    int nFirstItem = 0;       // item in the first row (the scroll bar's position)
    int nRows = 0;            // rows drawn: items from nFirstItem, at most the rows shown
};

struct ORVChoiceItem {
    std::string m_strText;
    ARGB m_dwColour = 0xFFFFFFFF;
    u32 m_nAlign = 0;   // 0 left, 1 centred, 2 right (as CORVControl::DrawAlignedText)
};

class CORVChoice : public CORVControlContainer {
    ORV_DECLARE_RUNTIME_CLASS(CORVChoice)
public:
    CORVChoice();
    ~CORVChoice() override;

    bool OnMouseMove(int x, int y) override;                                       // 22
    bool OnMouseLeave(int x, int y, CORVControl* next) override;                   // 24
    bool OnChildMouseLeave(CORVControl* child, CORVControl* next) override;        // 26
    bool OnMouseWheel(int x, int y, int delta) override;                           // 27
    bool OnLButtonUp(int x, int y) override;                                       // 30
    void OnDraw() override;                                                        // 46 (ORVChoiceDraw.cpp)

    // Remembers y as the closed place; CreateAt(parent, x, y, width, closed height).
    virtual bool CreateBox(CORVControl* parent, int x, int y, int width);          // 63

    // Appends an item; a selection of -1 becomes 0. Returns the item count.
    int AddItem(const std::string& text, ARGB colour, u32 align);
    // Erases every item; the selection index stays as it is.
    void ClearItems();
    // Opens the list below the box, or above it when the parent has no room below; a scroll bar
    // when there are more items than rows. Nothing when open or without a parent.
    void DropDown();
    // Closes the list: its scroll bar goes, an upward list moves back down.
    void CloseList();
    // Selects item index and closes the list; an index outside the items changes nothing.
    void SetCurSel(int index);

    // Box, arrow, list and row range for the current state.
    ORVChoiceLook GetLook();

    // The selected item, or null when the selection lies outside the items.
    const ORVChoiceItem* GetSelectedItem() const;
    // Rows of the open list, and the list's height.
    int RowsShown() const;
    int ListHeight() const { return RowsShown() * m_nRowHeight; }
    // Top of the box and of the list, local to the control.
    int BoxTop() const { return m_bOpen && m_bUpward ? m_nHeight - m_nClosedHeight : 0; }
    int ListTop() const { return m_bUpward ? 0 : m_nClosedHeight; }
    // The item in the list's first row (the scroll bar's position).
    int FirstRow() const;

    u8 m_bOpen = 0;
    u8 m_bUpward = 0;
    i32 m_nHover = -1;                    // row under the mouse, from the first row shown; -1 none
    i32 m_nCurSel = -1;                   // selected item; -1 none
    i32 m_nMaxRows = kChoiceMaxRows;
    CORVVScroll* m_pScroll = nullptr;     // the list's scroll bar while open
    i32 m_nClosedY = 0;
    std::vector<ORVChoiceItem> m_vItems;
    i32 m_nClosedHeight = kChoiceClosedHeight;
    i32 m_nRowHeight = kChoiceRowHeight;
    i32 m_nCapLeft = kChoiceCapLeft;
    i32 m_nMiddleLen = kChoiceMiddleLen;
    i32 m_nCapRight = kChoiceCapRight;
    u16 m_wArrowFrame = kChoiceArrowFrame;
    u16 m_wFrame = kChoiceBoxFrame;

private:
    void Notify(u32 id, u32 p1);
};
