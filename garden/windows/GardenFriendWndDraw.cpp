// The friends panel's drawing: the empty text, or the hovered row's outline and the visible rows
// with their love-plot or ripe status.
#include "framework/text/TextUtil.h"
#include "framework/widgets/ORVScroll.h"
#include "garden/windows/GardenFriendWnd.h"
#include "garden/windows/GardenPanelKit.h"
#include "glimmer/Glimmer.h"

namespace {

constexpr u32 kHoverColour = 0xFF40FDFB;
// The status colour as the panel has always given it: its alpha byte is 0, and what that shows is
// the renderer's concern.
constexpr u32 kStatusColour = 0x00FF8C7C;
constexpr u8 kFlagRipe = 0x01;
constexpr u8 kFlagLovePlot = 0x02;

}  // namespace

void CGardenFriendWnd::OnDraw()
{
    const int x = m_nAbsX;
    const int y = m_nAbsY;
    const int left = x + m_nListX;
    const int top = y + m_nListY;
    const std::vector<FriendRecord>& rows = CopyRows();
    const int n = static_cast<int>(rows.size());
    if (n == 0) {
        DrawPanelText(left, top + 5,
                      ListMode() == kStrangers ? "\xC3\xBB\xD3\xD0\xBF\xC9\xB7\xC3\xCE\xCA\xB5\xC4\xC4\xB0\xC9\xFA\xC8\xCB"
                                               : "\xC3\xBB\xD3\xD0\xBF\xC9\xB7\xC3\xCE\xCA\xB5\xC4\xBA\xC3\xD3\xD1");
        return;
    }
    if (m_nHoverRow >= 0) {
        g_CG.DrawRectangle(kHoverColour, left, top + m_nHoverRow * m_nRowHeight, left + m_nRowWidth,
                           top + (m_nHoverRow + 1) * m_nRowHeight, 1);
    }
    const int first = ScrollPos();
    char name[garden_layout::kNameSize + 1];
    for (int i = 0; i < kRows && first + i < n; ++i) {
        const FriendRecord& row = rows[static_cast<std::size_t>(first + i)];
        const std::string_view display = row.Text(garden_layout::kFriendDisplay, garden_layout::kNameSize);
        display.copy(name, display.size());
        name[display.size()] = '\0';
        const int rowY = top + m_nTextY + i * m_nRowHeight;
        DrawPanelText(left + m_nNameX, rowY, name, i == m_nHoverRow ? kHoverColour : kPanelTextColour);
        const u8 flags = row.m_Bytes[garden_layout::kFriendFlags];
        const char* status = nullptr;
        if ((flags & kFlagLovePlot) != 0) {
            status = "\xA3\xA8\xB0\xAE\xD0\xC4\xB5\xD8\xA3\xA9";   // "（爱心地）"
        } else if ((flags & kFlagRipe) != 0) {
            status = "\xA3\xA8\xD2\xD1\xB3\xC9\xCA\xEC\xA3\xA9";   // "（已成熟）"
        }
        if (status != nullptr) {
            DrawPanelText(x + 173, rowY, status, kStatusColour, kTextSizeDefault, 2);
        }
    }
}
