// CGardenSeedWnd: the seed bag, a strip of five seed cards under the garden from which the player
// picks the seed to sow, paged five at a time, with an enlarged card of the hovered seed. It asks
// the server for the seed bag when it opens and fills its cards again when the seed bag arrives
// (topic 156). It has no close button: the garden screen closes it.
#pragma once

#include "garden/windows/GardenPanel.h"

class CORVButton;
class CGardenPlantItem;

class CGardenSeedWnd : public CGardenPanel {
    ORV_DECLARE_RUNTIME_CLASS(CGardenSeedWnd)
public:
    static constexpr int kCards = 5;

    CGardenSeedWnd();
    ~CGardenSeedWnd() override;

    void OnCreate() override;
    bool OnMessage(ORVMsg* msg) override;   // the page buttons
    bool OnChildMouseEnter(CORVControl* child, CORVControl* prev) override;
    bool OnChildMouseLeave(CORVControl* child, CORVControl* next) override;
    void CreateCloseButton() override;      // none

    CORVButton* m_pLeftButton = nullptr;
    CORVButton* m_pRightButton = nullptr;
    i32 m_nFirst = 0;                        // first seed shown, a multiple of 5
    CGardenPlantItem* m_apCards[kCards] = {};
    CGardenPlantItem* m_pDetail = nullptr;   // the hovered seed, enlarged; hidden otherwise

protected:
    void Reload(const ORVMsg& msg) override;

private:
    void FillCards();
    int CardIndex(const CORVControl* child) const;
};
