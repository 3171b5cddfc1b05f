// A host that does nothing and answers 0, false or null to everything: the base of the sample
// programs' and the benchmarks' hosts, which override only the calls they answer or show.
#pragma once

#include "framework/core/ORVCallBack.h"

namespace orv::sample {

class QuietHost : public IORVCallBack {
public:
    void SendToServer(const char*, int) override {}
    void GetImageSize(int, int, int*, int*) override {}
    void DrawImage(int, int, int, int, u32, int, int) override {}
    void DrawImageScaled(int, int, int, int, float, float, u32, int, int) override {}
    bool HitTestImage(int, int, int, int) override { return false; }
    void DrawText(int, int, const char*, u32, int, int, int, int, int, int) override {}
    void DrawRectFrame(u32, int, int, int, int) override {}
    void FillRect(u32, int, int, int, int) override {}
    int GetScreenWidth() override { return 0; }
    int GetScreenHeight() override { return 0; }
    const char* GetPlayerName() override { return ""; }
    IORVDrawCharacter* CreateDrawCharacter() override { return nullptr; }
    void ReleaseDrawCharacter(IORVDrawCharacter*) override {}
    void OpenPlayerRestaurant(const char*) override {}
    void OpenPlayerGarden(const char*) override {}
    void StartImageAnimation(int, int, int, int) override {}
    void Reserved17() override {}
    void StepImageAnimation(int, int) override {}
    void ResetImageAnimation(int, int, int, int) override {}
    void DrawSector(int, int, int, float, u32) override {}
    void Reserved21() override {}
    void DrawRankExtra(int, int, u16, u16, u8) override {}
    u16 GetBagItemCount(u16) override { return 0; }
    u16 GetCharacterLevel() override { return 0; }
    void NotifyGameWindow(int) override {}
    void OnMouseMove(LPARAM) override {}
    void Reserved27() override {}
    bool HasBagItem(int, int, int) override { return false; }
    void Reserved29() override {}
    void Reserved30() override {}
};

}  // namespace orv::sample
