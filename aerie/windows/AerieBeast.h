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

// The beast window's page group: a page posts {kNotifyPageTab, kBeastPageTabs, page}.
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

// What both hatch pages share: the close button and tab strip, the three incubators (at x 80,
// 270, 460), the tool in hand with its cursor at the mouse, the tool put away by a right click and
// topics 35 and 36, the incubators' friends refreshed on topic 32, the owner's three figures, and
// the one child list window each page toggles.
class CAerieHatchPage : public CORVWindow {
public:
    CAerieHatchPage();
    ~CAerieHatchPage() override;

    bool OnMessage(ORVMsg* msg) override;       // the child's close request, tabs, close, buttons
    bool OnClick(int kind) override;            // a right click puts the tool away
    bool ProcessMessage(ORVMsg* msg) override;  // topics 32, 35, 36, then OnPageEvent
    void OnDrawOverlay() override;              // the tool cursor
    void SetArgs(int arg, std::string text) override;   // the page number

    // The tool for the page and its incubators (and whatever else the page gives it to).
    virtual void SetTool(i32 tool);

    i32 m_nTool = kHatchToolNone;
    i32 m_nPage = 0;
    CORVRadioGroup* m_pTabs = nullptr;
    CAerieMonsterEggItem* m_pIncubators[3] = {};
    CSubWndSlot m_ChildWnd{this};

protected:
    // Close button, tab strip of count tabs from baseFrame, the three incubators.
    void CreatePageControls(u16 baseFrame, int count);
    // The three label / value columns of the figures of the own owner (own) or of the shown one.
    void DrawOwnerFigures(const char* const (&labels)[3], bool own, bool signedWorth);
    // A click of one of the page's own buttons.
    virtual void OnButton(CORVControl* sender) = 0;
    // Game events beyond the shared ones; true when handled.
    virtual bool OnPageEvent(ORVMsg*) { return false; }
    // Picks the tool and restarts its cursor.
    void PickTool(i32 tool);

private:
    CCachedText m_Figures[3];
};

class CAerieBeastHatchItem : public CAerieHatchPage {
    ORV_DECLARE_RUNTIME_CLASS(CAerieBeastHatchItem)
public:
    CAerieBeastHatchItem();
    ~CAerieBeastHatchItem() override;

    void OnCreate() override;
    void OnDraw() override;                    // AerieBeastDraw.cpp

    // The tool also for the bag's eggs.
    void SetTool(i32 tool) override;
    // The hire list for incubator n (an open one is replaced).
    void OpenSlaveWnd(int n);

    CORVButton* m_pSmashBtn = nullptr;
    CORVButton* m_pDiscardBtn = nullptr;
    CORVButton* m_pViewPlayersBtn = nullptr;
    CAerieMonsterEggBagItem* m_pEggBag = nullptr;
    CSubWndSlot& m_SlaveWnd = m_ChildWnd;   // the one hire list

protected:
    void OnButton(CORVControl* sender) override;
    bool OnPageEvent(ORVMsg* msg) override;   // topics 8, 13, 48
};

class CAerieBeastHatchOtherItem : public CAerieHatchPage {
    ORV_DECLARE_RUNTIME_CLASS(CAerieBeastHatchOtherItem)
public:
    CAerieBeastHatchOtherItem();
    ~CAerieBeastHatchOtherItem() override;

    void OnCreate() override;
    void OnDraw() override;                    // AerieBeastDraw.cpp

    CORVButton* m_pStealBtn = nullptr;
    CORVButton* m_pFriendsBtn = nullptr;
    CORVButton* m_pReturnBtn = nullptr;
    CSubWndSlot& m_FriendWnd = m_ChildWnd;   // the hatch relation window

protected:
    void OnButton(CORVControl* sender) override;
};
