#include "framework/control/ORVControlContainer.h"

#include <algorithm>
#include <utility>
#include <vector>

#include "framework/control/ORVCtrlMgr.h"
#include "framework/core/ORVCallBack.h"
#include "framework/widgets/ORVButton.h"
#include "framework/window/ORVMainWnd.h"

ORV_IMPLEMENT_RUNTIME_CLASS(CORVControlContainer, CORVControl)

CORVControlContainer::CORVControlContainer() = default;

CORVControlContainer::~CORVControlContainer()
{
    // Forgotten before the children go: their destructors must not find a half-destroyed
    // container in the manager's capture, hover, focus or modal fields.
    if (CORVCtrlMgr* mgr = CORVCtrlMgr::GetIfAlive()) {
        mgr->ForgetControl(this);
    }
    DeleteAllChildren();
}

void CORVControlContainer::UpdateAbsPos()
{
    CORVControl::UpdateAbsPos();
    for (CORVControl* child : m_lstChildren) {
        if (child != nullptr) {
            child->UpdateAbsPos();
        }
    }
}

bool CORVControlContainer::OnMouseMove(int x, int y)
{
    if (m_bDraggable && IsCaptured() && m_pParent != nullptr) {
        if (m_bDragMovesParent) {
            if (auto* parent = dynamic_cast<CORVControlContainer*>(m_pParent)) {
                parent->MoveWithin(x, y, m_nGrabX, m_nGrabY);
            }
        } else {
            MoveWithin(x, y, m_nGrabX, m_nGrabY);
        }
    }
    return CORVControl::OnMouseMove(x, y);   // the tooltip, as for any control
}

bool CORVControlContainer::OnLButtonDown(int x, int y)
{
    m_nGrabX = x;
    m_nGrabY = y;
    return CORVControl::OnLButtonDown(x, y);   // capture and focus
}

void CORVControlContainer::Render()
{
    const ORVLifeWatch life = Watch();
    PumpPostedMessages();
    if (life.expired()) {
        return;
    }
    OnDraw();
    RenderChildren();
    if (life.expired()) {
        return;
    }
    OnDrawOverlay();
}

void CORVControlContainer::RenderOverlay() {}

template <class Fn>
CORVControl* CORVControlContainer::WalkChildren(bool backToFront, Fn fn)
{
    if (m_lstChildren.empty()) {
        return nullptr;
    }
    std::vector<std::pair<CORVControl*, ORVLifeWatch>> snapshot;
    snapshot.reserve(m_lstChildren.size());
    auto take = [&](CORVControl* child) {
        if (child != nullptr) {
            snapshot.emplace_back(child, child->Watch());
        }
    };
    if (backToFront) {
        std::for_each(m_lstChildren.rbegin(), m_lstChildren.rend(), take);
    } else {
        std::for_each(m_lstChildren.begin(), m_lstChildren.end(), take);
    }
    const ORVLifeWatch life = Watch();
    for (auto& [child, watch] : snapshot) {
        if (life.expired()) {
            return nullptr;
        }
        // Children leave the list only by being deleted, so a live watch means a child still here.
        if (!watch.expired() && fn(child)) {
            return child;
        }
    }
    return nullptr;
}

CORVControl* CORVControlContainer::DispatchToChildren(ORVMsg* msg)
{
    // Front to back; a child's handler may delete siblings or this container.
    return WalkChildren(false, [msg](CORVControl* child) { return child->m_bEnabled && child->ProcessMessage(msg); });
}

bool CORVControlContainer::AddChild(CORVControl* child, bool atBack)
{
    if (child == nullptr) {
        return false;
    }
    if (atBack) {
        m_lstChildren.push_back(child);
    } else {
        m_lstChildren.push_front(child);
    }
    return true;
}

void CORVControlContainer::DeleteAllChildren()
{
    // A child's destructor may remove other entries: re-read the front each time.
    while (!m_lstChildren.empty()) {
        CORVControl* child = m_lstChildren.front();
        m_lstChildren.pop_front();
        delete child;
    }
}

void CORVControlContainer::BringToFront(CORVControl* child)
{
    auto it = std::find(m_lstChildren.begin(), m_lstChildren.end(), child);
    if (it == m_lstChildren.end() || it == m_lstChildren.begin()) {
        return;
    }
    m_lstChildren.splice(m_lstChildren.begin(), m_lstChildren, it);
}

void CORVControlContainer::CreateButton(int x, int y, CORVButton** out, int imageFrame, bool visible, bool enabled,
                                        const std::string& tooltip)
{
    if (out == nullptr || *out != nullptr) {
        return;
    }
    CORVButton* button = new CORVButton();
    *out = button;
    AddChild(button, false);
    button->CreateWithImage(this, x, y, static_cast<u16>(imageFrame));
    button->m_strToolTip = tooltip;
    button->m_bVisible = visible ? 1 : 0;
    button->m_bEnabled = enabled ? 1 : 0;
}

void CORVControlContainer::SetChildState(CORVControl** child, bool enabled, bool visible)
{
    if (child != nullptr && *child != nullptr) {
        (*child)->m_bEnabled = enabled ? 1 : 0;
        (*child)->m_bVisible = visible ? 1 : 0;
    }
}

void CORVControlContainer::RenderChildren()
{
    // Back to front; a child's Render may delete controls.
    WalkChildren(true, [](CORVControl* child) {
        if (child->m_bVisible) {
            child->Render();
        }
        return false;
    });
}

void CORVControlContainer::MoveWithin(int x, int y, int grabX, int grabY)
{
    if (m_pParent == nullptr) {
        return;
    }
    int boundW = m_pParent->m_nWidth;
    int boundH = m_pParent->m_nHeight;
    if (::IsKindOf(m_pParent, ORV_RUNTIME_CLASS(CORVMainWnd))) {
        IORVCallBack* host = ORVCallBack();
        boundW = host != nullptr ? host->GetScreenWidth() : 0;
        boundH = host != nullptr ? host->GetScreenHeight() : 0;
    }
    MoveWithinBounds(x, y, grabX, grabY, boundW, boundH);
}

void CORVControlContainer::MoveWithinBounds(int x, int y, int grabX, int grabY, int boundW, int boundH)
{
    const int dx = x - grabX;
    const int dy = y - grabY;
    int nx = std::max(m_nX + dx, 0);
    int ny = std::max(m_nY + dy, 0);
    if (nx + m_nWidth > boundW) {
        nx = boundW - m_nWidth;
    }
    if (ny + m_nHeight > boundH) {
        ny = boundH - m_nHeight;
    }
    SetPos(nx, ny);
}

void CORVControlContainer::SetDragMovesParent(bool on)
{
    m_bDragMovesParent = on ? 1 : 0;
}

bool CORVControlContainer::GetDragMovesParent()
{
    return m_bDragMovesParent != 0;
}

bool CORVControlContainer::HasChild(CORVControl* child) const
{
    return child != nullptr && std::find(m_lstChildren.begin(), m_lstChildren.end(), child) != m_lstChildren.end();
}

void CORVControlContainer::DeleteChild(CORVControl* child)
{
    if (child == nullptr) {
        return;
    }
    auto it = std::find(m_lstChildren.begin(), m_lstChildren.end(), child);
    if (it == m_lstChildren.end()) {
        return;
    }
    m_lstChildren.erase(it);   // unlinked before its destructor runs
    delete child;
}
