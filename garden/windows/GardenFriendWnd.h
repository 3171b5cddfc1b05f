// The friends panel beside the garden screen: the player's friends or, switched by a two-button
// radio group, strangers whose gardens may be visited (the choice outlives the panel). A double
// click on a row enters that garden; a name typed into the field is looked up by the server
// (message 1016) and entered. Rows are copied from the garden state each time they are needed.
#pragma once

#include <vector>

#include "garden/state/GardenDataMgr.h"
#include "garden/windows/GardenPanel.h"

class CORVButton;
class CORVEdit;
class CORVRadioGroup;
class CORVVScroll;

class CGardenFriendWnd : public CGardenPanel {
    ORV_DECLARE_RUNTIME_CLASS(CGardenFriendWnd)
public:
    static constexpr int kRows = 10;
    enum ListMode : i32 { kFriends = 0, kStrangers = 1 };

    CGardenFriendWnd();
    ~CGardenFriendWnd() override;

    void OnCreate() override;
    bool OnMessage(ORVMsg* msg) override;
    bool OnMouseMove(int x, int y) override;
    bool OnMouseWheel(int x, int y, int delta) override;
    bool OnLButtonDblClk(int x, int y) override;
    void OnDraw() override;   // GardenFriendWndDraw.cpp

    // The list shown by every friends panel, kept between openings within a session.
    static i32 ListMode();
    static void SetListMode(i32 mode);

    i32 m_nHoverRow = -1;
    i32 m_nSpare = 0;
    i32 m_nListX = 14;
    i32 m_nListY = 59;
    i32 m_nRowWidth = 173;
    i32 m_nRowHeight = 21;
    i32 m_nNameX = 2;
    i32 m_nTextY = 5;
    CORVVScroll* m_pScroll = nullptr;
    i32 m_nSpare2 = 0;
    CORVButton* m_pVisitButton = nullptr;
    CORVRadioGroup* m_pListSwitch = nullptr;
    CORVEdit* m_pNameField = nullptr;

protected:
    // Topic 134: the list of kind msg.m_lParam (0 or 1) arrived.
    void Reload(const ORVMsg& msg) override;

private:
    void ChangeMode(int mode);
    void VisitByName();
    void EnterHovered();
    // The current mode's rows, copied into m_vRows (its room is kept).
    const std::vector<FriendRecord>& CopyRows();
    int ScrollPos() const;
    void ShowScroll(bool on);

    std::vector<FriendRecord> m_vRows;
};
