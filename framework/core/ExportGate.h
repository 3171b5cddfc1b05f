// The library's boundary with a host that calls back in. A host may answer a callback at once by
// calling an export of the library (a server message handed to Recv from inside SendToServer, a
// close asked for from inside a window notice or a draw call); applied right there it would change
// the window tree under the code that called the host. Each build's exports therefore run inside
// the gate: a call the build holds, arriving while another export runs, is copied (its exact
// bytes) into a bounded queue and applied, in arrival order, when the outermost export returns.
//
//   constexpr CExportGate::HeldCall kOpen{kHeldOpen, "Open", CExportGate::Repeat::Drop};
//   void Mgr::Open(const Args& args) {
//       if (ExportGate().HoldIfBusy(kOpen, args)) { return; }   // nested: held (or dropped)
//       const CExportScope scope(&ApplyHeld, ctx, kOpen.m_nKind);   // Leave applies on the way out
//       OpenNow(args);
//   }
//   ApplyHeld(kind, bytes, len, ctx): CExportGate::ReadHeld(bytes, len, &args) gives the args back.
//
// A call held from inside a held call that is being applied waits in its turn, so one call can
// lead to another; none can keep the outermost export from returning:
// - a call of a kind marked Repeat::Drop that arrives while a call of the same kind runs (the
//   outermost export itself, or a held one being applied) is dropped with a debug line: it asks
//   for what is being done (an open whose login request the host answers by opening again);
// - at most kMaxAppliedCalls held calls are applied for one outermost export; the rest are dropped
//   with a debug line.
// Calls of a kind marked Repeat::Hold (server messages, window messages) are all held.
//
// Bounds: at most kMaxHeldCalls calls and kMaxHeldBytes bytes wait at once; a call beyond them is
// dropped with a debug line. Once the queue has been used, holding and applying allocate nothing
// (the byte ring is allocated on the first hold; the apply buffer grows to the largest call held).
#pragma once

#include <array>
#include <cstddef>
#include <cstring>
#include <string_view>
#include <type_traits>
#include <vector>

#include "framework/core/OrvTypes.h"

class CExportGate {
public:
    static constexpr std::size_t kMaxHeldCalls = 64;
    static constexpr std::size_t kMaxHeldBytes = std::size_t{1} << 20;
    static constexpr std::size_t kMaxAppliedCalls = 1024;
    // Kinds are numbered from 1 by each build; 0 is an export that holds nothing.

    enum class Repeat {
        Hold,   // every call arriving while an export runs is held
        Drop,   // dropped while a call of the same kind runs, held otherwise
    };
    // One kind of call that a build holds.
    struct HeldCall {
        u32 m_nKind;
        const char* m_szName;   // the export's name, for debug lines
        Repeat m_eRepeat;
    };

    // apply(kind, bytes, len, ctx): one held call, handed back as it was held.
    using ApplyFn = void (*)(u32 kind, const char* bytes, std::size_t len, void* ctx);

    // True while an export of the library runs.
    bool Busy() const { return m_nDepth > 0; }
    // An export of that kind starts.
    void Enter(u32 kind = 0)
    {
        if (m_nDepth++ == 0) {
            m_nRunningKind = kind;
        }
    }
    // An export ends. The outermost one applies every held call (and the ones those cause) in
    // arrival order before it returns; the gate counts as busy meanwhile, so a call arriving
    // from inside an applied one is held in its turn. An exception out of one applied call is
    // ended here with a debug line; the rest still run.
    void Leave(ApplyFn apply, void* ctx) noexcept;
    // Copies len bytes (null for none) under kind to the back of the queue; false, with a debug
    // line naming what, when the call does not fit the bounds.
    bool Hold(u32 kind, const void* bytes, std::size_t len, const char* what) noexcept;
    // The same with the bytes in two pieces, head then tail, held as one.
    bool Hold(u32 kind, const void* head, std::size_t headLen, const void* tail, std::size_t tailLen,
              const char* what) noexcept;

    // For an export about to run: false while no export runs (it goes on, inside a CExportScope of
    // its kind); true when one does: the call was held (head, then tail) or dropped, see above, and
    // the export returns at once.
    bool HoldIfBusy(const HeldCall& call, const void* head = nullptr, std::size_t headLen = 0,
                    const void* tail = nullptr, std::size_t tailLen = 0) noexcept;
    // The same with the call's arguments as one plain value (and bytes after it).
    template <typename Args>
    bool HoldIfBusy(const HeldCall& call, const Args& args, const void* tail = nullptr, std::size_t tailLen = 0) noexcept
    {
        static_assert(std::is_trivially_copyable_v<Args>);
        return HoldIfBusy(call, &args, sizeof args, tail, tailLen);
    }
    // Reads back the arguments a call was held with; tail (when given) gets the bytes after them.
    // False when the held bytes are too few.
    template <typename Args>
    static bool ReadHeld(const char* bytes, std::size_t len, Args* args, std::string_view* tail = nullptr)
    {
        static_assert(std::is_trivially_copyable_v<Args>);
        if (len < sizeof(Args)) {
            return false;
        }
        std::memcpy(args, bytes, sizeof(Args));
        if (tail != nullptr) {
            *tail = std::string_view(bytes + sizeof(Args), len - sizeof(Args));
        }
        return true;
    }
    // For an export that does nothing when it comes from inside another (a frame drawn there would
    // come outside the host's frame): true, with a debug line naming what, while an export runs.
    bool SkipIfBusy(const char* what) const noexcept;

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
    void DropAllHeld();

    int m_nDepth = 0;
    u32 m_nRunningKind = 0;                       // the kind of the call that runs now (0: none held)
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

// Brackets one export of a kind (0: one that holds nothing): Enter on construction, Leave (the
// outermost applies what was held, through apply) on destruction.
class CExportScope {
public:
    CExportScope(CExportGate::ApplyFn apply, void* ctx, u32 kind = 0) : m_pApply(apply), m_pCtx(ctx)
    {
        ExportGate().Enter(kind);
    }
    ~CExportScope() { ExportGate().Leave(m_pApply, m_pCtx); }
    CExportScope(const CExportScope&) = delete;
    CExportScope& operator=(const CExportScope&) = delete;

private:
    CExportGate::ApplyFn m_pApply;
    void* m_pCtx;
};
