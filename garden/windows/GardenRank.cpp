#include "garden/windows/GardenRank.h"

#include <algorithm>

#include "framework/widgets/ORVButton.h"
#include "framework/widgets/ORVChoice.h"
#include "framework/widgets/ORVScroll.h"
#include "framework/widgets/ORVToolTip.h"
#include "garden/state/GardenDataMgr.h"
#include "garden/state/XmlGardenMgr.h"
#include "garden/windows/GardenPanelKit.h"
#include "platform/Platform.h"

ORV_IMPLEMENT_RUNTIME_CLASS(CGardenRank, CORVWindow)

namespace {

const GardenPanelRecordInstaller g_RankRecord(GardenPanelSlot::kRank, ORV_RUNTIME_CLASS(CGardenRank));

namespace L = garden_layout;

constexpr u16 kBackground = 15;
constexpr u16 kCategoryFrame = 90;
constexpr u16 kRankingSub = 0x19;
constexpr int kRowTop = 91;
constexpr int kRowHeight = 27;
constexpr int kRowLeft = 24;
constexpr int kRowRight = 574;
constexpr int kDoubleClickRows = 100;   // the double click reaches the first 100 rows of a list

}  // namespace

void CGardenRank::ForgetLastRequest()
{
    GardenWindowKeep& keep = GetGardenDataMgr().m_Keep;
    keep.m_dwRankRequestAt = 0;
    keep.m_bRankRequestSent = 0;
}

CGardenRank::CGardenRank() = default;
CGardenRank::~CGardenRank() = default;

void CGardenRank::OnCreate()
{
    CreatePanelFrame(kBackground, 38, 4, 3);
    CenterInParent();
    m_pCategories = new CORVRadioGroup();
    AddChild(m_pCategories, false);
    m_pCategories->CreateGroup(this, 16, 36, kCategoryFrame, kCategories, m_nCategory, 90);
    m_pCategories->SetCurSel(m_nCategory);
    m_pScroll = new CORVVScroll();
    AddChild(m_pScroll, false);
    m_pScroll->CreateBar(this, 580, 110, 230);
    const u32 now = orv::platform::Get().GetTickCount();
    GardenWindowKeep& keep = GetGardenDataMgr().m_Keep;
    if (keep.m_bRankRequestSent == 0 || now - keep.m_dwRankRequestAt > kRequestGapMs) {
        SendGardenRequest(kRankingSub);
        keep.m_dwRankRequestAt = now;
        keep.m_bRankRequestSent = 1;
    }
}

bool CGardenRank::OnMessage(ORVMsg* msg)
{
    if (msg == nullptr) {
        return true;
    }
    CORVControl* sender = msg->m_pSender;
    if (sender != nullptr && msg->m_nId == kNotifyLeftClick && sender == m_pCategories) {
        ChangeCategory(m_pCategories->m_nCurSel);
    } else if (sender != nullptr && msg->m_nId == kNotifyChoiceSelect && sender == m_pPlants) {
        m_pPlants->SetCurSel(static_cast<int>(msg->m_wParam));
        m_nHoverRow = -1;
        if (m_pScroll != nullptr) {
            m_pScroll->SetPos(0);
        }
    } else if (sender != nullptr && msg->m_nId == kNotifyChoiceDrop && sender == m_pPlants) {
        if (m_pPlants->m_bOpen) {
            m_pPlants->CloseList();
        } else {
            m_pPlants->DropDown();
        }
    } else {
        return CGardenPanel::OnMessage(msg);   // the close button
    }
    return true;
}

void CGardenRank::ChangeCategory(int category)
{
    if (category == m_nCategory || category < 0 || category >= kCategories) {
        return;
    }
    m_nCategory = category;
    m_nHoverRow = -1;
    if (m_pScroll != nullptr) {
        m_pScroll->SetPos(0);
    }
    if (category != kPlantCategory) {
        DeleteChildAndReset(m_pPlants);
        return;
    }
    if (m_pPlants != nullptr) {
        return;
    }
    m_pPlants = new CORVChoice();
    AddChild(m_pPlants, false);
    m_pPlants->CreateBox(this, 267, 369, 175);
    m_pPlants->AddItem("\xCB\xF9\xD3\xD0\xD6\xB2\xCE\xEF", kPanelGreenColour, 0);   // "所有植物"
    for (const auto& [id, plant] : GetXmlGardenMgr().Plants()) {
        m_pPlants->AddItem(GetXmlGardenMgr().GetPlantName(static_cast<u16>(id)), kPanelGreenColour, 0);
    }
}

int CGardenRank::ScrollPos() const
{
    return m_pScroll != nullptr ? m_pScroll->m_nPos : 0;
}

int CGardenRank::CountRows()
{
    const CGardenDataMgr& state = GetGardenDataMgr();
    std::size_t n = 0;
    switch (m_nCategory) {
    case 0: n = state.m_vRank1.size(); break;
    case 1: n = state.m_vRank2.size(); break;
    case 2: n = state.m_vRank3.size(); break;
    case 3: n = state.m_vRank4.size(); break;
    default: {
        const ORVChoiceItem* item = m_pPlants != nullptr ? m_pPlants->GetSelectedItem() : nullptr;
        const std::string_view key = item != nullptr ? std::string_view(item->m_strText) : std::string_view();
        m_vPlantRows.clear();
        for (std::size_t i = 0; i < state.m_vRankRecords.size(); ++i) {
            if (state.m_vRankRecords[i].Text(L::kRankRecordName, L::kNameSize) == key) {
                m_vPlantRows.push_back(i);
            }
        }
        n = m_vPlantRows.size();
        break;
    }
    }
    const int count = static_cast<int>(n);
    if (m_pScroll != nullptr) {
        m_pScroll->SetRange(std::max(count - kRows, 0));
    }
    return count;
}

std::string_view CGardenRank::RowGuid(int i) const
{
    const CGardenDataMgr& state = GetGardenDataMgr();
    const std::size_t k = static_cast<std::size_t>(i);
    switch (m_nCategory) {
    case 0: return state.m_vRank1[k].Text(L::kRankRowGuid, L::kNameSize);
    case 1: return state.m_vRank2[k].Text(L::kRankRowGuid, L::kNameSize);
    case 2: return state.m_vRank3[k].Text(L::kRankRowGuid, L::kNameSize);
    case 3: return state.m_vRank4[k].Text(L::kRankRowGuid, L::kNameSize);
    default: return state.m_vRankRecords[m_vPlantRows[k]].Text(L::kRankRecordGuid, L::kNameSize);
    }
}

bool CGardenRank::OnMouseMove(int x, int y)
{
    const int shown = std::min(kRows, CountRows() - ScrollPos());
    if (x >= kRowLeft && x < kRowRight && y > kRowTop && y < kRowTop + kRowHeight * shown) {
        m_nHoverRow = (y - kRowTop) / kRowHeight;
        m_strToolTip = "\xCB\xAB\xBB\xF7\xBD\xF8\xC8\xEB\xB4\xCB\xC8\xCB\xBB\xA8\xD4\xB0";   // "双击进入此人花园"
    } else {
        m_nHoverRow = -1;
        m_strToolTip.clear();
        CORVToolTip::GetSingleton().Clear();
    }
    return CGardenPanel::OnMouseMove(x, y);
}

bool CGardenRank::OnMouseLeave(int x, int y, CORVControl* next)
{
    m_nHoverRow = -1;
    m_strToolTip.clear();
    return CGardenPanel::OnMouseLeave(x, y, next);   // clears the tooltip and tells the parent
}

bool CGardenRank::OnMouseWheel(int, int, int delta)
{
    if (m_pScroll != nullptr) {
        m_pScroll->OnMouseWheel(0, 0, delta);
    }
    return true;
}

bool CGardenRank::OnLButtonDblClk(int, int)
{
    if (m_nHoverRow < 0) {
        return true;
    }
    const int count = CountRows();
    const int index = ScrollPos() + m_nHoverRow;
    if (index >= count || index >= kDoubleClickRows) {
        return true;
    }
    EnterGardenOf(RowGuid(index));
    return true;
}
