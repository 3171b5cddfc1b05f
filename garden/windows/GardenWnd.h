// CGardenWnd: the Garden game's main screen (framework message 275). It shows one garden (the
// player's own or a friend's) with its fifteen plots, two rows of buttons, the owner's figures and
// one side panel at a time; it holds the tool mode a plot click applies, turns plot clicks into
// Garden requests with their confirmation boxes, refreshes the garden periodically and reacts to
// the game events the garden state posts.
#pragma once

#include <string>

#include "framework/control/ORVWindow.h"
#include "framework/core/RuntimeClass.h"
#include "garden/windows/GardenPanel.h"

class CORVButton;
class CGardenLandItem;

// What a click on a plot does.
enum GardenToolMode : i32 {
    ToolNone = 0,          // inspect
    ToolPlough = 1,
    ToolSow = 2,
    ToolWater = 3,
    ToolWeed = 4,
    ToolCatchPests = 5,
    ToolHarvest = 6,
    ToolPick = 7,
    ToolManure = 7437,     // the farm-manure tool card
};

class CGardenWnd : public CORVWindow {
    ORV_DECLARE_RUNTIME_CLASS(CGardenWnd)
public:
    static constexpr int kPlots = 15;
    static constexpr int kCursors = 8;   // modes 0 to 7 have a cursor

    CGardenWnd();
    ~CGardenWnd() override;

    void OnCreate() override;

    // The panel of slot opens from record (front child, given arg, created on this screen) and
    // takes the place of the side panel open before; when the slot holds its panel it closes. A
    // null record on an empty slot does nothing. At most one side panel is open.
    void TogglePanel(const RuntimeClassRecord* record, GardenPanelSlot slot, int arg);
    // The same with the record installed for slot.
    void TogglePanel(GardenPanelSlot slot, int arg = 0);
    // Stores the mode and closes the seed bag.
    void SetToolMode(i32 mode);
    i32 ToolMode() const { return m_nToolMode; }
    // Open or close the panel of that slot beside the side panel (the open-panel slot is kept).
    void ToggleSeedBag();
    void ToggleResearchRules();
    void TogglePlantStatus(int arg);
    // Closes the nursery when it is open, then opens it again.
    void ReopenNursery();
    // A floating line over the plot (kind 147 with the plot and the text, dispatched at once).
    void ShowPlotMessage(int plot, const char* text);

    // The panel a slot holds (null when closed).
    CORVWindow* Panel(GardenPanelSlot slot) const;
    // The plot control of number 1 to 15 (null otherwise).
    CGardenLandItem* Plot(int number) const;
    u32 SelectedSeed() const { return m_dwSelectedSeed; }

private:
    i32 m_nToolMode = ToolNone;
    u32 m_dwSelectedSeed = 0;
    CORVWindow* m_apPanels[static_cast<int>(GardenPanelSlot::kCount)] = {};
    CGardenLandItem* m_apPlots[kPlots + 1] = {};
};

// The screen while one exists, else null.
CGardenWnd* GetGardenWnd();
