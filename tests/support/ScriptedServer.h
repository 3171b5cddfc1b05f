// A scripted Aerie server for tests: builders for the 12-byte header, data items, the server's
// records, compressed envelopes and record lists; and AerieTest, a fixture that attaches the
// recording host, installs the game's hooks, hands messages to CORVMgr::Recv in exact-size heap
// buffers, steps frames and reads what the (stand-in) game window received.
//
//   TEST_F(AerieTest, Something) {
//       Recv(Compressed(kOwnId, 0, Item(0, "me") + Item(2, LE16(0) + LE16(3))));
//       EXPECT_EQ(GameTopics(), (std::vector<u32>{3, 29, 5}));
//   }
#pragma once

#include <memory>
#include <string>
#include <vector>

#include "support/AerieStandInWnd.h"
#include "aerie/state/AerieDataMgr.h"
#include "framework/core/ByteOrder.h"
#include "support/ExactBytes.h"
#include "support/TestHarness.h"

namespace orv::test {

// ---- Builders: every message and record as a byte string ----
// LE16 and LE32, the bytes of a field, come from framework/core/ByteOrder.h.
std::string Header(u32 owner, u16 sub, u16 p1 = 0, u16 p2 = 0, u16 mainId = 0x367);
std::string Item(u16 kind, const std::string& value);
std::string Message(u32 owner, u16 sub, const std::string& body = std::string(), u16 p1 = 0, u16 p2 = 0);
// The header, then the body deflated with compress2.
std::string Compressed(u32 owner, u16 sub, const std::string& inflatedBody, u16 p1 = 0, u16 p2 = 0);
// A record list message: records of recordSize bytes (each cut or zero-padded to that size).
std::string RecordList(u16 sub, u16 recordSize, const std::vector<std::string>& records);

// A fixed-size record filled field by field (little-endian); bytes not set are 0.
class RecordBytes {
public:
    explicit RecordBytes(std::size_t size, unsigned char fill = 0) : m_Bytes(size, static_cast<char>(fill)) {}
    RecordBytes& U8(std::size_t at, u8 v);
    RecordBytes& U16(std::size_t at, u16 v);
    RecordBytes& U32(std::size_t at, u32 v);
    RecordBytes& Text(std::size_t at, const std::string& text);   // bytes as given, no NUL added
    const std::string& Str() const { return m_Bytes; }
    operator const std::string&() const { return m_Bytes; }

private:
    std::string m_Bytes;
};

std::string MonsterRecord(u16 slot, u16 id, u32 count, u16 a, u16 b, u16 c, u32 timer = 0);
std::string WorkState(u16 group, u16 state, u16 target, u32 seconds = 0);
std::string FightRecord(u8 index, u32 wait, u32 fight, u32 friendWait, u32 invasion = 0);
std::string Incubator(bool opened, u16 egg, u32 hatchSeconds, u32 guardSeconds, const std::string& slave = "");
std::string NamedRecord(std::size_t size, const std::string& name);

// ExactBytes, a message in a heap buffer of exactly its size, comes from support/ExactBytes.h.

// ---- Fixture ----
class AerieTest : public LibraryTest {
protected:
    static constexpr u32 kOwnId = 1001;
    static constexpr u32 kOtherId = 2002;

    void SetUp() override;
    void TearDown() override;

    // CORVMgr::Recv of the message, from an exact-size heap buffer.
    void Recv(const std::string& msg);
    // Enters the own city (kind 0 naming the player first) through a compressed reply 0; the
    // (stand-in) game window opens. Extra items follow the kind-0 item.
    void EnterOwnCity(const std::string& items = std::string());
    // The stand-in game window, or null while none is open.
    CAerieStandInWnd* GameWnd();
    // The topics the game window has received so far (empty while none is open).
    std::vector<u32> GameTopics();
    // The first line of every queued floating tip, and dropping them all.
    std::vector<std::string> Tips();
    void ClearTips();
    // Writes a game-data file and loads it into the game-data manager.
    void LoadGameData(const std::string& xmlBody);

    CAerieDataMgr& Store() { return CAerieDataMgr::GetSingleton(); }
    std::vector<SentRequest> Sent() { return m_Host.Requests(); }

private:
    std::string m_strDataPath;
    std::unique_ptr<ScopedSystemWindowRecord> m_pGameRecord;
    std::unique_ptr<ScopedSystemWindowRecord> m_pChooserRecord;
};

}  // namespace orv::test
