#include "ChildProcess.h"

#include <gtest/gtest.h>

#include <csignal>
#include <cstdio>
#include <grp.h>
#include <pwd.h>
#include <sys/wait.h>
#include <unistd.h>

namespace ChildProcess
{

namespace
{

// How the child ends; the failures it meets it prints itself, as the test framework prints any.
enum Outcome { Passed, Failed, CannotDrop };

std::optional<std::string> runInChild(const std::function<void()> &body, bool asLearner, int timeoutSeconds)
{
    // What is still buffered would be printed by both processes.
    std::fflush(stdout);
    const pid_t child = ::fork();
    if (child < 0) {
        return "fork failed";
    }
    if (child == 0) {
        ::alarm(static_cast<unsigned>(timeoutSeconds));
        const passwd *nobody = ::getpwnam("nobody");
        if (asLearner && ::geteuid() == 0
            && !(nobody && ::setgroups(0, nullptr) == 0 && ::setgid(nobody->pw_gid) == 0
                && ::setuid(nobody->pw_uid) == 0)) {
            ::_exit(CannotDrop);
        }
        body();
        std::fflush(stdout);
        // Skips the parent's exit handlers and the test framework's report: the parent reports.
        ::_exit(testing::Test::HasFailure() ? Failed : Passed);
    }
    int status = 0;
    ::waitpid(child, &status, 0);
    if (WIFSIGNALED(status)) {
        return WTERMSIG(status) == SIGALRM ? "the child hung"
                                           : "the child died of signal " + std::to_string(WTERMSIG(status));
    }
    if (WEXITSTATUS(status) == CannotDrop) {
        return std::nullopt;
    }
    return WEXITSTATUS(status) == Passed ? "" : "the child failed as printed above";
}

} // namespace

std::string run(const std::function<void()> &body, int timeoutSeconds)
{
    return runInChild(body, false, timeoutSeconds).value();
}

std::optional<std::string> runAsLearner(const std::function<void()> &body)
{
    return runInChild(body, true, 60);
}

} // namespace ChildProcess
