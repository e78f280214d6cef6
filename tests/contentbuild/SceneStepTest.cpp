// The animated scenes of the child lessons: built into a lesson database from a tiny source, read
// back with the program's query and decoded as the movie control decodes them.
#include "SceneStep.h"
#include "GifWriter.h"
#include "LessonDatabaseWriter.h"
#include "LessonSourceParser.h"
#include "SceneMovie.h"
#include "TinyLesson.h"

#include "app/FileUtils.h"
#include "data/CADODatabase.h"
#include "data/CADORecordset.h"
#include "data/Queries.h"
#include "fixtures/TempFolder.h"
#include "ui/CShockwaveFlash.h"

#include <QBuffer>
#include <QImageReader>
#include <QMovie>

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>

namespace {

using namespace lessons;

LessonSource ParseLesson(const std::string& name, const std::string& source) {
    LessonSourceParser parser;
    LessonSource lesson;
    EXPECT_TRUE(parser.Parse(name, source, lesson)) << testing::PrintToString(parser.Errors());
    return lesson;
}

LessonSource CourseLesson(int number) {
    char name[32];
    std::snprintf(name, sizeof name, "/lesson%02d.txt", number);
    const std::optional<std::string> text = ReadWholeFile(std::string(LESSON_SOURCES_DIR) + name);
    EXPECT_TRUE(text.has_value()) << name;
    return ParseLesson(name, text.value_or(""));
}

// Every frame of a GIF as the decoder composes it, with its delay in ms.
struct DecodedMovie {
    std::vector<QImage> frames;
    std::vector<int> delays;
    int totalMs = 0;
};

DecodedMovie Decode(const std::vector<unsigned char>& gif) {
    QByteArray bytes(reinterpret_cast<const char*>(gif.data()), static_cast<qsizetype>(gif.size()));
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::ReadOnly);
    QImageReader reader(&buffer, "gif");
    DecodedMovie movie;
    for (QImage frame = reader.read(); !frame.isNull(); frame = reader.read()) {
        movie.frames.push_back(frame.convertToFormat(QImage::Format_RGB32));
        movie.delays.push_back(reader.nextImageDelay());
        movie.totalMs += reader.nextImageDelay();
    }
    return movie;
}

// Pixels that differ between two frames inside `area`.
int ChangedPixels(const QImage& a, const QImage& b, const QRect& area) {
    int changed = 0;
    for (int y = area.top(); y <= area.bottom(); ++y)
        for (int x = area.left(); x <= area.right(); ++x)
            changed += a.pixel(x, y) != b.pixel(x, y);
    return changed;
}

const QRect kStage(0, 0, 430, 180);
const QRect kPanelInside(30, 205, 370, 270);

// A lesson whose only child lesson is a dialogue of `lines` lines between two speakers.
LessonSource Dialogue(int lines) {
    std::string source = "[lesson 9]\ntitle.en: T\ntitle.fr: T\n"
                         "[speaker a]\nzh: 王 老师\npy: Wáng lǎoshī\nen: A\nfr: A\n"
                         "[speaker b]\nzh: 马克\npy: Mǎkè\nen: B\nfr: B\n"
                         "[child]\ntitle.en: C\ntitle.fr: C\n";
    for (int i = 0; i < lines; ++i)
        source += std::string("[sentence ") + (i % 2 ? "b" : "a") +
                  "]\nzh: 我们 今天 学习 汉语 的 数字 ， 好 吗 ？\npy: wǒmen jīntiān xuéxí Hànyǔ de shùzì , "
                  "hǎo ma ?\n"
                  "en: x\nfr: x\n";
    return ParseLesson("dialogue.txt", source);
}

TEST(SceneStep, StoresAGifSceneForEveryChildLessonThatThePlayerDecodes) {
    TempFolder dir;
    const std::string path = dir / "db/lesson.dll";
    LessonDatabaseWriter writer({"en", "fr"});
    writer.AddStep(FillScenes);
    ASSERT_TRUE(writer.Write(path, {ParseLesson("tiny.txt", TinyLessonSource())})) << writer.Error();

    CADODatabase db;
    ASSERT_TRUE(db.Open("Data Source=" + path));
    for (const auto& [id, lines] : {std::pair{"CL0301", 1}, std::pair{"CL0302", 2}}) {
        CADORecordset rs;
        ASSERT_TRUE(rs.Open(&db, SqlQuery::Format(sql::kChildLessonById, {id})));
        ASSERT_FALSE(rs.IsEOF()) << id;
        std::vector<unsigned char> gif;
        ASSERT_TRUE(rs.GetChunk("scene", gif)) << id;
        ASSERT_EQ(std::string(gif.begin(), gif.begin() + 6), "GIF89a");

        QByteArray bytes(reinterpret_cast<const char*>(gif.data()), static_cast<qsizetype>(gif.size()));
        QBuffer buffer(&bytes);
        buffer.open(QIODevice::ReadOnly);
        QMovie movie(&buffer, "gif");
        ASSERT_TRUE(movie.isValid()) << id;
        // An opening frame, and for every line at least its fading in and its full showing.
        EXPECT_GE(movie.frameCount(), 1 + 3 * lines) << id;
        EXPECT_EQ(movie.frameCount(), static_cast<int>(Decode(gif).frames.size())) << id;
        EXPECT_EQ(movie.loopCount(), -1) << id; // loops for ever
        ASSERT_TRUE(movie.jumpToFrame(0));
        EXPECT_EQ(movie.currentImage().size(), kSceneSize) << id;
    }
}

TEST(SceneStep, LinesAppearInTurnWithTheirSpeakerTalkingAndAFullPanelMakesWay) {
    const LessonSource lesson = Dialogue(12);
    std::vector<unsigned char> gif;
    std::string error;
    ASSERT_TRUE(MakeScene(lesson, lesson.childLessons[0], gif, error)) << error;
    EXPECT_LT(gif.size(), 300u * 1024);
    const DecodedMovie movie = Decode(gif);
    ASSERT_GT(movie.frames.size(), 12u * 3);

    const QImage& opening = movie.frames.front();
    // Each line holds long enough to be read; the whole loop takes a while but not for ever.
    EXPECT_GT(movie.totalMs, 12 * 1700);
    EXPECT_LT(movie.totalMs, 12 * 6000);
    bool figureMoved = false;
    int panelClearedAgain = 0;
    for (std::size_t i = 1; i < movie.frames.size(); ++i) {
        figureMoved = figureMoved || ChangedPixels(opening, movie.frames[i], kStage) > 50;
        if (ChangedPixels(opening, movie.frames[i], kPanelInside) == 0)
            ++panelClearedAgain;
    }
    EXPECT_TRUE(figureMoved);
    // Twelve two-line bubbles need more than one panel: the panel is emptied for the next ones.
    EXPECT_GE(panelClearedAgain, 1);
    EXPECT_GT(ChangedPixels(opening, movie.frames.back(), kPanelInside), 2000);
}

TEST(SceneStep, RefusesALineTheFontsCannotDraw) {
    LessonSource lesson = Dialogue(1);
    // A rare character (U+2A6D6) that no font the build installs has.
    lesson.childLessons[0].sentences[0].words = "你好 \xF0\xAA\x9B\x96";
    GifWriter movie(kSceneSize);
    std::string error;
    EXPECT_FALSE(SceneMovie(lesson, lesson.childLessons[0]).Draw(movie, error));
    EXPECT_NE(error.find("\xF0\xAA\x9B\x96"), std::string::npos) << error;
}

TEST(SceneStep, ShowsTheLinesAsTheyAreReadBreakingBetweenWords) {
    const auto shown = [](const std::string& words, const std::string& pinyin) {
        std::vector<std::string> units;
        for (const SceneMovie::Word& word : SceneWords(words, pinyin))
            units.push_back(word.chinese + "/" + word.pinyin);
        return units;
    };
    using Units = std::vector<std::string>;
    EXPECT_EQ(shown("你好 ！ *", "nǐhǎo ! *"), Units{"你好！/nǐhǎo!"});
    EXPECT_EQ(shown("他 说 ： “ 你好 ！ ” 我 笑 了 。", "tā shuō : \" nǐhǎo ! \" wǒ xiào le ."),
              (Units{"他/tā", "说：/shuō:", "“你好！”/\"nǐhǎo!\"", "我/wǒ", "笑/xiào", "了。/le."}));
    const std::vector<SceneMovie::Word> book = SceneWords("我 买 了 《 汉语 》 。", "wǒ mǎi le < Hànyǔ > .");
    EXPECT_EQ(SceneChinese(book), "我买了《汉语》。");
    EXPECT_EQ(ScenePinyin(book), "wǒ mǎi le <Hànyǔ>.");
}

// Frames of real scenes as PNG files in the build tree, to look at: each full panel just before it
// makes way, a frame of a speaker talking and the last frame.
TEST(SceneStep, ExportsFramesOfRealScenesToLookAt) {
    const std::string folder = std::string(SCENE_PICTURES_DIR);
    MakeDirectoryPath(folder);
    for (const auto& [number, child] :
         {std::pair{1, 0}, std::pair{7, 0}, std::pair{20, 1}, std::pair{27, 0}}) {
        const LessonSource lesson = CourseLesson(number);
        ASSERT_LT(static_cast<std::size_t>(child), lesson.childLessons.size());
        std::vector<unsigned char> gif;
        std::string error;
        ASSERT_TRUE(MakeScene(lesson, lesson.childLessons[static_cast<std::size_t>(child)], gif, error))
            << error;
        const DecodedMovie movie = Decode(gif);
        ASSERT_FALSE(movie.frames.empty());
        const std::string base =
            folder + "/lesson" + std::to_string(number) + "-" + std::to_string(child + 1);
        std::vector<std::size_t> chosen;
        for (std::size_t i = 1; i < movie.frames.size(); ++i)
            if (ChangedPixels(movie.frames.front(), movie.frames[i], kPanelInside) == 0)
                chosen.push_back(i - 1);
        const auto talking = std::find(movie.delays.begin(), movie.delays.end(), 180);
        if (talking != movie.delays.end())
            chosen.push_back(static_cast<std::size_t>(talking - movie.delays.begin()));
        chosen.push_back(movie.frames.size() - 1);
        for (std::size_t n = 0; n < chosen.size(); ++n)
            EXPECT_TRUE(movie.frames[chosen[n]].save(
                QString::fromStdString(base + "-" + std::to_string(n) + ".png")));
        std::printf("%s.gif: %zu bytes, %zu frames, %d ms\n", base.c_str(), gif.size(), movie.frames.size(),
                    movie.totalMs);
        // Named as the program names scene files, played by the scene pane's movie control.
        ASSERT_TRUE(WriteFileAtomically(
            base + ".swf", std::string_view(reinterpret_cast<const char*>(gif.data()), gif.size())));
        CShockwaveFlash control(nullptr);
        control.resize(kSceneSize);
        control.LoadMovie(0, base + ".swf");
        EXPECT_EQ(control.LoadedFormat(), MovieFormat::Gif);
        EXPECT_EQ(control.CurrentFrame().size(), kSceneSize);
        EXPECT_TRUE(control.grab().save(QString::fromStdString(base + "-control.png")));
    }
}

} // namespace
