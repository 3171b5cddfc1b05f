#include "support/NetRig.h"

namespace orv::test {
namespace {

std::vector<std::string> g_Packets;

bool CollectPacket(const char* data, int len)
{
    g_Packets.emplace_back(data, static_cast<std::size_t>(len));
    return true;
}

}  // namespace

NetRig::NetRig()
{
    g_Packets.clear();
    GetLoginInfo() = ORVLoginInfo{};
    CNet::ResetSequence();
    GetGameNet().Init(1, nullptr, kSocketMessage, kSocketEventMask);
    GetGameNet().SetHost(0, "127.0.0.1", m_Server.Port());
    CGameNet::SetPacketHandler(&CollectPacket);
}

NetRig::~NetRig()
{
    GetGameNet().Close(0);
    CGameNet::SetPacketHandler(nullptr);
}

void NetRig::Step(int waitMs)
{
    std::vector<orv::platform::WindowMessage> msgs;
    m_Fake.PollSocketEvents(&msgs, waitMs);
    for (const auto& m : msgs) {
        if (m_Deliver) {
            m_Deliver(m);
        } else {
            GetGameNet().OnSocketEvent(m.wParam, m.lParam);
        }
    }
    m_Server.Step();
}

bool NetRig::StepUntil(const std::function<bool()>& pred, int rounds)
{
    for (int i = 0; i < rounds; ++i) {
        if (pred()) {
            return true;
        }
        Step();
    }
    return pred();
}

void NetRig::SetLogin(const std::string& pt, const std::string& guid, const std::string& pw, const std::string& ip,
                      const std::string& port)
{
    ORVLoginInfo& info = GetLoginInfo();
    info.ptid = pt;
    info.playerguidname = guid;
    info.strPassword = pw;
    info.strGameServerIP = ip;
    info.strGameServerPort = port;
}

std::vector<std::string>& NetRig::Packets()
{
    return g_Packets;
}

}  // namespace orv::test
