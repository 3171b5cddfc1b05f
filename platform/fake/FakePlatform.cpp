#include "platform/fake/FakePlatform.h"

#include <algorithm>
#include <cstring>

namespace orv::platform {

FakePlatform::FakePlatform() : m_pPrevious(Install(this)) {}

FakePlatform::~FakePlatform()
{
    Install(m_pPrevious);
}

void FakePlatform::OutputDebugString(const char* text)
{
    m_vDebugLines.emplace_back(text != nullptr ? text : "");
}

std::int16_t FakePlatform::GetKeyState(int virtualKey)
{
    auto it = m_Keys.find(virtualKey);
    return (it != m_Keys.end() && it->second) ? static_cast<std::int16_t>(0x8000 | 0x100 | 1) : 0;
}

bool FakePlatform::OpenClipboard()
{
    if (m_bFailOpen || m_bClipboardOpen) {
        return false;
    }
    m_bClipboardOpen = true;
    ++m_nOpenCount;
    return true;
}

bool FakePlatform::EmptyClipboard()
{
    if (m_bFailEmpty || !m_bClipboardOpen) {
        return false;
    }
    m_Clipboard.reset();
    return true;
}

bool FakePlatform::SetClipboardText(const char* bytes, std::size_t len)
{
    if (m_bFailSet || !m_bClipboardOpen || bytes == nullptr) {
        return false;
    }
    m_Clipboard = std::string(bytes, strnlen(bytes, len));
    return true;
}

bool FakePlatform::GetClipboardText(std::string* out)
{
    if (m_bFailGet || !m_bClipboardOpen || !m_Clipboard || out == nullptr) {
        return false;
    }
    *out = *m_Clipboard;
    return true;
}

void FakePlatform::CloseClipboard()
{
    m_bClipboardOpen = false;
    ++m_nCloseCount;
}

int FakePlatform::GetImeResultString(HWND hWnd, char* buf, int cap)
{
    m_hImeWindow = hWnd;
    if (!m_ImeResult) {
        return -1;
    }
    int n = static_cast<int>(std::min<std::size_t>(m_ImeResult->size(), cap > 0 ? cap : 0));
    if (n > 0) {
        std::memcpy(buf, m_ImeResult->data(), n);
    }
    return n;
}

bool FakePlatform::HasDebugLineContaining(const std::string& part) const
{
    return std::any_of(m_vDebugLines.begin(), m_vDebugLines.end(),
                       [&](const std::string& line) { return line.find(part) != std::string::npos; });
}

}  // namespace orv::platform
