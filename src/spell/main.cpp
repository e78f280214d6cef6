#include "automation/StartTestProbe.h"
#include "exercise/PracticeProgram.h"
#include "spell/CSpellApp.h"

int main(int argc, char* argv[]) {
    std::optional<PracticeCommandLine> line;
    return RunPracticeMain(
        argc, argv,
        {"spell", PracticeCommandLine::Usage("spell", false), "Tessalyne Lessons Spelling", StartTestProbe},
        [&](const std::vector<std::string>& arguments, std::string& error) {
            line = PracticeCommandLine::Parse(arguments, false, error);
            return line.has_value();
        },
        [&] { return CSpellApp().Run(*line); });
}
