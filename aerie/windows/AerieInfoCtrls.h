// The information controls of the building windows: CAerieProductInfoCtrl, the shown city's
// hourly production by source and resource, and CAerieWorkInfoCtrl, what each of the three
// working groups is doing, with its cancel, speed-up and award-refresh buttons.
#pragma once

#include <string>

#include "aerie/windows/AerieWndUtil.h"
#include "framework/control/ORVControlContainer.h"

class CORVButton;
class CXmlBuilding;
struct AerieBuildingSlot;

// Resources in the production table's order.
inline constexpr int kAerieResourceCount = 4;   // grass, stone, wood, metal

class CAerieProductInfoCtrl : public CORVControl {
    ORV_DECLARE_RUNTIME_CLASS(CAerieProductInfoCtrl)
public:
    static constexpr int kLands = 8;
    static constexpr int kRows = 6;   // lands, three groups, consumption, totals

    CAerieProductInfoCtrl();
    ~CAerieProductInfoCtrl() override;

    void OnCreate() override;                   // takes the shown city's lands 1..8 once
    bool OnMouseMove(int x, int y) override;    // the row's explanation
    void OnDraw() override;

    // What the table shows, computed from the store.
    struct Table {
        i32 m_anLand[kAerieResourceCount] = {};
        float m_afResearch[kAerieResourceCount] = {};
        u32 m_adwGroupBase[3] = {};
        float m_afGroupBonus[3][kAerieResourceCount] = {};
        u32 m_dwConsumption = 0;
        std::int64_t m_aqTotal[kAerieResourceCount] = {};
        u8 m_byMultiplier = 10;
    };
    void ComputeTable(Table* t) const;
    // "value×(bonus+100)%" for a bonus above 0, else the value.
    static std::string FormatCell(std::int64_t value, float bonus);

    const AerieBuildingSlot* m_apLand[kLands] = {};
    const CXmlBuilding* m_apLandCfg[kLands] = {};

private:
    CCachedText m_aCells[kRows][kAerieResourceCount];
};

class CAerieWorkInfoCtrl : public CORVControlContainer {
    ORV_DECLARE_RUNTIME_CLASS(CAerieWorkInfoCtrl)
public:
    static constexpr int kGroups = 3;
    static constexpr int kLinesPerRow = 4;
    // Group states.
    static constexpr u16 kStateProducing = 0;
    static constexpr u16 kStateBuilding = 1;
    static constexpr u16 kStateResearching = 2;
    static constexpr u16 kStateWaiting = 3;

    CAerieWorkInfoCtrl();
    ~CAerieWorkInfoCtrl() override;

    void OnCreate() override;
    bool OnMessage(ORVMsg* msg) override;
    bool ProcessMessage(ORVMsg* msg) override;   // topic 66 cancels a fight
    void OnDraw() override;
    void SetArgs(int arg, std::string text) override;   // the mode: 0 draws the background images

    CORVButton* m_apCancel[kGroups] = {};
    CORVButton* m_apSpeedUp[kGroups] = {};
    CORVButton* m_apAwardRefresh[kGroups] = {};
    u16 m_wMode = 0;

private:
    // Index of sender among buttons, or -1.
    static int RowOf(CORVButton* const (&buttons)[kGroups], const CORVControl* sender);
    void DrawRow(int g);

    CCachedText m_aLines[kGroups][kLinesPerRow];
    std::string m_aDefenceName[kGroups];   // the defence mission's name its first line was made from
};
