#include "audio/SpeakingPractice.h"

#include "render/PinyinSyllable.h"

#include <QList>
#include <QString>
#include <QStringList>

namespace speaking {

int ModelPhaseMs(double modelVoicedSeconds) {
    return static_cast<int>(modelVoicedSeconds * 1000.0 + 1000.0);
}

int RecordingWindowMs(double modelVoicedSeconds) {
    return static_cast<int>(modelVoicedSeconds * 1000.0 + 2000.0);
}

float VoiceRatio(float modelSeconds, float learnerSeconds) {
    if (!(learnerSeconds > 0.0f))
        return -1.0f;
    return modelSeconds / learnerSeconds;
}

const char* Rating(float r) {
    if (r > 0.5f && r < 2.0f)
        return "good!";
    if ((r > 2.0f && r < 4.0f) || (r > 0.25f && r < 0.5f))
        return "Not So bad!";
    return "Try again!";
}

CursorTiming CursorTimingFor(double voicedSeconds, int width) {
    CursorTiming t;
    if (!(voicedSeconds > 0.0) || width <= 0)
        return t;
    auto interval = [&](int step) {
        const int moves = width / step;
        return moves > 0 ? static_cast<int>(voicedSeconds * 1000.0 / moves)
                         : static_cast<int>(voicedSeconds * 1000.0);
    };
    t.step = 5;
    t.intervalMs = interval(t.step);
    while (t.intervalMs <= 24 && t.step < width) {
        ++t.step;
        t.intervalMs = interval(t.step);
    }
    while (t.intervalMs > 100) {
        --t.step;
        t.intervalMs = interval(t.step);
        if (t.step < 3)
            break;
    }
    return t;
}

SentenceSyllables ReadSentenceSyllables(const std::u16string& words, const std::u16string& pinyin) {
    SentenceSyllables out;
    const QStringList wordList = QString::fromStdU16String(words).split(u' ', Qt::SkipEmptyParts);
    const QStringList groups = QString::fromStdU16String(pinyin).split(u' ', Qt::SkipEmptyParts);
    if (wordList.size() != groups.size())
        return out;
    for (qsizetype w = 0; w < wordList.size(); ++w) {
        const QList<uint> characters = wordList[w].toUcs4();
        std::size_t han = 0;
        for (uint c : characters)
            han += QChar::script(c) == QChar::Script_Han ? 1 : 0;
        if (han == 0) {
            if (!out.pauseAfter.empty())
                out.pauseAfter.back() = true;
            continue;
        }
        const auto reading = pinyin::ReadMarkedWord(groups[w].toStdString(), han, characters.back() == U'儿',
                                                    pinyin::PlainSyllables());
        if (!reading)
            continue;
        const bool erhua = reading->speechText.back() == 'r';
        const std::size_t spoken = reading->syllables.size() - (erhua ? 1 : 0);
        for (std::size_t i = 0; i < spoken; ++i) {
            std::string written = reading->syllables[i].Marked();
            if (erhua && i + 1 == spoken)
                written += "r";
            out.written.push_back(written);
            out.tones.push_back(reading->syllables[i].tone);
            out.pauseAfter.push_back(false);
        }
    }
    return out;
}

} // namespace speaking
