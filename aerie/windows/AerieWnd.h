// CAerieWnd: the game's frame, opened by the main window as its game window while a city is
// entered. It shows the city shown (own or visited): its buildings, the toolbar, the resource bar,
// the guardian-beast icon, a timed notice, the incubator and invasion countdowns. It owns every
// game sub-window: one sub-window chosen from the toolbar or a building, and a slot per window
// that game events open; it turns game events into opening, closing and refreshing them, and
// tells the tutorial which controls its steps point at and which steps were done. It is written
// on CAerieGameWnd (its runtime record keeps CORVWindow as its base, as the class tree has it).
#pragma once

#include <string>

#include "aerie/windows/AerieGameWnd.h"
#include "aerie/windows/AerieWndRecords.h"
#include "aerie/windows/AerieWndUtil.h"

class CORVButton;
class CAerieBuildingCtrl;
class CAerieButton;
class CAerieSubOperCtrl;

// The tab the mission window opens on (0 plunder, 1 defence, 2 main line); the mission window
// reads it when it opens. Kept while the game window is open; back to 0 when it closes.
i32& MissionWndTab();

class CAerieWnd : public CAerieGameWnd {
    ORV_DECLARE_RUNTIME_CLASS(CAerieWnd)
public:
    CAerieWnd();
    ~CAerieWnd() override;

    void OnChildSetFocus(CORVControl* child, CORVControl* old) override;
    bool OnMouseMove(int x, int y) override;
    bool OnChildMouseEnter(CORVControl* child, CORVControl* prev) override;
    bool OnMessage(ORVMsg* msg) override;         // clicks and close requests of the children
    void OnDraw() override;                       // DrawHud
    void Render() override;                       // posted messages, HUD, children, overlay

    // One sub-window at a time: a second click on the same kind closes it, another kind
    // replaces it; closeFirst always opens afresh. A kind without a record does nothing.
    void ToggleSubWindow(const RuntimeClassRecord* record, bool closeFirst, int arg);
    void CreateBeastIcon();
    void DrawHud();

    // Game events.
    bool OnCityEntered(ORVMsg* msg);
    bool OnCityChanged(ORVMsg* msg);
    bool OnNoticeCheck(ORVMsg* msg);
    bool OnBuyResource(ORVMsg* msg);
    bool OnLvlupWnd(ORVMsg* msg);
    bool OnMonsterNotice(ORVMsg* msg);
    bool OnBeastChanged(ORVMsg* msg);
    bool OnGetMonsterWnd(ORVMsg* msg);
    bool OnFightWnd(ORVMsg* msg);
    bool OnCloseSubWnd(ORVMsg* msg);
    bool OnOpenMissionLater(ORVMsg* msg);
    bool OnSettingsChanged(ORVMsg* msg);
    bool OnNewbieStep(ORVMsg* msg);
    bool OnInfoWnd(ORVMsg* msg);
    bool OnProductInfoWnd(ORVMsg* msg);
    bool OnSpeedUpWnd(ORVMsg* msg);
    bool OnBuildingsChanged(ORVMsg* msg);
    bool OnAwardRefreshWnd(ORVMsg* msg);
    bool OnExchangeWnd(ORVMsg* msg);
    bool OnSubWndDone(ORVMsg* msg);

    // Timed notice shown at the bottom.
    static constexpr u32 kNoticeNone = 0;
    static constexpr u32 kNoticeEggs = 1;
    static constexpr u32 kNoticeBreedings = 2;
    static constexpr u32 kNoticeHatched = 3;
    static constexpr u32 kNoticeMs = 3000;

    u32 m_nNoticeKind = kNoticeNone;
    u8 m_bInvasionCountdown = 0;
    u8 m_bOpenMissionOnEnter = 0;
    u32 m_nNoticeTick = 0;
    u16 m_wTotalLevel = 0;
    CORVButton* m_pBeastIcon = nullptr;
    CORVButton* m_pBeastBtn = nullptr;
    CORVButton* m_pInfoBtn = nullptr;
    CORVButton* m_pMonsterBtn = nullptr;
    CORVButton* m_pTechBtn = nullptr;
    CORVButton* m_pMissionBtn = nullptr;
    CORVButton* m_pRankBtn = nullptr;
    CORVButton* m_pFriendBtn = nullptr;
    CORVButton* m_pSetBtn = nullptr;
    CORVButton* m_pHelpBtn = nullptr;
    CORVButton* m_pBackBtn = nullptr;
    CORVButton* m_pInvasionBtn = nullptr;
    CORVControl* m_pBuildingInfo = nullptr;
    CAerieSubOperCtrl* m_pSubOper = nullptr;
    // The sub-window chosen from the toolbar or a building, and the windows game events open.
    CSubWndSlot m_SubWnd{this};
    CSubWndSlot m_LvlupWnd{this};
    CSubWndSlot m_SpeedUpWnd{this};
    CSubWndSlot m_MonLvlupWnd{this};
    CSubWndSlot m_GetMonsterWnd{this};
    CSubWndSlot m_FightWnd{this};
    CSubWndSlot m_AwardRefreshWnd{this};
    CSubWndSlot m_ExchangeWnd{this};
    // The slots' windows as pointers, for readers (null while a slot is empty).
    CORVControl* const& m_pSubWnd = m_SubWnd.Ref();
    CORVControl* const& m_pLvlupWnd = m_LvlupWnd.Ref();
    CORVControl* const& m_pSpeedUpWnd = m_SpeedUpWnd.Ref();
    CORVControl* const& m_pMonLvlupWnd = m_MonLvlupWnd.Ref();
    CORVControl* const& m_pGetMonsterWnd = m_GetMonsterWnd.Ref();
    CORVControl* const& m_pFightWnd = m_FightWnd.Ref();
    CORVControl* const& m_pAwardRefreshWnd = m_AwardRefreshWnd.Ref();
    CORVControl* const& m_pExchangeWnd = m_ExchangeWnd.Ref();
    CAerieBuildingCtrl* m_pBuildings[18] = {};
    CAerieButton* m_pGardenBtn = nullptr;
    CAerieButton* m_pRestaurantBtn = nullptr;
    i32 m_rcCoinTip[4] = {};   // left, top, right, bottom, window-local, bounds included
    // The invasion button blinks while the invasion can be fought (the toolkit's button keeps no
    // such flag: it is kept here).
    u8 m_bInvasionBlink = 0;

protected:
    void SetUpFrame() override;          // the game's frame, without a close button of the frame
    void OnCreateControls() override;    // toolbar, buildings, picture buttons, caption window
    bool OnGameEvent(ORVMsg* msg) override;

private:
    void OnClick(CORVControl* sender);
    // The window a plain toolbar button (rank, friends, settings, help) toggles; null for others.
    const AerieWndKind* PlainToolbarKind(const CORVControl* sender) const;
    void OnCloseRequest(CORVControl* sender);
    void SetLevelDisplay(bool show);
    void DeleteEventSlots();

    // Texts of the HUD, made again only when their values change.
    CCachedText m_aResourceText[6];
    CCachedText m_InvasionText;
    CCachedText m_aIncubatorText[3];
    CCachedText m_aProtectText[3];
    CCachedText m_BreedingsText;
};
