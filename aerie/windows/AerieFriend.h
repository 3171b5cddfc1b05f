// The friend lists: CAerieFriendWnd (the game window's friend window) and, on the same list
// behaviour, CAerieHatchRelationWnd (AerieHatchRelation.h), the small list of a visited city's
// hatch page. Three modes (friends, guild friends, strangers), each window remembering its own;
// ten rows with the "[战]" and "[孵]" flags; a double click or a typed name visits a city.
#pragma once

#include <string>

#include "aerie/windows/AerieContainer.h"
#include "aerie/windows/AerieFriendRows.h"
#include "aerie/windows/AerieWndUtil.h"

class CORVButton;
class CORVEdit;
class CORVRadioGroup;
class CORVVScroll;

// What both friend lists do; each window gives its own mode, place and manners.
class CAerieFriendListWnd : public CAerieContainer {
public:
    CAerieFriendListWnd();
    ~CAerieFriendListWnd() override;

    void OnCreate() override;
    bool OnMouseMove(int x, int y) override;
    bool OnMouseWheel(int x, int y, int delta) override;   // to the scroll bar
    bool OnLButtonUp(int x, int y) override;
    bool OnMessage(ORVMsg* msg) override;
    bool ProcessMessage(ORVMsg* msg) override;
    void OnDraw() override;   // AerieFriendDraw.cpp: DrawFriendRows

    // The four list operations of both windows.
    void DrawFriendRows();
    void UpdateFriendScroll();
    void OnFriendScroll();
    bool SelectFriendRow(int x, int y);

    CORVButton* m_pVisitBtn = nullptr;
    CORVRadioGroup* m_pModeGroup = nullptr;
    CORVEdit* m_pNameEdit = nullptr;
    CORVVScroll* m_pScroll = nullptr;
    PlayerListRows m_Rows{12, 59, 177, 21, 3, 6};

protected:
    // The remembered mode of the window's kind.
    virtual i32& Mode() = 0;
    // The window's bottom-right corner this far left of and above its parent's.
    virtual int MarginRight() const = 0;
    virtual int MarginBottom() const = 0;
    // A double-click visit closes the window.
    virtual bool ClosesAfterVisit() const = 0;
    // A mode change starts the list afresh (rows, selection, bar).
    virtual bool ResetsOnModeChange() const = 0;
    // Topic 6 arrived.
    virtual void OnListArrived() {}
};

class CAerieFriendWnd : public CAerieFriendListWnd {
    ORV_DECLARE_RUNTIME_CLASS(CAerieFriendWnd)
public:
    CAerieFriendWnd();
    ~CAerieFriendWnd() override;

    // The mode kept between openings (0 at start).
    static i32 s_nMode;

protected:
    i32& Mode() override { return s_nMode; }
    int MarginRight() const override { return 10; }
    int MarginBottom() const override { return 50; }
    bool ClosesAfterVisit() const override { return true; }
    bool ResetsOnModeChange() const override { return false; }
};
