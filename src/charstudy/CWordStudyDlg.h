#pragma once

#include "charstudy/WordData.h"

#include <QDialog>

#include <string>

class BitmapButton;
class CWritingPad;
class QLabel;
class QLineEdit;
class QPushButton;

// The word-study page of the lesson window: one word with its pinyin, characters, explanation and
// part of speech, its sound, and for a single character the stroke-order animation and the
// handwriting practice with its grade on the writing pad. Words come from the lesson window
// (SetWord, StudyWord) or are typed into the look-up field.
class CWordStudyDlg : public QDialog {
    Q_OBJECT
public:
    // Control ids.
    static constexpr int kLookupEdit = 1000;
    static constexpr int kLookupButton = 1001;
    static constexpr int kPinyinPicture = 1003;
    static constexpr int kStrokeCount = 1004;
    static constexpr int kPad = 1005;
    static constexpr int kExplanation = 1006;
    static constexpr int kPartOfSpeech = 1007;
    static constexpr int kSoundButton = 1008;
    static constexpr int kAnimationButton = 1009;
    static constexpr int kPractiseButton = 1010;
    static constexpr int kGradeButton = 1011;
    static constexpr int kWordPicture = 1014;
    static constexpr QSize kSize{420, 500};

    // The page's prompt and tooltip texts, from "wordstudy_<suffix>.ini" beside the program.
    struct Texts {
        std::string msgBoxTitle, bhOrder, grades;
        std::string btnGrade, btnExercise, btnCartoon, btnSpeak;
    };
    static Texts ReadTexts(const std::string& iniPath);

    explicit CWordStudyDlg(QWidget* parent = nullptr);

    // A lesson word whose pinyin is known.
    void SetWord(const std::u16string& word, const std::u16string& pinyin, const std::u16string& textToDraw,
                 const std::string& wordId);
    // The full look-up of a word.
    void StudyWord(const std::u16string& word, const std::u16string& pinyin, const std::string& wordId);

    CWritingPad& Pad() { return *m_pad; }
    const WordData& Data() const { return m_data; }
    const Texts& IniTexts() const { return m_texts; }
    const std::u16string& CurrentWord() const { return m_word; }
    bool IsSingleCharacter() const { return m_singleCharacter; }
    bool IsPractising() const { return m_practice; }
    const std::string& SoundPath() const { return m_soundPath; }

    // The button commands.
    void OnSound();
    void OnAnimation();
    void OnPractise();
    void OnGrade();
    void OnLookUp();

protected:
    void keyPressEvent(QKeyEvent* event) override;

private:
    void SetUpControls();
    BitmapButton* MakeButton(int id, int hoverId, int normalId, const std::string& tooltip, int row);
    // Steps every new word begins with; false when the word is empty.
    bool BeginWord(const std::u16string& word, const std::u16string& pinyin, const std::string& wordId);
    // Loads the stroke pictures and outline of the word data's character onto the pad.
    void ShowCharacterOnPad();
    // Extracts the word's (or syllable's) sound into a fresh file of the scratch folder.
    void ExtractWordSound();
    void ShowLookupResult(const QImage& pinyinBitmap, const QImage& wordBitmap, int strokeCount);
    bool CanUseCharacterButtons() const { return m_singleCharacter && !m_word.empty(); }

    WordData m_data{true};
    CWritingPad* m_pad = nullptr;
    std::u16string m_word;
    std::u16string m_pinyin;
    std::string m_wordId = WordData::kNoWordId;
    bool m_singleCharacter = false;
    bool m_practice = false;
    std::string m_soundPath;
    Texts m_texts;

    QLineEdit* m_edit = nullptr;
    QLabel* m_pinyinPicture = nullptr;
    QLabel* m_wordPicture = nullptr;
    QLabel* m_strokeCount = nullptr;
    QLabel* m_explanation = nullptr;
    QLabel* m_partOfSpeech = nullptr;
};
