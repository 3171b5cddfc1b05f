// CGardenExchangeWnd: the small dialog of one trade (framework message 276): selling fruit from
// the warehouse, giving fruit to a friend, buying seeds or buying items. The main window opens it
// with the mode as argument; the opener then hands it the item (kind 140). The player chooses a
// quantity by edit field or scroll bar (and the friend from a drop-down when giving); OK checks
// it, sends the trade and closes the dialog (gene seeds after a confirmation, whose OK buys the
// quantity it showed).
#pragma once

#include "engine/GardenXmlRecords.h"
#include "framework/control/ORVWindow.h"
#include "framework/window/AskedAmounts.h"
#include "garden/state/ToolCardStore.h"

class CORVButton;
class CORVChoice;
class CORVEdit;
class CORVHScroll;

class CGardenExchangeWnd : public CORVWindow {
    ORV_DECLARE_RUNTIME_CLASS(CGardenExchangeWnd)
public:
    enum Mode : i32 { kSell = 0, kGive = 1, kBuySeeds = 2, kBuyItems = 3 };

    CGardenExchangeWnd();
    ~CGardenExchangeWnd() override;

    void SetArgs(int arg, std::string text) override;   // the mode
    void OnCreate() override;
    bool OnMouseWheel(int x, int y, int delta) override;   // to the quantity bar
    bool OnMessage(ORVMsg* msg) override;
    bool ProcessMessage(ORVMsg* msg) override;             // kinds of message 276
    void OnDraw() override;

    // The edit field's number, clamped to [minimum, maximum] and written back (every frame).
    void TakeTypedQuantity();
    // The OK button's trade.
    void Confirm();

    u16 m_wQuantity = 1;
    CPlantItem m_Plant;
    ToolCard m_Card;
    u32 m_dwEntry = 0;          // the plant's entry {u16 id, u16 level} of the own plant list
    u16 m_wMax = 0;
    u16 m_wMin = 1;
    u32 m_dwUnitPrice = 0;
    u8 m_bItemSet = 0;          // the item arrived (kind 140)
    CORVChoice* m_pFriends = nullptr;
    CORVButton* m_pOkButton = nullptr;
    CORVEdit* m_pEdit = nullptr;
    CORVHScroll* m_pScroll = nullptr;
    i32 m_nMode = kSell;

    // A gene-seed purchase as its confirmation showed it: the box's OK buys exactly this, whatever
    // the quantity field holds by then.
    struct SeedPurchase {
        u16 m_wPlant = 0;
        u16 m_wQuantity = 0;
    };
    CAskedAmounts<SeedPurchase> m_AskedPurchase;

private:
    void SetItem(std::uintptr_t value);
    void FillFriends();
    void SetQuantity(int q);
    // Closes the dialog from the control manager's queue (next pump).
    void QueueClose();
    void SendBuySeeds(const SeedPurchase& purchase);
};
