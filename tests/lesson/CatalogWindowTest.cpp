#include "LessonWindowTestFolder.h"

#include "app/CProfile.h"
#include "app/FileUtils.h"
#include "app/Globals.h"
#include "app/UserNotice.h"
#include "fixtures/FileSizeLimit.h"
#include "lesson/CLessonCatalogDlg.h"
#include "lesson/CSystemSettingDlg.h"
#include "lesson/CTipDlg.h"
#include "lesson/CUser.h"
#include "lesson/LessonSettings.h"
#include "lesson/UserAccounts.h"
#include "ui/BitmapButton.h"
#include "ui/CColourPicker.h"
#include "ui/SkinLayout.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QKeyEvent>
#include <QLineEdit>
#include <QSpinBox>
#include <QTimer>
#include <vector>

namespace {

// The catalogue with the lesson window replaced by a record of the lessons opened.
class RecordingCatalog : public CLessonCatalogDlg {
public:
    RecordingCatalog(LessonContentService& content, LearnerService& learners)
        : CLessonCatalogDlg("English", content, learners) {}
    std::vector<int> m_opened;
    // What happens while the lesson window is open (a companion program keeping a score).
    std::function<void(int)> m_whileOpen;

protected:
    void RunLessonWindow(int lesson) override {
        m_opened.push_back(lesson);
        if (m_whileOpen)
            m_whileOpen(lesson);
    }
};

// Fills the login dialog and presses OK; `then` answers what opens next.
void LogIn(const std::string& name, const std::string& password, std::function<void(QWidget*)> then = {}) {
    WhenModalOpens([=](QWidget* login) {
        login->findChild<QComboBox*>(QStringLiteral("1035"))->setEditText(QString::fromStdString(name));
        login->findChild<QLineEdit*>(QStringLiteral("1008"))->setText(QString::fromStdString(password));
        if (then)
            WhenModalOpens(then);
        ClickControl(login, 1);
    });
}

std::string TipText(QWidget* tip) {
    if (auto* message = dynamic_cast<CTipDlg*>(tip))
        return message->m_strText.toStdString();
    return {};
}

using CatalogTest = WindowTest;

TEST_F(CatalogTest, CancellingTheLoginSavesTheSettingsUnderSectionZeroAndEnds) {
    RecordingCatalog catalog(m_content, m_learners);
    WhenModalOpens([](QWidget* login) {
        EXPECT_EQ(login->findChild<QComboBox*>(QStringLiteral("1035"))->currentText(),
                  QStringLiteral("Tessaly"));
        ClickControl(login, 2);
    });
    catalog.Login();
    EXPECT_EQ(g_strUserId, "0");
    EXPECT_EQ(catalog.result(), QDialog::Rejected);
    const std::string saved = SettingsFileText();
    EXPECT_NE(saved.find("[0]"), std::string::npos) << saved;
    EXPECT_NE(saved.find("iWordG=20"), std::string::npos) << saved;
    EXPECT_TRUE(catalog.m_opened.empty());
}

TEST_F(CatalogTest, LoginReadsTheUsersOwnSettingsAndProgress) {
    AddUser("U1", "Li", "pw");
    SetScore("U1", 1, 60);
    SetScore("U1", 2, 59);
    SetScore("U1", 3, 0);
    AddSettings("[U1]\niHangDis=8\nTip=0\n");
    RecordingCatalog catalog(m_content, m_learners);
    LogIn("li", "pw");
    catalog.Login();
    EXPECT_EQ(g_strUserId, "U1");
    EXPECT_EQ(catalog.UserId(), "U1");
    EXPECT_EQ(catalog.LessonState(1), catalog::kFinished);
    EXPECT_EQ(catalog.LessonState(2), catalog::kStarted);
    EXPECT_EQ(catalog.LessonState(3), catalog::kNotStarted);
    EXPECT_EQ(catalog.LessonState(4), catalog::kNotStarted);
    EXPECT_EQ(g_lessonSettings.m_effective.lineDistance, 8);
    EXPECT_EQ(g_lessonSettings.m_effective.sentenceDistance, 12);
    EXPECT_EQ(g_profile.GetProfileString("lesson", "Lastuser"), "li");
}

TEST_F(CatalogTest, ComingBackFromALessonShowsItsNewStateAndEachButtonNamesItsLesson) {
    AddUser("U1", "Li", "pw");
    AddSettings("[U1]\nTip=0\n");
    RecordingCatalog catalog(m_content, m_learners);
    LogIn("Li", "pw");
    catalog.Login();
    EXPECT_EQ(catalog.findChild<BitmapButton*>(QStringLiteral("1104"))->TooltipText(),
              QStringLiteral("1. Hello!"));
    catalog.EnterLesson(2);
    EXPECT_EQ(catalog.LessonState(2), catalog::kStarted) << "an opened lesson is started";
    catalog.m_whileOpen = [this](int lesson) { SetScore("U1", lesson, 80); };
    catalog.EnterLesson(1);
    EXPECT_EQ(catalog.LessonState(1), catalog::kFinished) << "the score kept meanwhile shows at once";
}

TEST_F(CatalogTest, WithTheResumePromptOffLoggingInNeverOpensALesson) {
    AddUser("U1", "Li", "pw");
    AddSettings("[U1]\nTip=0\n");
    g_profile.WriteProfileInt("lesson", "U1", 4);
    RecordingCatalog catalog(m_content, m_learners);
    LogIn("Li", "pw", [](QWidget* unexpected) {
        ADD_FAILURE() << "a question opened: " << unexpected->objectName().toStdString();
        ClickControl(unexpected, 1);
    });
    catalog.Login();
    EXPECT_TRUE(catalog.m_opened.empty());
}

TEST_F(CatalogTest, TheFinishedLessonIsReopenedOnNoAndTheStartedOneOnYes) {
    AddUser("U1", "Li", "pw");
    SetScore("U1", 3, 75);
    g_profile.WriteProfileInt("lesson", "U1", 3);
    {
        RecordingCatalog catalog(m_content, m_learners);
        std::string asked;
        LogIn("Li", "pw", [&](QWidget* question) {
            asked = question->findChild<QWidget*>(QStringLiteral("1109")) ? "usertip" : "";
            ClickControl(question, 2);
        });
        catalog.Login();
        EXPECT_EQ(asked, "usertip");
        EXPECT_EQ(catalog.m_opened, std::vector<int>{3});
    }
    {
        RecordingCatalog catalog(m_content, m_learners);
        LogIn("Li", "pw", [](QWidget* question) { ClickControl(question, 1); });
        catalog.Login();
        EXPECT_TRUE(catalog.m_opened.empty());
    }
    SetScore("U1", 3, 20);
    {
        RecordingCatalog catalog(m_content, m_learners);
        LogIn("Li", "pw", [](QWidget* question) {
            // The check box goes back into the settings when the question closes.
            question->findChild<QCheckBox*>(QStringLiteral("1109"))->setChecked(false);
            ClickControl(question, 1);
        });
        catalog.Login();
        EXPECT_EQ(catalog.m_opened, std::vector<int>{3});
        EXPECT_FALSE(g_lessonSettings.m_resumePrompt);
    }
}

TEST_F(CatalogTest, TheLastLessonIsRememberedPerUser) {
    RecordingCatalog catalog(m_content, m_learners);
    g_strUserId = "U1";
    catalog.EnterLesson(5);
    g_strUserId = "U2";
    catalog.EnterLesson(7);
    EXPECT_EQ(catalog.m_opened, (std::vector<int>{5, 7}));
    EXPECT_EQ(g_profile.GetProfileInt("lesson", "U1", 0), 5);
    EXPECT_EQ(g_profile.GetProfileInt("lesson", "U2", 0), 7);
}

TEST_F(CatalogTest, ANewUserWithAQuoteIsCreatedAndStoredIntact) {
    RecordingCatalog catalog(m_content, m_learners);
    std::string question;
    LogIn("O'Brien", "it's me", [&](QWidget* tip) {
        question = TipText(tip);
        ClickControl(tip, 1);
    });
    catalog.Login();
    EXPECT_EQ(question, "O'Brien doesn't exist. Do you want to add this user?");
    ASSERT_FALSE(catalog.UserId().empty());
    const accounts::LoginResult again = accounts::CheckLogin(&m_db, "O'Brien", "it's me");
    EXPECT_EQ(again.outcome, accounts::LoginOutcome::LoggedIn);
    EXPECT_EQ(again.userId, catalog.UserId());
    std::vector<std::string> names;
    std::string failed;
    ASSERT_TRUE(accounts::UserNames(&m_db, names, failed));
    EXPECT_EQ(names, std::vector<std::string>{"O'Brien"});
}

TEST_F(CatalogTest, AUserThatCannotBeCreatedIsToldWithTheWholeReason) {
    std::string id, error;
    ASSERT_FALSE(accounts::CreateUser(nullptr, "Mia", "pw", id, error));
    const QString text = QString::fromStdString(error);
    bool checked = false;
    WhenModalOpens([&](QWidget* tip) {
        // The whole wrapped text fits above the button and inside the window.
        const QRect wrapped = tip->fontMetrics().boundingRect(
            QRect(skinlayout::tip::kText.topLeft(), QSize(skinlayout::tip::kText.width(), 100000)),
            Qt::TextWordWrap, text);
        auto* ok = tip->findChild<QWidget*>(QStringLiteral("2"));
        EXPECT_LT(wrapped.bottom(), ok->y());
        EXPECT_LE(ok->geometry().bottom(), tip->height());
        EXPECT_TRUE(tip->mask().isEmpty() || tip->mask().contains(ok->geometry()));
        // The message is painted white: its last line shows below the skin's own text area.
        const QImage shown = tip->grab().toImage();
        shown.save(QStringLiteral(TESSALYNE_LESSON_OUTPUT_DIR "/tip_long_message.png"));
        int whiteBelow = 0;
        for (int y = skinlayout::tip::kText.bottom() + 1; y <= wrapped.bottom(); ++y)
            for (int x = wrapped.left(); x <= wrapped.right(); ++x)
                whiteBelow += shown.pixel(x, y) == qRgb(255, 255, 255) ? 1 : 0;
        EXPECT_GT(whiteBelow, 0) << "the end of the message is cut off";
        checked = true;
        ClickControl(tip, 2);
    });
    CTipDlg::Run(nullptr, text, true);
    EXPECT_TRUE(checked);
}

TEST_F(CatalogTest, LoginRejectsBlankNamesAndPasswordsDifferingInCase) {
    AddUser("A1", "Tom", "Pw");
    AddUser("A2", "TOM", "other");
    AddUser("A3", "tom", "Pw");
    CUser login(m_learners);
    login.m_strUser = "Tom";
    // One timer answers the notices (they open inside the login's OK handler), one types.
    std::vector<std::string> notices;
    QTimer answerer;
    answerer.setInterval(0);
    QObject::connect(&answerer, &QTimer::timeout, [&] {
        if (auto* tip = dynamic_cast<CTipDlg*>(QApplication::activeModalWidget())) {
            notices.push_back(TipText(tip));
            EXPECT_FALSE(tip->findChild<QWidget*>(QStringLiteral("1"))->isVisibleTo(tip));
            ClickControl(tip, 2);
        }
    });
    const std::vector<std::pair<QString, QString>> attempts = {{QString(), QStringLiteral("Pw")},
                                                               {QStringLiteral("tom"), QStringLiteral("pw")},
                                                               {QStringLiteral("TOM"), QStringLiteral("Pw")}};
    size_t attempt = 0;
    QTimer typist;
    typist.setInterval(0);
    QObject::connect(&typist, &QTimer::timeout, [&] {
        if (QApplication::activeModalWidget() != &login || attempt >= attempts.size())
            return;
        auto* name = login.findChild<QComboBox*>(QStringLiteral("1035"));
        EXPECT_EQ(name->count(), 3);
        name->setEditText(attempts[attempt].first);
        login.findChild<QLineEdit*>(QStringLiteral("1008"))->setText(attempts[attempt].second);
        ++attempt;
        ClickControl(&login, 1);
    });
    answerer.start();
    typist.start();
    EXPECT_EQ(login.exec(), QDialog::Accepted);
    EXPECT_EQ(notices, (std::vector<std::string>{"Username can't be blank!", "Password error!"}));
    EXPECT_EQ(login.m_strUser, "TOM");
    EXPECT_EQ(login.m_strUserId, "A3"); // the last row whose password matches
}

TEST_F(CatalogTest, SettingsDialogKeepsEditsOnCancelAndRestoresDefaults) {
    g_lessonSettings.m_effective.lineDistance = 9;
    {
        CSystemSettingDlg settings;
        EXPECT_EQ(settings.findChild<QSpinBox*>(QStringLiteral("1117"))->value(), 9);
        EXPECT_EQ(settings.findChild<CColourPicker*>(QStringLiteral("1111"))->Colour(), QColor(10, 20, 30));
        settings.findChild<CColourPicker*>(QStringLiteral("1115"))->SetColour(QColor(200, 100, 50));
        settings.findChild<QSpinBox*>(QStringLiteral("1116"))->setValue(33);
        settings.findChild<QCheckBox*>(QStringLiteral("1109"))->setChecked(false);
        auto* textSize = settings.findChild<QComboBox*>(QStringLiteral("1119"));
        ASSERT_EQ(textSize->count(), 3);
        EXPECT_EQ(textSize->currentData().toInt(), 100);
        textSize->setCurrentIndex(textSize->findData(200));
        ClickControl(&settings, 2);
    }
    const DisplaySettings& d = g_lessonSettings.m_effective;
    EXPECT_EQ(d.MeaningColor(), QColor(200, 100, 50));
    EXPECT_EQ(d.sentenceDistance, 33);
    EXPECT_EQ(d.chineseTextSize, 200);
    EXPECT_FALSE(g_lessonSettings.m_resumePrompt);
    {
        CSystemSettingDlg settings;
        ClickControl(&settings, 1118);
        EXPECT_EQ(settings.findChild<QSpinBox*>(QStringLiteral("1116"))->value(), 12);
        EXPECT_TRUE(settings.findChild<QCheckBox*>(QStringLiteral("1109"))->isChecked());
        ClickControl(&settings, 1);
    }
    EXPECT_EQ(d.MeaningColor(), QColor(0, 0, 0));
    EXPECT_EQ(d.sentenceDistance, 12);
    EXPECT_EQ(d.lineDistance, 4);
    EXPECT_EQ(d.chineseTextSize, 100);
    EXPECT_TRUE(g_lessonSettings.m_resumePrompt);
}

// Confirmed settings are in the file at once; a save that fails is told once, with its reason.
TEST_F(CatalogTest, ConfirmedSettingsAreSavedAtOnceAndAFailedSaveIsToldOnce) {
    g_strUserId = "U4";
    {
        CSystemSettingDlg settings;
        settings.findChild<QSpinBox*>(QStringLiteral("1116"))->setValue(44);
        ClickControl(&settings, 1);
    }
    const std::string saved = SettingsFileText();
    const size_t section = saved.find("[U4]");
    ASSERT_NE(section, std::string::npos) << saved;
    EXPECT_NE(saved.find("iSentenceDis=44", section), std::string::npos) << saved;

    struct Recorded final : UserNotice {
        void Show(Kind, const std::string& title, const std::string& text) override {
            shown.push_back(title + "|" + text);
        }
        bool Ask(const std::string&, const std::string&) override { return false; }
        std::vector<std::string> shown;
    } notices;
    UserNotice* previous = SetUserNotice(&notices);
    {
        fixtures::FileSizeLimit fullDisk(16);
        for (int value : {45, 46}) {
            CSystemSettingDlg settings;
            settings.findChild<QSpinBox*>(QStringLiteral("1116"))->setValue(value);
            ClickControl(&settings, 1);
        }
    }
    SetUserNotice(previous);
    ASSERT_EQ(notices.shown.size(), 1u);
    EXPECT_EQ(notices.shown[0].rfind("Display settings|Your display settings could not be saved", 0), 0u)
        << notices.shown[0];
    EXPECT_NE(notices.shown[0].find("File too large"), std::string::npos) << notices.shown[0];
    EXPECT_EQ(SettingsFileText(), saved);
}

// Answers every question with a fixed answer and keeps what was asked.
class AnsweringNotice final : public UserNotice {
public:
    explicit AnsweringNotice(bool answer) : m_answer(answer) {}
    void Show(Kind, const std::string&, const std::string& text) override { m_asked.push_back(text); }
    bool Ask(const std::string& title, const std::string& text) override {
        m_asked.push_back(title + "|" + text);
        return m_answer;
    }
    bool m_answer;
    std::vector<std::string> m_asked;
};

TEST_F(CatalogTest, ChangingTheLanguageAsksFirstThenWritesItAndReloadsTheLessons) {
    RecordingCatalog catalog(m_content, m_learners);
    auto* languages = catalog.findChild<QComboBox*>(QStringLiteral("1076"));
    ASSERT_EQ(languages->count(), 2);
    EXPECT_EQ(languages->currentText(), QStringLiteral("English"));

    AnsweringNotice no(false);
    SetUserNotice(&no);
    languages->setCurrentIndex(1);
    emit languages->activated(1);
    EXPECT_EQ(no.m_asked,
              std::vector<std::string>{"Tessalyne Lessons|Change the interface language to Français?"});
    EXPECT_EQ(g_strLangSuffix, "en");
    EXPECT_EQ(languages->currentText(), QStringLiteral("English"));
    EXPECT_FALSE(FileExists(m_folder / "TSSet.ini"));

    ASSERT_TRUE(
        WriteTextFile(m_folder / "Lesson_res/lessonres_fr.ini",
                      "[Lesson]\nbtnReadText=Lire tout le texte\nItem_ReadSentence=Lire la phrase\n"));
    const QImage englishExit = catalog.findChild<BitmapButton*>(QStringLiteral("2"))->grab().toImage();
    AnsweringNotice yes(true);
    SetUserNotice(&yes);
    languages->setCurrentIndex(1);
    emit languages->activated(1);
    EXPECT_EQ(g_strLangSuffix, "fr");
    // Texts, menus and the settings file are the new language's at once.
    EXPECT_EQ(g_lessonSettings.Path(), LessonSettings::PathFor("fr"));
    EXPECT_EQ(g_lessonSettings.Text(LessonText::btnReadText), "Lire tout le texte");
    EXPECT_EQ(g_lessonSettings.QTextOr(LessonText::Item_ReadSentence, "Read the Sentence"),
              QStringLiteral("Lire la phrase"));
    // The buttons' pictures too: "Exit" is now "Quitter".
    EXPECT_NE(catalog.findChild<BitmapButton*>(QStringLiteral("2"))->grab().toImage(), englishExit);
    EXPECT_EQ(languages->currentText(), QStringLiteral("Français"));
    // The choice is the learner's: it goes to the user's own TSSet.ini, never the program folder's.
    EXPECT_FALSE(FileExists(m_folder / "TSSet.ini"));
    const std::string written = ReadWholeFile(m_config / "Tessalyne/TSSet.ini").value_or("");
    EXPECT_NE(written.find("LangID=1036"), std::string::npos) << written;
    EXPECT_NE(written.find("LessonTitle="), std::string::npos) << written;
    EXPECT_EQ(catalog.LessonIds(), std::vector<int>{1});
}

TEST_F(CatalogTest, InformationPagesFollowTheWebAddressAndExitSavesTheUsersSection) {
    RecordingCatalog catalog(m_content, m_learners);
    std::vector<std::string> pages;
    const auto close = [&](QWidget* page) {
        pages.push_back(page->objectName().toStdString());
        ClickControl(page, 2);
    };
    WhenModalOpens(close);
    ClickControl(&catalog, 5);
    WhenModalOpens(close);
    ClickControl(&catalog, 57670); // no help.chm beside the program
    const std::string other = "btnClose=http://www.example.org";
    m_settings.replace(m_settings.find(other), other.size(), "btnClose=http://www.tessalyne.example");
    AddSettings("");
    WhenModalOpens(close);
    ClickControl(&catalog, 5);
    EXPECT_EQ(pages, (std::vector<std::string>{"339", "341", "293"}));

    g_strUserId = "U9";
    g_lessonSettings.m_effective.lineDistance = 6;
    ClickControl(&catalog, 2);
    EXPECT_EQ(catalog.result(), QDialog::Rejected);
    const std::string saved = SettingsFileText();
    const size_t section = saved.find("[U9]");
    ASSERT_NE(section, std::string::npos) << saved;
    EXPECT_NE(saved.find("iHangDis=6", section), std::string::npos) << saved;
}

TEST_F(CatalogTest, TheWebsiteButtonShowsOnlyWhenTheTextsGiveAnAddress) {
    {
        RecordingCatalog catalog(m_content, m_learners);
        EXPECT_FALSE(catalog.findChild<BitmapButton*>(QStringLiteral("6"))->isHidden());
    }
    const std::string address = "btnClose=http://www.example.org";
    m_settings.replace(m_settings.find(address), address.size(), "btnClose=");
    AddSettings("");
    RecordingCatalog catalog(m_content, m_learners);
    EXPECT_TRUE(catalog.findChild<BitmapButton*>(QStringLiteral("6"))->isHidden());
}

TEST_F(CatalogTest, EnterAndEscapeDoNotCloseTheCatalogue) {
    RecordingCatalog catalog(m_content, m_learners);
    catalog.show();
    QKeyEvent escape(QEvent::KeyPress, Qt::Key_Escape, Qt::NoModifier);
    QKeyEvent enter(QEvent::KeyPress, Qt::Key_Return, Qt::NoModifier);
    QCoreApplication::sendEvent(&catalog, &escape);
    QCoreApplication::sendEvent(&catalog, &enter);
    EXPECT_TRUE(catalog.isVisible());
    catalog.hide();
}

} // namespace
