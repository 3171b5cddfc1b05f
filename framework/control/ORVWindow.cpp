#include "framework/control/ORVWindow.h"

#include <utility>

#include "framework/control/SizeSeam.h"
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

bool CORVWindow::OpenChild(CORVWindow** out, const RuntimeClassRecord* cls, int arg)
{
    if (out == nullptr || *out != nullptr) {
        return false;
    }
    bool isWindow = false;
    for (const RuntimeClassRecord* rec = cls; rec != nullptr && !isWindow; rec = rec->m_pBase) {
        isWindow = rec == ORV_RUNTIME_CLASS(CORVWindow);
    }
    if (!isWindow) {
        DebugLog("Error,OpenChild of a class that is no window\n");
        return false;
    }
    bool created = false;
    return CreateChildFrom(cls, arg, std::string(), false, 0, 0, 0, 0, out, &created) != nullptr && created;
}

CORVControl* CORVWindow::CreateChildFrom(const RuntimeClassRecord* cls, int arg, std::string text, bool at, int x,
                                         int y, int w, int h, CORVWindow** windowSlot, bool* created)
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
    if (windowSlot != nullptr) {
        *windowSlot = static_cast<CORVWindow*>(child);   // the caller checked the record's kind
    }
    AddChild(child, false);
    child->SetArgs(arg, std::move(text));
    const bool ok = at ? child->CreateAt(this, x, y, w, h) : child->Create(this);
    if (created != nullptr) {
        *created = ok;
    }
    return child;
}

void CORVWindow::SetBackground(u16 frame)
{
    m_wBackFrame = frame;
    int w = 0;
    int h = 0;
    GetBuildImageSize(frame, kImageSetWindow, &w, &h);
    SetSize(w, h);
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
