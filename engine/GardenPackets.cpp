#include "engine/GardenPackets.h"

#include "framework/core/DebugLog.h"

namespace {

struct Held {
    std::vector<std::string> packets;
    std::vector<std::string> draining;   // swapped in while a drain hands packets out
    std::size_t bytes = 0;
    GardenDispatcher dispatcher = nullptr;
};

Held& H()
{
    static Held s_Held;
    return s_Held;
}

}  // namespace

void PushGardenPacket(const char* data, int len)
{
    Held& h = H();
    if (data == nullptr || len <= 0) {
        return;
    }
    const std::size_t n = static_cast<std::size_t>(len);
    if (h.packets.size() >= kHeldPacketsMax || n > kHeldPacketBytesMax - h.bytes) {
        DebugLog("Error : packet of %d bytes dropped, %zu packets wait\n", len, h.packets.size());
        return;
    }
    h.packets.emplace_back(data, n);
    h.bytes += n;
}

void DrainGardenPackets()
{
    Held& h = H();
    if (h.packets.empty()) {
        return;
    }
    h.draining.swap(h.packets);   // packets pushed by a handler wait for the next frame
    h.bytes = 0;
    for (const std::string& p : h.draining) {
        if (h.dispatcher != nullptr) {
            h.dispatcher(p.data(), static_cast<int>(p.size()));
        }
    }
    h.draining.clear();
}

void SetGardenDispatcher(GardenDispatcher dispatcher)
{
    H().dispatcher = dispatcher;
}

const std::vector<std::string>& HeldGardenPackets()
{
    return H().packets;
}

void ClearGardenPackets()
{
    H().packets.clear();
    H().bytes = 0;
}
