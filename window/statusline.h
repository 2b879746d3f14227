// SPDX-License-Identifier: GPL-3.0-or-later
// The main window's status bar: the program's name, the named opening the game is in, and the
// folder the sounds came from.
#pragma once

#include <QCoreApplication>
#include <QString>

class QLabel;
class QMainWindow;
class QStatusBar;

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
    // The opening's name stays as players know it, in every language; none clears it. A bar not
    // built yet shows it once built.
    void showOpening(const QString& name);

private:
    QMainWindow& window_;
    QStatusBar* StatusBar = nullptr;
    QLabel* statusPanels[3] = {};
    QString opening_;
};

}  // namespace marvane
