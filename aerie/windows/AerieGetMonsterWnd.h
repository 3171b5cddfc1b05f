// CAerieGetMonsterWnd: one monster to take or to refresh. Mode 0 shows the newly hatched monster
// that waits for its group (take it, release it or refresh it); mode 1 a monster of a slot that
// the player chose to refresh. Refreshing spends refresh points, bought here with coupons.
#pragma once

#include <string>

#include "aerie/windows/AerieGameWnd.h"
#include "framework/text/WrappedText.h"

class CORVButton;
class CORVChoice;
struct AerieMonsterEntry;

class CAerieGetMonsterWnd : public CAerieGameWnd {
    ORV_DECLARE_RUNTIME_CLASS(CAerieGetMonsterWnd)
public:
    static constexpr int kNewMonsterMode = 0;
    static constexpr int kSlotMode = 1;
    // Refresh kinds (the request's first parameter).
    static constexpr int kCommonRefresh = 1;
    static constexpr int kSeniorRefresh = 5;

    CAerieGetMonsterWnd();
    ~CAerieGetMonsterWnd() override;

    // The mode; the text's first two bytes the slot (missing bytes 0).
    void SetArgs(int arg, std::string text) override;
    bool OnMessage(ORVMsg* msg) override;
    void OnDraw() override;

    // The monster shown: the slot's of the shown city (mode 1) or the waiting new one.
    const AerieMonsterEntry& GetShownMonster() const;
    // Asks once more for a high-grade monster, else refreshes (kind 1 common, 5 senior).
    void ConfirmRefresh(int kind);
    // Requests: nothing for a negative kind / without the coupon choice.
    void SendRefresh(int kind);
    void SendTopUp();

    bool OnReleaseEvent(ORVMsg* msg);         // 20
    bool OnTopUpEvent(ORVMsg* msg);           // 21
    bool OnCommonRefreshEvent(ORVMsg* msg);   // 22
    bool OnSeniorRefreshEvent(ORVMsg* msg);   // 23
    bool OnHighRefreshEvent(ORVMsg* msg);     // 24

    // The refresh throttle every get-monster window of the session shares (the last refresh step's
    // tick).
    static CClickThrottle& RefreshThrottle();

    i32 m_nMode = kNewMonsterMode;
    u16 m_wSlot = 0;
    CORVButton* m_pAssignBtn = nullptr;
    CORVButton* m_pReleaseBtn = nullptr;
    CORVButton* m_pCommonBtn = nullptr;
    CORVButton* m_pSeniorBtn = nullptr;
    CORVButton* m_pTopUpBtn = nullptr;
    CORVChoice* m_pCoupons = nullptr;
    CWrappedText m_Info;
    CWrappedText m_Help;

protected:
    u16 FrameImage() const override { return 26; }
    void OnCreateControls() override;
    bool OnGameEvent(ORVMsg* msg) override;

private:
    void AskRefresh(const char* key, int kind, u32 okTopic);

    CCachedText m_Points;
    CCachedText m_Figures[3];
};
