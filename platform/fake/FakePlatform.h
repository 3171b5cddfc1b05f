// A scriptable platform for tests: a settable clock, keys, clipboard contents and failures, an
// input-method result (or no context), and every debug line captured.
#pragma once

#include <map>
#include <optional>
#include <string>
#include <vector>

#include "platform/Platform.h"

namespace orv::platform {

class FakePlatform final : public IPlatform {
public:
    // Installs itself on construction and restores the previous platform on destruction.
    FakePlatform();
    ~FakePlatform() override;

    std::uint32_t GetTickCount() override { return m_dwTick; }
    void OutputDebugString(const char* text) override;
    std::int16_t GetKeyState(int virtualKey) override;
    bool OpenClipboard() override;
    bool EmptyClipboard() override;
    bool SetClipboardText(const char* bytes, std::size_t len) override;
    bool GetClipboardText(std::string* out) override;
    void CloseClipboard() override;
    int GetImeResultString(HWND hWnd, char* buf, int cap) override;

    // Knobs.
    std::uint32_t m_dwTick = 0;
    void SetKeyDown(int virtualKey, bool down) { m_Keys[virtualKey] = down; }
    std::optional<std::string> m_Clipboard;   // nullopt: no CF_TEXT data
    bool m_bFailOpen = false;
    bool m_bFailEmpty = false;
    bool m_bFailSet = false;
    bool m_bFailGet = false;
    bool m_bClipboardOpen = false;
    int m_nOpenCount = 0;
    int m_nCloseCount = 0;
    std::optional<std::string> m_ImeResult;    // nullopt: no input-method context
    HWND m_hImeWindow = nullptr;               // the window of the last input-method read
    std::vector<std::string> m_vDebugLines;

    bool HasDebugLineContaining(const std::string& part) const;

private:
    std::map<int, bool> m_Keys;
    IPlatform* m_pPrevious = nullptr;
};

}  // namespace orv::platform
