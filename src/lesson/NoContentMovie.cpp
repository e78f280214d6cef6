#include "lesson/NoContentMovie.h"

#include "app/ContentPath.h"
#include "app/Globals.h"
#include "ui/CShockwaveFlash.h"

std::string NoContentMoviePath() {
    return ResolveContentPath(GetProgramFolder() + "Lesson_res\\lesson_" + g_strLangSuffix +
                              "\\Nocontent.swf");
}

CShockwaveFlash* ShowNoContentMovie(QWidget* pane, CShockwaveFlash* existing) {
    CShockwaveFlash* movie = existing ? existing : new CShockwaveFlash(pane);
    movie->setObjectName("1024");
    movie->setGeometry(pane->rect());
    movie->LoadMovie(0, NoContentMoviePath());
    movie->Play();
    movie->show();
    return movie;
}
