#include "aerie/windows/AerieMonsterActions.h"

#include <string>
#include <vector>

#include "aerie/state/AerieEvents.h"
#include "aerie/state/AerieRequest.h"
#include "aerie/windows/AerieWndUtil.h"
#include "framework/core/ByteOrder.h"
#include "framework/widgets/ORVToolTip.h"
#include "framework/window/ORVMenuWnd.h"

void AddMonsterFigureLines(CORVToolTip& tip, int style, const std::string& title, u32 count, u16 production,
                           u16 engineering, u16 fight, const char* totalsForm)
{
    const auto line = [&](const char* label, u16 one) {
        const unsigned long long total = static_cast<unsigned long long>(one) * count;
        tip.AddText(1, BoundedFormat(kShortTextBound, std::string(label) + totalsForm, one, total), 0);
    };
    tip.AddText(style, title, 1);
    tip.AddText(1, BoundedFormat(kShortTextBound, "数量:%1%", count), 1);
    line("单体(总)生产力:", production);
    line("单体(总)工程力:", engineering);
    line("单体(总)战斗力:", fight);
}

void ShowMonsterMenu(u16 slot, u32 count, bool withRefresh, CORVControl* sender)
{
    const std::string key = LE16(slot);
    std::vector<ORVMenuItem>& items = GetPopupMenuItems();
    items.clear();
    if (count > 1) {
        ORVMsg split(ORV_MSG_SPLITWND, kSysWndOpen, count, key);
        split.m_pSender = sender;
        items.emplace_back(split, "拆分");
    }
    items.emplace_back(GameEvent(EVT_MONSTER_NOTICE, count, key + LE16(1), sender), "升级");
    if (withRefresh) {
        items.emplace_back(GameEvent(EVT_REFRESH_MONSTER, count, key, sender), "刷新");
    }
    items.emplace_back(GameEvent(EVT_ASK_RELEASE_MONSTER, slot, std::string(), sender), "放生");
    items.emplace_back(ORVMsg(), "关闭");
    ShowPopupMenu();
}

bool HandleMonsterRelease(ORVMsg* msg, CORVControl* sender)
{
    if (msg == nullptr || msg->m_nId != ORV_MSG_GAMEWND) {
        return false;
    }
    if (msg->m_wParam == EVT_ASK_RELEASE_MONSTER) {
        AskThen("您确定要放生该怪物吗？", GameEvent(EVT_RELEASE_MONSTER, msg->m_lParam, std::string(), sender));
        return true;
    }
    if (msg->m_wParam == EVT_RELEASE_MONSTER) {
        CAerieRequest::GetSingleton().ReleaseMonster(static_cast<u16>(msg->m_lParam & 0xFFFF));
        return true;
    }
    return false;
}
