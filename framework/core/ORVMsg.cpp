#include "framework/core/ORVMsg.h"

ORVMsg::ORVMsg(u32 id, u32 wParam) : m_nId(id), m_wParam(wParam) {}

ORVMsg::ORVMsg(u32 id, u32 wParam, CORVControl* sender) : m_nId(id), m_wParam(wParam), m_pSender(sender) {}

ORVMsg::ORVMsg(u32 id, u32 wParam, u32 lParam, const std::string& text)
    : m_nId(id), m_wParam(wParam), m_lParam(lParam), m_strText(text)
{
}

u32 ORVMsgQueue::PostMessage(const ORVMsg& msg, u32 delay)
{
    const u32 seq = m_nNextSeq++;
    PostedMsg& entry = m_mapEntries[seq];
    entry.m_nSeq = seq;
    entry.m_nPeriod = delay;
    entry.m_nCountdown = delay;
    entry.m_Msg = msg;
    entry.m_nRepeat = 1;
    return seq;
}

const std::vector<PostedMsg>& ORVMsgQueue::Pump()
{
    m_vDue.clear();
    for (auto it = m_mapEntries.begin(); it != m_mapEntries.end();) {
        PostedMsg& entry = it->second;
        if (entry.m_nCountdown > 0) {
            --entry.m_nCountdown;
        }
        bool remove = false;
        if (entry.m_nCountdown == 0) {
            m_vDue.push_back(entry);
            if (entry.m_nRepeat > 0) {
                --entry.m_nRepeat;
                entry.m_nCountdown = entry.m_nPeriod;
            }
            remove = entry.m_nRepeat == 0;
        }
        it = remove ? m_mapEntries.erase(it) : std::next(it);
    }
    return m_vDue;
}

void ORVMsgQueue::Clear()
{
    m_mapEntries.clear();
    m_vDue.clear();
}
