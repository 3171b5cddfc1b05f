// CAerieSkillIconCtrl: a group skill as a plain picture with its effect at every level in the
// tooltip. Its kind chooses the skill slot: slot index of group 0, 1 or 2 of the shown city
// (kinds 7-9) or of the own city (kinds 10-12), or the copy its owner fills (any other kind). A
// left click tells the parent which skill it is.
#pragma once

#include "aerie/state/AerieMonsterGroup.h"
#include "aerie/windows/AerieIconCtrl.h"

class CORVToolTip;

class CAerieSkillIconCtrl : public CAerieIconCtrl {
    ORV_DECLARE_RUNTIME_CLASS(CAerieSkillIconCtrl)
public:
    CAerieSkillIconCtrl();
    ~CAerieSkillIconCtrl() override;

    bool OnMouseEnter(int x, int y, CORVControl* prev) override;   // the per-level lines
    bool OnClick(int kind) override;                               // left: the skill picked
    void Render() override;                                        // the picture

    // The skill shown, looked up afresh (an empty entry when absent).
    const AerieGroupSkillEntry& GetEntry() const;

    AerieGroupSkillEntry m_OwnSkill;   // shown for a kind other than 7 to 12
};

// The number of levels of a skill: its per-level effect values less entry 0 (0 without any).
int GetSkillTopLevel(const CXmlMonGroupSkill& skill);
// One tooltip line per level 1..top: name, "Lv", the level, then the skill's description with
// that level's effect value for its %1%; style 3 for the entry's own level, 1 for the others.
// Nothing without a configuration.
void AddSkillLevelLines(CORVToolTip& tip, const AerieGroupSkillEntry& entry);
// Notification {6, 42, the entry's slot id} from icon to its parent (nothing without a parent).
void PostSkillPicked(CORVControl* icon, const AerieGroupSkillEntry& entry);
