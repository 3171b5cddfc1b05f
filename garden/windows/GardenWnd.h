// CGardenWnd: the Garden game's main screen (framework message 275). It shows one garden (the
// player's own or a friend's) with its fifteen plots, two rows of buttons, the owner's figures and
// one side panel at a time; it holds the tool mode a plot click applies, turns plot clicks into
// Garden requests with their confirmation boxes, refreshes the garden periodically and reacts to
// the game events the garden state posts.
#pragma once

#include <string>
#include <vector>

#include "framework/control/ORVWindow.h"
#include "framework/core/RuntimeClass.h"
#include "framework/text/CachedText.h"
#include "garden/state/GardenDataMgr.h"
#include "garden/windows/GardenAnim.h"
#include "garden/windows/GardenPanel.h"

class CORVButton;
class CGardenLandItem;
class CGardenSubOperWnd;
class CLevelDetail;

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
    static constexpr u32 kRefreshPeriodMs = 10000;
    static constexpr int kTopButtons = 8;
    static constexpr int kBottomButtons = 9;
    // Top row, in this order.
    enum TopButton { kWeather, kRanking, kWarehouse, kNursery, kToolCards, kFriends, kSettings, kBack };
    // Bottom row, in this order.
    enum BottomButton { kNews, kAttributes, kPlough, kSow, kFarmWork, kHarvest, kPick, kTasks, kResearch };

    CGardenWnd();
    ~CGardenWnd() override;

    void OnCreate() override;
    bool OnMouseMove(int x, int y) override;                         // the owner's figures' tips
    bool OnChildMouseEnter(CORVControl* child, CORVControl* prev) override;
    bool OnMessage(ORVMsg* msg) override;                            // button clicks, close requests
    bool OnRButtonUp(int x, int y) override;                         // tool mode 0
    bool ProcessMessage(ORVMsg* msg) override;                       // game events (message 275)
    void OnDraw() override;
    void OnDrawOverlay() override;                                   // the tool cursor
    void RenderChildren() override;
    // The Garden's own close ends the game as the host's CloseGarden does: the main window's close
    // command of this screen (one frame later), not a close request, which would only remove it.
    void Close() override;

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
    // The click on a plot in the current tool mode.
    void ApplyToolToPlot(const PlotRecord& plot);
    // Screen refresh: layout, plots, badge, background, welcome box.
    void Refresh();

    // The panel a slot holds (null when closed).
    CORVWindow* Panel(GardenPanelSlot slot) const;
    // The plot control of number 1 to 15 (null otherwise).
    CGardenLandItem* Plot(int number) const;
    CORVButton* TopButton(int i) const { return m_apTop[i]; }
    CORVButton* BottomButton(int i) const { return m_apBottom[i]; }
    CORVButton* LevelUpButton() const { return m_pLevelUp; }
    CORVButton* NotifyButton() const { return m_pNotify; }
    CGardenSubOperWnd* ToolStrip() const { return m_pToolStrip; }
    u32 SelectedSeed() const { return m_dwSelectedSeed; }
    u16 BackgroundId() const { return m_wBackground; }
    bool RefreshSuspended() const { return m_bRefreshSuspended != 0; }
    bool LevelUpConditionsMet() const { return m_bConditionsMet != 0; }
    const GardenAnim& Cursor(int mode) const { return m_aCursors[mode]; }

    virtual void Reserved1() {}
    virtual void Reserved2() {}

private:
    struct LevelUpConditions {
        const CLevelDetail* m_pRow = nullptr;   // null: no row for the level
        bool m_bLove = false;
        bool m_bLand = false;
    };
    LevelUpConditions EvaluateLevelUp() const;
    void LayoutTopRow();
    void UpdateLevelUpButton();
    void LevelUpCheck();
    void ShowLevelUpTip();
    void FriendEntered();
    void AnswerPick(bool withCard);
    void SendPick(u16 plot, bool withCard);
    void SendPlotRequest(u16 sub, u16 plot, u16 param2 = 0, bool ownerAlways = false);
    void PeriodicRefresh();
    void CloseSeedBag();
    void CloseOpenPanel();
    bool ClosePanelOf(const CORVControl* sender);
    bool AnyBlockingPanelOpen() const;
    // Closes every window of the main window that stood not yet when this screen opened: whatever
    // the Garden opened beside its screen (system windows, boxes) goes with it.
    void CloseWhatTheGardenOpened();
    void RefusePlot(int plot, const char* text) { ShowPlotMessage(plot, text); }
    CORVWindow*& Slot(GardenPanelSlot slot) { return m_apPanels[static_cast<int>(slot)]; }

    u8 m_bRefreshSuspended = 0;
    u32 m_dwLastRefresh = 0;
    u32 m_dwRefreshPeriod = kRefreshPeriodMs;
    CORVButton* m_apTop[kTopButtons] = {};
    CORVButton* m_apBottom[kBottomButtons] = {};
    CORVButton* m_pLevelUp = nullptr;
    CORVButton* m_pNotify = nullptr;
    CORVButton* m_pSpare = nullptr;
    u8 m_bConditionsMet = 0;
    u32 m_dwSelectedSeed = 0;
    u16 m_wBackground = 301;
    i32 m_nToolMode = ToolNone;
    CGardenLandItem* m_apPlots[kPlots + 1] = {};
    GardenPanelSlot m_eOpenSlot = GardenPanelSlot::kCount;   // kCount: no side panel open
    CORVWindow* m_apPanels[static_cast<int>(GardenPanelSlot::kCount)] = {};
    CGardenSubOperWnd* m_pToolStrip = nullptr;
    GardenAnim m_aCursors[kCursors];
    i32 m_nMouseX = 0;
    i32 m_nMouseY = 0;
    // The main window's windows that stood when this screen opened: they are not the Garden's.
    struct StoodBefore {
        const CORVControl* m_pWnd;
        ORVLifeWatch m_Life;
    };
    std::vector<StoodBefore> m_vStoodBefore;
    // The top row's countdowns, made again only when the seconds they show change.
    CCachedText m_StaminaText;
    CCachedText m_UpgradeText;
};

// The screen while one exists, else null.
CGardenWnd* GetGardenWnd();
