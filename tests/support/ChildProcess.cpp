#include "ChildProcess.h"

#include <gtest/gtest.h>

#include <cerrno>
#include <csignal>
#include <grp.h>
#include <pwd.h>
#include <sys/wait.h>
#include <unistd.h>

namespace ChildProcess
{

namespace
{

// The failures body adds to the running test's: those the child meets are lost with it otherwise.
std::string failuresOf(const std::function<void()> &body)
{
    const testing::TestResult &result = *testing::UnitTest::GetInstance()->current_test_info()->result();
    const int before = result.total_part_count();
    body();
    std::string failures;
    for (int part = before; part < result.total_part_count(); ++part) {
        failures += result.GetTestPartResult(part).summary() + std::string("; ");
    }
    return failures;
}

std::string runInChild(const std::function<std::string()> &body, int timeoutSeconds)
{
    int channel[2];
    if (::pipe(channel) != 0) {
        return "no pipe to the child";
    }
    const pid_t child = ::fork();
    if (child < 0) {
        return "fork failed";
    }
    if (child == 0) {
        ::close(channel[0]);
        ::alarm(static_cast<unsigned>(timeoutSeconds));
        const std::string outcome = body();
        [[maybe_unused]] const ssize_t written = ::write(channel[1], outcome.data(), outcome.size());
        // Skips the parent's exit handlers and the test framework's report: the parent reports.
        ::_exit(0);
    }
    ::close(channel[1]);
    std::string outcome;
    char buffer[512];
    for (ssize_t got; (got = ::read(channel[0], buffer, sizeof buffer)) != 0;) {
        if (got > 0) {
            outcome.append(buffer, static_cast<std::size_t>(got));
        } else if (errno != EINTR) {
            break;
        }
    }
    ::close(channel[0]);
    int status = 0;
    ::waitpid(child, &status, 0);
    if (WIFSIGNALED(status)) {
        return WTERMSIG(status) == SIGALRM ? "the child hung"
                                           : "the child died of signal " + std::to_string(WTERMSIG(status));
    }
    return outcome;
}

} // namespace

std::string run(const std::function<void()> &body, int timeoutSeconds)
{
    return runInChild(
        [&body] {
            return failuresOf(body);
        },
        timeoutSeconds);
}

std::optional<std::string> runAsLearner(const std::function<void()> &body)
{
    static const std::string cannotDrop = "the rights of \"nobody\" cannot be taken";
    const bool root = ::geteuid() == 0;
    const std::string outcome = runInChild(
        [&body, root] {
            const passwd *nobody = ::getpwnam("nobody");
            if (root
                && !(nobody && ::setgroups(0, nullptr) == 0 && ::setgid(nobody->pw_gid) == 0
                    && ::setuid(nobody->pw_uid) == 0)) {
                return cannotDrop;
            }
            return failuresOf(body);
        },
        60);
    return outcome == cannotDrop ? std::nullopt : std::optional(outcome);
}

} // namespace ChildProcess
