#include "framework/core/ExportGate.h"

#include <algorithm>
#include <cstring>
#include <utility>

#include "framework/core/DebugLog.h"

namespace {

// Constant-initialised: it stands before any code of the library runs and goes after everything
// created later, so a destructor that reaches an export during teardown still finds it.
constinit CExportGate g_ExportGate;

}  // namespace

CExportGate& ExportGate()
{
    return g_ExportGate;
}

bool CExportGate::Hold(u32 kind, const void* bytes, std::size_t len, const char* what) noexcept
{
    return Hold(kind, bytes, len, nullptr, 0, what);
}

bool CExportGate::Hold(u32 kind, const void* head, std::size_t headLen, const void* tail, std::size_t tailLen,
                       const char* what) noexcept
{
    if (head == nullptr) {
        headLen = 0;
    }
    if (tail == nullptr) {
        tailLen = 0;
    }
    const std::size_t len = headLen <= kMaxHeldBytes && tailLen <= kMaxHeldBytes ? headLen + tailLen : kMaxHeldBytes + 1;
    if (m_nCount >= kMaxHeldCalls || len > kMaxHeldBytes - m_nBytesUsed) {
        DebugLog("Error,%s of %zu bytes from inside a host callback dropped: %zu calls of %zu bytes wait already\n",
                 what, len, m_nCount, m_nBytesUsed);
        return false;
    }
    if (len > 0) {
        if (m_vRing.size() < kMaxHeldBytes) {
            try {
                m_vRing.resize(kMaxHeldBytes);
            } catch (...) {
                DebugLog("Error,%s from inside a host callback dropped: no room for the queue\n", what);
                return false;
            }
        }
        // The bytes go behind the last call's, wrapping at the end of the ring.
        std::size_t at = (m_nByteFirst + m_nBytesUsed) % kMaxHeldBytes;
        for (const auto& [piece, pieceLen] : {std::pair{head, headLen}, std::pair{tail, tailLen}}) {
            const std::size_t first = std::min(pieceLen, kMaxHeldBytes - at);
            if (first > 0) {
                std::memcpy(m_vRing.data() + at, piece, first);
            }
            if (pieceLen > first) {
                std::memcpy(m_vRing.data(), static_cast<const char*>(piece) + first, pieceLen - first);
            }
            at = (at + pieceLen) % kMaxHeldBytes;
        }
    }
    m_aHeld[(m_nFirst + m_nCount) % kMaxHeldCalls] = Held{kind, len};
    ++m_nCount;
    m_nBytesUsed += len;
    return true;
}

bool CExportGate::HoldIfBusy(const HeldCall& call, const void* head, std::size_t headLen, const void* tail,
                             std::size_t tailLen) noexcept
{
    if (!Busy()) {
        return false;
    }
    if (call.m_eRepeat == Repeat::Drop && call.m_nKind != 0 && call.m_nKind == m_nRunningKind) {
        DebugLog("Error,%s from inside a host callback dropped: a %s runs already\n", call.m_szName, call.m_szName);
        return true;
    }
    Hold(call.m_nKind, head, headLen, tail, tailLen, call.m_szName);
    return true;
}

bool CExportGate::SkipIfBusy(const char* what) const noexcept
{
    if (!Busy()) {
        return false;
    }
    DebugLog("Error,%s from inside a host callback skipped\n", what);
    return true;
}

bool CExportGate::TakeFront(Held* front)
{
    if (m_nCount == 0) {
        return false;
    }
    *front = m_aHeld[m_nFirst];
    const std::size_t len = front->m_nLen;
    const std::size_t first = m_nByteFirst;
    m_nFirst = (m_nFirst + 1) % kMaxHeldCalls;
    --m_nCount;
    m_nByteFirst = m_nCount == 0 ? 0 : (m_nByteFirst + len) % kMaxHeldBytes;
    m_nBytesUsed -= len;
    if (m_vApply.size() < len) {
        m_vApply.resize(len);   // may throw: the call is gone from the queue either way
    }
    if (len > 0) {
        // The ring's bytes stay where they were until a later hold writes over them.
        const std::size_t head = std::min(len, kMaxHeldBytes - first);
        std::memcpy(m_vApply.data(), m_vRing.data() + first, head);
        std::memcpy(m_vApply.data() + head, m_vRing.data(), len - head);
    }
    return true;
}

void CExportGate::Leave(ApplyFn apply, void* ctx) noexcept
{
    if (m_nDepth > 1) {
        --m_nDepth;
        return;
    }
    std::size_t applied = 0;
    for (;;) {
        m_nRunningKind = 0;
        if (applied == kMaxAppliedCalls && m_nCount > 0) {
            DebugLog("Error,%zu calls held from inside a host callback dropped: %zu applied for one export\n", m_nCount,
                     applied);
            DropAllHeld();
        }
        try {
            Held front;
            if (!TakeFront(&front)) {
                break;
            }
            ++applied;
            m_nRunningKind = front.m_nKind;
            if (apply != nullptr) {
                apply(front.m_nKind, m_vApply.data(), front.m_nLen, ctx);
            }
        } catch (...) {
            DebugLog("Error,exception in a call held from inside a host callback\n");
        }
    }
    m_nDepth = 0;
}

void CExportGate::DropAllHeld()
{
    m_nFirst = 0;
    m_nCount = 0;
    m_nByteFirst = 0;
    m_nBytesUsed = 0;
}

void CExportGate::Reset()
{
    m_nDepth = 0;
    m_nRunningKind = 0;
    DropAllHeld();
}
