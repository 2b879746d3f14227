// SPDX-License-Identifier: GPL-3.0-or-later
// The Game menu as a player meets it: undo and redo from the menu and from the keys, with the
// menu bar shown or hidden, refused during Autoplay, and the marks on the board.
#include <QAction>
#include <QCheckBox>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QTimer>
#include <QToolButton>
#include <QtTest>

#include "engine/transcript.h"
#include "tests/window/formdriver.h"
#include "window/boardcoordinates.h"
#include "window/boardimage.h"
#include "window/marvaneform.h"

using namespace marvane;
using namespace marvane::test;

namespace {

// Started, active (the keys are window shortcuts), and silent.
std::unique_ptr<TMarvaneForm> openedForm(SettingsStore store = {}) {
    auto form = startedForm(std::move(store));
    if (!form) return nullptr;
    form->activateWindow();  // the closed prompt may leave no window active
    if (!QTest::qWaitForWindowActive(form.get())) return nullptr;
    control<QCheckBox>(*form, "Sound")->setChecked(false);
    return form;
}

class Player {
public:
    explicit Player(TMarvaneForm& form)
        : form(form),
          board(*control<BoardImage>(form, "Image3")),
          delay(*control<QTimer>(form, "Playerdelay")) {}

    QAction* action(const char* name) const { return control<QAction>(form, name); }
    QString box(const char* name) const { return textOf(form, name); }
    ColourCode square(int row, int column) const { return board.shownColour(row, column); }
    void click(const char* button) {
        QTest::mouseClick(control<QToolButton>(form, button), Qt::LeftButton);
    }

    void press(int row, int column) { pressSquare(form, row, column); }
    void keys(Qt::Key key, Qt::KeyboardModifiers modifiers) {
        QTest::keyClick(&form, key, modifiers);
    }
    // Lets the window finish what it has queued (the marks follow the game a moment later).
    void settle() { QTest::qWait(20); }

    TMarvaneForm& form;
    BoardImage& board;
    QTimer& delay;
};

}  // namespace

class GameMenuTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { QApplication::setApplicationName("Marvane"); }

    void theGameMenuComesAfterTheDesignedItemsAndHidesWithThem() {
        auto form = openedForm();
        QVERIFY(form);
        // The menu bar starts hidden as designed, the Game menu with it. (The bar itself is
        // built once it has an item to show.)
        for (const char* menu : {"QuitMenu", "HelpMenu", "OptionsMenu", "GameMenu"})
            QVERIFY(!control<QMenu>(*form, menu)->menuAction()->isVisible());
        QVERIFY(!control<QAction>(*form, "Autoplay")->isVisible());

        QMenu* game = control<QMenu>(*form, "GameMenu");
        const QList<QAction*> entries = game->actions();
        QCOMPARE(entries.size(), 23);
        QCOMPARE(entries[0]->text(), QString("Undo\tCtrl+Z"));
        QCOMPARE(entries[1]->text(), QString("Redo\tCtrl+Shift+Z"));
        QVERIFY(entries[2]->isSeparator());
        QCOMPARE(entries[3]->text(), QString("Show Last Move"));
        QCOMPARE(entries[4]->text(), QString("Show Legal Moves"));
        QVERIFY(entries[3]->isCheckable() && !entries[3]->isChecked());
        QVERIFY(entries[4]->isCheckable() && !entries[4]->isChecked());
        QCOMPARE(entries[5]->text(), QString("Show Coordinates\tCtrl+Shift+G"));
        QVERIFY(entries[5]->isCheckable() && !entries[5]->isChecked());
        QVERIFY(entries[6]->isSeparator());
        const char* const recordItems[] = {"ShowMoveList",       "ReviewGame", "CopyMoves",
                                           "CopyMovesForOthers", "PasteMoves", "CopyPosition",
                                           "PastePosition",      "SaveGame",   "OpenGame"};
        for (int i = 0; i < 9; ++i) QCOMPARE(entries[7 + i]->objectName(), recordItems[i]);
        // The analysis comes next, its two options off, then the rules, off; Keys is last.
        QVERIFY(entries[16]->isSeparator());
        QCOMPARE(entries[17]->text(), QString("Hint\tCtrl+H"));
        for (int i : {18, 19, 20}) QVERIFY(entries[i]->isCheckable() && !entries[i]->isChecked());
        QCOMPARE(entries[20]->objectName(), QString("StandardRules"));
        QVERIFY(entries[21]->isSeparator());
        QCOMPARE(entries[22]->objectName(), QString("ShowKeys"));

        Player player(*form);
        player.click("Options");
        control<QCheckBox>(*form, "ShowMenu")->setChecked(true);
        player.click("SpeedButton5");
        QMenuBar* bar = control<QMenuBar>(*form, "Menu");
        const QList<QAction*> items = bar->actions();
        QCOMPARE(items.size(), 5);
        QCOMPARE(items[3]->objectName(), QString("Autoplay"));
        QCOMPARE(items[4]->text(), QString("Game"));
        QCOMPARE(items[4]->menu(), game);
        for (QAction* item : items) QVERIFY(item->isVisible());
        player.action("HideMenu")->trigger();
        for (QAction* item : items) QVERIFY(!item->isVisible());
    }

    void theKeysUndoAndRedoWithTheMenuBarHidden() {
        auto form = openedForm();
        QVERIFY(form);
        Player player(*form);
        QVERIFY(!player.action("UndoMove")->isEnabled());
        player.press(3, 5);  // White
        player.press(3, 4);  // Black
        QCOMPARE(player.square(3, 4), 2);
        QCOMPARE(player.box("GoBox"), QString("White"));

        player.keys(Qt::Key_Z, Qt::ControlModifier);
        QCOMPARE(player.square(3, 4), 0);
        QCOMPARE(player.square(4, 4), 1);  // Black's capture is taken back too
        QCOMPARE(player.box("GoBox"), QString("Black"));
        player.keys(Qt::Key_Z, Qt::ControlModifier);
        QCOMPARE(player.square(3, 5), 0);
        QCOMPARE(player.box("GoBox"), QString("White"));
        QCOMPARE(player.box("remain"), QString("60"));
        QCOMPARE(player.box("WhiteScore"), QString());

        player.keys(Qt::Key_Z, Qt::ControlModifier | Qt::ShiftModifier);
        QCOMPARE(player.square(3, 5), 1);
        player.keys(Qt::Key_Y, Qt::ControlModifier);
        QCOMPARE(player.square(3, 4), 2);
        QCOMPARE(player.box("MoveBox"), QString("1"));

        // And from the menu.
        player.settle();
        QVERIFY(player.action("UndoMove")->isEnabled());
        player.action("UndoMove")->trigger();
        QCOMPARE(player.square(3, 4), 0);
        player.action("RedoMove")->trigger();
        QCOMPARE(player.square(3, 4), 2);
    }

    void againstTheComputerUndoTakesBackTheReplyAndCancelsOneThatIsWaiting() {
        auto form = openedForm();
        QVERIFY(form);
        Player player(*form);
        player.click("Players");
        player.click("EasyButton");  // Hard
        player.delay.setInterval(50);
        player.press(3, 5);
        QVERIFY(player.delay.isActive());
        player.keys(Qt::Key_Z, Qt::ControlModifier);  // before the computer answers
        QVERIFY(!player.delay.isActive());
        QCOMPARE(player.square(3, 5), 0);
        QTest::qWait(120);
        QCOMPARE(player.box("GoBox"), QString("White"));  // no reply came

        player.press(3, 5);
        QTRY_COMPARE(player.square(3, 4), 2);  // the Hard reply
        player.keys(Qt::Key_Z, Qt::ControlModifier);
        QCOMPARE(player.square(3, 4), 0);
        QCOMPARE(player.square(3, 5), 0);
        QCOMPARE(player.box("GoBox"), QString("White"));
    }

    void undoIsDisabledAndItsKeysDoNothingDuringAutoplay() {
        auto form = openedForm();
        QVERIFY(form);
        Player player(*form);
        player.press(3, 5);
        player.delay.setInterval(5);
        bool checked = false;
        QTimer::singleShot(60, form.get(), [&] {
            player.settle();
            QVERIFY(!player.action("UndoMove")->isEnabled());
            QVERIFY(!player.action("RedoMove")->isEnabled());
            const QString moves = player.box("MoveBox");
            const QString left = player.box("remain");
            player.keys(Qt::Key_Z, Qt::ControlModifier);
            QCOMPARE(player.box("remain"), left);
            QCOMPARE(player.box("MoveBox"), moves);
            checked = true;
        });
        player.action("Autoplay")->trigger();
        QVERIFY(checked);
        const QString result = player.box("MessageBox");
        QVERIFY(result.endsWith(" Wins") || result == "It's a Draw");
        QVERIFY(player.action("UndoMove")->isEnabled());  // once it is over, undo works again
        player.keys(Qt::Key_Z, Qt::ControlModifier);
        QCOMPARE(player.box("MessageBox"), QString("Position Your Piece"));
    }

    void marksFollowTheGameAndOnlyShowLegalSquaresOnAPersonsTurn() {
        auto form = openedForm();
        QVERIFY(form);
        Player player(*form);
        QVERIFY(player.board.marks() == BoardImage::Marks{});
        const QImage bare = player.board.grab().toImage();

        player.action("ShowLastMove")->trigger();
        player.action("ShowLegalMoves")->trigger();
        const std::vector<Square> opening = {{3, 5}, {4, 6}, {5, 3}, {6, 4}};
        QVERIFY(player.board.marks().legalMoves == opening);
        QVERIFY(!player.board.marks().lastMove);

        player.click("Players");
        player.delay.setInterval(100);
        player.press(3, 5);
        player.settle();
        // The computer is to answer: its squares are not marked.
        QCOMPARE(player.board.marks().lastMove, std::optional<Square>(Square{3, 5}));
        QVERIFY(player.board.marks().legalMoves.empty());
        QTRY_VERIFY(!player.delay.isActive());
        player.settle();
        QVERIFY(player.board.marks().lastMove != std::optional<Square>(Square{3, 5}));
        QVERIFY(!player.board.marks().legalMoves.empty());
        const Square reply = *player.board.marks().lastMove;
        QVERIFY(player.square(reply.row, reply.column) == 2);

        player.keys(Qt::Key_Z, Qt::ControlModifier);
        player.settle();
        QVERIFY(player.board.marks().legalMoves == opening);
        QVERIFY(!player.board.marks().lastMove);

        // Both off: the board is exactly the designed board again.
        player.action("ShowLastMove")->trigger();
        player.action("ShowLegalMoves")->trigger();
        QVERIFY(player.board.marks() == BoardImage::Marks{});
        QCOMPARE(player.board.grab().toImage(), bare);
    }

    // The marks are options like the others: loaded at start-up, saved on closing.
    void theMarksAreKeptBetweenRuns() {
        Options stored;
        stored.legalMoves = true;
        Options saved;
        int saves = 0;
        const SettingsStore store{[&](Options& into) { into = stored; },
                                  [&](const Options& options) {
                                      saved = options;
                                      ++saves;
                                  }};
        auto form = openedForm(store);
        QVERIFY(form);
        Player player(*form);
        QVERIFY(!player.action("ShowLastMove")->isChecked());
        QVERIFY(player.action("ShowLegalMoves")->isChecked());
        QTRY_VERIFY(player.board.marks().legalMoves.size() == 4);

        player.action("ShowLastMove")->trigger();
        player.action("ShowLegalMoves")->trigger();
        form->close();
        QCOMPARE(saves, 1);
        QVERIFY(saved.lastMove);
        QVERIFY(!saved.legalMoves);
        QCOMPARE(saved.c1, stored.c1);  // the other options go with them, as they were
        QCOMPARE(saved.response, stored.response);
    }

    // Catches coordinates shown (or built) at rest, a tick that is not loaded or not saved, and
    // labels that do not stand where the squares they name lie: the square pressed where the
    // labels "e" and "3" meet must be the one transcripts call e3, and so on.
    void coordinatesAreOffAtFirstKeptBetweenRunsAndNameTheSquaresBesideThem() {
        {
            auto form = openedForm();
            QVERIFY(form);
            QVERIFY(!Player(*form).action("ShowCoordinates")->isChecked());
            QVERIFY(!form->findChild<BoardCoordinates*>());
        }
        Options stored;
        stored.coordinates = true;
        Options saved;
        const SettingsStore store{[&](Options& into) { into = stored; },
                                  [&](const Options& options) { saved = options; }};
        auto form = openedForm(store);
        QVERIFY(form);
        Player player(*form);
        QVERIFY(player.action("ShowCoordinates")->isChecked());
        auto* labels = control<BoardCoordinates>(*form, "BoardCoordinates");
        QVERIFY(labels->isVisible());
        // Never over the board's frame, so never over a counter or a mark.
        QVERIFY(!labels->mask().intersects(control(*form, "Panel1")->geometry()));

        // Each label is drawn, whole, in its strip.
        const QImage drawn = labels->grab().toImage();
        for (int n = 1; n <= 8; ++n) {
            for (const auto& [centre, strip] :
                 {std::pair{labels->columnLabelCentre(n), labels->columnStrip()},
                  std::pair{labels->rowLabelCentre(n), labels->rowStrip()}}) {
                QRect ink;
                for (int y = strip.top(); y <= strip.bottom(); ++y)
                    for (int x = strip.left(); x <= strip.right(); ++x)
                        if (qGray(drawn.pixel(x, y)) > 100 &&
                            (centre - QPoint(x, y)).manhattanLength() < 12)
                            ink |= QRect(x, y, 1, 1);
                // Not cut by the strip's narrow side.
                const bool fits = strip.height() < strip.width() ? ink.height() < strip.height()
                                                                 : ink.width() < strip.width();
                QVERIFY2(ink.height() >= 4 && fits, qPrintable(QString("label %1").arg(n)));
            }
        }
        for (const char* name : {"e3", "f2", "h1"}) {
            int column = 0, row = 0;
            for (int n = 1; n <= 8; ++n) {
                if (BoardCoordinates::columnLabel(n) == QLatin1Char(name[0])) column = n;
                if (BoardCoordinates::rowLabel(n) == QLatin1Char(name[1])) row = n;
            }
            QVERIFY(column && row);
            const QPoint where(labels->columnLabelCentre(column).x(),
                               labels->rowLabelCentre(row).y());
            QTest::mousePress(
                &player.board, Qt::LeftButton, {},
                player.board.mapFrom(labels->parentWidget(), labels->mapToParent(where)));
            QCOMPARE(squareName({player.board.focusRow(), player.board.focusColumn()}),
                     std::string(name));
        }

        player.action("ShowCoordinates")->trigger();
        QVERIFY(!labels->isVisible());
        form->close();
        QVERIFY(!saved.coordinates);
        QCOMPARE(saved.response, stored.response);
    }
};

QTEST_MAIN(GameMenuTest)
#include "tst_gamemenu.moc"
