// The weather report panel: the current eight-hour weather period and the three that follow, each
// with its icon, time span, weather, temperature, light and humidity, read from the garden state.
// The weather tables here serve the yield estimate panel as well.
#pragma once

#include "framework/core/OrvTypes.h"
#include "garden/windows/GardenPanel.h"

class CORVButton;
struct WeatherPeriod;

// A weather kind's name and icons (image set 3); a kind above 6 reads as kind 0.
const char* WeatherName(u16 kind);
u16 WeatherSmallIcon(u16 kind);
u16 WeatherLargeIcon(u16 kind);
// A kind above 6 is stored back as 0; returns the kind.
u16 NormaliseWeatherKind(WeatherPeriod& period);
// Whether the period's times were ever converted to local time (a period that was not is not
// drawn): a broken-down time always has a day of the month from 1 on.
bool HasWeatherTimes(const WeatherPeriod& period);

class CGardenWeatherReport : public CGardenPanel {
    ORV_DECLARE_RUNTIME_CLASS(CGardenWeatherReport)
public:
    CGardenWeatherReport() = default;

    void OnCreate() override;
    bool OnMessage(ORVMsg* msg) override;
    void OnDraw() override;

    CORVButton* m_pOkButton = nullptr;

private:
    void DrawPeriod(int x, int y, WeatherPeriod& period);
};
