#pragma once

#include "app/UserNotice.h"
#include "data/CADODatabase.h"
#include "fixtures/TempFolder.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

// What the program would have shown the user.
class RecordingNotice : public UserNotice {
public:
    struct Shown {
        std::string title;
        std::string text;
    };
    void Show(Kind, const std::string& title, const std::string& text) override {
        shown.push_back({title, text});
    }
    bool Ask(const std::string&, const std::string&) override { return false; }
    std::vector<Shown> shown;
};

// The fixture lesson and word databases with their pictures, opened as the program's connections,
// and a recording user notice; everything is put back afterwards.
class RenderDatabaseTest : public ::testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;
    // Closes the word database, as when it cannot be reached.
    void LoseWordDatabase();
    void LoseLessonDatabase();

    TempFolder m_dir;
    CADODatabase m_lessonDb;
    CADODatabase m_wordDb;
    RecordingNotice m_notice;
    UserNotice* m_previousNotice = nullptr;
};
