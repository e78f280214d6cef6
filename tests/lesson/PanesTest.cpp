#include "LessonPaneTestBase.h"

#include "app/ContentPath.h"
#include "app/FileUtils.h"
#include "fixtures/FixtureDatabases.h"
#include "fixtures/FixtureMovies.h"
#include "fixtures/FixturePictures.h"
#include "fixtures/FixtureSounds.h"
#include "lesson/CMeaningDia.h"
#include "lesson/CMeaningText.h"
#include "lesson/CNewWordList.h"
#include "lesson/CNewWordPane.h"
#include "lesson/CNotePage.h"
#include "lesson/CNotesPane.h"
#include "lesson/CPictureStrip.h"
#include "lesson/CScenePane.h"
#include "lesson/CSentencePanel.h"
#include "lesson/CStaticPicture.h"
#include "lesson/CTypicalDialog.h"
#include "lesson/CTypicalPanel.h"
#include "render/CMutiWord.h"
#include "ui/BitmapButton.h"
#include "ui/CShockwaveFlash.h"

#include <cstdlib>

namespace {

using fixtures::FixtureIds;

std::string Hex(const std::vector<unsigned char>& bytes) {
    static const char digits[] = "0123456789ABCDEF";
    std::string hex = "X'";
    for (unsigned char b : bytes) {
        hex += digits[b >> 4];
        hex += digits[b & 15];
    }
    return hex + "'";
}

std::vector<unsigned char> Picture(int width, int height) {
    QImage image(width, height, QImage::Format_RGB32);
    image.fill(Qt::darkCyan);
    return fixtures::BmpBytes(image);
}

// A sine tone of `seconds` encoded as MP3 by the LAME encoder.
std::vector<unsigned char> Mp3(const TempFolder& dir, double seconds) {
    const std::string wav = dir / "tone.wav", mp3 = dir / "tone.mp3";
    EXPECT_TRUE(
        fixtures::WriteBinaryFile(wav, fixtures::MonoWav(fixtures::SineSamples(seconds, 8000, 440, 9000))));
    EXPECT_EQ(
        std::system((std::string(TESSALYNE_LAME) + " --quiet -b 32 '" + wav + "' '" + mp3 + "'").c_str()), 0);
    const std::string bytes = ReadWholeFile(mp3).value_or("");
    return std::vector<unsigned char>(bytes.begin(), bytes.end());
}

using ScenePaneTest = LessonPaneTest;

TEST_F(ScenePaneTest, KeepsOneSceneFileAndLoadsEachChildLessonOnce) {
    const std::string gif = fixtures::MakeAnimatedGif(40, 30, 3);
    ExecLesson("INSERT INTO tbl_lesson_childlesson (id, lessonid, indexid, scene) VALUES ('CL0102', 1, 2, " +
               Hex(std::vector<unsigned char>(gif.begin(), gif.end())) + ")");
    CScenePane pane(m_content, &m_window);
    pane.resize(420, 300);
    pane.LoadScene("CL0102");
    EXPECT_TRUE(pane.IsOwnScene());
    EXPECT_EQ(ReadWholeFile(Scratch("CL0102.swf")).value_or(""), gif);
    EXPECT_EQ(pane.Movie()->LoadedFormat(), MovieFormat::Gif);

    // The same child lesson again: nothing is reloaded (the removed file stays away).
    std::remove(Scratch("CL0102.swf").c_str());
    pane.LoadScene("CL0102");
    EXPECT_FALSE(FileExists(Scratch("CL0102.swf")));

    ASSERT_TRUE(fixtures::WriteBinaryFile(Scratch("CL0102.swf"), gif));
    pane.LoadScene(FixtureIds::kChildLesson);
    EXPECT_FALSE(FileExists(Scratch("CL0102.swf")));
    // No scene stored: the language's no-content movie.
    EXPECT_FALSE(pane.IsOwnScene());
    EXPECT_FALSE(FileExists(Scratch("CL0101.swf")));
    EXPECT_EQ(pane.LoadedId(), FixtureIds::kChildLesson);
}

TEST_F(ScenePaneTest, AFailedQueryKeepsThePreviousMovie) {
    CScenePane pane(m_content, &m_window);
    m_lessonDb.Close();
    pane.LoadScene("CL0102");
    ASSERT_EQ(m_paneNotice.shown.size(), 1u);
    EXPECT_EQ(m_paneNotice.shown[0],
              "Select * from tbl_lesson_childlesson where  id = 'CL0102' | open database fail");
}

using NotesTest = LessonPaneTest;

TEST_F(NotesTest, NotesStackUnderEachOther) {
    ExecLesson("UPDATE tbl_sentence_notes_en SET notesimg = " + Hex(Picture(300, 120)) +
               " WHERE id = 'NT0101'");
    ExecLesson(
        "INSERT INTO tbl_sentence_notes_en (id, lessonid, noteIndex, notesimg) VALUES ('NT0103', 1, 3, " +
        Hex(Picture(300, 200)) + ")");
    ExecLesson(
        "INSERT INTO tbl_sentence_notes_en (id, lessonid, noteIndex, notesimg) VALUES ('NT0102', 1, 2, " +
        Hex(Picture(300, 80)) + ")");
    {
        CNotesPane pane(m_content, &m_window);
        pane.setGeometry(510, 100, 420, 300);
        pane.LoadNotes(1);
        ASSERT_EQ(pane.NoteCount(), 3);
        EXPECT_EQ(pane.NoteId(1), "NT0102");
        EXPECT_EQ(pane.NotePicture(0)->y(), 0);
        EXPECT_EQ(pane.NotePicture(1)->y(), 120);
        EXPECT_EQ(pane.NotePicture(2)->y(), 200);
        EXPECT_EQ(pane.NoteBottom(2), 400);
        EXPECT_EQ(pane.ContentHeight(), 400);
        EXPECT_EQ(pane.ScrollState(), 1);
        EXPECT_EQ(pane.height(), 300);
        EXPECT_TRUE(FileExists(Scratch("notes2.bmp")));
        EXPECT_EQ(pane.NoContentMovie(), nullptr);
    }
    // The pane deletes the pictures it wrote.
    EXPECT_FALSE(FileExists(Scratch("notes0.bmp")));
    EXPECT_FALSE(FileExists(Scratch("notes2.bmp")));
}

TEST_F(NotesTest, WithoutNotesThePlaceholderMovieShows) {
    ExecLesson("DELETE FROM tbl_sentence_notes_en");
    CNotesPane pane(m_content, &m_window);
    pane.setGeometry(0, 0, 420, 300);
    pane.LoadNotes(1);
    EXPECT_EQ(pane.NoteCount(), 0);
    ASSERT_NE(pane.NoContentMovie(), nullptr);
    EXPECT_EQ(pane.NoContentMovie()->objectName(), "1024");
    EXPECT_EQ(pane.ScrollState(), 0);
}

TEST_F(NotesTest, NotePageShowsLanguagePointsAndSingleNotes) {
    ExecLesson("INSERT INTO tbl_lesson_langpoint_en (lesssonid, langpointimg) VALUES (1, " +
               Hex(Picture(380, 700)) + ")");
    ExecLesson("UPDATE tbl_sentence_notes_en SET notesimg = " + Hex(Picture(300, 90)) +
               " WHERE id = 'NT0101'");
    CNotePage page(m_content, &m_window);
    page.setGeometry(510, 100, 420, 500);
    page.SetLessonNumber(1);
    page.ShowPage(true, "");
    ASSERT_TRUE(page.ShowsPicture());
    EXPECT_EQ(page.Picture()->geometry(), QRect(0, 0, 380, 700));
    EXPECT_EQ(page.ScrollState(), 1);
    EXPECT_TRUE(FileExists(Scratch("lp.bmp")));

    CNotePage note(m_content, &m_window);
    note.setGeometry(510, 100, 420, 500);
    note.ShowPage(false, FixtureIds::kNote);
    ASSERT_TRUE(note.ShowsPicture());
    EXPECT_EQ(note.Picture()->height(), 90);
    EXPECT_EQ(note.ScrollState(), 0);

    // A missing note: the placeholder movie, and the old picture is gone.
    note.ShowPage(false, "NT9999");
    EXPECT_FALSE(note.ShowsPicture());
    ASSERT_NE(note.NoContentMovie(), nullptr);
    EXPECT_TRUE(note.NoContentMovie()->isVisibleTo(&note));
    EXPECT_FALSE(FileExists(Scratch("notess.bmp")));
}

using NewWordTest = LessonPaneTest;

TEST_F(NewWordTest, RowsAreAsTallAsTheirTranslation) {
    ExecLesson(
        "INSERT INTO tbl_lesson_newword (id, lessonid, word, pinyin, cxid) VALUES ('NW0102', 1, '你好', "
        "'nǐhǎo', 'CX01')");
    ExecLesson(
        "INSERT INTO tbl_lesson_newword_en (id, explain) VALUES ('NW0102', 'a greeting said when people "
        "meet for the first time or again after a while')");
    CNewWordPane pane(m_content, &m_window);
    pane.resize(420, 500);
    pane.LoadWords(1);
    CNewWordList* list = pane.List();
    ASSERT_NE(list, nullptr);
    ASSERT_EQ(list->WordCount(), 2);
    EXPECT_EQ(list->Translation(0)->Text(), "student");
    EXPECT_EQ(list->Word(0)->Item().word, u"学生");
    EXPECT_EQ(list->Word(0)->ClickVariant(), CMutiWord::kClickNewWord);
    const int oneLine = list->Translation(0)->height();
    ASSERT_LE(oneLine, 18);
    EXPECT_EQ(list->Word(1)->y(), 18 + 7);
    const int tall = list->Translation(1)->height();
    ASSERT_GT(tall, 18);
    EXPECT_EQ(list->ContentHeight(), 25 + tall + 7);
    EXPECT_EQ(list->geometry(), CNewWordPane::kListFrame);
}

using TypicalTest = LessonPaneTest;

TEST_F(TypicalTest, PanelListsTypicalSentencesThatOpenTheirDetail) {
    CTypicalPanel panel(m_content, &m_window);
    panel.SetFrame(QRect(510, 100, 420, 500));
    panel.Fill(1);
    ASSERT_EQ(panel.LineCount(), 1);
    EXPECT_EQ(panel.Line(0)->ClickMode(), CMeaningDia::kTypicalPanel);
    EXPECT_EQ(panel.Line(0)->Record().textKey, FixtureIds::kTypical);
    EXPECT_EQ(panel.LineTranslation(0)->Text(), "       I am ...");
    EXPECT_EQ(panel.LineTranslation(0)->y(), panel.Line(0)->Height() + 5);
    EXPECT_EQ(panel.ScrollState(), 0);

    m_lessonDb.Close();
    panel.Fill(1);
    EXPECT_EQ(panel.LineCount(), 0);
    ASSERT_EQ(m_paneNotice.shown.size(), 1u);
    EXPECT_EQ(m_paneNotice.shown[0],
              "open database fail | Select * from tbl_lesson_typical where lessonid = 1 order by indexid");
}

TEST_F(TypicalTest, DetailWritesEveryExampleSoundAndPlaysTheChosenOne) {
    const std::string sound = Hex(Mp3(m_dir, 0.3));
    for (const char* id : {"TD010102", "TD010103"}) {
        ExecLesson(std::string("INSERT INTO tbl_lesson_typical_demo (ID, typicalid, content, pinyin, sound) "
                               "VALUES ('") +
                   id + "', 'TY0101', '我 是 老师 。', 'wǒ shì lǎoshī .', " + sound + ")");
    }
    ExecLesson("UPDATE tbl_lesson_typical_demo SET sound = " + sound + " WHERE ID = 'TD010101'");
    CTypicalDialog dialog(m_content, &m_window);
    std::vector<std::string> played;
    dialog.SetPlayer([&](const std::string& path) { played.push_back(path); });
    dialog.ShowTypical(FixtureIds::kTypical);
    ASSERT_EQ(dialog.Examples().size(), 3u);
    for (int n = 0; n < 3; ++n) {
        EXPECT_TRUE(FileExists(Scratch(std::to_string(n) + ".mp3"))) << n;
        EXPECT_TRUE(FileExists(Scratch(std::to_string(n) + ".wav"))) << n;
    }
    EXPECT_EQ(dialog.Examples()[0].meaning, "saying who you are");
    EXPECT_EQ(dialog.SentenceLine()->Record().words, u"我 是 ……");
    EXPECT_FALSE(dialog.PlayExampleButton()->isVisibleTo(&dialog));

    dialog.OnMeaningLineClicked(2);
    EXPECT_EQ(dialog.SelectedExample(), 2);
    EXPECT_TRUE(dialog.PlayExampleButton()->isVisibleTo(&dialog));
    dialog.PlayExample();
    ASSERT_EQ(played.size(), 1u);
    EXPECT_EQ(played[0], m_dir / "templesson//2.wav");

    dialog.PlayTypical();
    EXPECT_TRUE(FileExists(Scratch("dxja.mp3")));
    EXPECT_EQ(played.size(), 2u);

    // Shown again: the selection is cleared.
    dialog.ShowTypical(FixtureIds::kTypical);
    EXPECT_EQ(dialog.SelectedExample(), -1);
    EXPECT_FALSE(dialog.PlayExampleButton()->isVisibleTo(&dialog));

    // A sentence without sounds never plays the sounds the previous one left behind.
    ExecLesson("UPDATE tbl_lesson_typical SET sound = NULL");
    ExecLesson("UPDATE tbl_lesson_typical_demo SET sound = NULL");
    dialog.ShowTypical(FixtureIds::kTypical);
    for (int n = 0; n < 3; ++n)
        EXPECT_FALSE(FileExists(Scratch(std::to_string(n) + ".wav"))) << n;
    dialog.OnMeaningLineClicked(2);
    dialog.PlayExample();
    dialog.PlayTypical();
    EXPECT_FALSE(FileExists(Scratch("dxja.wav")));
    EXPECT_EQ(played.size(), 2u);
}

TEST_F(LessonPaneTest, ASilentSentencePreparesItsSoundAndGivesItsLength) {
    ExecLesson("UPDATE tbl_lesson_sentence SET sound = " + Hex(Mp3(m_dir, 4.2)) + " WHERE id = 'S010102'");
    CSentencePanel panel(m_content, &m_window);
    panel.SetFrame(QRect(20, 175, 450, 425));
    panel.SetLesson(1, FixtureIds::kChildLesson);
    panel.SetLessonData();
    CStaticPicture* reader = panel.ReadingControl(1);
    EXPECT_EQ(reader->PrepareSoundSeconds(), 4);
    EXPECT_EQ(reader->SoundPath(), Scratch("S010102.wav"));
    // The fixture's first sentence is no real MP3: no length.
    EXPECT_EQ(panel.ReadingControl(0)->PrepareSoundSeconds(), 0);
}

} // namespace
