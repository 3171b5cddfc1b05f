// CAerieTechnologyItem: one technology row of the technology window: its picture, name, level,
// the technology points gained so far and by the next level (or that the top level is reached),
// and the current effect. It reads the shown city's level of its technology every frame and
// makes its texts again only when the technology or that level changed. It sends nothing: a
// click on it is its parent's to act on.
#pragma once

#include <string>

#include "framework/control/ORVControl.h"
#include "framework/text/WrappedText.h"

class CXmlTech;

class CAerieTechnologyItem : public CORVControl {
    ORV_DECLARE_RUNTIME_CLASS(CAerieTechnologyItem)
public:
    static constexpr int kWidth = 270;
    static constexpr int kHeight = 81;
    static constexpr int kEffectWidth = 190;

    CAerieTechnologyItem();
    ~CAerieTechnologyItem() override;

    bool ProcessMessage(ORVMsg* msg) override;   // the wheel is left to the parent's list
    void OnDraw() override;

    // Makes the texts for m_pTech at m_wLevel; nothing without a technology.
    void RefreshText();

    const CXmlTech* m_pTech = nullptr;   // not owned; null draws nothing
    u16 m_wLevel = 0;                    // the shown city's level of it
    std::string m_strEffect;             // "当前效果：" and the effect description
    CWrappedText m_Effect;               // m_strEffect wrapped 190 px wide

private:
    // The technology and level the texts were made for.
    const CXmlTech* m_pTextTech = nullptr;
    u16 m_wTextLevel = 0;
    std::string m_strLevel;
    std::string m_strPoints;
    std::string m_strNextPoints;         // empty at the top level
};
