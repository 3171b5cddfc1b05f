#include "garden/windows/GardenPanel.h"

#include <algorithm>
#include <cstdint>

#include "garden/state/GardenDataMgr.h"

namespace {

// Zero-initialised before any start-up code runs, so records may be installed in any order.
const RuntimeClassRecord* g_apPanelRecords[static_cast<int>(GardenPanelSlot::kCount)];

bool ValidSlot(GardenPanelSlot slot)
{
    return static_cast<int>(slot) >= 0 && slot < GardenPanelSlot::kCount;
}

}  // namespace

void SetGardenPanelRecord(GardenPanelSlot slot, const RuntimeClassRecord* record)
{
    if (ValidSlot(slot)) {
        g_apPanelRecords[static_cast<int>(slot)] = record;
    }
}

const RuntimeClassRecord* GetGardenPanelRecord(GardenPanelSlot slot)
{
    return ValidSlot(slot) ? g_apPanelRecords[static_cast<int>(slot)] : nullptr;
}

bool CGardenPanel::ProcessMessage(ORVMsg* msg)
{
    if (msg != nullptr && m_dwTopic != 0 && msg->m_nId == kMsgGardenTopic && msg->m_wParam == m_dwTopic) {
        Reload(*msg);
        return true;
    }
    return CORVWindow::ProcessMessage(msg);
}

bool CGardenPanel::StepPage(i32* page, int delta, int pages)
{
    if (page == nullptr) {
        return false;
    }
    const i32 last = std::max(pages - 1, 0);
    const std::int64_t wanted = static_cast<std::int64_t>(*page) + delta;
    const i32 next = static_cast<i32>(std::clamp<std::int64_t>(wanted, 0, last));
    if (next == *page) {
        return false;
    }
    *page = next;
    return true;
}

void CGardenPanel::CreatePanelFrame(u16 background, int closeRight, int closeTop, u16 closeFrame)
{
    SetBackground(background);
    CreateButton(m_nWidth - closeRight, closeTop, &m_pCloseButton, closeFrame, true, true, "");
}

void CGardenPanel::Reload(const ORVMsg&) {}

void CGardenPanel::OnScreenEvent(u32, u32) {}
