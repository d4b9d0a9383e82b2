#include "ChildProcess.h"

#include <gtest/gtest.h>

#include <csignal>
#include <cstdio>
#include <fcntl.h>
#include <grp.h>
#include <pwd.h>
#include <sched.h>
#include <sys/wait.h>
#include <unistd.h>

namespace ChildProcess
{

namespace
{

// How the child ends; the failures it meets it prints itself, as the test framework prints any.
enum Outcome { Passed, Failed, Unavailable };

// Who the child is: the test's own user, "nobody" when the tests run as root, or the test's own
// user as root of a user namespace with a mount namespace of its own.
enum class Identity { Same, Learner, OwnMounts };

bool writeProcFile(const char *path, const std::string &text)
{
    const int fd = ::open(path, O_WRONLY | O_CLOEXEC);
    const bool written = fd >= 0 && ::write(fd, text.data(), text.size()) == static_cast<ssize_t>(text.size());
    if (fd >= 0) {
        ::close(fd);
    }
    return written;
}

bool dropToLearner()
{
    const passwd *nobody = ::getpwnam("nobody");
    return ::geteuid() != 0
        || (nobody && ::setgroups(0, nullptr) == 0 && ::setgid(nobody->pw_gid) == 0 && ::setuid(nobody->pw_uid) == 0);
}

// The child keeps its user and group inside the namespace, so the files set up so far stay its
// own; a forked child has one thread, as a new user namespace requires.
bool enterOwnMounts()
{
    const std::string user = std::to_string(::getuid());
    const std::string group = std::to_string(::getgid());
    return ::unshare(CLONE_NEWUSER | CLONE_NEWNS) == 0 && writeProcFile("/proc/self/setgroups", "deny")
        && writeProcFile("/proc/self/uid_map", user + ' ' + user + " 1")
        && writeProcFile("/proc/self/gid_map", group + ' ' + group + " 1");
}

// The failures the running test has met so far; a child inherits those of its parent.
int failuresSoFar()
{
    const testing::TestResult *result = testing::UnitTest::GetInstance()->current_test_info()->result();
    int failures = 0;
    for (int part = 0; part < result->total_part_count(); ++part) {
        failures += result->GetTestPartResult(part).failed() ? 1 : 0;
    }
    return failures;
}

std::optional<std::string> runInChild(const std::function<void()> &body, Identity identity, int timeoutSeconds)
{
    // What is still buffered would be printed by both processes.
    std::fflush(stdout);
    const pid_t child = ::fork();
    if (child < 0) {
        return "fork failed";
    }
    if (child == 0) {
        ::alarm(static_cast<unsigned>(timeoutSeconds));
        if ((identity == Identity::Learner && !dropToLearner())
            || (identity == Identity::OwnMounts && !enterOwnMounts())) {
            ::_exit(Unavailable);
        }
        const int inherited = failuresSoFar();
        body();
        std::fflush(stdout);
        // Skips the parent's exit handlers and the test framework's report: the parent reports.
        ::_exit(failuresSoFar() > inherited ? Failed : Passed);
    }
    int status = 0;
    ::waitpid(child, &status, 0);
    if (WIFSIGNALED(status)) {
        return WTERMSIG(status) == SIGALRM ? "the child hung"
                                           : "the child died of signal " + std::to_string(WTERMSIG(status));
    }
    if (WEXITSTATUS(status) == Unavailable) {
        return std::nullopt;
    }
    return WEXITSTATUS(status) == Passed ? "" : "the child failed as printed above";
}

} // namespace

std::string run(const std::function<void()> &body, int timeoutSeconds)
{
    return runInChild(body, Identity::Same, timeoutSeconds).value();
}

std::optional<std::string> runAsLearner(const std::function<void()> &body)
{
    return runInChild(body, Identity::Learner, 60);
}

std::optional<std::string> runWithOwnMounts(const std::function<void()> &body)
{
    return runInChild(body, Identity::OwnMounts, 60);
}

} // namespace ChildProcess
