#include "lesson/CTypicalPanel.h"

#include "app/Globals.h"
#include "app/UserNotice.h"
#include "lesson/CMeaningDia.h"
#include "lesson/CMeaningText.h"
#include "lesson/LessonContent.h"
#include "lesson/LessonContentService.h"
#include "ui/DialogKeys.h"

#include <QPainter>

namespace {

constexpr char kSevenBlanks[] = "       ";

MeaningRecord TypicalLine(int lessonNumber, const lesson::Typical& typical, int top, int width) {
    MeaningRecord r;
    r.lessonNumber = lessonNumber;
    r.textKey = typical.id;
    r.words = typical.sentence;
    r.pinyin = typical.pinyin;
    r.top = top;
    r.width = width;
    r.lineGap = 5;
    r.left = 5;
    r.unused = 2;
    r.firstIndent = 35;
    r.clickable = 0;
    r.UsePinyinAboveStyle(CurrentChineseTextSize());
    r.spareWidth = 30;
    return r;
}

} // namespace

CTypicalPanel::CTypicalPanel(LessonContentService& content, QWidget* parent)
    : ScrollPanel(parent), m_content(content) {
    setObjectName("279");
}

void CTypicalPanel::SetFrame(const QRect& frame) {
    m_frame = frame;
    setGeometry(frame);
}

void CTypicalPanel::Clear() {
    for (Entry& line : m_lines) {
        delete line.words;
        delete line.translation;
    }
    m_lines.clear();
}

void CTypicalPanel::Fill(int lessonNumber) {
    if (m_frame.isNull())
        m_frame = geometry();
    InitPanel();
    Clear();
    std::vector<lesson::Typical> typicals;
    if (!m_content.ReadTypicals(lessonNumber, typicals) && !m_content.LastError().empty()) {
        GetUserNotice().Show(UserNotice::Kind::Error, "open database fail", m_content.LastError());
        return;
    }
    int y = 0;
    for (const lesson::Typical& typical : typicals) {
        Entry line;
        line.words = new CMeaningDia(this);
        line.words->SetClickMode(CMeaningDia::kTypicalPanel);
        line.words->SetBackground(g_clrWindowBk);
        y += line.words->Show(TypicalLine(lessonNumber, typical, y, width() - 27)) + 5;
        if (!typical.translation.empty()) {
            line.translation = new CMeaningText(this);
            line.translation->SetBackground(g_clrWindowBk);
            y += line.translation->SetText(QRect(10, y, width() - 15, 20),
                                           kSevenBlanks + typical.translation) +
                 20;
            line.translation->show();
        }
        m_lines.push_back(line);
    }
    y += 10;
    SetContentSize(QRect(0, 0, width(), y), y);
    setGeometry(m_frame);
    m_scroll.m_state = y > m_frame.height() ? ScrollModel::kAtTop : ScrollModel::kFits;
}

void CTypicalPanel::paintEvent(QPaintEvent*) {
    QPainter(this).fillRect(rect(), g_clrWindowBk);
}

void CTypicalPanel::keyPressEvent(QKeyEvent* event) {
    if (!SwallowDialogKeys(event))
        ScrollPanel::keyPressEvent(event);
}
