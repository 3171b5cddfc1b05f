#include "aerie/windows/AerieSetWnd.h"

#include <new>

#include "aerie/state/AerieConfigMgr.h"
#include "aerie/state/AerieEvents.h"
#include "aerie/windows/AerieWndRecords.h"
#include "aerie/windows/AerieWndUtil.h"
#include "framework/core/DebugLog.h"
#include "framework/widgets/ORVButton.h"

ORV_IMPLEMENT_RUNTIME_CLASS(CAerieSetWnd, CORVWindow)

namespace {

struct SetWndRegistration {
    SetWndRegistration() { SetAerieWindowRecord(AerieWndKind::Set, ORV_RUNTIME_CLASS(CAerieSetWnd)); }
} g_SetWndRegistration;

}  // namespace

CAerieSetWnd::CAerieSetWnd() = default;
CAerieSetWnd::~CAerieSetWnd() = default;

void CAerieSetWnd::OnCreate()
{
    InitFrame(this, 27, 35, 5);
    SetTitleText("琉璃台设置", 130, 15, 0xFFFFFFFF, 1);
    CreateButton(130, 218, &m_pOkButton, 9, true, true, "");
    m_pLevelCheck = new (std::nothrow) CORVCheck();
    if (m_pLevelCheck != nullptr) {
        AddChild(m_pLevelCheck, false);
        m_pLevelCheck->m_wFrame = 66;
        m_pLevelCheck->CreateAt(this, 225, 125, 23, 16);
        m_pLevelCheck->m_nCaptionX = 25;
        m_pLevelCheck->m_nCaptionY = 2;
    }
    m_bLevelShow = CAerieConfigMgr::GetSingleton()->GetValue(AerieConfigKey::AerieBuildingLevelShow) != 0 ? 1 : 0;
    if (m_pLevelCheck != nullptr) {
        m_pLevelCheck->SetLatch(m_bLevelShow);
    }
}

void CAerieSetWnd::Apply()
{
    if (m_pLevelCheck == nullptr) {
        return;
    }
    const u8 checked = m_pLevelCheck->m_nLatch >= 1 ? 1 : 0;
    if (checked == m_bLevelShow) {
        return;
    }
    m_bLevelShow = checked;
    CAerieConfigMgr::GetSingleton()->SetValue(AerieConfigKey::AerieBuildingLevelShow, checked);
    // The new value travels with the event, so the buildings follow it even when the settings
    // file lacks the key.
    DeliverGameEvent(EVT_SETTINGS_CHANGED, checked);
    DebugLog("通知改变\n");
}

bool CAerieSetWnd::OnMessage(ORVMsg* msg)
{
    if (msg == nullptr || msg->m_nId != kNotifyLeftClick || msg->m_pSender == nullptr) {
        return true;
    }
    if (msg->m_pSender == m_pOkButton) {
        const ORVLifeWatch alive = Watch();
        Apply();
        if (!alive.expired()) {
            Close();
        }
    } else if (msg->m_pSender == m_pCloseButton) {
        Close();
    }
    return true;
}

bool CAerieSetWnd::ProcessMessage(ORVMsg* msg)
{
    if (msg != nullptr && msg->m_nId == ORV_MSG_LBUTTONDBLCLK) {
        return true;
    }
    return CORVWindow::ProcessMessage(msg);
}

void CAerieSetWnd::OnDraw()
{
    DrawText(90, 126, "开启建筑物等级显示", 0xFFFFFFFF, 0, 0, 0, 2);
}
