// CAerieHatchRelationWnd: the friend list that a visited city's hatch page toggles; the friend
// window's list with a mode of its own, a double click that leaves it open, and a mode change
// that starts the list afresh.
#pragma once

#include "aerie/windows/AerieFriend.h"

class CAerieHatchRelationWnd : public CAerieFriendListWnd {
    ORV_DECLARE_RUNTIME_CLASS(CAerieHatchRelationWnd)
public:
    CAerieHatchRelationWnd();
    ~CAerieHatchRelationWnd() override;

protected:
    i32& Mode() override;   // kept between openings in a session (0 at its start)
    int MarginRight() const override { return 25; }
    int MarginBottom() const override { return 70; }
    bool ClosesAfterVisit() const override { return false; }
    bool ResetsOnModeChange() const override { return true; }
    void OnListArrived() override;
};
