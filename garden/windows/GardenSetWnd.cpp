#include "garden/windows/GardenSetWnd.h"

#include <cstring>
#include <string>

#include "engine/ORVConfigMgr.h"
#include "framework/core/ByteOrder.h"
#include "framework/text/TextUtil.h"
#include "framework/widgets/ORVButton.h"
#include "framework/widgets/ORVChoice.h"
#include "framework/widgets/ORVEdit.h"
#include "garden/state/GardenDataMgr.h"
#include "garden/state/XmlGardenMgr.h"
#include "garden/windows/GardenPanelKit.h"

ORV_IMPLEMENT_RUNTIME_CLASS(CGardenSetWnd, CORVWindow)

namespace {

const GardenPanelRecordInstaller g_SettingsRecord(GardenPanelSlot::kSettings, ORV_RUNTIME_CLASS(CGardenSetWnd));

namespace L = garden_layout;

constexpr u16 kBackground = 9;
constexpr u16 kOkFrame = 9;
constexpr u16 kTabFrame = 168;
constexpr u16 kCheckFrame = 24;
constexpr u16 kLoadSub = 0x29;
constexpr u16 kSaveSentencesSub = 0x13;
constexpr u16 kBackgroundSub = 0x2a;
constexpr int kSentenceLimit = 52;
constexpr u16 kSlotRecord = 14;
constexpr u16 kTextRecord = 15;
constexpr std::int64_t kSecondsPerDay = 86400;
constexpr std::int64_t kDaysShown = 1000;

std::int64_t OwnedSeconds(const Record10& r)
{
    return static_cast<std::int64_t>(static_cast<std::uint64_t>(r.U32(L::kOwnedBgSeconds)) |
                                     static_cast<std::uint64_t>(r.U32(L::kOwnedBgSeconds + 4)) << 32);
}

void AppendU16(std::string& s, u16 v)
{
    s.push_back(static_cast<char>(v & 0xFF));
    s.push_back(static_cast<char>(v >> 8));
}

}  // namespace

CGardenSetWnd::CGardenSetWnd()
{
    SendGardenRequest(kLoadSub);
}

CGardenSetWnd::~CGardenSetWnd() = default;

void CGardenSetWnd::OnCreate()
{
    CreatePanelFrame(kBackground, 33, 4, 3);
    CenterInParent();
    CreateButton(155, 320, &m_pOkButton, kOkFrame, true, true, "");
    m_pTabs = new CORVRadioGroup();
    AddChild(m_pTabs, false);
    m_pTabs->CreateGroup(this, 33, 40, kTabFrame, kTabs, 0, 87);
    m_pTabs->SetCurSel(0);
    BuildTab(0);
}

bool CGardenSetWnd::OnMessage(ORVMsg* msg)
{
    if (msg == nullptr) {
        return true;
    }
    CORVControl* sender = msg->m_pSender;
    if (sender == nullptr) {
        return CGardenPanel::OnMessage(msg);
    }
    if (msg->m_nId == kNotifyLeftClick && sender == m_pTabs) {
        BuildTab(m_pTabs->m_nCurSel);
    } else if (msg->m_nId == kNotifyLeftClick && sender == m_pOkButton) {
        Apply();
    } else if (msg->m_nId == kNotifyChoiceSelect && sender == m_pBackgrounds) {
        ChooseBackground(static_cast<int>(msg->m_wParam));
    } else if (msg->m_nId == kNotifyChoiceDrop && sender == m_pBackgrounds) {
        if (m_pBackgrounds->m_bOpen) {
            m_pBackgrounds->CloseList();
        } else {
            m_pBackgrounds->DropDown();
        }
    } else {
        return CGardenPanel::OnMessage(msg);   // the close button
    }
    return true;
}

bool CGardenSetWnd::ProcessMessage(ORVMsg* msg)
{
    // The sentences fill a shown tab 1; the message goes on to the window's own routing as well.
    if (msg != nullptr && msg->m_nId == kMsgGardenTopic && msg->m_wParam == TOPIC_REPLY511 && m_nTab == 1) {
        FillSentences();
    }
    return CGardenPanel::ProcessMessage(msg);
}

void CGardenSetWnd::BuildTab(int tab)
{
    if (tab < 0 || tab >= kTabs) {
        return;
    }
    DeleteChildAndReset(m_pAutoUseCard);
    DeleteChildAndReset(m_pCardHint);
    for (CORVEdit*& field : m_apSentences) {
        DeleteChildAndReset(field);
    }
    DeleteChildAndReset(m_pBackgrounds);
    m_vChoiceOwned.clear();
    m_nTab = tab;
    if (tab == 0) {
        CORVConfigMgr& config = CORVConfigMgr::GetSingleton();
        const struct {
            CORVCheck** field;
            int y;
            const char* key;
        } boxes[] = {{&m_pAutoUseCard, 133, ORVConfigKey::AutoUseStealCard},
                     {&m_pCardHint, 206, ORVConfigKey::OpenStealCardTip}};
        for (const auto& b : boxes) {
            auto* box = new CORVCheck();
            box->m_wFrame = kCheckFrame;
            AddChild(box, false);
            box->CreateCheck(this, 255, b.y);
            box->SetLatch(config.GetValue(b.key) != 0 ? 1 : 0);
            *b.field = box;
        }
    } else if (tab == 1) {
        for (int i = 0; i < kSentences; ++i) {
            auto* field = new CORVEdit();
            AddChild(field, false);
            field->CreateEdit(this, kTextSizeDefault, kPanelTextColour, 0, 35, 128 + 50 * i, 316, 18);
            field->m_nMaxLen = kSentenceLimit;
            m_apSentences[i] = field;
        }
        // The state's sentences, when they came before the tab was shown.
        FillSentences();
    } else {
        m_pBackgrounds = new CORVChoice();
        AddChild(m_pBackgrounds, false);
        m_pBackgrounds->CreateBox(this, 109, 160, 145);
        const CXmlGardenMgr& data = GetXmlGardenMgr();
        const std::vector<Record10>& owned = GetGardenDataMgr().m_vOwnedBackgrounds;
        std::string name;
        for (std::size_t i = 0; i < owned.size(); ++i) {
            if (data.GetBackgroundName(owned[i].U16(L::kOwnedBgId), name)) {
                m_pBackgrounds->AddItem(name, kPanelGreenColour, 0);
                m_vChoiceOwned.push_back(i);
            }
        }
        if (!owned.empty()) {
            ShowBackgroundTip(0);
        }
    }
}

void CGardenSetWnd::FillSentences()
{
    for (const Reply511Record& r : GetGardenDataMgr().m_vReply511) {
        if (r.m_dwValue < 1 || r.m_dwValue > kSentences) {
            continue;
        }
        if (CORVEdit* field = m_apSentences[r.m_dwValue - 1]) {
            const std::string text(r.m_strText.c_str(), strnlen(r.m_strText.c_str(), kSentenceLimit));
            field->SetText(text.c_str());
        }
    }
}

void CGardenSetWnd::ValidityText(std::int64_t seconds, const char* tips, char* out, std::size_t size)
{
    const std::int64_t days = seconds / kSecondsPerDay;
    if (days <= kDaysShown) {
        BoundedPrintf(out, size, "\xD3\xD0\xD0\xA7\xCA\xB9\xD3\xC3\xCA\xB1\xBC\xE4\xCA\xA3\xD3\xE0%d\xCC\xEC,%s",
                      static_cast<int>(days), tips);   // "有效使用时间剩余%d天,%s"
    } else {
        BoundedPrintf(out, size, "\xD3\xD0\xD0\xA7\xCA\xB9\xD3\xC3\xCA\xB1\xBC\xE4\xCE\xAA\xD3\xC0\xBE\xC3,%s",
                      tips);   // "有效使用时间为永久,%s"
    }
}

void CGardenSetWnd::ShowBackgroundTip(std::size_t owned)
{
    const std::vector<Record10>& list = GetGardenDataMgr().m_vOwnedBackgrounds;
    if (m_pBackgrounds == nullptr || owned >= list.size()) {
        return;
    }
    std::string tips;
    GetXmlGardenMgr().GetBackgroundTips(list[owned].U16(L::kOwnedBgId), tips);
    char text[128];
    ValidityText(OwnedSeconds(list[owned]), tips.c_str(), text, sizeof text);
    m_pBackgrounds->m_strToolTip = text;
}

void CGardenSetWnd::ChooseBackground(int index)
{
    const std::vector<Record10>& owned = GetGardenDataMgr().m_vOwnedBackgrounds;
    // The choice lists only the owned backgrounds the game data knows: its items map to entries.
    if (m_pBackgrounds == nullptr || owned.empty() || index < 0 ||
        index >= static_cast<int>(m_vChoiceOwned.size()) || m_vChoiceOwned[index] >= owned.size()) {
        return;
    }
    m_pBackgrounds->SetCurSel(index);
    const std::size_t entry = m_vChoiceOwned[static_cast<std::size_t>(index)];
    m_wBackground = owned[entry].U16(L::kOwnedBgId);
    ShowBackgroundTip(entry);
}

void CGardenSetWnd::Apply()
{
    if (m_nTab == 0) {
        CORVConfigMgr& config = CORVConfigMgr::GetSingleton();
        config.SetValue(ORVConfigKey::AutoUseStealCard,
                        m_pAutoUseCard != nullptr && m_pAutoUseCard->m_nLatch != 0 ? 1 : 0);
        config.SetValue(ORVConfigKey::OpenStealCardTip, m_pCardHint != nullptr && m_pCardHint->m_nLatch != 0 ? 1 : 0);
    } else if (m_nTab == 1) {
        std::string body;
        body.reserve(256);
        for (int i = 0; i < kSentences; ++i) {
            AppendU16(body, kSlotRecord);
            AppendU16(body, 2);
            AppendU16(body, static_cast<u16>(i + 1));
            const char* text = m_apSentences[i] != nullptr ? m_apSentences[i]->GetText() : nullptr;
            const std::size_t n = text != nullptr ? strnlen(text, kSentenceLimit) : 0;
            AppendU16(body, kTextRecord);
            AppendU16(body, static_cast<u16>(n));
            body.append(text != nullptr ? text : "", n);
        }
        SendGardenRequest(kSaveSentencesSub, 0, 0, 0, body);
    } else {
        SendGardenRequest(kBackgroundSub, m_wBackground);
    }
    Close();
}
