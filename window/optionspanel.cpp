// SPDX-License-Identifier: GPL-3.0-or-later
#include "window/optionspanel.h"

#include <QApplication>
#include <QCheckBox>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QSpinBox>
#include <QToolButton>
#include <algorithm>

#include "kurl2/KURL2.h"
#include "settings/options.h"
#include "window/fonts.h"
#include "window/marvaneform_layout.h"

namespace marvane {

namespace {

// A black panel with its own caption drawn at its centre in the window-text colour.
class CaptionPanel : public QFrame {
public:
    CaptionPanel(const QString& caption, QWidget* parent) : QFrame(parent), caption_(caption) {}

protected:
    void paintEvent(QPaintEvent* event) override {
        QFrame::paintEvent(event);
        QPainter painter(this);
        painter.setPen(QPalette().color(QPalette::WindowText));
        painter.drawText(rect(), Qt::AlignCenter, caption_);
    }

private:
    QString caption_;
};

}  // namespace

// In front of the game's controls, which it covers: it is built after them.
OptionsPanel::OptionsPanel(QWidget* client, QString web, QString email)
    : webAddress_(std::move(web)), emailAddress_(std::move(email)) {
    OptionPanel = new CaptionPanel("OptionPanel", client);
    OptionPanel->setObjectName("OptionPanel");
    OptionPanel->setGeometry(440, 8, 297, 441);
    OptionPanel->setAutoFillBackground(true);
    OptionPanel->hide();
    OptionPanel->setAccessibleName(tr("Marvane Options"));

    // The design's up-down control and its buddy edit box are one spin box; the edit box is its
    // line edit, and together they cover the places of both.
    Response = new QSpinBox(OptionPanel);
    Response->setObjectName("Response");
    Response->setGeometry(24, 64, 49 + 12, 28);
    constexpr const OptionRow& responseOption = optionRow("Response");
    Response->setRange(responseOption.min, responseOption.max);
    Response->setSingleStep(10);
    Response->setWrapping(true);
    Response->setGroupSeparatorShown(false);
    Response->setValue(responseOption.defaultValue);
    Response->setFont(pixelFont("MS Sans Serif", 16));
    QPalette spin = Response->palette();
    spin.setColor(QPalette::Base, Qt::black);
    spin.setColor(QPalette::Text, Qt::white);
    spin.setColor(QPalette::Button, QColor(192, 192, 192));
    spin.setColor(QPalette::ButtonText, Qt::black);
    Response->setPalette(spin);
    if (auto* responseedit = Response->findChild<QLineEdit*>())
        responseedit->setObjectName("responseedit");
    Response->setAccessibleName(tr("Response time"));
    Response->setAccessibleDescription(tr("Milliseconds before the computer moves"));

    Sound = makeCheckBox(OptionPanel, "Sound", {24, 104, 145, 41}, "      " + tr("Sound effects"),
                         true);
    Sound->setToolTip(tr("Turn sound effects On or Off"));
    ShowMenu = makeCheckBox(OptionPanel, "ShowMenu", {24, 144, 233, 25},
                            "      " + tr("Show Windows Menu"), true);
    ShowStatus = makeCheckBox(OptionPanel, "ShowStatus", {24, 176, 233, 25},
                              "      " + tr("Show Windows Status Bar"), false);
}

void OptionsPanel::finish() {
    if (finished()) return;
    makeLabel(OptionPanel, "Label25", {72, 8, 190, 32}, tr("Marvane Options"),
              pixelFont("Mural Script", 27), kAqua);
    makeLabel(OptionPanel, "Label24", {112, 64, 107, 20}, tr("Response time"),
              pixelFont("MS Sans Serif", 16))
        ->adjustSize();
    // The stand-in face runs a little wider than the designed one; never cut a caption short.
    for (QCheckBox* box : {Sound, ShowMenu, ShowStatus}) {
        const int room = OptionPanel->width() - box->x();
        box->resize(std::clamp(box->sizeHint().width(), box->width(), std::max(room, box->width())),
                    box->height());
    }

    auto* Panel2 = new QFrame(OptionPanel);
    Panel2->setObjectName("Panel2");
    Panel2->setGeometry(88, 288, 233, 57);
    Panel2->hide();  // it only holds the maker's two addresses
    web = new TKURL2(Panel2);
    web->setObjectName("web");
    web->setGeometry(32, 8, 169, 17);
    web->setChoose(TKURL2::ltURL);
    web->setToolTip(tr("Go to our Web Site"));
    web->setURLorEMAIL(webAddress_);
    email = new TKURL2(Panel2);
    email->setObjectName("email");
    email->setGeometry(32, 32, 157, 17);
    email->setChoose(TKURL2::ltEMAIL);
    email->setToolTip(tr("Email Corvath-Solutions"));
    email->setURLorEMAIL(emailAddress_);

    SpeedButton5 = makeButton(OptionPanel, "SpeedButton5", {48, 376, 209, 41},
                              tr("Return to Marvane"), {}, pixelFont("Mural Script", 27));
}

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
