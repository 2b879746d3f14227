#pragma once

#include <QMainWindow>
#include <QPointer>
#include <functional>
#include <memory>

#include "engine/game.h"
#include "settings/options.h"

class QAction;
class QCheckBox;
class QFrame;
class QLabel;
class QLineEdit;
class QMenu;
class QSpinBox;
class QStatusBar;
class QTimer;
class QToolButton;
class TKURL2;

namespace marvane {

class BoardImage;
class SoundEffects;

// The options the settings store keeps between runs, as the window holds them.
using WindowOptions = Options;

// The settings store, handed in by the program: the window does not know where options live.
// Both may throw std::exception; the window reports it in its error box.
struct SettingsStore {
    // Fills `into` value by value; on an error the values read so far stay in it.
    std::function<void(WindowOptions& into)> load;
    std::function<void(const WindowOptions&)> save;
};

// The maker's web page and support e-mail address, handed in by the program.
struct MakerAddresses {
    QString web;
    QString email;
};

// The one main window: the board on the left, the game's controls on the right, the rules and
// options panels that can be laid over them, the menu and the status bar.
class TMarvaneForm : public QMainWindow, public GameView {
    Q_OBJECT

public:
    explicit TMarvaneForm(SettingsStore store = {}, MakerAddresses maker = {},
                          QWidget* parent = nullptr);
    ~TMarvaneForm() override;

    Game& game() { return game_; }

    // --- Handlers, named after their control and event ---
    void Image3MouseDown(int x, int y);
    void FinishButtonClick();
    void PlayersClick();
    void quitoptions();
    void Showrules();
    void RulesClick();
    void QuitRulesClick();
    void HideMenuClick();
    void ShowStatus1Click();
    void ColourMenuClick(int tag);
    void QuitClick();
    void restartClick();
    void easyclick();
    void AutoplayClick();
    void PlayerdelayTimer();
    void LocateClick();
    void ContactCorvath1Click();
    void VisitourWebsite1Click();
    // The start-up sequence; runs once, when the window is first shown or first activated.
    void FormActivate();
    // Saves the options; every way of closing the window comes through here.
    void FormClose();

    // The options as the controls show them now, and loading them into the controls.
    WindowOptions currentOptions() const;
    void setLoadedOptions(const WindowOptions& options);

    // Shows `text` in the program's error box, with a full stop added when it has none.
    void showErrorBox(const QString& text);

    // --- GameView ---
    void paintCounter(int row, int column, ColourCode colour) override;
    void showText(Box box, std::string_view text) override;
    void showGoBox(bool visible) override;
    void requestSound(marvane::Sound sound) override;
    void processPendingEvents() override;
    bool waitForEvents() override;
    void armResponseDelay() override;

    // --- Controls, by their names in the layout ---
    QFrame* Panel1 = nullptr;
    BoardImage* Image3 = nullptr;
    QLabel *Label4 = nullptr, *Label5 = nullptr, *Label1 = nullptr, *C1Lab = nullptr,
           *c2lab = nullptr, *Label6 = nullptr, *Label7 = nullptr;
    QToolButton *SpeedButton1 = nullptr, *FinishButton = nullptr, *restart = nullptr,
                *SpeedButton3 = nullptr, *Options = nullptr, *EasyButton = nullptr,
                *Players = nullptr;
    QLineEdit *MessageBox = nullptr, *GoBox = nullptr, *MoveBox = nullptr, *WhiteScore = nullptr,
              *BlackScore = nullptr, *remain = nullptr, *Edit3 = nullptr;
    QStatusBar* StatusBar = nullptr;
    QLabel* statusPanels[3] = {};
    QFrame* RulesPanel = nullptr;
    QLabel* Label8 = nullptr;
    QToolButton* QuitRules = nullptr;
    QFrame* OptionPanel = nullptr;
    QLabel *Label25 = nullptr, *Label24 = nullptr;
    QSpinBox* Response = nullptr;
    QLineEdit* responseedit = nullptr;
    QCheckBox *Sound = nullptr, *ShowMenu = nullptr, *ShowStatus = nullptr;
    QFrame* Panel2 = nullptr;
    TKURL2 *web = nullptr, *email = nullptr;
    QToolButton* SpeedButton5 = nullptr;
    QMenu *QuitMenu = nullptr, *HelpMenu = nullptr, *OptionsMenu = nullptr, *ColourMenu = nullptr;
    QAction *LeaveMarvane1 = nullptr, *Rules1 = nullptr, *ContactCorvath1 = nullptr,
            *VisitourWebsite1 = nullptr, *HideMenu = nullptr, *ShowStatus1 = nullptr,
            *Locate = nullptr, *Autoplay = nullptr;
    QAction *Blackwhite = nullptr, *redgreen = nullptr, *aquayello = nullptr;
    QTimer* Playerdelay = nullptr;
    SoundEffects* sounds = nullptr;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void changeEvent(QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    void buildBoard(QWidget* client);
    void buildControls(QWidget* client);
    void buildRulesPanel(QWidget* client);
    void buildOptionPanel(QWidget* client);
    void buildMenu();
    void buildStatusBar();
    void startUpOnce();
    void announce(QLineEdit* box, const QString& text);
    // Runs `handler`, reporting any error in the error box so none reaches the event loop.
    void guarded(const std::function<void()>& handler);
    QString readVersionCaption() const;

    SettingsStore store_;
    MakerAddresses maker_;
    Game game_;
    bool startUpDone_ = false;
    bool startUpQueued_ = false;
    bool closing_ = false;
};

}  // namespace marvane
