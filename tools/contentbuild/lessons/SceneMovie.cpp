#include "SceneMovie.h"

#include "GifWriter.h"
#include "PinyinText.h"
#include "SceneArt.h"

#include <QFontMetrics>
#include <QImage>
#include <QPainter>
#include <QPainterPath>

#include <algorithm>
#include <map>

namespace lessons {
namespace {

using namespace sceneart;

constexpr int kStageHeight = 186;
constexpr int kHeadY = 66;
constexpr QRect kPanel{12, 192, 406, 296};
constexpr int kBubbleMargin = 16; // room beside a bubble for its tail
constexpr int kBubbleGap = 8;
constexpr int kPad = 10;
constexpr int kMaxBubbleWidth = 318;
constexpr int kNameHeight = 17;

// How long things show, in milliseconds.
constexpr int kIntroMs = 900;
constexpr int kFadeStepMs = 70;
constexpr int kMouthMs = 180;
constexpr int kEndMs = 2600;
constexpr int kPageTurnMs = 300;

int HoldMs(int characters) {
    return std::clamp(1100 + 170 * characters, 1700, 4800);
}

bool IsOpeningMark(const std::string& word) {
    return word == "“" || word == "‘" || word == "（" || word == "《";
}

// Where the figure of speaker `index` of `count` stands.
double FigureX(int index, std::size_t count) {
    return static_cast<double>(kSceneSize.width()) * (index + 0.5) / static_cast<double>(count);
}

QString Q(const std::string& text) {
    return QString::fromStdString(text);
}

// One row of a bubble: words and, under them, their pinyin.
struct Row {
    QString chinese;
    QString pinyin;
};

// One speech bubble laid out in the panel.
struct Bubble {
    int line = 0;
    QRect area;
    int side = 0; // -1 tail on the left, 1 on the right, 0 none (a line without speaker)
    QFont chinese;
    QFont pinyin;
    std::vector<Row> rows;
    QRect nameText;
    QPoint firstRow; // top left of the first row
    int chineseHeight = 0;
    int rowHeight = 0;
};

class SceneLayout {
public:
    explicit SceneLayout(const SceneMovie& movie) : m_movie(movie) {}

    // The bubble of a line with its top at y; the fonts shrink for a line too long for the panel.
    Bubble Place(int line, int top) const {
        const SceneMovie::Line& text = m_movie.Lines()[static_cast<std::size_t>(line)];
        Bubble bubble;
        bubble.line = line;
        // A speaker's bubble points to the side the speaker stands on.
        bubble.side = text.speaker < 0 ? 0 : (Speaker(text) < kSceneSize.width() / 2.0 ? -1 : 1);
        for (const auto& [chinese, pinyin] : {std::pair{23, 13}, std::pair{20, 12}, std::pair{17, 11}}) {
            bubble.chinese = ChineseFont(chinese);
            bubble.pinyin = LatinFont(pinyin);
            if (Measure(bubble, text, top))
                break;
        }
        return bubble;
    }

private:
    double Speaker(const SceneMovie::Line& text) const {
        return FigureX(text.speaker, m_movie.Speakers().size());
    }

    // Fills rows word by word while the words and their pinyin fit the bubble's width.
    static std::vector<Row> BreakRows(const SceneMovie::Line& text, const QFontMetrics& chinese,
                                      const QFontMetrics& pinyin, int width, int& widest) {
        std::vector<Row> rows;
        widest = 0;
        Row row;
        for (const SceneMovie::Word& word : text.words) {
            Row longer{row.chinese + Q(word.chinese),
                       row.pinyin.isEmpty() ? Q(word.pinyin) : row.pinyin + ' ' + Q(word.pinyin)};
            const int needed =
                std::max(chinese.horizontalAdvance(longer.chinese), pinyin.horizontalAdvance(longer.pinyin));
            if (needed > width && !row.chinese.isEmpty()) {
                rows.push_back(row);
                longer = Row{Q(word.chinese), Q(word.pinyin)};
            }
            row = longer;
            widest = std::max(widest, std::max(chinese.horizontalAdvance(row.chinese),
                                               pinyin.horizontalAdvance(row.pinyin)));
        }
        if (!row.chinese.isEmpty())
            rows.push_back(row);
        return rows;
    }

    // Lays the bubble out; false when it is taller than the panel or a word is wider than a bubble.
    bool Measure(Bubble& bubble, const SceneMovie::Line& text, int top) const {
        const int inner = kMaxBubbleWidth - 2 * kPad;
        const QFontMetrics chinese(bubble.chinese);
        const QFontMetrics pinyin(bubble.pinyin);
        int width = 0;
        bubble.rows = BreakRows(text, chinese, pinyin, inner, width);
        const int nameHeight = text.speaker < 0 ? 0 : kNameHeight;
        if (text.speaker >= 0) {
            const QString name = Q(m_movie.Speakers()[static_cast<std::size_t>(text.speaker)].name);
            width = std::max(width, QFontMetrics(ChineseFont(13)).horizontalAdvance(name));
        }
        const bool fits = width <= inner;
        width = std::min(width, inner) + 2 * kPad;
        bubble.chineseHeight = chinese.height();
        bubble.rowHeight = chinese.height() + 2 + pinyin.height() + 6;
        const int height =
            kPad + nameHeight + static_cast<int>(bubble.rows.size()) * bubble.rowHeight - 6 + kPad;
        // Under its speaker as far as the panel allows; a line without speaker in the middle.
        const double centre = text.speaker < 0 ? kPanel.center().x() : Speaker(text);
        const int left = std::clamp(static_cast<int>(centre - width / 2.0), kPanel.left() + kBubbleMargin,
                                    kPanel.right() - kBubbleMargin - width);
        bubble.area = QRect(left, top, width, height);
        bubble.nameText = QRect(left + kPad, top + kPad - 2, width - 2 * kPad, nameHeight);
        bubble.firstRow = QPoint(left + kPad, top + kPad + nameHeight);
        return fits && height <= kPanel.height() - 2 * kPad;
    }

    const SceneMovie& m_movie;
};

// Draws the frames: the stage with the figures over the panel of bubbles shown so far.
class SceneRenderer {
public:
    explicit SceneRenderer(const SceneMovie& movie) : m_movie(movie) {}

    QImage Frame(const std::vector<Bubble>& page, double newestOpacity, int talking, bool mouthOpen) const {
        QImage frame(kSceneSize, QImage::Format_RGB32);
        QPainter painter(&frame);
        painter.setRenderHint(QPainter::Antialiasing);
        painter.setRenderHint(QPainter::TextAntialiasing);
        DrawStage(painter, talking, mouthOpen);
        DrawPanel(painter, QRectF(kPanel).adjusted(0.5, 0.5, -0.5, -0.5));
        for (std::size_t i = 0; i < page.size(); ++i) {
            painter.setOpacity(i + 1 == page.size() ? newestOpacity : 1.0);
            DrawBubble(painter, page[i]);
        }
        return frame;
    }

private:
    void DrawStage(QPainter& painter, int talking, bool mouthOpen) const {
        painter.fillRect(QRect(0, 0, kSceneSize.width(), kSceneSize.height()), kWall);
        painter.fillRect(QRect(0, 132, kSceneSize.width(), kStageHeight - 132), kFloor);
        const std::vector<SceneMovie::Figure>& speakers = m_movie.Speakers();
        if (speakers.empty()) {
            DrawBook(painter, QPointF(kSceneSize.width() / 2.0, 96));
            return;
        }
        const double scale = speakers.size() <= 3 ? 1.0 : 0.8;
        const double slot = static_cast<double>(kSceneSize.width()) / static_cast<double>(speakers.size());
        for (std::size_t i = 0; i < speakers.size(); ++i) {
            const bool speaking = static_cast<int>(i) == talking;
            const double x = FigureX(static_cast<int>(i), speakers.size());
            const Look look = LookFor(speakers[i].look);
            DrawFigure(painter, QPointF(x, kHeadY - (speaking ? 5 : 0)), scale, look, speaking && mouthOpen);
            DrawBadge(painter, speakers[i], look, QPointF(x, 136), slot - 8, speaking);
        }
    }

    static void DrawBadge(QPainter& painter, const SceneMovie::Figure& speaker, const Look& look, QPointF top,
                          double maxWidth, bool speaking) {
        const QFont nameFont = ChineseFont(16);
        const QFont pinyinFont = LatinFont(10);
        const double width = std::min(
            maxWidth, 16.0 + std::max(QFontMetrics(nameFont).horizontalAdvance(Q(speaker.name)),
                                      QFontMetrics(pinyinFont).horizontalAdvance(Q(speaker.pinyin))));
        const QRectF badge(top.x() - width / 2, top.y(), width, 40);
        painter.setPen(speaking ? QPen(kInk, 2) : Qt::NoPen);
        painter.setBrush(look.coat);
        painter.drawRoundedRect(badge, 9, 9);
        painter.setPen(Qt::white);
        painter.setFont(nameFont);
        painter.drawText(badge.adjusted(4, 3, -4, -19), Qt::AlignCenter, Q(speaker.name));
        painter.setFont(pinyinFont);
        painter.drawText(badge.adjusted(4, 22, -4, -3), Qt::AlignCenter, Q(speaker.pinyin));
    }

    static void DrawBook(QPainter& painter, QPointF centre) {
        painter.setPen(QPen(kAccent, 2));
        for (const int side : {-1, 1}) {
            QPainterPath page;
            page.moveTo(centre + QPointF(0, -38));
            page.quadTo(centre + QPointF(side * 40, -52), centre + QPointF(side * 84, -42));
            page.lineTo(centre + QPointF(side * 84, 36));
            page.quadTo(centre + QPointF(side * 40, 26), centre + QPointF(0, 40));
            page.closeSubpath();
            painter.setBrush(kPaper);
            painter.drawPath(page);
            painter.setPen(QPen(kPaperEdge, 3, Qt::SolidLine, Qt::RoundCap));
            for (int row = 0; row < 4; ++row) {
                const double y = -24 + row * 15;
                painter.drawLine(centre + QPointF(side * 16, y), centre + QPointF(side * 70, y + 2));
            }
            painter.setPen(QPen(kAccent, 2));
        }
    }

    void DrawBubble(QPainter& painter, const Bubble& bubble) const {
        const SceneMovie::Line& line = m_movie.Lines()[static_cast<std::size_t>(bubble.line)];
        const QColor edge =
            line.speaker < 0 ? kAccent
                             : LookFor(m_movie.Speakers()[static_cast<std::size_t>(line.speaker)].look).coat;
        QPainterPath shape;
        shape.addRoundedRect(QRectF(bubble.area), 12, 12);
        if (bubble.side != 0) {
            const double x = bubble.side < 0 ? bubble.area.left() + 1 : bubble.area.right();
            QPainterPath tail;
            tail.moveTo(x, bubble.area.top() + 14);
            tail.lineTo(x + bubble.side * 12, bubble.area.top() + 10);
            tail.lineTo(x, bubble.area.top() + 28);
            tail.closeSubpath();
            shape = shape.united(tail);
        }
        painter.setPen(QPen(edge, 2));
        painter.setBrush(QColor(255, 255, 255));
        painter.drawPath(shape);
        if (line.speaker >= 0) {
            painter.setPen(edge);
            painter.setFont(ChineseFont(13));
            painter.drawText(bubble.nameText, Qt::AlignLeft | Qt::AlignVCenter,
                             Q(m_movie.Speakers()[static_cast<std::size_t>(line.speaker)].name));
        }
        QPoint at = bubble.firstRow;
        const int width = bubble.area.width() - 2 * kPad;
        for (const Row& row : bubble.rows) {
            painter.setPen(kInk);
            painter.setFont(bubble.chinese);
            painter.drawText(QRect(at, QSize(width, bubble.chineseHeight)), Qt::AlignLeft | Qt::AlignVCenter,
                             row.chinese);
            painter.setPen(kSoftInk);
            painter.setFont(bubble.pinyin);
            painter.drawText(QRect(at + QPoint(0, bubble.chineseHeight + 2), QSize(width, bubble.rowHeight)),
                             Qt::AlignLeft | Qt::AlignTop, row.pinyin);
            at.ry() += bubble.rowHeight;
        }
    }

    const SceneMovie& m_movie;
};

// The look of a speaker: the same in every lesson where the names let it (chosen from the key), and
// never the same as another speaker's of the same lesson while looks remain.
int LookOf(const LessonSource& lesson, const std::string& key) {
    std::vector<bool> taken(kLookCount, false);
    for (std::size_t i = 0; i < lesson.speakers.size(); ++i) {
        std::uint32_t hash = 2166136261u;
        for (const char c : lesson.speakers[i].key)
            hash = (hash ^ static_cast<unsigned char>(c)) * 16777619u;
        int look = static_cast<int>(hash % kLookCount);
        for (int tries = 0; taken[static_cast<std::size_t>(look)] && tries < kLookCount; ++tries)
            look = (look + 1) % kLookCount;
        if (i + 1 == static_cast<std::size_t>(kLookCount))
            taken.assign(kLookCount, false);
        else
            taken[static_cast<std::size_t>(look)] = true;
        if (lesson.speakers[i].key == key)
            return look;
    }
    return 0;
}

int CharacterCount(const std::string& chinese) {
    return static_cast<int>(Q(chinese).toUcs4().size());
}

} // namespace

std::vector<SceneMovie::Word> SceneWords(const std::string& words, const std::string& pinyin) {
    const std::vector<std::string> chinese = SplitWords(words);
    const std::vector<std::string> groups = SplitWords(pinyin);
    std::vector<SceneMovie::Word> shown;
    bool joinNext = false; // after an opening mark the next word joins it
    for (std::size_t i = 0; i < chinese.size(); ++i) {
        const std::string group = i < groups.size() ? groups[i] : std::string();
        if (chinese[i] == "*")
            continue;
        const bool mark = !PunctuationPinyin(chinese[i]).empty();
        if (joinNext || (mark && !IsOpeningMark(chinese[i]) && !shown.empty())) {
            shown.back().chinese += chinese[i];
            shown.back().pinyin += group;
        } else {
            shown.push_back({chinese[i], group});
        }
        joinNext = IsOpeningMark(chinese[i]);
    }
    return shown;
}

std::string SceneChinese(const std::vector<SceneMovie::Word>& words) {
    std::string text;
    for (const SceneMovie::Word& word : words)
        text += word.chinese;
    return text;
}

std::string ScenePinyin(const std::vector<SceneMovie::Word>& words) {
    std::string text;
    for (const SceneMovie::Word& word : words)
        text += (text.empty() ? "" : " ") + word.pinyin;
    return text;
}

SceneMovie::SceneMovie(const LessonSource& lesson, const ChildLesson& child) {
    std::map<std::string, int> speakerIndex;
    for (const Sentence& sentence : child.sentences) {
        Line line;
        line.words = SceneWords(sentence.words, sentence.pinyin);
        const Speaker* speaker =
            sentence.speakerKey.empty() ? nullptr : lesson.FindSpeaker(sentence.speakerKey);
        if (speaker) {
            auto [found, added] = speakerIndex.emplace(speaker->key, static_cast<int>(m_speakers.size()));
            if (added) {
                const std::vector<Word> name = SceneWords(speaker->words, speaker->pinyin);
                m_speakers.push_back({SceneChinese(name), ScenePinyin(name), LookOf(lesson, speaker->key)});
            }
            line.speaker = found->second;
        }
        m_lines.push_back(std::move(line));
    }
}

std::vector<std::string> SceneMovie::MissingFonts() {
    return sceneart::MissingFonts();
}

bool SceneMovie::Draw(GifWriter& movie, std::string& error) const {
    for (const Line& line : m_lines) {
        const std::string chinese = SceneChinese(line.words);
        const QString missing = MissingGlyphs(ChineseFont(20), Q(chinese)) +
                                MissingGlyphs(LatinFont(12), Q(ScenePinyin(line.words)));
        if (!missing.isEmpty()) {
            error = "the scene fonts have no glyph for \"" + missing.toStdString() + "\" in " + chinese;
            return false;
        }
    }
    const SceneLayout layout(*this);
    const SceneRenderer renderer(*this);
    std::vector<Bubble> page;
    movie.AddFrame(renderer.Frame(page, 1.0, -1, false), kIntroMs);
    for (int i = 0; i < static_cast<int>(m_lines.size()); ++i) {
        int top = page.empty() ? kPanel.top() + kPad : page.back().area.bottom() + 1 + kBubbleGap;
        Bubble bubble = layout.Place(i, top);
        if (!page.empty() && bubble.area.bottom() > kPanel.bottom() - kPad) {
            page.clear();
            movie.AddFrame(renderer.Frame(page, 1.0, -1, false), kPageTurnMs);
            bubble = layout.Place(i, kPanel.top() + kPad);
        }
        page.push_back(bubble);
        const int speaker = m_lines[static_cast<std::size_t>(i)].speaker;
        for (const double opacity : {0.35, 0.7})
            movie.AddFrame(renderer.Frame(page, opacity, speaker, false), kFadeStepMs);
        // The speaker talks for a while, then listens while the line stays.
        const int characters = CharacterCount(SceneChinese(m_lines[static_cast<std::size_t>(i)].words));
        const int hold = HoldMs(characters);
        const int talk = speaker < 0 ? 0 : std::min(hold - 500, 150 * characters);
        int shown = 0;
        for (bool open = true; shown + kMouthMs <= talk; shown += kMouthMs, open = !open)
            movie.AddFrame(renderer.Frame(page, 1.0, speaker, open), kMouthMs);
        movie.AddFrame(renderer.Frame(page, 1.0, speaker, false), hold - shown);
    }
    movie.AddFrame(renderer.Frame(page, 1.0, -1, false), kEndMs);
    return true;
}

} // namespace lessons
