#include "ProgramPictures.h"

#include "ArtStyle.h"
#include "PicturePage.h"
#include "PictureTexts.h"
#include "app/FileUtils.h"
#include "ui/SkinLayout.h"

#include <QPainter>

namespace lessons {
namespace {

using pictures::PicturePage;

// The lesson window's title picture: drawn at (517, 25) inside the header inset. A change of title
// repaints the window only down to its row 80, so every title keeps its last rows plain.
constexpr QSize kPaneTitleSize{420, 60};
// The new-word pane's heading above its list, whose words start 25 pixels from the pane's left
// and whose meanings start at 241.
constexpr QSize kWordTitleSize{420, 60};
constexpr int kWordColumn = 25, kMeaningColumn = 241;
constexpr int kGuideSteps = 6;

struct PaneTitle {
    const char* file;
    const char* key;
    art::Icon icon;
};

constexpr PaneTitle kPaneTitles[] = {
    {"Dialog.bmp", "Dialog", art::Icon::Scene},
    {"newword.bmp", "NewWord", art::Icon::Book},
    {"note.bmp", "Note", art::Icon::Page},
    {"language_point.bmp", "LanguagePoint", art::Icon::Bulb},
    {"dianxinju.bmp", "Typical", art::Icon::Quote},
    {"listen_speak.bmp", "ListenSpeak", art::Icon::SpeakerWaves},
    {"wordstudy.bmp", "WordStudy", art::Icon::Pen},
};

std::string ResFolder(const std::string& language) {
    return "Lesson_res/lesson_" + language + "/";
}

std::string WordTitlePath(const std::string& language) {
    return "image/lesson_" + language + "/wordtitle.bmp";
}

QImage PaneTitlePicture(const PaneTitle& title, const PictureTexts& texts) {
    return pictures::DrawnPicture(kPaneTitleSize, art::HeaderInsetFill(), [&](QPainter& painter) {
        const QRectF badge(6, 8, 44, 44);
        painter.setPen(Qt::NoPen);
        painter.setBrush(art::kPaper);
        painter.drawEllipse(badge);
        art::DrawIcon(painter, title.icon, badge.adjusted(9, 9, -9, -9), art::kTealDark);
        const int left = 64, width = kPaneTitleSize.width() - left - 8;
        pictures::FittedLine(painter, QRect(left, 5, width, 30), texts.Text("Panes", title.key),
                             pictures::TextFont(22, true), Qt::white, 15);
        pictures::FittedLine(painter, QRect(left, 35, width, 20),
                             texts.Text("Panes", std::string(title.key) + "_Hint"), pictures::TextFont(13),
                             art::kCream, 10);
    });
}

QImage WordTitlePicture(const PictureTexts& texts) {
    return pictures::DrawnPicture(kWordTitleSize, Qt::white, [&](QPainter& painter) {
        const QRectF band(2, 8, kWordTitleSize.width() - 4, 42);
        art::Panel(painter, band, 8, art::kTealLight.lighter(106), art::kTealLight,
                   art::kTealLight.darker(112), 1);
        const QRect labels(0, static_cast<int>(band.top()), kWordTitleSize.width(),
                           static_cast<int>(band.height()));
        art::DrawIcon(painter, art::Icon::Letters, QRectF(kWordColumn - 2, labels.top() + 10, 22, 22),
                      art::kTealDark);
        pictures::FittedLine(
            painter, labels.adjusted(kWordColumn + 28, 0, -(kWordTitleSize.width() - kMeaningColumn + 8), 0),
            texts.Text("NewWords", "Word"), pictures::TextFont(15, true), art::kTealDark, 11);
        art::DrawIcon(painter, art::Icon::Globe, QRectF(kMeaningColumn - 2, labels.top() + 10, 22, 22),
                      art::kTealDark);
        pictures::FittedLine(painter, labels.adjusted(kMeaningColumn + 28, 0, -8, 0),
                             texts.Text("NewWords", "Meaning"), pictures::TextFont(15, true), art::kTealDark,
                             11);
    });
}

// The strip behind the child-lesson list and its button; the selector's inset in the lesson
// window's skin frames it.
QImage SelectorPicture() {
    const QSize size = skinlayout::lesson::kSelector.size();
    return pictures::DrawnPicture(size, art::kCream, [&](QPainter& painter) {
        art::Panel(painter, QRectF(0, 0, size.width(), size.height()), 8, art::kPaper,
                   art::kAmberLight.lighter(108), Qt::transparent, 0);
    });
}

// Draws (or with no painter measures) the numbered steps of the guide in `room`; returns the bottom.
int GuideSteps(QPainter* painter, const PictureTexts& texts, QRect room, int pixelSize, int gap) {
    PicturePage page(painter, room.left(), room.top(), room.width());
    constexpr int kBadge = 22, kIndent = kBadge + 10;
    for (int step = 1; step <= kGuideSteps; ++step) {
        if (step > 1)
            page.Space(gap);
        const int top = page.Top();
        if (painter) {
            const QRectF badge(page.Left(), top, kBadge, kBadge);
            painter->setPen(Qt::NoPen);
            painter->setBrush(art::kTeal);
            painter->drawEllipse(badge);
            painter->setFont(pictures::TextFont(12, true));
            painter->setPen(Qt::white);
            painter->drawText(badge, Qt::AlignCenter, QString::number(step));
        }
        page.Space(2);
        page.Paragraph(texts.Text("Guide", "Step" + std::to_string(step)), pictures::TextFont(pixelSize),
                       art::kInk, kIndent);
        page.Space(std::max(0, top + kBadge - page.Top()));
    }
    return page.Top();
}

QImage GuidePicture(const PictureTexts& texts) {
    const QRect area = skinlayout::catalog::kExplain;
    const QSize size = area.size();
    return pictures::DrawnPicture(size, art::kCream.lighter(102), [&](QPainter& painter) {
        art::Inset(painter, QRectF(0, 0, size.width(), size.height()), art::kPaper, 16);
        pictures::FittedLine(painter, QRect(20, 16, size.width() - 40, 30), texts.Text("Guide", "Title"),
                             pictures::TextFont(20, true), art::kTealDark, 14);
        painter.setPen(QPen(art::kAmber, 2));
        painter.drawLine(QPointF(20, 52), QPointF(84, 52));
        const QRect room(20, 68, size.width() - 40, size.height() - 68 - 18);
        // Long texts first bring the steps closer, then get a smaller face.
        int pixelSize = 14, gap = 14;
        while (pixelSize > 10 && GuideSteps(nullptr, texts, room, pixelSize, gap) > room.bottom()) {
            if (gap > pixelSize / 2) {
                gap -= 2;
            } else {
                --pixelSize;
                gap = pixelSize;
            }
        }
        GuideSteps(&painter, texts, room, pixelSize, gap);
    });
}

} // namespace

std::vector<ProgramPicture> MakeProgramPictures(const PictureTexts& texts) {
    const std::string folder = ResFolder(texts.Language());
    std::vector<ProgramPicture> made;
    made.push_back({folder + "english_exp.bmp", GuidePicture(texts)});
    made.push_back({folder + "combobox.bmp", SelectorPicture()});
    for (const PaneTitle& title : kPaneTitles)
        made.push_back({folder + title.file, PaneTitlePicture(title, texts)});
    made.push_back({WordTitlePath(texts.Language()), WordTitlePicture(texts)});
    return made;
}

std::vector<std::string> ProgramPicturePaths(const std::string& language) {
    std::vector<std::string> paths{ResFolder(language) + "english_exp.bmp",
                                   ResFolder(language) + "combobox.bmp"};
    for (const PaneTitle& title : kPaneTitles)
        paths.push_back(ResFolder(language) + title.file);
    paths.push_back(WordTitlePath(language));
    return paths;
}

bool WriteProgramPictures(const std::string& programFolder, const std::vector<PictureTexts>& texts,
                          std::string& error) {
    std::string folder = programFolder;
    if (!folder.empty() && folder.back() != '/')
        folder += '/';
    for (const PictureTexts& languageTexts : texts)
        for (const ProgramPicture& picture : MakeProgramPictures(languageTexts)) {
            const std::string path = folder + picture.path;
            const std::vector<unsigned char> bytes = pictures::PictureBytes(picture.image);
            if (!MakeDirectoryPath(path.substr(0, path.rfind('/'))) ||
                !WriteFileAtomically(
                    path, std::string_view(reinterpret_cast<const char*>(bytes.data()), bytes.size()))) {
                error = "cannot write " + path;
                return false;
            }
        }
    return true;
}

} // namespace lessons
