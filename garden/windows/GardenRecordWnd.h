// The garden's news: what visitors did in the garden (newest first), then the notice lines, as
// rich text in a scrolling viewer, with a one-line field whose line goes to the server as a text
// message (3030). Opening asks for the news (884 sub 0x18); topics 151 and 152 fill it again.
#pragma once

#include <memory>

#include "garden/windows/GardenPanel.h"

class CORVEdit;
class CORVRichTextViewer;
class CTextContext;

class CGardenRecordWnd : public CGardenPanel {
    ORV_DECLARE_RUNTIME_CLASS(CGardenRecordWnd)
public:
    CGardenRecordWnd();
    ~CGardenRecordWnd() override;

    void OnCreate() override;
    bool OnMessage(ORVMsg* msg) override;
    bool ProcessMessage(ORVMsg* msg) override;   // topics 151 and 152
    void OnDraw() override;

    CORVRichTextViewer* m_pViewer = nullptr;
    std::unique_ptr<CTextContext> m_pDocument;   // the viewer's document, owned here
    CORVEdit* m_pLineField = nullptr;

private:
    void FillNews();
};
