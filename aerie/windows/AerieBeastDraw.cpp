// Drawing of the guardian-beast pages.

#include "aerie/state/AerieListEntries.h"
#include "aerie/state/XmlAerieMgr.h"
#include "aerie/windows/AerieBeast.h"
#include "aerie/windows/AerieCityView.h"
#include "aerie/windows/AerieFriendRows.h"
#include "framework/widgets/ORVButton.h"

namespace {

constexpr u32 kWhite = 0xFFFFFFFF;
constexpr u32 kYellow = 0xFFFFFF00;
constexpr u32 kRed = 0xFFFF0000;
constexpr u32 kCyan = 0xFF00FFFF;
constexpr u32 kActiveRow = CListRows::kActiveTextColour;
constexpr int kLeft = 0;
constexpr int kCentred = 1;
constexpr int kBody = 1;
constexpr int kHeading = 2;

}  // namespace

void CAerieHatchPage::DrawOwnerFigures(const char* const (&labels)[3], bool own, bool signedWorth)
{
    const AerieView::OwnerFigures figures = AerieView::GetOwnerFigures(own);
    CCachedText (&values)[3] = m_Figures;
    CORVControl* page = this;
    static constexpr int kX[3] = {28, 184, 342};
    char text[kShortTextBound];
    const char* shown[3] = {
        values[0].Get(figures.m_dwWorth,
                      [&] {
                          return signedWorth
                                     ? BoundedPrintf(text, sizeof text, "%d琉璃币", static_cast<int>(figures.m_dwWorth))
                                     : BoundedPrintf(text, sizeof text, "%u琉璃币",
                                                     static_cast<unsigned>(figures.m_dwWorth));
                      }),
        values[1].Get(static_cast<u32>(figures.m_nHappiness),
                      [&] { return BoundedPrintf(text, sizeof text, "%d", static_cast<int>(figures.m_nHappiness)); }),
        values[2].Get(figures.m_wPopularity,
                      [&] { return BoundedPrintf(text, sizeof text, "%u", static_cast<unsigned>(figures.m_wPopularity)); }),
    };
    for (int i = 0; i < 3; ++i) {
        DrawTextRel(page, kX[i], 470, labels[i], kWhite, kLeft, kBody);
        DrawTextRel(page, kX[i], 489, shown[i], kWhite, kLeft, kBody);
    }
}

void CAerieBeastBreedItem::OnDraw()
{
    // The beast.
    DrawImage(38, 75, m_Beast.m_nTex, kImageSetWindow, kWhite);
    DrawTextRel(this, 155, 79, m_Beast.m_strName.c_str(), kYellow, kLeft, kBody);
    DrawTextRel(this, 155, 102, "性别：", kWhite, kLeft, kBody);
    DrawTextRel(this, 191, 102, m_Beast.m_nSex == 0 ? "男" : (m_Beast.m_nSex == 1 ? "女" : "N/A"), kWhite, kLeft,
                kBody);
    const u16 job = AerieView::GetOwnBeast().m_wJob;
    DrawTextRel(this, 155, 122, "职业：", kWhite, kLeft, kBody);
    DrawTextRel(this, 191, 122, BeastJobText(job), kWhite, kLeft, kBody);
    DrawTextRel(this, 155, 142, "职业介绍：繁殖后高概率孵化出", kWhite, kLeft, kBody);
    if (job >= 1 && job <= 3) {
        char text[kShortTextBound];
        DrawTextRel(this, 155, 162,
                    m_JobLine.Get(job, [&] { return BoundedPrintf(text, sizeof text, "%s类怪物", BeastJobText(job)); }),
                    kWhite, kLeft, kBody);
    } else {
        DrawTextRel(this, 155, 162, "生产、工程或战斗类怪物", kWhite, kLeft, kBody);
    }
    if (m_pOkBtn != nullptr && !m_pOkBtn->m_bEnabled) {
        m_JobDesc.Draw(m_nAbsX + 35, m_nAbsY + 195);
    }
    if (!m_bJobChangeAllowed) {
        DrawTextRel(this, 193, 286, "未达到转职要求，不可进行转职", kRed, kCentred, kBody);
    }

    // Registration: open once the beast has a job (applied every frame).
    DrawTextRel(this, 38, 327, "守护兽登记", kCyan, kLeft, kHeading);
    m_RegisterDesc.Draw(m_nAbsX + 35, m_nAbsY + 355);
    DrawTextRel(this, 35, 405, "要求对方职业：", kWhite, kLeft, kBody);
    const bool open = job != 0;
    if (!open) {
        DrawTextRel(this, 190, 467, "守护兽未转职，登记暂未开放", kRed, kLeft, kBody);
    }
    CORVControl* registerBtn = m_pRegisterBtn;
    SetChildState(&registerBtn, open, open);
    for (CORVCheck* check : m_pJobChecks) {
        if (check != nullptr) {
            check->m_bEnabled = open ? 1 : 0;
        }
    }

    // Quick search.
    DrawTextRel(this, 416, 64, "快速搜索", kYellow, kLeft, kHeading);
    DrawTextRel(this, 438, 90, "迅速搜索10个适合的玩家守护兽：", kWhite, kLeft, kBody);
    DrawTextRel(this, 433, 118, "玩家名称：", kWhite, kLeft, kBody);
    DrawTextRel(this, 433, 152, "守护兽职业：", kWhite, kLeft, kBody);
    DrawTextRel(this, 418, 219, "玩家名称", kWhite, kLeft, kBody);
    DrawTextRel(this, 532, 219, "守护兽", kWhite, kLeft, kBody);
    DrawTextRel(this, 611, 219, "职业", kWhite, kLeft, kBody);
    m_Rows.DrawBars(this);
    const std::vector<AerieBeastEntry>& list = AerieView::BeastList();
    if (list.empty()) {
        DrawTextRel(this, 530, 240, "没有可搜索的守护兽", kYellow, kLeft, kBody);
        return;
    }
    const int count = static_cast<int>(list.size());
    const int selected = m_Rows.SelectedRow();
    for (int r = 0; r < m_Rows.Rows(); ++r) {
        const int index = m_Rows.EntryOfRow(r, count);
        if (index < 0) {
            break;
        }
        const AerieBeastEntry& entry = list[static_cast<std::size_t>(index)];
        const u32 colour = r == selected ? kActiveRow : kYellow;
        const int y = m_Rows.RowTop(r) + 6;
        DrawTextRel(this, 418, y, EntryNameText(entry.GetName()).c_str(), colour, kLeft, kBody);
        DrawTextRel(this, 533, y, CXmlAerieMgr::GetSingleton()->GetBeastName(entry.GetBeastKey()), colour, kLeft,
                    kBody);
        DrawTextRel(this, 611, y, BeastJobText(entry.GetJob()), colour, kLeft, kBody);
    }
}

void CAerieBeastHatchItem::OnDraw()
{
    static constexpr const char* kLabels[3] = {"我的身价", "幸福指数", "当前人气"};
    DrawOwnerFigures(kLabels, true, false);
}

void CAerieBeastHatchOtherItem::OnDraw()
{
    static constexpr const char* kLabels[3] = {"城主身价", "城主幸福指数", "当前人气"};
    DrawOwnerFigures(kLabels, false, true);
}
