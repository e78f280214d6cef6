#pragma once

#include <string>
#include <vector>

// Speaks numbered pinyin ("ni3 hao3") with the espeak-ng Mandarin pinyin voice and encodes the
// speech as a mono MP3 of about 48 kbit/s. One object per process: the speech engine is global.
class SpeechEncoder {
public:
    SpeechEncoder() = default;
    ~SpeechEncoder();
    SpeechEncoder(const SpeechEncoder&) = delete;
    SpeechEncoder& operator=(const SpeechEncoder&) = delete;

    bool Open(std::string& error);
    bool Speak(const std::string& numberedPinyin, std::vector<unsigned char>& mp3, std::string& error);

private:
    bool EncodeMp3(const std::vector<short>& samples, std::vector<unsigned char>& mp3, std::string& error);

    bool m_open = false;
    int m_sampleRate = 0;
};
