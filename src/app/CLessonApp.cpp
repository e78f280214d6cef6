#include "app/CLessonApp.h"

#include "app/CIniFile.h"
#include "app/CInstanceActivation.h"
#include "app/CInstanceLock.h"
#include "app/CLog.h"
#include "app/CProfile.h"
#include "app/CScratchFolder.h"
#include "app/CTerminationSignal.h"
#include "app/ContentPath.h"
#include "app/FileUtils.h"
#include "app/Globals.h"
#include "app/LanguageRecord.h"
#include "app/UserFolders.h"
#include "app/UserNotice.h"
#include "data/CADODatabase.h"
#include "data/Queries.h"
#include "lesson/CLessonCatalogDlg.h"
#include "lesson/LearnerService.h"
#include "lesson/LessonContentService.h"
#include "lesson/LessonSettings.h"
#include "render/WordColours.h"

#include <QString>
#include <cstdio>
#include <exception>

CLessonApp* theApp = nullptr;

CLessonApp::CLessonApp() {
    theApp = this;
}

CLessonApp::~CLessonApp() {
    if (theApp == this)
        theApp = nullptr;
}

int CLessonApp::Run() {
    InitInstance();
    return ExitInstance();
}

bool CLessonApp::InitInstance() {
    const std::string application = GetExecutableBaseName();
    m_instanceLock = std::make_unique<CInstanceLock>(application);
    m_activation = std::make_unique<CInstanceActivation>(QString::fromStdString(application));
    if (!m_instanceLock->Acquire()) {
        m_activation->AskRunningInstanceToActivate();
        return false;
    }
    m_activation->Listen();
    g_log.Write("InitInstance: %s started", application.c_str());

    g_profile.SetRegistryKey("Tessalyne", application);
    g_clrListBk = QColor(252, 245, 223);
    g_clrWindowBk = QColor(255, 255, 255);

    // The program folder is only read; the scratch folder is this instance's own. Those of a killed
    // earlier run are no one's any more.
    if (const int leftovers = RemoveLeftoverScratchFolders(application))
        g_log.Write("InitInstance: %d scratch folders of an ended run removed", leftovers);
    m_scratch = std::make_unique<CScratchFolder>(application);
    g_strTempLessonDir = m_scratch->Path();
    if (!m_scratch->IsValid())
        g_log.Write("InitInstance: %s; sounds stay silent", m_scratch->Error().c_str());

    // Saves killed half-way leave their temporary files beside the ini files they were replacing.
    RemoveLeftoverTemporaryFiles(UserConfigFolder());
    RemoveLeftoverTemporaryFiles(UserConfigFolder() + "Lesson_res");

    DrawWordsInDisplayColours();
    // Nobody has logged in yet: only the default display settings are read.
    g_lessonSettings.LoadFor(g_strLangSuffix);

    std::string languageName;
    if (!OpenContent(languageName))
        return false;

    CTerminationSignal termination;
    LessonContentService content(m_course.LessonDb(), m_course.WordDb(), m_course.LanguageShort());
    LearnerService learners(m_course.LessonDb(), m_course.WordDb());
    CLessonCatalogDlg catalogue(languageName, content, learners);
    catalogue.exec();
    return false;
}

bool CLessonApp::OpenContent(std::string& languageName) {
    if (m_course.Open(languageName))
        return true;
    m_exitStatus = 1;
    return false;
}

int CLessonApp::ExitInstance() {
    SetWordColoursSource({});
    const bool started = m_scratch != nullptr;
    m_scratch.reset();
    m_course.Close();
    if (started)
        g_log.Write("ExitInstance: status %d", m_exitStatus);
    return m_exitStatus;
}
