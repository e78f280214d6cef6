#pragma once

#include "ProgramProbe.h"

#include <string>
#include <vector>

namespace e2e {

// A program that the main program starts on its own (the exercise program): it inherits the main
// program's environment, and its probe answers in a subfolder named after its executable.
class CompanionProgram : public ProgramProbe {
public:
    // `logFolder`: where the programs write their logs.
    CompanionProgram(std::string executable, std::string probeFolder, std::string logFolder);

    // True while a process runs the executable.
    bool IsRunning() override;
    // Polls until a process runs the executable.
    bool WaitForStart(int milliseconds);
    // Polls until no process runs the executable.
    bool WaitForEnd(int milliseconds);
    // Its log (<executable name>.log in the log folder).
    std::string Output() override;
    // The words that follow each `marker` in its log, in order ("seed " gives every seed logged).
    std::vector<std::string> LoggedValues(const std::string& marker);
    // Polls until its log holds `count` values after `marker`; those logged by then.
    std::vector<std::string> AwaitLoggedValues(const std::string& marker, size_t count, int milliseconds);
    // The interface language the program logged it reads the course in; empty when it did not yet.
    std::string LanguageSuffix();

private:
    std::string m_executable;
    std::string m_logFolder;
};

} // namespace e2e
