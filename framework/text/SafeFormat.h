// "%1%"-style message texts, formatted without ever throwing. Texts come from data files: a stray
// '%' or a placeholder without its argument must not throw out of a draw call.
#pragma once

#include <string>

#include <boost/format.hpp>

#include "framework/core/DebugLog.h"

// Formats fmt with args through boost::format. A placeholder without an argument is left empty
// and arguments beyond the placeholders are ignored; a format text that cannot be parsed is
// returned as it stands, with a debug line.
template <typename... Args>
std::string SafeFormat(const std::string& fmt, const Args&... args) noexcept
{
    try {
        boost::format f(fmt);
        f.exceptions(boost::io::all_error_bits &
                     ~(boost::io::too_many_args_bit | boost::io::too_few_args_bit));
        (static_cast<void>(f % args), ...);
        return f.str();
    } catch (const std::exception& e) {
        DebugLog("Error,SafeFormat: cannot format \"%.200s\": %s\n", fmt.c_str(), e.what());
    } catch (...) {
        DebugLog("Error,SafeFormat: cannot format \"%.200s\"\n", fmt.c_str());
    }
    try {
        return fmt;
    } catch (...) {
        return std::string();
    }
}
