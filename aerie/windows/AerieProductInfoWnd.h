// CAerieProductInfoWnd: a read-only overview of the shown city's resource production: the
// production table control, a fixed explanation and the server's production bonus while one runs.
#pragma once

#include "aerie/windows/AerieContainer.h"
#include "aerie/windows/AerieWndUtil.h"
#include "framework/text/WrappedText.h"

class CAerieProductInfoWnd : public CAerieContainer {
    ORV_DECLARE_RUNTIME_CLASS(CAerieProductInfoWnd)
public:
    CAerieProductInfoWnd();
    ~CAerieProductInfoWnd() override;

    void OnCreate() override;
    void OnDraw() override;

    CORVControl* m_pProductInfo = nullptr;
    CWrappedText m_Note;

private:
    CCachedText m_Bonus;
};
