#pragma once

#include "app/UserNotice.h"
#include "data/CADODatabase.h"
#include "fixtures/TempFolder.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

// Character-study data added to a fixture word database (BuildWordDatabase + AddWordPictures):
// outline, stroke pictures and reference strokes of 你 and 好 computed from their stroke data in
// tests/contentbuild/data, syllable sounds of nǐ and hǎo, and the phrases 好学 (hàoxué, the second
// reading of 好) and 西安 (xī'ān, an apostrophe in its pinyin). 我 keeps no stroke data.
namespace charstudyfixtures {

inline constexpr const char* kCharacterHao = "HZ0597d";
inline constexpr const char* kCharacterWo = "HZ06211";
inline constexpr const char* kPhraseHaoxue = "PH0002";

bool AddCharacterStudyData(const std::string& wordDatabasePath, std::string& error);
// The bytes stored as the sound of a syllable or phrase.
std::vector<unsigned char> SoundBytes(const std::string& tag);

} // namespace charstudyfixtures

// What the program would have shown the user.
class RecordingNotice : public UserNotice {
public:
    void Show(Kind, const std::string& title, const std::string& text) override {
        shown.push_back(title + "|" + text);
    }
    bool Ask(const std::string&, const std::string&) override { return false; }
    std::vector<std::string> shown;
};

// A program folder with the fixture databases and the character-study data opened as the
// program's connections, its scratch folder, the "en" suffix, a recording notice and one log file
// for the whole test program.
class CharacterStudyTest : public ::testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;
    // The log written since this test began.
    std::string LogSinceStart() const;

    TempFolder m_dir;
    CADODatabase m_lessonDb;
    CADODatabase m_wordDb;
    RecordingNotice m_notice;
    UserNotice* m_previousNotice = nullptr;
    std::size_t m_logStart = 0;
};
