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
    return RunPracticeMain(argc, argv, {"exercise", true, "Tessalyne Lessons Exercise", StartProbe},
                           [](const PracticeCommandLine& line) { return CExerciseApp().Run(line); });
}
