// CGardenPlantItem: the card that shows one plant or seed inside the Garden panels: a 50 x 50 icon
// (seed bag, seed ranking) or a full card with the plant's basic data, growth conditions, level
// bonus and theft-guard time, with the buttons that start buying, giving, selling or selling all.
// Its panel places it, puts it in a mode and loads a plant into it; the card reads the game data
// and the garden state when it loads and keeps copies of what it shows.
#pragma once

#include <cstdint>

#include "engine/GardenXmlRecords.h"
#include "framework/control/ORVControlContainer.h"
#include "garden/state/GardenDataMgr.h"
#include "garden/windows/GardenPanelKit.h"

class CORVButton;


class CGardenPlantItem : public CORVControlContainer {
    ORV_DECLARE_RUNTIME_CLASS(CGardenPlantItem)
public:
    // What the card shows; any other value hides it.
    enum Mode : u32 {
        kModeHidden = 0,
        kModeSeedIcon = 1,        // seed bag: icon and count
        kModeSeedDetail = 2,      // seed bag: the hovered seed
        kModeNursery = 3,         // nursery: buy
        kModeShownPlant = 4,      // plant status of the garden on screen
        kModeOwnPlant = 5,        // plant status of the nursery list
        kModeRankIcon = 6,        // seed ranking: icon
        kModeEstimate = 7,        // yield estimate
        kModeWarehouse = 8,       // warehouse: give, sell, sell all
    };

    CGardenPlantItem();
    ~CGardenPlantItem() override;

    void OnCreate() override;
    bool OnMouseMove(int x, int y) override;
    bool OnMessage(ORVMsg* msg) override;
    bool OnClick(int kind) override;
    void OnDraw() override;

    // Modes 1 to 8 show the card and size it; any other mode hides and disables it. index is the
    // card's place in its panel (card 0 of the nursery is the tutorial's buy target).
    void SetMode(u32 mode, u16 index);

    // Loaders: each needs a plant id other than 0 that the game data knows, shows and enables the
    // card on success and hides and disables it (plant id 0) on failure.
    bool LoadFromSeedBag(u16 id);               // own plant list and seed bag hold it
    bool LoadOwnPlant(u16 id);                  // own plant list and a level row; locked by the own level
    bool LoadFromWarehouse(const Record10& record);   // plant list holds it
    bool LoadEntry(u32 entry);                  // the given plant entry
    bool LoadAndEstimate(u16 id);               // as LoadOwnPlantQuiet, then request 0x1e
    bool LoadOwnPlantQuiet(u16 id);             // as LoadOwnPlant, never locked
    bool LoadForMode(u16 id);                   // mode 4: plant list, shown level; else own list
    // Empty card: hidden, disabled, plant id 0.
    void Clear();

    bool IsShown() const { return m_bVisible != 0 && m_wPlantId != 0; }

    u16 m_wPlantId = 0;
    u8 m_bUnlocked = 0;
    u32 m_dwMode = kModeHidden;
    i32 m_nIconX = 0;
    i32 m_nIconY = 0;
    // The source record: a warehouse record {u16 id, u32 count, u32 value}; a seed-bag entry
    // {u16 id, u16 count} is kept in the same shape (its count in the u32).
    Record10 m_Source;
    CPlantItem m_Plant;
    u32 m_dwEntry = 0;        // {u16 plant id, u16 plant level}
    CLevel m_Level;
    CORVButton* m_pBuyButton = nullptr;
    CORVButton* m_pGiveButton = nullptr;
    CORVButton* m_pSellButton = nullptr;
    CORVButton* m_pSellAllButton = nullptr;

private:
    // The common end of every loader: plant data from the game data, then shown or cleared.
    bool TakePlant(u16 id);
    bool Finish(bool ok);
    bool LoadLevelled(u16 id, bool lockByOwnLevel);
    // Which buttons the mode shows, and the buy button's state.
    void UpdateButtons();
    // Opens the exchange window in mode and hands it the item (value in the sender field).
    void OpenExchange(u32 mode, std::uintptr_t item);
    void DrawFrame() const;
    void DrawIcon(bool cached) const;
    void DrawCard() const;
    u16 PlantLevel() const { return EntryLevel(m_dwEntry); }
    bool IsGene() const { return m_Plant.m_nType == 1; }
};
