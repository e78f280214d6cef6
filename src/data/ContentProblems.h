#pragma once

#include <mutex>
#include <string>
#include <vector>

// Reads of the content databases that failed, gathered so that a window can tell the learner once
// what could not be read instead of a message per failed query; the log keeps every query.
class ContentProblems {
public:
    struct Problem {
        std::string database; // the file's name, such as "word.dll"
        std::string reason;   // such as "no such table: tbl_hz_main"
        bool operator==(const Problem&) const = default;
    };

    // Notes a failed read; a problem already noted is kept once.
    void Note(const std::string& database, const std::string& reason);
    // The problems noted since the last call, in the order they came; they are forgotten.
    std::vector<Problem> Take();

private:
    std::mutex m_lock;
    std::vector<Problem> m_problems;
};

extern ContentProblems g_contentProblems;
