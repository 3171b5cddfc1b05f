// The Garden client (GetGameNet) against a FakeGardenServer, stepped from the test thread: each
// step polls the platform's socket notifications, hands them to the client as the host's window
// loop would, and steps the server. Decoded packets land in Packets().
#pragma once

#include <functional>
#include <string>
#include <vector>

#include "engine/LoginText.h"
#include "engine/Net.h"
#include "platform/fake/FakePlatform.h"
#include "support/FakeGardenServer.h"

namespace orv::test {

class NetRig {
public:
    // A fresh client with one connection aimed at the server, the sequence back at '1', the login
    // fields emptied and no callback held.
    NetRig();
    ~NetRig();

    // One round: notifications to the client (through deliver when given, else OnSocketEvent),
    // then one server step.
    void Step(int waitMs = 2);
    // Steps until pred holds (true) or rounds run out (false).
    bool StepUntil(const std::function<bool()>& pred, int rounds = 400);

    // Sets the login fields that the connected step sends.
    void SetLogin(const std::string& pt, const std::string& guid, const std::string& pw, const std::string& ip,
                  const std::string& port);

    std::vector<std::string>& Packets();

    orv::platform::FakePlatform m_Fake;
    FakeGardenServer m_Server;
    // Where notifications go (the manager's WndProc in manager tests); null: the client itself.
    std::function<void(const orv::platform::WindowMessage&)> m_Deliver;
};

}  // namespace orv::test
