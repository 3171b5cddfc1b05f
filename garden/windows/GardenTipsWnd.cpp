#include "garden/windows/GardenTipsWnd.h"

#include <algorithm>
#include <cstdarg>
#include <cstdint>
#include <cstdio>
#include <cstring>
#include <string>

#include "framework/control/SizeSeam.h"
#include "framework/text/TextUtil.h"
#include "glimmer/Glimmer.h"

ORV_IMPLEMENT_RUNTIME_CLASS(CGardenTipsWnd, CORVControl)

namespace L = garden_layout;

namespace {

constexpr unsigned kPlotFlagUpgrading = 0x20;
constexpr int kTopSoilLevel = 6;            // shown levels run 1 to 6
constexpr int kFullWater = 3;
constexpr u32 kWitherSeconds = 86400;       // a ripe plant withers a day after ripening
constexpr u16 kFirstLovePlot = 11;          // plots 11 to 15 are love plots
constexpr u16 kLastLovePlot = 15;
constexpr int kGenePlantType = 1;

// Every span handed to the time text is clamped at 0 first (a plant past its time gives "1分钟",
// never a wrapped u32).
std::string Span(std::int64_t seconds)
{
    return FormatTimeDHM(static_cast<u32>(std::clamp<std::int64_t>(seconds, 0, UINT32_MAX)));
}

}  // namespace

CGardenTipsWnd::CGardenTipsWnd() = default;
CGardenTipsWnd::~CGardenTipsWnd() = default;

void CGardenTipsWnd::OnCreate()
{
    m_nTipWidth = kWidth;
    m_nTipHeight = kHeight;
    SetSize(kWidth, kHeight);
    m_bVisible = 0;
}

bool CGardenTipsWnd::OnMouseMove(int, int) { return false; }
bool CGardenTipsWnd::OnLButtonDown(int, int) { return false; }
bool CGardenTipsWnd::OnLButtonUp(int, int) { return false; }
bool CGardenTipsWnd::OnRButtonDown(int, int) { return false; }
bool CGardenTipsWnd::OnRButtonUp(int, int) { return false; }

void CGardenTipsWnd::ShowForPlot(const CORVControl* plot, const PlotRecord* record, bool openable)
{
    if (plot == nullptr) {
        m_nPlot = -1;
        m_nLines = 0;
        SetSize(0, 0);
        m_bVisible = 0;
        return;
    }
    const CGardenDataMgr& state = GetGardenDataMgr();
    const CXmlGardenMgr& data = GetXmlGardenMgr();
    m_Plot = record != nullptr ? *record : PlotRecord{};
    m_bOpenable = openable ? 1 : 0;
    m_nPlot = m_Plot.m_Bytes[L::kPlotNumber];
    m_Plant = PlantRecord{};
    m_bHasPlant = state.GetPlant(static_cast<u16>(m_nPlot), m_Plant) ? 1 : 0;
    m_PlantItem = CPlantItem{};
    m_dwPlantEntry = 0;
    m_LevelRow = CLevel{};
    if (m_bHasPlant != 0) {
        const u16 id = m_Plant.U16(L::kPlantId);
        data.GetPlant(id, m_PlantItem);
        if (state.FindPlantEntry(id, m_dwPlantEntry)) {
            data.GetLevelRow(EntryLevel(m_dwPlantEntry), m_LevelRow);
        }
    }
    Compose();

    m_nTipHeight = std::max(kHeight, m_nLines * kLineStep + 2 * kMargin);
    SetSize(m_nTipWidth, m_nTipHeight);
    int screenW = 0;
    int screenH = 0;
    GetBuildScreenSize(&screenW, &screenH);
    int x = plot->m_nAbsX + plot->m_nWidth;
    if (x + m_nTipWidth > screenW) {
        x = plot->m_nAbsX - m_nTipWidth;
    }
    int y = plot->m_nAbsY;
    const int overflow = y + m_nTipHeight - screenH;
    if (overflow > 0) {
        y -= overflow;
    }
    const int parentX = m_pParent != nullptr ? m_pParent->m_nAbsX : 0;
    const int parentY = m_pParent != nullptr ? m_pParent->m_nAbsY : 0;
    SetPos(x - parentX, y - parentY);
    UpdateAbsPos();
    m_bVisible = 1;
}

void CGardenTipsWnd::Render()
{
    CORVControl::Render();
    if (m_bVisible == 0) {
        return;
    }
    for (int i = 0; i < m_nLines; ++i) {
        const Line& line = m_aLines[i];
        g_Font.DrawTextA(m_nAbsX + line.m_nX, m_nAbsY + line.m_nY, line.m_szText, line.m_dwColour, kTextSize,
                         false, 0, false);
    }
}

void CGardenTipsWnd::AddLine(const char* text, ARGB colour, bool centred)
{
    if (m_nLines == kMaxLines) {
        DebugLog("Error,plot tip has no room for \"%s\"\n", text);
        return;
    }
    Line& line = m_aLines[m_nLines];
    const std::size_t len = GbkWholePrefix(text, std::strlen(text), kLineBytes - 1);
    std::memcpy(line.m_szText, text, len);
    line.m_szText[len] = '\0';
    line.m_dwColour = colour;
    line.m_nX = centred ? (m_nTipWidth - GetTextWidth(line.m_szText, kTextSizeDefault)) / 2 : kMargin;
    line.m_nY = kMargin + kLineStep * m_nLines;
    ++m_nLines;
}

void CGardenTipsWnd::AddLinef(ARGB colour, const char* fmt, ...)
{
    char text[kLineBytes * 2];
    va_list args;
    va_start(args, fmt);
    const int n = std::vsnprintf(text, sizeof text, fmt, args);
    va_end(args);
    if (n < 0) {
        return;
    }
    AddLine(text, colour);
}

void CGardenTipsWnd::Compose()
{
    m_nLines = 0;
    const bool own = GetGardenDataMgr().m_bOwnGarden != 0;
    const u16 number = m_Plot.m_Bytes[L::kPlotNumber];
    const bool love = number >= kFirstLovePlot && number <= kLastLovePlot;
    const unsigned landState = m_Plot.m_Bytes[L::kPlotFlags] & L::kPlotLandStateMask;
    if (landState == 0) {
        // Only an undeveloped plot is "not open"; the owner sees whether he may open it.
        if (m_bOpenable != 0 && own) {
            AddLine("可开启", kRed, true);
            AddLine("（点击土地进行开启操作）", kTextColour, true);
        } else {
            AddNotOpenLines(love);
        }
        return;
    }
    if (m_bHasPlant != 0) {
        AddPlantLines();
    } else {
        AddEmptyPlotLines(love);
    }
    AddSoilLines(love);
    AddUpgradeBlock();
}

void CGardenTipsWnd::AddNotOpenLines(bool love)
{
    if (love) {
        AddLine("未开发爱心地，花园到达相应等级");
    } else {
        AddLine("未开发土地,花园到达相应等级");
        AddLine("可以用财富来购买");
    }
}

void CGardenTipsWnd::AddEmptyPlotLines(bool love)
{
    if (love) {
        AddLine("尚未种植植物的爱心地，可让好");
        AddLine("友来种植，收获后一人一半。");
    } else {
        AddLine("尚未种植植物，可以在苗圃里");
        AddLine("购买各种植物种子进行种植，");
        AddLine("收获后，可出售换取财富。");
    }
}

void CGardenTipsWnd::AddPlantLines()
{
    const u32 t = m_Plant.U32(L::kPlantSeconds);
    const std::int64_t cycle = static_cast<std::int64_t>(m_PlantItem.m_nGrowthCycle) * 3600;
    const u32 stage = GetGrowthStage(t, m_PlantItem);
    const unsigned landState = m_Plot.m_Bytes[L::kPlotFlags] & L::kPlotLandStateMask;
    const auto toHarvest = [&] { AddLinef(kTextColour, "距离收获：%s", Span(cycle - t).c_str()); };
    const auto yieldLines = [&] {
        AddLinef(kTextColour, "产量：%d", int{m_Plant.m_Bytes[L::kPlantYield]});
        AddLinef(kTextColour, "剩余：%d", int{m_Plant.U16(L::kPlantLeft)});
    };

    AddLine(m_PlantItem.m_strName.c_str());
    if (stage >= 2 && stage <= 7) {
        // A growth cycle of 0 hours has no share to show.
        const std::int64_t percent = cycle > 0 ? static_cast<std::int64_t>(t) * 100 / cycle : 0;
        AddLinef(kTextColour, "生长阶段：%d%%", static_cast<int>(std::min<std::int64_t>(percent, INT32_MAX)));
    }
    if (stage >= 2 && stage <= 5) {
        AddLinef(kTextColour, "再过%s长大一些", Span(GetSecondsToNextStage(m_PlantItem, stage, t)).c_str());
        toHarvest();
    } else if (stage == 6) {
        AddLinef(kTextColour, "再过%s成熟", Span(GetSecondsToNextStage(m_PlantItem, stage, t)).c_str());
        toHarvest();
    } else if (stage == 7) {
        AddLinef(kTextColour, m_PlantItem.m_nType == kGenePlantType ? "基础产量：%d%%" : "基础产量：%d",
                 m_PlantItem.m_nBaseYield);
        toHarvest();
    } else if (stage == kStageRipe) {
        yieldLines();
        if (landState == 2) {
            AddLine("已枯萎", kRed);
            return;
        }
        AddLinef(kTextColour, "%s后枯死", Span(cycle - t + kWitherSeconds).c_str());
        if ((m_Plant.m_Bytes[L::kPlantFlags] & L::kPlantFlagPicked) != 0) {
            AddLine("已采过", kRed);
            return;
        }
        // The guard (minutes) runs while t < C + 60 g and is over from t = C + 60 g on.
        const int guard = GetGuardTime(m_PlantItem, m_LevelRow);
        const std::int64_t guardEnd = cycle + static_cast<std::int64_t>(guard) * 60;
        if (guard != 0 && t < guardEnd) {
            AddLinef(kGuardColour, "%s后防盗时间结束", Span(guardEnd - t).c_str());
        }
    } else if (stage == kStageWithered) {
        yieldLines();
        AddLine("已枯萎", kRed);
    }
}

void CGardenTipsWnd::AddSoilLines(bool love)
{
    const u8 flags = m_Plot.m_Bytes[L::kPlotFlags];
    const int water = m_Plot.m_Bytes[L::kPlotWater];
    const int level = m_Plot.m_Bytes[L::kPlotSoilLevel] + 1;
    const u32 exp = m_Plot.U32(L::kPlotSoilExp);
    const u32 needed = m_Plot.U32(L::kPlotExpNeeded);
    AddLinef(kTextColour, "水分：%d/%d", water, kFullWater);
    AddLinef(kTextColour, "土地等级：%d级", level);
    if (needed != 0) {
        AddLinef(kTextColour, "土地经验：%u/%u(%d%%)", exp, needed,
                 static_cast<int>(std::min<std::uint64_t>(std::uint64_t{exp} * 100 / needed, INT32_MAX)));
    }

    char needs[64] = "";
    const auto addNeed = [&needs](const char* need) {
        if (needs[0] != '\0') {
            std::strcat(needs, "/");
        }
        std::strcat(needs, need);
    };
    if (water < kFullWater) {
        addNeed("需浇水");
    }
    if ((flags & L::kPlotFlagWeeds) != 0) {
        addNeed("需锄草");
    }
    if ((flags & L::kPlotFlagPests) != 0) {
        addNeed("需抓虫");
    }
    AddLinef(kTextColour, "土地状态：%s", needs[0] != '\0' ? needs : "健康");

    if (level < kTopSoilLevel) {
        if ((flags & kPlotFlagUpgrading) != 0) {
            AddLine("升级中");
        } else if (exp == needed && needed != 0 && level < GetGardenDataMgr().ShownGardenLevel()) {
            AddLine("可升级");
            AddLine("（点击土地进行升级操作）");
        } else {
            AddLine("成长中");
        }
    } else {
        AddLine("成长达到上限");
    }
    if (love) {
        // A love plot is named after the player who sowed its crop (no one while it lies empty).
        const std::string_view sower =
            m_bHasPlant != 0 ? m_Plant.Text(L::kPlantSower, L::kNameSize) : std::string_view{};
        AddLinef(kTextColour, "爱心地（%.*s）", static_cast<int>(sower.size()), sower.data());
    }
}

void CGardenTipsWnd::AddUpgradeBlock()
{
    const u8 flags = m_Plot.m_Bytes[L::kPlotFlags];
    const unsigned landState = flags & L::kPlotLandStateMask;
    const int level = m_Plot.m_Bytes[L::kPlotSoilLevel] + 1;
    if ((m_bHasPlant != 0 && landState != 2) || GetGardenDataMgr().m_bOwnGarden == 0 ||
        (flags & kPlotFlagUpgrading) == 0 || level >= kTopSoilLevel) {
        return;
    }
    AddLine("------------------------------");
    AddLinef(kTextColour, "LV%d --> LV%d", level, level + 1);
    AddLine("升级中……");
    AddLinef(kTextColour, "离升级完成还需：%s",
             Span(GetGardenDataMgr().m_ShownInfo.U32(L::kInfoUpgradeTime)).c_str());
}
