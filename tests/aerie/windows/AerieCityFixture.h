// The game window over the scripted server: the real CAerieWnd opens when a city is entered, on
// the sample game data, an 800 x 600 host screen, and stand-in sub-windows for the classes that
// are not in the build yet.
#pragma once

#include <memory>
#include <string>
#include <vector>

#include "AerieWndFixture.h"
#include "support/ScriptedServer.h"
#include "framework/text/DrawnCalls.h"

namespace orv::test {

class AerieCityTest : public AerieTest {
protected:
    void SetUp() override;
    void TearDown() override;

    // Items of a city: the 18 buildings at the given levels (id i at level levels[i]).
    static std::string Buildings(const std::vector<u16>& levels);
    // The owner record with the resource bar's values and the garden and restaurant levels.
    static std::string OwnerRecord(u32 coins, u32 grass, u32 stone, u32 wood, u32 metal, u32 monsters,
                                   u32 garden = 0, u32 restaurant = 0, u8 multiplier = 10);
    // Enters the own city (or another player's when visited) with the items; the game window
    // opens. Returns it.
    CAerieWnd* Enter(const std::string& items, bool visited = false);
    CAerieWnd* Wnd();
    void Click(CORVControl* sender) { ClickOn(Wnd(), sender); }
    // One frame, with the log cleared first: what it draws is all the log holds.
    void DrawFrame();
    // Every DrawText of the log with that text, or null.
    const HostCall* Text(const std::string& text) const { return m_Host.FindText(text); }

private:
    std::unique_ptr<ScopedSystemWindowRecord> m_pRealGameRecord;
};

}  // namespace orv::test
