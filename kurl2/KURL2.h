// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <QWidget>

#include "kurl2/link_launcher.h"

class QLabel;

namespace marvane {

// A link-style label holding a web or e-mail address, opened in the user's browser or mail
// program when the label is clicked or OpenLink() is called. It works the same while hidden, so a
// window can keep its addresses in links it never shows and open them from menu commands.
class TKURL2 : public QWidget {
    Q_OBJECT
    Q_PROPERTY(QString URLorEMAIL READ URLorEMAIL WRITE setURLorEMAIL)
    Q_PROPERTY(bool ShowHint READ ShowHint WRITE setShowHint)
    Q_PROPERTY(LinkType Choose READ Choose WRITE setChoose)

public:
    enum LinkType { ltURL, ltEMAIL };
    Q_ENUM(LinkType)

    // Blue underlined placeholder address, hand cursor, height 13, as wide as its text.
    explicit TKURL2(QWidget* parent = nullptr);

    QString URLorEMAIL() const;
    // Also makes the component exactly as wide as the new text; the height stays.
    void setURLorEMAIL(const QString& address);

    // Whether hovering the link shows the component's tool tip (setToolTip).
    bool ShowHint() const;
    void setShowHint(bool show);

    LinkType Choose() const;
    void setChoose(LinkType kind);

    // What this link opens its address with (not owned; it must outlive the link's last
    // OpenLink). nullptr, the default, is the desktop's launcher.
    void setLauncher(LinkLauncher* launcher);

public slots:
    // Hands the address to the launcher: a web address unchanged, an e-mail address with
    // "mailto:" in front (always added, even if the address already starts with it).
    void OpenLink();

protected:
    bool event(QEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QLabel* label;
    bool showHint = true;
    LinkType choose = ltURL;
    bool pressedOnLabel = false;
    LinkLauncher* launcher = nullptr;
};

}  // namespace marvane
