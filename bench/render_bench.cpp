// Loading and drawing a sentence of 20 words as the lesson panels do: per word the new-word query,
// the character and letter lookups (SetItem), then the coloured drawing of every picture. Reported
// per Chinese character of the sentence.
#include "app/Globals.h"
#include "data/CADODatabase.h"
#include "fixtures/FixtureDatabases.h"
#include "fixtures/FixturePictures.h"
#include "fixtures/TempFolder.h"
#include "render/WordPictures.h"

#include <benchmark/benchmark.h>

#include <memory>
#include <vector>

namespace {

struct Sentence {
    std::vector<WordItem> words;
    int characters = 0;
};

Sentence TwentyWords() {
    const std::pair<const char16_t*, const char16_t*> vocabulary[] = {
        {u"我", u"wǒ"}, {u"是", u"shì"}, {u"学生", u"xuésheng"}, {u"你好", u"nǐhǎo"}, {u"。", u"."}};
    Sentence sentence;
    for (int i = 0; i < 20; ++i) {
        WordItem item;
        item.word = vocabulary[i % 5].first;
        item.pinyin[0] = vocabulary[i % 5].second;
        item.displayMode = WordItem::kPinyinAbove;
        item.lessonNumber = 1;
        item.characterRowY = 20;
        sentence.characters += static_cast<int>(item.word.size());
        sentence.words.push_back(item);
    }
    return sentence;
}

class Databases {
public:
    // Skips the benchmark with the reason when the databases cannot be made.
    bool Open(benchmark::State& state) {
        std::string error;
        if (!Make(error)) {
            state.SkipWithError(error.c_str());
            return false;
        }
        return true;
    }
    ~Databases() {
        g_pLessonDb = nullptr;
        g_pWordDb = nullptr;
    }

private:
    bool Make(std::string& error) {
        if (!fixtures::BuildLessonDatabase(m_dir / "lesson.dll", {"en"}, error) ||
            !fixtures::BuildWordDatabase(m_dir / "word.dll", {"en"}, error) ||
            !fixtures::AddWordPictures(m_dir / "word.dll", error))
            return false;
        if (!m_lesson.Open("Data Source=" + (m_dir / "lesson.dll")) ||
            !m_word.Open("Data Source=" + (m_dir / "word.dll"))) {
            error = "cannot open the fixture databases";
            return false;
        }
        g_pLessonDb = &m_lesson;
        g_pWordDb = &m_word;
        return true;
    }

    TempFolder m_dir;
    CADODatabase m_lesson;
    CADODatabase m_word;
};

std::vector<std::unique_ptr<WordPictures>> Load(const Sentence& sentence) {
    std::vector<std::unique_ptr<WordPictures>> words;
    for (const WordItem& item : sentence.words) {
        words.push_back(std::make_unique<WordPictures>());
        benchmark::DoNotOptimize(words.back()->SetItem(item));
    }
    return words;
}

void Paint(std::vector<std::unique_ptr<WordPictures>>& words, QImage& canvas) {
    for (auto& word : words)
        word->Paint(canvas, qRgb(0, 0, 160), qRgb(200, 0, 0), qRgb(0, 128, 0));
}

void ReportPerCharacter(benchmark::State& state, int characters) {
    state.counters["time_per_character"] =
        benchmark::Counter(static_cast<double>(characters) * static_cast<double>(state.iterations()),
                           benchmark::Counter::kIsRate | benchmark::Counter::kInvert);
}

} // namespace

static void LoadAndDrawSentence(benchmark::State& state) {
    Databases databases;
    if (!databases.Open(state))
        return;
    const Sentence sentence = TwentyWords();
    QImage canvas(120, 60, QImage::Format_RGB32);
    for (auto _ : state) {
        std::vector<std::unique_ptr<WordPictures>> words = Load(sentence);
        canvas.fill(qRgb(252, 245, 223));
        Paint(words, canvas);
    }
    ReportPerCharacter(state, sentence.characters);
}
BENCHMARK(LoadAndDrawSentence)->Unit(benchmark::kMillisecond);

// A repaint: the pictures are loaded, only the drawing runs.
static void RedrawSentence(benchmark::State& state) {
    Databases databases;
    if (!databases.Open(state))
        return;
    const Sentence sentence = TwentyWords();
    std::vector<std::unique_ptr<WordPictures>> words = Load(sentence);
    QImage canvas(120, 60, QImage::Format_RGB32);
    for (auto _ : state) {
        canvas.fill(qRgb(252, 245, 223));
        Paint(words, canvas);
        benchmark::ClobberMemory();
    }
    ReportPerCharacter(state, sentence.characters);
}
BENCHMARK(RedrawSentence)->Unit(benchmark::kMicrosecond);
