#include "automation/StartTestProbe.h"
#include "exercise/CExerciseApp.h"
#include "exercise/PracticeProgram.h"

int main(int argc, char* argv[]) {
    std::optional<PracticeCommandLine> line;
    return RunPracticeMain(
        argc, argv,
        {"exercise", PracticeCommandLine::Usage("exercise", true), "Tessalyne Lessons Exercise",
         StartTestProbe},
        [&](const std::vector<std::string>& arguments, std::string& error) {
            line = PracticeCommandLine::Parse(arguments, true, error);
            return line.has_value();
        },
        [&] { return CExerciseApp().Run(*line); });
}
