#include "lesson/CLessonWindow.h"

#include "app/CLog.h"
#include "app/ContentPath.h"
#include "app/Globals.h"
#include "app/UserNotice.h"
#include "audio/CSoundPlayer.h"
#include "audio/IClock.h"
#include "audio/SpeechSpeed.h"
#include "data/ContentProblems.h"
#include "lesson/ContentProblemMessage.h"
#include "lesson/DialogControls.h"
#include "lesson/LessonContentService.h"
#include "lesson/LessonSettings.h"
#include "lesson/ReadAll.h"
#include "lesson/ScrollRepeatButton.h"
#include "render/BmpReader.h"
#include "ui/BitmapButton.h"
#include "ui/CShockwaveFlash.h"
#include "ui/ScrollPanel.h"
#include "ui/SkinLayout.h"

#include <QApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QPainter>
#include <QProcess>
#include <QTimer>
#include <QVBoxLayout>

using namespace skinlayout::lesson;

namespace {

const QString kTranslationsOff = QStringLiteral("switch on translating the text");
const QString kTranslationsOn = QStringLiteral("switch off translating the text");
// Scroll target kinds: 1 the sentence panel, 2 to 6 the right panes.
constexpr int kLastScrollKind = 6;

// The buttons of the window: id, hover and normal faces, where it sits, its tooltip (a settings key
// or a fixed text).
struct ButtonSpec {
    int id, hover, normal;
    QRect place;
    LessonText textKey;
    const char* fixedTooltip;
};

constexpr LessonText kNoKey = LessonText::Count;

const ButtonSpec kButtons[] = {
    {1057, 266, 265, kClose, kNoKey, nullptr},
    {1058, 268, 267, kClickSound, kNoKey, nullptr},
    {1059, 270, 269, kMinimise, kNoKey, nullptr},
    {1024, 260, 259, BottomButton(5), LessonText::btnReadText, nullptr},
    {1025, 242, 241, BottomButton(6), LessonText::btnExercise, nullptr},
    {1048, 250, 249, BottomButton(9), kNoKey, "back"},
    {1047, 248, 247, BottomButton(7), LessonText::btnPinYin, nullptr},
    {1034, 244, 243, BottomButton(4), LessonText::btnDXJ, nullptr},
    {1033, 246, 245, BottomButton(3), LessonText::btnZhuShi, nullptr},
    {1026, 234, 233, BottomButton(0), LessonText::btnTextScene, nullptr},
    {1029, 238, 237, BottomButton(1), kNoKey, "new words"},
    {1032, 240, 239, BottomButton(2), kNoKey, "language points"},
};

// The wait cursor while a pane builds its content.
class WaitCursor {
public:
    WaitCursor() { QApplication::setOverrideCursor(Qt::WaitCursor); }
    ~WaitCursor() { QApplication::restoreOverrideCursor(); }
};

} // namespace

CLessonWindow::CLessonWindow(LessonContentService& content, QWidget* parent, IClock* clock)
    : SkinDialog(kSize, parent), m_content(content), m_clock(clock ? *clock : GetSystemClock()),
      m_panes(MakeLessonPanes()) {
    setObjectName(QStringLiteral("129"));
}

CLessonWindow::~CLessonWindow() {
    m_bClosing = true;
    if (m_bInitialised)
        m_panes->StopScene();
}

int CLessonWindow::exec() {
    InitDialog();
    // Told once the window shows, over it rather than before it.
    QTimer::singleShot(0, this, &CLessonWindow::TellContentProblems);
    return SkinDialog::exec();
}

void CLessonWindow::TellContentProblems() {
    const std::string message = LessonContentProblemMessage(g_contentProblems.Take(), m_nLessonNumber);
    if (message.empty() || m_bProblemsTold)
        return;
    m_bProblemsTold = true;
    GetUserNotice().Show(UserNotice::Kind::Warning, "Damaged lesson content", message);
}

void CLessonWindow::done(int result) {
    // A read-aloud loop in progress ends, the sentence it is reading stopped.
    m_bClosing = true;
    if (m_bReading)
        GetSoundPlayer().Stop();
    SkinDialog::done(result);
}

void CLessonWindow::InitDialog() {
    if (m_bInitialised)
        return;
    m_bInitialised = true;
    // Only what fails while this window loads is its to tell.
    g_contentProblems.Take();
    InitSkin(GetProgramFolder() + "skins\\Lesson\\lesson.bmp");
    ShowLoading();
    m_childTitle = new QLabel(this);
    m_childTitle->setObjectName(QStringLiteral("1102"));
    m_childTitle->setGeometry(QRect(kChildTitle, kChildTitleSize));
    CreateButtons();
    CreatePanes();
    CreateScrollButtons();
    // Without the lesson's head the title stays unloaded; the loading picture still goes, so that
    // the learner reads what failed (TellContentProblems) and can go back.
    if (LoadHeadPicture())
        SetTitle("Dialog.bmp");
    delete m_loading;
    m_loading = nullptr;
}

void CLessonWindow::ShowLoading() {
    auto* loading = new QWidget(this, Qt::Dialog | Qt::FramelessWindowHint);
    loading->setObjectName(QStringLiteral("337"));
    auto* movie = new CShockwaveFlash(loading);
    movie->setObjectName(QStringLiteral("1024"));
    auto* layout = new QVBoxLayout(loading);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(movie);
    loading->resize(200, 120);
    movie->LoadMovie(0, GetProgramFolder() + "image\\loading.swf");
    movie->Play();
    loading->move(geometry().center() - loading->rect().center());
    loading->show();
    m_loading = loading;
}

void CLessonWindow::CreateButtons() {
    for (const ButtonSpec& spec : kButtons) {
        const QString tooltip = spec.fixedTooltip        ? QString::fromLatin1(spec.fixedTooltip)
                                : spec.textKey != kNoKey ? g_lessonSettings.QText(spec.textKey)
                                                         : QString();
        BitmapButton* button =
            dialogs::AddButton(this, spec.id, spec.place, spec.hover, spec.normal, tooltip);
        m_buttons[spec.id] = button;
    }
    Button(1048)->SetAlign(1);
    const auto on = [this](int id, void (CLessonWindow::*handler)()) {
        connect(Button(id), &QPushButton::clicked, this, handler);
    };
    connect(Button(1057), &QPushButton::clicked, this, [this] {
        done(QDialog::Accepted);
        dialogs::PlayClickSound();
    });
    connect(Button(1058), &QPushButton::clicked, this, [] { dialogs::PlayClickSound(); });
    connect(Button(1059), &QPushButton::clicked, this, [this] {
        dialogs::PlayClickSound();
        if (parentWidget())
            parentWidget()->window()->showMinimized();
        showMinimized();
    });
    connect(Button(1048), &QPushButton::clicked, this, [this] {
        done(QDialog::Rejected);
        dialogs::PlayClickSound();
    });
    connect(Button(1025), &QPushButton::clicked, this, [this] {
        dialogs::PlayClickSound();
        StartCompanion("exercise", {QString::number(m_nLessonNumber), QString::fromStdString(g_strUserId)});
    });
    connect(Button(1047), &QPushButton::clicked, this, [this] {
        StartCompanion("spell", {QString::number(m_nLessonNumber)});
        dialogs::PlayClickSound();
    });
    connect(Button(1024), &QPushButton::clicked, this, &CLessonWindow::ReadAll);
    on(1034, &CLessonWindow::ShowTypicalSentences);
    on(1033, &CLessonWindow::ShowNotes);
    on(1026, &CLessonWindow::ShowScene);
    on(1029, &CLessonWindow::ShowNewWords);
    on(1032, &CLessonWindow::ShowLanguagePoints);
}

void CLessonWindow::CreatePanes() {
    m_panes->Create(this, *this, m_content);
    m_panes->SentencePanel()->setGeometry(kSentencePanel);
    m_panes->SentencePanel()->InitPanel();
    m_panes->SentencePanel()->show();
    QWidget* scene = m_panes->RightPane(LessonPanes::kScene);
    scene->setGeometry(kRightPane.adjusted(0, 0, 10, 0));
    scene->show();
    m_panes->Selector()->setGeometry(kSelector);
    m_panes->Selector()->show();
    for (LessonPanes::Pane pane :
         {LessonPanes::kNewWords, LessonPanes::kTypical, LessonPanes::kWordStudy, LessonPanes::kListenSpeak,
          LessonPanes::kNotes, LessonPanes::kLanguagePoints, LessonPanes::kSingleNote}) {
        QWidget* widget = m_panes->RightPane(pane);
        widget->setGeometry(kRightPane);
        if (auto* panel = dynamic_cast<ScrollPanel*>(widget))
            panel->InitPanel();
    }
    // The selector fills the sentence panel with the first child lesson.
    m_panes->LoadChildLessons(m_nLessonNumber);
    m_panes->LoadNotes(m_nLessonNumber);
    m_panes->LoadLanguagePoints(m_nLessonNumber);
}

void CLessonWindow::CreateScrollButtons() {
    const auto make = [this](int id, int kind, ScrollRepeatButton::Direction direction, const QRect& place,
                             int hover, int normal, const char* tooltip) {
        auto* button = new ScrollRepeatButton(this, kind, direction, m_clock);
        button->setObjectName(QString::number(id));
        button->setAutoDefault(false);
        button->setGeometry(place);
        button->SetTargetResolver([this](int k) { return m_panes->ScrollTarget(k); });
        SetUpBitmapButton(button, hover, normal, QString::fromLatin1(tooltip));
        return button;
    };
    m_textUp = make(1079, 1, ScrollRepeatButton::kUp, kTextUp, 483, 482, "up");
    m_textDown = make(1078, 1, ScrollRepeatButton::kDown, kTextDown, 485, 484, "down");
    m_paneUp = make(1080, 5, ScrollRepeatButton::kUp, kPaneUp, 288, 287, "up");
    m_paneDown = make(1081, 5, ScrollRepeatButton::kDown, kPaneDown, 290, 289, "down");
    m_textUp->SetPartner(m_textDown);
    m_textDown->SetPartner(m_textUp);
    m_paneUp->SetPartner(m_paneDown);
    m_paneDown->SetPartner(m_paneUp);

    auto* translation = dialogs::AddButton(this, 1064, BottomButton(8), 292, 291, kTranslationsOn);
    m_buttons[1064] = translation;
    connect(translation, &QPushButton::clicked, this, &CLessonWindow::ToggleTranslations);

    SetTextScrollButtons(m_panes->SentencePanel()->ScrollState());
    m_paneUp->hide();
    m_paneDown->hide();
    // The wheel and relayouts move the panels too; their buttons follow.
    m_panes->SentencePanel()->SetScrollListener([this](int state) { SetTextScrollButtons(state); });
    for (int kind = 2; kind <= kLastScrollKind; ++kind)
        if (ScrollPanel* panel = m_panes->ScrollTarget(kind))
            panel->SetScrollListener([this, kind](int state) {
                if (m_paneUp->Kind() == kind)
                    ScrollRepeatButton::ShowForState(m_paneUp, m_paneDown, state);
            });
}

bool CLessonWindow::LoadHeadPicture() {
    const std::string head = g_strTempLessonDir + "\\leson.bmp";
    switch (m_content.SaveLessonHead(m_nLessonNumber, head)) {
    case LessonContentService::Stored::kQueryFailed:
        g_log.Write("%s", g_lessonSettings.Text(LessonText::ErrorText).c_str());
        return false;
    case LessonContentService::Stored::kWritten:
        m_headPicture.Load(head);
        break;
    default:
        break;
    }
    return true;
}

void CLessonWindow::SetTitle(const std::string& titleFile) {
    m_strTitlePath = dialogs::LessonResFile(titleFile);
    if (!m_titlePicture.Load(m_strTitlePath))
        m_titlePicture.Release();
    update(QRect(QPoint(517, 20), QPoint(937, 80)));
}

void CLessonWindow::paintEvent(QPaintEvent* event) {
    SkinDialog::paintEvent(event);
    QPainter painter(this);
    if (m_headPicture.IsLoaded())
        m_headPicture.Draw(painter, kHead.left(), kHead.top(), m_headPicture.Size().width(),
                           m_headPicture.Size().height());
    if (m_titlePicture.IsLoaded())
        m_titlePicture.Draw(painter, kTitle.left(), 25, m_titlePicture.Size().width(),
                            m_titlePicture.Size().height());
}

void CLessonWindow::keyPressEvent(QKeyEvent* event) {
    if (!dialogs::SwallowEnterEscape(event))
        SkinDialog::keyPressEvent(event);
}

BitmapButton* CLessonWindow::Button(int id) const {
    const auto found = m_buttons.find(id);
    return found != m_buttons.end() ? found->second : nullptr;
}

void CLessonWindow::SwitchPane(LessonPanes::Pane pane, const std::string& titleFile, int scrollKind) {
    if (pane != LessonPanes::kScene) {
        m_panes->StopScene();
        m_bSceneActive = false;
    }
    dialogs::PlayClickSound();
    for (int other = 0; other < LessonPanes::kPaneCount; ++other)
        m_panes->RightPane(static_cast<LessonPanes::Pane>(other))->setVisible(other == pane);
    m_visiblePane = pane;
    SetTitle(titleFile);
    ScrollPanel* target = scrollKind != 0 ? m_panes->ScrollTarget(scrollKind) : nullptr;
    if (target) {
        m_paneUp->SetKind(scrollKind);
        m_paneDown->SetKind(scrollKind);
    }
    ScrollRepeatButton::ShowForState(m_paneUp, m_paneDown, target ? target->ScrollState() : 0);
}

void CLessonWindow::ShowNewWords() {
    WaitCursor wait;
    if (!m_bNewWordsLoaded) {
        m_bNewWordsLoaded = true;
        m_panes->LoadNewWords(m_nLessonNumber);
    }
    SwitchPane(LessonPanes::kNewWords, "newword.bmp", 4);
}

void CLessonWindow::ShowScene() {
    m_bSceneActive = true;
    m_panes->LoadScene(m_strChildLessonId);
    m_panes->PlayScene();
    SwitchPane(LessonPanes::kScene, "Dialog.bmp", 0);
}

void CLessonWindow::ShowListenSpeak(const std::u16string& sentence, const std::u16string& pinyin,
                                    const std::string& modelMp3Path) {
    m_panes->SetListenSpeakModel(sentence, pinyin, modelMp3Path);
    SwitchPane(LessonPanes::kListenSpeak, "listen_speak.bmp", 0);
}

void CLessonWindow::ShowLanguagePoints() {
    SwitchPane(LessonPanes::kLanguagePoints, "language_point.bmp", 3);
}

void CLessonWindow::ShowNotes() {
    SwitchPane(LessonPanes::kNotes, "note.bmp", 2);
}

void CLessonWindow::ShowNote(const std::string& noteKey) {
    m_panes->SetNote(noteKey);
    m_panes->RightPane(LessonPanes::kSingleNote)->setGeometry(kRightPane);
    SwitchPane(LessonPanes::kSingleNote, "note.bmp", 6);
}

void CLessonWindow::ShowTypicalSentences() {
    WaitCursor wait;
    m_panes->LoadTypicalSentences(m_nLessonNumber);
    SwitchPane(LessonPanes::kTypical, "dianxinju.bmp", 5);
}

void CLessonWindow::ShowWordStudy(const std::u16string& word, const std::u16string& pinyin,
                                  const std::string& wordId) {
    m_panes->ShowWord(word, pinyin, wordId);
    SwitchPane(LessonPanes::kWordStudy, "wordstudy.bmp", 0);
}

void CLessonWindow::ShowNewWordStudy(const std::u16string& word, const std::u16string& partOfSpeech,
                                     const std::u16string& explanation, CMutiWord* control) {
    m_panes->ShowNewWord(word, partOfSpeech, explanation, control);
    SwitchPane(LessonPanes::kWordStudy, "wordstudy.bmp", 0);
}

void CLessonWindow::ChooseSpeechSpeed(int percent) {
    percent = speech::ValidSpeed(percent);
    m_panes->SetSpeechSpeed(percent);
    if (percent == g_lessonSettings.m_speechSpeed)
        return;
    g_lessonSettings.m_speechSpeed = percent;
    SaveDisplaySettingsOrTell();
}

void CLessonWindow::ShowTypicalDetail(const std::string& typicalId) {
    m_panes->ShowTypicalDetail(typicalId);
}

void CLessonWindow::SetChildLesson(const std::string& childLessonId) {
    m_strChildLessonId = childLessonId;
    m_panes->LoadSentences(m_nLessonNumber, childLessonId);
    // A new child lesson shows its translations; the button says so, so that its next press hides
    // them.
    SetTranslationsShown(true);
}

void CLessonWindow::SetChildTitle(const std::string& bitmapPath) {
    m_childTitle->setPixmap(QPixmap::fromImage(LoadPictureFile(ResolveContentPath(bitmapPath))));
    m_childTitle->update();
}

void CLessonWindow::SetSceneChildLesson(const std::string& childLessonId) {
    m_strChildLessonId = childLessonId;
}

void CLessonWindow::PlayChildLessonScene(const std::string& childLessonId) {
    m_panes->LoadScene(childLessonId);
    m_panes->PlayScene();
}

int CLessonWindow::TextScrollState() const {
    return m_panes->SentencePanel()->ScrollState();
}

void CLessonWindow::SetTextScrollButtons(int scrollState) {
    // The selector loads its first child lesson before the scroll buttons are made; they take the
    // panel's state when they are.
    if (m_textUp && m_textDown)
        ScrollRepeatButton::ShowForState(m_textUp, m_textDown, scrollState);
}

void CLessonWindow::ToggleTranslations() {
    SetTranslationsShown(!g_bShowTranslations);
    m_panes->SetShowTranslations(g_bShowTranslations);
}

void CLessonWindow::SetTranslationsShown(bool shown) {
    g_bShowTranslations = shown;
    // The selector loads its first child lesson before the button is made.
    if (BitmapButton* button = Button(1064))
        button->SetTooltipText(shown ? kTranslationsOn : kTranslationsOff);
}

void CLessonWindow::ReadAll() {
    if (m_bReading)
        return;
    m_bReading = true;
    const auto stopped = [this] { return m_bClosing; };
    ReadAllHooks hooks;
    hooks.processMessages = [] { QCoreApplication::processEvents(); };
    hooks.wait = [this, stopped](int ms) { WaitDispatching(m_clock, ms, stopped); };
    hooks.stopped = stopped;
    ReadAllSentences(
        [this](size_t index) -> SentenceReader* {
            const std::vector<SentenceReader*> readers = m_panes->SentenceReaders();
            return index < readers.size() ? readers[index] : nullptr;
        },
        hooks);
    m_bReading = false;
}

void CLessonWindow::StartCompanion(const char* name, const QStringList& arguments) {
    // Companion programs lie beside the executable, named without ".exe"; a failure is not reported.
    const QString folder = QString::fromStdString(GetProgramFolder());
    QProcess::startDetached(folder + QString::fromLatin1(name), arguments, folder);
}
