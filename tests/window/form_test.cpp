#include <QAction>
#include <QCheckBox>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPainter>
#include <QSpinBox>
#include <QStatusBar>
#include <QTemporaryDir>
#include <QTimer>
#include <QToolButton>
#include <QtTest>

#include "tests/window/modal.h"
#include "window/art/buttonart.h"
#include "window/boardimage.h"
#include "window/common/programfiles.h"
#include "window/marvaneform.h"

using namespace marvane;
using namespace marvane::test;

namespace {

// A settings store that lives in memory and counts its uses.
struct MemoryStore {
    WindowOptions stored;
    int saves = 0;
    bool failLoadAfterSound = false;
    bool failSave = false;
    std::function<void()> onSave;
    SettingsStore hooks() {
        return {[this](WindowOptions& into) {
                    into.sound = stored.sound;
                    if (failLoadAfterSound)
                        throw std::runtime_error("Invalid data type for 'Menu'");
                    into = stored;
                },
                [this](const WindowOptions& options) {
                    if (onSave) onSave();
                    if (failSave) throw std::runtime_error("Failed to set data for 'Sound'");
                    stored = options;
                    ++saves;
                }};
    }
};

// Where the players button shows its picture, from the button's left edge: the x at which its
// picture, drawn over the window's black, appears in the button's place (-1: nowhere); and the
// first column of the caption's ink to the right of it.
std::pair<int, int> playersPictureAndCaption(TMarvaneForm& form) {
    QToolButton* button = form.Players;
    QImage shot(button->size(), QImage::Format_RGB32);
    shot.fill(Qt::black);
    button->render(&shot);
    QImage picture(button->iconSize(), QImage::Format_RGB32);
    picture.fill(Qt::black);
    QPainter(&picture).drawPixmap(0, 0, button->icon().pixmap(button->iconSize()));
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

}  // namespace

class FormTest : public QObject {
    Q_OBJECT

private:
    // A window as the start-up leaves it, without showing it.
    std::unique_ptr<TMarvaneForm> startedForm(MemoryStore& store) {
        auto form = std::make_unique<TMarvaneForm>(store.hooks());
        answerNextModal([](QWidget*) {});  // the missing-sound-files prompt: Cancel
        form->FormActivate();
        return form;
    }

private slots:
    void initTestCase() { QApplication::setApplicationName("Marvane"); }

    void controlsSitWhereTheLayoutPutsThem() {
        TMarvaneForm form;
        QCOMPARE(form.Panel1->geometry(), QRect(8, 8, 425, 441));
        QCOMPARE(form.Image3->geometry(), QRect(4, 4, 417, 433));
        QCOMPARE(form.Label4->geometry(), QRect(520, 24, 153, 38));
        QCOMPARE(form.SpeedButton1->geometry(), QRect(480, 80, 100, 33));
        QCOMPARE(form.Players->geometry(), QRect(600, 200, 100, 33));
        QCOMPARE(form.MessageBox->geometry(), QRect(464, 288, 209, 30));
        QCOMPARE(form.Edit3->geometry(), QRect(688, 408, 33, 28));
        QCOMPARE(form.RulesPanel->geometry(), QRect(440, 10, 297, 440));
        QCOMPARE(form.OptionPanel->geometry(), QRect(440, 8, 297, 441));
        QCOMPARE(form.findChild<QLabel*>("Label21")->geometry().topLeft(), QPoint(24, 270));
        QCOMPARE(form.SpeedButton5->geometry(), QRect(48, 376, 209, 41));
        QCOMPARE(form.Panel2->geometry(), QRect(88, 288, 233, 57));
        QVERIFY(form.Panel2->isHidden());
    }

    void textsAreExactlyTheGamesOwn() {
        TMarvaneForm form;
        QCOMPARE(form.windowTitle(), QString("Marvane by CORVATH"));
        QCOMPARE(form.SpeedButton1->toolTip(), QString("Leave  Marvane"));
        QCOMPARE(form.FinishButton->toolTip(), QString("Who won ?"));
        QCOMPARE(form.MessageBox->text(), QString("Position your  piece"));
        QCOMPARE(form.GoBox->text(), QString("Red"));
        QCOMPARE(form.Players->text(), QString("2 players"));
        QCOMPARE(form.Sound->text(), QString("      Sound effects"));
        QCOMPARE(form.ShowStatus->text(), QString("      Show Windows Status Bar"));
        QCOMPARE(form.findChild<QLabel*>("Label11")->text(),
                 QString("White goes first, use the mouse to select a square "));
        QCOMPARE(form.LeaveMarvane1->text(), QString("Leave Marvane"));
        QCOMPARE(form.aquayello->text(), QString("Aqua..Yellow"));
        QCOMPARE(form.statusPanels[0]->text(), QString("Marvane by CORVATH"));
        for (auto* box : {form.MessageBox, form.MoveBox, form.remain})
            QVERIFY(box->isReadOnly() && !(box->focusPolicy() & Qt::TabFocus));
        QVERIFY(!form.Edit3->isReadOnly());
    }

    void startUpWithNothingStoredGivesTheDefaults() {
        MemoryStore store;
        auto form = startedForm(store);
        QCOMPARE(form->game().state().PlayerCount, 2);
        QCOMPARE(form->Players->text(), QString("2 Players"));
        QVERIFY(form->EasyButton->isHidden());
        QVERIFY(form->StatusBar->isHidden());
        QVERIFY(!form->Autoplay->isVisible());
        QVERIFY(!form->HelpMenu->menuAction()->isVisible());
        QCOMPARE(form->Playerdelay->interval(), 1000);
        QCOMPARE(form->GoBox->text(), QString("White"));
        QCOMPARE(form->remain->text(), QString("60"));
        QCOMPARE(form->game().board(4, 4), 1);
    }

    void aStoreErrorAtStartUpIsShownAndTheGameStillStarts() {
        MemoryStore store;
        store.stored = {false, true, true, 300, 3, 4};
        store.failLoadAfterSound = true;
        TMarvaneForm form(store.hooks());
        SeenBox error;
        recordNextMessageBox(&error);
        answerNextModal([](QWidget*) {});  // then the sound prompt
        form.FormActivate();
        QCOMPARE(error.title, QString("Marvane"));
        QCOMPARE(error.text, QString("Invalid data type for 'Menu'."));
        QVERIFY(!form.Sound->isChecked());     // read before the error
        QVERIFY(!form.ShowMenu->isChecked());  // not read: its default
        QCOMPARE(form.game().state().C1, 1);
        QCOMPARE(form.game().board(4, 4), 1);
        QCOMPARE(form.MessageBox->text(), QString("Position Your Piece"));
    }

    void loadedOptionsAreKeptInRangeAndToPaintableColours() {
        TMarvaneForm form;
        form.setLoadedOptions({true, false, false, 4464, 3, 4});
        QCOMPARE(form.Response->value(), 4464);
        form.setLoadedOptions({true, false, false, -5536, 3, 3});  // 60000 as a signed 16-bit
        QCOMPARE(form.Response->value(), 100);
        QCOMPARE(form.game().state().C1, 1);
        QCOMPARE(form.game().state().C2, 2);
        form.setLoadedOptions({true, false, false, 30000, 9, 2});
        QCOMPARE(form.Response->value(), 5000);
        QCOMPARE(form.game().state().C1, 1);
    }

    void playersToggleTwiceReturnsToWhereItWas() {
        MemoryStore store;
        auto form = startedForm(store);
        form->PlayersClick();
        QCOMPARE(form->Players->text(), QString("1 Player"));
        QVERIFY(!form->EasyButton->isHidden());
        QCOMPARE(form->game().state().PlayerCount, 1);
        form->PlayersClick();
        QCOMPARE(form->Players->text(), QString("2 Players"));
        QVERIFY(form->EasyButton->isHidden());
        QCOMPARE(form->game().state().PlayerCount, 2);
    }

    void titleIsPlainAndPlayersPictureKeepsItsMarginAndSpacing() {
        TMarvaneForm form;
        QCOMPARE(form.Label4->font().pixelSize(), 35);
        QVERIFY(!form.Label4->font().bold());
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
        form.game().state().PlayerCount = 2;
        form.PlayersClick();
        QDir(folder).removeRecursively();
        QCOMPARE(form.Players->text(), QString("1 Player"));
        std::tie(picture, caption) = playersPictureAndCaption(form);
        QCOMPARE(picture, 2);
        QVERIFY(caption - (picture + kGlyphSize) >= 5 && caption - (picture + kGlyphSize) <= 6);
    }

    void anUnreadablePlayersPictureIsReportedAndTheModeStillChanges() {
        TMarvaneForm form;
        form.game().setPlayerCount(2);
        const QString folder = programFolder() + "SYSTEM";
        QVERIFY(QDir().mkpath(folder));
        QFile bad(folder + "/OnePlayer.BMP");  // found whatever the letter case
        QVERIFY(bad.open(QIODevice::WriteOnly));
        bad.write("not a bitmap");
        bad.close();
        SeenBox error;
        recordNextMessageBox(&error);
        QMetaObject::invokeMethod(form.Players, "click", Qt::DirectConnection);
        QDir(folder).removeRecursively();
        QCOMPARE(error.text, QString("Bitmap image is not valid."));
        QCOMPARE(form.Players->text(), QString("1 Player"));
        QVERIFY(!form.EasyButton->isHidden());
    }

    void optionsButtonOpensTheOptionsAndNeverTheRules() {
        TMarvaneForm form;
        form.Options->click();
        QVERIFY(!form.OptionPanel->isHidden());
        QVERIFY(form.RulesPanel->isHidden());
        form.SpeedButton5->click();
        QVERIFY(form.OptionPanel->isHidden());
        form.SpeedButton3->click();
        QVERIFY(!form.RulesPanel->isHidden());
        form.QuitRules->click();
        QVERIFY(form.RulesPanel->isHidden());
    }

    void menuOptionControlsAllFourMenusAndHideMenuUnticksIt() {
        TMarvaneForm form;
        form.ShowMenu->setChecked(true);
        form.quitoptions();
        QVERIFY(form.Autoplay->isVisible() && form.QuitMenu->menuAction()->isVisible());
        form.HideMenuClick();
        QVERIFY(!form.ShowMenu->isChecked());
        QVERIFY(!form.Autoplay->isVisible());
        for (QMenu* menu : {form.QuitMenu, form.HelpMenu, form.OptionsMenu})
            QVERIFY(!menu->menuAction()->isVisible());
        form.ShowMenu->setChecked(true);
        form.quitoptions();
        form.ShowMenu->setChecked(false);
        form.quitoptions();
        QVERIFY(!form.Autoplay->isVisible());
    }

    void statusMenuItemAndCheckBoxAlwaysAgree() {
        TMarvaneForm form;
        form.ShowStatus->setChecked(true);
        form.quitoptions();
        QVERIFY(form.ShowStatus1->isChecked() && !form.StatusBar->isHidden());
        form.ShowStatus1->trigger();  // the menu item, as a click delivers it
        QVERIFY(!form.ShowStatus1->isChecked());
        QVERIFY(!form.ShowStatus->isChecked());
        QVERIFY(form.StatusBar->isHidden());
        form.ShowStatus1->trigger();
        QVERIFY(form.ShowStatus1->isChecked() && form.ShowStatus->isChecked());
        QVERIFY(!form.StatusBar->isHidden());
    }

    void responseWrapsAtBothEndsAndTypedTextCountsOnlyWhenValid() {
        TMarvaneForm form;
        form.Response->setValue(5000);
        form.Response->stepUp();
        QCOMPARE(form.Response->value(), 100);
        form.Response->stepDown();
        QCOMPARE(form.Response->value(), 5000);
        form.Response->setValue(1200);
        QCOMPARE(form.responseedit->text(), QString("1200"));
        form.Response->setValue(4990);
        QCOMPARE(form.responseedit->text(), QString("4990"));  // no thousands separator

        form.responseedit->setText("2500");
        form.quitoptions();
        QCOMPARE(form.Playerdelay->interval(), 2500);
        for (const char* text : {"25x", "99999", "", "50"}) {
            form.responseedit->setText(text);
            form.quitoptions();
            QCOMPARE(form.Playerdelay->interval(), 2500);
            QCOMPARE(form.responseedit->text(), QString("2500"));
        }
    }

    void colourSchemeSavesAtOnceAndStartsANewGameInItsColours() {
        MemoryStore store;
        auto form = startedForm(store);
        form->Image3MouseDown(240, 140);  // (3,5)
        QCOMPARE(form->game().state().MovesMade, 1);
        form->redgreen->trigger();
        QCOMPARE(store.saves, 1);
        QCOMPARE(store.stored.c1, 3);
        QCOMPARE(store.stored.c2, 4);
        QCOMPARE(form->game().state().MovesMade, 0);
        QCOMPARE(form->GoBox->text(), QString("Red"));
        QCOMPARE(form->c2lab->text(), QString("Green"));
        const QPoint centre = BoardPicture::counterBox(4, 4).center();
        QCOMPARE(QColor(form->Image3->picture().image().pixel(centre)), QColor(255, 0, 0));
    }

    void aFailedColourSaveIsShownAndTheBoardStillTakesTheNewColours() {
        MemoryStore store;
        auto form = startedForm(store);
        store.failSave = true;
        SeenBox error;
        recordNextMessageBox(&error);
        form->aquayello->trigger();
        QCOMPARE(error.text, QString("Failed to set data for 'Sound'."));
        QCOMPARE(form->GoBox->text(), QString("Cyan"));
        QCOMPARE(form->game().board(4, 4), 5);
    }

    void anyMouseButtonPlaysAndPressesBetweenSquaresDoNothing() {
        MemoryStore store;
        auto form = startedForm(store);
        form->Sound->setChecked(false);
        QTest::mousePress(form->Image3, Qt::RightButton, {}, QPoint(240, 140));
        QCOMPARE(form->game().state().MovesMade, 1);
        QCOMPARE(form->game().board(3, 5), 1);
        QCOMPARE(form->MoveBox->text(), QString("0"));
        QTest::mousePress(form->Image3, Qt::LeftButton, {}, QPoint(100, 378));  // y = 378: no row
        QCOMPARE(form->MoveBox->text(), QString("0"));
        QTest::mousePress(form->Image3, Qt::MiddleButton, {}, QPoint(192, 140));  // (3,4) Black
        QCOMPARE(form->game().state().MovesMade, 2);
    }

    void finishAnnouncesAndHidesTheTurnBox() {
        MemoryStore store;
        auto form = startedForm(store);
        form->FinishButton->click();
        QCOMPARE(form->MessageBox->text(), QString("It's a Draw"));
        QVERIFY(form->GoBox->isHidden());
        form->restart->click();
        QVERIFY(!form->GoBox->isHidden());
        QCOMPARE(form->MessageBox->text(), QString("Position Your Piece"));
    }

    void closingSavesWhatTheOptionsPanelShowsAndWaitsForAMoveInProgress() {
        MemoryStore store;
        auto form = startedForm(store);
        form->Showrules();
        form->ShowStatus->setChecked(true);
        form->Response->setValue(2220);
        // A close that arrives while the move is being worked out waits for the move.
        bool closedDuringTheMove = true;
        store.onSave = [&] { closedDuringTheMove = form->game().moveInProgress(); };
        form->show();
        QTimer::singleShot(0, form.get(), [&] {
            QVERIFY(form->game().moveInProgress());
            form->close();
            form->game().computerTurn();  // falls due behind the close: never played
        });
        form->Image3MouseDown(240, 140);
        QVERIFY(!closedDuringTheMove);
        QCOMPARE(form->game().board(3, 5), 1);
        QCOMPARE(form->game().state().MovesMade, 1);
        QCOMPARE(store.saves, 1);
        QVERIFY(store.stored.status);
        QCOMPARE(store.stored.response, 2220);
        QVERIFY(!form->isVisible());
    }

    void aFailedSaveAtCloseIsShownAndTheWindowStillCloses() {
        MemoryStore store;
        auto form = startedForm(store);
        form->show();
        store.failSave = true;
        SeenBox error;
        recordNextMessageBox(&error);
        form->QuitClick();
        QCOMPARE(error.text, QString("Failed to set data for 'Sound'."));
        QVERIFY(!form->isVisible());
    }

    void hardAutoplayPlaysAWholeGameAndClosingStopsIt() {
        MemoryStore store;
        auto form = startedForm(store);
        form->Sound->setChecked(false);
        form->easyclick();
        QCOMPARE(form->EasyButton->text(), QString("Hard"));
        form->Playerdelay->setInterval(1);
        form->AutoplayClick();
        const auto& state = form->game().state();
        QVERIFY(state.MovesMade == 60 || state.GameOver);
        QVERIFY(form->MessageBox->text().endsWith(" Wins") ||
                form->MessageBox->text() == "It's a Draw");

        form->show();
        form->restartClick();
        QTimer::singleShot(30, form.get(), [&] { form->close(); });
        form->Playerdelay->setInterval(20);  // a whole game would take over a second
        form->AutoplayClick();
        QVERIFY(state.MovesMade < 60 && !state.GameOver);  // ended by the close, not the game
        QVERIFY(!form->isVisible());
        QVERIFY(store.saves >= 1);
    }
};

QTEST_MAIN(FormTest)
#include "form_test.moc"
