// SPDX-License-Identifier: GPL-3.0-or-later
// The window in other languages: every shipped catalogue is complete and keeps its placeholders
// and access keys, and every text fits its control. A pseudo-language, each text 40 % longer and
// accented, shows what the check finds.
#include <QAbstractButton>
#include <QAbstractSpinBox>
#include <QDomDocument>
#include <QLabel>
#include <QLayout>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QRegularExpression>
#include <QScrollBar>
#include <QListWidget>
#include <QScreen>
#include <QToolButton>
#include <QTranslator>
#include <QtTest>
#include <numeric>

#include "engine/game.h"
#include "engine/unseenview.h"
#include "settings/whole_file.h"
#include "tests/window/formdriver.h"
#include "tests/window/modal.h"
#include "window/gametexts.h"
#include "window/keylist.h"
#include "window/movelist.h"
#include "window/recordcommands.h"
#include "window/translations.h"

using namespace marvane;
using namespace marvane::test;

namespace {

// Every text longer by 40 % and accented; placeholders, access keys and spaces kept.
class PseudoTranslator : public QTranslator {
public:
    QString translate(const char*, const char* source, const char*, int) const override {
        static const QString plain = "aeiouAEIOUcnyz", accented = "àéîõüÀÉÎÕÜçñýž";
        const QString english = QString::fromUtf8(source);
        QString out;
        for (qsizetype i = 0; i < english.size(); ++i) {
            const bool marker = i > 0 && (english[i - 1] == '%' || english[i - 1] == '&');
            const qsizetype at = marker ? -1 : plain.indexOf(english[i]);
            out += at >= 0 ? accented[at] : english[i];
        }
        for (qsizetype i = 0; i < (english.trimmed().size() * 4 + 9) / 10; ++i)
            out += accented[i % 5];
        return out;
    }
    bool isEmpty() const override { return false; }
};

// Below the catalogue under test: hears of every text of ours the catalogue lacks.
class MissedTexts : public QTranslator {
public:
    QString translate(const char* context, const char* source, const char*, int) const override {
        if (!QByteArray(context).startsWith('Q')) missed << QString("%1 %2").arg(context, source);
        return {};
    }
    bool isEmpty() const override { return false; }
    mutable QStringList missed;
};

// Where a label may run to: the nearest visible control to its right on its line, or the edge
// of its panel less a margin (on the rules panel, the parchment's rolled edge).
int rightLimit(const QWidget* label) {
    const QWidget* parent = label->parentWidget();
    int limit = parent->width() - (parent->objectName() == "RulesPanel" ? 16 : 8);
    const QRect g = label->geometry();
    for (const QWidget* s : parent->findChildren<QWidget*>(Qt::FindDirectChildrenOnly))
        if (s != label && s->isVisibleTo(parent) && s->x() > g.left() &&
            s->geometry().top() < g.bottom() && s->geometry().bottom() > g.top())
            limit = std::min(limit, s->x());
    return limit;
}

// The visible controls of `root` whose text does not fit: a label cut short (beyond the two
// pixels of ink the English "Moves" already loses) or running into its neighbour, a button or
// check box narrower than its caption, a box narrower than its text's ink.
QStringList misfits(const QWidget* root) {
    QStringList found;
    for (const QWidget* w : root->findChildren<QWidget*>()) {
        auto* label = qobject_cast<const QLabel*>(w);
        auto* button = qobject_cast<const QAbstractButton*>(w);
        auto* box = qobject_cast<const QLineEdit*>(w);
        if (!w->isVisibleTo(root) || (label && label->wordWrap()) ||
            qobject_cast<const QAbstractSpinBox*>(w->parentWidget()))
            continue;
        const QString text = label    ? label->text()
                             : button ? button->text()
                             : box    ? box->text()
                                      : "";
        const int ink = w->fontMetrics().tightBoundingRect(text).right() + 1;
        int needed = 0, room = 0;
        if (label) {
            needed = ink;
            room = std::min(w->width() + 2, rightLimit(label) - w->x());
        } else if (button) {
            needed = button->sizeHint().width();
            room = std::min(w->width(), w->parentWidget()->width() - w->x());
        } else if (box) {
            needed = ink;
            room = w->width() - 2 - (box->hasFrame() ? 4 : 0);
        }
        if (!text.isEmpty() && needed > room)
            found << QString("%1 \"%2\" needs %3 px, has %4")
                         .arg(w->objectName(), text)
                         .arg(needed)
                         .arg(room);
        // A box the open panel half covers shows its text beside the panel no farther than the
        // English colour names do ("Yellow" peeks out by a few pixels in the design).
        int english = 0;
        for (std::string_view colour : ColourNames)
            english = std::max(
                english, w->fontMetrics()
                                 .tightBoundingRect(QString::fromUtf8(colour.data(), colour.size()))
                                 .right() +
                             1);
        for (const char* name : {"OptionPanel", "RulesPanel"}) {
            const QWidget* panel = w->parentWidget()->findChild<QWidget*>(name);
            if (box && panel && panel->isVisibleTo(root) && panel->geometry().contains(w->pos()) &&
                ink > english && w->x() + 1 + ink > panel->geometry().right() + 1)
                found << QString("%1 \"%2\" shows beside %3").arg(w->objectName(), text, name);
        }
    }
    return found;
}

// Two items of one menu, or two titles of the menu bar, with the same access key.
QStringList accessKeyClashes(const QWidget* menu) {
    QStringList found;
    QHash<int, QString> taken;
    for (const QAction* action : menu->actions()) {
        const QKeySequence key = QKeySequence::mnemonic(action->text());
        if (key.isEmpty()) continue;
        if (taken.contains(key[0].toCombined()))
            found << QString("%1: \"%2\" and \"%3\" share an access key")
                         .arg(menu->objectName(), taken[key[0].toCombined()], action->text());
        taken.insert(key[0].toCombined(), action->text());
    }
    return found;
}

// Every text the game may write, tried in the box or label it goes to.
QStringList gameTextMisfits(const QWidget& form) {
    QStringList found;
    auto tryIn = [&](Box box, const char* name, const BoxText& text) {
        auto* w = control(form, name);
        if (auto* line = qobject_cast<QLineEdit*>(w)) line->setText(translatedGameText(box, text));
        if (auto* label = qobject_cast<QLabel*>(w))
            label->setText(translatedGameText(box, text)), label->adjustSize();
        found << misfits(w->parentWidget()).filter(QString("%1 \"").arg(name));
    };
    for (MessageId line : {MessageId::PositionYourPiece, MessageId::Draw, MessageId::MovesMirrored})
        tryIn(Box::MessageBox, "MessageBox", Message{line, {}});
    // Colour 0 names no side.
    for (ColourCode colour = 1; colour < static_cast<ColourCode>(ColourNames.size()); ++colour) {
        tryIn(Box::MessageBox, "MessageBox", Message{MessageId::Wins, {colour}});
        tryIn(Box::GoBox, "GoBox", NamedColour{colour});
        tryIn(Box::C1Lab, "C1Lab", NamedColour{colour});
        tryIn(Box::c2lab, "c2lab", NamedColour{colour});
    }
    found.removeDuplicates();
    return found;
}

// The window built in the language in use: every text that does not fit on the main view, both
// panels, one-player mode at both levels, the start-up's message box and the menu bar, and every
// access-key clash in a menu.
QStringList everyMisfit() {
    QStringList found;
    auto form = std::make_unique<TMarvaneForm>();
    answerNextModal([&found](QWidget* modal) { found << misfits(modal); });
    form->show();
    if (!QTest::qWaitFor([&] { return form->findChild<QWidget*>("Label24"); }))
        return {"the window never finished its start-up"};
    const QWidget* client = control(*form, "client");
    found << misfits(client);
    for (auto [open, back] : {std::pair{"Options", "SpeedButton5"},
                              {"SpeedButton3", "QuitRules"},
                              {"Players", nullptr},
                              {"EasyButton", nullptr}}) {
        control<QToolButton>(*form, open)->click();
        found << misfits(client);
        if (back) control<QToolButton>(*form, back)->click();
    }
    found << gameTextMisfits(*form);
    control<QToolButton>(*form, "Options")->click();  // a box half under the panel
    found << gameTextMisfits(*form);
    control<QToolButton>(*form, "SpeedButton5")->click();
    for (const QMenu* menu : form->findChildren<QMenu*>()) found << accessKeyClashes(menu);
    QMenuBar* bar = form->menuBar();
    for (QAction* title : bar->actions()) title->setVisible(true);
    found << accessKeyClashes(bar);
    if (bar->sizeHint().width() > form->width())
        found << QString("the menu bar needs %1 px").arg(bar->sizeHint().width());
    // The Game menu grows with its items, but not beyond the screen.
    const int menuWidth = form->findChild<QMenu*>("GameMenu")->sizeHint().width();
    if (menuWidth > form->screen()->availableGeometry().width())
        found << QString("the Game menu needs %1 px").arg(menuWidth);
    // The move list opens at its designed size, unless its review button's caption (either way
    // round) makes it wider: its layout keeps the caption whole by growing the window.
    form->findChild<QAction*>("ShowMoveList")->trigger();
    auto* list = form->findChild<MoveList*>("MoveList");
    if (!list || !QTest::qWaitForWindowExposed(list)) return found << "the move list never opened";
    // As it opens, the list shows its widest rows whole: a move of any colour with the review's
    // note, bold, and any end of a game (else a scroll bar hides the end of the result).
    const std::vector<Square> moves(60, Square{8, 8});
    std::vector<int> worst(60);
    std::iota(worst.begin(), worst.end(), 0);
    list->setNotes(std::vector<QString>(60, "\u2248\u221264"), worst);
    for (ColourCode colour = 1; colour < static_cast<ColourCode>(ColourNames.size()); ++colour) {
        for (bool finished : {false, true}) {
            MoveListContent content;
            content.moves = moves;
            content.firstMover = content.secondMover = translatedColour(colour);
            content.end =
                endRowText(finished, 44, 20,
                           translatedGameText(Box::MessageBox, Message{MessageId::Wins, {colour}}));
            list->setContent(content);
            list->list()->doItemsLayout();
            if (list->list()->horizontalScrollBar()->maximum() > 0)
                found << QString("the move list's rows \"%1\" or \"%2\" do not fit its %3 px")
                             .arg(list->rowText(1), content.end)
                             .arg(list->width());
        }
    }
    list->setNotes({}, {});
    for (bool running : {false, true}) {
        list->setReviewState({}, running);
        list->layout()->activate();
        list->resize(MoveList::kDefaultSize);
        const QString caption = control<QPushButton>(*list, "reviewGame")->text();
        if (list->width() > MoveList::kDefaultSize.width())
            found << QString("reviewGame \"%1\" widens the move list to %2 px")
                         .arg(caption)
                         .arg(list->width());
    }
    found.removeDuplicates();
    return found;
}

QStringList placeholders(const QString& text) {
    static const QRegularExpression placeholder("%L?\\d+");
    QStringList found;
    for (const auto& m : placeholder.globalMatch(text)) found << m.captured();
    found.sort();
    return found;
}

}  // namespace

class TranslationsTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { QApplication::setApplicationName("Marvane"); }
    void cleanup() { useCatalogue(nullptr); }

    // The locale's language picks its catalogue, the region's own first; English and a
    // language without one load nothing (else: the wrong language, or English changed).
    void theLocaleChoosesTheCatalogue() {
        for (auto [locale, chosen] : {std::pair{"en_GB", ""},
                                      {"sw_KE", ""},
                                      {"de_AT", "de"},
                                      {"pt_BR", "pt_BR"},
                                      {"ru_RU", "ru"}}) {
            QCOMPARE(installTranslations(QLocale(locale)), QString(chosen));
            QCOMPARE(translationInstalled(), *chosen != 0);
            QCOMPARE(
                translatedGameText(Box::MessageBox, Message{MessageId::Draw, {}}) != "It's a Draw",
                *chosen != 0);
        }
    }

    // English fits as designed, and the check finds and names the pseudo-language's longer
    // texts (else it could pass any language).
    void thePseudoLanguageShowsWhatDoesNotFit() {
        const QStringList english = everyMisfit();
        QVERIFY2(english.isEmpty(), qPrintable(english.join("\n")));
        useCatalogue(new PseudoTranslator);
        const QStringList found = everyMisfit();
        for (const QString& misfit : found) qInfo("pseudo: %s", qPrintable(misfit));
        QVERIFY(!found.filter("MessageBox").isEmpty() && !found.filter("Label10").isEmpty());
        // Every key's place and purpose in the Keys window and the rules panel's description
        // comes from the catalogue (else a key stays English in every language).
        TMarvaneForm form;
        for (const KeyEntry& key : keyList(form))
            QVERIFY2(key.where.contains(u'à') && key.what.contains(u'à'),
                     qPrintable(key.where + ": " + key.what));
    }

    // Every shipped language fits the window, and has every text the window asks for.
    void everyLanguageFitsTheWindow_data() {
        QTest::addColumn<QString>("language");
        for (const QString& language : shippedLanguages())
            QTest::newRow(qPrintable(language)) << language;
    }
    void everyLanguageFitsTheWindow() {
        QFETCH(QString, language);
        MissedTexts missed;
        QCoreApplication::installTranslator(&missed);
        auto* catalogue = new QTranslator;
        QVERIFY(catalogue->load(":/i18n/marvane_" + language + ".qm"));
        useCatalogue(catalogue, language);
        const QStringList found = everyMisfit();
        QVERIFY2(found.isEmpty(), qPrintable(found.join("\n")));
        missed.missed.removeDuplicates();
        QVERIFY2(missed.missed.isEmpty(), qPrintable("missing: " + missed.missed.join("\n")));
    }

    // Every sentence the game says (its lines in the message box, and what it refuses a record or
    // a position with), and the file reader's reasons, in every language: found in the catalogue (else it stays English: a text the translation tools never saw, or the
    // window's table out of step with the game's names), with what fills its places kept as it
    // is and its colours named in the language.
    void everyRefusalSpeaksTheLanguage() {
        const std::vector<MessageArg> marks = {"q1", "q2", "q3", "q4"};
        const QTemporaryDir folder;
        for (const QString& language : shippedLanguages()) {
            MissedTexts missed;
            QCoreApplication::installTranslator(&missed);
            auto* catalogue = new QTranslator;
            QVERIFY(catalogue->load(":/i18n/marvane_" + language + ".qm"));
            useCatalogue(catalogue, language);
            for (std::size_t i = 0; i < kMessageCount; ++i) {
                const Reason reason(static_cast<MessageId>(i), marks);
                const QString english = QString::fromStdString(reason.text());
                const QString shown = translatedReason(reason);
                QVERIFY2(shown != english, qPrintable(language + ": " + english));
                for (const QString mark : {"q1", "q2", "q3", "q4"})
                    QVERIFY2(shown.count(mark) == english.count(mark),
                             qPrintable(language + ": " + shown));
            }
            // The file reader's reasons too: a pipe opened as a game, a save that fails.
            const QString pipe = notARegularFile(FileKind::Pipe);
            const QString unsaved = replaceFile(folder.filePath("none/game.txt"), "e3");
            QVERIFY2(pipe != "a named pipe, not a regular file" && !unsaved.isEmpty() &&
                         !unsaved.startsWith("The folder") && unsaved.contains(folder.path()),
                     qPrintable(language + ": " + pipe + "; " + unsaved));
            QVERIFY2(missed.missed.isEmpty(), qPrintable(missed.missed.join("\n")));
            const QString twoColours = translatedReason(
                Reason(MessageId::MoveClosesNoLine, {"5", ColourCode{2}, "c4", ColourCode{1}}));
            for (const ColourCode colour : {2, 1})
                QVERIFY2(twoColours.contains(translatedColour(colour)),
                         qPrintable(language + ": " + twoColours));
            useCatalogue(nullptr);
        }
    }

    // The refusal box says both its sentences in the player's language, the game's reason too
    // (else the window passes on the game's English).
    void theRefusalBoxIsInTheLanguage() {
        useCatalogue(new PseudoTranslator);
        UnseenView view;
        Game game(view, [] { return std::int64_t{0}; });
        game.setColours(1, 2);
        game.setPlayerCount(2);
        game.newGame();
        QWidget window;
        RecordCommands commands(&window, game, [] { return QString("Marvane"); });
        SeenBox seen;
        recordNextMessageBox(&seen);
        QVERIFY(!commands.pasteText("e3 z9"));
        QVERIFY2(seen.text.startsWith("Thé mõvés õñ") &&
                     seen.text.contains("Mõvé 2, \"z9\", îs ñõt à sqüàré"),
                 qPrintable(seen.text));
    }

    // The catalogues as written: no entry unfinished or empty, each keeps its placeholders, and
    // has an access key exactly where the English has one.
    void everyCatalogueIsCompleteAndKeepsPlaceholders() {
        QCOMPARE(shippedLanguages().size(), 8);
        for (const QString& language : shippedLanguages()) {
            QFile file(QString(MARVANE_TRANSLATIONS_DIR) + "/marvane_" + language + ".ts");
            QDomDocument ts;
            QVERIFY(file.open(QIODevice::ReadOnly) && ts.setContent(&file));
            QStringList faults;
            const QDomNodeList messages = ts.elementsByTagName("message");
            for (int i = 0; i < messages.size(); ++i) {
                const QString source = messages.at(i).firstChildElement("source").text();
                const QDomElement t = messages.at(i).firstChildElement("translation");
                if (t.hasAttribute("type") || t.text().trimmed().isEmpty())
                    faults << "unfinished: " + source;
                else if (placeholders(source) != placeholders(t.text()) ||
                         QKeySequence::mnemonic(source).isEmpty() !=
                             QKeySequence::mnemonic(t.text()).isEmpty())
                    faults << "placeholder or access key differs: " + source;
            }
            QVERIFY2(faults.isEmpty(), qPrintable(language + ": " + faults.join("; ")));
        }
    }
};

QTEST_MAIN(TranslationsTest)
#include "tst_translations.moc"
