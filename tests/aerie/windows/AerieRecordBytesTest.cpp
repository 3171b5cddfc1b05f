// The city records the game windows show, built byte by byte at the offsets the server's record
// layout gives (written here as numbers, not taken from the code's layout constants), so a field
// read from the wrong place shows up on the screen.
#include <gtest/gtest.h>

#include "AerieCityFixture.h"
#include "aerie/state/AerieEvents.h"
#include "aerie/windows/AerieBuildingWnds.h"
#include "aerie/windows/AerieCityCtrls.h"
#include "framework/widgets/ORVButton.h"

using namespace orv::test;

namespace {

class AerieRecordBytes : public AerieCityTest {
protected:
    static u32 Effect(int id, int level) { return CXmlAerieMgr::GetSingleton()->FindBuilding(id)->GetEffect(level); }
    // Bytes of size with little-endian values put at the given offsets.
    static std::string Bytes(std::size_t size, const std::vector<std::pair<std::size_t, u32>>& u32s,
                             const std::vector<std::pair<std::size_t, u16>>& u16s = {},
                             const std::vector<std::pair<std::size_t, u8>>& u8s = {})
    {
        std::string out(size, '\0');
        for (const auto& [at, v] : u32s) {
            for (int i = 0; i < 4; ++i) {
                out[at + i] = static_cast<char>(v >> (8 * i));
            }
        }
        for (const auto& [at, v] : u16s) {
            out[at] = static_cast<char>(v);
            out[at + 1] = static_cast<char>(v >> 8);
        }
        for (const auto& [at, v] : u8s) {
            out[at] = static_cast<char>(v);
        }
        return out;
    }
    // Every building at level 1.
    static std::string Levels() { return Buildings(std::vector<u16>(18, 1)); }
};

}  // namespace

// Owner record, 67 bytes: coins 0, grass 4, stone 8, wood 12, metal 16, monster count 28, garden
// level 36, restaurant level 40, production multiplier (tenths) 61.
TEST_F(AerieRecordBytes, OwnerRecordFieldsReachTheResourceBarTotalLevelAndMultiplier)
{
    const std::string owner = Bytes(67, {{0, 1234}, {4, 50}, {8, 60}, {12, 70}, {16, 80}, {28, 9}, {36, 2}, {40, 4}},
                                    {}, {{61, 15}});
    ASSERT_NE(Enter(Levels() + Item(1, owner)), nullptr);
    Frame();   // the posted topics arrive
    DrawFrame();
    const std::string shown[] = {
        "琉璃币:1234",
        "怪物数量:9/" + std::to_string(Effect(16, 1) + Effect(15, 1)),
        "牧草:50/" + std::to_string(Effect(13, 1)),
        "石料:60/" + std::to_string(Effect(14, 1)),
        "木材:70/" + std::to_string(Effect(14, 1)),
        "金属:80/" + std::to_string(Effect(14, 1)),
        "建筑总等级：" + std::to_string(18 + 2 + 4),
    };
    for (const std::string& text : shown) {
        EXPECT_NE(Text(text), nullptr) << text << "\n" << m_Host.Dump();
    }
    Click(Wnd()->m_pBuildings[0]);   // the main city window shows the multiplier
    DrawFrame();
    EXPECT_NE(Text("服务器资源产量翻倍开启，翻倍时间内资源产量倍数为1.5倍"), nullptr);
}

// Guardian beast, 11 bytes: u16 type 0, u16 sex 2, u16 breedings done today 8.
TEST_F(AerieRecordBytes, GuardianBeastRecordGivesTheIconAndTheBreedingsLeft)
{
    LoadGameData(R"(<beast Num="1" Type="3" Name="m" Sex="0" Tex="10" Icon="11"/>)"
                 R"(<beast Num="1" Type="3" Name="f" Sex="1" Tex="12" Icon="13"/>)");
    ASSERT_NE(Enter(Levels() + Item(6, Bytes(11, {}, {{0, 3}, {2, 1}, {8, 1}}))), nullptr);
    ASSERT_NE(Wnd()->m_pBeastIcon, nullptr);
    EXPECT_EQ(Wnd()->m_pBeastIcon->m_wFrame, 13);
    ORVMsg check(ORV_MSG_GAMEWND, EVT_NOTICE_CHECK, 0, "");
    Wnd()->ProcessMessage(&check);
    ASSERT_EQ(Wnd()->m_nNoticeKind, CAerieWnd::kNoticeBreedings);
    DrawFrame();
    EXPECT_GE(m_Host.IndexOfText("守护兽今日还可繁殖2次"), 0) << m_Host.Dump();
}

// Building item: u16 building id 0, u16 level 2.
TEST_F(AerieRecordBytes, BuildingItemGivesItsSlotItsLevel)
{
    ASSERT_NE(Enter(Levels() + Item(2, Bytes(4, {}, {{0, 1}, {2, 4}}))), nullptr);
    Wnd()->m_pBuildings[1]->OnMouseEnter(5, 5, nullptr);
    const std::vector<std::string> lines = ToolTipLines();
    ASSERT_FALSE(lines.empty());
    EXPECT_EQ(lines[0], "牧场4级");
    Wnd()->m_pBuildings[2]->OnMouseEnter(5, 5, nullptr);
    EXPECT_NE(ToolTipLines().at(0).find("1级"), std::string::npos);
}
