#include "framework/widgets/ORVChoice.h"

#include <algorithm>

#include "framework/widgets/ORVScroll.h"

ORV_IMPLEMENT_RUNTIME_CLASS(CORVChoice, CORVControlContainer)

CORVChoice::CORVChoice() = default;
CORVChoice::~CORVChoice() = default;

bool CORVChoice::CreateBox(CORVControl* parent, int x, int y, int width)
{
    m_nClosedY = y;
    return CreateAt(parent, x, y, width, m_nClosedHeight);
}

int CORVChoice::AddItem(const std::string& text, ARGB colour, u32 align)
{
    m_vItems.push_back({text, colour, align});
    if (m_nCurSel == -1) {
        m_nCurSel = 0;
    }
    return static_cast<int>(m_vItems.size());
}

void CORVChoice::ClearItems()
{
    m_vItems.clear();
}

int CORVChoice::RowsShown() const
{
    const int count = static_cast<int>(std::min<std::size_t>(m_vItems.size(), 0x7FFFFFFF));
    return std::max(0, std::min(count, m_nMaxRows));
}

int CORVChoice::FirstRow() const
{
    return m_pScroll != nullptr ? m_pScroll->m_nPos : 0;
}

ORVChoiceLook CORVChoice::GetLook()
{
    ORVChoiceLook look;
    look.nBoxTop = BoxTop();
    look.face.nFrame = m_wFrame;
    look.face.nSet = kImageSetFrame;
    look.face.nMiddleX = m_nAbsX;
    look.face.nMiddleY = m_nAbsY + look.nBoxTop;
    look.face.fScaleX = m_nMiddleLen > 0 ? static_cast<float>(m_nWidth) / static_cast<float>(m_nMiddleLen) : 0.0f;
    look.face.nFirstX = m_nAbsX - m_nCapLeft;
    look.face.nFirstY = look.face.nMiddleY;
    look.face.nLastX = m_nAbsX + m_nWidth;
    look.face.nLastY = look.face.nMiddleY;
    look.nArrowState = !m_bEnabled || IsCaptured() ? 2 : IsHover() ? 1 : 0;
    if (!m_bOpen) {
        return look;
    }
    look.bList = true;
    look.nListTop = ListTop();
    look.nListHeight = m_nHeight - m_nClosedHeight;
    look.nHoverRow = m_nHover;
    look.nFirstItem = std::clamp(FirstRow(), 0, static_cast<int>(std::min<std::size_t>(m_vItems.size(), 0x7FFFFFFF)));
    const int left = static_cast<int>(std::min<std::size_t>(m_vItems.size() - look.nFirstItem, 0x7FFFFFFF));
    look.nRows = std::max(0, std::min(m_nMaxRows, left));
    return look;
}

const ORVChoiceItem* CORVChoice::GetSelectedItem() const
{
    if (m_nCurSel < 0 || static_cast<std::size_t>(m_nCurSel) >= m_vItems.size()) {
        return nullptr;
    }
    return &m_vItems[m_nCurSel];
}

void CORVChoice::DropDown()
{
    if (m_bOpen || m_pParent == nullptr) {
        return;
    }
    m_bOpen = 1;
    const int listH = ListHeight();
    m_bUpward = m_nY + m_nClosedHeight + listH > m_pParent->m_nHeight ? 1 : 0;
    if (m_bUpward) {
        SetPos(m_nX, m_nY - listH);
    }
    SetSize(m_nWidth, m_nHeight + listH);

    if (static_cast<int>(m_vItems.size()) > m_nMaxRows) {
        DeleteChildAndReset(m_pScroll);
        m_pScroll = new CORVVScroll();
        AddChild(m_pScroll, !kChoiceScrollAtFront);
        m_pScroll->CreateBar(this, m_nWidth - kChoiceScrollRight, ListTop(), m_nHeight - m_nClosedHeight);
        m_pScroll->SetRange(static_cast<int>(m_vItems.size()) - m_nMaxRows);
        m_pScroll->SetPos(m_pScroll->m_nPos);
    }
}

void CORVChoice::CloseList()
{
    if (!m_bOpen) {
        return;
    }
    m_bOpen = 0;
    // This may run inside the bar's own leave notification: the field is cleared first and the bar
    // is not touched after its deletion.
    DeleteChildAndReset(m_pScroll);
    if (m_bUpward) {
        SetPos(m_nX, m_nClosedY);
    }
    SetSize(m_nWidth, m_nClosedHeight);
}

void CORVChoice::SetCurSel(int index)
{
    if (index < 0 || static_cast<std::size_t>(index) >= m_vItems.size()) {
        return;
    }
    m_nCurSel = index;
    CloseList();
}

bool CORVChoice::OnMouseMove(int x, int y)
{
    m_nHover = -1;
    if (m_bOpen) {
        const int listH = ListHeight() - 1;
        if (x >= 1 && x <= m_nWidth) {
            if (!m_bUpward && y > m_nClosedHeight && y <= m_nClosedHeight + listH) {
                m_nHover = (y - m_nClosedHeight) / m_nRowHeight;
            } else if (m_bUpward && y >= 1 && y <= listH) {
                m_nHover = y / m_nRowHeight;
            }
        }
    }
    return CORVControlContainer::OnMouseMove(x, y);
}

bool CORVChoice::OnMouseLeave(int x, int y, CORVControl* next)
{
    if (m_pScroll == nullptr || next != m_pScroll) {
        m_nHover = -1;
        CloseList();
    }
    return CORVControlContainer::OnMouseLeave(x, y, next);
}

bool CORVChoice::OnChildMouseLeave(CORVControl*, CORVControl* next)
{
    if (next != this) {
        m_nHover = -1;
        CloseList();
    }
    return true;
}

bool CORVChoice::OnMouseWheel(int, int, int delta)
{
    if (m_pScroll != nullptr) {
        m_pScroll->OnMouseWheel(0, 0, delta);
    }
    return true;
}

bool CORVChoice::OnLButtonUp(int x, int y)
{
    if (m_bOpen && m_nHover >= 0) {
        Notify(kNotifyChoiceSelect, static_cast<u32>(FirstRow() + m_nHover));
    } else if (x >= 1 && x <= m_nWidth && y >= 1 && y <= m_nHeight) {
        Notify(kNotifyChoiceDrop, 0);
    }
    return CORVControlContainer::OnLButtonUp(x, y);
}

void CORVChoice::Notify(u32 id, u32 p1)
{
    ORVMsg msg(id, p1, this);
    PostToParent(&msg);
}
