// SPDX-License-Identifier: GPL-3.0-or-later
#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPainter>
#include <QSpinBox>
#include <QStatusBar>
#include <QTimer>
#include <QToolButton>
#include <QtTest>

#include "tests/window/formdriver.h"
#include "tests/window/modal.h"
#include "window/art/boardpicture.h"
#include "window/art/buttonart.h"
#include "window/common/programfiles.h"
#include "window/marvaneform.h"

using namespace marvane;
using namespace marvane::test;

namespace {

// A settings store that lives in memory and counts its uses.
struct MemoryStore {
    Options stored;
    int saves = 0;
    bool failLoadAfterSound = false;
    bool failSave = false;
    std::function<void()> onSave;
    SettingsStore hooks() {
        return {[this](Options& into) {
                    into.sound = stored.sound;
                    if (failLoadAfterSound)
                        throw std::runtime_error("Invalid data type for 'Menu'");
                    into = stored;
                },
                [this](const Options& options) {
                    if (onSave) onSave();
                    if (failSave) throw std::runtime_error("Failed to set data for 'Sound'");
                    stored = options;
                    ++saves;
                }};
    }
};

QToolButton* button(const QObject& form, const char* name) {
    return control<QToolButton>(form, name);
}
QAction* item(const QObject& form, const char* name) { return control<QAction>(form, name); }
QCheckBox* checkBox(const QObject& form, const char* name) {
    return control<QCheckBox>(form, name);
}
bool menuShown(const QObject& form, const char* name) {
    return control<QMenu>(form, name)->menuAction()->isVisible();
}
int responseDelay(const QObject& form) { return control<QTimer>(form, "Playerdelay")->interval(); }

// The colour the board picture shows in the middle of a square.
QColor shownOn(const QObject& form, int row, int column) {
    const QImage shot = control(form, "Image3")->grab().toImage();
    return shot.pixelColor(BoardPicture::counterBox(row, column).center() +
                           BoardPicture::kPictureOffset);
}

// Where the players button shows its picture, from the button's left edge: the x at which its
// picture, drawn over the window's black, appears in the button's place (-1: nowhere); and the
// first column of the caption's ink to the right of it.
std::pair<int, int> playersPictureAndCaption(const QObject& form) {
    QToolButton* players = button(form, "Players");
    QImage shot(players->size(), QImage::Format_RGB32);
    shot.fill(Qt::black);
    players->render(&shot);
    QImage picture(players->iconSize(), QImage::Format_RGB32);
    picture.fill(Qt::black);
    QPainter(&picture).drawPixmap(0, 0, players->icon().pixmap(players->iconSize()));
    int left = -1;
    for (int y = 0; left < 0 && y + picture.height() <= shot.height(); ++y)
        for (int x = 0; left < 0 && x + picture.width() <= shot.width(); ++x)
            if (shot.copy(x, y, picture.width(), picture.height()) == picture) left = x;
    if (left < 0) return {-1, -1};
    for (int x = left + picture.width(); x < shot.width(); ++x)
        for (int y = 0; y < shot.height(); ++y)
            if (shot.pixel(x, y) != qRgb(0, 0, 0)) return {left, x};
    return {left, -1};
}

// Closes the options panel with its "Return to Marvane" button, which applies the options.
// Opens the options panel, as a user must to reach its controls, and returns from it.
void returnFromOptions(const QObject& form) {
    button(form, "Options")->click();
    button(form, "SpeedButton5")->click();
}

}  // namespace

class FormTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { QApplication::setApplicationName("Marvane"); }

    // Every control is found by its layout name, where the layout puts it, with its own texts.
    void controlsCarryTheirLayoutNamesPlacesAndTexts() {
        TMarvaneForm form;
        QCOMPARE(form.windowTitle(), QString("Marvane by CORVATH"));
        const struct {
            const char* name;
            QRect geometry;
        } places[] = {{"Panel1", {8, 8, 425, 441}},     {"Image3", {4, 4, 417, 433}},
                      {"Label4", {520, 24, 153, 38}},   {"SpeedButton1", {480, 80, 100, 33}},
                      {"Players", {600, 200, 100, 33}}, {"MessageBox", {464, 288, 209, 30}},
                      {"Edit3", {688, 408, 33, 28}},    {"OptionPanel", {440, 8, 297, 441}}};
        for (const auto& place : places)
            QCOMPARE(control(form, place.name)->geometry(), place.geometry);
        // What the first view does not show is built only after its first frame.
        QVERIFY(!form.findChild<QWidget*>("RulesPanel"));
        QVERIFY(!form.findChild<QWidget*>("StatusBar"));

        QCOMPARE(button(form, "SpeedButton1")->toolTip(), QString("Leave  Marvane"));
        QCOMPARE(button(form, "FinishButton")->toolTip(), QString("Who won ?"));
        QCOMPARE(textOf(form, "MessageBox"), QString("Position your  piece"));
        QCOMPARE(textOf(form, "GoBox"), QString("Red"));
        QCOMPARE(button(form, "Players")->text(), QString("2 players"));
        QCOMPARE(checkBox(form, "Sound")->text(), QString("      Sound effects"));
        QCOMPARE(checkBox(form, "ShowStatus")->text(), QString("      Show Windows Status Bar"));
        QCOMPARE(item(form, "LeaveMarvane1")->text(), QString("Leave Marvane"));
        QCOMPARE(item(form, "aquayello")->text(), QString("Aqua..Yellow"));
        for (const char* name : {"MessageBox", "MoveBox", "remain"}) {
            auto* box = control<QLineEdit>(form, name);
            QVERIFY(box->isReadOnly() && !(box->focusPolicy() & Qt::TabFocus));
        }
        QVERIFY(!control<QLineEdit>(form, "Edit3")->isReadOnly());
    }

    void theRestOfTheWindowFollowsTheFirstFrameInItsPlaces() {
        auto form = startedForm();
        QVERIFY(form);
        const struct {
            const char* name;
            QRect geometry;
        } places[] = {{"RulesPanel", {440, 10, 297, 440}},
                      {"OptionPanel", {440, 8, 297, 441}},
                      {"SpeedButton5", {48, 376, 209, 41}},
                      {"Panel2", {88, 288, 233, 57}},
                      {"Label25", {72, 8, 190, 32}}};
        for (const auto& place : places)
            QCOMPARE(control(*form, place.name)->geometry(), place.geometry);
        QCOMPARE(control(*form, "Label21")->geometry().topLeft(), QPoint(24, 270));
        QVERIFY(control(*form, "Panel2")->isHidden());
        QVERIFY(control(*form, "RulesPanel")->isHidden() &&
                control(*form, "OptionPanel")->isHidden());
        QCOMPARE(control<QLabel>(*form, "Label11")->text(),
                 QString("White goes first, use the mouse to select a square "));
        QCOMPARE(control<QStatusBar>(*form, "StatusBar")->findChildren<QLabel*>().value(0)->text(),
                 QString("Marvane by CORVATH"));
        // The options panel lies in front of the rules panel, as when both were built at once.
        const QObjectList order = control(*form, "client")->children();
        QVERIFY(order.indexOf(control(*form, "RulesPanel")) <
                order.indexOf(control(*form, "OptionPanel")));
    }

    void startUpWithNothingStoredGivesTheDefaults() {
        MemoryStore store;
        auto form = startedForm(store.hooks());
        QVERIFY(form);
        QCOMPARE(button(*form, "Players")->text(), QString("2 Players"));
        QVERIFY(button(*form, "EasyButton")->isHidden());
        QVERIFY(control(*form, "StatusBar")->isHidden());
        QVERIFY(!item(*form, "Autoplay")->isVisible());
        QVERIFY(!menuShown(*form, "HelpMenu"));
        QCOMPARE(responseDelay(*form), 1000);
        QCOMPARE(textOf(*form, "GoBox"), QString("White"));
        QCOMPARE(textOf(*form, "remain"), QString("60"));
        QCOMPARE(shownOn(*form, 4, 4), QColor(Qt::white));
    }

    void theFirstFrameAlreadyShowsWhatTheStartUpHasDone() {
        // Sampled when the client area is painted for the first time.
        struct FirstPaint : QObject {
            const QObject* form = nullptr;
            bool seen = false;
            QString caption, players, message;
            bool statusShown = true, autoplayShown = true, promptOpen = false;
            bool eventFilter(QObject*, QEvent* event) override {
                if (event->type() != QEvent::Paint || seen) return false;
                seen = true;
                caption = static_cast<const QWidget*>(form)->windowTitle();
                players = button(*form, "Players")->text();
                auto* bar = form->findChild<QWidget*>("StatusBar");
                statusShown = bar && bar->isVisible();
                autoplayShown = item(*form, "Autoplay")->isVisible();
                promptOpen = QApplication::activeModalWidget() != nullptr;
                message = textOf(*form, "MessageBox");
                return false;
            }
        } first;
        MemoryStore store;
        TMarvaneForm form(store.hooks());
        first.form = &form;
        control(form, "client")->installEventFilter(&first);
        answerNextModal([](QWidget*) {});  // the sound files are missing here
        form.show();
        QTRY_VERIFY(first.seen);
        QVERIFY(first.caption.endsWith(" Version   by Corvath"));  // this test has no version
        QCOMPARE(first.players, QString("2 Players"));
        QVERIFY(!first.statusShown);
        QVERIFY(!first.autoplayShown);
        // The first game is already on it, and the prompt for the missing sounds follows it.
        QVERIFY(!first.promptOpen);
        QCOMPARE(first.message, QString("Position Your Piece"));
        QTRY_VERIFY(startedAndWhole(form));  // the prompt has come and been answered
    }

    void aStoreErrorAtStartUpIsShownAndTheGameStillStarts() {
        MemoryStore store;
        store.stored = {false, true, true, 300, 3, 4};
        store.failLoadAfterSound = true;
        TMarvaneForm form(store.hooks());
        SeenBox error;
        answerNextModal([&error](QWidget* modal) {
            if (auto* box = qobject_cast<QMessageBox*>(modal)) {
                error.title = box->windowTitle();
                error.text = box->text();
            }
            answerNextModal([](QWidget*) {});  // then the sound prompt
        });
        form.show();
        QTRY_COMPARE(textOf(form, "MessageBox"), QString("Position Your Piece"));
        QTRY_VERIFY(startedAndWhole(form));  // the boxes come once the first frame is out
        QCOMPARE(error.title, QString("Marvane"));
        QCOMPARE(error.text, QString("Invalid data type for 'Menu'."));
        QVERIFY(!checkBox(form, "Sound")->isChecked());     // read before the error
        QVERIFY(!checkBox(form, "ShowMenu")->isChecked());  // not read: its default
        QCOMPARE(control<QLabel>(form, "C1Lab")->text(), QString("White"));
        QCOMPARE(shownOn(form, 4, 4), QColor(Qt::white));
    }

    // Every option the table lists, each off its default, is shown by the one control the table
    // names and saved from it: a control renamed or missing would lose the option unnoticed.
    void everyOptionComesBackFromTheControlThatShowsIt() {
        MemoryStore store;
        for (const OptionRow& option : kOptionTable) {
            const int other = option.kind == OptionKind::Flag     ? !option.defaultValue
                              : option.kind == OptionKind::Colour ? option.defaultValue + 2
                                                                  : option.max;
            option.set(store.stored, other);
            QVERIFY(option.get(store.stored) != option.defaultValue);
        }
        auto form = startedForm(store.hooks());
        QVERIFY(form);
        for (const OptionRow& option : kOptionTable) {
            const QString name = QString::fromLatin1(option.control.data(), option.control.size());
            if (!name.isEmpty()) QCOMPARE(form->findChildren<QObject*>(name).size(), 1);
        }
        const Options loaded = store.stored;
        form->close();
        QCOMPARE(store.saves, 1);
        QVERIFY(store.stored == loaded);
    }

    void loadedOptionsAreKeptInRangeAndToPaintableColours() {
        const struct {
            Options stored;
            int response;
            int c1, c2;
            const char* firstColour;
        } cases[] = {{{true, false, false, 4464, 3, 4}, 4464, 3, 4, "Red"},
                     {{true, false, false, -5536, 3, 3}, 100, 1, 2, "White"},  // 60000, 16-bit
                     {{true, false, false, 30000, 9, 2}, 5000, 1, 2, "White"},
                     {{true, false, false, 300, 0, 2}, 300, 1, 2, "White"},
                     {{true, false, false, 300, 5, -1}, 300, 1, 2, "White"},
                     {{true, false, false, 300, 6, 1}, 300, 6, 1, "Yellow"}};
        for (const auto& loaded : cases) {
            MemoryStore store;
            store.stored = loaded.stored;
            auto form = startedForm(store.hooks());
            QVERIFY(form);
            QCOMPARE(control<QSpinBox>(*form, "Response")->value(), loaded.response);
            QCOMPARE(control<QLabel>(*form, "C1Lab")->text(), QString(loaded.firstColour));
            form->close();
            QCOMPARE(store.stored.c1, loaded.c1);
            QCOMPARE(store.stored.c2, loaded.c2);
        }
    }

    void playersToggleTwiceReturnsToWhereItWas() {
        MemoryStore store;
        auto form = startedForm(store.hooks());
        QVERIFY(form);
        QToolButton* players = button(*form, "Players");
        players->click();
        QCOMPARE(players->text(), QString("1 Player"));
        QVERIFY(!button(*form, "EasyButton")->isHidden());
        QCOMPARE(form->game().state().PlayerCount, 1);
        players->click();
        QCOMPARE(players->text(), QString("2 Players"));
        QVERIFY(button(*form, "EasyButton")->isHidden());
        QCOMPARE(form->game().state().PlayerCount, 2);
    }

    void titleIsPlainAndPlayersPictureKeepsItsMarginAndSpacing() {
        TMarvaneForm form;
        const QFont title = control<QLabel>(form, "Label4")->font();
        QCOMPARE(title.pixelSize(), 35);
        QVERIFY(!title.bold());
        // The picture sits 1 pixel inside the button's 1-pixel edge, the caption 5 pixels after
        // it (its ink may start a pixel later); also for a picture loaded beside the program.
        auto [picture, caption] = playersPictureAndCaption(form);
        QCOMPARE(picture, 2);
        QVERIFY2(caption - (picture + kGlyphSize) >= 5 && caption - (picture + kGlyphSize) <= 6,
                 qPrintable(QString("caption at %1").arg(caption)));

        const QString folder = programFolder() + "system";
        QVERIFY(QDir().mkpath(folder));
        QImage strip(2 * kGlyphSize, kGlyphSize, QImage::Format_RGB32);
        strip.fill(QColor(128, 128, 0));  // the bottom-left colour: transparent
        for (int y = 0; y < kGlyphSize - 1; ++y)
            for (int x = 0; x < kGlyphSize; ++x) strip.setPixel(x, y, qRgb(255, 0, 0));
        QVERIFY(strip.save(folder + "/oneplayer.bmp", "BMP"));
        // Before the start-up nobody plays yet: the first press makes it one player.
        button(form, "Players")->click();
        QDir(folder).removeRecursively();
        QCOMPARE(button(form, "Players")->text(), QString("1 Player"));
        std::tie(picture, caption) = playersPictureAndCaption(form);
        QCOMPARE(picture, 2);
        QVERIFY(caption - (picture + kGlyphSize) >= 5 && caption - (picture + kGlyphSize) <= 6);
    }

    void anUnreadablePlayersPictureIsReportedAndTheModeStillChanges() {
        MemoryStore store;
        auto form = startedForm(store.hooks());
        QVERIFY(form);
        const QString folder = programFolder() + "SYSTEM";
        QVERIFY(QDir().mkpath(folder));
        QFile bad(folder + "/OnePlayer.BMP");  // found whatever the letter case
        QVERIFY(bad.open(QIODevice::WriteOnly));
        bad.write("not a bitmap");
        bad.close();
        SeenBox error;
        recordNextMessageBox(&error);
        QMetaObject::invokeMethod(button(*form, "Players"), "click", Qt::DirectConnection);
        QDir(folder).removeRecursively();
        QCOMPARE(error.text, QString("Bitmap image is not valid."));
        QCOMPARE(button(*form, "Players")->text(), QString("1 Player"));
        QVERIFY(!button(*form, "EasyButton")->isHidden());
    }

    void optionsButtonOpensTheOptionsAndNeverTheRules() {
        TMarvaneForm form;
        button(form, "Options")->click();
        QVERIFY(!control(form, "OptionPanel")->isHidden());
        QVERIFY(control(form, "RulesPanel")->isHidden());
        returnFromOptions(form);
        QVERIFY(control(form, "OptionPanel")->isHidden());
        button(form, "SpeedButton3")->click();
        QVERIFY(!control(form, "RulesPanel")->isHidden());
        button(form, "QuitRules")->click();
        QVERIFY(control(form, "RulesPanel")->isHidden());
        item(form, "Rules1")->trigger();
        QVERIFY(!control(form, "RulesPanel")->isHidden());
    }

    void menuOptionControlsAllFourMenusAndHideMenuUnticksIt() {
        TMarvaneForm form;
        QCheckBox* showMenu = checkBox(form, "ShowMenu");
        showMenu->setChecked(true);
        returnFromOptions(form);
        QVERIFY(item(form, "Autoplay")->isVisible() && menuShown(form, "QuitMenu"));
        item(form, "HideMenu")->trigger();
        QVERIFY(!showMenu->isChecked());
        QVERIFY(!item(form, "Autoplay")->isVisible());
        for (const char* menu : {"QuitMenu", "HelpMenu", "OptionsMenu"})
            QVERIFY(!menuShown(form, menu));
        showMenu->setChecked(true);
        returnFromOptions(form);
        showMenu->setChecked(false);
        returnFromOptions(form);
        QVERIFY(!item(form, "Autoplay")->isVisible());
    }

    void statusMenuItemAndCheckBoxAlwaysAgree() {
        TMarvaneForm form;
        QCheckBox* showStatus = checkBox(form, "ShowStatus");
        QAction* showStatus1 = item(form, "ShowStatus1");
        showStatus->setChecked(true);
        returnFromOptions(form);
        QWidget* statusBar = control(form, "StatusBar");
        QVERIFY(showStatus1->isChecked() && !statusBar->isHidden());
        showStatus1->trigger();  // the menu item, as a click delivers it
        QVERIFY(!showStatus1->isChecked());
        QVERIFY(!showStatus->isChecked());
        QVERIFY(statusBar->isHidden());
        showStatus1->trigger();
        QVERIFY(showStatus1->isChecked() && showStatus->isChecked());
        QVERIFY(!statusBar->isHidden());
    }

    void responseWrapsAtBothEndsAndTypedTextCountsOnlyWhenValid() {
        TMarvaneForm form;
        auto* response = control<QSpinBox>(form, "Response");
        auto* edit = control<QLineEdit>(form, "responseedit");
        response->setValue(5000);
        response->stepUp();
        QCOMPARE(response->value(), 100);
        response->stepDown();
        QCOMPARE(response->value(), 5000);
        response->setValue(1200);
        QCOMPARE(edit->text(), QString("1200"));
        response->setValue(4990);
        QCOMPARE(edit->text(), QString("4990"));  // no thousands separator

        edit->setText("2500");
        returnFromOptions(form);
        QCOMPARE(responseDelay(form), 2500);
        for (const char* text : {"25x", "99999", "", "50"}) {
            edit->setText(text);
            returnFromOptions(form);
            QCOMPARE(responseDelay(form), 2500);
            QCOMPARE(edit->text(), QString("2500"));
        }
    }

    void colourSchemeSavesAtOnceAndStartsANewGameInItsColours() {
        MemoryStore store;
        auto form = startedForm(store.hooks());
        QVERIFY(form);
        pressSquare(*form, 3, 5);
        QCOMPARE(textOf(*form, "GoBox"), QString("Black"));
        item(*form, "redgreen")->trigger();
        QCOMPARE(store.saves, 1);
        QCOMPARE(store.stored.c1, 3);
        QCOMPARE(store.stored.c2, 4);
        QCOMPARE(textOf(*form, "MoveBox"), QString());  // a new game
        QCOMPARE(textOf(*form, "GoBox"), QString("Red"));
        QCOMPARE(control<QLabel>(*form, "c2lab")->text(), QString("Green"));
        QCOMPARE(shownOn(*form, 4, 4), QColor(255, 0, 0));
        QCOMPARE(shownOn(*form, 3, 5), QColor(0, 0, 255));
    }

    void anyMouseButtonPlaysAndPressesBetweenSquaresDoNothing() {
        MemoryStore store;
        auto form = startedForm(store.hooks());
        QVERIFY(form);
        pressSquare(*form, 3, 5, Qt::RightButton);
        QCOMPARE(shownOn(*form, 3, 5), QColor(Qt::white));
        QCOMPARE(textOf(*form, "MoveBox"), QString("0"));
        QTest::mousePress(control(*form, "Image3"), Qt::LeftButton, {}, QPoint(100, 378));
        QCOMPARE(textOf(*form, "MoveBox"), QString("0"));  // y = 378 lies in no row
        pressSquare(*form, 3, 4, Qt::MiddleButton);        // Black
        QCOMPARE(textOf(*form, "MoveBox"), QString("1"));
        QCOMPARE(shownOn(*form, 3, 4), QColor(Qt::black));
    }

    void finishAnnouncesAndHidesTheTurnBox() {
        MemoryStore store;
        auto form = startedForm(store.hooks());
        QVERIFY(form);
        button(*form, "FinishButton")->click();
        QCOMPARE(textOf(*form, "MessageBox"), QString("It's a Draw"));
        QVERIFY(control(*form, "GoBox")->isHidden());
        button(*form, "restart")->click();
        QVERIFY(!control(*form, "GoBox")->isHidden());
        QCOMPARE(textOf(*form, "MessageBox"), QString("Position Your Piece"));
    }

    void closingSavesWhatTheOptionsPanelShowsAndWaitsForAMoveInProgress() {
        MemoryStore store;
        auto form = startedForm(store.hooks());
        QVERIFY(form);
        button(*form, "Options")->click();
        checkBox(*form, "ShowStatus")->setChecked(true);
        control<QSpinBox>(*form, "Response")->setValue(2220);
        // A close that arrives while the move is being worked out waits for the move.
        bool closedDuringTheMove = true;
        store.onSave = [&] { closedDuringTheMove = form->game().moveInProgress(); };
        QTimer::singleShot(0, form.get(), [&] {
            QVERIFY(form->game().moveInProgress());
            button(*form, "SpeedButton1")->click();
        });
        pressSquare(*form, 3, 5);
        QVERIFY(!closedDuringTheMove);
        QCOMPARE(form->game().board(3, 5), 1);
        QCOMPARE(store.saves, 1);
        QVERIFY(store.stored.status);
        QCOMPARE(store.stored.response, 2220);
        QVERIFY(!form->isVisible());
    }

    void aComputerTurnFallingDueBehindTheCloseIsNeverPlayed() {
        MemoryStore store;
        auto form = startedForm(store.hooks());
        QVERIFY(form);
        button(*form, "Players")->click();  // one player: the computer answers each move
        auto* delay = control<QTimer>(*form, "Playerdelay");
        int turnsDue = 0;
        connect(delay, &QTimer::timeout, this, [&] { ++turnsDue; });
        pressSquare(*form, 3, 5);  // White; the reply for Black is now armed
        QTimer::singleShot(0, form.get(), [&] {
            button(*form, "SpeedButton1")->click();  // the close waits for the move
            delay->setInterval(0);
            QTRY_COMPARE(turnsDue, 1);  // the reply falls due behind the close
        });
        pressSquare(*form, 3, 4);  // Black, by hand, before the reply
        QCOMPARE(turnsDue, 1);
        QVERIFY(!form->isVisible());
        QCOMPARE(form->game().state().MovesMade, 2);  // the computer never played
    }

    // A save that fails is reported, and what asked for it still happens.
    void aFailedSaveIsShownAndTheColoursAndTheCloseStillTakeEffect() {
        MemoryStore store;
        auto form = startedForm(store.hooks());
        QVERIFY(form);
        store.failSave = true;
        for (const char* name : {"aquayello", "LeaveMarvane1"}) {
            SeenBox error;
            recordNextMessageBox(&error);
            item(*form, name)->trigger();
            QCOMPARE(error.text, QString("Failed to set data for 'Sound'."));
        }
        QCOMPARE(textOf(*form, "GoBox"), QString("Cyan"));
        QCOMPARE(shownOn(*form, 4, 4), QColor(0, 255, 255));
        QVERIFY(!form->isVisible());
    }

    void hardAutoplayPlaysAWholeGameAndClosingStopsIt() {
        MemoryStore store;
        auto form = startedForm(store.hooks());
        QVERIFY(form);
        checkBox(*form, "Sound")->setChecked(false);
        button(*form, "Players")->click();
        button(*form, "EasyButton")->click();
        QCOMPARE(button(*form, "EasyButton")->text(), QString("Hard"));
        auto* delay = control<QTimer>(*form, "Playerdelay");
        delay->setInterval(1);
        item(*form, "Autoplay")->trigger();
        const auto& state = form->game().state();
        QVERIFY(state.MovesMade == 60 || state.GameOver);
        QVERIFY(textOf(*form, "MessageBox").endsWith(" Wins") ||
                textOf(*form, "MessageBox") == "It's a Draw");

        button(*form, "restart")->click();
        QTimer::singleShot(30, form.get(), [&] { form->close(); });
        delay->setInterval(20);  // a whole game would take over a second
        item(*form, "Autoplay")->trigger();
        QVERIFY(state.MovesMade < 60 && !state.GameOver);  // ended by the close, not the game
        QVERIFY(!form->isVisible());
        QVERIFY(store.saves >= 1);
    }
};

QTEST_MAIN(FormTest)
#include "tst_form.moc"
