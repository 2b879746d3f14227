// The game record's commands with a real game and a small stand-in for the game's history.
#include <QAction>
#include <QClipboard>
#include <QFile>
#include <QGuiApplication>
#include <QTemporaryDir>
#include <QtTest>
#include <filesystem>
#include <random>

#include "engine/replay.h"
#include "engine/unseenview.h"
#include "tests/window/modal.h"
#include "window/movelist.h"
#include "window/recordcommands.h"

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
        QCOMPARE(items, (QStringList{"Move List Ctrl+L", "Copy Moves Ctrl+Shift+C",
                                     "Paste Moves Ctrl+Shift+V", "Save Game... Ctrl+S",
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
        const struct {
            QString path;
            QString message;
        } files[] = {
            {write("picture.png", QByteArray("\x89PNG\r\n\x1a\n\0\0", 10)),
             "\"picture.png\" cannot be opened. This is not a game record: it holds binary data."},
            {big,
             "\"big.txt\" cannot be opened. The file is too large for a game record: 50.0 MB, "
             "where a record is at most 1 MB."},
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

        SeenBox seen;
        recordNextMessageBox(&seen);
        QVERIFY(!commands->pasteText("[Event \"Club\"]\n\ne3"));
        QCOMPARE(seen.text,
                 "The clipboard holds no moves to replay. Unknown header line 1: "
                 "[Event \"Club\"].");
        QCOMPARE(boardText(game), board);
    }

    void aFailedSaveSaysSoAndKeepsTheOldFile() {
        play(6, 1);
        const QString path = folder.filePath("kept.txt");
        QVERIFY(commands->saveGameTo(path));
        QFile file(path);
        QVERIFY(file.open(QIODevice::ReadOnly));
        const QByteArray before = file.readAll();
        file.close();

        SeenBox seen;
        recordNextMessageBox(&seen);
        QVERIFY(!commands->saveGameTo(folder.filePath("no such folder/game.txt")));
        QVERIFY2(seen.text.startsWith("The game was not saved to \"game.txt\". "),
                 qPrintable(seen.text));
        QVERIFY(file.open(QIODevice::ReadOnly));
        QCOMPARE(file.readAll(), before);
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

    void cleanupTestCase() { delete commands; }
};

QTEST_MAIN(RecordCommandsTest)
#include "tst_recordcommands.moc"
