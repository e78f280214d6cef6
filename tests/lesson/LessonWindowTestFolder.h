#pragma once

#include "data/CADODatabase.h"
#include "fixtures/TempFolder.h"
#include "lesson/LearnerService.h"
#include "lesson/LessonContentService.h"

#include <QWidget>
#include <functional>
#include <gtest/gtest.h>
#include <string>

// A program folder of fixture content that the windows run over: the lesson database opened as
// the program's, the English display settings file, a scratch folder and remembered values of its
// own. Everything process-wide is put back afterwards.
class WindowTest : public testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;

    // A user with a clear-text password, as rows from before password hashes hold it.
    void AddUser(const std::string& id, const std::string& name, const std::string& password);
    void SetScore(const std::string& userId, int lesson, int score);
    // Appends text to the display settings file and reads it again.
    void AddSettings(const std::string& text);
    std::string SettingsPath() const { return m_folder / "Lesson_res/lessonres_en.ini"; }
    std::string SettingsFileText() const;
    void Sql(const std::string& statement);

    TempFolder m_folder;
    TempFolder m_config;
    CADODatabase m_db;
    CADODatabase m_wordDb;
    LessonContentService m_content{&m_db, &m_wordDb, "en"};
    LearnerService m_learners{&m_db, &m_wordDb};
    std::string m_settings;
};

// Runs `action` on the next modal window that opens on top of the current one (the tests answer
// the login and message dialogs with it).
void WhenModalOpens(std::function<void(QWidget*)> action);
void CancelModalAnswers();
// Clicks the button with this control id inside the widget.
void ClickControl(QWidget* window, int id);
