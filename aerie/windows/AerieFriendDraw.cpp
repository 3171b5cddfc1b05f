// Drawing of the friend lists.
#include "aerie/state/AerieListEntries.h"
#include "aerie/windows/AerieCityView.h"
#include "aerie/windows/AerieFriend.h"
#include "framework/text/TextUtil.h"

namespace {

constexpr u32 kNameColour = 0xFFFFFF00;
constexpr u32 kFightColour = 0xFFFF0000;
constexpr u32 kEggColour = 0xFF00FF00;
constexpr u8 kFlagEggDone = 0x01;
constexpr u8 kFlagFightWait = 0x02;
// "[战]" shows from this main-city level of the own city on.
constexpr u16 kFightFlagLevel = 3;

const char* const kEmptyTexts[3] = {"没有可访问的好友", "没有可访问的旅团好友", "没有可访问的陌生人"};

}  // namespace

void CAerieFriendListWnd::OnDraw()
{
    DrawFriendRows();
}

void CAerieFriendListWnd::DrawFriendRows()
{
    m_Rows.DrawBars(this);
    const std::vector<AerieFriendEntry>& friends = AerieView::FriendList();
    const int x = kListLeft + kTextX;
    if (friends.empty()) {
        const i32 mode = Mode();
        DrawTextRel(this, x, kListTop + kTextY, kEmptyTexts[mode >= 0 && mode < 3 ? mode : 0], 0xFFFFFFFF);
        return;
    }
    const bool fightFlags = AerieView::GetMainCityLevel(true) >= kFightFlagLevel;
    const int right = kListLeft + kRowWidth;
    const int count = static_cast<int>(friends.size());
    const int selected = m_Rows.SelectedRow();
    for (int r = 0; r < m_Rows.Rows(); ++r) {
        const int entry = m_Rows.EntryOfRow(r, count);
        if (entry < 0) {
            break;
        }
        const AerieFriendEntry& item = friends[static_cast<std::size_t>(entry)];
        const int y = m_Rows.RowTop(r) + kTextY;
        DrawTextRel(this, x, y, EntryNameText(item.GetName()).c_str(),
                    r == selected ? CListRows::kActiveTextColour : kNameColour);
        const u8 flags = item.GetFlags();
        if ((flags & kFlagFightWait) != 0 && fightFlags) {
            DrawTextRel(this, right - GetTextWidth("[战]", 1) - 50, y, "[战]", kFightColour);
        }
        if ((flags & kFlagEggDone) != 0) {
            DrawTextRel(this, right - GetTextWidth("[孵]", 1) - 10, y, "[孵]", kEggColour);
        }
    }
}
