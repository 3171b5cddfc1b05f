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
    int Rand() override { return m_nRand; }

    int ShowCursor(bool show) override;
    int NcHitTest(HWND hwnd, WPARAM wParam, LPARAM lParam) override { return m_nHitTestAnswer; }
    // Local time in a zone m_nZoneSeconds east of UTC, without daylight saving; moments whose
    // year does not fit a tm cannot be converted.
    bool LocalTime(std::int64_t seconds, std::tm* out) override;
    void OpenLink(const char* url) override { m_vOpenedLinks.emplace_back(url != nullptr ? url : ""); }

    // Sockets are the native ones (a fake server on 127.0.0.1 answers them), with knobs for
    // failures and for a socket that takes fewer bytes than offered.
    bool SocketStartup() override;
    void SocketCleanup() override { Native().SocketCleanup(); }
    Socket SocketOpen() override;
    bool SocketSelect(Socket s, HWND hwnd, UINT msg, long eventMask) override;
    int SocketConnect(Socket s, const char* ip, int port) override { return Native().SocketConnect(s, ip, port); }
    int SocketSend(Socket s, const void* data, int len) override;
    int SocketRecv(Socket s, void* buf, int cap) override { return Native().SocketRecv(s, buf, cap); }
    void SocketClose(Socket s) override;
    int SocketLastError() override;
    void PollSocketEvents(std::vector<WindowMessage>* out, int timeoutMs) override;

    // Knobs.
    std::uint32_t m_dwTick = 0;
    std::int64_t m_nZoneSeconds = 0;
    int m_nRand = 0;                     // what Rand answers
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
    std::vector<std::string> m_vOpenedLinks;   // every OpenLink, in order
    int m_nCursorCount = 0;              // ShowCursor's display count
    int m_nShowCursorCalls = 0;
    int m_nHitTestAnswer = kHitClient;   // WM_NCHITTEST's answer
    bool m_bFailSocketStartup = false;
    bool m_bFailSocketOpen = false;
    bool m_bFailSend = false;            // every send fails hard (connection reset)
    int m_nSendChunk = 0;                // at most this many bytes a send (0: no limit)
    int m_nSendBudget = -1;              // bytes a socket takes before it is full (-1: no limit);
                                         // a full socket reports "would block", then a write
                                         // notification at the next poll gives it m_nSendRefill
    int m_nSendRefill = -1;
    int m_nOpenSockets = 0;

    bool HasDebugLineContaining(const std::string& part) const;

private:
    std::map<int, bool> m_Keys;
    std::map<Socket, WindowMessage> m_mapSelected;   // the notification target of each socket
    std::vector<Socket> m_vWriteNotes;               // full sockets owed a write notification
    int m_nFakeError = 0;
    IPlatform* m_pPrevious = nullptr;
};

}  // namespace orv::platform
