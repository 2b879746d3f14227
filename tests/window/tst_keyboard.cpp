// SPDX-License-Identifier: GPL-3.0-or-later
// Playing without a mouse, and what assistive technology sees of the window.
#include <QAccessible>
#include <QAction>
#include <QDialog>
#include <QMenu>
#include <QShortcut>
#include <QTableWidget>
#include <QToolButton>
#include <QtTest>

#include "tests/window/formdriver.h"
#include "tests/window/modal.h"
#include "window/boardaccessible.h"
#include "window/boardimage.h"
#include "window/keylist.h"
#include "window/marvaneform.h"

using namespace marvane;
using namespace marvane::test;

namespace {

// A started window, active, with the keyboard focus where the start-up left it.
std::unique_ptr<TMarvaneForm> openedForm() {
    auto form = startedForm();
    if (!form) {
        qWarning("the first game did not start");
        return nullptr;
    }
    form->activateWindow();  // the closed prompt may leave no window active
    if (!QTest::qWaitForWindowActive(form.get())) return nullptr;
    return form;
}

BoardImage* boardOf(const QObject& form) { return control<BoardImage>(form, "Image3"); }

QList<QAccessibleEvent*> seenEvents;
void recordEvent(QAccessibleEvent* event) {
    if (event->type() == QAccessible::Alert || event->type() == QAccessible::NameChanged)
        seenEvents << new QAccessibleEvent(event->object(), event->type());
}

}  // namespace

class KeyboardTest : public QObject {
    Q_OBJECT

private slots:
    void theBoardHasTheFocusWhenTheWindowOpensAndIsTheFirstTabStop() {
        auto form = openedForm();
        QVERIFY(form);
        BoardImage* board = boardOf(*form);
        QCOMPARE(QApplication::focusWidget(), board);
        QVERIFY(board->focusPolicy() & Qt::TabFocus);
        control<QToolButton>(*form, "Options")->click();  // its controls come after the board
        QWidget* next = board->nextInFocusChain();
        while (next != board && !(next->isVisible() && (next->focusPolicy() & Qt::TabFocus)))
            next = next->nextInFocusChain();
        QVERIFY(next == board || control(*form, "OptionPanel")->isAncestorOf(next));
    }

    void arrowsHomeEndAndLetterDigitMoveTheFocusSquare() {
        auto form = openedForm();
        QVERIFY(form);
        BoardImage* board = boardOf(*form);
        auto at = [&] { return std::make_pair(board->focusRow(), board->focusColumn()); };
        const QImage before = board->picture().image();
        QTest::keyClick(board, Qt::Key_Right);
        QCOMPARE(at(), std::make_pair(4, 5));
        QTest::keyClick(board, Qt::Key_Up);
        QCOMPARE(at(), std::make_pair(3, 5));
        QTest::keyClick(board, Qt::Key_Home);
        QCOMPARE(at(), std::make_pair(3, 1));
        QTest::keyClick(board, Qt::Key_Left);  // stays at the edge
        QCOMPARE(at(), std::make_pair(3, 1));
        QTest::keyClick(board, Qt::Key_End);
        QCOMPARE(at(), std::make_pair(3, 8));
        QTest::keyClicks(board, "c6");
        QCOMPARE(at(), std::make_pair(6, 3));
        QTest::keyClicks(board, "9h1");  // a digit without a letter does nothing
        QCOMPARE(at(), std::make_pair(1, 8));
        QCOMPARE(board->picture().image(), before);  // drawn over the picture, not into it
    }

    void theFocusSquareShowsOnlyOnceTheKeyboardIsUsedAndAPressHidesIt() {
        auto form = openedForm();
        QVERIFY(form);
        BoardImage* board = boardOf(*form);
        // Where the dashed yellow square is drawn: the bounds of its pixels, or none.
        auto dashedSquare = [&] {
            const QImage shot = board->grab().toImage();
            QRect bounds;
            for (int y = 0; y < shot.height(); ++y)
                for (int x = 0; x < shot.width(); ++x)
                    if (shot.pixel(x, y) == qRgb(255, 255, 0)) bounds |= QRect(x, y, 1, 1);
            return bounds;
        };
        auto around = [](int row, int column) {
            return BoardPicture::faceRect(row, column)
                .adjusted(-5, -5, 5, 5)
                .translated(BoardPicture::kPictureOffset);
        };
        QCOMPARE(QApplication::focusWidget(), board);
        QVERIFY(dashedSquare().isNull());  // the focus alone does not show it

        QTest::keyClick(board, Qt::Key_Right);
        QVERIFY(!dashedSquare().isNull());
        QVERIFY(around(4, 5).contains(dashedSquare()));

        // A press hides it and takes the focus square along: (7,2) is refused, (3,5) is played.
        for (auto [x, y, row, column] : {std::tuple{90, 350, 7, 2}, std::tuple{240, 140, 3, 5}}) {
            QTest::mousePress(board, Qt::LeftButton, {}, QPoint(x, y));
            QTest::mouseRelease(board, Qt::LeftButton, {}, QPoint(x, y));
            QVERIFY(dashedSquare().isNull());
            QCOMPARE(std::make_pair(board->focusRow(), board->focusColumn()),
                     std::make_pair(row, column));
        }
        QCOMPARE(form->game().board(7, 2), 0);
        QCOMPARE(form->game().board(3, 5), 1);
        QTest::mousePress(board, Qt::LeftButton, {}, QPoint(3, 3));  // between squares: stays
        QCOMPARE(std::make_pair(board->focusRow(), board->focusColumn()), std::make_pair(3, 5));

        QTest::keyClick(board, Qt::Key_Down);  // the next key starts from the pressed square
        QVERIFY(around(4, 5).contains(dashedSquare()));
        QTest::mousePress(board, Qt::LeftButton, {}, QPoint(90, 350));
        QTest::keyClicks(board, "b");  // a letter alone shows it too
        QVERIFY(around(7, 2).contains(dashedSquare()));

        // Only while the board has the focus; Tab back into it shows it, a click does not.
        QWidget* edit3 = control(*form, "Edit3");
        edit3->setFocus();
        QVERIFY(dashedSquare().isNull());
        board->setFocus(Qt::TabFocusReason);
        QVERIFY(around(7, 2).contains(dashedSquare()));
        edit3->setFocus();
        QTest::mouseClick(board, Qt::LeftButton, {}, QPoint(3, 3));
        QCOMPARE(QApplication::focusWidget(), board);
        QVERIFY(dashedSquare().isNull());
        QCOMPARE(form->game().state().MovesMade, 1);  // no key played anything
    }

    void spaceOrEnterPlayTheFocusSquareLikeAClick() {
        auto form = openedForm();
        QVERIFY(form);
        BoardImage* board = boardOf(*form);
        QTest::keyClicks(board, "e3");
        QTest::keyClick(board, Qt::Key_Return);
        QCOMPARE(form->game().board(3, 5), 1);
        QCOMPARE(textOf(*form, "MoveBox"), QString("0"));
        QTest::keyClick(board, Qt::Key_Space);  // now occupied: refused, but tried
        QCOMPARE(textOf(*form, "MoveBox"), QString("1"));
        QCOMPARE(form->game().board(3, 5), 1);
        QTest::keyClicks(board, "a1");
        QTest::keyClick(board, Qt::Key_Enter);
        QCOMPARE(form->game().board(1, 1), 0);
        QCOMPARE(form->game().state().MovesMade, 1);
        QTest::keyClicks(board, "d3");
        QTest::keyClick(board, Qt::Key_Enter);  // Black
        QCOMPARE(form->game().board(3, 4), 2);
        QCOMPARE(form->game().state().MovesMade, 2);
    }

    void keysDoNothingWhileAMoveIsWorkedOut() {
        auto form = openedForm();
        QVERIFY(form);
        BoardImage* board = boardOf(*form);
        QTimer::singleShot(0, form.get(), [&] {
            QVERIFY(form->game().moveInProgress());
            QTest::keyClick(board, Qt::Key_Down);
            QTest::keyClick(board, Qt::Key_Return);
        });
        pressSquare(*form, 3, 5);        // takes the focus square along
        QCOMPARE(board->focusRow(), 3);  // Down did not move it on
        QCOMPARE(form->game().state().MovesMade, 1);
        QCOMPARE(textOf(*form, "MoveBox"), QString("0"));  // one attempt, not two
    }

    void shortcutsWorkWithTheMenuBarHidden() {
        auto form = openedForm();
        QVERIFY(form);
        QVERIFY(!control<QAction>(*form, "Autoplay")->isVisible());
        pressSquare(*form, 3, 5);
        QCOMPARE(form->game().state().MovesMade, 1);
        QTest::keyClick(form.get(), Qt::Key_N, Qt::ControlModifier);
        QCOMPARE(form->game().state().MovesMade, 0);
        QTest::keyClick(form.get(), Qt::Key_F1);
        QVERIFY(!control(*form, "RulesPanel")->isHidden());
        control<QToolButton>(*form, "QuitRules")->click();
        QTest::keyClick(form.get(), Qt::Key_Q, Qt::ControlModifier);
        QVERIFY(!form->isVisible());
    }

    // Catches a key added to the window but missing from the list (so from Game ▸ Keys and the
    // rules panel's description), a key listed without saying what it does, and the panel's
    // description drifting from the list.
    void theKeysListHoldsEveryKeyTheWindowAnswers() {
        auto opened = startedForm();  // the rules panel follows the first frame
        QVERIFY(opened);
        const TMarvaneForm& form = *opened;
        const QList<KeyEntry> keys = keyList(form);
        QStringList listed;
        for (const KeyEntry& entry : keys) {
            QVERIFY2(!entry.what.isEmpty(), qPrintable("not described: " + entry.keys));
            listed << entry.keys.split(QStringLiteral(", "));
        }
        QList<QKeySequence> windowKeys;
        for (const QShortcut* shortcut : form.findChildren<QShortcut*>())
            windowKeys << shortcut->key();
        for (const QAction* action : form.findChildren<QAction*>())
            windowKeys << action->shortcuts();
        QVERIFY(windowKeys.size() >= 16);
        for (const QKeySequence& sequence : std::as_const(windowKeys))
            QVERIFY2(listed.contains(sequence.toString(QKeySequence::NativeText)),
                     qPrintable("not listed: " + sequence.toString()));
        const QString description =
            QAccessible::queryAccessibleInterface(control(form, "RulesPanel"))
                ->text(QAccessible::Description);
        QCOMPARE(description, keysDescription(keys));
    }

    // Qt runs neither of two commands on one key (it calls the key ambiguous), and a window key
    // that the board uses would never reach the board: catches a key taken twice.
    void noTwoCommandsShareAKeyAndNoneTakesABoardKey() {
        TMarvaneForm form;
        QMap<QString, QString> owners;
        const auto claim = [&](const QKeySequence& keys, const QString& owner) {
            const QString text = keys.toString();
            QVERIFY2(!owners.contains(text),
                     qPrintable(text + " is " + owners.value(text) + " and " + owner));
            owners.insert(text, owner);
            const QKeyCombination first = keys[0];
            if ((first.keyboardModifiers() & ~Qt::ShiftModifier) != Qt::NoModifier) return;
            const Qt::Key key = first.key();
            const bool boardKey =
                (key >= Qt::Key_A && key <= Qt::Key_H) || (key >= Qt::Key_1 && key <= Qt::Key_8) ||
                (key >= Qt::Key_Left && key <= Qt::Key_Down) || key == Qt::Key_Home ||
                key == Qt::Key_End || key == Qt::Key_Space || key == Qt::Key_Return ||
                key == Qt::Key_Enter;
            QVERIFY2(!boardKey, qPrintable(text + " is the board's"));
        };
        for (const QShortcut* shortcut : form.findChildren<QShortcut*>())
            claim(shortcut->key(), shortcut->whatsThis());
        for (const QAction* action : form.findChildren<QAction*>())
            for (const QKeySequence& keys : action->shortcuts()) claim(keys, action->text());
    }

    // The side panel's buttons by keyboard. Catches a key wired to the wrong button, one that
    // works while its button is hidden, and one that takes the keyboard from the board.
    void eachSidePanelButtonHasAKeyThatClicksIt() {
        auto form = openedForm();
        QVERIFY(form);
        BoardImage* board = boardOf(*form);
        const GameState& state = form->game().state();
        const auto press = [&](Qt::Key key, Qt::KeyboardModifiers with = Qt::ControlModifier) {
            QTest::keyClick(form.get(), key, with);
        };
        const int easy = state.EasyLevel;
        press(Qt::Key_E);  // the level button is hidden in a two-player game
        QCOMPARE(state.EasyLevel, easy);
        press(Qt::Key_P);
        QCOMPARE(state.PlayerCount, 1);
        QCOMPARE(control<QToolButton>(*form, "Players")->text(), QString("1 Player"));
        press(Qt::Key_E);
        QCOMPARE(control<QToolButton>(*form, "EasyButton")->text(), QString("Hard"));
        QVERIFY(state.EasyLevel != easy);
        press(Qt::Key_P);
        QCOMPARE(state.PlayerCount, 2);
        QTest::keyClicks(board, "e3");
        QTest::keyClick(board, Qt::Key_Return);
        press(Qt::Key_F);
        QVERIFY(state.over());
        QCOMPARE(QApplication::focusWidget(), board);
        press(Qt::Key_O, Qt::ControlModifier | Qt::ShiftModifier);
        QVERIFY(control(*form, "OptionPanel")->isVisible());
    }

    // Catches Escape doing nothing, closing the panel behind instead of the one in front,
    // leaving the keyboard in a closed panel, and closing the options without taking the
    // response time typed into them.
    void escapeClosesTheRulesAndOptionsPanelsFrontOneFirst() {
        auto form = openedForm();
        QVERIFY(form);
        BoardImage* board = boardOf(*form);
        QWidget* rules = control(*form, "RulesPanel");
        QWidget* options = control(*form, "OptionPanel");
        QTest::keyClick(form.get(), Qt::Key_Escape);  // nothing open: nothing happens
        QVERIFY(!rules->isVisible() && !options->isVisible());

        QTest::keyClick(form.get(), Qt::Key_F1);
        QVERIFY(rules->isVisible());
        QTest::keyClick(form.get(), Qt::Key_Escape);
        QVERIFY(!rules->isVisible());
        QCOMPARE(QApplication::focusWidget(), board);

        QTest::keyClick(form.get(), Qt::Key_O, Qt::ControlModifier | Qt::ShiftModifier);
        auto* response = control<QLineEdit>(*form, "responseedit");
        response->setFocus();
        response->selectAll();
        QTest::keyClicks(response, "250");
        QTest::keyClick(response, Qt::Key_Escape);
        QVERIFY(!options->isVisible());
        QCOMPARE(QApplication::focusWidget(), board);
        QCOMPARE(control<QTimer>(*form, "Playerdelay")->interval(), 250);

        QTest::keyClick(form.get(), Qt::Key_O, Qt::ControlModifier | Qt::ShiftModifier);
        QTest::keyClick(form.get(), Qt::Key_F1);  // the rules come in front of the options
        QTest::keyClick(form.get(), Qt::Key_Escape);
        QVERIFY(!rules->isVisible());
        QVERIFY(options->isVisible());
        QTest::keyClick(form.get(), Qt::Key_Escape);
        QVERIFY(!options->isVisible());

        QTest::keyClick(form.get(), Qt::Key_F1);
        QTest::keyClick(form.get(), Qt::Key_O, Qt::ControlModifier | Qt::ShiftModifier);
        QTest::keyClick(form.get(), Qt::Key_Escape);  // the options came in front
        QVERIFY(!options->isVisible());
        QVERIFY(rules->isVisible());
    }

    // Catches Game ▸ Keys opening nothing or a part of the list, and a window that Escape
    // leaves open.
    void gameKeysShowsTheListInAWindowOfItsOwn() {
        auto form = openedForm();
        QVERIFY(form);
        QMenu* game = control<QMenu>(*form, "GameMenu");
        QCOMPARE(game->actions().last(), control<QAction>(*form, "ShowKeys"));
        game->actions().last()->trigger();
        auto* window = control<QDialog>(*form, "KeysWindow");
        QVERIFY(QTest::qWaitForWindowExposed(window));
        const auto* table = control<QTableWidget>(*form, "KeysTable");
        const QList<KeyEntry> keys = keyList(*form);
        QCOMPARE(table->rowCount(), keys.size());
        QCOMPARE(table->item(keys.size() - 1, 2)->text(), keys.last().what);
        QTest::keyClick(window, Qt::Key_Escape);
        QVERIFY(!window->isVisible());
    }

    void controlsHaveAccessibleNamesAndDescriptions() {
        TMarvaneForm form;
        auto name = [](QWidget* w) {
            return QAccessible::queryAccessibleInterface(w)->text(QAccessible::Name);
        };
        auto description = [](QWidget* w) {
            return QAccessible::queryAccessibleInterface(w)->text(QAccessible::Description);
        };
        QCOMPARE(name(control(form, "FinishButton")), QString("finish"));
        QCOMPARE(description(control(form, "FinishButton")), QString("Who won ?"));
        QCOMPARE(name(control(form, "Sound")), QString("Sound effects"));
        QCOMPARE(description(control(form, "Sound")), QString("Turn sound effects On or Off"));
        QCOMPARE(name(control(form, "GoBox")), QString("To play"));
        QCOMPARE(name(control(form, "Response")), QString("Response time"));
        QCOMPARE(QAccessible::queryAccessibleInterface(boardOf(form))->role(), QAccessible::Table);
    }

    void theBoardIsATableOfSquaresThatFollowsTheGame() {
        auto form = openedForm();
        QVERIFY(form);
        QAccessibleInterface* board = QAccessible::queryAccessibleInterface(boardOf(*form));
        QAccessibleTableInterface* table = board->tableInterface();
        QVERIFY(table);
        QCOMPARE(table->rowCount(), 8);
        QCOMPARE(board->childCount(), 64);
        auto cell = [&](int row, int column) {
            return table->cellAt(row - 1, column - 1)->text(QAccessible::Name);
        };
        QCOMPARE(cell(4, 5), QString("row 4, column 5: Black"));
        QCOMPARE(cell(4, 6), QString("row 4, column 6: empty"));
        QCOMPARE(board->indexOfChild(table->cellAt(3, 5)), 3 * 8 + 5);
        pressSquare(*form, 4, 6);  // captures (4,5)
        QCOMPARE(cell(4, 5), QString("row 4, column 5: White"));
        QCOMPARE(cell(4, 6), QString("row 4, column 6: White"));
    }

    void theTurnLineAndTheResultAreAnnouncedWhenTheyChange() {
        auto form = openedForm();
        QVERIFY(form);
        auto listener = std::make_unique<AccessibleEventListener>(form.get(), recordEvent);
        pressSquare(*form, 3, 5);
        control<QToolButton>(*form, "FinishButton")->click();
        listener.reset();
        int goBox = 0, message = 0, squares = 0;
        for (QAccessibleEvent* e : std::as_const(seenEvents)) {
            goBox += e->object() == control(*form, "GoBox") && e->type() == QAccessible::Alert;
            message +=
                e->object() == control(*form, "MessageBox") && e->type() == QAccessible::Alert;
            squares += e->object() == boardOf(*form) && e->type() == QAccessible::NameChanged;
        }
        qDeleteAll(seenEvents);
        seenEvents.clear();
        QCOMPARE(goBox, 1);    // "White" to "Black"
        QCOMPARE(message, 1);  // the result
        QCOMPARE(squares, 2);  // the captured counter and the new one
    }
};

QTEST_MAIN(KeyboardTest)
#include "tst_keyboard.moc"
