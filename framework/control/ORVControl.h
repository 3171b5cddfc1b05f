// CORVControl: the base of every visible element of the toolkit. It keeps its position (relative to
// the parent and absolute on the host screen), size, flags, tooltip text and its own posted-message
// queue, routes input to its children first and then to one handler per kind of input, and posts
// click and double-click notifications to its parent.
#pragma once

#include <memory>
#include <string>
#include <vector>

#include "BuildProfile.h"
#include "framework/core/LifeToken.h"
#include "framework/core/ORVMsg.h"
#include "framework/core/OrvTypes.h"
#include "framework/core/RuntimeClass.h"

class CORVControl : public CORVCtrlBaseTag {
    ORV_DECLARE_RUNTIME_CLASS(CORVControl)
public:
    CORVControl();
    ~CORVControl() override;
    CORVControl(const CORVControl&) = delete;
    CORVControl& operator=(const CORVControl&) = delete;

    // Slots in the toolkit's order (after the three of CORVCtrlBaseTag). Mouse positions given to
    // handlers are local to the control; handlers return true when they handled the input.
    virtual bool Create(CORVControl* parent);                                      // 3
    virtual bool CreateAt(CORVControl* parent, int x, int y, int w, int h);        // 4
    virtual bool IsHover();                                                        // 5
    virtual bool SetPos(int x, int y);                                             // 6
    virtual bool SetSize(int w, int h);                                            // 7
    virtual void UpdateAbsPos();                                                   // 8
    virtual void OnSize();                                                         // 9
    virtual void OnCreate();                                                       // 10
    virtual void Reserved11();                                                     // 11
    virtual bool OnSetFocus(CORVControl* old);                                     // 12
    virtual bool OnKillFocus(CORVControl* next);                                   // 13
    virtual void NotifyParentSetFocus(CORVControl* old);                           // 14
    virtual void NotifyParentKillFocus(CORVControl* next);                         // 15
    virtual void OnChildSetFocus(CORVControl* child, CORVControl* old);            // 16
    virtual void OnChildKillFocus(CORVControl* child, CORVControl* next);          // 17
    virtual void SetFocus();                                                       // 18
    virtual bool OnKeyDown(int high, int key);                                     // 19
    virtual bool OnKeyUp(int high, int key);                                       // 20
    virtual bool OnChar(int code);                                                 // 21
    virtual bool OnMouseMove(int x, int y);                                        // 22
    virtual bool OnMouseEnter(int x, int y, CORVControl* prev);                    // 23
    virtual bool OnMouseLeave(int x, int y, CORVControl* next);                    // 24
    virtual bool OnChildMouseEnter(CORVControl* child, CORVControl* prev);         // 25
    virtual bool OnChildMouseLeave(CORVControl* child, CORVControl* next);         // 26
    virtual bool OnMouseWheel(int x, int y, int delta);                            // 27 delta signed
    virtual bool OnMessage10E();                                                   // 28
    virtual bool OnLButtonDown(int x, int y);                                      // 29
    virtual bool OnLButtonUp(int x, int y);                                        // 30
    virtual bool OnDragEnd(int x, int y, CORVControl* dropTarget);                 // 31
    virtual bool OnChildButton(int kind, u32 packedPos, CORVControl* child);       // 32
    virtual bool OnMessage(ORVMsg* msg);                                           // 33
    virtual bool OnDrop(int x, int y);                                             // 34
    virtual bool OnLButtonDblClk(int x, int y);                                    // 35
    virtual bool OnRButtonDown(int x, int y);                                      // 36
    virtual bool OnRButtonUp(int x, int y);                                        // 37
    virtual bool OnRButtonDblClk(int x, int y);                                    // 38
    virtual bool OnMButtonDown(int x, int y);                                      // 39
    virtual bool OnMButtonUp(int x, int y);                                        // 40
    virtual bool OnClick(int kind);                                                // 41
    virtual void Reserved42();                                                     // 42
    virtual bool IsCaptured();                                                     // 43
    virtual bool HasFocus();                                                       // 44
    virtual bool ProcessMessage(ORVMsg* msg);                                      // 45
    virtual void OnDraw();                                                         // 46
    virtual void Render();                                                         // 47
    virtual void RenderOverlay();                                                  // 48
    virtual void OnDrawOverlay();                                                  // 49
    virtual void SetArgs(int arg, std::string text);                               // 50
    virtual void PumpPostedMessages();                                             // 51
    virtual CORVControl* DispatchToChildren(ORVMsg* msg);                          // 52
    virtual bool HitTest(int x, int y);                                            // 53

    // Drawing through the host callback, at positions relative to the control (ORVControlDraw.cpp).
    void DrawImage(int x, int y, int frame, int set, u32 colour);
    void DrawImageScaled(int x, int y, int frame, float scaleX, float scaleY, u32 colour);  // set 93
    void DrawText(int x, int y, const char* text, u32 colour, int f1, int f2, int f3, int f4);
    void DrawTextString(int x, int y, const std::string& text, u32 colour, int f1, int f2, int f3, int f4);
    // x is the left edge (align 0), left edge + widthOrX / 2 (1) or left edge + widthOrX (2).
    void DrawAlignedText(int y, int widthOrX, const char* text, u32 colour, int align, int f3, int f4);
    // Label at (x, 5), value right behind it (the label's width in font 1).
    void DrawLabelValue(int x, const char* label, u32 labelColour, const char* value, u32 valueColour);
    void FillRectRel(u32 colour, int x, int y, int w, int h);
    // Left cap, stretched middle and right cap: frames frame, frame + 1, frame + 2 of set 93.
    void DrawStretchedBar(int frame, int x, int y, int width, u32 colour);

    // Fills the tooltip with this control's own text (nothing when it has none): on every mouse
    // move or on entering, as the build's profile says.
    void ShowOwnToolTip();
    // Posts msg into the parent's queue with the notification delay; nothing without a parent.
    void PostToParent(ORVMsg* msg);
    // Posts msg into this control's own queue, handed out by the delay-th pump from now. The
    // sender's life is watched: a sender that dies before the message is handed out arrives as
    // null. Messages that carry a sender go through here (or PostToParent), not straight into
    // m_MsgQueue, whose senders would read as dead.
    void PostToSelf(ORVMsg* msg, u32 delay);
    // Centres the control in its parent, or on the host screen without a parent.
    void CenterInParent();
    // px > left and px <= left + w and py <= top + h (the caller tests the lower bound of py).
    static bool IsPointInRect(int left, int top, int px, int py, int h, int w);

    // Watches this control's life (see ORVLifeWatch).
    ORVLifeWatch Watch() const { return m_Life.Watch(); }

    i32 m_nX = 0;
    i32 m_nY = 0;
    i32 m_nAbsX = 0;
    i32 m_nAbsY = 0;
    i32 m_nWidth = 0;
    i32 m_nHeight = 0;
    u8 m_bFocusable = kDefaultFocusable;
    u8 m_bModal = 0;                     // set before Create: joins the manager's modal list
    u8 m_bDraggable = 0;
    i32 m_nDepth = 0;
    u32 m_dwHoverStart = 0xFFFFFFFF;    // the build's frame time when the mouse last entered
    u8 m_bVisible = 1;
    u8 m_bEnabled = 1;
    std::string m_strToolTip;
    i32 m_nToolTipStyle = kDefaultToolTipStyle;
    CORVControl* m_pParent = nullptr;    // not owned
    std::string m_strCaption;
    i32 m_nCaptionX = 0;
    i32 m_nCaptionY = 0;
    i32 m_nCaptionFlag1 = 0;
    i32 m_nCaptionFlag2 = 0;
    ORVMsgQueue m_MsgQueue;

private:
    ORVLifeToken m_Life;
};

// A posted message keeps a watch of its sender (WatchSender, when it is posted); a pump clears
// the sender of a message whose sender died before hand-out (ForgetDeadSender), so that handlers
// never take a new control at a reused address for it.
void WatchSender(ORVMsg& msg);
void ForgetDeadSender(ORVMsg& msg);

// One frame of a posted-message queue: the messages that fell due are handed to deliver (called
// with an ORVMsg*) one by one, each with a sender that died meanwhile cleared. They are copied
// first, since a handler may post, pump again or end the queue's owner; the hand-out stops as soon
// as receiverAlive() answers false, and the queue is not touched after the first hand-out.
template <class Alive, class Deliver>
void HandOutDueMessages(ORVMsgQueue& queue, Alive receiverAlive, Deliver deliver)
{
    if (queue.GetPendingCount() == 0) {
        return;   // nothing to count down: most queues, most frames
    }
    const std::vector<PostedMsg>& pumped = queue.Pump();
    if (pumped.empty()) {
        return;
    }
    const std::vector<PostedMsg> due = pumped;
    for (const PostedMsg& entry : due) {
        if (!receiverAlive()) {
            return;
        }
        ORVMsg msg = entry.m_Msg;
        ForgetDeadSender(msg);
        deliver(&msg);
    }
}
