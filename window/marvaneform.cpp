// SPDX-License-Identifier: GPL-3.0-or-later
#include "window/marvaneform.h"

#include <QApplication>
#include <QCloseEvent>
#include <QFrame>
#include <QMessageBox>
#include <QScreen>
#include <QShortcut>
#include <QShowEvent>
#include <QTimer>
#include <QToolButton>
#include <QVariant>
#include <algorithm>
#include <stdexcept>
#include <tuple>

#include "window/analysisroom.h"
#include "window/art/appicon.h"
#include "window/boardimage.h"
#include "window/common/programfiles.h"
#include "window/fonts.h"
#include "window/gamemenu.h"
#include "window/gamereview.h"
#include "window/keylist.h"
#include "window/mainmenus.h"
#include "window/marvaneform_layout.h"
#include "window/marvaneform_startup.h"
#include "window/marvaneform_view.h"
#include "window/optionspanel.h"
#include "window/recordcommands.h"
#include "window/rulespage.h"
#include "window/sidepanel.h"
#include "window/sound/soundeffects.h"
#include "window/statusline.h"

namespace marvane {

namespace {

// The designed window: its outer size, and the client area inside its classic sizeable frame.
constexpr QSize kOuterSize(768, 527);
constexpr QSize kClientSize(760, 500);

}  // namespace

TMarvaneForm::TMarvaneForm(SettingsStore store, MakerAddresses maker, QWidget* parent)
    : QMainWindow(parent),
      store_(std::move(store)),
      view_(std::make_unique<View>(*this)),
      game_(*view_),
      startUp_(std::make_unique<StartUp>(*this)) {
    installFontSubstitutes();
    setObjectName("MarvaneForm");
    setWindowTitle(Texts::tr("Marvane by CORVATH"));
    // The smallest size now; the others follow the first frame.
    setWindowIcon(appIcon(kAppIconSizes.front()));

    // A text box lays its text out the moment it is built: in the application's face, then in
    // the one it inherits, and only then in its own. While the controls are built both are the
    // face most of them use, so no face that the first view does not show is loaded for them;
    // the window's own face is set once they are all there.
    {
        struct BuildingFace {
            const QFont application = QApplication::font();
            explicit BuildingFace(const QFont& face) { QApplication::setFont(face); }
            ~BuildingFace() { QApplication::setFont(application); }
        } building(pixelFont("MS Sans Serif", 16));
        setFont(QApplication::font());
        Image3 = buildClientAndBoard(*this);
        side_ = std::make_unique<SidePanel>(centralWidget(), devicePixelRatioF());
        options_ = std::make_unique<OptionsPanel>(centralWidget(), maker.web, maker.email);
        menus_ = std::make_unique<MainMenus>(*this);
        status_ = std::make_unique<StatusLine>(*this);
        Playerdelay = new QTimer(this);
        Playerdelay->setObjectName("Playerdelay");
        Playerdelay->setSingleShot(true);
        Playerdelay->setTimerType(Qt::PreciseTimer);
        Playerdelay->setInterval(1000);
        sounds_ = new SoundEffects(
            options_->soundBox(), this,
            [this](const QString& folder) { status_->showSoundFolder(folder); }, {}, this);
    }
    setFont(pixelFont("MS Sans Serif", 11));

    wireControls();
    Image3->setFocus();

    resize(kClientSize);
    // Without a window manager nobody else would centre the window.
    if (const QScreen* screen = QGuiApplication::primaryScreen()) {
        const QRect available = screen->availableGeometry();
        move(available.center() - QPoint(kOuterSize.width() / 2, kOuterSize.height() / 2) +
             QPoint(1, 1));
    }
}

TMarvaneForm::~TMarvaneForm() = default;

// Runs `handler` on every `signal` of `sender`.
template <typename Sender, typename Signal>
void TMarvaneForm::connectGuarded(Sender* sender, Signal signal, void (TMarvaneForm::*handler)()) {
    connect(sender, signal, this, guardedSlot(guard(), this, handler));
}

Guard TMarvaneForm::guard() {
    return [this](const std::function<void()>& handler) { guarded(handler); };
}

void TMarvaneForm::wireControls() {
    using Handler = void (TMarvaneForm::*)();
    const auto run = [this](Handler handler) { return guardedSlot(guard(), this, handler); };
    side_->wire({.SpeedButton1Click = run(&TMarvaneForm::QuitClick),
                 .FinishButtonClick = run(&TMarvaneForm::FinishButtonClick),
                 .restartClick = run(&TMarvaneForm::restartClick),
                 .SpeedButton3Click = run(&TMarvaneForm::RulesClick),
                 .OptionsClick = run(&TMarvaneForm::Showrules),
                 .easyclick = run(&TMarvaneForm::easyclick),
                 .PlayersClick = run(&TMarvaneForm::PlayersClick)});

    menus_->wire(
        {.LeaveMarvane1Click = run(&TMarvaneForm::QuitClick),
         .Rules1Click = run(&TMarvaneForm::RulesClick),
         .ContactCorvath1Click = run(&TMarvaneForm::ContactCorvath1Click),
         .VisitourWebsite1Click = run(&TMarvaneForm::VisitourWebsite1Click),
         .HideMenuClick = run(&TMarvaneForm::HideMenuClick),
         .ShowStatus1Click = run(&TMarvaneForm::ShowStatus1Click),
         .LocateClick = run(&TMarvaneForm::LocateClick),
         .AutoplayClick = run(&TMarvaneForm::AutoplayClick),
         .ColourMenuClick = [this](int tag) { guarded([this, tag] { ColourMenuClick(tag); }); }});

    // These work whether or not the menu bar is shown.
    const std::tuple<QKeySequence, Handler, const char*> shortcuts[] = {
        {QKeySequence(Qt::CTRL | Qt::Key_N), &TMarvaneForm::restartClick,
         QT_TRANSLATE_NOOP("KeyList", "\"restart\": start a new game")},
        {QKeySequence(Qt::CTRL | Qt::Key_Q), &TMarvaneForm::QuitClick,
         QT_TRANSLATE_NOOP("KeyList", "\"quit\": close Marvane")},
        {QKeySequence(Qt::Key_F1), &TMarvaneForm::RulesClick,
         QT_TRANSLATE_NOOP("KeyList", "\"rules\": show the rules")}};
    for (auto [keys, handler, what] : shortcuts) {
        auto* shortcut = new QShortcut(keys, this);
        shortcut->setWhatsThis(QString::fromUtf8(what));
        connectGuarded(shortcut, &QShortcut::activated, handler);
    }
    side_->addKeys(*this);
    addEscapeKey();

    connectGuarded(Playerdelay, &QTimer::timeout, &TMarvaneForm::PlayerdelayTimer);
    // The mouse and the keys pick squares alike.
    connect(Image3, &BoardImage::squarePressed, this, &TMarvaneForm::Image3MouseDown);
    Image3->ignoreKeysWhile([this] { return game_.moveInProgress(); });
    analysis_ = std::make_unique<AnalysisRoom>(
        nullptr, game_, *Image3,
        [this](std::optional<Square> square) { guarded([&] { game_.computerTurn(square); }); },
        [this](const QString& text) { game_.whenIdle([this, text] { showErrorBox(text); }); });
    gameMenu_ = new GameMenu(*this, game_, *Image3, *analysis_, guard());
    // A review shares the analysis worker: the hint and the scores wait behind it.
    review_ = std::make_unique<GameReview>(
        [this]() -> AnalysisWorker& { return analysis_->worker(); }, game_);
    gameMenu_->records().setReview(review_.get());
    connect(&gameMenu_->records(), &RecordCommands::openingChanged, this,
            [this](const QString& name) { status_->showOpening(name); });
}

void TMarvaneForm::addEscapeKey() {
    auto* escape = new QShortcut(QKeySequence(Qt::Key_Escape), this);
    escape->setObjectName("EscapeKey");
    escape->setWhatsThis(
        QT_TRANSLATE_NOOP("KeyList", "close the panel, as its \"Return to Marvane\" does"));
    escape->setProperty(kKeyWhereProperty,
                        QT_TRANSLATE_NOOP("KeyList", "rules or options panel open"));
    connectGuarded(escape, &QShortcut::activated, &TMarvaneForm::EscapeKey);
}

// The panel in front closes first: the later of the two among the client's children.
void TMarvaneForm::EscapeKey() {
    if (!rules_) return;
    const QObjectList& stack = centralWidget()->children();
    const QWidget* rules = rules_->panel();
    const QWidget* options = options_->panel();
    const bool rulesInFront = rules->isVisible() && (!options->isVisible() ||
                                                     stack.indexOf(rules) > stack.indexOf(options));
    if (rulesInFront)
        QuitRulesClick();
    else if (options->isVisible())
        quitoptions();
}

void TMarvaneForm::buildRest() {
    if (rules_) return;
    rules_ = std::make_unique<RulesPage>(centralWidget(), options_->panel());
    rules_->describeKeys(keysDescription(keyList(*this)));
    options_->finish();
    status_->build();
    connectGuarded(rules_->returnButton(), &QToolButton::clicked, &TMarvaneForm::QuitRulesClick);
    connectGuarded(options_->returnButton(), &QToolButton::clicked, &TMarvaneForm::quitoptions);
}

void TMarvaneForm::guarded(const std::function<void()>& handler) {
    try {
        handler();
    } catch (const std::exception& error) {
        const QString text = QString::fromUtf8(error.what());
        if (!startUp_->holdError(text)) showErrorBox(text);
    }
}

void TMarvaneForm::showErrorBox(const QString& text) {
    QString message = text;
    if (!message.endsWith('.')) message += '.';
    QMessageBox box(QMessageBox::Critical, QStringLiteral("Marvane"), message, QMessageBox::Ok,
                    this);
    box.exec();
}

// --- The board and the game's buttons ---

void TMarvaneForm::Image3MouseDown(int row, int column) { game_.pressSquare(row, column); }

void TMarvaneForm::FinishButtonClick() { game_.finish(); }

void TMarvaneForm::restartClick() { game_.newGame(); }

void TMarvaneForm::easyclick() { game_.setEasyLevel(game_.state().EasyLevel != 1); }

void TMarvaneForm::AutoplayClick() {
    game_.autoplay();
    // Autoplay has ended, or not begun yet: undo may be possible again.
    gameMenu_->refreshGameMenu();
}

// Expert Hard may still be thinking: the room plays the reply when its search is done.
void TMarvaneForm::PlayerdelayTimer() {
    Playerdelay->stop();
    analysis_->replyDue();
}

// The game shows the new mode on the buttons (View::showPlayers).
void TMarvaneForm::PlayersClick() { game_.setPlayerCount(game_.state().PlayerCount == 1 ? 2 : 1); }

// --- Panels and menus ---

void TMarvaneForm::quitoptions() {
    if (options_->close()) Image3->setFocus();
    Playerdelay->setInterval(options_->takeResponse());
    const bool status = options_->statusShown();
    if (status) status_->build();
    status_->setShown(status);
    menus_->setStatusTicked(status);
    const bool menu = options_->menuShown();
    if (menu) menus_->buildMenuBar(gameMenu_->menu());
    menus_->setShown(menu);
    gameMenu_->setShown(menu);
}

void TMarvaneForm::Showrules() {
    buildRest();
    options_->open();
}

void TMarvaneForm::RulesClick() {
    buildRest();
    // Keys added since it was built are listed too.
    rules_->describeKeys(keysDescription(keyList(*this)));
    rules_->open();
}

void TMarvaneForm::QuitRulesClick() {
    rules_->close();
    Image3->setFocus();
}

void TMarvaneForm::HideMenuClick() {
    menus_->setShown(false);
    gameMenu_->setShown(false);
    options_->setMenuShown(false);
}

void TMarvaneForm::ShowStatus1Click() {
    status_->build();
    const bool shown = menus_->statusTicked();
    status_->setShown(!shown);
    options_->setStatusShown(!shown);
    menus_->setStatusTicked(!shown);
}

void TMarvaneForm::ColourMenuClick(int tag) {
    if (tag < 0 || tag >= static_cast<int>(ColourSchemes.size())) return;
    const ColourScheme scheme = ColourSchemes[tag];
    colours_ = scheme;
    game_.setColours(scheme.c1, scheme.c2);
    // A failed save is reported, and the new game still starts: the board must never be left in
    // colours that the game no longer plays. The pair is saved as chosen, since during a move the
    // game takes it up only when the move has finished.
    guarded([this, scheme] {
        Options options = currentOptions();
        options.c1 = scheme.c1;
        options.c2 = scheme.c2;
        if (store_.save) store_.save(options);
    });
    game_.newGame();
}

void TMarvaneForm::QuitClick() { close(); }

void TMarvaneForm::LocateClick() { sounds_->LocateClick(); }

void TMarvaneForm::ContactCorvath1Click() {
    buildRest();
    options_->writeEmail();
}

void TMarvaneForm::VisitourWebsite1Click() {
    buildRest();
    options_->openWebPage();
}

// --- Options ---

namespace {

// The property of an option's control that holds its value.
const char* valueProperty(const OptionRow& option) {
    return option.kind == OptionKind::Flag ? "checked" : "value";
}

}  // namespace

QObject* TMarvaneForm::optionControl(const OptionRow& option) const {
    if (option.control.empty()) return nullptr;
    return findChild<QObject*>(
        QString::fromLatin1(option.control.data(), static_cast<qsizetype>(option.control.size())));
}

// The controls hold the options (the table names each one's control), except the colours.
Options TMarvaneForm::currentOptions() const {
    Options options;
    for (const OptionRow& option : kOptionTable) {
        if (const QObject* control = optionControl(option))
            option.set(options, control->property(valueProperty(option)).toInt());
    }
    // Sound forced off for this run by a missing device is not the user's choice.
    options.sound = sounds_->chosen();
    // The scheme the player chose, not the colours of a game opened from a file.
    options.c1 = colours_.c1;
    options.c2 = colours_.c2;
    return options;
}

void TMarvaneForm::setLoadedOptions(Options options) {
    for (const OptionRow& option : kOptionTable) {
        QObject* control = optionControl(option);
        if (!control) continue;
        const int value = option.get(options);
        // Whatever store handed it in; a wrapping spin box would wrap an outside value.
        control->setProperty(valueProperty(option),
                             option.kind == OptionKind::Flag
                                 ? QVariant(value != 0)
                                 : QVariant(std::clamp(value, option.min, option.max)));
    }
    // The marks follow their items when the game's events have been handled.
    gameMenu_->scheduleRefresh();
    colours_ = usableColours(options.c1, options.c2);
    game_.setColours(colours_.c1, colours_.c2);
}

// --- Shutdown ---

void TMarvaneForm::showEvent(QShowEvent* event) {
    QMainWindow::showEvent(event);
    startUp_->windowShown();
}

void TMarvaneForm::FormClose() {
    guarded([this] {
        if (store_.save) store_.save(currentOptions());
    });
}

void TMarvaneForm::closeEvent(QCloseEvent* event) {
    if (game_.moveInProgress()) {
        // Close once the move being worked out has finished.
        event->ignore();
        game_.whenIdle([this] { close(); });
        return;
    }
    FormClose();
    closing_ = true;
    Playerdelay->stop();
    analysis_->replyCancelled();
    game_.discardQueued();  // a computer turn queued behind the close has no window to play in
    event->accept();
}

}  // namespace marvane
