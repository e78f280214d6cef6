#include "audio/ChildProcessTrial.h"

#include <cerrno>
#include <csignal>
#include <cstring>
#include <fcntl.h>
#include <poll.h>
#include <sys/wait.h>
#include <unistd.h>

namespace {

// How the child ended, in words.
std::string DescribeEnd(int status) {
    if (WIFSIGNALED(status))
        return "it was ended by signal " + std::to_string(WTERMSIG(status)) + " (" +
               strsignal(WTERMSIG(status)) + ")";
    if (WIFEXITED(status))
        return "it exited with status " + std::to_string(WEXITSTATUS(status)) + " before finishing";
    return "it ended abnormally";
}

// Waits for the child's one byte; false when the pipe closed empty or the time ran out.
bool AwaitFinished(int fd, std::chrono::milliseconds limit, bool& timedOut) {
    pollfd entry{fd, POLLIN, 0};
    int ready;
    do
        ready = poll(&entry, 1, static_cast<int>(limit.count()));
    while (ready < 0 && errno == EINTR);
    timedOut = ready == 0;
    char finished = 0;
    return ready > 0 && read(fd, &finished, 1) == 1 && finished == 1;
}

} // namespace

bool SurvivesInChildProcess(const std::function<void()>& action, std::chrono::milliseconds limit,
                            std::string& why) {
    int channel[2];
    if (pipe2(channel, O_CLOEXEC) != 0) {
        why = std::string("no pipe for the trial: ") + std::strerror(errno);
        return false;
    }
    const pid_t child = fork();
    if (child < 0) {
        why = std::string("no child process for the trial: ") + std::strerror(errno);
        close(channel[0]);
        close(channel[1]);
        return false;
    }
    if (child == 0) {
        close(channel[0]);
        action();
        const char finished = 1;
        const bool told = write(channel[1], &finished, 1) == 1;
        _exit(told ? 0 : 1);
    }
    close(channel[1]);
    bool timedOut = false;
    const bool finished = AwaitFinished(channel[0], limit, timedOut);
    close(channel[0]);
    if (!finished)
        kill(child, SIGKILL);
    int status = 0;
    while (waitpid(child, &status, 0) < 0 && errno == EINTR) {
    }
    if (finished)
        return true;
    why =
        timedOut ? "it did not finish within " + std::to_string(limit.count()) + " ms" : DescribeEnd(status);
    return false;
}
