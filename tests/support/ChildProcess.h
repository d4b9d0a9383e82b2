#pragma once

#include <functional>
#include <optional>
#include <string>

// Faults a test cannot cause in its own process (a file size limit, another user's rights) are
// caused in a forked copy of it: the child inherits the windows and files set up so far.
namespace ChildProcess
{

// Runs body, which checks what it expects as any test does, in a forked child, where its failures
// are printed as they happen, and returns what went wrong: empty when all went as expected; a
// child that dies or hangs past timeoutSeconds is reported as such.
std::string run(const std::function<void()> &body, int timeoutSeconds = 60);

// Runs body in a forked child with the rights of the user "nobody" when the tests run as root,
// who reads and writes whatever it likes; nothing when those rights cannot be taken.
std::optional<std::string> runAsLearner(const std::function<void()> &body);

// Runs body in a forked child that has mounts of its own (as root of a user namespace of its own),
// so it may mount a small file system nobody else sees and that goes with it; nothing when the
// system allows no such namespace.
std::optional<std::string> runWithOwnMounts(const std::function<void()> &body);

} // namespace ChildProcess
