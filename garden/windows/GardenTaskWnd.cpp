#include "garden/windows/GardenTaskWnd.h"

#include "framework/widgets/ORVButton.h"
#include "framework/widgets/ORVScroll.h"
#include "garden/state/GardenDataMgr.h"
#include "garden/windows/GardenPanelKit.h"

ORV_IMPLEMENT_RUNTIME_CLASS(CGardenTaskWnd, CORVWindow)

namespace {

const GardenPanelRecordInstaller g_TaskRecord(GardenPanelSlot::kTasks, ORV_RUNTIME_CLASS(CGardenTaskWnd));

constexpr u16 kBackground = 18;
constexpr u16 kOkFrame = 9;
constexpr u16 kTaskListSub = 0x28;

}  // namespace

CGardenTaskWnd::CGardenTaskWnd() : CGardenPanel(TOPIC_TASKS) {}

CGardenTaskWnd::~CGardenTaskWnd() = default;

void CGardenTaskWnd::OnCreate()
{
    CreatePanelFrame(kBackground, 38, 4, 3);
    CenterInParent();
    CreateButton(260, 373, &m_pOkButton, kOkFrame, true, true, "");
    m_pScroll = new CORVVScroll();
    AddChild(m_pScroll, false);
    m_pScroll->CreateBar(this, 559, 89, 240);
    m_pScroll->SetRange(0);
    m_pScroll->SetPos(0);

    m_pTable = std::make_unique<GardenListTable>(25, 94, 555, 364, 27.0f);
    m_pTable->m_dwTextColour = 0xFFFFFFFF;
    m_pTable->m_dwHoverTextColour = 0xF0BBE9C1;
    m_pTable->m_dwSelectedTextColour = 0xFF00FF00;
    m_pTable->m_dwRowFill = 0;
    m_pTable->m_dwHoverRowFill = 0;
    m_pTable->m_dwSelectedRowFill = 0;
    m_pTable->AddColumn(320);
    m_pTable->AddColumn(102);
    m_pTable->AddColumn(102);
    m_pTable->m_nVisibleRows = kRows;

    SendGardenRequest(kTaskListSub);
    ReloadRows();
}

bool CGardenTaskWnd::OnMessage(ORVMsg* msg)
{
    if (msg == nullptr) {
        return true;
    }
    if (msg->m_nId == kNotifyLeftClick && msg->m_pSender != nullptr &&
        (msg->m_pSender == m_pOkButton || msg->m_pSender == m_pCloseButton)) {
        Close();
        return true;
    }
    if (msg->m_nId == kNotifyScroll && msg->m_pSender != nullptr && msg->m_pSender == m_pScroll && m_pTable) {
        m_pTable->m_nFirstRow = m_pScroll->m_nPos;
        return true;
    }
    return CGardenPanel::OnMessage(msg);
}

bool CGardenTaskWnd::OnMouseMove(int x, int y)
{
    if (m_pTable) {
        m_pTable->HoverTest(x, y);
    }
    return CGardenPanel::OnMouseMove(x, y);
}

void CGardenTaskWnd::Reload(const ORVMsg&)
{
    ReloadRows();
}

void CGardenTaskWnd::ReloadRows()
{
    const int n = static_cast<int>(GetGardenDataMgr().m_vTasks.size());
    if (m_pScroll != nullptr) {
        m_pScroll->SetRange(n > kRows ? n - kRows : 0);
        m_pScroll->SetPos(0);
    }
    if (m_pTable) {
        // The table's rows are the tasks, so that hovering stops at the last one.
        m_pTable->m_nRowCount = n;
        m_pTable->m_nFirstRow = 0;
        if (n == 0) {
            m_pTable->m_nHoverRow = -1;
            m_pTable->m_nSelectedRow = -1;
        }
    }
}

int CGardenTaskWnd::ScrollPos() const
{
    return m_pScroll != nullptr ? m_pScroll->m_nPos : 0;
}
