#include "window/marvaneform.h"

#include <QAccessible>
#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QCloseEvent>
#include <QFrame>
#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>
#include <QScreen>
#include <QShortcut>
#include <QSpinBox>
#include <QStatusBar>
#include <QTimer>
#include <QToolButton>
#include <algorithm>
#ifdef __GLIBC__
#include <malloc.h>
#endif
#include <stdexcept>

#include "getver/getver.h"
#include "kurl2/KURL2.h"
#include "window/art/appicon.h"
#include "window/art/buttonart.h"
#include "window/boardaccessible.h"
#include "window/boardimage.h"
#include "window/common/programfiles.h"
#include "window/fonts.h"
#include "window/sound/soundeffects.h"

namespace marvane {

namespace {

// The original window: its outer size, and the client area inside its classic sizeable frame.
constexpr QSize kOuterSize(768, 527);
constexpr QSize kClientSize(760, 500);

bool isColourPair(int c1, int c2) { return isCounterColour(c1) && isCounterColour(c2) && c1 != c2; }

}  // namespace

TMarvaneForm::TMarvaneForm(SettingsStore store, MakerAddresses maker, QWidget* parent)
    : QMainWindow(parent), store_(std::move(store)), maker_(std::move(maker)), game_(*this) {
    installFontSubstitutes();
    setObjectName("MarvaneForm");
    setWindowTitle("Marvane by CORVATH");
    // Title bars and task switchers show at most 64 pixels; the desktop entry has the large ones.
    setWindowIcon(appIcon(64));
    setFont(pixelFont("MS Sans Serif", 11));

    auto* client = new QWidget(this);
    client->setObjectName("client");
    QPalette black = client->palette();
    black.setColor(QPalette::Window, Qt::black);
    client->setPalette(black);
    client->setAutoFillBackground(true);
    setCentralWidget(client);
    client->installEventFilter(this);

    buildBoard(client);
    buildControls(client);
    buildRulesPanel(client);
    buildOptionPanel(client);  // last, so it lies in front of the controls it covers
    buildMenu();
    buildStatusBar();

    // These work whether or not the menu bar is shown.
    const std::pair<QKeySequence, void (TMarvaneForm::*)()> shortcuts[] = {
        {QKeySequence(Qt::CTRL | Qt::Key_N), &TMarvaneForm::restartClick},
        {QKeySequence(Qt::CTRL | Qt::Key_Q), &TMarvaneForm::QuitClick},
        {QKeySequence(Qt::Key_F1), &TMarvaneForm::RulesClick}};
    for (auto [keys, handler] : shortcuts) {
        auto* shortcut = new QShortcut(keys, this);
        connect(shortcut, &QShortcut::activated, this,
                [this, handler] { guarded([&] { (this->*handler)(); }); });
    }
    Image3->setFocus();

    Playerdelay = new QTimer(this);
    Playerdelay->setObjectName("Playerdelay");
    Playerdelay->setSingleShot(true);
    Playerdelay->setTimerType(Qt::PreciseTimer);
    Playerdelay->setInterval(1000);
    connect(Playerdelay, &QTimer::timeout, this,
            [this] { guarded([this] { PlayerdelayTimer(); }); });

    sounds = new SoundEffects(
        Sound, this, [this](const QString& folder) { statusPanels[2]->setText(folder); }, {}, this);

    resize(kClientSize);
    // Without a window manager nobody else would centre the window.
    if (const QScreen* screen = QGuiApplication::primaryScreen()) {
        const QRect available = screen->availableGeometry();
        move(available.center() - QPoint(kOuterSize.width() / 2, kOuterSize.height() / 2) +
             QPoint(1, 1));
    }
}

TMarvaneForm::~TMarvaneForm() = default;

void TMarvaneForm::guarded(const std::function<void()>& handler) {
    try {
        handler();
    } catch (const std::exception& error) {
        showErrorBox(QString::fromUtf8(error.what()));
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

void TMarvaneForm::Image3MouseDown(int x, int y) {
    const auto square = BoardPicture::squareFromPoint(x, y);
    if (!square) return;
    game_.pressSquare(square->first, square->second);
}

void TMarvaneForm::FinishButtonClick() { game_.finish(); }

void TMarvaneForm::restartClick() {
    game_.whenIdle([this] { game_.newGame(); });
}

void TMarvaneForm::easyclick() { EasyButton->setText(QString::fromStdString(game_.toggleLevel())); }

void TMarvaneForm::AutoplayClick() { game_.autoplay(); }

void TMarvaneForm::PlayerdelayTimer() {
    Playerdelay->stop();
    game_.computerTurn();
}

void TMarvaneForm::PlayersClick() {
    QString picture;
    if (game_.state().PlayerCount == 1) {
        game_.state().PlayerCount = 2;
        Players->setText("2 Players");
        EasyButton->hide();
        picture = findBesideProgram("system/twoplayer.bmp");
    } else {
        game_.state().PlayerCount = 1;
        Players->setText("1 Player");
        EasyButton->show();
        picture = findBesideProgram("system/oneplayer.bmp");
    }
    if (picture.isEmpty()) return;  // the picture the button has stays
    QImage strip;
    if (!strip.load(picture, "BMP")) throw std::runtime_error("Bitmap image is not valid");
    Players->setIcon(iconFromStrip(strip, 2));
}

// --- Panels and menus ---

void TMarvaneForm::quitoptions() {
    const bool focusInPanel = OptionPanel->isAncestorOf(QApplication::focusWidget());
    OptionPanel->hide();
    if (focusInPanel) Image3->setFocus();
    // A whole number typed into the edit box counts; any other text falls back to the last
    // valid position, which the box then shows again.
    Response->interpretText();
    Response->setValue(Response->value());
    Playerdelay->setInterval(Response->value());
    StatusBar->setVisible(ShowStatus->isChecked());
    ShowStatus1->setChecked(ShowStatus->isChecked());
    const bool menu = ShowMenu->isChecked();
    for (QMenu* m : {HelpMenu, OptionsMenu, QuitMenu}) m->menuAction()->setVisible(menu);
    Autoplay->setVisible(menu);
}

void TMarvaneForm::Showrules() { OptionPanel->show(); }

void TMarvaneForm::RulesClick() {
    RulesPanel->raise();
    RulesPanel->show();
}

void TMarvaneForm::QuitRulesClick() {
    RulesPanel->hide();
    Image3->setFocus();
}

void TMarvaneForm::HideMenuClick() {
    HelpMenu->menuAction()->setVisible(false);
    OptionsMenu->menuAction()->setVisible(false);
    QuitMenu->menuAction()->setVisible(false);
    ShowMenu->setChecked(false);
    Autoplay->setVisible(false);
}

void TMarvaneForm::ShowStatus1Click() {
    const bool shown = ShowStatus1->isChecked();
    StatusBar->setVisible(!shown);
    ShowStatus->setChecked(!shown);
    ShowStatus1->setChecked(!shown);
}

void TMarvaneForm::ColourMenuClick(int tag) {
    if (tag < 0 || tag >= static_cast<int>(ColourSchemes.size())) return;
    game_.whenIdle([this, tag] {
        game_.state().C1 = ColourSchemes[tag].c1;
        game_.state().C2 = ColourSchemes[tag].c2;
        // A failed save is reported, and the new game still starts: the board must never be
        // left in colours that the game no longer plays.
        guarded([this] {
            if (store_.save) store_.save(currentOptions());
        });
        game_.newGame();
    });
}

void TMarvaneForm::QuitClick() { close(); }

void TMarvaneForm::LocateClick() { sounds->LocateClick(); }

void TMarvaneForm::ContactCorvath1Click() { email->OpenLink(); }

void TMarvaneForm::VisitourWebsite1Click() { web->OpenLink(); }

// --- Options ---

WindowOptions TMarvaneForm::currentOptions() const {
    WindowOptions options;
    // Sound forced off for this run by a missing device is not the user's choice.
    options.sound = sounds->chosen();
    options.menu = ShowMenu->isChecked();
    options.status = ShowStatus->isChecked();
    options.response = Response->value();
    options.c1 = game_.state().C1;
    options.c2 = game_.state().C2;
    return options;
}

void TMarvaneForm::setLoadedOptions(const WindowOptions& options) {
    Sound->setChecked(options.sound);
    ShowMenu->setChecked(options.menu);
    ShowStatus->setChecked(options.status);
    // A wrapping spin box would wrap an outside value rather than clamp it.
    Response->setValue(std::clamp(options.response, Response->minimum(), Response->maximum()));
    const bool valid = isColourPair(options.c1, options.c2);
    game_.state().C1 = valid ? options.c1 : 1;
    game_.state().C2 = valid ? options.c2 : 2;
}

// --- Start-up and shutdown ---

QString TMarvaneForm::readVersionCaption() const {
    const QString version = ReadVersion();
    const QString title = ReadTitle();
    return title + " Version " + version + "  by Corvath";
}

void TMarvaneForm::FormActivate() {
    startUpDone_ = true;
    // A step that fails is reported and the rest still run, so the first game always starts.
    guarded([this] { setWindowTitle(readVersionCaption()); });
    WindowOptions loaded;
    guarded([this, &loaded] {
        struct Apply {
            TMarvaneForm* form;
            WindowOptions* options;
            ~Apply() { form->setLoadedOptions(*options); }
        } apply{this, &loaded};
        if (store_.load) store_.load(loaded);
    });
    game_.state().PlayerCount = 1;
    guarded([this] { PlayersClick(); });
    guarded([this] { quitoptions(); });
    guarded([this] { sounds->startUpSounds(); });
    game_.whenIdle([this] { game_.newGame(); });
#ifdef __GLIBC__
    // Decoding the sounds and loading the faces leave freed heap behind; an idle game need not
    // keep it.
    malloc_trim(0);
#endif
}

void TMarvaneForm::startUpOnce() {
    if (startUpDone_ || startUpQueued_) return;
    startUpQueued_ = true;
    // After the paint or activation in progress, so the window is on screen, painted, behind
    // any message box the start-up shows.
    QTimer::singleShot(0, this, [this] {
        if (!startUpDone_) FormActivate();
    });
}

bool TMarvaneForm::eventFilter(QObject* watched, QEvent* event) {
    // The window is on screen once its client area has been painted for the first time.
    if (watched == centralWidget() && event->type() == QEvent::Paint) startUpOnce();
    return QMainWindow::eventFilter(watched, event);
}

void TMarvaneForm::changeEvent(QEvent* event) {
    QMainWindow::changeEvent(event);
    if (event->type() == QEvent::ActivationChange && isActiveWindow()) startUpOnce();
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
    game_.discardQueued();  // a computer turn queued behind the close has no window to play in
    event->accept();
}

// --- What the game asks of the window ---

void TMarvaneForm::paintCounter(int row, int column, ColourCode colour) {
    Image3->drawCounter(row, column, colour);
}

void TMarvaneForm::showText(Box box, std::string_view text) {
    const QString value = QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
    // A side label names the colour whose count its score box shows.
    auto sideLabel = [&value](QLabel* label, QLineEdit* score) {
        label->setText(value);
        label->adjustSize();
        score->setAccessibleName(value + " score");
    };
    switch (box) {
        case Box::MessageBox: announce(MessageBox, value); break;
        case Box::GoBox: announce(GoBox, value); break;
        case Box::MoveBox: MoveBox->setText(value); break;
        case Box::WhiteScore: WhiteScore->setText(value); break;
        case Box::BlackScore: BlackScore->setText(value); break;
        case Box::remain: remain->setText(value); break;
        case Box::Edit3: Edit3->setText(value); break;
        case Box::C1Lab: sideLabel(C1Lab, WhiteScore); break;
        case Box::c2lab: sideLabel(c2lab, BlackScore); break;
    }
}

// The turn line and the result are spoken when they change, not only when visited.
void TMarvaneForm::announce(QLineEdit* box, const QString& text) {
    const bool changed = box->text() != text;
    box->setText(text);
    if (!changed) return;
    QAccessibleValueChangeEvent valueChanged(box, text);
    sendAccessibleEvent(&valueChanged);
    QAccessibleEvent alert(box, QAccessible::Alert);
    sendAccessibleEvent(&alert);
}

void TMarvaneForm::showGoBox(bool visible) { GoBox->setVisible(visible); }

void TMarvaneForm::requestSound(marvane::Sound sound) { sounds->request(sound); }

void TMarvaneForm::processPendingEvents() {
    QCoreApplication::processEvents(QEventLoop::AllEvents);
}

bool TMarvaneForm::waitForEvents() {
    if (closing_) return false;
    QCoreApplication::processEvents(QEventLoop::AllEvents | QEventLoop::WaitForMoreEvents);
    return !closing_;
}

void TMarvaneForm::armResponseDelay() {
    if (!Playerdelay->isActive()) Playerdelay->start();
}

}  // namespace marvane
