// The main window's status bar: the program's name and the folder the sounds came from.
#pragma once

#include <QCoreApplication>

class QLabel;
class QMainWindow;
class QStatusBar;
class QString;

namespace marvane {

// Built, hidden, when it is first needed; the window owns it.
class StatusLine {
    Q_DECLARE_TR_FUNCTIONS(StatusLine)

public:
    explicit StatusLine(QMainWindow& window) : window_(window) {}

    // Only the first call builds.
    void build();
    // Shows or hides the bar once it is built; a bar not built yet stays unbuilt.
    void setShown(bool shown);
    void showSoundFolder(const QString& folder);

private:
    QMainWindow& window_;
    QStatusBar* StatusBar = nullptr;
    QLabel* statusPanels[3] = {};
};

}  // namespace marvane
