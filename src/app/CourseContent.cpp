#include "app/CourseContent.h"

#include "app/CIniFile.h"
#include "app/CLog.h"
#include "app/ContentPath.h"
#include "app/FileUtils.h"
#include "app/Globals.h"
#include "app/LanguageRecord.h"
#include "app/UserFolders.h"
#include "app/UserNotice.h"
#include "data/CADODatabase.h"
#include "data/LearnerDatabase.h"
#include "data/Queries.h"

#include <cstdio>
#include <exception>

namespace {

const char* const kProgramTitle = "Tessalyne Lessons";

std::string ConnectionStringFor(const std::string& file) {
    char buffer[1024];
    std::snprintf(buffer, sizeof buffer, sql::kConnectionString, file.c_str());
    return buffer;
}

} // namespace

CourseContent::CourseContent() = default;

CourseContent::~CourseContent() {
    Close();
}

bool CourseContent::Open(std::string& languageName) {
    if (!OpenDatabases())
        return false;
    g_log.Write("InitInstance: databases open");
    languageName = LoadInterfaceLanguage();
    g_log.Write("InitInstance: interface language %s, suffix %s", languageName.c_str(),
                g_strLangSuffix.c_str());
    return true;
}

bool CourseContent::OpenDatabases() {
    m_lessonDb = std::make_unique<CADODatabase>();
    m_wordDb = std::make_unique<CADODatabase>();
    g_pLessonDb = m_lessonDb.get();
    g_pWordDb = m_wordDb.get();
    // The program folder is only read: the learners' tables live in the user's learner database,
    // which the lesson connection opens as its main database.
    MakeDirectoryPath(UserDataFolder());
    const std::string learnerFile = LearnerDatabasePath();
    if (!m_lessonDb->OpenWithLearnerFile(ConnectionStringFor(GetProgramFolder() + "db\\lesson.dll"),
                                         learnerFile)) {
        ReportDatabaseFailure(*m_lessonDb, "db/lesson.dll");
        return false;
    }
    schema::LearnerRowCounts migrated;
    std::string error;
    if (!learnerdb::Prepare(*m_lessonDb, migrated, error)) {
        g_log.Write("OpenDatabases: learner data %s: %s", learnerFile.c_str(), error.c_str());
        GetUserNotice().Show(UserNotice::Kind::Error, kProgramTitle,
                             "Your accounts and scores could not be opened, so the program cannot start.\n\n"
                             "File: " +
                                 learnerFile + "\nReason: " + error);
        return false;
    }
    if (migrated.users > 0 || migrated.scores > 0)
        g_log.Write("OpenDatabases: %d users and %d scores copied from db/lesson.dll into %s", migrated.users,
                    migrated.scores, learnerFile.c_str());
    if (!m_wordDb->OpenForReading(ConnectionStringFor(GetProgramFolder() + "db\\word.dll"))) {
        ReportDatabaseFailure(*m_wordDb, "db/word.dll");
        return false;
    }
    return true;
}

void CourseContent::ReportDatabaseFailure(const CADODatabase& db, const std::string& fileName) {
    g_log.Write("OpenDatabases: %s", db.GetLastErrorString().c_str());
    GetUserNotice().Show(UserNotice::Kind::Error, kProgramTitle,
                         "The content database " + fileName +
                             " could not be opened, so the program cannot start.\n\n" +
                             "File: " + (db.GetFilePath().empty() ? fileName : db.GetFilePath()) +
                             "\nReason: " + db.GetErrorDescription());
}

bool CourseContent::Close() {
    bool closed = true;
    for (CADODatabase* db : {m_wordDb.get(), m_lessonDb.get()}) {
        try {
            if (db && db->IsOpen())
                db->Close();
        } catch (const std::exception&) {
            closed = false;
        }
    }
    if (g_pLessonDb == m_lessonDb.get())
        g_pLessonDb = nullptr;
    if (g_pWordDb == m_wordDb.get())
        g_pWordDb = nullptr;
    return closed;
}

std::string CourseContent::LoadInterfaceLanguage() {
    const std::string settingsIni = SettingsPathToRead("TSSet.ini");
    if (!FileExists(ResolveContentPath(settingsIni)))
        return "none";
    m_langId = CIniFile(settingsIni).GetString("General", "LangID");
    LanguageRecord record;
    FindLanguage(GetProgramFolder() + "LangType.ini", m_langId, record, kLangId);
    ApplyShortStringRule(record);
    m_langShort = record.ShortString;
    g_strLangSuffix = m_langShort;
    return record.LangString;
}
