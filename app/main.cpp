// Marvane: the program entry. One main window and its event loop.
#include <QApplication>

#include "app/quitrequests.h"
#include "app/settingswiring.h"
#include "window/marvaneform.h"

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QApplication::setApplicationName("Marvane");
    QApplication::setOrganizationName("Corvath");
    // Before the window, so that a request while it is being built is not lost.
    marvane::QuitRequests quitRequests;
    marvane::TMarvaneForm form(marvane::userSettingsStore(), marvane::makerAddresses());
    quitRequests.setMainWindow(&form);
    form.show();
    const int result = app.exec();
    // Ended by a signal, the program says so the usual way: 128 + the signal's number.
    return quitRequests.signalNumber() != 0 ? 128 + quitRequests.signalNumber() : result;
}
