// SPDX-License-Identifier: GPL-3.0-or-later
// The game record in the real window: a game saved and opened again, the move list stepping the
// board, and the list following Autoplay.
#include <QAction>
#include <QCheckBox>
#include <QFileDialog>
#include <QFileInfo>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMessageBox>
#include <QTemporaryDir>
#include <QTimer>
#include <QToolButton>
#include <QtTest>
#include <optional>
#include <random>
#include <utility>

#include "tests/window/formdriver.h"
#include "window/boardimage.h"
#include "window/marvaneform.h"
#include "window/movelist.h"

using namespace marvane;
using namespace marvane::test;

namespace {

// Everything a person sees of the game: the board as painted, every box, the turn box.
QStringList viewOf(const TMarvaneForm& form) {
    QStringList view;
    const auto& board = *control<BoardImage>(form, "Image3");
    QString squares;
    for (int row = 1; row <= 8; ++row)
        for (int column = 1; column <= 8; ++column)
            squares += QChar('0' + board.shownColour(row, column));
    view << squares;
    for (const char* box :
         {"MessageBox", "GoBox", "MoveBox", "WhiteScore", "BlackScore", "remain", "Edit3"})
        view << QString("%1=%2").arg(box, textOf(form, box));
    for (const char* label : {"C1Lab", "c2lab"}) view << control<QLabel>(form, label)->text();
    view << (control(form, "GoBox")->isHidden() ? "turn hidden" : "turn shown");
    return view;
}

// Two people at the mouse.
std::unique_ptr<TMarvaneForm> twoPlayerForm() {
    auto form = startedForm();
    if (!form) return nullptr;
    control<QCheckBox>(*form, "Sound")->setChecked(false);
    if (form->game().state().PlayerCount != 2)
        QTest::mouseClick(control<QToolButton>(*form, "Players"), Qt::LeftButton);
    return form;
}

// Presses `count` random legal squares, keeping the view after each move; stops early if the
// game ends.
std::vector<QStringList> playRandomly(TMarvaneForm& form, int count, unsigned seed) {
    std::mt19937 random(seed);
    std::vector<QStringList> views{viewOf(form)};
    for (int move = 0; move < count; ++move) {
        const auto legal = form.game().legalSquares();
        if (legal.empty()) break;
        const Square square = legal[random() % legal.size()];
        pressSquare(form, square.row, square.column);
        views.push_back(viewOf(form));
    }
    return views;
}

// Answers the file dialog the action opens with `path`. Returns what a message box said after
// it (a refusal), empty when none came.
QString triggerWithFile(TMarvaneForm& form, const char* action, const QString& path) {
    answerNextModal([path](QWidget* modal) {
        auto* dialog = qobject_cast<QFileDialog*>(modal);
        if (!dialog) return;
        // Typed into the file name box, as a user would, then the dialog's own button.
        if (auto* edit = dialog->findChild<QLineEdit*>("fileNameEdit")) edit->setText(path);
        static_cast<QDialog*>(dialog)->accept();
    });
    QString said;
    QTimer boxes;
    QObject::connect(&boxes, &QTimer::timeout, [&said] {
        if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
            said = box->text();
            box->reject();
        }
    });
    boxes.start(10);
    control<QAction>(form, action)->trigger();
    return said;
}

MoveList* openedList(TMarvaneForm& form) {
    control<QAction>(form, "ShowMoveList")->trigger();
    return form.findChild<MoveList*>("MoveList");
}

}  // namespace

class GameRecordTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() {
        QVERIFY(scratch.isValid());
        qputenv("XDG_CONFIG_HOME", scratch.filePath("config").toLocal8Bit());
    }

    void aGameSavedAndOpenedInAnotherWindowShowsWhatWasLeft_data() {
        QTest::addColumn<int>("moves");
        QTest::addColumn<bool>("finished");
        QTest::newRow("move 20") << 20 << false;
        QTest::newRow("finished at move 31") << 31 << true;
        QTest::newRow("played out") << 60 << false;
    }

    void aGameSavedAndOpenedInAnotherWindowShowsWhatWasLeft() {
        QFETCH(int, moves);
        QFETCH(bool, finished);
        const QString file = scratch.filePath(QString("game-%1.txt").arg(moves));
        QStringList left;
        {
            auto form = twoPlayerForm();
            QVERIFY(form);
            playRandomly(*form, moves, 7 + moves);
            if (finished)
                QTest::mouseClick(control<QToolButton>(*form, "FinishButton"), Qt::LeftButton);
            left = viewOf(*form);
            QCOMPARE(triggerWithFile(*form, "SaveGame", file), QString());
            QVERIFY(QFileInfo::exists(file));
        }
        auto form = startedForm();
        QVERIFY(form);
        control<QCheckBox>(*form, "Sound")->setChecked(false);
        QCOMPARE(triggerWithFile(*form, "OpenGame", file), QString());
        QCOMPARE(viewOf(*form), left);
        QCOMPARE(form->game().state().PlayerCount, 2);
    }

    // The colours saved with the options are the player's scheme: a game opened in other colours
    // is shown in them without replacing the scheme.
    void openingAGameInOtherColoursKeepsTheSavedScheme() {
        std::optional<Options> saved;
        auto form =
            startedForm(SettingsStore{[](Options&) {}, [&](const Options& o) { saved = o; }});
        QVERIFY(form);
        control<QCheckBox>(*form, "Sound")->setChecked(false);
        const QString file = scratch.filePath("red-green.txt");
        QFile record(file);
        QVERIFY(record.open(QIODevice::WriteOnly));
        record.write("[Colours \"Red Green\"]\n\ne3\n");
        record.close();
        QCOMPARE(triggerWithFile(*form, "OpenGame", file), QString());
        QCOMPARE(control<QLabel>(*form, "C1Lab")->text(), QString("Red"));
        form->close();
        QVERIFY(saved);
        QCOMPARE(std::pair(saved->c1, saved->c2), std::pair(1, 2));
    }

    void steppingInTheListShowsThePositionAfterThatMoveAndPlayingOnDropsTheRest() {
        auto form = twoPlayerForm();
        QVERIFY(form);
        const auto views = playRandomly(*form, 12, 3);
        QCOMPARE(views.size(), std::size_t(13));
        MoveList* list = openedList(*form);
        QVERIFY(list && list->isVisible());
        QCOMPARE(list->rowCount(), 13);  // "Start" and twelve moves
        QCOMPARE(list->current(), 12);

        for (int row : {7, 0, 12, 3}) {
            list->list()->setCurrentRow(row);
            QTRY_COMPARE(viewOf(*form), views[row]);
            QCOMPARE(list->current(), row);
        }
        // Redo agrees with the list, and its keys work from the list's window too.
        QVERIFY(QTest::qWaitForWindowActive(list));
        QTest::keyClick(list->list(), Qt::Key_Y, Qt::ControlModifier);
        QTRY_COMPARE(viewOf(*form), views[4]);
        QTRY_COMPARE(list->current(), 4);

        // A move from move 4 replaces moves 5 to 12.
        playRandomly(*form, 1, 99);
        QTRY_COMPARE(list->rowCount(), 6);
        QCOMPARE(list->current(), 5);
        QVERIFY(!control<QAction>(*form, "RedoMove")->isEnabled());
    }

    void theListFollowsAutoplayAndStepsNothingWhileItRuns() {
        auto form = twoPlayerForm();
        QVERIFY(form);
        MoveList* list = openedList(*form);
        QVERIFY(list);
        control<QTimer>(*form, "Playerdelay")->setInterval(5);
        int rowsSeen = 0;
        bool steppingWhileRunning = true;
        QTimer::singleShot(80, form.get(), [&] {
            rowsSeen = list->rowCount();
            steppingWhileRunning = list->steppingEnabled();
            list->list()->setCurrentRow(0);  // asks for the start; Autoplay goes on
        });
        control<QAction>(*form, "Autoplay")->trigger();
        QVERIFY(rowsSeen > 1);
        QVERIFY(!steppingWhileRunning);
        const int made = form->game().state().MovesMade;
        QVERIFY(made > 0);
        QTRY_COMPARE(list->rowCount(), made + 1);
        QCOMPARE(list->current(), made);
        QTRY_VERIFY(list->steppingEnabled());
    }

private:
    QTemporaryDir scratch;
};

QTEST_MAIN(GameRecordTest)
#include "tst_gamerecord.moc"
