#include "LessonWindowTestFolder.h"

#include "app/CProfile.h"
#include "app/ContentPath.h"
#include "app/FileUtils.h"
#include "app/Globals.h"
#include "app/UserNotice.h"
#include "fixtures/FixtureDatabases.h"
#include "fixtures/FixturePictures.h"
#include "lesson/LessonSettings.h"
#include "lesson/LessonWindowServices.h"

#include <QAbstractButton>
#include <QApplication>
#include <QTimer>
#include <cstdlib>
#include <sqlite3.h>

void WindowTest::SetUp() {
    std::string error;
    ASSERT_TRUE(fixtures::BuildProgramFolder(m_folder.Path(), error)) << error;
    // The words of the text are drawn from the character pictures.
    ASSERT_TRUE(fixtures::AddWordPictures(m_folder / "db/word.dll", error)) << error;
    OverrideProgramFolder(m_folder.Path());
    setenv("XDG_CONFIG_HOME", m_config.Path().c_str(), 1);
    g_profile.SetRegistryKey("Tessalyne", "tessalyne");
    ASSERT_TRUE(m_db.Open("Data Source=" + (m_folder / "db/lesson.dll")));
    g_pLessonDb = &m_db;
    ASSERT_TRUE(m_wordDb.Open("Data Source=" + (m_folder / "db/word.dll")));
    g_pWordDb = &m_wordDb;
    g_strLangSuffix = "en";
    g_strUserId.clear();
    g_strTempLessonDir = m_folder / "templesson";
    MakeDirectoryPath(g_strTempLessonDir);
    g_bShowTranslations = true;
    m_settings = "[Lesson]\nbtnReadText=Read the text aloud\nbtnExercise=Exercises\nbtnPinYin=Spelling\n"
                 "btnClose=http://www.example.org\n[lesson]\niWordR=10\niWordG=20\niWordB=30\n"
                 "iSentenceDis=12\niHangDis=4\n";
    AddSettings("");
}

void WindowTest::TearDown() {
    CancelModalAnswers();
    g_pLessonDb = nullptr;
    g_pWordDb = nullptr;
    g_strUserId.clear();
    g_lessonSettings = LessonSettings();
    OverrideProgramFolder("");
    SetUserNotice(nullptr);
}

void WindowTest::AddSettings(const std::string& text) {
    m_settings += text;
    ASSERT_TRUE(WriteTextFile(SettingsPath(), m_settings));
    g_lessonSettings.Load(GetProgramFolder() + "Lesson_res\\lessonres_en.ini");
}

std::string WindowTest::SettingsFileText() const {
    return ReadWholeFile(SettingsPath()).value_or("");
}

void WindowTest::Sql(const std::string& statement) {
    sqlite3* raw = nullptr;
    ASSERT_EQ(sqlite3_open((m_folder / "db/lesson.dll").c_str(), &raw), SQLITE_OK);
    char* message = nullptr;
    EXPECT_EQ(sqlite3_exec(raw, statement.c_str(), nullptr, nullptr, &message), SQLITE_OK)
        << (message ? message : "");
    sqlite3_free(message);
    sqlite3_close(raw);
}

void WindowTest::AddUser(const std::string& id, const std::string& name, const std::string& password) {
    Sql("INSERT INTO tbl_user_main (id, username, password22) VALUES ('" + id + "', '" + name + "', '" +
        password + "')");
}

void WindowTest::SetScore(const std::string& userId, int lesson, int score) {
    Sql("INSERT OR REPLACE INTO tbl_user_lesson (id, lessonindex, score) VALUES ('" + userId + "', " +
        std::to_string(lesson) + ", " + std::to_string(score) + ")");
}

namespace {
// Parent of the answering timers, so that a test's unused answers end with the test.
QObject& ModalAnswers() {
    static QObject owner;
    return owner;
}
} // namespace

void CancelModalAnswers() {
    qDeleteAll(ModalAnswers().children());
}

void WhenModalOpens(std::function<void(QWidget*)> action) {
    QWidget* before = QApplication::activeModalWidget();
    auto* timer = new QTimer(&ModalAnswers());
    timer->setInterval(0);
    QObject::connect(timer, &QTimer::timeout, [timer, before, action] {
        QWidget* now = QApplication::activeModalWidget();
        if (!now || now == before)
            return;
        timer->stop();
        timer->deleteLater();
        action(now);
    });
    timer->start();
}

void ClickControl(QWidget* window, int id) {
    auto* button = window->findChild<QAbstractButton*>(QString::number(id));
    ASSERT_NE(button, nullptr) << "no control " << id;
    button->click();
}
