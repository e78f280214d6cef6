#include "lesson/CNotePage.h"

#include "app/FileUtils.h"
#include "app/Globals.h"
#include "app/UserNotice.h"
#include "lesson/CPictureStrip.h"
#include "lesson/LessonContentService.h"
#include "lesson/NoContentMovie.h"
#include "ui/CShockwaveFlash.h"
#include "ui/DialogKeys.h"

#include <QPainter>

#include <cstdio>

CNotePage::CNotePage(LessonContentService& content, QWidget* parent)
    : ScrollPanel(parent), m_content(content) {
    setObjectName("141");
}

bool CNotePage::ShowsPicture() const {
    return m_strip && m_strip->isVisibleTo(this) && !m_strip->Picture().isNull();
}

void CNotePage::WriteLanguagePoints(const std::string& file) {
    m_content.SaveLanguagePoints(m_lessonNumber, file);
}

void CNotePage::WriteNote(const std::string& noteId, const std::string& file) {
    if (m_content.SaveNote(noteId, file) == LessonContentService::Stored::kQueryFailed)
        GetUserNotice().Show(UserNotice::Kind::Error, "", m_content.LastError());
}

void CNotePage::ShowPage(bool languagePoints, const std::string& noteId) {
    if (m_rcWindow.isNull())
        InitPanel();
    const std::string file = g_strTempLessonDir + (languagePoints ? "/lp.bmp" : "/notess.bmp");
    std::remove(file.c_str());
    MakeDirectoryPath(g_strTempLessonDir);
    if (languagePoints)
        WriteLanguagePoints(file);
    else
        WriteNote(noteId, file);

    if (!m_strip)
        m_strip = new CPictureStrip(this);
    if (m_strip->Load(file)) {
        if (m_movie)
            m_movie->hide();
        const QSize size = m_strip->Picture().size();
        SetContentSize(m_rcWindow, size.height());
        setGeometry(m_rcWindow);
        m_strip->setGeometry(0, 0, size.width(), size.height());
        m_strip->show();
        m_scroll.m_state = m_rcWindow.height() < size.height() ? ScrollModel::kAtTop : ScrollModel::kFits;
    } else {
        m_strip->hide();
        m_movie = ShowNoContentMovie(this, m_movie);
        m_scroll.m_state = ScrollModel::kFits;
    }
    update();
}

void CNotePage::paintEvent(QPaintEvent*) {
    QPainter(this).fillRect(rect(), g_clrWindowBk);
}

void CNotePage::keyPressEvent(QKeyEvent* event) {
    if (!SwallowDialogKeys(event))
        ScrollPanel::keyPressEvent(event);
}
