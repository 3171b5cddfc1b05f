#include "aerie/windows/AerieWndUtil.h"

#include <cstdint>

#include "aerie/state/AerieConfigMgr.h"
#include "aerie/windows/AerieNewBie.h"
#include "framework/control/ORVCtrlMgr.h"
#include "framework/control/SizeSeam.h"
#include "framework/text/TextUtil.h"
#include "framework/widgets/ORVChoice.h"
#include "framework/widgets/ORVToolTip.h"
#include "framework/window/BackgroundFit.h"
#include "framework/window/ORVMsgBox.h"
#include "platform/Platform.h"

void GameTip(const std::string& text, u32 colour, int frames)
{
    CAutoTip::GetSingleton().AddText(text, colour, frames);
}

bool RefuseDuringTutorial(const char* text)
{
    if (!CAerieNewBie::GetSingleton().IsActive()) {
        return false;
    }
    GameTip(text != nullptr ? text : "");
    return true;
}

ORVMsg GameEvent(u32 topic, u32 param, const std::string& text, CORVControl* sender)
{
    ORVMsg msg(ORV_MSG_GAMEWND, topic, param, text);
    msg.m_pSender = sender;
    return msg;
}

void PostGameEventAfter(u32 topic, u32 param, u32 delay)
{
    ORVMsg msg = GameEvent(topic, param);
    PostToManager(&msg, delay);
}

void AskThen(const std::string& text, const ORVMsg& ok, const ORVMsg& cancel)
{
    ORVMsgBoxQueue::GetSingleton().ShowOkCancelBox(ok, cancel, text);
}

namespace {

// The text of an OK message that carries a settings key: a tag byte, the write rule ('0' for
// ZeroWhenTickedElseOne, 'T' for ZeroOnlyWhenTicked), then the key. Written and read here only.
constexpr char kConfirmKeyTag = '\x1F';
constexpr char kWriteAlways = '0';
constexpr char kWriteTicked = 'T';

}  // namespace

bool AskWithCheckIfNeeded(const char* key, const std::string& text, const std::string& checkCaption,
                          const ORVMsg& ok, const ORVMsg& cancel, ConfirmWrite write)
{
    if (key == nullptr || *key == '\0' || !CAerieConfigMgr::GetSingleton()->AsksConfirmation(key)) {
        return false;
    }
    ORVMsgBoxRequest req;
    req.m_OkMsg = ok;
    req.m_OkMsg.m_strText.assign(1, kConfirmKeyTag);
    req.m_OkMsg.m_strText += write == ConfirmWrite::ZeroOnlyWhenTicked ? kWriteTicked : kWriteAlways;
    req.m_OkMsg.m_strText += key;
    req.m_CancelMsg = cancel;
    req.m_nStyle = kMsgBoxStyleBase | kMsgBoxStyleTwoButtons | kMsgBoxStyleCheck;
    req.m_strText = text;
    req.m_strCheckText = checkCaption;
    ORVMsgBoxQueue::GetSingleton().ShowMsgBox(req);
    return true;
}

bool RememberConfirmAnswer(const ORVMsg& msg)
{
    const std::string& text = msg.m_strText;
    if (msg.m_nId != ORV_MSG_GAMEWND || text.size() < 3 || text[0] != kConfirmKeyTag ||
        (text[1] != kWriteAlways && text[1] != kWriteTicked)) {
        return false;
    }
    const std::string key = text.substr(2);
    CORVMsgBox* box = ORVMsgBoxQueue::GetSingleton().m_pBox;
    const bool ticked = box != nullptr && box->IsChecked();
    if (text[1] == kWriteAlways) {
        CAerieConfigMgr::GetSingleton()->AnswerConfirmation(key, ticked);
    } else if (ticked) {
        CAerieConfigMgr::GetSingleton()->SetValue(key, 0);
    }
    return true;
}

std::string FormatDurationHMS(u32 seconds)
{
    char text[32];
    return BoundedPrintf(text, sizeof(text), "%02u:%02u:%02u", seconds / 3600, seconds / 60 % 60, seconds % 60);
}

void CutGbk(std::string& text, std::size_t maxBytes)
{
    if (text.size() > maxBytes) {
        text.resize(GbkWholePrefix(text.data(), text.size(), maxBytes));
    }
}

void InitFrame(CORVWindow* wnd, u16 backFrame, int closeRight, int closeTop)
{
    if (wnd == nullptr) {
        return;
    }
    if (backFrame != 0) {
        FitToBackground(*wnd, backFrame);
    } else {
        wnd->m_wBackFrame = 0;
        wnd->CenterInParent();
    }
    wnd->CreateButton(wnd->m_nWidth - closeRight, closeTop, &wnd->m_pCloseButton, kCloseButtonFrame, true,
                      true, "");
}

void GetWindowImageSize(int frame, int* w, int* h)
{
    int width = 0;
    int height = 0;
    GetBuildImageSize(frame, kImageSetWindow, &width, &height);
    if (w != nullptr) {
        *w = width;
    }
    if (h != nullptr) {
        *h = height;
    }
}

int FirstShownEntry(int scrollPos, int perRow, int firstRow)
{
    const long long entry = (static_cast<long long>(scrollPos < 0 ? 0 : scrollPos) + firstRow) * perRow;
    return entry < 0 ? 0 : entry > INT32_MAX ? INT32_MAX : static_cast<int>(entry);
}

int CListRows::HitRow(int x, int y, int entryCount) const
{
    if (m_nPitch <= 0 || x <= m_nLeft || x >= m_nLeft + m_nWidth || y <= m_nTop ||
        y >= m_nTop + m_nRows * m_nPitch) {
        return -1;
    }
    const int row = (y - m_nTop) / m_nPitch;
    if (y >= RowTop(row) + m_nRowHeight) {
        return -1;   // in the gap below the row
    }
    return EntryOfRow(row, entryCount) >= 0 ? row : -1;
}

int CListRows::EntryOfRow(int r, int entryCount) const
{
    if (r < 0 || r >= m_nRows) {
        return -1;
    }
    const long long entry = static_cast<long long>(m_nFirst) + r;
    return entry < entryCount ? static_cast<int>(entry) : -1;
}

bool CListRows::Select(int x, int y, int entryCount)
{
    const int row = HitRow(x, y, entryCount);
    if (row < 0) {
        return false;
    }
    m_nSel = m_nFirst + row;
    return true;
}

int CListRows::SelectedRow() const
{
    if (m_nSel < m_nFirst) {
        return -1;
    }
    const long long row = static_cast<long long>(m_nSel) - m_nFirst;
    return row < m_nRows ? static_cast<int>(row) : -1;
}

void CListRows::DrawBars(CORVControl* ctrl) const
{
    if (ctrl == nullptr) {
        return;
    }
    if (m_nHover >= 0 && m_nHover < m_nRows) {
        ctrl->DrawStretchedBar(kHoverBarFrame, m_nLeft, RowTop(m_nHover), m_nWidth, 0xFFFFFFFF);
    }
    if (const int sel = SelectedRow(); sel >= 0) {
        ctrl->DrawStretchedBar(kSelectBarFrame, m_nLeft, RowTop(sel), m_nWidth, 0xFFFFFFFF);
    }
}

u32 CListRows::TextColour(int r, u32 normal) const
{
    return r >= 0 && (r == m_nHover || r == SelectedRow()) ? kActiveTextColour : normal;
}

bool ForwardWheel(CORVControl* wnd, const ORVMsg* msg, const CORVControl* bar)
{
    if (wnd == nullptr || msg == nullptr || msg->m_nId != ORV_MSG_MOUSEWHEEL || bar == nullptr) {
        return false;
    }
    const int x = PackedX(msg->m_wParam) - wnd->m_nAbsX;
    const int y = PackedY(msg->m_wParam) - wnd->m_nAbsY;
    if (x < 0 || y < 0 || x >= wnd->m_nWidth || y >= wnd->m_nHeight) {
        return false;   // over another window
    }
    wnd->OnMouseWheel(x, y, WheelDelta(msg->m_lParam));
    return true;
}

ChoiceNotice TakeChoiceNotice(CORVChoice* choice, const ORVMsg* msg, int* before)
{
    if (choice == nullptr || msg == nullptr || msg->m_pSender != choice) {
        return ChoiceNotice::kNotFromChoice;
    }
    if (msg->m_nId == kNotifyChoiceDrop) {
        return ChoiceNotice::kDrop;
    }
    if (msg->m_nId != kNotifyChoiceSelect) {
        return ChoiceNotice::kOther;
    }
    *before = choice->m_nCurSel;
    if (msg->m_wParam < choice->m_vItems.size()) {
        choice->SetCurSel(static_cast<int>(msg->m_wParam));   // which shuts the list
    }
    return ChoiceNotice::kPick;
}

void DropChoiceList(CORVChoice* choice)
{
    if (choice != nullptr) {
        choice->DropDown();
    }
}

bool FollowChoice(CORVChoice* choice, const ORVMsg* msg)
{
    return FollowChoice(choice, msg, [](int) {});
}
