// The host's interfaces (orvane/ORVCallBack.h), the library's holder of the host's callback and
// the guard through which the library calls it.
#pragma once

#include "framework/core/HostCall.h"
#include "orvane/ORVCallBack.h"

// The holder of the host's callback: its address, so callers both store into it and call
// through it. Null until the host hands its callback over. The library calls the host only
// through ORVCallBack(), never through this pointer.
inline IORVCallBack** GetORVCallBack()
{
    static IORVCallBack* g_pORVCallBack = nullptr;
    return &g_pORVCallBack;
}

// The library's guard of the host's callback: each slot calls the held callback's slot; when the
// host throws, a debug line names the slot and the call answers its neutral value (false, 0, null;
// out-parameters as the library set them), so no export ends because a callback threw. Screen and
// image sizes are taken into the range of host sizes (HostCall.h; an answer out of it gets a debug
// line). The drawers it hands out guard the host's drawers the same way. With no callback held
// every slot does nothing.
//
// The guard holds nothing and has no virtual slot: its members are inline, so a call that throws
// nothing costs what a direct call of the host's slot costs. It is trivially destroyed, so code
// running at unload may still call it (and finds no callback held).
class CHostCallBackGuard final {
public:
    void SendToServer(const char* request, int length) noexcept
    {
        Call("IORVCallBack::SendToServer", [&](IORVCallBack& h) { h.SendToServer(request, length); });
    }
    // The host writes into copies: a throw leaves the library's values as they were. What it
    // writes is taken as a host size.
    void GetImageSize(int frame, int set, int* width, int* height) noexcept
    {
        int w = width != nullptr ? *width : 0;
        int h = height != nullptr ? *height : 0;
        const bool answered = Call("IORVCallBack::GetImageSize", false, [&](IORVCallBack& host) {
            host.GetImageSize(frame, set, width != nullptr ? &w : nullptr, height != nullptr ? &h : nullptr);
            return true;
        });
        if (answered) {
            if (width != nullptr) {
                *width = HostSize("the host's IORVCallBack::GetImageSize", w);
            }
            if (height != nullptr) {
                *height = HostSize("the host's IORVCallBack::GetImageSize", h);
            }
        }
    }
    void DrawImage(int x, int y, int frame, int set, u32 colour, int reserved1, int reserved2) noexcept
    {
        Call("IORVCallBack::DrawImage",
             [&](IORVCallBack& h) { h.DrawImage(x, y, frame, set, colour, reserved1, reserved2); });
    }
    void DrawImageScaled(int x, int y, int frame, int set, float scaleX, float scaleY, u32 colour, int reserved1,
                         int reserved2) noexcept
    {
        Call("IORVCallBack::DrawImageScaled", [&](IORVCallBack& h) {
            h.DrawImageScaled(x, y, frame, set, scaleX, scaleY, colour, reserved1, reserved2);
        });
    }
    bool HitTestImage(int x, int y, int frame, int set) noexcept
    {
        return Call("IORVCallBack::HitTestImage", false,
                    [&](IORVCallBack& h) { return h.HitTestImage(x, y, frame, set); });
    }
    void DrawText(int x, int y, const char* text, u32 colour, int align, int style1, int style2, int style3,
                  int font, int reserved) noexcept
    {
        Call("IORVCallBack::DrawText", [&](IORVCallBack& h) {
            h.DrawText(x, y, text, colour, align, style1, style2, style3, font, reserved);
        });
    }
    void DrawRectFrame(u32 colour, int x, int y, int width, int height) noexcept
    {
        Call("IORVCallBack::DrawRectFrame", [&](IORVCallBack& h) { h.DrawRectFrame(colour, x, y, width, height); });
    }
    void FillRect(u32 colour, int x, int y, int width, int height) noexcept
    {
        Call("IORVCallBack::FillRect", [&](IORVCallBack& h) { h.FillRect(colour, x, y, width, height); });
    }
    int GetScreenWidth() noexcept
    {
        return HostSize("the host's IORVCallBack::GetScreenWidth",
                        Call("IORVCallBack::GetScreenWidth", 0, [](IORVCallBack& h) { return h.GetScreenWidth(); }));
    }
    int GetScreenHeight() noexcept
    {
        return HostSize("the host's IORVCallBack::GetScreenHeight",
                        Call("IORVCallBack::GetScreenHeight", 0, [](IORVCallBack& h) { return h.GetScreenHeight(); }));
    }
    const char* GetPlayerName() noexcept
    {
        return Call("IORVCallBack::GetPlayerName", static_cast<const char*>(nullptr),
                    [](IORVCallBack& h) { return h.GetPlayerName(); });
    }
    // A guarded drawer, or null (the host made none, or no guard could be made for it).
    IORVDrawCharacter* CreateDrawCharacter() noexcept;
    // Gives the drawer behind a guarded drawer back to the host.
    void ReleaseDrawCharacter(IORVDrawCharacter* drawer) noexcept;
    void OpenPlayerRestaurant(const char* ownerName) noexcept
    {
        Call("IORVCallBack::OpenPlayerRestaurant", [&](IORVCallBack& h) { h.OpenPlayerRestaurant(ownerName); });
    }
    void OpenPlayerGarden(const char* ownerName) noexcept
    {
        Call("IORVCallBack::OpenPlayerGarden", [&](IORVCallBack& h) { h.OpenPlayerGarden(ownerName); });
    }
    void StartImageAnimation(int frame, int set, int hostValue1, int hostValue2) noexcept
    {
        Call("IORVCallBack::StartImageAnimation",
             [&](IORVCallBack& h) { h.StartImageAnimation(frame, set, hostValue1, hostValue2); });
    }
    void StepImageAnimation(int frame, int set) noexcept
    {
        Call("IORVCallBack::StepImageAnimation", [&](IORVCallBack& h) { h.StepImageAnimation(frame, set); });
    }
    void ResetImageAnimation(int frame, int set, int hostValue1, int hostValue2) noexcept
    {
        Call("IORVCallBack::ResetImageAnimation",
             [&](IORVCallBack& h) { h.ResetImageAnimation(frame, set, hostValue1, hostValue2); });
    }
    void DrawSector(int centreX, int centreY, int radius, float angle, u32 colour) noexcept
    {
        Call("IORVCallBack::DrawSector",
             [&](IORVCallBack& h) { h.DrawSector(centreX, centreY, radius, angle, colour); });
    }
    void DrawRankExtra(int x, int y, u16 looks1, u16 looks2, u8 looks3) noexcept
    {
        Call("IORVCallBack::DrawRankExtra", [&](IORVCallBack& h) { h.DrawRankExtra(x, y, looks1, looks2, looks3); });
    }
    u16 GetBagItemCount(u16 itemId) noexcept
    {
        return Call("IORVCallBack::GetBagItemCount", u16{0},
                    [&](IORVCallBack& h) { return h.GetBagItemCount(itemId); });
    }
    u16 GetCharacterLevel() noexcept
    {
        return Call("IORVCallBack::GetCharacterLevel", u16{0}, [](IORVCallBack& h) { return h.GetCharacterLevel(); });
    }
    void NotifyGameWindow(int state) noexcept
    {
        Call("IORVCallBack::NotifyGameWindow", [&](IORVCallBack& h) { h.NotifyGameWindow(state); });
    }
    void OnMouseMove(LPARAM lParam) noexcept
    {
        Call("IORVCallBack::OnMouseMove", [&](IORVCallBack& h) { h.OnMouseMove(lParam); });
    }
    bool HasBagItem(int bagKind1, int bagKind2, int itemId) noexcept
    {
        return Call("IORVCallBack::HasBagItem", false,
                    [&](IORVCallBack& h) { return h.HasBagItem(bagKind1, bagKind2, itemId); });
    }

private:
    // The held callback's slot under the catch, or neutral when none is held.
    template <typename R, typename F>
    [[gnu::always_inline]] static R Call(const char* slot, R neutral, F&& call) noexcept
    {
        IORVCallBack* host = *GetORVCallBack();
        if (host == nullptr) {
            return neutral;
        }
        return CallHostCatching(slot, -1, neutral, [&] { return call(*host); });
    }
    template <typename F>
    [[gnu::always_inline]] static void Call(const char* slot, F&& call) noexcept
    {
        if (IORVCallBack* host = *GetORVCallBack()) {
            CallHostCatching(slot, -1, [&] { call(*host); });
        }
    }
};

// The guard while a callback is held, or null.
inline CHostCallBackGuard* ORVCallBack()
{
    static CHostCallBackGuard s_Guard;
    return *GetORVCallBack() != nullptr ? &s_Guard : nullptr;
}
