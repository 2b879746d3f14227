// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QImage>
#include <QRectF>
#include <QSize>

class QPainter;

namespace marvane {

// The size the rules panel's background was designed for; it is stretched to any other.
inline constexpr QSize kRulesPanelSize{297, 440};

// Paints the rules panel's background, a parchment scroll of 24 filled polygons in cream, tan,
// brown and white, stretched to fill `target`. The middle stays light for black text.
void paintRulesBackground(QPainter& painter, const QRectF& target);

// The background as an opaque image of `size`; with a device pixel ratio above 1 the image has
// that many device pixels per pixel of `size`.
QImage rulesBackground(QSize size = kRulesPanelSize, qreal devicePixelRatio = 1.0);

}  // namespace marvane
