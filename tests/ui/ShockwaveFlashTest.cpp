#include "ui/CShockwaveFlash.h"

#include "WidgetTestApp.h"
#include "fixtures/FixtureMovies.h"
#include "fixtures/TempFolder.h"

#include <QImageWriter>
#include <gtest/gtest.h>

TEST(ShockwaveFlashTest, GifSceneWithASwfNamePlaysAndStops) {
    TestApp();
    TempFolder folder;
    ASSERT_TRUE(WriteTextFile(folder / "scene.swf", fixtures::MakeAnimatedGif(16, 12, 3)));
    CShockwaveFlash movie(nullptr);
    movie.resize(64, 48);
    movie.LoadMovie(0, folder / "scene.swf");
    EXPECT_EQ(movie.LoadedFormat(), MovieFormat::Gif);
    EXPECT_FALSE(movie.IsPlaying());
    EXPECT_FALSE(movie.CurrentFrame().isNull());
    movie.Play();
    EXPECT_TRUE(movie.IsPlaying());
    movie.Stop();
    EXPECT_FALSE(movie.IsPlaying());
    movie.Play(); // resumes
    EXPECT_TRUE(movie.IsPlaying());
    movie.StopPlay();
    EXPECT_FALSE(movie.IsPlaying());
}

TEST(ShockwaveFlashTest, LoadingReplacesTheMovieAndAMissingFileLeavesItEmpty) {
    TestApp();
    TempFolder folder;
    ASSERT_TRUE(WriteTextFile(folder / "a.swf", fixtures::MakeAnimatedGif(8, 8, 2)));
    CShockwaveFlash movie(nullptr);
    movie.LoadMovie(0, folder / "a.swf");
    movie.Play();
    ASSERT_TRUE(movie.IsPlaying());
    movie.LoadMovie(0, folder / "missing.swf");
    EXPECT_FALSE(movie.IsPlaying());
    EXPECT_TRUE(movie.CurrentFrame().isNull());
    movie.Play();
    EXPECT_FALSE(movie.IsPlaying());
}

TEST(ShockwaveFlashTest, RealFlashFileShowsAStillFrame) {
    TestApp();
    TempFolder folder;
    ASSERT_TRUE(WriteTextFile(folder / "old.swf", std::string("FWS\x09\x40\x00\x00\x00", 8)));
    CShockwaveFlash movie(nullptr);
    movie.resize(80, 60);
    movie.LoadMovie(0, folder / "old.swf");
    EXPECT_EQ(movie.LoadedFormat(), MovieFormat::Swf);
    movie.Play();
    EXPECT_FALSE(movie.IsPlaying());
    EXPECT_EQ(movie.CurrentFrame().size(), QSize(80, 60));
}

TEST(ShockwaveFlashTest, DamagedAnimationLeavesTheControlEmpty) {
    TestApp();
    TempFolder folder;
    std::string gif = fixtures::MakeAnimatedGif(8, 8, 2);
    gif.resize(14); // header and half a screen descriptor
    ASSERT_TRUE(WriteTextFile(folder / "cut.swf", gif));
    CShockwaveFlash movie(nullptr);
    movie.LoadMovie(0, folder / "cut.swf");
    movie.Play();
    EXPECT_FALSE(movie.IsPlaying());
}

TEST(ShockwaveFlashTest, WebpSceneIsDecodedWhateverItsName) {
    TestApp();
    if (!QImageWriter::supportedImageFormats().contains("webp"))
        GTEST_SKIP() << "no WebP image plugin";
    TempFolder folder;
    QImage still(24, 16, QImage::Format_RGB32);
    still.fill(qRgb(47, 127, 122));
    ASSERT_TRUE(still.save(QString::fromStdString(folder / "scene.swf"), "WEBP"));
    CShockwaveFlash movie(nullptr);
    movie.LoadMovie(0, folder / "scene.swf");
    EXPECT_EQ(movie.LoadedFormat(), MovieFormat::Webp);
    EXPECT_EQ(movie.CurrentFrame().size(), QSize(24, 16));
}
