// Pictures of the panes over the fixture lesson, written for a person to look at.
#include "LessonPaneTestBase.h"

#include "app/Globals.h"
#include "fixtures/FixtureDatabases.h"
#include "fixtures/FixtureMovies.h"
#include "fixtures/FixturePictures.h"
#include "lesson/CLessonTitle.h"
#include "lesson/CNewWordPane.h"
#include "lesson/CNotePage.h"
#include "lesson/CNotesPane.h"
#include "lesson/CScenePane.h"
#include "lesson/CSentencePanel.h"
#include "lesson/CTypicalDialog.h"
#include "lesson/CTypicalPanel.h"
#include "ui/CShockwaveFlash.h"

#include <QPainter>

namespace {

std::string Hex(const QByteArray& bytes) {
    return "X'" + bytes.toHex().toUpper().toStdString() + "'";
}

// A note picture with a line of text on it, as the content's note bitmaps look.
std::string NotePicture(const QString& text, int height) {
    QImage image(400, height, QImage::Format_RGB32);
    image.fill(QColor(255, 252, 240));
    QPainter painter(&image);
    painter.setPen(QColor(40, 60, 120));
    painter.drawRect(0, 0, 399, height - 1);
    painter.drawText(QRect(10, 10, 380, height - 20), Qt::TextWordWrap, text);
    painter.end();
    const std::vector<unsigned char> bmp = fixtures::BmpBytes(image);
    return Hex(QByteArray(reinterpret_cast<const char*>(bmp.data()), static_cast<int>(bmp.size())));
}

class PaneScreenshotTest : public LessonPaneTest {
protected:
    void Save(QWidget& widget, const char* name) {
        const QString path = QString(TESSALYNE_LESSON_OUTPUT_DIR) + "/" + name;
        ASSERT_TRUE(widget.grab().save(path)) << path.toStdString();
    }
};

TEST_F(PaneScreenshotTest, WritesPicturesOfThePanes) {
    ExecLesson("UPDATE tbl_sentence_explain_en SET titleexplain = 'Wang', title = '我', titlepinyin = 'wǒ' "
               "WHERE id = 'S010101'");
    m_window.resize(960, 640);
    CSentencePanel panel(m_content, &m_window);
    panel.SetFrame(QRect(0, 0, 450, 425));
    panel.SetLesson(1, fixtures::FixtureIds::kChildLesson);
    panel.SetLessonData();
    Save(panel, "sentence_panel_translations_on.png");
    panel.ShowAllTranslations(false);
    panel.Relayout(true);
    Save(panel, "sentence_panel_translations_off.png");

    CNewWordPane words(m_content, &m_window);
    words.resize(420, 500);
    words.LoadWords(1);
    Save(words, "new_words.png");

    ExecLesson("UPDATE tbl_sentence_notes_en SET notesimg = " +
               NotePicture("Note 1: 你好 is the everyday greeting.", 120) + " WHERE id = 'NT0101'");
    ExecLesson("INSERT INTO tbl_lesson_langpoint_en (lesssonid, langpointimg) VALUES (1, " +
               NotePicture("Language point: 是 links a subject to what it is.", 200) + ")");
    CNotesPane notes(m_content, &m_window);
    notes.setGeometry(0, 0, 420, 500);
    notes.LoadNotes(1);
    Save(notes, "notes.png");
    CNotePage point(m_content, &m_window);
    point.setGeometry(0, 0, 420, 500);
    point.SetLessonNumber(1);
    point.ShowPage(true, "");
    Save(point, "language_point.png");

    CTypicalPanel typical(m_content, &m_window);
    typical.SetFrame(QRect(0, 0, 420, 500));
    typical.Fill(1);
    Save(typical, "typical_sentences.png");
    CTypicalDialog detail(m_content, &m_window);
    detail.SetPlayer([](const std::string&) {});
    detail.ShowTypical(fixtures::FixtureIds::kTypical);
    detail.OnMeaningLineClicked(0);
    Save(detail, "typical_detail.png");

    const std::string gif = fixtures::MakeAnimatedGif(120, 90, 4);
    ExecLesson("UPDATE tbl_lesson_childlesson SET scene = " + Hex(QByteArray::fromStdString(gif)) +
               " WHERE id = 'CL0101'");
    CScenePane scene(m_content, &m_window);
    scene.resize(420, 300);
    scene.LoadScene(fixtures::FixtureIds::kChildLesson);
    scene.Movie()->Play();
    EXPECT_TRUE(scene.Movie()->IsPlaying());
    Save(scene, "scene.png");
}

} // namespace
