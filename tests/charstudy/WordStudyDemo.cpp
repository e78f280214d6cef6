// Shows the word-study page on the fixture databases, for screenshots of the page, the animation
// and a written character with its grade (scripts/wordstudy-demo.sh drives it on a virtual display).
//
//   wordstudy_demo ni|phrase|animation|write <state folder> [Chinese text size in percent]
//
// The fixture databases are made in the program folder (the executable's folder, a scratch copy).
// When the page is ready the demo writes "<state folder>/ready"; for "write" also "strokes.txt",
// one line per reference stroke with its screen points, and "grade.txt" with the grade button's
// screen centre (in the pad's own window at larger text sizes).

#include "CharacterStudyFixture.h"
#include "automation/AutomationProbe.h"

#include "app/ContentPath.h"
#include "app/FileUtils.h"
#include "app/Globals.h"
#include "app/UserNotice.h"
#include "charstudy/CDrawPLine.h"
#include "charstudy/CWordStudyDlg.h"
#include "charstudy/CWritingPad.h"
#include "charstudy/CWritingPadDlg.h"
#include "data/CADODatabase.h"
#include "fixtures/FixtureDatabases.h"
#include "fixtures/FixturePictures.h"
#include "render/GlyphScale.h"
#include "ui/CMessageBoxNotice.h"

#include <QApplication>
#include <QPushButton>
#include <QTimer>

#include <cstdio>
#include <cstdlib>
#include <string>

namespace {

bool MakeContent(const std::string& folder, std::string& error) {
    DeleteDirectoryTree(folder + "db");
    return fixtures::BuildProgramFolder(folder, error) &&
           fixtures::AddWordPictures(folder + "db/word.dll", error) &&
           charstudyfixtures::AddCharacterStudyData(folder + "db/word.dll", error);
}

void WriteState(const std::string& folder, const std::string& name, const std::string& text) {
    WriteTextFile(folder + "/" + name, text);
}

} // namespace

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    if (argc < 3) {
        std::fprintf(stderr, "usage: wordstudy_demo ni|phrase|animation|write <state folder> [text size]\n");
        return 2;
    }
    const std::string scenario = argv[1];
    const std::string state = argv[2];
    const int textSize = argc > 3 ? std::atoi(argv[3]) : 100;
    SetChineseTextSizeSource([textSize] { return textSize; });
    const std::string folder = GetProgramFolder();
    std::string error;
    if (!MakeContent(folder, error)) {
        std::fprintf(stderr, "cannot make the fixture content: %s\n", error.c_str());
        return 1;
    }
    CADODatabase lessonDb, wordDb;
    lessonDb.Open("Data Source=" + folder + "db/lesson.dll");
    wordDb.Open("Data Source=" + folder + "db/word.dll");
    g_pLessonDb = &lessonDb;
    g_pWordDb = &wordDb;
    g_strLangSuffix = "en";
    g_strTempLessonDir = folder + "templesson";
    MakeDirectoryPath(g_strTempLessonDir);
    CMessageBoxNotice notice;
    SetUserNotice(&notice);

    CWordStudyDlg dlg;
    dlg.move(20, 20);
    dlg.show();
    if (scenario == "phrase")
        dlg.StudyWord(u"你好", u"nǐhǎo", "PE0001");
    else
        dlg.StudyWord(u"你", u"", fixtures::FixtureIds::kCharacterNi);
    QTimer::singleShot(500, [&] {
        if (scenario == "animation")
            dlg.OnAnimation();
        if (scenario == "write") {
            dlg.OnPractise();
            WriteState(state, "strokes.txt",
                       AutomationProbe::ReferenceStrokesOnScreen(dlg.Pad()).toStdString());
            QWidget* commands = dlg.PadWindow() ? static_cast<QWidget*>(dlg.PadWindow()) : &dlg;
            auto* grade = commands->findChild<QPushButton*>(QString::number(CWordStudyDlg::kGradeButton),
                                                            Qt::FindDirectChildrenOnly);
            const QPoint centre = grade->mapToGlobal(grade->rect().center());
            WriteState(state, "grade.txt", std::to_string(centre.x()) + " " + std::to_string(centre.y()));
        }
        WriteState(state, "ready", "");
    });
    const int result = app.exec();
    SetUserNotice(nullptr);
    g_pLessonDb = g_pWordDb = nullptr;
    return result;
}
