// The eggs of the hatch pages: CAerieMonsterEggItem, either one visible slot of the egg bag (the
// egg, its tooltip and its hatch / discard menu) or one incubator of the shown city (its picture,
// the egg with its hatching and protection times, the hired friend drawn by the host with the
// buttons to treat that friend well or badly, the page's tool applied on a click); and
// CAerieMonsterEggBagItem, the strip showing the bag five slots at a time.
#pragma once

#include "aerie/windows/AerieContainer.h"
#include "aerie/windows/AerieWndUtil.h"

class CORVButton;
class IORVDrawCharacter;

// The tool chosen on a hatch page, applied by the incubators on a left click.
enum AerieHatchTool : i32 {
    kHatchToolNone = 0,
    kHatchToolSmash = 1,
    kHatchToolDiscard = 2,
    kHatchToolSteal = 3,
};
// The tool cursor's image (set 93) of a tool, 0 for none.
int HatchToolCursorFrame(i32 tool);

class CAerieMonsterEggItem : public CAerieContainer {
    ORV_DECLARE_RUNTIME_CLASS(CAerieMonsterEggItem)
public:
    static constexpr i32 kBagEgg = 1;
    static constexpr i32 kIncubator = 2;

    CAerieMonsterEggItem();
    ~CAerieMonsterEggItem() override;   // gives the drawer back

    bool OnMouseMove(int x, int y) override;   // the tooltip of the kind
    bool OnMessage(ORVMsg* msg) override;      // the treat buttons
    bool OnClick(int kind) override;           // the tool (incubator), the menu (bag egg)
    bool ProcessMessage(ORVMsg* msg) override; // topics 10, 11, 12, 33, 34
    void OnDraw() override;                    // AerieMonsterEggDraw.cpp

    // For an incubator, right after creation: its size, the two treat buttons, the friend.
    void CreateIncubatorControls();
    // Shows the treat buttons and makes the friend's drawer while a friend sits at the hatching
    // incubator (buttons for the own city only); releases the drawer otherwise.
    void RefreshHiredFriend();

    i32 m_nTool = kHatchToolNone;
    i32 m_nEggKind = 0;                    // 0 none (draws nothing), 1 bag egg, 2 incubator
    u16 m_wIndex = 0;                      // bag slot or incubator index
    CORVButton* m_pTreatWellBtn = nullptr;
    CORVButton* m_pMistreatBtn = nullptr;
    IORVDrawCharacter* m_pDrawChar = nullptr;   // owned; from the host, given back to it

private:
    void ReleaseDrawer();
    void ShowBagTip();
    void ShowIncubatorTip(int x, int y);
    void OpenEggMenu();
    void DrawBagEgg();
    void DrawIncubator();

    CCachedText m_HatchText;
    CCachedText m_ProtectText;
};

class CAerieMonsterEggBagItem : public CAerieContainer {
    ORV_DECLARE_RUNTIME_CLASS(CAerieMonsterEggBagItem)
public:
    static constexpr int kShown = 5;

    CAerieMonsterEggBagItem();
    ~CAerieMonsterEggBagItem() override;

    void OnCreate() override;
    bool OnMessage(ORVMsg* msg) override;   // the page buttons

    // The egg items show slots m_nFirst to m_nFirst + 4.
    void Renumber();

    CORVButton* m_pPrevBtn = nullptr;
    CORVButton* m_pNextBtn = nullptr;
    i32 m_nFirst = 0;   // a multiple of 5
    CAerieMonsterEggItem* m_pEggs[kShown] = {};
};
