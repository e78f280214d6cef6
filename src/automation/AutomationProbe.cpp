#include "automation/AutomationProbe.h"

#include "app/ContentPath.h"
#include "charstudy/CDrawPLine.h"
#include "charstudy/CWritingPad.h"
#include "render/CMutiWord.h"
#include "spell/CSyllableFeedback.h"
#include "ui/BitmapButton.h"
#include "ui/CShockwaveFlash.h"

#include <QAbstractButton>
#include <QAbstractSpinBox>
#include <QApplication>
#include <QComboBox>
#include <QCursor>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QSaveFile>
#include <QStringList>
#include <QWidget>
#include <cstdlib>
#include <cxxabi.h>
#include <memory>
#include <typeinfo>

namespace {

QString ClassName(const QWidget& widget) {
    const char* mangled = typeid(widget).name();
    int status = 0;
    std::unique_ptr<char, void (*)(void*)> name(abi::__cxa_demangle(mangled, nullptr, nullptr, &status),
                                                std::free);
    return QString::fromLatin1(status == 0 && name ? name.get() : mangled);
}

// One line per field; tabs and line breaks inside a text would break the line format.
QString OneLine(QString text) {
    return text.replace('\t', ' ').replace('\n', ' ').replace('\r', ' ');
}

// The check of a typed answer, syllable by syllable: "ni3:right hao3:tone", the parts typed wrong
// (initial, final, tone) named after each syllable of the answer, "missing" when none was typed
// there. The widget paints it in colours only.
QString SyllableVerdict(const CSyllableFeedback& feedback) {
    QStringList syllables;
    for (const spelling::SyllableCheck& check : feedback.Verdict().syllables) {
        QStringList wrong;
        if (!check.typed)
            wrong << QStringLiteral("missing");
        else if (check.Right())
            wrong << QStringLiteral("right");
        if (check.typed && !check.initialRight)
            wrong << QStringLiteral("initial");
        if (check.typed && !check.finalRight)
            wrong << QStringLiteral("final");
        if (check.typed && !check.toneRight)
            wrong << QStringLiteral("tone");
        syllables << QString::fromStdString(check.expected.Numbered()) + QLatin1Char(':') +
                         wrong.join(QLatin1Char(','));
    }
    return syllables.join(QLatin1Char(' '));
}

// The main program answers in the folder itself. The companion programs it starts inherit its
// environment, so each answers in a subfolder named after its executable: otherwise two programs
// would answer the same request.
QString ProbeFolderOfThisProgram(const QString& folder) {
    const QString executable = QString::fromStdString(GetExecutableBaseName());
    return executable == QLatin1String("tessalyne") ? folder : folder + QLatin1Char('/') + executable;
}

} // namespace

void AutomationProbe::StartIfRequested() {
    const QString folder = qEnvironmentVariable("TESSALYNE_AUTOMATION_DIR");
    if (folder.isEmpty())
        return;
    new AutomationProbe(ProbeFolderOfThisProgram(folder)); // lives as long as the application (its parent)
}

AutomationProbe::AutomationProbe(QString folder) : QObject(qApp), m_folder(std::move(folder)) {
    QDir().mkpath(m_folder);
    connect(&m_timer, &QTimer::timeout, this, &AutomationProbe::Poll);
    m_timer.start(50);
}

void AutomationProbe::Poll() {
    const QString request = m_folder + "/request";
    if (!QFile::exists(request))
        return;
    QSaveFile out(m_folder + "/widgets.txt");
    if (out.open(QIODevice::WriteOnly)) {
        out.write(DescribeWidgets().toUtf8());
        out.commit();
    }
    QFile::remove(request);
}

QString AutomationProbe::DescribeWidgets() {
    const QPoint cursor = QCursor::pos();
    QString text = QStringLiteral("cursor\t\t%1\t%2\t1\t1\t\t\n").arg(cursor.x()).arg(cursor.y());
    for (QWidget* widget : QApplication::allWidgets())
        if (widget->isVisible())
            text += DescribeWidget(*widget);
    return text;
}

QString AutomationProbe::DescribeWidget(const QWidget& widget) {
    const QPoint topLeft = widget.mapToGlobal(QPoint(0, 0));
    QString line = QStringLiteral("%1\t%2\t%3\t%4\t%5\t%6\t%7\t%8\n")
                       .arg(ClassName(widget), widget.objectName())
                       .arg(topLeft.x())
                       .arg(topLeft.y())
                       .arg(widget.width())
                       .arg(widget.height())
                       .arg(OneLine(ShownText(widget)), ClassName(*widget.window()));
    if (const auto* pad = dynamic_cast<const CWritingPad*>(&widget))
        for (const QString& stroke : ReferenceStrokesOnScreen(*pad).split('\n', Qt::SkipEmptyParts))
            line += QStringLiteral("stroke\t%1\n").arg(stroke);
    if (const auto* button = dynamic_cast<const BitmapButton*>(&widget))
        line += QStringLiteral("face\t%1\n").arg(button->FaceId());
    if (const auto* menu = dynamic_cast<const QMenu*>(&widget))
        for (QAction* action : menu->actions()) {
            const QRect r = menu->actionGeometry(action).translated(topLeft);
            if (!action->isSeparator() && !r.isEmpty())
                line += QStringLiteral("action\t%1\t%2\t%3\t%4\t%5\n")
                            .arg(OneLine(
                                QString(action->text()).replace(QStringLiteral("&&"), QStringLiteral("&"))))
                            .arg(r.x())
                            .arg(r.y())
                            .arg(r.width())
                            .arg(r.height());
        }
    return line;
}

QString AutomationProbe::ShownText(const QWidget& widget) {
    if (widget.isWindow())
        return widget.windowTitle();
    if (const auto* pad = dynamic_cast<const CWritingPad*>(&widget)) {
        if (pad->IsAnimating())
            return QStringLiteral("animating");
        const std::string& why = pad->Explanation().text;
        return QStringLiteral("mode %1").arg(pad->Mode()) +
               (why.empty() ? QString() : QStringLiteral(": ") + QString::fromStdString(why));
    }
    if (const auto* movie = dynamic_cast<const CShockwaveFlash*>(&widget))
        return movie->IsPlaying() ? QStringLiteral("playing") : QStringLiteral("still");
    if (const auto* feedback = dynamic_cast<const CSyllableFeedback*>(&widget))
        return SyllableVerdict(*feedback);
    if (const auto* word = dynamic_cast<const CMutiWord*>(&widget))
        return QString::fromStdU16String(word->Item().word);
    if (const auto* button = dynamic_cast<const BitmapButton*>(&widget))
        return button->TooltipText();
    if (const auto* button = dynamic_cast<const QAbstractButton*>(&widget))
        return button->text();
    if (const auto* spin = dynamic_cast<const QAbstractSpinBox*>(&widget))
        return spin->text();
    if (const auto* edit = dynamic_cast<const QLineEdit*>(&widget))
        return edit->text();
    if (const auto* combo = dynamic_cast<const QComboBox*>(&widget))
        return combo->currentText();
    if (const auto* label = dynamic_cast<const QLabel*>(&widget))
        return label->text();
    return QString();
}

QString AutomationProbe::ReferenceStrokesOnScreen(const CWritingPad& pad) {
    QString lines;
    for (const auto& object : pad.ReferenceObjects()) {
        const auto* line = dynamic_cast<const CDrawPLine*>(object.get());
        if (!line)
            continue;
        for (QPoint p : line->Points()) {
            const QPoint screen = pad.mapToGlobal(pad.PadPoint(p));
            lines += QStringLiteral("%1,%2 ").arg(screen.x()).arg(screen.y());
        }
        lines += '\n';
    }
    return lines;
}
