// SPDX-License-Identifier: GPL-3.0-or-later
// The game record's commands with a real game and a small stand-in for the game's history.
#include <fcntl.h>
#include <stdio.h>
#include <sys/stat.h>

#include <QAction>
#include <QClipboard>
#include <QFile>
#include <QGuiApplication>
#include <QListWidget>
#include <QTemporaryDir>
#include <QTranslator>
#include <QtTest>
#include <atomic>
#include <filesystem>
#include <random>
#include <thread>

#include "engine/replay.h"
#include "engine/unseenview.h"
#include "tests/settings/child_process.h"
#include "tests/window/modal.h"
#include "window/analysis/analysisworker.h"
#include "window/gamereview.h"
#include "window/movelist.h"
#include "window/recordcommands.h"
#include "window/reviewgraph.h"
#include "window/translations.h"

using namespace marvane;
using namespace marvane::test;

namespace {

QString boardText(const Game& game) {
    QString text;
    for (int r = 1; r <= 8; ++r)
        for (int c = 1; c <= 8; ++c) text += QChar('0' + game.board(r, c));
    return text;
}

}  // namespace

class RecordCommandsTest : public QObject {
    Q_OBJECT

    UnseenView view;
    Game game{view, [] { return std::int64_t{0}; }};
    std::vector<Square> moves;  // the moves played by this test
    QWidget window;
    RecordCommands* commands = nullptr;
    QTemporaryDir folder;

    void play(int count, unsigned seed) {
        std::mt19937 random(seed);
        game.newGame();
        moves.clear();
        while (static_cast<int>(moves.size()) < count) {
            const auto legal = game.legalSquares();
            if (legal.empty()) break;
            const Square square = legal[random() % legal.size()];
            game.pressSquare(square.row, square.column);
            moves.push_back(square);
        }
    }

    // What the message box said at the start of the game on the board.
    const BoxText& startMessage() const {
        return game.history().position(0).texts[static_cast<std::size_t>(Box::MessageBox)];
    }

private slots:
    void init() {
        game.setColours(1, 2);
        game.setPlayerCount(2);
        game.newGame();
        moves.clear();
        delete commands;
        commands = new RecordCommands(&window, game, [] { return QString("Marvane 1.4.0.0"); });
    }

    void theGameMenuItemsHaveTheirKeys() {
        QStringList items;
        for (const QAction* action : commands->actions())
            items << action->text() + " " + action->shortcut().toString();
        QCOMPARE(items,
                 (QStringList{
                     "Move List Ctrl+L", "Review Game Ctrl+Shift+R", "Copy Moves Ctrl+Shift+C",
                     "Copy Moves for Other Programs Ctrl+Alt+Shift+C", "Paste Moves Ctrl+Shift+V",
                     "Copy Position Ctrl+Alt+C", "Paste Position Ctrl+Alt+V", "Save Game... Ctrl+S",
                     "Open Game... Ctrl+O"}));
        QVERIFY(!commands->moveList());  // built when first opened, not before
    }

    void aSavedGameOpensAsItWasLeft() {
        play(20, 3);
        game.finish();
        const QString path = folder.filePath("game.txt");
        QVERIFY(commands->saveGameTo(path));
        const QString saved = boardText(game);
        const auto savedMoves = moves;

        QFile file(path);
        QVERIFY(file.open(QIODevice::ReadOnly));
        const QString text = QString::fromUtf8(file.readAll());
        QVERIFY2(text.startsWith("[Program \"Marvane 1.4.0.0\"]\n[Date \""), qPrintable(text));
        QVERIFY(text.contains("[Colours \"White Black\"]\n[Players \"2\"]\n[Level \"Easy\"]\n"));
        QVERIFY(text.contains("[Result \""));
        QVERIFY(text.endsWith("\n\n" + QString::fromStdString(writeTranscript(moves)) + "\n"));

        game.newGame();
        QVERIFY(commands->openGameFrom(path));
        QCOMPARE(boardText(game), saved);
        QVERIFY(game.history().moves() == savedMoves);
        QCOMPARE(game.state().GameOver, 1);
    }

    void copiedMovesPasteAsTheSameGame() {
        play(33, 8);
        commands->copyMoves();
        const QString transcript = QGuiApplication::clipboard()->text();
        QCOMPARE(transcript.size(), 66);
        const QString board = boardText(game);
        game.newGame();
        QVERIFY(commands->pasteText("  " + transcript.toUpper() + "\n"));
        QCOMPARE(boardText(game), board);
        QCOMPARE(game.state().MovesMade, 33);
        // Moves in our own orientation are not said to be mirrored.
        QVERIFY(startMessage() == BoxText(Message{MessageId::PositionYourPiece, {}}));
    }

    void badInputSaysWhatIsWrongAndLeavesTheGameAsItWas() {
        play(12, 5);
        const QString board = boardText(game);
        const auto write = [this](const QString& name, const QByteArray& bytes) {
            QFile file(folder.filePath(name));
            file.open(QIODevice::WriteOnly);
            file.write(bytes);
            return folder.filePath(name);
        };
        const QString big = write("big.txt", {});
        std::filesystem::resize_file(QFile::encodeName(big).toStdString(), 50u << 20);
        const QString limit = write("limit.txt", {});
        std::filesystem::resize_file(QFile::encodeName(limit).toStdString(), kMaxRecordBytes);
        const QString pipe = folder.filePath("pipe.txt");
        QCOMPARE(mkfifo(QFile::encodeName(pipe).constData(), 0600), 0);
        const struct {
            QString path;
            QString message;
        } files[] = {
            {write("picture.png", QByteArray("\x89PNG\r\n\x1a\n\0\0", 10)),
             "\"picture.png\" cannot be opened. This is not a game record: it holds binary data."},
            {big,
             "\"big.txt\" cannot be opened. The file is too large for a game record: 50.0 MB, "
             "where a record is at most 1 MB."},
            {limit,
             "\"limit.txt\" cannot be opened. This is not a game record: it holds binary data."},
            {pipe, "\"pipe.txt\" cannot be opened. This is a named pipe, not a regular file."},
            {folder.path(), "\"" + QFileInfo(folder.path()).fileName() +
                                "\" cannot be opened. This is a folder, not a file."},
            {write("short.txt", "e3f4c"),
             "\"short.txt\" cannot be opened. The last move, move 3, is cut short: \"c\" has no "
             "row digit."},
            {write("taken.txt", "e3 e3"),
             "\"taken.txt\" cannot be opened. Move 2, Black e3, is not legal: the square is "
             "already taken."},
            {folder.filePath("missing.txt"),
             "\"missing.txt\" cannot be opened. The file cannot "
             "be opened: No such file or directory."},
        };
        for (const auto& file : files) {
            SeenBox seen;
            recordNextMessageBox(&seen);
            QVERIFY(!commands->openGameFrom(file.path));
            QCOMPARE(seen.text, file.message);
            QCOMPARE(seen.title, "Marvane");
            QCOMPARE(boardText(game), board);
            QCOMPARE(game.history().moves().size(), 12u);
        }

        // Faults caught: a paste that is refused changes the game, a huge clipboard is read in
        // full, or a message about a bad move says there are no moves when good ones came first.
        const QString usualStart =
            "---------------------------OX------XO--------------------------- X";
        const struct {
            const char* what;
            bool position;
            QString text;
            QString message;
        } pastes[] = {
            {"a 50 MB clipboard of moves", false, QString(50 << 20, 'e'),
             "The clipboard holds no moves to replay. This is too long for a game record: more "
             "than 1 MB."},
            {"a bad move after good ones", false, "e3f4c",
             "The moves on the clipboard cannot be replayed. The last move, move 3, is cut "
             "short: \"c\" has no row digit."},
            {"both orientations", false, "[Orientation \"Marvane\"]\n\nf5",
             "The clipboard holds no moves to replay. The header says the moves are in the "
             "Marvane orientation, but the first move, f5, starts a game in the Usual one: the "
             "two orientations are mixed."},
            {"a 50 MB clipboard as a position", true, QString(50 << 20, 'X'),
             "The clipboard holds no position to start from. This is too long for a position, "
             "which is 64 squares, a space and the side to play."},
            {"a position of 65 squares", true, "-" + usualStart,
             "The clipboard holds no position to start from. A position has 64 squares, a1 to "
             "h8, before the side to play; this one has 65."},
        };
        for (const auto& paste : pastes) {
            SeenBox seen;
            recordNextMessageBox(&seen);
            QVERIFY2(!(paste.position ? commands->pastePositionText(paste.text)
                                      : commands->pasteText(paste.text)),
                     paste.what);
            QCOMPARE(seen.text, paste.message);
            QCOMPARE(boardText(game), board);
            QCOMPARE(game.history().moves().size(), 12u);
        }
    }

    // Faults caught: the mirror is not applied one way or the other, so the game pasted back is
    // another one; the copy is not in the orientation other programs read; the message box does
    // not say the moves were mirrored.
    void movesCopiedForOtherProgramsPasteBackAsTheSameGame() {
        play(40, 12);
        commands->copyMovesForOthers();
        const QString transcript = QGuiApplication::clipboard()->text();
        QVERIFY2(QStringList({"d3", "c4", "f5", "e6"}).contains(transcript.left(2)),
                 qPrintable(transcript));
        const QString board = boardText(game);
        game.newGame();
        QVERIFY(commands->pasteText(transcript));
        QCOMPARE(boardText(game), board);
        QVERIFY(game.history().moves() == moves);
        QVERIFY(startMessage() == BoxText(Message{MessageId::MovesMirrored, {}}));
    }

    // Faults caught: a copied position pastes as another one; a game from a position saves
    // without it, opens from the standard start, or lists its moves from the wrong side and number.
    void aPastedPositionCopiesSavesAndOpensAsTheSameGame() {
        play(21, 4);  // the second colour is to play
        commands->copyPosition();
        const QString position = QGuiApplication::clipboard()->text();
        const QString board = boardText(game);
        game.newGame();
        QVERIFY(commands->pastePositionText(position + "\n"));
        QCOMPARE(boardText(game), board);
        QVERIFY(!game.canUndo());
        commands->copyPosition();
        QCOMPARE(QGuiApplication::clipboard()->text(), position);

        const auto legal = game.legalSquares();
        QVERIFY(!legal.empty());
        game.pressSquare(legal.front().row, legal.front().column);
        game.finish();
        commands->openMoveList();
        const auto rows = [this] {
            QStringList texts;
            for (int row = 0; row < commands->moveList()->rowCount(); ++row)
                texts << commands->moveList()->rowText(row);
            return texts;
        };
        const QStringList listed = rows();
        QCOMPARE(listed.size(), 3);
        QCOMPARE(listed[0], "Start: the position");
        QCOMPARE(listed[1], "22. Black " + QString::fromStdString(squareName(legal.front())));
        QVERIFY2(listed[2].startsWith("finish "), qPrintable(listed[2]));
        const QString path = folder.filePath("from-position.txt");
        QVERIFY(commands->saveGameTo(path));
        const QString played = boardText(game);

        game.newGame();
        QVERIFY(commands->openGameFrom(path));
        QCOMPARE(boardText(game), played);
        QCOMPARE(rows(), listed);
        game.undo();
        game.undo();
        QCOMPARE(boardText(game), board);
        QVERIFY(!game.canUndo());
        commands->moveList()->close();
    }

    // Fault caught: the names a file gives the players are lost when the game is saved again, or
    // stick to a later game.
    void thePlayersNamesAreWrittenBackForTheirGameOnly() {
        const QString path = folder.filePath("named.txt");
        QFile file(path);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write("[Event \"Club\"]\n[Black \"Ann\"]\n[White \"Bo\"]\n\n1. f5 d6 2. c3\n");
        file.close();
        QVERIFY(commands->openGameFrom(path));
        const auto names = [this] {
            const GameRecord record = commands->currentRecord();
            return QString::fromStdString(record.firstPlayer + "/" + record.secondPlayer);
        };
        QCOMPARE(names(), "Ann/Bo");
        game.newGame();
        QCOMPARE(names(), "/");
    }

    // Fault caught: the save dialog opens in a folder that is gone (a fresh account has no
    // Documents folder).
    void theSaveDialogProposesAFolderThatExists() {
        QTemporaryDir gone;
        play(3, 1);
        QVERIFY(commands->saveGameTo(gone.filePath("game.txt")));
        QCOMPARE(commands->saveFolder(), gone.path());
        gone.remove();
        QVERIFY(QFileInfo(commands->saveFolder()).isDir());
    }

    // A save that cannot be made whole says why and leaves the file as it was.
    void aFailedSaveSaysSoAndKeepsTheOldFile_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("reason");
        QTest::newRow("no such folder")
            << "none/game.txt"
            << "The folder \"" + folder.filePath("none") + "\" does not exist";
        QTest::newRow("the disk is full") << "kept.txt"
                                          << "File too large";
        QTest::newRow("a pipe") << "fifo.txt"
                                << "The file is a named pipe, not a regular file";
    }

    void aFailedSaveSaysSoAndKeepsTheOldFile() {
        QFETCH(QString, name);
        QFETCH(QString, reason);
        const QString path = folder.filePath(name);
        QFile file(path);
        if (name == "fifo.txt") QCOMPARE(mkfifo(QFile::encodeName(path).constData(), 0600), 0);
        if (name == "kept.txt") QVERIFY(file.open(QIODevice::WriteOnly) && file.write("old") == 3);
        file.close();
        play(9, 2);
        SeenBox seen;
        recordNextMessageBox(&seen);
        {
            const FileSizeLimit limit(64, false);  // smaller than any record
            QVERIFY(!commands->saveGameTo(path));
        }
        QCOMPARE(seen.text, "The game was not saved to \"" + QFileInfo(path).fileName() + "\". " +
                                reason + ".");
        QCOMPARE(QDir(folder.path()).entryList({name + "*"}, QDir::Files | QDir::System),
                 QFileInfo::exists(path) ? QStringList{name} : QStringList{});
        QVERIFY(name != "kept.txt" || (file.open(QIODevice::ReadOnly) && file.readAll() == "old"));
    }

    // Fault caught: names of 242-255 bytes are refused, as the temporary file beside them would
    // have a name longer than the folder allows; a cut in the middle of a character.
    void theLongestNamesSaveAndOpen() {
        play(9, 2);
        QString refusal;  // a refusal's box, closed at once
        QTimer closer;
        closer.setInterval(10);
        connect(&closer, &QTimer::timeout, this, [&refusal] {
            if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
                refusal = box->text();
                box->reject();
            }
        });
        closer.start();
        for (const QString& name : {QString(251, 'n'), QString(125, QChar(0xE9)) + "n"}) {
            const QString path = folder.filePath(name + ".txt");
            QCOMPARE(QFile::encodeName(QFileInfo(path).fileName()).size(), 255);
            QVERIFY2(commands->saveGameTo(path), qPrintable(refusal));
            QVERIFY2(commands->saveGameTo(path), qPrintable(refusal));  // over the first
            QVERIFY(commands->openGameFrom(path));
            QVERIFY(game.history().moves() == moves);
        }
        QCOMPARE(QDir(folder.path()).entryList({"*.saving-*"}, QDir::Files), QStringList{});
    }

    // Fault caught: a file just under 1 MB opens, and saving it back writes one over 1 MB that
    // Open refuses.
    void aRecordOpenWouldRefuseIsNotWritten() {
        const QString opened = folder.filePath("near-limit.txt"),
                      saved = folder.filePath("grown.txt");
        QFile file(opened);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write("[Black \"" + QByteArray(kMaxRecordBytes - 100, 'x') + "\"]\n\ne3\n");
        file.close();
        QVERIFY(commands->openGameFrom(opened));
        SeenBox seen;
        recordNextMessageBox(&seen);
        QVERIFY(!commands->saveGameTo(saved));
        QVERIFY2(
            seen.text.startsWith("The game was not saved to \"grown.txt\". Its record would be "),
            qPrintable(seen.text));
        QVERIFY(seen.text.endsWith("a game file is read only up to 1 MB (1048576 bytes)."));
        QCOMPARE(QDir(folder.path()).entryList({"grown.txt*"}, QDir::Files), QStringList{});
    }

    // A pipe put in the file's place at any moment, even between a look at the file and its
    // opening, is never waited on: every opening answers.
    void openingNeverWaitsOnAPipeSwappedIn() {
        const QByteArray path = QFile::encodeName(folder.filePath("swapped.txt"));
        const QByteArray other = QFile::encodeName(folder.filePath("swapped.other"));
        QFile file(QFile::decodeName(path));
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write("e3f3\n");
        file.close();
        QCOMPARE(mkfifo(other.constData(), 0600), 0);
        const ChildRun run = runInChild([&path, &other] {
            std::atomic<bool> done = false;
            std::thread swapper([&] {
                while (!done) renameat2(AT_FDCWD, path, AT_FDCWD, other, RENAME_EXCHANGE);
            });
            int read = 0;
            for (int i = 0; i < 50000; ++i) read += readGameFile(QFile::decodeName(path)).ok();
            done = true;
            swapper.join();
            return QByteArray::number(read);
        });
        QVERIFY2(!run.timedOut, "an opening waited on the pipe");
        QVERIFY2(run.output.toInt() > 0, run.output.constData());
    }

    void theMoveListShowsTheGameWhenOpened() {
        play(4, 2);
        commands->openMoveList();
        MoveList* list = commands->moveList();
        QVERIFY(list);
        QVERIFY(list->isVisible());
        QCOMPARE(list->rowCount(), 5);
        QCOMPARE(list->rowText(1), "1. White " + QString::fromStdString(squareName(moves[0])));
        QCOMPARE(list->current(), 4);
        list->close();
    }

    // Catches a review that never reaches the list's rows or graph, and notes of a game that has
    // changed left beside the moves of the new one.
    void aReviewShowsBesideTheMovesUntilTheGameChanges() {
        play(50, 3);
        AnalysisWorker worker;
        analysis::ReviewLimits quick;
        quick.exactEmpties = 10;
        quick.depth = 2;
        GameReview review([&]() -> AnalysisWorker& { return worker; }, game, quick);
        commands->setReview(&review);
        commands->reviewGame();
        MoveList* list = commands->moveList();
        QVERIFY(list && list->isVisible());
        QVERIFY(QTest::qWaitFor([&] { return review.state() == GameReview::State::Done; }, 60'000));
        QCoreApplication::processEvents();
        const int played = static_cast<int>(game.history().moves().size());
        for (int row = 1; row <= played; ++row)
            QVERIFY2(list->rowText(row).section(u'\n', 0, 0).endsWith(review.lossText(row - 1)),
                     qPrintable(list->rowText(row)));
        QCOMPARE(list->graph()->pointCount(), played + 1);
        QVERIFY(list->graph()->isVisible());

        game.newGame();
        commands->gameChanged();
        QCoreApplication::processEvents();
        QCOMPARE(review.state(), GameReview::State::None);
        QCOMPARE(list->rowCount(), 1);
        QVERIFY(!list->graph()->isVisible());
        commands->setReview(nullptr);
        list->close();
    }

    // Catches the selected row left partly under the list's bottom edge once the review's lines
    // and graph take their room below it (the longer languages wrap the review's summary).
    void afterAReviewTheSelectedRowIsWholeInEveryLanguage() {
        AnalysisWorker worker;
        analysis::ReviewLimits quick;
        quick.exactEmpties = 10;
        quick.depth = 2;
        QStringList hidden;
        for (const QString& language : QStringList{QString()} + shippedLanguages()) {
            auto* catalogue = language.isEmpty() ? nullptr : new QTranslator;
            if (catalogue) QVERIFY(catalogue->load(":/i18n/marvane_" + language + ".qm"));
            useCatalogue(catalogue, language);
            QWidget owner;  // a fresh window: the list is sized for the language as it opens
            RecordCommands fresh(&owner, game, [] { return QString("Marvane"); });
            GameReview review([&]() -> AnalysisWorker& { return worker; }, game, quick);
            fresh.setReview(&review);
            QVERIFY(fresh.pasteText("f4d3c2g4d6c6b6e6h4a6c7d8c5e3b5b4f2e7b8g1"));
            // On a screen with no room to grow, the graph and the summary take the list's room.
            fresh.openMoveList();
            fresh.moveList()->setMaximumHeight(MoveList::kDefaultSize.height());
            fresh.reviewGame();
            QVERIFY(QTest::qWaitFor([&] { return review.state() == GameReview::State::Done; },
                                    60'000));
            QListWidget* rows = fresh.moveList()->list();
            QVERIFY(QTest::qWaitForWindowExposed(rows));
            QCOMPARE(rows->currentRow(), 20);
            const auto whole = [rows] {
                return rows->viewport()->rect().contains(rows->visualItemRect(rows->currentItem()));
            };
            // Once the review is shown, and once more after the window is made smaller.
            for (const char* when : {"after the review", "in a smaller window"}) {
                if (*when == 'i') fresh.moveList()->resize(fresh.moveList()->width(), 360);
                if (QTest::qWaitFor(whole, 2000)) continue;
                const QRect row = rows->visualItemRect(rows->currentItem());
                hidden << QString("%1, %2: row at %3 to %4 in a viewport %5 high")
                              .arg(language.isEmpty() ? "en" : language, when)
                              .arg(row.top())
                              .arg(row.bottom())
                              .arg(rows->viewport()->height());
            }
            fresh.setReview(nullptr);
        }
        useCatalogue(nullptr);
        QVERIFY2(hidden.isEmpty(), qPrintable(hidden.join("; ")));
    }

    // Catches a click on the graph that reaches neither the game nor the list's selection.
    void aClickOnTheGraphSelectsThatMovesRow() {
        play(12, 5);
        commands->openMoveList();
        MoveList* list = commands->moveList();
        ReviewGraph* graph = list->graph();
        graph->setPoints(std::vector<std::optional<ReviewGraph::Point>>(13), 12);
        graph->show();
        QVERIFY(QTest::qWaitForWindowExposed(list));
        QTest::mouseClick(graph, Qt::LeftButton, {}, QPoint(graph->pointX(4), graph->height() / 2));
        QVERIFY(QTest::qWaitFor([&] { return list->list()->currentRow() == 4; }, 2000));
        QCOMPARE(game.history().movesAtCursor(), 4);
        list->close();
    }

    void cleanupTestCase() { delete commands; }
};

QTEST_MAIN(RecordCommandsTest)
#include "tst_recordcommands.moc"
