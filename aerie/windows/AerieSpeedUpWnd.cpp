#include "aerie/windows/AerieSpeedUpWnd.h"

#include "aerie/windows/AerieCityView.h"
#include "aerie/windows/AerieWndRecords.h"
#include "framework/widgets/ORVButton.h"

ORV_IMPLEMENT_RUNTIME_CLASS(CAerieSpeedUpWnd, CAerieContainer)

namespace {

struct SpeedUpWndRegistration {
    SpeedUpWndRegistration() { SetAerieWindowRecord(AerieWndKind::SpeedUp, ORV_RUNTIME_CLASS(CAerieSpeedUpWnd)); }
} g_SpeedUpWndRegistration;

constexpr GameTopic<CAerieSpeedUpWnd> kTopics[] = {
    {EVT_SPEEDUP_ANSWER, &CAerieSpeedUpWnd::OnCloseEvent},
    {EVT_SPEEDUP, &CAerieSpeedUpWnd::OnSpeedUpEvent},
};

}  // namespace

CAerieSpeedUpWnd::CAerieSpeedUpWnd() = default;
CAerieSpeedUpWnd::~CAerieSpeedUpWnd() = default;

void CAerieSpeedUpWnd::SetArgs(int arg, std::string)
{
    m_nGroup = static_cast<u32>(arg);
}

void CAerieSpeedUpWnd::OnCreateControls()
{
    for (int i = 0; i < kOptions; ++i) {
        CreateButton(205, 68 + 26 * i, &m_apOptions[i], 311, true, true, "");
    }
}

bool CAerieSpeedUpWnd::HasWork() const
{
    AerieView::GroupView group;
    if (m_nGroup >= 3 || !AerieView::GetGroupView(static_cast<int>(m_nGroup), &group)) {
        return false;
    }
    return group.m_wState == 1 || group.m_wState == 2;
}

bool CAerieSpeedUpWnd::OnMessage(ORVMsg* msg)
{
    if (msg == nullptr || msg->m_nId != kNotifyLeftClick || msg->m_pSender == nullptr) {
        return CAerieGameWnd::OnMessage(msg);
    }
    for (int i = 0; i < kOptions; ++i) {
        if (msg->m_pSender != m_apOptions[i]) {
            continue;
        }
        if (!HasWork()) {
            GameTip("升级已经完毕或被取消，不需要加速");
        } else {
            char text[kShortTextBound];
            AskThen(BoundedPrintf(text, sizeof(text), "本次加速需要消耗%d张加速卡（可在商城购买），确定要加速吗？", kCards[i]),
                    GameEvent(EVT_SPEEDUP, static_cast<u32>(i)));
        }
        return true;
    }
    return CAerieGameWnd::OnMessage(msg);
}

bool CAerieSpeedUpWnd::OnCloseEvent(ORVMsg*)
{
    Close();
    return true;
}

bool CAerieSpeedUpWnd::OnSpeedUpEvent(ORVMsg* msg)
{
    if (msg->m_lParam >= kOptions) {
        return false;   // not an option: passed on
    }
    AerieView::SendSpeedUp(static_cast<int>(msg->m_lParam), static_cast<u16>(m_nGroup));
    return true;
}

bool CAerieSpeedUpWnd::OnGameEvent(ORVMsg* msg)
{
    return DispatchGameEvent(this, msg, kTopics);
}
