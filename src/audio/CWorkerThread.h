#pragma once

#include <chrono>
#include <condition_variable>
#include <cstdint>
#include <deque>
#include <memory>
#include <mutex>
#include <thread>

// Something a thread message carries; the receiver owns it once the message is posted.
struct ThreadPayload {
    virtual ~ThreadPayload() = default;
};

class CWorkerThread;

// Names another worker thread (the player or the writer of a recording); the link does not own it.
struct ThreadLink final : ThreadPayload {
    explicit ThreadLink(CWorkerThread* target) : thread(target) {}
    CWorkerThread* thread;
};

// One posted message: its number, a plain parameter and an owned payload.
struct ThreadMessage {
    unsigned message = 0;
    std::uintptr_t wParam = 0;
    std::unique_ptr<ThreadPayload> lParam;
};

// A worker thread that runs a message loop: messages are handled one at a time, in the order
// they were posted, on the thread itself. Whatever a message carries passes to the receiver;
// messages still queued when the loop ends, or posted after, are released unhandled.
class CWorkerThread {
public:
    CWorkerThread();
    virtual ~CWorkerThread();
    CWorkerThread(const CWorkerThread&) = delete;
    CWorkerThread& operator=(const CWorkerThread&) = delete;

    // Starts the thread and its loop; false when the thread cannot be created or already ran.
    bool CreateThread();
    // Queues a message; false (and the payload released) when the loop is not running.
    bool PostThreadMessage(unsigned message, std::uintptr_t wParam = 0,
                           std::unique_ptr<ThreadPayload> lParam = nullptr);
    // A number unique to this thread object, given as the sender's id in messages.
    std::uint32_t ThreadId() const { return m_threadId; }
    // True once the loop has ended (or never started) within the time-out.
    bool WaitForEnd(std::chrono::milliseconds timeout);
    // True once every message posted so far has been handled and the queue is empty.
    bool WaitUntilIdle(std::chrono::milliseconds timeout);
    bool IsRunning() const;

protected:
    virtual void OnThreadMessage(ThreadMessage& message) = 0;
    // Ends the loop after the message being handled.
    void EndMessageLoop();
    // For destructors of derived classes: posts the thread's end message if the loop still runs
    // and waits for the thread, so no handler runs on a half-destroyed object.
    void EndAndJoin(unsigned endMessage);

private:
    void Run();

    mutable std::mutex m_lock;
    std::condition_variable m_changed;
    std::deque<ThreadMessage> m_queue;
    std::thread m_thread;
    std::uint32_t m_threadId;
    bool m_running = false;
    bool m_started = false;
    bool m_handling = false;
    bool m_endRequested = false;
};
