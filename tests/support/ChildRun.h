// Runs one case of the running test program in a child process: for what can only be seen from
// outside, such as the library's static teardown when a host unloads it. The child gets envVar
// set to "1" (its case runs only then), its standard output goes to /dev/null, and what it writes
// to standard error (debug lines, sanitizer reports) comes back with how it ended.
//
//   const ChildRun run = RunChildCase("orvane_tests", "ORVANE_UNLOAD_CHILD", "UnloadChild.Case");
//   EXPECT_TRUE(EndedCleanly(run, {"child: windows open"}));
#pragma once

#include <gtest/gtest.h>

#include <initializer_list>
#include <string>

namespace orv::test {

struct ChildRun {
    int status = -1;   // as waitpid reports it; -1 when no child could be started
    std::string err;
};

// program: the name the child is started under (its argv[0]).
ChildRun RunChildCase(const char* program, const char* envVar, const char* testName);

// The child exited with status 0, wrote each marker line (its way of saying how far it came) and
// no sanitizer report or undefined-behaviour finding; the failure message carries what it wrote.
::testing::AssertionResult EndedCleanly(const ChildRun& run, std::initializer_list<const char*> markers);

}  // namespace orv::test
