// CAerieTechnologyWnd: the castle institute's window. Four lab tabs, the chosen lab's
// technologies three at a time with their levels and effects, the technology points gained per
// lab and in total, and buttons on to the level-up window for a technology or for the lab's
// building.
#pragma once

#include <string>

#include "aerie/windows/AerieGameWnd.h"

class CAerieTechnologyItem;
class CLab;
class CORVButton;
class CORVRadioGroup;
class CORVVScroll;
class CXmlTech;

class CAerieTechnologyWnd : public CAerieGameWnd {
    ORV_DECLARE_RUNTIME_CLASS(CAerieTechnologyWnd)
public:
    static constexpr int kRows = 3;
    static constexpr int kLabs = 4;
    static constexpr int kFirstLabBuilding = 9;   // lab i's building is 9 + i

    CAerieTechnologyWnd();
    ~CAerieTechnologyWnd() override;

    void SetArgs(int arg, std::string text) override;   // the lab shown first (0..3)
    bool OnChildMouseEnter(CORVControl* child, CORVControl* prev) override;
    bool OnMessage(ORVMsg* msg) override;
    void OnDraw() override;

    // Applies the tabs' selection: the lab's icon, text, technology count and scroll range.
    void SelectLab();
    // Fills the three items from the scroll position.
    void RefreshItems();
    // Opens the level-up window for the technology of row i.
    void UpgradeItem(int i);
    // Sums the points gained per lab and in total again.
    void RecountPoints();
    // The lab shown (null when the game data lacks it).
    const CLab* GetLab() const;

    CAerieTechnologyItem* m_apItems[kRows] = {};
    CORVButton* m_apUpgrade[kRows] = {};
    CORVRadioGroup* m_pTabs = nullptr;
    CORVButton* m_pLabBuildingBtn = nullptr;
    CORVControl* m_pWorkInfo = nullptr;
    CORVVScroll* m_pScroll = nullptr;
    i32 m_nLab = 0;
    u16 m_wLabIcon = 0;
    std::string m_strLabText;
    i32 m_anGained[kLabs] = {};
    i32 m_anAvailable[kLabs] = {};
    i32 m_nTotalAvailable = 0;
    i32 m_nTotalGained = 0;

protected:
    u16 FrameImage() const override { return 5; }
    void OnCreateControls() override;
    CORVScroll* ScrollBar() const override;
    void OnScrolled() override { RefreshItems(); }   // the bar, the wheel over the window

private:
    // The technology shown in row i, or null.
    const CXmlTech* TechOfRow(int i) const;

    CCachedText m_Total;
    CCachedText m_aLabPoints[kLabs];
};
