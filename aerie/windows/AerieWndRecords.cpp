#include "aerie/windows/AerieWndRecords.h"

#include "framework/core/DebugLog.h"

namespace {

constinit const RuntimeClassRecord* g_apRecords[static_cast<u32>(AerieWndKind::Count)] = {};

}  // namespace

void SetAerieWindowRecord(AerieWndKind kind, const RuntimeClassRecord* record)
{
    const u32 index = static_cast<u32>(kind);
    if (index >= static_cast<u32>(AerieWndKind::Count)) {
        DebugLog("Error,no game window kind %u\n", index);
        return;
    }
    g_apRecords[index] = record;
}

const RuntimeClassRecord* GetAerieWindowRecord(AerieWndKind kind)
{
    const u32 index = static_cast<u32>(kind);
    return index < static_cast<u32>(AerieWndKind::Count) ? g_apRecords[index] : nullptr;
}
