// The shape every Garden side panel shares. The window body itself (background texture at the
// window's corner, posted-message pump, OnDraw, children, OnDrawOverlay) is CORVWindow's Render;
// a panel adds its own topic of message 275 (the garden state posts the topics), paging within
// its page count, and the opening steps of OnCreate.
#pragma once

#include "framework/control/ORVWindow.h"
#include "framework/core/RuntimeClass.h"

// The windows the garden screen opens from their runtime-class records. Each window's own file
// installs its record at start-up; a slot whose window has not landed stays null, and the screen
// then opens nothing there.
enum class GardenPanelSlot : int {
    kSeedBag,
    kRank,
    kWarehouse,
    kNursery,
    kSettings,
    kFriends,
    kToolCards,
    kNews,
    kTasks,
    kResearch,
    kWeather,
    kYieldEstimate,
    kResearchRules,
    kPlantStatus,
    kSeedRank,
    kCount
};
void SetGardenPanelRecord(GardenPanelSlot slot, const RuntimeClassRecord* record);
const RuntimeClassRecord* GetGardenPanelRecord(GardenPanelSlot slot);

// Installs a window's record in its slot at start-up: one constant object in the window's own
// .cpp, e.g. const GardenPanelRecordInstaller g_Record(GardenPanelSlot::kNursery, ORV_RUNTIME_CLASS(CGardenShopWnd));
struct GardenPanelRecordInstaller {
    GardenPanelRecordInstaller(GardenPanelSlot slot, const RuntimeClassRecord* record) { SetGardenPanelRecord(slot, record); }
};

class CGardenPanel : public CORVWindow {
public:
    // Message 275 whose first parameter is the panel's topic reloads the panel from the garden
    // state and ends there; every other message goes to the window's own routing.
    bool ProcessMessage(ORVMsg* msg) override;

    // A pager step: the page moves by delta and is clamped to [0, pages - 1] (0 without pages);
    // true when it changed.
    static bool StepPage(i32* page, int delta, int pages);

    // What the garden screen tells a panel it calls directly: the screen refreshed (kind 100),
    // entered a friend's garden (108), or handed a plant id on (116, value the plant id).
    virtual void OnScreenEvent(u32 kind, u32 value);

protected:
    explicit CGardenPanel(u32 topic = 0) : m_dwTopic(topic) {}

    // OnCreate's first steps: the background texture gives the window its size, then the close
    // button at (width - closeRight, closeTop) with its frame and no text.
    void CreatePanelFrame(u16 background, int closeRight, int closeTop, u16 closeFrame);

    // The panel's topic arrived (msg is that message 275).
    virtual void Reload(const ORVMsg& msg);

    u32 m_dwTopic;   // 0: the panel has no topic of its own
};
