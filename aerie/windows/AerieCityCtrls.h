// The controls of the city view: CAerieBuildingCtrl (one building, drawn with the picture of its
// level and hit on the picture's shape), CAerieButton (the garden and restaurant pictures with
// their levels) and CAerieSubOperCtrl (the row of buttons shown above the info button while the
// mouse is on it).
#pragma once

#include <string>
#include <vector>

#include "aerie/windows/AerieWndUtil.h"
#include "framework/control/ORVControlContainer.h"

class CORVButton;
class CXmlBuilding;

// The effect line of a building at a level: the building's short description used as a "%1%"
// format with the level's effect value (0 above the top level). The effect list itself is a
// per-level list of numbers, not a text; a description without a placeholder shows as it stands.
std::string FormatBuildingEffect(const CXmlBuilding& cfg, i32 level);
// "Name" followed by "N级".
std::string FormatBuildingTitle(const CXmlBuilding& cfg, i32 level);

// Image frames of set 93 for the picture buttons.
inline constexpr u16 kGardenFrame = 376;
inline constexpr u16 kRestaurantFrame = 378;

class CAerieButton : public CORVControl {
    ORV_DECLARE_RUNTIME_CLASS(CAerieButton)
public:
    CAerieButton();
    ~CAerieButton() override;

    void OnCreate() override;                        // level display from the settings
    void Render() override;                          // the picture (+1 hovered) and its level
    void SetArgs(int arg, std::string text) override;   // the picture's frame
    bool HitTest(int x, int y) override;             // the picture's shape

    // The level shown on the picture: garden or restaurant of the shown owner, else 0; where it
    // is drawn relative to the control.
    u32 GetShownLevel(int* dx, int* dy) const;

    u16 m_wFrame = 0;
    u8 m_bShowLevel = 1;
};

class CAerieBuildingCtrl : public CORVControl {
    ORV_DECLARE_RUNTIME_CLASS(CAerieBuildingCtrl)
public:
    CAerieBuildingCtrl();
    ~CAerieBuildingCtrl() override;

    void OnCreate() override;
    bool OnMouseEnter(int x, int y, CORVControl* prev) override;   // the building's tooltip
    void Render() override;
    void SetArgs(int arg, std::string text) override;   // the building id (below 18)
    bool HitTest(int x, int y) override;

    // The building's record and its level in the shown city; false unless both exist.
    bool GetShown(const CXmlBuilding** cfg, u16* level) const;

    u32 m_nBuildingId = 0;
    u8 m_bShowLevel = 1;
};

// Where the upgrade marker of a building sits relative to the control: beside the level
// digits, one digit further right from level 10 on.
void GetUpgradeMarkerPos(const CXmlBuilding& cfg, i32 level, int* x, int* y);
inline constexpr u16 kUpgradeMarkerFrame = 646;

class CAerieSubOperCtrl : public CORVControlContainer {
    ORV_DECLARE_RUNTIME_CLASS(CAerieSubOperCtrl)
public:
    CAerieSubOperCtrl();
    ~CAerieSubOperCtrl() override;

    bool OnMouseEnter(int x, int y, CORVControl* prev) override;
    bool OnMouseLeave(int x, int y, CORVControl* next) override;
    bool OnChildMouseEnter(CORVControl* child, CORVControl* prev) override;
    bool OnChildMouseLeave(CORVControl* child, CORVControl* next) override;
    bool OnMessage(ORVMsg* msg) override;

    // Shown above owner: "信息" in the own city only, "生产情况" always.
    void Show(CORVControl* owner);
    void ClearButtons();
    void AddSubButton(u16 frame, const std::string& tooltip);
    // Width 47 n - 10, height 34, centred over owner and 54 px above its top; hidden and 0 by 0
    // without buttons or owner.
    void LayoutSubButtons(CORVControl* owner);
    void Hide();

    std::vector<CORVButton*> m_vButtons;   // children

    static constexpr u16 kInfoFrame = 302;
    static constexpr u16 kProductionFrame = 305;
};
