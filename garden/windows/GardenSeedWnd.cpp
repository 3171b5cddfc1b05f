#include "garden/windows/GardenSeedWnd.h"

#include <algorithm>

#include "garden/windows/GardenGuide.h"
#include "framework/widgets/ORVButton.h"
#include "garden/state/GardenDataMgr.h"
#include "garden/windows/GardenPlantItem.h"

ORV_IMPLEMENT_RUNTIME_CLASS(CGardenSeedWnd, CORVWindow)

namespace {

const GardenPanelRecordInstaller g_SeedRecord(GardenPanelSlot::kSeedBag, ORV_RUNTIME_CLASS(CGardenSeedWnd));

// The strip's look and size, which its layout does not give: background 22 of the window set (a
// texture no other Garden window uses), 396 x 76 (five cards from x 50, 64 apart, and the right
// page button 30 from the right edge).
constexpr u16 kBackground = 22;
constexpr int kWidth = 396, kHeight = 76;
constexpr int kTop = 465;
constexpr int kLeftX = 10, kRightFromEdge = 30, kButtonY = 19;
constexpr u16 kLeftFrame = 78, kRightFrame = 81;
constexpr int kCardX = 50, kCardStep = 64, kCardY = 13;
constexpr int kDetailWidth = 380, kDetailHeight = 140;
constexpr u16 kGuideStepChooseSeed = 8;
constexpr u16 kSubSeedBag = 0x10;

}  // namespace

CGardenSeedWnd::CGardenSeedWnd() : CGardenPanel(TOPIC_SEED_BAG) {}
CGardenSeedWnd::~CGardenSeedWnd() = default;

void CGardenSeedWnd::CreateCloseButton() {}

void CGardenSeedWnd::OnCreate()
{
    SetBackground(kBackground);
    SetSize(kWidth, kHeight);
    const int parentWidth = m_pParent != nullptr ? m_pParent->m_nWidth : 0;
    const int parentHeight = m_pParent != nullptr ? m_pParent->m_nHeight : 0;
    SetPos((parentWidth - kWidth) / 2, kTop);

    CreateButton(kLeftX, kButtonY, &m_pLeftButton, kLeftFrame, true, true, "");
    CreateButton(kWidth - kRightFromEdge, kButtonY, &m_pRightButton, kRightFrame, true, true, "");
    for (int i = 0; i < kCards; ++i) {
        auto* card = new CGardenPlantItem();
        m_apCards[i] = card;
        AddChild(card, false);
        card->CreateAt(this, kCardX + kCardStep * i, kCardY, 0, 0);
        card->SetMode(CGardenPlantItem::kModeSeedIcon, static_cast<u16>(i));
    }
    GetGardenGuide().SetTarget(kGuideStepChooseSeed, m_apCards[0]);

    // The detail card stands centred on the screen, outside the strip.
    m_pDetail = new CGardenPlantItem();
    AddChild(m_pDetail, false);
    m_pDetail->CreateAt(this, (parentWidth - kDetailWidth) / 2 - m_nX, (parentHeight - kDetailHeight) / 2 - m_nY, 0, 0);
    m_pDetail->SetMode(CGardenPlantItem::kModeHidden, 0);

    FillCards();
    SendGardenRequest(kSubSeedBag);
}

void CGardenSeedWnd::Reload(const ORVMsg&) { FillCards(); }

void CGardenSeedWnd::FillCards()
{
    const std::vector<u32>& seeds = GetGardenDataMgr().m_vSeedBag;
    const i32 count = static_cast<i32>(std::min<std::size_t>(seeds.size(), 0x7FFFFFFF));
    if (m_nFirst >= count) {
        m_nFirst = m_nFirst - kCards > 0 ? m_nFirst - kCards : 0;
    }
    for (int i = 0; i < kCards; ++i) {
        if (m_apCards[i] == nullptr) {
            continue;
        }
        const i32 index = m_nFirst + i;
        if (index < count) {
            m_apCards[i]->LoadFromSeedBag(EntryId(seeds[static_cast<std::size_t>(index)]));
        } else {
            m_apCards[i]->Clear();
        }
    }
}

bool CGardenSeedWnd::OnMessage(ORVMsg* msg)
{
    if (msg == nullptr || msg->m_nId != kNotifyLeftClick || msg->m_pSender == nullptr) {
        return CGardenPanel::OnMessage(msg);
    }
    const i32 before = m_nFirst;
    if (msg->m_pSender == m_pLeftButton) {
        m_nFirst = m_nFirst - kCards > 0 ? m_nFirst - kCards : 0;
    } else if (msg->m_pSender == m_pRightButton) {
        if (static_cast<std::size_t>(m_nFirst) + kCards < GetGardenDataMgr().m_vSeedBag.size()) {
            m_nFirst += kCards;
        }
    } else {
        return CGardenPanel::OnMessage(msg);
    }
    if (m_nFirst != before) {
        FillCards();
    }
    return true;
}

int CGardenSeedWnd::CardIndex(const CORVControl* child) const
{
    for (int i = 0; i < kCards; ++i) {
        if (child != nullptr && child == m_apCards[i]) {
            return i;
        }
    }
    return -1;
}

bool CGardenSeedWnd::OnChildMouseEnter(CORVControl* child, CORVControl* prev)
{
    const int i = CardIndex(child);
    if (i >= 0 && m_pDetail != nullptr) {
        m_pDetail->SetMode(CGardenPlantItem::kModeSeedDetail, 0);
        m_pDetail->LoadFromSeedBag(m_apCards[i]->m_wPlantId);
    }
    return CGardenPanel::OnChildMouseEnter(child, prev);
}

bool CGardenSeedWnd::OnChildMouseLeave(CORVControl* child, CORVControl* next)
{
    if (CardIndex(child) >= 0 && m_pDetail != nullptr) {
        m_pDetail->SetMode(CGardenPlantItem::kModeHidden, 0);
    }
    return CGardenPanel::OnChildMouseLeave(child, next);
}
