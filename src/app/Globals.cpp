#include "app/Globals.h"

std::string g_strTempLessonDir = "templesson";
std::string g_strLangSuffix = "en";
std::string g_strUserId;
QColor g_clrListBk(252, 245, 223);
QColor g_clrWindowBk(255, 255, 255);
CADODatabase* g_pLessonDb = nullptr;
CADODatabase* g_pWordDb = nullptr;
