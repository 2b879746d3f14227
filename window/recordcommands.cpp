// SPDX-License-Identifier: GPL-3.0-or-later
#include "window/recordcommands.h"

#include <QAction>
#include <QClipboard>
#include <QCoreApplication>
#include <QDateTime>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QGuiApplication>
#include <QMessageBox>
#include <QStandardPaths>
#include <QTimer>
#include <algorithm>

#include "engine/openings.h"
#include "settings/whole_file.h"
#include "window/gamereview.h"
#include "window/gametexts.h"
#include "window/movelist.h"
#include "window/reviewgraph.h"

namespace marvane {

namespace {

// The file dialogs' filter, in the player's language.
QString fileFilter() { return RecordCommands::Texts::tr("Game files (*.txt);;All files (*)"); }

// The colour's name as the player reads it in the list.
QString nameOf(ColourCode colour) { return translatedColour(colour); }

// What the message box says after a game written the other way round has been replayed.
std::optional<Message> orientationNote(const GameRecord& record) {
    if (record.orientation != Orientation::Usual) return std::nullopt;
    return Message{MessageId::MovesMirrored, {}};
}

// The last row of the move list for a game that has ended: how it ended, and the result.
QString endRow(const Step& step, ColourCode c1, ColourCode c2) {
    if (step.kind != StepKind::GameEnd && step.kind != StepKind::Finish) return {};
    int first = 0, second = 0;
    for (int row = 1; row <= kBoardSize; ++row)
        for (int column = 1; column <= kBoardSize; ++column) {
            first += step.after.board.cell(row, column) == c1;
            second += step.after.board.cell(row, column) == c2;
        }
    // The result line the game wrote, as the window shows it; files keep the English.
    return endRowText(
        step.kind == StepKind::Finish, first, second,
        translatedGameText(Box::MessageBox,
                           step.after.texts[static_cast<std::size_t>(Box::MessageBox)]));
}

// The widest rows the move list can show in the player's language: a move of each colour with
// a review's note, and each way a game ends.
QStringList widestRows() {
    QStringList rows;
    for (ColourCode colour = 1; colour < static_cast<ColourCode>(ColourNames.size()); ++colour) {
        rows << MoveList::moveRow(60, nameOf(colour), {8, 8}, QStringLiteral("\u2248\u221264"));
        for (const bool finished : {false, true})
            rows << endRowText(
                finished, 44, 20,
                translatedGameText(Box::MessageBox, Message{MessageId::Wins, {colour}}));
    }
    for (const bool finished : {false, true})
        rows << endRowText(finished, 32, 32,
                           translatedGameText(Box::MessageBox, Message{MessageId::Draw, {}}));
    return rows;
}

}  // namespace

QString endRowText(bool finished, int first, int second, const QString& result) {
    return RecordCommands::Texts::tr("%1 %2-%3, %4")
        .arg(finished ? RecordCommands::Texts::tr("finish") : RecordCommands::Texts::tr("End"))
        .arg(first)
        .arg(second)
        .arg(result);
}

GameFileReading readGameFile(const QString& path) {
    GameFileReading reading;
    const FileRead file = readRegularFile(path, static_cast<qint64>(kMaxRecordBytes));
    switch (file.outcome) {
        case FileRead::Outcome::Read: {
            RecordReading text =
                readRecord(std::string_view(file.bytes.constData(), file.bytes.size()));
            reading.record = std::move(text.record);
            reading.error = translatedReason(text.error);
            break;
        }
        case FileRead::Outcome::TooLarge:
            reading.error =
                RecordCommands::Texts::tr(
                    "The file is too large for a game record: %1, where a record "
                    "is at most 1 MB.")
                    .arg(file.size > 0 ? RecordCommands::Texts::tr("%1 MB").arg(
                                             QString::number(file.size / 1048576.0, 'f', 1))
                                       : RecordCommands::Texts::tr("more than 1 MB"));
            break;
        case FileRead::Outcome::NotRegular:
            reading.error =
                (file.kind == FileKind::Folder
                     ? RecordCommands::Texts::tr("This is a folder, not a file.")
                     : RecordCommands::Texts::tr("This is %1.").arg(notARegularFile(file.kind)));
            break;
        case FileRead::Outcome::Missing:
        case FileRead::Outcome::Failed:
            reading.error =
                RecordCommands::Texts::tr("The file cannot be opened: %1.").arg(file.error);
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
    addAction("ShowMoveList", Texts::tr("Move List"), QKeySequence(Qt::CTRL | Qt::Key_L),
              &RecordCommands::openMoveList);
    review_ =
        addAction("ReviewGame", Texts::tr("Review Game"),
                  QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_R), &RecordCommands::reviewGame);
    review_->setEnabled(false);
    addAction("CopyMoves", Texts::tr("Copy Moves"), QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_C),
              &RecordCommands::copyMoves);
    addAction("CopyMovesForOthers", Texts::tr("Copy Moves for Other Programs"),
              QKeySequence(Qt::CTRL | Qt::ALT | Qt::SHIFT | Qt::Key_C),
              &RecordCommands::copyMovesForOthers);
    paste_ = addAction("PasteMoves", Texts::tr("Paste Moves"),
                       QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_V), &RecordCommands::pasteMoves);
    addAction("CopyPosition", Texts::tr("Copy Position"),
              QKeySequence(Qt::CTRL | Qt::ALT | Qt::Key_C), &RecordCommands::copyPosition);
    pastePosition_ =
        addAction("PastePosition", Texts::tr("Paste Position"),
                  QKeySequence(Qt::CTRL | Qt::ALT | Qt::Key_V), &RecordCommands::pastePosition);
    addAction("SaveGame", Texts::tr("Save Game..."), QKeySequence(Qt::CTRL | Qt::Key_S),
              &RecordCommands::saveGame);
    open_ = addAction("OpenGame", Texts::tr("Open Game..."), QKeySequence(Qt::CTRL | Qt::Key_O),
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
        list_->makeRoomFor(widestRows());
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

QString RecordCommands::currentOpening() const {
    const History& history = game_.history();
    if (!history.started()) return {};
    const GameState& state = game_.state();
    const Position& start = history.position(0);
    if (startPositionOf(start.board, start.ToPlay, state.C1, state.C2) != standardStart())
        return {};
    auto moves = history.moves();
    moves.resize(static_cast<std::size_t>(history.movesAtCursor()));
    if (!onNamedLine(moves)) return {};
    const OpeningMatch opening = openingOf(moves);
    return QString::fromUtf8(opening.name.data(), qsizetype(opening.name.size()));
}

void RecordCommands::gameChanged() {
    if (const QString opening = currentOpening(); opening != opening_) {
        opening_ = opening;
        emit openingChanged(opening_);
    }
    if (gameReview_) gameReview_->gameChanged();
    for (QAction* replaying : {paste_, pastePosition_, open_})
        replaying->setEnabled(!game_.autoplaying());
    if (list_ && list_->isVisible() && !refresh_->isActive()) refresh_->start();
}

void RecordCommands::showList() {
    if (!list_ || !game_.history().started()) return;
    const History& history = game_.history();
    const GameState& state = game_.state();
    const Position& start = history.position(0);
    const auto moves = history.moves();
    MoveListContent content;
    content.moves = moves;
    content.current = history.movesAtCursor();
    // From a position the second colour may play first.
    const bool firstMoves = start.ToPlay != state.C2;
    content.firstMover = nameOf(firstMoves ? state.C1 : state.C2);
    content.secondMover = nameOf(firstMoves ? state.C2 : state.C1);
    content.firstNumber = start.MovesMade + 1;
    if (startPositionOf(start.board, start.ToPlay, state.C1, state.C2) != standardStart())
        content.start = Texts::tr("Start: the position");
    content.end = endRow(history.steps().back(), state.C1, state.C2);
    if (content.start.isEmpty()) {
        const OpeningMatch opening = openingOf(moves);
        content.opening = QString::fromUtf8(opening.name.data(), qsizetype(opening.name.size()));
        content.openingMove = opening.moves;
    }
    content.atEnd = history.current() + 1 == history.steps().size() && !content.end.isEmpty();
    list_->setContent(content);
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
    const History& history = game_.history();
    auto moves = history.moves();
    moves.resize(static_cast<std::size_t>(history.movesAtCursor()));
    record.moves = std::move(moves);
    if (state.over()) record.result = game_.counters();
    // Marvane's own rules go without saying, as files written before the header know them.
    if (game_.rules() == GameRules::Standard) record.rules = GameRules::Standard;
    if (history.started()) {
        const Position& start = history.position(0);
        if (auto position = startPositionOf(start.board, start.ToPlay, state.C1, state.C2);
            position != standardStart())
            record.start = position;
    }
    if (namedGame_ == history.gameNumber()) {
        record.firstPlayer = firstPlayer_;
        record.secondPlayer = secondPlayer_;
    }
    return record;
}

void RecordCommands::copyMoves() {
    const auto moves = currentRecord().moves;
    QGuiApplication::clipboard()->setText(QString::fromStdString(writeTranscript(moves)));
}

void RecordCommands::copyMovesForOthers() {
    const auto moves = mirroredMoves(currentRecord().moves);
    QGuiApplication::clipboard()->setText(QString::fromStdString(writeTranscript(moves)));
}

void RecordCommands::copyPosition() {
    const GameState& state = game_.state();
    const StartPosition position =
        startPositionOf(game_.position().board, state.ToPlay, state.C1, state.C2);
    QGuiApplication::clipboard()->setText(QString::fromStdString(writePositionForm(position)));
}

void RecordCommands::pastePosition() {
    if (!game_.autoplaying()) pastePositionText(QGuiApplication::clipboard()->text());
}

bool RecordCommands::pastePositionText(const QString& text) {
    const QString what = Texts::tr("The clipboard holds no position to start from.");
    // A clipboard of any size is looked at only as far as a position could reach.
    // Blanks around the position are no part of it.
    const QByteArray utf8 =
        text.trimmed().left(static_cast<qsizetype>(kMaxPositionChars) + 1).toUtf8();
    const PositionFormReading reading =
        readPositionForm(std::string_view(utf8.constData(), static_cast<std::size_t>(utf8.size())));
    if (!reading.ok()) {
        refuse(what, translatedReason(reading.error));
        return false;
    }
    GameRecord record;
    record.start = reading.position;
    record.players = 2;  // like pasted moves, a new two-player game
    return replayRecord(record, Texts::tr("The position on the clipboard cannot be played."));
}

// Refused while Autoplay runs, like the actions themselves, which may not have caught up yet.
void RecordCommands::pasteMoves() {
    if (!game_.autoplaying()) pasteText(QGuiApplication::clipboard()->text());
}

bool RecordCommands::pasteText(const QString& text) {
    const QString unreadable = Texts::tr("The moves on the clipboard cannot be replayed.");
    // Each UTF-16 unit is at least one byte of UTF-8, so what is cut off could never fit in a
    // record, and the reader still finds the text too long. A huge clipboard is not copied.
    const QByteArray utf8 = text.left(static_cast<qsizetype>(kMaxRecordBytes) + 1).toUtf8();
    RecordReading reading = readRecord(std::string_view(utf8.constData(), utf8.size()));
    if (!reading.ok()) {
        // Once good moves came before the problem, there are moves, but not all of them can be
        // replayed.
        refuse(reading.moveNumber > 1 ? unreadable
                                      : Texts::tr("The clipboard holds no moves to replay."),
               translatedReason(reading.error));
        return false;
    }
    reading.record.players = 2;  // pasted moves are a new two-player game
    reading.record.easyLevel.reset();
    return replayRecord(reading.record, unreadable, orientationNote(reading.record));
}

QString RecordCommands::saveFolder() const {
    if (!folder_.isEmpty() && QFileInfo(folder_).isDir()) return folder_;
    const QString documents = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    if (!documents.isEmpty() && QFileInfo(documents).isDir()) return documents;
    return QDir::homePath();
}

void RecordCommands::saveGame() {
    const QString folder = saveFolder();
    QFileDialog dialog(window_, Texts::tr("Save Game"), folder, fileFilter());
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setDefaultSuffix("txt");
    dialog.selectFile(QDir(folder).filePath("game.txt"));
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return;
    saveGameTo(dialog.selectedFiles().constFirst());
}

bool RecordCommands::saveGameTo(const QString& path) {
    const std::string text = writeRecord(currentRecord());
    const QString what =
        Texts::tr("The game was not saved to \"%1\".").arg(QFileInfo(path).fileName());
    // A file Open would refuse is not written (long players' names read from a file can take a
    // record past the limit).
    if (text.size() > kMaxRecordBytes) {
        refuse(what,
               Texts::tr("Its record would be %1 bytes long, and a game file is read only up to "
                         "1 MB (%2 bytes).")
                   .arg(text.size())
                   .arg(kMaxRecordBytes));
        return false;
    }
    // A failed save leaves any earlier file as it was.
    const QString error =
        replaceFile(path, QByteArray(text.data(), static_cast<qsizetype>(text.size())));
    if (!error.isEmpty()) {
        refuse(what, error + ".");
        return false;
    }
    folder_ = QFileInfo(path).absolutePath();
    return true;
}

void RecordCommands::openGame() {
    if (game_.autoplaying()) return;
    const QString path =
        QFileDialog::getOpenFileName(window_, Texts::tr("Open Game"), saveFolder(), fileFilter());
    if (!path.isEmpty()) openGameFrom(path);
}

bool RecordCommands::openGameFrom(const QString& path) {
    const QString what = Texts::tr("\"%1\" cannot be opened.").arg(QFileInfo(path).fileName());
    const GameFileReading reading = readGameFile(path);
    if (!reading.ok()) {
        refuse(what, reading.error);
        return false;
    }
    folder_ = QFileInfo(path).absolutePath();
    return replayRecord(reading.record, what, orientationNote(reading.record));
}

bool RecordCommands::replayRecord(const GameRecord& record, const QString& what,
                                  std::optional<Message> message) {
    const ReplayOutcome outcome = game_.replay(record, std::move(message));
    if (!outcome.ok()) {
        refuse(what, translatedReason(outcome.error));
        return false;
    }
    // The replay may wait for a move in progress; the names go with the game it starts.
    game_.whenIdle([this, first = record.firstPlayer, second = record.secondPlayer] {
        firstPlayer_ = first;
        secondPlayer_ = second;
        namedGame_ = game_.history().gameNumber();
    });
    gameChanged();
    return true;
}

void RecordCommands::refuse(const QString& what, const QString& reason) {
    QMessageBox box(QMessageBox::Warning, QStringLiteral("Marvane"), what + " " + reason,
                    QMessageBox::Ok, window_);
    box.exec();
}

}  // namespace marvane
