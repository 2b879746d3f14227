// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QProxyStyle>

namespace marvane {

// Lays a text-beside-picture button's picture `margin` pixels inside its edge and its caption
// `spacing` pixels after the picture, for whichever picture the button is given later. Set it
// on one button (it wraps the application's style).
class PictureSpacingStyle : public QProxyStyle {
public:
    PictureSpacingStyle(int margin, int spacing) : margin_(margin), spacing_(spacing) {}

    void drawControl(ControlElement element, const QStyleOption* option, QPainter* painter,
                     const QWidget* widget) const override;

private:
    int margin_;
    int spacing_;
};

}  // namespace marvane
