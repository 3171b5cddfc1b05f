#include "garden/windows/GardenWeatherReport.h"

#include "BuildProfile.h"
#include "framework/text/TextUtil.h"
#include "framework/widgets/ORVButton.h"
#include "garden/state/GardenDataMgr.h"
#include "garden/windows/GardenDraw.h"
#include "garden/windows/GardenPlantItem.h"

ORV_IMPLEMENT_RUNTIME_CLASS(CGardenWeatherReport, CORVWindow)

namespace {

const GardenPanelRecordInstaller g_WeatherPanelRecord(GardenPanelSlot::kWeather, ORV_RUNTIME_CLASS(CGardenWeatherReport));

constexpr int kWeatherKinds = 7;
struct WeatherKind {
    const char* name;
    u16 small;
    u16 large;
};
constexpr WeatherKind kWeatherKindTable[kWeatherKinds] = {
    {"晴", 102, 113}, {"多云", 103, 114}, {"阴", 104, 115}, {"小雨", 105, 116},
    {"大雨", 106, 117}, {"小雪", 107, 118}, {"大雪", 108, 119},
};
const char* const kWeekdayNames[7] = {"日", "一", "二", "三", "四", "五", "六"};

constexpr u32 kTextColour = 0xFF8D6365;
constexpr int kTitleSize = 14;
constexpr u16 kSubWeather = 0x1d;

const WeatherKind& KindOf(u16 kind) { return kWeatherKindTable[kind < kWeatherKinds ? kind : 0]; }

const char* WeekdayName(int wday) { return kWeekdayNames[wday >= 0 && wday < 7 ? wday : 0]; }

}  // namespace

const char* WeatherName(u16 kind) { return KindOf(kind).name; }
u16 WeatherSmallIcon(u16 kind) { return KindOf(kind).small; }
u16 WeatherLargeIcon(u16 kind) { return KindOf(kind).large; }

u16 NormaliseWeatherKind(WeatherPeriod& period)
{
    if (period.m_wKind >= kWeatherKinds) {
        period.m_wKind = 0;
    }
    return period.m_wKind;
}

bool HasWeatherTimes(const WeatherPeriod& period) { return period.m_tmStart.tm_mday != 0 && period.m_tmEnd.tm_mday != 0; }

void CGardenWeatherReport::OnCreate()
{
    CreatePanelFrame(16, 38, 4, 3);
    CenterInParent();
    SendGardenRequest(kSubWeather);
    CreateButton(184, 346, &m_pOkButton, 9, true, true, "");
    GetGardenDataMgr().SetDefaultWeatherTimes();
}

bool CGardenWeatherReport::OnMessage(ORVMsg* msg)
{
    if (msg != nullptr && msg->m_nId == kNotifyLeftClick && m_pOkButton != nullptr && msg->m_pSender == m_pOkButton) {
        Close();
        return true;
    }
    return CGardenPanel::OnMessage(msg);   // the close button
}

void CGardenWeatherReport::OnDraw()
{
    DrawAlignedText(16, m_nWidth, "天气预报", kTextColour, 1, 0, kTitleSize);
    CGardenDataMgr& state = GetGardenDataMgr();
    for (int i = 0; i < kWeatherPeriods; ++i) {
        DrawPeriod(21, 39 + 76 * i, state.m_Weather[i]);
    }
}

void CGardenWeatherReport::DrawPeriod(int x, int y, WeatherPeriod& period)
{
    if (!HasWeatherTimes(period)) {
        return;
    }
    const u16 kind = NormaliseWeatherKind(period);
    const char* which = period.m_nForecast == 0 ? "当前" : "预报";
    const std::tm& s = period.m_tmStart;
    const std::tm& e = period.m_tmEnd;
    char text[128];

    DrawImage(x, y, WeatherSmallIcon(kind), 3, 0xFFFFFFFF);
    if (s.tm_wday == e.tm_wday) {
        BoundedPrintf(text, sizeof text, "[%d.%d.%d 星期%s %02d:%02d - %02d:%02d]", s.tm_year + 1900, s.tm_mon + 1,
                      s.tm_mday, WeekdayName(s.tm_wday), s.tm_hour, s.tm_min, e.tm_hour, e.tm_min);
    } else {
        BoundedPrintf(text, sizeof text, "[%d.%d.%d 星期%s %02d:%02d - 次日 %02d:%02d]", s.tm_year + 1900,
                      s.tm_mon + 1, s.tm_mday, WeekdayName(s.tm_wday), s.tm_hour, s.tm_min, e.tm_hour, e.tm_min);
    }
    DrawText(x + 76, y + 7, text, kTextColour, 0, 0, 0, kTextSizeDefault);
    BoundedPrintf(text, sizeof text, "%s天气：%s", which, WeatherName(kind));
    DrawText(x + 72, y + 29, text, kTextColour, 0, 0, 0, kTextSizeDefault);
    BoundedPrintf(text, sizeof text, "%s温度：%d℃", which, static_cast<int>(period.m_nTemperature));
    DrawText(x + 253, y + 29, text, kTextColour, 0, 0, 0, kTextSizeDefault);
    BoundedPrintf(text, sizeof text, "%s光照：", which);
    DrawText(x + 72, y + 49, text, kTextColour, 0, 0, 0, kTextSizeDefault);
    DrawHalfStepIcons(m_nAbsX + x + 131, m_nAbsY + y + 45, period.m_wLight, kLightWholeIcon, kLightHalfIcon);
    BoundedPrintf(text, sizeof text, "%s湿度：", which);
    DrawText(x + 253, y + 49, text, kTextColour, 0, 0, 0, kTextSizeDefault);
    DrawHalfStepIcons(m_nAbsX + x + 306, m_nAbsY + y + 45, period.m_wHumidity, kHumidityWholeIcon, kHumidityHalfIcon);
}
