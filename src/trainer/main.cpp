#include "app/PracticeCommandLine.h"
#include "automation/StartTestProbe.h"
#include "exercise/PracticeProgram.h"
#include "trainer/CTrainerApp.h"

int main(int argc, char* argv[]) {
    std::optional<TrainerCommandLine> line;
    return RunPracticeMain(
        argc, argv, {"newword", TrainerCommandLine::kUsage, "Tessalyne Lessons New Words", StartTestProbe},
        [&](const std::vector<std::string>& arguments, std::string& error) {
            line = TrainerCommandLine::Parse(arguments, error);
            return line.has_value();
        },
        [&] { return CTrainerApp().Run(*line); });
}
