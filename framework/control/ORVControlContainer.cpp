#include "framework/control/ORVControlContainer.h"

#include <algorithm>

#include "framework/control/SizeSeam.h"
#include "framework/control/ORVCtrlMgr.h"
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
        } else if (kTopLevelDragMovesMainWnd && ::IsKindOf(m_pParent, ORV_RUNTIME_CLASS(CORVMainWnd))) {
            // A top-level window takes the whole main window along, kept on the screen.
            int screenW = 0;
            int screenH = 0;
            GetBuildScreenSize(&screenW, &screenH);
            if (auto* main = dynamic_cast<CORVControlContainer*>(m_pParent)) {
                main->MoveWithinBounds(x, y, m_nGrabX, m_nGrabY, screenW, screenH);
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
    // No copy of the list: while a walk runs, a deleted child leaves a null entry behind (see
    // DeleteChild), so every list position stays valid; the container's own life token tells
    // when a handler has deleted the container itself, and then nothing of it is touched again.
    const ORVLifeWatch life = Watch();
    ++m_nWalkDepth;
    CORVControl* found = nullptr;
    auto visit = [&](auto first, auto last) {
        for (auto it = first; it != last; ++it) {
            CORVControl* child = *it;
            if (child == nullptr) {
                continue;
            }
            const bool took = fn(child);
            if (life.expired()) {
                return false;
            }
            if (took) {
                found = child;
                break;
            }
        }
        return true;
    };
    const bool alive = backToFront ? visit(m_lstChildren.rbegin(), m_lstChildren.rend())
                                   : visit(m_lstChildren.begin(), m_lstChildren.end());
    if (!alive) {
        return nullptr;
    }
    if (--m_nWalkDepth == 0 && m_bChildHoles) {
        m_bChildHoles = false;
        m_lstChildren.remove(nullptr);
    }
    return found;
}

CORVControl* CORVControlContainer::DispatchToChildren(ORVMsg* msg)
{
    // Front to back; a child's handler may delete siblings or this container.
    return WalkChildren(false, [msg](CORVControl* child) { return child->m_bEnabled && child->ProcessMessage(msg); });
}

bool CORVControlContainer::AddChild(CORVControl* child, bool atBack)
{
    if (child == nullptr) {
        return true;   // nothing to add
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
    if (m_nWalkDepth > 0) {
        // Inside a walk of this container: entries are nulled, not removed (see WalkChildren).
        // A child's destructor may add or delete entries: sweep until no child is left.
        for (bool again = true; again;) {
            again = false;
            for (CORVControl*& entry : m_lstChildren) {
                if (CORVControl* child = entry) {
                    entry = nullptr;
                    m_bChildHoles = true;
                    delete child;
                    again = true;
                }
            }
        }
        return;
    }
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
    if (m_nWalkDepth > 0) {
        // Inside a walk: the old entry is nulled and a new one made at the front, so the walk's
        // position stays where it was.
        *it = nullptr;
        m_bChildHoles = true;
        m_lstChildren.push_front(child);
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
        boundW = 0;
        boundH = 0;
        GetBuildScreenSize(&boundW, &boundH);
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

bool CORVControlContainer::RemoveChild(CORVControl* child)
{
    if (child == nullptr) {
        return false;
    }
    auto it = std::find(m_lstChildren.begin(), m_lstChildren.end(), child);
    if (it == m_lstChildren.end()) {
        return false;
    }
    // Unlinked before its destructor runs; inside a walk of this container the entry is nulled
    // instead, and removed when the walk ends.
    if (m_nWalkDepth > 0) {
        *it = nullptr;
        m_bChildHoles = true;
    } else {
        m_lstChildren.erase(it);
    }
    delete child;
    return true;
}
