// CGardenTipsWnd: the floating panel a plot shows while the mouse rests on its soil. Given a plot,
// it copies the plot record, the plant growing there and that plant's game data and level row,
// places itself beside the plot and composes its lines once; every frame it draws them. It takes
// no mouse input: every button and move is left to the controls below it.
#pragma once

#include <string_view>

#include "framework/control/ORVControl.h"
#include "framework/core/DebugLog.h"
#include "garden/state/GardenDataMgr.h"
#include "garden/state/XmlGardenMgr.h"

class CGardenTipsWnd : public CORVControl {
    ORV_DECLARE_RUNTIME_CLASS(CGardenTipsWnd)
public:
    static constexpr int kWidth = 200;
    static constexpr int kHeight = 170;       // at least: a longer text makes the panel taller
    static constexpr int kMargin = 8;         // first line at (8, 8), the panel's edge below the last
    static constexpr int kLineStep = 15;      // a text line of size 12 is 15 pixels high
    static constexpr int kTextSize = 12;
    static constexpr ARGB kTextColour = 0xFF021020;
    static constexpr ARGB kRed = 0xFFFF0000;
    static constexpr ARGB kGuardColour = 0xFF00FFFF;
    static constexpr int kMaxLines = 24;
    static constexpr int kLineBytes = 96;

    struct Line {
        char m_szText[kLineBytes] = {};
        ARGB m_dwColour = kTextColour;
        i32 m_nX = 0;   // inside the panel
        i32 m_nY = 0;
    };

    CGardenTipsWnd();
    ~CGardenTipsWnd() override;

    void OnCreate() override;                        // 200 x 170, hidden
    bool OnMouseMove(int x, int y) override;         // these five: unhandled
    bool OnLButtonDown(int x, int y) override;
    bool OnLButtonUp(int x, int y) override;
    bool OnRButtonDown(int x, int y) override;
    bool OnRButtonUp(int x, int y) override;
    void Render() override;                          // the lines, while shown

    // With a plot control: copies the plot record (null: a plot without a record) and the
    // control's openable flag, looks the plant up, composes the lines, places the panel at the
    // control's right edge (its left edge when the screen ends first; moved up by what would
    // pass the screen's bottom) and shows it. Without a control: 0 x 0 and hidden.
    void ShowForPlot(const CORVControl* plot, const PlotRecord* record, bool openable);

    const Line* Lines() const { return m_aLines; }
    int LineCount() const { return m_nLines; }

    // What ShowForPlot copied.
    i32 m_nPlot = -1;
    i32 m_bOpenable = 0;
    i32 m_nTipWidth = kWidth;
    i32 m_nTipHeight = kHeight;
    PlotRecord m_Plot;
    u8 m_bHasPlant = 0;
    PlantRecord m_Plant;
    CPlantItem m_PlantItem;
    u32 m_dwPlantEntry = 0;   // u16 plant id, u16 plant level
    CLevel m_LevelRow;

private:
    void Compose();
    void AddLine(const char* text, ARGB colour = kTextColour, bool centred = false);
    void AddLinef(ARGB colour, const char* fmt, ...) ORV_PRINTF_LIKE(3, 4);
    void AddNotOpenLines(bool love);
    void AddEmptyPlotLines(bool love);
    void AddPlantLines();
    void AddSoilLines(bool love);
    void AddUpgradeBlock();

    Line m_aLines[kMaxLines];
    int m_nLines = 0;
};
