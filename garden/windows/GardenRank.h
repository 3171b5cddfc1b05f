// The garden rankings in five categories, ten rows at a time: wealth, picking, helping, visits
// and plant levels (per plant, or over all plants, chosen in a drop-down list). A double click
// enters the ranked player's garden. The rows are read from the garden state when drawn; the
// request (884 sub 0x19) goes out at most once every 30 seconds, whichever panel sends it.
#pragma once

#include <cstddef>
#include <vector>

#include "garden/windows/GardenPanel.h"

class CORVChoice;
class CORVRadioGroup;
class CORVVScroll;

class CGardenRank : public CGardenPanel {
    ORV_DECLARE_RUNTIME_CLASS(CGardenRank)
public:
    static constexpr int kCategories = 5;
    static constexpr int kPlantCategory = 4;
    static constexpr int kRows = 10;
    static constexpr u32 kRequestGapMs = 30000;

    CGardenRank();
    ~CGardenRank() override;

    void OnCreate() override;
    bool OnMessage(ORVMsg* msg) override;
    bool OnMouseMove(int x, int y) override;
    bool OnMouseLeave(int x, int y, CORVControl* next) override;
    bool OnMouseWheel(int x, int y, int delta) override;
    bool OnLButtonDblClk(int x, int y) override;
    void OnDraw() override;   // GardenRankDraw.cpp

    // The ranking request's throttle, shared by every panel of a session: forgotten (tests).
    static void ForgetLastRequest();

    CORVRadioGroup* m_pCategories = nullptr;
    CORVChoice* m_pPlants = nullptr;
    i32 m_nCategory = 0;
    CORVVScroll* m_pScroll = nullptr;
    i32 m_nHoverRow = -1;

    // Rows of the current category (the plant category: under the choice's text); the scroll
    // range follows.
    int CountRows();

private:
    void ChangeCategory(int category);
    int ScrollPos() const;
    // The guid name of row i of the current category (i below the count).
    std::string_view RowGuid(int i) const;

    std::vector<std::size_t> m_vPlantRows;   // the plant category's records in the state, in order
};
