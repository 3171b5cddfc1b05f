#include "AerieWndFixture.h"

#include <array>
#include <new>
#include <utility>

#include "aerie/windows/AerieNewBie.h"
#include "framework/control/ORVCtrlMgr.h"

namespace orv::test {

ORV_IMPLEMENT_RUNTIME_CLASS(CFakeSubWnd, CAerieContainer)
ORV_IMPLEMENT_RUNTIME_CLASS(CFakeOtherWnd, CFakeSubWnd)

int& CFakeSubWnd::Created()
{
    static int n = 0;
    return n;
}

namespace {

constexpr u32 kKinds = static_cast<u32>(AerieWndKind::Count);

// One stand-in class per window kind, each with its own record (based on CFakeSubWnd's).
template <u32 K>
class CFakeKindWnd : public CFakeSubWnd {
public:
    static constinit RuntimeClassRecord s_Record;
    static CORVCtrlBaseTag* CreateObject() { return new (std::nothrow) CFakeKindWnd(); }
    const RuntimeClassRecord* GetRuntimeClass() const override { return &s_Record; }
};
template <u32 K>
constinit RuntimeClassRecord CFakeKindWnd<K>::s_Record = {
    "CFakeKindWnd", &CFakeSubWnd::classCFakeSubWnd, nullptr, sizeof(CFakeKindWnd<K>),
    &CFakeKindWnd<K>::CreateObject, "CFakeKindWnd", 1};

template <u32... K>
constexpr std::array<const RuntimeClassRecord*, sizeof...(K)> MakeFakeRecords(std::integer_sequence<u32, K...>)
{
    return {&CFakeKindWnd<K>::s_Record...};
}
const std::array<const RuntimeClassRecord*, kKinds> g_FakeRecords =
    MakeFakeRecords(std::make_integer_sequence<u32, kKinds>());

// The records as they stood before the entry (those the window classes installed at start-up).
std::array<const RuntimeClassRecord*, kKinds> g_StartupRecords = {};

}  // namespace

const RuntimeClassRecord* FakeRecord(AerieWndKind kind)
{
    const u32 index = static_cast<u32>(kind);
    return index < kKinds ? g_FakeRecords[index] : nullptr;
}

void EnterGameWindowWorld(RecordingHost& host)
{
    ASSERT_TRUE(CXmlAerieMgr::GetSingleton()->Load(RepoDataPath("help/aerie.xml").c_str()));
    CAerieNewBie::GetSingleton().InstallGameHooks();
    CAerieNewBie::GetSingleton().Reset();
    CFakeSubWnd::Created() = 0;
    for (u32 kind = 0; kind < kKinds; ++kind) {
        g_StartupRecords[kind] = GetAerieWindowRecord(static_cast<AerieWndKind>(kind));
    }
    for (u32 kind = 0; kind < kKinds; ++kind) {
        SetAerieWindowRecord(static_cast<AerieWndKind>(kind), FakeRecord(static_cast<AerieWndKind>(kind)));
    }
    host.m_nScreenWidth = 800;
    host.m_nScreenHeight = 600;
    host.SetImageSize(1, 93, 800, 600);
    host.m_DefaultImageSize = {30, 30};
}

void LeaveGameWindowWorld()
{
    for (u32 kind = 0; kind < kKinds; ++kind) {
        SetAerieWindowRecord(static_cast<AerieWndKind>(kind), g_StartupRecords[kind]);
    }
    CAerieNewBie::GetSingleton().Reset();
}

void AerieWndTest::SetUp()
{
    LibraryTest::SetUp();
    m_pGameRecord = std::make_unique<ScopedSystemWindowRecord>(ORV_MSG_GAMEWND, ORV_RUNTIME_CLASS(CAerieWnd));
    EnterGameWindowWorld(m_Host);
    SetAerieWindowRecord(AerieWndKind::Technology, ORV_RUNTIME_CLASS(CFakeOtherWnd));
    m_Host.m_strPlayerName = "Me";
}

void AerieWndTest::TearDown()
{
    LeaveGameWindowWorld();
    LibraryTest::TearDown();
    m_pGameRecord.reset();
}

CAerieWnd* AerieWndTest::OpenAerieWnd()
{
    Attach();
    Route(ORVMsg(ORV_MSG_GAMEWND, kSysWndOpen));
    m_pWnd = dynamic_cast<CAerieWnd*>(MainWnd().GetSystemWindow(ORV_MSG_GAMEWND));
    return m_pWnd;
}

void ClickOn(CORVControl* wnd, CORVControl* sender)
{
    ORVMsg msg(kNotifyLeftClick, 0, sender);
    wnd->OnMessage(&msg);
}

void AerieWndTest::Click(CORVControl* sender)
{
    ClickOn(m_pWnd, sender);
}

std::vector<std::string> ToolTipLines()
{
    std::vector<std::string> out;
    for (const ORVToolTipLine& line : CORVToolTip::GetSingleton().m_vLines) {
        std::string text;
        for (const ORVToolTipSegment& seg : line.m_vSegments) {
            text += seg.m_strText;
        }
        out.push_back(text);
    }
    return out;
}

}  // namespace orv::test
