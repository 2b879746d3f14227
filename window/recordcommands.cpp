#include "window/recordcommands.h"

#include <QAction>
#include <QClipboard>
#include <QDateTime>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QGuiApplication>
#include <QMessageBox>
#include <QStandardPaths>
#include <QTimer>
#include <algorithm>

#include "settings/whole_file.h"
#include "window/gamereview.h"
#include "window/movelist.h"
#include "window/reviewgraph.h"

namespace marvane {

namespace {

const QString kFileFilter = QStringLiteral("Game files (*.txt);;All files (*)");

QString nameOf(ColourCode colour) {
    const std::string_view name = colourName(colour);
    return QString::fromLatin1(name.data(), static_cast<qsizetype>(name.size()));
}

}  // namespace

RecordReading readGameFile(const QString& path) {
    RecordReading reading;
    const FileRead file = readRegularFile(path, static_cast<qint64>(kMaxRecordBytes));
    switch (file.outcome) {
        case FileRead::Outcome::Read:
            return readRecord(std::string_view(file.bytes.constData(), file.bytes.size()));
        case FileRead::Outcome::TooLarge:
            reading.error = "The file is too large for a game record: " +
                            (file.size > 0 ? QString::number(file.size / 1048576.0, 'f', 1) + " MB"
                                           : QString("more than 1 MB"))
                                .toStdString() +
                            ", where a record is at most 1 MB.";
            break;
        case FileRead::Outcome::NotRegular:
            reading.error = file.kind == FileKind::Folder
                                ? "This is a folder, not a file."
                                : "This is " + notARegularFile(file.kind).toStdString() + ".";
            break;
        case FileRead::Outcome::Missing:
        case FileRead::Outcome::Failed:
            reading.error = "The file cannot be opened: " + file.error.toStdString() + ".";
            break;
    }
    return reading;
}

RecordCommands::RecordCommands(QWidget* window, Game& game, std::function<QString()> program)
    : QObject(window),
      window_(window),
      game_(game),
      program_(std::move(program)),
      refresh_(new QTimer(this)),
      folder_(QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation)) {
    refresh_->setSingleShot(true);
    refresh_->setInterval(0);
    connect(refresh_, &QTimer::timeout, this, [this] {
        if (list_ && list_->isVisible()) showList();
    });
    addAction("ShowMoveList", "Move List", QKeySequence(Qt::CTRL | Qt::Key_L),
              &RecordCommands::openMoveList);
    review_ = addAction("ReviewGame", "Review Game", QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_R),
                        &RecordCommands::reviewGame);
    review_->setEnabled(false);
    addAction("CopyMoves", "Copy Moves", QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_C),
              &RecordCommands::copyMoves);
    paste_ = addAction("PasteMoves", "Paste Moves", QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_V),
                       &RecordCommands::pasteMoves);
    addAction("SaveGame", "Save Game...", QKeySequence(Qt::CTRL | Qt::Key_S),
              &RecordCommands::saveGame);
    open_ = addAction("OpenGame", "Open Game...", QKeySequence(Qt::CTRL | Qt::Key_O),
                      &RecordCommands::openGame);
}

QAction* RecordCommands::addAction(const QString& name, const QString& caption,
                                   const QKeySequence& keys, void (RecordCommands::*command)()) {
    auto* action = new QAction(caption, this);
    action->setObjectName(name);
    action->setShortcut(keys);
    // The main window's shortcuts also work while the move list window has the focus.
    action->setShortcutContext(Qt::ApplicationShortcut);
    connect(action, &QAction::triggered, this,
            [this, command] { game_.whenIdle([this, command] { (this->*command)(); }); });
    actions_.append(action);
    return action;
}

QList<QAction*> RecordCommands::actions() const { return actions_; }

// --- The move list ---

void RecordCommands::openMoveList() {
    const bool first = !list_;
    if (first) {
        list_ = new MoveList(window_);
        connect(list_, &MoveList::stepRequested, this, [this](int movesMade) {
            game_.goToStep(game_.history().stepAfterMoves(movesMade));
            game_.whenIdle([this] { showList(); });
        });
        connectReview();
    }
    showList();
    if (first || !list_->isVisible()) list_->placeBeside(window_);
    list_->show();
    list_->raise();
    list_->activateWindow();
}

void RecordCommands::reviewGame() {
    if (!gameReview_) return;
    openMoveList();
    gameReview_->start();
}

void RecordCommands::setReview(GameReview* review) {
    gameReview_ = review;
    review_->setEnabled(review != nullptr);
    if (review) connect(review, &GameReview::changed, this, &RecordCommands::showReview);
    connectReview();
}

void RecordCommands::connectReview() {
    if (!list_ || !gameReview_) return;
    connect(list_, &MoveList::reviewRequested, gameReview_, &GameReview::start,
            Qt::UniqueConnection);
    connect(list_, &MoveList::stopReviewRequested, gameReview_, &GameReview::cancel,
            Qt::UniqueConnection);
}

// Each move's loss beside it, the worst ones in bold, and the score after each move (for the
// side that moved first) in the graph.
void RecordCommands::showReview() {
    if (!list_ || !gameReview_) return;
    const GameReview& review = *gameReview_;
    std::vector<QString> notes;
    std::vector<std::optional<ReviewGraph::Point>> points;
    if (review.moveCount() > 0) {
        points.emplace_back();
        if (review.state() == GameReview::State::Done)
            points[0] = {review.startScore(), review.startExact()};
    }
    for (int index = 0; index < review.moveCount(); ++index) {
        notes.push_back(review.lossText(index));
        const analysis::MoveReview& move = review.moves()[static_cast<std::size_t>(index)];
        points.push_back(move.reviewed
                             ? std::optional(ReviewGraph::Point{move.scoreAfter, move.exactAfter})
                             : std::nullopt);
    }
    list_->setNotes(std::move(notes), review.worstMistakes());
    list_->setReviewState(review.summary(), review.running());
    list_->graph()->setVisible(!points.empty());
    list_->graph()->setPoints(std::move(points), game_.history().movesAtCursor());
}

void RecordCommands::gameChanged() {
    if (gameReview_) gameReview_->gameChanged();
    for (QAction* replaying : {paste_, open_}) replaying->setEnabled(!game_.autoplaying());
    if (list_ && list_->isVisible() && !refresh_->isActive()) refresh_->start();
}

void RecordCommands::showList() {
    if (!list_) return;
    const History& history = game_.history();
    list_->setMoves(history.moves(), history.movesAtCursor(), nameOf(game_.state().C1),
                    nameOf(game_.state().C2));
    list_->setSteppingEnabled(!game_.autoplaying());
    showReview();
}

// --- Transcripts and files ---

GameRecord RecordCommands::currentRecord() const {
    GameRecord record;
    record.program = program_().toStdString();
    const QDateTime now = QDateTime::currentDateTime();
    record.date = now.toString("yyyy.MM.dd").toStdString();
    record.time = now.toString("HH:mm:ss").toStdString();
    const GameState& state = game_.state();
    record.c1 = state.C1;
    record.c2 = state.C2;
    record.players = state.PlayerCount == 1 ? 1 : 2;
    record.easyLevel = state.EasyLevel == 1;
    auto moves = game_.history().moves();
    moves.resize(static_cast<std::size_t>(game_.history().movesAtCursor()));
    record.moves = std::move(moves);
    if (state.over()) record.result = game_.counters();
    return record;
}

void RecordCommands::copyMoves() {
    const auto moves = currentRecord().moves;
    QGuiApplication::clipboard()->setText(QString::fromStdString(writeTranscript(moves)));
}

// Refused while Autoplay runs, like the actions themselves, which may not have caught up yet.
void RecordCommands::pasteMoves() {
    if (!game_.autoplaying()) pasteText(QGuiApplication::clipboard()->text());
}

bool RecordCommands::pasteText(const QString& text) {
    const QString what = "The clipboard holds no moves to replay.";
    const QByteArray utf8 = text.toUtf8();
    RecordReading reading = readRecord(std::string_view(utf8.constData(), utf8.size()));
    if (!reading.ok()) {
        refuse(what, QString::fromStdString(reading.error));
        return false;
    }
    reading.record.players = 2;  // pasted moves are a new two-player game
    reading.record.easyLevel.reset();
    return replayRecord(reading.record, "The moves on the clipboard cannot be replayed.");
}

void RecordCommands::saveGame() {
    QFileDialog dialog(window_, "Save Game", folder_, kFileFilter);
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setDefaultSuffix("txt");
    dialog.selectFile(QDir(folder_).filePath("game.txt"));
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return;
    saveGameTo(dialog.selectedFiles().constFirst());
}

bool RecordCommands::saveGameTo(const QString& path) {
    const std::string text = writeRecord(currentRecord());
    // A failed save leaves any earlier file as it was.
    const QString error =
        replaceFile(path, QByteArray(text.data(), static_cast<qsizetype>(text.size())));
    if (!error.isEmpty()) {
        refuse(QString("The game was not saved to \"%1\".").arg(QFileInfo(path).fileName()),
               error + ".");
        return false;
    }
    folder_ = QFileInfo(path).absolutePath();
    return true;
}

void RecordCommands::openGame() {
    if (game_.autoplaying()) return;
    const QString path = QFileDialog::getOpenFileName(window_, "Open Game", folder_, kFileFilter);
    if (!path.isEmpty()) openGameFrom(path);
}

bool RecordCommands::openGameFrom(const QString& path) {
    const QString what = QString("\"%1\" cannot be opened.").arg(QFileInfo(path).fileName());
    const RecordReading reading = readGameFile(path);
    if (!reading.ok()) {
        refuse(what, QString::fromStdString(reading.error));
        return false;
    }
    folder_ = QFileInfo(path).absolutePath();
    return replayRecord(reading.record, what);
}

bool RecordCommands::replayRecord(const GameRecord& record, const QString& what) {
    const ReplayOutcome outcome = game_.replay(record);
    if (!outcome.ok()) {
        refuse(what, QString::fromStdString(outcome.error));
        return false;
    }
    gameChanged();
    return true;
}

void RecordCommands::refuse(const QString& what, const QString& reason) {
    QMessageBox box(QMessageBox::Warning, QStringLiteral("Marvane"), what + " " + reason,
                    QMessageBox::Ok, window_);
    box.exec();
}

}  // namespace marvane
