#include "audio/CRecordSound.h"

#include "app/CLog.h"
#include "audio/AudioMessages.h"
#include "audio/WaveWriteRequest.h"

#include <array>

namespace {
constexpr auto kResetSettleTime = std::chrono::milliseconds(500);

struct FallbackFormat {
    std::uint16_t bits;
    std::uint16_t channels;
    std::uint32_t samplesPerSec;
};
// The format tried after the failure with each attempt index (20050 per second, not 22050).
constexpr std::array<FallbackFormat, 7> kFallbackFormats{{
    {16, 2, 8000},
    {8, 1, 8000},
    {8, 2, 8000},
    {8, 1, 20050},
    {8, 2, 20050},
    {16, 1, 20050},
    {16, 2, 20050},
}};
} // namespace

CRecordSound::CRecordSound(unsigned samplesPerSec, IClock& clock)
    : m_constructedFormat(MakePcmFormat(16, 1, samplesPerSec)), m_format(m_constructedFormat),
      m_clock(clock) {}

CRecordSound::~CRecordSound() {
    EndAndJoin(WM_RECORD_END);
    OnStopRecording();
}

void CRecordSound::SetOutputPath(const std::string& path) {
    std::lock_guard<std::mutex> guard(m_lock);
    m_outputPath = path;
}

WaveFormat CRecordSound::Format() const {
    std::lock_guard<std::mutex> guard(m_lock);
    return m_format;
}

void CRecordSound::OnThreadMessage(ThreadMessage& message) {
    switch (message.message) {
    case WM_RECORD_START:
        OnStartRecording();
        break;
    case WM_RECORD_STOP:
        OnStopRecording();
        break;
    case WM_RECORD_SET_PLAYER:
        if (auto* link = dynamic_cast<ThreadLink*>(message.lParam.get()))
            m_player = link->thread;
        break;
    case WM_RECORD_SET_WRITER:
        if (auto* link = dynamic_cast<ThreadLink*>(message.lParam.get()))
            m_writer = link->thread;
        break;
    case MM_WIM_DATA:
        OnBufferFilled(message);
        break;
    case WM_RECORD_END:
        OnStopRecording();
        EndMessageLoop();
        break;
    default:
        break;
    }
}

bool CRecordSound::OpenWithFallback() {
    WaveFormat format = m_constructedFormat;
    for (int attempt = 0;; ++attempt) {
        if (GetSoundDevices().OpenInput(format, *this, m_device) == MMSYSERR_NOERROR)
            break;
        g_log.Write("waveInOpen error:%d", attempt);
        if (attempt >= static_cast<int>(kFallbackFormats.size()))
            return false;
        const FallbackFormat& next = kFallbackFormats[attempt];
        format = MakePcmFormat(next.bits, next.channels, next.samplesPerSec);
    }
    std::lock_guard<std::mutex> guard(m_lock);
    m_format = format;
    return true;
}

void CRecordSound::OnStartRecording() {
    if (m_recording)
        return;
    if (!OpenWithFallback())
        return;
    for (int i = 0; i < kQueuedBuffers; ++i)
        QueueBuffer();
    const int result = m_device->Start();
    if (result != MMSYSERR_NOERROR) {
        g_log.Write("error_OnStartRecording2:WAVEIN:%x:%s", static_cast<unsigned>(result),
                    SoundErrorText(result).c_str());
        m_device->Reset();
        m_device->Close();
        m_device.reset();
        return;
    }
    m_recording = true;
    if (m_writer) {
        auto request = std::make_unique<WaveWriteRequest>();
        {
            std::lock_guard<std::mutex> guard(m_lock);
            request->path = m_outputPath;
            request->format = m_format;
        }
        m_writer->PostThreadMessage(WM_WAVWRITE_OPEN, 0, std::move(request));
    }
}

void CRecordSound::QueueBuffer() {
    auto buffer = std::make_unique<WaveHeader>(std::size_t{Format().blockAlign} * kFramesPerBuffer);
    if (m_device->AddBuffer(std::move(buffer)) == MMSYSERR_NOERROR)
        ++m_buffersQueued;
}

void CRecordSound::OnBufferFilled(ThreadMessage& message) {
    auto* filled = dynamic_cast<WaveHeader*>(message.lParam.get());
    if (!filled)
        return;
    --m_buffersQueued;
    if (m_writer) {
        // The writer gets its own copy of the whole buffer.
        auto copy = std::make_unique<WaveHeader>();
        copy->data = filled->data;
        copy->bytesRecorded = filled->bytesRecorded;
        m_writer->PostThreadMessage(WM_WAVWRITE_DATA, ThreadId(), std::move(copy));
    }
    if (m_player)
        m_player->PostThreadMessage(WM_PLAY_BLOCK, ThreadId(), std::move(message.lParam));
    if (m_recording && m_device)
        QueueBuffer();
}

void CRecordSound::OnStopRecording() {
    if (!m_recording)
        return;
    bool stopped = m_device->Stop() == MMSYSERR_NOERROR;
    stopped = stopped && m_device->Reset() == MMSYSERR_NOERROR;
    if (stopped)
        m_recording = false;
    m_clock.Sleep(kResetSettleTime);
    if (stopped) {
        m_device->Close();
        m_device.reset();
    }
    if (m_player)
        m_player->PostThreadMessage(WM_PLAY_STOP);
    if (m_writer)
        m_writer->PostThreadMessage(WM_WAVWRITE_CLOSE);
}
