#include "aerie/windows/AerieInfoCtrls.h"

ORV_IMPLEMENT_RUNTIME_CLASS(CAerieProductInfoCtrl, CORVControl)
ORV_IMPLEMENT_RUNTIME_CLASS(CAerieWorkInfoCtrl, CORVControlContainer)

CAerieProductInfoCtrl::CAerieProductInfoCtrl() = default;
CAerieProductInfoCtrl::~CAerieProductInfoCtrl() = default;

CAerieWorkInfoCtrl::CAerieWorkInfoCtrl() = default;
CAerieWorkInfoCtrl::~CAerieWorkInfoCtrl() = default;

void CAerieWorkInfoCtrl::SetArgs(int arg, std::string)
{
    m_wMode = static_cast<u16>(arg);
}
