// What every control that shows a monster stack of the city shares: the tooltip lines of its
// figures, the popup menu of its actions and the release confirmation with its request. The
// monster cells of the group window and the monster icons answer topics 17 and 18 alike: the
// slot travels in the event, so whichever control the event reaches first answers it (one box,
// one request).
#pragma once

#include <string>

#include "framework/core/OrvTypes.h"

class CCachedText;
class CHostCallBackGuard;
class CORVControl;
class CORVToolTip;
class CXmlMonster;
struct ORVMsg;

// The totals forms: the group window's cells and the dead monsters write "%1%(%2%)", the
// monster icons "%1%/%2%".
inline constexpr const char* kTotalsInBrackets = "%1%(%2%)";
inline constexpr const char* kTotalsWithSlash = "%1%/%2%";

// The title (in tooltip style: the monster's TipCol), "数量:" count, then one line per power
// (production, engineering, fight) with one monster's value and value x count (64 bits, never
// wrapping) in totalsForm.
void AddMonsterFigureLines(CORVToolTip& tip, int style, const std::string& title, u32 count, u16 production,
                           u16 engineering, u16 fight, const char* totalsForm);

// Empties the popup menu, adds 拆分 (count above 1), 升级, 刷新 (withRefresh), 放生 and 关闭 for
// the stack in slot, and opens it. sender: the control the commands come from (a command of a
// control that died meanwhile is dropped).
void ShowMonsterMenu(u16 slot, u32 count, bool withRefresh, CORVControl* sender);

// Topic 17 (release chosen): the OK/cancel box whose OK posts topic 18 with the same slot; topic
// 18 (confirmed): the release request (sub 0x16) for the slot. True when msg was one of them.
bool HandleMonsterRelease(ORVMsg* msg, CORVControl* sender);

// Drawing (AerieMonsterActionsDraw.cpp): a stack's colour frame, then its picture, at (x, y).
void DrawMonsterPictures(CHostCallBackGuard* host, int x, int y, const CXmlMonster& config);
// A stack's count in white at (x, y), its text made again only when the count changes.
void DrawMonsterCount(CHostCallBackGuard* host, int x, int y, u32 count, CCachedText& text);
