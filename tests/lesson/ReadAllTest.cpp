#include "lesson/ReadAll.h"

#include "audio/IClock.h"

#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace {

// A sentence's reading control that writes what is done with it into a shared script.
class ScriptedSentence final : public SentenceReader {
public:
    ScriptedSentence(std::vector<std::string>& script, int id, int state, int seconds)
        : m_script(script), m_id(id), m_state(state), m_seconds(seconds) {}
    int ReadingStateOf() const override { return m_state; }
    int PrepareSoundSeconds() override {
        m_script.push_back("prepare " + std::to_string(m_id));
        return m_seconds;
    }
    void ReadSentence() override { m_script.push_back("read " + std::to_string(m_id)); }

private:
    std::vector<std::string>& m_script;
    int m_id, m_state, m_seconds;
};

struct ReadAllRun {
    std::vector<std::string> script;
    std::vector<std::unique_ptr<ScriptedSentence>> sentences;
    bool stop = false;

    ReadAllHooks Hooks() {
        ReadAllHooks hooks;
        hooks.processMessages = [this] { script.push_back("messages"); };
        hooks.wait = [this](int ms) { script.push_back("wait " + std::to_string(ms)); };
        hooks.stopped = [this] { return stop; };
        return hooks;
    }
    SentenceReader* At(size_t i) { return i < sentences.size() ? sentences[i].get() : nullptr; }
};

TEST(ReadAll, SilentSentencesGetTheirLengthPlusThreeSecondsOthersAreReadAfterTwo) {
    ReadAllRun run;
    run.sentences.push_back(std::make_unique<ScriptedSentence>(run.script, 1, SentenceReader::kNormal, 9));
    run.sentences.push_back(std::make_unique<ScriptedSentence>(run.script, 2, SentenceReader::kSilent, 4));
    run.sentences.push_back(std::make_unique<ScriptedSentence>(run.script, 3, SentenceReader::kNoIcon, 9));
    ReadAllSentences([&](size_t i) { return run.At(i); }, run.Hooks());
    const std::vector<std::string> expected = {"messages",  "wait 2000", "read 1",    "messages",
                                               "wait 2000", "prepare 2", "wait 7000", "messages",
                                               "wait 2000", "read 3",    "messages"};
    EXPECT_EQ(run.script, expected);
}

TEST(ReadAll, EndsWhenTheWindowClosesOrTheSentencesGoAway) {
    ReadAllRun run;
    run.sentences.push_back(std::make_unique<ScriptedSentence>(run.script, 1, SentenceReader::kNormal, 0));
    run.sentences.push_back(std::make_unique<ScriptedSentence>(run.script, 2, SentenceReader::kNormal, 0));
    ReadAllHooks hooks = run.Hooks();
    hooks.wait = [&](int) { run.stop = true; };
    ReadAllSentences([&](size_t i) { return run.At(i); }, hooks);
    EXPECT_EQ(run.script, (std::vector<std::string>{"messages"}));

    // The child lesson changes during the pause: its sentences are gone and nothing is read.
    ReadAllRun changed;
    changed.sentences.push_back(
        std::make_unique<ScriptedSentence>(changed.script, 1, SentenceReader::kNormal, 0));
    ReadAllHooks changeHooks = changed.Hooks();
    changeHooks.wait = [&](int) { changed.sentences.clear(); };
    ReadAllSentences([&](size_t i) { return changed.At(i); }, changeHooks);
    EXPECT_EQ(changed.script, (std::vector<std::string>{"messages"}));
}

// A clock whose sleeps take no time but are added up.
class CountingClock final : public IClock {
public:
    Duration Now() const override { return m_slept; }
    TimerId StartTimer(Duration, std::function<void()>) override { return 0; }
    void CancelTimer(TimerId) override {}
    void Sleep(Duration d) override { m_slept += d; }
    Duration m_slept{0};
};

TEST(ReadAll, WaitingSleepsTheWholeTimeInShortStepsUnlessStopped) {
    CountingClock clock;
    WaitDispatching(clock, 7000, [] { return false; });
    EXPECT_EQ(clock.m_slept, std::chrono::milliseconds(7000));
    CountingClock stopped;
    WaitDispatching(stopped, 7000, [&] { return stopped.m_slept >= std::chrono::milliseconds(100); });
    EXPECT_EQ(stopped.m_slept, std::chrono::milliseconds(100));
}

} // namespace
