// The friend lists: CAerieFriendWnd (the game window's friend window) and, on the same list
// behaviour, CAerieHatchRelationWnd (AerieHatchRelation.h), the small list of a visited city's
// hatch page. Three modes (friends, guild friends, strangers), each window remembering its own;
// ten rows with the "[战]" and "[孵]" flags; a double click or a typed name visits a city.
#pragma once

#include <string>

#include "aerie/windows/AerieFriendRows.h"
#include "aerie/windows/AerieGameWnd.h"

class CORVButton;
class CORVEdit;
class CORVRadioGroup;
class CORVVScroll;

// What both friend lists do; each window gives its own mode, place and manners.
class CAerieFriendListWnd : public CAerieGameWnd {
public:
    static constexpr int kListLeft = 12;
    static constexpr int kListTop = 59;
    static constexpr int kRowWidth = 177;
    static constexpr int kRowHeight = 21;
    static constexpr int kTextX = 3;
    static constexpr int kTextY = 6;

    CAerieFriendListWnd();
    ~CAerieFriendListWnd() override;

    bool OnMouseMove(int x, int y) override;
    bool OnLButtonUp(int x, int y) override;
    bool OnMessage(ORVMsg* msg) override;
    bool ProcessMessage(ORVMsg* msg) override;   // the double click
    void OnDraw() override;                      // AerieFriendDraw.cpp: DrawFriendRows

    // The four list operations of both windows.
    void DrawFriendRows();
    void UpdateFriendScroll();
    void OnFriendScroll();
    bool SelectFriendRow(int x, int y);
    // Topic 6: the list arrived.
    bool OnFriendList(ORVMsg* msg);

    CORVButton* m_pVisitBtn = nullptr;
    CORVRadioGroup* m_pModeGroup = nullptr;
    CORVEdit* m_pNameEdit = nullptr;
    CORVVScroll* m_pScroll = nullptr;
    CListRows m_Rows{kListLeft, kListTop, kRowWidth, kRowHeight, kRowHeight, kPlayerListRows};

protected:
    void SetUpFrame() override;          // frame 6, its own close button
    void OnCreateControls() override;
    bool OnGameEvent(ORVMsg* msg) override;   // topic 6
    CORVScroll* ScrollBar() const override;
    void OnScrolled() override { OnFriendScroll(); }

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

protected:
    i32& Mode() override;   // kept between openings in a session (0 at its start)
    int MarginRight() const override { return 10; }
    int MarginBottom() const override { return 50; }
    bool ClosesAfterVisit() const override { return true; }
    bool ResetsOnModeChange() const override { return false; }
};
