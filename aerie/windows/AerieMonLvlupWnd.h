// CAerieMonLvlupWnd: raises the colour grade of a stack of monsters with monster cards from the
// player's bag. Grades by the monster's Lvl: 1 white, 2 green, 3 blue, 4 purple (the highest);
// one card of the target colour is needed per monster of the stack.
#pragma once

#include <string>

#include "aerie/windows/AerieGameWnd.h"
#include "framework/text/WrappedText.h"

class CORVButton;
class CORVChoice;

class CAerieMonLvlupWnd : public CAerieGameWnd {
    ORV_DECLARE_RUNTIME_CLASS(CAerieMonLvlupWnd)
public:
    // Indexed by the target grade's card (Lvl + choice, 1..3; entry 0 none): the card's picture,
    // its bag item and its colour's name.
    static constexpr u16 kCardFrames[4] = {0, 652, 653, 654};
    static constexpr u16 kCardItems[4] = {0, 32064, 32065, 32066};
    static constexpr const char* kColourNames[4] = {"", "绿色", "蓝色", "紫色"};

    CAerieMonLvlupWnd();
    ~CAerieMonLvlupWnd() override;

    // The text's first two bytes the slot (missing bytes 0); arg the stack's count.
    void SetArgs(int arg, std::string text) override;
    bool OnMessage(ORVMsg* msg) override;
    void OnDraw() override;

    // The card of table entry index (1..3) becomes the chosen one: its picture and bag count.
    void ChooseCard(int index);

    CORVButton* m_pOkBtn = nullptr;
    CORVButton* m_pCancelBtn = nullptr;
    CORVChoice* m_pColour = nullptr;
    u16 m_wSlot = 0;
    i32 m_nCount = 0;
    u16 m_wCardFrame = 0;
    u16 m_wCardsInBag = 0;
    u16 m_wLvl = 0;
    CWrappedText m_Desc;

protected:
    u16 FrameImage() const override { return 18; }
    void OnCreateControls() override;

private:
    void SendUpgrade();

    CCachedText m_Bag;
    CCachedText m_Need;
};
