#include "framework/core/RuntimeClass.h"

#include <new>

RuntimeClassRecord* g_pFirstRuntimeClass = nullptr;

void LinkClassList(RuntimeClassRecord* const* records, std::size_t count)
{
    for (std::size_t i = 0; i < count; ++i) {
        records[i]->m_pNext = g_pFirstRuntimeClass;
        g_pFirstRuntimeClass = records[i];
    }
}

constinit RuntimeClassRecord CORVCtrlBaseTag::classCORVCtrlBaseTag = {
    "CORVCtrlBaseTag", nullptr, nullptr, sizeof(CORVCtrlBaseTag), &CORVCtrlBaseTag::CreateObject,
    "CORVCtrlBaseTag", 1};

CORVCtrlBaseTag* CORVCtrlBaseTag::CreateObject()
{
    return new (std::nothrow) CORVCtrlBaseTag();
}

const RuntimeClassRecord* CORVCtrlBaseTag::GetRuntimeClass() const
{
    return &classCORVCtrlBaseTag;
}

bool CORVCtrlBaseTag::IsKindOf(const RuntimeClassRecord* cls) const
{
    for (const RuntimeClassRecord* rec = GetRuntimeClass(); rec != nullptr; rec = rec->m_pBase) {
        if (rec == cls) {
            return true;
        }
    }
    return false;
}

bool IsKindOf(const CORVCtrlBaseTag* obj, const RuntimeClassRecord* cls)
{
    return obj != nullptr && obj->IsKindOf(cls);
}
