// The shared library's own entry: the exported extras. Loading runs only the static
// initialisers of the linked code (class list, attribute maps).
#include "maingame/orvane/ORVMgr.h"

int nOrvane = 0;

int fnOrvane()
{
    return 42;
}

COrvane::COrvane() = default;

COrvane& COrvane::operator=(const COrvane&)
{
    return *this;
}
