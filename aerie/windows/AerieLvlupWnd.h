// CAerieLvlupWnd: the confirmation window for upgrading one building or one technology of the own
// city. It shows what the next level costs against what the city holds, lets the player choose
// the monster group that does the work (its engineering power lowers the cost, its skills and a
// technology shorten the project), and sends the upgrade request.
#pragma once

#include <string>

#include "aerie/windows/AerieGameWnd.h"

class CORVButton;
class CXmlBuilding;
class CXmlLvlupConfig;

class CAerieLvlupWnd : public CAerieGameWnd {
    ORV_DECLARE_RUNTIME_CLASS(CAerieLvlupWnd)
public:
    static constexpr int kGroups = 3;
    static constexpr int kNoGroup = 3;
    // Rows of the group choice: window-local x 24..429, tops 162 + 50 i, 46 px high.
    static constexpr int kRowLeft = 24;
    static constexpr int kRowRight = 429;
    static constexpr int kRowTop = 162;
    static constexpr int kRowStep = 50;
    static constexpr int kRowHeight = 46;

    CAerieLvlupWnd();
    ~CAerieLvlupWnd() override;   // an exchange window opened from here closes with it

    bool OnMouseMove(int x, int y) override;
    bool OnMessage(ORVMsg* msg) override;
    bool OnClick(int kind) override;
    void OnDraw() override;
    // (id << 16) | kind: kind 0 a building, any other a technology.
    void SetArgs(int arg, std::string text) override;

    // The facility's current level in the shown city.
    u16 GetLevel() const;
    // Resource cost of the next level for the chosen group: grass, stone, wood, metal.
    void ComputeLvlupCost(u32 out[4]) const;
    // Project time in seconds for group g (0..2; another value: no group).
    u32 ComputeProjectTime(int g) const;
    // The requirement checks of the OK button after the group checks.
    bool MeetsRequirements() const;

    CORVButton* m_pExchangeBtn = nullptr;
    CORVButton* m_pOkBtn = nullptr;
    CORVButton* m_pCancelBtn = nullptr;
    u16 m_wId = 0;
    u16 m_wKind = 0;
    u8 m_bBuilding = 0;        // a building slot of the city (id below 18)
    u8 m_bScience = 0;         // a technology
    const CXmlLvlupConfig* m_pConfig = nullptr;
    const CXmlBuilding* m_pNeedConfig = nullptr;
    i32 m_nNeedBuilding = -1;  // the required building's slot; -1 none
    i32 m_nHoverGroup = -1;
    i32 m_nGroup = 1;

protected:
    u16 FrameImage() const override { return 16; }
    void OnCreateControls() override;   // the buttons by the city shown; the tutorial's targets

private:
    // The reductions of the project time of group g: creativity, technology and skill percents.
    void Reductions(int g, float* a, float* b, float* c) const;
    void DrawGroupRow(int g);

    CCachedText m_Title;
    CCachedText m_NeedBuilding;
    CCachedText m_Money;
    CCachedText m_CharLevel;
    CCachedText m_aResource[4];
    CCachedText m_Chosen;
    CCachedText m_aTime[kGroups];
};
