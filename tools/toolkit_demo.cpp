// The toolkit on its own, before any game is built on it: the printing host hands over its
// callback, a stand-in game window opens the way the game's reply would open it, and a queued
// message box is answered through simulated clicks, text is typed and pasted into an edit field
// and a row is picked from a drop-down list. Then the game data and the player's settings
// are read from their files (run from tools/, so "../data/help/..." is this repository's data/). Links the library's code statically, since
// it reaches toolkit objects the exports do not show.
#include <cstdio>

#include <string>
#include <vector>

#include "aerie/state/AerieConfigMgr.h"
#include "aerie/state/XmlAerieMgr.h"
#include "framework/control/ORVCtrlMgr.h"
#include "framework/control/ORVWindow.h"
#include "framework/core/GameHooks.h"
#include "framework/text/TextUtil.h"
#include "framework/widgets/ORVButton.h"
#include "framework/widgets/ORVChoice.h"
#include "framework/widgets/ORVEdit.h"
#include "framework/window/ORVMsgBox.h"
#include "maingame/orvane/ORVMgr.h"
#include "tools/DebugLines.h"
#include "tools/GbkText.h"
#include "tools/PrintingHost.h"
#include "tools/SampleInput.h"

using orv::sample::PrintingHost;

namespace {

constexpr u32 kTopicConfirmed = 1001;
constexpr u32 kTopicCancelled = 1002;

// Stands in for the game's main window: prints the game events the main window passes on.
class CDemoGameWnd : public CORVWindow {
    ORV_DECLARE_RUNTIME_CLASS(CDemoGameWnd)
public:
    bool ProcessMessage(ORVMsg* msg) override
    {
        if (msg != nullptr && msg->m_nId == ORV_MSG_GAMEWND) {
            std::printf("    game window got topic %u (%s)\n", msg->m_wParam,
                        msg->m_wParam == kTopicConfirmed ? "OK" : msg->m_wParam == kTopicCancelled ? "Cancel" : "?");
            return true;
        }
        return CORVWindow::ProcessMessage(msg);
    }
};

ORV_IMPLEMENT_RUNTIME_CLASS(CDemoGameWnd, CORVWindow)

void PrintBytes(const char* label, const std::string& bytes)
{
    std::printf("    %s (%zu GBK bytes):", label, bytes.size());
    for (unsigned char c : bytes) {
        std::printf(" %02X", c);
    }
    std::printf(" = \"%s\"\n", orv::sample::GbkToUtf8(bytes).c_str());
}

// A form with an edit field and a drop-down list: it answers the list's notifications as an owner
// does (open on a box click, select on a row click) and prints what both report.
class CDemoFormWnd : public CORVWindow {
public:
    CORVEdit* m_pEdit = nullptr;
    CORVChoice* m_pChoice = nullptr;

    void OnCreate() override
    {
        m_pEdit = new CORVEdit();
        AddChild(m_pEdit, false);
        m_pEdit->CreateEdit(this, 1, 0xFFFFFFFF, 0, 20, 20, 160, 14);   // takes the focus
        m_pChoice = new CORVChoice();
        AddChild(m_pChoice, true);
        m_pChoice->CreateBox(this, 20, 60, 120);
        for (const char* item : {"牧草", "木材", "石料", "金属"}) {
            m_pChoice->AddItem(item, 0xFFFFFFFF, 1);
        }
    }
    bool OnMessage(ORVMsg* msg) override
    {
        if (msg != nullptr && msg->m_pSender == m_pEdit && msg->m_nId == kNotifyEditChange) {
            std::printf("    form: the edit field changed, %d bytes now\n", m_pEdit->Length());
        } else if (msg != nullptr && msg->m_pSender == m_pChoice && msg->m_nId == kNotifyChoiceDrop) {
            std::printf("    form: the list's box was clicked: %s it\n", m_pChoice->m_bOpen ? "closing" : "opening");
            m_pChoice->m_bOpen ? m_pChoice->CloseList() : m_pChoice->DropDown();
        } else if (msg != nullptr && msg->m_pSender == m_pChoice && msg->m_nId == kNotifyChoiceSelect) {
            std::printf("    form: row %u was picked\n", msg->m_wParam);
            m_pChoice->SetCurSel(static_cast<int>(msg->m_wParam));
        }
        return CORVWindow::OnMessage(msg);
    }
};

void Frame(PrintingHost& host, int n = 1)
{
    host.Frames(n, [] { CORVMgr::GetSingleton().Render(); });
}

void ClickCentre(PrintingHost& host, CORVControl* ctrl)
{
    const int x = ctrl->m_nAbsX + ctrl->m_nWidth / 2;
    const int y = ctrl->m_nAbsY + ctrl->m_nHeight / 2;
    std::printf("    host: left click at (%d,%d)\n", x, y);
    const bool used = orv::sample::Click(CORVMgr::GetSingleton(), x, y);
    std::printf("    consumed by the library: %s\n", used ? "true" : "false");
}

}  // namespace

int main(int argc, char** argv)
{
    orv::sample::ShowDebugLinesOnStdout();
    PrintingHost host;
    host.m_strPictureDir = orv::sample::PictureDirFromArgs(argc, argv);
    host.m_Account.m_bVerbose = orv::sample::VerboseFromArgs(argc, argv);
    CORVMgr& mgr = CORVMgr::GetSingleton();
    SetSystemWindowRecord(ORV_MSG_GAMEWND, ORV_RUNTIME_CLASS(CDemoGameWnd));

    std::printf("-- the host hands over its callback: the main window is created\n");
    mgr.SetORVCallBack(&host);
    CORVMainWnd& main = CORVCtrlMgr::GetSingleton().m_MainWnd;
    std::printf("    main window at (%d,%d), %d x %d\n", main.m_nAbsX, main.m_nAbsY, main.m_nWidth, main.m_nHeight);

    std::printf("-- the game window opens (as the server's enter reply would open it)\n");
    ORVMsg open(ORV_MSG_GAMEWND, kSysWndOpen);
    CORVCtrlMgr::GetSingleton().RouteMessage(&open);
    std::printf("    IsAerieOpen() = %s\n", mgr.IsAerieOpen() ? "true" : "false");
    host.m_Summary.Window("game window (stand-in)");

    std::printf("-- a confirmation is queued, then a notice behind it\n");
    ORVMsgBoxQueue& boxes = ORVMsgBoxQueue::GetSingleton();
    boxes.ShowOkCancelBox(ORVMsg(ORV_MSG_GAMEWND, kTopicConfirmed), ORVMsg(ORV_MSG_GAMEWND, kTopicCancelled),
                          "确定要升级吗？");
    boxes.ShowOkBox(ORVMsg(ORV_MSG_GAMEWND, kTopicConfirmed), "升级已开始");
    for (int i = 0; i < 2 && boxes.m_pBox == nullptr; ++i) {
        Frame(host);
    }
    if (boxes.m_pBox == nullptr || boxes.m_pBox->m_pOkButton == nullptr) {
        std::printf("no message box opened\n");
        return 1;
    }
    Frame(host);
    host.m_Summary.Window("message box (confirmation)");
    host.SavePicture("message-box");

    std::printf("-- the player clicks OK on the first box\n");
    ClickCentre(host, boxes.m_pBox->m_pOkButton);
    std::printf("-- the player clicks OK again before the box has gone (ignored)\n");
    ClickCentre(host, boxes.m_pBox->m_pOkButton);
    Frame(host, 4);
    if (boxes.m_pBox != nullptr && boxes.m_pBox->m_pOkButton != nullptr) {
        std::printf("-- the second box is shown; the player clicks its only button\n");
        host.m_Summary.Window("message box (notice)");
        ClickCentre(host, boxes.m_pBox->m_pOkButton);
        Frame(host, 4);
    }
    std::printf("-- boxes left: %zu, box open: %s\n", boxes.m_vMsgBuf.size(), boxes.m_pBox ? "yes" : "no");

    std::printf("-- a form with an edit field and a drop-down list opens\n");
    auto* form = new CDemoFormWnd();
    main.AddChild(form, false);
    form->CreateAt(&main, 100, 100, 300, 200);
    host.m_Summary.Window("form with an edit field and a drop-down list");
    CORVEdit* edit = form->m_pEdit;
    std::printf("-- the player types two Chinese characters and \", ok\" (each GBK character as two character messages),\n"
                "   a frame after each character: the field tells its owner of each change\n");
    const std::string typed = "你好, ok";
    for (std::size_t i = 0; i < typed.size();) {
        const std::size_t len = static_cast<unsigned char>(typed[i]) >= 0x80 && i + 1 < typed.size() ? 2 : 1;
        for (std::size_t k = i; k < i + len; ++k) {
            mgr.WndProc(nullptr, WM_CHAR, static_cast<unsigned char>(typed[k]), 0);
        }
        std::printf("    typed \"%s\"\n", orv::sample::GbkToUtf8(typed.substr(i, len)).c_str());
        i += len;
        Frame(host);
    }
    std::printf("-- the host's clipboard holds two Chinese characters; the player pastes them\n");
    const std::string clip = "测试";
    CopyToClipboard(clip.c_str(), static_cast<int>(clip.size()));
    edit->Paste();
    Frame(host);
    PrintBytes("edit field text", edit->m_strText);
    std::printf("    byte kinds:");
    for (u8 kind : edit->m_vFlags) {
        std::printf(" %02X", kind);
    }
    std::printf("\n    caret at byte %d, %d px\n", edit->m_nCaret, edit->m_nCaretX);

    std::printf("-- the player clicks the drop-down list and picks its third row\n");
    CORVChoice* choice = form->m_pChoice;
    ClickCentre(host, choice);
    Frame(host, 2);
    if (!choice->m_bOpen) {
        std::printf("the list did not open\n");
        return 1;
    }
    host.SavePicture("drop-down-list");
    const int rowX = choice->m_nAbsX + 30;
    const int rowY = choice->m_nAbsY + choice->ListTop() + 2 * choice->m_nRowHeight + 5;
    std::printf("    host: mouse to (%d,%d), left click\n", rowX, rowY);
    orv::sample::Click(mgr, rowX, rowY);
    Frame(host, 2);
    const ORVChoiceItem* picked = choice->GetSelectedItem();
    std::printf("    selection %d, list %s\n", choice->m_nCurSel, choice->m_bOpen ? "open" : "closed");
    if (picked != nullptr) {
        PrintBytes("selected text", picked->m_strText);
    }
    main.DeleteChild(form);

    std::printf("-- the game data and the player's settings, read on first use\n");
    const CXmlAerieMgr* data = CXmlAerieMgr::GetSingleton();
    std::vector<CXmlFight> robberies;
    data->GetFightsOfGroup(1, robberies);
    const CXmlBuilding* castle = data->FindBuilding(0);
    std::printf("    main-line missions: %d, robbery fights: %zu, castle found: %s\n", data->GetMissionMainCount(),
                robberies.size(), castle != nullptr ? "yes" : "no");
    CAerieConfigMgr* settings = CAerieConfigMgr::GetSingleton();
    std::printf("    confirm before a common refresh: %s\n",
                settings->AsksConfirmation("CommonRefurbish") ? "yes" : "no");

    std::printf("-- the host closes the game\n");
    mgr.CloseAerie();
    std::printf("    IsAerieOpen() = %s\n", mgr.IsAerieOpen() ? "true" : "false");
    host.m_Summary.Requests(host.m_nRequests, host.m_nRequestsDecoded);
    std::printf("\n");
    host.m_Summary.Print("toolkit demo", "by the request table");
    return 0;
}
