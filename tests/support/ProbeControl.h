// Probe controls for toolkit tests: a control, container or window that logs the handler calls it
// gets (into its own list and one shared, ordered log) and then behaves as its base class, with a
// few knobs to change answers or act inside a handler.
#pragma once

#include <functional>
#include <stdexcept>
#include <string>
#include <utility>
#include <vector>

#include "framework/control/ORVCtrlMgr.h"
#include "framework/control/ORVWindow.h"

namespace orv::test {

// Every probe event of the test, in order, as "name:Event(args)".
inline std::vector<std::string>& ProbeLog()
{
    static auto* log = new std::vector<std::string>();   // never destroyed: probes may outlive statics
    return *log;
}

template <class Base>
class TProbe : public Base {
public:
    explicit TProbe(std::string name = "probe") : m_strName(std::move(name)) {}
    ~TProbe() override
    {
        if (m_fnOnDestroy) {
            m_fnOnDestroy();
        }
    }

    std::string m_strName;
    std::vector<std::string> m_vEvents;
    std::vector<ORVMsg> m_vMessages;                 // given to OnMessage
    bool m_bMoveResult = true;                       // OnMouseMove's answer (after the base runs)
    bool m_bThrowOnSetFocus = false;
    bool m_bChildButtonResult = false;               // OnChildButton's answer
    bool m_bHit = true;                              // HitTest's answer
    std::function<void(ORVMsg*)> m_fnOnMessage;      // runs inside OnMessage
    std::function<void()> m_fnOnLButtonDown;         // runs inside OnLButtonDown
    std::function<void()> m_fnOnDraw;                // runs inside OnDraw
    std::function<void()> m_fnOnDestroy;             // runs in the destructor

    bool Has(const std::string& event) const
    {
        for (const std::string& e : m_vEvents) {
            if (e == event) {
                return true;
            }
        }
        return false;
    }

    bool OnSetFocus(CORVControl* old) override
    {
        Note("SetFocus");
        if (m_bThrowOnSetFocus) {
            throw std::runtime_error("refused");
        }
        return Base::OnSetFocus(old);
    }
    bool OnKillFocus(CORVControl* next) override
    {
        Note("KillFocus");
        return Base::OnKillFocus(next);
    }
    bool OnKeyDown(int high, int key) override
    {
        Note("KeyDown(" + std::to_string(high) + "," + std::to_string(key) + ")");
        return true;
    }
    bool OnKeyUp(int high, int key) override
    {
        Note("KeyUp(" + std::to_string(high) + "," + std::to_string(key) + ")");
        return true;
    }
    bool OnChar(int code) override
    {
        Note("Char(" + std::to_string(code) + ")");
        return true;
    }
    bool OnMouseMove(int x, int y) override
    {
        Note("Move(" + std::to_string(x) + "," + std::to_string(y) + ")");
        Base::OnMouseMove(x, y);
        return m_bMoveResult;
    }
    bool OnMouseEnter(int x, int y, CORVControl* prev) override
    {
        Note("Enter(" + NameOf(prev) + ")");
        return Base::OnMouseEnter(x, y, prev);
    }
    bool OnMouseLeave(int x, int y, CORVControl* next) override
    {
        Note("Leave(" + NameOf(next) + ")");
        return Base::OnMouseLeave(x, y, next);
    }
    bool OnMouseWheel(int x, int y, int delta) override
    {
        Note("Wheel(" + std::to_string(x) + "," + std::to_string(y) + "," + std::to_string(delta) + ")");
        return Base::OnMouseWheel(x, y, delta);
    }
    bool OnLButtonDown(int x, int y) override
    {
        Note("LDown(" + std::to_string(x) + "," + std::to_string(y) + ")");
        if (m_fnOnLButtonDown) {
            m_fnOnLButtonDown();
            return true;
        }
        return Base::OnLButtonDown(x, y);
    }
    bool OnLButtonUp(int x, int y) override
    {
        Note("LUp(" + std::to_string(x) + "," + std::to_string(y) + ")");
        return Base::OnLButtonUp(x, y);
    }
    bool OnDragEnd(int x, int y, CORVControl* target) override
    {
        Note("DragEnd(" + std::to_string(x) + "," + std::to_string(y) + "," + NameOf(target) + ")");
        return Base::OnDragEnd(x, y, target);
    }
    bool OnDrop(int x, int y) override
    {
        Note("Drop(" + std::to_string(x) + "," + std::to_string(y) + ")");
        return Base::OnDrop(x, y);
    }
    bool OnChildButton(int kind, u32 packed, CORVControl* child) override
    {
        Note("ChildButton(" + std::to_string(kind) + "," + NameOf(child) + ")");
        return m_bChildButtonResult;
    }
    bool OnMessage(ORVMsg* msg) override
    {
        Note("Msg(" + std::to_string(msg->m_nId) + ")");
        m_vMessages.push_back(*msg);
        if (m_fnOnMessage) {
            m_fnOnMessage(msg);
            return true;
        }
        return Base::OnMessage(msg);
    }
    bool OnRButtonDown(int x, int y) override
    {
        Note("RDown");
        return Base::OnRButtonDown(x, y);
    }
    bool OnRButtonUp(int x, int y) override
    {
        Note("RUp");
        return Base::OnRButtonUp(x, y);
    }
    bool OnMButtonDown(int x, int y) override
    {
        Note("MDown");
        return Base::OnMButtonDown(x, y);
    }
    bool HitTest(int x, int y) override { return m_bHit && Base::HitTest(x, y); }
    void OnDraw() override
    {
        Note("Draw");
        if (m_fnOnDraw) {
            m_fnOnDraw();   // may delete this control: nothing of it is touched afterwards
            return;
        }
        Base::OnDraw();
    }
    void OnDrawOverlay() override
    {
        Note("Overlay");
        Base::OnDrawOverlay();
    }

    static std::string NameOf(CORVControl* c)
    {
        if (c == nullptr) {
            return "null";
        }
        if (auto* p = dynamic_cast<TProbe<CORVControl>*>(c)) {
            return p->m_strName;
        }
        if (auto* p = dynamic_cast<TProbe<CORVControlContainer>*>(c)) {
            return p->m_strName;
        }
        if (auto* p = dynamic_cast<TProbe<CORVWindow>*>(c)) {
            return p->m_strName;
        }
        return "?";
    }

private:
    void Note(const std::string& event)
    {
        m_vEvents.push_back(event);
        ProbeLog().push_back(m_strName + ":" + event);
    }
};

using ProbeControl = TProbe<CORVControl>;
using ProbeContainer = TProbe<CORVControlContainer>;
using ProbeWindow = TProbe<CORVWindow>;

// Records every message the main window's tree is offered (a full-screen, last-resort child).
class Catcher : public CORVControl {
public:
    bool ProcessMessage(ORVMsg* msg) override
    {
        m_vMsgs.push_back(*msg);
        return m_bResult;
    }
    std::vector<ORVMsg> m_vMsgs;
    bool m_bResult = true;
};

// Adds ctrl to parent's children (at the front) and creates it there.
template <class T>
T* Place(CORVControlContainer& parent, T* ctrl, int x, int y, int w, int h)
{
    parent.AddChild(ctrl, false);
    ctrl->CreateAt(&parent, x, y, w, h);
    return ctrl;
}

}  // namespace orv::test
