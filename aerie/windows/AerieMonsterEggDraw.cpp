// Drawing of the egg items: a bag egg, or an incubator with its egg, times and hired friend.
#include "aerie/state/AerieIncubator.h"
#include "aerie/windows/AerieCityView.h"
#include "aerie/windows/AerieMonsterEgg.h"
#include "framework/core/ORVCallBack.h"

namespace {

constexpr u32 kWhite = 0xFFFFFFFF;
constexpr int kTextX = 80;
constexpr int kTextY = 275;
constexpr int kProtectY = 292;
constexpr int kCentred = 1;
constexpr int kHeadingFont = 2;

}  // namespace

void CAerieMonsterEggItem::OnDraw()
{
    if (m_nEggKind == kBagEgg) {
        DrawBagEgg();
    } else if (m_nEggKind == kIncubator) {
        DrawIncubator();
    }
}

void CAerieMonsterEggItem::DrawBagEgg()
{
    if (AerieView::GetBagEgg(m_wIndex) != 0) {
        DrawImage(6, 6, 370, kImageSetWindow, kWhite);
    }
}

void CAerieMonsterEggItem::DrawIncubator()
{
    const bool hover = IsHover();
    DrawImage(17, 230, hover ? 463 : 462, kImageSetWindow, kWhite);

    AerieIncubators& incubators = AerieView::ShownIncubators();
    const AerieIncubator* incubator = incubators.At(m_wIndex);
    u32 hatchMs = 0;
    u32 protectMs = 0;
    if (incubator == nullptr || !incubator->IsOpened()) {
        DrawTextRel(this, kTextX, kTextY, "孵化器未开启", kWhite, kCentred, kHeadingFont);
    } else if (!AerieView::GetIncubatorTimers(m_wIndex, &hatchMs, &protectMs)) {
        DrawTextRel(this, kTextX, kTextY, "孵化器空闲", 0xFFFFFF00, kCentred, kHeadingFont);
    } else {
        if (m_pDrawChar != nullptr && hatchMs > 0) {
            const ORVLifeWatch life = Watch();
            m_pDrawChar->Draw(m_nAbsX - 45, m_nAbsY - 20);
            if (life.expired()) {
                return;
            }
            if (HasHiredSlave(incubators, m_wIndex) && IsSlaveTreated(incubators, m_wIndex)) {
                const int treat = static_cast<u8>(GetSlaveTreatment(incubators, m_wIndex));
                DrawImage(60, -10, 469 + treat, kImageSetWindow, kWhite);
            }
        }
        DrawImage(54, 180, hover ? 372 : 371, kImageSetWindow, kWhite);
        // The countdowns change every second: printed into a buffer the kept text is copied from
        // (a joined std::string would allocate once a second).
        char text[kShortTextBound];
        if (hatchMs > 0) {
            const u32 seconds = hatchMs / 1000;
            DrawTextRel(this, kTextX, kTextY, m_HatchText.Get(seconds, [&] {
                return BoundedPrintf(text, sizeof text, "剩余时间：%s", FormatTimeClock(seconds).c_str());
            }), 0xFF00FF00, kCentred, kHeadingFont);
        } else {
            DrawTextRel(this, kTextX, kTextY, "孵化完成", 0xFFFF0000, kCentred, kHeadingFont);
            if (protectMs > 0) {
                const u32 seconds = protectMs / 1000;
                DrawTextRel(this, kTextX, kProtectY, m_ProtectText.Get(seconds, [&] {
                    return BoundedPrintf(text, sizeof text, "保护时间：%s", FormatTimeClock(seconds).c_str());
                }), 0xFF00FFFF, kCentred, kHeadingFont);
            }
        }
    }
    DrawImage(30, 220, hover ? 374 : 373, kImageSetWindow, kWhite);
}
