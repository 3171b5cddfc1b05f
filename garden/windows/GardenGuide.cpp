#include "garden/windows/GardenGuide.h"

#include <algorithm>
#include <cstdint>
#include <cstring>

#include "engine/GardenPackets.h"
#include "framework/control/ORVControl.h"
#include "framework/core/GameHooks.h"
#include "framework/text/TextUtil.h"
#include "framework/window/ORVMsgBox.h"
#include "garden/state/GardenDataMgr.h"
#include "glimmer/Glimmer.h"

namespace {

constexpr u16 kSubTutorialDone = 0x21;

constexpr const char* kWelcomeText =
    "欢迎进入星砂湾花园，点击确定进行新手任务,按照提示一步步完成,点击取消直接完成新手任务。\n"
    "完成新手任务后我会赠送你100财富和2000点基因点作为奖励,加油哦～";

struct StepRow {
    const char* hint;
    i32 dx;
    i32 dy;
};
// Hints and anchor offsets by step, 0 to 20.
constexpr StepRow kStepTable[GardenGuide::kStepCount] = {
    {"", 0, 0},
    {"", 0, 0},
    {"请将鼠标移到这里", 0, 0},
    {"请点击这里", 0, 0},
    {"将水壶移动到这里为你的土地浇水", 0, 0},
    {"请点击这里进入苗圃购买种子", 0, 0},
    {"点击购买种子", 0, 0},
    {"点击确定购买", 0, 0},
    {"请点击已经购买的种子", 0, 0},
    {"天气效果将直接影响植物产量，收获预估显示袋子数量越多，表明产量越高。", 150, 110},
    {"将种子种植在土地中", 0, 0},
    {"点击开始研究", 0, 0},
    {"点击开始研究", 0, 0},
    {"点击3个滴入试剂按钮", 0, 0},
    {"", 0, 0},
    {"关闭研究", 0, 0},
    {"  点击这里查询植物等级  在好友花园内点击，可查询好友花园内植物等级", 30, 0},
    {"关闭苗圃", -10, 0},
    {"点击查询好友花园状态", 0, 0},
    {"请输入或选择你想去的好友名字,并点击按钮或直接按回车键", -50, 0},
    {"", 0, 0},
};

// Bubble tiles (image set 3, read through the texture manager with priority 2).
constexpr u16 kBubbleSet = 3;
constexpr int kTexPriority = 2;
constexpr int kTileW = 36;
constexpr int kTileH = 20;
constexpr u16 kTileTop = 4460;
constexpr u16 kTileMiddle = 4463;
constexpr u16 kTileBottom = 4466;
constexpr u16 kArrowDown = 4469;   // the bubble stands above the anchor
constexpr u16 kArrowUp = 4470;     // flipped below it
constexpr ARGB kUntinted = 0xFFFFFFFF;
constexpr ARGB kHintColour = 0xFF000000;
constexpr int kHintSize = 12;
constexpr int kBytePx = 6;
constexpr int kLinePx = 144;
constexpr int kMinWidth = 72;
constexpr int kMaxWidth = 150;
constexpr std::size_t kMaxLineBytes = 1023;

void DrawTile(u16 id, int x, int y)
{
    if (CTex* tex = g_TexMgr.GetTexture(kBubbleSet, id, kTexPriority)) {
        tex->DrawTex(x, y, kUntinted);
    }
}

void SendTutorialDone()
{
    GardenHeader header;
    header.m_wSub = kSubTutorialDone;
    GetPacketQueue().SendGardenMessage(header, nullptr, 0);
}

void HookForgetControl(CORVControl* ctrl)
{
    GetGardenGuide().ForgetControl(ctrl);
}

void HookDraw()
{
    GetGardenGuide().DrawPointer();
}

}  // namespace

HintBubbleLayout MeasureHintBubble(int anchorX, int anchorY, const char* hint)
{
    HintBubbleLayout b;
    b.m_nTextWidth = GetTextWidth(hint, kTextSizeDefault);
    b.m_nWidth = std::max(b.m_nTextWidth, kMinWidth);
    b.m_nTextHeight = kTileH;
    if (b.m_nTextWidth > kMaxWidth) {
        b.m_nWidth = kMaxWidth;
        b.m_nTextHeight = kTileH * ((b.m_nTextWidth + kMaxWidth) / kMaxWidth);
    }
    b.m_nCols = (b.m_nWidth + 42) / kTileW;
    b.m_nRows = std::max((b.m_nTextHeight + 20) / kTileH, 2);
    b.m_nLeft = anchorX - (b.m_nCols * kTileW) / 2;
    b.m_nTop = anchorY - kTileH * (b.m_nRows + 1);
    if (b.m_nTop < 0) {
        b.m_nTop = anchorY + kTileH;
        b.m_bFlipped = true;
    }
    return b;
}

void DrawHintBubble(int anchorX, int anchorY, const char* hint)
{
    if (hint == nullptr) {
        return;
    }
    const HintBubbleLayout b = MeasureHintBubble(anchorX, anchorY, hint);
    for (int r = 0; r < b.m_nRows; ++r) {
        const u16 base = r == 0 ? kTileTop : (r == b.m_nRows - 1 ? kTileBottom : kTileMiddle);
        for (int c = 0; c < b.m_nCols; ++c) {
            const u16 add = c == 0 ? 0 : (c == b.m_nCols - 1 ? 2 : 1);
            DrawTile(static_cast<u16>(base + add), b.m_nLeft + kTileW * c, b.m_nTop + kTileH * r);
        }
    }
    if (b.m_bFlipped) {
        DrawTile(kArrowUp, anchorX, anchorY + 6);
    } else {
        DrawTile(kArrowDown, anchorX, b.m_nTop + kTileH * b.m_nRows - 6);
    }
    if (hint[0] == '\0') {
        return;
    }
    // Lines: the running width (6 pixels a byte) may reach 144 x (line + 1) by the end of line.
    const char* p = hint;
    int running = 0;
    for (int line = 0; line < b.m_nRows - 1; ++line) {
        const char* start = p;
        for (std::size_t n = GbkCharBytes(p, 2); n != 0; n = GbkCharBytes(p, 2)) {
            if (running + kBytePx * static_cast<int>(n) > kLinePx * (line + 1)) {
                break;
            }
            running += kBytePx * static_cast<int>(n);
            p += n;
        }
        const std::size_t len = static_cast<std::size_t>(p - start);
        if (len > kMaxLineBytes) {
            continue;
        }
        char text[kMaxLineBytes + 1];
        std::memcpy(text, start, len);
        text[len] = '\0';
        const int x = anchorX - GetTextWidth(text, kTextSizeDefault) / 2;
        g_Font.DrawTextA(x, b.m_nTop + 14 + kTileH * line, text, kHintColour, kHintSize, false, 0, false);
    }
}

GardenGuide::GardenGuide()
{
    Reset();
    g_GameHooks.pfnNewBieForgetControl = &HookForgetControl;
    g_GameHooks.pfnNewBieDraw = &HookDraw;
}

GardenGuide::~GardenGuide()
{
    // A control destroyed after the guide calls nothing.
    if (g_GameHooks.pfnNewBieForgetControl == &HookForgetControl) {
        g_GameHooks.pfnNewBieForgetControl = nullptr;
    }
    if (g_GameHooks.pfnNewBieDraw == &HookDraw) {
        g_GameHooks.pfnNewBieDraw = nullptr;
    }
}

void GardenGuide::Reset()
{
    m_wStep = 0;
    for (u16 i = 0; i < kStepCount; ++i) {
        m_aSteps[i].m_strHint = kStepTable[i].hint;
        m_aSteps[i].m_pTarget = nullptr;
        m_aSteps[i].m_nDx = kStepTable[i].dx;
        m_aSteps[i].m_nDy = kStepTable[i].dy;
    }
}

void GardenGuide::ShowWelcome(u16 step)
{
    if (step == kWelcomeStep) {
        ORVMsgBoxQueue::GetSingleton().ShowOkCancelBox(MakeGameEvent(kEventWelcomeOk),
                                                       MakeGameEvent(kEventWelcomeCancel), kWelcomeText);
    }
    m_wStep = step;
}

void GardenGuide::Advance()
{
    if (m_wStep == UINT16_MAX) {
        return;
    }
    ++m_wStep;
    if (m_wStep == kFinishedStep) {
        SendTutorialDone();
    }
}

bool GardenGuide::AdvanceFrom(u16 step)
{
    if (m_wStep != step) {
        return false;
    }
    Advance();
    return true;
}

void GardenGuide::Finish()
{
    m_wStep = kFinishedStep;
    SendTutorialDone();
}

void GardenGuide::SetTarget(u16 step, CORVControl* target)
{
    if (step < kStepCount) {
        m_aSteps[step].m_pTarget = target;
    }
}

void GardenGuide::ForgetControl(const CORVControl* ctrl)
{
    if (ctrl == nullptr) {
        return;
    }
    for (GardenGuideStep& step : m_aSteps) {
        if (step.m_pTarget == ctrl) {
            step.m_pTarget = nullptr;
        }
    }
}

const GardenGuideStep& GardenGuide::StepRecord(u16 step) const
{
    return m_aSteps[std::min<u16>(step, kStepCount - 1)];
}

void GardenGuide::DrawPointer() const
{
    if (m_wStep >= kStepCount) {
        return;
    }
    const GardenGuideStep& step = m_aSteps[m_wStep];
    const CORVControl* target = step.m_pTarget;
    if (target == nullptr) {
        return;
    }
    DrawHintBubble(target->m_nAbsX + target->m_nWidth / 2 + step.m_nDx,
                   target->m_nAbsY + target->m_nHeight / 2 + step.m_nDy, step.m_strHint.c_str());
}

GardenGuide& GetGardenGuide()
{
    static GardenGuide s_Guide;
    return s_Guide;
}

ORVMsg MakeGameEvent(u32 kind)
{
    return ORVMsg(kMsgGardenTopic, kind);
}
