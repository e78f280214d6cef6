#pragma once

#include <memory>
#include <string>

class CADODatabase;

// The course as every program of it opens it: both content databases of the program folder
// (installed as g_pLessonDb and g_pWordDb) and the interface language of TSSet.ini and
// LangType.ini (g_strLangSuffix). A database that cannot be opened is told to the learner once.
class CourseContent {
public:
    CourseContent();
    ~CourseContent();

    // Opens the databases, then reads the interface language; false when a database failed.
    bool Open(std::string& languageName);
    bool OpenDatabases();
    // Sets the language suffix; returns the language's display name ("none" without TSSet.ini).
    std::string LoadInterfaceLanguage();
    // Closes both databases and forgets them; false when closing one failed.
    bool Close();

    const std::string& LanguageId() const { return m_langId; }
    const std::string& LanguageShort() const { return m_langShort; }
    // The open databases (null before Open and after Close).
    CADODatabase* LessonDb() const { return m_lessonDb.get(); }
    CADODatabase* WordDb() const { return m_wordDb.get(); }

private:
    void ReportDatabaseFailure(const CADODatabase& db, const std::string& fileName);

    std::unique_ptr<CADODatabase> m_lessonDb;
    std::unique_ptr<CADODatabase> m_wordDb;
    std::string m_langId;
    std::string m_langShort;
};
