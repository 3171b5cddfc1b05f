// The yield estimate panel: before a plant is sown, the weather of the current and the next three
// periods on a 24-hour time line against the plant's growth time, and the server's yield grade.
// The garden screen opens it for a plant (kind 116 hands the plant id on) and closes it on topic
// 116, which the panel's OK, cancel and close all post; OK also posts the sowing (topic 104).
#pragma once

#include "engine/GardenXmlRecords.h"
#include "garden/windows/GardenPanel.h"

class CORVButton;

class CGardenProductEstimate : public CGardenPanel {
    ORV_DECLARE_RUNTIME_CLASS(CGardenProductEstimate)
public:
    static constexpr u32 kTopicClose = 116;
    static constexpr u32 kTopicSow = 104;

    CGardenProductEstimate() = default;

    void OnCreate() override;
    bool OnMessage(ORVMsg* msg) override;
    bool OnMouseMove(int x, int y) override;
    void OnDraw() override;
    void Close() override;
    void OnScreenEvent(u32 kind, u32 value) override;

    // The plant's game data is copied and its yield grade asked for (0x1e).
    void SetPlant(u16 plantId);

    CORVButton* m_pOkButton = nullptr;
    CORVButton* m_pCancelButton = nullptr;
    CPlantItem m_Plant;
    i32 m_anIcons[4][2] = {};   // where each period's icon was last drawn (x, y)

private:
    // The tooltip text for a point in panel coordinates into text; false when there is none.
    bool TipAt(int px, int py, char* text, std::size_t size) const;
};
