#include "InstalledCourse.h"

#include <gtest/gtest.h>

InstalledCourse::InstalledCourse(const std::string& programFolder, const std::string& languageSuffix,
                                 const std::string& learnerFile)
    : m_languageSuffix(languageSuffix), m_content(&m_lessonDb, &m_wordDb, languageSuffix) {
    EXPECT_TRUE(
        m_lessonDb.OpenWithLearnerFile("Data Source=" + programFolder + "/db/lesson.dll", learnerFile))
        << m_lessonDb.GetLastErrorString();
    EXPECT_TRUE(m_wordDb.OpenForReading("Data Source=" + programFolder + "/db/word.dll"));
}

LessonMaterial InstalledCourse::ReadLesson(int number) {
    LessonMaterial lesson;
    EXPECT_TRUE(m_content.ReadLesson(number, lesson)) << m_content.LastError();
    return lesson;
}
