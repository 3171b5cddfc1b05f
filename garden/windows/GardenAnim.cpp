#include "garden/windows/GardenAnim.h"

#include <algorithm>
#include <limits>
#include <utility>

#include "glimmer/Glimmer.h"

namespace {

constexpr u32 kUntinted = 0xFFFFFFFF;
constexpr u16 kU16Max = std::numeric_limits<u16>::max();

u16 SaturatingIncrement(u16 v)
{
    return v == kU16Max ? v : static_cast<u16>(v + 1);
}

}  // namespace

GardenAnim::~GardenAnim()
{
    Release();
}

GardenAnim::GardenAnim(GardenAnim&& other) noexcept
    : m_pTex(std::exchange(other.m_pTex, nullptr)),
      m_wTotal(other.m_wTotal),
      m_wCounter(other.m_wCounter),
      m_wSpeed(other.m_wSpeed),
      m_nState(other.m_nState)
{
}

GardenAnim& GardenAnim::operator=(GardenAnim&& other) noexcept
{
    if (this != &other) {
        Release();
        m_pTex = std::exchange(other.m_pTex, nullptr);
        m_wTotal = other.m_wTotal;
        m_wCounter = other.m_wCounter;
        m_wSpeed = other.m_wSpeed;
        m_nState = other.m_nState;
    }
    return *this;
}

void GardenAnim::Release()
{
    if (m_pTex != nullptr) {
        g_TexMgr.DeleteTexture(m_pTex);
        m_pTex = nullptr;
    }
}

CTex* GardenAnim::Load(u16 id, u16 set)
{
    Release();
    m_pTex = g_TexMgr.NewTexture();
    if (m_pTex != nullptr) {
        m_pTex->LoadTex(set, id, false);   // the renderer names textures (group, id)
    }
    return m_pTex;
}

void GardenAnim::Start(u16 speed)
{
    if (m_pTex != nullptr) {
        const u32 total = static_cast<u32>(std::max(m_pTex->GetFrames(), 0)) * speed;
        m_wTotal = static_cast<u16>(std::min<u32>(total, kU16Max));
    }
    m_wCounter = 0;
    m_wSpeed = speed;
    m_nState = kPlaying;
}

GardenAnim::StepResult GardenAnim::Step(int x, int y)
{
    if (m_pTex == nullptr) {
        return kStepNoTexture;
    }
    if (m_nState == kIdle) {
        return kStepIdle;
    }
    if (m_nState == kFinished) {
        m_wCounter = SaturatingIncrement(m_wCounter);
        return kStepFinished;
    }
    if (m_wCounter < m_wTotal) {
        m_pTex->DrawTex(x, y, kUntinted);
        m_wCounter = SaturatingIncrement(m_wCounter);
        // The frame the next step draws. The step that ends the play would select one past the
        // last frame (never drawn): the last frame stays selected instead.
        const int frames = m_pTex->GetFrames();
        const int frame = m_wSpeed == 0 ? 0 : m_wCounter / m_wSpeed;
        m_pTex->AnimationControl(false, std::clamp(frame, 0, std::max(frames - 1, 0)));
        return kStepPlaying;
    }
    m_wCounter = SaturatingIncrement(m_wCounter);
    m_nState = kFinished;
    return kStepEnded;
}

u16 GardenAnim::TicksSinceEnd() const
{
    return m_nState == kFinished && m_wCounter > m_wTotal ? static_cast<u16>(m_wCounter - m_wTotal) : 0;
}

void GardenAnim::DrawFrame(int frame, int x, int y)
{
    if (m_pTex == nullptr || frame < 0 || frame >= m_pTex->GetFrames()) {
        return;
    }
    m_pTex->AnimationControl(false, frame);
    m_pTex->DrawTex(x, y, kUntinted);
}

void GardenAnim::DrawLastFrame(int x, int y)
{
    if (m_pTex != nullptr) {
        DrawFrame(m_pTex->GetFrames() - 1, x, y);
    }
}
