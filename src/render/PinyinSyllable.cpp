#include "render/PinyinSyllable.h"

#include <QHash>
#include <QRegularExpression>
#include <QString>
#include <algorithm>
#include <functional>
#include <map>
#include <tuple>

namespace {

const char* const kInitials[] = {"zh", "ch", "sh", "b", "p", "m", "f", "d", "t", "n", "l", "g",
                                 "k",  "h",  "j",  "q", "x", "z", "c", "s", "r", "y", "w"};

// Tone-marked forms of each vowel, tones 1 to 4.
const std::map<QChar, QString>& MarkedVowels() {
    static const std::map<QChar, QString> marks = {
        {u'a', QStringLiteral("āáǎà")}, {u'e', QStringLiteral("ēéěè")}, {u'i', QStringLiteral("īíǐì")},
        {u'o', QStringLiteral("ōóǒò")}, {u'u', QStringLiteral("ūúǔù")}, {u'ü', QStringLiteral("ǖǘǚǜ")},
        {u'A', QStringLiteral("ĀÁǍÀ")}, {u'E', QStringLiteral("ĒÉĚÈ")}, {u'O', QStringLiteral("ŌÓǑÒ")},
    };
    return marks;
}

bool IsVowel(QChar c) {
    return QStringLiteral("aeiouü").contains(c);
}

// Interjections spoken without a vowel (呣 m, 噷 hm, 哼 hng): the tone mark goes on the m or n,
// with a combining mark where Unicode has no precomposed letter.
const std::map<QChar, QString>& MarkedNasals() {
    static const std::map<QChar, QString> marks = {
        {u'm', QStringLiteral("m\u0304|\u1E3F|m\u030C|m\u0300")},
        {u'n', QStringLiteral("n\u0304|\u0144|\u0148|\u01F9")},
    };
    return marks;
}

// The combining marks of the four tones.
int CombiningTone(QChar c) {
    switch (c.unicode()) {
    case 0x0304:
        return 1;
    case 0x0301:
        return 2;
    case 0x030C:
        return 3;
    case 0x0300:
        return 4;
    default:
        return 0;
    }
}

bool IsInterjection(const std::string& plain) {
    return plain == "m" || plain == "hm" || plain == "hng";
}

// Each letter that carries a tone mark, with the letter it marks and the tone.
const QHash<QChar, std::pair<QChar, int>>& MarkedLetters() {
    static const QHash<QChar, std::pair<QChar, int>> letters = [] {
        QHash<QChar, std::pair<QChar, int>> all;
        for (const auto& [vowel, marked] : MarkedVowels())
            for (int tone = 1; tone <= 4; ++tone)
                all.insert(marked[tone - 1], {vowel.toLower(), tone});
        for (const auto& [nasal, marked] : MarkedNasals()) {
            const QStringList forms = marked.split(u'|');
            for (int tone = 1; tone <= 4; ++tone)
                if (forms[tone - 1].size() == 1)
                    all.insert(forms[tone - 1][0], {nasal, tone});
        }
        return all;
    }();
    return letters;
}

// Lower-cases, writes ü for "u:" and "v", and takes the tone mark off each vowel; `tone` receives
// the tone of the last mark found (0 when none).
QString StripMarks(const QString& text, int& tone) {
    tone = 0;
    QString out;
    out.reserve(text.size());
    const auto& marked = MarkedLetters();
    for (QChar c : text) {
        if (const int combining = CombiningTone(c)) {
            tone = combining;
            continue;
        }
        const auto letter = marked.constFind(c);
        if (letter != marked.constEnd()) {
            out += letter->first;
            tone = letter->second;
        } else {
            out += c.toLower();
        }
    }
    out.replace(QStringLiteral("u:"), QStringLiteral("ü"));
    out.replace(u'v', u'ü');
    return out;
}

// Every Mandarin syllable without its tone, "v" standing for "ü".
const char* const kSyllables =
    "a ai an ang ao ba bai ban bang bao bei ben beng bi bian biao bie bin bing bo bu ca cai can cang cao "
    "ce cen ceng cha chai chan chang chao che chen cheng chi chong chou chu chua chuai chuan chuang chui "
    "chun chuo ci cong cou cu cuan cui cun cuo da dai dan dang dao de dei den deng di dia dian diao die "
    "ding diu dong dou du duan dui dun duo e ei en eng er fa fan fang fei fen feng fo fou fu ga gai gan "
    "gang gao ge gei gen geng gong gou gu gua guai guan guang gui gun guo ha hai han hang hao he hei hen "
    "heng hong hou hu hua huai huan huang hui hun huo ji jia jian jiang jiao jie jin jing jiong jiu ju "
    "juan jue jun ka kai kan kang kao ke kei ken keng kong kou ku kua kuai kuan kuang kui kun kuo la lai "
    "lan lang lao le lei leng li lia lian liang liao lie lin ling liu lo long lou lu luan lun luo lv lve "
    "ma mai man mang mao me mei men meng mi mian miao mie min ming miu mo mou mu na nai nan nang nao ne "
    "nei nen neng ni nian niang niao nie nin ning niu nong nou nu nuan nuo nv nve o ou pa pai pan pang "
    "pao pei pen peng pi pian piao pie pin ping po pou pu qi qia qian qiang qiao qie qin qing qiong qiu "
    "qu quan que qun ran rang rao re ren reng ri rong rou ru rua ruan rui run ruo sa sai san sang sao se "
    "sen seng sha shai shan shang shao she shei shen sheng shi shou shu shua shuai shuan shuang shui shun "
    "shuo si song sou su suan sui sun suo ta tai tan tang tao te teng ti tian tiao tie ting tong tou tu "
    "tuan tui tun tuo wa wai wan wang wei wen weng wo wu xi xia xian xiang xiao xie xin xing xiong xiu xu "
    "xuan xue xun ya yan yang yao ye yi yin ying yo yong you yu yuan yue yun za zai zan zang zao ze zei "
    "zen zeng zha zhai zhan zhang zhao zhe zhei zhen zheng zhi zhong zhou zhu zhua zhuai zhuan zhuang "
    "zhui zhun zhuo zi zong zou zu zuan zui zun zuo";

} // namespace

std::string PinyinSyllable::Marked() const {
    return initial + pinyin::MarkFinal(final, tone);
}

std::string PinyinSyllable::Numbered() const {
    QString plain = QString::fromStdString(Plain());
    plain.replace(u'ü', u'v');
    return plain.toStdString() + std::to_string(tone);
}

namespace pinyin {

const std::vector<std::string>& AllFinals() {
    static const std::vector<std::string> finals = {
        "a",    "o",   "e",   "i",   "u",  "ü",   "ai",  "ei",   "ao",  "ou", "an",   "en",
        "ang",  "eng", "ong", "er",  "ia", "ie",  "iao", "iu",   "ian", "in", "iang", "ing",
        "iong", "ua",  "uo",  "uai", "ui", "uan", "un",  "uang", "ue",  "üe", "m",    "ng",
    };
    return finals;
}

const std::set<std::string>& PlainSyllables() {
    static const std::set<std::string> set = [] {
        std::set<std::string> s;
        for (const QString& syllable : QString::fromLatin1(kSyllables).split(u' ', Qt::SkipEmptyParts))
            s.insert(QString(syllable).replace(u'v', u'ü').toStdString());
        return s;
    }();
    return set;
}

const std::string& InitialLetters() {
    static const std::string letters = "bpmfdtnlzcsrjqxgkhwy";
    return letters;
}

std::string MarkFinal(const std::string& final, int tone) {
    QString text = QString::fromStdString(final);
    if (tone < 1 || tone > 4)
        return final;
    if (final == "m" || final == "ng")
        return (MarkedNasals().at(text[0]).split(u'|')[tone - 1] + text.mid(1)).toStdString();
    qsizetype at = text.indexOf(u'a');
    if (at < 0)
        at = text.indexOf(u'e');
    if (at < 0 && text.contains(QStringLiteral("ou")))
        at = text.indexOf(u'o');
    for (qsizetype i = text.size() - 1; at < 0 && i >= 0; --i)
        if (IsVowel(text[i]))
            at = i;
    if (at < 0)
        return final;
    text[at] = MarkedVowels().at(text[at])[tone - 1];
    return text.toStdString();
}

std::optional<PinyinSyllable> ParseNumbered(const std::string& text) {
    if (text.empty())
        return std::nullopt;
    int tone = 5;
    std::string body = text;
    if (body.back() >= '1' && body.back() <= '5') {
        tone = body.back() - '0';
        body.pop_back();
    }
    int marked = 0;
    const std::string plain = StripMarks(QString::fromStdString(body), marked).toStdString();
    PinyinSyllable syllable;
    syllable.tone = tone;
    for (const char* initial : kInitials) {
        if (plain.rfind(initial, 0) == 0) {
            syllable.initial = initial;
            break;
        }
    }
    syllable.final = plain.substr(syllable.initial.size());
    // Sources often write lüe and nüe as "lue" and "nue"; after l and n that is never meant as u.
    if ((syllable.initial == "l" || syllable.initial == "n") && syllable.final == "ue")
        syllable.final = "üe";
    // After j, q, x and y the ü is written u ("ju", "xue").
    const std::string u = "ü";
    if (syllable.initial.size() == 1 && std::string("jqxy").find(syllable.initial) != std::string::npos &&
        syllable.final.rfind(u, 0) == 0)
        syllable.final.replace(0, u.size(), "u");
    if (IsInterjection(plain)) {
        const size_t nasal = plain.find_first_of("mn");
        return PinyinSyllable{plain.substr(0, nasal), plain.substr(nasal), tone};
    }
    if (!PlainSyllables().count(syllable.Plain()))
        return std::nullopt;
    return syllable;
}

std::optional<std::vector<PinyinSyllable>> ParseNumberedList(const std::string& text) {
    std::vector<PinyinSyllable> out;
    const QStringList parts = QString::fromStdString(text).split(u' ', Qt::SkipEmptyParts);
    for (const QString& part : parts) {
        const auto syllable = ParseNumbered(part.toStdString());
        if (!syllable)
            return std::nullopt;
        out.push_back(*syllable);
    }
    if (out.empty())
        return std::nullopt;
    return out;
}

std::optional<std::vector<PinyinSyllable>> SplitMarked(const std::string& text, size_t count,
                                                       const std::set<std::string>& known) {
    // Work on the syllable groups the writer separated (blanks, apostrophes, hyphens), each split
    // further by a search over the known spellings.
    const QStringList groups = QString::fromStdString(text).split(
        QRegularExpression(QStringLiteral("[\\s'’\\-]+")), Qt::SkipEmptyParts);
    std::vector<QString> pieces(groups.begin(), groups.end());
    std::vector<PinyinSyllable> out;

    // Depth-first search: (group index, position in group, syllables so far).
    std::function<bool(size_t, qsizetype)> search = [&](size_t group, qsizetype pos) -> bool {
        if (group == pieces.size())
            return out.size() == count;
        const QString& piece = pieces[group];
        if (pos == piece.size())
            return search(group + 1, 0);
        if (out.size() >= count)
            return false;
        for (qsizetype end = piece.size(); end > pos; --end) {
            int tone = 0;
            const QString plain = StripMarks(piece.mid(pos, end - pos), tone);
            // Inside a group no syllable starts with a, o or e: pinyin writes an apostrophe there
            // ("kěnéng" is kě-néng, never kěn-éng).
            if (!known.count(plain.toStdString()) || (pos > 0 && QStringLiteral("aoe").contains(plain[0])))
                continue;
            auto syllable = ParseNumbered(plain.toStdString() + std::to_string(tone ? tone : 5));
            if (!syllable)
                continue;
            out.push_back(*syllable);
            if (search(group, end))
                return true;
            out.pop_back();
        }
        return false;
    };
    if (!search(0, 0))
        return std::nullopt;
    return out;
}

std::optional<WordReading> ReadMarkedWord(const std::string& marked, size_t count, bool endsInEr,
                                          const std::set<std::string>& known) {
    if (const auto syllables = SplitMarked(marked, count, known))
        return WordReading{*syllables, JoinNumbered(*syllables), marked};
    if (!endsInEr || count < 2 || marked.size() < 2 || marked.back() != 'r')
        return std::nullopt;
    const auto before = SplitMarked(marked.substr(0, marked.size() - 1), count - 1, known);
    if (!before)
        return std::nullopt;
    WordReading reading{*before, JoinNumbered(*before) + "r", marked};
    reading.syllables.push_back(PinyinSyllable{"", "er", 5});
    return reading;
}

namespace {

// Appends a syllable to marked pinyin, after an apostrophe where it starts with a, o or e.
void AppendMarked(std::string& out, const PinyinSyllable& syllable, bool capital) {
    if (!out.empty() && syllable.initial.empty() && !syllable.final.empty() &&
        std::string("aoe").find(syllable.final[0]) != std::string::npos)
        out += "'";
    QString marked = QString::fromStdString(syllable.Marked());
    if (capital && !marked.isEmpty())
        marked[0] = marked[0].toUpper();
    out += marked.toStdString();
}

} // namespace

std::string JoinMarked(const std::vector<PinyinSyllable>& syllables) {
    std::string out;
    for (const PinyinSyllable& syllable : syllables)
        AppendMarked(out, syllable, false);
    return out;
}

std::optional<WordReading> ReadNumberedWord(const std::string& numbered, const QString& word) {
    const QStringList parts = QString::fromStdString(numbered).split(u' ', Qt::SkipEmptyParts);
    const QList<uint> characters = word.toUcs4();
    if (parts.isEmpty() || parts.size() != characters.size())
        return std::nullopt;
    WordReading reading;
    for (qsizetype i = 0; i < parts.size(); ++i) {
        const std::string part = parts[i].toStdString();
        if (i > 0 && characters[i] == U'儿' && (part == "r5" || part == "r")) {
            // Erhua: 儿 joins the syllable before it, in speech and in writing.
            reading.syllables.push_back(PinyinSyllable{"", "er", 5});
            reading.speechText += "r";
            reading.marked += "r";
            continue;
        }
        const auto syllable = ParseNumbered(part);
        if (!syllable)
            return std::nullopt;
        reading.syllables.push_back(*syllable);
        reading.speechText += (reading.speechText.empty() ? "" : " ") + syllable->Numbered();
        AppendMarked(reading.marked, *syllable, parts[i][0].isUpper());
    }
    return reading;
}

std::string JoinNumbered(const std::vector<PinyinSyllable>& syllables) {
    std::string out;
    for (const PinyinSyllable& s : syllables)
        out += (out.empty() ? "" : " ") + s.Numbered();
    return out;
}

} // namespace pinyin
