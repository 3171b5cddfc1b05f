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

int FakePlatform::ShowCursor(bool show)
{
    ++m_nShowCursorCalls;
    m_nCursorCount += show ? 1 : -1;
    return m_nCursorCount;
}

bool FakePlatform::SocketStartup()
{
    return !m_bFailSocketStartup && Native().SocketStartup();
}

Socket FakePlatform::SocketOpen()
{
    if (m_bFailSocketOpen) {
        m_nFakeError = kSockErrConnAborted;
        return kNoSocket;
    }
    const Socket s = Native().SocketOpen();
    if (s != kNoSocket) {
        ++m_nOpenSockets;
    }
    return s;
}

bool FakePlatform::SocketSelect(Socket s, HWND hwnd, UINT msg, long eventMask)
{
    m_mapSelected[s] = WindowMessage{hwnd, msg, 0, 0};
    return Native().SocketSelect(s, hwnd, msg, eventMask);
}

int FakePlatform::SocketSend(Socket s, const void* data, int len)
{
    m_nFakeError = 0;
    if (m_bFailSend) {
        m_nFakeError = kSockErrConnReset;
        return -1;
    }
    int take = len;
    if (m_nSendChunk > 0) {
        take = std::min(take, m_nSendChunk);
    }
    if (m_nSendBudget >= 0) {
        if (m_nSendBudget == 0) {
            m_nFakeError = kSockErrWouldBlock;
            if (std::find(m_vWriteNotes.begin(), m_vWriteNotes.end(), s) == m_vWriteNotes.end()) {
                m_vWriteNotes.push_back(s);
            }
            return -1;
        }
        take = std::min(take, m_nSendBudget);
    }
    const int n = Native().SocketSend(s, data, take);
    if (n > 0 && m_nSendBudget > 0) {
        m_nSendBudget -= n;
    }
    return n;
}

void FakePlatform::SocketClose(Socket s)
{
    if (s != kNoSocket) {
        --m_nOpenSockets;
    }
    m_mapSelected.erase(s);
    m_vWriteNotes.erase(std::remove(m_vWriteNotes.begin(), m_vWriteNotes.end(), s), m_vWriteNotes.end());
    Native().SocketClose(s);
}

int FakePlatform::SocketLastError()
{
    return m_nFakeError != 0 ? m_nFakeError : Native().SocketLastError();
}

void FakePlatform::PollSocketEvents(std::vector<WindowMessage>* out, int timeoutMs)
{
    if (out == nullptr) {
        return;
    }
    for (Socket s : m_vWriteNotes) {
        const auto it = m_mapSelected.find(s);
        if (it != m_mapSelected.end()) {
            WindowMessage m = it->second;
            m.wParam = static_cast<WPARAM>(s);
            m.lParam = static_cast<LPARAM>(kSockEventWrite);
            out->push_back(m);
        }
    }
    if (!m_vWriteNotes.empty()) {
        m_nSendBudget = m_nSendRefill;
        m_vWriteNotes.clear();
        timeoutMs = 0;
    }
    Native().PollSocketEvents(out, timeoutMs);
}

}  // namespace orv::platform
