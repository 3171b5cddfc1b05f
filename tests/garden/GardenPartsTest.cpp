// The garden screen's parts: the animated texture (tool cursors), the plot tooltip, the tool strip,
// the tutorial guide and the test host window.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <string>
#include <vector>

#include "framework/text/TextUtil.h"
#include "framework/widgets/ORVButton.h"
#include "framework/widgets/ORVToolTip.h"
#include "framework/window/ORVMsgBox.h"
#include "framework/window/ORVTestWnd.h"
#include "garden/GardenFixture.h"
#include "garden/windows/GardenAnim.h"
#include "garden/windows/GardenGuide.h"
#include "garden/windows/GardenSubOperWnd.h"
#include "garden/windows/GardenTipsWnd.h"
#include "garden/windows/ORVGardenWnd.h"
#include "glimmer/GlimmerTest.h"

namespace {

// The renderer's draw and frame-select calls, as "DrawTex x y frame" / "Select frame".
std::vector<std::string> AnimCalls()
{
    std::vector<std::string> out;
    for (const glimmer_test::Call& c : glimmer_test::Trace()) {
        if (c.op == "DrawTex") {
            out.push_back("DrawTex " + std::to_string(c.ints.at(0)) + " " + std::to_string(c.ints.at(1)) + " " +
                          std::to_string(c.ints.at(5)));
        } else if (c.op == "AnimationControl") {
            out.push_back("Select " + std::to_string(c.ints.at(1)));
        }
    }
    return out;
}

class GardenAnimTest : public ::testing::Test {
protected:
    GardenAnimTest() { glimmer_test::Reset(); }
    ~GardenAnimTest() override { glimmer_test::Reset(); }
};

}  // namespace

TEST_F(GardenAnimTest, WithoutATextureNothingIsDrawnAndStepsReportIt)
{
    GardenAnim anim;
    anim.Start(6);
    EXPECT_EQ(anim.Step(1, 2), GardenAnim::kStepNoTexture);
    anim.DrawFrame(0, 1, 2);
    anim.DrawLastFrame(1, 2);
    EXPECT_TRUE(AnimCalls().empty());
    EXPECT_EQ(anim.TicksSinceEnd(), 0);
}

// Three frames at speed 2: six drawing steps, each frame for two of them, then the end, then the
// count since the end goes on; a new start plays again.
TEST_F(GardenAnimTest, PlaysEachFrameForSpeedStepsOnceThenCountsOn)
{
    glimmer_test::RegisterTexture(7, 9000, 40, 40, 3);
    GardenAnim anim;
    ASSERT_NE(anim.Load(9000, 7), nullptr);
    EXPECT_EQ(anim.Step(5, 6), GardenAnim::kStepIdle);
    anim.Start(2);
    glimmer_test::ClearTrace();
    for (int i = 0; i < 6; ++i) {
        EXPECT_EQ(anim.Step(5, 6), GardenAnim::kStepPlaying) << i;
    }
    EXPECT_EQ(AnimCalls(), (std::vector<std::string>{"DrawTex 5 6 0", "Select 0", "DrawTex 5 6 0", "Select 1",
                                                     "DrawTex 5 6 1", "Select 1", "DrawTex 5 6 1", "Select 2",
                                                     "DrawTex 5 6 2", "Select 2", "DrawTex 5 6 2", "Select 2"}));
    glimmer_test::ClearTrace();
    EXPECT_EQ(anim.Step(5, 6), GardenAnim::kStepEnded);
    EXPECT_EQ(anim.TicksSinceEnd(), 1);
    EXPECT_EQ(anim.Step(5, 6), GardenAnim::kStepFinished);
    EXPECT_EQ(anim.TicksSinceEnd(), 2);
    EXPECT_EQ(anim.Step(5, 6), GardenAnim::kStepFinished);
    EXPECT_EQ(anim.TicksSinceEnd(), 3);
    EXPECT_TRUE(AnimCalls().empty());

    anim.Start(2);
    EXPECT_EQ(anim.TicksSinceEnd(), 0);
    EXPECT_EQ(anim.Step(5, 6), GardenAnim::kStepPlaying);
}

TEST_F(GardenAnimTest, StillFramesOnlyWithinTheTexture)
{
    glimmer_test::RegisterTexture(7, 9001, 40, 40, 4);
    GardenAnim anim;
    anim.Load(9001, 7);
    glimmer_test::ClearTrace();
    anim.DrawFrame(4, 0, 0);
    anim.DrawFrame(-1, 0, 0);
    EXPECT_TRUE(AnimCalls().empty());
    anim.DrawFrame(0, 3, 4);
    anim.DrawLastFrame(7, 8);
    EXPECT_EQ(AnimCalls(), (std::vector<std::string>{"Select 0", "DrawTex 3 4 0", "Select 3", "DrawTex 7 8 3"}));
}

// Loading again gives the old texture back; destruction gives back the last one.
TEST_F(GardenAnimTest, OwnsOneTextureAtATime)
{
    glimmer_test::RegisterTexture(7, 9002, 40, 40, 2);
    {
        GardenAnim anim;
        anim.Load(9002, 7);
        anim.Load(9002, 7);
        EXPECT_EQ(glimmer_test::LiveTextures(), 1);
        GardenAnim moved(std::move(anim));
        EXPECT_EQ(anim.Texture(), nullptr);
        EXPECT_EQ(glimmer_test::LiveTextures(), 1);
    }
    EXPECT_EQ(glimmer_test::LiveTextures(), 0);
}

// Speed 0 has no frames to play: the play ends at the first step instead of dividing by 0; a
// play longer than the counter's range saturates instead of wrapping to a short one.
TEST_F(GardenAnimTest, DegenerateSpeedsEndOrSaturate)
{
    glimmer_test::RegisterTexture(7, 9003, 40, 40, 40000);
    GardenAnim anim;
    anim.Load(9003, 7);
    anim.Start(0);
    EXPECT_EQ(anim.Step(0, 0), GardenAnim::kStepEnded);
    glimmer_test::SetRecording(false);
    anim.Start(2);   // 80000 steps: 65535
    for (int i = 0; i < 65535; ++i) {
        ASSERT_EQ(anim.Step(0, 0), GardenAnim::kStepPlaying) << i;
    }
    EXPECT_EQ(anim.Step(0, 0), GardenAnim::kStepEnded);
    EXPECT_EQ(anim.TicksSinceEnd(), 0);   // the counter stands at its top: no further count
}

// ---- The screen's parts on the garden state ----

namespace {

namespace L = garden_layout;

// The sub-commands of the Garden requests waiting in the client's queue.
std::vector<int> Subs(const std::vector<std::string>& packets)
{
    std::vector<int> out;
    for (const std::string& p : packets) {
        out.push_back(static_cast<unsigned char>(p.at(L::kSub)) | static_cast<unsigned char>(p.at(L::kSub + 1)) << 8);
    }
    return out;
}

class GardenPartsTest : public orv::test::GardenStateTest {
protected:
    GardenPartsTest()
    {
        glimmer_test::Reset();
        GetGardenGuide().Reset();
        ORVMsgBoxQueue::GetSingleton().m_vMsgBuf.clear();
        CORVToolTip::GetSingleton().Clear();
        m_pPlot = new CORVControlContainer();
        MainWnd().AddChild(m_pPlot, false);
        m_pPlot->CreateAt(&MainWnd(), 243, 42, 200, 200);
        m_pTip = new CGardenTipsWnd();
        m_pPlot->AddChild(m_pTip, true);
        m_pTip->Create(m_pPlot);
    }
    ~GardenPartsTest() override
    {
        CtrlMgr().DestroyWindowTree();
        GetGardenGuide().Reset();
        ORVMsgBoxQueue::GetSingleton().m_vMsgBuf.clear();
        CORVToolTip::GetSingleton().Clear();
        glimmer_test::Reset();
    }
    static CORVMainWnd& MainWnd() { return CtrlMgr().m_MainWnd; }

    // A plot in the state: number, 0-based soil level, water, flags.
    static PlotRecord& PutPlot(u16 number, u8 level, u8 water, u8 flags)
    {
        PlotRecord& p = GetGardenDataMgr().m_Plots.Put(number);
        p = PlotRecord{};
        p.m_Bytes[L::kPlotNumber] = static_cast<u8>(number);
        p.m_Bytes[L::kPlotSoilLevel] = level;
        p.m_Bytes[L::kPlotWater] = water;
        p.m_Bytes[L::kPlotFlags] = flags;
        return p;
    }
    // A plant of id on the plot, grown for seconds; yield, fruits left, picked flag, sower; its
    // plant level 1 in the plant list.
    static void PutPlant(u16 plot, u16 id, u32 seconds, u8 yield = 0, u16 left = 0, bool picked = false,
                         const std::string& sower = "")
    {
        PlantRecord& p = GetGardenDataMgr().m_Plants.Put(plot);
        p = PlantRecord{};
        WriteLE16(p.m_Bytes + L::kPlantId, id);
        p.m_Bytes[L::kPlantPlot] = static_cast<u8>(plot);
        WriteLE32(p.m_Bytes + L::kPlantSeconds, seconds);
        p.m_Bytes[L::kPlantYield] = yield;
        WriteLE16(p.m_Bytes + L::kPlantLeft, left);
        p.m_Bytes[L::kPlantFlags] = picked ? L::kPlantFlagPicked : 0;
        std::memcpy(p.m_Bytes + L::kPlantSower, sower.data(), std::min<std::size_t>(sower.size(), L::kNameSize - 1));
        GetGardenDataMgr().m_vPlantList.push_back(id | (1u << 16));
    }
    static void SetShownLevel(u16 level) { WriteLE16(GetGardenDataMgr().m_ShownInfo.m_Bytes + L::kInfoLevel, level); }

    void Show(u16 number, bool openable = false)
    {
        PlotRecord record;
        GetGardenDataMgr().GetPlot(number, record);
        m_pTip->ShowForPlot(m_pPlot, &record, openable);
    }
    std::vector<std::string> Texts() const
    {
        std::vector<std::string> out;
        for (int i = 0; i < m_pTip->LineCount(); ++i) {
            out.emplace_back(m_pTip->Lines()[i].m_szText);
        }
        return out;
    }
    // The lines before the soil's first line.
    std::vector<std::string> PlantTexts() const
    {
        std::vector<std::string> out;
        for (const std::string& t : Texts()) {
            if (t.rfind("水分：", 0) == 0) {
                break;
            }
            out.push_back(t);
        }
        return out;
    }
    ARGB ColourOf(const std::string& text) const
    {
        for (int i = 0; i < m_pTip->LineCount(); ++i) {
            if (text == m_pTip->Lines()[i].m_szText) {
                return m_pTip->Lines()[i].m_dwColour;
            }
        }
        return 0;
    }

    CORVControlContainer* m_pPlot = nullptr;
    CGardenTipsWnd* m_pTip = nullptr;
};

std::string Dhm(u32 s)
{
    return FormatTimeDHM(s);
}

}  // namespace

// Plant lines by growth stage. Plant 1 grows 8 hours (stages of 7,200 s), plant 7 grows 0 hours,
// plant 6 is a gene plant; plant level 1 guards a ripe 8-hour plant for 20 minutes.
TEST_F(GardenPartsTest, TipPlantLinesByStage)
{
    const std::string name1 = GetXmlGardenMgr().GetPlantName(1);
    const std::string name6 = GetXmlGardenMgr().GetPlantName(6);
    const std::string name7 = GetXmlGardenMgr().GetPlantName(7);
    const u32 c = 28800;
    const struct {
        const char* what;
        u16 id;
        u32 t;
        u8 flags;
        bool picked;
        std::vector<std::string> lines;
    } cases[] = {
        {"stage 3", 1, 1800, 1, false,
         {name1, "生长阶段：6%", "再过" + Dhm(5400) + "长大一些", "距离收获：" + Dhm(27000)}},
        {"stage 6", 1, 14400, 1, false, {name1, "生长阶段：50%", "再过" + Dhm(7200) + "成熟", "距离收获：" + Dhm(14400)}},
        {"stage 7", 1, 21600, 1, false, {name1, "生长阶段：75%", "基础产量：20", "距离收获：" + Dhm(7200)}},
        {"gene stage 7", 6, 27000, 1, false, {name6, "生长阶段：75%", "基础产量：12%", "距离收获：" + Dhm(9000)}},
        {"ripe, guarded", 1, c, 1, false,
         {name1, "产量：15", "剩余：12", Dhm(86400) + "后枯死", Dhm(1200) + "后防盗时间结束"}},
        {"ripe, guard over", 1, c + 1200, 1, false, {name1, "产量：15", "剩余：12", Dhm(85200) + "后枯死"}},
        {"ripe, picked", 1, c, 1, true, {name1, "产量：15", "剩余：12", Dhm(86400) + "后枯死", "已采过"}},
        {"ripe on withered land", 1, c, 2, false, {name1, "产量：15", "剩余：12", "已枯萎"}},
        {"withered", 1, c + 86401, 2, false, {name1, "产量：15", "剩余：12", "已枯萎"}},
        // No growth cycle: no share, and spans past their end are clamped at 0, not wrapped.
        {"cycle 0", 7, 30, 1, false, {name7, "生长阶段：0%", "再过" + Dhm(0) + "长大一些", "距离收获：" + Dhm(0)}},
    };
    for (const auto& k : cases) {
        GetGardenDataMgr().m_Plants.Clear();
        GetGardenDataMgr().m_vPlantList.clear();
        PutPlot(1, 0, 3, k.flags);
        PutPlant(1, k.id, k.t, 15, 12, k.picked);
        Show(1);
        EXPECT_EQ(PlantTexts(), k.lines) << k.what;
        for (const char* red : {"已枯萎", "已采过"}) {
            if (std::find(k.lines.begin(), k.lines.end(), red) != k.lines.end()) {
                EXPECT_EQ(ColourOf(red), CGardenTipsWnd::kRed) << k.what;
            }
        }
    }
    GetGardenDataMgr().m_Plants.Clear();
    PutPlant(1, 1, c, 15, 12);
    Show(1);
    EXPECT_EQ(ColourOf(Dhm(1200) + "后防盗时间结束"), CGardenTipsWnd::kGuardColour);
}

TEST_F(GardenPartsTest, TipPlotStatesAndSoilLines)
{
    SetShownLevel(3);
    // Undeveloped plots: openable only in the own garden; a friend's plots never are.
    PutPlot(1, 0, 0, 0);
    PutPlot(11, 0, 0, 0);
    Show(1, true);
    EXPECT_EQ(Texts(), (std::vector<std::string>{"可开启", "（点击土地进行开启操作）"}));
    EXPECT_EQ(m_pTip->Lines()[0].m_dwColour, CGardenTipsWnd::kRed);
    EXPECT_EQ(m_pTip->Lines()[0].m_nX, (200 - 36) / 2);
    Show(1, false);
    EXPECT_EQ(Texts(), (std::vector<std::string>{"未开发土地,花园到达相应等级", "可以用财富来购买"}));
    GetGardenDataMgr().m_bOwnGarden = 0;
    Show(1, true);
    EXPECT_EQ(Texts(), (std::vector<std::string>{"未开发土地,花园到达相应等级", "可以用财富来购买"}));
    Show(11);
    EXPECT_EQ(Texts(), (std::vector<std::string>{"未开发爱心地，花园到达相应等级"}));

    // A developed plot of a friend's garden is described like an own one.
    PlotRecord& dry = PutPlot(2, 0, 1, 1 | L::kPlotFlagWeeds | L::kPlotFlagPests);
    WriteLE32(dry.m_Bytes + L::kPlotSoilExp, 50);
    WriteLE32(dry.m_Bytes + L::kPlotExpNeeded, 100);
    Show(2);
    EXPECT_EQ(Texts(), (std::vector<std::string>{"尚未种植植物，可以在苗圃里", "购买各种植物种子进行种植，",
                                                 "收获后，可出售换取财富。", "水分：1/3", "土地等级：1级",
                                                 "土地经验：50/100(50%)", "土地状态：需浇水/需锄草/需抓虫", "成长中"}));
    GetGardenDataMgr().m_bOwnGarden = 1;
    PlotRecord& ready = PutPlot(3, 1, 3, 1);
    WriteLE32(ready.m_Bytes + L::kPlotSoilExp, 100);
    WriteLE32(ready.m_Bytes + L::kPlotExpNeeded, 100);
    Show(3);
    std::vector<std::string> texts = Texts();
    EXPECT_EQ(std::vector<std::string>(texts.begin() + 3, texts.end()),
              (std::vector<std::string>{"水分：3/3", "土地等级：2级", "土地经验：100/100(100%)", "土地状态：健康",
                                        "可升级", "（点击土地进行升级操作）"}));
    // Not beyond the garden's level; the top level has nothing more to grow.
    ready.m_Bytes[L::kPlotSoilLevel] = 2;
    Show(3);
    EXPECT_EQ(Texts().back(), "成长中");
    PutPlot(4, 5, 3, 1);
    Show(4);
    texts = Texts();
    EXPECT_EQ(std::vector<std::string>(texts.begin() + 3, texts.end()),
              (std::vector<std::string>{"水分：3/3", "土地等级：6级", "土地状态：健康", "成长达到上限"}));

    // A love plot is named after its sower.
    PutPlot(12, 0, 3, 1);
    PutPlant(12, 1, 1800, 0, 0, false, "ann");
    Show(12);
    EXPECT_EQ(Texts().back(), "爱心地（ann）");

    // An upgrading plot without a crop in the own garden gets the upgrade block.
    WriteLE32(GetGardenDataMgr().m_ShownInfo.m_Bytes + L::kInfoUpgradeTime, 3600);
    PutPlot(5, 1, 3, 1 | 0x20);
    Show(5);
    texts = Texts();
    EXPECT_EQ(std::vector<std::string>(texts.end() - 5, texts.end()),
              (std::vector<std::string>{"升级中", "------------------------------", "LV2 --> LV3", "升级中……",
                                        "离升级完成还需：" + Dhm(3600)}));
    GetGardenDataMgr().m_bOwnGarden = 0;
    Show(5);
    EXPECT_EQ(Texts().back(), "升级中");
}

// Beside the plot, or left of it at the screen's right edge; moved up at the bottom; a longer
// text makes the panel taller, never wider; no plot hides it.
TEST_F(GardenPartsTest, TipPlacement)
{
    PutPlot(1, 0, 3, 1);
    Show(1);
    EXPECT_TRUE(m_pTip->m_bVisible);
    EXPECT_EQ(m_pTip->m_nAbsX, 443);
    EXPECT_EQ(m_pTip->m_nAbsY, 42);
    EXPECT_EQ(m_pTip->m_nWidth, 200);
    EXPECT_EQ(m_pTip->m_nHeight, 170);
    m_pPlot->SetPos(700, 500);
    m_pPlot->UpdateAbsPos();
    Show(1);
    EXPECT_EQ(m_pTip->m_nAbsX, 500);
    EXPECT_EQ(m_pTip->m_nAbsY, 430);

    // Ripe and guarded on a love plot with soil experience: 11 lines.
    WriteLE32(PutPlot(11, 0, 3, 1).m_Bytes + L::kPlotExpNeeded, 10);
    PutPlant(11, 1, 28800, 1, 1);
    Show(11);
    EXPECT_EQ(m_pTip->LineCount(), 11);
    EXPECT_EQ(m_pTip->m_nHeight, 11 * 15 + 16);
    EXPECT_EQ(m_pTip->m_nAbsY + m_pTip->m_nHeight, 600);

    m_pTip->ShowForPlot(nullptr, nullptr, false);
    EXPECT_FALSE(m_pTip->m_bVisible);
    EXPECT_EQ(m_pTip->m_nWidth, 0);
}

// ---- Tool strip ----

TEST_F(GardenPartsTest, ToolStripLayoutAndKinds)
{
    for (u16 id : {183, 186, 189, 192, 195}) {
        glimmer_test::RegisterTexture(2, id, 40, 40);
    }
    auto* anchor = new CORVButton();
    MainWnd().AddChild(anchor, true);
    anchor->CreateAt(&MainWnd(), 365, 532, 60, 60);
    auto* strip = new CGardenSubOperWnd();
    MainWnd().AddChild(strip, true);
    strip->CreateAt(&MainWnd(), 0, 0, 0, 0);

    strip->ShowFor(CGardenSubOperWnd::kFarmTools, anchor);
    EXPECT_TRUE(strip->m_bVisible && strip->m_bEnabled);
    EXPECT_EQ(strip->m_nX, 365 + 30 - 70);
    EXPECT_EQ(strip->m_nY, 482);
    EXPECT_EQ(strip->m_nWidth, 140);
    EXPECT_EQ(strip->m_nHeight, 40);
    ASSERT_EQ(strip->m_vButtons.size(), 3u);
    std::vector<int> ids, xs;
    for (const auto& b : strip->m_vButtons) {
        ids.push_back(b.m_wId);
        xs.push_back(b.m_pButton->m_nX);
    }
    EXPECT_EQ(ids, (std::vector<int>{183, 186, 189}));
    EXPECT_EQ(xs, (std::vector<int>{0, 50, 100}));
    CORVButton* water = strip->Button(183);
    EXPECT_EQ(water->m_strCaption, "浇水");
    EXPECT_EQ(water->m_nCaptionX, (40 - 24) / 2);
    EXPECT_EQ(water->m_nCaptionY, 38);
    EXPECT_EQ(GetGardenGuide().StepRecord(3).m_pTarget, water);
    // The same kind again changes nothing.
    strip->ShowFor(CGardenSubOperWnd::kFarmTools, anchor);
    EXPECT_EQ(strip->Button(183), water);

    // The pick tools: only the status in the own garden.
    strip->ShowFor(CGardenSubOperWnd::kPickTools, anchor);
    EXPECT_EQ(strip->m_vButtons.size(), 1u);
    EXPECT_NE(strip->Button(195), nullptr);
    EXPECT_EQ(strip->m_nWidth, 40);
    EXPECT_EQ(GetGardenGuide().StepRecord(3).m_pTarget, nullptr);   // the water button is gone
    GetGardenDataMgr().m_bOwnGarden = 0;
    strip->ShowFor(CGardenSubOperWnd::kNone, nullptr);
    EXPECT_FALSE(strip->m_bVisible || strip->m_bEnabled);
    EXPECT_TRUE(strip->m_vButtons.empty());
    strip->ShowFor(CGardenSubOperWnd::kPickTools, anchor);
    ASSERT_EQ(strip->m_vButtons.size(), 2u);
    EXPECT_EQ(strip->m_vButtons[0].m_wId, 192);
    EXPECT_EQ(strip->m_vButtons[1].m_wId, 195);
}

namespace {
std::vector<i32> g_vModesSet;
}

// Each tool sets its mode and closes the strip; the status button only closes it; the water
// button moves tutorial step 3 on.
TEST_F(GardenPartsTest, ToolStripClicks)
{
    auto* strip = new CGardenSubOperWnd();
    MainWnd().AddChild(strip, true);
    strip->CreateAt(&MainWnd(), 0, 0, 0, 0);
    strip->m_pfnSetToolMode = [](i32 mode) { g_vModesSet.push_back(mode); };
    g_vModesSet.clear();
    GetGardenDataMgr().m_bOwnGarden = 0;
    GetGardenGuide().SetStep(3);
    const struct {
        i32 kind;
        u16 id;
        std::vector<i32> modes;
    } cases[] = {{1, 183, {3}}, {1, 186, {4}}, {1, 189, {5}}, {2, 192, {7}}, {2, 195, {}}};
    for (const auto& c : cases) {
        g_vModesSet.clear();
        strip->ShowFor(c.kind, nullptr);
        ORVMsg click(kNotifyLeftClick, 0, strip->Button(c.id));
        strip->OnMessage(&click);
        EXPECT_EQ(g_vModesSet, c.modes) << c.id;
        EXPECT_FALSE(strip->m_bVisible || strip->m_bEnabled) << c.id;
        EXPECT_EQ(strip->m_nKind, CGardenSubOperWnd::kNone) << c.id;
    }
    EXPECT_EQ(GetGardenGuide().Step(), 4);
}

// Moving from the strip onto its own button keeps it; leaving for anything else hides it.
TEST_F(GardenPartsTest, ToolStripHidesWhenTheMouseLeavesIt)
{
    auto* strip = new CGardenSubOperWnd();
    MainWnd().AddChild(strip, true);
    strip->CreateAt(&MainWnd(), 0, 0, 0, 0);
    strip->ShowFor(CGardenSubOperWnd::kFarmTools, nullptr);
    strip->OnMouseLeave(0, 0, strip->Button(186));
    EXPECT_TRUE(strip->m_bVisible);
    strip->OnChildMouseLeave(strip->Button(186), m_pPlot);
    EXPECT_FALSE(strip->m_bVisible);
    strip->OnMouseEnter(0, 0, nullptr);
    EXPECT_TRUE(strip->m_bVisible && strip->m_bEnabled);
    strip->OnMouseLeave(0, 0, m_pPlot);
    EXPECT_FALSE(strip->m_bVisible || strip->m_bEnabled);
}

// Pick level 0 (rows 1 and 2 of the sample data: 10 and 12 points a day), double recovery on.
TEST_F(GardenPartsTest, PickStatusTip)
{
    GardenInfo& own = GetGardenDataMgr().m_OwnInfo;
    WriteLE32(own.m_Bytes + L::kInfoPickExp, 40);
    WriteLE16(own.m_Bytes + L::kInfoStamina, 7);
    WriteLE32(own.m_Bytes + L::kInfoDoubleStamina, 600);
    ASSERT_TRUE(CGardenSubOperWnd::ShowPickStatusTip());
    std::vector<std::string> lines;
    for (const ORVToolTipLine& line : CORVToolTip::GetSingleton().m_vLines) {
        std::string text;
        for (const ORVToolTipSegment& s : line.m_vSegments) {
            text += s.m_strText;
        }
        lines.push_back(text);
    }
    EXPECT_EQ(lines, (std::vector<std::string>{"采摘状态", "采摘术：1级", "采摘经验值：40/100", "体力值：7/10",
                                               "体力恢复速度：100%(1.2小时恢复1点)", "采摘1级以下土地作物成功率极高", " ",
                                               "下一级", "采摘术：2级", "体力最大值：12",
                                               "体力恢复速度提升至：120%(2.0小时恢复1点)",
                                               "采摘2级以下土地作物成功率极高"}));
    // The top row has no next level.
    WriteLE16(own.m_Bytes + L::kInfoPickLevel, 2);
    ASSERT_TRUE(CGardenSubOperWnd::ShowPickStatusTip());
    EXPECT_EQ(CORVToolTip::GetSingleton().m_vLines.size(), 6u);
    WriteLE16(own.m_Bytes + L::kInfoPickLevel, 3);
    EXPECT_FALSE(CGardenSubOperWnd::ShowPickStatusTip());
}

// ---- Tutorial ----

TEST_F(GardenPartsTest, GuideStepsAndTheTutorialRequest)
{
    GardenGuide& guide = GetGardenGuide();
    guide.ShowWelcome(5);
    EXPECT_TRUE(ORVMsgBoxQueue::GetSingleton().m_vMsgBuf.empty());
    EXPECT_EQ(guide.Step(), 5);
    EXPECT_FALSE(guide.AdvanceFrom(4));
    EXPECT_TRUE(guide.AdvanceFrom(5));
    EXPECT_EQ(guide.Step(), 6);

    guide.ShowWelcome(1);
    ASSERT_EQ(ORVMsgBoxQueue::GetSingleton().m_vMsgBuf.size(), 1u);
    const ORVMsgBoxRequest& box = ORVMsgBoxQueue::GetSingleton().m_vMsgBuf.front();
    EXPECT_EQ(box.m_strText,
              "欢迎进入星砂湾花园，点击确定进行新手任务,按照提示一步步完成,点击取消直接完成新手任务。\n"
              "完成新手任务后我会赠送你100财富和2000点基因点作为奖励,加油哦～");
    EXPECT_EQ(box.m_OkMsg.m_nId, 275u);
    EXPECT_EQ(box.m_OkMsg.m_wParam, 135u);
    EXPECT_EQ(box.m_CancelMsg.m_wParam, 136u);
    EXPECT_TRUE(Subs(TakeRequests()).empty());

    guide.Finish();   // declined at step 1
    EXPECT_EQ(guide.Step(), 20);
    EXPECT_EQ(Subs(TakeRequests()), (std::vector<int>{0x21}));

    guide.SetStep(19);
    guide.Advance();
    guide.Advance();   // past 20: nothing more is sent
    EXPECT_EQ(guide.Step(), 21);
    EXPECT_EQ(Subs(TakeRequests()), (std::vector<int>{0x21}));

    guide.Reset();
    EXPECT_EQ(guide.Step(), 0);
    EXPECT_EQ(guide.StepRecord(9).m_nDx, 150);
    EXPECT_EQ(guide.StepRecord(9).m_nDy, 110);
    EXPECT_EQ(guide.StepRecord(19).m_nDx, -50);
}

TEST(GardenGuideBubble, Geometry)
{
    const struct {
        int textBytes, ay;
        int width, textHeight, cols, rows, top;
        bool flipped;
    } cases[] = {
        {36, 200, 150, 40, 5, 3, 120, false},   // 216 px: 150 wide, a second text row
        {12, 50, 72, 20, 3, 2, 70, true},       // 72 px near the top: flipped below the anchor
        {12, 60, 72, 20, 3, 2, 0, false},
        {4, 300, 72, 20, 3, 2, 240, false},     // at least 72 wide
        {60, 400, 150, 60, 5, 4, 300, false},   // 360 px: three text rows
    };
    for (const auto& c : cases) {
        const std::string text(static_cast<std::size_t>(c.textBytes), 'a');
        const HintBubbleLayout b = MeasureHintBubble(100, c.ay, text.c_str());
        EXPECT_EQ(b.m_nWidth, c.width) << c.textBytes;
        EXPECT_EQ(b.m_nTextHeight, c.textHeight) << c.textBytes;
        EXPECT_EQ(b.m_nCols, c.cols) << c.textBytes;
        EXPECT_EQ(b.m_nRows, c.rows) << c.textBytes;
        EXPECT_EQ(b.m_nTop, c.top) << c.textBytes;
        EXPECT_EQ(b.m_bFlipped, c.flipped) << c.textBytes;
    }
}

namespace {

struct BubbleCalls {
    std::vector<std::string> tiles;   // "id x y"
    std::vector<std::string> texts;   // "x y text"
};
BubbleCalls TakeBubbleCalls()
{
    BubbleCalls out;
    const glimmer_test::Call* last = nullptr;
    for (const glimmer_test::Call& c : glimmer_test::Trace()) {
        if (c.op == "GetTexture") {
            last = &c;
        } else if (c.op == "DrawTex" && last != nullptr) {
            out.tiles.push_back(std::to_string(last->ints.at(1)) + " " + std::to_string(c.ints.at(0)) + " " +
                                std::to_string(c.ints.at(1)));
        } else if (c.op == "DrawTextA8") {
            out.texts.push_back(std::to_string(c.ints.at(0)) + " " + std::to_string(c.ints.at(1)) + " " + c.text);
        }
    }
    glimmer_test::ClearTrace();
    return out;
}

}  // namespace

// The pointer of the current step at its target's centre plus the step's offset: tiles of the
// bubble, the arrow and the hint cut at 144 pixels a line; nothing without a target.
TEST_F(GardenPartsTest, GuidePointerDrawsTheStepsBubble)
{
    for (u16 id = 4460; id <= 4470; ++id) {
        glimmer_test::RegisterTexture(3, id, 36, 20);
    }
    GardenGuide& guide = GetGardenGuide();
    auto* target = new CORVControl();
    MainWnd().AddChild(target, true);
    target->CreateAt(&MainWnd(), 380, 180, 40, 40);
    guide.SetTarget(9, target);   // offset (150, 110): anchor (550, 310)
    guide.SetStep(9);
    glimmer_test::ClearTrace();
    guide.DrawPointer();
    const BubbleCalls calls = TakeBubbleCalls();
    // The hint's 68 bytes are 408 pixels: 150 wide, rows (20 x 3 + 20) / 20 = 4, 5 columns.
    ASSERT_EQ(calls.tiles.size(), 4u * 5u + 1u);
    EXPECT_EQ(calls.tiles.front(), "4460 460 210");
    EXPECT_EQ(calls.tiles[4], "4462 604 210");
    EXPECT_EQ(calls.tiles[5], "4463 460 230");
    EXPECT_EQ(calls.tiles[15], "4466 460 270");
    EXPECT_EQ(calls.tiles.back(), "4469 550 284");
    ASSERT_EQ(calls.texts.size(), 3u);
    const std::string& hint = guide.StepRecord(9).m_strHint;
    EXPECT_EQ(calls.texts[0], "478 224 " + hint.substr(0, 24));
    EXPECT_EQ(calls.texts[1], "478 244 " + hint.substr(24, 24));
    EXPECT_EQ(calls.texts[2], std::to_string(550 - 3 * static_cast<int>(hint.size() - 48)) + " 264 " + hint.substr(48));

    // An empty hint draws the frame alone; steps from 21 on draw nothing.
    guide.SetTarget(14, target);
    guide.SetStep(14);
    guide.DrawPointer();
    const BubbleCalls empty = TakeBubbleCalls();
    EXPECT_EQ(empty.tiles.size(), 3u * 2u + 1u);
    EXPECT_TRUE(empty.texts.empty());
    guide.SetStep(21);
    guide.DrawPointer();
    EXPECT_TRUE(TakeBubbleCalls().tiles.empty());

    // A destroyed target is forgotten, through the toolkit's hook.
    guide.SetStep(9);
    MainWnd().DeleteChild(target);
    EXPECT_EQ(guide.StepRecord(9).m_pTarget, nullptr);
    EXPECT_EQ(guide.StepRecord(14).m_pTarget, nullptr);
    guide.DrawPointer();
    EXPECT_TRUE(TakeBubbleCalls().tiles.empty());
}

// ---- The test host window (274) ----

TEST_F(GardenPartsTest, TestHostHoldsTheTestWindowAndClosesThroughItsSlot)
{
    ORVMsg open(274, kSysWndOpen);
    CtrlMgr().RouteMessage(&open);
    auto* host = dynamic_cast<CORVGardenWnd*>(MainWnd().GetSystemWindow(274));
    ASSERT_NE(host, nullptr);
    ASSERT_NE(host->m_pTestWnd, nullptr);
    EXPECT_TRUE(host->HasChild(host->m_pTestWnd));

    // The test window's close request takes it away; the host stays.
    host->m_pTestWnd->Close();
    host->Render();
    host->Render();
    EXPECT_EQ(host->m_pTestWnd, nullptr);
    EXPECT_EQ(host->m_lstChildren.size(), 1u);   // the close button
    ASSERT_EQ(MainWnd().GetSystemWindow(274), host);

    // The own close button empties slot 274.
    ORVMsg click(kNotifyLeftClick, 0, host->m_pCloseButton);
    host->OnMessage(&click);
    EXPECT_EQ(MainWnd().GetSystemWindow(274), nullptr);
}
