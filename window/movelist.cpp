// SPDX-License-Identifier: GPL-3.0-or-later
#include "window/movelist.h"

#include <QGuiApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QScreen>
#include <QStyle>
#include <QVBoxLayout>
#include <algorithm>

#include "window/reviewgraph.h"

namespace marvane {

namespace {

constexpr int kGap = 8;  // between the main window and the list, in pixels

// The opening's name, on its own line under its move: indented, names stay as players know them.
QString openingLine(const QString& name) { return QStringLiteral("    ") + name; }

}  // namespace

MoveList::MoveList(QWidget* owner)
    : QWidget(owner, Qt::Window),
      list_(new QListWidget(this)),
      note_(new QLabel(this)),
      review_(new QPushButton(this)),
      reviewState_(new QLabel(this)),
      graph_(new ReviewGraph(this)) {
    setObjectName("MoveList");
    setWindowTitle(Texts::tr("Move List"));
    list_->setObjectName("moves");
    list_->setAccessibleName(Texts::tr("Moves"));
    list_->setAccessibleDescription(
        Texts::tr("Choose a move to show the board as it was after it."));
    list_->setSelectionMode(QAbstractItemView::SingleSelection);
    // The row of the move that reached an opening holds its name on a second line.
    list_->setUniformItemSizes(false);
    list_->viewport()->installEventFilter(this);
    graph_->installEventFilter(this);
    note_->setObjectName("steppingNote");
    note_->setText(Texts::tr("Autoplay is running: the list follows it."));
    note_->setWordWrap(true);
    note_->hide();
    review_->setObjectName("reviewGame");
    reviewState_->setObjectName("reviewState");
    reviewState_->setWordWrap(true);
    reviewState_->hide();
    graph_->hide();
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(6, 6, 6, 6);
    layout->addWidget(list_, 1);
    layout->addWidget(note_);
    layout->addWidget(review_);
    layout->addWidget(reviewState_);
    layout->addWidget(graph_);
    setFocusProxy(list_);
    resize(kDefaultSize);

    connect(list_, &QListWidget::currentRowChanged, this, &MoveList::rowChosen);
    connect(review_, &QPushButton::clicked, this,
            [this] { reviewing_ ? emit stopReviewRequested() : emit reviewRequested(); });
    connect(graph_, &ReviewGraph::stepRequested, this, [this](int movesMade) {
        if (stepping_ && movesMade != current_) emit stepRequested(movesMade);
    });
    setReviewState({}, false);
    setContent({});
}

void MoveList::setContent(const MoveListContent& content) {
    content_ = content;
    moves_.assign(content.moves.begin(), content.moves.end());
    content_.moves = moves_;
    graph_->setSides(content.firstMover, content.secondMover, content.firstNumber);
    if (!content.opening.isEmpty()) makeRoomFor({openingLine(content.opening)});
    showRows();
}

void MoveList::setNotes(std::vector<QString> notes, std::vector<int> worst) {
    notes_ = std::move(notes);
    worst_ = std::move(worst);
    showRows();
}

void MoveList::setReviewState(const QString& summary, bool running) {
    reviewing_ = running;
    review_->setText(running ? Texts::tr("Stop Review") : Texts::tr("Review Game"));
    reviewState_->setText(summary);
    reviewState_->setVisible(!summary.isEmpty());
}

void MoveList::showRows() {
    const MoveListContent& content = content_;
    moveRows_ = static_cast<int>(content.moves.size()) + 1;
    const int rows = moveRows_ + (content.end.isEmpty() ? 0 : 1);
    current_ = content.atEnd && !content.end.isEmpty()
                   ? rows - 1
                   : std::clamp(content.current, 0, moveRows_ - 1);
    updating_ = true;
    while (list_->count() > rows) delete list_->takeItem(list_->count() - 1);
    while (list_->count() < rows) list_->addItem(QString());
    list_->item(0)->setText(content.start.isEmpty() ? Texts::tr("Start") : content.start);
    const QBrush takenBack = palette().brush(QPalette::Disabled, QPalette::Text);
    for (int row = 1; row < rows; ++row) {
        const std::size_t index = static_cast<std::size_t>(row - 1);
        const QString note = row < moveRows_ && index < notes_.size() ? notes_[index] : QString();
        const bool worst = row < moveRows_ && std::ranges::count(worst_, row - 1) > 0;
        const auto rowOfMove = [&](const QString& withNote) {
            return moveRow(content.firstNumber + row - 1,
                           row % 2 == 1 ? content.firstMover : content.secondMover,
                           content.moves[index], withNote);
        };
        const bool opening = row < moveRows_ && row == content.openingMove && !content.opening.isEmpty();
        const QString text = row < moveRows_ ? rowOfMove({}) : content.end;
        QListWidgetItem* item = list_->item(row);
        item->setText((row < moveRows_ ? rowOfMove(note) : text) +
                      (opening ? QLatin1Char('\n') + openingLine(content.opening) : QString()));
        QFont font = list_->font();
        font.setBold(worst);
        item->setFont(font);
        // Moves after the current position can be stepped to again, but are not on the board.
        const bool ahead = row > current_;
        item->setForeground(ahead ? takenBack : QBrush());
        QString spoken = text;
        if (!note.isEmpty()) spoken += ", " + note;
        if (worst) spoken += Texts::tr(", a worst mistake");
        if (opening) spoken += Texts::tr(", opening: %1").arg(content.opening);
        item->setData(Qt::AccessibleTextRole, ahead ? spoken + Texts::tr(", taken back") : spoken);
    }
    updating_ = false;
    showCurrent();
}

void MoveList::setSteppingEnabled(bool enabled) {
    stepping_ = enabled;
    note_->setVisible(!enabled);
}

QString MoveList::moveRow(int number, const QString& mover, Square square, const QString& note) {
    const QString row =
        QString("%1. %2 %3").arg(number).arg(mover, QString::fromStdString(squareName(square)));
    return note.isEmpty() ? row : row + "   " + note;
}

void MoveList::makeRoomFor(const QStringList& rows) {
    QFont bold = list_->font();  // the worst moves are bold
    bold.setBold(true);
    const QFontMetrics metrics(bold);
    int widest = 0;
    for (const QString& row : rows) widest = std::max(widest, metrics.horizontalAdvance(row));
    // Around a row's text: the item's margins, the list's frame and scroll bar, the window's
    // margins.
    const QStyle* style = list_->style();
    const QMargins margins = layout()->contentsMargins();
    const int around = 2 * (style->pixelMetric(QStyle::PM_FocusFrameHMargin, nullptr, list_) + 1) +
                       2 * list_->frameWidth() +
                       style->pixelMetric(QStyle::PM_ScrollBarExtent, nullptr, list_) +
                       margins.left() + margins.right();
    int needed = widest + around;
    if (const QScreen* screen = this->screen())
        needed = std::min(needed, screen->availableGeometry().width() / 2);
    if (needed > width()) resize(needed, height());
}

int MoveList::rowCount() const { return list_->count(); }

QString MoveList::rowText(int row) const {
    const QListWidgetItem* item = list_->item(row);
    return item ? item->text() : QString();
}

void MoveList::placeBeside(const QWidget* mainWindow) {
    const QRect main = mainWindow->frameGeometry();
    const QScreen* screen = mainWindow->screen();
    const QRect room =
        screen ? screen->availableGeometry() : QRect(main.topLeft(), QSize(4096, 4096));
    const int frameWidth = frameGeometry().width() - geometry().width();
    const int width = size().width() + frameWidth;
    int x = main.right() + 1 + kGap;
    if (x + width > room.right() + 1) x = std::max(room.left(), main.left() - kGap - width);
    move(x, std::max(room.top(), main.top()));
}

void MoveList::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Escape) {
        close();
        return;
    }
    QWidget::keyPressEvent(event);
}

void MoveList::rowChosen(int row) {
    if (updating_ || row < 0 || row == current_) return;
    if (!stepping_) {
        showCurrent();
        return;
    }
    // The result row shows the position after the last move, where the game ended.
    emit stepRequested(std::min(row, moveRows_ - 1));
    // The owner may step later (after a move in progress): until then the old position stays.
    showCurrent();
}

void MoveList::showCurrent() {
    updating_ = true;
    list_->setCurrentRow(current_);
    updating_ = false;
    keepCurrentInView();
}

void MoveList::keepCurrentInView() {
    if (QListWidgetItem* item = list_->item(current_)) list_->scrollToItem(item);
}

// The list's room shrinks after the row was scrolled to when the review's lines and graph are
// laid out under it, or a scroll bar appears: the row is scrolled to again, once the list has
// taken in its new size (its scroll range is set after this filter sees the resize).
bool MoveList::eventFilter(QObject* watched, QEvent* event) {
    if (watched == list_->viewport() && event->type() == QEvent::Resize)
        QMetaObject::invokeMethod(this, &MoveList::keepCurrentInView, Qt::QueuedConnection);
    if (watched == graph_ && event->type() == QEvent::Show)
        QMetaObject::invokeMethod(this, &MoveList::makeRoomForGraph, Qt::QueuedConnection);
    return QWidget::eventFilter(watched, event);
}

// The graph comes under the list with a review: the window grows by its height, as far as the
// screen allows, so the list keeps the room it opened with.
void MoveList::makeRoomForGraph() {
    int wanted = kDefaultSize.height() + graph_->sizeHint().height();
    if (const QScreen* screen = this->screen())
        wanted = std::min(wanted, screen->availableGeometry().height() -
                                      (frameGeometry().height() - geometry().height()));
    if (height() < wanted) resize(width(), wanted);
}

}  // namespace marvane
