#pragma once

#include <string>

class CMutiWord;

// What a clicked word asks of the lesson window. The lesson window implements it; a word control
// finds it among its ancestor widgets.
class LessonWindowLink {
public:
    virtual ~LessonWindowLink() = default;
    // The typical-sentence page.
    virtual void ShowTypicalSentences() = 0;
    // The single-note page showing the note with this key.
    virtual void ShowNote(const std::string& noteKey) = 0;
    // The word-study page for a word with its pinyin and its id in the content database.
    virtual void ShowWordStudy(const std::u16string& word, const std::u16string& pinyin,
                               const std::string& wordId) = 0;
    // The word-study page in its new-word form, from a control of the new-word list.
    virtual void ShowNewWordStudy(const std::u16string& word, const std::u16string& partOfSpeech,
                                  const std::u16string& explanation, CMutiWord* control) = 0;
};

// A container of words that carries a note key (the meaning popup); a word control finds it among
// its ancestor widgets.
class NoteKeyHolder {
public:
    virtual ~NoteKeyHolder() = default;
    virtual std::string NoteKey() const = 0;
};
