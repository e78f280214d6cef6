#include "audio/CSoundPlayer.h"

#include "app/CLog.h"
#include "app/ContentPath.h"
#include "app/FileUtils.h"
#include "audio/AudioMessages.h"
#include "audio/CWaveFileView.h"

#include <QCoreApplication>
#include <QThread>

#include <algorithm>
#include <cstring>

namespace {
constexpr unsigned WM_SOUNDPLAYER_PLAY = WM_USER + 800;
constexpr unsigned WM_SOUNDPLAYER_STOP = WM_USER + 801;
constexpr unsigned WM_SOUNDPLAYER_END = WM_USER + 802;
// Blocks of about a tenth of a second.
constexpr std::uint32_t kBlocksPerSecond = 10;
// A synchronous caller waits for a sound at most its length and this much more: a device that
// stops handing blocks back must not hang the window that waits.
constexpr auto kSyncMargin = std::chrono::seconds(2);
// How often a waiting caller looks at the clock and lets its windows paint.
constexpr auto kWaitStep = std::chrono::milliseconds(20);

IClock::Duration SyncLimit(const std::string& path) {
    int seconds = 0;
    try {
        seconds = SoundLengthSeconds(path) + 1; // the length is truncated
    } catch (...) {
        // Unreadable: the player thread refuses it at once; the margin is only a bound.
    }
    return std::chrono::seconds(seconds) + kSyncMargin;
}

// On the application's thread the windows keep painting and answering while a sound plays, so
// that the learner can leave the window (which stops the sound).
void KeepWindowsAnswering() {
    const QCoreApplication* application = QCoreApplication::instance();
    if (application && QThread::currentThread() == application->thread())
        QCoreApplication::processEvents(QEventLoop::AllEvents, static_cast<int>(kWaitStep.count()));
}
} // namespace

// Signalled when a sound has ended or was stopped; a synchronous caller waits on it.
struct CSoundPlayer::Completion {
    std::mutex lock;
    std::condition_variable changed;
    bool done = false;

    void Signal() {
        {
            std::lock_guard<std::mutex> guard(lock);
            done = true;
        }
        changed.notify_all();
    }
    // True once done; false when `step` passed first.
    bool WaitFor(std::chrono::milliseconds step) {
        std::unique_lock<std::mutex> guard(lock);
        return changed.wait_for(guard, step, [this] { return done; });
    }
};

struct CSoundPlayer::PlayRequest final : ThreadPayload {
    std::string path;
    std::shared_ptr<Completion> completion;
};

CSoundPlayer::CSoundPlayer(IClock& clock) : m_clock(clock) {
    CreateThread();
}

CSoundPlayer::~CSoundPlayer() {
    EndAndJoin(WM_SOUNDPLAYER_END);
    Finish(false);
}

bool CSoundPlayer::Play(const std::string& path, bool wait) {
    auto request = std::make_unique<PlayRequest>();
    request->path = path;
    request->completion = std::make_shared<Completion>();
    auto completion = request->completion;
    if (!PostThreadMessage(WM_SOUNDPLAYER_PLAY, 0, std::move(request)))
        return false;
    if (wait)
        WaitBounded(*completion, SyncLimit(path));
    return true;
}

void CSoundPlayer::WaitBounded(Completion& completion, IClock::Duration limit) {
    const IClock::Duration deadline = m_clock.Now() + limit;
    while (!completion.WaitFor(kWaitStep)) {
        KeepWindowsAnswering();
        if (m_clock.Now() >= deadline) {
            g_log.Write(
                "A sound did not end within %lld ms: stopped",
                static_cast<long long>(std::chrono::duration_cast<std::chrono::milliseconds>(limit).count()));
            Stop();
            return;
        }
    }
}

void CSoundPlayer::Stop() {
    PostThreadMessage(WM_SOUNDPLAYER_STOP);
}

void CSoundPlayer::OnThreadMessage(ThreadMessage& message) {
    switch (message.message) {
    case WM_SOUNDPLAYER_PLAY:
        if (auto* request = dynamic_cast<PlayRequest*>(message.lParam.get()))
            OnPlay(*request);
        break;
    case WM_SOUNDPLAYER_STOP:
        Finish(false);
        break;
    case MM_WOM_DONE:
        OnBlockDone(message.lParam.get());
        break;
    case WM_SOUNDPLAYER_END:
        Finish(false);
        EndMessageLoop();
        break;
    default:
        break;
    }
}

void CSoundPlayer::OnPlay(PlayRequest& request) {
    Finish(false);
    m_completion = request.completion;
    CWaveFileView file;
    try {
        file.Load(request.path);
    } catch (...) {
        g_log.Write("Cannot play %s: not a readable WAV file", request.path.c_str());
        Finish(false);
        return;
    }
    if (!StartDevice(file))
        Finish(false);
}

bool CSoundPlayer::StartDevice(const CWaveFileView& file) {
    const WaveFormat format = file.Format();
    const int result = GetSoundDevices().OpenOutput(format, *this, m_device);
    if (result != MMSYSERR_NOERROR) {
        g_log.Write("Cannot play %s: %s", file.Path().c_str(), SoundErrorText(result).c_str());
        m_device.reset();
        return false;
    }
    const std::size_t align = std::max<std::size_t>(1, format.blockAlign);
    const std::size_t blockSize =
        std::max<std::size_t>(align, format.avgBytesPerSec / kBlocksPerSecond / align * align);
    const std::size_t total = file.SampleByteCount() / align * align;
    for (std::size_t offset = 0; offset < total; offset += blockSize) {
        auto block = std::make_unique<WaveHeader>(std::min(blockSize, total - offset));
        std::memcpy(block->data.data(), file.SampleBytes() + offset, block->data.size());
        const ThreadPayload* written = block.get();
        m_pendingBlocks.insert(written);
        if (m_device->Write(std::move(block)) != MMSYSERR_NOERROR)
            m_pendingBlocks.erase(written);
    }
    return !m_pendingBlocks.empty();
}

void CSoundPlayer::OnBlockDone(const ThreadPayload* block) {
    // Blocks of a sound already stopped come back after it and are only released.
    if (m_pendingBlocks.erase(block) == 1 && m_pendingBlocks.empty())
        Finish(true);
}

void CSoundPlayer::Finish(bool drain) {
    if (m_device) {
        if (!drain)
            m_device->Reset();
        m_device->Close();
        m_device.reset();
    }
    m_pendingBlocks.clear();
    if (m_completion)
        m_completion->Signal();
    m_completion.reset();
}

CSoundPlayer& GetSoundPlayer() {
    // The devices are chosen first, so they outlive the player.
    GetSoundDevices();
    static CSoundPlayer player;
    return player;
}

void PlaySoundFile(const std::string& path, unsigned flags) {
    if (path.empty() || !FileExists(ResolveContentPath(path)))
        return;
    GetSoundPlayer().Play(path, (flags & SND_ASYNC) == 0);
}
