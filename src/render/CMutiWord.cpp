#include "render/CMutiWord.h"

#include "app/CLog.h"
#include "app/Globals.h"
#include "render/LessonWindowLink.h"
#include "render/WordColours.h"

#include <QMouseEvent>
#include <QPainter>

#include <cstdio>
#include <exception>

namespace {

// The last pronunciation played for a clicked character.
constexpr char kCharacterSoundFile[] = "CharFaYinFile.wav";

} // namespace

CMutiWord::CMutiWord(QWidget* parent) : QWidget(parent) {
    const WordColours colours = CurrentWordColours();
    m_wordColour = colours.word;
    m_newWordColour = colours.newWord;
    // Like a static control without the notify style, the word lets clicks through until it
    // is made clickable.
    setAttribute(Qt::WA_TransparentForMouseEvents, true);
}

int CMutiWord::SetItem(const WordItem& item) {
    m_pictures.SetDisplay(CurrentGlyphDisplay(devicePixelRatioF()));
    const int width = m_pictures.SetItem(item);
    const bool clickable = item.displayMode != WordItem::kPinyinOnly && item.clickable;
    setAttribute(Qt::WA_TransparentForMouseEvents, !clickable);
    update();
    return width;
}

void CMutiWord::SetNewWordDetails(const std::u16string& partOfSpeech, const std::u16string& explanation) {
    m_clickVariant = kClickNewWord;
    m_partOfSpeech = partOfSpeech.substr(0, kMaxPartOfSpeechLength);
    m_explanation = explanation;
}

// What the owner painted under the control, in device pixels so that the glyph pictures land
// 1:1 on the screen: the drawing keeps it between the strokes.
QImage CMutiWord::Ground() const {
    const double ratio = m_pictures.Display().devicePixelRatio;
    QImage ground(m_pictures.Display().ToDevice(width()), m_pictures.Display().ToDevice(height()),
                  QImage::Format_RGB32);
    ground.setDevicePixelRatio(ratio);
    ground.fill(palette().color(backgroundRole()));
    if (QWidget* owner = parentWidget()) {
        QPainter painter(&ground);
        owner->render(&painter, QPoint(), QRegion(geometry()), QWidget::DrawWindowBackground);
    }
    return ground;
}

void CMutiWord::paintEvent(QPaintEvent*) {
    try {
        QImage canvas = Ground();
        m_pictures.Paint(canvas, m_wordColour, m_newWordColour, CurrentWordColours().pinyin);
        QPainter(this).drawImage(0, 0, canvas);
    } catch (const std::exception&) {
        g_log.Write("CMutiWord,OnPaint(),error");
    }
}

template <class Link> Link* CMutiWord::FindAncestor() const {
    for (QWidget* w = parentWidget(); w; w = w->parentWidget())
        if (auto* link = dynamic_cast<Link*>(w))
            return link;
    return nullptr;
}

void CMutiWord::mouseReleaseEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton && Item().clickable)
        OpenWord();
    QWidget::mouseReleaseEvent(event);
}

void CMutiWord::OpenWord() {
    std::remove((g_strTempLessonDir + "/" + kCharacterSoundFile).c_str());
    LessonWindowLink* lessonWindow = FindAncestor<LessonWindowLink>();
    if (!lessonWindow)
        return;
    const WordItem& item = Item();
    switch (m_pictures.FirstCharacterKind()) {
    case CBmpPicture::kindPunctuation:
        if (item.word == u"*") {
            lessonWindow->ShowTypicalSentences();
            const NoteKeyHolder* popup = FindAncestor<NoteKeyHolder>();
            if (popup && !popup->NoteKey().empty())
                lessonWindow->ShowNote(popup->NoteKey());
        }
        if (item.word.size() > 1)
            lessonWindow->ShowWordStudy(item.word, item.pinyin[0], item.wordId);
        break;
    case CBmpPicture::kindCharacter:
        if (m_clickVariant == kClickNewWord)
            lessonWindow->ShowNewWordStudy(item.word, m_partOfSpeech, m_explanation, this);
        else
            lessonWindow->ShowWordStudy(item.word, item.pinyin[0], item.wordId);
        break;
    default:
        break;
    }
}
