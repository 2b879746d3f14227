// Marvane: the program entry. One main window and its event loop.
#include <QApplication>

#include "exitnow.h"
#include "marvaneform.h"
#include "settingswiring.h"

int main(int argc, char* argv[]) {
    int rc = 0;
    {
        QApplication app(argc, argv);
        QApplication::setApplicationName("Marvane");
        QApplication::setOrganizationName("Corvath");
        marvane::TMarvaneForm form(marvane::userSettingsStore());
        form.show();
        rc = app.exec();
    }
    // The window and the application are gone and the settings saved; what static destructors
    // would still do is tear down the audio engine under libpulse's running thread.
    marvane::exitNow(rc);
}
