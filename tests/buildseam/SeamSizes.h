// What the test build's seam (SeamSizes.cpp) was handed.
#pragma once

#include <vector>

#include "platform/WinTypes.h"

// Every mouse move the control manager handed on, in order.
std::vector<LPARAM>& SeamMouseMoves();
