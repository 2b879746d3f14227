// SPDX-License-Identifier: GPL-3.0-or-later
// The options panel: the response time, the three option boxes, the maker's addresses and the
// way back to the game.
#pragma once

#include <QCoreApplication>
#include <QString>

class QCheckBox;
class QFrame;
class QSpinBox;
class QToolButton;
class QWidget;

namespace marvane {

class TKURL2;

// The option controls hold the options, so they are there from the start, in a panel that
// stays hidden until it is opened; the panel's headings, links and button follow with the rest
// (finish). The window owns every control; each is placed where the design puts it.
class OptionsPanel {
    Q_DECLARE_TR_FUNCTIONS(OptionsPanel)

public:
    OptionsPanel(QWidget* client, QString web, QString email);

    // Builds what the panel shows besides its controls; only the first call builds.
    void finish();
    bool finished() const { return SpeedButton5 != nullptr; }

    // The sound box, which the sound effects read and untick when there is no device.
    QCheckBox* soundBox() const { return Sound; }
    // The panel itself, and its button back to the game (both there once finished).
    QFrame* panel() const { return OptionPanel; }
    QToolButton* returnButton() const { return SpeedButton5; }

    void open();
    // Hides the panel; true when the focus was in it.
    bool close();

    // The response time in milliseconds. A whole number typed into the edit box counts; any
    // other text falls back to the last valid time, which the box then shows again.
    int takeResponse();
    int response() const;
    bool menuShown() const;
    bool statusShown() const;
    void setMenuShown(bool shown);
    void setStatusShown(bool shown);

    // The maker's addresses; the panel must be finished.
    void openWebPage();
    void writeEmail();

private:
    QFrame* OptionPanel = nullptr;
    QSpinBox* Response = nullptr;
    QCheckBox *Sound = nullptr, *ShowMenu = nullptr, *ShowStatus = nullptr;
    TKURL2 *web = nullptr, *email = nullptr;
    QToolButton* SpeedButton5 = nullptr;
    QString webAddress_, emailAddress_;
};

}  // namespace marvane
