// The generated media of the program folder, loaded the way the program loads them: the movies
// through the movie control, the sounds through the program's WAV reader.
#include "ProgramMedia.h"
#include "GifWriter.h"
#include "InterfaceSounds.h"
#include "LessonCourse.h"
#include "ProgramMovies.h"

#include "app/FileUtils.h"
#include "audio/CWaveFileView.h"
#include "fixtures/TempFolder.h"
#include "ui/CShockwaveFlash.h"

#include <QImageReader>

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>

namespace {

using namespace programmedia;

const std::string kLanguages = std::string(LESSON_SOURCES_DIR) + "/languages.txt";
const std::string kTexts = std::string(PROGRAM_CONTENT_DIR) + "/movie-texts.ini";

class ProgramMedia : public testing::Test {
protected:
    static void SetUpTestSuite() {
        s_folder = new TempFolder;
        std::string error;
        s_written = WriteProgramMedia(kLanguages, kTexts, s_folder->Path(), s_files, error);
        EXPECT_TRUE(s_written) << error;
    }
    static void TearDownTestSuite() {
        delete s_folder;
        s_folder = nullptr;
    }
    void SetUp() override { ASSERT_TRUE(s_written); }

    static std::string File(const std::string& relative) { return s_folder->Path() + relative; }

    static TempFolder* s_folder;
    static std::vector<std::string> s_files;
    static bool s_written;
};
TempFolder* ProgramMedia::s_folder = nullptr;
std::vector<std::string> ProgramMedia::s_files;
bool ProgramMedia::s_written = false;

TEST_F(ProgramMedia, TheMovieControlPlaysEveryMovie) {
    std::vector<std::string> languages, problems;
    ASSERT_TRUE(lessons::ReadLanguages(kLanguages, languages, problems));
    // A no-content movie per language, the loading movie and three sounds.
    EXPECT_EQ(s_files.size(), languages.size() + 4);
    for (const auto& [file, size] : {std::pair{"Lesson_res/lesson_en/Nocontent.swf", kNoContentSize},
                                     std::pair{"Lesson_res/lesson_fr/Nocontent.swf", kNoContentSize},
                                     std::pair{"image/loading.swf", kLoadingSize}}) {
        // Named as the program names it, in the program's own way of writing paths.
        std::string windowsPath = File(file);
        std::replace(windowsPath.begin() + static_cast<std::ptrdiff_t>(s_folder->Path().size()),
                     windowsPath.end(), '/', '\\');
        CShockwaveFlash control(nullptr);
        control.resize(size);
        control.LoadMovie(0, windowsPath);
        EXPECT_EQ(control.LoadedFormat(), MovieFormat::Gif) << file;
        const QImage frame = control.CurrentFrame();
        ASSERT_FALSE(frame.isNull()) << file;
        EXPECT_EQ(frame.size(), size) << file;
        control.Play();
        EXPECT_TRUE(control.IsPlaying()) << file;

        QImageReader reader(QString::fromStdString(File(file)), "gif");
        EXPECT_GT(reader.imageCount(), 1) << file;
        EXPECT_LT(ReadWholeFile(File(file))->size(), 100u * 1024) << file;
        // Frames to look at, beside the scene pictures.
        MakeDirectoryPath(SCENE_PICTURES_DIR);
        std::string name = file;
        std::replace(name.begin(), name.end(), '/', '-');
        for (int i = 0; reader.canRead() && i < 4; ++i)
            reader.read().save(QString::fromStdString(std::string(SCENE_PICTURES_DIR) + "/" + name + "-" +
                                                      std::to_string(i) + ".png"));
    }
}

TEST_F(ProgramMedia, TheNoContentMovieSpeaksTheInterfaceLanguage) {
    const auto english = ReadWholeFile(File("Lesson_res/lesson_en/Nocontent.swf"));
    const auto french = ReadWholeFile(File("Lesson_res/lesson_fr/Nocontent.swf"));
    ASSERT_TRUE(english && french);
    EXPECT_NE(*english, *french);
}

TEST_F(ProgramMedia, SoundsAreShortSoftAndFadedAndReadByTheProgram) {
    struct Expected {
        const char* name;
        double shortest, longest;
    };
    for (const Expected& sound : {Expected{"sound/button.wav", 0.03, 0.1}, Expected{"sound/du.wav", 0.2, 0.3},
                                  Expected{"sound/pagedownup.wav", 0.2, 0.5}}) {
        CWaveFileView view;
        ASSERT_TRUE(view.Load(File(sound.name))) << sound.name;
        EXPECT_EQ(view.Format(), MakePcmFormat(16, 1, kSoundRate)) << sound.name;
        const double seconds = static_cast<double>(view.SampleCount()) / kSoundRate;
        EXPECT_GE(seconds, sound.shortest) << sound.name;
        EXPECT_LE(seconds, sound.longest) << sound.name;
        int peak = 0;
        for (std::size_t i = 0; i < view.SampleCount(); ++i)
            peak = std::max(peak, std::abs(static_cast<int>(view.Sample(i))));
        // Soft, far from clipping, but well audible.
        EXPECT_LT(peak, 32767 / 2) << sound.name;
        EXPECT_GT(peak, 32767 / 5) << sound.name;
        // Faded in and out: no click at either end.
        EXPECT_LT(std::abs(view.Sample(0)), 200) << sound.name;
        EXPECT_LT(std::abs(view.Sample(view.SampleCount() - 1)), 200) << sound.name;
        EXPECT_EQ(SoundLengthSeconds(File(sound.name)), 0) << sound.name;
    }
}

TEST(ProgramMediaTexts, AMissingLanguageSectionFailsWithItsName) {
    TempFolder dir;
    ASSERT_TRUE(WriteTextFile(dir / "languages.txt", "en\nde\n"));
    ASSERT_TRUE(WriteTextFile(dir / "texts.ini", "[en]\nNoContentTitle=Empty\nNoContentText=Nothing.\n"));
    std::vector<std::string> written;
    std::string error;
    EXPECT_FALSE(
        WriteProgramMedia(dir / "languages.txt", dir / "texts.ini", dir / "program", written, error));
    EXPECT_NE(error.find("[de]"), std::string::npos) << error;
    EXPECT_EQ(written.size(), 1u);
}

TEST(ProgramMediaTexts, TextTooLongForTheMovieIsRefused) {
    GifWriter movie(kNoContentSize);
    std::string error;
    std::string text;
    for (int i = 0; i < 300; ++i)
        text += "words ";
    EXPECT_FALSE(DrawNoContentMovie({"Empty", text}, movie, error));
    EXPECT_FALSE(error.empty());
}

} // namespace
