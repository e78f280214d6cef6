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
    std::optional<PracticeCommandLine> line;
    return RunPracticeMain(
        argc, argv,
        {"spell", PracticeCommandLine::Usage("spell", false), "Tessalyne Lessons Spelling", StartProbe},
        [&](const std::vector<std::string>& arguments, std::string& error) {
            line = PracticeCommandLine::Parse(arguments, false, error);
            return line.has_value();
        },
        [&] { return CSpellApp().Run(*line); });
}
