// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/quitrequests.h"

#include <QApplication>
#include <QDialog>
#include <QSocketNotifier>
#include <QTimer>
#include <QWidget>
#if QT_CONFIG(sessionmanager)
#include <QSessionManager>
#endif

#ifdef Q_OS_UNIX
#include <fcntl.h>
#include <signal.h>
#include <sys/socket.h>
#include <unistd.h>

#include <cerrno>
#endif

namespace marvane {

#ifdef Q_OS_UNIX
namespace {

constexpr int kSignals[] = {SIGTERM, SIGINT, SIGHUP};

// [0] is written by the handler, [1] read by the event loop.
int signalSocket[2] = {-1, -1};

extern "C" void onQuitSignal(int number) {
    const int savedErrno = errno;
    const auto byte = static_cast<unsigned char>(number);
    // A full socket already holds a request; this one can go.
    [[maybe_unused]] const ssize_t written = ::write(signalSocket[0], &byte, 1);
    errno = savedErrno;
}

}  // namespace
#endif

QuitRequests::QuitRequests(QObject* parent) : QObject(parent) {
#ifdef Q_OS_UNIX
    if (::socketpair(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0, signalSocket) == 0) {
        for (int fd : signalSocket) ::fcntl(fd, F_SETFL, ::fcntl(fd, F_GETFL) | O_NONBLOCK);
        notifier_ = new QSocketNotifier(signalSocket[1], QSocketNotifier::Read, this);
        connect(notifier_, &QSocketNotifier::activated, this, &QuitRequests::readSignals);
        struct sigaction action = {};
        action.sa_handler = onQuitSignal;
        sigemptyset(&action.sa_mask);
        action.sa_flags = SA_RESTART;
        for (int number : kSignals) ::sigaction(number, &action, nullptr);
    }
#endif
#if QT_CONFIG(sessionmanager)
    connect(qApp, &QGuiApplication::commitDataRequest, this, [this](QSessionManager&) {
        unattended_ = true;
        closeMainWindow();
    });
#endif
}

QuitRequests::~QuitRequests() {
#ifdef Q_OS_UNIX
    if (!notifier_) return;
    for (int number : kSignals) ::signal(number, SIG_DFL);
    delete notifier_;
    for (int& fd : signalSocket) {
        ::close(fd);
        fd = -1;
    }
#endif
}

void QuitRequests::setMainWindow(QWidget* window) {
    window_ = window;
    // Once the event loop runs, so the window has been shown and can close as usual.
    if (pending_) QTimer::singleShot(0, this, &QuitRequests::closeMainWindow);
}

void QuitRequests::readSignals() {
#ifdef Q_OS_UNIX
    unsigned char numbers[16];
    ssize_t count = 0;
    bool any = false;
    while ((count = ::read(signalSocket[1], numbers, sizeof numbers)) > 0) {
        if (signal_ == 0) signal_ = numbers[0];
        any = true;
    }
    if (!any) return;
    unattended_ = true;
    closeMainWindow();
#endif
}

void QuitRequests::closeMainWindow() {
    if (!window_) {
        pending_ = true;
        return;
    }
    pending_ = false;
    // A dialog waiting for an answer would hold the program open; cancelling it is what the
    // user would do to get out. The guard stops at a modal window that will not go.
    for (int guard = 0; guard < 16; ++guard) {
        QWidget* modal = QApplication::activeModalWidget();
        if (!modal || modal == window_) break;
        if (auto* dialog = qobject_cast<QDialog*>(modal))
            dialog->reject();
        else
            modal->close();
        if (QApplication::activeModalWidget() == modal) break;
    }
    window_->close();
    // A cancelled box returns into the start-up, which may still have a question to ask; with the
    // window gone, the program would then wait for its answer. Every event loop ends instead, and
    // a box opened after this returns at once.
    if (!window_->isVisible()) QCoreApplication::exit(0);
}

}  // namespace marvane
