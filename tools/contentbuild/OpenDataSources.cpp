#include "OpenDataSources.h"

#include "app/FileUtils.h"

#include <QDirIterator>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QStringList>
#include <algorithm>
#include <set>

namespace opendata {
namespace {

std::optional<QStringList> ReadLines(const std::string& path, std::string& error) {
    const std::optional<std::string> bytes = ReadWholeFile(path);
    if (!bytes) {
        error = "cannot read " + path;
        return std::nullopt;
    }
    return QString::fromUtf8(bytes->data(), static_cast<qsizetype>(bytes->size())).split(u'\n');
}

// Drops the JavaScript module wrapper ("module.exports = `" before the first line, "`" after the
// last) when the file is the package's module rather than the raw list.
QString Unwrapped(QString line) {
    const qsizetype start = line.indexOf(u'`');
    if (line.startsWith(u"module.exports") && start >= 0)
        line = line.mid(start + 1);
    if (line.endsWith(u"`;") || line.endsWith(u"`"))
        line.truncate(line.lastIndexOf(u'`'));
    return line.trimmed();
}

} // namespace

bool IsHan(char32_t c) {
    return (c >= 0x4E00 && c <= 0x9FFF) || (c >= 0x3400 && c <= 0x4DBF) || (c >= 0x20000 && c <= 0x2FFFF) ||
           (c >= 0xF900 && c <= 0xFAFF);
}

std::multimap<std::string, DictionaryEntry> LoadDictionary(const std::string& path, std::string& error) {
    std::multimap<std::string, DictionaryEntry> dictionary;
    const auto lines = ReadLines(path, error);
    if (!lines)
        return dictionary;
    for (const QString& raw : *lines) {
        const QString line = Unwrapped(raw);
        if (line.isEmpty() || line.startsWith(u'#'))
            continue;
        const qsizetype open = line.indexOf(u'[');
        const qsizetype close = line.indexOf(u']', open);
        const qsizetype slash = line.indexOf(u'/', close);
        if (open < 0 || close < 0 || slash < 0)
            continue;
        const QStringList forms = line.left(open).split(u' ', Qt::SkipEmptyParts);
        if (forms.size() != 2)
            continue;
        DictionaryEntry entry;
        entry.traditional = forms[0].toStdString();
        entry.simplified = forms[1].toStdString();
        entry.numberedPinyin = line.mid(open + 1, close - open - 1).toStdString();
        for (const QString& gloss : line.mid(slash).split(u'/', Qt::SkipEmptyParts))
            if (!gloss.trimmed().isEmpty())
                entry.glosses.push_back(gloss.trimmed().toStdString());
        dictionary.emplace(entry.simplified, std::move(entry));
    }
    return dictionary;
}

std::vector<FrequentCharacter> LoadCharacterFrequency(const std::string& path, std::string& error) {
    std::vector<FrequentCharacter> list;
    const auto lines = ReadLines(path, error);
    if (!lines)
        return list;
    for (const QString& raw : *lines) {
        const QStringList fields = Unwrapped(raw).split(u'\t');
        if (fields.size() < 5 || fields[1].isEmpty())
            continue;
        FrequentCharacter entry;
        entry.character = fields[1];
        for (const QString& reading : fields[4].split(u'/', Qt::SkipEmptyParts))
            entry.readings.push_back(reading.trimmed().toStdString());
        list.push_back(std::move(entry));
    }
    return list;
}

std::vector<std::pair<QString, long>> LoadWordFrequency(const std::string& path, std::string& error) {
    std::vector<std::pair<QString, long>> words;
    const auto lines = ReadLines(path, error);
    if (!lines)
        return words;
    for (const QString& raw : *lines) {
        const QString line = Unwrapped(raw);
        const qsizetype comma = line.lastIndexOf(u',');
        if (comma <= 0)
            continue;
        bool ok = false;
        const long count = line.mid(comma + 1).toLong(&ok);
        if (ok)
            words.emplace_back(line.left(comma), count);
    }
    std::stable_sort(words.begin(), words.end(),
                     [](const auto& a, const auto& b) { return a.second > b.second; });
    return words;
}

std::vector<ListedWord> LoadWordList(const std::string& path, std::string& error) {
    std::vector<ListedWord> words;
    const auto lines = ReadLines(path, error);
    if (!lines)
        return words;
    for (const QString& raw : *lines) {
        const QString line = QString(raw).remove(u'\r');
        if (line.trimmed().isEmpty() || line.startsWith(u'#'))
            continue;
        const QStringList fields = line.split(u'\t');
        ListedWord word;
        word.word = fields[0].trimmed();
        if (fields.size() > 1)
            word.pinyin = fields[1].trimmed().toStdString();
        if (fields.size() > 2)
            word.explanation = fields[2].trimmed().toStdString();
        if (fields.size() > 3)
            word.partOfSpeech = fields[3].trimmed().toStdString();
        if (!word.word.isEmpty())
            words.push_back(std::move(word));
    }
    return words;
}

namespace {

QStringList TextFilesUnder(const std::string& folder, const QStringList& patterns) {
    QStringList files;
    QDirIterator it(QString::fromStdString(folder), patterns, QDir::Files, QDirIterator::Subdirectories);
    while (it.hasNext())
        files << it.next();
    files.sort();
    return files;
}

bool HasHan(const QString& word) {
    for (char32_t c : word.toUcs4())
        if (IsHan(c))
            return true;
    return false;
}

// One block of a lesson source: its kind and its "key: value" fields.
struct LessonBlock {
    QString kind;
    std::map<QString, QString> fields;
};

void AddBlockWords(const LessonBlock& block, std::vector<ListedWord>& newWords,
                   std::vector<ListedWord>& words) {
    const auto zh = block.fields.find(QStringLiteral("zh"));
    const auto py = block.fields.find(QStringLiteral("py"));
    if (zh == block.fields.end() || py == block.fields.end())
        return;
    const QStringList hanWords = zh->second.split(u' ', Qt::SkipEmptyParts);
    const QStringList groups = py->second.split(u' ', Qt::SkipEmptyParts);
    if (hanWords.size() != groups.size())
        return;
    qsizetype wordCount = 0;
    for (const QString& w : hanWords)
        wordCount += HasHan(w) ? 1 : 0;
    for (qsizetype i = 0; i < hanWords.size(); ++i) {
        if (!HasHan(hanWords[i]))
            continue;
        ListedWord word{hanWords[i], groups[i].toStdString(), {}, {}, {}};
        // Only new words and speaker titles explain their word; a sentence's translation is not one.
        if (wordCount == 1 && (block.kind == u"word" || block.kind == u"speaker")) {
            for (const auto& [key, value] : block.fields)
                if (key.size() == 2 && key != u"zh" && key != u"py")
                    word.explanations[key.toStdString()] = value.toStdString();
            if (const auto pos = block.fields.find(QStringLiteral("pos")); pos != block.fields.end())
                word.partOfSpeech = pos->second.toStdString();
        }
        (block.kind == u"word" ? newWords : words).push_back(std::move(word));
    }
}

} // namespace

std::vector<ListedWord> LoadLessonWords(const std::string& folder) {
    std::vector<ListedWord> newWords;
    std::vector<ListedWord> words;
    for (const QString& file : TextFilesUnder(folder, {QStringLiteral("*.txt")})) {
        std::string error;
        const auto lines = ReadLines(file.toStdString(), error);
        if (!lines)
            continue;
        LessonBlock block;
        for (const QString& line : *lines) {
            const QString text = QString(line).remove(u'\r');
            if (text.startsWith(u'[')) {
                AddBlockWords(block, newWords, words);
                block = LessonBlock{text.mid(1).section(u' ', 0, 0).remove(u']'), {}};
                continue;
            }
            const qsizetype colon = text.indexOf(u':');
            if (colon > 0 && !text.startsWith(u'#') && !text[0].isSpace())
                block.fields[text.left(colon).trimmed()] = text.mid(colon + 1).trimmed();
        }
        AddBlockWords(block, newWords, words);
    }
    newWords.insert(newWords.end(), words.begin(), words.end());
    return newWords;
}

std::vector<QString> CollectHanCharacters(const std::string& folder) {
    std::vector<QString> characters;
    std::set<char32_t> seen;
    for (const QString& file : TextFilesUnder(folder, {})) {
        const std::optional<std::string> bytes = ReadWholeFile(file.toStdString());
        if (!bytes)
            continue;
        for (char32_t c : QString::fromUtf8(bytes->data(), static_cast<qsizetype>(bytes->size())).toUcs4())
            if (IsHan(c) && seen.insert(c).second)
                characters.push_back(QString::fromUcs4(&c, 1));
    }
    return characters;
}

std::optional<CharacterStrokeData> LoadStrokeData(const std::string& folder, const QString& character) {
    const std::optional<std::string> bytes = ReadWholeFile(folder + "/" + character.toStdString() + ".json");
    if (!bytes)
        return std::nullopt;
    const QJsonDocument document = QJsonDocument::fromJson(QByteArray::fromStdString(*bytes));
    const QJsonArray strokes = document.object().value(u"strokes").toArray();
    const QJsonArray medians = document.object().value(u"medians").toArray();
    if (strokes.isEmpty() || strokes.size() != medians.size())
        return std::nullopt;
    CharacterStrokeData data;
    for (qsizetype i = 0; i < strokes.size(); ++i) {
        data.outlines.push_back(strokes[i].toString());
        std::vector<QPointF> median;
        for (const QJsonValue& point : medians[i].toArray()) {
            const QJsonArray xy = point.toArray();
            if (xy.size() == 2)
                median.emplace_back(xy[0].toDouble(), xy[1].toDouble());
        }
        if (median.empty() || data.outlines.back().isEmpty())
            return std::nullopt;
        data.medians.push_back(std::move(median));
    }
    return data;
}

} // namespace opendata
