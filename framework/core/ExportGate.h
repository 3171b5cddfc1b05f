// The library's boundary with a host that calls back in. A host may answer a callback at once by
// calling an export of the library (a server message handed to Recv from inside SendToServer, a
// close asked for from inside a window notice); applied right there it would change the window
// tree under the code that called the host. Each build's exports therefore run inside the gate:
// a call the build chooses to hold, arriving while another export runs, is copied (its exact
// bytes) into a bounded queue and applied, in arrival order, when the outermost export returns.
//
//   if (ExportGate().Busy()) { ExportGate().Hold(kind, bytes, len, "Recv"); return; }   // nested
//   const CExportScope scope(&ApplyHeld, ctx);   // Enter now, Leave (and apply) on the way out
//   ... the export's work ...
//
// Bounds: at most kMaxHeldCalls calls and kMaxHeldBytes bytes wait at once; a call beyond them is
// dropped with a debug line. Once the queue has been used, holding and applying allocate nothing
// (the byte ring is allocated on the first hold; the apply buffer grows to the largest call held).
#pragma once

#include <array>
#include <cstddef>
#include <vector>

#include "framework/core/OrvTypes.h"

class CExportGate {
public:
    static constexpr std::size_t kMaxHeldCalls = 64;
    static constexpr std::size_t kMaxHeldBytes = std::size_t{1} << 20;

    // apply(kind, bytes, len, ctx): one held call, handed back as it was held.
    using ApplyFn = void (*)(u32 kind, const char* bytes, std::size_t len, void* ctx);

    // True while an export of the library runs.
    bool Busy() const { return m_nDepth > 0; }
    // An export starts.
    void Enter() { ++m_nDepth; }
    // An export ends. The outermost one applies every held call (and the ones those cause) in
    // arrival order before it returns; the gate counts as busy meanwhile, so a call arriving
    // from inside an applied one is held in its turn. An exception out of one applied call is
    // ended here with a debug line; the rest still run.
    void Leave(ApplyFn apply, void* ctx) noexcept;
    // Copies len bytes (null for none) under kind to the back of the queue; false, with a debug
    // line naming what, when the call does not fit the bounds.
    bool Hold(u32 kind, const void* bytes, std::size_t len, const char* what) noexcept;

    std::size_t HeldCalls() const { return m_nCount; }
    std::size_t HeldBytes() const { return m_nBytesUsed; }
    // Forgets every held call and the depth (a library reset between tests).
    void Reset();

private:
    struct Held {
        u32 m_nKind = 0;
        std::size_t m_nLen = 0;
    };
    // Takes the front call off the queue, its bytes into m_vApply; false when nothing is held.
    bool TakeFront(Held* front);

    int m_nDepth = 0;
    std::array<Held, kMaxHeldCalls> m_aHeld{};   // ring of the held calls
    std::size_t m_nFirst = 0;                     // index of the front call in m_aHeld
    std::size_t m_nCount = 0;
    std::vector<char> m_vRing;                    // ring of their bytes, kMaxHeldBytes once used
    std::size_t m_nByteFirst = 0;                 // offset of the front call's first byte
    std::size_t m_nBytesUsed = 0;
    std::vector<char> m_vApply;                   // the call being applied, contiguous
};

// The one gate of the loaded library.
CExportGate& ExportGate();

// Brackets one export: Enter on construction, Leave (the outermost applies what was held, through
// apply) on destruction.
class CExportScope {
public:
    CExportScope(CExportGate::ApplyFn apply, void* ctx) : m_pApply(apply), m_pCtx(ctx) { ExportGate().Enter(); }
    ~CExportScope() { ExportGate().Leave(m_pApply, m_pCtx); }
    CExportScope(const CExportScope&) = delete;
    CExportScope& operator=(const CExportScope&) = delete;

private:
    CExportGate::ApplyFn m_pApply;
    void* m_pCtx;
};
