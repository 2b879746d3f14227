// Marvane: the program entry. One main window and its event loop.
#include <QApplication>

#include "app/settingswiring.h"
#include "window/marvaneform.h"

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QApplication::setApplicationName("Marvane");
    QApplication::setOrganizationName("Corvath");
    marvane::TMarvaneForm form(marvane::userSettingsStore(), marvane::makerAddresses());
    form.show();
    return app.exec();
}
