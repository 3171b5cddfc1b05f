// The get-monster window's drawing: title, refresh points, the explanations, the monster with
// its name in its colour and its three figures, and (new monster) its work word in the blanks.
#include "aerie/windows/AerieGetMonsterWnd.h"

#include "aerie/state/AerieMonsterGroup.h"
#include "aerie/state/XmlAerieRecords.h"
#include "aerie/windows/AerieCityView.h"
#include "aerie/windows/AerieMonsterActions.h"
#include "framework/core/ORVCallBack.h"
#include "framework/widgets/ORVButton.h"
#include "framework/widgets/ORVToolTip.h"

namespace {

constexpr u32 kWhite = 0xFFFFFFFF;
constexpr u32 kYellow = 0xFFFFFF00;
constexpr u32 kCyan = 0xFF00FFFF;
constexpr u32 kGreen = 0xFF00FF00;
constexpr u32 kRed = 0xFFFF0000;

}  // namespace

void CAerieGetMonsterWnd::OnDraw()
{
    const bool ready = RefreshThrottle().SettleAt(TickNow());
    if (m_pSeniorBtn != nullptr) {
        m_pSeniorBtn->m_bEnabled = ready ? 1 : 0;
    }
    const bool slotMode = m_nMode != kNewMonsterMode;
    DrawTextRel(this, 190, 13, slotMode ? "刷新怪物" : "获得怪物", kWhite);
    DrawTextRel(this, 200, 45, slotMode ? "请进行怪物刷新！" : "恭喜您获得新的怪物！", kYellow);
    const u32 points = AerieView::GetOwnRefreshPoints();
    DrawTextRel(this, 30, 197, m_Points.Get(points, [&] { return BoundedFormat(kShortTextBound, "当前刷新点数：%1%", points); }),
                kCyan);
    m_Info.Draw(m_nAbsX + 138, m_nAbsY + 88);
    m_Help.Draw(m_nAbsX + 28, m_nAbsY + 215);

    const AerieMonsterEntry& monster = GetShownMonster();
    CHostCallBackGuard* host = ORVCallBack();
    if (const CXmlMonster* cfg = monster.m_pConfig; cfg != nullptr && host != nullptr) {
        DrawMonsterPictures(host, m_nAbsX + 51, m_nAbsY + 89, *cfg);
        DrawImageRel(this, 80, 90, cfg->m_nGroupIcon);
        DrawTextRel(this, 57, 152, cfg->m_strName.c_str(), ToolTipColour(cfg->m_nTipCol));
    }
    struct Figure {
        int m_nX;
        const char* m_pszForm;
        u16 m_wValue;
        u32 m_dwColour;
    } const figures[] = {
        {138, "生产力：%1%", monster.GetProduction(), kGreen},
        {228, "工程力：%1%", monster.GetEngineering(), kCyan},
        {312, "战斗力：%1%", monster.GetFighting(), kYellow},
    };
    for (int i = 0; i < 3; ++i) {
        const Figure& f = figures[i];
        DrawTextRel(this, f.m_nX, 70, m_Figures[i].Get(f.m_wValue, [&] { return BoundedFormat(kShortTextBound, f.m_pszForm, f.m_wValue); }),
                    f.m_dwColour);
    }
    if (!slotMode) {
        if (const char* work = GetMonsterWorkName(monster)) {
            DrawTextRel(this, 276, 88, work, kYellow);
            DrawTextRel(this, 144, 102, work, kYellow);
        }
    }
    DrawTextRel(this, 250, 260, "普通刷新需要扣除1刷", kRed);
    DrawTextRel(this, 28, 275, "新点数，高级刷新需要扣除5刷新点数。", kRed);
}
