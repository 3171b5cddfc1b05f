#include "AerieCityWindowsFixture.h"

#include "aerie/windows/AerieBuyResourceWnd.h"
#include "aerie/windows/AerieExchangeWnd.h"
#include "aerie/windows/AerieHelpWnd.h"
#include "aerie/windows/AerieInfoWnd.h"
#include "aerie/windows/AerieLvlupWnd.h"
#include "aerie/windows/AerieProductInfoWnd.h"
#include "aerie/windows/AerieRankWnd.h"
#include "aerie/windows/AerieSetWnd.h"
#include "aerie/windows/AerieSpeedUpWnd.h"
#include "aerie/windows/AerieTechnologyWnd.h"
#include "framework/core/ByteOrder.h"
#include "framework/window/ORVMsgBox.h"

namespace orv::test {

using namespace aerie_layout;

void AerieCityWindowsTest::SetUp()
{
    AerieCityTest::SetUp();
    SetAerieWindowRecord(AerieWndKind::Lvlup, ORV_RUNTIME_CLASS(CAerieLvlupWnd));
    SetAerieWindowRecord(AerieWndKind::Technology, ORV_RUNTIME_CLASS(CAerieTechnologyWnd));
    SetAerieWindowRecord(AerieWndKind::SpeedUp, ORV_RUNTIME_CLASS(CAerieSpeedUpWnd));
    SetAerieWindowRecord(AerieWndKind::BuyResource, ORV_RUNTIME_CLASS(CAerieBuyResourceWnd));
    SetAerieWindowRecord(AerieWndKind::Exchange, ORV_RUNTIME_CLASS(CAerieExchangeWnd));
    SetAerieWindowRecord(AerieWndKind::ProductInfo, ORV_RUNTIME_CLASS(CAerieProductInfoWnd));
    SetAerieWindowRecord(AerieWndKind::Set, ORV_RUNTIME_CLASS(CAerieSetWnd));
    SetAerieWindowRecord(AerieWndKind::Info, ORV_RUNTIME_CLASS(CAerieInfoWnd));
    SetAerieWindowRecord(AerieWndKind::Help, ORV_RUNTIME_CLASS(CAerieHelpWnd));
    SetAerieWindowRecord(AerieWndKind::Rank, ORV_RUNTIME_CLASS(CAerieRankWnd));
    // Window backgrounds with sizes of their own.
    m_Host.SetImageSize(16, 93, 460, 360);    // level-up
    m_Host.SetImageSize(5, 93, 500, 520);     // technology
    m_Host.SetImageSize(33, 93, 360, 190);    // speed-up
    m_Host.SetImageSize(11, 93, 420, 320);    // buy
    m_Host.SetImageSize(34, 93, 640, 420);    // exchange
    m_Host.SetImageSize(32, 93, 500, 330);    // production
    m_Host.SetImageSize(27, 93, 330, 260);    // settings
    m_Host.SetImageSize(3, 93, 450, 370);     // records
    m_Host.SetImageSize(29, 93, 540, 420);    // help
    m_Host.SetImageSize(2, 93, 480, 440);     // ranking
    m_Host.m_strPlayerName = "Me";
}

std::string AerieCityWindowsTest::City(u16 mainLevel, const std::vector<std::pair<u16, u16>>& levels)
{
    std::vector<u16> all(18, 1);
    all[0] = mainLevel;
    for (const auto& [id, level] : levels) {
        all[id] = level;
    }
    return Buildings(all);
}

std::string AerieCityWindowsTest::Tech(u16 id, u16 level)
{
    return Item(3, LE16(id) + LE16(level));
}

std::string AerieCityWindowsTest::Work(u16 group, u16 state, u16 target, u32 seconds)
{
    return Item(11, WorkState(group, state, target, seconds));
}

std::string AerieCityWindowsTest::Monsters(u16 group, u32 count, u16 b)
{
    return Item(5, MonsterRecord(static_cast<u16>(10 * group), 1, count, 1, b, 1));
}

std::string AerieCityWindowsTest::Owner(u32 coins, u32 grass, u32 stone, u32 wood, u32 metal, u32 purchases)
{
    std::string item = OwnerRecord(coins, grass, stone, wood, metal, 0);
    item.replace(4 + kOwnerPurchasesToday, 4, LE32(purchases));   // after the item's kind and length
    return item;
}

const HostCall* AerieCityWindowsTest::LastText(const std::string& text) const
{
    for (auto it = m_Host.m_vCalls.rbegin(); it != m_Host.m_vCalls.rend(); ++it) {
        if (it->m_strName == "DrawText" && it->m_strText == text) {
            return &*it;
        }
    }
    return nullptr;
}

void AerieCityWindowsTest::Event(u32 topic, u32 value)
{
    Route(ORVMsg(ORV_MSG_GAMEWND, topic, value, ""));
    Frame();
}

void AerieCityWindowsTest::AnswerOk()
{
    ORVMsgBoxQueue& boxes = ORVMsgBoxQueue::GetSingleton();
    ASSERT_FALSE(boxes.m_vMsgBuf.empty());
    const ORVMsg ok = boxes.m_vMsgBuf.front().m_OkMsg;
    Route(ok);
}

}  // namespace orv::test
