#include "aerie/windows/AerieIconCtrl.h"

ORV_IMPLEMENT_RUNTIME_CLASS(CAerieIconCtrl, CORVControl)
ORV_IMPLEMENT_RUNTIME_CLASS(CAerieDeadMonsterIcon, CAerieIconCtrl)

CAerieIconCtrl::CAerieIconCtrl() = default;
CAerieIconCtrl::~CAerieIconCtrl() = default;

bool CAerieIconCtrl::CreateIcon(CORVControl* parent, int x, int y, u16 itemId, int w, int h)
{
    m_wItemId = itemId;
    return CreateAt(parent, x, y, w, h);
}

CAerieDeadMonsterIcon::CAerieDeadMonsterIcon() = default;
CAerieDeadMonsterIcon::~CAerieDeadMonsterIcon() = default;

bool CAerieDeadMonsterIcon::OnMouseEnter(int x, int y, CORVControl* prev)
{
    return CAerieIconCtrl::OnMouseEnter(x, y, prev);
}
