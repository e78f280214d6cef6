#pragma once

#include "app/CScratchFolder.h"
#include "app/CourseContent.h"
#include "app/PracticeCommandLine.h"
#include "lesson/LessonContentService.h"
#include "lesson/LessonMaterial.h"

#include <functional>

#include <memory>
#include <optional>
#include <string>

// What every practice program does before its window opens and after it closes: the course
// content opened as the main program opens it, the user and the lesson checked, a scratch folder
// of its own (the main program's is never touched), the display colours and the lesson read.
class PracticeProgram {
public:
    // `program` names the executable in messages ("exercise"); `withUser` whether its command
    // line carries a user id.
    PracticeProgram(std::string program, bool withUser);
    ~PracticeProgram();

    // Opens everything for the command line's lesson and user. False when the program cannot go
    // on; `Status()` then holds the exit status (2 for an unknown user or lesson, told like a bad
    // command line before anything is written).
    bool Open(const PracticeCommandLine& line) { return OpenCourse() && Begin(line); }
    // The two halves of Open: the databases and the interface language; then the user and the
    // lesson (none when the line's lesson is 0), the scratch folder, the colours and the lesson read.
    bool OpenCourse();
    bool Begin(const PracticeCommandLine& line);
    int Status() const { return m_status; }

    LessonContentService& Content() { return *m_content; }
    const LessonMaterial& Lesson() const { return m_lesson; }
    // What part of the lesson could not be read, or empty.
    const std::string& ContentProblem() const { return m_problem; }
    const std::string& ScratchFolder() const { return m_scratchFolder; }
    std::uint32_t Seed() const { return m_seed; }

    // Prints why with the one-line usage text on standard error; returns the exit status 2.
    static int RefuseCommandLine(const std::string& program, const std::string& usage,
                                 const std::string& why);

private:
    std::string m_program;
    bool m_withUser;
    CourseContent m_course;
    std::unique_ptr<LessonContentService> m_content;
    std::unique_ptr<CScratchFolder> m_scratch;
    LessonMaterial m_lesson;
    std::string m_problem;
    std::string m_scratchFolder;
    std::uint32_t m_seed = 0;
    int m_status = 0;
};

// The whole main() of a practice program: the command line is checked by `parse` before anything
// else (even without a display), then come the application, the test probe where one is built in
// (`startProbe`), the message boxes and `run`.
struct PracticeMain {
    const char* program;
    std::string usage;
    const char* applicationName;
    void (*startProbe)();
};
int RunPracticeMain(
    int argc, char* argv[], const PracticeMain& main,
    const std::function<bool(const std::vector<std::string>& arguments, std::string& error)>& parse,
    const std::function<int()>& run);
