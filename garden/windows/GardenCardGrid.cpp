#include "garden/windows/GardenCardGrid.h"

#include "framework/text/TextUtil.h"
#include "framework/widgets/ORVButton.h"
#include "garden/windows/GardenPanel.h"
#include "glimmer/Glimmer.h"

namespace {

constexpr int kCardX = 8, kCardStepX = 383, kCardY = 38, kCardStepY = 145;
constexpr int kPrevX = 290, kNextX = 420, kPagerButtonY = 473;
constexpr u16 kPrevFrame = 213, kNextFrame = 216;
constexpr u32 kPanelColour = 0xFF8D6365;
constexpr int kTitleSize = 14, kTitleY = 15;
constexpr int kPagerX = 389, kPagerY = 479;
constexpr u16 kGridBackground = 5;
constexpr int kCloseTop = 4;
constexpr u16 kCloseFrame = 3;

}  // namespace

void CGardenCardGrid::Create(CORVWindow* wnd, u32 mode)
{
    if (wnd == nullptr) {
        return;
    }
    for (int k = 0; k < kCards; ++k) {
        auto* card = new CGardenPlantItem();
        m_apCards[k] = card;
        wnd->AddChild(card, false);
        card->CreateAt(wnd, kCardX + kCardStepX * (k % 2), kCardY + kCardStepY * (k / 2), 0, 0);
        card->SetMode(mode, static_cast<u16>(k));
    }
    wnd->CreateButton(kPrevX, kPagerButtonY, &m_pPrevButton, kPrevFrame, true, true, "");
    wnd->CreateButton(kNextX, kPagerButtonY, &m_pNextButton, kNextFrame, true, true, "");
}

bool CGardenCardGrid::OnPageClick(const ORVMsg& msg, bool* changed)
{
    if (msg.m_nId != kNotifyLeftClick || msg.m_pSender == nullptr ||
        (msg.m_pSender != m_pPrevButton && msg.m_pSender != m_pNextButton)) {
        return false;
    }
    const bool moved = CGardenPanel::StepPage(&m_nPage, msg.m_pSender == m_pPrevButton ? -1 : 1, m_nPages);
    if (changed != nullptr) {
        *changed = moved;
    }
    return true;
}

void CGardenCardGrid::Draw(const CORVControl& wnd, const char* title) const
{
    if (title != nullptr) {
        g_Font.DrawTextA(wnd.m_nAbsX + (wnd.m_nWidth - GetTextWidth(title, kTitleSize)) / 2, wnd.m_nAbsY + kTitleY, title,
                         kPanelColour, kTitleSize, 0, 0);
    }
    char pager[32];
    if (m_nPages > 0) {
        BoundedPrintf(pager, sizeof pager, "%d / %d", m_nPage + 1, m_nPages);
    } else {
        BoundedPrintf(pager, sizeof pager, "0 / 0");
    }
    g_Font.DrawTextA(wnd.m_nAbsX + kPagerX - GetTextWidth(pager, kTextSizeDefault) / 2, wnd.m_nAbsY + kPagerY, pager,
                     kPanelColour, kTextSizeDefault, 0, 0);
}

bool CGardenGridPanel::OnMessage(ORVMsg* msg)
{
    bool changed = false;
    if (msg != nullptr && m_Grid.OnPageClick(*msg, &changed)) {
        if (changed) {
            FillCards();
        }
        return true;
    }
    return CGardenPanel::OnMessage(msg);
}

void CGardenGridPanel::CreateGridPanel(int closeRight, u32 mode, u16 sub)
{
    if (closeRight != 0) {
        CreatePanelFrame(kGridBackground, closeRight, kCloseTop, kCloseFrame);
    } else {
        SetBackground(kGridBackground);
        CreateCloseButton();
    }
    CGardenPanel::OnCreate();   // centred in the screen
    m_Grid.Create(this, mode);
    FillCards();
    if (sub != 0) {
        SendGardenRequest(sub);
    }
}

void CGardenGridPanel::OnDraw() { m_Grid.Draw(*this, m_szTitle); }

void CGardenGridPanel::Reload(const ORVMsg&) { FillCards(); }
