#include "garden/windows/GardenToolCardWnd.h"

#include <algorithm>

#include "BuildProfile.h"
#include "engine/GardenPackets.h"
#include "engine/LoginText.h"
#include "framework/control/ORVCtrlMgr.h"
#include "framework/text/TextUtil.h"
#include "framework/widgets/ORVButton.h"
#include "framework/widgets/ORVScroll.h"
#include "framework/widgets/ORVToolTip.h"
#include "framework/window/ORVMsgBox.h"
#include "garden/state/GardenDataMgr.h"
#include "garden/state/ToolCardStore.h"
#include "glimmer/Glimmer.h"

ORV_IMPLEMENT_RUNTIME_CLASS(CGardenToolCardWnd, CORVWindow)

namespace {

const GardenPanelRecordInstaller g_ToolCardPanelRecord(GardenPanelSlot::kToolCards, ORV_RUNTIME_CLASS(CGardenToolCardWnd));

constexpr u32 kTextColour = 0xFF8D6365;
constexpr u32 kNumberColour = 0xFF468C7C;
constexpr u32 kSelectedColour = 0xFFFF0000;
constexpr u32 kHoverColour = 0xFF40FDFB;
constexpr int kTitleSize = 14;
// Card pictures are texture kind + 5900 of the garden's image set.
constexpr int kCardImageSet = 3;
constexpr int kCardImageBase = 5900;

constexpr u16 kItemManure = 7437;
constexpr u16 kItemPickCardA = 7439;
constexpr u16 kItemPickCardB = 7592;

// The exchange window's item mode, the card it sells and its opening step (message 276).
constexpr u32 kExchangeItemMode = 3;
constexpr u32 kExchangeSetCard = 140;
constexpr u32 kExchangeShow = 139;

const char* CardTip(u16 kind)
{
    switch (kind) {
    case 1560:
        return "使用农家肥可使一块土地上的农作物生长加快2小时,\n并可提高该土地植物的暴击率。\n该土地被施肥后2小时内不能再次施肥。";
    case 1562:
        return "使用该卡后，采摘得到的果实数量为原来的2倍。\n可在花园设置中选择自动使用或手动使用。";
    case 1568:
        return "可获得相应的基因点数。";
    case 1570:
        return "使用后，可获得60点花园爱心值，\n每天只可使用1次。";
    case 1571:
        return "使用后体力恢复速度变为2倍，持续2小时。";
    default:
        return nullptr;
    }
}

}  // namespace

const std::vector<ToolCard>& CGardenToolCardWnd::Cards() const
{
    const ToolCardStore& store = GetToolCardStore();
    return m_nTab == 1 ? store.Second() : store.First();
}

void CGardenToolCardWnd::SetArgs(int arg, std::string text)
{
    CGardenPanel::SetArgs(arg, std::move(text));
    m_nTab = arg;
}

void CGardenToolCardWnd::OnCreate()
{
    CreatePanelFrame(11, 38, 4, 3);
    CenterInParent();
    m_pTabs = new CORVRadioGroup();
    AddChild(m_pTabs, true);
    m_pTabs->CreateGroup(this, 33, 40, 105, 2, m_nTab, 87);
    m_pScroll = new CORVVScroll();
    AddChild(m_pScroll, true);
    m_pScroll->CreateBar(this, m_nWidth - 39, 80, 260);
    m_pScroll->SetPos(0);
    // The grid opens on the tab the radio group shows, so the two agree from the start.
    SwitchTab(m_nTab);
}

void CGardenToolCardWnd::SwitchTab(int t)
{
    if (m_pTabs == nullptr || t < 0 || t >= static_cast<int>(m_pTabs->m_vItems.size())) {
        return;
    }
    m_nTab = t;
    DeleteChildAndReset(m_pUseButton);
    const int count = static_cast<int>(Cards().size());
    const int rows = (count + kColumns - 1) / kColumns;
    m_nFirst = 0;
    if (m_pScroll != nullptr) {
        m_pScroll->SetRange(std::max(rows - 2, 0));
        m_pScroll->SetPos(0);
    }
    CreateButton(195, 388, &m_pUseButton, 135, true, true, "");
    m_nSelected = -1;
}

bool CGardenToolCardWnd::OnMessage(ORVMsg* msg)
{
    if (msg == nullptr || msg->m_pSender == nullptr) {
        return true;
    }
    if (msg->m_nId == kNotifyLeftClick && msg->m_pSender == m_pTabs) {
        SwitchTab(m_pTabs->m_nCurSel);
        return true;
    }
    if (msg->m_nId == kNotifyLeftClick && msg->m_pSender == m_pUseButton) {
        Use();
        return true;
    }
    if (msg->m_nId == kNotifyScroll && msg->m_pSender == m_pScroll) {
        m_nSelected = -1;
        m_nFirst = m_pScroll->m_nPos * kColumns;
        return true;
    }
    return CGardenPanel::OnMessage(msg);   // the close button
}

bool CGardenToolCardWnd::ProcessMessage(ORVMsg* msg)
{
    if (msg != nullptr && msg->m_nId == ORV_MSG_LBUTTONDOWN) {
        const int slot = SlotAt(PackedX(msg->m_wParam) - m_nAbsX, PackedY(msg->m_wParam) - m_nAbsY);
        if (slot >= 0) {
            m_nSelected = slot;
        }
    }
    return CGardenPanel::ProcessMessage(msg);
}

int CGardenToolCardWnd::SlotAt(int px, int py) const
{
    const int count = static_cast<int>(Cards().size());
    for (int i = 0; i < kSlots; ++i) {
        const int sx = m_anSlots[i][0];
        const int sy = m_anSlots[i][1];
        const int left = m_nTab == 1 ? sx : sx - 10;
        if (px > left && px < sx + 92 && py > sy && py < sy + 97 && m_nFirst + i < count) {
            return i;
        }
    }
    return -1;
}

bool CGardenToolCardWnd::OnMouseMove(int x, int y)
{
    CORVToolTip::GetSingleton().Reset();
    m_strToolTip.clear();
    const int slot = SlotAt(x, y);
    if (slot >= 0) {
        const char* tip = CardTip(Cards()[static_cast<std::size_t>(m_nFirst + slot)].Type());
        if (tip != nullptr) {
            m_strToolTip = tip;
        }
    }
    return CGardenPanel::OnMouseMove(x, y);
}

bool CGardenToolCardWnd::OnMouseWheel(int, int, int delta)
{
    if (m_pScroll != nullptr) {
        m_pScroll->OnMouseWheel(0, 0, delta);
    }
    return true;
}

void CGardenToolCardWnd::Use()
{
    const std::vector<ToolCard>& cards = Cards();
    const int index = m_nFirst + m_nSelected;
    if (m_nSelected < 0 || index >= static_cast<int>(cards.size())) {
        return;
    }
    if (m_nTab == 0) {
        const ToolCard& card = cards[static_cast<std::size_t>(index)];
        const u16 item = card.ItemId();
        if (item == kItemPickCardA || item == kItemPickCardB) {
            ShowTipText("请在花园设置中选择自动使用或开启提示使用幻影采摘卡");
        } else if (item != kItemManure) {
            GetPacketQueue().UseToolCard(card.Id());
        }
        Close();
        return;
    }
    // Tab 1 buys the card through the exchange window, which reads it from the second list.
    const ORVLifeWatch life = Watch();
    ORVMsg open(kMsgExchangeTopic, kSysWndOpen);
    open.m_lParam = kExchangeItemMode;
    CORVCtrlMgr::GetSingleton().RouteMessage(&open);
    if (life.expired()) {
        return;
    }
    ORVMsg card(kMsgExchangeTopic, kExchangeSetCard, ValueAsSender(static_cast<std::uintptr_t>(index) + 1));
    CORVCtrlMgr::GetSingleton().RouteMessage(&card);
    if (life.expired()) {
        return;
    }
    ORVMsg show(kMsgExchangeTopic, kExchangeShow);
    PostToManager(&show, 1);
}

void CGardenToolCardWnd::OnDrawOverlay()
{
    DrawAlignedText(16, m_nWidth, "道具", kTextColour, 1, 0, kTitleSize);
    char text[128];
    BoundedPrintf(text, sizeof text, "%d", GetLoginInfo().m_PlayerInfo.Number());
    DrawText(84 + (134 - GetTextWidth(text, kTitleSize)) / 2, 367, text, kNumberColour, 0, 0, 0, kTitleSize);
    DrawCards();
}

void CGardenToolCardWnd::DrawCards()
{
    const std::vector<ToolCard>& cards = Cards();
    const int count = static_cast<int>(cards.size());
    char text[128];
    for (int i = 0; i < kSlots && m_nFirst + i < count; ++i) {
        const ToolCard& card = cards[static_cast<std::size_t>(m_nFirst + i)];
        const int sx = m_anSlots[i][0];
        const int sy = m_anSlots[i][1];
        const std::string_view name = card.Name();
        BoundedPrintf(text, sizeof text, "%.*s×%d", static_cast<int>(name.size()), name.data(),
                      card.Count() < 2 ? 1 : static_cast<int>(card.Count()));
        DrawText(sx + 40 - GetTextWidth(text, kTextSizeDefault) / 2, sy + 105, text, kTextColour, 0, 0, 0,
                 kTextSizeDefault);
        DrawImage(sx - 6, sy - 3, kCardImageBase + card.Type(), kCardImageSet, 0xFFFFFFFF);
    }
    int framed = m_nSelected;
    u32 colour = kSelectedColour;
    if (framed < 0) {
        framed = SlotAt(static_cast<int>(g_nMouseX) - m_nAbsX, static_cast<int>(g_nMouseY) - m_nAbsY);
        colour = kHoverColour;
    }
    if (framed >= 0 && framed < kSlots) {
        const int x = m_nAbsX + m_anSlots[framed][0];
        const int y = m_nAbsY + m_anSlots[framed][1];
        g_CG.DrawRectangle(colour, x - 5, y - 3, x + 87, y + 97, 2);
    }
}
