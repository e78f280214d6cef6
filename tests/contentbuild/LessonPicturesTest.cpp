// The pictures of the lessons and of the program folder: drawn from a tiny lesson and the committed
// picture texts, stored through the lesson database's filling step, read back with the program's
// queries and its own BMP reader. A contact sheet of every kind goes into the build tree.
#include "LessonPictures.h"
#include "LessonCourse.h"
#include "LessonDatabaseWriter.h"
#include "LessonPictureStep.h"
#include "LessonSourceParser.h"
#include "PicturePage.h"
#include "PictureTexts.h"
#include "ProgramPictures.h"
#include "SceneArt.h"
#include "TinyLesson.h"

#include "app/FileUtils.h"
#include "data/CADODatabase.h"
#include "data/CADORecordset.h"
#include "data/Queries.h"
#include "fixtures/TempFolder.h"
#include "lesson/LessonContent.h"
#include "render/BmpReader.h"
#include "ui/SkinLayout.h"

#include <QPainter>
#include <QRawFont>
#include <gtest/gtest.h>

#include <set>

namespace {

using namespace lessons;
namespace layout = skinlayout::lesson;

const std::vector<std::string> kLanguages{"en", "fr"};
constexpr int kPaneWidth = layout::kRightPane.width();

LessonSource TinyLesson() {
    LessonSourceParser parser;
    LessonSource lesson;
    EXPECT_TRUE(parser.Parse("tiny.txt", TinyLessonSource(), lesson))
        << testing::PrintToString(parser.Errors());
    return lesson;
}

std::vector<PictureTexts> CommittedTexts() {
    std::vector<PictureTexts> texts;
    std::string error;
    EXPECT_TRUE(LoadPictureTexts(PICTURE_TEXTS_DIR, kLanguages, texts, error)) << error;
    return texts;
}

// The picture as the program reads it; a null image (and a failure) when its reader refuses it.
QImage ReadPicture(const std::vector<unsigned char>& bytes) {
    QImage image;
    std::string error;
    EXPECT_TRUE(ReadBmp(bytes.data(), bytes.size(), image, error)) << error;
    return image;
}

QImage ReadPictureFile(const std::string& path) {
    const std::optional<std::string> bytes = ReadWholeFile(path);
    EXPECT_TRUE(bytes) << path;
    return bytes ? ReadPicture(std::vector<unsigned char>(bytes->begin(), bytes->end())) : QImage();
}

// True when some pixel of the row differs clearly from the colour of the row's first pixel.
bool RowHasInk(const QImage& image, int y) {
    const QColor ground = image.pixelColor(0, y);
    for (int x = 0; x < image.width(); ++x) {
        const QColor pixel = image.pixelColor(x, y);
        if (std::abs(pixel.red() - ground.red()) + std::abs(pixel.green() - ground.green()) +
                std::abs(pixel.blue() - ground.blue()) >
            60)
            return true;
    }
    return false;
}

class LessonPictureDatabase : public testing::Test {
protected:
    void SetUp() override {
        m_lesson = TinyLesson();
        LessonDatabaseWriter writer(kLanguages);
        const LessonPictureStep step(CommittedTexts());
        writer.AddStep(step);
        ASSERT_TRUE(writer.Write(m_path, {m_lesson})) << writer.Error();
        m_stored = step.Stored();
        ASSERT_TRUE(m_db.Open("Data Source=" + m_path)) << m_db.GetLastErrorString();
    }

    QImage Column(const SqlQuery& query, const std::string& column) {
        CADORecordset rs;
        std::vector<unsigned char> bytes;
        EXPECT_TRUE(rs.Open(&m_db, query)) << query.Text();
        EXPECT_FALSE(rs.IsEOF()) << query.Text();
        if (rs.IsEOF() || !rs.GetChunk(column, bytes))
            return QImage();
        return ReadPicture(bytes);
    }

    LessonSource m_lesson;
    TempFolder m_dir;
    std::string m_path = m_dir / "lesson.dll";
    CADODatabase m_db;
    int m_stored = 0;
};

TEST_F(LessonPictureDatabase, EveryPictureOfEachLanguageIsStoredAtTheSizeItsPlaceNeeds) {
    // Per language: the head, two child titles, two notes and the language-point page.
    EXPECT_EQ(m_stored, 2 * 6);
    for (const std::string& language : kLanguages) {
        SCOPED_TRACE(language);
        const QImage head = Column(SqlQuery::Format(sql::kLessonTitleById, {language, 3}), "lessonhead");
        EXPECT_EQ(head.size(), layout::kHead.size());
        for (const char* child : {"CL0301", "CL0302"}) {
            const QImage title =
                Column(SqlQuery::Format(sql::kChildLessonText, {language, child}), "scenedescimg");
            EXPECT_EQ(title.size(), layout::kChildTitleSize) << child;
            EXPECT_TRUE(RowHasInk(title, title.height() / 2)) << child;
        }
        const QImage points = Column(SqlQuery::Format(sql::kLanguagePoint, {language, 3}), "langpointimg");
        EXPECT_EQ(points.width(), kPaneWidth);
        EXPECT_GT(points.height(), 100);

        std::vector<lesson::Note> notes;
        std::string failedSql;
        ASSERT_TRUE(lesson::ReadNotes(&m_db, language, 3, notes, failedSql)) << failedSql;
        ASSERT_EQ(notes.size(), 2u);
        const QImage greeting = ReadPicture(notes[0].picture), teacher = ReadPicture(notes[1].picture);
        EXPECT_EQ(greeting.width(), kPaneWidth);
        EXPECT_EQ(teacher.width(), kPaneWidth);
        // The second note also shows its words with pinyin and has two lines of text.
        EXPECT_GT(teacher.height(), greeting.height() + 30);
    }
}

TEST_F(LessonPictureDatabase, HeadPicturesDifferByLanguage) {
    const QImage english = Column(SqlQuery::Format(sql::kLessonTitleById, {"en", 3}), "lessonhead");
    const QImage french = Column(SqlQuery::Format(sql::kLessonTitleById, {"fr", 3}), "lessonhead");
    EXPECT_NE(english, french);
}

TEST(LessonPictures, HeightGrowsWithTheTextAtTheWidthOfThePane) {
    const LessonSource lesson = TinyLesson();
    Note note = lesson.notes[1];
    const QImage shortNote = NotePicture(note, "en");
    note.text["en"] =
        std::string(40, 'x') + " " + note.text["en"] + " " + note.text["en"] + "\n" + note.text["en"];
    const QImage longNote = NotePicture(note, "en");
    EXPECT_EQ(shortNote.width(), kPaneWidth);
    EXPECT_EQ(longNote.width(), kPaneWidth);
    EXPECT_GT(longNote.height(), shortNote.height() + 30);

    // A long Chinese line wraps onto further rows instead of leaving the picture.
    note.words = note.pinyin = {};
    for (int i = 0; i < 30; ++i) {
        note.words += (i ? " " : "") + std::string("老师");
        note.pinyin += (i ? " " : "") + std::string("lǎoshī");
    }
    EXPECT_GT(NotePicture(note, "en").height(), longNote.height() + 80);

    std::vector<LanguagePoint> points = lesson.languagePoints;
    const QImage onePoint = LanguagePointsPicture(points, "fr");
    points.push_back(points.front());
    points.back().examples.push_back(points.back().examples.front());
    const QImage twoPoints = LanguagePointsPicture(points, "fr");
    EXPECT_EQ(twoPoints.width(), kPaneWidth);
    EXPECT_GT(twoPoints.height(), 2 * onePoint.height());
}

TEST(LessonPictures, LongTitlesStayInsideTheirPlaces) {
    LessonSource lesson = TinyLesson();
    lesson.title["en"] = "A very long lesson title that could never fit on the head of the lesson window";
    lesson.childLessons[0].title["en"] = lesson.title["en"];
    const std::vector<PictureTexts> texts = CommittedTexts();
    ASSERT_FALSE(texts.empty());
    const QImage head = LessonHeadPicture(lesson, texts.front());
    const QImage title = ChildTitlePicture(lesson.childLessons[0], 0, "en");
    EXPECT_EQ(head.size(), layout::kHead.size());
    EXPECT_EQ(title.size(), layout::kChildTitleSize);
    // The last columns keep the background: the text was made smaller and cut with an ellipsis.
    for (const QImage* picture : {&head, &title})
        for (int y = 0; y < picture->height(); ++y)
            EXPECT_EQ(picture->pixel(picture->width() - 2, y), picture->pixel(picture->width() - 1, y)) << y;
}

TEST(PictureTexts, AFileWithoutATextIsRefusedNamingIt) {
    TempFolder dir;
    const std::optional<std::string> english = ReadWholeFile(PictureTextsFile(PICTURE_TEXTS_DIR, "en"));
    ASSERT_TRUE(english);
    std::string shortened = *english;
    const size_t step = shortened.find("Step6=");
    ASSERT_NE(step, std::string::npos);
    shortened.erase(step);
    ASSERT_TRUE(WriteTextFile(PictureTextsFile(dir.Path(), "en"), shortened));
    PictureTexts texts;
    std::string error;
    EXPECT_FALSE(texts.Load(dir.Path(), "en", error));
    EXPECT_NE(error.find("Guide/Step6"), std::string::npos) << error;
    EXPECT_FALSE(texts.Load(dir.Path(), "de", error));
    EXPECT_NE(error.find("picture-texts_de.ini"), std::string::npos) << error;
}

TEST(ProgramPictures, EachLanguageGetsEveryPictureAsAReadableBmpOfItsSize) {
    TempFolder dir;
    const std::vector<PictureTexts> texts = CommittedTexts();
    std::string error;
    ASSERT_TRUE(WriteProgramPictures(dir.Path(), texts, error)) << error;
    for (const std::string& language : kLanguages) {
        const std::vector<std::string> paths = ProgramPicturePaths(language);
        ASSERT_EQ(paths.size(), 10u);
        for (const std::string& path : paths) {
            SCOPED_TRACE(path);
            const QImage picture = ReadPictureFile(dir / path);
            const std::string name = path.substr(path.rfind('/') + 1);
            const QSize expected = name == "english_exp.bmp" ? skinlayout::catalog::kExplain.size()
                                   : name == "combobox.bmp"  ? layout::kSelector.size()
                                                             : QSize(420, 60); // titles, new-word heading
            EXPECT_EQ(picture.size(), expected);
            // The window repaints its title area only down to its row 80 (row 55 of a pane title)
            // when it changes the title: the rows below must look the same in every title.
            if (path.find("Lesson_res/") == 0 && picture.height() == 60) {
                for (int y = 56; y < 60; ++y)
                    EXPECT_FALSE(RowHasInk(picture, y)) << y;
            }
        }
        // The guide's steps end above its bottom margin.
        const QImage guide = ReadPictureFile(dir / ("Lesson_res/lesson_" + language + "/english_exp.bmp"));
        for (int y = guide.height() - 16; y < guide.height() - 4; ++y)
            EXPECT_FALSE(RowHasInk(guide.copy(8, 0, guide.width() - 16, guide.height()), y)) << language << y;
    }
    EXPECT_NE(ReadPictureFile(dir / "Lesson_res/lesson_en/Dialog.bmp"),
              ReadPictureFile(dir / "Lesson_res/lesson_fr/Dialog.bmp"));
}

// Every kind of picture of the tiny lesson and the program folder on one sheet, for the eye.
TEST(ProgramPictures, ContactSheetOfEveryKind) {
    const LessonSource lesson = TinyLesson();
    const std::vector<PictureTexts> texts = CommittedTexts();
    std::vector<QImage> column[2];
    for (size_t i = 0; i < texts.size() && i < 2; ++i) {
        const std::string& language = texts[i].Language();
        column[i].push_back(LessonHeadPicture(lesson, texts[i]));
        for (size_t c = 0; c < lesson.childLessons.size(); ++c)
            column[i].push_back(ChildTitlePicture(lesson.childLessons[c], static_cast<int>(c), language));
        for (const Note& note : lesson.notes)
            column[i].push_back(NotePicture(note, language));
        column[i].push_back(LanguagePointsPicture(lesson.languagePoints, language));
        for (const ProgramPicture& picture : MakeProgramPictures(texts[i]))
            column[i].push_back(picture.image);
    }
    // As stored: through the BMP bytes and the program's reader.
    for (auto& sheetColumn : column)
        for (QImage& picture : sheetColumn)
            picture = ReadPicture(pictures::PictureBytes(picture));
    constexpr int kGap = 8;
    int height = 0;
    for (const auto& pictures : column) {
        int columnHeight = kGap;
        for (const QImage& picture : pictures)
            columnHeight += picture.height() + kGap;
        height = std::max(height, columnHeight);
    }
    const int columnWidth = 500;
    QImage sheet(2 * columnWidth + kGap, height, QImage::Format_RGB32);
    sheet.fill(QColor(120, 128, 136));
    QPainter painter(&sheet);
    for (int i = 0; i < 2; ++i) {
        int y = kGap;
        for (const QImage& picture : column[i]) {
            painter.drawImage(kGap + i * columnWidth, y, picture);
            y += picture.height() + kGap;
        }
    }
    painter.end();
    EXPECT_TRUE(sheet.save(QStringLiteral(PICTURE_SHEET_PATH)));
}

} // namespace

namespace {

// Every character the course's pictures draw has a glyph in one of the two faces, so no picture
// shows an empty box.
TEST(LessonPictures, TheFacesHoldEveryCharacterOfTheCourse) {
    const QRawFont latin = QRawFont::fromFont(lessons::pictures::TextFont(14));
    const QRawFont chinese = QRawFont::fromFont(sceneart::ChineseFont(14));
    ASSERT_TRUE(latin.isValid() && chinese.isValid());
    ASSERT_TRUE(chinese.supportsCharacter(U'老') && latin.supportsCharacter(U'ǎ'));
    ASSERT_FALSE(latin.supportsCharacter(U'\u0F40') || chinese.supportsCharacter(U'\u0F40'));
    lessons::LessonCourse course;
    std::vector<std::string> problems;
    ASSERT_TRUE(lessons::LoadCourse(LESSON_SOURCES_DIR, course, problems))
        << testing::PrintToString(problems);
    std::set<char32_t> missing;
    const auto check = [&](const std::string& text) {
        for (char32_t c : QString::fromStdString(text).toUcs4())
            if (c > U' ' && c != 0xA0 && !latin.supportsCharacter(c) && !chinese.supportsCharacter(c))
                missing.insert(c);
    };
    const auto checkAll = [&](const lessons::Translations& texts) {
        for (const auto& [language, text] : texts)
            check(text);
    };
    for (const lessons::LessonSource& lesson : course.lessons) {
        checkAll(lesson.title);
        for (const lessons::ChildLesson& child : lesson.childLessons)
            checkAll(child.title);
        for (const lessons::Note& note : lesson.notes) {
            check(note.words + note.pinyin);
            checkAll(note.text);
        }
        for (const lessons::LanguagePoint& point : lesson.languagePoints) {
            checkAll(point.title);
            checkAll(point.text);
            for (const lessons::Example& example : point.examples) {
                check(example.words + example.pinyin);
                checkAll(example.translation);
            }
        }
    }
    for (const std::string& language : course.languages) {
        const std::optional<std::string> texts =
            ReadWholeFile(lessons::PictureTextsFile(PICTURE_TEXTS_DIR, language));
        ASSERT_TRUE(texts);
        check(*texts);
    }
    std::string listed;
    for (char32_t c : missing)
        listed += QString::fromUcs4(&c, 1).toStdString() + " ";
    EXPECT_TRUE(missing.empty()) << listed;
}

} // namespace
