#pragma once

#include "app/UserNotice.h"
#include "audio/CListenSpeakDlg.h"
#include "audio/ISoundDevices.h"
#include "data/CADODatabase.h"
#include "fixtures/ManualClock.h"
#include "fixtures/TempFolder.h"

#include <gtest/gtest.h>

#include <atomic>
#include <functional>
#include <memory>
#include <thread>
#include <vector>

// A clock that tests advance by hand. A sleep on the test's own thread (the panel waiting for the
// recording file) lets the audio threads finish what they were given instead of taking time, so
// the wait behaves as if the threads had been quick enough. A sleep on an audio thread takes no
// time, or, when the test asks for a slow thread, lasts until the test has advanced the clock by
// that much more.
class SettlingClock final : public IClock {
public:
    Duration Now() const override { return m_clock.Now(); }
    TimerId StartTimer(Duration delay, std::function<void()> callback) override {
        return m_clock.StartTimer(delay, std::move(callback));
    }
    void CancelTimer(TimerId id) override { m_clock.CancelTimer(id); }
    void Sleep(Duration) override {
        if (std::this_thread::get_id() == m_testThread) {
            if (m_settle)
                m_settle();
            return;
        }
        const Duration until = Now() + m_slowThreadSleep.load();
        while (Now() < until)
            std::this_thread::sleep_for(std::chrono::milliseconds(1));
    }
    void SetSlowThreadSleep(Duration duration) { m_slowThreadSleep = duration; }
    void Advance(Duration duration) { m_clock.Advance(duration); }
    void SetSettle(std::function<void()> settle) { m_settle = std::move(settle); }

private:
    ManualClock m_clock;
    std::thread::id m_testThread = std::this_thread::get_id();
    std::function<void()> m_settle;
    std::atomic<Duration> m_slowThreadSleep{Duration{0}};
};

// What the program would have shown the user.
class NoticeLog final : public UserNotice {
public:
    void Show(Kind, const std::string&, const std::string& text) override { shown.push_back(text); }
    bool Ask(const std::string&, const std::string&) override { return false; }
    std::vector<std::string> shown;
};

// The speaking practice pane over the fixture word database (for its character line), a scratch
// lesson folder and the sound devices a test installs, driven by a hand-advanced clock.
class ListenSpeakFixture : public ::testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;

    // Installs the devices (not owned) for everything that plays or records.
    void UseDevices(ISoundDevices* devices);
    void MakePanel();
    // Waits until the pane's audio threads and the sound player have handled what they were given.
    void Settle();
    // Lets time pass in steps of 100 ms, the audio threads and the panel keeping up.
    void Run(IClock::Duration total);
    // Runs until the recording has been rated (at most `limit`); false when it never was.
    bool RunUntilRated(IClock::Duration limit);
    QString Prompt() const;
    // The "%f,%f,%f" values of the last line of the trace log.
    std::vector<double> LastRatingLogLine() const;

    TempFolder m_dir;
    SettlingClock m_clock;
    CADODatabase m_wordDb;
    NoticeLog m_notice;
    std::unique_ptr<CListenSpeakDlg> m_panel;

private:
    UserNotice* m_previousNotice = nullptr;
    ISoundDevices* m_previousDevices = nullptr;
    bool m_devicesInstalled = false;
};
