#include "lesson/CLessonCatalogDlg.h"

#include "app/CIniFile.h"
#include "app/CLog.h"
#include "app/CProfile.h"
#include "app/ContentPath.h"
#include "app/FileUtils.h"
#include "app/FillLanguageList.h"
#include "app/Globals.h"
#include "app/LanguageRecord.h"
#include "app/UserFolders.h"
#include "app/UserNotice.h"
#include "audio/AudioMessages.h"
#include "audio/CSoundPlayer.h"
#include "audio/ConvertMp3ToWav.h"
#include "lesson/CHelpWindow.h"
#include "lesson/CInfoPictureDlg.h"
#include "lesson/CLessonWindow.h"
#include "lesson/CSystemSettingDlg.h"
#include "lesson/CUser.h"
#include "lesson/CUserTipDlg.h"
#include "lesson/DialogControls.h"
#include "lesson/LearnerService.h"
#include "lesson/LessonContentService.h"
#include "lesson/LessonSettings.h"
#include "render/BmpReader.h"
#include "ui/ArtworkIds.h"
#include "ui/BitmapButton.h"
#include "ui/ResourceImages.h"
#include "ui/SkinLayout.h"

#include <QCloseEvent>
#include <QComboBox>
#include <QDesktopServices>
#include <QFontDatabase>
#include <QKeyEvent>
#include <QLabel>
#include <QProcess>
#include <QTimer>
#include <QUrl>
#include <exception>

using namespace skinlayout::catalog;

const char* const CLessonCatalogDlg::kVendorWebAddress = "http://www.tessalyne.example";

namespace {

// Control ids of the lesson buttons 1 to 35, in lesson order.
constexpr int kLessonButtonIds[catalog::kLessonCount] = {1104, 1067, 1070, 1073, 1077, 1080, 1083, 1086, 1089,
                                                         1092, 1095, 1062, 1065, 1068, 1071, 1074, 1078, 1081,
                                                         1084, 1087, 1090, 1093, 1096, 1063, 1066, 1069, 1072,
                                                         1075, 1079, 1082, 1085, 1088, 1091, 1094, 1097};

const char* const kProfileSection = "lesson";
// The window's skin; its heading, guide and legend are drawn in each interface language.
const char* const kSkinFile = "skins\\lesson\\Login.bmp";

} // namespace

CLessonCatalogDlg::CLessonCatalogDlg(const std::string& languageName, LessonContentService& content,
                                     LearnerService& learners, QWidget* parent)
    : SkinDialog(kSize, parent), m_content(content), m_learners(learners) {
    setObjectName(QStringLiteral("102"));
    setWindowTitle(QStringLiteral("Tessalyne Lessons"));
    setWindowIcon(QIcon(QPixmap::fromImage(LoadBitmapResource(artwork::kAppIcon))));
    setMouseTracking(true);
    const std::string font = ResolveContentPath(GetProgramFolder() + "simfang.ttf");
    if (FileExists(font))
        QFontDatabase::addApplicationFont(QString::fromStdString(font));
    InitSkin(GetProgramFolder() + kSkinFile);

    auto* go = dialogs::AddButton(this, 1, QRect(0, 0, 98, 44), artwork::kGoHover, artwork::kGoNormal,
                                  QStringLiteral("Go to the selected lesson"));
    go->hide();
    connect(go, &QPushButton::clicked, this, &QDialog::accept);
    m_titleList = new QComboBox(this);
    m_titleList->setObjectName(QStringLiteral("1035"));
    m_titleList->setCursor(LoadCursorResource(artwork::kHandCursor).value_or(QCursor()));
    m_titleList->hide();
    CreateLanguageList(languageName);
    CreateLessonButtons();
    // How many words the trainer has due, on the corner of its button.
    m_wordsDue = new QLabel(this);
    m_wordsDue->setObjectName(QStringLiteral("1061due"));
    m_wordsDue->setGeometry(QRect(CommandButton(0).topRight() - QPoint(22, 10), QSize(30, 22)));
    m_wordsDue->setAlignment(Qt::AlignCenter);
    m_wordsDue->setStyleSheet(QStringLiteral("QLabel { background: #d9694f; color: white; border-radius: "
                                             "11px; font-weight: bold; font-size: 12px; }"));
    m_wordsDue->setAttribute(Qt::WA_TransparentForMouseEvents);
    m_wordsDue->hide();
    LoadLessons(0);
    CreateCommandButtons();
    ShowWebsiteButton();

    m_rcExplain = kExplain;
    m_explainPicture = new QLabel(this);
    m_explainPicture->setObjectName(QStringLiteral("1105"));
    m_explainPicture->setGeometry(m_rcExplain);
    m_explainPicture->setAttribute(Qt::WA_TransparentForMouseEvents);
    m_explainPicture->hide();
    LoadGuidePicture();
}

void CLessonCatalogDlg::LoadGuidePicture() {
    m_explainPicture->setPixmap(
        QPixmap::fromImage(LoadPictureFile(ResolveContentPath(dialogs::LessonResFile("english_exp.bmp")))));
}

void CLessonCatalogDlg::ShowInterfaceLanguage() {
    // The skin, the guide and every button face have words drawn in the interface language; the
    // buttons load their faces as they paint.
    InitSkin(GetProgramFolder() + kSkinFile);
    LoadGuidePicture();
    ShowWebsiteButton();
    for (BitmapButton* button : findChildren<BitmapButton*>())
        button->update();
    update();
}

void CLessonCatalogDlg::ShowWebsiteButton() {
    // The address comes with the interface texts; an installation without one has no button.
    if (auto* website = findChild<BitmapButton*>(QStringLiteral("6")))
        website->setVisible(!g_lessonSettings.Text(LessonText::btnClose).empty());
}

void CLessonCatalogDlg::CreateLessonButtons() {
    for (int lesson = 1; lesson <= catalog::kLessonCount; ++lesson) {
        BitmapButton* button = dialogs::AddButton(this, kLessonButtonIds[lesson - 1], LessonButton(lesson),
                                                  artwork::LessonFaceId(lesson, catalog::kNotStarted, true),
                                                  artwork::LessonFaceId(lesson, catalog::kNotStarted, false));
        connect(button, &QPushButton::clicked, this, [this, lesson] { EnterLesson(lesson); });
        m_lessonButtons[static_cast<size_t>(lesson)] = button;
    }
}

void CLessonCatalogDlg::CreateCommandButtons() {
    struct Command {
        int id, hover, normal;
        void (CLessonCatalogDlg::*handler)();
        const char* tooltip;
    };
    const Command commands[kCommandCount] = {
        {1061, artwork::kWordTrainerHover, artwork::kWordTrainerNormal, &CLessonCatalogDlg::StartWordTrainer,
         "New-word trainer"},
        {4, artwork::kSettingsHover, artwork::kSettingsNormal, &CLessonCatalogDlg::OnSettings, "Settings"},
        {5, artwork::kAboutHover, artwork::kAboutNormal, nullptr, "About"},
        {6, artwork::kWebsiteHover, artwork::kWebsiteNormal, &CLessonCatalogDlg::OnWebAddress, "Web site"},
        {57670, artwork::kHelpHover, artwork::kHelpNormal, &CLessonCatalogDlg::OnHelp, "Help"},
        {2, artwork::kExitHover, artwork::kExitNormal, &CLessonCatalogDlg::ExitPath, "Exit"},
    };
    for (int i = 0; i < kCommandCount; ++i) {
        const Command& c = commands[i];
        BitmapButton* button = dialogs::AddButton(this, c.id, CommandButton(i), c.hover, c.normal,
                                                  QString::fromLatin1(c.tooltip));
        if (c.handler)
            connect(button, &QPushButton::clicked, this, c.handler);
        else
            connect(button, &QPushButton::clicked, this, [this] { ShowInformation(293, 339); });
    }
}

void CLessonCatalogDlg::CreateLanguageList(const std::string& languageName) {
    m_languageList = new QComboBox(this);
    m_languageList->setObjectName(QStringLiteral("1076"));
    // The learner changes the interface language here, at the right of the window's header.
    m_languageList->setGeometry(kSize.width() - 200, 34, 170, 28);
    m_languageList->setStyleSheet(
        QStringLiteral("QComboBox { color: black; background: %1; }").arg(g_clrListBk.name()));
    FillLanguageList(GetProgramFolder() + "LangType.ini", m_languageList, kLangString);
    m_languageList->setCurrentText(QString::fromStdString(languageName));
    connect(m_languageList, &QComboBox::activated, this, &CLessonCatalogDlg::OnLanguageChosen);
}

void CLessonCatalogDlg::LoadLessons(int only) {
    catalog::LessonList list;
    m_content.ReadLessonList(list);
    m_titleList->clear();
    for (const std::string& title : list.titles)
        m_titleList->addItem(QString::fromStdString(title));
    m_lessonIds = list.ids;
    ShowLessonTitles(list);
    m_learners.LoadLessonStates(g_strUserId, m_lessonState, only);
    ShowWordsDue();
    for (int lesson = 1; lesson <= catalog::kLessonCount; ++lesson)
        if (only == 0 || only == lesson)
            ShowLessonFace(lesson);
}

void CLessonCatalogDlg::ShowLessonTitles(const catalog::LessonList& list) {
    for (size_t i = 0; i < list.ids.size(); ++i) {
        const int lesson = list.ids[i];
        if (lesson >= 1 && lesson <= catalog::kLessonCount)
            m_lessonButtons[static_cast<size_t>(lesson)]->SetTooltipText(
                QStringLiteral("%1. %2").arg(lesson).arg(QString::fromStdString(list.titles[i])));
    }
}

void CLessonCatalogDlg::ShowLessonFace(int lesson) {
    const int state = m_lessonState[static_cast<size_t>(lesson)];
    BitmapButton* button = m_lessonButtons[static_cast<size_t>(lesson)];
    constexpr QRgb kRed = 0xFFFF0000;
    button->SetBitmaps(artwork::LessonFaceId(lesson, state, true), kRed,
                       artwork::LessonFaceId(lesson, state, false), kRed);
    button->update();
}

void CLessonCatalogDlg::paintEvent(QPaintEvent* event) {
    SkinDialog::paintEvent(event);
    if (m_bFirstPaint) {
        m_bFirstPaint = false;
        // The login runs modally, so it starts once this paint has finished.
        QTimer::singleShot(0, this, &CLessonCatalogDlg::Login);
    }
}

void CLessonCatalogDlg::Login() {
    g_log.Write("OnPaint.1");
    CUser login(m_learners, this);
    login.m_strUser = g_profile.GetProfileString(kProfileSection, "Lastuser", "Tessaly");
    g_strUserId = "0";
    g_log.Write("OnPaint.2");
    if (login.exec() != QDialog::Accepted) {
        ExitPath();
        return;
    }
    g_log.Write("OnPaint.3");
    g_strUserId = login.m_strUserId;
    m_strUserId = login.m_strUserId;
    g_lessonSettings.LoadFor(g_strLangSuffix);
    g_profile.WriteProfileString(kProfileSection, "Lastuser", login.m_strUser);
    LoadLessons(0);
    OfferResume();
}

void CLessonCatalogDlg::OfferResume() {
    const int last = g_profile.GetProfileInt(kProfileSection, m_strUserId, 0);
    const int state = last >= 1 && last <= catalog::kLessonCount ? LessonState(last) : catalog::kNotStarted;
    const catalog::ResumePrompt prompt =
        catalog::MakeResumePrompt(g_lessonSettings.m_resumePrompt, last, state);
    if (!prompt.ask)
        return;
    CUserTipDlg question(this);
    question.m_strText = QString::fromStdString(prompt.text);
    question.m_bAskAgain = g_lessonSettings.m_resumePrompt;
    const bool yes = question.exec() == QDialog::Accepted;
    if (yes == prompt.enterOnYes)
        EnterLesson(last);
}

void CLessonCatalogDlg::EnterLesson(int lesson) {
    g_log.Write("EnterLesson.1");
    g_log.Write("EnterLesson.2");
    // A title file left from another lesson must not be spoken for this one.
    const std::string titleMp3 = g_strTempLessonDir + "\\lessontitle.mp3";
    DeleteDirectoryTree(ResolveContentPath(titleMp3));
    m_content.SaveLessonSound(lesson, titleMp3);
    PlaySoundFile(ConvertMp3ToWav(titleMp3), SND_ASYNC | SND_FILENAME);
    g_log.Write("EnterLesson.3");
    MarkOpened(lesson);
    try {
        RunLessonWindow(lesson);
    } catch (const std::exception&) {
        g_log.Write("EnterLesson error");
    }
    g_profile.WriteProfileInt(kProfileSection, g_strUserId, lesson);
    // The lesson and its exercises may have changed the learner's progress: show it now.
    LoadLessons(0);
}

void CLessonCatalogDlg::ShowWordsDue() {
    int due = 0;
    if (!m_strUserId.empty() && m_strUserId != "0") {
        std::string error;
        if (!m_learners.WordsDue(m_strUserId, m_content.LanguageSuffix(), QDate::currentDate(), due, error))
            g_log.Write("LoadLessons: the words due are unknown: %s", error.c_str());
    }
    m_wordsDue->setText(QString::number(due));
    m_wordsDue->setVisible(due > 0);
    m_wordsDue->raise();
    if (auto* trainer = findChild<BitmapButton*>(QStringLiteral("1061")))
        trainer->SetTooltipText(due > 0 ? QStringLiteral("New-word trainer: %1 due today").arg(due)
                                        : QStringLiteral("New-word trainer"));
}

void CLessonCatalogDlg::MarkOpened(int lesson) {
    if (g_strUserId.empty() || g_strUserId == "0")
        return;
    std::string error;
    if (!m_learners.MarkLessonOpened(g_strUserId, lesson, error))
        g_log.Write("EnterLesson: lesson %d is not remembered as opened: %s", lesson, error.c_str());
}

void CLessonCatalogDlg::RunLessonWindow(int lesson) {
    CLessonWindow window(m_content, this);
    window.SetLessonNumber(lesson);
    window.exec();
}

void CLessonCatalogDlg::OnLanguageChosen(int index) {
    const QString chosen = m_languageList->itemText(index);
    const QString question =
        g_lessonSettings.QTextOr(LessonText::LanguageQuestion, "Change the interface language to %1?")
            .arg(chosen);
    if (!GetUserNotice().Ask("Tessalyne Lessons", question.toStdString())) {
        // Keep showing the language in effect.
        const LanguageRecord current = [] {
            LanguageRecord record;
            FindLanguage(GetProgramFolder() + "LangType.ini", g_strLangSuffix, record, kShortString);
            return record;
        }();
        m_languageList->setCurrentText(QString::fromStdString(current.LangString));
        return;
    }
    m_languageList->setCurrentText(chosen);
    LanguageRecord record;
    FindLanguage(GetProgramFolder() + "LangType.ini", chosen.toStdString(), record, kLangString);
    // The choice is the learner's: it goes to the user's copy of TSSet.ini, over the program's.
    MakeUserSettingsFolder("TSSet.ini");
    CIniFile settings(UserSettingsPath("TSSet.ini"));
    if (!settings.WriteValues("General", {{"LangID", record.LangID}, {"LessonTitle", ""}}))
        g_log.Write("OnSelchangeLanguage: %s", settings.LastError().c_str());
    ApplyShortStringRule(record);
    // The learner's display settings stay with the language they were made in; from now on the
    // texts, menus and settings are the new language's.
    SaveDisplaySettingsOrTell();
    g_strLangSuffix = record.ShortString;
    m_content.SetLanguageSuffix(g_strLangSuffix);
    g_lessonSettings.LoadFor(g_strLangSuffix);
    LoadLessons(0);
    ShowInterfaceLanguage();
}

void CLessonCatalogDlg::ShowInformation(int vendorTemplate, int otherTemplate) {
    const bool vendor = g_lessonSettings.Text(LessonText::btnClose) == kVendorWebAddress;
    CInfoPictureDlg page(vendor ? vendorTemplate : otherTemplate, this);
    page.exec();
}

void CLessonCatalogDlg::OnHelp() {
    const std::string help = catalog::HelpFile(GetProgramFolder(), g_strLangSuffix);
    if (help.empty()) {
        g_log.Write("OnHelp: no user guide in the program folder");
        ShowInformation(340, 341);
        return;
    }
    const QString guide = QString::fromStdString(help);
    if (QDesktopServices::openUrl(QUrl::fromLocalFile(guide)))
        return;
    if (!guide.endsWith(QLatin1String(".html"))) {
        g_log.Write("OnHelp: nothing opens %s", help.c_str());
        ShowInformation(340, 341);
        return;
    }
    // No browser on this desktop: the guide opens in the program.
    CHelpWindow window(guide, this);
    window.exec();
}

void CLessonCatalogDlg::OnWebAddress() {
    const QString address = g_lessonSettings.QText(LessonText::btnClose);
    if (!address.isEmpty())
        QDesktopServices::openUrl(QUrl::fromUserInput(address));
}

void CLessonCatalogDlg::StartWordTrainer() {
    const QString folder = QString::fromStdString(GetProgramFolder());
    QProcess::startDetached(folder + QStringLiteral("newword"), {}, folder);
}

void CLessonCatalogDlg::OnSettings() {
    CSystemSettingDlg settings(this);
    settings.exec();
}

void CLessonCatalogDlg::ExitPath() {
    if (m_bExiting)
        return;
    m_bExiting = true;
    SaveDisplaySettingsOrTell();
    PlaySoundFile(GetProgramFolder() + "sound\\button.wav", SND_ASYNC | SND_FILENAME);
    done(QDialog::Rejected);
}

void CLessonCatalogDlg::keyPressEvent(QKeyEvent* event) {
    // Neither Enter nor Escape closes the catalogue.
    if (!dialogs::SwallowEnterEscape(event))
        SkinDialog::keyPressEvent(event);
}

void CLessonCatalogDlg::closeEvent(QCloseEvent* event) {
    ExitPath();
    event->accept();
}

void CLessonCatalogDlg::mouseMoveEvent(QMouseEvent* event) {
    SkinDialog::mouseMoveEvent(event);
    m_explainPicture->setVisible(m_rcExplain.contains(event->position().toPoint()) &&
                                 !m_explainPicture->pixmap().isNull());
}

void CLessonCatalogDlg::changeEvent(QEvent* event) {
    SkinDialog::changeEvent(event);
    // Coming back from an exercise program: its score may have changed a lesson's state.
    if (event->type() == QEvent::ActivationChange && isActiveWindow() && !m_bFirstPaint && m_strUserId.size())
        LoadLessons(0);
}

void CLessonCatalogDlg::focusInEvent(QFocusEvent* event) {
    SkinDialog::focusInEvent(event);
    if (m_bFirstFocus) {
        m_bFirstFocus = false;
        for (BitmapButton* button : findChildren<BitmapButton*>())
            button->update();
    }
}
