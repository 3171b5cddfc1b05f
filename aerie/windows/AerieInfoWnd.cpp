#include "aerie/windows/AerieInfoWnd.h"

#include <new>

#include "aerie/windows/AerieCityView.h"
#include "aerie/windows/AerieWndRecords.h"
#include "framework/richtext/ORVRichTextViewer.h"
#include "framework/richtext/ORVTextContext.h"

ORV_IMPLEMENT_RUNTIME_CLASS(CAerieInfoWnd, CAerieContainer)

namespace {

struct InfoWndRegistration {
    InfoWndRegistration() { SetAerieWindowRecord(AerieWndKind::Info, ORV_RUNTIME_CLASS(CAerieInfoWnd)); }
} g_InfoWndRegistration;

constexpr i32 kRecordsLayout = 4;

}  // namespace

CAerieInfoWnd::CAerieInfoWnd() = default;

CAerieInfoWnd::~CAerieInfoWnd()
{
    BeginTeardown();
    if (m_pViewer != nullptr) {
        m_pViewer->SetContext(nullptr);
    }
    if (m_pContext != nullptr) {
        m_pContext->Clear();
        delete m_pContext;
        m_pContext = nullptr;
    }
}

void CAerieInfoWnd::CloseButtonPlace(int* fromRight, int* top) const
{
    *fromRight = 38;
    *top = 3;
}

void CAerieInfoWnd::OnCreateControls()
{
    CreateViewer();
    FillRecords();
}

void CAerieInfoWnd::CreateViewer()
{
    m_pContext = new (std::nothrow) CTextContext();
    if (m_pContext != nullptr) {
        m_pContext->m_nLayoutValue = kRecordsLayout;
    }
    auto* viewer = new (std::nothrow) CORVRichTextViewer();
    if (m_pContext == nullptr || viewer == nullptr) {
        delete viewer;
        return;
    }
    m_pViewer = viewer;
    AddChild(m_pViewer, true);
    m_pViewer->CreateAt(this, 20, 43, 408, 312);
    m_pViewer->SetContext(m_pContext);
    m_pViewer->SetScrollStep();
}

void CAerieInfoWnd::FillRecords()
{
    if (m_pContext == nullptr || m_pViewer == nullptr) {
        return;
    }
    m_pContext->Clear();
    const std::vector<std::string> records = AerieView::GetRecordTexts();
    if (records.empty()) {
        m_pContext->AddText("当前没有记录");
        return;
    }
    for (const std::string& record : records) {
        m_pContext->AddText(record.c_str());
    }
    m_pViewer->ScrollToBottom();
}

void CAerieInfoWnd::OnDraw()
{
    DrawTextRel(this, 190, 13, "信息", 0xFFFFFFFF);
}
