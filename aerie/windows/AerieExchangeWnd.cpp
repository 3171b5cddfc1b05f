#include "aerie/windows/AerieExchangeWnd.h"

#include <algorithm>
#include <climits>
#include <cstdio>
#include <new>
#include <optional>

#include "aerie/windows/AerieCityView.h"
#include "aerie/windows/AerieWndRecords.h"
#include "framework/core/ByteOrder.h"
#include "framework/widgets/ORVButton.h"
#include "framework/widgets/ORVEdit.h"
#include "framework/widgets/ORVScroll.h"
#include "framework/window/ORVMsgBox.h"

ORV_IMPLEMENT_RUNTIME_CLASS(CAerieExchangeWnd, CAerieContainer)

namespace {

struct ExchangeWndRegistration {
    ExchangeWndRegistration() { SetAerieWindowRecord(AerieWndKind::Exchange, ORV_RUNTIME_CLASS(CAerieExchangeWnd)); }
} g_ExchangeWndRegistration;

constexpr GameTopic<CAerieExchangeWnd> kTopics[] = {
    {EVT_EXCHANGE, &CAerieExchangeWnd::OnExchangeEvent},
};

int ToRange(std::uint64_t v)
{
    return static_cast<int>(std::min<std::uint64_t>(v, INT_MAX));
}

int Pos(const CORVHScroll* bar)
{
    return bar != nullptr ? std::max(0, bar->m_nPos) : 0;
}

int EditNumber(const CORVEdit* edit)
{
    return edit != nullptr ? std::max(0, edit->m_nValue) : 0;
}

}  // namespace

CAerieExchangeWnd::CAerieExchangeWnd() = default;
CAerieExchangeWnd::~CAerieExchangeWnd() = default;

void CAerieExchangeWnd::CloseButtonPlace(int* fromRight, int* top) const
{
    *fromRight = 36;
    *top = 5;
}

void CAerieExchangeWnd::OnCreateControls()
{
    SetTitleText("资源兑换", 286, 14, 0xFFFFFFFF, 1);
    CreateButton(278, 386, &m_pExchangeBtn, 314, true, true, "");
    for (int side = 0; side < 2; ++side) {
        const int dx = side == kOffer ? 0 : 290;
        for (int i = 0; i < kRows; ++i) {
            const int y = 189 + 24 * i;
            auto* edit = new (std::nothrow) CORVEdit();
            if (edit != nullptr) {
                AddChild(edit, false);
                edit->m_nMaxLen = 9;
                edit->m_bNumber = 1;
                edit->m_dwCaretColor = 0xFFFFFFFF;
                edit->CreateEdit(this, 1, 0xFFFFFFFF, 0, 72 + dx, y, 78, 20);
                m_apEdit[side][i] = edit;
            }
            CreateButton(158 + dx, y + 3, &m_apMinus[side][i], 54, true, true, "");
            CreateButton(298 + dx, y + 3, &m_apPlus[side][i], 57, true, true, "");
            auto* bar = new (std::nothrow) CORVHScroll();
            if (bar != nullptr) {
                AddChild(bar, false);
                bar->CreateBar(this, 175 + dx, y + 3, 120);
                m_apBar[side][i] = bar;
            }
        }
    }
    Reset();
}

void CAerieExchangeWnd::Reset()
{
    AerieView::OwnerStock stock;
    AerieView::GetOwnerStock(true, &stock);
    for (int i = 0; i < kRows; ++i) {
        if (CORVHScroll* bar = m_apBar[kOffer][i]) {
            bar->SetRange(ToRange(stock.m_adwResource[kStockOf[i]]));
            bar->SetPos(0);
        }
        for (int side = 0; side < 2; ++side) {
            ShowNumber(side, i, 0);
        }
    }
    m_nTotal = 0;
}

std::uint64_t CAerieExchangeWnd::SideSum(int side) const
{
    std::uint64_t sum = 0;
    for (int i = 0; i < kRows; ++i) {
        sum += static_cast<std::uint64_t>(Pos(m_apBar[side][i]));
    }
    return sum;
}

std::uint64_t CAerieExchangeWnd::Shown(int side, int row) const
{
    return static_cast<std::uint64_t>(EditNumber(m_apEdit[side][row]));
}

CAerieExchangeWnd::Amounts CAerieExchangeWnd::ShownAmounts() const
{
    Amounts amounts{};
    for (int side = 0; side < 2; ++side) {
        for (int i = 0; i < kRows; ++i) {
            amounts[static_cast<std::size_t>(side * kRows + i)] = static_cast<u32>(Shown(side, i));
        }
    }
    return amounts;
}

int CAerieExchangeWnd::AskRange() const
{
    return ToRange(m_nTotal);
}

void CAerieExchangeWnd::ShowNumber(int side, int row, std::uint64_t value)
{
    if (CORVEdit* edit = m_apEdit[side][row]) {
        char text[24];
        std::snprintf(text, sizeof(text), "%llu", static_cast<unsigned long long>(value));
        edit->SetText(text);
    }
}

void CAerieExchangeWnd::SetAmount(int side, int row, int value)
{
    CORVHScroll* bar = m_apBar[side][row];
    if (bar != nullptr) {
        bar->SetPos(value);
        value = Pos(bar);
    }
    if (m_apEdit[side][row] != nullptr && EditNumber(m_apEdit[side][row]) != value) {
        ShowNumber(side, row, static_cast<std::uint64_t>(std::max(0, value)));
    }
}

void CAerieExchangeWnd::OnOfferMoved(int row)
{
    ShowNumber(kOffer, row, static_cast<std::uint64_t>(Pos(m_apBar[kOffer][row])));
    m_nTotal = SideSum(kOffer);
    const std::uint64_t asked = SideSum(kAsk);
    for (int k = 0; k < kRows; ++k) {
        CORVHScroll* bar = m_apBar[kAsk][k];
        if (bar == nullptr) {
            continue;
        }
        bar->SetRange(AskRange());
        bar->SetPos(bar->m_nPos);
        if (m_nTotal < asked) {
            bar->SetPos(0);
        }
        ShowNumber(kAsk, k, static_cast<std::uint64_t>(Pos(bar)));
    }
}

void CAerieExchangeWnd::OnOfferTyped(int row)
{
    CORVHScroll* bar = m_apBar[kOffer][row];
    if (bar == nullptr) {
        return;
    }
    const int v = std::min(EditNumber(m_apEdit[kOffer][row]), bar->m_nRange);
    bar->SetPos(v);
    ShowNumber(kOffer, row, static_cast<std::uint64_t>(v));
    m_nTotal = SideSum(kOffer);
    const std::uint64_t asked = SideSum(kAsk);
    for (int k = 0; k < kRows; ++k) {
        CORVHScroll* ask = m_apBar[kAsk][k];
        if (ask == nullptr) {
            continue;
        }
        if (asked <= m_nTotal) {
            ask->SetRange(AskRange());
            SetAmount(kAsk, k, ask->m_nPos);
        } else {
            ask->SetPos(0);
            ShowNumber(kAsk, k, 0);
        }
    }
}

void CAerieExchangeWnd::OnAskMoved(int row)
{
    CORVHScroll* bar = m_apBar[kAsk][row];
    if (bar == nullptr) {
        return;
    }
    std::uint64_t others = 0;
    for (int k = 0; k < kRows; ++k) {
        if (k != row) {
            others += static_cast<std::uint64_t>(Pos(m_apBar[kAsk][k]));
        }
    }
    if (others < m_nTotal) {
        if (static_cast<std::uint64_t>(Pos(bar)) + others > m_nTotal) {
            bar->SetPos(ToRange(m_nTotal - others));
        }
    } else {
        for (int k = 0; k < kRows; ++k) {
            if (k != row) {
                SetAmount(kAsk, k, 0);
            }
        }
    }
    ShowNumber(kAsk, row, static_cast<std::uint64_t>(Pos(bar)));
}

void CAerieExchangeWnd::OnAskTyped(int row)
{
    CORVEdit* edit = m_apEdit[kAsk][row];
    if (edit == nullptr) {
        return;
    }
    std::uint64_t others = 0;
    for (int k = 0; k < kRows; ++k) {
        if (k != row) {
            others += static_cast<std::uint64_t>(EditNumber(m_apEdit[kAsk][k]));
        }
    }
    int value = EditNumber(edit);
    if (others < m_nTotal) {
        if (static_cast<std::uint64_t>(value) + others > m_nTotal) {
            value = ToRange(m_nTotal - others);
        }
    } else {
        for (int k = 0; k < kRows; ++k) {
            if (k != row) {
                SetAmount(kAsk, k, 0);
            }
        }
    }
    SetAmount(kAsk, row, value);
}

void CAerieExchangeWnd::Step(int side, int row, int by)
{
    CORVHScroll* bar = m_apBar[side][row];
    if (bar == nullptr) {
        return;
    }
    bar->SetPos(bar->m_nPos + by);
    ShowNumber(side, row, static_cast<std::uint64_t>(Pos(bar)));
}

void CAerieExchangeWnd::Exchange()
{
    // The checks, the question and the request all take these amounts.
    const Amounts amounts = ShownAmounts();
    const auto sum = [&amounts](int side) {
        std::uint64_t total = 0;
        for (int i = 0; i < kRows; ++i) {
            total += amounts[static_cast<std::size_t>(side * kRows + i)];
        }
        return total;
    };
    const std::uint64_t asked = sum(kAsk);
    if (asked == 0) {
        ORVMsgBoxQueue::GetSingleton().ShowOkBox(ORVMsg(), "请输入你想要兑换的资源数量！");
        return;
    }
    if (asked != sum(kOffer)) {
        ORVMsgBoxQueue::GetSingleton().ShowOkBox(ORVMsg(), "资源兑换不平衡！");
        return;
    }
    const u32* const askedRow = amounts.data() + kRows;
    AerieView::OwnerStock stock;
    AerieView::GetOwnerStock(true, &stock);
    bool overflows = false;
    for (int i = 0; i < kRows; ++i) {
        const std::uint64_t after = std::uint64_t{stock.m_adwResource[kStockOf[i]]} + askedRow[i];
        overflows = overflows || after > AerieView::GetBuildingEffect(kStoreOf[i]);
    }
    if (!overflows) {
        SendExchange(amounts);
        return;
    }
    char text[kBoxTextBound];
    AskThen(BoundedPrintf(text, sizeof(text), "本次兑换资源为牧草%u，木材%u，石料%u，金属%u。是否要继续兑换？",
                          askedRow[0], askedRow[1], askedRow[2], askedRow[3]),
            m_Asked.Ask(amounts, GameEvent(EVT_EXCHANGE), this));
}

static_assert(CAerieExchangeWnd::kBodySize == sizeof(u32) * std::tuple_size_v<CAerieExchangeWnd::Amounts>);

void CAerieExchangeWnd::SendExchange(const Amounts& amounts)
{
    unsigned char body[kBodySize];
    for (int side = 0; side < 2; ++side) {
        for (int i = 0; i < kRows; ++i) {
            if (m_apBar[side][i] == nullptr || m_apEdit[side][i] == nullptr) {
                return;
            }
        }
    }
    for (std::size_t k = 0; k < amounts.size(); ++k) {
        WriteLE32(body + 4 * k, amounts[k]);
    }
    AerieView::SendExchange(std::string(reinterpret_cast<const char*>(body), kBodySize));
}

bool CAerieExchangeWnd::OnExchangeEvent(ORVMsg* msg)
{
    if (const std::optional<Amounts> agreed = m_Asked.Take(*msg, this)) {
        SendExchange(*agreed);
    }
    return true;
}

bool CAerieExchangeWnd::OnGameEvent(ORVMsg* msg)
{
    return DispatchGameEvent(this, msg, kTopics);
}

bool CAerieExchangeWnd::OnMessage(ORVMsg* msg)
{
    if (msg == nullptr || msg->m_pSender == nullptr) {
        return CAerieGameWnd::OnMessage(msg);
    }
    CORVControl* sender = msg->m_pSender;
    if (msg->m_nId == kNotifyLeftClick && sender == m_pExchangeBtn) {
        Exchange();
        return true;
    }
    for (int side = 0; side < 2; ++side) {
        for (int i = 0; i < kRows; ++i) {
            if (msg->m_nId == kNotifyScroll && sender == m_apBar[side][i]) {
                side == kOffer ? OnOfferMoved(i) : OnAskMoved(i);
                return true;
            }
            if (msg->m_nId == kNotifyEditChange && sender == m_apEdit[side][i]) {
                side == kOffer ? OnOfferTyped(i) : OnAskTyped(i);
                return true;
            }
            if (msg->m_nId == kNotifyLeftClick && (sender == m_apMinus[side][i] || sender == m_apPlus[side][i])) {
                Step(side, i, sender == m_apPlus[side][i] ? 1 : -1);
                return true;
            }
        }
    }
    return CAerieGameWnd::OnMessage(msg);
}
