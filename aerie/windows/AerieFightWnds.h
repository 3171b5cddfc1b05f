// The fight sheets: the plunder and defence sheets shown before a fight (CAerieFightRobBeforeWnd,
// CAerieFightDefendBeforeWnd), the information sheet of a fight under way (CAerieFightInfoWnd),
// all on one body (CAerieFightSheet: argument, fight record, icons of both sides and the skills,
// the loss estimate, the layout); and the award refresh window (CAerieFightAwardRefreshWnd).
#pragma once

#include <string>

#include "aerie/state/XmlAerieRecords.h"
#include "aerie/windows/AerieGameWnd.h"
#include "framework/text/WrappedText.h"

class CORVButton;
class CORVChoice;
class CAerieMonsterIconCtrl;
class CAerieEnemyMonsterIconCtrl;
class CAerieSkillIconCtrl;

// The loss estimate in percent for own group g of the own city at a difficulty, against the
// shown city's fight header value 0 (single precision throughout).
float EstimateFightLoss(int g, int difficulty);
// The enemy's power: the own group's fight power x 0.5, 0.7 or 0.9 by difficulty (0.5 for any
// other), truncated.
u32 EnemyPower(u32 ownPower, int difficulty);
// The coupons one award refresh of a fight costs.
u32 AwardRefreshCost(u32 fightId);

class CAerieFightSheet : public CAerieGameWnd {
public:
    // Low 16 bits: the fight id; high 16 bits: the difficulty.
    void SetArgs(int arg, std::string text) override;

    static constexpr int kEnemyIcons = 10;
    static constexpr int kOwnIcons = 10;
    static constexpr int kSkillIcons = 11;

    u32 m_nGroup = 2;
    u16 m_wFightId = 0;
    u16 m_wDifficulty = 0;
    float m_fLoss = 0.0f;
    CAerieEnemyMonsterIconCtrl* m_apEnemy[kEnemyIcons] = {};
    CAerieMonsterIconCtrl* m_apOwn[kOwnIcons] = {};
    CAerieSkillIconCtrl* m_apSkill[kSkillIcons] = {};
    CXmlFight m_Fight;

    void ComputeLoss() { m_fLoss = EstimateFightLoss(static_cast<int>(m_nGroup), m_wDifficulty); }

protected:
    u16 FrameImage() const override { return 24; }
    // The fight record copied, the title, then the frame.
    void SetUpFrame() override;
    // The icons of both sides and the skills, showing group m_nGroup.
    void CreateIcons(float enemyFactor);
    // Every icon shows group g.
    void ShowGroup(u32 g);
    // Headings, the vertical labels, scale and level.
    void DrawSheetTop() const;
    // The multiplier notice, the enemy (at that difficulty's factor) and own powers and the
    // loss estimate.
    void DrawSheetPowers(int enemyDifficulty) const;
};

// The two before-fight sheets.
class CAerieFightBeforeWnd : public CAerieFightSheet {
public:
    bool OnMessage(ORVMsg* msg) override;

    CORVButton* m_pStartButton = nullptr;
    CORVButton* m_pCancelButton = nullptr;
    CORVChoice* m_pGroupChoice = nullptr;

    bool OnFightTableChanged(ORVMsg* msg);

protected:
    void OnCreateControls() override;
    bool OnGameEvent(ORVMsg* msg) override;
    // The own player's group examined at the start: the shown city's (plunder) or own (defence).
    virtual bool StartFromOwnCity() const = 0;
    // True when the start request went out.
    virtual bool SendStart(u32 group) = 0;
    void SendQuery() const;

private:
    // After a pick (the row selected already): before is the selection it replaced.
    void OnGroupPicked(int before);
    void OnStart();
};

class CAerieFightRobBeforeWnd : public CAerieFightBeforeWnd {
    ORV_DECLARE_RUNTIME_CLASS(CAerieFightRobBeforeWnd)
public:
    void OnDraw() override;

protected:
    bool StartFromOwnCity() const override { return false; }
    bool SendStart(u32 group) override;
};

class CAerieFightDefendBeforeWnd : public CAerieFightBeforeWnd {
    ORV_DECLARE_RUNTIME_CLASS(CAerieFightDefendBeforeWnd)
public:
    void OnDraw() override;

protected:
    bool StartFromOwnCity() const override { return true; }
    bool SendStart(u32 group) override;
};

class CAerieFightInfoWnd : public CAerieFightSheet {
    ORV_DECLARE_RUNTIME_CLASS(CAerieFightInfoWnd)
public:
    CAerieFightInfoWnd() { m_nGroup = 0; }
    bool OnMessage(ORVMsg* msg) override;
    void OnDraw() override;

    u32 m_nFightingGroup = 3;
    CORVButton* m_pCancelFightButton = nullptr;
    CORVButton* m_pCloseWndButton = nullptr;

    bool OnCancelFight(ORVMsg* msg);

protected:
    void OnCreateControls() override;
    bool OnGameEvent(ORVMsg* msg) override;
};

class CAerieFightAwardRefreshWnd : public CAerieGameWnd {
    ORV_DECLARE_RUNTIME_CLASS(CAerieFightAwardRefreshWnd)
public:
    CAerieFightAwardRefreshWnd();

    void SetArgs(int arg, std::string text) override;
    bool OnMessage(ORVMsg* msg) override;
    void OnDraw() override;

    static constexpr int kCards = 10;
    // Card k's multiplier: 1.5 + 0.5 k.
    static float CardMultiplier(int k) { return 1.5f + 0.5f * static_cast<float>(k); }

    CClickThrottle m_Throttle{1000, false};
    u16 m_wFightId = 0;
    u16 m_wHigh = 0;
    float m_fChosen = 0.0f;
    CXmlFight m_Fight;           // a copy of the fight's game-data record
    bool m_bHasFight = false;
    CORVButton* m_pRefreshButton = nullptr;
    CORVButton* m_pCardButton = nullptr;
    CORVButton* m_apCard[kCards] = {};
    CWrappedText m_Help;
    std::string m_strRefreshText;
    std::string m_strCardText;
    bool m_bCardMode = false;

    bool OnHighAnswer(ORVMsg* msg);
    bool OnCostAnswer(ORVMsg* msg);
    bool OnCardAnswer(ORVMsg* msg);
    bool OnCardCancel(ORVMsg* msg);
    bool OnServerAnswer(ORVMsg* msg);

protected:
    void SetUpFrame() override;
    void OnCreateControls() override;
    bool OnGameEvent(ORVMsg* msg) override;

private:
    void OnRefreshClick();
    void OnCardClick(int k);
    // The high-multiplier question when the multiplier is 4.0 or more (true: asked, stop).
    bool AskIfHigh();
    void SendRefresh(u16 multiplierTimesTen);
    void SetMode(bool cards);
    u8 CurrentByte() const;
};
