// CORVControlContainer: a control that owns an ordered list of children. Input goes to them front
// to back, drawing back to front; their absolute positions follow the container's; a drag with
// the left button moves the container (or its parent) within its bounds.
#pragma once

#include <list>
#include <string>

#include "framework/control/ORVControl.h"

class CORVButton;

class CORVControlContainer : public CORVControl {
    ORV_DECLARE_RUNTIME_CLASS(CORVControlContainer)
public:
    CORVControlContainer();
    ~CORVControlContainer() override;

    void UpdateAbsPos() override;                                                  // 8
    bool OnMouseMove(int x, int y) override;                                       // 22
    bool OnLButtonDown(int x, int y) override;                                     // 29
    void Render() override;                                                        // 47
    void RenderOverlay() override;                                                 // 48
    CORVControl* DispatchToChildren(ORVMsg* msg) override;                         // 52

    virtual bool AddChild(CORVControl* child, bool atBack);                        // 54
    virtual void DeleteAllChildren();                                              // 55
    virtual void BringToFront(CORVControl* child);                                 // 56
    virtual void CreateButton(int x, int y, CORVButton** out, int imageFrame, bool visible,
                              bool enabled, const std::string& tooltip);           // 57
    virtual void SetChildState(CORVControl** child, bool enabled, bool visible);   // 58
    virtual void RenderChildren();                                                 // 59
    virtual void MoveWithin(int x, int y, int grabX, int grabY);                   // 60
    virtual void SetDragMovesParent(bool on);                                      // 61
    virtual bool GetDragMovesParent();                                             // 62

    // Moves by the mouse movement (x - grabX, y - grabY), kept inside boundW x boundH of the
    // parent (the far edge wins when the control is larger than the bounds).
    void MoveWithinBounds(int x, int y, int grabX, int grabY, int boundW, int boundH);

    bool HasChild(CORVControl* child) const;
    // Unlinks and deletes a child of this container; false (nothing changed) for null or a stranger.
    bool RemoveChild(CORVControl* child);
    void DeleteChild(CORVControl* child) { RemoveChild(child); }
    // Clears the field, then deletes the child it held (DeleteChild).
    template <class T>
    void DeleteChildAndReset(T*& field)
    {
        CORVControl* child = field;
        field = nullptr;
        DeleteChild(child);
    }

    // Front = topmost: offered input first, drawn last. Owned. Children leave it only through
    // DeleteChild and DeleteAllChildren; while a walk of the children runs, a deleted child's entry
    // is left null and removed when the walk ends.
    std::list<CORVControl*> m_lstChildren;
    u8 m_bDragMovesParent = 0;
    i32 m_nGrabX = 0;
    i32 m_nGrabY = 0;

private:
    // Calls fn on the children (front to back, or back to front) in place, copying nothing: a
    // child deleted by an earlier call is skipped, and the walk stops when this container dies.
    // Returns the first child for which fn returned true, else null.
    template <class Fn>
    CORVControl* WalkChildren(bool backToFront, Fn fn);

    u32 m_nWalkDepth = 0;       // walks of the children in progress (handlers may start more)
    bool m_bChildHoles = false; // null entries left by deletions during a walk
};
