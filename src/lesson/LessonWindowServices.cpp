#include "lesson/LessonWindowServices.h"

bool g_bShowTranslations = true;
