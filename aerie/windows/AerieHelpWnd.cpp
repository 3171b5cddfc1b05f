#include "aerie/windows/AerieHelpWnd.h"

#include <algorithm>
#include <cstring>
#include <new>

#include "aerie/state/AerieDataMgr.h"
#include "aerie/windows/AerieCityView.h"
#include "aerie/windows/AerieWndRecords.h"
#include "aerie/windows/AerieWndUtil.h"
#include "framework/core/ScratchBuffer.h"
#include "framework/file/ORVStream.h"
#include "framework/help/ORVHelpText.h"
#include "framework/text/TextUtil.h"
#include "framework/widgets/ORVScroll.h"
#include "platform/Platform.h"

ORV_IMPLEMENT_RUNTIME_CLASS(CAerieHelpWnd, CAerieContainer)

namespace {

struct HelpWndRegistration {
    HelpWndRegistration() { SetAerieWindowRecord(AerieWndKind::Help, ORV_RUNTIME_CLASS(CAerieHelpWnd)); }
} g_HelpWndRegistration;

constexpr char kIndexFile[] = "help/aeriemain.txt";
constexpr int kIndexPage = 0;
constexpr int kContentPage = 1;

// Link colours of the index and the content page: normal, under the mouse, pressed.
constexpr u32 kLinkColour[2][3] = {{0xFF10315A, 0xFF00FFFF, 0xFF526BA5}, {0xFFDEA500, 0xFFFFFF00, 0xFFCEBD7B}};

bool IsLinkKind(i32 kind)
{
    return kind == ORV_HELP_HTTP || kind == ORV_HELP_LOCAL || kind == ORV_HELP_IE;
}

}  // namespace

CAerieHelpWnd::CAerieHelpWnd() = default;

CAerieHelpWnd::~CAerieHelpWnd()
{
    BeginTeardown();
    if (m_pScroll != nullptr) {
        WindowKeep().m_nHelpScroll = m_pScroll->m_nPos;
    }
}

const std::string& CAerieHelpWnd::CurrentLink()
{
    return WindowKeep().m_strHelpLink;
}

void CAerieHelpWnd::LoadHelpFile(const char* path, int page)
{
    CORVHelpText* target = AerieView::GetHelpPage(page);
    if (path == nullptr || target == nullptr) {
        return;
    }
    CORVStream* stream = CORVStream::GetSingleton();
    char fullPath[512];
    BoundedPrintf(fullPath, sizeof(fullPath), "%sdata/%s", stream->GetRootPath(), path);
    ORVStreamHandle* file = stream->Open(fullPath);
    if (file == nullptr) {
        BoundedPrintf(g_ScratchBuffer, kScratchBufferSize, "%s", "文件打开错误");
    } else {
        // Whole pieces while they fit, the last one cut: the text ends one byte before the end.
        const std::size_t limit = kScratchBufferSize - 1;
        std::size_t used = 0;
        char piece[CORVStream::kPieceSize];
        while (used < limit) {
            const u32 got = stream->Read(file, piece);
            const std::size_t take = std::min<std::size_t>(got, limit - used);
            std::memcpy(g_ScratchBuffer + used, piece, take);
            used += take;
            if (got < CORVStream::kPieceSize) {
                break;
            }
        }
        g_ScratchBuffer[used] = '\0';
        stream->Close(file);
    }
    target->Layout();
    if (page == kIndexPage) {
        WindowKeep().m_strHelpLink.clear();
        WindowKeep().m_nHelpLinkKind = ORV_HELP_LOCAL;
    }
}

void CAerieHelpWnd::CloseButtonPlace(int* fromRight, int* top) const
{
    *fromRight = 33;
    *top = 8;
}

CORVScroll* CAerieHelpWnd::ScrollBar() const
{
    return m_pScroll;
}

void CAerieHelpWnd::OnCreateControls()
{
    for (int page = 0; page < 2; ++page) {
        if (CORVHelpText* text = AerieView::GetHelpPage(page)) {
            text->Clear();
        }
    }
    m_pScroll = new (std::nothrow) CORVVScroll();
    if (m_pScroll != nullptr) {
        AddChild(m_pScroll, false);
        m_pScroll->SetTrackImage(0);
        m_pScroll->CreateBar(this, 508, 40, 370);
        m_pScroll->SetPos(0);
    }
    LoadHelpFile(kIndexFile, kIndexPage);
}

void CAerieHelpWnd::UpdateScrollRange()
{
    if (m_pScroll == nullptr) {
        return;
    }
    const CORVHelpText* content = AerieView::GetHelpPage(kContentPage);
    const int lines = content != nullptr ? static_cast<int>(std::min<std::size_t>(content->m_vLines.size(), 0x7FFFFFFF)) : 0;
    const int range = lines - m_nContentRows;
    if (range > 0) {
        m_pScroll->m_bEnabled = 1;
        m_pScroll->SetRange(range);
    } else {
        m_pScroll->m_bEnabled = 0;
        m_pScroll->SetPos(0);
        m_pScroll->SetRange(0);
    }
}

void CAerieHelpWnd::Render()
{
    const ORVLifeWatch life = Watch();
    CAerieGameWnd::Render();
    if (life.expired()) {
        return;
    }
    m_vLinks.clear();
    const std::string* firstLink = nullptr;
    int firstKind = 0;
    if (const CORVHelpText* index = AerieView::GetHelpPage(kIndexPage)) {
        DrawHelpPage(*index, 0, m_nPageX, m_nPageY, 0x7FFFFFFF, kIndexPage, &firstLink, &firstKind);
    }
    if (const CORVHelpText* content = AerieView::GetHelpPage(kContentPage)) {
        const int first = m_pScroll != nullptr ? m_pScroll->m_nPos : 0;
        DrawHelpPage(*content, first, m_nPageX + kContentOffset, m_nPageY, m_nContentRows, kContentPage, &firstLink,
                     &firstKind);
    }
    if (firstLink == nullptr) {
        return;
    }
    // The first link drawn after opening: it is shown unless another link is current.
    AerieWindowKeep& keep = WindowKeep();
    if (keep.m_strHelpLink.empty()) {
        keep.m_strHelpLink = *firstLink;
        keep.m_nHelpLinkKind = firstKind;
    }
    if (keep.m_nHelpLinkKind == ORV_HELP_LOCAL) {
        const std::string link = keep.m_strHelpLink;
        LoadHelpFile(link.c_str(), kContentPage);
    } else if (keep.m_nHelpLinkKind == ORV_HELP_IE) {
        orv::platform::Get().OpenLink(keep.m_strHelpLink.c_str());
    }
    UpdateScrollRange();
    if (m_pScroll != nullptr) {
        m_pScroll->SetPos(keep.m_nHelpScroll);
    }
}

bool CAerieHelpWnd::OnMouseMove(int x, int y)
{
    m_nMouseX = x;
    m_nMouseY = y;
    if (x >= kContentOffset && x < 482 && y >= m_nPageY && y < 415) {
        return true;   // no dragging from the text
    }
    return CAerieGameWnd::OnMouseMove(x, y);
}

bool CAerieHelpWnd::OnLButtonDown(int x, int y)
{
    m_nMouseX = x;
    m_nMouseY = y;
    m_bPressed = 1;
    return CAerieGameWnd::OnLButtonDown(x, y);
}

bool CAerieHelpWnd::OnLButtonUp(int x, int y)
{
    m_bPressed = 0;
    m_nMouseX = -1;
    m_nMouseY = -1;
    const auto hit = std::find_if(m_vLinks.begin(), m_vLinks.end(), [x, y](const Link& link) {
        return link.m_nLeft < x && x < link.m_nRight && link.m_nTop < y && y < link.m_nBottom;
    });
    if (hit != m_vLinks.end() && (hit->m_nKind == ORV_HELP_LOCAL || hit->m_nKind == ORV_HELP_IE)) {
        const Link link = *hit;
        if (link.m_nKind == ORV_HELP_LOCAL) {
            LoadHelpFile(link.m_strLink.c_str(), kContentPage);
        } else {
            orv::platform::Get().OpenLink(link.m_strLink.c_str());
        }
        UpdateScrollRange();
        AerieWindowKeep& keep = WindowKeep();
        if (link.m_strLink != keep.m_strHelpLink && link.m_strLink.rfind('@', 0) != 0) {
            keep.m_strHelpLink = link.m_strLink;
            keep.m_nHelpLinkKind = link.m_nKind;
            if (m_pScroll != nullptr) {
                m_pScroll->SetPos(0);
            }
        }
    }
    return CAerieGameWnd::OnLButtonUp(x, y);
}

void CAerieHelpWnd::DrawHelpPage(const CORVHelpText& page, int first, int x, int y, int maxLines, int pageIndex,
                                 const std::string** firstLink, int* firstKind)
{
    if (first < 0) {
        first = 0;
    }
    int drawn = 0;
    for (std::size_t i = static_cast<std::size_t>(first); i < page.m_vLines.size() && y < kPageBottom && drawn < maxLines;
         ++i, ++drawn) {
        const ORVHelpLine& line = page.m_vLines[i];
        int cx = x;
        for (const ORVHelpItem& item : line.m_vItems) {
            const char* text = item.m_strText.c_str();
            const int width = kByteWidth * static_cast<int>(std::min<std::size_t>(item.m_strText.size(), 0xFFFF));
            if (item.m_nKind == ORV_HELP_TEXT || item.m_nKind == ORV_HELP_COLOR) {
                const u32 colour = item.m_dwColor >= 0x01000000 ? item.m_dwColor : page.m_dwColor;
                DrawText(cx, y, text, colour, 0, 0, 1, 1);
            } else if (IsLinkKind(item.m_nKind)) {
                const bool picture = item.m_strText.rfind("@=", 0) == 0;
                const int right = picture ? cx : cx + width;
                const int bottom = picture ? y : y + page.m_nLineHeight;
                const bool over = m_nMouseX >= cx && m_nMouseX < right && m_nMouseY >= y && m_nMouseY < bottom;
                u32 colour = kLinkColour[pageIndex][0];
                if (over) {
                    colour = kLinkColour[pageIndex][m_bPressed ? 2 : 1];
                    if (m_bPressed) {
                        m_vLinks.push_back(Link{item.m_nKind, y, bottom, cx, right, item.m_strLink});
                    }
                }
                DrawText(cx, y, text, colour, 0, 0, 0, 1);
                if (m_bFirstDraw) {
                    m_bFirstDraw = 0;
                    *firstLink = &item.m_strLink;
                    *firstKind = item.m_nKind;
                }
            } else {
                continue;   // empty lines, pictures, background, areas and back items take no room
            }
            cx += width;
        }
        y += line.m_nHeight;
    }
}
