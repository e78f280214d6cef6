#include "exercise/CExerciseApp.h"
#include "exercise/PracticeProgram.h"

#ifdef TESSALYNE_AUTOMATION
#include "automation/AutomationProbe.h"
#endif

namespace {

void StartProbe() {
#ifdef TESSALYNE_AUTOMATION
    AutomationProbe::StartIfRequested();
#endif
}

} // namespace

int main(int argc, char* argv[]) {
    std::optional<PracticeCommandLine> line;
    return RunPracticeMain(
        argc, argv,
        {"exercise", PracticeCommandLine::Usage("exercise", true), "Tessalyne Lessons Exercise", StartProbe},
        [&](const std::vector<std::string>& arguments, std::string& error) {
            line = PracticeCommandLine::Parse(arguments, true, error);
            return line.has_value();
        },
        [&] { return CExerciseApp().Run(*line); });
}
