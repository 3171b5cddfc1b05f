#include "garden/windows/GardenExchangeWnd.h"

#include <algorithm>
#include <climits>
#include <cstdint>
#include <cstring>
#include <optional>

#include "engine/GardenPackets.h"
#include "framework/control/ORVCtrlMgr.h"
#include "framework/core/DebugLog.h"
#include "framework/core/GameHooks.h"
#include "garden/windows/GardenGuide.h"
#include "framework/text/TextUtil.h"
#include "framework/widgets/ORVButton.h"
#include "framework/widgets/ORVChoice.h"
#include "framework/widgets/ORVEdit.h"
#include "framework/widgets/ORVScroll.h"
#include "framework/window/ORVMsgBox.h"
#include "garden/state/GardenDataMgr.h"
#include "garden/state/XmlGardenMgr.h"
#include "garden/windows/GardenPlantItem.h"
#include "glimmer/Glimmer.h"

ORV_IMPLEMENT_RUNTIME_CLASS(CGardenExchangeWnd, CORVWindow)

namespace {

namespace L = garden_layout;

struct ExchangeRecord {
    ExchangeRecord() { SetSystemWindowRecord(kMsgExchangeTopic, ORV_RUNTIME_CLASS(CGardenExchangeWnd)); }
};
const ExchangeRecord g_ExchangeRecord;

// The dialog's look, which its layout does not give: background 6 of the window set, 308 x 260
// (the quantity bar runs from x 50 over 208 pixels, the OK button stands at y 220).
constexpr u16 kBackground = 6;
constexpr int kWidth = 308, kHeight = 260;
constexpr int kScrollX = 50, kScrollY = 192, kScrollLength = 208;
constexpr int kEditX = 185, kEditY = 161, kEditW = 30, kEditH = 14;
constexpr int kOkX = 120, kOkY = 220;
constexpr u16 kOkFrame = 9;
constexpr int kChoiceX = 158, kChoiceY = 80, kChoiceW = 120;
constexpr u32 kTextColour = 0xFF8D6365;
constexpr int kTitleSize = 14;
constexpr int kMaxTrade = 600, kMaxGift = 10;
constexpr int kTradeDigits = 3, kGiftDigits = 2;

// Texts' places (the layout fixes the seed texts only).
constexpr int kTitleY = 12, kNameX = 120, kNameY = 50, kLineX = 120, kLine1Y = 70, kLine2Y = 89, kLine3Y = 108;
constexpr int kLevelX = 40, kLevelY = 131, kQuantityLabelX = 40, kQuantityLabelY = 161;
constexpr int kGiveToY = 84, kGiftNoteX = 40, kGiftNote1Y = 112, kGiftNote2Y = 131;
constexpr int kIconX = 24, kIconY = 44, kBadgeX = 84, kBadgeY = 41;
constexpr u16 kPlantSet = 4, kFrameSet = 3, kGeneIcon = 7825, kTopLevelBadge = 7818;

constexpr u32 kKindTaken = 139, kKindSetItem = 140, kKindBuyGene = 141;
constexpr u16 kGuideStepConfirm = 7;
constexpr u16 kSubBuy = 0x01, kSubSell = 0x0c, kSubGive = 0x0e, kSubWarehouse = 0x11, kSubGiftQuota = 0x1c;

// The leading decimal digits of a text, saturating; 0 when it starts with none.
int ParseQuantity(const char* text)
{
    long long n = 0;
    for (const char* p = text; p != nullptr && *p >= '0' && *p <= '9'; ++p) {
        n = std::min<long long>(n * 10 + (*p - '0'), INT_MAX);
    }
    return static_cast<int>(n);
}

// A product of quantity and price, as shown (at most the largest u32).
unsigned Saturated(std::uint64_t value) { return static_cast<unsigned>(std::min<std::uint64_t>(value, UINT_MAX)); }

void Text(int x, int y, const char* text, int size = kTextSizeDefault)
{
    g_Font.DrawTextA(x, y, text, kTextColour, size, 0, 0);
}

}  // namespace

CGardenExchangeWnd::CGardenExchangeWnd() = default;
CGardenExchangeWnd::~CGardenExchangeWnd() = default;

void CGardenExchangeWnd::SetArgs(int arg, std::string) { m_nMode = arg; }

void CGardenExchangeWnd::OnCreate()
{
    SetBackground(kBackground);
    SetSize(kWidth, kHeight);
    CORVWindow::OnCreate();   // centred
    CreateCloseButton();

    m_pScroll = new CORVHScroll();
    AddChild(m_pScroll, false);
    m_pScroll->CreateBar(this, kScrollX, kScrollY, kScrollLength);

    m_pEdit = new CORVEdit();
    AddChild(m_pEdit, false);
    m_pEdit->CreateEdit(this, kTextSizeDefault, kTextColour, 0, kEditX, kEditY, kEditW, kEditH);
    m_pEdit->m_nMaxLen = kTradeDigits;
    m_pEdit->SetText("1");

    CreateButton(kOkX, kOkY, &m_pOkButton, kOkFrame, true, true, "");
    GetGardenGuide().SetTarget(kGuideStepConfirm, m_pOkButton);

    char tip[64];
    if (m_nMode == kGive) {
        m_pFriends = new CORVChoice();
        AddChild(m_pFriends, false);
        m_pFriends->CreateBox(this, kChoiceX, kChoiceY, kChoiceW);
        m_pEdit->m_strToolTip = BoundedPrintf(tip, sizeof tip, "一次最多只能赠送%d个", kMaxGift);
        m_pEdit->m_nMaxLen = kGiftDigits;
        m_wMax = kMaxGift;
    } else {
        m_pEdit->m_strToolTip =
            BoundedPrintf(tip, sizeof tip, m_nMode == kSell ? "一次最多只能出售%d个" : "一次最多只能购买%d个", kMaxTrade);
        m_wMax = kMaxTrade;
    }
    m_pScroll->SetRange(m_wMax - 1);
    m_pScroll->SetPos(0);
    SendGardenRequest(kSubGiftQuota);
}

void CGardenExchangeWnd::QueueClose()
{
    ORVMsg close(kMsgExchangeTopic, kSysWndClose);
    PostToManager(&close, 1);
}

bool CGardenExchangeWnd::ProcessMessage(ORVMsg* msg)
{
    if (msg == nullptr || msg->m_nId != kMsgExchangeTopic) {
        return CORVWindow::ProcessMessage(msg);
    }
    switch (msg->m_wParam) {
    case kKindTaken:
        return true;
    case kKindSetItem:
        SetItem(SenderAsValue(*msg));
        return true;
    case kKindBuyGene:
        if (const std::optional<SeedPurchase> agreed = m_AskedPurchase.Take(*msg, this)) {
            SendBuySeeds(*agreed);
            Close();
        }
        return true;
    case TOPIC_MESSAGE_PAIRS:
        FillFriends();
        return true;
    default:
        return CORVWindow::ProcessMessage(msg);
    }
}

// The item of kind 140, read by the mode: a warehouse record's address (sell, give), a plant id
// (buy seeds) or a 1-based index into the second tool-card list (buy items). An item that cannot
// be found closes the dialog.
void CGardenExchangeWnd::SetItem(std::uintptr_t value)
{
    u16 plantId = 0;
    if (m_nMode == kSell || m_nMode == kGive) {
        const auto* record = reinterpret_cast<const Record10*>(value);
        if (record == nullptr) {
            QueueClose();
            return;
        }
        plantId = record->U16(L::kWareId);
        m_dwUnitPrice = record->U32(L::kWareValue);
        const u32 count = record->U32(L::kWareCount);
        if (m_nMode == kSell) {
            m_wMax = static_cast<u16>(std::min<u32>(count, kMaxTrade));
            m_pScroll->SetRange(std::max<int>(m_wMax - 1, 0));
        } else {
            m_pScroll->SetRange(std::clamp<long long>(static_cast<long long>(count) - 1, 0, kMaxGift - 1));
        }
    } else if (m_nMode == kBuySeeds) {
        plantId = static_cast<u16>(value);
    } else if (m_nMode == kBuyItems) {
        const auto index = static_cast<std::intptr_t>(value);
        const std::vector<ToolCard>& shop = GetToolCardStore().Second();
        if (index <= 0 || static_cast<std::size_t>(index) > shop.size()) {
            QueueClose();
            return;
        }
        m_Card = shop[static_cast<std::size_t>(index) - 1];
        m_dwUnitPrice = ReadLE32(m_Card.m_Bytes + 4);
        m_bItemSet = 1;
        return;
    } else {
        QueueClose();
        return;
    }
    if (plantId == 0 || !GetXmlGardenMgr().GetPlant(plantId, m_Plant) ||
        !GetGardenDataMgr().FindOwnPlantEntry(plantId, m_dwEntry)) {
        QueueClose();
        return;
    }
    m_bItemSet = 1;
}

void CGardenExchangeWnd::FillFriends()
{
    if (m_pFriends == nullptr) {
        return;
    }
    m_pFriends->ClearItems();
    for (const FriendRecord& f : GetGardenDataMgr().m_vFriends) {
        m_pFriends->AddItem(std::string(f.Text(L::kFriendDisplay, L::kNameSize)), kTextColour, 0);
    }
}

void CGardenExchangeWnd::SetQuantity(int q)
{
    q = std::max(q, static_cast<int>(m_wMin));
    q = std::min(q, static_cast<int>(m_wMax));
    m_wQuantity = static_cast<u16>(std::max(q, 0));
    if (m_pEdit == nullptr) {
        return;
    }
    char text[16];
    BoundedPrintf(text, sizeof text, "%d", q);
    const char* now = m_pEdit->GetText();
    if (now == nullptr || std::strcmp(now, text) != 0) {
        m_pEdit->SetText(text);
    }
}

void CGardenExchangeWnd::TakeTypedQuantity()
{
    if (m_pEdit != nullptr) {
        SetQuantity(ParseQuantity(m_pEdit->GetText()));
    }
}

bool CGardenExchangeWnd::OnMouseWheel(int x, int y, int delta)
{
    return m_pScroll != nullptr ? m_pScroll->OnMouseWheel(x, y, delta) : true;
}

bool CGardenExchangeWnd::OnMessage(ORVMsg* msg)
{
    if (msg == nullptr || msg->m_pSender == nullptr) {
        return CORVWindow::OnMessage(msg);
    }
    if (msg->m_pSender == m_pScroll && msg->m_nId == kNotifyScroll) {
        SetQuantity(static_cast<int>(msg->m_wParam) + 1);
    } else if (msg->m_pSender == m_pFriends && m_pFriends != nullptr && msg->m_nId == kNotifyChoiceSelect) {
        m_pFriends->SetCurSel(static_cast<int>(msg->m_wParam));
    } else if (msg->m_pSender == m_pFriends && m_pFriends != nullptr && msg->m_nId == kNotifyChoiceDrop) {
        if (m_pFriends->m_bOpen != 0) {
            m_pFriends->CloseList();
        } else {
            m_pFriends->DropDown();
        }
    } else if (msg->m_pSender == m_pOkButton && msg->m_nId == kNotifyLeftClick) {
        Confirm();
    } else {
        return CORVWindow::OnMessage(msg);
    }
    return true;
}

void CGardenExchangeWnd::SendBuySeeds(const SeedPurchase& purchase)
{
    SendGardenRequest(kSubBuy, purchase.m_wPlant, purchase.m_wQuantity);
}

void CGardenExchangeWnd::Confirm()
{
    TakeTypedQuantity();
    if (m_wQuantity < m_wMin || m_wQuantity > m_wMax) {
        ShowTipText("数量输入有误！");
        return;
    }
    if (m_bItemSet == 0) {
        DebugLog("exchange: no item to trade\n");
        return;
    }
    const u16 id = static_cast<u16>(m_Plant.m_nId);
    const std::uint64_t total = static_cast<std::uint64_t>(m_wQuantity) * static_cast<std::uint64_t>(std::max(m_Plant.m_nBuyPrice, 0));
    switch (m_nMode) {
    case kSell:
        SendGardenRequest(kSubSell, id, 0, m_wQuantity);
        SendGardenRequest(kSubWarehouse);
        Close();
        break;
    case kGive: {
        const std::vector<FriendRecord>& friends = GetGardenDataMgr().m_vFriends;
        const int chosen = m_pFriends != nullptr ? m_pFriends->m_nCurSel : -1;
        if (chosen < 0 || static_cast<std::size_t>(chosen) >= friends.size()) {
            return;
        }
        const std::string_view guid = friends[static_cast<std::size_t>(chosen)].Text(L::kFriendGuid, L::kNameSize);
        SendGardenRequest(kSubGive, id, m_wQuantity, 0, guid);
        SendGardenRequest(kSubWarehouse);
        Close();
        break;
    }
    case kBuySeeds:
        if (m_Plant.m_nType == 1) {
            char text[256];
            BoundedPrintf(text, sizeof text, "购买%d个%s种子需要%u基因点，确认购买吗？", int{m_wQuantity},
                          m_Plant.m_strName.c_str(), Saturated(total));
            const ORVMsg ok = m_AskedPurchase.Ask({id, m_wQuantity}, ORVMsg(kMsgExchangeTopic, kKindBuyGene), this);
            ORVMsgBoxQueue::GetSingleton().ShowOkCancelBox(ok, ORVMsg(), text);
            break;
        }
        if (GetGardenDataMgr().m_OwnInfo.U32(L::kInfoWealth) < total) {
            ShowTipText("您当前财富不足，不能购买");
            break;
        }
        SendBuySeeds({id, m_wQuantity});
        GetGardenGuide().AdvanceFrom(kGuideStepConfirm);
        Close();
        break;
    case kBuyItems:
        GetPacketQueue().SendMsg1014(m_Card.Id(), m_wQuantity);
        Close();
        break;
    default:
        break;
    }
}

void CGardenExchangeWnd::OnDraw()
{
    TakeTypedQuantity();
    const int ax = m_nAbsX;
    const int ay = m_nAbsY;
    const auto title = [&](const char* text) {
        Text(ax + (m_nWidth - GetTextWidth(text, kTitleSize)) / 2, ay + kTitleY, text, kTitleSize);
    };
    const bool gene = m_Plant.m_nType == 1;
    char v[128];
    const char* quantityLabel = nullptr;
    switch (m_nMode) {
    case kSell:
        title("出售果实");
        quantityLabel = "出售果实数量";
        Text(ax + kNameX, ay + kNameY, m_Plant.m_strName.c_str());
        Text(ax + kLineX, ay + kLine1Y, BoundedPrintf(v, sizeof v, "市场售价：%u财富", m_dwUnitPrice));
        Text(ax + kLineX, ay + kLine2Y,
             BoundedPrintf(v, sizeof v, "预计收入：%u财富", Saturated(std::uint64_t{m_wQuantity} * m_dwUnitPrice)));
        break;
    case kGive:
        title("赠送果实");
        quantityLabel = "赠送果实数量";
        Text(ax + kNameX, ay + kNameY, m_Plant.m_strName.c_str());
        Text(ax + kNameX, ay + kGiveToY, "赠送给");
        Text(ax + kGiftNoteX, ay + kGiftNote1Y, "每个好友每天仅可赠送一次");
        Text(ax + kGiftNoteX, ay + kGiftNote2Y, "每次赠送（1 - 10）");
        break;
    case kBuySeeds:
        title("购买种子");
        quantityLabel = "购买种子数量";
        Text(ax + kNameX, ay + kNameY, m_Plant.m_strName.c_str());
        if (!gene) {
            Text(ax + kLevelX, ay + kLevelY, BoundedPrintf(v, sizeof v, "等级：%u", unsigned{EntryLevel(m_dwEntry)}));
            Text(ax + kLineX, ay + kLine1Y, BoundedPrintf(v, sizeof v, "种子单价：%d财富", m_Plant.m_nBuyPrice));
            Text(ax + kLineX, ay + kLine2Y, BoundedPrintf(v, sizeof v, "生长周期：%d小时", m_Plant.m_nGrowthCycle));
            Text(ax + kLineX, ay + kLine3Y, BoundedPrintf(v, sizeof v, "基础产量：%d个", m_Plant.m_nBaseYield));
            Text(ax + kLineX, ay + kLine3Y + (kLine2Y - kLine1Y),
                 BoundedPrintf(v, sizeof v, "市场售价：%d财富", m_Plant.m_nSalePrice));
        } else {
            Text(ax + kLineX, ay + kLine1Y, BoundedPrintf(v, sizeof v, "种子单价：%d基因点", m_Plant.m_nBuyPrice));
            Text(ax + kLineX, ay + kLine2Y, BoundedPrintf(v, sizeof v, "生长周期：%d小时", m_Plant.m_nGrowthCycle));
            const char* label = "基础产量：";
            Text(ax + kLineX, ay + kLine3Y, label);
            Text(ax + kLineX + GetTextWidth(label, kTextSizeDefault), ay + kLine3Y,
                 BoundedPrintf(v, sizeof v, "%d%%", m_Plant.m_nBaseYield));
            Text(ax + kLineX, ay + kLine3Y + (kLine2Y - kLine1Y), "市场售价：未知");
        }
        break;
    case kBuyItems: {
        title("购买道具");
        quantityLabel = "购买道具数量";
        char name[L::kCardNameSize + 1];
        const std::string_view n = m_Card.Name();
        const std::size_t len = std::min(n.size(), sizeof name - 1);
        std::memcpy(name, n.data(), len);
        name[len] = '\0';
        Text(ax + kNameX, ay + kNameY, name);
        Text(ax + kLineX, ay + kLine1Y, BoundedPrintf(v, sizeof v, "道具单价：%u点券", m_dwUnitPrice));
        break;
    }
    default:
        break;
    }
    if (quantityLabel != nullptr) {
        Text(ax + kQuantityLabelX, ay + kQuantityLabelY, quantityLabel);
    }
    if (m_nMode != kBuyItems && m_bItemSet != 0) {
        if (gene) {
            g_TexMgr.DrawTexture(ax + kIconX, ay + kIconY, kGeneIcon, kFrameSet, 0xFFFFFFFF, true);
        } else {
            g_TexMgr.DrawTexture(ax + kIconX, ay + kIconY, static_cast<u16>(m_Plant.m_nTex), kPlantSet, 0xFFFFFFFF, true);
        }
        const u16 level = EntryLevel(m_dwEntry);
        if (m_nMode == kBuySeeds && !gene && level >= 46 && level <= 50) {
            g_TexMgr.DrawTexture(ax + kBadgeX, ay + kBadgeY, kTopLevelBadge, kFrameSet, 0xFFFFFFFF, true);
        }
    }
}
