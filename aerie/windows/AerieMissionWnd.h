// CAerieMissionWnd: the game's mission window, three tabs (plunder, defence, main line) whose
// pages are child windows filling the window: CAerieMissionRobItem, CAerieMissionDefendItem and
// CAerieMissionMainItem. The pages share one body, CAerieMissionPage: the tab strip, the go and
// second close buttons, the tab-change notice to the mission window and the list rows.
#pragma once

#include <string>
#include <vector>

#include "aerie/state/XmlAerieRecords.h"
#include "aerie/windows/AerieGameWnd.h"
#include "framework/text/WrappedText.h"

class CORVButton;
class CORVChoice;
class CORVRadioGroup;
class CORVVScroll;

// The page's notice to the mission window: {kNotifyTabChange, kMissionTabStripId, new tab}.
inline constexpr u32 kNotifyTabChange = 6;
inline constexpr u32 kMissionTabStripId = 28;

// The claim question of the plunder and main-line pages: the reward and, when it would pass the
// own granary's or warehouse's capacity (compared in 64 bits), the warning.
std::string RewardQuestion(u32 grass, u32 wood, u32 stone, u32 metal);

class CAerieMissionWnd : public CAerieGameWnd {
    ORV_DECLARE_RUNTIME_CLASS(CAerieMissionWnd)
public:
    CAerieMissionWnd();
    // Tells the game window at once that its sub-window is gone (topic 41).
    ~CAerieMissionWnd() override;

    bool OnMessage(ORVMsg* msg) override;

    static constexpr int kTabCount = 3;

    u32 m_nTab = 0;                      // the tab the window opened on
    CORVControl* m_pTabItem = nullptr;   // the open tab's page

protected:
    void SetUpFrame() override;
    void OnCreateControls() override;

private:
    // Title, background and size of tab, and its page in place of the old one.
    void OpenTab(u32 tab);
};

// What the three pages share.
class CAerieMissionPage : public CAerieGameWnd {
public:
    void SetArgs(int arg, std::string text) override;
    bool ProcessMessage(ORVMsg* msg) override;   // left double-clicks are swallowed
    bool OnMessage(ORVMsg* msg) override;        // tabs, go, the two close buttons

    i32 m_nTab = 0;
    CORVRadioGroup* m_pTabs = nullptr;
    CORVButton* m_pGoButton = nullptr;
    CORVButton* m_pCloseButton2 = nullptr;
    CListRows m_Rows;

protected:
    CAerieMissionPage(int left, int top, int width, int pitch, int rows);
    // No frame of its own: the page fills the mission window; close button at the corner.
    u16 FrameImage() const override { return 0; }
    // Strip, go and close buttons, then OnCreatePage.
    void OnCreateControls() override;
    virtual void OnCreatePage() {}
    virtual u16 GoFrame() const { return kGoFrame; }
    // Base frame and count of the tab strip (own and visited cities alike unless overridden).
    virtual void TabStrip(u16* baseFrame, int* count) const;
    virtual void OnGo() {}
    // The choice's notices (8 pick a row, 9 open), answered by the pages that have one; a picked
    // row is selected already (FollowChoice), before is the selection it replaced.
    virtual void OnChoicePicked(int /*before*/) {}
    virtual void OnChoiceDrop() {}
    // "战斗选择" and "战斗难度：" of the fight pages.
    void DrawFightHeadings() const;
    // Row r's background: the selection bar on the selected row, else the plain one.
    void DrawRowBar(int r) const;
    // A difficulty choice at (200, 91), width 100, with its items.
    CORVChoice* CreateDifficultyChoice(bool threeLevels);

    CORVChoice* m_pDifficulty = nullptr;
    int m_nListLeft;
    int m_nListWidth;

    static constexpr u16 kGoFrame = 251;
};

class CAerieMissionRobItem : public CAerieMissionPage {
    ORV_DECLARE_RUNTIME_CLASS(CAerieMissionRobItem)
public:
    CAerieMissionRobItem();

    bool OnMouseMove(int x, int y) override;
    bool OnLButtonUp(int x, int y) override;
    bool OnMessage(ORVMsg* msg) override;
    void OnDraw() override;

    static constexpr int kRows = 5;

    i32 m_aState[kRows] = {};
    CORVButton* m_aRaiseButton[kRows] = {};
    CORVButton* m_aClaimButton[kRows] = {};
    std::vector<CXmlFight> m_vFights;

    bool OnMissionChanged(ORVMsg* msg);
    bool OnClaimAnswer(ORVMsg* msg);
    // The reward of mission i's record and whether it would overflow the stores.
    void ConfirmClaim(int i);

protected:
    void OnCreatePage() override;
    bool OnGameEvent(ORVMsg* msg) override;
    void OnGo() override;
    void OnChoicePicked(int before) override;
    void OnChoiceDrop() override;

private:
    void Refresh();
    void FillDifficulty();
    bool IsRunning() const;
    // Refuses (with its tip) a difficulty the own main building is too low for.
    bool DifficultyRefused() const;
    int Selected() const { return m_Rows.SelectedEntry(); }
    bool ValidFight(int i) const { return i >= 0 && i < static_cast<int>(m_vFights.size()); }
};

class CAerieMissionDefendItem : public CAerieMissionPage {
    ORV_DECLARE_RUNTIME_CLASS(CAerieMissionDefendItem)
public:
    CAerieMissionDefendItem();

    bool OnMouseMove(int x, int y) override;
    bool OnLButtonUp(int x, int y) override;
    void OnDraw() override;

    static constexpr int kRows = 5;
    static constexpr u16 kMissionIndex = 5;

    std::vector<i32> m_vHelpRows;   // own groups defending another player's city (rows 1..)
    i32 m_nState = 0;               // 3 waiting, 5 friend waiting, 4 fighting, 0 none
    std::vector<CXmlFight> m_vFights;

    bool OnMissionChanged(ORVMsg* msg);
    // Another fighter is recorded (an empty name is none).
    bool HasOtherFighter() const;

protected:
    void OnCreatePage() override;
    bool OnGameEvent(ORVMsg* msg) override;
    void TabStrip(u16* baseFrame, int* count) const override;
    void OnGo() override;

private:
    void Refresh();
    int Selected() const { return m_Rows.SelectedEntry(); }
    int RowCount() const { return 1 + static_cast<int>(m_vHelpRows.size()); }
};

class CAerieMissionMainItem : public CAerieMissionPage {
    ORV_DECLARE_RUNTIME_CLASS(CAerieMissionMainItem)
public:
    CAerieMissionMainItem();

    bool OnMouseMove(int x, int y) override;
    bool OnLButtonUp(int x, int y) override;
    bool OnMessage(ORVMsg* msg) override;
    void OnDraw() override;

    static constexpr int kRows = 7;

    CORVVScroll* m_pScroll = nullptr;
    CWrappedText m_Desc;
    u32 m_dwDescKey = 0;        // the mission whose description m_Desc holds (+1; 0 none)

    bool OnListChanged(ORVMsg* msg);
    bool OnClaim(ORVMsg* msg);
    // The selection follows the list: clamped after an update.
    void Clamp();

protected:
    void OnCreatePage() override;
    bool OnGameEvent(ORVMsg* msg) override;
    u16 GoFrame() const override { return kClaimFrame; }
    void OnGo() override;
    CORVScroll* ScrollBar() const override;
    void OnScrolled() override;

private:
    void UpdateScroll();
    static constexpr u16 kClaimFrame = 254;
};
