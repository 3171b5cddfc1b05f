#include "garden/windows/GardenProductEstimate.h"

#include "BuildProfile.h"
#include "framework/text/TextUtil.h"
#include "framework/widgets/ORVButton.h"
#include "framework/widgets/ORVToolTip.h"
#include "garden/state/GardenDataMgr.h"
#include "garden/state/XmlGardenMgr.h"
#include "garden/windows/GardenGuide.h"
#include "garden/windows/GardenPlantItem.h"
#include "garden/windows/GardenWeatherReport.h"

ORV_IMPLEMENT_RUNTIME_CLASS(CGardenProductEstimate, CORVWindow)

namespace {

const GardenPanelRecordInstaller g_EstimatePanelRecord(GardenPanelSlot::kYieldEstimate, ORV_RUNTIME_CLASS(CGardenProductEstimate));

constexpr u32 kTextColour = 0xFF8D6365;
constexpr u32 kNoteColour = 0xFFFFFF00;
constexpr u32 kHoursColour = 0xFF468C7C;
constexpr u32 kUnknownColour = 0xFF000000;
constexpr int kBigText = 14;
constexpr u16 kSubWeather = 0x1d;
constexpr u16 kSubYieldGrade = 0x1e;
constexpr u16 kGuideStep = 9;
constexpr u32 kScreenPlantKind = 116;   // the screen hands the plant id on
constexpr int kIconSet = 3;
constexpr u32 kUntinted = 0xFFFFFFFF;
// 24 hours are 480 pixels: 20 a hour.
constexpr std::int64_t kLinePixels = 480;
constexpr std::int64_t kDaySeconds = 86400;
constexpr int kHourPixels = 20;
constexpr int kIconSpan = 80;

bool SameDay(const std::tm& a, const std::tm& b)
{
    return a.tm_year == b.tm_year && a.tm_yday == b.tm_yday;
}

const char* DayWord(const std::tm& t, const std::tm& day) { return SameDay(t, day) ? "今日" : "明日"; }

void PostGameEvent(u32 kind, std::uintptr_t value = 0)
{
    PostWithValue(MakeGameEvent(kind), value, kNotifyDelay);
}

}  // namespace

void CGardenProductEstimate::SetPlant(u16 plantId)
{
    if (!GetXmlGardenMgr().GetPlant(plantId, m_Plant)) {
        m_Plant = CPlantItem{};
        m_Plant.m_nId = plantId;
    }
    SendGardenRequest(kSubYieldGrade, plantId);
}

void CGardenProductEstimate::OnScreenEvent(u32 kind, u32 value)
{
    if (kind == kScreenPlantKind) {
        SetPlant(static_cast<u16>(value));
    }
}

void CGardenProductEstimate::OnCreate()
{
    SetBackground(17);
    CreateCloseButton();
    SendGardenRequest(kSubWeather);
    if (m_pParent != nullptr) {
        CenterInParent();
    }
    CreateButton(149, 323, &m_pOkButton, 9, true, true, "");
    CreateButton(377, 323, &m_pCancelButton, 12, true, true, "");
    GetGardenGuide().SetTarget(kGuideStep, this);
    GetGardenDataMgr().SetDefaultWeatherTimes();
}

void CGardenProductEstimate::Close()
{
    PostGameEvent(kTopicClose);
}

bool CGardenProductEstimate::OnMessage(ORVMsg* msg)
{
    if (msg == nullptr || msg->m_nId != kNotifyLeftClick || msg->m_pSender == nullptr) {
        return true;
    }
    if (msg->m_pSender == m_pOkButton) {
        PostGameEvent(kTopicClose);
        PostGameEvent(kTopicSow, static_cast<u16>(m_Plant.m_nId));
        GetGardenGuide().AdvanceFrom(kGuideStep);
    } else if (msg->m_pSender == m_pCancelButton) {
        PostGameEvent(kTopicClose);
    } else {
        return CGardenPanel::OnMessage(msg);   // the close button
    }
    return true;
}

bool CGardenProductEstimate::TipAt(int px, int py, char* text, std::size_t size) const
{
    const WeatherPeriod* w = GetGardenDataMgr().m_Weather;
    const std::tm& today = w[0].m_tmStart;
    if (HasWeatherTimes(w[0]) && px > 20 && px <= 20 + kIconSpan && py > 44 && py <= 44 + kIconSpan) {
        BoundedPrintf(text, size, "当前至%s%02d:%02d天气为%s", DayWord(w[0].m_tmEnd, today), w[0].m_tmEnd.tm_hour,
                      w[0].m_tmEnd.tm_min, WeatherName(w[0].m_wKind));
        return true;
    }
    if (px > 60 && px <= (m_Plant.m_nGrowthCycle + 3) * kHourPixels && py > 230 && py < 252) {
        BoundedPrintf(text, size, "该植物生长时间段");
        return true;
    }
    for (int i = 1; i < kWeatherPeriods; ++i) {
        if (!HasWeatherTimes(w[i]) || !HasWeatherTimes(w[0])) {
            continue;
        }
        const int x = m_anIcons[i][0];
        if (px > x && px <= x + kIconSpan && py > 92 && py <= 92 + kIconSpan) {
            const std::tm& s = w[i].m_tmStart;
            const std::tm& e = w[i].m_tmEnd;
            BoundedPrintf(text, size, "%s%02d:%02d至%s%02d:%02d天气为%s", DayWord(s, today), s.tm_hour, s.tm_min,
                          DayWord(e, today), e.tm_hour, e.tm_min, WeatherName(w[i].m_wKind));
            return true;
        }
    }
    return false;
}

bool CGardenProductEstimate::OnMouseMove(int x, int y)
{
    CORVToolTip::GetSingleton().Reset();
    char text[128];
    if (TipAt(x, y, text, sizeof text)) {
        m_strToolTip = text;
    } else {
        m_strToolTip.clear();
    }
    return CGardenPanel::OnMouseMove(x, y);
}

void CGardenProductEstimate::OnDraw()
{
    char text[128];
    BoundedPrintf(text, sizeof text, "[%s]的产量预估", m_Plant.m_strName.c_str());
    DrawAlignedText(15, m_nWidth, text, kTextColour, 1, 0, kBigText);

    // The time line. Periods whose times were never converted are left out.
    WeatherPeriod* w = GetGardenDataMgr().m_Weather;
    if (HasWeatherTimes(w[0])) {
        DrawImage(20, 44, WeatherLargeIcon(NormaliseWeatherKind(w[0])), kIconSet, kUntinted);
        DrawImage(60, 124, 126, kIconSet, kUntinted);
        m_anIcons[0][0] = 20;
        m_anIcons[0][1] = 44;
        for (int i = 1; i < kWeatherPeriods; ++i) {
            if (!HasWeatherTimes(w[i])) {
                continue;
            }
            const int o = static_cast<int>((w[i].m_nStart - w[0].m_nStart) * kLinePixels / kDaySeconds);
            m_anIcons[i][0] = 26 + o;
            m_anIcons[i][1] = 92;
            DrawImage(26 + o, 92, WeatherSmallIcon(NormaliseWeatherKind(w[i])), kIconSet, kUntinted);
            DrawImage(60 + o, 160, 125, kIconSet, kUntinted);
        }
    }
    DrawAlignedText(258, m_nWidth, "(每天22点到次日6点是夜晚时间，光照降低)", kNoteColour, 1, 1, kBigText);

    BoundedPrintf(text, sizeof text, "%d小时", m_Plant.m_nGrowthCycle);
    DrawText(117 + (163 - GetTextWidth(text, kBigText)) / 2, 295, text, kHoursColour, 0, 0, 0, kBigText);

    // Stars and growth blocks stop where the panel ends: only images whose left edge lies inside
    // it are drawn.
    if (m_Plant.m_nType == 0) {
        const int grade = GetGardenDataMgr().m_wReply522;
        for (int i = 0; i < grade && 424 + 34 * i < m_nWidth; ++i) {
            DrawImage(424 + 34 * i, 283, 133, kIconSet, kUntinted);
        }
    } else if (m_Plant.m_nType == 1) {
        DrawText(424, 294, "未知", kUnknownColour, 0, 0, 0, kBigText);
    }
    for (int i = 0; i < m_Plant.m_nGrowthCycle && 60 + kHourPixels * i < m_nWidth; ++i) {
        DrawImage(60 + kHourPixels * i, 230, 163, kIconSet, kUntinted);
    }
}
