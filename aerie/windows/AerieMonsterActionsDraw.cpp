// Drawing of a monster stack through the host callback, for every control that shows one.
#include "aerie/state/XmlAerieRecords.h"
#include "aerie/windows/AerieMonsterActions.h"
#include "aerie/windows/AerieWndUtil.h"
#include "framework/core/ORVCallBack.h"

void DrawMonsterPictures(CHostCallBackGuard* host, int x, int y, const CXmlMonster& config)
{
    host->DrawImage(x, y, config.m_nColorPic, kImageSetWindow, 0xFFFFFFFF, 0, 0);
    host->DrawImage(x, y, config.m_nPic, kImageSetWindow, 0xFFFFFFFF, 0, 0);
}

void DrawMonsterCount(CHostCallBackGuard* host, int x, int y, u32 count, CCachedText& text)
{
    const char* shown = text.Get(count, [count] { return BoundedFormat(kShortTextBound, "%1%", count); });
    host->DrawText(x, y, shown, 0xFFFFFFFF, 0, 0, 0, 1, 1, 0);
}
