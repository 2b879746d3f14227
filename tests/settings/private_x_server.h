// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <fcntl.h>
#include <signal.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <QByteArray>
#include <cstddef>

// A private X server (Xvfb) for the lifetime of the object, on a display of its own.
class PrivateXServer {
public:
    // `size` is the screen's, as Xvfb takes it: width x height x depth.
    explicit PrivateXServer(const char* size = "640x480x24") {
        int ready[2];
        if (pipe(ready) != 0) return;
        posix_spawn_file_actions_t actions;
        posix_spawn_file_actions_init(&actions);
        posix_spawn_file_actions_adddup2(&actions, ready[1], 3);
        // Its complaints about the machine are not the test's.
        posix_spawn_file_actions_addopen(&actions, 1, "/dev/null", O_WRONLY, 0);
        posix_spawn_file_actions_addopen(&actions, 2, "/dev/null", O_WRONLY, 0);
        char xvfb[] = "Xvfb", displayFd[] = "-displayfd", three[] = "3", noTcp[] = "-nolisten",
             tcp[] = "tcp", terminate[] = "-terminate", screen[] = "-screen", zero[] = "0";
        QByteArray screenSize(size);
        char* args[] = {xvfb, displayFd,         three,  noTcp, tcp, terminate, screen,
                        zero, screenSize.data(), nullptr};
        const bool started = posix_spawnp(&pid_, "Xvfb", &actions, nullptr, args, environ) == 0;
        posix_spawn_file_actions_destroy(&actions);
        close(ready[1]);
        if (!started) {
            pid_ = 0;
            close(ready[0]);
            return;
        }
        // Xvfb writes its display number once it accepts clients; nothing if it fails.
        char number[16] = {};
        std::size_t length = 0;
        while (length + 1 < sizeof number && read(ready[0], number + length, 1) == 1 &&
               number[length] != '\n') {
            ++length;
        }
        close(ready[0]);
        if (length > 0 && number[length] == '\n') display_ = ":" + QByteArray(number, length);
    }
    ~PrivateXServer() {
        if (pid_ <= 0) return;
        kill(pid_, SIGTERM);
        waitpid(pid_, nullptr, 0);
    }
    PrivateXServer(const PrivateXServer&) = delete;
    PrivateXServer& operator=(const PrivateXServer&) = delete;

    // Empty when Xvfb is not installed or did not start.
    QByteArray display() const { return display_; }

private:
    pid_t pid_ = 0;
    QByteArray display_;
};
