#pragma once

#include "charstudy/StrokeImage.h"

#include <QImage>

#include <string>
#include <vector>

class SqlQuery;

// Everything the word-study page shows about one word, looked up in the word database
// (g_pWordDb): the phrase record with pinyin, part of speech and explanation, a character's
// reading, stroke count and id, the pictures of the word and its pinyin, the stroke pictures of
// the animation, the reference strokes and the recorded sound. Failed queries are logged and
// leave their results empty.
class WordData {
public:
    // The id that marks a word without an entry of its own: it is looked up by its text.
    static constexpr const char* kNoWordId = "1";
    static constexpr std::size_t kMaxTextLength = 255;
    static constexpr std::size_t kMaxDrawLength = 10;

    // `forWord`: the object serves a given word, so a phrase look-up also sets the context pinyin
    // and the part of speech.
    explicit WordData(bool forWord = false) : m_wordFlag(forWord) {}

    // A phrase of the database: its characters and its pinyin.
    struct PhraseEntry {
        std::u16string text;
        std::u16string pinyin;
    };

    // The word to look up next (texts are cut to their capacities).
    void SetWord(const std::u16string& word, const std::u16string& pinyin, const std::u16string& textToDraw,
                 const std::string& wordId);
    // Replaces just the word text, keeping pinyin and context (a phrase's first character).
    void SetWordText(const std::u16string& word);

    // The full look-up. With `refresh` everything is looked up again, else only a single
    // character's data. The pictures stay owned by this object.
    void Load(std::u16string& explanation, int& strokeCount, QImage& pinyinBitmap, QImage& wordBitmap,
              bool refresh);
    // The look-up of a lesson word whose pinyin is given: no phrase data is read.
    void LoadLessonWord(QImage& pinyinBitmap, QImage& wordBitmap, int& strokeCount, bool refresh);

    // The part of speech and explanation of a word whose pinyin is given (a lesson word), from its
    // phrase record; the pinyin stays.
    void LoadMeaning();
    // Up to `limit` phrases holding `character`, the most frequent first, leaving out `except`.
    std::vector<PhraseEntry> PhrasesWith(const std::u16string& character, const std::u16string& except,
                                         std::size_t limit) const;

    void ExplanationById();
    void LookupPhrase();
    std::u16string PartOfSpeech(const std::string& cxid) const;
    std::string CharacterId(const std::u16string& character) const;
    int StrokeCount(const std::u16string& character) const;
    void WordBitmap();
    std::u16string NewWordExplanation(const std::string& id) const;
    std::u16string ExplanationByWordId(const std::string& wordId) const;

    // The stroke pictures of a character in stroke order; the previous ones are dropped first.
    void LoadStrokeImages(const std::string& characterId);
    // The outline of the whole character (190 x 190), or a null image.
    QImage LoadEmptyImage(const std::string& characterId) const;
    // Copies the character's reference strokes into "PLineForRead_<0-9>.data" in the scratch
    // folder; the path, or empty when the database has no stroke data for it or the file cannot be
    // written (a full or unwritable scratch folder: then `writeError` says why).
    std::string WriteStrokeFile(const std::string& characterId, std::string* writeError = nullptr) const;
    // Writes the sound of the syllable (`bySyllable`) or of the phrase with this pinyin to `path`;
    // true when a sound was written.
    bool ExtractSound(bool bySyllable, const std::string& path) const;

    const std::u16string& Word() const { return m_word; }
    const std::u16string& Pinyin() const { return m_pinyin; }
    const std::u16string& ContextPinyin() const { return m_contextPinyin; }
    const std::u16string& TextToDraw() const { return m_textToDraw; }
    const std::string& WordId() const { return m_wordId; }
    const std::string& PhraseId() const { return m_phraseId; }
    const std::string& Cxid() const { return m_cxid; }
    int ImageFlag() const { return m_imgFlag; }
    const std::u16string& PartOfSpeechText() const { return m_partOfSpeech; }
    const std::u16string& Explanation() const { return m_explanation; }
    const std::string& CharacterIdOfWord() const { return m_characterId; }
    int StrokeCountOfWord() const { return m_strokeCount; }
    const QImage& WordPicture() const { return m_wordBitmap; }
    const QImage& PinyinPicture() const { return m_pinyinBitmap; }
    const std::vector<StrokeImage>& StrokeImages() const { return m_strokeImages; }
    void ClearStrokeImages() { m_strokeImages.clear(); }

private:
    bool IsSingleCharacter() const { return m_word.size() == 1; }
    // Step of every look-up for a one-character word: its id, stroke count and reading.
    void LoadCharacterData();
    void DropBitmaps();
    // Reads phrase id, part-of-speech id, image flag and (into `pinyin`) the phrase's pinyin from
    // the first row of `query`; false when there is none.
    bool ReadPhraseRecord(const SqlQuery& query, std::u16string& pinyin);

    std::string m_wordId;
    std::u16string m_word;
    std::u16string m_pinyin;
    std::u16string m_contextPinyin;
    std::u16string m_textToDraw;
    std::string m_phraseId;
    std::string m_cxid;
    int m_imgFlag = 0;
    std::u16string m_partOfSpeech;
    std::u16string m_explanation;
    int m_strokeCount = 0;
    std::string m_characterId;
    QImage m_wordBitmap;
    QImage m_pinyinBitmap;
    std::vector<StrokeImage> m_strokeImages;
    bool m_wordFlag = false;
};
