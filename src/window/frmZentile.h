// SPDX-FileCopyrightText: 2026 Zentile developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "window/WindowServices.h"

#include <QMainWindow>

#include <vector>

class Announcer;
class BoardSurface;
class Game;
class GameModel;
class QAction;
class QFrame;
class QLabel;
class QListWidget;
class QMenu;
class QPushButton;

// The game's one window: its controls and menus show the game's model, and their events
// call the game.
class frmZentile : public QMainWindow
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

private:
    void Form_Load();
    void buildControls();
    void buildMenus();
    // Connects each control to its event below, and the model to the controls that show it.
    void wire();
    void listen(const GameModel &model);

    void l_Click(int index);
    void l_DblClick(int index);
    void cmdEnter_Click();
    void cmdClear_Click();
    void cmdStart_Click();
    void cmdFinish_Click();
    void mnuNew_Click();
    void mnuScores_Click();
    void mnuReset_Click();
    void mnuTimeLimit_Click(int row);
    void mnuCustom_Click();
    void mnuExit_Click();
    void mnuOnlineHelp_Click();

    WindowServices m_services;
    Game *m_game = nullptr;
    Announcer *m_announcer = nullptr;

    BoardSurface *m_board = nullptr;
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
    // mnu30, mnu1, mnu130, mnu2: one a row of the fixed time limits.
    std::vector<QAction *> m_limitItems;
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
