// The guardian-beast window CAerieBeastWnd and its three pages: the breeding page
// CAerieBeastBreedItem (the beast, its job, registration for breeding, the quick search of other
// players' beasts and breeding with one of them), the own hatch page CAerieBeastHatchItem (three
// incubators, the egg bag, the smash and discard tools, the hire list) and the hatch page of a
// visited city CAerieBeastHatchOtherItem (the owner's incubators, the steal tool, the friend
// list, the way home).
#pragma once

#include <string>

#include "aerie/state/XmlAerieRecords.h"
#include "aerie/windows/AerieFriendRows.h"
#include "aerie/windows/AerieGameWnd.h"
#include "aerie/windows/AerieMonsterEgg.h"
#include "aerie/windows/AerieWndUtil.h"
#include "framework/text/WrappedText.h"

class CORVButton;
class CORVCheck;
class CORVChoice;
class CORVEdit;
class CORVRadioGroup;

// Notification a page posts to the beast window: {kNotifyPageTab, kBeastPageTabs, page}.
inline constexpr u32 kNotifyPageTab = 6;
inline constexpr u32 kBeastPageTabs = 30;

class CAerieBeastWnd : public CAerieGameWnd {
    ORV_DECLARE_RUNTIME_CLASS(CAerieBeastWnd)
public:
    static constexpr i32 kModeRebuild = 0;
    static constexpr i32 kModeOwn = 1;
    static constexpr i32 kModeVisited = 2;

    CAerieBeastWnd();
    ~CAerieBeastWnd() override;

    bool OnMessage(ORVMsg* msg) override;       // page tabs, close requests

    // The page of (mode, page): nothing for a combination that has none.
    void BuildPage();
    void SwitchPage(int page);
    // Topic 29: the city is being entered again; topic 31 after it rebuilds the page.
    bool OnCityReload(ORVMsg* msg);
    bool OnBeastChanged(ORVMsg* msg);

    i32 m_nMode = kModeOwn;
    i32 m_nPage = 0;
    CORVControl* m_pPage = nullptr;

protected:
    void SetUpFrame() override {}    // each page sets the frame
    void OnCreateControls() override;
    bool OnGameEvent(ORVMsg* msg) override;

private:
    void ShowPage(const RuntimeClassRecord* record, u16 frame);
};

// The three incubators of a hatch page, at x 80, 270, 460.
struct HatchIncubators {
    CAerieMonsterEggItem* m_p[3] = {};

    void Create(CORVWindow* page);
    void SetTool(i32 tool);
    void RefreshHiredFriends();
};

class CAerieBeastBreedItem : public CORVWindow {
    ORV_DECLARE_RUNTIME_CLASS(CAerieBeastBreedItem)
public:
    static constexpr int kJobCount = 4;
    static constexpr int kSearchRows = 10;

    CAerieBeastBreedItem();
    ~CAerieBeastBreedItem() override;

    void OnCreate() override;
    bool OnMouseMove(int x, int y) override;
    bool OnLButtonUp(int x, int y) override;
    bool OnMessage(ORVMsg* msg) override;
    bool ProcessMessage(ORVMsg* msg) override;
    void OnDraw() override;   // AerieBeastDraw.cpp
    void SetArgs(int arg, std::string text) override;

    void ShowJobChoice(bool show);
    void SendJobChange();
    void SendRegistration(u16 p2);

    i32 m_nPage = 0;
    CORVButton* m_pJobChangeBtn = nullptr;
    CORVButton* m_pOkBtn = nullptr;
    CORVButton* m_pCancelBtn = nullptr;
    CORVButton* m_pRegisterBtn = nullptr;
    CORVButton* m_pSearchBtn = nullptr;
    CORVButton* m_pBreedBtn = nullptr;
    CORVRadioGroup* m_pTabs = nullptr;
    CORVRadioGroup* m_pJobChoice = nullptr;
    CWrappedText m_JobDesc;
    CWrappedText m_RegisterDesc;
    CORVCheck* m_pJobChecks[kJobCount] = {};
    CORVEdit* m_pNameEdit = nullptr;
    CORVChoice* m_pJobFilter = nullptr;
    CXmlBeast m_Beast;
    u8 m_bJobChangeAllowed = 0;
    // The search list: ten rows from (415, 234), 240 wide, 21 high; texts 6 below a row's top.
    CListRows m_Rows{415, 234, 240, 21, 21, kSearchRows};

private:
    CCachedText m_JobLine;
};

class CAerieBeastHatchItem : public CORVWindow {
    ORV_DECLARE_RUNTIME_CLASS(CAerieBeastHatchItem)
public:
    CAerieBeastHatchItem();
    ~CAerieBeastHatchItem() override;

    void OnCreate() override;
    bool OnMessage(ORVMsg* msg) override;
    bool OnClick(int kind) override;           // a right click puts the tool away
    bool ProcessMessage(ORVMsg* msg) override; // topics 8, 13, 32, 35, 36, 48
    void OnDraw() override;                    // AerieBeastDraw.cpp
    void OnDrawOverlay() override;             // the tool cursor
    void SetArgs(int arg, std::string text) override;

    // The tool for the page, the incubators and the bag's eggs.
    void SetTool(i32 tool);
    // The hire list for incubator n (an open one is replaced).
    void OpenSlaveWnd(int n);

    i32 m_nTool = kHatchToolNone;
    i32 m_nPage = 1;
    CORVRadioGroup* m_pTabs = nullptr;
    CORVButton* m_pSmashBtn = nullptr;
    CORVButton* m_pDiscardBtn = nullptr;
    CORVButton* m_pViewPlayersBtn = nullptr;
    HatchIncubators m_Incubators;
    CAerieMonsterEggBagItem* m_pEggBag = nullptr;
    CSubWndSlot m_SlaveWnd{this};   // the one hire list

private:
    CCachedText m_Figures[3];
};

class CAerieBeastHatchOtherItem : public CORVWindow {
    ORV_DECLARE_RUNTIME_CLASS(CAerieBeastHatchOtherItem)
public:
    CAerieBeastHatchOtherItem();
    ~CAerieBeastHatchOtherItem() override;

    void OnCreate() override;
    bool OnMessage(ORVMsg* msg) override;
    bool OnClick(int kind) override;
    bool ProcessMessage(ORVMsg* msg) override; // topics 32, 35, 36
    void OnDraw() override;                    // AerieBeastDraw.cpp
    void OnDrawOverlay() override;
    void SetArgs(int arg, std::string text) override;

    void SetTool(i32 tool);

    i32 m_nTool = kHatchToolNone;
    i32 m_nPage = 0;
    CORVRadioGroup* m_pTabs = nullptr;
    CORVButton* m_pStealBtn = nullptr;
    CORVButton* m_pFriendsBtn = nullptr;
    CORVButton* m_pReturnBtn = nullptr;
    HatchIncubators m_Incubators;
    CSubWndSlot m_FriendWnd{this};   // the hatch relation window

private:
    CCachedText m_Figures[3];
};
