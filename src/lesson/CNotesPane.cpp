#include "lesson/CNotesPane.h"

#include "app/FileUtils.h"
#include "app/Globals.h"
#include "app/UserNotice.h"
#include "lesson/CPictureStrip.h"
#include "lesson/LessonContent.h"
#include "lesson/LessonContentService.h"
#include "lesson/LessonSettings.h"
#include "lesson/NoContentMovie.h"
#include "ui/DialogKeys.h"

#include <QPainter>

#include <cstdio>

CNotesPane::CNotesPane(LessonContentService& content, QWidget* parent)
    : ScrollPanel(parent), m_content(content) {
    setObjectName("230");
}

CNotesPane::~CNotesPane() {
    Clear();
}

std::string CNotesPane::NoteFile(int n) {
    return g_strTempLessonDir + "/notes" + std::to_string(n) + ".bmp";
}

void CNotesPane::Clear() {
    for (size_t n = 0; n < m_notes.size(); ++n) {
        delete m_notes[n].strip;
        std::remove(NoteFile(static_cast<int>(n)).c_str());
    }
    m_notes.clear();
}

void CNotesPane::LoadNotes(int lessonNumber) {
    m_lessonNumber = lessonNumber;
    Clear();
    InitPanel();
    std::vector<lesson::Note> notes;
    if (!m_content.ReadNotes(lessonNumber, notes) && !m_content.LastError().empty()) {
        GetUserNotice().Show(UserNotice::Kind::Error, "", g_lessonSettings.Text(LessonText::ErrorText));
        return;
    }
    MakeDirectoryPath(g_strTempLessonDir);
    int top = 0;
    for (const lesson::Note& note : notes) {
        const int n = static_cast<int>(m_notes.size());
        const std::string file = NoteFile(n);
        WriteScratchFile(
            file, std::string_view(reinterpret_cast<const char*>(note.picture.data()), note.picture.size()));
        auto* strip = new CPictureStrip(this);
        strip->Load(file);
        const int bottom = top + strip->Picture().height();
        strip->setGeometry(0, top, width(), bottom - top);
        strip->show();
        m_notes.push_back({note.id, bottom, strip});
        top = bottom;
    }
    if (m_notes.empty()) {
        m_movie = ShowNoContentMovie(this, m_movie);
        m_scroll.m_state = ScrollModel::kFits;
        return;
    }
    SetContentSize(rect(), top);
    setGeometry(m_rcWindow);
    m_scroll.m_state = top > m_rcWindow.height() ? ScrollModel::kAtTop : ScrollModel::kFits;
    update();
}

void CNotesPane::paintEvent(QPaintEvent*) {
    QPainter(this).fillRect(rect(), g_clrWindowBk);
}

void CNotesPane::keyPressEvent(QKeyEvent* event) {
    if (!SwallowDialogKeys(event))
        ScrollPanel::keyPressEvent(event);
}
