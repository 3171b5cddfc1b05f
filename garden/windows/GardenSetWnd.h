// The garden settings on three tabs: the two pick-card options of the settings file (tab 0), the
// four sentences visitors see when they help in the garden, kept on the server (tab 1), and the
// garden background chosen from the ones the player owns (tab 2). OK applies the shown tab and
// closes. Making the panel asks for the saved settings (884 sub 0x29); topic 163 brings the
// sentences.
#pragma once

#include <vector>

#include "garden/windows/GardenPanel.h"

class CORVButton;
class CORVCheck;
class CORVChoice;
class CORVEdit;
class CORVRadioGroup;

class CGardenSetWnd : public CGardenPanel {
    ORV_DECLARE_RUNTIME_CLASS(CGardenSetWnd)
public:
    static constexpr int kTabs = 3;
    static constexpr int kSentences = 4;

    CGardenSetWnd();
    ~CGardenSetWnd() override;

    void OnCreate() override;
    bool OnMessage(ORVMsg* msg) override;
    bool ProcessMessage(ORVMsg* msg) override;   // topic 163, then the base handling
    void OnDraw() override;                      // GardenSetWndDraw.cpp

    // The validity text of an owned background: days left (up to 1000) or for good, and its tips.
    static void ValidityText(std::int64_t seconds, const char* tips, char* out, std::size_t size);

    CORVRadioGroup* m_pTabs = nullptr;
    CORVButton* m_pOkButton = nullptr;
    CORVEdit* m_apSentences[kSentences] = {};
    CORVCheck* m_pAutoUseCard = nullptr;
    CORVCheck* m_pCardHint = nullptr;
    CORVChoice* m_pBackgrounds = nullptr;
    u16 m_wBackground = 0;   // 0 until a background is chosen
    i32 m_nTab = 0;

private:
    void BuildTab(int tab);
    void FillSentences();
    void ChooseBackground(int index);
    void Apply();
    void ShowBackgroundTip(std::size_t owned);

    std::vector<std::size_t> m_vChoiceOwned;   // per choice item: its entry in the owned list
};
