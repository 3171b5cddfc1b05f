#include "framework/control/ORVWindow.h"

#include <utility>

#include "framework/core/DebugLog.h"
#include "framework/widgets/ORVButton.h"

ORV_IMPLEMENT_RUNTIME_CLASS(CORVWindow, CORVControlContainer)

CORVWindow::CORVWindow()
{
    m_bDraggable = 1;
}

CORVWindow::~CORVWindow() = default;

void CORVWindow::OnCreate()
{
    if (kWindowCentresOnCreate) {
        CenterInParent();
    }
}

bool CORVWindow::OnMessage(ORVMsg* msg)
{
    if (msg != nullptr && msg->m_nId == kNotifyLeftClick && m_pCloseButton != nullptr &&
        msg->m_pSender == m_pCloseButton) {
        Close();
    }
    return true;
}

void CORVWindow::Render()
{
    DrawBackground();
    DrawTitle();
    CORVControlContainer::Render();
}

CORVControl* CORVWindow::CreateChild(const RuntimeClassRecord* cls, int arg, std::string text)
{
    return CreateChildFrom(cls, arg, std::move(text), false, 0, 0, 0, 0);
}

CORVControl* CORVWindow::CreateChildAt(const RuntimeClassRecord* cls, int x, int y, int w, int h, int arg,
                                       std::string text)
{
    return CreateChildFrom(cls, arg, std::move(text), true, x, y, w, h);
}

CORVControl* CORVWindow::CreateChildFrom(const RuntimeClassRecord* cls, int arg, std::string text, bool at, int x,
                                         int y, int w, int h)
{
    if (cls == nullptr || cls->m_pfnCreate == nullptr) {
        DebugLog("Error,no class record to create a child window\n");
        return nullptr;
    }
    CORVCtrlBaseTag* obj = cls->m_pfnCreate();
    if (obj == nullptr) {
        return nullptr;
    }
    if (!obj->IsKindOf(ORV_RUNTIME_CLASS(CORVControl))) {
        DebugLog("Error,%s is not a control\n", cls->m_pszName != nullptr ? cls->m_pszName : "?");
        delete obj;
        return nullptr;
    }
    CORVControl* child = static_cast<CORVControl*>(obj);
    AddChild(child, false);
    child->SetArgs(arg, std::move(text));
    if (at) {
        child->CreateAt(this, x, y, w, h);
    } else {
        child->Create(this);
    }
    return child;
}

void CORVWindow::CreateCloseButton()
{
    CreateButton(m_nWidth - kCloseButtonRight, kCloseButtonTop, &m_pCloseButton, kCloseButtonFrame, true, true, "");
}

void CORVWindow::Close()
{
    ORVMsg msg(kNotifyClose, 0, this);
    PostToParent(&msg);
}

void CORVWindow::SetTitle(const std::string& text, int x, int y, u32 colour, int flag)
{
    m_strTitle = text;
    m_nTitleX = x;
    m_nTitleY = y;
    m_dwTitleColour = colour;
    m_nTitleFlag = flag;
}

void CORVWindow::SetTitleText(const char* text, int x, int y, u32 colour, int flag)
{
    m_strTitle.clear();
    if (text != nullptr) {
        m_strTitle = text;
    }
    m_nTitleX = x;
    m_nTitleY = y;
    m_dwTitleColour = colour;
    m_nTitleFlag = flag;
}
