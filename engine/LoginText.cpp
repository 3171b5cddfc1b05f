#include "engine/LoginText.h"

#include <cstring>
#include <iterator>

#include "engine/GardenPackets.h"
#include "engine/Net.h"
#include "engine/WriteLog.h"
#include "framework/core/ByteOrder.h"
#include "framework/core/DebugLog.h"
#include "framework/core/HostCall.h"


ORVLoginInfo& GetLoginInfo()
{
    static ORVLoginInfo s_Info;
    return s_Info;
}

void ForgetLogin()
{
    ORVLoginInfo& info = GetLoginInfo();
    const ORVHostProc proc = info.m_pfnHostProc;
    info = ORVLoginInfo{};
    info.m_pfnHostProc = proc;
}

int CallHost(int command, char* out)
{
    ORVHostProc proc = GetLoginInfo().m_pfnHostProc;
    if (proc == nullptr) {
        return 0;
    }
    return CallHostCatching("procedure, command", command, 0, [&] { return proc(command, nullptr, 0, out); });
}

bool IsVerifyWanted()
{
    return GetLoginInfo().m_pfnHostProc != nullptr && CallHost(HOSTCMD_NEED_VERIFY) != 0;
}

bool ParseLoginText(const std::string& text)
{
    ORVLoginInfo& info = GetLoginInfo();
    info.strLoginText = text;
    struct Line {
        std::string* field;
        const char* failure;
    };
    const Line lines[] = {
        {&info.ptid, "orv ptid error\n"},
        {&info.playerguidname, "orv playerguidname error\n"},
        {&info.strPassword, "orv strPassword error\n"},
        {&info.strGameServerIP, "orv strGameServerIP error\n"},
        {&info.strGameServerPort, "orv strGameServerPort error\n"},
        {&info.strGardenServerIP, "orv strGardenServerIP error\n"},
        {&info.strGardenServerPort, "orv strGardenServerPort error\n"},
        {&info.strEnterGuidName, "orv strEnterGuidName error\n"},
        {&info.strSelfDisName, "orv strSelfDisName error\n"},
    };
    std::size_t pos = 0;
    for (std::size_t i = 0; i < std::size(lines); ++i) {
        // The host is asked about the ninth line once the eight are read; without a callback it
        // is read.
        if (i == 8 && info.m_pfnHostProc != nullptr && !IsVerifyWanted()) {
            break;
        }
        // A line read fails only when no character is left.
        if (pos >= text.size()) {
            WriteLog("%s", lines[i].failure);
            return false;
        }
        const std::size_t end = text.find('\n', pos);
        const std::size_t stop = end == std::string::npos ? text.size() : end;
        lines[i].field->assign(text, pos, stop - pos);
        pos = end == std::string::npos ? text.size() : end + 1;
    }
    // The password stays out of the log.
    WriteLog("UserInfo OK,pt = %s, name = %s, psw = %s,gs ip = %s, gs port = %s,garden ip = %s, "
             "garden port = %s，enter guid = %s\n",
             info.ptid.c_str(), info.playerguidname.c_str(), "***", info.strGameServerIP.c_str(),
             info.strGameServerPort.c_str(), info.strGardenServerIP.c_str(), info.strGardenServerPort.c_str(),
             info.strEnterGuidName.c_str());
    return true;
}

std::string BuildLoginBody()
{
    const ORVLoginInfo& info = GetLoginInfo();
    const std::string* fields[] = {&info.ptid, &info.playerguidname, &info.strPassword, &info.strGameServerIP,
                                   &info.strGameServerPort};
    std::string body;
    for (const std::string* f : fields) {
        if (f != fields[0]) {
            body.push_back('\0');
        }
        body += *f;
    }
    return body;
}

int SendGardenLogin(const std::string& body)
{
    return GetPacketQueue().SendLogin(body);
}

int SendGardenText(const char* text, u32 len)
{
    return GetPacketQueue().SendText(text, len);
}

void OnGardenConnected()
{
    WriteLog("garden connect ok\n");
    SendGardenLogin(BuildLoginBody());
    ORVLoginInfo& info = GetLoginInfo();
    if (info.m_pfnHostProc != nullptr && !IsVerifyWanted()) {
        return;   // without a callback the line is sent
    }
    const std::string line = "@verifyresult " + info.playerguidname + " " + info.strSelfDisName;
    SendGardenText(line.c_str(), static_cast<u32>(line.size()));
}

void GardenPlayerInfo::Assign(const void* data, u32 len)
{
    if (data == nullptr) {
        return;
    }
    std::memcpy(m_Bytes, data, len < kSize ? len : kSize);
}

void GardenPlayerInfo::ApplyPatches(const void* data, u32 len)
{
    ApplyRecordPatches(m_Bytes, kSize, data, len);
}

std::string GardenPlayerInfo::Name() const
{
    const char* name = reinterpret_cast<const char*>(m_Bytes + 8);
    return std::string(name, strnlen(name, kSize - 8));
}

i32 GardenPlayerInfo::Number() const
{
    return static_cast<i32>(ReadLE32(m_Bytes + 84));
}
