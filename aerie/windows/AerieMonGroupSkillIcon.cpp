#include "aerie/windows/AerieMonGroupSkillIcon.h"

#include "aerie/state/AerieMonsterGroup.h"
#include "aerie/windows/AerieCityView.h"
#include "aerie/windows/AerieNewBie.h"
#include "aerie/windows/AerieSkillIconCtrl.h"
#include "framework/widgets/ORVToolTip.h"

ORV_IMPLEMENT_RUNTIME_CLASS(CAerieMonGroupSkillIcon, CAerieIconCtrl)

namespace {

// The tutorial's step told when the tooltip of a present skill is built.
constexpr u16 kStepSkillTip = 19;

}  // namespace

CAerieMonGroupSkillIcon::CAerieMonGroupSkillIcon() = default;
CAerieMonGroupSkillIcon::~CAerieMonGroupSkillIcon() = default;

const AerieGroupSkillEntry& CAerieMonGroupSkillIcon::GetEntry() const
{
    return AerieView::GetGroupSkill(false, m_wItemId);
}

bool CAerieMonGroupSkillIcon::OnMouseEnter(int x, int y, CORVControl* prev)
{
    CORVToolTip& tip = CORVToolTip::GetSingleton();
    tip.Reset();
    const int slot = m_wItemId % kAerieSkillSlots;
    if (m_bAvailable == 0) {
        tip.AddText(7, BoundedFormat(kBoxTextBound, "城堡研究所中的“怪物技能”科技升级到%1%级后\n会开启该技能格并获得新技能。", slot), 0);
    } else {
        const AerieGroupSkillEntry& entry = GetEntry();
        if (entry.GetSkillId() != 0) {
            if (entry.m_pConfig != nullptr) {
                tip.AddText(7, slot == 0 ? "该技能为天赋技能" : "该技能为被动技能", 1);
                AddSkillLevelLines(tip, entry);
            }
            CAerieNewBie::GetSingleton().OnStepEvent(kStepSkillTip);
        }
    }
    return CAerieIconCtrl::OnMouseEnter(x, y, prev);
}

bool CAerieMonGroupSkillIcon::OnClick(int kind)
{
    if (m_bReadOnly == 0 && m_bAvailable != 0 && kind == static_cast<int>(kNotifyLeftClick)) {
        PostSkillPicked(this, GetEntry());
    }
    return CAerieIconCtrl::OnClick(kind);
}
