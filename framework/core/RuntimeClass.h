// Runtime-class records: per class, its name, its base class's record and a factory.
// They give kind-of tests and let a window create a sub-window from a record named in code.
#pragma once

#include <cstddef>
#include <new>

#include "framework/core/OrvTypes.h"

class CORVCtrlBaseTag;

struct RuntimeClassRecord {
    const char* m_pszName;                  // the class name
    const RuntimeClassRecord* m_pBase;      // the base class's record; null only for CORVCtrlBaseTag
    RuntimeClassRecord* m_pNext;            // next record in the class list (linked at start-up)
    u32 m_nSize;                            // size of an object of the class
    CORVCtrlBaseTag* (*m_pfnCreate)();      // new object, constructed; null when allocation fails
    const char* m_pszName2;                 // the class name again
    u32 m_nSchema;                          // always 1
};

// Head of the class list (the record linked last). The list is built at start-up; nothing walks it.
extern RuntimeClassRecord* g_pFirstRuntimeClass;

// Links the records at the head of the class list in the order given (the last ends up first).
// Each build calls it once, from one start-up initialiser, with its records in its own order.
void LinkClassList(RuntimeClassRecord* const* records, std::size_t count);

// The root of the record-bearing class tree.
class CORVCtrlBaseTag {
public:
    virtual ~CORVCtrlBaseTag() = default;                                   // slot 0
    virtual const RuntimeClassRecord* GetRuntimeClass() const;              // slot 1
    virtual void Reserved2(u32) {}                                          // slot 2

    // True when cls is this object's record or one of its bases' records.
    bool IsKindOf(const RuntimeClassRecord* cls) const;

    static CORVCtrlBaseTag* CreateObject();
    static constinit RuntimeClassRecord classCORVCtrlBaseTag;
};

// The kind-of test for a pointer that may be null: false for null.
bool IsKindOf(const CORVCtrlBaseTag* obj, const RuntimeClassRecord* cls);

// The record of a class, by class name.
#define ORV_RUNTIME_CLASS(cls) (&cls::class##cls)

// In the class body: the record, the factory and the GetRuntimeClass override.
#define ORV_DECLARE_RUNTIME_CLASS(cls)                                          \
public:                                                                         \
    static constinit RuntimeClassRecord class##cls;                             \
    static CORVCtrlBaseTag* CreateObject();                                     \
    const RuntimeClassRecord* GetRuntimeClass() const override;

// In one source file: the constant-initialised record, the factory and GetRuntimeClass.
// The record is linked into the class list by the start-up registration (ClassList.cpp).
#define ORV_IMPLEMENT_RUNTIME_CLASS_AS(cls, recordBase)                          \
    constinit RuntimeClassRecord cls::class##cls = {                           \
        #cls, &recordBase::class##recordBase, nullptr, sizeof(cls), &cls::CreateObject, #cls, 1}; \
    CORVCtrlBaseTag* cls::CreateObject() { return new (std::nothrow) cls(); }  \
    const RuntimeClassRecord* cls::GetRuntimeClass() const { return &cls::class##cls; }

#define ORV_IMPLEMENT_RUNTIME_CLASS(cls, base) ORV_IMPLEMENT_RUNTIME_CLASS_AS(cls, base)
