#include "garden/windows/GardenSeedRankWnd.h"

#include <algorithm>

#include "garden/state/GardenDataMgr.h"
#include "garden/windows/GardenGuide.h"
#include "garden/windows/GardenPlantItem.h"
#include "glimmer/Glimmer.h"
#include "platform/Platform.h"

ORV_IMPLEMENT_RUNTIME_CLASS(CGardenSeedRankWnd, CORVWindow)

namespace {

const GardenPanelRecordInstaller g_SeedRankRecord(GardenPanelSlot::kSeedRank, ORV_RUNTIME_CLASS(CGardenSeedRankWnd));

constexpr u16 kBackground = 21;
constexpr int kLeft = 11, kFromBottom = 220;
constexpr int kCardX = 11, kCardY = 37, kCardStep = 61;
constexpr u32 kHoverColour = 0xFF40FDFB;
constexpr int kHoverLine = 2;
constexpr u16 kGuideStepRank = 16;

// The screen's events (message 275): it refreshed, a friend's garden was entered, and the one
// this panel sends, which toggles plant status with the list in the sender field.
constexpr u32 kEventRefresh = 100;
constexpr u32 kEventEntered = 108;
constexpr u32 kEventPlantStatus = 131;
constexpr std::uintptr_t kShownPlantList = 4;

// The tooltips as the system has them: the panel's names the nursery in the own garden though a
// click shows plant status there too, and its cards carry theirs only in the own garden.
const char* const kTipOwnPanel = "点击打开苗圃";
const char* const kTipFriendPanel = "点击查看该玩家植物状态";
const char* const kTipOwnCard = "单击查看该玩家植物状态";

bool InOwnGarden() { return GetGardenDataMgr().m_bOwnGarden != 0; }

void SetTip(CORVControl& control, const char* text)
{
    if (control.m_strToolTip != text) {
        control.m_strToolTip = text;
    }
}

}  // namespace

CGardenSeedRankWnd::CGardenSeedRankWnd() = default;
CGardenSeedRankWnd::~CGardenSeedRankWnd() = default;

void CGardenSeedRankWnd::OnCreate()
{
    SetBackground(kBackground);
    if (m_pParent != nullptr) {
        SetPos(kLeft, m_pParent->m_nHeight - kFromBottom);
    }
    m_nCentreX = m_nAbsX + m_nWidth / 2;
    m_nTopY = m_nAbsY + 10;
    for (int i = 0; i < kCards; ++i) {
        auto* card = new CGardenPlantItem();
        m_apCards[i] = card;
        AddChild(card, false);
        card->CreateAt(this, kCardX, kCardY + kCardStep * i, 0, 0);
        card->SetMode(CGardenPlantItem::kModeRankIcon, static_cast<u16>(i));
    }
    FillCards();
    GetGardenGuide().SetTarget(kGuideStepRank, this);
}

void CGardenSeedRankWnd::UpdateAbsPos()
{
    CGardenPanel::UpdateAbsPos();
    if (m_pParent == nullptr) {
        return;
    }
    const int x = std::max(std::min(m_nX, m_pParent->m_nWidth - m_nWidth), 0);
    const int y = std::max(std::min(m_nY, m_pParent->m_nHeight - m_nHeight), 0);
    if (x != m_nX || y != m_nY) {
        m_nX = x;
        m_nY = y;
        CGardenPanel::UpdateAbsPos();
    }
}

// The first three plants of the list; a card past the list's end is emptied, so a shorter list
// (another garden's, after the screen's refresh) never leaves a plant of the last one standing.
void CGardenSeedRankWnd::FillCards()
{
    const std::vector<u32>& plants = GetGardenDataMgr().m_vPlantList;
    const char* tip = InOwnGarden() ? kTipOwnCard : "";
    for (int i = 0; i < kCards; ++i) {
        CGardenPlantItem* card = m_apCards[i];
        if (card == nullptr) {
            continue;
        }
        if (static_cast<std::size_t>(i) < plants.size()) {
            card->LoadEntry(plants[static_cast<std::size_t>(i)]);
        } else {
            card->Clear();
        }
        SetTip(*card, tip);
    }
}

// Plant status of the garden on screen: in the own garden through the screen's event, in a
// friend's garden by asking the screen (the parent) itself.
void CGardenSeedRankWnd::ClickAction()
{
    if (InOwnGarden()) {
        RouteGardenEvent(kMsgGardenTopic, kEventPlantStatus, 0, kShownPlantList);
    } else if (m_pParent != nullptr) {
        ORVMsg msg(kMsgGardenTopic, kEventPlantStatus);
        msg.m_pSender = ValueAsSender(kShownPlantList);
        m_pParent->ProcessMessage(&msg);
    }
    GetGardenGuide().AdvanceFrom(kGuideStepRank);
}

bool CGardenSeedRankWnd::OnClick(int kind)
{
    const ORVLifeWatch life = Watch();
    ClickAction();
    return life.expired() ? true : CGardenPanel::OnClick(kind);
}

bool CGardenSeedRankWnd::ProcessMessage(ORVMsg* msg)
{
    if (msg != nullptr && msg->m_nId == kMsgGardenTopic) {
        if (msg->m_wParam == kTopicFill) {
            FillCards();
            return true;
        }
        if (msg->m_wParam == kTopicClick) {
            ClickAction();
            return true;
        }
    }
    return CGardenPanel::ProcessMessage(msg);
}

void CGardenSeedRankWnd::OnScreenEvent(u32 kind, u32)
{
    if (kind == kEventRefresh) {
        FillCards();
    } else if (kind == kEventEntered) {
        // The draw is taken in either garden, so the random sequence does not depend on where.
        const bool drawn = orv::platform::Get().Rand() % 4 == 0;
        m_bHint = drawn && !InOwnGarden() ? 1 : 0;
    }
}

void CGardenSeedRankWnd::OnDraw()
{
    if (!IsHover()) {
        SetTip(*this, "");
        return;
    }
    g_CG.DrawRectangle(kHoverColour, m_nAbsX, m_nAbsY, m_nAbsX + m_nWidth, m_nAbsY + m_nHeight, kHoverLine);
    SetTip(*this, InOwnGarden() ? kTipOwnPanel : kTipFriendPanel);
}
