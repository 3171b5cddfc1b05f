// CAerieIconCtrl: the square picture control every icon of the game windows derives from: the
// id of the thing shown, a kind word for the subclass, a read-only flag that owners set and an
// availability flag that, when cleared, lays the lock image over the icon. CAerieDeadMonsterIcon
// shows one kind of dead monster of the shown city waiting to revive.
#pragma once

#include "framework/control/ORVControl.h"

class CAerieIconCtrl : public CORVControl {
    ORV_DECLARE_RUNTIME_CLASS(CAerieIconCtrl)
public:
    CAerieIconCtrl();
    ~CAerieIconCtrl() override;

    void Render() override;   // posted messages, OnDraw, then the lock while not available

    // Stores itemId, then CreateAt(parent, x, y, w, h).
    virtual bool CreateIcon(CORVControl* parent, int x, int y, u16 itemId, int w, int h);

    i32 m_nKind = 13;
    u16 m_wItemId = 0;
    u8 m_bReadOnly = 0;
    u8 m_bAvailable = 1;

    static constexpr u16 kLockFrame = 649;
    static constexpr int kLockInset = 4;
};

class CAerieDeadMonsterIcon : public CAerieIconCtrl {
    ORV_DECLARE_RUNTIME_CLASS(CAerieDeadMonsterIcon)
public:
    CAerieDeadMonsterIcon();
    ~CAerieDeadMonsterIcon() override;

    bool OnMouseEnter(int x, int y, CORVControl* prev) override;   // the monster's figures
    void Render() override;   // pictures, revive pie and count

    static constexpr int kSize = 48;
};
