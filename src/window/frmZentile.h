// SPDX-FileCopyrightText: 2026 Zentile developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/GameView.h"
#include "window/WindowServices.h"

#include <QMainWindow>

#include <memory>

class Announcer;
class BoardSurface;
class Game;
class QAction;
class QFrame;
class QLabel;
class QListWidget;
class QMenu;
class QPushButton;
class QTimer;

// The game's one window: its controls, menus and the events that drive the game.
class frmZentile : public QMainWindow, public GameView
{
    Q_OBJECT

public:
    // Address of the online help page.
    static const QString HelpAddress;

    // The window with real dialogs, randomness and data files beside the executable.
    frmZentile();
    explicit frmZentile(WindowServices services, QWidget *parent = nullptr);
    ~frmZentile() override;

    Game &game() { return *m_game; }
    Announcer &announcer() { return *m_announcer; }

    // GameView
    QString caption(ValueLabel label) const override;
    void setCaption(ValueLabel label, const QString &text) override;
    TileView &tiles() override;
    void setButtonEnabled(WordButton button, bool enabled) override;
    bool startPanelShown() const override;
    void setStartPanelShown(bool shown) override;
    bool timerEnabled() const override;
    void setTimerEnabled(bool enabled) override;
    int wordCount() const override;
    QString wordAt(int index) const override;
    void addWord(const QString &word) override;
    void clearWords() override;
    void selectWord(int index) override;
    int selectedWord() const override;
    bool isChecked(MenuCheck item) const override;
    void setChecked(MenuCheck item, bool checked) override;

private:
    void Form_Load();
    void buildControls();
    void buildMenus();
    // Connects each control to the handler of the game's part that owns it.
    void wire();
    // The game's moves, each followed by what a screen reader should hear of it.
    void pickTile(int index);
    void submitWord();
    void clearWord();
    void startGame();
    void tick();
    void newGame();
    void reportClock();
    bool gameRunning() const { return !startPanelShown(); }
    int secondsLeft() const;
    void mnuExit_Click();
    void mnuOnlineHelp_Click();
    QLabel *label(ValueLabel which) const;
    QAction *checkItem(MenuCheck item) const;

    WindowServices m_services;
    std::unique_ptr<Game> m_game;
    Announcer *m_announcer = nullptr;

    BoardSurface *m_board = nullptr;
    QTimer *tmrPlay = nullptr;
    QFrame *fraStart = nullptr;
    QPushButton *cmdStart = nullptr;
    QFrame *Frame2 = nullptr;
    QPushButton *cmdFinish = nullptr;
    QListWidget *lstWords = nullptr;
    QPushButton *cmdShuffle = nullptr;
    QPushButton *cmdClear = nullptr;
    QPushButton *cmdEnter = nullptr;
    QLabel *lblAddTime = nullptr;
    QLabel *lblThisScore = nullptr;
    QLabel *Label4 = nullptr;
    QFrame *Frame1 = nullptr;
    QLabel *lblTime = nullptr;
    QLabel *Label3 = nullptr;
    QLabel *lblWord = nullptr;
    QLabel *Label2 = nullptr;
    QLabel *lblScore = nullptr;
    QLabel *Label1 = nullptr;

    QMenu *mnuFile = nullptr;
    QAction *mnuNew = nullptr;
    QAction *mnuScores = nullptr;
    QAction *mnuReset = nullptr;
    QAction *mnuSeperator = nullptr;
    QAction *mnuExit = nullptr;
    QMenu *mnuOptions = nullptr;
    QMenu *mnuTime = nullptr;
    QAction *mnu30 = nullptr;
    QAction *mnu1 = nullptr;
    QAction *mnu130 = nullptr;
    QAction *mnu2 = nullptr;
    QAction *mnuSeperator2 = nullptr;
    QAction *mnuCustom = nullptr;
    QAction *mnuSeperator3 = nullptr;
    QAction *mnuAdd = nullptr;
    QAction *mnuVowel = nullptr;
    QAction *mnuTimeChar = nullptr;
    QAction *mnuConstant = nullptr;
    QMenu *mnuHelp = nullptr;
    QAction *mnuOnlineHelp = nullptr;
};
