#include "app/CLessonApp.h"

#include "app/CIniFile.h"
#include "app/CInstanceActivation.h"
#include "app/CInstanceLock.h"
#include "app/CLog.h"
#include "app/CProfile.h"
#include "app/CTerminationSignal.h"
#include "app/ContentPath.h"
#include "app/FileUtils.h"
#include "app/Globals.h"
#include "app/LanguageRecord.h"
#include "app/UserNotice.h"
#include "data/CADODatabase.h"
#include "data/Queries.h"
#include "lesson/CLessonCatalogDlg.h"
#include "lesson/LessonSettings.h"
#include "render/WordColours.h"

#include <QString>
#include <cstdio>
#include <exception>

CLessonApp* theApp = nullptr;

namespace {

const char* const kProgramTitle = "Tessalyne Lessons";

std::string ConnectionStringFor(const std::string& file) {
    char buffer[1024];
    std::snprintf(buffer, sizeof buffer, sql::kConnectionString, file.c_str());
    return buffer;
}

} // namespace

CLessonApp::CLessonApp() {
    theApp = this;
}

CLessonApp::~CLessonApp() {
    if (theApp == this)
        theApp = nullptr;
}

int CLessonApp::Run() {
    InitInstance();
    return ExitInstance();
}

bool CLessonApp::InitInstance() {
    const std::string application = GetExecutableBaseName();
    m_instanceLock = std::make_unique<CInstanceLock>(application);
    m_activation = std::make_unique<CInstanceActivation>(QString::fromStdString(application));
    if (!m_instanceLock->Acquire()) {
        m_activation->AskRunningInstanceToActivate();
        return false;
    }
    m_activation->Listen();
    g_log.Write("InitInstance: %s started", application.c_str());

    g_profile.SetRegistryKey("Tessalyne", application);
    g_clrListBk = QColor(252, 245, 223);
    g_clrWindowBk = QColor(255, 255, 255);

    g_strTempLessonDir = GetProgramFolder() + "templesson";
    m_ownsTempFolder = true;
    MakeDirectoryPath(g_strTempLessonDir);

    // Saves killed half-way leave their temporary files beside the ini files they were replacing.
    RemoveLeftoverTemporaryFiles(GetProgramFolder());
    RemoveLeftoverTemporaryFiles(ResolveContentPath(GetProgramFolder() + "lesson_res"));

    DrawWordsInDisplayColours();
    // Nobody has logged in yet: only the default display settings are read.
    g_lessonSettings.Load(GetProgramFolder() + "lesson_res\\lessonres_" + g_strLangSuffix + ".ini");

    std::string languageName;
    if (!OpenContent(languageName))
        return false;

    CTerminationSignal termination;
    CLessonCatalogDlg catalogue(languageName);
    catalogue.exec();
    return false;
}

bool CLessonApp::OpenContent(std::string& languageName) {
    if (!OpenDatabases())
        return false;
    g_log.Write("InitInstance: databases open");
    m_strSettingsIni = GetProgramFolder() + "TSSet.ini";
    m_strLangTypeIni = GetProgramFolder() + "LangType.ini";
    languageName = LoadInterfaceLanguage();
    g_log.Write("InitInstance: interface language %s, suffix %s", languageName.c_str(),
                g_strLangSuffix.c_str());
    return true;
}

bool CLessonApp::OpenDatabases() {
    m_lessonDb = std::make_unique<CADODatabase>();
    m_wordDb = std::make_unique<CADODatabase>();
    g_pLessonDb = m_lessonDb.get();
    g_pWordDb = m_wordDb.get();
    if (!m_lessonDb->Open(ConnectionStringFor(GetProgramFolder() + "db\\lesson.dll"), "", "")) {
        ReportDatabaseFailure(*m_lessonDb, "db/lesson.dll");
        return false;
    }
    if (!m_wordDb->Open(ConnectionStringFor(GetProgramFolder() + "db\\word.dll"), "", "")) {
        ReportDatabaseFailure(*m_wordDb, "db/word.dll");
        return false;
    }
    return true;
}

void CLessonApp::ReportDatabaseFailure(const CADODatabase& db, const std::string& fileName) {
    m_exitStatus = 1;
    g_log.Write("OpenDatabases: %s", db.GetLastErrorString().c_str());
    GetUserNotice().Show(UserNotice::Kind::Error, kProgramTitle,
                         "The content database " + fileName +
                             " could not be opened, so the program cannot start.\n\n" +
                             "File: " + (db.GetFilePath().empty() ? fileName : db.GetFilePath()) +
                             "\nReason: " + db.GetErrorDescription());
}

bool CLessonApp::CloseDatabases() {
    for (CADODatabase* db : {m_wordDb.get(), m_lessonDb.get()}) {
        try {
            if (db && db->IsOpen())
                db->Close();
        } catch (const std::exception&) {
            return false;
        }
    }
    return true;
}

std::string CLessonApp::LoadInterfaceLanguage() {
    if (!FileExists(ResolveContentPath(m_strSettingsIni)))
        return "none";
    m_strLangId = CIniFile(m_strSettingsIni).GetString("General", "LangID");
    LanguageRecord record;
    FindLanguage(m_strLangTypeIni, m_strLangId, record, kLangId);
    ApplyShortStringRule(record);
    m_strLangShort = record.ShortString;
    g_strLangSuffix = m_strLangShort;
    return record.LangString;
}

int CLessonApp::ExitInstance() {
    SetWordColoursSource({});
    if (m_ownsTempFolder)
        DeleteDirectoryTree(g_strTempLessonDir);
    CloseDatabases();
    g_pLessonDb = nullptr;
    g_pWordDb = nullptr;
    if (m_ownsTempFolder)
        g_log.Write("ExitInstance: status %d", m_exitStatus);
    return m_exitStatus;
}
