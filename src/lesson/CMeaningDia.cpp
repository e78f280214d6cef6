#include "lesson/CMeaningDia.h"

#include "lesson/LessonWindowServices.h"
#include "lesson/MeaningLayout.h"
#include "render/CMutiWord.h"
#include "ui/ArtworkIds.h"
#include "ui/DialogKeys.h"
#include "ui/FindAncestor.h"
#include "ui/ResourceImages.h"

#include <QMouseEvent>
#include <QPainter>

namespace {

// Control id of every word control in the popup.
constexpr char kWordControlId[] = "65535";

void SetHandCursor(QWidget* widget) {
    if (auto cursor = LoadCursorResource(artwork::kHandCursor))
        widget->setCursor(*cursor);
}

} // namespace

CMeaningDia::CMeaningDia(QWidget* parent) : QWidget(parent) {
    setObjectName("135");
    setAutoFillBackground(false);
    hide();
}

CMeaningDia::~CMeaningDia() {
    ClearWords();
}

void CMeaningDia::SetBackground(const QColor& colour) {
    m_background = colour;
    update();
}

void CMeaningDia::ClearWords() {
    for (CMutiWord*& word : m_words) {
        delete word;
        word = nullptr;
    }
}

std::vector<CMutiWord*> CMeaningDia::WordControls() const {
    std::vector<CMutiWord*> controls;
    for (CMutiWord* word : m_words)
        if (word)
            controls.push_back(word);
    return controls;
}

int CMeaningDia::Show(const MeaningRecord& record) {
    ClearWords();
    m_record = record;
    if (record.words.empty())
        return 0;
    m_height = record.displayMode == MeaningRecord::kTextLineMode ? record.lineHeight : LayOutWords();
    setGeometry(record.left, record.top, record.width, m_height);
    if (m_clickMode != kNoClick)
        SetHandCursor(this);
    else
        unsetCursor();
    show();
    update();
    return m_height;
}

CMutiWord* CMeaningDia::WordControl(size_t slot) {
    if (!m_words[slot]) {
        m_words[slot] = new CMutiWord(this);
        m_words[slot]->setObjectName(kWordControlId);
        m_words[slot]->setGeometry(0, 0, 300, m_record.lineHeight);
        SetHandCursor(m_words[slot]);
    }
    return m_words[slot];
}

int CMeaningDia::LayOutWords() {
    const MeaningRecord& r = m_record;
    meaning::LayoutParams params;
    params.width = r.width;
    params.wordGap = r.wordGap;
    params.lineGap = r.lineGap;
    params.firstIndent = r.firstIndent;
    params.lineHeight = r.lineHeight;
    size_t slot = 0;
    const meaning::Layout layout =
        meaning::LayOut(r.words, r.pinyin, r.wordIds, params, [&](const meaning::PlacedWord& word) {
            WordItem item;
            item.word = word.text;
            item.pinyin[0] = word.pinyin;
            item.wordId = word.id;
            item.lessonNumber = r.lessonNumber;
            item.clickable = r.clickable;
            item.cellWidth = r.cellWidth;
            item.lineHeight = r.lineHeight;
            item.displayMode = r.displayMode;
            item.spareWidth = r.spareWidth;
            item.pinyinFactor = r.pinyinFactor;
            item.characterRowY = r.characterRowY;
            m_lastWordWidth = WordControl(slot++)->SetItem(item);
            return m_lastWordWidth;
        });
    for (size_t i = 0; i < layout.words.size(); ++i) {
        const meaning::PlacedWord& placed = layout.words[i];
        m_words[i]->setGeometry(placed.x, placed.y, placed.width, r.lineHeight);
        m_words[i]->show();
    }
    return layout.height;
}

void CMeaningDia::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.fillRect(rect(), m_background);
    if (m_record.displayMode == MeaningRecord::kTextLineMode) {
        painter.drawRect(rect().adjusted(0, 0, -1, -1));
        painter.drawText(m_record.left + 40, 10 + painter.fontMetrics().ascent(),
                         QString::fromStdString(m_textLine));
    }
}

void CMeaningDia::mousePressEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton)
        return QWidget::mousePressEvent(event);
    if (m_clickMode == kTypicalDialog) {
        if (auto* owner = dynamic_cast<MeaningLineOwner*>(parentWidget()))
            owner->OnMeaningLineClicked(m_record.itemNumber - 2);
    } else if (m_clickMode == kTypicalPanel) {
        if (auto* window = FindAncestor<LessonWindowServices>(this))
            window->ShowTypicalDetail(m_record.textKey);
    }
}

void CMeaningDia::keyPressEvent(QKeyEvent* event) {
    if (!SwallowDialogKeys(event))
        QWidget::keyPressEvent(event);
}
