// A recording host for tests: an IORVCallBack that logs every call in order with its arguments
// (texts and sent bytes copied at call time) and the frame index, and answers image sizes, hit
// tests, the screen size, the player name, bag counts and the character level from tables the
// test sets. Character drawers it creates record their calls into the same log.
#pragma once

#include <functional>
#include <map>
#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "framework/core/ORVCallBack.h"

namespace orv::test {

// One logged call. Integer arguments (colours, flags, LPARAM, u16 values ...) are kept in order
// in m_vInts, float arguments in m_vFloats; a text or byte argument is copied into m_strText.
struct HostCall {
    std::string m_strName;          // the slot's name: "DrawImage", "DrawText", "SendToServer", ...
    int m_nFrame = 0;               // RecordingHost::m_nFrame when the call came
    std::vector<long long> m_vInts;
    std::vector<float> m_vFloats;
    std::string m_strText;
    bool m_bHasText = false;        // false for a null text

    long long Int(std::size_t i) const { return i < m_vInts.size() ? m_vInts[i] : -1; }
    std::string Describe() const;   // readable one-line form for failure output
};

// A request handed to SendToServer, split into its 12-byte header and body.
struct SentRequest {
    u32 m_nOwner = 0;
    u16 m_wMain = 0;
    u16 m_wSub = 0;
    u16 m_wParam1 = 0;
    u16 m_wParam2 = 0;
    std::string m_strBody;
    std::string m_strBytes;         // the whole request as sent
    bool m_bHasHeader = false;      // false when fewer than 12 bytes were sent
};

class RecordingHost;

class RecordingDrawer final : public IORVDrawCharacter {
public:
    RecordingDrawer(RecordingHost* host, int id) : m_nId(id), m_pHost(host) {}

    void SetAppearance(const void* data, int len) override;
    void SetValue2(u32 value) override;
    void SetValue3(u32 value) override;
    bool IsMouseOver() override;
    void Draw(int x, int y) override;

    bool m_bMouseOver = false;      // answer of IsMouseOver
    int m_nId = 0;                  // creation number, 1 for the first drawer
    bool m_bReleased = false;

private:
    RecordingHost* m_pHost;
    friend class RecordingHost;
};

class RecordingHost final : public IORVCallBack {
public:
    RecordingHost() = default;
    ~RecordingHost() override = default;

    // ---- Answers the test sets ----
    int m_nScreenWidth = 1024;
    int m_nScreenHeight = 768;
    std::map<std::pair<int, int>, std::pair<int, int>> m_mapImageSizes;  // (frame, set) -> (w, h)
    std::pair<int, int> m_DefaultImageSize{0, 0};                         // for images not in the table
    bool m_bLeaveUnknownSizes = false;   // true: an image not in the table leaves both outputs untouched
    void SetImageSize(int frame, int set, int w, int h) { m_mapImageSizes[{frame, set}] = {w, h}; }
    std::function<bool(int x, int y, int frame, int set)> m_fnHitTest;    // null: every point hits
    std::string m_strPlayerName = "player";
    std::map<u16, u16> m_mapBagCounts;                                    // GetBagItemCount
    std::map<int, bool> m_mapHasBagItem;                                  // HasBagItem by item id
    u16 m_wCharacterLevel = 1;
    bool m_bCreateDrawers = true;                                         // false: CreateDrawCharacter gives null
    // A host that answers at once: called after the call is logged, from inside it (a host may
    // call the library back from there).
    std::function<void(const char* data, int len)> m_fnOnSend;           // inside SendToServer
    std::function<void(int state)> m_fnOnNotifyGameWindow;                // inside NotifyGameWindow
    // Inside every slot (a drawer's too), with its name, before the call is logged.
    std::function<void(const std::string& slot)> m_fnOnCall;

    // ---- The log ----
    int m_nFrame = 0;                                                     // stamped on every call
    std::vector<HostCall> m_vCalls;
    std::vector<std::unique_ptr<RecordingDrawer>> m_vDrawers;             // every drawer ever made

    void ClearLog() { m_vCalls.clear(); }

    // ---- Queries ----
    std::vector<HostCall> Calls(const std::string& name) const;           // every call of that slot
    std::vector<HostCall> CallsInFrame(int frame) const;
    int Count(const std::string& name) const;
    // Index in m_vCalls of the first / last call of that slot (optionally with that text); -1 none.
    int FirstIndex(const std::string& name) const;
    int LastIndex(const std::string& name) const;
    int IndexOfText(const std::string& text) const;                       // first DrawText of that text
    const HostCall* FindText(const std::string& text) const;              // first DrawText of that text
    const HostCall* FindImage(int frame, int set) const;                  // first DrawImage of that image
    bool AnyDrawing() const;                                              // any draw slot called
    std::vector<SentRequest> Requests() const;                            // every SendToServer
    int LiveDrawers() const;                                              // created, not released
    std::string Dump() const;                                             // the log, one call a line

    // ---- IORVCallBack ----
    void SendToServer(const char* data, int len) override;
    void GetImageSize(int frame, int set, int* w, int* h) override;
    void DrawImage(int x, int y, int frame, int set, u32 colour, int a, int b) override;
    void DrawImageScaled(int x, int y, int frame, int set, float scaleX, float scaleY, u32 colour, int a,
                         int b) override;
    bool HitTestImage(int x, int y, int frame, int set) override;
    void DrawText(int x, int y, const char* text, u32 colour, int a1, int a2, int a3, int a4, int a5,
                  int a6) override;
    void DrawRectFrame(u32 colour, int x, int y, int w, int h) override;
    void FillRect(u32 colour, int x, int y, int w, int h) override;
    int GetScreenWidth() override;
    int GetScreenHeight() override;
    const char* GetPlayerName() override;
    IORVDrawCharacter* CreateDrawCharacter() override;
    void ReleaseDrawCharacter(IORVDrawCharacter* drawer) override;
    void OpenPlayerRestaurant(const char* ownerName) override;
    void OpenPlayerGarden(const char* ownerName) override;
    void StartImageAnimation(int frame, int set, int a, int b) override;
    void Reserved17() override;
    void StepImageAnimation(int frame, int set) override;
    void ResetImageAnimation(int frame, int set, int a, int b) override;
    void DrawSector(int cx, int cy, int radius, float angle, u32 colour) override;
    void Reserved21() override;
    void DrawRankExtra(int x, int y, u16 a, u16 b, u8 c) override;
    u16 GetBagItemCount(u16 itemId) override;
    u16 GetCharacterLevel() override;
    void NotifyGameWindow(int state) override;
    void OnMouseMove(LPARAM lParam) override;
    void Reserved27() override;
    bool HasBagItem(int a, int b, int itemId) override;
    void Reserved29() override;
    void Reserved30() override;

    // Appends one call to the log (the drawers use it too).
    HostCall& Log(const std::string& name, std::vector<long long> ints = {});
};

}  // namespace orv::test
