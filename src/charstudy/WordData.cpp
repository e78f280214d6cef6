#include "charstudy/WordData.h"

#include "app/CLog.h"
#include "app/FileUtils.h"
#include "app/Globals.h"
#include "app/TextEncoding.h"
#include "data/ContentQuery.h"
#include "data/Queries.h"
#include "render/ContentImage.h"
#include "render/PinyinBitmap.h"
#include "render/PinyinText.h"

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <ctime>
#include <fcntl.h>
#include <random>
#include <sys/stat.h>
#include <unistd.h>

namespace {

constexpr char kNoPhraseLog[] = "没有 %s 对应的信息";
constexpr char kMissingCharacterLog[] = "输入的汉字在库中不存在！";
constexpr char kNoStrokeDataLog[] = "There is no pan duan file exist in database!";
constexpr char kNoSoundFileLog[] = "Invalid File Handle. Get Last Error reports %d\n";
constexpr char kExceptionTextLog[] = "异常错误：%s";

std::string Utf8(std::u16string_view text) {
    return text::Utf16ToUtf8(text);
}

// Runs `read` on the open rows of the query; a query that fails or throws is logged and gives
// false.
template <class Read> bool WithRows(CADODatabase* db, const SqlQuery& query, Read read) {
    try {
        CADORecordset recordset;
        if (!OpenContentQuery(recordset, db, query))
            return false;
        read(recordset);
        return true;
    } catch (const std::exception& e) {
        g_log.Write(kExceptionTextLog, e.what());
        return false;
    }
}

// The text of a column in the query's first row, or empty.
std::u16string FirstRowText(CADODatabase* db, const SqlQuery& query, const char* field) {
    std::u16string value;
    WithRows(db, query, [&](CADORecordset& rs) {
        if (!rs.IsEOF())
            rs.GetFieldValue(field, value);
    });
    return value;
}

std::u16string Cut(const std::u16string& text, std::size_t capacity) {
    return text.substr(0, capacity);
}

int RandomBelow(int bound) {
    std::mt19937 generator(static_cast<std::mt19937::result_type>(std::time(nullptr)));
    return static_cast<int>(generator() % static_cast<unsigned>(bound));
}

} // namespace

void WordData::SetWord(const std::u16string& word, const std::u16string& pinyin,
                       const std::u16string& textToDraw, const std::string& wordId) {
    m_word = Cut(word, kMaxTextLength);
    m_pinyin = Cut(pinyin, kMaxTextLength);
    m_textToDraw = Cut(textToDraw, kMaxDrawLength);
    m_wordId = wordId;
    m_contextPinyin.clear();
    m_phraseId.clear();
    m_cxid.clear();
    m_imgFlag = 0;
    m_partOfSpeech.clear();
    m_characterId.clear();
    m_strokeCount = 0;
}

void WordData::SetWordText(const std::u16string& word) {
    m_word = Cut(word, kMaxTextLength);
}

void WordData::DropBitmaps() {
    m_wordBitmap = QImage();
    m_pinyinBitmap = QImage();
}

void WordData::LoadCharacterData() {
    m_characterId = CharacterId(m_word);
    m_strokeCount = StrokeCount(m_word);
    m_pinyin = CharacterPinyin(m_word, m_contextPinyin);
}

void WordData::Load(std::u16string& explanation, int& strokeCount, QImage& pinyinBitmap, QImage& wordBitmap,
                    bool refresh) {
    if (refresh) {
        m_explanation.clear();
        DropBitmaps();
        if (!text::EqualsNoCase(m_wordId, kNoWordId))
            ExplanationById();
        if (text::EqualsNoCase(m_wordId, kNoWordId) || m_explanation.empty())
            LookupPhrase();
        // A phrase found by its text brings its explanation through the phrase id.
        if (m_explanation.empty() && !m_phraseId.empty())
            m_explanation = ExplanationByWordId(m_phraseId);
        if (!m_textToDraw.empty())
            WordBitmap();
    }
    if (IsSingleCharacter())
        LoadCharacterData();
    // The pinyin picture is made after the character's reading is known, so a character typed
    // without pinyin still shows its reading.
    if (refresh && !m_pinyin.empty())
        m_pinyinBitmap = RenderPinyinBitmap(m_pinyin);
    explanation = m_explanation;
    strokeCount = m_strokeCount;
    pinyinBitmap = m_pinyinBitmap;
    wordBitmap = m_wordBitmap;
}

void WordData::LoadLessonWord(QImage& pinyinBitmap, QImage& wordBitmap, int& strokeCount, bool refresh) {
    m_strokeCount = 0;
    DropBitmaps();
    m_characterId.clear();
    m_contextPinyin.clear();
    if (refresh && !m_pinyin.empty())
        m_contextPinyin = NormalizePinyin(m_pinyin);
    if (IsSingleCharacter()) {
        m_characterId = CharacterId(m_word);
        m_strokeCount = StrokeCount(m_word);
    }
    if (m_contextPinyin.empty())
        m_contextPinyin = NormalizePinyin(m_pinyin);
    if (refresh) {
        if (!m_textToDraw.empty())
            WordBitmap();
        if (!m_pinyin.empty())
            m_pinyinBitmap = RenderPinyinBitmap(m_pinyin);
    }
    strokeCount = m_strokeCount;
    pinyinBitmap = m_pinyinBitmap;
    wordBitmap = m_wordBitmap;
}

void WordData::ExplanationById() {
    WithRows(g_pWordDb, SqlQuery::Format(sql::kPhraseExplainById, {g_strLangSuffix, m_wordId}),
             [&](CADORecordset& rs) {
                 if (rs.IsEOF())
                     return;
                 std::string wordId;
                 rs.GetFieldValue("wordid", wordId);
                 rs.GetFieldValue("explain", m_explanation);
                 if (!wordId.empty())
                     m_phraseId = wordId;
             });
}

bool WordData::ReadPhraseRecord(const SqlQuery& query, std::u16string& pinyin) {
    bool found = false;
    WithRows(g_pWordDb, query, [&](CADORecordset& rs) {
        if (rs.IsEOF())
            return;
        found = true;
        rs.GetFieldValue("id", m_phraseId);
        rs.GetFieldValue("cxid", m_cxid);
        rs.GetFieldValue("imgflag", m_imgFlag);
        rs.GetFieldValue("czpinyin", pinyin);
    });
    return found;
}

void WordData::LoadMeaning() {
    m_explanation.clear();
    m_partOfSpeech.clear();
    // The lesson may space or capitalise the pinyin otherwise than the word database does.
    std::u16string recordPinyin;
    if ((m_pinyin.empty() ||
         !ReadPhraseRecord(SqlQuery::Format(sql::kPhraseByTextAndPinyin, {m_word, m_pinyin}),
                           recordPinyin)) &&
        !ReadPhraseRecord(SqlQuery::Format(sql::kPhraseByText, {m_word}), recordPinyin))
        return;
    if (!m_cxid.empty())
        m_partOfSpeech = PartOfSpeech(m_cxid);
    m_explanation = ExplanationByWordId(m_phraseId);
}

std::vector<WordData::PhraseEntry> WordData::PhrasesWith(const std::u16string& character,
                                                         const std::u16string& except,
                                                         std::size_t limit) const {
    std::vector<PhraseEntry> phrases;
    if (character.empty() || limit == 0)
        return phrases;
    WithRows(g_pWordDb, SqlQuery::Format(sql::kPhrasesWithCharacter, {u"%" + character + u"%"}),
             [&](CADORecordset& rs) {
                 for (; !rs.IsEOF() && phrases.size() < limit; rs.MoveNext()) {
                     PhraseEntry phrase;
                     rs.GetFieldValue("cz", phrase.text);
                     rs.GetFieldValue("czpinyin", phrase.pinyin);
                     const bool listed =
                         std::any_of(phrases.begin(), phrases.end(),
                                     [&](const PhraseEntry& p) { return p.text == phrase.text; });
                     if (phrase.text.size() > 1 && phrase.text != except && !listed)
                         phrases.push_back(std::move(phrase));
                 }
             });
    return phrases;
}

void WordData::LookupPhrase() {
    const SqlQuery query = m_pinyin.empty()
                               ? SqlQuery::Format(sql::kPhraseByText, {m_word})
                               : SqlQuery::Format(sql::kPhraseByTextAndPinyin, {m_word, m_pinyin});
    std::u16string recordPinyin;
    if (ReadPhraseRecord(query, recordPinyin))
        m_pinyin = recordPinyin;
    else
        g_log.Write(kNoPhraseLog, Utf8(m_word).c_str());
    if (!m_pinyin.empty() && m_wordFlag)
        m_contextPinyin = NormalizePinyin(m_pinyin);
    if (!m_cxid.empty() && m_wordFlag)
        m_partOfSpeech = PartOfSpeech(m_cxid);
    if (IsSingleCharacter())
        LoadCharacterData();
}

std::u16string WordData::PartOfSpeech(const std::string& cxid) const {
    return FirstRowText(g_pWordDb, SqlQuery::Format(sql::kWordClass, {cxid}), "meaning");
}

std::u16string WordData::NewWordExplanation(const std::string& id) const {
    // The new words' explanations live with the lessons.
    return FirstRowText(g_pLessonDb, SqlQuery::Format(sql::kNewWordExplainForStudy, {g_strLangSuffix, id}),
                        "explain");
}

std::u16string WordData::ExplanationByWordId(const std::string& wordId) const {
    return FirstRowText(g_pWordDb, SqlQuery::Format(sql::kPhraseExplainByWord, {g_strLangSuffix, wordId}),
                        "explain");
}

std::string WordData::CharacterId(const std::u16string& character) const {
    std::string id;
    WithRows(g_pWordDb, SqlQuery::Format(sql::kCharacterByHz, {character}), [&](CADORecordset& rs) {
        for (; !rs.IsEOF(); rs.MoveNext()) {
            std::u16string hz;
            rs.GetFieldValue("hz", hz);
            if (hz == character) {
                rs.GetFieldValue("id", id);
                return;
            }
        }
    });
    return id;
}

int WordData::StrokeCount(const std::u16string& character) const {
    int count = 0;
    WithRows(g_pWordDb, SqlQuery::Format(sql::kCharacterByHz, {character}), [&](CADORecordset& rs) {
        if (!rs.IsEOF())
            rs.GetFieldValue("Bhs", count);
    });
    return count;
}

void WordData::WordBitmap() {
    m_wordBitmap = QImage();
    for (const char16_t c : m_textToDraw) {
        const std::u16string character(1, c);
        std::vector<unsigned char> bytes;
        if (!ReadFirstRowImage(g_pWordDb, SqlQuery::Format(sql::kPunctuationByChinese, {character}), "img",
                               bytes)) {
            const std::string id = CharacterId(character);
            bool found = false;
            WithRows(g_pWordDb, SqlQuery::Format(sql::kCharacterImagesForStudy, {id}),
                     [&](CADORecordset& rs) {
                         found = !rs.IsEOF();
                         if (found)
                             ReadImageField(rs, "smallimg", bytes);
                     });
            if (!found)
                g_log.Write("%s", kMissingCharacterLog);
        }
        const QImage picture = BitmapFromBmpBytes(bytes);
        if (!picture.isNull())
            m_wordBitmap = AppendBitmap(m_wordBitmap, picture);
    }
}

void WordData::LoadStrokeImages(const std::string& characterId) {
    m_strokeImages.clear();
    WithRows(g_pWordDb, SqlQuery::Format(sql::kStrokeImages, {characterId}), [&](CADORecordset& rs) {
        const int count = rs.GetRecordCount();
        for (int i = 0; i < count && !rs.IsEOF(); ++i, rs.MoveNext()) {
            StrokeImage image;
            rs.GetFieldValue("djh", image.strokeNumber);
            rs.GetFieldValue("direction", image.direction);
            rs.GetFieldValue("offsetx", image.offsetX);
            rs.GetFieldValue("offsety", image.offsetY);
            rs.GetFieldValue("IsOneStroke", image.isOneStroke);
            std::vector<unsigned char> bytes;
            if (ReadImageField(rs, "img", bytes))
                image.bitmap = BitmapFromBmpBytes(bytes);
            m_strokeImages.push_back(std::move(image));
        }
    });
}

QImage WordData::LoadEmptyImage(const std::string& characterId) const {
    std::vector<unsigned char> bytes;
    if (!ReadFirstRowImage(g_pWordDb, SqlQuery::Format(sql::kCharacterImages, {characterId}), "emptyimg",
                           bytes))
        return {};
    return BitmapFromBmpBytes(bytes);
}

std::string WordData::WriteStrokeFile(const std::string& characterId, std::string* writeError) const {
    bool found = false;
    std::vector<unsigned char> bytes;
    const bool ran =
        WithRows(g_pWordDb, SqlQuery::Format(sql::kStrokePositions, {characterId}), [&](CADORecordset& rs) {
            found = !rs.IsEOF();
            if (found && rs.GetFieldActualSize("posdata") > 0)
                rs.GetChunk("posdata", bytes);
        });
    if (!ran)
        return {};
    if (!found) {
        g_log.Write("%s", kNoStrokeDataLog);
        return {};
    }
    if (bytes.empty())
        return {};
    char name[64];
    std::snprintf(name, sizeof name, "PLineForRead_%d.data", RandomBelow(10));
    std::string path = g_strTempLessonDir + "\\" + name;
    std::string error;
    if (!WriteScratchFile(path, std::string_view(reinterpret_cast<const char*>(bytes.data()), bytes.size()),
                          &error)) {
        g_log.Write("WriteStrokeFile: %s", error.c_str());
        if (writeError)
            *writeError = error;
        return {};
    }
    return path;
}

bool WordData::ExtractSound(bool bySyllable, const std::string& path) const {
    const std::string file = ToSlashes(path);
    struct stat info {};
    if (::stat(file.c_str(), &info) == 0) {
        ::chmod(file.c_str(), 0644);
        std::remove(file.c_str());
    } else {
        g_log.Write(kNoSoundFileLog, errno);
    }
    // The pinyin is bound as a value, so an apostrophe ("xī'ān") needs no doubling.
    const SqlQuery query = bySyllable && !m_pinyin.empty()
                               ? SqlQuery::Format(sql::kPinyinRule, {m_pinyin})
                               : SqlQuery::Format(sql::kPhraseByPinyin, {m_pinyin});
    bool saved = false;
    WithRows(g_pWordDb, query, [&](CADORecordset& rs) {
        if (!rs.IsEOF())
            saved = rs.SaveFieldToFile("sound", file);
    });
    return saved;
}
