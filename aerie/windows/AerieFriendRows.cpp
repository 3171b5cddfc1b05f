#include "aerie/windows/AerieFriendRows.h"

#include <cstring>
#include <new>

#include "aerie/windows/AerieWndUtil.h"
#include "framework/widgets/ORVEdit.h"
#include "framework/widgets/ORVScroll.h"

namespace {

// A typed name shorter than this is no player's.
constexpr std::size_t kMinNameBytes = 4;
constexpr int kMaxNameBytes = 16;

}  // namespace

void SetListScroll(CORVScroll* bar, int count)
{
    if (bar == nullptr) {
        return;
    }
    const int range = count > kPlayerListRows ? count - kPlayerListRows : 0;
    bar->SetRange(range);
    bar->SetPos(0);
    bar->m_bVisible = range > 0 ? 1 : 0;
    bar->m_bEnabled = range > 0 ? 1 : 0;
}

void FollowListScroll(CListRows& rows, const CORVScroll* bar, int count)
{
    if (bar == nullptr) {
        return;
    }
    rows.SetFirst(FirstShownEntry(bar->m_nPos, 1));
    if (rows.SelectedRow() < 0 || rows.SelectedEntry() >= count) {
        rows.SelectEntry(-1);
    }
}

CORVEdit* AddNameEdit(CORVControlContainer* wnd, int x, int y)
{
    auto* edit = new (std::nothrow) CORVEdit();
    if (edit == nullptr) {
        return nullptr;
    }
    edit->m_nMaxLen = kMaxNameBytes;
    wnd->AddChild(edit, false);
    edit->CreateEdit(wnd, 1, 0xFFFFFFFF, 1, x, y, 150, 14);
    return edit;
}

CORVVScroll* AddListScroll(CORVControlContainer* wnd, int x, int y, int length)
{
    auto* bar = new (std::nothrow) CORVVScroll();
    if (bar == nullptr) {
        return nullptr;
    }
    wnd->AddChild(bar, false);
    bar->CreateBar(wnd, x, y, length);
    bar->m_nStep = 1;
    return bar;
}

const char* TypedPlayerName(CORVEdit* edit)
{
    if (edit == nullptr) {
        return nullptr;
    }
    const char* name = edit->GetText();
    if (name == nullptr || strnlen(name, kMinNameBytes) < kMinNameBytes) {
        edit->SetFocus();
        return nullptr;
    }
    return name;
}
