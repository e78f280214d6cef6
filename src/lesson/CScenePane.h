#pragma once

#include <QWidget>

#include <string>

class CShockwaveFlash;
class LessonContentService;

// The right pane that plays the animated scene of a child lesson, or the interface language's
// no-content movie when the child lesson has none. At most one scene file is kept in the scratch
// folder: a change of child lesson deletes the previous one.
class CScenePane : public QWidget {
public:
    static constexpr int kMovieId = 1024;

    CScenePane(LessonContentService& content, QWidget* parent);

    // Loads and starts the child lesson's scene; nothing when it is the one loaded.
    void LoadScene(const std::string& childLessonId);
    void StopScene();
    // Loads the current scene file again.
    void ReplayScene();

    CShockwaveFlash* Movie() const { return m_movie; }
    const std::string& LoadedId() const { return m_loadedId; }
    bool IsOwnScene() const { return m_ownScene; }
    std::string SceneFile(const std::string& childLessonId) const;

protected:
    void resizeEvent(QResizeEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    LessonContentService& m_content;
    CShockwaveFlash* m_movie;
    std::string m_loadedId;
    std::string m_loadedFile;
    bool m_ownScene = false;
};
