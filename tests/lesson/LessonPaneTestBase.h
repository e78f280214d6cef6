#pragma once

#include "../render/RenderTestDatabases.h"
#include "app/UserNotice.h"
#include "lesson/LessonContentService.h"
#include "lesson/LessonSettings.h"
#include "lesson/LessonWindowServices.h"

#include <QWidget>
#include <gtest/gtest.h>

#include <string>
#include <vector>

// A lesson window that records what its panes ask of it.
class RecordingLessonWindow : public QWidget, public LessonWindowServices {
public:
    RecordingLessonWindow() { resize(960, 640); }
    void ShowTypicalSentences() override { calls.push_back("ShowTypicalSentences"); }
    void ShowNote(const std::string& key) override { calls.push_back("ShowNote " + key); }
    void ShowWordStudy(const std::u16string&, const std::u16string&, const std::string& id) override {
        calls.push_back("ShowWordStudy " + id);
    }
    void ShowNewWordStudy(const std::u16string&, const std::u16string&, const std::u16string&,
                          CMutiWord*) override {
        calls.push_back("ShowNewWordStudy");
    }
    int LessonNumber() const override { return 1; }
    void SetChildLesson(const std::string& id) override { calls.push_back("SetChildLesson " + id); }
    void SetChildTitle(const std::string& path) override { calls.push_back("SetChildTitle " + path); }
    void SetSceneChildLesson(const std::string& id) override { calls.push_back("SetSceneChildLesson " + id); }
    bool IsSceneActive() const override { return sceneActive; }
    void PlayChildLessonScene(const std::string& id) override {
        calls.push_back("PlayChildLessonScene " + id);
    }
    int TextScrollState() const override { return 3; }
    void SetTextScrollButtons(int state) override {
        calls.push_back("SetTextScrollButtons " + std::to_string(state));
    }
    void ShowListenSpeak(const std::u16string& sentence, const std::u16string&,
                         const std::string& mp3) override {
        listenSentence = sentence;
        calls.push_back("ShowListenSpeak " + mp3);
    }
    void ShowTypicalDetail(const std::string& id) override { calls.push_back("ShowTypicalDetail " + id); }
    void ChooseSpeechSpeed(int percent) override {
        calls.push_back("ChooseSpeechSpeed " + std::to_string(percent));
    }

    std::vector<std::string> calls;
    std::u16string listenSentence;
    bool sceneActive = false;
};

class RecordingPaneNotice : public UserNotice {
public:
    void Show(Kind, const std::string& title, const std::string& text) override {
        shown.push_back(title + " | " + text);
    }
    bool Ask(const std::string&, const std::string&) override { return false; }
    std::vector<std::string> shown;
};

// The fixture databases of the word-control tests, the English interface, known display settings,
// a recording notice and a recording lesson window; all put back afterwards.
class LessonPaneTest : public RenderDatabaseTest {
protected:
    void SetUp() override;
    void TearDown() override;
    // Runs a statement on the lesson database (test data only).
    void ExecLesson(const std::string& sqlText);
    std::string Scratch(const std::string& name) const { return m_dir / ("templesson/" + name); }

    RecordingPaneNotice m_paneNotice;
    UserNotice* m_baseNotice = nullptr;
    DisplaySettings m_previousSettings;
    RecordingLessonWindow m_window;
    LessonContentService m_content{&m_lessonDb, &m_wordDb, "en"};
};
