// SPDX-License-Identifier: GPL-3.0-or-later
#include "window/reviewgraph.h"

#include <QAccessible>
#include <QMouseEvent>
#include <QPainter>
#include <QPainterPath>
#include <algorithm>
#include <cmath>
#include <cstdlib>

#include "window/boardaccessible.h"

namespace marvane {

namespace {

constexpr int kMargin = 4;
constexpr int kGap = 3;     // between a label and what it labels
constexpr double kDot = 3;  // a point's radius
constexpr double kRing = 6;  // the ring around the position on the board
constexpr int kLowestScale = 16;

// "+16", "0", "−16", as the scores read on the board and in the list.
QString scoreLabel(int score) {
    if (score > 0) return QStringLiteral("+%1").arg(score);
    if (score < 0) return QStringLiteral("\u2212%1").arg(-score);
    return QStringLiteral("0");
}

}  // namespace

ReviewGraph::ReviewGraph(QWidget* parent) : QWidget(parent) {
    installReviewGraphAccessibility();
    setObjectName(QStringLiteral("ReviewGraph"));
    setCursor(Qt::PointingHandCursor);
    setAccessibleName(Texts::tr("Evaluation over the game"));
    setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Fixed);
}

QSize ReviewGraph::sizeHint() const {
    // Room for the reading above, about 120 pixels of plot, the move numbers and the legend.
    return {240, 2 * kMargin + 4 * fontMetrics().height() + 3 * kGap + 120};
}

QSize ReviewGraph::minimumSizeHint() const { return {120, sizeHint().height()}; }

void ReviewGraph::setPoints(std::vector<std::optional<Point>> points, int current) {
    const bool reordered = points.size() != points_.size();
    points_ = std::move(points);
    current_ = std::clamp(current, 0, std::max(0, pointCount() - 1));
    update();
    if (reordered) {
        QAccessibleEvent event(this, QAccessible::ObjectReorder);
        sendAccessibleEvent(&event);
    }
    if (pointCount() > 0) {
        QAccessibleEvent event(this, QAccessible::Selection);
        event.setChild(current_);
        sendAccessibleEvent(&event);
    }
}

void ReviewGraph::setSides(const QString& first, const QString& second, int firstNumber) {
    if (first == first_ && second == second_ && firstNumber == firstNumber_) return;
    first_ = first;
    second_ = second;
    firstNumber_ = firstNumber;
    update();
}

QString ReviewGraph::pointText(int movesMade) const {
    const QString where = movesMade == 0
                              ? Texts::tr("start", "the position before the first move")
                              : Texts::tr("move %1").arg(firstNumber_ - 1 + movesMade);
    const auto& point = movesMade >= 0 && movesMade < pointCount()
                            ? points_[static_cast<std::size_t>(movesMade)]
                            : std::optional<Point>();
    if (!point) return Texts::tr("%1: not reviewed yet").arg(where);
    if (point->score == 0)
        return point->exact ? Texts::tr("%1: even").arg(where) : Texts::tr("%1: about even").arg(where);
    const QString leader = point->score > 0 ? first_ : second_;
    const int discs = std::abs(point->score);
    return (point->exact ? Texts::tr("%1: +%2 for %3", "move 12: +4 discs for White")
                         : Texts::tr("%1: about +%2 for %3", "an estimate"))
        .arg(where)
        .arg(discs)
        .arg(leader);
}

// The vertical scale: a multiple of 8 that holds every score, at least 16 either way.
int ReviewGraph::scale() const {
    int largest = kLowestScale;
    for (const auto& point : points_)
        if (point) largest = std::max(largest, std::abs(point->score));
    return std::min(64, (largest + 7) / 8 * 8);
}

QRectF ReviewGraph::plot() const {
    const QFontMetrics metrics = fontMetrics();
    int labels = std::max(metrics.horizontalAdvance(Texts::tr("discs")),
                          metrics.horizontalAdvance(Texts::tr("move", "the axis of move numbers")));
    for (const int score : {64, -64}) labels = std::max(labels, metrics.horizontalAdvance(scoreLabel(score)));
    const double left = kMargin + labels + kGap + 2;
    const double top = kMargin + metrics.height() + kGap + kRing;
    const double right = width() - kMargin - kRing;
    // Under the plot: half a line for the lowest tick's label, the move numbers, the legend.
    const double bottom = height() - kMargin - 2 * metrics.height() - metrics.height() / 2 - 2 * kGap;
    return QRectF(QPointF(left, top), QPointF(std::max(left + 1, right), std::max(top + 1, bottom)));
}

double ReviewGraph::xOf(int movesMade) const {
    const QRectF area = plot();
    return area.left() + movesMade * area.width() / std::max(1, pointCount() - 1);
}

double ReviewGraph::yOf(int score) const {
    const QRectF area = plot();
    return area.center().y() - score * (area.height() / 2) / scale();
}

int ReviewGraph::pointX(int movesMade) const { return int(std::lround(xOf(movesMade))); }

int ReviewGraph::movesMadeAt(int x) const {
    if (pointCount() < 2) return 0;
    const QRectF area = plot();
    const double step = area.width() / (pointCount() - 1);
    return std::clamp(int(std::lround((x - area.left()) / step)), 0, pointCount() - 1);
}

// Ticks at the scale's ends, halfway and at 0, each labelled in discs; which side leads above
// and below; the line at 0 marked "even".
void ReviewGraph::paintScale(QPainter& painter, const QRectF& area) const {
    const QPalette& colours = palette();
    const QFontMetrics metrics = fontMetrics();
    const int top = scale();
    for (const int score : {top, top / 2, 0, -top / 2, -top}) {
        const double y = yOf(score);
        painter.setPen(QPen(colours.mid().color(), 1, score == 0 ? Qt::DashLine : Qt::DotLine));
        painter.drawLine(QPointF(area.left(), y), QPointF(area.right(), y));
        painter.setPen(colours.text().color());
        painter.drawLine(QPointF(area.left() - 2, y), QPointF(area.left(), y));
        const QRectF label(kMargin, y - metrics.height() / 2.0, area.left() - kGap - 2 - kMargin,
                           metrics.height());
        painter.drawText(label, Qt::AlignRight | Qt::AlignVCenter, scoreLabel(score));
    }
    painter.drawLine(area.topLeft(), area.bottomLeft());
    painter.drawText(QRectF(kMargin, kMargin, area.left() - kMargin, metrics.height()),
                     Qt::AlignLeft | Qt::AlignVCenter, Texts::tr("discs"));
    const QString even = Texts::tr("even", "the line at 0: neither side leads");
    painter.drawText(QRectF(area.left(), yOf(0) - metrics.height(), area.width(), metrics.height()),
                     Qt::AlignRight | Qt::AlignBottom, even);
    painter.drawText(area.adjusted(kGap, 0, 0, 0), Qt::AlignLeft | Qt::AlignTop,
                     Texts::tr("%1 ahead").arg(first_));
    painter.drawText(area.adjusted(kGap, 0, 0, 0), Qt::AlignLeft | Qt::AlignBottom,
                     Texts::tr("%1 ahead").arg(second_));
}

// Move numbers at a round step that leaves room between them.
void ReviewGraph::paintMoveNumbers(QPainter& painter, const QRectF& area) const {
    const QFontMetrics metrics = fontMetrics();
    const double perMove = area.width() / std::max(1, pointCount() - 1);
    const int room = metrics.horizontalAdvance(QStringLiteral("000"));
    int step = 1;
    for (const int candidate : {1, 2, 5, 10, 20, 30}) {
        step = candidate;
        if (candidate * perMove >= room) break;
    }
    const double y = area.bottom() + metrics.height() / 2 + 1;
    painter.setPen(palette().text().color());
    painter.drawLine(area.bottomLeft(), area.bottomRight());
    for (int movesMade = 1; movesMade < pointCount(); ++movesMade) {
        const int number = firstNumber_ - 1 + movesMade;
        if (number % step != 0) continue;
        const double x = xOf(movesMade);
        painter.drawLine(QPointF(x, area.bottom()), QPointF(x, area.bottom() + 2));
        painter.drawText(QRectF(x - room, y, 2 * room, metrics.height()), Qt::AlignCenter,
                         QString::number(number));
    }
    painter.drawText(QRectF(kMargin, y, area.left() - kGap - 2 - kMargin, metrics.height()),
                     Qt::AlignRight | Qt::AlignVCenter, Texts::tr("move", "the axis of move numbers"));
}

// One line that tells the dots apart.
void ReviewGraph::paintLegend(QPainter& painter) const {
    const QPalette& colours = palette();
    const QFontMetrics metrics = fontMetrics();
    const double y = height() - kMargin - metrics.height() / 2.0;
    double x = kMargin + kDot;
    for (const bool exact : {true, false}) {
        painter.setPen(QPen(colours.text().color(), 1.5));
        painter.setBrush(exact ? colours.text() : colours.base());
        painter.drawEllipse(QPointF(x, y), kDot, kDot);
        x += kDot + kGap;
        const QString what = exact ? Texts::tr("exact score") : Texts::tr("estimate");
        painter.drawText(QRectF(x, y - metrics.height() / 2.0, width() - x, metrics.height()),
                         Qt::AlignLeft | Qt::AlignVCenter, what);
        x += metrics.horizontalAdvance(what) + 3 * kGap + kDot;
    }
}

void ReviewGraph::paintPoints(QPainter& painter) const {
    const QPalette& colours = palette();
    // The line breaks where a move is not reviewed yet.
    painter.setPen(QPen(colours.text().color(), 1.5));
    painter.setBrush(Qt::NoBrush);
    QPainterPath line;
    bool drawing = false;
    for (int movesMade = 0; movesMade < pointCount(); ++movesMade) {
        const auto& point = points_[static_cast<std::size_t>(movesMade)];
        if (!point) {
            drawing = false;
            continue;
        }
        const QPointF at(xOf(movesMade), yOf(point->score));
        drawing ? line.lineTo(at) : line.moveTo(at);
        drawing = true;
    }
    painter.drawPath(line);
    for (int movesMade = 0; movesMade < pointCount(); ++movesMade) {
        const auto& point = points_[static_cast<std::size_t>(movesMade)];
        if (!point) continue;
        painter.setBrush(point->exact ? colours.text() : colours.base());
        painter.drawEllipse(QPointF(xOf(movesMade), yOf(point->score)), kDot, kDot);
    }
    if (const auto& point = points_[static_cast<std::size_t>(current_)]) {
        painter.setPen(QPen(colours.highlight().color(), 2));
        painter.setBrush(Qt::NoBrush);
        painter.drawEllipse(QPointF(xOf(current_), yOf(point->score)), kRing, kRing);
    }
}

void ReviewGraph::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.fillRect(rect(), palette().base());
    const QRectF area = plot();
    paintScale(painter, area);
    paintLegend(painter);
    if (points_.empty()) return;
    paintMoveNumbers(painter, area);
    // The position on the board: a line across the plot, and its reading above it.
    const QPalette& colours = palette();
    painter.setPen(QPen(colours.highlight().color(), 1.5));
    painter.drawLine(QPointF(xOf(current_), area.top()), QPointF(xOf(current_), area.bottom()));
    const QFontMetrics metrics = fontMetrics();
    const QRectF reading(area.left(), kMargin, width() - kMargin - area.left(), metrics.height());
    painter.setPen(colours.text().color());
    painter.drawText(reading, Qt::AlignRight | Qt::AlignVCenter,
                     metrics.elidedText(pointText(current_), Qt::ElideRight, int(reading.width())));
    paintPoints(painter);
}

void ReviewGraph::mousePressEvent(QMouseEvent* event) {
    if (pointCount() == 0) return;
    emit stepRequested(movesMadeAt(int(event->position().x())));
}

}  // namespace marvane
