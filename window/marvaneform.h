// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QCoreApplication>
#include <QMainWindow>
#include <QString>
#include <functional>
#include <memory>

#include "engine/game.h"
#include "settings/options.h"
#include "window/guard.h"

class QTimer;

namespace marvane {

class AnalysisRoom;
class GameReview;
class BoardImage;
class GameMenu;
class MainMenus;
class OptionsPanel;
class RulesPage;
class SidePanel;
class SoundEffects;
class StatusLine;

// The settings store, handed in by the program: the window does not know where options live.
// Both may throw std::exception; the window reports it in its error box.
struct SettingsStore {
    // Fills `into` value by value; on an error the values read so far stay in it.
    std::function<void(Options& into)> load;
    std::function<void(const Options&)> save;
};

// The maker's web page and support e-mail address, handed in by the program.
struct MakerAddresses {
    QString web;
    QString email;
};

// The one main window: the board on the left, the game's controls on the right, the rules and
// options panels that can be laid over them, the menu and the status bar. Its start-up runs once
// it is on screen, and closing it saves the options.
//
// Every control carries its layout name as its object name; that is how anyone outside reaches
// one. The game is played only through the controls.
class TMarvaneForm : public QMainWindow {
    Q_OBJECT

public:
    // The catalogues keep this class's texts under a context of their own, which a rename of
    // the class leaves as it is: its texts are translated as Texts::tr.
    struct Texts {
        Q_DECLARE_TR_FUNCTIONS(MainWindow)
    };

    explicit TMarvaneForm(SettingsStore store = {}, MakerAddresses maker = {},
                          QWidget* parent = nullptr);
    ~TMarvaneForm() override;

    // The game as it stands, to look at.
    const Game& game() const { return game_; }

private:
    class View;     // what the game sees of the window
    class StartUp;  // the start-up sequence and what waits for the first frame

    // --- Handlers, named after their control and event ---
    void Image3MouseDown(int row, int column);
    void FinishButtonClick();
    void PlayersClick();
    void quitoptions();
    void Showrules();
    void RulesClick();
    void QuitRulesClick();
    void EscapeKey();
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
    // The start-up steps up to the sounds: caption, options, players mode, the options applied
    // to the controls. The StartUp object runs them once, when the window is first shown.
    void FormActivate();
    // Saves the options; every way of closing the window comes through here.
    void FormClose();

    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

    void wireControls();
    void addEscapeKey();
    // Builds and wires what the first view does not show; only the first call does anything.
    void buildRest();
    template <typename Sender, typename Signal>
    void connectGuarded(Sender* sender, Signal signal, void (TMarvaneForm::*handler)());
    // Runs `handler`, reporting any error in the error box so none reaches the event loop.
    void guarded(const std::function<void()>& handler);
    // guarded(), for the rooms and slots that take a guard.
    Guard guard();
    // Shows `text` in the program's error box, with a full stop added when it has none.
    void showErrorBox(const QString& text);
    // The options as the controls show them now, and loading them into the controls.
    QObject* optionControl(const OptionRow& option) const;
    Options currentOptions() const;
    void setLoadedOptions(Options options);

    SettingsStore store_;
    std::unique_ptr<View> view_;
    Game game_;
    // The window's rooms, which keep their own controls, and the controls the window itself
    // uses: the board, the response delay and the sounds. The window owns them all.
    BoardImage* Image3 = nullptr;
    QTimer* Playerdelay = nullptr;
    SoundEffects* sounds_ = nullptr;
    std::unique_ptr<SidePanel> side_;
    std::unique_ptr<OptionsPanel> options_;
    std::unique_ptr<MainMenus> menus_;
    std::unique_ptr<StatusLine> status_;
    std::unique_ptr<RulesPage> rules_;  // built with the rest, after the first frame
    GameMenu* gameMenu_ = nullptr;      // the window owns it
    // The hint, the scores and Expert Hard, with the window's one analysis worker.
    std::unique_ptr<AnalysisRoom> analysis_;
    std::unique_ptr<GameReview> review_;  // on analysis_'s worker, so it goes first
    // The colour scheme the options keep: loaded at start-up, changed only by the Colours menu.
    // A game opened from a file plays in its own colours without changing it.
    ColourScheme colours_ = ColourSchemes[0];
    std::unique_ptr<StartUp> startUp_;
    bool closing_ = false;  // Autoplay's loop ends when it sees this
};

}  // namespace marvane
