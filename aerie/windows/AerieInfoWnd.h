// CAerieInfoWnd: the records window. The own city's record texts (which may carry '#' markup) in a
// scrolling rich-text viewer, scrolled to the last one; "当前没有记录" without any.
#pragma once

#include "aerie/windows/AerieGameWnd.h"

class CORVRichTextViewer;
class CTextContext;

class CAerieInfoWnd : public CAerieGameWnd {
    ORV_DECLARE_RUNTIME_CLASS(CAerieInfoWnd)
public:
    CAerieInfoWnd();
    ~CAerieInfoWnd() override;   // the viewer lets the document go before it is deleted

    void OnDraw() override;

    // The viewer at (20, 43), 408 x 312, showing a document of its own.
    void CreateViewer();
    // The record texts into the document, the viewer at the end.
    void FillRecords();

    CORVRichTextViewer* m_pViewer = nullptr;   // a child
    CTextContext* m_pContext = nullptr;        // owned

protected:
    u16 FrameImage() const override { return 3; }
    void CloseButtonPlace(int* fromRight, int* top) const override;
    void OnCreateControls() override;   // the viewer with the records
};
