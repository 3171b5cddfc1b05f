#include "aerie/windows/AerieSkillIconCtrl.h"

#include <iterator>
#include <string>

#include "aerie/state/XmlAerieRecords.h"
#include "aerie/windows/AerieCityView.h"
#include "aerie/windows/AerieWndUtil.h"
#include "framework/widgets/ORVToolTip.h"

ORV_IMPLEMENT_RUNTIME_CLASS(CAerieSkillIconCtrl, CAerieIconCtrl)

namespace {

// Kinds 7 to 12: the city and the offset added to the index (group g keeps keys 11g to 11g + 10).
struct SkillSource {
    bool m_bOwn;
    u16 m_wOffset;
};
constexpr i32 kFirstSkillKind = 7;
constexpr SkillSource kSkillSources[] = {
    {false, 0}, {false, 11}, {false, 22}, {true, 0}, {true, 11}, {true, 22},
};

}  // namespace

int GetSkillTopLevel(const CXmlMonGroupSkill& skill)
{
    return skill.m_vEffect.empty() ? 0 : static_cast<int>(skill.m_vEffect.size()) - 1;
}

void AddSkillLevelLines(CORVToolTip& tip, const AerieGroupSkillEntry& entry)
{
    const CXmlMonGroupSkill* cfg = entry.m_pConfig;
    if (cfg == nullptr) {
        return;
    }
    const std::string form = "%3%Lv%2%" + cfg->m_strDes;
    const int top = GetSkillTopLevel(*cfg);
    for (int level = 1; level <= top; ++level) {
        tip.AddText(level == entry.GetLevel() ? 3 : 1,
                    BoundedFormat(kBoxTextBound, form, cfg->GetLevelValue(level), level, cfg->m_strName), 0);
    }
}

void PostSkillPicked(CORVControl* icon, const AerieGroupSkillEntry& entry)
{
    if (icon->m_pParent == nullptr) {
        return;
    }
    ORVMsg msg(kNotifyPick, kPickGroupSkill, icon);
    msg.m_lParam = entry.GetKey();
    icon->PostToParent(&msg);
}

CAerieSkillIconCtrl::CAerieSkillIconCtrl() = default;
CAerieSkillIconCtrl::~CAerieSkillIconCtrl() = default;

const AerieGroupSkillEntry& CAerieSkillIconCtrl::GetEntry() const
{
    const i32 index = m_nKind - kFirstSkillKind;
    if (index < 0 || index >= static_cast<i32>(std::size(kSkillSources))) {
        return m_OwnSkill;
    }
    const SkillSource& source = kSkillSources[index];
    return AerieView::GetGroupSkill(source.m_bOwn, static_cast<u32>(m_wItemId) + source.m_wOffset);
}

bool CAerieSkillIconCtrl::OnMouseEnter(int x, int y, CORVControl* prev)
{
    const AerieGroupSkillEntry& entry = GetEntry();
    if (entry.GetSkillId() != 0) {
        CORVToolTip& tip = CORVToolTip::GetSingleton();
        tip.Reset();
        AddSkillLevelLines(tip, entry);
    }
    return CAerieIconCtrl::OnMouseEnter(x, y, prev);
}

bool CAerieSkillIconCtrl::OnClick(int kind)
{
    if (kind == static_cast<int>(kNotifyLeftClick)) {
        PostSkillPicked(this, GetEntry());
    }
    return CAerieIconCtrl::OnClick(kind);
}
