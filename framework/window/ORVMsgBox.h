// Message boxes: any part of the system may ask a question or show a notice in a modal box with
// one or two buttons and an optional check box. ORVMsgBoxQueue keeps the requests and shows one
// box at a time, first in first out; CORVMsgBox is the box, a system window of the main window
// (command ORV_MSG_MSGBOX), which shows the front request. Each button answers by posting the
// message the asker chose in advance to the control manager.
//
// Asking:   ORVMsgBoxQueue::GetSingleton().ShowOkCancelBox(ORVMsg(myOkId, 0), ORVMsg(myCancelId, 0),
//                                                           "text");
// The box opens in the next frame; a click on a button routes the answer one frame later and
// closes the box the frame after, so the answer's handler can still ask IsChecked().
#pragma once

#include <deque>
#include <optional>
#include <string>

#include "framework/control/ORVWindow.h"
#include "framework/core/ORVMsg.h"
#include "framework/text/WrappedText.h"

class CORVButton;
class CORVCheck;

// Bits of ORVMsgBoxRequest::m_nStyle.
inline constexpr u32 kMsgBoxStyleCheck = 0x04;        // a check box
inline constexpr u32 kMsgBoxStyleTwoButtons = 0x20;   // two buttons, else one
inline constexpr u32 kMsgBoxStyleBase = 0x200;        // set by every request, tested nowhere

struct ORVMsgBoxRequest {
    ORVMsg m_OkMsg;                            // posted when the first button is clicked
    ORVMsg m_CancelMsg;                        // posted when the second button is clicked
    // Whether the game that has just closed asked this question (its windows are gone by then):
    // an answer names a sender that is gone, or neither answer names a sender. A question with no
    // sender is the game's, whenever it was asked: only the game asks that way (its server's
    // replies, its confirmations; while it is closed, only its server's late replies arrive), so
    // such a question never outlives the game. A question whose named asker still lives is a
    // window's outside the game: it stays.
    bool AskedByClosedGame() const
    {
        const bool unnamed = m_OkMsg.m_pSender == nullptr && m_CancelMsg.m_pSender == nullptr;
        return unnamed || m_OkMsg.SenderGone() || m_CancelMsg.SenderGone();
    }
    u32 m_nStyle = 0;
    std::string m_strText;                     // word-wrapped to the box's text width
    std::string m_strCheckText;                // caption of the check box
    u8 m_bChecked = 0;                         // initial state of the check box
    u16 m_wOkFrame = kMsgBoxOkFrame;           // image frame (set 92) of the first button
    u16 m_wCancelFrame = kMsgBoxCancelFrame;   // image frame (set 92) of the second button
};

class CORVMsgBox;

class ORVMsgBoxQueue {
public:
    // g_MsgBoxQueue, created on first use (and always before the control manager, so that it
    // outlives every box).
    static ORVMsgBoxQueue& GetSingleton();

    ORVMsgBoxQueue() = default;
    ORVMsgBoxQueue(const ORVMsgBoxQueue&) = delete;
    ORVMsgBoxQueue& operator=(const ORVMsgBoxQueue&) = delete;

    // Appends a copy, watching the sender of each answer; when it is the only request, the box
    // opens in the next frame.
    void ShowMsgBox(const ORVMsgBoxRequest& req);
    // A box answering ok, in the build's style (kMsgBoxOkBoxStyle): one button in Orvane; in
    // OrvaneDemo a second one too, answering the request's default (empty) cancel message.
    void ShowOkBox(const ORVMsg& ok, const std::string& text);
    // Two buttons answering ok and cancel.
    void ShowOkCancelBox(const ORVMsg& ok, const ORVMsg& cancel, const std::string& text);
    // From the box's destructor: drops the front request and opens the next box, if any.
    void CloseMsgBox(CORVMsgBox* box);
    // Drops every request of a game that has closed (ORVMsgBoxRequest::AskedByClosedGame): the
    // waiting ones at once, the shown one by closing its box; requests of living askers stay.
    void DropRequestsOfClosedGame();

    std::deque<ORVMsgBoxRequest> m_vMsgBuf;   // front = shown
    CORVMsgBox* m_pBox = nullptr;             // the box now shown, or null
};

// Not a box: the text as a white floating notice for 150 frames.
void ShowTipText(const std::string& text);

class CORVMsgBox : public CORVWindow {
    ORV_DECLARE_RUNTIME_CLASS(CORVMsgBox)
public:
    CORVMsgBox();
    ~CORVMsgBox() override;

    void OnCreate() override;                      // 10: lays out the front request
    bool OnMouseMove(int x, int y) override;       // 22: drag kept inside the parent
    bool OnMessage(ORVMsg* msg) override;          // 33: the buttons' clicks answer
    void OnDraw() override;                        // 46: the message text
    void CreateCloseButton() override;             // 64: none

    // The box has a check box and it is ticked.
    bool IsChecked();

    CORVButton* m_pOkButton = nullptr;
    CORVButton* m_pCancelButton = nullptr;
    CORVCheck* m_pCheck = nullptr;
    // The request shown: the box's own copy of the queue's front request; empty when the box
    // opened with an empty queue.
    std::optional<ORVMsgBoxRequest> m_Request;
    CWrappedText m_Text;
    // Set by the first answer: later clicks on the buttons are ignored, so an answer is posted
    // once even when the player clicks again before the box has closed.
    bool m_bAnswered = false;
};
