#pragma once

#include "app/CourseContent.h"

#include <memory>
#include <string>

class CInstanceActivation;
class CInstanceLock;
class CScratchFolder;

// The application object: admits one running instance, sets up the process-wide paths, colours
// and scratch folder, opens both content databases, reads the interface language, runs the
// program's windows and cleans up at the end.
class CLessonApp {
public:
    CLessonApp();
    ~CLessonApp();

    // The whole life of the process; returns its exit status.
    int Run();

    // Start-up; false in every case, once the windows have closed or the start-up has failed.
    bool InitInstance();
    // Clean-up after every end of InitInstance; returns the exit status.
    int ExitInstance();

    // Opens both content databases and reads the interface language (CourseContent); false, the
    // learner told why, when a database cannot be opened.
    bool OpenContent(std::string& languageName);

private:
    std::unique_ptr<CInstanceLock> m_instanceLock;
    std::unique_ptr<CInstanceActivation> m_activation;
    CourseContent m_course;
    std::unique_ptr<CScratchFolder> m_scratch;
    int m_exitStatus = 0;
};

extern CLessonApp* theApp;
