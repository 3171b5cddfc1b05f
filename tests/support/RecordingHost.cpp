#include "support/RecordingHost.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <sstream>

#include "framework/core/ByteOrder.h"

namespace orv::test {

namespace {

const char* const kDrawSlots[] = {"DrawImage", "DrawImageScaled", "DrawText", "DrawRectFrame",
                                  "FillRect", "DrawSector", "DrawRankExtra", "Drawer.Draw"};

}  // namespace

std::string HostCall::Describe() const
{
    std::ostringstream out;
    out << "[frame " << m_nFrame << "] " << m_strName << "(";
    for (std::size_t i = 0; i < m_vInts.size(); ++i) {
        out << (i ? ", " : "") << m_vInts[i];
    }
    for (float f : m_vFloats) {
        out << ", " << f;
    }
    out << ")";
    if (m_bHasText) {
        // Bytes of 0x80 and above (GBK) are shown as hex.
        out << " \"";
        for (unsigned char c : m_strText) {
            if (c >= 0x20 && c < 0x80) {
                out << static_cast<char>(c);
            } else {
                char hex[8];
                std::snprintf(hex, sizeof hex, "\\x%02X", c);
                out << hex;
            }
        }
        out << "\"";
    }
    return out.str();
}

HostCall& RecordingHost::Log(const std::string& name, std::vector<long long> ints)
{
    if (m_fnOnCall) {
        // Before the entry is made: the reference returned stays good whatever the hook logs.
        m_fnOnCall(name);
    }
    HostCall call;
    call.m_strName = name;
    call.m_nFrame = m_nFrame;
    call.m_vInts = std::move(ints);
    m_vCalls.push_back(std::move(call));
    return m_vCalls.back();
}

std::vector<HostCall> RecordingHost::Calls(const std::string& name) const
{
    std::vector<HostCall> out;
    for (const HostCall& c : m_vCalls) {
        if (c.m_strName == name) {
            out.push_back(c);
        }
    }
    return out;
}

std::vector<HostCall> RecordingHost::CallsInFrame(int frame) const
{
    std::vector<HostCall> out;
    for (const HostCall& c : m_vCalls) {
        if (c.m_nFrame == frame) {
            out.push_back(c);
        }
    }
    return out;
}

int RecordingHost::Count(const std::string& name) const
{
    return static_cast<int>(std::count_if(m_vCalls.begin(), m_vCalls.end(),
                                          [&](const HostCall& c) { return c.m_strName == name; }));
}

int RecordingHost::FirstIndex(const std::string& name) const
{
    for (std::size_t i = 0; i < m_vCalls.size(); ++i) {
        if (m_vCalls[i].m_strName == name) {
            return static_cast<int>(i);
        }
    }
    return -1;
}

int RecordingHost::LastIndex(const std::string& name) const
{
    for (std::size_t i = m_vCalls.size(); i-- > 0;) {
        if (m_vCalls[i].m_strName == name) {
            return static_cast<int>(i);
        }
    }
    return -1;
}

int RecordingHost::IndexOfText(const std::string& text) const
{
    for (std::size_t i = 0; i < m_vCalls.size(); ++i) {
        if (m_vCalls[i].m_strName == "DrawText" && m_vCalls[i].m_strText == text) {
            return static_cast<int>(i);
        }
    }
    return -1;
}

const HostCall* RecordingHost::FindText(const std::string& text) const
{
    const int i = IndexOfText(text);
    return i < 0 ? nullptr : &m_vCalls[static_cast<std::size_t>(i)];
}

const HostCall* RecordingHost::FindImage(int frame, int set) const
{
    for (const HostCall& c : m_vCalls) {
        if (c.m_strName == "DrawImage" && c.Int(2) == frame && c.Int(3) == set) {
            return &c;
        }
    }
    return nullptr;
}

bool RecordingHost::AnyDrawing() const
{
    return std::any_of(m_vCalls.begin(), m_vCalls.end(), [](const HostCall& c) {
        return std::find(std::begin(kDrawSlots), std::end(kDrawSlots), c.m_strName) != std::end(kDrawSlots);
    });
}

std::vector<SentRequest> RecordingHost::Requests() const
{
    std::vector<SentRequest> out;
    for (const HostCall& c : m_vCalls) {
        if (c.m_strName != "SendToServer") {
            continue;
        }
        SentRequest req;
        req.m_strBytes = c.m_strText;
        if (c.m_strText.size() >= 12) {
            req.m_bHasHeader = true;
            const auto* bytes = reinterpret_cast<const unsigned char*>(c.m_strText.data());
            req.m_nOwner = ReadLE32(bytes);
            req.m_wMain = ReadLE16(bytes + 4);
            req.m_wSub = ReadLE16(bytes + 6);
            req.m_wParam1 = ReadLE16(bytes + 8);
            req.m_wParam2 = ReadLE16(bytes + 10);
            req.m_strBody = c.m_strText.substr(12);
        }
        out.push_back(std::move(req));
    }
    return out;
}

int RecordingHost::LiveDrawers() const
{
    return static_cast<int>(std::count_if(m_vDrawers.begin(), m_vDrawers.end(),
                                          [](const auto& d) { return !d->m_bReleased; }));
}

std::string RecordingHost::Dump() const
{
    std::string out;
    for (const HostCall& c : m_vCalls) {
        out += c.Describe();
        out += '\n';
    }
    return out;
}

// ---- IORVCallBack ----

void RecordingHost::SendToServer(const char* data, int len)
{
    HostCall& c = Log("SendToServer", {len});
    if (data != nullptr && len > 0) {
        c.m_strText.assign(data, static_cast<std::size_t>(len));
    }
    c.m_bHasText = data != nullptr;
    if (m_fnOnSend) {
        m_fnOnSend(data, len);
    }
}

void RecordingHost::GetImageSize(int frame, int set, int* w, int* h)
{
    Log("GetImageSize", {frame, set});
    auto it = m_mapImageSizes.find({frame, set});
    if (it == m_mapImageSizes.end() && m_bLeaveUnknownSizes) {
        return;   // as a host that knows no such image
    }
    const std::pair<int, int> size = it != m_mapImageSizes.end() ? it->second : m_DefaultImageSize;
    if (w != nullptr) {
        *w = size.first;
    }
    if (h != nullptr) {
        *h = size.second;
    }
}

void RecordingHost::DrawImage(int x, int y, int frame, int set, u32 colour, int a, int b)
{
    Log("DrawImage", {x, y, frame, set, colour, a, b});
}

void RecordingHost::DrawImageScaled(int x, int y, int frame, int set, float scaleX, float scaleY, u32 colour, int a,
                                    int b)
{
    Log("DrawImageScaled", {x, y, frame, set, colour, a, b}).m_vFloats = {scaleX, scaleY};
}

bool RecordingHost::HitTestImage(int x, int y, int frame, int set)
{
    Log("HitTestImage", {x, y, frame, set});
    return m_fnHitTest ? m_fnHitTest(x, y, frame, set) : true;
}

void RecordingHost::DrawText(int x, int y, const char* text, u32 colour, int a1, int a2, int a3, int a4, int a5,
                             int a6)
{
    HostCall& c = Log("DrawText", {x, y, colour, a1, a2, a3, a4, a5, a6});
    c.m_bHasText = text != nullptr;
    if (text != nullptr) {
        c.m_strText = text;
    }
}

void RecordingHost::DrawRectFrame(u32 colour, int x, int y, int w, int h)
{
    Log("DrawRectFrame", {colour, x, y, w, h});
}

void RecordingHost::FillRect(u32 colour, int x, int y, int w, int h)
{
    Log("FillRect", {colour, x, y, w, h});
}

int RecordingHost::GetScreenWidth()
{
    Log("GetScreenWidth");
    return m_nScreenWidth;
}

int RecordingHost::GetScreenHeight()
{
    Log("GetScreenHeight");
    return m_nScreenHeight;
}

const char* RecordingHost::GetPlayerName()
{
    Log("GetPlayerName");
    return m_strPlayerName.c_str();
}

IORVDrawCharacter* RecordingHost::CreateDrawCharacter()
{
    Log("CreateDrawCharacter");
    if (!m_bCreateDrawers) {
        return nullptr;
    }
    m_vDrawers.push_back(std::make_unique<RecordingDrawer>(this, static_cast<int>(m_vDrawers.size()) + 1));
    return m_vDrawers.back().get();
}

void RecordingHost::ReleaseDrawCharacter(IORVDrawCharacter* drawer)
{
    for (auto& d : m_vDrawers) {
        if (d.get() == drawer) {
            Log("ReleaseDrawCharacter", {d->m_nId});
            EXPECT_FALSE(d->m_bReleased) << "drawer " << d->m_nId << " released twice";
            d->m_bReleased = true;
            return;
        }
    }
    Log("ReleaseDrawCharacter", {-1});
    ADD_FAILURE() << "ReleaseDrawCharacter of a drawer this host did not make";
}

void RecordingHost::OpenPlayerRestaurant(const char* ownerName)
{
    HostCall& c = Log("OpenPlayerRestaurant");
    c.m_bHasText = ownerName != nullptr;
    c.m_strText = ownerName != nullptr ? ownerName : "";
}

void RecordingHost::OpenPlayerGarden(const char* ownerName)
{
    HostCall& c = Log("OpenPlayerGarden");
    c.m_bHasText = ownerName != nullptr;
    c.m_strText = ownerName != nullptr ? ownerName : "";
}

void RecordingHost::StartImageAnimation(int frame, int set, int a, int b)
{
    Log("StartImageAnimation", {frame, set, a, b});
}

void RecordingHost::StepImageAnimation(int frame, int set)
{
    Log("StepImageAnimation", {frame, set});
}

void RecordingHost::ResetImageAnimation(int frame, int set, int a, int b)
{
    Log("ResetImageAnimation", {frame, set, a, b});
}

void RecordingHost::DrawSector(int cx, int cy, int radius, float angle, u32 colour)
{
    Log("DrawSector", {cx, cy, radius, colour}).m_vFloats = {angle};
}

void RecordingHost::DrawRankExtra(int x, int y, u16 a, u16 b, u8 c)
{
    Log("DrawRankExtra", {x, y, a, b, c});
}

u16 RecordingHost::GetBagItemCount(u16 itemId)
{
    Log("GetBagItemCount", {itemId});
    auto it = m_mapBagCounts.find(itemId);
    return it != m_mapBagCounts.end() ? it->second : 0;
}

u16 RecordingHost::GetCharacterLevel()
{
    Log("GetCharacterLevel");
    return m_wCharacterLevel;
}

void RecordingHost::NotifyGameWindow(int state)
{
    Log("NotifyGameWindow", {state});
    if (m_fnOnNotifyGameWindow) {
        m_fnOnNotifyGameWindow(state);
    }
}

void RecordingHost::OnMouseMove(LPARAM lParam)
{
    Log("OnMouseMove", {static_cast<long long>(lParam)});
}

bool RecordingHost::HasBagItem(int a, int b, int itemId)
{
    Log("HasBagItem", {a, b, itemId});
    auto it = m_mapHasBagItem.find(itemId);
    return it != m_mapHasBagItem.end() && it->second;
}

// Slots the library never calls.
void RecordingHost::Reserved17() { Log("Reserved17"); ADD_FAILURE() << "slot 17 called"; }
void RecordingHost::Reserved21() { Log("Reserved21"); ADD_FAILURE() << "slot 21 called"; }
void RecordingHost::Reserved27() { Log("Reserved27"); ADD_FAILURE() << "slot 27 called"; }
void RecordingHost::Reserved29() { Log("Reserved29"); ADD_FAILURE() << "slot 29 called"; }
void RecordingHost::Reserved30() { Log("Reserved30"); ADD_FAILURE() << "slot 30 called"; }

// ---- Drawers ----

void RecordingDrawer::SetAppearance(const void* data, int len)
{
    EXPECT_FALSE(m_bReleased) << "drawer " << m_nId << " used after release";
    HostCall& c = m_pHost->Log("Drawer.SetAppearance", {m_nId, len});
    c.m_bHasText = data != nullptr;
    if (data != nullptr && len > 0) {
        c.m_strText.assign(static_cast<const char*>(data), static_cast<std::size_t>(len));
    }
}

void RecordingDrawer::SetValue2(u32 value)
{
    EXPECT_FALSE(m_bReleased) << "drawer " << m_nId << " used after release";
    m_pHost->Log("Drawer.SetValue2", {m_nId, value});
}

void RecordingDrawer::SetValue3(u32 value)
{
    EXPECT_FALSE(m_bReleased) << "drawer " << m_nId << " used after release";
    m_pHost->Log("Drawer.SetValue3", {m_nId, value});
}

bool RecordingDrawer::IsMouseOver()
{
    EXPECT_FALSE(m_bReleased) << "drawer " << m_nId << " used after release";
    m_pHost->Log("Drawer.IsMouseOver", {m_nId});
    return m_bMouseOver;
}

void RecordingDrawer::Draw(int x, int y)
{
    EXPECT_FALSE(m_bReleased) << "drawer " << m_nId << " used after release";
    m_pHost->Log("Drawer.Draw", {m_nId, x, y});
}

}  // namespace orv::test
