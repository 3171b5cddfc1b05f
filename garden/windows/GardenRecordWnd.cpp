#include "garden/windows/GardenRecordWnd.h"

#include <cstring>
#include <string>

#include "engine/LoginText.h"
#include "framework/richtext/ORVRichTextViewer.h"
#include "framework/richtext/ORVTextContext.h"
#include "framework/widgets/ORVEdit.h"
#include "garden/state/GardenDataMgr.h"
#include "garden/windows/GardenPanelKit.h"

ORV_IMPLEMENT_RUNTIME_CLASS(CGardenRecordWnd, CORVWindow)

namespace {

const GardenPanelRecordInstaller g_NewsRecord(GardenPanelSlot::kNews, ORV_RUNTIME_CLASS(CGardenRecordWnd));

constexpr u16 kBackground = 14;
constexpr u16 kNewsSub = 0x18;
constexpr i32 kDocumentLayout = 4;
constexpr int kLineLimit = 70;
constexpr u32 kNoticeColour = 0xFF000000;

}  // namespace

CGardenRecordWnd::CGardenRecordWnd() = default;

CGardenRecordWnd::~CGardenRecordWnd()
{
    if (m_pViewer != nullptr) {
        m_pViewer->SetContext(nullptr);
    }
    if (m_pDocument) {
        m_pDocument->Clear();
    }
}

void CGardenRecordWnd::OnCreate()
{
    CreatePanelFrame(kBackground, 38, 4, 3);
    CenterInParent();
    m_pDocument = std::make_unique<CTextContext>();
    m_pDocument->m_nLayoutValue = kDocumentLayout;
    m_pViewer = new CORVRichTextViewer();
    AddChild(m_pViewer, false);
    m_pViewer->CreateAt(this, 20, 43, 410, 312);
    m_pViewer->SetContext(m_pDocument.get());
    SendGardenRequest(kNewsSub);
    FillNews();
    m_pLineField = new CORVEdit();
    AddChild(m_pLineField, false);
    m_pLineField->CreateEdit(this, kTextSizeDefault, kPanelTextColour, 0, 20, 355, 400, 18);
    m_pLineField->m_nMaxLen = kLineLimit;
}

bool CGardenRecordWnd::OnMessage(ORVMsg* msg)
{
    if (msg != nullptr && msg->m_nId == kNotifyEditEnter && msg->m_pSender != nullptr &&
        msg->m_pSender == m_pLineField) {
        const char* text = m_pLineField->GetText();
        if (text != nullptr) {
            SendGardenText(text, static_cast<u32>(std::strlen(text)));   // over 10,000 bytes: not sent
        }
        m_pLineField->Clear();
        return true;
    }
    return CGardenPanel::OnMessage(msg);   // the close button
}

bool CGardenRecordWnd::ProcessMessage(ORVMsg* msg)
{
    if (msg != nullptr && msg->m_nId == kMsgGardenTopic &&
        (msg->m_wParam == TOPIC_NEWS || msg->m_wParam == TOPIC_NOTICE_LINE)) {
        FillNews();
        return true;
    }
    return CGardenPanel::ProcessMessage(msg);
}

void CGardenRecordWnd::FillNews()
{
    if (!m_pDocument) {
        return;
    }
    m_pDocument->Clear();
    const CGardenDataMgr& state = GetGardenDataMgr();
    if (state.m_vNews.empty()) {
        m_pDocument->AddText("\xB5\xB1\xC7\xB0\xC3\xBB\xD3\xD0\xBC\xC7\xC2\xBC", kPanelTextColour);   // "当前没有记录"
    } else {
        for (auto it = state.m_vNews.rbegin(); it != state.m_vNews.rend(); ++it) {
            m_pDocument->AddText(it->c_str(), kPanelTextColour);
        }
        for (const std::string& line : state.m_vNoticeLines) {
            m_pDocument->AddText(line.c_str(), kNoticeColour);
        }
    }
    if (m_pViewer != nullptr) {
        m_pViewer->OnSize();   // lays the document out again
    }
}

void CGardenRecordWnd::OnDraw()
{
    DrawPanelText(m_nAbsX + m_nWidth / 2, m_nAbsY + 16, "\xBB\xA8\xD4\xB0\xB6\xAF\xCC\xAC", kPanelTextColour,
                  kPanelTitleSize, 1);   // "花园动态"
}
