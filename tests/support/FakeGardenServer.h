// A Garden server on 127.0.0.1 for tests and the sample host, stepped from the caller's thread (no
// threads): it accepts one client, cuts what the client wrote into frames with a decoder of its
// own (written from the frame rules, independent of the library's codec) and writes bytes back in
// pieces of any size.
#pragma once

#include <cstdint>
#include <string>
#include <utility>
#include <vector>

namespace orv::test {

struct ServerFrame {
    char seq = 0;           // the sequence character
    std::string packet;     // the decoded packet bytes
};

class FakeGardenServer {
public:
    FakeGardenServer();    // listens on 127.0.0.1, on a free port
    ~FakeGardenServer();
    FakeGardenServer(const FakeGardenServer&) = delete;
    FakeGardenServer& operator=(const FakeGardenServer&) = delete;

    bool IsListening() const { return m_nListen >= 0; }
    int Port() const { return m_nPort; }
    // One step: accepts a waiting client, reads what it wrote. True while a client is connected.
    bool Step();
    bool HasClient() const { return m_nClient >= 0; }
    // Frames received so far (complete ones, in order); Take empties the list.
    const std::vector<ServerFrame>& Frames() const { return m_vFrames; }
    std::vector<ServerFrame> Take();
    // Every byte the client wrote, as received.
    const std::string& RawReceived() const { return m_strRaw; }
    // Writes bytes to the client, in pieces of at most chunk bytes (0: one piece); false when
    // the client is gone.
    bool SendRaw(const std::string& bytes, std::size_t chunk = 0);
    // '#', seq, armoured packet, '!'.
    static std::string Frame(const std::string& packet, char seq = '1');
    // Scripted answers: each frame received whose message id (and sub, unless kAnySub; and body,
    // when one is given) matches an answer gets its packets written back at once, in one write of
    // framed packets.
    static constexpr std::uint16_t kAnySub = 0xFFFF;
    struct Answer {
        std::uint16_t msgId = 0;
        std::uint16_t sub = kAnySub;
        std::vector<std::string> packets;
        bool matchBody = false;
        std::string body;
    };
    void Script(std::vector<Answer> answers) { m_vScript = std::move(answers); }
    // How answers are written: in pieces of at most chunk bytes (0: one piece), with '*' and '+'
    // noise inside and between the frames when noise is set.
    void SetDelivery(std::size_t chunk, bool noise)
    {
        m_nChunk = chunk;
        m_bNoise = noise;
    }
    // The framed bytes of packets as answers are written (noise as set).
    std::string Framed(const std::vector<std::string>& packets) const;

    // Closes the client's connection.
    void DropClient();
    // Stops listening (a later connect is refused).
    void StopListening();

    // The server's own codec: mask 0x5E, three bytes into four characters from ';'.
    static std::string Armour(const std::string& bytes);
    static std::string Unarmour(const std::string& text);
    // A Garden packet: 12-byte header (user id, message id, sub, two parameters) and body.
    static std::string Packet(std::uint16_t msgId, std::uint16_t sub, const std::string& body,
                              std::uint32_t userId = 0, std::uint16_t p1 = 0, std::uint16_t p2 = 0);
    static std::uint16_t MessageId(const std::string& packet);

private:
    void Cut();

    int m_nListen = -1;
    int m_nClient = -1;
    int m_nPort = 0;
    std::string m_strRaw;
    std::string m_strPending;
    std::vector<ServerFrame> m_vFrames;
    std::size_t m_nAnswered = 0;   // frames of m_vFrames the script has seen
    std::vector<Answer> m_vScript;
    std::size_t m_nChunk = 0;
    bool m_bNoise = false;
};

}  // namespace orv::test
