// CAerieMonsterIconCtrl: one monster stack as a 48 x 48 picture with its count and figures. Its
// kind chooses the stack: a slot of the shown or of the own city (kinds 0-6), or the copy its
// owner fills (any other kind). A writable icon is dragged onto another monster icon to move the
// stack (sub 0x17) and offers split, upgrade and release on a right click.
// CAerieEnemyMonsterIconCtrl: an enemy force modelled on a stack, its count and powers scaled
// down by the difficulty's factor, its name behind a word for the difficulty.
#pragma once

#include "aerie/state/AerieMonsterGroup.h"
#include "aerie/windows/AerieIconCtrl.h"

class CAerieMonsterIconCtrl : public CAerieIconCtrl {
    ORV_DECLARE_RUNTIME_CLASS(CAerieMonsterIconCtrl)
public:
    CAerieMonsterIconCtrl();
    ~CAerieMonsterIconCtrl() override;

    bool OnMouseMove(int x, int y) override;                     // starts the drag while pressed
    bool OnMouseEnter(int x, int y, CORVControl* prev) override;  // the stack's figures
    bool OnDragEnd(int x, int y, CORVControl* target) override;   // the drag ends
    bool OnDrop(int x, int y) override;                          // a dragged stack moves here
    bool OnClick(int kind) override;                             // left ends a drag; right: menu
    bool ProcessMessage(ORVMsg* msg) override;                   // the release flow (17, 18)
    void Render() override;                                      // pictures and count

    // The stack shown: looked up afresh in the store on every call (an empty entry when absent).
    const AerieMonsterEntry& GetEntry() const;
    // The monster slot of that stack, which the requests name: the index plus the kind's offset
    // (0, 10 or 20); m_wItemId itself for an owner-filled entry. False when the slot would lie
    // beyond 65535.
    bool GetSlotKey(u16* slot) const;

    static constexpr int kSize = 48;

    AerieMonsterEntry m_OwnEntry;   // shown for a kind other than 0 to 6

protected:
    // The count drawn and shown: the stack's own.
    virtual u32 GetShownCount(const AerieMonsterEntry& entry) const;

private:
    CCachedText m_Count;
};

class CAerieEnemyMonsterIconCtrl : public CAerieMonsterIconCtrl {
    ORV_DECLARE_RUNTIME_CLASS(CAerieEnemyMonsterIconCtrl)
public:
    CAerieEnemyMonsterIconCtrl();
    ~CAerieEnemyMonsterIconCtrl() override;

    bool OnMouseEnter(int x, int y, CORVControl* prev) override;  // titled, scaled figures

    // count x scale cut toward zero, at least 1.
    static u32 ScaleCount(u32 count, float scale);
    // power x scale cut toward zero, at most 65535.
    static u16 ScalePower(u16 power, float scale);

    u16 m_wFightId = 0;    // the fight the before-fight windows show
    u16 m_wStrength = 0;   // the difficulty: 0 weak, 1 ordinary, 2 tough
    float m_fScale = 1.0f;

protected:
    u32 GetShownCount(const AerieMonsterEntry& entry) const override;
};
