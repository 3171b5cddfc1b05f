#include "garden/windows/GardenFriendWnd.h"

#include <cstring>

#include "engine/GardenPackets.h"
#include "framework/control/ORVCtrlMgr.h"
#include "framework/widgets/ORVButton.h"
#include "framework/widgets/ORVEdit.h"
#include "framework/widgets/ORVScroll.h"
#include "framework/widgets/ORVToolTip.h"
#include "garden/state/GardenDataMgr.h"
#include "garden/windows/GardenGuide.h"
#include "garden/windows/GardenPanelKit.h"

ORV_IMPLEMENT_RUNTIME_CLASS(CGardenFriendWnd, CORVWindow)

namespace {

const GardenPanelRecordInstaller g_FriendRecord(GardenPanelSlot::kFriends, ORV_RUNTIME_CLASS(CGardenFriendWnd));

constexpr u16 kBackground = 10;
constexpr u16 kVisitFrame = 144;
constexpr u16 kSwitchFrame = 150;
constexpr u16 kFriendListSub = 0x0b;
constexpr u16 kStrangerListSub = 0x20;
constexpr u16 kTopicEnterGarden = 107;
constexpr u16 kGuideVisitStep = 19;   // the tutorial's last step: visiting a garden by name
constexpr int kNameLimit = 16;
constexpr std::size_t kNameCopy = 127;

}  // namespace

i32 CGardenFriendWnd::ListMode() { return GetGardenDataMgr().m_Keep.m_nFriendListMode; }
void CGardenFriendWnd::SetListMode(i32 mode) { GetGardenDataMgr().m_Keep.m_nFriendListMode = mode; }

CGardenFriendWnd::CGardenFriendWnd() : CGardenPanel(TOPIC_FRIENDS) {}

CGardenFriendWnd::~CGardenFriendWnd() = default;

void CGardenFriendWnd::OnCreate()
{
    CreatePanelFrame(kBackground, 16, 7, 6);
    if (m_pParent != nullptr) {
        SetPos(m_pParent->m_nWidth - m_nWidth - 20, 41);
    }
    CreateButton(189, 30, &m_pVisitButton, kVisitFrame, true, true, "");
    GetGardenGuide().SetTarget(kGuideVisitStep, m_pVisitButton);
    m_pListSwitch = new CORVRadioGroup();
    AddChild(m_pListSwitch, false);
    m_pListSwitch->CreateGroup(this, 4, 5, kSwitchFrame, 2, ListMode(), 65);
    m_pListSwitch->SetCurSel(ListMode());
    m_pScroll = new CORVVScroll();
    AddChild(m_pScroll, false);
    m_pScroll->CreateBar(this, m_nWidth - 25, 58, 215);
    m_pScroll->SetPos(0);
    m_pNameField = new CORVEdit();
    AddChild(m_pNameField, false);
    m_pNameField->CreateEdit(this, kTextSizeDefault, kPanelTextColour, 0, 20, 33, 150, 14);
    m_pNameField->m_nMaxLen = kNameLimit;
    m_pNameField->m_wFrame = 0;
    ChangeMode(ListMode());
}

bool CGardenFriendWnd::OnMessage(ORVMsg* msg)
{
    if (msg == nullptr) {
        return true;
    }
    CORVControl* sender = msg->m_pSender;
    if (sender != nullptr && ((msg->m_nId == kNotifyLeftClick && sender == m_pVisitButton) ||
                              (msg->m_nId == kNotifyEditEnter && sender == m_pNameField))) {
        VisitByName();
        return true;
    }
    if (msg->m_nId == kNotifyLeftClick && sender != nullptr && sender == m_pListSwitch) {
        ChangeMode(m_pListSwitch->m_nCurSel);
        return true;
    }
    return CGardenPanel::OnMessage(msg);   // the close button
}

void CGardenFriendWnd::Reload(const ORVMsg& msg)
{
    if (msg.m_lParam > 1) {
        return;
    }
    const int n = static_cast<int>(CopyRows().size());
    if (m_pScroll == nullptr) {
        return;
    }
    const int range = n - kRows > 0 ? n - kRows : 0;
    m_pScroll->SetRange(range);
    ShowScroll(range > 0);
}

void CGardenFriendWnd::ChangeMode(int mode)
{
    if (mode < 0 || mode > 1) {
        return;
    }
    SetListMode(mode);
    m_nHoverRow = -1;
    if (m_pScroll != nullptr) {
        m_pScroll->SetPos(0);
        m_pScroll->SetRange(0);
        ShowScroll(false);
    }
    SendGardenRequest(mode == kFriends ? kFriendListSub : kStrangerListSub);
    // Until the reply comes the panel shows its empty text.
    CGardenDataMgr& state = GetGardenDataMgr();
    (mode == kFriends ? state.m_vFriends : state.m_vStrangers).clear();
}

const std::vector<FriendRecord>& CGardenFriendWnd::CopyRows()
{
    const CGardenDataMgr& state = GetGardenDataMgr();
    const std::vector<FriendRecord>& source = ListMode() == kStrangers ? state.m_vStrangers : state.m_vFriends;
    m_vRows.assign(source.begin(), source.end());
    return m_vRows;
}

void CGardenFriendWnd::ShowScroll(bool on)
{
    if (m_pScroll != nullptr) {
        m_pScroll->m_bVisible = on ? 1 : 0;
        m_pScroll->m_bEnabled = on ? 1 : 0;
    }
}

int CGardenFriendWnd::ScrollPos() const
{
    return m_pScroll != nullptr ? m_pScroll->m_nPos : 0;
}

bool CGardenFriendWnd::OnMouseMove(int x, int y)
{
    CORVToolTip::GetSingleton().Reset();
    const int n = static_cast<int>(CopyRows().size());
    const int dx = x - m_nListX;
    const int dy = y - m_nListY;
    const int row = m_nRowHeight > 0 ? dy / m_nRowHeight : -1;
    if (n > 0 && dx > 0 && dx < m_nRowWidth && dy > 0 && row < kRows && ScrollPos() + row < n) {
        m_nHoverRow = row;
        m_strToolTip = "\xCB\xAB\xBB\xF7\xBF\xC9\xD6\xB1\xBD\xD3\xBD\xF8\xC8\xEB\xBB\xA8\xD4\xB0";   // "双击可直接进入花园"
    } else {
        m_nHoverRow = -1;
        m_strToolTip.clear();
    }
    return CGardenPanel::OnMouseMove(x, y);
}

bool CGardenFriendWnd::OnMouseWheel(int, int, int delta)
{
    if (m_pScroll != nullptr) {
        m_pScroll->OnMouseWheel(0, 0, delta);
    }
    return true;
}

bool CGardenFriendWnd::OnLButtonDblClk(int, int)
{
    EnterHovered();
    return true;
}

void CGardenFriendWnd::EnterHovered()
{
    const std::vector<FriendRecord>& rows = CopyRows();
    const int index = m_nHoverRow + ScrollPos();
    if (m_nHoverRow < 0 || index < 0 || index >= static_cast<int>(rows.size())) {
        return;
    }
    const std::string_view guid = rows[static_cast<std::size_t>(index)].Text(garden_layout::kFriendGuid,
                                                                              garden_layout::kNameSize);
    const ORVLifeWatch life = Watch();
    EnterGardenOf(guid);
    if (!life.expired()) {
        Close();
    }
}

void CGardenFriendWnd::VisitByName()
{
    const ORVLifeWatch life = Watch();
    const char* text = m_pNameField != nullptr ? m_pNameField->GetText() : nullptr;
    if (text != nullptr && *text != '\0') {
        const std::string name(text, strnlen(text, kNameCopy));
        GetPacketQueue().SendMsg1016(name, 0);
        ORVMsg enter(kMsgGardenTopic, kTopicEnterGarden);
        CORVCtrlMgr::GetSingleton().RouteMessage(&enter);
        if (!life.expired()) {
            Close();
        }
    }
    // Whether or not a name was given, the tutorial's last step is done (20 tells the server).
    GetGardenGuide().AdvanceFrom(kGuideVisitStep);
}
