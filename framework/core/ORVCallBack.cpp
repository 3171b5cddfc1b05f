#include "framework/core/ORVCallBack.h"

#include <iterator>
#include <new>

#include "framework/core/HostCall.h"

IORVCallBack** GetORVCallBack()
{
    static IORVCallBack* g_pORVCallBack = nullptr;
    return &g_pORVCallBack;
}

IORVCallBack::IORVCallBack() = default;
IORVCallBack::IORVCallBack(const IORVCallBack&) = default;
IORVCallBack& IORVCallBack::operator=(const IORVCallBack&) = default;
IORVCallBack::~IORVCallBack() = default;

IORVDrawCharacter::IORVDrawCharacter() = default;
IORVDrawCharacter::IORVDrawCharacter(const IORVDrawCharacter&) = default;
IORVDrawCharacter& IORVDrawCharacter::operator=(const IORVDrawCharacter&) = default;
IORVDrawCharacter::~IORVDrawCharacter() = default;

namespace {

// Every slot the library calls on the host's objects, named in the debug line of a throw.
enum class Slot {
    SendToServer, GetImageSize, DrawImage, DrawImageScaled, HitTestImage, DrawText, DrawRectFrame,
    FillRect, GetScreenWidth, GetScreenHeight, GetPlayerName, CreateDrawCharacter,
    ReleaseDrawCharacter, OpenPlayerRestaurant, OpenPlayerGarden, StartImageAnimation, Reserved17,
    StepImageAnimation, ResetImageAnimation, DrawSector, Reserved21, DrawRankExtra, GetBagItemCount,
    GetCharacterLevel, NotifyGameWindow, OnMouseMove, Reserved27, HasBagItem, Reserved29, Reserved30,
    SetAppearance, SetValue2, SetValue3, IsMouseOver, Draw,
    Count
};

constexpr const char* kSlotNames[] = {
    "IORVCallBack::SendToServer", "IORVCallBack::GetImageSize", "IORVCallBack::DrawImage",
    "IORVCallBack::DrawImageScaled", "IORVCallBack::HitTestImage", "IORVCallBack::DrawText",
    "IORVCallBack::DrawRectFrame", "IORVCallBack::FillRect", "IORVCallBack::GetScreenWidth",
    "IORVCallBack::GetScreenHeight", "IORVCallBack::GetPlayerName",
    "IORVCallBack::CreateDrawCharacter", "IORVCallBack::ReleaseDrawCharacter",
    "IORVCallBack::OpenPlayerRestaurant", "IORVCallBack::OpenPlayerGarden",
    "IORVCallBack::StartImageAnimation", "IORVCallBack::Reserved17",
    "IORVCallBack::StepImageAnimation", "IORVCallBack::ResetImageAnimation",
    "IORVCallBack::DrawSector", "IORVCallBack::Reserved21", "IORVCallBack::DrawRankExtra",
    "IORVCallBack::GetBagItemCount", "IORVCallBack::GetCharacterLevel",
    "IORVCallBack::NotifyGameWindow", "IORVCallBack::OnMouseMove", "IORVCallBack::Reserved27",
    "IORVCallBack::HasBagItem", "IORVCallBack::Reserved29", "IORVCallBack::Reserved30",
    "IORVDrawCharacter::SetAppearance", "IORVDrawCharacter::SetValue2",
    "IORVDrawCharacter::SetValue3", "IORVDrawCharacter::IsMouseOver", "IORVDrawCharacter::Draw",
};
static_assert(std::size(kSlotNames) == static_cast<std::size_t>(Slot::Count));

const char* SlotName(Slot slot)
{
    return kSlotNames[static_cast<int>(slot)];
}

// The held callback's slot, or neutral when none is held.
template <typename R, typename Call>
R Forward(Slot slot, R neutral, Call&& call)
{
    IORVCallBack* host = *GetORVCallBack();
    if (host == nullptr) {
        return neutral;
    }
    return CallHostCatching(SlotName(slot), -1, neutral, [&] { return call(*host); });
}

template <typename Call>
void Forward(Slot slot, Call&& call)
{
    if (IORVCallBack* host = *GetORVCallBack()) {
        CallHostCatching(SlotName(slot), -1, [&] { call(*host); });
    }
}

// The guard of one host drawer. Guards are made as more drawers live at once than ever before and
// are reused after that: a drawer the library could not give back (the host gone at unload) keeps
// its guard, which stays reachable from the list.
class CDrawerGuard final : public IORVDrawCharacter {
public:
    void SetAppearance(const void* data, int len) override
    {
        Call(Slot::SetAppearance, [&](IORVDrawCharacter& d) { d.SetAppearance(data, len); });
    }
    void SetValue2(u32 value) override
    {
        Call(Slot::SetValue2, [&](IORVDrawCharacter& d) { d.SetValue2(value); });
    }
    void SetValue3(u32 value) override
    {
        Call(Slot::SetValue3, [&](IORVDrawCharacter& d) { d.SetValue3(value); });
    }
    bool IsMouseOver() override
    {
        return m_pDrawer != nullptr &&
               CallHostCatching(SlotName(Slot::IsMouseOver), -1, false, [this] { return m_pDrawer->IsMouseOver(); });
    }
    void Draw(int x, int y) override
    {
        Call(Slot::Draw, [&](IORVDrawCharacter& d) { d.Draw(x, y); });
    }

    IORVDrawCharacter* m_pDrawer = nullptr;   // the host's drawer; null while the guard is free
    CDrawerGuard* m_pNext = nullptr;          // the next guard ever made

private:
    template <typename F>
    void Call(Slot slot, F&& call)
    {
        if (m_pDrawer != nullptr) {
            CallHostCatching(SlotName(slot), -1, [&] { call(*m_pDrawer); });
        }
    }
};

CDrawerGuard* g_pDrawerGuards = nullptr;   // every guard ever made; never freed

// A free guard for drawer, or null when none can be made.
CDrawerGuard* TakeDrawerGuard(IORVDrawCharacter* drawer)
{
    CDrawerGuard* guard = g_pDrawerGuards;
    while (guard != nullptr && guard->m_pDrawer != nullptr) {
        guard = guard->m_pNext;
    }
    if (guard == nullptr) {
        guard = new (std::nothrow) CDrawerGuard();
        if (guard == nullptr) {
            return nullptr;
        }
        guard->m_pNext = g_pDrawerGuards;
        g_pDrawerGuards = guard;
    }
    guard->m_pDrawer = drawer;
    return guard;
}

// The host's drawer behind what the library hands back, its guard freed; a drawer that is not
// one of the guards is the host's own.
IORVDrawCharacter* GiveBackDrawerGuard(IORVDrawCharacter* drawer)
{
    for (CDrawerGuard* guard = g_pDrawerGuards; guard != nullptr; guard = guard->m_pNext) {
        if (guard == drawer) {
            IORVDrawCharacter* hosts = guard->m_pDrawer;
            guard->m_pDrawer = nullptr;
            return hosts;
        }
    }
    return drawer;
}

class CHostCallBackGuard final : public IORVCallBack {
public:
    void SendToServer(const char* request, int length) override
    {
        Forward(Slot::SendToServer, [&](IORVCallBack& h) { h.SendToServer(request, length); });
    }
    void GetImageSize(int frame, int set, int* width, int* height) override
    {
        // The host writes into copies: a throw leaves the library's values as they were.
        int w = width != nullptr ? *width : 0;
        int h = height != nullptr ? *height : 0;
        const bool answered = Forward(Slot::GetImageSize, false, [&](IORVCallBack& host) {
            host.GetImageSize(frame, set, width != nullptr ? &w : nullptr, height != nullptr ? &h : nullptr);
            return true;
        });
        if (answered) {
            if (width != nullptr) {
                *width = w;
            }
            if (height != nullptr) {
                *height = h;
            }
        }
    }
    void DrawImage(int x, int y, int frame, int set, u32 colour, int reserved1, int reserved2) override
    {
        Forward(Slot::DrawImage, [&](IORVCallBack& h) { h.DrawImage(x, y, frame, set, colour, reserved1, reserved2); });
    }
    void DrawImageScaled(int x, int y, int frame, int set, float scaleX, float scaleY, u32 colour, int reserved1,
                         int reserved2) override
    {
        Forward(Slot::DrawImageScaled, [&](IORVCallBack& h) {
            h.DrawImageScaled(x, y, frame, set, scaleX, scaleY, colour, reserved1, reserved2);
        });
    }
    bool HitTestImage(int x, int y, int frame, int set) override
    {
        return Forward(Slot::HitTestImage, false, [&](IORVCallBack& h) { return h.HitTestImage(x, y, frame, set); });
    }
    void DrawText(int x, int y, const char* text, u32 colour, int align, int style1, int style2, int style3,
                  int font, int reserved) override
    {
        Forward(Slot::DrawText, [&](IORVCallBack& h) {
            h.DrawText(x, y, text, colour, align, style1, style2, style3, font, reserved);
        });
    }
    void DrawRectFrame(u32 colour, int x, int y, int width, int height) override
    {
        Forward(Slot::DrawRectFrame, [&](IORVCallBack& h) { h.DrawRectFrame(colour, x, y, width, height); });
    }
    void FillRect(u32 colour, int x, int y, int width, int height) override
    {
        Forward(Slot::FillRect, [&](IORVCallBack& h) { h.FillRect(colour, x, y, width, height); });
    }
    int GetScreenWidth() override
    {
        return Forward(Slot::GetScreenWidth, 0, [](IORVCallBack& h) { return h.GetScreenWidth(); });
    }
    int GetScreenHeight() override
    {
        return Forward(Slot::GetScreenHeight, 0, [](IORVCallBack& h) { return h.GetScreenHeight(); });
    }
    const char* GetPlayerName() override
    {
        return Forward(Slot::GetPlayerName, static_cast<const char*>(nullptr),
                       [](IORVCallBack& h) { return h.GetPlayerName(); });
    }
    IORVDrawCharacter* CreateDrawCharacter() override
    {
        IORVDrawCharacter* drawer = Forward(Slot::CreateDrawCharacter, static_cast<IORVDrawCharacter*>(nullptr),
                                            [](IORVCallBack& h) { return h.CreateDrawCharacter(); });
        if (drawer == nullptr) {
            return nullptr;
        }
        if (CDrawerGuard* guard = TakeDrawerGuard(drawer)) {
            return guard;
        }
        Forward(Slot::ReleaseDrawCharacter, [&](IORVCallBack& h) { h.ReleaseDrawCharacter(drawer); });
        return nullptr;
    }
    void ReleaseDrawCharacter(IORVDrawCharacter* drawer) override
    {
        IORVDrawCharacter* hosts = GiveBackDrawerGuard(drawer);
        Forward(Slot::ReleaseDrawCharacter, [&](IORVCallBack& h) { h.ReleaseDrawCharacter(hosts); });
    }
    void OpenPlayerRestaurant(const char* ownerName) override
    {
        Forward(Slot::OpenPlayerRestaurant, [&](IORVCallBack& h) { h.OpenPlayerRestaurant(ownerName); });
    }
    void OpenPlayerGarden(const char* ownerName) override
    {
        Forward(Slot::OpenPlayerGarden, [&](IORVCallBack& h) { h.OpenPlayerGarden(ownerName); });
    }
    void StartImageAnimation(int frame, int set, int hostValue1, int hostValue2) override
    {
        Forward(Slot::StartImageAnimation,
                [&](IORVCallBack& h) { h.StartImageAnimation(frame, set, hostValue1, hostValue2); });
    }
    void Reserved17() override
    {
        Forward(Slot::Reserved17, [](IORVCallBack& h) { h.Reserved17(); });
    }
    void StepImageAnimation(int frame, int set) override
    {
        Forward(Slot::StepImageAnimation, [&](IORVCallBack& h) { h.StepImageAnimation(frame, set); });
    }
    void ResetImageAnimation(int frame, int set, int hostValue1, int hostValue2) override
    {
        Forward(Slot::ResetImageAnimation,
                [&](IORVCallBack& h) { h.ResetImageAnimation(frame, set, hostValue1, hostValue2); });
    }
    void DrawSector(int centreX, int centreY, int radius, float angle, u32 colour) override
    {
        Forward(Slot::DrawSector, [&](IORVCallBack& h) { h.DrawSector(centreX, centreY, radius, angle, colour); });
    }
    void Reserved21() override
    {
        Forward(Slot::Reserved21, [](IORVCallBack& h) { h.Reserved21(); });
    }
    void DrawRankExtra(int x, int y, u16 looks1, u16 looks2, u8 looks3) override
    {
        Forward(Slot::DrawRankExtra, [&](IORVCallBack& h) { h.DrawRankExtra(x, y, looks1, looks2, looks3); });
    }
    u16 GetBagItemCount(u16 itemId) override
    {
        return Forward(Slot::GetBagItemCount, u16{0}, [&](IORVCallBack& h) { return h.GetBagItemCount(itemId); });
    }
    u16 GetCharacterLevel() override
    {
        return Forward(Slot::GetCharacterLevel, u16{0}, [](IORVCallBack& h) { return h.GetCharacterLevel(); });
    }
    void NotifyGameWindow(int state) override
    {
        Forward(Slot::NotifyGameWindow, [&](IORVCallBack& h) { h.NotifyGameWindow(state); });
    }
    void OnMouseMove(LPARAM lParam) override
    {
        Forward(Slot::OnMouseMove, [&](IORVCallBack& h) { h.OnMouseMove(lParam); });
    }
    void Reserved27() override
    {
        Forward(Slot::Reserved27, [](IORVCallBack& h) { h.Reserved27(); });
    }
    bool HasBagItem(int bagKind1, int bagKind2, int itemId) override
    {
        return Forward(Slot::HasBagItem, false,
                       [&](IORVCallBack& h) { return h.HasBagItem(bagKind1, bagKind2, itemId); });
    }
    void Reserved29() override
    {
        Forward(Slot::Reserved29, [](IORVCallBack& h) { h.Reserved29(); });
    }
    void Reserved30() override
    {
        Forward(Slot::Reserved30, [](IORVCallBack& h) { h.Reserved30(); });
    }
};

}  // namespace

IORVCallBack& HostCallBackGuard()
{
    // Never destroyed: code running at unload may still ask for it (and finds no callback held).
    alignas(CHostCallBackGuard) static unsigned char s_Storage[sizeof(CHostCallBackGuard)];
    static IORVCallBack* const s_pGuard = new (s_Storage) CHostCallBackGuard();
    return *s_pGuard;
}
