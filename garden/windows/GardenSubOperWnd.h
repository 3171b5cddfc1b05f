// CGardenSubOperWnd: the tool strip of the garden screen. It pops up above the farm-work button
// (water, weed, catch pests) or the pick button (pick in a friend's garden, and the pick-skill
// status), and a click on a tool sets the screen's tool mode.
#pragma once

#include <vector>

#include "framework/control/ORVControlContainer.h"

class CORVButton;

class CGardenSubOperWnd : public CORVControlContainer {
    ORV_DECLARE_RUNTIME_CLASS(CGardenSubOperWnd)
public:
    enum Kind : i32 { kNone = 0, kFarmTools = 1, kPickTools = 2 };
    // Button ids, also their image frames.
    static constexpr u16 kWater = 183;
    static constexpr u16 kWeed = 186;
    static constexpr u16 kCatchPests = 189;
    static constexpr u16 kPick = 192;
    static constexpr u16 kPickStatus = 195;
    static constexpr int kButtonStep = 50;
    static constexpr int kStripHeight = 40;
    static constexpr int kLabelY = 38;

    struct ToolButton {
        CORVButton* m_pButton = nullptr;   // a child
        u16 m_wId = 0;
    };

    CGardenSubOperWnd();
    ~CGardenSubOperWnd() override;

    // Kind 0 removes the buttons, hides and disables the strip. Any other kind shows and enables
    // it; a kind other than the one shown replaces the buttons and lays them out above the anchor
    // (a sibling of the strip).
    void ShowFor(i32 kind, const CORVControl* anchor);
    // The button of that id, or null.
    CORVButton* Button(u16 id) const;

    bool OnMouseEnter(int x, int y, CORVControl* prev) override;
    bool OnMouseLeave(int x, int y, CORVControl* next) override;
    bool OnChildMouseEnter(CORVControl* child, CORVControl* prev) override;
    bool OnChildMouseLeave(CORVControl* child, CORVControl* next) override;
    bool OnMessage(ORVMsg* msg) override;   // the tools' clicks

    // Fills the tooltip with the pick-skill status (style 2 lines); false, and nothing shown,
    // without the game data's rows for the next level and for level 1.
    static bool ShowPickStatusTip();

    i32 m_nKind = kNone;
    std::vector<ToolButton> m_vButtons;
    // Where a chosen tool mode goes: the garden screen that creates the strip sets its own
    // SetToolMode here (which also closes the seed bag). Null: a tool click only closes the strip.
    using ToolModeSink = void (*)(i32 mode);
    ToolModeSink m_pfnSetToolMode = nullptr;

private:
    void RemoveButtons();
    void AddToolButton(u16 id, const char* label, int index);
    void Hide();
    bool IsOwnControl(const CORVControl* ctrl) const;
};
