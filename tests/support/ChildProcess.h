#pragma once

#include <functional>
#include <string>

// Faults a test cannot cause in its own process (a file size limit, another user's rights) are
// caused in a forked copy of it: the child inherits the windows and files set up so far.
namespace ChildProcess
{

// Runs body in a forked child and returns what it returned: empty when all went as expected,
// else what went wrong; a child that dies or hangs past timeoutSeconds is reported as such.
std::string run(const std::function<std::string()> &body, int timeoutSeconds = 60);

// Drops this process's rights to those of the user "nobody"; false when that is not possible.
bool becomeNobody();

} // namespace ChildProcess
