#include "window/reviewgraph.h"

#include <QMouseEvent>
#include <QPainter>
#include <QPainterPath>
#include <algorithm>
#include <cmath>
#include <cstdlib>

namespace marvane {

namespace {
constexpr int kMargin = 4;
constexpr double kDot = 2.5;
}  // namespace

ReviewGraph::ReviewGraph(QWidget* parent) : QWidget(parent) {
    setObjectName(QStringLiteral("ReviewGraph"));
    setMinimumHeight(60);
    setCursor(Qt::PointingHandCursor);
    setAccessibleName(Texts::tr("Evaluation over the game"));
}

void ReviewGraph::setPoints(std::vector<std::optional<Point>> points, int current) {
    points_ = std::move(points);
    current_ = current;
    update();
}

// The vertical scale: a multiple of 8 that holds every score, at least 16 either way.
int ReviewGraph::scale() const {
    int largest = 16;
    for (const auto& point : points_)
        if (point) largest = std::max(largest, std::abs(point->score));
    return std::min(64, (largest + 7) / 8 * 8);
}

double ReviewGraph::xOf(int movesMade) const {
    const int last = std::max(1, pointCount() - 1);
    return kMargin + movesMade * double(width() - 2 * kMargin - 1) / last;
}

double ReviewGraph::yOf(int score) const {
    const double half = (height() - 2 * kMargin - 1) / 2.0;
    return kMargin + half - score * half / scale();
}

int ReviewGraph::movesMadeAt(int x) const {
    if (pointCount() < 2) return 0;
    const double step = double(width() - 2 * kMargin - 1) / (pointCount() - 1);
    return std::clamp(int(std::lround((x - kMargin) / step)), 0, pointCount() - 1);
}

void ReviewGraph::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    const QPalette& colours = palette();
    painter.fillRect(rect(), colours.base());
    painter.setPen(QPen(colours.mid().color(), 1, Qt::DashLine));
    painter.drawLine(QPointF(kMargin, yOf(0)), QPointF(width() - kMargin, yOf(0)));
    if (points_.empty()) return;

    painter.setPen(QPen(colours.highlight().color(), 1.5));
    painter.drawLine(QPointF(xOf(current_), kMargin), QPointF(xOf(current_), height() - kMargin));

    // The line breaks where a move is not reviewed yet.
    painter.setPen(QPen(colours.text().color(), 1.5));
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
}

void ReviewGraph::mousePressEvent(QMouseEvent* event) {
    if (pointCount() == 0) return;
    emit stepRequested(movesMadeAt(int(event->position().x())));
}

}  // namespace marvane
