// CAerieBuyResourceWnd: turns coins into one of the four resources. It shows the day's remaining
// purchase quota, the coin balance, the chosen coins (in steps of 100), what they buy and the
// effective rate, and sends the purchase; the day's rate falls block by block as purchases grow.
#pragma once

#include <cstdint>
#include <string>

#include "aerie/windows/AerieGameWnd.h"

class CORVButton;
class CORVChoice;
class CORVHScroll;

// Resources that coins x bought in one day yield in all: every block of 20,000 coins yields
// three quarters of the block before, the first at par.
u32 AerieResourceYield(std::uint64_t coins);
// The resources that coins more buy after spentToday coins, with the effect percent of the
// city's purchase technology.
u32 AerieResourceGain(u32 spentToday, u32 coins, float effectPercent);

class CAerieBuyResourceWnd : public CAerieGameWnd {
    ORV_DECLARE_RUNTIME_CLASS(CAerieBuyResourceWnd)
public:
    static constexpr u32 kDailyQuota = 500000;
    static constexpr u32 kCoinStep = 100;

    CAerieBuyResourceWnd();
    ~CAerieBuyResourceWnd() override;

    bool OnMessage(ORVMsg* msg) override;
    void OnDraw() override;

    // The scroll range for the shown city's balance and the day's purchases.
    u32 ComputeRange() const;
    // m_nGain for the scroll position and the city as it is now.
    void UpdateGain();
    // The chosen kind (0 grass, 1 stone, 2 wood, 3 metal).
    int GetKind() const;

    CORVButton* m_pOkBtn = nullptr;
    CORVButton* m_pMinusBtn = nullptr;
    CORVButton* m_pPlusBtn = nullptr;
    CORVHScroll* m_pScroll = nullptr;
    CORVChoice* m_pChoice = nullptr;
    u32 m_nGain = 0;

protected:
    u16 FrameImage() const override { return 11; }
    void OnCreateControls() override;
    CORVScroll* ScrollBar() const override;         // the wheel anywhere over the window moves it
    void OnScrolled() override { UpdateGain(); }

private:
    void Buy();

    CCachedText m_Quota;
    CCachedText m_Balance;
    CCachedText m_Coins;
    CCachedText m_Gain;
    CCachedText m_Rate;
};
