#include "LessonPaneTestBase.h"

#include "app/Globals.h"

#include <sqlite3.h>

void LessonPaneTest::SetUp() {
    RenderDatabaseTest::SetUp();
    g_strLangSuffix = "en";
    m_baseNotice = SetUserNotice(&m_paneNotice);
    m_previousSettings = g_lessonSettings.m_effective;
    g_lessonSettings.m_effective.fontName = "DejaVu Sans";
    g_lessonSettings.m_effective.fontHeight = 14;
    g_lessonSettings.m_effective.lineDistance = 7;
    g_lessonSettings.m_effective.sentenceDistance = 12;
}

void LessonPaneTest::TearDown() {
    g_lessonSettings.m_effective = m_previousSettings;
    SetUserNotice(m_baseNotice);
    RenderDatabaseTest::TearDown();
}

void LessonPaneTest::ExecLesson(const std::string& sqlText) {
    char* message = nullptr;
    ASSERT_EQ(sqlite3_exec(m_lessonDb.Handle(), sqlText.c_str(), nullptr, nullptr, &message), SQLITE_OK)
        << (message ? message : "");
}
