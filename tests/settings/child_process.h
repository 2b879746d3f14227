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

// What a piece of work run in a child process gave back.
struct ChildRun {
    bool timedOut = false;  // it had not finished in time and was killed
    int status = 0;         // as waitpid() gives it
    QByteArray output;      // what the work returned
};

// Runs `work` in a child process, so that work that waits for ever, or a process-wide limit it
// sets, cannot take the test with it.
inline ChildRun runInChild(const std::function<QByteArray()>& work, int timeoutMs = 10000) {
    ChildRun run;
    int out[2];
    if (pipe(out) != 0) return run;
    const pid_t pid = fork();
    if (pid == 0) {
        close(out[0]);
        const QByteArray text = work();
        for (qsizetype done = 0; done < text.size();) {
            const ssize_t n = write(out[1], text.constData() + done, text.size() - done);
            if (n <= 0) break;
            done += n;
        }
        _exit(0);
    }
    close(out[1]);
    QDeadlineTimer deadline(timeoutMs);
    char buffer[4096];
    for (;;) {
        pollfd ready = {out[0], POLLIN, 0};
        if (poll(&ready, 1, static_cast<int>(deadline.remainingTime())) <= 0) {
            run.timedOut = true;
            kill(pid, SIGKILL);
            break;
        }
        const ssize_t n = read(out[0], buffer, sizeof buffer);
        if (n <= 0) break;
        run.output.append(buffer, n);
    }
    close(out[0]);
    waitpid(pid, &run.status, 0);
    return run;
}

// Writes to regular files stop at `bytes` while the object lives (only the soft limit is
// lowered, so it can be raised again without privileges). With SIGXFSZ ignored a write past it
// fails with EFBIG, as on a full disk; otherwise the process is killed in the middle of the
// write.
class FileSizeLimit {
public:
    FileSizeLimit(rlim_t bytes, bool killWriter) {
        getrlimit(RLIMIT_FSIZE, &saved_);
        signal(SIGXFSZ, killWriter ? SIG_DFL : SIG_IGN);
        rlimit lowered = saved_;
        lowered.rlim_cur = bytes;
        setrlimit(RLIMIT_FSIZE, &lowered);
    }
    ~FileSizeLimit() {
        setrlimit(RLIMIT_FSIZE, &saved_);
        signal(SIGXFSZ, SIG_DFL);
    }
    FileSizeLimit(const FileSizeLimit&) = delete;
    FileSizeLimit& operator=(const FileSizeLimit&) = delete;

private:
    rlimit saved_{};
};

}  // namespace marvane::test
