// SPDX-License-Identifier: GPL-3.0-or-later
// The program's start-up and shutdown with the real settings store: what one run leaves, the
// next run finds.
#include <QAction>
#include <QCheckBox>
#include <QDir>
#include <QLabel>
#include <QMenu>
#include <QSettings>
#include <QSpinBox>
#include <QTemporaryDir>
#include <QTimer>
#include <QToolButton>
#include <QtTest>

#include "app/settingswiring.h"
#include "kurl2/KURL2.h"
#include "kurl2/link_launcher.h"
#include "tests/window/formdriver.h"
#include "tests/window/modal.h"
#include "window/marvaneform.h"

using namespace marvane;
using namespace marvane::test;

namespace {

struct RecordingLauncher : LinkLauncher {
    QStringList opened;
    void open(QWidget*, const QString& target) override { opened << target; }
};

}  // namespace

class StartUpTest : public QObject {
    Q_OBJECT

    QTemporaryDir config_;

    // One run of the program: a window whose start-up has run (the missing-sound prompt answered
    // with Cancel, as the test folder has no sounds). Null if the first game never started.
    std::unique_ptr<TMarvaneForm> startRun() {
        return startedForm(userSettingsStore(), makerAddresses());
    }

    QString settingsFile() const { return config_.filePath("Corvath/Marvane.conf"); }

    void writeSettings(const QByteArray& bytes) const {
        QDir().mkpath(config_.filePath("Corvath"));
        QFile file(settingsFile());
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(bytes);
    }

    QByteArray readSettings() const {
        QFile file(settingsFile());
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }

private slots:
    void initTestCase() {
        QVERIFY(config_.isValid());
        qputenv("XDG_CONFIG_HOME", config_.path().toLocal8Bit());
    }

    void init() { QFile::remove(settingsFile()); }

    void captionComesFromTheProgramsOwnVersionInformation() {
        auto form = startRun();
        QVERIFY(form);
        QCOMPARE(form->windowTitle(), QString("Marvane Version 1.4.0.0  by Corvath"));
    }

    void aFirstRunWithAnEmptyStoreStartsWithTheDefaults() {
        auto form = startRun();
        QVERIFY(form);
        QVERIFY(!QFile::exists(settingsFile()));  // loading creates nothing
        QCOMPARE(form->game().state().PlayerCount, 2);
        QCOMPARE(control<QToolButton>(*form, "Players")->text(), QString("2 Players"));
        QVERIFY(control(*form, "EasyButton")->isHidden());
        QVERIFY(control(*form, "StatusBar")->isHidden());
        QVERIFY(!control<QAction>(*form, "Autoplay")->isVisible());
        QCOMPARE(control<QTimer>(*form, "Playerdelay")->interval(), 1000);
        QCOMPARE(textOf(*form, "GoBox"), QString("White"));
        QCOMPARE(control<QLabel>(*form, "c2lab")->text(), QString("Black"));
        // No sound files beside the test: the prompt was shown and sound is off for the run.
        auto* sound = control<QCheckBox>(*form, "Sound");
        QVERIFY(!sound->isChecked() && !sound->isEnabled());
    }

    void optionsAndColoursCarryIntoTheNextRunButThePlayersModeDoesNot() {
        {
            auto form = startRun();
            QVERIFY(form);
            control<QAction>(*form, "redgreen")->trigger();
            control<QToolButton>(*form, "Options")->click();
            control<QCheckBox>(*form, "ShowMenu")->setChecked(true);
            control<QCheckBox>(*form, "ShowStatus")->setChecked(true);
            control<QSpinBox>(*form, "Response")->setValue(2500);
            control<QToolButton>(*form, "SpeedButton5")->click();
            control<QToolButton>(*form, "Players")->click();
            QCOMPARE(form->game().state().PlayerCount, 1);
            form->close();
        }
        QSettings stored(settingsFile(), QSettings::IniFormat);
        QCOMPARE(stored.value("C1").toString(), QString("3"));
        QCOMPARE(stored.value("Response").toString(), QString("2500"));
        auto form = startRun();
        QVERIFY(form);
        QCOMPARE(textOf(*form, "GoBox"), QString("Red"));
        QCOMPARE(form->game().board(4, 4), 3);
        QVERIFY(control<QAction>(*form, "Autoplay")->isVisible());
        QVERIFY(control<QMenu>(*form, "OptionsMenu")->menuAction()->isVisible());
        QVERIFY(!control(*form, "StatusBar")->isHidden());
        QCOMPARE(control<QTimer>(*form, "Playerdelay")->interval(), 2500);
        QCOMPARE(form->game().state().PlayerCount, 2);
        QVERIFY(control(*form, "EasyButton")->isHidden());
    }

    void closingWithTheOptionsPanelOpenSavesWhatItShows() {
        {
            auto form = startRun();
            QVERIFY(form);
            control<QToolButton>(*form, "Options")->click();
            control<QCheckBox>(*form, "ShowStatus")->setChecked(true);
            control<QSpinBox>(*form, "Response")->setValue(3330);
            control<QToolButton>(*form, "SpeedButton1")->click();  // "quit", panel still open
            QVERIFY(!form->isVisible());
        }
        QSettings stored(settingsFile(), QSettings::IniFormat);
        QCOMPARE(stored.value("Status").toString(), QString("1"));
        QCOMPARE(stored.value("Response").toString(), QString("3330"));
        // Off for the run for want of sound files, but the user never chose that.
        QCOMPARE(stored.value("Sound").toString(), QString("1"));
    }

    // A run without sound keeps the stored choice either way; an untick while sound works is
    // the user's and is kept too.
    void soundForcedOffForOneRunKeepsTheUsersChoice_data() {
        QTest::addColumn<QByteArray>("stored");
        QTest::newRow("on") << QByteArray("1");
        QTest::newRow("off") << QByteArray("0");
    }

    void soundForcedOffForOneRunKeepsTheUsersChoice() {
        QFETCH(QByteArray, stored);
        writeSettings("[General]\nSound=" + stored + "\nMenu=1\n");
        {
            auto form = startRun();
            QVERIFY(form);
            const auto* sound = control<QCheckBox>(*form, "Sound");
            QVERIFY(!sound->isChecked() && !sound->isEnabled());
            control<QAction>(*form, "redgreen")->trigger();  // saves at once
            QVERIFY(readSettings().contains("\nSound=" + stored + "\n"));
            form->close();
        }
        QCOMPARE(readSettings(),
                 "[General]\nSound=" + stored +
                     "\nMenu=1\nStatus=0\nResponse=1000\nC1=3\nC2=4\nLastMove=0\nLegalMoves=0\n"
                     "Coordinates=0\nEvaluations=0\nExpertHard=0\nStandardRules=0\n");
    }

    void aWindowClosedBeforeItsStartUpSavesNothing() {
        const QByteArray stored = "[General]\nSound=0\nMenu=1\nC1=5\nC2=6\n";
        writeSettings(stored);
        TMarvaneForm form(userSettingsStore());
        form.close();
        QCOMPARE(readSettings(), stored);
    }

    void aCorruptStoreGivesTheDefaultsAndTheGameStarts() {
        QDir().mkpath(config_.filePath("Corvath"));
        QFile file(settingsFile());
        QVERIFY(file.open(QIODevice::WriteOnly));
        static const char garbage[] =
            "\x00\xff[General\nC1=@Variant(garbage\nResponse=@ByteArray(\x01)\n";
        file.write(garbage, sizeof garbage - 1);
        file.close();
        SeenBox error;
        auto form = std::make_unique<TMarvaneForm>(userSettingsStore(), makerAddresses());
        answerNextModal([&](QWidget* modal) {
            // Whatever the store makes of it: an error box first, or straight to the prompt.
            if (auto* box = qobject_cast<QMessageBox*>(modal);
                box && box->windowTitle() == "Marvane")
                error.text = box->text();
            if (!error.text.isEmpty()) answerNextModal([](QWidget*) {});
        });
        form->show();
        QTRY_VERIFY(startedAndWhole(*form));  // the boxes come after the first frame
        QCOMPARE(form->game().board(4, 4), form->game().state().C1);
        const QString first = control<QLabel>(*form, "C1Lab")->text();
        QVERIFY2(QStringList({"White", "Red", "Cyan"}).contains(first), qPrintable(first));
    }

    void helpCommandsOpenTheMakersAddressesWhileTheLinksStayHidden() {
        RecordingLauncher launcher;
        auto form = startRun();
        QVERIFY(form);
        auto* web = control<TKURL2>(*form, "web");
        auto* email = control<TKURL2>(*form, "email");
        web->setLauncher(&launcher);
        email->setLauncher(&launcher);
        QVERIFY(!web->isVisible());
        control<QAction>(*form, "VisitourWebsite1")->trigger();
        control<QAction>(*form, "ContactCorvath1")->trigger();
        QCOMPARE(launcher.opened.size(), 2);
        QCOMPARE(launcher.opened[0], web->URLorEMAIL());
        QVERIFY(launcher.opened[0].startsWith("http"));
        QCOMPARE(launcher.opened[1], "mailto:" + email->URLorEMAIL());
    }
};

QTEST_MAIN(StartUpTest)
#include "tst_startup.moc"
