// The paged grid of six plant cards that the warehouse, the nursery and the plant-status panel
// share: three rows of two cards, the previous and next page buttons under them, and the panel's
// title with the page text. The panel owns the window; the grid only holds its controls (children
// of that window) and the page.
#pragma once

#include <cstddef>

#include "framework/control/ORVWindow.h"
#include "garden/windows/GardenPanel.h"
#include "garden/windows/GardenPlantItem.h"

class CORVButton;

class CGardenCardGrid {
public:
    static constexpr int kCards = 6;

    // The six cards on wnd, card k at (8 + 383 (k % 2), 38 + 145 (k / 2)), each in mode with its
    // index k; then the previous-page (290, 473, frame 213) and next-page (420, 473, frame 216)
    // buttons.
    void Create(CORVWindow* wnd, u32 mode);

    // Pages for count entries ((count - 1) / 6 + 1, none for 0), the page kept within them; card k
    // gets entry page x 6 + k through load(card, index) when it exists and is cleared otherwise.
    template <class Load>
    void Fill(std::size_t count, Load load)
    {
        m_nPages = count == 0 ? 0 : static_cast<i32>((count - 1) / kCards + 1);
        if (m_nPage >= m_nPages) {
            m_nPage = m_nPages > 0 ? m_nPages - 1 : 0;
        }
        for (int k = 0; k < kCards; ++k) {
            CGardenPlantItem* card = m_apCards[k];
            if (card == nullptr) {
                continue;
            }
            const std::size_t index = static_cast<std::size_t>(m_nPage) * kCards + static_cast<std::size_t>(k);
            if (index < count) {
                load(*card, index);
            } else {
                card->Clear();
            }
        }
    }

    // A click notification of a page button moves the page one step within the pages: true when
    // msg was such a click, with *changed telling whether the page moved (the panel then fills
    // the cards again).
    bool OnPageClick(const ORVMsg& msg, bool* changed);

    // The title at size 14 centred on the window's width at y 15 and the page text ("%d / %d",
    // "0 / 0" without pages) centred on x 389 at y 479, both in the panel colour.
    void Draw(const CORVControl& wnd, const char* title) const;

    CGardenPlantItem* m_apCards[kCards] = {};
    CORVButton* m_pPrevButton = nullptr;
    CORVButton* m_pNextButton = nullptr;
    i32 m_nPage = 0;
    i32 m_nPages = 0;
};

// A panel that is the grid: a page button fills the cards again when the page moved, and the grid
// is drawn under the panel's title. The panel makes the grid in its OnCreate and says how the
// cards are filled.
class CGardenGridPanel : public CGardenPanel {
public:
    bool OnMessage(ORVMsg* msg) override;   // the page buttons, then the close button
    void OnDraw() override;

    CGardenCardGrid m_Grid;

protected:
    CGardenGridPanel(u32 topic, const char* title) : CGardenPanel(topic), m_szTitle(title) {}

    // OnCreate of a grid panel: the six-card window's background (the window centred in the
    // screen), its close button at (width - closeRight, 4), or the window's standard one for
    // closeRight 0, the cards in mode, filled; then the opening request sub, when not 0.
    void CreateGridPanel(int closeRight, u32 mode, u16 sub);

    void Reload(const ORVMsg& msg) override;   // fills the cards
    virtual void FillCards() = 0;

private:
    const char* m_szTitle;
};
