// POSIX only, as the unload tests that use it: the child is forked and its standard error read.
#ifndef _WIN32
#include "support/ChildRun.h"

#include <sys/wait.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>

namespace orv::test {

ChildRun RunChildCase(const char* program, const char* envVar, const char* testName)
{
    ChildRun run;
    int fds[2];
    if (pipe(fds) != 0) {
        return run;
    }
    const pid_t pid = fork();
    if (pid == 0) {
        dup2(fds[1], STDERR_FILENO);
        close(fds[0]);
        close(fds[1]);
        if (std::FILE* null = std::freopen("/dev/null", "w", stdout); null == nullptr) {
            _exit(126);
        }
        setenv(envVar, "1", 1);
        const std::string filter = std::string("--gtest_filter=") + testName;
        execl("/proc/self/exe", program, filter.c_str(), static_cast<char*>(nullptr));
        _exit(127);
    }
    close(fds[1]);
    char buf[4096];
    for (ssize_t n; (n = read(fds[0], buf, sizeof(buf))) > 0;) {
        run.err.append(buf, static_cast<std::size_t>(n));
    }
    close(fds[0]);
    waitpid(pid, &run.status, 0);
    return run;
}

::testing::AssertionResult EndedCleanly(const ChildRun& run, std::initializer_list<const char*> markers)
{
    if (!WIFEXITED(run.status) || WEXITSTATUS(run.status) != 0) {
        return ::testing::AssertionFailure() << "the child did not exit with 0 (status " << run.status << "):\n" << run.err;
    }
    for (const char* marker : markers) {
        if (run.err.find(marker) == std::string::npos) {
            return ::testing::AssertionFailure() << "the child never wrote \"" << marker << "\":\n" << run.err;
        }
    }
    for (const char* finding : {"Sanitizer", "runtime error"}) {
        if (run.err.find(finding) != std::string::npos) {
            return ::testing::AssertionFailure() << "the child reported a finding:\n" << run.err;
        }
    }
    return ::testing::AssertionSuccess();
}

}  // namespace orv::test

#endif
