#include "framework/window/ORVTestWnd.h"

#include <cstdio>

#include "framework/widgets/ORVButton.h"
#include "framework/widgets/ORVChoice.h"
#include "framework/widgets/ORVEdit.h"
#include "framework/widgets/ORVScroll.h"
#include "framework/window/ORVMsgBox.h"

ORV_IMPLEMENT_RUNTIME_CLASS(CORVTestWnd, CORVWindow)

namespace {

// The children's places (relative to the window) and set-up.
constexpr int kRadioX = 50, kRadioY = 50, kRadioCount = 4, kRadioStep = 90;
constexpr u16 kRadioFrame = 10849;
constexpr int kEditX = 100, kEditY = 100, kEditW = 50, kEditH = 16;
constexpr ARGB kEditColour = 0xFFFF0000;
constexpr int kVScrollX = 200, kVScrollY = 300, kHScrollX = 300, kHScrollY = 300, kScrollLength = 100;
constexpr int kScrollRange = 50;
constexpr int kChoiceX = 300, kChoiceY = 100, kChoiceW = 120, kChoiceRows = 10;
constexpr int kCheckX = 300, kCheckY = 400, kCheckW = 40, kCheckH = 20;
constexpr int kButtonX = 60, kButtonY = 70;
constexpr u16 kButtonFrame = 9;
// The list's items: the numbers 1 to 18, red, centred.
constexpr int kChoiceItems = 18;
constexpr ARGB kChoiceItemColour = 0xFFFF0000;
constexpr u32 kChoiceItemAlign = 1;

}  // namespace

CORVTestWnd::CORVTestWnd() = default;
CORVTestWnd::~CORVTestWnd() = default;

void CORVTestWnd::OnCreate()
{
    m_pRadio = new CORVRadioGroup();
    AddChild(m_pRadio, true);
    m_pRadio->CreateGroup(this, kRadioX, kRadioY, kRadioFrame, kRadioCount, 0, kRadioStep);

    m_pEdit = new CORVEdit();
    AddChild(m_pEdit, true);
    m_pEdit->CreateEdit(this, kTextSizeDefault, kEditColour, 0, kEditX, kEditY, kEditW, kEditH);

    m_pVScroll = new CORVVScroll();
    AddChild(m_pVScroll, true);
    m_pVScroll->CreateBar(this, kVScrollX, kVScrollY, kScrollLength);
    m_pVScroll->m_nRange = kScrollRange;

    m_pHScroll = new CORVHScroll();
    AddChild(m_pHScroll, true);
    m_pHScroll->CreateBar(this, kHScrollX, kHScrollY, kScrollLength);
    m_pHScroll->m_nRange = kScrollRange;

    m_pChoice = new CORVChoice();
    AddChild(m_pChoice, true);
    m_pChoice->CreateBox(this, kChoiceX, kChoiceY, kChoiceW);
    m_pChoice->m_nMaxRows = kChoiceRows;

    m_pCheck = new CORVCheck();
    AddChild(m_pCheck, true);
    m_pCheck->CreateAt(this, kCheckX, kCheckY, kCheckW, kCheckH);

    CreateButton(kButtonX, kButtonY, &m_pTestButton, kButtonFrame, true, true, "");
}

bool CORVTestWnd::OnMouseMove(int x, int y)
{
    return CORVWindow::OnMouseMove(x, y);
}

bool CORVTestWnd::OnMessage(ORVMsg* msg)
{
    if (msg == nullptr) {
        return true;
    }
    if (msg->m_nId == kNotifyLeftClick && msg->m_pSender != nullptr && msg->m_pSender == m_pTestButton) {
        ORVMsgBoxQueue::GetSingleton().ShowOkBox(ORVMsg(0, 0, nullptr), "test");
        ShowTipText("Test");
    } else if (msg->m_nId == kNotifyChoiceSelect && msg->m_pSender != nullptr && msg->m_pSender == m_pChoice) {
        m_pChoice->SetCurSel(static_cast<int>(msg->m_wParam));
    } else if (msg->m_nId == kNotifyChoiceDrop && msg->m_pSender != nullptr && msg->m_pSender == m_pChoice) {
        m_pChoice->ClearItems();
        for (int i = 1; i <= kChoiceItems; ++i) {
            char number[16];
            std::snprintf(number, sizeof(number), "%d", i);
            m_pChoice->AddItem(number, kChoiceItemColour, kChoiceItemAlign);
        }
        m_pChoice->DropDown();
    } else {
        return CORVWindow::OnMessage(msg);   // the close button's click closes the window
    }
    return true;
}
