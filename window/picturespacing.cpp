// SPDX-License-Identifier: GPL-3.0-or-later
#include "window/picturespacing.h"

#include <QPainter>
#include <QStyleOptionToolButton>
#include <QWidget>

namespace marvane {

void PictureSpacingStyle::drawControl(ControlElement element, const QStyleOption* option,
                                      QPainter* painter, const QWidget* widget) const {
    const auto* button = qstyleoption_cast<const QStyleOptionToolButton*>(option);
    if (element != CE_ToolButtonLabel || !button ||
        button->toolButtonStyle != Qt::ToolButtonTextBesideIcon) {
        QProxyStyle::drawControl(element, option, painter, widget);
        return;
    }
    QRect inside = button->rect;  // the area within the button's edge
    if (button->state & (State_Sunken | State_On))
        inside.translate(pixelMetric(PM_ButtonShiftHorizontal, button, widget),
                         pixelMetric(PM_ButtonShiftVertical, button, widget));
    const bool enabled = button->state & State_Enabled;
    const qreal ratio =
        widget ? widget->devicePixelRatioF() : painter->device()->devicePixelRatioF();
    const QPixmap picture =
        button->icon.pixmap(button->iconSize, ratio, enabled ? QIcon::Normal : QIcon::Disabled);
    const QRect pictureArea(inside.left() + margin_, inside.top(), button->iconSize.width(),
                            inside.height());
    drawItemPixmap(painter, pictureArea, Qt::AlignCenter, picture);
    QRect textArea = inside;
    textArea.setLeft(pictureArea.right() + 1 + spacing_);
    drawItemText(painter, textArea, Qt::AlignLeft | Qt::AlignVCenter | Qt::TextShowMnemonic,
                 button->palette, enabled, button->text, QPalette::ButtonText);
}

}  // namespace marvane
