// SPDX-License-Identifier: GPL-3.0-or-later
// Bad input from outside the program that no other test feeds it: a settings file cut short at
// any byte or pieced together from damaged lines, and a desktop with no program to open links
// with.
#include <QApplication>
#include <QDesktopServices>
#include <QDir>
#include <QFile>
#include <QRandomGenerator>
#include <QSettings>
#include <QTemporaryDir>
#include <QUrl>
#include <QtTest>
#include <algorithm>
#include <iterator>
#include <memory>

#include "kurl2/KURL2.h"
#include "settings/settings_store.h"
#include "tests/settings/optionfield.h"
#include "tests/settings/private_x_server.h"

using namespace marvane;
using marvane::test::fieldOf;

namespace {

struct Line {
    QString key;
    qsizetype end = 0;  // just past its line break
};

// The "key=value" lines of an INI text and where each ends.
QList<Line> keyLines(const QByteArray& text) {
    QList<Line> lines;
    qsizetype begin = 0;
    while (begin < text.size()) {
        qsizetype end = text.indexOf('\n', begin);
        end = end < 0 ? text.size() : end + 1;
        const QByteArray line = text.mid(begin, end - begin);
        if (const qsizetype equals = line.indexOf('='); equals > 0)
            lines.append({QString::fromUtf8(line.left(equals)), end});
        begin = end;
    }
    return lines;
}

QByteArray readAll(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

void useConfigFolder(const QString& folder) { qputenv("XDG_CONFIG_HOME", folder.toLocal8Bit()); }

const char* const kOwnKeys[] = {"Sound",       "Menu",        "Status",    "Response",
                                "C1",          "C2",          "LastMove",  "LegalMoves",
                                "Coordinates", "Evaluations", "ExpertHard",  "StandardRules"};

// The lines of a file that saving must leave alone, in order: all but blank lines, [General]
// headers, and lines that set one of the program's own keys (in any section, to keep this
// simple). Saving may end the last line, so line breaks do not count.
QList<QByteArray> othersLines(const QByteArray& file) {
    QList<QByteArray> kept;
    QByteArray text = file;
    if (text.startsWith("\xEF\xBB\xBF")) kept.append(text.first(3));  // stays first
    if (!kept.isEmpty()) text.remove(0, 3);
    for (QByteArray line : text.split('\n')) {
        if (line.endsWith('\r')) line.chop(1);
        const QByteArray trimmed = line.trimmed();
        if (trimmed.isEmpty() || trimmed.compare("[General]", Qt::CaseInsensitive) == 0) continue;
        const qsizetype equals = trimmed.indexOf('=');
        const QByteArray key = equals < 0 ? QByteArray() : trimmed.left(equals).trimmed();
        if (std::find(std::begin(kOwnKeys), std::end(kOwnKeys), key) != std::end(kOwnKeys))
            continue;
        kept.append(line);
    }
    return kept;
}

// A settings file made of the pieces hand edits, other programs and damage leave behind.
QByteArray damagedFile(QRandomGenerator& random) {
    static const QByteArray pieces[] = {"[General]",
                                        "[general]",
                                        "[%General]",
                                        "[Window]",
                                        "[General",
                                        "]",
                                        "; comment",
                                        "Sound=0",
                                        "Menu=1",
                                        "Status=1",
                                        "Response=250",
                                        "C1=3",
                                        "C2=4",
                                        "LastMove=1",
                                        "LegalMoves=yes",
                                        "Evaluations=1",
                                        "ExpertHard=on",
                                        " C1 = 5 ; mine",
                                        "Response=1,000",
                                        "Response=\"250",
                                        "C2=@Variant(\\0\\0\\0\\x2\\0\\0\\0\\x1)",
                                        "Menu=@Invalid()",
                                        "Other=\"a, b\"",
                                        "Geometry=@ByteArray(\\x1\\xd9)",
                                        "Name=caf\xC3",
                                        "Key",
                                        "=",
                                        "==",
                                        "\\",
                                        "\"",
                                        "\r",
                                        "\xEF\xBB\xBF",
                                        "\xFF\x00\xFE",
                                        "Sound",
                                        "x=y\\"};
    QByteArray file;
    const int count = random.bounded(12);
    for (int i = 0; i < count; ++i) {
        file += pieces[random.bounded(int(std::size(pieces)))];
        if (random.bounded(4) == 0) file += pieces[random.bounded(int(std::size(pieces)))];
        if (random.bounded(8) != 0) file += random.bounded(5) == 0 ? "\r\n" : "\n";
    }
    return file;
}

}  // namespace

class BadInputTest : public QObject {
    Q_OBJECT

public:
    explicit BadInputTest(bool desktop) : desktop_(desktop) {}

private slots:
    void initTestCase() {
        QVERIFY(scratch.isValid());
        qputenv("XDG_CONFIG_HOME", scratch.filePath("xdg").toLocal8Bit());
        // Only the programs this test puts there.
        qputenv("PATH", scratch.filePath("bin").toLocal8Bit());
        qunsetenv("BROWSER");
        qunsetenv("DEFAULT_BROWSER");
        QVERIFY(QDir().mkpath(scratch.filePath("bin")));
    }

    void aSettingsFileCutAnywhereKeepsTheValuesBeforeTheCut() {
        // Every value differs from its default, so a value that is lost shows.
        const Options saved{false, true, true, 700, 5, 6, true, true, true, true, true, true};
        useConfigFolder(scratch.filePath("whole"));
        SaveSettings(saved);
        const QByteArray whole = readAll(scratch.filePath("whole/Corvath/Marvane.conf"));
        const QList<Line> lines = keyLines(whole);
        QCOMPARE(lines.size(), 12);

        for (qsizetype cut = 0; cut < whole.size(); ++cut) {
            const QString folder = scratch.filePath(QString("cut%1").arg(cut));
            QVERIFY(QDir().mkpath(folder + "/Corvath"));
            QFile file(folder + "/Corvath/Marvane.conf");
            QVERIFY(file.open(QIODevice::WriteOnly));
            file.write(whole.left(cut));
            file.close();
            useConfigFolder(folder);

            Options loaded;
            try {
                LoadSettings(loaded);
            } catch (const ERegistryException& e) {
                QFAIL(qPrintable(QString("cut at %1: %2").arg(cut).arg(e.what())));
            }
            const auto message = [&](const QString& key) {
                return qPrintable(QString("%1 lost when cut at %2").arg(key).arg(cut));
            };
            for (const Line& line : lines) {
                // The colours are kept or dropped as a pair.
                if (line.end > cut || line.key == "C1" || line.key == "C2") continue;
                QVERIFY2(fieldOf(loaded, line.key) == fieldOf(saved, line.key), message(line.key));
            }
            const bool pairWhole = std::all_of(lines.begin(), lines.end(), [&](const Line& l) {
                return (l.key != "C1" && l.key != "C2") || l.end <= cut;
            });
            if (pairWhole) QVERIFY2(loaded.c1 == 5 && loaded.c2 == 6, message("C1, C2"));

            // Saving again brings the whole file back.
            SaveSettings(saved);
            LoadSettings(loaded);
            QCOMPARE(loaded, saved);
        }
    }

    void savingIntoADamagedFileChangesOnlyTheProgramsOwnLines() {
        const Options saved{false, true, true, 700, 5, 6, true, false, true, false};
        QRandomGenerator random(20240614);
        for (int round = 0; round < 400; ++round) {
            const QByteArray before = damagedFile(random);
            const QString folder = scratch.filePath(QString("damaged%1").arg(round));
            QVERIFY(QDir().mkpath(folder + "/Corvath"));
            QFile file(folder + "/Corvath/Marvane.conf");
            QVERIFY(file.open(QIODevice::WriteOnly));
            file.write(before);
            file.close();
            useConfigFolder(folder);
            const auto context = [&before] {
                return qPrintable("file: " + before.toPercentEncoding());
            };

            Options loaded;
            try {
                LoadSettings(loaded);
            } catch (const ERegistryException&) {
                // typed values in the file are reported; the rest still loads
            }
            SaveSettings(saved);
            const QByteArray after = readAll(file.fileName());
            QVERIFY2(othersLines(after) == othersLines(before), context());
            try {
                LoadSettings(loaded);
            } catch (const ERegistryException& e) {
                QFAIL(context());
            }
            QVERIFY2(loaded == saved, context());
        }
    }

    // Declared before the test with an opener: the desktop remembers the opener it finds.
    void withoutAProgramToOpenLinksClickingOneChangesNothing() {
        if (!desktop_) QSKIP("needs Xvfb: without a windowing system links never leave");
        QVERIFY(!QDesktopServices::openUrl(QUrl("https://www.example.com/marvane")));

        QWidget window;
        auto* link = new TKURL2(&window);
        link->setURLorEMAIL("www.example.com/marvane");
        auto* mail = new TKURL2(&window);
        mail->setChoose(TKURL2::ltEMAIL);
        mail->setURLorEMAIL("support@example.com");
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        const QWidgetList before = QApplication::topLevelWidgets();

        for (int i = 0; i < 3; ++i) {
            link->OpenLink();
            mail->OpenLink();
        }

        // No message of the program's own, no dialog left behind, the window still there.
        QVERIFY(!QApplication::activeModalWidget());
        QCOMPARE(QApplication::topLevelWidgets(), before);
        QVERIFY(window.isVisible());
    }

    void withAnOpenerTheLinkReachesIt() {
        // Shows that the click above really went the desktop's way: with an opener on PATH the
        // same click reaches it.
        if (!desktop_) QSKIP("needs Xvfb: without a windowing system links never leave");
        const QString opened = scratch.filePath("opened.txt");
        const QString opener = scratch.filePath("bin/xdg-open");
        QFile script(opener);
        QVERIFY(script.open(QIODevice::WriteOnly));
        script.write("#!/bin/sh\nprintf '%s\\n' \"$1\" >> '" + opened.toUtf8() + "'\n");
        script.close();
        QVERIFY(script.setPermissions(QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner));

        TKURL2 link;
        link.setURLorEMAIL("https://www.example.com/marvane");
        link.OpenLink();

        QTRY_COMPARE_WITH_TIMEOUT(readAll(opened), QByteArray("https://www.example.com/marvane\n"),
                                  30000);
    }

private:
    QTemporaryDir scratch;
    bool desktop_;
};

int main(int argc, char** argv) {
    const PrivateXServer server;
    if (!server.display().isEmpty()) {
        qputenv("DISPLAY", server.display());
        qputenv("QT_QPA_PLATFORM", "xcb");
    }
    QApplication app(argc, argv);
    BadInputTest test(!server.display().isEmpty());
    return QTest::qExec(&test, argc, argv);
}
#include "tst_badinput.moc"
