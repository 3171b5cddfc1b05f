#include "AerieBeastFixture.h"

#include "aerie/state/AerieRecordLayout.h"
#include "framework/widgets/ORVButton.h"
#include "aerie/windows/AerieNewBie.h"
#include "framework/control/ORVCtrlMgr.h"

namespace orv::test {

std::unique_ptr<ScopedSystemWindowRecord> InstallBeastWindows(RecordingHost& host)
{
    SetAerieWindowRecord(AerieWndKind::Beast, ORV_RUNTIME_CLASS(CAerieBeastWnd));
    SetAerieWindowRecord(AerieWndKind::Friend, ORV_RUNTIME_CLASS(CAerieFriendWnd));
    host.SetImageSize(9, 93, 800, 600);    // chooser
    host.SetImageSize(12, 93, 700, 520);   // breeding page
    host.SetImageSize(13, 93, 700, 520);   // hatching pages
    host.SetImageSize(17, 93, 380, 70);    // egg bag
    host.SetImageSize(6, 93, 230, 290);    // friend lists
    host.SetImageSize(25, 93, 280, 300);   // hire list
    return std::make_unique<ScopedSystemWindowRecord>(ORV_MSG_CHOOSEBEAST, ORV_RUNTIME_CLASS(CAerieChooseBeastWnd));
}

void AerieBeastTest::SetUp()
{
    AerieCityTest::SetUp();
    m_pChooser = InstallBeastWindows(m_Host);
    m_nSeen = 0;
    CAerieNewBie::GetSingleton().BuildSteps();   // step targets can be read; the guide stays off
}

void AerieBeastTest::TearDown()
{
    AerieCityTest::TearDown();
    m_pChooser.reset();
}

std::string AerieBeastTest::BeastItem(u16 type, u16 sex, u16 job, u16 mask)
{
    using namespace aerie_layout;
    return Item(6, RecordBytes(kBeastSize)
                       .U16(kBeastType, type)
                       .U16(kBeastSex, sex)
                       .U16(kBeastJob, job)
                       .U16(kBeastRegisterMask, mask)
                       .Str());
}

std::string AerieBeastTest::Incubators(const std::string& a, const std::string& b, const std::string& c)
{
    return Item(9, a + b + c);
}

std::string AerieBeastTest::EggBag(const std::vector<u16>& eggs)
{
    std::string value;
    for (u16 egg : eggs) {
        value += LE16(egg);
    }
    return Item(8, value);
}

CAerieBeastWnd* AerieBeastTest::OpenBeast()
{
    Click(Wnd()->m_pBeastBtn);
    return dynamic_cast<CAerieBeastWnd*>(Wnd()->m_pSubWnd);
}

std::vector<SentRequest> AerieBeastTest::TakeSent()
{
    std::vector<SentRequest> all = Sent();
    std::vector<SentRequest> out(all.begin() + static_cast<std::ptrdiff_t>(std::min(m_nSeen, all.size())), all.end());
    m_nSeen = all.size();
    return out;
}

void AerieBeastTest::Notify(CORVControl* wnd, CORVControl* sender, u32 id, u32 p1, u32 p2)
{
    ORVMsg msg(id, p1, sender);
    msg.m_lParam = p2;
    wnd->OnMessage(&msg);
}

void AerieBeastTest::Event(u32 topic, u32 value)
{
    ORVMsg msg(ORV_MSG_GAMEWND, topic, value, std::string());
    CORVCtrlMgr::GetSingleton().RouteMessage(&msg);
}

}  // namespace orv::test
