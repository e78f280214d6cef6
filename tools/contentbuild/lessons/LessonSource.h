#pragma once

#include <map>
#include <string>
#include <vector>

// One lesson as its source file describes it. Chinese texts are words separated by single spaces
// (UTF-8); their pinyin holds one group per word in the same order. Texts in the interface
// languages are kept per language suffix ("en", "fr").
namespace lessons {

using Translations = std::map<std::string, std::string>;

// The text in `language`, empty when there is none.
std::string TextIn(const Translations& texts, const std::string& language);

// Where an item starts in its source file, for messages.
struct SourcePlace {
    std::string file;
    int line = 0;
};

// "file:line: ", the start of a message about what is there.
inline std::string Where(const SourcePlace& place) {
    return place.file + ":" + std::to_string(place.line) + ": ";
}

struct Speaker {
    SourcePlace place;
    std::string key; // the name sentences use to refer to the speaker
    std::string words;
    std::string pinyin;
    Translations title;
};

struct Sentence {
    SourcePlace place;
    std::string speakerKey; // empty: no speaker title
    std::string words;
    std::string pinyin;
    std::string noteId; // the note the "*" mark of the sentence opens; empty without one
    Translations translation;
};

struct ChildLesson {
    SourcePlace place;
    Translations title;
    std::vector<Sentence> sentences;
};

struct NewWord {
    SourcePlace place;
    std::string word;
    std::string pinyin;
    std::string partOfSpeech; // a code of PartOfSpeech.h
    Translations explanation;
};

struct Note {
    SourcePlace place;
    std::string id;    // as written in the source: sentences name it with "note:"
    std::string words; // the words the note explains
    std::string pinyin;
    Translations text;
};

struct Example {
    SourcePlace place;
    std::string words;
    std::string pinyin;
    Translations translation;
};

struct LanguagePoint {
    SourcePlace place;
    Translations title;
    Translations text;
    std::vector<Example> examples;
};

struct TypicalDemo {
    SourcePlace place;
    std::string words;
    std::string pinyin;
    std::string partWords; // the words of `words` that fill the pattern's slot
    std::string partPinyin;
    Translations translation;
    Translations meaning; // what the filled-in part means
};

struct TypicalSentence {
    SourcePlace place;
    std::string words;
    std::string pinyin;
    Translations translation;
    std::vector<TypicalDemo> demos;
};

struct LessonSource {
    SourcePlace place;
    int number = 0;
    Translations title;
    std::vector<Speaker> speakers;
    std::vector<ChildLesson> childLessons;
    std::vector<NewWord> newWords;
    std::vector<Note> notes;
    std::vector<LanguagePoint> languagePoints;
    std::vector<TypicalSentence> typicalSentences;

    const Speaker* FindSpeaker(const std::string& key) const;
    const Note* FindNote(const std::string& id) const;
};

// One line of Chinese words with its pinyin groups, and where it stands.
struct ChineseText {
    const SourcePlace* place;
    const std::string* words;
    const std::string* pinyin;
};

// Every Chinese line of a lesson: speaker titles, sentences, new words, note headings, examples,
// typical sentences and their examples.
std::vector<ChineseText> ChineseLines(const LessonSource& lesson);

} // namespace lessons
