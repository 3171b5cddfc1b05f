// CAerieExchangeWnd: trades resources against resources. The player offers amounts out of the
// own stocks and asks for amounts in return; the window keeps the asked total within the offered
// total as the player types or drags, refuses an empty or unbalanced exchange, asks first when
// the result would overflow a store, and sends the eight amounts in one request: on that
// question's OK, the amounts the question showed, whatever the edits hold by then.
#pragma once

#include <array>
#include <cstdint>
#include <string>

#include "aerie/windows/AerieGameWnd.h"
#include "framework/window/AskedAmounts.h"

class CORVButton;
class CORVEdit;
class CORVHScroll;

class CAerieExchangeWnd : public CAerieGameWnd {
    ORV_DECLARE_RUNTIME_CLASS(CAerieExchangeWnd)
public:
    // Rows: 0 grass, 1 wood, 2 stone, 3 metal. Sides: 0 offered, 1 asked.
    static constexpr int kRows = 4;
    static constexpr int kOffer = 0;
    static constexpr int kAsk = 1;
    static constexpr std::size_t kBodySize = 32;
    // Index of each row in the owner stock (grass, stone, wood, metal), and the store holding it:
    // the granary (building 13) for grass, the warehouse (14) for the others.
    static constexpr int kStockOf[kRows] = {0, 2, 1, 3};
    static constexpr u32 kStoreOf[kRows] = {13, 14, 14, 14};

    CAerieExchangeWnd();
    ~CAerieExchangeWnd() override;

    bool OnMessage(ORVMsg* msg) override;
    void OnDraw() override;

    // Every offering bar's range back to the own stock, every position and edit to 0.
    void Reset();
    // The sum of one side's scroll positions.
    std::uint64_t SideSum(int side) const;
    // The eight amounts of an exchange, as the request orders them: the offered rows, then the
    // asked rows.
    using Amounts = std::array<u32, 2 * kRows>;
    // The amount the edit of side and row shows, and the eight the edits show: what an exchange
    // asks for.
    std::uint64_t Shown(int side, int row) const;
    Amounts ShownAmounts() const;
    // The request with the eight amounts; nothing unless all eight bars and edits exist.
    void SendExchange(const Amounts& amounts);
    // The overflow box's OK: the amounts that box showed, once.
    bool OnExchangeEvent(ORVMsg* msg);

    CORVEdit* m_apEdit[2][kRows] = {};
    CORVButton* m_apMinus[2][kRows] = {};
    CORVButton* m_apPlus[2][kRows] = {};
    CORVHScroll* m_apBar[2][kRows] = {};
    CORVButton* m_pExchangeBtn = nullptr;
    std::uint64_t m_nTotal = 0;   // the offered total
    // The amounts the overflow box shows, checked when it asked.
    CAskedAmounts<Amounts> m_Asked;

protected:
    u16 FrameImage() const override { return 34; }
    void CloseButtonPlace(int* fromRight, int* top) const override;
    void OnCreateControls() override;
    bool OnGameEvent(ORVMsg* msg) override;   // topic 70: the overflow box's OK

private:
    void OnOfferMoved(int row);
    void OnOfferTyped(int row);
    void OnAskMoved(int row);
    void OnAskTyped(int row);
    void Step(int side, int row, int by);
    void Exchange();
    // The edit of side and row shows value.
    void ShowNumber(int side, int row, std::uint64_t value);
    // The bar of side and row takes value (clamped into its range) and its edit shows what the bar
    // took; an edit whose number already agrees is left as the player typed it.
    void SetAmount(int side, int row, int value);
    // The asking bars' range for the offered total.
    int AskRange() const;

    CCachedText m_TotalText;
    CCachedText m_aStock[kRows];
};
