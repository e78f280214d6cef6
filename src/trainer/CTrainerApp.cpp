#include "trainer/CTrainerApp.h"

#include "app/CLog.h"
#include "app/CProfile.h"
#include "app/ContentPath.h"
#include "app/Globals.h"
#include "app/PracticeCommandLine.h"
#include "exercise/PracticeProgram.h"
#include "lesson/CUser.h"
#include "lesson/LearnerService.h"
#include "lesson/UserAccounts.h"
#include "trainer/CTrainerDlg.h"

namespace {

// The learner who logged in last in the main program, as it remembers them.
std::string LastUserName() {
    CProfile mainProgram;
    mainProgram.SetRegistryKey("Tessalyne", "tessalyne");
    return mainProgram.GetProfileString("lesson", "Lastuser", "");
}

// Asks the learner to log in; their id and name, or an empty id when they cancelled.
std::string AskLogin(LearnerService& learners, std::string& name) {
    CUser login(learners);
    login.m_strUser = name;
    if (login.exec() != QDialog::Accepted)
        return {};
    name = login.m_strUser;
    return login.m_strUserId;
}

} // namespace

int CTrainerApp::Run(const TrainerCommandLine& line) {
    PracticeProgram program("newword", true);
    if (!program.OpenCourse())
        return program.Status();
    LearnerService learners(g_pLessonDb, g_pWordDb);
    std::string name = line.userName.empty() ? LastUserName() : line.userName;
    std::string userId = name.empty() ? std::string() : accounts::UserIdByName(g_pLessonDb, name);
    if (userId.empty() && !line.userName.empty())
        return PracticeProgram::RefuseCommandLine("newword", TrainerCommandLine::kUsage,
                                                  "there is no user named \"" + line.userName + "\"");
    if (userId.empty())
        userId = AskLogin(learners, name);
    if (userId.empty())
        return 0;
    PracticeCommandLine who;
    who.userId = userId;
    if (!program.Begin(who))
        return program.Status();

    TrainerTexts texts;
    texts.Load(GetProgramFolder(), g_strLangSuffix);
    std::vector<TrainerCard> cards;
    std::string error;
    if (!trainercards::LoadCards(g_pLessonDb, g_pWordDb, g_strLangSuffix, userId, cards, error))
        g_log.Write("newword: the cards could not all be read: %s", error.c_str());
    CProfile settings;
    settings.SetRegistryKey("Tessalyne", "newword");
    // Desired retention in percent, 70 to 97: what share of the cards should still be known when due.
    const int retention = std::clamp(settings.GetProfileInt("trainer", "Retention", 90), 70, 97);
    const Fsrs fsrs(retention / 100.0);

    TrainerWindowSetup setup;
    setup.content = &program.Content();
    setup.texts = &texts;
    setup.cards = &cards;
    setup.fsrs = &fsrs;
    setup.review = [&](TrainerCard& card, Fsrs::Grade grade, std::string& why) {
        return trainercards::Review(g_pLessonDb, userId, fsrs, card, grade, QDate::currentDate(), why);
    };
    setup.today = [] { return QDate::currentDate(); };
    setup.userName = QString::fromStdString(name);
    setup.scratchFolder = program.ScratchFolder();
    CTrainerDlg window(std::move(setup));
    window.exec();
    return 0;
}
