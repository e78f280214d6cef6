#include "ui/SkinDialog.h"

#include "WidgetTestApp.h"
#include "fixtures/TempFolder.h"

#include <QDir>
#include <QLabel>
#include <QMouseEvent>
#include <QPushButton>
#include <gtest/gtest.h>

namespace {

// A skin of 60 × 40 pixels with a pure green border of 4 pixels around a cream body.
std::string WriteBorderedSkin(const TempFolder& folder) {
    QImage skin(60, 40, QImage::Format_RGB32);
    skin.fill(qRgb(0, 255, 0));
    for (int y = 4; y < 36; ++y)
        for (int x = 4; x < 56; ++x)
            skin.setPixel(x, y, qRgb(252, 245, 223));
    const std::string path = folder / "skins/Lesson/test.bmp";
    QDir().mkpath(QString::fromStdString(folder / "skins/Lesson"));
    skin.save(QString::fromStdString(path), "BMP");
    return path;
}

void SendMouse(QWidget& widget, QEvent::Type type, QPoint at, Qt::MouseButton button, Qt::MouseButtons held) {
    QMouseEvent event(type, QPointF(at), widget.mapToGlobal(QPointF(at)), button, held, Qt::NoModifier);
    QApplication::sendEvent(&widget, &event);
}

void Drag(QWidget& widget, QPoint from, QPoint to) {
    SendMouse(widget, QEvent::MouseButtonPress, from, Qt::LeftButton, Qt::LeftButton);
    SendMouse(widget, QEvent::MouseMove, to, Qt::NoButton, Qt::LeftButton);
    SendMouse(widget, QEvent::MouseButtonRelease, to, Qt::LeftButton, Qt::NoButton);
}

// Pretends to run on a display of few colours.
class SixteenColourDialog : public SkinDialog {
public:
    using SkinDialog::SkinDialog;

protected:
    int DisplayColourDepth() const override { return 4; }
};

} // namespace

TEST(SkinDialogTest, GreenBorderIsNotPartOfTheWindow) {
    TestApp();
    TempFolder folder;
    const std::string path = WriteBorderedSkin(folder);
    SkinDialog dialog(QSize(300, 200), nullptr);
    EXPECT_TRUE(dialog.InitSkin(path));
    EXPECT_TRUE(dialog.IsSkinned());
    EXPECT_EQ(dialog.size(), QSize(60, 40));
    const QRegion mask = dialog.mask();
    EXPECT_EQ(mask.boundingRect(), QRect(4, 4, 52, 32));
    EXPECT_FALSE(mask.contains(QPoint(1, 1)));
    EXPECT_FALSE(mask.contains(QPoint(58, 20)));
    EXPECT_TRUE(mask.contains(QPoint(30, 20)));

    // The skin is what the window shows.
    dialog.show();
    const QImage shown = dialog.grab().toImage();
    EXPECT_EQ(shown.pixel(30, 20), qRgb(252, 245, 223));
}

TEST(SkinDialogTest, ASkinReadAheadShapesTheWindowAsOneReadAtOnce) {
    TestApp();
    TempFolder folder;
    const std::string path = WriteBorderedSkin(folder);
    SkinDialog::PrefetchSkin(path);
    SkinDialog::PrefetchSkin(path); // asked twice, read once
    SkinDialog ahead(QSize(300, 200), nullptr);
    EXPECT_TRUE(ahead.InitSkin(path));
    // The read-ahead is taken once; the next window reads the file itself.
    SkinDialog after(QSize(300, 200), nullptr);
    EXPECT_TRUE(after.InitSkin(path));
    for (const SkinDialog* dialog : {&ahead, &after}) {
        EXPECT_EQ(dialog->size(), QSize(60, 40));
        EXPECT_EQ(dialog->mask().boundingRect(), QRect(4, 4, 52, 32));
    }
    SkinDialog::PrefetchSkin(folder / "skins/none.bmp");
    SkinDialog missing(QSize(300, 200), nullptr);
    EXPECT_TRUE(missing.InitSkin(folder / "skins/none.bmp"));
    EXPECT_FALSE(missing.IsSkinned());
}

TEST(SkinDialogTest, SkinPathIsMatchedWithoutRegardToCase) {
    TestApp();
    TempFolder folder;
    WriteBorderedSkin(folder);
    SkinDialog dialog(QSize(300, 200), nullptr);
    dialog.InitSkin(folder.Path() + "SKINS\\lesson\\TEST.bmp");
    EXPECT_TRUE(dialog.IsSkinned());
    EXPECT_EQ(dialog.size(), QSize(60, 40));
}

TEST(SkinDialogTest, MissingSkinGivesADraggableRectangleOfTheTemplateSize) {
    TestApp();
    TempFolder folder;
    SkinDialog dialog(QSize(300, 200), nullptr);
    EXPECT_TRUE(dialog.InitSkin(folder / "skins/none.bmp"));
    EXPECT_FALSE(dialog.IsSkinned());
    EXPECT_TRUE(dialog.SkinPath().empty());
    EXPECT_EQ(dialog.size(), QSize(300, 200));
    EXPECT_TRUE(dialog.mask().isEmpty());

    dialog.move(100, 100);
    dialog.show();
    const QPoint before = dialog.pos();
    Drag(dialog, QPoint(50, 50), QPoint(80, 70));
    EXPECT_EQ(dialog.pos(), before + QPoint(30, 20));
}

TEST(SkinDialogTest, PressOnAButtonDoesNotDragButOneOnAStaticTextDoes) {
    TestApp();
    SkinDialog dialog(QSize(300, 200), nullptr);
    dialog.InitSkin("/nonexistent/skin.bmp");
    auto* button = new QPushButton(&dialog);
    button->setGeometry(10, 10, 80, 30);
    auto* text = new QLabel(QStringLiteral("Welcome"), &dialog);
    text->setGeometry(10, 100, 80, 30);
    dialog.move(100, 100);
    dialog.show();
    const QPoint before = dialog.pos();
    SendMouse(*button, QEvent::MouseButtonPress, QPoint(5, 5), Qt::LeftButton, Qt::LeftButton);
    SendMouse(dialog, QEvent::MouseMove, QPoint(60, 60), Qt::NoButton, Qt::LeftButton);
    SendMouse(*button, QEvent::MouseButtonRelease, QPoint(5, 5), Qt::LeftButton, Qt::NoButton);
    EXPECT_EQ(dialog.pos(), before);

    SendMouse(*text, QEvent::MouseButtonPress, QPoint(5, 5), Qt::LeftButton, Qt::LeftButton);
    SendMouse(dialog, QEvent::MouseMove, QPoint(25, 125), Qt::NoButton, Qt::LeftButton);
    SendMouse(dialog, QEvent::MouseButtonRelease, QPoint(25, 125), Qt::LeftButton, Qt::NoButton);
    EXPECT_EQ(dialog.pos(), before + QPoint(10, 20));
}

TEST(SkinDialogTest, FewColoursKeepTheTemplateRectangle) {
    TestApp();
    TempFolder folder;
    const std::string path = WriteBorderedSkin(folder);
    SixteenColourDialog dialog(QSize(300, 200), nullptr);
    EXPECT_TRUE(dialog.InitSkin(path));
    EXPECT_EQ(dialog.size(), QSize(300, 200));
    EXPECT_TRUE(dialog.mask().isEmpty());
}

TEST(SkinDialogTest, UnreadableSkinKeepsTheTemplateRectangle) {
    TestApp();
    TempFolder folder;
    ASSERT_TRUE(WriteTextFile(folder / "broken.bmp", "BM this is not a bitmap"));
    SkinDialog dialog(QSize(300, 200), nullptr);
    EXPECT_TRUE(dialog.InitSkin(folder / "broken.bmp"));
    EXPECT_EQ(dialog.size(), QSize(300, 200));
    EXPECT_TRUE(dialog.mask().isEmpty());
}
