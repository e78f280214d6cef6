#include "LessonPaneTestBase.h"

#include "app/Globals.h"
#include "fixtures/FixtureDatabases.h"
#include "fixtures/FixturePictures.h"

#include <sqlite3.h>

void LessonPaneTest::SetUp() {
    std::string error;
    ASSERT_TRUE(fixtures::BuildLessonDatabase(m_dir / "lesson.dll", {"en"}, error)) << error;
    ASSERT_TRUE(fixtures::BuildWordDatabase(m_dir / "word.dll", {"en"}, error)) << error;
    ASSERT_TRUE(fixtures::AddWordPictures(m_dir / "word.dll", error)) << error;
    ASSERT_TRUE(m_lessonDb.Open("Data Source=" + (m_dir / "lesson.dll")));
    ASSERT_TRUE(m_wordDb.Open("Data Source=" + (m_dir / "word.dll")));
    g_pLessonDb = &m_lessonDb;
    g_pWordDb = &m_wordDb;
    g_strLangSuffix = "en";
    g_strTempLessonDir = m_dir / "templesson";
    m_previousNotice = SetUserNotice(&m_notice);
    m_previousSettings = g_lessonSettings.m_effective;
    g_lessonSettings.m_effective.fontName = "DejaVu Sans";
    g_lessonSettings.m_effective.fontHeight = 14;
    g_lessonSettings.m_effective.lineDistance = 7;
    g_lessonSettings.m_effective.sentenceDistance = 12;
}

void LessonPaneTest::TearDown() {
    g_lessonSettings.m_effective = m_previousSettings;
    SetUserNotice(m_previousNotice);
    g_pLessonDb = nullptr;
    g_pWordDb = nullptr;
}

void LessonPaneTest::ExecLesson(const std::string& sqlText) {
    char* message = nullptr;
    ASSERT_EQ(sqlite3_exec(m_lessonDb.Handle(), sqlText.c_str(), nullptr, nullptr, &message), SQLITE_OK)
        << (message ? message : "");
}
