#include "exercise/PracticeProgram.h"
#include "spell/CSpellApp.h"

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
    return RunPracticeMain(argc, argv, {"spell", false, "Tessalyne Lessons Spelling", StartProbe},
                           [](const PracticeCommandLine& line) { return CSpellApp().Run(line); });
}
