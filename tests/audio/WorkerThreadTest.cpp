#include "audio/CWaitableEvent.h"
#include "audio/CWorkerThread.h"

#include <gtest/gtest.h>

#include <atomic>
#include <vector>

namespace {

constexpr auto kWait = std::chrono::seconds(10);
constexpr unsigned kNote = 1024 + 1;
constexpr unsigned kEnd = 1024 + 2;

// Counts live payloads, so tests see that every one is released exactly once.
struct CountedPayload final : ThreadPayload {
    explicit CountedPayload(std::atomic<int>& live, int value) : m_live(live), value(value) { ++m_live; }
    ~CountedPayload() override { --m_live; }
    std::atomic<int>& m_live;
    int value;
};

class RecordingThread final : public CWorkerThread {
public:
    ~RecordingThread() override { EndAndJoin(kEnd); }
    std::vector<std::pair<std::uintptr_t, int>> seen;
    CWaitableEvent release{true, true};

protected:
    void OnThreadMessage(ThreadMessage& message) override {
        release.Wait();
        if (message.message == kEnd) {
            EndMessageLoop();
            return;
        }
        auto* payload = dynamic_cast<CountedPayload*>(message.lParam.get());
        seen.emplace_back(message.wParam, payload ? payload->value : -1);
    }
};

TEST(WorkerThread, HandlesMessagesInOrderAndReleasesEveryPayload) {
    std::atomic<int> live{0};
    RecordingThread thread;
    EXPECT_FALSE(thread.PostThreadMessage(kNote, 1, std::make_unique<CountedPayload>(live, 1)));
    EXPECT_EQ(live, 0) << "a message to a thread not running is released";
    ASSERT_TRUE(thread.CreateThread());
    EXPECT_FALSE(thread.CreateThread());
    for (int i = 0; i < 50; ++i)
        ASSERT_TRUE(thread.PostThreadMessage(kNote, static_cast<std::uintptr_t>(i),
                                             std::make_unique<CountedPayload>(live, i * 10)));
    ASSERT_TRUE(thread.WaitUntilIdle(kWait));
    EXPECT_EQ(live, 0);
    ASSERT_EQ(thread.seen.size(), 50u);
    for (int i = 0; i < 50; ++i)
        EXPECT_EQ(thread.seen[i], std::make_pair(static_cast<std::uintptr_t>(i), i * 10));
    EXPECT_NE(thread.ThreadId(), RecordingThread().ThreadId());
}

TEST(WorkerThread, EndMessageStopsTheLoopAndLaterMessagesAreReleased) {
    std::atomic<int> live{0};
    RecordingThread thread;
    thread.release.Reset();
    ASSERT_TRUE(thread.CreateThread());
    thread.PostThreadMessage(kNote, 1, std::make_unique<CountedPayload>(live, 1));
    thread.PostThreadMessage(kEnd);
    // Queued behind the end message: never handled, but released.
    thread.PostThreadMessage(kNote, 2, std::make_unique<CountedPayload>(live, 2));
    EXPECT_EQ(live, 2);
    EXPECT_FALSE(thread.WaitForEnd(std::chrono::milliseconds(20)));
    thread.release.Set();
    ASSERT_TRUE(thread.WaitForEnd(kWait));
    EXPECT_FALSE(thread.IsRunning());
    EXPECT_EQ(live, 0);
    EXPECT_EQ(thread.seen.size(), 1u);
    EXPECT_FALSE(thread.PostThreadMessage(kNote, 3, std::make_unique<CountedPayload>(live, 3)));
    EXPECT_EQ(live, 0);
}

TEST(WaitableEvent, ManualStaysSignalledAutoLetsOneThrough) {
    CWaitableEvent manual(true, false);
    CWaitableEvent automatic(false, true);
    EXPECT_EQ(CWaitableEvent::WaitForEither(manual, automatic), 1);
    EXPECT_FALSE(automatic.IsSignalled());
    manual.Set();
    EXPECT_EQ(CWaitableEvent::WaitForEither(manual, automatic), 0);
    EXPECT_TRUE(manual.IsSignalled());
    std::thread setter([&] { automatic.Set(); });
    manual.Reset();
    EXPECT_EQ(CWaitableEvent::WaitForEither(manual, automatic), 1);
    setter.join();
}

} // namespace
