#include "window/optionspanel.h"

#include <QApplication>
#include <QCheckBox>
#include <QFrame>
#include <QSpinBox>

#include "kurl2/KURL2.h"

namespace marvane {

// In front of the rules too, which the options key can open it over.
void OptionsPanel::open() {
    OptionPanel->raise();
    OptionPanel->show();
}

bool OptionsPanel::close() {
    const bool focusInPanel = OptionPanel->isAncestorOf(QApplication::focusWidget());
    OptionPanel->hide();
    return focusInPanel;
}

int OptionsPanel::takeResponse() {
    Response->interpretText();
    Response->setValue(Response->value());
    return Response->value();
}

int OptionsPanel::response() const { return Response->value(); }

bool OptionsPanel::menuShown() const { return ShowMenu->isChecked(); }

bool OptionsPanel::statusShown() const { return ShowStatus->isChecked(); }

void OptionsPanel::setMenuShown(bool shown) { ShowMenu->setChecked(shown); }

void OptionsPanel::setStatusShown(bool shown) { ShowStatus->setChecked(shown); }

void OptionsPanel::openWebPage() { web->OpenLink(); }

void OptionsPanel::writeEmail() { email->OpenLink(); }

}  // namespace marvane
