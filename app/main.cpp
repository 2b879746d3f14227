// SPDX-License-Identifier: GPL-3.0-or-later
// Marvane: the program entry. One main window and its event loop.
#include <QApplication>

#include "app/quitrequests.h"
#include "app/settingswiring.h"
#include "window/marvaneform.h"
#include "window/sound/exitnow.h"
#include "window/translations.h"

int main(int argc, char* argv[]) {
    int rc = 0;
    {
        QApplication app(argc, argv);
        QApplication::setApplicationName("Marvane");
        QApplication::setOrganizationName("Corvath");
#ifdef Q_OS_WIN
        // The window's boxes take their colours from their palettes, which the native Windows
        // styles ignore for line edits (white text on a white field); Fusion, the style the
        // window is drawn with elsewhere, keeps them.
        QApplication::setStyle(QStringLiteral("Fusion"));
#endif
        // The player's language, from the system's locale; before any text is made.
        marvane::installTranslations();
        // Before the window, so that a request while it is being built is not lost.
        marvane::QuitRequests quitRequests;
        marvane::TMarvaneForm form(
            marvane::userSettingsStore([&quitRequests] { return quitRequests.unattended(); }),
            marvane::makerAddresses());
        quitRequests.setMainWindow(&form);
        form.show();
        rc = app.exec();
        // Ended by a signal, the program says so the usual way: 128 + the signal's number.
        if (quitRequests.signalNumber() != 0) rc = 128 + quitRequests.signalNumber();
    }
    // The window and the application are gone and the settings saved; what static destructors
    // would still do is tear down the audio engine under libpulse's running thread.
    marvane::exitNow(rc);
}
