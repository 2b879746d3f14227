// SPDX-License-Identifier: GPL-3.0-or-later
// The move list on its own: what it shows, and what it asks of its owner.
#include "window/movelist.h"

#include <QAccessible>
#include <QLabel>
#include <QListWidget>
#include <QSignalSpy>
#include <QtTest>
#include <vector>

using namespace marvane;

namespace {

const std::vector<Square> kMoves = {{3, 5}, {3, 6}, {4, 6}, {5, 6}, {6, 4}};

}  // namespace

class MoveListTest : public QObject {
    Q_OBJECT

private:
    // A list showing kMoves with `current` made, that steps as its owner would: by showing the
    // chosen position.
    std::unique_ptr<MoveList> stepping(int current, QList<int>* asked) {
        auto list = std::make_unique<MoveList>(nullptr);
        list->setMoves(kMoves, current, "White", "Black");
        connect(list.get(), &MoveList::stepRequested, list.get(),
                [raw = list.get(), asked](int movesMade) {
                    asked->append(movesMade);
                    if (raw->steppingEnabled()) raw->setMoves(kMoves, movesMade, "White", "Black");
                });
        list->show();
        list->activateWindow();
        list->list()->setFocus();
        return list;
    }

private slots:
    void rowsNameTheMoveTheSideAndTheSquare() {
        MoveList list(nullptr);
        list.setMoves(kMoves, 3, "Red", "Green");
        QCOMPARE(list.rowCount(), 6);
        QCOMPARE(list.rowText(0), "Start");
        QCOMPARE(list.rowText(1), "1. Red e3");
        QCOMPARE(list.rowText(2), "2. Green f3");
        QCOMPARE(list.rowText(5), "5. Red d6");
        QCOMPARE(list.list()->currentRow(), 3);
        QCOMPARE(list.list()->selectedItems().size(), 1);
        // Screen readers hear which moves are taken back.
        QCOMPARE(list.list()->item(3)->data(Qt::AccessibleTextRole).toString(), "3. Red f4");
        QCOMPARE(list.list()->item(4)->data(Qt::AccessibleTextRole).toString(),
                 "4. Green f5, taken back");
        QCOMPARE(list.list()->accessibleName(), "Moves");
        QCOMPARE(list.windowTitle(), "Move List");
    }

    void showingMovesNeverAsksForAStep() {
        MoveList list(nullptr);
        QSignalSpy asked(&list, &MoveList::stepRequested);
        list.setMoves(kMoves, 5, "White", "Black");
        list.setMoves(kMoves, 2, "White", "Black");
        list.setMoves(std::span(kMoves).first(2), 2, "White", "Black");  // a new second move
        QCOMPARE(asked.count(), 0);
        QCOMPARE(list.rowCount(), 3);
        QCOMPARE(list.list()->currentRow(), 2);
    }

    void upDownHomeAndEndStepThroughTheGame() {
        QList<int> asked;
        auto list = stepping(3, &asked);
        QVERIFY(QTest::qWaitForWindowActive(list.get()));
        QTest::keyClick(list->list(), Qt::Key_Up);
        QTest::keyClick(list->list(), Qt::Key_Up);
        QTest::keyClick(list->list(), Qt::Key_Down);
        QTest::keyClick(list->list(), Qt::Key_Home);
        QTest::keyClick(list->list(), Qt::Key_End);
        QTest::keyClick(list->list(), Qt::Key_Down);  // already at the last move
        QCOMPARE(asked, (QList<int>{2, 1, 2, 0, 5}));
        QCOMPARE(list->current(), 5);
    }

    void clickingARowStepsToIt() {
        QList<int> asked;
        auto list = stepping(5, &asked);
        QListWidget* view = list->list();
        QTest::mouseClick(view->viewport(), Qt::LeftButton, {},
                          view->visualItemRect(view->item(2)).center());
        QCOMPARE(asked, QList<int>{2});
        QCOMPARE(view->currentRow(), 2);
    }

    void whileSteppingIsOffTheListFollowsButAsksNothing() {
        QList<int> asked;
        auto list = stepping(3, &asked);
        list->setSteppingEnabled(false);
        QVERIFY(list->findChild<QLabel*>("steppingNote")->isVisible());
        QTest::keyClick(list->list(), Qt::Key_Home);
        QListWidget* view = list->list();
        QTest::mouseClick(view->viewport(), Qt::LeftButton, {},
                          view->visualItemRect(view->item(5)).center());
        QVERIFY(asked.isEmpty());
        QCOMPARE(view->currentRow(), 3);
        list->setMoves(kMoves, 4, "White", "Black");  // the game goes on
        QCOMPARE(view->currentRow(), 4);

        list->setSteppingEnabled(true);
        QVERIFY(!list->findChild<QLabel*>("steppingNote")->isVisible());
        QTest::keyClick(list->list(), Qt::Key_Home);
        QCOMPARE(asked, QList<int>{0});
    }

    void aStepTheOwnerPutsOffLeavesTheCurrentPositionSelected() {
        MoveList list(nullptr);
        list.setMoves(kMoves, 4, "White", "Black");
        QSignalSpy asked(&list, &MoveList::stepRequested);
        list.list()->setCurrentRow(1);
        QCOMPARE(asked.count(), 1);
        QCOMPARE(list.list()->currentRow(), 4);
    }

    void escapeClosesTheWindow() {
        QList<int> asked;
        auto list = stepping(2, &asked);
        QVERIFY(QTest::qWaitForWindowExposed(list.get()));
        QTest::keyClick(list->list(), Qt::Key_Escape);
        QVERIFY(!list->isVisible());
    }

    void opensBesideTheMainWindowWhereTheScreenHasRoom() {
        QWidget main;
        main.setGeometry(20, 30, 300, 200);
        main.show();
        MoveList list(&main);
        list.placeBeside(&main);
        QVERIFY(list.pos().x() > main.frameGeometry().right());
        QCOMPARE(list.pos().y(), main.frameGeometry().top());

        const QRect room = main.screen()->availableGeometry();
        main.move(room.right() - main.frameGeometry().width() + 1, 30);
        list.placeBeside(&main);
        QVERIFY(list.pos().x() + list.frameGeometry().width() <= main.frameGeometry().left());
    }
};

QTEST_MAIN(MoveListTest)
#include "tst_movelist.moc"
