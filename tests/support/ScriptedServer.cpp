#include "support/ScriptedServer.h"

#include <zlib.h>

#include <cstdio>
#include <filesystem>
#include <fstream>

#include <unistd.h>

#include "aerie/state/AerieRecordLayout.h"
#include "aerie/state/AerieStartup.h"
#include "aerie/state/XmlAerieMgr.h"
#include "framework/widgets/ORVToolTip.h"
#include "maingame/orvane/ORVMgr.h"
#include "tools/ServerBytes.h"

namespace orv::test {

using namespace aerie_layout;

std::string Header(u32 owner, u16 sub, u16 p1, u16 p2, u16 mainId)
{
    return LE32(owner) + LE16(mainId) + LE16(sub) + LE16(p1) + LE16(p2);
}

std::string Item(u16 kind, const std::string& value)
{
    return orv::sample::DataItem(kind, value);
}

std::string Message(u32 owner, u16 sub, const std::string& body, u16 p1, u16 p2)
{
    return Header(owner, sub, p1, p2) + body;
}

std::string Compressed(u32 owner, u16 sub, const std::string& inflatedBody, u16 p1, u16 p2)
{
    std::string out;
    if (!orv::sample::Deflate(inflatedBody, Z_BEST_SPEED, out)) {
        ADD_FAILURE() << "compress2 failed";
    }
    return Header(owner, sub, p1, p2) + out;
}

std::string RecordList(u16 sub, u16 recordSize, const std::vector<std::string>& records)
{
    std::string body;
    for (std::string r : records) {
        r.resize(recordSize, '\0');
        body += r;
    }
    return Message(0, sub, body, 0, recordSize);
}

RecordBytes& RecordBytes::U8(std::size_t at, u8 v)
{
    return Text(at, std::string(1, static_cast<char>(v)));
}

RecordBytes& RecordBytes::U16(std::size_t at, u16 v)
{
    return Text(at, LE16(v));
}

RecordBytes& RecordBytes::U32(std::size_t at, u32 v)
{
    return Text(at, LE32(v));
}

RecordBytes& RecordBytes::Text(std::size_t at, const std::string& text)
{
    if (at + text.size() > m_Bytes.size()) {
        ADD_FAILURE() << "record field past the record's end";
        return *this;
    }
    m_Bytes.replace(at, text.size(), text);
    return *this;
}

std::string MonsterRecord(u16 slot, u16 id, u32 count, u16 a, u16 b, u16 c, u32 timer)
{
    return RecordBytes(kMonsterSize)
        .U16(kMonsterSlot, slot)
        .U16(kMonsterId, id)
        .U32(kMonsterCount, count)
        .U16(kMonsterAttrA, a)
        .U16(kMonsterAttrB, b)
        .U16(kMonsterAttrC, c)
        .U32(kMonsterTimer, timer)
        .Str();
}

std::string WorkState(u16 group, u16 state, u16 target, u32 seconds)
{
    return RecordBytes(kWorkStateSize).U16(kWorkGroup, group).U16(kWorkState, state).U16(kWorkTarget, target)
        .U32(kWorkSeconds, seconds).Str();
}

std::string FightRecord(u8 index, u32 wait, u32 fight, u32 friendWait, u32 invasion)
{
    return RecordBytes(kFightSize)
        .U8(kFightIndex, index)
        .U32(kFightWait, wait)
        .U32(kFightFight, fight)
        .U32(kFightFriendWait, friendWait)
        .U32(kFightInvasion, invasion)
        .Str();
}

std::string Incubator(bool opened, u16 egg, u32 hatchSeconds, u32 guardSeconds, const std::string& slave)
{
    return RecordBytes(kIncubatorSize)
        .U8(kIncOpened, opened ? 1 : 0)
        .U16(kIncEggType, egg)
        .U32(kIncHatchSeconds, hatchSeconds)
        .U32(kIncGuardSeconds, guardSeconds)
        .Text(kIncSlaveName, slave)
        .Str();
}

std::string NamedRecord(std::size_t size, const std::string& name)
{
    return RecordBytes(size).Text(0, name).Str();
}

// ---- Fixture ----

void AerieTest::SetUp()
{
    LibraryTest::SetUp();
    // The game's stand-in windows, whatever another test left installed.
    m_pGameRecord = std::make_unique<ScopedSystemWindowRecord>(ORV_MSG_GAMEWND, ORV_RUNTIME_CLASS(CAerieStandInWnd));
    m_pChooserRecord =
        std::make_unique<ScopedSystemWindowRecord>(ORV_MSG_CHOOSEBEAST, ORV_RUNTIME_CLASS(CAerieStandInWnd));
    InstallAerieHooks();
    CAerieDataMgr::GetSingleton().Reset();
    CXmlAerieMgr::GetSingleton()->Load("");   // empty game data unless a test loads some
    m_Host.m_strPlayerName = "me";
    Attach();
}

void AerieTest::TearDown()
{
    CAerieDataMgr::GetSingleton().Reset();
    CXmlAerieMgr::GetSingleton()->Load("");
    if (!m_strDataPath.empty()) {
        std::error_code ec;
        std::filesystem::remove(m_strDataPath, ec);
    }
    LibraryTest::TearDown();
    m_pChooserRecord.reset();
    m_pGameRecord.reset();
}

void AerieTest::Recv(const std::string& msg)
{
    std::vector<char> bytes = ExactBytes(msg);
    CORVMgr::GetSingleton().Recv(bytes.data(), static_cast<int>(bytes.size()));
}

void AerieTest::EnterOwnCity(const std::string& items)
{
    Recv(Compressed(kOwnId, 0, Item(0, m_Host.m_strPlayerName) + items));
}

CAerieStandInWnd* AerieTest::GameWnd()
{
    CORVControl* wnd = MainWnd().GetSystemWindow(ORV_MSG_GAMEWND);
    return IsKindOf(wnd, ORV_RUNTIME_CLASS(CAerieStandInWnd)) ? static_cast<CAerieStandInWnd*>(wnd) : nullptr;
}

std::vector<u32> AerieTest::GameTopics()
{
    CAerieStandInWnd* wnd = GameWnd();
    if (wnd == nullptr) {
        return {};
    }
    return std::vector<u32>(wnd->m_adwTopics, wnd->m_adwTopics + wnd->m_nTopics);
}

std::vector<std::string> AerieTest::Tips()
{
    std::vector<std::string> out;
    for (const AutoTipItem& tip : CAutoTip::GetSingleton().GetTips()) {
        out.push_back(tip.m_vLines.empty() ? "" : tip.m_vLines[0].m_strText);
    }
    return out;
}

void AerieTest::ClearTips()
{
    while (!CAutoTip::GetSingleton().GetTips().empty()) {
        CAutoTip::GetSingleton().Next();
    }
}

void AerieTest::LoadGameData(const std::string& xmlBody)
{
    if (m_strDataPath.empty()) {
        char name[64];
        std::snprintf(name, sizeof name, "orvane-aerie-%d.xml", static_cast<int>(::getpid()));
        m_strDataPath = (std::filesystem::temp_directory_path() / name).string();
    }
    std::ofstream(m_strDataPath, std::ios::binary) << "<?xml version=\"1.0\"?><aerie>" << xmlBody << "</aerie>";
    ASSERT_TRUE(CXmlAerieMgr::GetSingleton()->Load(m_strDataPath.c_str()));
}

}  // namespace orv::test
