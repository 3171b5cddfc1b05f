#include "aerie/windows/AerieMonsterEgg.h"

#include <new>

#include "aerie/state/AerieDataMgr.h"
#include "aerie/state/AerieEvents.h"
#include "aerie/state/AerieIncubator.h"
#include "aerie/state/AerieRecordLayout.h"
#include "aerie/state/AerieRequest.h"
#include "aerie/state/XmlAerieMgr.h"
#include "aerie/windows/AerieCityView.h"
#include "aerie/windows/AerieNewBie.h"
#include "framework/core/ByteOrder.h"
#include "framework/core/ORVCallBack.h"
#include "framework/widgets/ORVButton.h"
#include "framework/widgets/ORVToolTip.h"
#include "framework/window/ORVMenuWnd.h"
#include "framework/window/ORVMsgBox.h"

ORV_IMPLEMENT_RUNTIME_CLASS(CAerieMonsterEggItem, CAerieContainer)
ORV_IMPLEMENT_RUNTIME_CLASS(CAerieMonsterEggBagItem, CAerieContainer)

namespace {

// Where the hired friend's drawer finds its data in an incubator record: the 12-byte appearance
// right behind the friend's 16-byte name, and the two values handed on as stored.
constexpr std::size_t kIncAppearance = aerie_layout::kIncSlaveName + aerie_layout::kListNameSize;
constexpr int kAppearanceSize = 12;
constexpr std::size_t kIncDrawValue3 = 83;
constexpr std::size_t kIncDrawValue2 = 87;
static_assert(kIncAppearance + kAppearanceSize <= aerie_layout::kIncubatorSize);
static_assert(kIncDrawValue2 + 4 <= aerie_layout::kIncubatorSize);

constexpr int kToolTipStyle = 6;
constexpr int kToolTipCentred = 1;

// The tooltip in its default look, emptied.
CORVToolTip& FreshToolTip()
{
    CORVToolTip& tip = CORVToolTip::GetSingleton();
    tip.Reset();
    return tip;
}

// The type name of an egg, or null for none or an unnamed type.
const char* EggTypeName(u16 type)
{
    const char* name = CXmlAerieMgr::GetSingleton()->GetMonsterTypeName(type);
    return name != nullptr && name[0] != '\0' ? name : nullptr;
}

// A protection or anti-theft time of minutes as days, hours and minutes; "0" for none.
std::string GuardTimeText(u16 minutes)
{
    return minutes == 0 ? std::string("0") : FormatTimeDHM(static_cast<u32>(minutes) * 60u);
}

}  // namespace

int HatchToolCursorFrame(i32 tool)
{
    switch (tool) {
    case kHatchToolSmash:
        return 465;
    case kHatchToolDiscard:
        return 466;
    case kHatchToolSteal:
        return 467;
    default:
        return 0;
    }
}

// ---- CAerieMonsterEggItem ----

CAerieMonsterEggItem::CAerieMonsterEggItem()
{
    m_bDraggable = 0;
}

CAerieMonsterEggItem::~CAerieMonsterEggItem()
{
    ReleaseDrawer();
}

void CAerieMonsterEggItem::ReleaseDrawer()
{
    IORVDrawCharacter* drawer = m_pDrawChar;
    m_pDrawChar = nullptr;
    if (drawer != nullptr) {
        // Without a host (the library unloading) the drawer cannot be given back.
        if (CHostCallBackGuard* host = ORVCallBack()) {
            host->ReleaseDrawCharacter(drawer);
        }
    }
}

void CAerieMonsterEggItem::CreateIncubatorControls()
{
    SetSize(160, 300);
    CreateButton(15, 155, &m_pTreatWellBtn, 215, true, true,
                 "可对被雇佣的好友进行一次\n善待，被善待后幸福指数+1，\n可在排行榜中查看排名情况");
    CreateButton(83, 155, &m_pMistreatBtn, 218, true, true,
                 "可对被雇佣的好友进行一次\n虐待，被虐待后幸福指数-1，\n可在排行榜中查看排名情况");
    RefreshHiredFriend();
}

void CAerieMonsterEggItem::RefreshHiredFriend()
{
    if (m_nEggKind != kIncubator) {
        return;
    }
    AerieIncubators& incubators = AerieView::ShownIncubators();
    const AerieIncubator* incubator = incubators.At(m_wIndex);
    const bool hired = HasHiredSlave(incubators, m_wIndex) &&
                       !(incubator != nullptr && incubator->GetHatchSeconds() == 0);
    const bool buttons = hired && AerieView::IsOwnCityShown();
    CORVControl* well = m_pTreatWellBtn;
    CORVControl* bad = m_pMistreatBtn;
    SetChildState(&well, buttons, buttons);
    SetChildState(&bad, buttons, buttons);

    ReleaseDrawer();
    if (!hired) {
        return;
    }
    CHostCallBackGuard* host = ORVCallBack();
    if (host == nullptr) {
        return;
    }
    const ORVLifeWatch life = Watch();
    IORVDrawCharacter* drawer = host->CreateDrawCharacter();
    if (life.expired()) {
        if (drawer != nullptr && ORVCallBack() != nullptr) {
            ORVCallBack()->ReleaseDrawCharacter(drawer);
        }
        return;
    }
    m_pDrawChar = drawer;
    if (drawer == nullptr) {
        return;
    }
    // The record is read again: the host may have changed the store while making the drawer.
    const AerieIncubator* now = AerieView::ShownIncubators().At(m_wIndex);
    if (now == nullptr) {
        return;
    }
    drawer->SetAppearance(now->m_Data + kIncAppearance, kAppearanceSize);
    drawer->SetValue2(ReadLE32(now->m_Data + kIncDrawValue2));
    drawer->SetValue3(ReadLE32(now->m_Data + kIncDrawValue3));
}

bool CAerieMonsterEggItem::OnMouseMove(int x, int y)
{
    if (m_nEggKind == kBagEgg) {
        ShowBagTip();
    } else if (m_nEggKind == kIncubator) {
        ShowIncubatorTip(x, y);
    }
    return CAerieContainer::OnMouseMove(x, y);
}

void CAerieMonsterEggItem::ShowBagTip()
{
    const char* name = EggTypeName(AerieView::GetBagEgg(m_wIndex));
    if (name == nullptr) {
        return;
    }
    char text[kBoxTextBound];
    BoundedPrintf(text, sizeof text, "%s类型怪物蛋\n点击鼠标右键孵化", name);
    FreshToolTip().AddText(kToolTipStyle, text, kToolTipCentred);
}

void CAerieMonsterEggItem::ShowIncubatorTip(int x, int y)
{
    CORVToolTip& tip = FreshToolTip();
    AerieIncubators& incubators = AerieView::ShownIncubators();
    const int index = m_wIndex;
    char text[kBoxTextBound];
    if (m_pDrawChar != nullptr) {
        const ORVLifeWatch life = Watch();
        const bool over = m_pDrawChar->IsMouseOver();
        if (life.expired()) {
            return;
        }
        if (over) {
            const std::string_view name = GetHiredSlaveName(incubators, index);
            const std::string guard = GuardTimeText(GetIncubatorProtectMinutes(incubators, index));
            BoundedPrintf(text, sizeof text,
                          "%.*s\n人气：%u\n身价：%u\n幸福指数：%d\n孵化绿色怪物概率：%.2f%%\n孵化蓝色怪物概率：%.2f%%\n保护时间：%s",
                          static_cast<int>(name.size()), name.data(),
                          static_cast<unsigned>(GetHiredSlavePopularity(incubators, index)),
                          static_cast<unsigned>(GetHiredSlaveWorth(incubators, index)),
                          static_cast<int>(GetHiredSlaveHappiness(incubators, index)),
                          static_cast<double>(static_cast<float>(GetHiredSlaveGreenChance(incubators, index) / 1000.0)),
                          static_cast<double>(static_cast<float>(GetHiredSlaveBlueChance(incubators, index) / 1000.0)),
                          guard.c_str());
            tip.AddText(kToolTipStyle, text, kToolTipCentred);
            return;
        }
    }
    const AerieIncubator* incubator = incubators.At(index);
    if (incubator == nullptr || !incubator->IsOpened()) {
        tip.AddText(kToolTipStyle, "在城堡研究所学习孵化技巧\n可提高同时孵化数量", kToolTipCentred);
        return;
    }
    if (!IncubatorHasEgg(incubators, index)) {
        tip.AddText(kToolTipStyle, "孵化器，可孵化怪物蛋", kToolTipCentred);
        return;
    }
    const char* type = EggTypeName(GetIncubatorEggType(incubators, index));
    if (type == nullptr) {
        type = "";
    }
    if (IsIncubatorFinished(incubators, index)) {
        BoundedPrintf(text, sizeof text, "孵化完成\n%s类型怪物蛋", type);
        tip.AddText(kToolTipStyle, text, kToolTipCentred);
        return;
    }
    CHostCallBackGuard* host = ORVCallBack();
    const ORVLifeWatch life = Watch();
    const bool onEgg = host != nullptr && host->HitTestImage(x - 54, y - 180, 372, kImageSetWindow);
    if (life.expired() || !onEgg) {
        return;
    }
    if (HasHiredSlave(incubators, index)) {
        const std::string_view name = GetHiredSlaveName(incubators, index);
        BoundedPrintf(text, sizeof text, "孵化中\n%s类型怪物蛋\n当前雇用好友：%.*s", type,
                      static_cast<int>(name.size()), name.data());
    } else {
        BoundedPrintf(text, sizeof text, "孵化中\n%s类型怪物蛋\n当前雇用好友：无", type);
    }
    tip.AddText(kToolTipStyle, text, kToolTipCentred);
}

bool CAerieMonsterEggItem::OnClick(int kind)
{
    const ORVLifeWatch life = Watch();
    if (kind == 0 && m_nEggKind == kIncubator) {
        CAerieRequest::GetSingleton().IncubatorTool(AerieView::ShownIncubators(), m_wIndex, m_nTool);
        if (life.expired()) {
            return true;
        }
        Guide().OnStepEvent(15);
        if (const int frame = HatchToolCursorFrame(m_nTool)) {
            if (CHostCallBackGuard* host = ORVCallBack()) {
                host->StartImageAnimation(frame, kImageSetWindow, 100, 1);
            }
        }
        if (life.expired()) {
            return true;
        }
        return CAerieContainer::OnClick(0);
    }
    if (kind == 1 && m_nEggKind == kBagEgg) {
        OpenEggMenu();
        if (life.expired()) {
            return true;
        }
        return CAerieContainer::OnClick(1);
    }
    return CAerieContainer::OnClick(kind);
}

void CAerieMonsterEggItem::OpenEggMenu()
{
    const ORVLifeWatch life = Watch();
    DeliverGameEvent(EVT_EGG_MENU_TOOL_OFF);
    if (life.expired() || AerieView::GetBagEgg(m_wIndex) == 0) {
        return;
    }
    std::vector<ORVMenuItem>& items = GetPopupMenuItems();
    items.clear();
    ORVMsg hatch(ORV_MSG_GAMEWND, EVT_EGG_ACTION, this);
    hatch.m_lParam = kEggHatch;
    items.emplace_back(hatch, "孵化");
    if (!Guide().IsActive()) {
        ORVMsg discard(ORV_MSG_GAMEWND, EVT_EGG_ACTION, this);
        discard.m_lParam = kEggAskDiscard;
        items.emplace_back(discard, "丢弃");
    }
    ShowPopupMenu();
}

bool CAerieMonsterEggItem::OnMessage(ORVMsg* msg)
{
    if (msg == nullptr || msg->m_nId != kNotifyLeftClick || msg->m_pSender == nullptr) {
        return true;
    }
    const bool well = msg->m_pSender == m_pTreatWellBtn;
    if (!well && msg->m_pSender != m_pMistreatBtn) {
        return true;
    }
    const AerieIncubators& incubators = AerieView::ShownIncubators();
    if (HasHiredSlave(incubators, m_wIndex) && IsSlaveTreated(incubators, m_wIndex)) {
        ORVMsgBoxQueue::GetSingleton().ShowOkBox(ORVMsg(), "只能执行一次善待或虐待");
    } else if (well) {
        CAerieRequest::GetSingleton().TreatSlaveWell(m_wIndex);
    } else {
        CAerieRequest::GetSingleton().MistreatSlave(m_wIndex);
    }
    return true;
}

bool CAerieMonsterEggItem::ProcessMessage(ORVMsg* msg)
{
    if (msg == nullptr || msg->m_nId != ORV_MSG_GAMEWND) {
        return CAerieContainer::ProcessMessage(msg);
    }
    const int value = static_cast<int>(msg->m_lParam);
    switch (msg->m_wParam) {
    case EVT_EGG_ACTION:
        if (msg->m_pSender != this) {
            break;
        }
        if (m_nEggKind == kBagEgg) {
            CAerieRequest::GetSingleton().EggBagAction(m_wIndex, value);
        } else if (m_nEggKind == kIncubator) {
            CAerieRequest::GetSingleton().IncubatorEggAction(AerieView::ShownIncubators(), m_wIndex, value);
        }
        return true;
    case EVT_HIRE_HELPER_OK:
        if (m_nEggKind != kIncubator) {
            break;
        }
        {
            const ORVLifeWatch life = Watch();
            Guide().OnStepEvent(10);
            if (!life.expired()) {
                PostIncubatorSelected(AerieView::ShownIncubators(), value);
            }
        }
        return true;
    case EVT_HIRE_HELPER_CANCEL:
        if (m_nEggKind != kIncubator) {
            break;
        }
        Guide().OnStepEvent(10);
        Guide().OnStepEvent(11);
        Guide().OnStepEvent(12);
        return true;
    case EVT_DISCARD_EGG:
        CAerieRequest::GetSingleton().EggBagAction(value, kEggDiscard);
        return true;
    case EVT_DISCARD_HATCHING_EGG:
        CAerieRequest::GetSingleton().IncubatorEggAction(AerieView::ShownIncubators(), value, kIncubatorDiscard);
        return true;
    default:
        break;
    }
    return CAerieContainer::ProcessMessage(msg);
}

// ---- CAerieMonsterEggBagItem ----

CAerieMonsterEggBagItem::CAerieMonsterEggBagItem() = default;
CAerieMonsterEggBagItem::~CAerieMonsterEggBagItem() = default;

void CAerieMonsterEggBagItem::OnCreate()
{
    SetBackground(17);
    SetPos(150, 392);
    CreateButton(10, 19, &m_pPrevBtn, 33, true, true, "");
    CreateButton(m_nWidth - 30, 19, &m_pNextBtn, 36, true, true, "");
    for (int i = 0; i < kShown; ++i) {
        m_pEggs[i] = nullptr;
        auto* egg = new (std::nothrow) CAerieMonsterEggItem();
        if (egg == nullptr) {
            continue;
        }
        AddChild(egg, false);
        egg->Create(this);
        egg->m_nEggKind = CAerieMonsterEggItem::kBagEgg;
        egg->m_bVisible = 1;
        egg->m_bEnabled = 1;
        egg->SetSize(50, 50);
        egg->SetPos(47 + 64 * i, 9);
        m_pEggs[i] = egg;
    }
    Renumber();
}

void CAerieMonsterEggBagItem::Renumber()
{
    for (int i = 0; i < kShown; ++i) {
        if (m_pEggs[i] != nullptr) {
            m_pEggs[i]->m_wIndex = static_cast<u16>(m_nFirst + i);
        }
    }
}

bool CAerieMonsterEggBagItem::OnMessage(ORVMsg* msg)
{
    if (msg == nullptr || msg->m_nId != kNotifyLeftClick || msg->m_pSender == nullptr) {
        return true;
    }
    const int old = m_nFirst;
    if (msg->m_pSender == m_pPrevBtn) {
        m_nFirst = m_nFirst >= kShown ? m_nFirst - kShown : 0;
    } else if (msg->m_pSender == m_pNextBtn) {
        // Forward while the new page starts at or before the last egg in the bag, so an egg
        // behind an empty slot can still be reached.
        int last = -1;
        for (int slot = 0; slot < kAerieEggBagSlots; ++slot) {
            if (AerieView::GetBagEgg(slot) != 0) {
                last = slot;
            }
        }
        if (m_nFirst + kShown <= last) {
            m_nFirst += kShown;
        }
    }
    if (m_nFirst != old) {
        Renumber();
    }
    return true;
}
