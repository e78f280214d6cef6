#pragma once

#include "ProgramSession.h"
#include "VirtualDesktop.h"

#include "data/CADODatabase.h"
#include "data/SqlQuery.h"
#include "fixtures/TempFolder.h"

#include <gtest/gtest.h>
#include <memory>
#include <string>
#include <vector>

// A learner at the real program installed with a two-lesson course, on a virtual X display:
// the program's folders, the course database to check what it stored, and the learner's hands.
// Screenshots go to the build tree.
class LearnerSession : public testing::Test {
protected:
    // `installed`: the program folder is installed with `cmake --install` into a temporary DESTDIR
    // and made read-only, as a package installs it, instead of copied from the build.
    explicit LearnerSession(bool installed = false);

    static constexpr char kUser[] = "Ada";
    static constexpr char kPassword[] = "wo3ai4";
    static constexpr char kLessonOneButton[] = "1104";
    static constexpr char kCloseLessonButton[] = "1048";

    void SetUp() override;
    // The programs' logs (a second start keeps the first one's as "~") go beside the screenshots,
    // to read after a run.
    void TearDown() override;

    std::string Program() const { return m_program; }
    // The running main program's private scratch folder under the runtime folder; empty when there
    // is none.
    std::string ScratchFolder() const;
    // Every program's scratch folder left in the runtime folder.
    std::vector<std::string> ScratchFolders() const;
    // The learner database the programs keep in the test's home.
    std::string LearnerFile() const { return m_root / "home/.local/share/Tessalyne/learners.db"; }
    std::string LogFolder() const { return m_root / "home/.local/state/Tessalyne/Log"; }
    // emptyAlsaConfig: the machine has no ALSA data instead of the file device.
    std::unique_ptr<e2e::ProgramSession> StartProgram(bool emptyAlsaConfig = false);
    void Shoot(const std::string& name);

    // Waits for a widget and returns it; fails the test when it does not appear.
    e2e::Widget Await(e2e::ProgramProbe& program, const std::string& type, const std::string& name = "",
                      const std::string& window = "", int milliseconds = 20000);
    void ClickWidget(e2e::ProgramProbe& program, const std::string& type, const std::string& name,
                     const std::string& window);

    // Types a new user's name and password at the login and answers yes to adding the user; the
    // catalogue shows next.
    void LogInAsNewUser(e2e::ProgramSession& program, bool shoot);
    // Opens the first lesson of the catalogue and waits for its spoken title; the sentence panel.
    e2e::Widget OpenFirstLesson(e2e::ProgramSession& program);
    // Opens lesson 1 from the catalogue by its button; the lesson window shows.
    void OpenLessonOne(e2e::ProgramSession& program);
    // Opens lesson 1 from the catalogue and presses `button` of the lesson window, which starts
    // `companion`; its `window` shows.
    void StartFromLessonOne(e2e::ProgramSession& program, e2e::CompanionProgram& companion,
                            const std::string& button, const std::string& window);
    // Closes the lesson window; the catalogue shows again.
    void CloseLesson(e2e::ProgramSession& program);
    // Closes a companion program's `window` with its close button; the program must end.
    void CloseCompanion(e2e::CompanionProgram& companion, const std::string& window);
    // The id the course database gives kUser; empty when there is no such user.
    std::string StoredUserId();
    // Opens the reading menu of the first sentence of the dialogue and picks an item.
    void PickSentenceMenuItem(e2e::ProgramSession& program, const std::string& item);
    void OpenSettings(e2e::ProgramSession& program);
    // Leaves through the catalogue's Exit button; the program must end cleanly.
    void Exit(e2e::ProgramSession& program);
    // Waits until the sound device has stopped receiving samples and checks that it played as many
    // bytes as the sound holds (the device file starts anew with every sound).
    void ExpectPlayed(e2e::ProgramSession& program, size_t soundBytes);
    // A text of the first record of a query on the course database.
    std::string CourseText(const SqlQuery& query, const char* column);
    // The course as the programs open it: the lesson database under the learner's own tables.
    CADODatabase* CourseDb();

    e2e::VirtualDesktop m_desktop;
    TempFolder m_root;
    std::string m_program;
    bool m_installed;
    CADODatabase m_courseDb;
};
