#include "lesson/CEmptyLessonPanes.h"

#include "app/Globals.h"
#include "ui/CShockwaveFlash.h"
#include "ui/ScrollPanel.h"

namespace {

template <class T> T* MakePane(QWidget* window, const char* name) {
    auto* pane = new T(window);
    pane->setObjectName(QString::fromLatin1(name));
    pane->setAutoFillBackground(true);
    QPalette colours = pane->palette();
    colours.setColor(QPalette::Window, g_clrListBk);
    pane->setPalette(colours);
    pane->hide();
    return pane;
}

} // namespace

void CEmptyLessonPanes::Create(QWidget* window, LessonWindowServices&) {
    m_selector = MakePane<QWidget>(window, "280");
    m_sentences = MakePane<ScrollPanel>(window, "sentences");
    m_scene = MakePane<CShockwaveFlash>(window, "130");
    m_panes[kScene] = m_scene;
    m_panes[kNewWords] = MakePane<ScrollPanel>(window, "131");
    m_panes[kLanguagePoints] = MakePane<ScrollPanel>(window, "141");
    m_panes[kSingleNote] = MakePane<ScrollPanel>(window, "141.note");
    m_panes[kNotes] = MakePane<ScrollPanel>(window, "230");
    m_panes[kTypical] = MakePane<ScrollPanel>(window, "279");
    m_panes[kWordStudy] = MakePane<QWidget>(window, "185");
    m_panes[kListenSpeak] = MakePane<QWidget>(window, "231");
}

ScrollPanel* CEmptyLessonPanes::ScrollTarget(int kind) {
    switch (kind) {
    case 1:
        return m_sentences;
    case 2:
        return static_cast<ScrollPanel*>(m_panes[kNotes]);
    case 3:
        return static_cast<ScrollPanel*>(m_panes[kLanguagePoints]);
    case 4:
        return static_cast<ScrollPanel*>(m_panes[kNewWords]);
    case 5:
        return static_cast<ScrollPanel*>(m_panes[kTypical]);
    case 6:
        return static_cast<ScrollPanel*>(m_panes[kSingleNote]);
    default:
        return nullptr;
    }
}

void CEmptyLessonPanes::LoadChildLessons(int) {
    for (int kind = 1; kind <= 6; ++kind)
        ScrollTarget(kind)->SetScrollState(ScrollModel::kFits);
}

void CEmptyLessonPanes::PlayScene() {
    m_scene->Play();
}

void CEmptyLessonPanes::StopScene() {
    if (m_scene->IsPlaying()) {
        m_scene->Stop();
        m_scene->StopPlay();
    }
}

std::unique_ptr<LessonPanes> MakeLessonPanes() {
    return std::make_unique<CEmptyLessonPanes>();
}
