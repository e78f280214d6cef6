#pragma once

#include "ui/OlePicture.h"

#include <QWidget>

#include <string>
#include <vector>

class BitmapButton;
class LessonContentService;
class LessonWindowServices;
class QComboBox;

// The strip above the lesson text through which the learner picks a child lesson: a drop-down list
// of the child lessons' titles in the interface language over a title picture, and a button that
// opens the list. Picking one reloads the text, its title strip and its scene.
class CLessonTitle : public QWidget {
public:
    static constexpr int kListId = 1035;
    static constexpr int kButtonId = 1061;

    CLessonTitle(LessonContentService& content, QWidget* parent);

    // Fills the list with the lesson's child lessons and switches to the first one.
    void LoadChildLessons(int lessonNumber);
    // The learner picked list entry `index`.
    void OnSelectionChange(int index);

    int CurrentIndex() const { return m_current; }
    const std::vector<std::string>& ChildLessonIds() const { return m_ids; }
    QComboBox* List() const { return m_list; }
    void SetServices(LessonWindowServices* services) { m_services = services; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    // Writes the child lesson's title picture and makes the lesson window show that child lesson;
    // false when the child lesson has no record in the interface language.
    bool SwitchTo(const std::string& id, bool logSteps);
    LessonWindowServices* Services() const;

    LessonContentService& m_content;
    QComboBox* m_list;
    BitmapButton* m_button;
    OlePicture m_background;
    std::vector<std::string> m_ids;
    int m_current = 0;
    bool m_filling = false;
    LessonWindowServices* m_services = nullptr;
};
