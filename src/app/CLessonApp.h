#pragma once

#include <memory>
#include <string>

class CADODatabase;
class CInstanceActivation;
class CInstanceLock;

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

    // Opens both content databases and reads the interface language, as every program of the course
    // starts; false (the learner told why) when a database cannot be opened.
    bool OpenContent(std::string& languageName);
    bool OpenDatabases();
    bool CloseDatabases();
    // Sets the language suffix from TSSet.ini and LangType.ini; returns the language's display name.
    std::string LoadInterfaceLanguage();

    std::string m_strLangTypeIni;
    std::string m_strSettingsIni;
    std::string m_strLangId;
    std::string m_strLangShort;

private:
    void ReportDatabaseFailure(const CADODatabase& db, const std::string& fileName);

    std::unique_ptr<CInstanceLock> m_instanceLock;
    std::unique_ptr<CInstanceActivation> m_activation;
    std::unique_ptr<CADODatabase> m_lessonDb;
    std::unique_ptr<CADODatabase> m_wordDb;
    bool m_ownsTempFolder = false;
    int m_exitStatus = 0;
};

extern CLessonApp* theApp;
