// The host calls of one frame kept in a flat list, and replayed from it either straight to the host
// or through the library's guard of the host's callback: what the guard costs a frame, seen beside
// the frame itself.
#pragma once

#include <initializer_list>
#include <string>
#include <vector>

#include "framework/core/ORVCallBack.h"

// One host call as the library made it: its slot and its arguments in call order.
struct RecordedHostCall {
    enum Slot {
        GetImageSize, DrawImage, DrawImageScaled, HitTestImage, DrawText, DrawRectFrame, FillRect,
        GetScreenWidth, GetScreenHeight, GetPlayerName, StepImageAnimation, DrawSector, DrawRankExtra,
        GetBagItemCount, GetCharacterLevel, HasBagItem, Other,
    };
    Slot slot = Other;
    int n[10] = {};
    float f[2] = {};
    std::string text;
};

// A host that keeps the list of the calls made to it while it is held, answering as answerer
// does. Slots a frame does not make are counted as Other: a replay of a list that has one does
// not show the frame.
class HostCallRecorder final : public IORVCallBack {
public:
    explicit HostCallRecorder(IORVCallBack& answerer) : m_Answerer(answerer) {}

    std::vector<RecordedHostCall> m_vCalls;

    void SendToServer(const char*, int) override { Add(RecordedHostCall::Other, {}); }
    void GetImageSize(int frame, int set, int* w, int* h) override
    {
        Add(RecordedHostCall::GetImageSize, {frame, set});
        m_Answerer.GetImageSize(frame, set, w, h);
    }
    void DrawImage(int x, int y, int frame, int set, u32 colour, int r1, int r2) override
    {
        Add(RecordedHostCall::DrawImage, {x, y, frame, set, static_cast<int>(colour), r1, r2});
    }
    void DrawImageScaled(int x, int y, int frame, int set, float sx, float sy, u32 colour, int r1, int r2) override
    {
        RecordedHostCall& call =
            Add(RecordedHostCall::DrawImageScaled, {x, y, frame, set, static_cast<int>(colour), r1, r2});
        call.f[0] = sx;
        call.f[1] = sy;
    }
    bool HitTestImage(int x, int y, int frame, int set) override
    {
        Add(RecordedHostCall::HitTestImage, {x, y, frame, set});
        return m_Answerer.HitTestImage(x, y, frame, set);
    }
    void DrawText(int x, int y, const char* text, u32 colour, int a, int s1, int s2, int s3, int font,
                  int r) override
    {
        RecordedHostCall& call = Add(RecordedHostCall::DrawText, {x, y, static_cast<int>(colour), a, s1, s2, s3, font, r});
        call.text = text != nullptr ? text : "";
    }
    void DrawRectFrame(u32 colour, int x, int y, int w, int h) override
    {
        Add(RecordedHostCall::DrawRectFrame, {static_cast<int>(colour), x, y, w, h});
    }
    void FillRect(u32 colour, int x, int y, int w, int h) override
    {
        Add(RecordedHostCall::FillRect, {static_cast<int>(colour), x, y, w, h});
    }
    int GetScreenWidth() override
    {
        Add(RecordedHostCall::GetScreenWidth, {});
        return m_Answerer.GetScreenWidth();
    }
    int GetScreenHeight() override
    {
        Add(RecordedHostCall::GetScreenHeight, {});
        return m_Answerer.GetScreenHeight();
    }
    const char* GetPlayerName() override
    {
        Add(RecordedHostCall::GetPlayerName, {});
        return m_Answerer.GetPlayerName();
    }
    IORVDrawCharacter* CreateDrawCharacter() override
    {
        Add(RecordedHostCall::Other, {});
        return m_Answerer.CreateDrawCharacter();
    }
    void ReleaseDrawCharacter(IORVDrawCharacter*) override { Add(RecordedHostCall::Other, {}); }
    void OpenPlayerRestaurant(const char*) override { Add(RecordedHostCall::Other, {}); }
    void OpenPlayerGarden(const char*) override { Add(RecordedHostCall::Other, {}); }
    void StartImageAnimation(int, int, int, int) override { Add(RecordedHostCall::Other, {}); }
    void Reserved17() override {}
    void StepImageAnimation(int frame, int set) override { Add(RecordedHostCall::StepImageAnimation, {frame, set}); }
    void ResetImageAnimation(int, int, int, int) override { Add(RecordedHostCall::Other, {}); }
    void DrawSector(int x, int y, int radius, float angle, u32 colour) override
    {
        Add(RecordedHostCall::DrawSector, {x, y, radius, static_cast<int>(colour)}).f[0] = angle;
    }
    void Reserved21() override {}
    void DrawRankExtra(int x, int y, u16 a, u16 b, u8 c) override
    {
        Add(RecordedHostCall::DrawRankExtra, {x, y, a, b, c});
    }
    u16 GetBagItemCount(u16 itemId) override
    {
        Add(RecordedHostCall::GetBagItemCount, {itemId});
        return m_Answerer.GetBagItemCount(itemId);
    }
    u16 GetCharacterLevel() override
    {
        Add(RecordedHostCall::GetCharacterLevel, {});
        return m_Answerer.GetCharacterLevel();
    }
    void NotifyGameWindow(int) override { Add(RecordedHostCall::Other, {}); }
    void OnMouseMove(LPARAM) override { Add(RecordedHostCall::Other, {}); }
    void Reserved27() override {}
    bool HasBagItem(int kind1, int kind2, int itemId) override
    {
        Add(RecordedHostCall::HasBagItem, {kind1, kind2, itemId});
        return m_Answerer.HasBagItem(kind1, kind2, itemId);
    }
    void Reserved29() override {}
    void Reserved30() override {}

private:
    RecordedHostCall& Add(RecordedHostCall::Slot slot, std::initializer_list<int> n)
    {
        RecordedHostCall& call = m_vCalls.emplace_back();
        call.slot = slot;
        int* to = call.n;
        for (int v : n) {
            *to++ = v;
        }
        return call;
    }

    IORVCallBack& m_Answerer;
};

// Makes every call of the list on to (the host's callback, or the library's guard of it) and
// answers what the answers add up to, so that nothing is left out.
template <class To>
long long ReplayHostCalls(To& to, const std::vector<RecordedHostCall>& calls)
{
    long long sum = 0;
    for (const RecordedHostCall& c : calls) {
        const int* n = c.n;
        switch (c.slot) {
        case RecordedHostCall::GetImageSize: {
            int w = 0;
            int h = 0;
            to.GetImageSize(n[0], n[1], &w, &h);
            sum += w + h;
            break;
        }
        case RecordedHostCall::DrawImage:
            to.DrawImage(n[0], n[1], n[2], n[3], static_cast<u32>(n[4]), n[5], n[6]);
            break;
        case RecordedHostCall::DrawImageScaled:
            to.DrawImageScaled(n[0], n[1], n[2], n[3], c.f[0], c.f[1], static_cast<u32>(n[4]), n[5], n[6]);
            break;
        case RecordedHostCall::HitTestImage:
            sum += to.HitTestImage(n[0], n[1], n[2], n[3]) ? 1 : 0;
            break;
        case RecordedHostCall::DrawText:
            to.DrawText(n[0], n[1], c.text.c_str(), static_cast<u32>(n[2]), n[3], n[4], n[5], n[6], n[7], n[8]);
            break;
        case RecordedHostCall::DrawRectFrame:
            to.DrawRectFrame(static_cast<u32>(n[0]), n[1], n[2], n[3], n[4]);
            break;
        case RecordedHostCall::FillRect:
            to.FillRect(static_cast<u32>(n[0]), n[1], n[2], n[3], n[4]);
            break;
        case RecordedHostCall::GetScreenWidth:
            sum += to.GetScreenWidth();
            break;
        case RecordedHostCall::GetScreenHeight:
            sum += to.GetScreenHeight();
            break;
        case RecordedHostCall::GetPlayerName:
            sum += to.GetPlayerName() != nullptr ? 1 : 0;
            break;
        case RecordedHostCall::StepImageAnimation:
            to.StepImageAnimation(n[0], n[1]);
            break;
        case RecordedHostCall::DrawSector:
            to.DrawSector(n[0], n[1], n[2], c.f[0], static_cast<u32>(n[3]));
            break;
        case RecordedHostCall::DrawRankExtra:
            to.DrawRankExtra(n[0], n[1], static_cast<u16>(n[2]), static_cast<u16>(n[3]), static_cast<u8>(n[4]));
            break;
        case RecordedHostCall::GetBagItemCount:
            sum += to.GetBagItemCount(static_cast<u16>(n[0]));
            break;
        case RecordedHostCall::GetCharacterLevel:
            sum += to.GetCharacterLevel();
            break;
        case RecordedHostCall::HasBagItem:
            sum += to.HasBagItem(n[0], n[1], n[2]) ? 1 : 0;
            break;
        case RecordedHostCall::Other:
            break;
        }
    }
    return sum;
}
