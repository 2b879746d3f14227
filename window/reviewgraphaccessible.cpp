// SPDX-License-Identifier: GPL-3.0-or-later
// The review graph for assistive technology: a list with one item per point, read as the graph
// reads the point on the board ("move 12: +4 for White").
#include <QAccessibleWidget>
#include <QPointer>
#include <vector>

#include "window/reviewgraph.h"

namespace marvane {

namespace {

class GraphPoint : public QAccessibleInterface {
public:
    GraphPoint(ReviewGraph* graph, int movesMade) : graph_(graph), movesMade_(movesMade) {}

    bool isValid() const override { return !graph_.isNull(); }
    QObject* object() const override { return nullptr; }
    QWindow* window() const override { return graph_ ? graph_->window()->windowHandle() : nullptr; }
    QAccessibleInterface* parent() const override {
        return QAccessible::queryAccessibleInterface(graph_);
    }
    QAccessibleInterface* child(int) const override { return nullptr; }
    QAccessibleInterface* childAt(int, int) const override { return nullptr; }
    QAccessibleInterface* focusChild() const override { return nullptr; }
    int childCount() const override { return 0; }
    int indexOfChild(const QAccessibleInterface*) const override { return -1; }
    QString text(QAccessible::Text t) const override {
        if (!graph_ || t != QAccessible::Name) return {};
        return graph_->pointText(movesMade_);
    }
    void setText(QAccessible::Text, const QString&) override {}
    QRect rect() const override {
        if (!graph_) return {};
        const QPoint centre = graph_->mapToGlobal(QPoint(graph_->pointX(movesMade_), 0));
        const QPoint top = graph_->mapToGlobal(QPoint(0, 0));
        return QRect(centre.x() - 3, top.y(), 7, graph_->height());
    }
    QAccessible::Role role() const override { return QAccessible::ListItem; }
    QAccessible::State state() const override {
        QAccessible::State s;
        s.selectable = true;
        s.selected = graph_ && graph_->current() == movesMade_;
        s.invisible = !graph_ || movesMade_ >= graph_->pointCount();
        return s;
    }
    int movesMade() const { return movesMade_; }

private:
    QPointer<ReviewGraph> graph_;
    int movesMade_;
};

class GraphAccessible : public QAccessibleWidget {
public:
    explicit GraphAccessible(ReviewGraph* graph) : QAccessibleWidget(graph, QAccessible::List) {}
    ~GraphAccessible() override {
        for (QAccessible::Id id : points_) QAccessible::deleteAccessibleInterface(id);
    }

    int childCount() const override { return graph()->pointCount(); }
    QAccessibleInterface* child(int index) const override {
        if (index < 0 || index >= childCount()) return nullptr;
        while (static_cast<int>(points_.size()) <= index)
            points_.push_back(QAccessible::registerAccessibleInterface(
                new GraphPoint(graph(), static_cast<int>(points_.size()))));
        return QAccessible::accessibleInterface(points_[static_cast<std::size_t>(index)]);
    }
    int indexOfChild(const QAccessibleInterface* child) const override {
        if (!child || child->role() != QAccessible::ListItem || child->parent() != this) return -1;
        return static_cast<const GraphPoint*>(child)->movesMade();
    }
    QAccessibleInterface* childAt(int x, int) const override {
        if (childCount() == 0) return nullptr;
        return child(graph()->movesMadeAt(graph()->mapFromGlobal(QPoint(x, 0)).x()));
    }

private:
    ReviewGraph* graph() const { return static_cast<ReviewGraph*>(widget()); }
    mutable std::vector<QAccessible::Id> points_;
};

QAccessibleInterface* graphFactory(const QString& className, QObject* object) {
    if (className == QLatin1String("marvane::ReviewGraph") && object && object->isWidgetType())
        return new GraphAccessible(static_cast<ReviewGraph*>(object));
    return nullptr;
}

}  // namespace

void installReviewGraphAccessibility() {
    static const bool installed = [] {
        QAccessible::installFactory(graphFactory);
        return true;
    }();
    (void)installed;
}

}  // namespace marvane
