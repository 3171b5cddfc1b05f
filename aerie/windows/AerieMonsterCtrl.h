// CAerieMonsterCtrl: one 48 x 48 cell of the group window's monster grid, standing for monster
// slot m_wItemId (0-69; the group is slot / 10, the idle group owning 30-69) of the shown city:
// the stack kept there with its count and figures, moved to another slot by drag and drop or by
// two clicks (sub 0x17; the server's reply ends the drag), split, raised, refreshed or released
// from its menu. m_bReadOnly is set in a visited city (every action off), m_bAvailable clear on a
// locked cell.
#pragma once

#include "aerie/windows/AerieIconCtrl.h"

struct AerieMonsterEntry;

class CAerieMonsterCtrl : public CAerieIconCtrl {
    ORV_DECLARE_RUNTIME_CLASS(CAerieMonsterCtrl)
public:
    CAerieMonsterCtrl();
    ~CAerieMonsterCtrl() override;

    bool OnMouseMove(int x, int y) override;                     // starts the drag while pressed
    bool OnMouseEnter(int x, int y, CORVControl* prev) override;  // the lock's or the stack's tip
    bool OnLButtonDown(int x, int y) override;                   // busy tip; capture and focus
    bool OnDragEnd(int x, int y, CORVControl* target) override;   // cancels only without a target
    bool OnDrop(int x, int y) override;                          // moves the dragged stack here
    bool OnClick(int kind) override;                             // two-click move; right: menu
    bool ProcessMessage(ORVMsg* msg) override;                   // topics 17, 18 and 19
    void Render() override;

    const AerieMonsterEntry& GetSlotMonster() const;
    bool HasMonster() const;
    // The group of the slot: slot / 10, at most 3.
    int GetGroup() const;
    // The own city's group of this slot at work: its tip (building or fighting) and true.
    bool CheckGroupBusy() const;

    static constexpr int kSize = 48;
    static constexpr int kIdleGroup = 3;

private:
    // The busy text of the own city's group of this slot, or null when it is free.
    const char* BusyText() const;
    bool IsOwnOpen() const { return m_bReadOnly == 0 && m_bAvailable != 0; }
    void StartDrag();
    void SendMove();

    CCachedText m_Count;
};
