// The framework message record, ORVMsg, and the frame-counted posted-message queue, ORVMsgQueue.
// Input is routed at once; notifications, commands and game events are posted into a queue and
// handed out by a later pump of that queue (one pump per frame by the queue's owner).
#pragma once

#include <algorithm>
#include <cstdint>
#include <string>
#include <vector>

#include "framework/core/LifeToken.h"
#include "framework/core/OrvTypes.h"

class CORVControl;

// Framework message ids (ORVMsg::m_nId). Notification ids (0 to 12) are in BuildProfile.h.
inline constexpr u32 ORV_MSG_KEYDOWN = 0x101;        // m_wParam: virtual-key code
inline constexpr u32 ORV_MSG_KEYUP = 0x102;
inline constexpr u32 ORV_MSG_CHAR = 0x103;           // m_wParam: one byte of text
inline constexpr u32 ORV_MSG_MOUSEMOVE = 0x104;      // m_wParam: x low 16 bits, y high 16 bits (signed)
inline constexpr u32 ORV_MSG_MOUSEWHEEL = 0x105;     // m_wParam: position; m_lParam: delta, unsigned 16 bits
inline constexpr u32 ORV_MSG_LBUTTONDOWN = 0x106;
inline constexpr u32 ORV_MSG_LBUTTONUP = 0x107;
inline constexpr u32 ORV_MSG_LBUTTONDBLCLK = 0x108;
inline constexpr u32 ORV_MSG_RBUTTONDOWN = 0x109;
inline constexpr u32 ORV_MSG_RBUTTONUP = 0x10a;
inline constexpr u32 ORV_MSG_RBUTTONDBLCLK = 0x10b;
inline constexpr u32 ORV_MSG_MBUTTONDOWN = 0x10c;
inline constexpr u32 ORV_MSG_MBUTTONUP = 0x10d;
inline constexpr u32 ORV_MSG_COMMAND10E = 0x10e;     // a control-specific command
inline constexpr u32 ORV_MSG_MSGBOX = 0x111;         // message-box command
inline constexpr u32 ORV_MSG_CHOOSEBEAST = 0x112;    // choose-beast window command
inline constexpr u32 ORV_MSG_GAMEWND = 0x113;        // game window command and game event
inline constexpr u32 ORV_MSG_POPMENU = 0x114;        // popup-menu command
inline constexpr u32 ORV_MSG_SPLITWND = 0x115;       // split (quantity) window command

// m_wParam of the system-window commands 0x111 to 0x115; any other value is a topic.
inline constexpr u32 kSysWndClose = 0;
inline constexpr u32 kSysWndOpen = 1;     // m_lParam and m_strText are the window's arguments
inline constexpr u32 kSysWndToggle = 2;

// Mouse positions packed into m_wParam: x in the low, y in the high 16 bits, each signed.
inline int PackedX(u32 packed) { return static_cast<std::int16_t>(packed & 0xFFFF); }
inline int PackedY(u32 packed) { return static_cast<std::int16_t>(packed >> 16); }
inline u32 PackPos(int x, int y) { return (static_cast<u32>(y) << 16) | (static_cast<u32>(x) & 0xFFFF); }

// The wheel delta of ORV_MSG_MOUSEWHEEL as handlers take it: signed, one notch towards the user
// is -120.
inline int WheelDelta(u32 lParam) { return static_cast<std::int16_t>(lParam & 0xFFFF); }

struct ORVMsg {
    u32 m_nId = 0;
    u32 m_wParam = 0;
    u32 m_lParam = 0;
    std::string m_strText;
    CORVControl* m_pSender = nullptr;   // the notifying control; not owned, may be gone by hand-out
    // The sender's life, taken when the message is posted: a pump clears m_pSender of a sender
    // that died meanwhile, so a new control at the same address is never taken for it.
    ORVLifeWatch m_SenderLife;

    ORVMsg() = default;
    ORVMsg(u32 id, u32 wParam);
    ORVMsg(u32 id, u32 wParam, CORVControl* sender);
    ORVMsg(u32 id, u32 wParam, u32 lParam, const std::string& text);

    // The message names a sender that has died since its life was taken.
    bool SenderGone() const { return m_pSender != nullptr && m_SenderLife.expired(); }
};

struct PostedMsg {
    u32 m_nSeq = 0;
    u32 m_nPeriod = 0;      // frames between two hand-outs
    u32 m_nCountdown = 0;   // frames left before the next hand-out
    ORVMsg m_Msg;
    u32 m_nRepeat = 1;      // hand-outs left
};

class ORVMsgQueue {
public:
    // Stores a copy of msg to be handed out by the delay-th pump from now (delay 0 acts as 1).
    // Returns the message's sequence number.
    u32 PostMessage(const ORVMsg& msg, u32 delay);

    // One frame: counts every pending message down and returns those that fell due, in posting
    // order. The returned list stays valid until the next pump; messages posted while it is
    // handled wait for a later pump.
    const std::vector<PostedMsg>& Pump();

    std::size_t GetPendingCount() const { return m_vEntries.size(); }
    void Clear();
    // Drops every pending message that pred (given a const PostedMsg&) picks, keeping the order of
    // the others; returns how many were dropped.
    template <class Pred>
    std::size_t RemoveIf(Pred pred)
    {
        const auto kept = std::remove_if(m_vEntries.begin(), m_vEntries.end(), pred);
        const auto dropped = static_cast<std::size_t>(m_vEntries.end() - kept);
        m_vEntries.erase(kept, m_vEntries.end());
        return dropped;
    }

private:
    std::vector<PostedMsg> m_vEntries;   // pending, in posting order
    u32 m_nNextSeq = 1;
    std::vector<PostedMsg> m_vDue;
};

// Posts msg into the control manager's queue; a null msg, or a post after the manager's teardown,
// posts nothing. Defined by the toolkit's control manager.
void PostToManager(ORVMsg* msg, u32 delay);
