#include "lesson/CScenePane.h"

#include "app/FileUtils.h"
#include "app/Globals.h"
#include "app/UserNotice.h"
#include "data/ContentQuery.h"
#include "data/Queries.h"
#include "lesson/NoContentMovie.h"
#include "ui/CShockwaveFlash.h"
#include "ui/DialogKeys.h"

#include <QCloseEvent>

#include <cstdio>

CScenePane::CScenePane(QWidget* parent) : QWidget(parent), m_movie(new CShockwaveFlash(this)) {
    setObjectName("130");
    m_movie->setObjectName(QString::number(kMovieId));
    m_movie->setGeometry(rect());
}

std::string CScenePane::SceneFile(const std::string& childLessonId) const {
    return g_strTempLessonDir + "/" + childLessonId + ".swf";
}

void CScenePane::LoadScene(const std::string& childLessonId) {
    if (childLessonId == m_loadedId)
        return;
    StopScene();
    if (!m_loadedId.empty() && FileExists(SceneFile(m_loadedId)))
        std::remove(SceneFile(m_loadedId).c_str());
    m_loadedId = childLessonId;

    CADORecordset rs;
    const SqlQuery query = SqlQuery::Format(sql::kChildLessonById, {childLessonId});
    if (!OpenContentQuery(rs, g_pLessonDb, query)) {
        GetUserNotice().Show(UserNotice::Kind::Error, query.Text(), "open database fail");
        return;
    }
    m_loadedFile = SceneFile(childLessonId);
    m_ownScene = false;
    if (!rs.IsEOF()) {
        MakeDirectoryPath(g_strTempLessonDir);
        m_ownScene = rs.SaveFieldToFile("scene", m_loadedFile);
    }
    if (!m_ownScene || !FileExists(m_loadedFile)) {
        m_ownScene = false;
        m_loadedFile = NoContentMoviePath();
    }
    m_movie->LoadMovie(0, m_loadedFile);
    if (!m_ownScene)
        m_movie->Play();
    rs.Close();
}

void CScenePane::StopScene() {
    if (m_movie->IsPlaying())
        m_movie->Stop();
}

void CScenePane::ReplayScene() {
    if (!m_loadedFile.empty())
        m_movie->LoadMovie(0, m_loadedFile);
}

void CScenePane::resizeEvent(QResizeEvent* event) {
    m_movie->setGeometry(rect());
    QWidget::resizeEvent(event);
}

void CScenePane::closeEvent(QCloseEvent* event) {
    StopScene();
    QWidget::closeEvent(event);
}

void CScenePane::keyPressEvent(QKeyEvent* event) {
    if (!SwallowDialogKeys(event))
        QWidget::keyPressEvent(event);
}
