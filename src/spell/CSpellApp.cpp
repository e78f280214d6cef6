#include "spell/CSpellApp.h"

#include "app/ContentPath.h"
#include "app/Globals.h"
#include "exercise/PracticeProgram.h"
#include "spell/CSpellDlg.h"

int CSpellApp::Run(const PracticeCommandLine& line) {
    PracticeProgram program("spell", false);
    if (!program.Open(line))
        return program.Status();
    SpellTexts texts;
    texts.Load(GetProgramFolder(), g_strLangSuffix);
    SpellWindowSetup setup;
    setup.content = &program.Content();
    setup.lesson = &program.Lesson();
    setup.texts = &texts;
    setup.seed = program.Seed();
    setup.scratchFolder = program.ScratchFolder();
    CSpellDlg window(std::move(setup));
    window.exec();
    return 0;
}
