// SPDX-License-Identifier: GPL-3.0-or-later
#include "kurl2/link_launcher.h"

#include <QDesktopServices>
#include <QUrl>

namespace marvane {

void DesktopLinkLauncher::open(QWidget* owner, const QString& target) {
    // The desktop needs no owner window, so none is created for a hidden link. Nor can it be asked
    // to show the opened program maximised; the program decides its own window state.
    Q_UNUSED(owner);
    // Like the shell, take a bare "www.example.com" as a web address rather than a relative path.
    QDesktopServices::openUrl(QUrl::fromUserInput(target));
}

}  // namespace marvane
