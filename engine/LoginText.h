// The host's side of the login: the login text the host hands over (command 1 of its callback,
// orvane/ORVHostProc.h), the step that logs in once the Garden connection stands, and the 88-byte
// record of the logged-in player that the Garden server sends and patches.
#pragma once

#include <string>

#include "framework/core/OrvTypes.h"
#include "orvane/ORVHostProc.h"

inline constexpr u32 kDefaultConnectTimeout = 2000;
inline constexpr u16 kMsgLogin = 48;
inline constexpr u16 kMsgText = 3030;
inline constexpr u32 kMaxTextMessage = 10000;

struct GardenPlayerInfo {
    static constexpr u32 kSize = 88;
    u8 m_Bytes[kSize] = {};

    // Copies min(len, 88) bytes of a player record over the start of the record.
    void Assign(const void* data, u32 len);
    // Applies patch records {u16 length, u16 offset, bytes}. A record whose header or bytes run
    // past the body, or whose offset plus length passes the record, ends the walk (with a debug
    // line); the records before it stay applied.
    void ApplyPatches(const void* data, u32 len);
    // The player's name (bytes 8 on, NUL-terminated within the record).
    std::string Name() const;
    // The signed number at bytes 84 to 87.
    i32 Number() const;
};

struct ORVLoginInfo {
    ORVHostProc m_pfnHostProc = nullptr;
    std::string ptid;
    std::string playerguidname;
    std::string strSelfDisName;
    std::string strPassword;
    std::string strGameServerIP;
    std::string strGameServerPort;
    std::string strGardenServerIP;
    std::string strGardenServerPort;
    std::string strEnterGuidName;
    std::string strLoginText;
    u32 m_dwWatchdogStart = 0;
    bool m_bWatchdogArmed = false;   // armed by OpenGarden; a start tick of 0 is a valid tick
    u32 m_dwTimeout = 0;
    GardenPlayerInfo m_PlayerInfo;
};

ORVLoginInfo& GetLoginInfo();
// The login of a session that ended: every field, the watchdog and the player record as at load;
// the host's callback stays.
void ForgetLogin();

// Calls the host's callback (0 when none is held; nothing the callback throws gets out).
int CallHost(int command, char* out = nullptr);

// Fills the login fields from the text; false (with the failing field's log line) when a line is
// missing.
bool ParseLoginText(const std::string& text);
// True when a callback is held and it answers command 6 with a non-zero value.
bool IsVerifyWanted();
// The body of message 48: five login fields joined by NUL bytes, none at the end.
std::string BuildLoginBody();
// The connected step: the log line, the login message and, when wanted, the verification line.
void OnGardenConnected();

// Senders of the login (message 48) and of a text (message 3030) on the Garden connection.
int SendGardenLogin(const std::string& body);
int SendGardenText(const char* text, u32 len);
