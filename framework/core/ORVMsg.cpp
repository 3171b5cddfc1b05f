#include "framework/core/ORVMsg.h"

ORVMsg::ORVMsg(u32 id, u32 wParam) : m_nId(id), m_wParam(wParam) {}

ORVMsg::ORVMsg(u32 id, u32 wParam, CORVControl* sender) : m_nId(id), m_wParam(wParam), m_pSender(sender) {}

ORVMsg::ORVMsg(u32 id, u32 wParam, u32 lParam, const std::string& text)
    : m_nId(id), m_wParam(wParam), m_lParam(lParam), m_strText(text)
{
}

u32 ORVMsgQueue::PostMessage(const ORVMsg& msg, u32 delay)
{
    // Entries are appended in posting order, so the list is always in sequence order (also across
    // a wrap of the sequence number). Its storage is kept between frames: posting allocates nothing
    // once the list has grown to its working size.
    const u32 seq = m_nNextSeq++;
    PostedMsg& entry = m_vEntries.emplace_back();
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
    std::size_t kept = 0;
    for (std::size_t i = 0; i < m_vEntries.size(); ++i) {
        PostedMsg& entry = m_vEntries[i];
        if (entry.m_nCountdown > 0) {
            --entry.m_nCountdown;
        }
        bool remove = false;
        if (entry.m_nCountdown == 0) {
            if (entry.m_nRepeat > 0) {
                --entry.m_nRepeat;
                entry.m_nCountdown = entry.m_nPeriod;
            }
            remove = entry.m_nRepeat == 0;
            if (remove) {
                m_vDue.push_back(std::move(entry));
            } else {
                m_vDue.push_back(entry);
            }
        }
        if (!remove) {
            if (kept != i) {
                m_vEntries[kept] = std::move(entry);
            }
            ++kept;
        }
    }
    m_vEntries.erase(m_vEntries.begin() + static_cast<std::ptrdiff_t>(kept), m_vEntries.end());
    return m_vDue;
}

void ORVMsgQueue::Clear()
{
    m_vEntries.clear();
    m_vDue.clear();
}

