// The Windows scalar types and message numbers the library shares with its hosts live in the
// public header; the library's code names them through this path.
#pragma once

#include "orvane/WinTypes.h"
