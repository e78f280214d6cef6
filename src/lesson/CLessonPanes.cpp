#include "lesson/CLessonPanes.h"

#include "charstudy/CWordStudyDlg.h"
#include "charstudy/WordData.h"
#include "lesson/CLessonTitle.h"
#include "lesson/CNewWordList.h"
#include "lesson/CNewWordPane.h"
#include "lesson/CNotePage.h"
#include "lesson/CNotesPane.h"
#include "lesson/CScenePane.h"
#include "lesson/CSentencePanel.h"
#include "lesson/CTypicalDialog.h"
#include "lesson/CTypicalPanel.h"
#include "lesson/LessonSettings.h"
#include "ui/CShockwaveFlash.h"

namespace {

// Every pane starts hidden; the window places and shows them.
template <class T> T* Hidden(T* pane) {
    pane->hide();
    return pane;
}

} // namespace

void CLessonPanes::Create(QWidget* window, LessonWindowServices& services, LessonContentService& content) {
    m_window = window;
    m_content = &content;
    m_sentences = Hidden(new CSentencePanel(content, window));
    m_sentences->SetServices(&services);
    m_title = Hidden(new CLessonTitle(content, window));
    m_title->SetServices(&services);
    CreateRightPanes(window, content);
    m_listenSpeak->SetSpeechSpeed(g_lessonSettings.m_speechSpeed);
    QObject::connect(m_listenSpeak, &CListenSpeakDlg::speechSpeedChosen, window,
                     [&services](int percent) { services.ChooseSpeechSpeed(percent); });
}

void CLessonPanes::CreateRightPanes(QWidget* window, LessonContentService& content) {
    m_scene = Hidden(new CScenePane(content, window));
    m_newWords = Hidden(new CNewWordPane(content, window));
    m_typical = Hidden(new CTypicalPanel(content, window));
    m_wordStudy = new CWordStudyDlg(window);
    // The page sits inside the lesson window like the other panes, not as a window of its own.
    m_wordStudy->setWindowFlags(Qt::Widget);
    m_wordStudy->hide();
    m_listenSpeak = Hidden(new ListenSpeakPane(window));
    m_notes = Hidden(new CNotesPane(content, window));
    m_languagePoints = Hidden(new CNotePage(content, window));
    m_singleNote = Hidden(new CNotePage(content, window));
    m_singleNote->setObjectName("141.note");
    m_panes = {m_scene,      m_newWords, m_languagePoints, m_notes,
               m_singleNote, m_typical,  m_wordStudy,      m_listenSpeak};
}

QWidget* CLessonPanes::Selector() {
    return m_title;
}

ScrollPanel* CLessonPanes::SentencePanel() {
    return m_sentences;
}

ScrollPanel* CLessonPanes::ScrollTarget(int kind) {
    switch (kind) {
    case 1:
        return m_sentences;
    case 2:
        return m_notes;
    case 3:
        return m_languagePoints;
    case 4:
        return m_newWords->List(); // made when the new words are first shown
    case 5:
        return m_typical;
    case 6:
        return m_singleNote;
    default:
        return nullptr;
    }
}

void CLessonPanes::LoadChildLessons(int lesson) {
    m_title->LoadChildLessons(lesson);
}

void CLessonPanes::LoadSentences(int lesson, const std::string& childLessonId) {
    m_sentences->SetLesson(lesson, childLessonId);
    m_sentences->SetLessonData();
}

std::vector<SentenceReader*> CLessonPanes::SentenceReaders() {
    return m_sentences->Readers();
}

void CLessonPanes::SetShowTranslations(bool show) {
    m_sentences->ShowAllTranslations(show);
    m_sentences->RelayoutInPlace();
}

void CLessonPanes::LoadScene(const std::string& childLessonId) {
    m_scene->LoadScene(childLessonId);
}

void CLessonPanes::PlayScene() {
    m_scene->Movie()->Play();
}

void CLessonPanes::StopScene() {
    m_scene->StopScene();
}

void CLessonPanes::LoadNewWords(int lesson) {
    m_newWords->LoadWords(lesson);
}

void CLessonPanes::LoadNotes(int lesson) {
    m_notes->LoadNotes(lesson);
}

void CLessonPanes::LoadLanguagePoints(int lesson) {
    m_languagePoints->SetLessonNumber(lesson);
    m_languagePoints->ShowPage(true, std::string());
}

void CLessonPanes::LoadTypicalSentences(int lesson) {
    m_typical->Fill(lesson);
}

void CLessonPanes::SetNote(const std::string& noteKey) {
    m_singleNote->ShowPage(false, noteKey);
}

void CLessonPanes::ShowWord(const std::u16string& word, const std::u16string& pinyin,
                            const std::string& wordId) {
    // A word of the text: its pinyin is known and its own characters are drawn.
    m_wordStudy->SetWord(word, pinyin, word, wordId);
}

void CLessonPanes::ShowNewWord(const std::u16string& word, const std::u16string&, const std::u16string&,
                               CMutiWord*) {
    // A new word gets the full look-up by its text, which finds its pinyin, part of speech and
    // explanation in the word database.
    m_wordStudy->StudyWord(word, std::u16string(), WordData::kNoWordId);
}

void CLessonPanes::SetListenSpeakModel(const std::u16string& sentence, const std::u16string& pinyin,
                                       const std::string& modelMp3Path) {
    m_listenSpeak->SetSentenceText(sentence, pinyin);
    m_listenSpeak->SetModel(modelMp3Path);
}

void CLessonPanes::SetSpeechSpeed(int percent) {
    m_listenSpeak->SetSpeechSpeed(percent);
}

void CLessonPanes::ShowTypicalDetail(const std::string& typicalId) {
    if (!m_typicalDialog)
        m_typicalDialog = new CTypicalDialog(*m_content, m_window);
    m_typicalDialog->show();
    m_typicalDialog->ShowTypical(typicalId);
}

std::unique_ptr<LessonPanes> MakeLessonPanes() {
    return std::make_unique<CLessonPanes>();
}
