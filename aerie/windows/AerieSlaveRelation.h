// CAerieSlaveRelationWnd: the players that can be hired to sit at one of the own incubators
// (name, worth or "免费", popularity, a card on hover); search by name, refresh, hire.
#pragma once

#include <string>

#include "aerie/windows/AerieContainer.h"
#include "aerie/windows/AerieFriendRows.h"
#include "aerie/windows/AerieWndUtil.h"

class CORVButton;
class CORVEdit;
class CORVVScroll;

class CAerieSlaveRelationWnd : public CAerieContainer {
    ORV_DECLARE_RUNTIME_CLASS(CAerieSlaveRelationWnd)
public:
    CAerieSlaveRelationWnd();
    // The guide moves past its steps on this window (11, 12).
    ~CAerieSlaveRelationWnd() override;

    void OnCreate() override;
    bool OnMouseMove(int x, int y) override;
    bool OnMouseWheel(int x, int y, int delta) override;   // to the scroll bar
    bool OnLButtonUp(int x, int y) override;
    bool OnMessage(ORVMsg* msg) override;
    bool ProcessMessage(ORVMsg* msg) override;
    void OnDraw() override;   // AerieSlaveRelationDraw.cpp
    void SetArgs(int arg, std::string text) override;   // the incubator

    // For looking only: no hire button, the refresh button in its place.
    void ViewOnly();
    // First row, hover and selection back to the start; the bar to the list's size.
    void ResetList();

    i32 m_nIncubator = 0;
    CORVButton* m_pSearchBtn = nullptr;
    CORVButton* m_pHireBtn = nullptr;
    CORVButton* m_pRefreshBtn = nullptr;
    CORVEdit* m_pNameEdit = nullptr;
    CORVVScroll* m_pScroll = nullptr;
    PlayerListRows m_Rows{8, 46, 243, 21, 3, 6};
};
