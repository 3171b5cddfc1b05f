// CAerieProductInfoWnd: a read-only overview of the shown city's resource production: the
// production table control, a fixed explanation and the server's production bonus while one runs.
#pragma once

#include "aerie/windows/AerieGameWnd.h"
#include "framework/text/WrappedText.h"

class CAerieProductInfoWnd : public CAerieGameWnd {
    ORV_DECLARE_RUNTIME_CLASS(CAerieProductInfoWnd)
public:
    CAerieProductInfoWnd();
    ~CAerieProductInfoWnd() override;

    void OnDraw() override;

    CORVControl* m_pProductInfo = nullptr;
    CWrappedText m_Note;

protected:
    u16 FrameImage() const override { return 32; }
    void OnCreateControls() override;   // the production table and the note

private:
    CCachedText m_Bonus;
};
