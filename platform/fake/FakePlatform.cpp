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

namespace orv::platform {

bool FakePlatform::LocalTime(std::int64_t seconds, std::tm* out)
{
    // Years within a tm's int, with room for the zone.
    constexpr std::int64_t kLimit = 67767976233316800LL;   // about year 2,147,483,000
    if (out == nullptr || seconds > kLimit || seconds < -kLimit) {
        return false;
    }
    const std::int64_t local = seconds + m_nZoneSeconds;
    std::int64_t days = local / 86400;
    std::int64_t rest = local % 86400;
    if (rest < 0) {
        rest += 86400;
        --days;
    }
    // Civil date from days since 1970-01-01 (proleptic Gregorian).
    const std::int64_t z = days + 719468;
    const std::int64_t era = (z >= 0 ? z : z - 146096) / 146097;
    const std::int64_t doe = z - era * 146097;
    const std::int64_t yoe = (doe - doe / 1460 + doe / 36524 - doe / 146096) / 365;
    const std::int64_t doy = doe - (365 * yoe + yoe / 4 - yoe / 100);
    const std::int64_t mp = (5 * doy + 2) / 153;
    const std::int64_t day = doy - (153 * mp + 2) / 5 + 1;
    const std::int64_t month = mp < 10 ? mp + 3 : mp - 9;
    const std::int64_t year = yoe + era * 400 + (month <= 2 ? 1 : 0);
    const bool leap = (year % 4 == 0 && year % 100 != 0) || year % 400 == 0;
    static const int kBefore[] = {0, 31, 59, 90, 120, 151, 181, 212, 243, 273, 304, 334};
    std::tm t{};
    t.tm_sec = static_cast<int>(rest % 60);
    t.tm_min = static_cast<int>(rest / 60 % 60);
    t.tm_hour = static_cast<int>(rest / 3600);
    t.tm_mday = static_cast<int>(day);
    t.tm_mon = static_cast<int>(month - 1);
    t.tm_year = static_cast<int>(year - 1900);
    t.tm_wday = static_cast<int>(((days % 7) + 11) % 7);   // 1970-01-01 was a Thursday
    t.tm_yday = kBefore[month - 1] + static_cast<int>(day) - 1 + (leap && month > 2 ? 1 : 0);
    t.tm_isdst = 0;
    *out = t;
    return true;
}

}  // namespace orv::platform
