// CAerieGameWnd: the base every Aerie game window is written on, and CSubWndSlot, the slot a
// window keeps for one child window of its own (a popup, a sub-window).
//
// How a game window is written:
//  1. Derive from CAerieGameWnd (or from a window derived from it). Declare the runtime class as
//     usual and implement it with the record base the class tree names, normally
//     ORV_IMPLEMENT_RUNTIME_CLASS(CMyWnd, CAerieContainer): the base has no record of its own,
//     so the class list and the kind-of tests stay as they are.
//  2. Frame: override FrameImage() to answer the background frame of set 93. The window takes the
//     image's size, is centred in its parent and gets its close button at the build's place,
//     (width - kCloseButtonRight, kCloseButtonTop) (override CloseButtonPlace to move it). A window with another frame overrides SetUpFrame().
//  3. Controls: override OnCreateControls(); it runs right after the frame, so the size is known.
//     The arguments of the creator arrive before, through SetArgs.
//  4. Game events: a table in the .cpp,
//         constexpr GameTopic<CMyWnd> kTopics[] = {{EVT_X, &CMyWnd::OnX}, ...};
//     and  bool OnGameEvent(ORVMsg* msg) override { return DispatchGameEvent(this, msg, kTopics); }
//     A handler answers true when the event stops at this window. A confirmation asked with
//     AskWithCheckIfNeeded is remembered before the handler of its OK topic runs.
//  5. Clicks of its controls: override OnMessage, and hand every message it does not take to the
//     base (return CAerieGameWnd::OnMessage(msg)): the base closes on the close button and follows
//     the scroll bar.
//  6. A scroll bar: override ScrollBar() to answer it and OnScrolled() to follow its position
//     (FirstShownEntry, CListRows::SetFirst). The wheel anywhere over the window moves the bar.
//  7. Windows of its own: a CSubWndSlot member per window, CSubWndSlot m_Popup{this}; Open,
//     Toggle, OpenOrAskClose, Close; on the close request of a child, CloseIfFrom(sender).
//  8. Texts: CCachedText members, drawn in OnDraw with
//         DrawTextRel(this, x, y, m_Text.Get(key, [&] { return BoundedFormat(...); }), colour);
//     the store is read through AerieView only.
//  9. Destructor: nothing to delete or guard; the base ends every child with game events shut
//     out. A destructor that does more (boxes, the host) calls BeginTeardown() first.
#pragma once

#include <string>

#include "aerie/windows/AerieContainer.h"
#include "aerie/windows/AerieWndUtil.h"
#include "framework/core/LifeToken.h"

class CORVScroll;

class CAerieGameWnd : public CAerieContainer {
public:
    CAerieGameWnd();
    // Game events are shut out, then every child ends while this window still answers as a game
    // window.
    ~CAerieGameWnd() override;

    // SetUpFrame, then OnCreateControls.
    void OnCreate() override;
    // Game events: none from the start of the teardown, else OnGameEvent; the wheel over the
    // window to the scroll bar; everything else to the container.
    bool ProcessMessage(ORVMsg* msg) override;
    // The wheel moves the scroll bar, then OnScrolled; without a bar, nothing (true).
    bool OnMouseWheel(int x, int y, int delta) override;
    // The scroll bar's notices run OnScrolled; the close button closes.
    bool OnMessage(ORVMsg* msg) override;

    bool IsTearingDown() const { return m_bTearingDown; }

protected:
    // The frame: InitFrame with FrameImage and CloseButtonPlace.
    virtual void SetUpFrame();
    virtual u16 FrameImage() const { return 0; }
    virtual void CloseButtonPlace(int* fromRight, int* top) const;
    virtual void OnCreateControls() {}
    // The window's game events (DispatchGameEvent with its table); true stops the event here.
    virtual bool OnGameEvent(ORVMsg* msg);
    virtual CORVScroll* ScrollBar() const { return nullptr; }
    virtual void OnScrolled() {}

    // From here on no game event reaches this window.
    void BeginTeardown() { m_bTearingDown = true; }

private:
    bool m_bTearingDown = false;
};

// One child window of owner, by its runtime-class record. It forgets the window when the window
// dies, however that happens (the window's life is watched). The owner keeps its children: the
// slot deletes its window only when told to.
class CSubWndSlot {
public:
    explicit CSubWndSlot(CORVWindow* owner) : m_pOwner(owner) {}
    CSubWndSlot(const CSubWndSlot&) = delete;
    CSubWndSlot& operator=(const CSubWndSlot&) = delete;

    // The window held; null while empty or once it died.
    CORVControl* Get() const;
    bool IsOpen() const { return Get() != nullptr; }
    // The held window as a pointer field, for readers that hold the slot's pointer (null while
    // empty). It is cleared whenever the slot is used; Get also checks the window's life.
    CORVControl* const& Ref() const
    {
        Get();
        return m_pWnd;
    }

    // A new window of record (closing the one held first), given (arg, text). A null record
    // only closes. Answers the new window or null.
    CORVControl* Open(const RuntimeClassRecord* record, int arg, const std::string& text = std::string());
    // A null record does nothing. closeFirst closes the held window first; then a held window
    // of record's kind closes (a second click), anything else is replaced by a new one.
    void Toggle(const RuntimeClassRecord* record, bool closeFirst, int arg);
    // Empty: a window of record opens (nothing for a null record). Held: the window is asked to
    // close (a close request from it, posted to the owner, arrives on the next frames).
    void OpenOrAskClose(const RuntimeClassRecord* record, int arg, const std::string& text = std::string());
    // Deletes the held window.
    void Close();
    // On a close request: when sender is the held window, closes it and answers true.
    bool CloseIfFrom(const CORVControl* sender);

private:
    void Hold(CORVControl* wnd);

    CORVWindow* m_pOwner;
    mutable CORVControl* m_pWnd = nullptr;
    ORVLifeWatch m_Life;
};
