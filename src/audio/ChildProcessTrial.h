#pragma once

#include <chrono>
#include <functional>
#include <string>

// Runs `action` once in a forked child process and reports whether it came back: a library call
// that may assert or crash on some machines is tried there first, so that its failure ends the
// child and never the program. False, with the reason in `why`, when the child was ended by a
// signal, exited without finishing the action, or did not finish within `limit` (it is then
// killed). The child only runs `action` and leaves with _exit, so nothing of the parent's state
// is flushed or destroyed twice.
bool SurvivesInChildProcess(const std::function<void()>& action, std::chrono::milliseconds limit,
                            std::string& why);
