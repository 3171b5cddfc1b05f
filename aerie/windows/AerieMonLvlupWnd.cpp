#include "aerie/windows/AerieMonLvlupWnd.h"

#include <new>

#include "aerie/state/AerieRequest.h"
#include "aerie/state/XmlAerieRecords.h"
#include "aerie/windows/AerieCityView.h"
#include "aerie/windows/AerieWndRecords.h"
#include "framework/core/ByteOrder.h"
#include "framework/core/ORVCallBack.h"
#include "framework/widgets/ORVButton.h"
#include "framework/widgets/ORVChoice.h"

ORV_IMPLEMENT_RUNTIME_CLASS(CAerieMonLvlupWnd, CAerieContainer)

namespace {

struct MonLvlupWndRegistration {
    MonLvlupWndRegistration() { SetAerieWindowRecord(AerieWndKind::MonLvlup, ORV_RUNTIME_CLASS(CAerieMonLvlupWnd)); }
} g_MonLvlupWndRegistration;

// The card tables hold entries 1..3: a monster of a higher Lvl (or of none) has no card.
constexpr int kFirstCard = 1;
constexpr int kLastCard = 3;

}  // namespace

CAerieMonLvlupWnd::CAerieMonLvlupWnd() = default;
CAerieMonLvlupWnd::~CAerieMonLvlupWnd() = default;

void CAerieMonLvlupWnd::SetArgs(int arg, std::string text)
{
    m_wSlot = ReadLE16At(reinterpret_cast<const unsigned char*>(text.data()), text.size(), 0);
    m_nCount = arg;
}

void CAerieMonLvlupWnd::ChooseCard(int index)
{
    if (index < kFirstCard || index > kLastCard) {
        m_wCardFrame = 0;
        m_wCardsInBag = 0;
        return;
    }
    m_wCardFrame = kCardFrames[index];
    CHostCallBackGuard* host = ORVCallBack();
    m_wCardsInBag = host != nullptr ? host->GetBagItemCount(kCardItems[index]) : 0;
}

void CAerieMonLvlupWnd::OnCreateControls()
{
    CreateButton(70, 240, &m_pOkBtn, 9, true, true, "");
    CreateButton(240, 240, &m_pCancelBtn, 12, true, true, "");
    const CXmlMonster* monster = AerieView::FindShownMonsterBySlot(m_wSlot);
    m_wLvl = monster != nullptr && monster->m_nLvl > 0 ? static_cast<u16>(monster->m_nLvl) : 0;
    if (m_wLvl > 0) {
        ChooseCard(m_wLvl);
        // Grades m_wLvl + 1 up to purple; a purple monster gets an empty choice.
        m_pColour = new (std::nothrow) CORVChoice();
        if (m_pColour != nullptr) {
            AddChild(m_pColour, false);
            m_pColour->CreateBox(this, 160, 110, 157);
            for (int index = m_wLvl; index <= kLastCard; ++index) {
                m_pColour->AddItem(kColourNames[index], 0xFFFFFFFF, 1);
            }
        }
    }
    m_Desc.SetText("请选择您要升级的怪物颜色。升级将会自动扣除您包裹中的对应颜色和数量的怪物卡。"
                   "如果您想要指定升级的怪物数量，请先进行怪物拆分操作再进行升级。",
                   300, 0xFFFFFFFF, 1);
}

void CAerieMonLvlupWnd::SendUpgrade()
{
    // Without a colour to choose (no record, or purple already) there is no grade to ask for.
    if (m_pColour == nullptr || m_pColour->GetSelectedItem() == nullptr) {
        return;
    }
    const int grade = m_wLvl + 1 + m_pColour->m_nCurSel;
    CAerieRequest::GetSingleton().UpgradeMonster(m_wSlot, static_cast<u16>(grade));
}

bool CAerieMonLvlupWnd::OnMessage(ORVMsg* msg)
{
    // A pick shows the card of the selected colour (a row that is none keeps the selection and its card).
    if (FollowChoice(m_pColour, msg, [this](int) {
            if (m_pColour->m_nCurSel >= 0) {
                ChooseCard(m_wLvl + m_pColour->m_nCurSel);
            }
        })) {
        return true;
    }
    if (msg != nullptr && msg->m_nId == kNotifyLeftClick && msg->m_pSender != nullptr) {
        if (msg->m_pSender == m_pOkBtn) {
            SendUpgrade();   // the window stays open
            return true;
        }
        if (msg->m_pSender == m_pCancelBtn) {
            Close();
            return true;
        }
    }
    return CAerieGameWnd::OnMessage(msg);
}
