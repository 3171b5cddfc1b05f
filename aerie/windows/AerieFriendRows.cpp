#include "aerie/windows/AerieFriendRows.h"

#include "framework/widgets/ORVScroll.h"

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
