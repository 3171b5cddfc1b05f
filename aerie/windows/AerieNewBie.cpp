#include "aerie/windows/AerieNewBie.h"

#include "aerie/state/AerieRequest.h"
#include "aerie/state/AerieEvents.h"
#include "aerie/windows/AerieWndUtil.h"
#include "framework/core/GameHooks.h"
#include "framework/window/ORVMsgBox.h"

namespace {

struct StepRecord {
    u16 m_wStep;
    const char* m_pszHint;
    i32 m_nDx;
    i32 m_nDy;
};

// Steps 0, 1, 13 and 43 have no record.
constexpr StepRecord kSteps[] = {
    {2, "选择守护兽的性别", 0, 0},
    {3, "选择守护兽的外形（守护兽外形一但选中将不能更换）", 0, 0},
    {4, "点击确认", 0, 0},
    {5, "点击这里开始进行怪物繁殖", 0, 0},
    {6, "选择你要进行繁殖的守护兽", 150, -20},
    {7, "点击这里繁殖获得怪物蛋（每日可繁殖三次,获得三个怪物蛋）", 0, 0},
    {8, "点击这里进行孵化管理", 40, 0},
    {9, "鼠标右键点击需要孵化的怪物蛋，选择孵化", -135, 0},
    {10, "雇用奴隶", 0, 0},
    {11, "选中想要雇用的人", 0, -90},
    {12, "点击这里雇用奴隶", 0, 0},
    {14, "点击这里砸蛋", 0, 0},
    {15, "点击这里砸开蛋获得怪物", 0, 0},
    {16, "点击这里可将获得的怪物自动归组或进行放生", 0, 0},
    {17, "点击这里查看怪物列表", 0, 0},
    {18, "怪物已经自动归入对应的小组，点击查看小组技能", 0, 0},
    {19, "查看小组技能等级和效果", 0, 0},
    {20, "点击这里回到怪物总览", 0, 0},
    {21, "点击或拖动系统赠送的怪物1至上面任意一组,建议放生产组", 0, 0},
    {22, "移动到生产组中", 0, 0},
    {23, "点击或拖动系统赠送的怪物2至上面任意一组,建议放战斗组", 0, 0},
    {24, "移动到战斗组中", 0, 0},
    {25, "点击这里关闭", 0, 0},
    {26, "点击这里进入主城", 20, 0},
    {27, "查看当前工作组生产效率", 0, 0},
    {28, "点击这里关闭", 0, 0},
    {29, "点击这里进行资源地升级", 0, -30},
    {30, "点击这里升级资源地", 0, 0},
    {31, "选择小组进行升级操作（建议优先选择工程力最高的工程组这样可以节约时间和资源）", 0, 20},
    {32, "点击这里开始升级", 0, 0},
    {33, "点击这里领取任务", 0, 0},
    {34, "选择战斗任务规模（规模越大，奖励越多）", 60, -40},
    {35, "选择战斗任务难度（建议选择初级）", 0, 0},
    {36, "点击这里进行战斗任务操作", 0, 0},
    {37, "点击这里选择参战小组（建议选择战斗组）", 0, 0},
    {38, "点击这里开始战斗", 0, 0},
    {39, "点击这里查看小组的当前行为和小组技能", 0, 0},
    {40, "可以随时查看小组的当前行为，以及小组技能", -350, -150},
    {41, "点击这里查看主线任务", 0, 0},
    {42, "查看主线任务并完成它们领取奖励", 0, -120},
};
static_assert(sizeof(kSteps) / sizeof(kSteps[0]) == 40);

constexpr const char kFirstHatchText[] =
    "由于您首次孵化怪物，魔法师为了让你更快体验新的内容，破例使用魔法让你的蛋瞬间孵化，你愿意么？";
constexpr const char kGiftText[] = "恭喜你获得系统赠送两个怪物，\n你可以将他们归组进行生产或战斗等操作";
constexpr const char kRewardText[] =
    "您已完成新手任务，您将获得一份新手奖励。\n请在枫岚镇琉璃台使者“白羽君”（558，483）处领取。";
constexpr u32 kStep27Delay = 100;   // frames after the main city was entered
constexpr u32 kStep40Delay = 200;   // frames after the monster button

// The guide is made at start-up: it then outlives every control (a dying control makes it forget
// itself), and the toolkit reaches it before the first city is entered (entering resets it).
struct NewBieRegistration {
    NewBieRegistration() { CAerieNewBie::GetSingleton(); }
};
const NewBieRegistration g_NewBieRegistration;

}  // namespace

CAerieNewBie& CAerieNewBie::GetSingleton()
{
    static CAerieNewBie g_AerieNewBie;
    return g_AerieNewBie;
}

namespace {

bool HookIsActive()
{
    return CAerieNewBie::GetSingleton().IsActive();
}

void HookOnStepEvent(u16 step)
{
    CAerieNewBie::GetSingleton().OnStepEvent(step);
}

}  // namespace

CAerieNewBie::CAerieNewBie()
{
    InstallGameHooks();
}

void CAerieNewBie::InstallGameHooks()
{
    InstallHooks();
    g_GameHooks.pfnNewBieIsActive = &HookIsActive;
    g_GameHooks.pfnNewBieOnStepEvent = &HookOnStepEvent;
}

CAerieNewBie::~CAerieNewBie() = default;

void CAerieNewBie::BuildSteps()
{
    m_vSteps.assign(kStepCount, NewBieStep());
    for (const StepRecord& rec : kSteps) {
        NewBieStep& step = m_vSteps[rec.m_wStep];
        step.m_strHint = rec.m_pszHint;
        step.m_nDx = rec.m_nDx;
        step.m_nDy = rec.m_nDy;
        step.m_bBelow = 0;
    }
}

void CAerieNewBie::OnStepEvent(u16 step)
{
    if (m_wStep != step) {
        return;
    }
    switch (step) {
    case 12:
        ORVMsgBoxQueue::GetSingleton().ShowOkBox(GameEvent(EVT_FIRST_HATCH), kFirstHatchText);
        break;
    case 20:
        GameTip(kGiftText);
        CAerieRequest::GetSingleton().TakeGiftMonsters();
        break;
    case 26:
        PostGameEventAfter(EVT_NEWBIE_STEP, 27, kStep27Delay);
        break;
    case 38:
        CAerieRequest::GetSingleton().FinishNewbie();
        ORVMsgBoxQueue::GetSingleton().ShowOkBox(ORVMsg(), kRewardText);
        break;
    case 39:
        PostGameEventAfter(EVT_NEWBIE_STEP, 40, kStep40Delay);
        break;
    case kLastStep:
        Reset();
        return;
    default:
        break;
    }
    CORVNewBie::OnStepEvent(step);
}
