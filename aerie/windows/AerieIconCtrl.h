// CAerieIconCtrl: the square picture control every icon of the game windows derives from: the
// id of the thing shown, a kind word for the subclass, a read-only flag that owners set and an
// availability flag that, when cleared, lays the lock image over the icon. CAerieDeadMonsterIcon
// shows one kind of dead monster of the shown city waiting to revive.
#pragma once

#include "aerie/windows/AerieWndUtil.h"
#include "framework/control/ORVControl.h"

struct AerieMonsterEntry;

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

    // The shown city's entry of m_wItemId (an empty one when absent).
    const AerieMonsterEntry& GetEntry() const;
    // Revive seconds left: the stamped seconds less the whole seconds since the stamp, floor 0.
    static u32 GetRemainingSeconds(const AerieMonsterEntry& entry, u32 now);
    // The pie's angle: revive time (less building 17's minutes) gone by; false when the monster
    // has no configuration or its revive time is 0 or less.
    static bool GetPieAngle(const AerieMonsterEntry& entry, u32 now, float* angle);

    static constexpr int kSize = 48;
    static constexpr int kPieRadius = 24;
    static constexpr u32 kPieColour = 0x90FF0000;

private:
    CCachedText m_Count;   // the count's text, made again when the count changes
};
