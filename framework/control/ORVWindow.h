// CORVWindow: a container with a background image, a title, a close button, a close request to
// its parent and the creation of sub-windows from runtime-class records. Every window of the
// toolkit and of the game derives from it.
#pragma once

#include <string>

#include "framework/control/ORVControlContainer.h"

class CORVWindow : public CORVControlContainer {
    ORV_DECLARE_RUNTIME_CLASS(CORVWindow)
public:
    CORVWindow();
    ~CORVWindow() override;

    void OnCreate() override;                                                      // 10
    bool OnMessage(ORVMsg* msg) override;                                          // 33
    void Render() override;                                                        // 47

    // New object of cls, added as the topmost child, given (arg, text) and created with this
    // window as parent. Null when cls is null, its factory fails or it is not a control.
    virtual CORVControl* CreateChild(const RuntimeClassRecord* cls, int arg, std::string text);  // 63
    virtual void CreateCloseButton();                                              // 64
    virtual void DrawTitle();                                                      // 65 (ORVWindowDraw.cpp)
    // Asks the parent to remove this window (close request, one frame later).
    virtual void Close();                                                          // 66
    virtual void SetTitle(const std::string& text, int x, int y, u32 colour, int flag);  // 67
    virtual void SetTitleText(const char* text, int x, int y, u32 colour, int flag);     // 68

    // Only while *out is empty: a new window of cls is stored in *out, becomes the topmost child,
    // gets arg and is created with this window as parent. False when *out was set, cls is not a
    // window's record, or making or creating the window failed (the window then stays a child).
    bool OpenChild(CORVWindow** out, const RuntimeClassRecord* cls, int arg);

    // The background frame (of the window set) becomes the window's, and the window takes that
    // image's own size (0 x 0 while the build cannot tell).
    void SetBackground(u16 frame);

    // CreateChild with CreateAt(this, x, y, w, h) in place of Create(this).
    CORVControl* CreateChildAt(const RuntimeClassRecord* cls, int x, int y, int w, int h, int arg,
                               std::string text);

    CORVButton* m_pCloseButton = nullptr;   // a child like any other
    u16 m_wBackFrame = 0;                   // frame of set 93 drawn at the corner; 0 none
    std::string m_strTitle;
    i32 m_nTitleX = 0;
    i32 m_nTitleY = 0;
    u32 m_dwTitleColour = 0xFFFFFFFF;
    i32 m_nTitleFlag = 1;

protected:
    // The background frame at the window's corner; nothing when it is 0 (ORVWindowDraw.cpp).
    void DrawBackground();

private:
// windowSlot, when given, receives the new object (a window) before it is created; created
    // tells whether its Create or CreateAt succeeded.
    CORVControl* CreateChildFrom(const RuntimeClassRecord* cls, int arg, std::string text, bool at,
                                 int x, int y, int w, int h, CORVWindow** windowSlot = nullptr,
                                 bool* created = nullptr);
};
