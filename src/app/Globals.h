#pragma once

#include <QColor>
#include <string>

class CADODatabase;

// Process-wide state shared by the windows and panes.
extern std::string g_strTempLessonDir; // the private scratch folder, no trailing separator
extern std::string g_strLangSuffix;    // language suffix of per-language tables and files
extern std::string g_strUserId;        // id of the logged-in user
extern QColor g_clrListBk;             // list and panel backgrounds
extern QColor g_clrWindowBk;           // dialog and static backgrounds
extern CADODatabase* g_pLessonDb;      // db/lesson.dll
extern CADODatabase* g_pWordDb;        // db/word.dll
