#include "InstalledCourse.h"

#include <gtest/gtest.h>

InstalledCourse::InstalledCourse(const std::string& programFolder, const std::string& languageSuffix)
    : m_languageSuffix(languageSuffix), m_content(&m_lessonDb, &m_wordDb, languageSuffix) {
    EXPECT_TRUE(m_lessonDb.Open("Data Source=" + programFolder + "/db/lesson.dll"));
    EXPECT_TRUE(m_wordDb.Open("Data Source=" + programFolder + "/db/word.dll"));
}

LessonMaterial InstalledCourse::ReadLesson(int number) {
    LessonMaterial lesson;
    EXPECT_TRUE(m_content.ReadLesson(number, lesson)) << m_content.LastError();
    return lesson;
}
