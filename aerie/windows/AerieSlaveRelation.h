// CAerieSlaveRelationWnd: the players that can be hired to sit at one of the own incubators
// (name, worth or "免费", popularity, a card on hover); search by name, refresh, hire.
#pragma once

#include <string>

#include "aerie/windows/AerieFriendRows.h"
#include "aerie/windows/AerieGameWnd.h"

class CORVButton;
class CORVEdit;
class CORVVScroll;

class CAerieSlaveRelationWnd : public CAerieGameWnd {
    ORV_DECLARE_RUNTIME_CLASS(CAerieSlaveRelationWnd)
public:
    static constexpr int kListLeft = 8;
    static constexpr int kListTop = 46;
    static constexpr int kRowWidth = 243;
    static constexpr int kRowHeight = 21;
    static constexpr int kTextX = 3;
    static constexpr int kTextY = 6;

    CAerieSlaveRelationWnd();
    // The guide moves past its steps on this window (11, 12).
    ~CAerieSlaveRelationWnd() override;

    bool OnMouseMove(int x, int y) override;
    bool OnLButtonUp(int x, int y) override;
    bool OnMessage(ORVMsg* msg) override;
    bool ProcessMessage(ORVMsg* msg) override;   // double clicks swallowed
    void OnDraw() override;                      // AerieSlaveRelationDraw.cpp
    void SetArgs(int arg, std::string text) override;   // the incubator

    // For looking only: no hire button, the refresh button in its place.
    void ViewOnly();
    // First row, hover and selection back to the start; the bar to the list's size.
    void ResetList();
    // Topic 9: the list arrived.
    bool OnSlaveList(ORVMsg* msg);

    i32 m_nIncubator = 0;
    CORVButton* m_pSearchBtn = nullptr;
    CORVButton* m_pHireBtn = nullptr;
    CORVButton* m_pRefreshBtn = nullptr;
    CORVEdit* m_pNameEdit = nullptr;
    CORVVScroll* m_pScroll = nullptr;
    CListRows m_Rows{kListLeft, kListTop, kRowWidth, kRowHeight, kRowHeight, kPlayerListRows};

protected:
    void SetUpFrame() override;          // frame 25, its own close button
    void OnCreateControls() override;
    bool OnGameEvent(ORVMsg* msg) override;
    CORVScroll* ScrollBar() const override;
    void OnScrolled() override;
};
