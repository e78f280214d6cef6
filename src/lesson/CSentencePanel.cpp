#include "lesson/CSentencePanel.h"

#include <QFontMetrics>
#include <algorithm>

#include "app/CLog.h"
#include "app/Globals.h"
#include "lesson/CMeaningDia.h"
#include "lesson/CMeaningText.h"
#include "lesson/LessonContentService.h"
#include "lesson/LessonSettings.h"
#include "lesson/LessonWindowServices.h"
#include "lesson/SpeakerTitleFit.h"
#include "render/CMutiWord.h"
#include "ui/FindAncestor.h"

#include <QPainter>

#include <algorithm>

namespace {

// Translation boxes are created this tall and then take the height of their text.
constexpr int kTextBoxBottom = 546;
// Width of the word rows: the client width less both margins and a border.
constexpr int kRightMargin = 10;
constexpr int kBorder = 2;
// Content width of the laid-out panel (x from 10 to 450).
constexpr int kLaidOutWidth = 440;
constexpr int kWideTitleRow = 1000; // room to measure a speaker title on one row
constexpr char kEightBlanks[] = "        ";

QRect Box(int left, int top, int right, int bottom) {
    return QRect(left, top, std::max(1, right - left), bottom - top);
}

// The colon after a speaker title grows with the Chinese text; its gap before it stays.
int ColonWidth() {
    return glyphscale::Scaled(CSentencePanel::kColonWidth, CurrentChineseTextSize());
}

// The colon control and its gap.
int ColonSlot() {
    return ColonWidth() + CSentencePanel::kColonGap;
}

// The right edge of the text column: larger Chinese text takes more of the panel's width, so that
// a speaker title does not wrap where its base size would not.
int TranslationRight(int panelWidth) {
    return std::min(glyphscale::Scaled(CSentencePanel::kTranslationRight, CurrentChineseTextSize()),
                    std::max(CSentencePanel::kTranslationRight, panelWidth - kRightMargin - kBorder));
}

int LineDistance() {
    return g_lessonSettings.m_effective.lineDistance;
}

int SentenceDistance() {
    return g_lessonSettings.m_effective.sentenceDistance;
}

} // namespace

CSentencePanel::CSentencePanel(LessonContentService& content, QWidget* parent)
    : ScrollPanel(parent), m_content(content) {
    setObjectName("1004");
    m_sceneTimer.setSingleShot(true);
    m_sceneTimer.setInterval(kSceneDelayMs);
    QObject::connect(&m_sceneTimer, &QTimer::timeout, this, [this] { OnSceneTimer(); });
}

CSentencePanel::~CSentencePanel() {
    DestroySlots();
}

void CSentencePanel::SetFrame(const QRect& frame) {
    m_frame = frame;
    setGeometry(frame);
}

void CSentencePanel::SetLesson(int lessonNumber, const std::string& childLessonId) {
    m_lessonNumber = lessonNumber;
    m_childLessonId = childLessonId;
}

LessonWindowServices* CSentencePanel::Services() const {
    return m_services ? m_services : FindAncestor<LessonWindowServices>(this);
}

void CSentencePanel::DestroySlots() {
    for (Slot& slot : m_slots) {
        delete slot.reader;
        delete slot.sentenceRow;
        delete slot.titleRow;
        delete slot.titleColon;
        delete slot.titleTranslation;
        delete slot.titleTranslationColon;
        delete slot.translation;
        slot = Slot();
    }
}

CMeaningDia* CSentencePanel::NewRow() {
    auto* row = new CMeaningDia(this);
    row->SetBackground(g_clrListBk);
    return row;
}

CMeaningText* CSentencePanel::NewText() {
    auto* text = new CMeaningText(this);
    text->SetBackground(g_clrListBk);
    text->show();
    return text;
}

MeaningRecord CSentencePanel::WordRowTemplate() const {
    MeaningRecord r;
    r.lessonNumber = m_lessonNumber;
    r.lineGap = LineDistance();
    r.left = kTextLeft;
    r.unused = 2;
    r.firstIndent = 60;
    r.clickable = 1;
    r.UsePinyinAboveStyle(CurrentChineseTextSize());
    r.width = width() - kRightMargin - kTextLeft - kBorder;
    return r;
}

int CSentencePanel::SetLessonData() {
    g_log.Write("SetLessonData:Begin");
    if (m_frame.isNull())
        m_frame = geometry();
    InitPanel();
    m_sceneTimer.stop();
    DestroySlots();
    m_count = 0;
    int y = kFirstY;
    const MeaningRecord record = WordRowTemplate();

    std::vector<lesson::Sentence> sentences;
    if (!m_content.ReadSentences(m_childLessonId, sentences) && !m_content.LastError().empty()) {
        g_log.Write("SetLessonData: open database error!");
        return y;
    }
    g_log.Write("SetLessonData:ReadData");
    for (const lesson::Sentence& sentence : sentences) {
        g_log.Write("SetLessonData:Database One Begin read");
        m_lastNoteId = sentence.noteId;
        ShowSentence(sentence, m_count, record, y);
        ++m_count;
        g_log.Write("Sentence Num %d", m_count);
        g_log.Write("SetLessonData:MoveNext");
    }

    y += kBottomMargin;
    SetContentSize(QRect(0, 0, width(), y), y);
    show();
    m_loaded = true;
    Relayout(true);
    setGeometry(m_frame);
    m_scroll.m_state = y >= m_frame.height() ? ScrollModel::kAtTop : ScrollModel::kFits;
    m_sceneTimer.start();
    g_log.Write("SetLessonData:SetLessonData_end");
    return y;
}

speaker_title::Fit CSentencePanel::ShowSpeakerTitle(Slot& slot, const lesson::Sentence& sentence,
                                                    MeaningRecord record, int y) {
    record.words = sentence.title;
    record.pinyin = sentence.titlePinyin;
    record.wordIds = sentence.titleWordIds;
    record.left = kTextLeft;
    record.top = y;
    record.firstIndent = 0;
    slot.titleRow = NewRow();
    // The title's width counts the translation's length in blanks. With a proportional font that
    // can be narrower than the translation itself or the Chinese title, which then ran into the
    // colon and the sentence: the width is at least what both really take, unless that leaves the
    // sentence translation no room, when the title wraps.
    const QString titleExplain = QString::fromStdString(sentence.titleExplain);
    const QFont font = g_lessonSettings.Font();
    record.width = kWideTitleRow;
    slot.titleRow->Show(record);
    const int wordsWidth = slot.titleRow->childrenRect().right() + 1;
    int widestChinese = 0;
    for (const CMutiWord* word : slot.titleRow->WordControls())
        widestChinese = std::max(widestChinese, word->width());
    speaker_title::Widths widths;
    widths.natural = std::max({LessonSettings::TextWidth(titleExplain, font),
                               QFontMetrics(font).horizontalAdvance(titleExplain), wordsWidth - kColonGap});
    widths.narrowest = std::max(speaker_title::WidestWord(titleExplain, font), widestChinese - kColonGap);
    widths.translationWidest = speaker_title::WidestWord(QString::fromStdString(sentence.explain), font);
    const speaker_title::Fit fit =
        speaker_title::FitTitle(widths, kTextLeft, TranslationRight(width()), ColonSlot());
    const int titleWidth = fit.titleWidth;
    // The row wraps where a word and its gap would pass the colon's gap, so its words never reach
    // under the colon.
    record.width = titleWidth + kColonGap + record.wordGap;
    slot.titleRow->Show(record);

    WordItem colon;
    colon.word = u"\uFF1A";
    colon.pinyin[0] = u":";
    colon.lessonNumber = m_lessonNumber;
    colon.cellWidth = record.cellWidth;
    colon.lineHeight = record.lineHeight;
    colon.displayMode = record.displayMode;
    colon.pinyinFactor = record.pinyinFactor;
    colon.characterRowY = record.characterRowY;
    slot.titleColon = new CMutiWord(this);
    slot.titleColon->setObjectName("65535");
    slot.titleColon->SetItem(colon);
    slot.titleColon->setGeometry(kTextLeft + titleWidth + kColonGap, y, ColonWidth(), record.lineHeight);
    slot.titleColon->show();
    return fit;
}

void CSentencePanel::ShowSentence(const lesson::Sentence& sentence, int index, MeaningRecord record, int& y) {
    Slot& slot = m_slots[static_cast<size_t>(index)];
    const bool hasTitle = sentence.HasSpeakerTitle();
    speaker_title::Fit fit{0, TranslationRight(width())};
    if (hasTitle) {
        fit = ShowSpeakerTitle(slot, sentence, record, y);
        fit.titleWidth += ColonSlot();
    }
    const int titleWidth = fit.titleWidth;
    const std::string explain = hasTitle ? sentence.explain : kEightBlanks + sentence.explain;

    if (!slot.reader) {
        g_log.Write("SetLessonData:new CStaticPicture");
        slot.reader = new CStaticPicture(m_content, this);
        slot.reader->Create(QRect(0, y, CStaticPicture::kIconSize, CStaticPicture::kIconSize), index,
                            sentence.id);
    }
    slot.reader->SetSentence(index, sentence.id);
    slot.reader->SetSentenceText(sentence.words, sentence.pinyin);
    g_log.Write("SetLessonData: show :");

    record.top = y;
    record.words = sentence.words;
    record.pinyin = sentence.pinyin;
    record.wordIds = sentence.wordIds;
    record.left = kTextLeft + titleWidth;
    record.firstIndent = hasTitle ? 0 : kIndentWithoutTitle;
    record.width -= titleWidth;
    slot.sentenceRow = NewRow();
    slot.sentenceRow->SetNoteKey(sentence.noteId);
    g_log.Write("SetLessonData:bExistTitleExplain");
    slot.sentenceRow->Show(record);
    y += WordsHeight(slot) + LineDistance();

    g_log.Write("SetLessonData:Show chenwei notes");
    if (hasTitle) {
        g_log.Write("SetLessonData:ChengWeiMeaningDia_show");
        slot.titleTranslation = NewText();
        slot.titleTranslation->SetText(
            Box(kTextLeft, y, kTextLeft + titleWidth - ColonSlot(), kTextBoxBottom), sentence.titleExplain);
        g_log.Write("SetLessonData:Show chenwei notes_1");
        g_log.Write("SetLessonData:m_MeanMaoHao_show");
        slot.titleTranslationColon = NewText();
        slot.titleTranslationColon->SetText(
            Box(kTextLeft + titleWidth - 10, y, kTextLeft + titleWidth, kTextBoxBottom), ":");
        g_log.Write("SetLessonData:Show chenwei notes_2");
    }
    g_log.Write("SetLessonData:Show MeaningDia_begin");
    slot.translation = NewText();
    slot.translation->SetText(Box(kTextLeft + titleWidth, y, fit.translationRight, kTranslationRight),
                              explain);
    y += TranslationHeight(slot) + SentenceDistance();
    g_log.Write("SetLessonData:Show MeaningDia_end");
}

int CSentencePanel::WordsHeight(const Slot& slot) {
    return std::max(slot.sentenceRow->Height(), slot.titleRow ? slot.titleRow->Height() : 0);
}

int CSentencePanel::TranslationHeight(const Slot& slot) {
    return std::max(slot.translation->height(), slot.titleTranslation ? slot.titleTranslation->height() : 0);
}

void CSentencePanel::Relayout(bool repaint) {
    int y = 0;
    for (int i = 0; i < m_count; ++i) {
        Slot& slot = m_slots[static_cast<size_t>(i)];
        slot.reader->move(0, y);
        if (slot.titleRow)
            slot.titleRow->move(slot.titleRow->x(), y);
        if (slot.titleColon)
            slot.titleColon->move(slot.titleColon->x(), y);
        slot.sentenceRow->move(slot.sentenceRow->x(), y);
        y += WordsHeight(slot);
        CMeaningText* texts[] = {slot.titleTranslation, slot.titleTranslationColon, slot.translation};
        if (slot.showTranslation)
            y += LineDistance();
        for (CMeaningText* text : texts) {
            if (!text)
                continue;
            text->move(text->x(), y);
            text->setVisible(slot.showTranslation);
        }
        if (slot.showTranslation)
            y += TranslationHeight(slot);
        y += SentenceDistance();
    }
    y += kBottomMargin;
    SetContentSize(QRect(10, 0, kLaidOutWidth, y), y);
    show();
    m_loaded = true;
    if (repaint)
        update();
    setGeometry(m_frame);
    m_scroll.m_state = y >= m_frame.height() ? ScrollModel::kAtTop : ScrollModel::kFits;
}

void CSentencePanel::RelayoutInPlace() {
    size_t top = 0;
    for (int i = 0; i < m_count; ++i)
        if (m_slots[static_cast<size_t>(i)].reader->y() <= 0)
            top = static_cast<size_t>(i);
    Relayout(true);
    KeepPosition(m_count > 0 ? m_slots[top].reader->y() : 0);
}

void CSentencePanel::ShowAllTranslations(bool show) {
    for (Slot& slot : m_slots)
        slot.showTranslation = show;
}

bool CSentencePanel::IsTranslationShown(int sentenceIndex) const {
    return sentenceIndex >= 0 && sentenceIndex < m_count &&
           m_slots[static_cast<size_t>(sentenceIndex)].showTranslation;
}

void CSentencePanel::ToggleTranslation(int sentenceIndex) {
    if (sentenceIndex < 0 || sentenceIndex >= m_count)
        return;
    Slot& slot = m_slots[static_cast<size_t>(sentenceIndex)];
    slot.showTranslation = !slot.showTranslation;
    Relayout(true);
}

std::vector<SentenceReader*> CSentencePanel::Readers() const {
    std::vector<SentenceReader*> readers;
    readers.reserve(static_cast<size_t>(m_count));
    for (int i = 0; i < m_count; ++i)
        readers.push_back(m_slots[static_cast<size_t>(i)].reader);
    return readers;
}

CStaticPicture* CSentencePanel::ReadingControl(int index) const {
    return index >= 0 && index < m_count ? m_slots[static_cast<size_t>(index)].reader : nullptr;
}

CMeaningDia* CSentencePanel::SentenceRow(int index) const {
    return index >= 0 && index < m_count ? m_slots[static_cast<size_t>(index)].sentenceRow : nullptr;
}

CMeaningDia* CSentencePanel::TitleRow(int index) const {
    return index >= 0 && index < m_count ? m_slots[static_cast<size_t>(index)].titleRow : nullptr;
}

CMeaningText* CSentencePanel::Translation(int index) const {
    return index >= 0 && index < m_count ? m_slots[static_cast<size_t>(index)].translation : nullptr;
}

void CSentencePanel::OnSceneTimer() {
    m_sceneTimer.stop();
    LessonWindowServices* window = Services();
    if (window && window->IsSceneActive())
        window->PlayChildLessonScene(m_childLessonId);
    update();
}

void CSentencePanel::paintEvent(QPaintEvent*) {
    QPainter(this).fillRect(rect(), g_clrListBk);
}
