#include "WidgetTestApp.h"
#include "app/ContentPath.h"
#include "app/Globals.h"
#include "ui/ArtworkIds.h"
#include "ui/OlePicture.h"
#include "ui/ResourceImages.h"
#include "ui/SkinLayout.h"
#include "ui/SkinRegion.h"

#include <QFile>
#include <gtest/gtest.h>

namespace {

constexpr QRgb kRed = 0xFFFF0000;

// Every bitmap id the windows are built around.
const int kNamedBitmaps[] = {233, 234, 237, 238, 239, 240, 241, 242, 243, 244, 245, 246, 247, 248, 249, 250,
                             259, 260, 265, 266, 267, 268, 269, 270, 287, 288, 289, 290, 291, 292, 294, 295,
                             297, 298, 299, 300, 301, 302, 303, 304, 305, 328, 329, 482, 483, 484, 485};

QImage ProgramPicture(const char* relativePath) {
    return QImage(QStringLiteral(TESSALYNE_PROGRAM_DIR "/") + QString::fromLatin1(relativePath));
}

} // namespace

TEST(ArtworkTest, EveryNamedBitmapIsCompiledIn) {
    TestApp();
    for (int id : kNamedBitmaps) {
        SCOPED_TRACE(id);
        const QImage picture = LoadBitmapResource(id);
        EXPECT_FALSE(picture.isNull());
        // The size read from the header alone is the decoded picture's.
        EXPECT_EQ(BitmapResourceSize(id), picture.size());
    }
    EXPECT_FALSE(BitmapResourceSize(9999).isValid());
    OlePicture about;
    EXPECT_TRUE(about.LoadFromResource(":/bitmaps/530.png"));
}

TEST(ArtworkTest, ButtonFacesComeInPairsOfEqualSizeOnPureRed) {
    TestApp();
    const std::pair<int, int> pairs[] = {{266, 265}, {250, 249}, {260, 259},
                                         {483, 482}, {295, 294}, {329, 328},
                                         {303, 304}, {305, 298}, {artwork::kOkHover, artwork::kOkNormal}};
    for (auto [hover, normal] : pairs) {
        SCOPED_TRACE(hover);
        const QImage hoverFace = LoadBitmapResource(hover).convertToFormat(QImage::Format_RGB32);
        const QImage normalFace = LoadBitmapResource(normal).convertToFormat(QImage::Format_RGB32);
        EXPECT_EQ(hoverFace.size(), normalFace.size());
        EXPECT_EQ(hoverFace.pixel(0, 0), kRed); // rounded corners are transparent
        EXPECT_NE(hoverFace.pixel(hoverFace.width() / 2, hoverFace.height() / 2), kRed);
        EXPECT_NE(hoverFace, normalFace);
    }
    for (int lesson : {1, 35})
        for (int state = 0; state < 3; ++state) {
            const QImage normal = LoadBitmapResource(artwork::LessonFaceId(lesson, state, false));
            const QImage pressed = LoadBitmapResource(artwork::LessonFaceId(lesson, state, true));
            EXPECT_EQ(normal.size(), skinlayout::catalog::kLessonButton);
            EXPECT_EQ(pressed.size(), skinlayout::catalog::kLessonButton);
        }
}

TEST(ArtworkTest, PicturesWithWordsAreDrawnInEveryInterfaceLanguage) {
    TestApp();
    const std::string previous = g_strLangSuffix;
    const int lessonFace = artwork::LessonFaceId(1, 0, false);
    g_strLangSuffix = "en";
    const QImage scene = LoadBitmapResource(234), lesson = LoadBitmapResource(lessonFace);
    const QImage close = LoadBitmapResource(266);
    g_strLangSuffix = "fr";
    EXPECT_NE(LoadBitmapResource(234), scene);
    EXPECT_NE(LoadBitmapResource(lessonFace), lesson);
    EXPECT_EQ(LoadBitmapResource(266), close); // a face without words serves every language
    g_strLangSuffix = previous;

    const std::string catalog = TESSALYNE_PROGRAM_DIR "/skins\\lesson\\Login.bmp";
    EXPECT_EQ(LanguagePicturePath(catalog, "fr"), TESSALYNE_PROGRAM_DIR "/skins\\lesson\\Login_fr.bmp");
    EXPECT_EQ(LanguagePicturePath(catalog, "de"), catalog);
    const QImage french = ProgramPicture("skins/Lesson/Login_fr.bmp");
    EXPECT_EQ(french.size(), skinlayout::catalog::kSize);
    EXPECT_NE(french, ProgramPicture("skins/Lesson/Login.bmp"));
}

TEST(ArtworkTest, SkinsHaveTheirLayoutSizeAndGreenOutsideTheirShape) {
    const std::pair<const char*, QSize> skins[] = {
        {"skins/Lesson/Login.bmp", skinlayout::catalog::kSize},
        {"skins/Lesson/lesson.bmp", skinlayout::lesson::kSize},
        {"image/userpass.bmp", skinlayout::login::kSize},
        {"image/tipdia.bmp", skinlayout::tip::kSize},
        {"image/usertip.bmp", skinlayout::usertip::kSize},
        {"image/systensetting.bmp", skinlayout::settings::kSize},
        {"image/dxj.bmp", skinlayout::detail::kSize},
        {"image/writingpad150.bmp", skinlayout::writingpad::Size(150)},
        {"image/writingpad200.bmp", skinlayout::writingpad::Size(200)}};
    for (auto [path, size] : skins) {
        SCOPED_TRACE(path);
        const QImage skin = ProgramPicture(path);
        ASSERT_EQ(skin.size(), size);
        const std::optional<QRegion> region = BuildSkinRegion(skin, kSkinTransparent);
        ASSERT_TRUE(region.has_value());
        EXPECT_FALSE(region->contains(QPoint(0, 0)));
        EXPECT_FALSE(region->contains(QPoint(size.width() - 1, size.height() - 1)));
        EXPECT_TRUE(region->contains(QPoint(size.width() / 2, size.height() / 2)));
    }
}

TEST(ArtworkTest, DialogPicturesAndIconsExist) {
    for (const char* path : {"image/grade.bmp", "image/lesson_wordstudy.bmp", "image/general.bmp",
                             "image/laba1.bmp", "image/stop.bmp"}) {
        SCOPED_TRACE(path);
        EXPECT_FALSE(ProgramPicture(path).isNull());
    }
    EXPECT_EQ(ProgramPicture("image/general.bmp").size(), skinlayout::kSpeakerIconSize);
    EXPECT_EQ(ProgramPicture("image/lesson_wordstudy.bmp").size(), skinlayout::kPadBackgroundSize);
}

TEST(ArtworkTest, HandCursorIsLoadedWithItsHotSpot) {
    TestApp();
    const std::optional<QCursor> hand = LoadCursorResource(artwork::kHandCursor);
    ASSERT_TRUE(hand.has_value());
    EXPECT_EQ(hand->hotSpot(), QPoint(5, 0));
    // The hot spot sits on the tip of the pointing finger.
    const QImage picture = hand->pixmap().toImage();
    EXPECT_GT(qAlpha(picture.pixel(5, 1)), 128);
    EXPECT_EQ(qAlpha(picture.pixel(20, 1)), 0);
    EXPECT_FALSE(LoadCursorResource(9999).has_value());
}
