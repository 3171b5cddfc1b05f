#include "framework/widgets/ORVNewBie.h"

#include "framework/control/ORVControl.h"
#include "framework/core/GameHooks.h"

namespace {

// Layout of the hint.
constexpr int kHintWidth = 100;
constexpr ARGB kHintColour = 0xFF000010;
constexpr int kHintFont = 1;
constexpr u16 kHintLineHeight = 20;

CORVNewBie* g_pInstalledNewBie = nullptr;

void HookForgetControl(CORVControl* ctrl)
{
    if (g_pInstalledNewBie != nullptr) {
        g_pInstalledNewBie->ForgetControl(ctrl);
    }
}

void HookDraw()
{
    if (g_pInstalledNewBie != nullptr) {
        g_pInstalledNewBie->Draw();
    }
}

void HookReset()
{
    if (g_pInstalledNewBie != nullptr) {
        g_pInstalledNewBie->Reset();
    }
}

void HookSetStepTarget(u16 step, CORVControl* target)
{
    if (g_pInstalledNewBie != nullptr) {
        g_pInstalledNewBie->SetStepTarget(step, target);
    }
}

}  // namespace

CORVNewBie::CORVNewBie()
{
    m_Text.m_wLineHeight = kHintLineHeight;
}

CORVNewBie::~CORVNewBie()
{
    UninstallHooks();
}

void CORVNewBie::InstallHooks()
{
    g_pInstalledNewBie = this;
    g_GameHooks.pfnNewBieForgetControl = &HookForgetControl;
    g_GameHooks.pfnNewBieDraw = &HookDraw;
    g_GameHooks.pfnNewBieReset = &HookReset;
    g_GameHooks.pfnNewBieSetStepTarget = &HookSetStepTarget;
}

void CORVNewBie::UninstallHooks()
{
    if (g_pInstalledNewBie != this) {
        return;
    }
    g_pInstalledNewBie = nullptr;
    g_GameHooks.pfnNewBieForgetControl = nullptr;
    g_GameHooks.pfnNewBieDraw = nullptr;
    g_GameHooks.pfnNewBieReset = nullptr;
    g_GameHooks.pfnNewBieSetStepTarget = nullptr;
}

CORVNewBie* CORVNewBie::Installed()
{
    return g_pInstalledNewBie;
}

void CORVNewBie::LayoutStep()
{
    if (m_wStep < m_vSteps.size()) {
        m_Text.SetText(m_vSteps[m_wStep].m_strHint, kHintWidth, kHintColour, kHintFont);
    }
}

bool CORVNewBie::IsActive()
{
    return m_wStep != 0;
}

void CORVNewBie::SetStep(u16 step)
{
    if (step == m_wStep) {
        return;
    }
    m_wStep = step;
    LayoutStep();
}

void CORVNewBie::OnStepEvent(u16 step)
{
    if (!IsActive() || m_wStep != step) {
        return;
    }
    m_wStep = static_cast<u16>(step + 1);
    LayoutStep();
}

void CORVNewBie::Draw()
{
    if (IsActive() && m_wStep < m_vSteps.size()) {
        DrawStep(m_vSteps[m_wStep]);
    }
}

void CORVNewBie::SetStepTarget(u16 step, CORVControl* target)
{
    if (IsActive() && step < m_vSteps.size()) {
        m_vSteps[step].m_pTarget = target;
    }
}

void CORVNewBie::ForgetControl(CORVControl* ctrl)
{
    // Forgotten whether or not the tutorial runs: a step that kept a dead control would point at
    // freed memory as soon as the tutorial is switched on again.
    for (NewBieStep& step : m_vSteps) {
        if (step.m_pTarget == ctrl) {
            step.m_pTarget = nullptr;
        }
    }
}

void CORVNewBie::Reset()
{
    m_vSteps.clear();
    if (m_wStep != 0) {
        m_wStep = 0;
        LayoutStep();
    }
}
