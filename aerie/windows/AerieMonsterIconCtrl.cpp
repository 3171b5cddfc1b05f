#include "aerie/windows/AerieMonsterIconCtrl.h"

#include <algorithm>
#include <iterator>

#include "aerie/state/AerieRequest.h"
#include "aerie/state/XmlAerieRecords.h"
#include "aerie/windows/AerieCityView.h"
#include "aerie/windows/AerieMonsterActions.h"
#include "framework/core/DragIcon.h"
#include "framework/text/TextUtil.h"
#include "framework/widgets/ORVToolTip.h"

ORV_IMPLEMENT_RUNTIME_CLASS(CAerieMonsterIconCtrl, CAerieIconCtrl)
ORV_IMPLEMENT_RUNTIME_CLASS(CAerieEnemyMonsterIconCtrl, CAerieMonsterIconCtrl)

namespace {

// Kinds 0 to 6: the city and the offset added to the index (the production, engineering and fight
// groups keep slots 0-9, 10-19 and 20-29).
struct MonsterSource {
    bool m_bOwn;
    u16 m_wOffset;
};
constexpr MonsterSource kMonsterSources[] = {
    {false, 0}, {false, 10}, {false, 20}, {false, 20}, {true, 0}, {true, 10}, {true, 20},
};

const MonsterSource* FindSource(i32 kind)
{
    return kind >= 0 && kind < static_cast<i32>(std::size(kMonsterSources)) ? &kMonsterSources[kind] : nullptr;
}

bool IsDragging()
{
    return GetDragIcon().m_nSource >= 0;
}

void EndDrag()
{
    GetDragIcon().m_bDragging = 0;
    GetDragIcon().m_nSource = -1;
}

}  // namespace

CAerieMonsterIconCtrl::CAerieMonsterIconCtrl() = default;
CAerieMonsterIconCtrl::~CAerieMonsterIconCtrl() = default;

const AerieMonsterEntry& CAerieMonsterIconCtrl::GetEntry() const
{
    const MonsterSource* source = FindSource(m_nKind);
    if (source == nullptr) {
        return m_OwnEntry;
    }
    return AerieView::GetMonster(source->m_bOwn, static_cast<u32>(m_wItemId) + source->m_wOffset);
}

bool CAerieMonsterIconCtrl::GetSlotKey(u16* slot) const
{
    const MonsterSource* source = FindSource(m_nKind);
    const u32 key = static_cast<u32>(m_wItemId) + (source != nullptr ? source->m_wOffset : 0);
    *slot = static_cast<u16>(key);
    return key <= 0xFFFF;
}

u32 CAerieMonsterIconCtrl::GetShownCount(const AerieMonsterEntry& entry) const
{
    return entry.GetCount();
}

bool CAerieMonsterIconCtrl::OnMouseMove(int, int)
{
    u16 slot = 0;
    const AerieMonsterEntry& entry = GetEntry();
    if (IsCaptured() && entry.GetMonsterId() != 0 && m_bReadOnly == 0 && GetSlotKey(&slot)) {
        ORVDragIcon& drag = GetDragIcon();
        drag.m_bDragging = 1;
        drag.m_wFrame = entry.m_pConfig != nullptr ? static_cast<u16>(entry.m_pConfig->m_nPic) : 0;
        drag.m_wSet = kImageSetWindow;
        drag.m_nSource = slot;
    }
    if (!m_strToolTip.empty()) {
        CORVToolTip& tip = CORVToolTip::GetSingleton();
        tip.Reset();
        tip.AddText(m_nToolTipStyle, m_strToolTip, 1);
    }
    return true;
}

bool CAerieMonsterIconCtrl::OnMouseEnter(int x, int y, CORVControl* prev)
{
    const AerieMonsterEntry& entry = GetEntry();
    if (entry.GetMonsterId() != 0) {
        CORVToolTip& tip = CORVToolTip::GetSingleton();
        tip.Reset();
        if (const CXmlMonster* cfg = entry.m_pConfig) {
            AddMonsterFigureLines(tip, cfg->m_nTipCol, cfg->m_strName, entry.GetCount(), entry.GetProduction(), entry.GetEngineering(),
                                  entry.GetFighting(), kTotalsWithSlash);
        }
    }
    return CAerieIconCtrl::OnMouseEnter(x, y, prev);
}

bool CAerieMonsterIconCtrl::OnDrop(int, int)
{
    if (!IsDragging()) {
        return true;
    }
    u16 target = 0;
    if (GetSlotKey(&target)) {
        CAerieRequest::GetSingleton().MoveMonster(static_cast<u16>(GetDragIcon().m_nSource & 0xFFFF), target);
    }
    EndDrag();
    return true;
}

bool CAerieMonsterIconCtrl::OnDragEnd(int, int, CORVControl*)
{
    if (IsDragging()) {
        EndDrag();
    }
    return true;
}

bool CAerieMonsterIconCtrl::OnClick(int kind)
{
    if (kind == static_cast<int>(kNotifyLeftClick) && IsDragging()) {
        EndDrag();
    } else if (kind == static_cast<int>(kNotifyRightClick)) {
        u16 slot = 0;
        const AerieMonsterEntry& entry = GetEntry();
        if (entry.GetMonsterId() != 0 && m_bReadOnly == 0 && GetSlotKey(&slot)) {
            ShowMonsterMenu(slot, entry.GetCount(), false, this);
        }
    }
    return CAerieIconCtrl::OnClick(kind);
}

bool CAerieMonsterIconCtrl::ProcessMessage(ORVMsg* msg)
{
    if (HandleMonsterRelease(msg, this)) {
        return true;
    }
    return CAerieIconCtrl::ProcessMessage(msg);
}

// ---- CAerieEnemyMonsterIconCtrl ----

CAerieEnemyMonsterIconCtrl::CAerieEnemyMonsterIconCtrl() = default;
CAerieEnemyMonsterIconCtrl::~CAerieEnemyMonsterIconCtrl() = default;

u32 CAerieEnemyMonsterIconCtrl::ScaleCount(u32 count, float scale)
{
    // In float, as the factor is kept: 10 x 0.9 shows 9.
    const u32 n = ClampToU32(static_cast<float>(count) * scale);
    return n == 0 ? 1 : n;
}

u16 CAerieEnemyMonsterIconCtrl::ScalePower(u16 power, float scale)
{
    return static_cast<u16>(std::min<u32>(ClampToU32(static_cast<float>(power) * scale), 0xFFFF));
}

u32 CAerieEnemyMonsterIconCtrl::GetShownCount(const AerieMonsterEntry& entry) const
{
    return ScaleCount(entry.GetCount(), m_fScale);
}

bool CAerieEnemyMonsterIconCtrl::OnMouseEnter(int x, int y, CORVControl* prev)
{
    const AerieMonsterEntry& entry = GetEntry();
    if (entry.GetMonsterId() != 0) {
        CORVToolTip& tip = CORVToolTip::GetSingleton();
        tip.Reset();
        if (const CXmlMonster* cfg = entry.m_pConfig) {
            static constexpr const char* kTitles[] = {"虚弱无力的%s", "普普通通的%s", "百折不挠的%s"};
            const char* form = m_wStrength < std::size(kTitles) ? kTitles[m_wStrength] : "%s";
            char title[kShortTextBound];
            BoundedPrintf(title, sizeof(title), form, cfg->m_strName.c_str());
            AddMonsterFigureLines(tip, cfg->m_nTipCol, title, GetShownCount(entry), ScalePower(entry.GetProduction(), m_fScale),
                                  ScalePower(entry.GetEngineering(), m_fScale), ScalePower(entry.GetFighting(), m_fScale),
                                  kTotalsWithSlash);
        }
    }
    return CAerieIconCtrl::OnMouseEnter(x, y, prev);
}
