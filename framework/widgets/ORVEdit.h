// CORVEdit: the one-line text input of the toolkit. GBK text (512 bytes by default) kept by its
// text engine (ORVEditBuffer), typed one byte per character message (input-method text arrives
// the same way), caret and selection with the mouse and Shift with the arrow keys, clipboard copy,
// cut and paste, password and digits-only modes, alignment, a blinking caret. It tells its parent
// kNotifyEditChange after each change made by typing, paste, Delete or Backspace and
// kNotifyEditEnter on Enter. A first byte typed alone is drawn while it awaits its second byte,
// but GetText never hands it out, and Enter or the loss of the focus drops it.
//
//   auto* edit = new CORVEdit();
//   wnd->AddChild(edit, false);
//   edit->m_bNumber = 1;                       // before or after creation
//   edit->CreateEdit(wnd, 1, 0xFFFFFFFF, 0, 100, 22, 95, 14);   // takes the focus
#pragma once

#include "framework/control/ORVControl.h"
#include "framework/widgets/CapBar.h"
#include "framework/widgets/EditBuffer.h"

class CORVEdit : public CORVControl, public ORVEditBuffer {
    ORV_DECLARE_RUNTIME_CLASS(CORVEdit)
public:
    CORVEdit();
    ~CORVEdit() override;

    void OnSize() override;                                                        // 9
    bool OnKillFocus(CORVControl* next) override;                                  // 13
    void NotifyParentKillFocus(CORVControl* next) override;                        // 15: empty
    bool OnKeyDown(int high, int key) override;                                    // 19
    bool OnChar(int code) override;                                                // 21
    bool OnMouseMove(int x, int y) override;                                       // 22
    bool OnLButtonDown(int x, int y) override;                                     // 29
    bool OnLButtonUp(int x, int y) override;                                       // 30
    bool OnLButtonDblClk(int x, int y) override;                                   // 35
    void OnDraw() override;                                                        // 46

    // Stores font, text colour and alignment; CreateAt; then takes the focus.
    virtual bool CreateEdit(CORVControl* parent, int font, ARGB color, u32 align, int x, int y, int w,
                            int h);                                                // 54
    virtual void Copy();                                                           // 55
    virtual void Escape();                                                         // 56
    virtual void Cut();                                                            // 57
    virtual void Paste();                                                          // 58
    virtual void Enter();                                                          // 59
    virtual void MoveLeft();                                                       // 60
    virtual void MoveRight();                                                      // 61
    virtual void Delete();                                                         // 62
    virtual void Backspace();                                                      // 63
    virtual void Home();                                                           // 64
    virtual void End();                                                            // 65
    virtual void SelectAll();                                                      // 66
    virtual bool OnKeyUpArrow();                                                   // 67: false
    virtual bool OnKeyDownArrow();                                                 // 68: false
    virtual const char* GetText();                                                 // 69
    virtual void SetText(const char* text);                                        // 70
    virtual u8 GetCharFlag(int index);                                             // 71
    virtual void InsertChar(u8 c);                                                 // 72
    virtual void InsertText(const char* text);                                     // 73
    virtual void DeleteChar(bool backward);                                        // 74
    virtual int PosFromPoint(int x, int y, int* pixel);                            // 75
    virtual void Clear();                                                          // 76

    // Line height of the font; whether the blinking caret shows now.
    int LineHeight() const;
    bool CaretShown() const;
    // The field's background (m_wFrame: cap, stretched middle, cap) at screen positions.
    ORVCapBar GetFrameBar() const;
    // The shown bytes (as many '*' in password mode) copied into the scratch buffer, NUL-ended.
    const char* CopyShownText() const;

    ARGB m_dwCaretColor = kEditCaretColour;
    ARGB m_dwTextColor = kEditTextColour;
    u16 m_wFrame = kEditFrame;         // background of set 93; 0 none

private:
    void NotifyChange();
    // The field's drawing (ORVEditDraw.cpp).
    void DrawField();
};
