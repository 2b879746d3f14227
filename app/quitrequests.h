#pragma once

#include <QObject>
#include <QPointer>

class QSocketNotifier;
class QWidget;

namespace marvane {

// Ends the program the way closing its main window does when the system or the desktop asks it
// to: on SIGTERM, SIGINT or SIGHUP, and on the session manager's request to commit data (a
// desktop logout). The window's own close handling runs, so the options are saved and a failed
// save is reported as on any close. Open dialogs are cancelled first, as Escape would.
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

    // Closes the main window as its close button would, after cancelling open dialogs.
    void closeMainWindow();

private:
    void readSignals();

    QPointer<QWidget> window_;
    QSocketNotifier* notifier_ = nullptr;
    int signal_ = 0;
    bool pending_ = false;
};

}  // namespace marvane
