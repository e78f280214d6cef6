#include "SpeechEncoder.h"

#include <espeak-ng/speak_lib.h>
#include <lame/lame.h>
#include <mutex>

namespace {

// The voice that reads numbered pinyin. The plain Mandarin voice reads Latin letters as English.
constexpr const char* kVoice = "cmn-latn-pinyin";
constexpr int kBitRate = 48;

int CollectSamples(short* samples, int count, espeak_EVENT* events) {
    auto* out = static_cast<std::vector<short>*>(events->user_data);
    if (samples && count > 0 && out)
        out->insert(out->end(), samples, samples + count);
    return 0;
}

// The engine, started once for the process: its sample rate, or 0 when it could not start.
std::mutex g_speechMutex;

int StartEngine() {
    static const int sampleRate = [] {
        const int rate = espeak_Initialize(AUDIO_OUTPUT_SYNCHRONOUS, 0, nullptr, 0);
        if (rate > 0)
            espeak_SetSynthCallback(CollectSamples);
        return rate;
    }();
    return sampleRate;
}

} // namespace

bool SpeechEncoder::Open(std::string& error) {
    std::lock_guard<std::mutex> lock(g_speechMutex);
    m_sampleRate = StartEngine();
    if (m_sampleRate <= 0) {
        error = "the espeak-ng speech engine cannot start";
        return false;
    }
    if (espeak_SetVoiceByName(kVoice) != EE_OK) {
        error = std::string("the espeak-ng voice ") + kVoice + " is missing";
        m_sampleRate = 0;
        return false;
    }
    return true;
}

bool SpeechEncoder::Speak(const std::string& numberedPinyin, std::vector<unsigned char>& mp3,
                          std::string& error) {
    if (m_sampleRate <= 0) {
        error = "the speech engine is not open";
        return false;
    }
    std::vector<short> samples;
    {
        std::lock_guard<std::mutex> lock(g_speechMutex);
        espeak_SetVoiceByName(kVoice);
        const espeak_ERROR result = espeak_Synth(numberedPinyin.c_str(), numberedPinyin.size() + 1, 0,
                                                 POS_CHARACTER, 0, espeakCHARS_UTF8, nullptr, &samples);
        if (result != EE_OK || samples.empty()) {
            error = "espeak-ng could not speak \"" + numberedPinyin + "\"";
            return false;
        }
    }
    return EncodeMp3(samples, mp3, error);
}

bool SpeechEncoder::EncodeMp3(const std::vector<short>& samples, std::vector<unsigned char>& mp3,
                              std::string& error) {
    lame_global_flags* lame = lame_init();
    if (!lame) {
        error = "the MP3 encoder cannot start";
        return false;
    }
    lame_set_in_samplerate(lame, m_sampleRate);
    lame_set_out_samplerate(lame, m_sampleRate);
    lame_set_num_channels(lame, 1);
    lame_set_mode(lame, MONO);
    lame_set_brate(lame, kBitRate);
    lame_set_quality(lame, 5);
    lame_set_bWriteVbrTag(lame, 0);
    bool ok = lame_init_params(lame) >= 0;
    mp3.assign(samples.size() * 5 / 4 + 7200 + 7200, 0);
    int written = 0;
    if (ok) {
        written = lame_encode_buffer(lame, samples.data(), samples.data(), static_cast<int>(samples.size()),
                                     mp3.data(), static_cast<int>(mp3.size()));
        ok = written >= 0;
    }
    if (ok) {
        const int tail =
            lame_encode_flush(lame, mp3.data() + written, static_cast<int>(mp3.size()) - written);
        ok = tail >= 0;
        written += ok ? tail : 0;
    }
    lame_close(lame);
    if (!ok) {
        error = "the MP3 encoder failed";
        return false;
    }
    mp3.resize(static_cast<size_t>(written));
    return true;
}
