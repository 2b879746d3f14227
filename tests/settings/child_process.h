// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <poll.h>
#include <signal.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <QByteArray>
#include <QDeadlineTimer>
#include <functional>

namespace marvane::test {

struct ChildRun {
    bool timedOut = false;  // not finished in time, and killed
    int status = 0;         // as waitpid() gives it
    QByteArray output;      // what the work returned
};

// Runs `work` in a child process, so that work that waits for ever, or a limit it sets, cannot
// take the test with it.
inline ChildRun runInChild(const std::function<QByteArray()>& work, int timeoutMs = 10000) {
    ChildRun run;
    int out[2];
    if (pipe(out) != 0) return run;
    const pid_t pid = fork();
    if (pid == 0) {
        const QByteArray text = work();
        [[maybe_unused]] const ssize_t written = write(out[1], text.constData(), text.size());
        _exit(0);
    }
    close(out[1]);
    QDeadlineTimer deadline(timeoutMs);
    char buffer[4096];
    pollfd ready = {out[0], POLLIN, 0};
    while (!(run.timedOut = poll(&ready, 1, int(deadline.remainingTime())) <= 0)) {
        const ssize_t n = read(out[0], buffer, sizeof buffer);
        if (n <= 0) break;
        run.output.append(buffer, n);
    }
    if (run.timedOut) kill(pid, SIGKILL);
    close(out[0]);
    waitpid(pid, &run.status, 0);
    return run;
}

// Writes to files stop at `bytes` while this lives: with SIGXFSZ ignored a write past it fails
// (EFBIG), as on a full disk; otherwise the writer is killed in the middle of the write. Only the
// soft limit is lowered, so it is raised again without privileges.
class FileSizeLimit {
public:
    FileSizeLimit(rlim_t bytes, bool killWriter) {
        getrlimit(RLIMIT_FSIZE, &saved_);
        signal(SIGXFSZ, killWriter ? SIG_DFL : SIG_IGN);
        const rlimit lowered = {bytes, saved_.rlim_max};
        setrlimit(RLIMIT_FSIZE, &lowered);
    }
    ~FileSizeLimit() {
        setrlimit(RLIMIT_FSIZE, &saved_);
        signal(SIGXFSZ, SIG_DFL);
    }

private:
    rlimit saved_{};
};

}  // namespace marvane::test
