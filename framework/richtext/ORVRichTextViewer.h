// CORVRichTextViewer: a control that shows a rich-text document (CTextContext) with a vertical
// scroll bar at its right edge. The mouse selects text (press, drag, release), Ctrl+C copies the
// selection, the wheel scrolls.
//
//   auto* viewer = new CORVRichTextViewer();
//   window->AddChild(viewer, false);
//   viewer->CreateAt(window, 20, 43, 408, 312);
//   viewer->SetContext(context);          // the window owns the document
//   viewer->SetScrollStep();
//   context->AddText("#R...");  viewer->ScrollToBottom();
#pragma once

#include "framework/control/ORVControlContainer.h"
#include "framework/richtext/ORVTextContext.h"

class CORVVScroll;

class CORVRichTextViewer : public CORVControlContainer, public IRichTextView {
    ORV_DECLARE_RUNTIME_CLASS(CORVRichTextViewer)
public:
    // Scroll steps (the build's): until SetScrollStep, and after it; the gap between text and bar.
    static constexpr int kCreateScrollStep = kRichViewerCreateStep;
    static constexpr int kScrollStep = kRichViewerStep;
    static constexpr int kScrollGap = kRichViewerScrollGap;

    CORVRichTextViewer();
    ~CORVRichTextViewer() override;                // detaches its document

    void OnSize() override;                                                        // 9
    void OnCreate() override;                                                      // 10
    bool OnKeyDown(int high, int key) override;                                    // 19
    bool OnMouseMove(int x, int y) override;                                       // 22
    bool OnMouseWheel(int x, int y, int delta) override;                           // 27
    bool OnLButtonDown(int x, int y) override;                                     // 29
    bool OnLButtonUp(int x, int y) override;                                       // 30
    bool OnMessage(ORVMsg* msg) override;                                          // 33
    bool OnRButtonUp(int x, int y) override;                                       // 37
    void OnDraw() override;                                                        // 46

    // Shows context (not owned; null shows nothing): the old document loses its selection and
    // this view; the new one is laid out to the viewer and scrolled to the bar's position.
    void SetContext(CTextContext* context);
    CTextContext* GetContext() const { return m_pContext; }
    // Range = max(0, docHeight - viewer height): the bar takes it and the document follows the
    // bar's position. A zero range with m_bHideWhenFits hides the bar; any other range shows it.
    void UpdateScrollRange(int docHeight) override;
    // The bar to its end, the document with it.
    void ScrollToBottom();
    // Wheel and arrow steps of 16 pixels.
    void SetScrollStep();

    // IRichTextView.
    CORVControl* GetViewCtrl() override { return this; }
    ORVRichPoint GetTextScreenPos() override;
    void OnContextDestroyed(CTextContext* context) override;

    CTextContext* m_pContext = nullptr;   // not owned
    CORVVScroll* m_pScroll = nullptr;     // child
    u8 m_bShowScroll = 1;                 // the text leaves room for the bar
    u8 m_bHideWhenFits = 0;               // hide the bar while the document fits
    u8 m_bScrollHidden = 0;
    i32 m_nPressX = -1;                   // where the left button went down; -1 none
    i32 m_nPressY = -1;
    i32 m_nScrollGap = kScrollGap;
    i32 m_nTextLeft = 0;                  // the document's place inside the viewer
    i32 m_nTextTop = 0;

private:
    void ScrollDocumentTo(int pos);
};
