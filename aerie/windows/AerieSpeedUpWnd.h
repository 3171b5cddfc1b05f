// CAerieSpeedUpWnd: shortens the remaining time of a monster group's building upgrade or
// technology research with speed-up cards. It shows the time left live, asks before it spends
// cards, sends the request, and closes itself when the work is over.
#pragma once

#include <string>

#include "aerie/windows/AerieGameWnd.h"

class CORVButton;

class CAerieSpeedUpWnd : public CAerieGameWnd {
    ORV_DECLARE_RUNTIME_CLASS(CAerieSpeedUpWnd)
public:
    static constexpr int kOptions = 4;
    static constexpr int kCards[kOptions] = {1, 2, 4, 16};

    CAerieSpeedUpWnd();
    ~CAerieSpeedUpWnd() override;

    void SetArgs(int arg, std::string text) override;   // the group; the text is not used
    bool OnMessage(ORVMsg* msg) override;
    void OnDraw() override;

    // The group's work can be sped up: a building upgrade or a technology research of a group
    // 0..2 (any other group has no work).
    bool HasWork() const;

    bool OnCloseEvent(ORVMsg* msg);
    bool OnSpeedUpEvent(ORVMsg* msg);

    CORVButton* m_apOptions[kOptions] = {};
    u32 m_nGroup = 0;

protected:
    u16 FrameImage() const override { return 33; }
    void OnCreateControls() override;                   // the four option buttons
    bool OnGameEvent(ORVMsg* msg) override;             // topics 63 and 64

private:
    bool m_bClosing = false;
    CCachedText m_Title;
    CCachedText m_Left;
};
