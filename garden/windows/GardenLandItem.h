// The fifteen plots of the garden screen. CGardenLandItem is one plot: a 200 x 200 container on
// the screen's isometric grid that draws the plot's plant by growth stage, the withered, weed and
// pest icons, the plot's floating message lines and the harvest animation, and offers the plot
// actions open, upgrade and fertilise as pop-out buttons with their confirmation boxes. Its soil
// is a CLandItem child carrying the land texture, hit-tested on that texture, which reports
// clicks and hovering as game events; the pop-out buttons are CLandButtonS.
#pragma once

#include <string>
#include <vector>

#include "framework/control/ORVControlContainer.h"
#include "framework/widgets/ORVButton.h"
#include "garden/state/GardenDataMgr.h"
#include "garden/state/XmlGardenMgr.h"

class CTex;
class CGardenTipsWnd;

// Game events of the plots (framework message 275, kind in the first parameter).
inline constexpr u32 kGardenEventPlotClicked = 102;
inline constexpr u32 kGardenEventToolNone = 109;
inline constexpr u32 kGardenEventOpenPlot = 118;
inline constexpr u32 kGardenEventUpgradePlot = 119;
inline constexpr u32 kGardenEventFertilise = 120;
inline constexpr u32 kGardenEventPlotText = 147;
inline constexpr u32 kGardenEventSoilHover = 148;
inline constexpr u32 kGardenEventPopOutHover = 149;
inline constexpr u32 kGardenEventHarvest = 150;

// A box's answer about a plot. Posted messages watch their sender's life, so the plot number
// rides in the second parameter; the screen reads a plot from the sender field, else from there.
inline ORVMsg BoxAnswer(u32 kind, u16 plot) { return ORVMsg(kMsgGardenTopic, kind, plot, std::string()); }
inline u16 PlotOfEvent(const ORVMsg& msg)
{
    const std::uintptr_t v = SenderAsValue(msg);
    return static_cast<u16>(v != 0 ? v : msg.m_lParam);
}

// Plots 11 to 15 are love plots.
inline bool IsLovePlot(int number) { return number > 10; }
// The land state in the low two bits of a plot's flags: 0 not developed, 1 developed, 2 withered.
inline int LandState(const PlotRecord& plot) { return plot.m_Bytes[garden_layout::kPlotFlags] & garden_layout::kPlotLandStateMask; }

class CLandItem : public CORVControl {
    ORV_DECLARE_RUNTIME_CLASS(CLandItem)
public:
    CLandItem();
    ~CLandItem() override;

    // Copies the land record; openable only in the own garden, for an undeveloped plot whose
    // column (1 to 5) is at most the garden level.
    void SetLand(const PlotRecord& land);
    void SetTexture(CTex* tex) { m_pTex = tex; }
    CTex* Texture() const { return m_pTex; }

    bool OnMouseEnter(int x, int y, CORVControl* prev) override;
    bool OnMouseLeave(int x, int y, CORVControl* next) override;
    bool OnRButtonUp(int x, int y) override;   // tool mode 0, then a left click
    bool OnClick(int kind) override;           // a left click: game event 102, tutorial steps 4 and 10
    void OnDraw() override;                    // the soil, its pulse while openable, the hover light
    bool HitTest(int x, int y) override;       // on the texture

    u8 m_bCanOpen = 0;
    PlotRecord m_Land;

private:
    CTex* m_pTex = nullptr;   // not owned
};

class CLandButtonS : public CORVButton {
    ORV_DECLARE_RUNTIME_CLASS(CLandButtonS)
public:
    bool OnMouseEnter(int x, int y, CORVControl* prev) override;   // game event 149 with itself
    bool OnMouseLeave(int x, int y, CORVControl* next) override;   // game event 149, no sender
};

class CGardenLandItem : public CORVControlContainer {
    ORV_DECLARE_RUNTIME_CLASS(CGardenLandItem)
public:
    static constexpr int kSize = 200;
    // Pop-out actions (also the buttons' image frames).
    static constexpr u16 kActionOpen = 159;
    static constexpr u16 kActionUpgrade = 162;
    static constexpr u16 kActionFertilise = 165;
    static constexpr u32 kPopOutMs = 100;
    static constexpr u32 kHarvestMs = 1500;
    static constexpr int kLineFrames = 100;   // each floating line shows this long
    static constexpr int kLineGap = 10;       // frames between two lines

    struct PopOut {
        CLandButtonS* m_pButton = nullptr;   // a child
        u16 m_wAction = 0;
        i32 m_nStartX = 0, m_nStartY = 0, m_nEndX = 0, m_nEndY = 0;
    };

    explicit CGardenLandItem(u16 number = 0);
    ~CGardenLandItem() override;

    // Where plot number stands on the screen's grid.
    static void GridPosition(int number, int* x, int* y);

    void OnCreate() override;
    bool IsHover() override;                   // while its soil is the hovered control
    // The plot's square takes no mouse move itself (only its soil and buttons do), so a plot in
    // front does not hide the soil of a plot behind it; the move goes on to the controls below.
    bool OnMouseMove(int x, int y) override;
    bool ProcessMessage(ORVMsg* msg) override; // kinds 147 to 150
    bool OnMessage(ORVMsg* msg) override;      // soil and pop-out clicks
    bool OnLButtonDown(int x, int y) override;
    bool OnLButtonUp(int x, int y) override;
    bool OnRButtonDown(int x, int y) override;
    bool OnRButtonUp(int x, int y) override;
    void OnDraw() override {}
    // The soil and the tooltip's place, then the plot's drawing, then the pop-out buttons.
    void RenderChildren() override;

    // Reads its plot and plant from the garden state (the screen calls it on every refresh).
    void Reload();
    // Creates the soil once, sizes it to the land texture and hands it texture and record.
    void UpdateSoil();
    // The floating lines ("可采摘" in a friend's garden, then the queued messages): the screen
    // draws them after the plots.
    void DrawFloatingTexts();
    // The tooltip while it is shown (the screen draws it above the panels).
    void DrawToolTip();
    void RemovePopOuts();

    u16 Number() const { return m_wNumber; }
    CLandItem* Soil() const { return m_pSoil; }
    CGardenTipsWnd* ToolTip() const { return m_pTip; }
    const std::vector<PopOut>& PopOuts() const { return m_vPopOuts; }
    const std::vector<std::string>& Lines() const { return m_vLines; }
    int SoilFrame() const { return m_nSoilFrame; }

    u8 m_bHasRecord = 0;
    u8 m_bHasPlant = 0;
    u8 m_bPlantFound = 0;
    u8 m_bPlantShown = 0;
    PlotRecord m_Plot;
    PlantRecord m_Plant;
    CPlantItem m_PlantItem;
    CLevel m_LevelRow;
    u32 m_dwHarvestStart = 0;   // 0: no animation
    u16 m_wHarvestCount = 0;

private:
    void DrawPlot(u32 colourMode);
    void ShowPopOuts();
    void DoPopOut(u16 action);
    void UpdateTip(CORVControl* soil);
    bool GuardOver() const;

    u16 m_wNumber = 0;
    std::vector<std::string> m_vLines;
    i32 m_nLineFrame = 0;
    i32 m_nSoilFrame = 0;
    CLandItem* m_pSoil = nullptr;
    CGardenTipsWnd* m_pTip = nullptr;
    std::vector<PopOut> m_vPopOuts;
    u8 m_bAnimating = 0;
    u32 m_dwPopOutStart = 0;
};
