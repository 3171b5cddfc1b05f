// The library's only door to the operating system. Every call that Windows would answer
// (tick count, debug output, key state, clipboard, input-method text) goes through the
// active IPlatform. The default is the native implementation; tests install a fake.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>

#include "platform/WinTypes.h"

namespace orv::platform {

class IPlatform {
public:
    virtual ~IPlatform() = default;

    // Milliseconds since an arbitrary start, wrapping at 2^32 (GetTickCount's role).
    virtual std::uint32_t GetTickCount() = 0;

    // One debug line, as given (OutputDebugStringA's role).
    virtual void OutputDebugString(const char* text) = 0;

    // GetKeyState's value for a virtual-key code: bit 15 set (value & 0x8000, also 0x100
    // for Ctrl as the toolkit tests it) while the key is down.
    virtual std::int16_t GetKeyState(int virtualKey) = 0;

    // Clipboard, in the order the toolkit uses it: open, [empty, set] or [get], close.
    // Texts are CF_TEXT bytes: a byte string that ends at its first NUL.
    virtual bool OpenClipboard() = 0;
    virtual bool EmptyClipboard() = 0;
    virtual bool SetClipboardText(const char* bytes, std::size_t len) = 0;
    virtual bool GetClipboardText(std::string* out) = 0;
    virtual void CloseClipboard() = 0;

    // The input method's result string of the current composition of window hWnd, copied into buf
    // (at most cap bytes). Returns the number of bytes copied, or -1 when the window has no
    // input-method context.
    virtual int GetImeResultString(HWND hWnd, char* buf, int cap) = 0;
};

// The active platform; never null.
IPlatform& Get();

// Installs p as the active platform (null restores the native one). Returns the previous one.
IPlatform* Install(IPlatform* p);

}  // namespace orv::platform
