// Pitch tracking and tone scoring on synthetic tones, the word database's syllable sounds and
// spoken sentences.
#include "audio/ToneScoring.h"
#include "audio/CWaveFileView.h"
#include "audio/Mp3Decoder.h"
#include "audio/PitchTracker.h"
#include "audio/SpeakingPractice.h"
#include "audio/SpeechSpeed.h"
#include "fixtures/FixtureSounds.h"
#include "fixtures/FixtureSpeech.h"
#include "fixtures/TempFolder.h"
#include "render/PinyinSyllable.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <numbers>
#include <sqlite3.h>

namespace {

// A tone gliding from `fromHz` to `toHz` over `seconds`.
std::vector<std::int16_t> Glide(double fromHz, double toHz, double seconds, unsigned rate) {
    std::vector<std::int16_t> samples;
    double phase = 0;
    const auto count = static_cast<std::size_t>(seconds * rate);
    for (std::size_t i = 0; i < count; ++i) {
        const double hz = fromHz + (toHz - fromHz) * static_cast<double>(i) / static_cast<double>(count);
        phase += 2 * std::numbers::pi * hz / rate;
        samples.push_back(static_cast<std::int16_t>(12000 * std::sin(phase)));
    }
    return samples;
}

std::vector<float> Voiced(const std::vector<float>& values) {
    std::vector<float> voiced;
    std::copy_if(values.begin(), values.end(), std::back_inserter(voiced), [](float v) { return v > 0; });
    return voiced;
}

std::vector<std::int16_t> Samples(const CWaveFileView& wave) {
    std::vector<std::int16_t> samples(wave.SampleCount());
    for (std::size_t i = 0; i < samples.size(); ++i)
        samples[i] = wave.Sample(i);
    return samples;
}

PitchContour ContourOf(const CWaveFileView& wave) {
    const std::vector<std::int16_t> samples = Samples(wave);
    return TrackPitch(samples.data(), samples.size(), wave.Format().samplesPerSec);
}

TEST(PitchTracker, FindsTheFrequencyOfToneAndGlide) {
    for (unsigned rate : {8000u, 22050u}) {
        const std::vector<std::int16_t> tone = Glide(200, 200, 1.0, rate);
        const std::vector<float> hz = Voiced(TrackPitchHz(tone.data(), tone.size(), rate));
        ASSERT_GT(hz.size(), 80u) << rate;
        for (float f : hz)
            EXPECT_NEAR(f, 200.0f, 2.0f) << rate;
    }
    const std::vector<std::int16_t> glide = Glide(150, 250, 0.6, 8000);
    const PitchContour contour = TrackPitch(glide.data(), glide.size(), 8000);
    std::vector<float> semitones;
    std::copy_if(contour.semitones.begin(), contour.semitones.end(), std::back_inserter(semitones),
                 [](float s) { return !std::isnan(s); });
    ASSERT_GT(semitones.size(), 40u);
    EXPECT_GT(semitones.back() - semitones.front(), 6.0f); // 150 → 250 Hz is almost nine semitones
    EXPECT_TRUE(std::is_sorted(semitones.begin() + 2, semitones.end() - 2));

    const std::vector<std::int16_t> silence(8000, 0);
    EXPECT_EQ(TrackPitch(silence.data(), silence.size(), 8000).VoicedFrames(), 0u);
}

TEST(ToneScoring, ThirdTonesBeforeThirdTonesAreSpokenAsSecond) {
    EXPECT_EQ(tones::SpokenTones({3, 3}), (std::vector{2, 3}));
    EXPECT_EQ(tones::SpokenTones({3, 3, 3, 4}), (std::vector{2, 2, 3, 4}));
    EXPECT_EQ(tones::SpokenTones({3, 5, 3}), (std::vector{3, 5, 3}));
    // 你好，我是: the comma after hǎo is a pause, so hǎo keeps its third tone.
    const speaking::SentenceSyllables hello =
        speaking::ReadSentenceSyllables(u"你好 ， 我 是", u"nǐhǎo , wǒ shì");
    EXPECT_EQ(hello.tones, (std::vector{3, 3, 3, 4}));
    EXPECT_EQ(tones::SpokenTones(hello.tones, hello.pauseAfter), (std::vector{2, 3, 3, 4}));
}

// Every syllable sound of the word database, classified by the shape and level of its pitch.
TEST(ToneScoring, ClassifiesTheTonesOfTheSyllableSounds) {
    if (!std::filesystem::exists(E2E_WORD_DB))
        GTEST_SKIP() << "the course of the end-to-end test is built with it";
    TempFolder folder;
    sqlite3* db = nullptr;
    ASSERT_EQ(sqlite3_open_v2(E2E_WORD_DB, &db, SQLITE_OPEN_READONLY, nullptr), SQLITE_OK);
    sqlite3_stmt* statement = nullptr;
    ASSERT_EQ(sqlite3_prepare_v2(db, "SELECT pinyin, sound FROM tbl_pinyin_rule", -1, &statement, nullptr),
              SQLITE_OK);
    struct Sound {
        int tone;
        PitchContour contour;
    };
    std::vector<Sound> sounds;
    const std::string mp3 = folder / "syllable.mp3", wav = folder / "syllable.wav";
    while (sqlite3_step(statement) == SQLITE_ROW) {
        const auto syllable = pinyin::SplitMarked(
            reinterpret_cast<const char*>(sqlite3_column_text(statement, 0)), 1, pinyin::PlainSyllables());
        if (!syllable || syllable->front().tone == 5)
            continue;
        std::ofstream(mp3, std::ios::binary)
            .write(static_cast<const char*>(sqlite3_column_blob(statement, 1)),
                   sqlite3_column_bytes(statement, 1));
        char error[kMp3ErrorTextSize] = {};
        ASSERT_EQ(DecodeMp3ToWav(mp3.c_str(), wav.c_str(), kMp3OutputWav, error, nullptr), 0) << error;
        CWaveFileView wave;
        ASSERT_TRUE(wave.Load(wav));
        sounds.push_back({syllable->front().tone, ContourOf(wave)});
    }
    sqlite3_finalize(statement);
    sqlite3_close(db);
    ASSERT_GT(sounds.size(), 20u);
    // One voice speaks them all: its usual pitch is the median over the syllables.
    std::vector<float> medians;
    for (const Sound& sound : sounds)
        medians.push_back(sound.contour.medianHz);
    std::nth_element(medians.begin(), medians.begin() + static_cast<std::ptrdiff_t>(medians.size() / 2),
                     medians.end());
    const float voice = medians[medians.size() / 2];
    std::size_t right = 0;
    for (const Sound& sound : sounds) {
        const auto spans = tones::SplitSyllables(sound.contour, 1);
        right += !spans.empty() && tones::ClassifyTone(sound.contour, spans.front(), voice) == sound.tone;
    }
    const double accuracy = 100.0 * static_cast<double>(right) / static_cast<double>(sounds.size());
    std::printf("tones of %zu syllable sounds: %.1f %% right\n", sounds.size(), accuracy);
    EXPECT_GE(accuracy, 90.0);
}

// A learner who says the model's sentence matches it; the same syllables in other tones do not.
TEST(ToneScoring, ScoresASentenceAgainstTheModel) {
    TempFolder folder;
    std::string error;
    const std::string model = folder / "model.mp3", other = folder / "other.mp3";
    ASSERT_TRUE(fixtures::MakeSpokenMp3("wo3 shi4 xue2 sheng1", model, error)) << error;
    ASSERT_TRUE(fixtures::MakeSpokenMp3("wo1 shi3 xue4 sheng2", other, error)) << error;
    CWaveFileView modelWave, otherWave;
    ASSERT_TRUE(modelWave.Load(model + ".source.wav"));
    ASSERT_TRUE(otherWave.Load(other + ".source.wav"));
    const PitchContour modelContour = ContourOf(modelWave);
    const std::vector<int> spoken = tones::SpokenTones({3, 4, 2, 1});

    const tones::ToneScore itself = tones::ScoreTones(modelContour, modelContour, spoken);
    ASSERT_EQ(itself.syllables.size(), 4u);
    EXPECT_EQ(itself.sentence, 100);
    // The model as the 8 kHz recorder hears it, spoken a little slower.
    const std::vector<std::int16_t> recorded = fixtures::AtSpeed(modelWave, 1.1);
    const int heard =
        tones::ScoreTones(modelContour, TrackPitch(recorded.data(), recorded.size(), 8000), spoken).sentence;
    EXPECT_GE(heard, 80);

    const tones::ToneScore wrong = tones::ScoreTones(modelContour, ContourOf(otherWave), spoken);
    std::printf("the model against itself %d, slower %s, other tones %d\n", itself.sentence, "",
                wrong.sentence);
    EXPECT_LT(wrong.sentence, 50);

    const PitchContour silent;
    EXPECT_EQ(tones::ScoreTones(modelContour, silent, spoken).sentence, 0);
}

TEST(SpeechSpeed, ASlowerSoundLastsLongerAtTheSamePitch) {
    TempFolder dir;
    const std::string path = dir.Path() + "/sentence.wav";
    ASSERT_TRUE(fixtures::WriteBinaryFile(path, fixtures::MonoWav(Glide(180, 180, 2.0, 22050), 22050)));
    for (int percent : {75, 50}) {
        const std::string slower = speech::SoundAtSpeed(path, percent);
        ASSERT_NE(slower, path) << percent;
        CWaveFileView wave;
        ASSERT_TRUE(wave.Load(slower));
        EXPECT_EQ(wave.Format().samplesPerSec, 22050u);
        const double seconds = static_cast<double>(wave.SampleCount()) / 22050;
        EXPECT_NEAR(seconds, 2.0 * 100 / percent, 0.05 * 100 / percent) << percent;
        const std::vector<std::int16_t> samples = Samples(wave);
        const std::vector<float> hz = Voiced(TrackPitchHz(samples.data(), samples.size(), 22050));
        ASSERT_FALSE(hz.empty());
        EXPECT_NEAR(hz[hz.size() / 2], 180.0f, 2.0f) << percent;
    }
    EXPECT_EQ(speech::SoundAtSpeed(path, 100), path);
    EXPECT_EQ(speech::SoundAtSpeed(path, 60), path) << "a speed that is not offered";
    EXPECT_EQ(speech::SoundAtSpeed(dir.Path() + "/missing.wav", 75), dir.Path() + "/missing.wav");
    ASSERT_TRUE(fixtures::WriteBinaryFile(path, "RIFF but not a wave"));
    EXPECT_EQ(speech::SoundAtSpeed(path, 75), path) << "an unreadable sound plays as it is";
}

} // namespace
