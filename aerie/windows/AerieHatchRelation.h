// CAerieHatchRelationWnd: the friend list that a visited city's hatch page toggles; the friend
// window's list with a mode of its own, a double click that leaves it open, and a mode change
// that starts the list afresh.
#pragma once

#include "aerie/windows/AerieFriend.h"

// The hatch relation window's mode, kept between openings (0 at start).
extern i32 g_nHatchFriendMode;

class CAerieHatchRelationWnd : public CAerieFriendListWnd {
    ORV_DECLARE_RUNTIME_CLASS(CAerieHatchRelationWnd)
public:
    CAerieHatchRelationWnd();
    ~CAerieHatchRelationWnd() override;

protected:
    i32& Mode() override { return g_nHatchFriendMode; }
    int MarginRight() const override { return 25; }
    int MarginBottom() const override { return 70; }
    bool ClosesAfterVisit() const override { return false; }
    bool ResetsOnModeChange() const override { return true; }
    void OnListArrived() override;
};
