#include "framework/widgets/ORVToolTip.h"

CORVToolTip& CORVToolTip::GetSingleton()
{
    static CORVToolTip g_ToolTip;
    return g_ToolTip;
}

void CORVToolTip::Reset() {}

void CORVToolTip::Clear() {}

void CORVToolTip::AddText(int, const std::string&, int) {}

void CORVToolTip::Draw() {}

CAutoTip& CAutoTip::GetSingleton()
{
    static CAutoTip g_AutoTip;
    return g_AutoTip;
}

CAutoTip::CAutoTip() = default;
CAutoTip::~CAutoTip() = default;

void CAutoTip::AddText(const std::string&, u32, int) {}

bool CAutoTip::ProcessMessage(ORVMsg*)
{
    return false;
}

void CAutoTip::Render() {}
