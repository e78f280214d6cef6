#include "lesson/CScenePane.h"

#include "app/FileUtils.h"
#include "app/Globals.h"
#include "app/UserNotice.h"
#include "lesson/LessonContentService.h"
#include "lesson/NoContentMovie.h"
#include "ui/CShockwaveFlash.h"
#include "ui/DialogKeys.h"

#include <QCloseEvent>

#include <cstdio>

CScenePane::CScenePane(LessonContentService& content, QWidget* parent)
    : QWidget(parent), m_content(content), m_movie(new CShockwaveFlash(this)) {
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

    MakeDirectoryPath(g_strTempLessonDir);
    const std::string sceneFile = SceneFile(childLessonId);
    const LessonContentService::Stored scene = m_content.SaveScene(childLessonId, sceneFile);
    if (scene == LessonContentService::Stored::kQueryFailed) {
        GetUserNotice().Show(UserNotice::Kind::Error, m_content.LastError(), "open database fail");
        return;
    }
    m_loadedFile = sceneFile;
    m_ownScene = scene == LessonContentService::Stored::kWritten;
    if (!m_ownScene || !FileExists(m_loadedFile)) {
        m_ownScene = false;
        m_loadedFile = NoContentMoviePath();
    }
    m_movie->LoadMovie(0, m_loadedFile);
    if (!m_ownScene)
        m_movie->Play();
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
