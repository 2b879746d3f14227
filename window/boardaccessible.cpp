// SPDX-License-Identifier: GPL-3.0-or-later
#include "window/boardaccessible.h"

#include <QAccessibleWidget>
#include <QCoreApplication>
#include <QPointer>
#include <QWidget>
#include <array>
#include <utility>

#include "window/boardimage.h"
#include "window/gametexts.h"

namespace marvane {

namespace {

int cellIndex(int row, int column) { return (row - 1) * 8 + (column - 1); }

// The board's spoken texts, in the player's language.
QString spoken(const char* text) { return QCoreApplication::translate("BoardAccess", text); }

QString cellName(const BoardImage& board, int row, int column) {
    const ColourCode colour = board.shownColour(row, column);
    const QString what =
        colour == 0 ? spoken(QT_TRANSLATE_NOOP("BoardAccess", "empty")) : translatedColour(colour);
    QString name = spoken(QT_TRANSLATE_NOOP("BoardAccess", "row %1, column %2: %3"))
                       .arg(row)
                       .arg(column)
                       .arg(what);
    if (board.isLastMove(row, column))
        name += spoken(QT_TRANSLATE_NOOP("BoardAccess", ", last move"));
    if (board.isLegalMove(row, column))
        name += spoken(QT_TRANSLATE_NOOP("BoardAccess", ", legal move"));
    if (board.isHint(row, column)) name += spoken(QT_TRANSLATE_NOOP("BoardAccess", ", hint"));
    if (const auto evaluation = board.evaluationAt(row, column))
        name += (evaluation->exact ? spoken(QT_TRANSLATE_NOOP("BoardAccess", ", score %1"))
                                   : spoken(QT_TRANSLATE_NOOP("BoardAccess", ", score about %1")))
                    .arg(BoardImage::scoreText(evaluation->score));
    return name;
}

class BoardCell : public QAccessibleInterface, public QAccessibleTableCellInterface {
public:
    BoardCell(BoardImage* board, int row, int column) : board_(board), row_(row), column_(column) {}

    bool isValid() const override { return !board_.isNull(); }
    QObject* object() const override { return nullptr; }
    QWindow* window() const override { return board_ ? board_->window()->windowHandle() : nullptr; }
    QAccessibleInterface* parent() const override {
        return QAccessible::queryAccessibleInterface(board_);
    }
    QAccessibleInterface* child(int) const override { return nullptr; }
    QAccessibleInterface* childAt(int, int) const override { return nullptr; }
    QAccessibleInterface* focusChild() const override { return nullptr; }
    int childCount() const override { return 0; }
    int indexOfChild(const QAccessibleInterface*) const override { return -1; }
    QString text(QAccessible::Text t) const override {
        if (!board_ || (t != QAccessible::Name && t != QAccessible::Value)) return {};
        return cellName(*board_, row_, column_);
    }
    void setText(QAccessible::Text, const QString&) override {}
    QRect rect() const override {
        if (!board_) return {};
        const QRect face =
            BoardPicture::faceRect(row_, column_).translated(BoardPicture::kPictureOffset);
        return QRect(board_->mapToGlobal(face.topLeft()), face.size());
    }
    QAccessible::Role role() const override { return QAccessible::Cell; }
    QAccessible::State state() const override {
        QAccessible::State s;
        s.focusable = true;
        s.focused = board_ && board_->hasFocus() && board_->focusRow() == row_ &&
                    board_->focusColumn() == column_;
        return s;
    }
    void* interface_cast(QAccessible::InterfaceType type) override {
        return type == QAccessible::TableCellInterface
                   ? static_cast<QAccessibleTableCellInterface*>(this)
                   : nullptr;
    }

    bool isSelected() const override { return false; }
    QList<QAccessibleInterface*> columnHeaderCells() const override { return {}; }
    QList<QAccessibleInterface*> rowHeaderCells() const override { return {}; }
    int columnIndex() const override { return column_ - 1; }
    int rowIndex() const override { return row_ - 1; }
    int columnExtent() const override { return 1; }
    int rowExtent() const override { return 1; }
    QAccessibleInterface* table() const override { return parent(); }

private:
    QPointer<BoardImage> board_;
    int row_;
    int column_;
};

class BoardAccessible : public QAccessibleWidget, public QAccessibleTableInterface {
public:
    explicit BoardAccessible(BoardImage* board) : QAccessibleWidget(board, QAccessible::Table) {}
    ~BoardAccessible() override {
        for (QAccessible::Id id : cells_)
            if (id) QAccessible::deleteAccessibleInterface(id);
    }

    int childCount() const override { return 64; }
    QAccessibleInterface* child(int index) const override {
        if (index < 0 || index >= 64) return nullptr;
        return cellAt(index / 8, index % 8);
    }
    int indexOfChild(const QAccessibleInterface* child) const override {
        if (!child || child->role() != QAccessible::Cell) return -1;
        auto* cell = const_cast<QAccessibleInterface*>(child)->tableCellInterface();
        return cell ? cell->rowIndex() * 8 + cell->columnIndex() : -1;
    }
    QAccessibleInterface* focusChild() const override {
        auto* b = board();
        return b->hasFocus() ? cellAt(b->focusRow() - 1, b->focusColumn() - 1) : nullptr;
    }
    void* interface_cast(QAccessible::InterfaceType type) override {
        if (type == QAccessible::TableInterface)
            return static_cast<QAccessibleTableInterface*>(this);
        return QAccessibleWidget::interface_cast(type);
    }

    QAccessibleInterface* caption() const override { return nullptr; }
    QAccessibleInterface* summary() const override { return nullptr; }
    QAccessibleInterface* cellAt(int row, int column) const override {
        if (row < 0 || row >= 8 || column < 0 || column >= 8) return nullptr;
        QAccessible::Id& id = cells_[static_cast<std::size_t>(row * 8 + column)];
        if (!id)
            id = QAccessible::registerAccessibleInterface(
                new BoardCell(board(), row + 1, column + 1));
        return QAccessible::accessibleInterface(id);
    }
    int selectedCellCount() const override { return 0; }
    QList<QAccessibleInterface*> selectedCells() const override { return {}; }
    QString columnDescription(int column) const override {
        return spoken(QT_TRANSLATE_NOOP("BoardAccess", "column %1")).arg(column + 1);
    }
    QString rowDescription(int row) const override {
        return spoken(QT_TRANSLATE_NOOP("BoardAccess", "row %1")).arg(row + 1);
    }
    int selectedColumnCount() const override { return 0; }
    int selectedRowCount() const override { return 0; }
    int columnCount() const override { return 8; }
    int rowCount() const override { return 8; }
    QList<int> selectedColumns() const override { return {}; }
    QList<int> selectedRows() const override { return {}; }
    bool isColumnSelected(int) const override { return false; }
    bool isRowSelected(int) const override { return false; }
    bool selectRow(int) override { return false; }
    bool selectColumn(int) override { return false; }
    bool unselectRow(int) override { return false; }
    bool unselectColumn(int) override { return false; }
    void modelChange(QAccessibleTableModelChangeEvent*) override {}

private:
    BoardImage* board() const { return static_cast<BoardImage*>(widget()); }
    mutable std::array<QAccessible::Id, 64> cells_{};
};

QAccessibleInterface* boardFactory(const QString& className, QObject* object) {
    if (className == QLatin1String("marvane::BoardImage") && object && object->isWidgetType())
        return new BoardAccessible(static_cast<BoardImage*>(object));
    return nullptr;
}

}  // namespace

void installBoardAccessibility() {
    static const bool installed = [] {
        QAccessible::installFactory(boardFactory);
        return true;
    }();
    (void)installed;
}

AccessibleEventListener::AccessibleEventListener(QWidget* window, Sink sink)
    : QObject(window), sink_(std::move(sink)) {}

namespace {

const AccessibleEventListener* listenerOf(const QWidget* widget) {
    return widget->window()->findChild<AccessibleEventListener*>(QString(),
                                                                 Qt::FindDirectChildrenOnly);
}

}  // namespace

void sendAccessibleEvent(QAccessibleEvent* event) {
    if (auto* widget = qobject_cast<QWidget*>(event->object())) {
        if (const auto* listener = listenerOf(widget)) return listener->take(event);
    }
    QAccessible::updateAccessibility(event);
}

void notifySquareChanged(QWidget* board, int row, int column) {
    QAccessibleEvent event(board, QAccessible::NameChanged);
    event.setChild(cellIndex(row, column));
    sendAccessibleEvent(&event);
}

void notifyDescription(QWidget* widget, const QString& description) {
    if (widget->accessibleDescription() == description) return;
    widget->setAccessibleDescription(description);  // which tells assistive technology itself
    if (const auto* listener = listenerOf(widget)) {
        QAccessibleEvent event(widget, QAccessible::DescriptionChanged);
        listener->take(&event);
    }
}

void notifyFocusSquare(QWidget* board, int row, int column) {
    if (!board->hasFocus()) return;
    QAccessibleEvent event(board, QAccessible::Focus);
    event.setChild(cellIndex(row, column));
    sendAccessibleEvent(&event);
}

}  // namespace marvane
