#include "framework/core/ORVCallBack.h"

#include <new>

IORVCallBack::IORVCallBack() = default;
IORVCallBack::IORVCallBack(const IORVCallBack&) = default;
IORVCallBack& IORVCallBack::operator=(const IORVCallBack&) = default;
IORVCallBack::~IORVCallBack() = default;

IORVDrawCharacter::IORVDrawCharacter() = default;
IORVDrawCharacter::IORVDrawCharacter(const IORVDrawCharacter&) = default;
IORVDrawCharacter& IORVDrawCharacter::operator=(const IORVDrawCharacter&) = default;
IORVDrawCharacter::~IORVDrawCharacter() = default;

namespace {

// The guard of one host drawer. Guards are made as more drawers live at once than ever before and
// are reused after that: a drawer the library could not give back (the host gone at unload) keeps
// its guard, which stays reachable from the list.
class CDrawerGuard final : public IORVDrawCharacter {
public:
    void SetAppearance(const void* data, int len) override
    {
        Call("IORVDrawCharacter::SetAppearance", [&](IORVDrawCharacter& d) { d.SetAppearance(data, len); });
    }
    void SetValue2(u32 value) override
    {
        Call("IORVDrawCharacter::SetValue2", [&](IORVDrawCharacter& d) { d.SetValue2(value); });
    }
    void SetValue3(u32 value) override
    {
        Call("IORVDrawCharacter::SetValue3", [&](IORVDrawCharacter& d) { d.SetValue3(value); });
    }
    bool IsMouseOver() override
    {
        return m_pDrawer != nullptr &&
               CallHostCatching("IORVDrawCharacter::IsMouseOver", -1, false, [this] { return m_pDrawer->IsMouseOver(); });
    }
    void Draw(int x, int y) override
    {
        Call("IORVDrawCharacter::Draw", [&](IORVDrawCharacter& d) { d.Draw(x, y); });
    }

    IORVDrawCharacter* m_pDrawer = nullptr;   // the host's drawer; null while the guard is free
    CDrawerGuard* m_pNext = nullptr;          // the next guard ever made

private:
    template <typename F>
    void Call(const char* slot, F&& call)
    {
        if (m_pDrawer != nullptr) {
            CallHostCatching(slot, -1, [&] { call(*m_pDrawer); });
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

}  // namespace

IORVDrawCharacter* CHostCallBackGuard::CreateDrawCharacter() noexcept
{
    IORVDrawCharacter* drawer = Call("IORVCallBack::CreateDrawCharacter", static_cast<IORVDrawCharacter*>(nullptr),
                                     [](IORVCallBack& h) { return h.CreateDrawCharacter(); });
    if (drawer == nullptr) {
        return nullptr;
    }
    if (CDrawerGuard* guard = TakeDrawerGuard(drawer)) {
        return guard;
    }
    Call("IORVCallBack::ReleaseDrawCharacter", [&](IORVCallBack& h) { h.ReleaseDrawCharacter(drawer); });
    return nullptr;
}

void CHostCallBackGuard::ReleaseDrawCharacter(IORVDrawCharacter* drawer) noexcept
{
    IORVDrawCharacter* hosts = GiveBackDrawerGuard(drawer);
    Call("IORVCallBack::ReleaseDrawCharacter", [&](IORVCallBack& h) { h.ReleaseDrawCharacter(hosts); });
}
