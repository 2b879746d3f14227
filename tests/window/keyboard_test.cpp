// Playing without a mouse, and what assistive technology sees of the window.
#include <QAccessible>
#include <QCheckBox>
#include <QLineEdit>
#include <QShortcut>
#include <QSpinBox>
#include <QToolButton>
#include <QtTest>

#include "tests/window/modal.h"
#include "window/boardaccessible.h"
#include "window/boardimage.h"
#include "window/marvaneform.h"

using namespace marvane;
using namespace marvane::test;

namespace {

// The window, with the sound requests written down instead of played.
class RecordingForm : public TMarvaneForm {
public:
    QStringList sounds;
    void requestSound(marvane::Sound sound) override {
        static const char* names[] = {"OK", "Full", "Bad", "Won"};
        sounds << names[static_cast<int>(sound)];
    }
};

std::unique_ptr<RecordingForm> openedForm() {
    auto form = std::make_unique<RecordingForm>();
    answerNextModal([](QWidget*) {});  // no sound files beside the test: Cancel the prompt
    form->show();
    if (!QTest::qWaitFor([&] { return form->MessageBox->text() == "Position Your Piece"; })) {
        qWarning("the first game did not start");
        return nullptr;
    }
    form->activateWindow();  // the closed prompt may leave no window active
    if (!QTest::qWaitForWindowActive(form.get())) return nullptr;
    form->sounds.clear();
    return form;
}

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
        QCOMPARE(QApplication::focusWidget(), form->Image3);
        QVERIFY(form->Image3->focusPolicy() & Qt::TabFocus);
        form->Showrules();  // the options panel's controls come after the board
        QWidget* next = form->Image3->nextInFocusChain();
        while (next != form->Image3 && !(next->isVisible() && (next->focusPolicy() & Qt::TabFocus)))
            next = next->nextInFocusChain();
        QVERIFY(next == form->Image3 || form->OptionPanel->isAncestorOf(next));
    }

    void arrowsHomeEndAndLetterDigitMoveTheFocusSquare() {
        auto form = openedForm();
        QVERIFY(form);
        BoardImage* board = form->Image3;
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
        BoardImage* board = form->Image3;
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
        QCOMPARE(form->sounds, (QStringList{"Bad", "OK"}));
        QTest::mousePress(board, Qt::LeftButton, {}, QPoint(3, 3));  // between squares: stays
        QCOMPARE(std::make_pair(board->focusRow(), board->focusColumn()), std::make_pair(3, 5));

        QTest::keyClick(board, Qt::Key_Down);  // the next key starts from the pressed square
        QVERIFY(around(4, 5).contains(dashedSquare()));
        QTest::mousePress(board, Qt::LeftButton, {}, QPoint(90, 350));
        QTest::keyClicks(board, "b");  // a letter alone shows it too
        QVERIFY(around(7, 2).contains(dashedSquare()));

        // Only while the board has the focus; Tab back into it shows it, a click does not.
        form->Edit3->setFocus();
        QVERIFY(dashedSquare().isNull());
        board->setFocus(Qt::TabFocusReason);
        QVERIFY(around(7, 2).contains(dashedSquare()));
        form->Edit3->setFocus();
        QTest::mouseClick(board, Qt::LeftButton, {}, QPoint(3, 3));
        QCOMPARE(QApplication::focusWidget(), board);
        QVERIFY(dashedSquare().isNull());
        QCOMPARE(form->game().state().MovesMade, 1);  // no key played anything
    }

    void spaceOrEnterPlayTheFocusSquareLikeAClick() {
        auto form = openedForm();
        QVERIFY(form);
        QTest::keyClicks(form->Image3, "e3");
        QTest::keyClick(form->Image3, Qt::Key_Return);
        QCOMPARE(form->game().board(3, 5), 1);
        QCOMPARE(form->sounds, QStringList{"OK"});
        form->sounds.clear();
        QTest::keyClick(form->Image3, Qt::Key_Space);  // now occupied
        QCOMPARE(form->sounds, (QStringList{"Full", "Bad"}));
        form->sounds.clear();
        QTest::keyClicks(form->Image3, "a1");
        QTest::keyClick(form->Image3, Qt::Key_Enter);
        QCOMPARE(form->sounds, QStringList{"Bad"});
        QCOMPARE(form->game().state().MovesMade, 1);
    }

    void keysDoNothingWhileAMoveIsWorkedOut() {
        auto form = openedForm();
        QVERIFY(form);
        QTimer::singleShot(0, form.get(), [&] {
            QVERIFY(form->game().moveInProgress());
            QTest::keyClick(form->Image3, Qt::Key_Down);
            QTest::keyClick(form->Image3, Qt::Key_Return);
        });
        form->Image3MouseDown(240, 140);  // (3,5)
        QCOMPARE(form->Image3->focusRow(), 4);
        QCOMPARE(form->game().state().MovesMade, 1);
        QCOMPARE(form->sounds, QStringList{"OK"});
    }

    void shortcutsWorkWithTheMenuBarHidden() {
        auto form = openedForm();
        QVERIFY(form);
        QVERIFY(!form->Autoplay->isVisible());
        form->Image3MouseDown(240, 140);
        QCOMPARE(form->game().state().MovesMade, 1);
        QTest::keyClick(form.get(), Qt::Key_N, Qt::ControlModifier);
        QCOMPARE(form->game().state().MovesMade, 0);
        QTest::keyClick(form.get(), Qt::Key_F1);
        QVERIFY(!form->RulesPanel->isHidden());
        form->QuitRulesClick();
        QTest::keyClick(form.get(), Qt::Key_Q, Qt::ControlModifier);
        QVERIFY(!form->isVisible());
    }

    void theRulesPanelDescriptionListsEveryKeyTheWindowAnswers() {
        RecordingForm form;
        const QString text =
            QAccessible::queryAccessibleInterface(form.RulesPanel)->text(QAccessible::Description);
        QStringList keys = {"arrow keys", "Home",  "End", "a to h", "1 to 8",
                            "Space",      "Enter", "Tab", "Alt"};
        const auto shortcuts = form.findChildren<QShortcut*>();
        QVERIFY(shortcuts.size() >= 3);
        for (const QShortcut* shortcut : shortcuts)
            keys << shortcut->key().toString(QKeySequence::NativeText);
        for (const QAction* action : form.findChildren<QAction*>())
            for (const QKeySequence& sequence : action->shortcuts())
                keys << sequence.toString(QKeySequence::NativeText);
        for (const QString& key : std::as_const(keys))
            QVERIFY2(text.contains(key), qPrintable("not listed: " + key));
    }

    void controlsHaveAccessibleNamesAndDescriptions() {
        RecordingForm form;
        auto name = [](QWidget* w) {
            return QAccessible::queryAccessibleInterface(w)->text(QAccessible::Name);
        };
        auto description = [](QWidget* w) {
            return QAccessible::queryAccessibleInterface(w)->text(QAccessible::Description);
        };
        QCOMPARE(name(form.FinishButton), QString("finish"));
        QCOMPARE(description(form.FinishButton), QString("Who won ?"));
        QCOMPARE(name(form.Sound), QString("Sound effects"));
        QCOMPARE(description(form.Sound), QString("Turn sound effects On or Off"));
        QCOMPARE(name(form.GoBox), QString("To play"));
        QCOMPARE(name(static_cast<QWidget*>(form.Response)), QString("Response time"));
        QCOMPARE(QAccessible::queryAccessibleInterface(form.Image3)->role(), QAccessible::Table);
    }

    void theBoardIsATableOfSquaresThatFollowsTheGame() {
        auto form = openedForm();
        QVERIFY(form);
        QAccessibleInterface* board = QAccessible::queryAccessibleInterface(form->Image3);
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
        form->Image3MouseDown(270 + 20, 168 + 20);  // (4,6) captures (4,5)
        QCOMPARE(cell(4, 5), QString("row 4, column 5: White"));
        QCOMPARE(cell(4, 6), QString("row 4, column 6: White"));
    }

    void theTurnLineAndTheResultAreAnnouncedWhenTheyChange() {
        auto form = openedForm();
        QVERIFY(form);
        auto previous = setAccessibleEventSink(recordEvent);
        form->Image3MouseDown(240, 140);
        form->FinishButtonClick();
        setAccessibleEventSink(previous);
        int goBox = 0, message = 0, squares = 0;
        for (QAccessibleEvent* e : std::as_const(seenEvents)) {
            goBox += e->object() == form->GoBox && e->type() == QAccessible::Alert;
            message += e->object() == form->MessageBox && e->type() == QAccessible::Alert;
            squares += e->object() == form->Image3 && e->type() == QAccessible::NameChanged;
        }
        qDeleteAll(seenEvents);
        seenEvents.clear();
        QCOMPARE(goBox, 1);    // "White" to "Black"
        QCOMPARE(message, 1);  // the result
        QCOMPARE(squares, 2);  // the captured counter and the new one
    }
};

QTEST_MAIN(KeyboardTest)
#include "keyboard_test.moc"
