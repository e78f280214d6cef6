#pragma once

#include "lesson/LessonCatalogData.h"
#include "ui/SkinDialog.h"

#include <QRect>
#include <array>
#include <string>
#include <vector>

class BitmapButton;
class LearnerService;
class LessonContentService;
class QComboBox;
class QLabel;

// The program's top-level window: the 35 lessons with their progress, login at the first paint,
// the offer to resume the last lesson, the interface language and the commands around the lessons.
// Closing it (exit button or window close) saves the user's display settings.
class CLessonCatalogDlg : public SkinDialog {
public:
    // languageName: the interface language's display name ("none" when TSSet.ini is missing). The
    // lessons are read through `content` and the learners' accounts and progress through `learners`.
    CLessonCatalogDlg(const std::string& languageName, LessonContentService& content,
                      LearnerService& learners, QWidget* parent = nullptr);

    // The single way into a lesson (1 to 35).
    void EnterLesson(int lesson);
    // The login of the first paint: the user, their settings and progress, the resume question.
    void Login();
    // Reloads the lesson titles and the progress of every lesson (0) or of one lesson.
    void LoadLessons(int only = 0);

    int LessonState(int lesson) const { return m_lessonState[static_cast<size_t>(lesson)]; }
    const std::vector<int>& LessonIds() const { return m_lessonIds; }
    const std::string& UserId() const { return m_strUserId; }
    // The web address of the vendor; the information pages differ when the settings name another.
    static const char* const kVendorWebAddress;

protected:
    // Runs the lesson window for the lesson; replaced by tests.
    virtual void RunLessonWindow(int lesson);

    LessonContentService& m_content;
    LearnerService& m_learners;

    void paintEvent(QPaintEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    void CreateLessonButtons();
    void CreateCommandButtons();
    void CreateLanguageList(const std::string& languageName);
    void ShowLessonFace(int lesson);
    // Each lesson button's tooltip names the lesson's title in the interface language.
    void ShowLessonTitles(const catalog::LessonList& list);
    // The number of words the new-word trainer has due today for the learner, beside its button.
    void ShowWordsDue();
    // Remembers that the logged-in learner has opened the lesson, so it shows as started.
    void MarkOpened(int lesson);
    void OfferResume();
    void OnLanguageChosen(int index);
    void LoadGuidePicture();
    // Shows the pictures of the interface language now in effect.
    void ShowInterfaceLanguage();
    // Hides the Website button when the interface texts give no address.
    void ShowWebsiteButton();
    void ShowInformation(int vendorTemplate, int otherTemplate);
    void OnHelp();
    void OnWebAddress();
    void StartWordTrainer();
    void OnSettings();
    // Saves the display settings, plays the exit sound and ends the window.
    void ExitPath();

    std::vector<int> m_lessonIds;
    std::array<int, catalog::kLessonCount + 1> m_lessonState{};
    std::string m_strUserId;
    std::array<BitmapButton*, catalog::kLessonCount + 1> m_lessonButtons{};
    QComboBox* m_titleList = nullptr;
    QComboBox* m_languageList = nullptr;
    QLabel* m_explainPicture = nullptr;
    QLabel* m_wordsDue = nullptr;
    QRect m_rcExplain;
    bool m_bFirstPaint = true;
    bool m_bFirstFocus = true;
    bool m_bExiting = false;
};
