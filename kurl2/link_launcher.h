// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

class QWidget;

namespace marvane {

// The one way out of the program to the user's browser or mail program. Tests hand a link a
// recording fake instead (TKURL2::setLauncher).
class LinkLauncher {
public:
    virtual ~LinkLauncher() = default;
    // Opens `target` (a web address, or a "mailto:" address) with the program the desktop
    // associates with it: the shell's "open" verb. `owner` is the widget asking. Whether a program
    // was found is not reported; any complaint comes from the desktop itself.
    virtual void open(QWidget* owner, const QString& target) = 0;
};

// Hands the target to QDesktopServices::openUrl.
class DesktopLinkLauncher final : public LinkLauncher {
public:
    void open(QWidget* owner, const QString& target) override;
};

}  // namespace marvane
