// The city windows over the real game window: the entered city of AerieCityTest with the window
// classes of the level-up, technology, speed-up, resource, production, settings, records, help and
// ranking windows installed as the records the game window opens, and the items that build a city
// for them.
#pragma once

#include <string>
#include <vector>

#include "AerieCityFixture.h"
#include "aerie/state/AerieRecordLayout.h"

namespace orv::test {

class AerieCityWindowsTest : public AerieCityTest {
protected:
    void SetUp() override;

    // Levels: main city mainLevel, every other building 1, then the given (id, level) pairs.
    static std::string City(u16 mainLevel = 3, const std::vector<std::pair<u16, u16>>& levels = {});
    // A technology of the city at a level (item kind 3).
    static std::string Tech(u16 id, u16 level);
    // A group's work (item kind 11).
    static std::string Work(u16 group, u16 state, u16 target, u32 seconds = 0);
    // count monsters of kind 1 in a slot of the group (slots 10 g ..), engineering b each.
    static std::string Monsters(u16 group, u32 count, u16 b);
    // The owner record with coins, resources (grass, stone, wood, metal) and the day's purchases.
    static std::string Owner(u32 coins, u32 grass, u32 stone, u32 wood, u32 metal, u32 purchases = 0);

    // The sub-window of the game window as W, or null.
    template <class W>
    W* Sub()
    {
        return dynamic_cast<W*>(Wnd()->m_pSubWnd);
    }
    // The last DrawText of that text in the log, or null (a window drawn over the game window's
    // panels draws after them).
    const HostCall* LastText(const std::string& text) const;
    // A game event routed now, then one frame.
    void Event(u32 topic, u32 value = 0);
    // The OK answer of the message box at the front of the queue, routed now.
    void AnswerOk();
};

}  // namespace orv::test
