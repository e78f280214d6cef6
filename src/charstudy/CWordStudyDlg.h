#pragma once

#include "charstudy/WordData.h"

#include <QDialog>

#include <functional>
#include <string>
#include <vector>

class BitmapButton;
class CWritingPad;
class CWritingPadDlg;
class QLabel;
class QLineEdit;
class QPushButton;
class QToolButton;

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
    // A phrase's characters ("1015.<n>", from 0) and the phrases holding the character ("1016.<n>").
    static constexpr int kCharacterButton = 1015;
    static constexpr int kPhraseButton = 1016;
    static constexpr int kStrokeCaption = 1017;
    static constexpr int kPhrasesCaption = 1018;
    // In the pad's place when the pad has a window of its own.
    static constexpr int kOpenPadButton = 1019;
    static constexpr std::size_t kMaxPhrases = 5;
    static constexpr QSize kSize{420, 500};

    // The page's prompt and tooltip texts and its settings, from "wordstudy_<suffix>.ini" beside
    // the program. Why a stroke was refused: BhOrder (wrong order) and the keys WrongDirection,
    // WrongShape, TooFar, TooShort, TooLong; captions StrokeCount and Phrases; the strictness of
    // the stroke check ("relaxed", "normal", "strict") under [WORDSTUDY_SETTING] Strictness.
    struct Texts {
        std::string msgBoxTitle, bhOrder, grades;
        std::string btnGrade, btnExercise, btnCartoon, btnSpeak;
        std::string wrongDirection, wrongShape, tooFar, tooShort, tooLong;
        std::string strokeCaption, phrasesCaption, openPad;
        std::string strictness;
    };
    static Texts ReadTexts(const std::string& iniPath);

    explicit CWordStudyDlg(QWidget* parent = nullptr);

    // A lesson word whose pinyin is known.
    void SetWord(const std::u16string& word, const std::u16string& pinyin, const std::u16string& textToDraw,
                 const std::string& wordId);
    // The full look-up of a word.
    void StudyWord(const std::u16string& word, const std::u16string& pinyin, const std::string& wordId);

    CWritingPad& Pad() { return *m_pad; }
    // The window the pad moves into at larger Chinese text sizes (none at 100 %).
    CWritingPadDlg* PadWindow() const { return m_padWindow; }
    const WordData& Data() const { return m_data; }
    const Texts& IniTexts() const { return m_texts; }
    const std::u16string& CurrentWord() const { return m_word; }
    bool IsSingleCharacter() const { return m_singleCharacter; }
    // The character on the pad: the word itself, or the picked character of a phrase.
    const std::u16string& PadCharacter() const { return m_padCharacter; }
    bool IsPractising() const { return m_practice; }
    const std::string& SoundPath() const { return m_soundPath; }

    // The button commands.
    void OnSound();
    void OnAnimation();
    void OnPractise();
    void OnGrade();
    void OnLookUp();
    // Puts the phrase's character at `index` on the pad with its strokes and phrases.
    void SelectCharacter(std::size_t index);

protected:
    void keyPressEvent(QKeyEvent* event) override;

private:
    void SetUpControls();
    // Draws the pad at the learner's Chinese text size: on the page at 100 %, larger in a window
    // of its own, since the page cannot grow inside the lesson window.
    void FollowTextSize();
    bool PadInWindow() const;
    // Brings up the pad's window when the pad lives there.
    void ShowPadWindow();
    BitmapButton* MakeButton(int id, int hoverId, int normalId, const std::string& tooltip, int row);
    // A button's command: the click sound, then the command.
    std::function<void()> ButtonCommand(void (CWordStudyDlg::*command)());
    QPushButton* MakeCharacterButton(std::size_t index);
    QPushButton* MakePhraseButton(std::size_t index);
    // Steps every new word begins with; false when the word is empty.
    bool BeginWord(const std::u16string& word, const std::u16string& pinyin, const std::string& wordId);
    // Loads the stroke pictures and outline of the word data's character onto the pad.
    void ShowCharacterOnPad();
    // Extracts the word's (or syllable's) sound into a fresh file of the scratch folder.
    void ExtractWordSound();
    void ShowLookupResult(const QImage& pinyinBitmap, const QImage& wordBitmap, int strokeCount);
    void ShowMeaning(const std::u16string& explanation, const std::u16string& partOfSpeech);
    void ShowStrokeCount(int strokeCount);
    // One button per character of a phrase (none for a single character).
    void ShowCharacterButtons();
    void ShowPhrases();
    // The character's data, strokes and outline for the pad, the phrase's sound staying.
    void LoadPadCharacter(const std::u16string& character);
    bool CanUseCharacterButtons() const { return !m_word.empty() && !m_padCharacter.empty(); }

    WordData m_data{true};
    CWritingPad* m_pad = nullptr;
    CWritingPadDlg* m_padWindow = nullptr;
    QToolButton* m_openPad = nullptr;
    std::u16string m_word;
    std::u16string m_pinyin;
    std::string m_wordId = WordData::kNoWordId;
    bool m_singleCharacter = false;
    std::u16string m_padCharacter;
    bool m_practice = false;
    std::string m_soundPath;
    Texts m_texts;

    QLineEdit* m_edit = nullptr;
    QLabel* m_pinyinPicture = nullptr;
    QLabel* m_wordPicture = nullptr;
    QLabel* m_strokeCount = nullptr;
    QLabel* m_explanation = nullptr;
    QLabel* m_partOfSpeech = nullptr;
    QLabel* m_phrasesCaption = nullptr;
    std::vector<QPushButton*> m_characterButtons;
    std::vector<QPushButton*> m_phraseButtons;
};
