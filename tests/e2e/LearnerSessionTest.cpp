// A learner's whole session on a two-lesson course built by the content build: the real program
// on a virtual X display, driven with mouse and keyboard events, its sound devices playing into a
// file and recording from one. Screenshots of every step go to the build tree.
#include "LearnerSession.h"

#include "app/FileUtils.h"
#include "audio/CWaveFileView.h"
#include "data/CADORecordset.h"
#include "data/Queries.h"

#include <QThread>
#include <filesystem>

namespace {

using namespace e2e;
namespace fs = std::filesystem;

// The names in a folder, sorted.
std::vector<std::string> Entries(const std::string& folder) {
    std::vector<std::string> names;
    std::error_code ec;
    for (const auto& entry : fs::directory_iterator(folder, ec))
        names.push_back(entry.path().filename().string());
    std::sort(names.begin(), names.end());
    return names;
}

// The widget nearest the top left (the first word of a text).
Widget TopLeftMost(const Widgets& widgets) {
    return *std::min_element(widgets.begin(), widgets.end(), [](auto& a, auto& b) {
        return std::pair(a.rect.y(), a.rect.x()) < std::pair(b.rect.y(), b.rect.x());
    });
}

// Widgets whose top edge lies inside `area` (the sentence panel scrolls the others out of view).
Widgets Inside(const Widgets& widgets, const QRect& area) {
    Widgets inside;
    for (const Widget& w : widgets)
        if (area.contains(w.rect.topLeft()) && w.rect.width() > 0)
            inside.push_back(w);
    return inside;
}

TEST_F(LearnerSession, StudiesLessonOneFromTheFirstStartToTheSecond) {
    auto program = StartProgram();

    // 1. First start: the login; a new user is created; the catalogue has no lesson started.
    ASSERT_NO_FATAL_FAILURE(LogInAsNewUser(*program, true));
    Shoot("03_catalogue");
    {
        const std::string id = StoredUserId();
        ASSERT_FALSE(id.empty()) << "the new user was not stored";
        CADORecordset progress;
        ASSERT_TRUE(progress.Open(CourseDb(), SqlQuery::Format(sql::kUserLessonScore, {id, 1})));
        EXPECT_TRUE(progress.IsEOF()) << "a new user has no lesson started";
    }

    // 2. Lesson 1 opens with its spoken title and the first dialogue with pinyin and translations.
    const Widget panel = OpenFirstLesson(*program);
    const auto shown = program->WaitFor([&](const Widgets& all) {
        return !Inside(Find(all, "CMutiWord", "", "CLessonWindow"), panel.rect).empty();
    });
    ASSERT_TRUE(shown) << "the sentence panel shows no words";
    const Widgets lessonWindow = *shown;
    const std::string firstSentence =
        CourseText(SqlQuery::Format(sql::kSentenceById, {"S010101"}), "sentence");
    // The words of the top row of the panel: the speaker's name and the first sentence.
    const Widgets panelWords = Inside(Find(lessonWindow, "CMutiWord", "", "CLessonWindow"), panel.rect);
    const int topRow = std::min_element(panelWords.begin(), panelWords.end(), [](auto& a, auto& b) {
                           return a.rect.y() < b.rect.y();
                       })->rect.y();
    Widgets firstRow;
    for (const Widget& word : panelWords)
        if (word.rect.y() == topRow)
            firstRow.push_back(word);
    std::sort(firstRow.begin(), firstRow.end(), [](auto& a, auto& b) { return a.rect.x() < b.rect.x(); });
    std::string shownFirstRow;
    for (const Widget& word : firstRow)
        shownFirstRow += word.text;
    std::string expectedRow;
    for (char c : firstSentence)
        if (c != ' ' && c != '*')
            expectedRow += c;
    EXPECT_FALSE(expectedRow.empty());
    EXPECT_NE(shownFirstRow.find(expectedRow), std::string::npos)
        << "first row shows " << shownFirstRow << ", the dialogue starts with " << firstSentence;
    const auto translations = [&] {
        return Inside(Find(program->Describe(), "CMeaningText", "", "CLessonWindow"), panel.rect).size();
    };
    EXPECT_GT(translations(), 0u) << "the translations are not shown";
    EXPECT_TRUE(program->WaitFor([](const Widgets& all) {
        const Widgets movies = Find(all, "CShockwaveFlash", "", "CLessonWindow");
        return !Find(all, "CScenePane").empty() && !movies.empty() && movies.front().text == "playing";
    })) << "the scene of the first dialogue does not play";
    Shoot("04_lesson_window");
    ClickWidget(*program, "BitmapButton", "1064", "CLessonWindow");
    EXPECT_TRUE(program->WaitFor([&](const Widgets& all) {
        return Inside(Find(all, "CMeaningText"), panel.rect).empty();
    })) << "the translations did not switch off";
    Shoot("05_translations_off");
    ClickWidget(*program, "BitmapButton", "1064", "CLessonWindow");
    EXPECT_TRUE(program->WaitFor([&](const Widgets& all) {
        return !Inside(Find(all, "CMeaningText"), panel.rect).empty();
    })) << "the translations did not come back";

    // 3. "Read the Sentence" plays the first sentence: what the device played is that sound.
    QThread::msleep(1500);
    PickSentenceMenuItem(*program, "Read the Sentence");
    const std::string sentenceWav = ScratchFolder() + "/S010101.wav";
    CWaveFileView decoded;
    if (program->WaitForFile(sentenceWav) && decoded.Load(sentenceWav)) {
        ExpectPlayed(*program, decoded.SampleByteCount());
    } else {
        ADD_FAILURE() << "the sentence sound was not decoded";
    }

    // 4. A word opens the word-study page; the animation runs; the learner writes the character.
    Widget character;
    for (const Widget& word : Inside(Find(program->Describe(), "CMutiWord", "", "CLessonWindow"), panel.rect))
        if (character.type.empty() && word.text == "我")
            character = word;
    ASSERT_FALSE(character.type.empty()) << "no 我 on the first page of the dialogue";
    m_desktop.Click(character.Centre());
    Await(*program, "CWordStudyDlg", "WordStudy", "CLessonWindow");
    ClickWidget(*program, "BitmapButton", "1009", "CLessonWindow"); // watch the strokes
    EXPECT_TRUE(program->WaitFor([](const Widgets& all) {
        const Widgets pad = Find(all, "CWritingPad");
        return !pad.empty() && pad.front().text == "animating";
    })) << "the stroke animation did not start";
    Shoot("06_word_study_animation");
    EXPECT_TRUE(program->WaitFor(
        [](const Widgets& all) {
            const Widgets pad = Find(all, "CWritingPad");
            return !pad.empty() && pad.front().text != "animating";
        },
        30000))
        << "the stroke animation did not end";
    ClickWidget(*program, "BitmapButton", "1010", "CLessonWindow"); // write the character
    const auto writing = program->WaitFor([](const Widgets& all) {
        const Widgets pads = Find(all, "CWritingPad");
        return !pads.empty() && !pads.front().strokes.empty();
    });
    ASSERT_TRUE(writing) << "the pad shows no reference strokes";
    const Widget pad = Find(*writing, "CWritingPad").front();
    ASSERT_GE(pad.strokes.size(), 2u);
    // A stroke out of order is refused, and the pad says why.
    m_desktop.Drag(pad.strokes.back());
    const auto refused = program->WaitFor([](const Widgets& all) {
        const Widgets pads = Find(all, "CWritingPad");
        return !pads.empty() && pads.front().text.find("Wrong order") != std::string::npos;
    });
    ASSERT_TRUE(refused) << "the pad does not tell why the stroke was refused";
    Shoot("07_stroke_order_prompt");
    EXPECT_NE(Find(*refused, "CWritingPad").front().text.find("stroke 1"), std::string::npos);
    for (const auto& stroke : pad.strokes)
        m_desktop.Drag(stroke);
    Shoot("08_character_written");
    ClickWidget(*program, "BitmapButton", "1011", "CLessonWindow"); // grade
    const Widget grade = Await(*program, "QLabel", "", "CGradeDlg");
    Shoot("09_grade");
    int score = -1;
    for (const Widget& label : Find(program->Describe(), "QLabel", "", "CGradeDlg"))
        for (size_t i = 0; i < label.text.size(); ++i)
            if (std::isdigit(static_cast<unsigned char>(label.text[i])) && score < 0)
                score = std::atoi(label.text.c_str() + i);
    EXPECT_GE(score, 90) << grade.text << " pad at " << pad.rect.x() << "," << pad.rect.y() << " strokes "
                         << [&] {
                                std::string t;
                                for (const auto& s : pad.strokes) {
                                    for (QPoint p : s)
                                        t += std::to_string(p.x() - pad.rect.x()) + "," +
                                             std::to_string(p.y() - pad.rect.y()) + " ";
                                    t += "| ";
                                }
                                return t;
                            }();
    for (const Widget& button : Find(program->Describe(), "BitmapButton", "", "CGradeDlg"))
        m_desktop.Click(button.Centre());
    ASSERT_TRUE(program->WaitFor([](const Widgets& all) { return Find(all, "CGradeDlg").empty(); }));

    // 5. Listen & Repeat: the model plays, the microphone is recorded and the try is rated.
    PickSentenceMenuItem(*program, "Listen & Repeat");
    // The pane's play button; the child-lesson list's button has the same control id.
    const Widget practice = Await(*program, "CListenSpeakDlg", "", "CLessonWindow");
    for (const Widget& button : Find(program->Describe(), "BitmapButton", "1061", "CLessonWindow"))
        if (practice.rect.contains(button.rect))
            m_desktop.Click(button.Centre());
    const auto rated = program->WaitFor(
        [](const Widgets& all) {
            const Widgets prompt = Find(all, "QLabel", "1005", "CLessonWindow");
            return !prompt.empty() &&
                   (prompt.front().text == "good!" || prompt.front().text == "Not So bad!" ||
                    prompt.front().text == "Try again!");
        },
        40000);
    EXPECT_TRUE(rated) << "no rating after the try; the prompt says " << [&] {
        const Widgets prompt = Find(program->Describe(), "QLabel", "1005", "CLessonWindow");
        return prompt.empty() ? std::string("nothing") : prompt.front().text;
    }();
    // The recording lasted seconds: 8 kHz 16-bit mono is 16000 bytes a second.
    CWaveFileView recording;
    ASSERT_TRUE(recording.Load(ScratchFolder() + "/rcsound.wav"));
    EXPECT_GT(recording.SampleByteCount(), 16000u);
    EXPECT_LT(recording.SampleByteCount(), 16000u * 15);
    Shoot("10_listen_and_repeat");

    // 6. The other panes each show their content.
    ClickWidget(*program, "BitmapButton", "1029", "CLessonWindow"); // new words
    EXPECT_TRUE(program->WaitFor([](const Widgets& all) {
        return !Find(all, "CMutiWord", "65535", "CLessonWindow").empty() &&
               !Find(all, "CNewWordList").empty();
    }));
    Shoot("11_new_words");
    ClickWidget(*program, "BitmapButton", "1033", "CLessonWindow"); // notes
    EXPECT_TRUE(program->WaitFor([](const Widgets& all) { return !Find(all, "CPictureStrip").empty(); }))
        << "the notes pane shows no note";
    Shoot("12_notes");
    ClickWidget(*program, "BitmapButton", "1032", "CLessonWindow"); // language points
    EXPECT_TRUE(program->WaitFor([](const Widgets& all) {
        return !Find(all, "CNotePage").empty() && Find(all, "CShockwaveFlash", "1024").empty();
    })) << "the language points show the no-content movie";
    Shoot("13_language_points");
    ClickWidget(*program, "BitmapButton", "1034", "CLessonWindow"); // typical sentences
    const Widget typical = Await(*program, "CTypicalPanel", "", "CLessonWindow");
    Shoot("14_typical_sentences");
    // A pattern opens its detail dialog; an example chosen there is played.
    const Widgets patternWords =
        Inside(Find(program->Describe(), "CMutiWord", "", "CLessonWindow"), typical.rect);
    ASSERT_FALSE(patternWords.empty()) << "the typical-sentence pane shows no pattern";
    m_desktop.Click(TopLeftMost(patternWords).Centre());
    const Widget detail = Await(*program, "CTypicalDialog");
    const QRect examplesArea(detail.rect.x(), detail.rect.y() + 400, detail.rect.width(),
                             detail.rect.height() - 400);
    const Widgets exampleWords =
        Inside(Find(program->Describe(), "CMutiWord", "", "CTypicalDialog"), examplesArea);
    ASSERT_FALSE(exampleWords.empty()) << "the detail dialog shows no example";
    m_desktop.Click(TopLeftMost(exampleWords).Centre());
    ClickWidget(*program, "BitmapButton", "1061", "CTypicalDialog"); // play the example
    const std::string exampleWav = ScratchFolder() + "/0.wav";
    CWaveFileView example;
    if (program->WaitForFile(exampleWav) && example.Load(exampleWav))
        ExpectPlayed(*program, example.SampleByteCount());
    else
        ADD_FAILURE() << "the example's sound was not decoded";
    Shoot("15_typical_detail");
    ClickWidget(*program, "BitmapButton", "2", "CTypicalDialog");
    ASSERT_TRUE(program->WaitFor([](const Widgets& all) { return Find(all, "CTypicalDialog").empty(); }));
    ClickWidget(*program, "BitmapButton", "1026", "CLessonWindow"); // scene
    EXPECT_TRUE(program->WaitFor([](const Widgets& all) {
        const Widgets movies = Find(all, "CShockwaveFlash", "", "CLessonWindow");
        return !movies.empty() && movies.front().text == "playing";
    })) << "the scene does not play";
    Shoot("16_scene");

    // 7. Back to the catalogue; the distance between sentences is changed in the settings; out.
    ClickWidget(*program, "BitmapButton", "1048", "CLessonWindow");
    ASSERT_TRUE(program->WaitFor([](const Widgets& all) {
        return Find(all, "CLessonWindow").empty() && !Find(all, "CLessonCatalogDlg").empty();
    }));
    OpenSettings(*program);
    const Widget distance = Await(*program, "QSpinBox", "1116", "CSystemSettingDlg");
    const std::string changedDistance = distance.text == "24" ? "26" : "24";
    m_desktop.DoubleClick(distance.Centre());
    m_desktop.Key("ctrl+a");
    m_desktop.Type(changedDistance);
    Shoot("17_settings");
    ClickWidget(*program, "BitmapButton", "1", "CSystemSettingDlg");
    ASSERT_TRUE(program->WaitFor([](const Widgets& all) { return Find(all, "CSystemSettingDlg").empty(); }));
    Exit(*program);

    // 8. The scratch folder is gone; nothing was written outside the user's own folders.
    EXPECT_EQ(ScratchFolders(), std::vector<std::string>{}) << "the scratch folder was left behind";
    EXPECT_EQ(Entries(m_root / "home"), (std::vector<std::string>{".config", ".local"}));
    EXPECT_EQ(Entries(m_root / "tmp"), std::vector<std::string>{});

    // Second start: the user is remembered, lesson 1 is offered again, the settings are kept.
    program = StartProgram();
    const Widget remembered = Await(*program, "QComboBox", "1035", "CUser");
    EXPECT_EQ(remembered.text, kUser);
    Shoot("18_second_login");
    ClickWidget(*program, "QLineEdit", "1008", "CUser");
    m_desktop.Type(kPassword);
    ClickWidget(*program, "BitmapButton", "1", "CUser");
    Await(*program, "CUserTipDlg");
    Shoot("19_resume_question");
    ClickWidget(*program, "BitmapButton", "1", "CUserTipDlg"); // yes, continue
    Await(*program, "CSentencePanel", "", "CLessonWindow");
    Shoot("20_lesson_resumed");
    ClickWidget(*program, "BitmapButton", "1048", "CLessonWindow");
    ASSERT_TRUE(program->WaitFor([](const Widgets& all) { return Find(all, "CLessonWindow").empty(); }));
    OpenSettings(*program);
    EXPECT_EQ(Await(*program, "QSpinBox", "1116", "CSystemSettingDlg").text, changedDistance);
    ClickWidget(*program, "BitmapButton", "1", "CSystemSettingDlg");
    ASSERT_TRUE(program->WaitFor([](const Widgets& all) { return Find(all, "CSystemSettingDlg").empty(); }));
    Exit(*program);
    EXPECT_EQ(ScratchFolders(), std::vector<std::string>{});
    EXPECT_EQ(Entries(m_root / "tmp"), std::vector<std::string>{});
}

// Without ALSA data (an empty configuration) the sound devices' scan finds nothing: the lesson
// opens, its sounds are skipped without a word, and the program ends normally.
TEST_F(LearnerSession, WithAnEmptyAlsaConfigurationALessonOpensAndPlaysSilently) {
    auto program = StartProgram(true);
    LogInAsNewUser(*program, false);
    ASSERT_FALSE(HasFatalFailure());
    OpenFirstLesson(*program);
    PickSentenceMenuItem(*program, "Read the Sentence");
    EXPECT_TRUE(program->WaitForFile(ScratchFolder() + "/S010101.wav")) << "the sentence was not played";
    ASSERT_TRUE(program->IsRunning()) << program->Output();
    Shoot("silent_lesson");
    EXPECT_NE(program->Log().find("No sound device"), std::string::npos) << program->Log();
    EXPECT_EQ(program->PlayedBytes(), 0);
    ClickWidget(*program, "BitmapButton", "1048", "CLessonWindow");
    ASSERT_TRUE(program->WaitFor([](const Widgets& all) { return Find(all, "CLessonWindow").empty(); }));
    Exit(*program);
}

// A lesson database whose sentence table is lost: the lesson still opens, and one message over it
// says what cannot be read and what still works.
TEST_F(LearnerSession, ALessonWithoutItsSentencesOpensWithOneMessage) {
    {
        CADODatabase lessonFile;
        ASSERT_TRUE(lessonFile.Open("Data Source=" + Program() + "/db/lesson.dll"));
        ASSERT_TRUE(lessonFile.Execute(SqlQuery("DROP TABLE tbl_lesson_sentence")));
    }
    auto program = StartProgram();
    LogInAsNewUser(*program, false);
    ASSERT_FALSE(HasFatalFailure());
    OpenFirstLesson(*program);
    const Widget message = Await(*program, "QMessageBox");
    EXPECT_NE(message.text.find("Damaged lesson content"), std::string::npos) << message.text;
    Shoot("damaged_lesson_message");
    m_desktop.Key("Return");
    ASSERT_TRUE(program->WaitFor([](const Widgets& all) { return Find(all, "QMessageBox").empty(); }));
    EXPECT_TRUE(program->IsRunning());
    ClickWidget(*program, "BitmapButton", "1048", "CLessonWindow");
    ASSERT_TRUE(program->WaitFor([](const Widgets& all) { return Find(all, "CLessonWindow").empty(); }));
    Exit(*program);
}
} // namespace
