// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QLineEdit>
#include <QToolButton>

namespace marvane {

// A speed button drawn flat: its caption and picture in its palette's button-text colour on
// whatever lies behind it, a thin raised edge while the mouse is over it and a sunken one while
// it is held down. It paints itself, so no style sheet (and its per-widget caches) is needed.
class FlatButton : public QToolButton {
public:
    explicit FlatButton(QWidget* parent = nullptr);

protected:
    void paintEvent(QPaintEvent* event) override;
};

// A one-line box in its palette's text and base colours, with either no edge or the designed
// two-pixel sunken edge of an edit box, one pixel of room either side of the text inside it.
class FlatBox : public QLineEdit {
public:
    FlatBox(const QString& text, bool sunkenEdge, QWidget* parent = nullptr);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    bool sunkenEdge_;
};

}  // namespace marvane
