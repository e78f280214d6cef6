#include "lesson/LessonWindowServices.h"

bool g_bShowTranslations = true;

namespace {

constexpr int kPauseBetweenSentencesMs = 2000;
constexpr int kExtraSilentMs = 3000;

} // namespace

void ReadWholeText(const std::vector<SentenceReader*>& readers, const std::function<void(int)>& pause) {
    for (SentenceReader* reader : readers) {
        pause(kPauseBetweenSentencesMs);
        if (reader->ReadingStateOf() == SentenceReader::kSilent)
            pause(reader->PrepareSoundSeconds() * 1000 + kExtraSilentMs);
        else
            reader->ReadSentence();
    }
}
