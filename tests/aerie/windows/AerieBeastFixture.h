// The guardian-beast, egg and friend windows over the scripted server: the real beast, friend and
// chooser windows installed, their backgrounds sized.
#pragma once

#include <memory>
#include <string>

#include "AerieCityFixture.h"
#include "aerie/windows/AerieBeast.h"
#include "aerie/windows/AerieChooseBeast.h"
#include "aerie/windows/AerieFriend.h"
#include "aerie/windows/AerieHatchRelation.h"
#include "aerie/windows/AerieMonsterEgg.h"
#include "aerie/windows/AerieSlaveRelation.h"

namespace orv::test {

// The real beast, friend and chooser windows installed as the records the game opens, their
// backgrounds sized; the chooser's record is put back when the returned guard goes.
std::unique_ptr<ScopedSystemWindowRecord> InstallBeastWindows(RecordingHost& host);

class AerieBeastTest : public AerieCityTest {
protected:
    void SetUp() override;
    void TearDown() override;

    // Item 6: the city's guardian beast.
    static std::string BeastItem(u16 type, u16 sex, u16 job = 0, u16 mask = 0);
    // Item 9: three incubators.
    static std::string Incubators(const std::string& a, const std::string& b, const std::string& c);
    // Item 8: the egg bag from slot 0 on.
    static std::string EggBag(const std::vector<u16>& eggs);

    // Opens the beast window from the toolbar.
    CAerieBeastWnd* OpenBeast();
    // The page the beast window shows, of type T, or null.
    template <class T>
    T* Page()
    {
        auto* wnd = dynamic_cast<CAerieBeastWnd*>(Wnd() != nullptr ? Wnd()->m_pSubWnd : nullptr);
        return wnd != nullptr ? dynamic_cast<T*>(wnd->m_pPage) : nullptr;
    }
    // The requests sent since the last call (or since the log was last cleared).
    std::vector<SentRequest> TakeSent();
    // A notification of kind id from sender, handled by wnd at once.
    static void Notify(CORVControl* wnd, CORVControl* sender, u32 id, u32 p1 = 0, u32 p2 = 0);
    // One frame with the log cleared first (what it draws and sends is all the log holds).
    void DrawFrame()
    {
        m_nSeen = 0;
        AerieCityTest::DrawFrame();
    }
    // A game event routed from the control manager at once.
    void Event(u32 topic, u32 value = 0);

private:
    std::unique_ptr<ScopedSystemWindowRecord> m_pChooser;
    std::size_t m_nSeen = 0;
};

}  // namespace orv::test
