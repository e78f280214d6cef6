#pragma once

#include <string>
#include <vector>

// Speaks numbered pinyin ("ni3 hao3") with the espeak-ng Mandarin pinyin voice and encodes the
// speech as a mono MP3 of about 48 kbit/s. The speech engine is process-wide: it starts with the
// first Open and stays up until the process ends (it cannot be started again once stopped), and
// one sentence is spoken at a time whichever object asks.
class SpeechEncoder {
public:
    bool Open(std::string& error);
    bool Speak(const std::string& numberedPinyin, std::vector<unsigned char>& mp3, std::string& error);

private:
    bool EncodeMp3(const std::vector<short>& samples, std::vector<unsigned char>& mp3, std::string& error);

    int m_sampleRate = 0;
};
