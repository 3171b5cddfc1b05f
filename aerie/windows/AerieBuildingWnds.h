// The windows of the city's buildings: CAerieBuildingWnd (name, level, description, effect now and
// at the next level, the upgrade button), CAerieMainCityWnd (the main city: also buying and
// exchanging resources and the production table) and CAerieGodWnd (building 17: also the dead
// monsters waiting to revive); and CAerieBuildingInfoWnd, the small caption window that the main
// game window keeps while the game is open: the work state of the groups, and repeated upgrade
// requests on two game events. All are written on CAerieGameWnd.
#pragma once

#include <string>

#include "aerie/windows/AerieGameWnd.h"
#include "aerie/windows/AerieWndUtil.h"
#include "framework/text/WrappedText.h"

class CORVButton;
class CORVVScroll;
class CXmlBuilding;

// Opens the level-up window of an own building (kind 0) or technology (kind 1): refused with a
// floating notice for a visited city, a facility being upgraded or one at its top level.
void OpenLvlupWnd(u16 id, u16 kind);
// The server's production bonus line of the shown city at (x, y) inside wnd, in red, while its
// multiplier is above normal; text keeps it between frames.
void DrawProductionBonus(const CORVControl* wnd, int x, int y, CCachedText& text);

class CAerieBuildingWnd : public CAerieGameWnd {
    ORV_DECLARE_RUNTIME_CLASS(CAerieBuildingWnd)
public:
    CAerieBuildingWnd();
    ~CAerieBuildingWnd() override;

    bool OnMessage(ORVMsg* msg) override;
    void OnDraw() override;
    void SetArgs(int arg, std::string text) override;   // the building id (below 18)

    CORVButton* m_pUpgradeBtn = nullptr;
    CWrappedText m_Desc;
    u32 m_nBuildingId = 0;

protected:
    u16 FrameImage() const override;      // the building record's window image
    void OnCreateControls() override;     // description and the upgrade button

    // Title, current and next effect, made again only when the level changes.
    CCachedText m_Title;
    CCachedText m_Effect;
    CCachedText m_Next;
};

class CAerieMainCityWnd : public CAerieBuildingWnd {
    ORV_DECLARE_RUNTIME_CLASS(CAerieMainCityWnd)
public:
    CAerieMainCityWnd();
    ~CAerieMainCityWnd() override;   // tells the main window: an exchange opened here closes

    bool OnMessage(ORVMsg* msg) override;
    void OnDraw() override;

    CORVButton* m_pBuyBtn = nullptr;
    CORVButton* m_pExchangeBtn = nullptr;
    CORVControl* m_pProductInfo = nullptr;

protected:
    void OnCreateControls() override;

private:
    CCachedText m_Multiplier;
};

class CAerieGodWnd : public CAerieBuildingWnd {
    ORV_DECLARE_RUNTIME_CLASS(CAerieGodWnd)
public:
    static constexpr int kIconCount = 28;
    static constexpr int kColumns = 7;
    static constexpr int kFirstIndexRow = 10;   // index of the first icon = (position + 10) x 7

    CAerieGodWnd();
    ~CAerieGodWnd() override;

    void OnCreate() override;   // the icons and the bar, then the building window's frame

    // Icon i shows index (scroll position + 10) x 7 + i.
    void Renumber();
    // The index the first icon shows.
    int GetFirstIndex() const;

    CORVControl* m_pDeadIcons[kIconCount] = {};
    CORVVScroll* m_pScroll = nullptr;

protected:
    CORVScroll* ScrollBar() const override;
    void OnScrolled() override { Renumber(); }
};

class CAerieBuildingInfoWnd : public CAerieGameWnd {
    ORV_DECLARE_RUNTIME_CLASS(CAerieBuildingInfoWnd)
public:
    CAerieBuildingInfoWnd();
    ~CAerieBuildingInfoWnd() override;

    void OnDraw() override;                      // takes the work-state control's size

    CORVControl* m_pWorkInfo = nullptr;

protected:
    void SetUpFrame() override {}                // no frame: placed and sized by its content
    void OnCreateControls() override;
    bool OnGameEvent(ORVMsg* msg) override;      // topics 43 and 44 repeat upgrade requests

private:
    bool OnResendUpgrade(ORVMsg* msg);
};
