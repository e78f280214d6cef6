#pragma once

#include "render/LessonWindowLink.h"

#include <string>

// What the panes of the lesson window ask of it. The lesson window implements it; the panes reach
// it through their parent chain (or are given it), and tests use a recording double.
class LessonWindowServices : public LessonWindowLink {
public:
    // The lesson being studied (1 to 35).
    virtual int LessonNumber() const = 0;
    // The child-lesson selector chose a child lesson: the sentence panel loads it.
    virtual void SetChildLesson(const std::string& childLessonId) = 0;
    // The child-lesson selector wrote the child lesson's title picture to this file.
    virtual void SetChildTitle(const std::string& bitmapPath) = 0;
    // The child lesson whose scene the scene pane plays.
    virtual void SetSceneChildLesson(const std::string& childLessonId) = 0;
    // True while the scene pane is the visible right pane.
    virtual bool IsSceneActive() const = 0;
    // The sentence panel loaded a child lesson while the scene pane is the visible pane: the scene
    // pane loads and plays that child lesson's scene.
    virtual void PlayChildLessonScene(const std::string& childLessonId) = 0;
    // The sentence panel's scroll state (0 to 3), which the child-lesson selector hands to
    // SetTextScrollButtons after a switch.
    virtual int TextScrollState() const = 0;
    // Shows or hides the text scroll buttons after the sentence panel's scroll state (0 to 3).
    virtual void SetTextScrollButtons(int scrollState) = 0;
    // "Listen & Repeat": the speaking practice with this sentence and its model sound (an MP3 file).
    virtual void ShowListenSpeak(const std::u16string& sentence, const std::u16string& pinyin,
                                 const std::string& modelMp3Path) = 0;
    // A click on a typical sentence: the detail dialog for it.
    virtual void ShowTypicalDetail(const std::string& typicalId) = 0;
    // The learner chose the speed (percent) every sentence is heard at: it is kept with their
    // settings, and the speaking practice's model follows it.
    virtual void ChooseSpeechSpeed(int percent) = 0;
};

// One sentence's reading control as the lesson window's read-the-whole-text loop drives it.
class SentenceReader {
public:
    enum ReadingState { kNoIcon = -1, kNormal = 0, kReading = 1, kSilent = 2 };
    virtual ~SentenceReader() = default;
    virtual int ReadingStateOf() const = 0;
    // Extracts and converts the sentence's sound without playing it; its length in whole seconds.
    virtual int PrepareSoundSeconds() = 0;
    // Reads the sentence aloud and returns when it has been spoken.
    virtual void ReadSentence() = 0;
};

// Show translations under the sentences (the lesson window's translation button); on at start.
extern bool g_bShowTranslations;
