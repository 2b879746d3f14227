// The window in other languages: every catalogue the program ships is complete, keeps its
// placeholders and access keys, and every text it puts on a control fits that control. A
// pseudo-language, each text lengthened by 40 % and accented, shows what the check finds.
#include <QAbstractButton>
#include <QAbstractSpinBox>
#include <QCheckBox>
#include <QDomDocument>
#include <QFile>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QRegularExpression>
#include <QSet>
#include <QToolButton>
#include <QTranslator>
#include <QtTest>

#include "engine/types.h"
#include "tests/window/formdriver.h"
#include "window/gametexts.h"
#include "window/translations.h"

using namespace marvane;
using namespace marvane::test;

namespace {

// Every text longer by 40 % and accented, its placeholders, access keys, line breaks and
// leading spaces kept, so that a text too long for its control shows before a translator
// writes one.
QString pseudo(const QString& english) {
    static const QString plain = "aeiouAEIOUcnyz";
    static const QString accented = QString::fromUtf8("àéîõüÀÉÎÕÜçñýž");
    QString out;
    for (qsizetype i = 0; i < english.size(); ++i) {
        const QChar c = english[i];
        const bool marker = i > 0 && (english[i - 1] == '%' || english[i - 1] == '&');
        const qsizetype at = plain.indexOf(c);
        out += at >= 0 && !marker ? accented[at] : c;
    }
    const qsizetype extra = (english.trimmed().size() * 4 + 9) / 10;
    for (qsizetype i = 0; i < extra; ++i) out += accented[i % 5];
    return out;
}

class PseudoTranslator : public QTranslator {
public:
    QString translate(const char*, const char* source, const char*, int) const override {
        return source && *source ? pseudo(QString::fromUtf8(source)) : QString();
    }
    bool isEmpty() const override { return false; }
};

// Below the catalogue under test: it hears of every text of ours the catalogue did not
// translate, and returns nothing so that the English text is used.
class MissedTexts : public QTranslator {
public:
    QString translate(const char* context, const char* source, const char*, int) const override {
        if (context && !QByteArray(context).startsWith('Q') && source && *source)
            missed.insert(QString("%1 \"%2\"").arg(context, source));
        return {};
    }
    bool isEmpty() const override { return false; }
    mutable QSet<QString> missed;
};

QString describe(const QWidget* w, const QString& text) {
    return QString("%1 \"%2\"")
        .arg(w->objectName().isEmpty() ? w->metaObject()->className() : w->objectName(), text);
}

// Where a label may run to: the nearest control to its right on its line, or the edge of the
// panel it lies on less the panel's margin (on the rules panel, the parchment's rolled edge).
int rightLimit(const QWidget* label) {
    const QWidget* parent = label->parentWidget();
    int limit = parent->width() - (parent->objectName() == "RulesPanel" ? 16 : 8);
    const QRect g = label->geometry();
    for (const QWidget* sibling : parent->findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
        const QRect s = sibling->geometry();
        if (sibling == label || !sibling->isVisibleTo(parent) || s.left() <= g.left()) continue;
        if (s.top() < g.bottom() && s.bottom() > g.top()) limit = std::min(limit, s.left());
    }
    return limit;
}

// The controls of `root` now visible whose text does not fit: a label running into its
// neighbour or cut short, a button or check box narrower than its caption, a box narrower than
// its text (one pixel of room either side, and the sunken edge where it has one).
QStringList misfits(const QWidget* root) {
    QStringList found;
    for (const QWidget* w : root->findChildren<QWidget*>()) {
        if (!w->isVisibleTo(root)) continue;
        const QRect g = w->geometry();
        auto* label = qobject_cast<const QLabel*>(w);
        if (label && label->wordWrap()) continue;  // it breaks its lines to fit
        if (label && !label->text().isEmpty()) {
            // The ink, not the advance. A label may lose the last two pixels of its ink, as the
            // English "Moves" does in the stand-in face, but never run into its neighbour.
            const int needed = label->fontMetrics().tightBoundingRect(label->text()).right() + 1;
            if (needed > g.width() + 2 || g.left() + needed > rightLimit(label))
                found << QString("%1 needs %2 px, has %3")
                             .arg(describe(w, label->text()))
                             .arg(needed)
                             .arg(std::min(g.width(), rightLimit(label) - g.left()));
        } else if (auto* button = qobject_cast<const QAbstractButton*>(w);
                   button && !button->text().isEmpty()) {
            if (button->sizeHint().width() > g.width() || g.right() >= w->parentWidget()->width())
                found << QString("%1 needs %2 px, has %3")
                             .arg(describe(w, button->text()))
                             .arg(button->sizeHint().width())
                             .arg(g.width());
        } else if (auto* box = qobject_cast<const QLineEdit*>(w);
                   box && !qobject_cast<const QAbstractSpinBox*>(w->parentWidget())) {
            const int room = g.width() - 2 - (box->hasFrame() ? 4 : 0);
            const int needed = box->fontMetrics().tightBoundingRect(box->text()).right() + 1;
            if (needed > room)
                found << QString("%1 needs %2 px, has %3")
                             .arg(describe(w, box->text()))
                             .arg(needed)
                             .arg(room);
        }
    }
    return found;
}

// Two items of one menu (or two titles of the menu bar) answering to the same access key.
QStringList accessKeyClashes(const QWidget* menu, const QList<QAction*>& actions) {
    QStringList found;
    QHash<int, QString> taken;
    for (const QAction* action : actions) {
        const QKeySequence key = QKeySequence::mnemonic(action->text());
        if (key.isEmpty() || !action->isVisible()) continue;
        const int k = key[0].toCombined();
        if (taken.contains(k))
            found << QString("%1: \"%2\" and \"%3\" share an access key")
                         .arg(menu->objectName(), taken[k], action->text());
        taken.insert(k, action->text());
    }
    return found;
}

// Every text the game may write into a box or a side label, tried there.
QStringList gameTextMisfits(const QWidget& form) {
    QStringList found;
    auto tryIn = [&](const char* name, const QString& text) {
        auto* w = control(form, name);
        if (auto* box = qobject_cast<QLineEdit*>(w))
            box->setText(text);
        else if (auto* label = qobject_cast<QLabel*>(w))
            label->setText(text), label->adjustSize();
        found << misfits(w->parentWidget()).filter(QString("%1 \"").arg(name));
    };
    tryIn("MessageBox", translatedGameText(Box::MessageBox, kPositionYourPieceText));
    tryIn("MessageBox", translatedGameText(Box::MessageBox, kDrawText));
    for (std::string_view colour : ColourNames) {
        if (colour == ColourNames[0]) continue;  // the empty square's colour names no side
        tryIn("MessageBox",
              translatedGameText(Box::MessageBox, std::string(colour).append(kWinsSuffix)));
        for (auto [box, name] :
             {std::pair{Box::GoBox, "GoBox"}, {Box::C1Lab, "C1Lab"}, {Box::c2lab, "c2lab"}})
            tryIn(name, translatedGameText(box, colour));
    }
    found.removeDuplicates();
    return found;
}

// Builds the window in the language in use and names every text that does not fit, on the
// main view, on each panel, in the menus and in the start-up's message box.
QStringList everyMisfit() {
    QStringList found;
    auto form = std::make_unique<TMarvaneForm>();
    answerNextModal([&found](QWidget* modal) {
        found << misfits(modal);
        if (auto* box = qobject_cast<QMessageBox*>(modal)) {
            QList<QAction*> keys;
            std::vector<std::unique_ptr<QAction>> owned;
            for (QAbstractButton* b : box->buttons())
                keys << owned.emplace_back(std::make_unique<QAction>(b->text())).get();
            found << accessKeyClashes(modal, keys);
        }
    });
    form->show();
    if (!QTest::qWaitFor([&] { return form->findChild<QWidget*>("Label24") != nullptr; }))
        return {"the window never finished its start-up"};
    const QWidget* client = control(*form, "client");
    found << misfits(client);
    for (const char* panel : {"Options", "SpeedButton3"}) {
        control<QToolButton>(*form, panel)->click();
        found << misfits(client);
        for (const char* back : {"SpeedButton5", "QuitRules"}) {
            auto* button = control<QToolButton>(*form, back);
            if (button->isVisibleTo(form.get())) button->click();
        }
    }
    // Against the computer, on both levels: the players and level buttons change their texts.
    control<QToolButton>(*form, "Players")->click();
    found << misfits(client);
    control<QToolButton>(*form, "EasyButton")->click();
    found << misfits(client);
    found << gameTextMisfits(*form);
    if (QMenuBar* bar = form->menuBar()) {
        for (QMenu* menu : form->findChildren<QMenu*>()) {
            menu->menuAction()->setVisible(true);
            found << accessKeyClashes(menu, menu->actions());
        }
        for (QAction* a : bar->actions()) a->setVisible(true);
        found << accessKeyClashes(bar, bar->actions());
        if (bar->sizeHint().width() > form->width())
            found << QString("the menu bar needs %1 px, has %2")
                         .arg(bar->sizeHint().width())
                         .arg(form->width());
    }
    found.removeDuplicates();
    return found;
}

const QRegularExpression kPlaceholder("%L?\\d+");

QStringList placeholders(const QString& text) {
    QStringList found;
    for (const auto& m : kPlaceholder.globalMatch(text)) found << m.captured();
    found.sort();
    return found;
}

}  // namespace

class TranslationsTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { QApplication::setApplicationName("Marvane"); }
    void cleanup() { useCatalogue(nullptr); }

    // A locale picks the catalogue of its language, the region's first, and English or a
    // language without one loads nothing (a fault here shows the wrong language, or none).
    void theLocaleChoosesTheCatalogue_data() {
        QTest::addColumn<QString>("locale");
        QTest::addColumn<QString>("chosen");
        QTest::newRow("English") << "en_GB"
                                 << "";
        QTest::newRow("no catalogue") << "sw_KE"
                                      << "";
        QTest::newRow("language of a region") << "de_AT"
                                              << "de";
        QTest::newRow("region's own") << "pt_BR"
                                      << "pt_BR";
        QTest::newRow("Cyrillic") << "ru_RU"
                                  << "ru";
    }
    void theLocaleChoosesTheCatalogue() {
        QFETCH(QString, locale);
        QFETCH(QString, chosen);
        QCOMPARE(installTranslations(QLocale(locale)), chosen);
        QCOMPARE(translationInstalled(), !chosen.isEmpty());
        QCOMPARE(translatedGameText(Box::MessageBox, kDrawText) == "It's a Draw", chosen.isEmpty());
    }

    // The check itself: the pseudo-language's longer texts must be caught and named, or the
    // check could pass any language.
    void thePseudoLanguageShowsWhatDoesNotFit() {
        const QStringList english = everyMisfit();  // English fits as designed
        QVERIFY2(english.isEmpty(), qPrintable(english.join("\n")));
        useCatalogue(new PseudoTranslator);
        const QStringList found = everyMisfit();
        for (const QString& misfit : found) qInfo("pseudo: %s", qPrintable(misfit));
        QVERIFY(found.size() >= 5);
        QVERIFY(found.filter("MessageBox").size() > 0 && found.filter("Label10").size() > 0);
    }

    // Every text of every shipped language fits its control, and every text the window asks
    // for is in the catalogue.
    void everyLanguageFitsTheWindow_data() {
        QTest::addColumn<QString>("language");
        for (const QString& language : shippedLanguages())
            QTest::newRow(qPrintable(language)) << language;
    }
    void everyLanguageFitsTheWindow() {
        QFETCH(QString, language);
        auto* missed = new MissedTexts;
        QCoreApplication::installTranslator(missed);
        auto* catalogue = new QTranslator;
        QVERIFY(catalogue->load(":/i18n/marvane_" + language + ".qm"));
        useCatalogue(catalogue, language);
        const QStringList found = everyMisfit();
        QStringList untranslated = missed->missed.values();
        untranslated.sort();
        delete missed;
        QVERIFY2(found.isEmpty(), qPrintable(found.join("\n")));
        QVERIFY2(untranslated.isEmpty(), qPrintable("untranslated: " + untranslated.join("\n")));
    }

    // The catalogues as written: none unfinished or empty, each keeps its text's placeholders
    // and gives an access key exactly where the English has one.
    void everyCatalogueIsCompleteAndKeepsPlaceholders() {
        const QStringList languages = shippedLanguages();
        QVERIFY(languages.size() >= 8);
        for (const QString& language : languages) {
            QFile file(QString(MARVANE_TRANSLATIONS_DIR) + "/marvane_" + language + ".ts");
            QVERIFY2(file.open(QIODevice::ReadOnly), qPrintable(file.fileName()));
            QDomDocument ts;
            QVERIFY(ts.setContent(&file));
            QStringList faults;
            const QDomNodeList messages = ts.elementsByTagName("message");
            for (int i = 0; i < messages.size(); ++i) {
                const QDomElement m = messages.at(i).toElement();
                const QString source = m.firstChildElement("source").text();
                const QDomElement t = m.firstChildElement("translation");
                const QString text = t.text();
                if (t.hasAttribute("type") || text.trimmed().isEmpty())
                    faults << "unfinished: " + source;
                else if (placeholders(source) != placeholders(text))
                    faults << "placeholders differ: " + source;
                else if (source.contains('&') && QKeySequence::mnemonic(source).isEmpty() !=
                                                     QKeySequence::mnemonic(text).isEmpty())
                    faults << "access key differs: " + source;
            }
            QVERIFY2(faults.isEmpty(), qPrintable(language + ": " + faults.join("; ")));
        }
    }
};

QTEST_MAIN(TranslationsTest)
#include "tst_translations.moc"
