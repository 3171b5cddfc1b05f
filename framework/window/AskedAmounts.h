// CAskedAmounts: what a confirmation box showed, kept by the window that asked until the answer
// comes. Keys still reach the focused field while a box is up, so by the time the player answers,
// the window's fields may hold other amounts than the question showed; the answer acts on the
// amounts kept here, which the window checked when it asked.
//
//   ORVMsgBoxQueue::GetSingleton().ShowOkCancelBox(m_Asked.Ask(amounts, ORVMsg(id, kind), this), ...);
//   ... in the handler of the OK message:
//   if (const std::optional<Amounts> agreed = m_Asked.Take(*msg, this)) { send *agreed; }
//
// The OK message names the asker (its sender) and the question (its m_lParam, which Ask sets), so
// an answer acts at most once and only for the question it answers: an answer whose asker is gone
// acts on nothing (the box drops it; a pump that finds its sender dead hands it out with none), nor
// does one whose window has asked again since (the later box shows what its own OK will send).
#pragma once

#include <optional>

#include "framework/core/DebugLog.h"
#include "framework/core/ORVMsg.h"

template <class Amounts>
class CAskedAmounts {
public:
    // Keeps amounts as the question now asked; answers ok as that question's OK message, with
    // asker as its sender and the question's number in its m_lParam.
    ORVMsg Ask(const Amounts& amounts, ORVMsg ok, CORVControl* asker)
    {
        m_Amounts = amounts;
        ok.m_lParam = ++m_nQuestion;
        ok.m_pSender = asker;
        return ok;
    }

    // The amounts answer agreed to, once; none for an answer that is not asker's latest question
    // (with a debug line).
    std::optional<Amounts> Take(const ORVMsg& answer, const CORVControl* asker)
    {
        const bool fromAsker = asker != nullptr && answer.m_pSender == asker && !answer.SenderGone();
        if (!fromAsker || answer.m_lParam != m_nQuestion || !m_Amounts) {
            DebugLog("answer 0x%X/%u is not for the question now asked; dropped\n", answer.m_nId, answer.m_wParam);
            return std::nullopt;
        }
        std::optional<Amounts> agreed;
        agreed.swap(m_Amounts);
        return agreed;
    }

private:
    std::optional<Amounts> m_Amounts;
    u32 m_nQuestion = 0;
};
