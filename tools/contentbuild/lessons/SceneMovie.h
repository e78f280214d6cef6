#pragma once

#include "LessonSource.h"

#include <QSize>

#include <string>
#include <vector>

class GifWriter;

namespace lessons {

// The scene pane of the lesson window, which shows the movie scaled to its own size.
inline constexpr QSize kSceneSize{430, 500};

// The animated scene of one child lesson: its speakers stand at the top with their name badges,
// and the lines of the dialogue (Chinese with pinyin) appear below one after another in speech
// bubbles, the speaker of each line talking while it shows; a full panel makes way for the next.
// A text without speakers shows an open book instead. The movie loops.
class SceneMovie {
public:
    struct Word {
        std::string chinese;
        std::string pinyin;
    };
    struct Line {
        int speaker = -1; // index into Speakers(), -1 for a line without speaker
        std::vector<Word> words;
    };
    struct Figure {
        std::string name;
        std::string pinyin;
        int look = 0; // colours and hair of the speaker, the same in every scene of the lesson
    };

    SceneMovie(const LessonSource& lesson, const ChildLesson& child);

    // Draws every frame into `movie` (made with kSceneSize). False with `error` set when a line
    // holds a character the scene fonts cannot draw.
    bool Draw(GifWriter& movie, std::string& error) const;

    // The fonts the scenes are drawn with; empty when all are installed, else the missing ones.
    static std::vector<std::string> MissingFonts();

    const std::vector<Figure>& Speakers() const { return m_speakers; }
    const std::vector<Line>& Lines() const { return m_lines; }

private:
    std::vector<Figure> m_speakers;
    std::vector<Line> m_lines;
};

// The words of a line as the scene shows them, each with its pinyin: a punctuation mark joined to
// the word before it (an opening mark to the word after it), the note mark left out. A bubble
// breaks its lines between these words only, with each word's pinyin under it.
std::vector<SceneMovie::Word> SceneWords(const std::string& words, const std::string& pinyin);
// The Chinese and the pinyin of such words as one line each.
std::string SceneChinese(const std::vector<SceneMovie::Word>& words);
std::string ScenePinyin(const std::vector<SceneMovie::Word>& words);

} // namespace lessons
