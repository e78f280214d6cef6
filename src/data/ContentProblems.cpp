#include "data/ContentProblems.h"

#include <algorithm>

ContentProblems g_contentProblems;

namespace {

// A damaged file can fail thousands of queries; the message names only a few reasons.
constexpr size_t kMaxProblems = 20;

} // namespace

void ContentProblems::Note(const std::string& database, const std::string& reason) {
    std::lock_guard<std::mutex> guard(m_lock);
    const Problem problem{database, reason};
    if (m_problems.size() < kMaxProblems &&
        std::find(m_problems.begin(), m_problems.end(), problem) == m_problems.end())
        m_problems.push_back(problem);
}

std::vector<ContentProblems::Problem> ContentProblems::Take() {
    std::lock_guard<std::mutex> guard(m_lock);
    std::vector<Problem> taken;
    taken.swap(m_problems);
    return taken;
}
