// Start-up registration of the runtime-class records: the class list is linked here, in one
// place and one fixed order. Records are constant-initialised, so linking them at static
// initialisation depends on no other file's initialisation order.
#include <array>
#include <new>

#include "framework/core/RuntimeClass.h"

RuntimeClassRecord* g_pFirstRuntimeClass = nullptr;

namespace {

// Link order: the first entry becomes the tail of the list, the last entry its head.
// Each class adds its record here as it lands.
RuntimeClassRecord* const kClassOrder[] = {
    &CORVCtrlBaseTag::classCORVCtrlBaseTag,
};

struct ClassListRegistration {
    ClassListRegistration()
    {
        for (RuntimeClassRecord* rec : kClassOrder) {
            rec->m_pNext = g_pFirstRuntimeClass;
            g_pFirstRuntimeClass = rec;
        }
    }
};

const ClassListRegistration g_ClassListRegistration;

}  // namespace
