#include "lesson/CNewWordList.h"

#include "app/Globals.h"
#include "app/TextEncoding.h"
#include "app/UserNotice.h"
#include "lesson/CMeaningText.h"
#include "lesson/LessonContent.h"
#include "lesson/LessonContentService.h"
#include "lesson/MeaningLayout.h"
#include "render/CMutiWord.h"
#include "ui/ArtworkIds.h"
#include "ui/DialogKeys.h"
#include "ui/ResourceImages.h"

#include <QPainter>

namespace {

constexpr int kLeft = 15;
constexpr int kCell = 18;
constexpr int kTranslationLeft = kLeft + 12 * kCell;
constexpr int kTranslationWidth = 8 * kCell;
constexpr int kTranslationTop = 5;

} // namespace

CNewWordList::CNewWordList(LessonContentService& content, QWidget* parent)
    : ScrollPanel(parent), m_content(content) {
    setObjectName("137");
}

void CNewWordList::SetFrame(const QRect& frame) {
    m_frame = frame;
    setGeometry(frame);
}

void CNewWordList::Clear() {
    for (Row& row : m_rows) {
        delete row.word;
        delete row.translation;
    }
    m_rows.clear();
}

void CNewWordList::Load(int lessonNumber) {
    m_lessonNumber = lessonNumber;
    if (m_frame.isNull())
        m_frame = geometry();
    InitPanel();
    Clear();
    std::vector<lesson::NewWord> words;
    if (!m_content.ReadNewWords(lessonNumber, words) && !m_content.LastError().empty()) {
        GetUserNotice().Show(UserNotice::Kind::Error, m_content.LastError(), "open database fail");
        return;
    }
    const auto hand = LoadCursorResource(artwork::kHandCursor);
    const int wordHeight = glyphscale::Scaled(kWordHeight, CurrentChineseTextSize());
    int y = 0;
    for (const lesson::NewWord& entry : words) {
        WordItem item;
        item.word = entry.word.substr(0, WordItem::kMaxTextLength);
        const std::vector<std::u16string> groups = meaning::SplitPinyin(entry.pinyin);
        for (size_t i = 0; i < groups.size() && i < item.pinyin.size(); ++i)
            item.pinyin[i] = groups[i];
        item.lessonNumber = lessonNumber;
        item.clickable = 1;
        item.cellWidth = kCell;
        item.lineHeight = wordHeight;
        item.displayMode = WordItem::kCharactersOnly;
        Row row;
        row.word = new CMutiWord(this);
        row.word->setObjectName("65535");
        if (hand)
            row.word->setCursor(*hand);
        const int wordWidth = row.word->SetItem(item);
        row.word->SetNewWordDetails(text::Utf8ToUtf16(entry.wordClass), text::Utf8ToUtf16(entry.explanation));
        row.word->setGeometry(kLeft, y, wordWidth, wordHeight);

        row.translation = new CMeaningText(this);
        row.translation->SetBackground(g_clrWindowBk);
        const int translationHeight = row.translation->SetText(
            QRect(kTranslationLeft, y + kTranslationTop, kTranslationWidth, wordHeight), entry.explanation);
        row.word->show();
        row.translation->show();
        y += std::max(wordHeight, translationHeight) + kRowGap;
        m_rows.push_back(row);
    }
    SetContentSize(QRect(0, 0, width(), y), y);
    setGeometry(m_frame);
    show();
    m_scroll.m_state = y >= m_frame.height() ? ScrollModel::kAtTop : ScrollModel::kFits;
}

void CNewWordList::paintEvent(QPaintEvent*) {
    QPainter(this).fillRect(rect(), g_clrWindowBk);
}

void CNewWordList::keyPressEvent(QKeyEvent* event) {
    if (!SwallowDialogKeys(event))
        ScrollPanel::keyPressEvent(event);
}
