#include "lesson/CNotePage.h"

#include "app/FileUtils.h"
#include "app/Globals.h"
#include "app/UserNotice.h"
#include "data/ContentQuery.h"
#include "data/Queries.h"
#include "lesson/CPictureStrip.h"
#include "lesson/NoContentMovie.h"
#include "ui/CShockwaveFlash.h"
#include "ui/DialogKeys.h"

#include <QPainter>

#include <cstdio>

CNotePage::CNotePage(QWidget* parent) : ScrollPanel(parent) {
    setObjectName("141");
}

bool CNotePage::ShowsPicture() const {
    return m_strip && m_strip->isVisibleTo(this) && !m_strip->Picture().isNull();
}

void CNotePage::WriteLanguagePoints(const std::string& file) {
    CADORecordset rs;
    if (OpenContentQuery(rs, g_pLessonDb,
                         SqlQuery::Format(sql::kLanguagePoint, {g_strLangSuffix, m_lessonNumber})) &&
        !rs.IsEOF())
        rs.SaveFieldToFile("langpointimg", file);
}

void CNotePage::WriteNote(const std::string& noteId, const std::string& file) {
    CADORecordset rs;
    const SqlQuery query = SqlQuery::Format(sql::kNoteById, {g_strLangSuffix, noteId});
    if (!OpenContentQuery(rs, g_pLessonDb, query)) {
        GetUserNotice().Show(UserNotice::Kind::Error, "", query.Text());
        return;
    }
    if (!rs.IsEOF())
        rs.SaveFieldToFile("notesimg", file);
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
