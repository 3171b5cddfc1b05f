// CAerieRankWnd: the thirteen ranking lists the server sends, chosen by a category and a
// sub-choice (both remembered between openings of a session), ten rows at a time with the shown owner's own
// positions; a double click on a row enters that player's city.
#pragma once

#include "aerie/windows/AerieGameWnd.h"
#include "framework/text/WrappedText.h"

class CORVRadioGroup;
class CORVVScroll;
struct AerieRankEntry;

class CAerieRankWnd : public CAerieGameWnd {
    ORV_DECLARE_RUNTIME_CLASS(CAerieRankWnd)
public:
    static constexpr int kRows = 10;
    static constexpr int kLists = 13;

    CAerieRankWnd();
    ~CAerieRankWnd() override;

    bool OnMouseMove(int x, int y) override;
    bool OnClick(int kind) override;
    bool OnLButtonDblClk(int x, int y) override;
    bool OnMessage(ORVMsg* msg) override;
    void OnDraw() override;

    // The list shown: by the category and the sub-choice (list 0 for a category above 3 or
    // without the category tabs).
    int ListNumber() const;
    // The entries of the list shown (0 before any ranking message).
    int EntryCount() const;
    // The list shown again from its top: scroll range, position 0, no hovered row.
    void RefreshList();
    // The sub-choice tabs of the category shown, made again (none for category 0).
    void BuildSubChoice();
    bool OnListsChanged(ORVMsg* msg);

    CORVRadioGroup* m_pCategory = nullptr;
    CORVRadioGroup* m_pSubChoice = nullptr;   // null while the category has none
    CORVVScroll* m_pScroll = nullptr;
    CListRows m_Rows{30, 111, 410, 21, 21, kRows};   // 31 <= x < 440, below y 111
    CWrappedText m_Notice;

protected:
    u16 FrameImage() const override { return 2; }
    void CloseButtonPlace(int* fromRight, int* top) const override;
    void OnCreateControls() override;
    bool OnGameEvent(ORVMsg* msg) override;   // 27: the lists changed
    CORVScroll* ScrollBar() const override;
    void OnScrolled() override;

private:
    const std::vector<AerieRankEntry>* List() const;

    CCachedText m_aPosition[kRows];
    CCachedText m_aName[kRows];
    CCachedText m_aValue[kRows];
    CCachedText m_aOwn[3];
};
