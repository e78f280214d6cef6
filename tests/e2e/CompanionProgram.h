#pragma once

#include "ProgramProbe.h"

#include <string>

namespace e2e {

// A program that the main program starts on its own (the exercise program): it inherits the main
// program's environment, and its probe answers in a subfolder named after its executable.
class CompanionProgram : public ProgramProbe {
public:
    CompanionProgram(std::string executable, std::string probeFolder);

    // True while a process runs the executable.
    bool IsRunning() override;
    // Polls until a process runs the executable.
    bool WaitForStart(int milliseconds);
    // Polls until no process runs the executable.
    bool WaitForEnd(int milliseconds);
    // Its log (Log/<executable name>.log in its folder).
    std::string Output() override;

private:
    std::string m_executable;
};

} // namespace e2e
