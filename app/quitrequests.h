// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QObject>
#include <QPointer>

class QSocketNotifier;
class QWidget;

namespace marvane {

// Ends the program the way closing its main window does when the system or the desktop asks it
// to: on SIGTERM, SIGINT or SIGHUP, and on the session manager's request to commit data (a
// desktop logout). The window's own close handling runs, so the options are saved as on any
// close; nobody is there to answer a box then, so the settings wiring reports a failed save on
// standard error (see unattended()). Open dialogs are cancelled first, as Escape would.
//
// The signal handler itself only writes the signal's number into a socket; the work happens in
// the event loop. One instance at a time; its destruction restores the signals' default actions.
class QuitRequests : public QObject {
    Q_OBJECT

public:
    explicit QuitRequests(QObject* parent = nullptr);
    ~QuitRequests() override;

    // The window to close; a request that came before it waits for the event loop.
    void setMainWindow(QWidget* window);

    // The first signal received, or 0.
    int signalNumber() const { return signal_; }

    // The system or the session has asked the program to quit: what still goes wrong is
    // reported on standard error, not in a box that would hold the program open.
    bool unattended() const { return unattended_; }

    // Closes the main window as its close button would, after cancelling open dialogs; once it
    // is closed, the program ends even where a dialog is still to come.
    void closeMainWindow();

private:
    void readSignals();

    QPointer<QWidget> window_;
    QSocketNotifier* notifier_ = nullptr;
    int signal_ = 0;
    bool pending_ = false;
    bool unattended_ = false;
};

}  // namespace marvane
