// The tool-card panel: the player's tool cards from the tool-card store, the first list on tab 0
// and the second on tab 1, six at a time in three columns and two rows with a scroll bar by rows.
// A card is selected by a click; "use" sends the card's use message (tab 0), or buys it through
// the exchange window (tab 1).
#pragma once

#include "garden/windows/GardenPanel.h"

class CORVButton;
class CORVRadioGroup;
class CORVVScroll;
struct ToolCard;

class CGardenToolCardWnd : public CGardenPanel {
    ORV_DECLARE_RUNTIME_CLASS(CGardenToolCardWnd)
public:
    static constexpr int kSlots = 6;
    static constexpr int kColumns = 3;

    CGardenToolCardWnd() = default;

    void SetArgs(int arg, std::string text) override;
    void OnCreate() override;
    bool OnMessage(ORVMsg* msg) override;
    bool ProcessMessage(ORVMsg* msg) override;
    bool OnMouseMove(int x, int y) override;
    bool OnMouseWheel(int x, int y, int delta) override;
    void OnDrawOverlay() override;

    // The slot (0 to 5) under a point in panel coordinates that shows a card; -1 when none.
    int SlotAt(int px, int py) const;
    // Nothing unless the radio group exists and t is one of its buttons.
    void SwitchTab(int t);
    void Use();

    i32 m_anSlots[kSlots][2] = {{38, 79}, {175, 79}, {312, 79}, {38, 220}, {175, 220}, {312, 220}};
    CORVRadioGroup* m_pTabs = nullptr;
    CORVVScroll* m_pScroll = nullptr;
    i32 m_nFirst = 0;      // index of the first shown card in the tab's list
    i32 m_nTab = 0;
    i32 m_nSelected = -1;
    CORVButton* m_pUseButton = nullptr;

private:
    const std::vector<ToolCard>& Cards() const;
    void DrawCards();
};
