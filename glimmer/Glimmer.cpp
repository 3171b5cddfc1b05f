#include <cmath>
#include <cstdio>
#include <cstring>
#include <map>
#include <memory>
#include <stdexcept>
#include <utility>

#include "glimmer/GlimmerTest.h"

GLIMMER_API CGraphicD3D g_CG;
GLIMMER_API CFontD3D g_Font;
GLIMMER_API CTexMgr g_TexMgr;
GLIMMER_API CTex9PoolMgr g_Tex9Mgr;
GLIMMER_API TexBufPool g_TexBufPool;

namespace {

struct TexEntry {
    int w = 0;
    int h = 0;
    int frames = 1;
    std::map<int, std::pair<int, int>> offsets;
};

struct State {
    std::vector<glimmer_test::Call> trace;
    std::map<std::uint32_t, TexEntry> catalogue;
    std::map<std::uint32_t, std::unique_ptr<CTex>> managed;
    int createMode = 1;
    bool willShow = true;
    int live = 0;
    bool recording = true;
};

State& S()
{
    static State s;
    return s;
}

std::uint32_t Key(std::uint16_t group, std::uint16_t id)
{
    return (static_cast<std::uint32_t>(group) << 16) | id;
}

const TexEntry* Find(std::uint16_t group, std::uint16_t id)
{
    const auto it = S().catalogue.find(Key(group, id));
    return it == S().catalogue.end() ? nullptr : &it->second;
}

// With recording off every call lands in one scratch record that keeps its storage, so a steady
// frame allocates nothing here.
glimmer_test::Call& Record(const char* op, std::initializer_list<long long> ints)
{
    if (!S().recording) {
        static glimmer_test::Call scratch;
        scratch.op.assign(op);
        scratch.ints.assign(ints);
        scratch.floats.clear();
        scratch.text.clear();
        scratch.lines.clear();
        scratch.hasText = false;
        scratch.frame = g_CG.m_dwFrameTime;
        return scratch;
    }
    glimmer_test::Call c;
    c.op = op;
    c.ints = ints;
    c.frame = g_CG.m_dwFrameTime;
    S().trace.push_back(std::move(c));
    return S().trace.back();
}

void WithText(glimmer_test::Call& c, const char* text)
{
    c.hasText = true;
    if (S().recording) {
        c.text = text != nullptr ? text : "(null)";
    }
}

}  // namespace

// ---- CTex ----

bool CTex::LoadTex(std::uint16_t group, std::uint16_t id, bool flag)
{
    Record("LoadTex", {group, id, flag});
    m_wGroup = group;
    m_wId = id;
    m_nFrame = 0;
    m_bLoaded = Find(group, id) != nullptr;
    return m_bLoaded;
}

void CTex::DrawTex(int x, int y, std::uint32_t argb)
{
    Record("DrawTex", {x, y, argb, m_wGroup, m_wId, m_nFrame});
}

int CTex::GetFrames()
{
    const TexEntry* e = m_bLoaded ? Find(m_wGroup, m_wId) : nullptr;
    return e != nullptr ? e->frames : 0;
}

void CTex::AnimationControl(bool run, int frame)
{
    Record("AnimationControl", {run, frame});
    m_nFrame = frame;
}

int CTex::IsPointInTex(int x, int y, float sx, float sy)
{
    const TexEntry* e = m_bLoaded ? Find(m_wGroup, m_wId) : nullptr;
    if (e == nullptr) {
        return 0;
    }
    // The frame's size and its scaled size, whole pixels, worked out wide: a catalogued size may be
    // any int.
    long long w = e->w;
    long long h = e->h;
    const auto off = e->offsets.find(m_nFrame);
    if (off != e->offsets.end()) {
        w += off->second.first;
        h += off->second.second;
    }
    const float scaledW = std::trunc(static_cast<float>(w) * sx);
    const float scaledH = std::trunc(static_cast<float>(h) * sy);
    return (x >= 0 && y >= 0 && static_cast<float>(x) < scaledW && static_cast<float>(y) < scaledH) ? 2 : 0;
}

// ---- CGraphicD3D ----

bool CGraphicD3D::CreateD3D(HWND__*, IDirect3DDevice9*, ID3DXSprite*, int a, int b, int displayMode, bool flag)
{
    Record("CreateD3D", {a, b, displayMode, flag});
    if (S().createMode == 2) {
        throw std::runtime_error("device creation failed");
    }
    return S().createMode == 1;
}

void CGraphicD3D::SetFPS(int fps) { Record("SetFPS", {fps}); }

void CGraphicD3D::BeginScene()
{
    ++m_dwFrameTime;
    Record("BeginScene", {});
}

void CGraphicD3D::EndScene(void* dirty) { Record("EndScene", {dirty != nullptr}); }
void CGraphicD3D::OnDeviceLost() { Record("OnDeviceLost", {}); }
void CGraphicD3D::OnDeviceReset(D3DPRESENT_PARAMETERS* params) { Record("OnDeviceReset", {params != nullptr}); }

bool CGraphicD3D::WillShowFrame()
{
    Record("WillShowFrame", {});
    return S().willShow;
}

void CGraphicD3D::ValidateDX() { Record("ValidateDX", {}); }
void CGraphicD3D::KillD3D() { Record("KillD3D", {}); }
void CGraphicD3D::SetRenderMode(int mode) { Record("SetRenderMode", {mode}); }

void CGraphicD3D::DrawRectangleWithFrame(std::uint32_t frameArgb, std::uint32_t fillArgb, int x1, int y1,
                                         int x2, int y2, int width)
{
    Record("DrawRectangleWithFrame", {frameArgb, fillArgb, x1, y1, x2, y2, width});
}

void CGraphicD3D::DrawFillRect(int x, int y, int w, int h, std::uint32_t argb)
{
    Record("DrawFillRect", {x, y, w, h, argb});
}

void CGraphicD3D::DrawRectangle(std::uint32_t argb, int x1, int y1, int x2, int y2, int width)
{
    Record("DrawRectangle", {argb, x1, y1, x2, y2, width});
}

// ---- CFontD3D ----

void CFontD3D::DrawTextA(int x, int y, const char* text, std::uint32_t argb, int size, int flags,
                         std::uint32_t background)
{
    WithText(Record("DrawTextA", {x, y, argb, size, flags, background}), text);
}

void CFontD3D::DrawTextA(int x, int y, const char* text, std::uint32_t argb, int size, bool a, int b, bool c)
{
    WithText(Record("DrawTextA8", {x, y, argb, size, a, b, c}), text);
}

void CFontD3D::DrawTextPart(int x, int y, const char* text, std::uint32_t argb, int cut, int size, int flags,
                            std::uint32_t background)
{
    WithText(Record("DrawTextPart", {x, y, argb, cut, size, flags, background}), text);
}

void CFontD3D::DrawScrollText(int x, int y, const char* text, std::uint32_t argb, int w, int h, int a,
                              int size, int lineHeight, int b, bool c)
{
    glimmer_test::Call& call = Record("DrawScrollText", {x, y, argb, w, h, a, size, lineHeight, b, c});
    WithText(call, text);
    if (text == nullptr || !S().recording) {
        return;
    }
    const int perByte = size / 2 > 0 ? size / 2 : 1;
    const int maxLines = lineHeight > 0 ? h / lineHeight : 0;
    const std::size_t len = std::strlen(text);
    std::string line;
    int lineWidth = 0;
    auto flush = [&]() {
        if (static_cast<int>(call.lines.size()) < maxLines) {
            call.lines.push_back(line);
        }
        line.clear();
        lineWidth = 0;
    };
    for (std::size_t i = 0; i < len;) {
        const unsigned char ch = static_cast<unsigned char>(text[i]);
        if (ch == '\n') {
            flush();
            ++i;
            continue;
        }
        const std::size_t n = (ch >= 0x80 && i + 1 < len) ? 2 : 1;
        const int cw = static_cast<int>(n) * perByte;
        if (lineWidth + cw > w && !line.empty()) {
            flush();
        }
        line.append(text + i, n);
        lineWidth += cw;
        i += n;
    }
    if (!line.empty()) {
        flush();
    }
}

// ---- CTexMgr ----

void CTexMgr::DrawTexture(int x, int y, std::uint16_t id, std::uint16_t group, std::uint32_t argb, bool flag)
{
    Record("DrawTexture", {x, y, id, group, argb, flag});
}

void CTexMgr::DrawTextureZoom(int x, int y, std::uint16_t id, std::uint16_t group, float sx, float sy,
                              std::uint32_t argb, const GlimmerRect* clip, bool flag)
{
    glimmer_test::Call& c = Record("DrawTextureZoom", {x, y, id, group, argb, flag, clip != nullptr});
    if (!S().recording) {
        return;
    }
    c.floats = {sx, sy};
    if (clip != nullptr) {
        c.ints.insert(c.ints.end(), {clip->left, clip->top, clip->right, clip->bottom});
    }
}

bool CTexMgr::GetTextureOriginSize(std::uint16_t group, std::uint16_t id, int& w, int& h)
{
    const TexEntry* e = Find(group, id);
    w = e != nullptr ? e->w : 0;
    h = e != nullptr ? e->h : 0;
    return e != nullptr;
}

CTex* CTexMgr::GetTextureImm(std::uint16_t group, std::uint16_t id)
{
    if (Find(group, id) == nullptr) {
        return nullptr;
    }
    std::unique_ptr<CTex>& slot = S().managed[Key(group, id)];
    if (!slot) {
        slot = std::make_unique<CTex>();
        slot->m_wGroup = group;
        slot->m_wId = id;
        slot->m_bLoaded = true;
    }
    return slot.get();
}

CTex* CTexMgr::GetTexture(std::uint16_t group, std::uint16_t id, int priority)
{
    Record("GetTexture", {group, id, priority});
    return GetTextureImm(group, id);
}

CTex* CTexMgr::NewTexture()
{
    ++S().live;
    return new CTex();
}

void CTexMgr::DeleteTexture(CTex* tex)
{
    if (tex != nullptr) {
        --S().live;
        delete tex;
    }
}

void CTexMgr::WashTexture(int age) { Record("WashTexture", {age}); }
void CTexMgr::PopThreadReaded() { Record("PopThreadReaded", {}); }
void CTex9PoolMgr::ReleaseSomePool() { Record("ReleaseSomePool", {}); }

// ---- test side ----

namespace glimmer_test {

const std::vector<Call>& Trace() { return S().trace; }
void ClearTrace() { S().trace.clear(); }

std::vector<std::string> Ops()
{
    std::vector<std::string> ops;
    for (const Call& c : S().trace) {
        ops.push_back(c.op);
    }
    return ops;
}

std::string Format(const Call& call)
{
    std::string s = call.op + "(";
    bool first = true;
    auto sep = [&]() {
        if (!first) {
            s += ", ";
        }
        first = false;
    };
    char buf[64];
    for (long long v : call.ints) {
        sep();
        std::snprintf(buf, sizeof buf, "%lld", v);
        s += buf;
    }
    for (double f : call.floats) {
        sep();
        std::snprintf(buf, sizeof buf, "%g", f);
        s += buf;
    }
    if (call.hasText) {
        sep();
        s += "\"" + call.text + "\"";
    }
    return s + ")";
}

std::vector<Call> Frame(int n)
{
    std::vector<Call> out;
    int seen = -1;
    bool in = false;
    for (const Call& c : S().trace) {
        if (c.op == "BeginScene") {
            ++seen;
            in = seen == n;
        }
        if (in) {
            out.push_back(c);
            if (c.op == "EndScene") {
                break;
            }
        }
    }
    return out;
}

void RegisterTexture(std::uint16_t group, std::uint16_t id, int w, int h, int frames)
{
    TexEntry& e = S().catalogue[Key(group, id)];
    e.w = w;
    e.h = h;
    e.frames = frames;
}

void SetFrameOffset(std::uint16_t group, std::uint16_t id, int frame, int dx, int dy)
{
    S().catalogue[Key(group, id)].offsets[frame] = {dx, dy};
}

void ClearCatalogue()
{
    S().catalogue.clear();
    S().managed.clear();
}

int LiveTextures() { return S().live; }
void SetCreateResult(int mode) { S().createMode = mode; }
void SetWillShowFrame(bool show) { S().willShow = show; }
void SetRecording(bool on) { S().recording = on; }

void SetScreenSize(int w, int h)
{
    g_CG.m_nScreenWidth = w;
    g_CG.m_nScreenHeight = h;
}

void SetFrameTime(std::uint32_t t) { g_CG.m_dwFrameTime = t; }

void SetPoolFigures(std::uint32_t bufferBytesUsed, std::uint32_t poolRoom)
{
    g_TexBufPool.m_dwFirst = 0x1000;
    g_TexBufPool.m_dwThird = 0x1000 + bufferBytesUsed;
    g_Tex9Mgr.m_dwPoolUsed = g_Tex9Mgr.m_dwPoolTotal - poolRoom;
}

void Reset()
{
    ClearTrace();
    ClearCatalogue();
    S().createMode = 1;
    S().willShow = true;
    S().recording = true;
    g_CG = CGraphicD3D();
    g_Tex9Mgr = CTex9PoolMgr();
    g_TexBufPool = TexBufPool();
}

}  // namespace glimmer_test
