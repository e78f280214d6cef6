#include "lesson/CNewWordPane.h"

#include "app/ContentPath.h"
#include "app/Globals.h"
#include "lesson/CNewWordList.h"
#include "lesson/LessonContentService.h"
#include "ui/DialogKeys.h"

#include <QPainter>

CNewWordPane::CNewWordPane(LessonContentService& content, QWidget* parent)
    : QWidget(parent), m_content(content) {
    setObjectName("131");
    m_title.Load(GetProgramFolder() + "image\\lesson_" + g_strLangSuffix + "\\wordtitle.bmp");
}

void CNewWordPane::LoadWords(int lessonNumber) {
    if (!m_list) {
        m_list = new CNewWordList(m_content, this);
        m_list->SetFrame(kListFrame);
    }
    m_list->Load(lessonNumber);
    m_list->show();
}

void CNewWordPane::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.fillRect(rect(), g_clrWindowBk);
    if (m_title.IsLoaded())
        m_title.Draw(painter, 0, 0, m_title.Size().width(), m_title.Size().height());
}

void CNewWordPane::keyPressEvent(QKeyEvent* event) {
    if (!SwallowDialogKeys(event))
        QWidget::keyPressEvent(event);
}
