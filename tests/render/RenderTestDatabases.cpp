#include "RenderTestDatabases.h"

#include "app/Globals.h"
#include "fixtures/FixtureDatabases.h"
#include "fixtures/FixturePictures.h"

void RenderDatabaseTest::SetUp() {
    std::string error;
    ASSERT_TRUE(fixtures::BuildLessonDatabase(m_dir / "lesson.dll", {"en"}, error)) << error;
    ASSERT_TRUE(fixtures::BuildWordDatabase(m_dir / "word.dll", {"en"}, error)) << error;
    ASSERT_TRUE(fixtures::AddWordPictures(m_dir / "word.dll", error)) << error;
    ASSERT_TRUE(m_lessonDb.Open("Data Source=" + (m_dir / "lesson.dll")));
    ASSERT_TRUE(m_wordDb.Open("Data Source=" + (m_dir / "word.dll")));
    g_pLessonDb = &m_lessonDb;
    g_pWordDb = &m_wordDb;
    g_strTempLessonDir = m_dir / "templesson";
    m_previousNotice = SetUserNotice(&m_notice);
}

void RenderDatabaseTest::TearDown() {
    SetUserNotice(m_previousNotice);
    g_pLessonDb = nullptr;
    g_pWordDb = nullptr;
}

void RenderDatabaseTest::LoseWordDatabase() {
    m_wordDb.Close();
}

void RenderDatabaseTest::LoseLessonDatabase() {
    m_lessonDb.Close();
}
