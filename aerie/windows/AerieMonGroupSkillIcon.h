// CAerieMonGroupSkillIcon: one skill slot of a monster group in the group window, keyed group x
// 11 + slot (slot 0 the talent, 1-10 passive skills): the skill's picture with the group's badge
// and its level, the effect at every level in the tooltip, or which technology level opens a
// closed slot. A left click on an own, open slot picks its skill for the window's refresh.
#pragma once

#include "aerie/windows/AerieIconCtrl.h"

struct AerieGroupSkillEntry;

class CAerieMonGroupSkillIcon : public CAerieIconCtrl {
    ORV_DECLARE_RUNTIME_CLASS(CAerieMonGroupSkillIcon)
public:
    CAerieMonGroupSkillIcon();
    ~CAerieMonGroupSkillIcon() override;

    bool OnMouseEnter(int x, int y, CORVControl* prev) override;   // the slot's tooltip
    bool OnClick(int kind) override;                               // left: picks the skill
    void Render() override;                                        // picture, badge, level

    // The shown city's entry of m_wItemId (an empty one when absent).
    const AerieGroupSkillEntry& GetEntry() const;

    static constexpr int kSize = 48;
    static constexpr int kBadgeOffset = 29;
    static constexpr u32 kLevelColour = 0xFFFFFF00;

private:
    CCachedText m_Level;   // "Lv" and the level, made again when the level changes
};
