// SPDX-FileCopyrightText: 2026 Zentile developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "window/frmZentile.h"

#include "board/ClockRandomSource.h"
#include "game/Game.h"
#include "window/Announcer.h"
#include "window/BoardSurface.h"
#include "window/CaptionButton.h"
#include "window/LayoutScale.h"
#include "window/QtDialogs.h"
#include "window/ReadableColours.h"
#include "window/StartPanelMargin.h"
#include "window/Twips.h"
#include "window/WordList.h"

#include <QAccessible>
#include <QCoreApplication>
#include <QDesktopServices>
#include <QLabel>
#include <QListWidget>
#include <QMenuBar>
#include <QPushButton>
#include <QShortcut>

const QString frmZentile::HelpAddress = QStringLiteral("https://zentile.example.org/blog/entry/zentile-game/");

namespace {

QFont verdana(qreal points)
{
    QFont font(QStringLiteral("Verdana"));
    font.setPointSizeF(points);
    font.setWeight(QFont::Normal);
    return font;
}

template<typename Widget>
Widget *place(Widget *widget, const char *name, const QRect &geometry)
{
    widget->setObjectName(QLatin1String(name));
    widget->setGeometry(geometry);
    return widget;
}

QLabel *makeLabel(QWidget *parent, const char *name, const QString &text, const QRect &geometry,
                  Qt::Alignment alignment = Qt::AlignLeft | Qt::AlignVCenter)
{
    auto *label = place(new QLabel(text, parent), name, geometry);
    label->setAlignment(alignment);
    return label;
}

QLabel *makeValueBox(QWidget *parent, const char *name, const QString &text, const QRect &geometry,
                     Qt::Alignment alignment = Qt::AlignLeft | Qt::AlignVCenter)
{
    QLabel *label = makeLabel(parent, name, text, geometry, alignment);
    label->setFrameStyle(QFrame::Box | QFrame::Plain);
    return label;
}

QPushButton *makeButton(QWidget *parent, const char *name, const QString &text, const QRect &geometry, bool enabled)
{
    auto *button = place(new CaptionButton(text, parent), name, geometry);
    button->setEnabled(enabled);
    return button;
}

QAction *makeAction(QMenu *menu, const char *name, const QString &text)
{
    QAction *action = menu->addAction(text);
    action->setObjectName(QLatin1String(name));
    return action;
}

QAction *makeSeparator(QMenu *menu, const char *name)
{
    QAction *separator = menu->addSeparator();
    separator->setObjectName(QLatin1String(name));
    return separator;
}

// "mnu30" for 00:30, "mnu1" for 01:00, "mnu130" for 01:30.
QByteArray limitItemName(const ClockTime &limit)
{
    const QString digits = limit.minutes == 0 ? QString::number(limit.seconds)
                                              : QString::number(limit.minutes) + (limit.seconds == 0 ? QString() : paddedNumber(limit.seconds, 2));
    return "mnu" + digits.toLatin1();
}

QAction *makeCheckable(QMenu *menu, const char *name, const QString &text, bool checked)
{
    QAction *action = makeAction(menu, name, text);
    action->setCheckable(true);
    action->setChecked(checked);
    return action;
}

// A menu's caption without its access-key marker, as the player reads and hears it.
QString spokenTitle(const QMenu *menu)
{
    return menu->title().remove(QLatin1Char('&'));
}

} // namespace

frmZentile::frmZentile()
    : frmZentile(WindowServices{})
{
}

frmZentile::frmZentile(WindowServices services, QWidget *parent)
    : QMainWindow(parent)
    , m_services(std::move(services))
{
    if (!m_services.random)
        m_services.random = std::make_unique<ClockRandomSource>();
    if (!m_services.dialogs)
        m_services.dialogs = std::make_unique<QtDialogs>(this);
    if (m_services.dataDir.isEmpty())
        m_services.dataDir = DataFolder::forThisProgram();
    if (!m_services.openUrl)
        m_services.openUrl = [](const QUrl &url) { return QDesktopServices::openUrl(url); };

    // Verdana is rare on Linux; DejaVu Sans has the same generous shapes.
    QFont::insertSubstitution(QStringLiteral("Verdana"), QStringLiteral("DejaVu Sans"));

    setObjectName(QStringLiteral("frmZentile"));
    setWindowTitle(QStringLiteral("Zentile"));
    setFont(verdana(8.25));
    buildControls();
    buildMenus();

    m_game = new Game(*m_services.dialogs, *m_services.random, m_services.dataDir, this);
    m_announcer = new Announcer(this);
    wire();
    listen(m_game->model);
    Form_Load();
    // After the first deal, which nobody needs to hear about.
    m_announcer->follow(m_game->model);
    // Built and dealt: this is the design, which the window's size scales from now on.
    new StartPanelMargin(fraStart);
    new LayoutScale(this, m_board);
}

frmZentile::~frmZentile()
{
    // Before the services it was given, which go before the window's children do.
    delete m_game;
}

void frmZentile::buildControls()
{
    m_board = new BoardSurface(this);
    m_board->resize(Twips::toPixels(0, 0, 8985, 8010).size());
    // Set once here rather than on each of the 400 tiles; the frames go back to the window's look.
    m_board->setFont(verdana(12.75));
    setCentralWidget(m_board);
    m_board->MakeGrid();

    fraStart = place(new QFrame(m_board), "fraStart", Twips::toPixels(0, 3120, 7095, 855));
    fraStart->setFont(font());
    cmdStart = makeButton(fraStart, "cmdStart", QStringLiteral("Start Game"), Twips::toPixels(2160, 120, 2775, 615), true);

    Frame2 = place(new QFrame(m_board), "Frame2", Twips::toPixels(7200, 0, 1695, 7935));
    Frame2->setFrameStyle(QFrame::Box | QFrame::Sunken);
    Frame2->setFont(font());
    cmdFinish = makeButton(Frame2, "cmdFinish", QStringLiteral("Finish Game"), Twips::toPixels(360, 5400, 855, 495), true);
    lstWords = place(new WordList(Frame2), "lstWords", Twips::toPixels(120, 240, 1455, 4350));
    lstWords->setSelectionMode(QAbstractItemView::SingleSelection);
    lstWords->setSortingEnabled(false);
    lstWords->setAccessibleName(QStringLiteral("Words played"));
    cmdShuffle = makeButton(Frame2, "cmdShuffle", QStringLiteral("Shuffle"), Twips::toPixels(360, 6000, 855, 495), false);
    cmdClear = makeButton(Frame2, "cmdClear", QStringLiteral("Clear"), Twips::toPixels(360, 6600, 855, 495), false);
    cmdEnter = makeButton(Frame2, "cmdEnter", QStringLiteral("Enter"), Twips::toPixels(360, 7200, 855, 495), false);
    lblAddTime = makeLabel(Frame2, "lblAddTime", QStringLiteral("0"), Twips::toPixels(1320, 4920, 255, 255));
    lblAddTime->hide();
    lblAddTime->setAccessibleDescription(QStringLiteral("Bonus seconds"));
    lblThisScore = makeValueBox(Frame2, "lblThisScore", QStringLiteral("0"), Twips::toPixels(480, 4920, 735, 255), Qt::AlignCenter);
    lblThisScore->setAccessibleDescription(QStringLiteral("This word score"));
    Label4 = makeLabel(Frame2, "Label4", QStringLiteral("This Word Score:"), Twips::toPixels(120, 4680, 1575, 255));

    Frame1 = place(new QFrame(m_board), "Frame1", Twips::toPixels(120, 7200, 7095, 735));
    Frame1->setFrameStyle(QFrame::Box | QFrame::Sunken);
    Frame1->setFont(font());
    lblTime = makeValueBox(Frame1, "lblTime", QStringLiteral("00:00"), Twips::toPixels(5880, 240, 975, 255));
    lblTime->setAccessibleDescription(QStringLiteral("Time remaining"));
    const Qt::Alignment right = Qt::AlignRight | Qt::AlignVCenter;
    Label3 = makeLabel(Frame1, "Label3", QStringLiteral("Time Remaining:"), Twips::toPixels(4320, 240, 1455, 255), right);
    lblWord = makeValueBox(Frame1, "lblWord", QString(), Twips::toPixels(2880, 240, 1215, 255));
    lblWord->setAccessibleDescription(QStringLiteral("Current word"));
    Label2 = makeLabel(Frame1, "Label2", QStringLiteral("Current word:"), Twips::toPixels(1560, 240, 1215, 255), right);
    lblScore = makeValueBox(Frame1, "lblScore", QStringLiteral("0"), Twips::toPixels(840, 240, 615, 255));
    lblScore->setAccessibleDescription(QStringLiteral("Score"));
    Label1 = makeLabel(Frame1, "Label1", QStringLiteral("Score:"), Twips::toPixels(120, 240, 615, 255), right);
    // Tiles in the title-bar colour, labels in the window's text colour, each made readable.
    new ReadableColours(this, m_board, {fraStart, Frame1, Frame2});

    setTabOrder(cmdEnter, cmdClear);
    setTabOrder(cmdClear, cmdShuffle);
    setTabOrder(cmdShuffle, lstWords);
    setTabOrder(lstWords, cmdStart);
    setTabOrder(cmdStart, cmdFinish);
    setTabOrder(cmdFinish, m_board);
    // The word buttons start disabled, so the list is the first stop.
    lstWords->setFocus(Qt::OtherFocusReason);
}

void frmZentile::buildMenus()
{
    // Access keys on the menu bar; the captions read the same, underlined.
    mnuFile = menuBar()->addMenu(QStringLiteral("&File"));
    mnuFile->setObjectName(QStringLiteral("mnuFile"));
    mnuNew = makeAction(mnuFile, "mnuNew", QStringLiteral("New"));
    mnuScores = makeAction(mnuFile, "mnuScores", QStringLiteral("High Scores"));
    mnuReset = makeAction(mnuFile, "mnuReset", QStringLiteral("Reset High Scores"));
    mnuSeperator = makeSeparator(mnuFile, "mnuSeperator");
    mnuExit = makeAction(mnuFile, "mnuExit", QStringLiteral("Exit"));

    mnuOptions = menuBar()->addMenu(QStringLiteral("&Options"));
    mnuOptions->setObjectName(QStringLiteral("mnuOptions"));
    mnuTime = mnuOptions->addMenu(QStringLiteral("Time Limit"));
    mnuTime->setObjectName(QStringLiteral("mnuTime"));
    for (const ClockTime &limit : TimeLimitOptions::fixed())
        m_limitItems.push_back(makeCheckable(mnuTime, limitItemName(limit).constData(), limit.text(), false));
    mnuSeperator2 = makeSeparator(mnuTime, "mnuSeperator2");
    mnuCustom = makeAction(mnuTime, "mnuCustom", QStringLiteral("Custom"));
    mnuSeperator3 = makeSeparator(mnuOptions, "mnuSeperator3");
    mnuAdd = makeCheckable(mnuOptions, "mnuAdd", QStringLiteral("Allow Add Words"), true);
    mnuVowel = makeAction(mnuOptions, "mnuVowel", QStringLiteral("Chance Of Vowel"));
    mnuTimeChar = makeAction(mnuOptions, "mnuTimeChar", QStringLiteral("Chance Of Time Character"));
    mnuConstant = makeAction(mnuOptions, "mnuConstant", QStringLiteral("Chance Of Other Constant"));
    for (QAction *inactive : {mnuSeperator3, mnuVowel, mnuTimeChar, mnuConstant})
        inactive->setEnabled(false);

    mnuHelp = menuBar()->addMenu(QStringLiteral("&Help"));
    mnuHelp->setObjectName(QStringLiteral("mnuHelp"));
    mnuOnlineHelp = makeAction(mnuHelp, "mnuOnlineHelp", QStringLiteral("Online Help"));
    // The usual keys, the same on every desktop.
    mnuNew->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_N));
    mnuExit->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_Q));
    mnuOnlineHelp->setShortcut(QKeySequence(Qt::Key_F1));

    // A screen reader names an open menu by its window title, which Qt leaves empty.
    for (QMenu *menu : {mnuFile, mnuOptions, mnuTime, mnuHelp})
        menu->setWindowTitle(spokenTitle(menu));
}

void frmZentile::wire()
{
    const auto on = [this](auto *sender, auto signal, auto handler) { connect(sender, signal, this, handler); };

    on(m_board, &BoardSurface::tileClicked, &frmZentile::l_Click);
    on(m_board, &BoardSurface::pickRequested, &frmZentile::l_Click);
    on(m_board, &BoardSurface::tileDoubleClicked, &frmZentile::l_DblClick);
    // Return and Escape stand for the buttons, and act only when those could be pressed.
    on(m_board, &BoardSurface::submitRequested, [this] {
        if (cmdEnter->isEnabled())
            cmdEnter_Click();
    });
    on(m_board, &BoardSurface::clearRequested, [this] {
        if (cmdClear->isEnabled())
            cmdClear_Click();
    });
    connect(m_board, &BoardSurface::clockRequested, m_announcer, &Announcer::reportClock);
    on(cmdEnter, &QPushButton::clicked, &frmZentile::cmdEnter_Click);
    on(cmdClear, &QPushButton::clicked, &frmZentile::cmdClear_Click);
    on(cmdStart, &QPushButton::clicked, &frmZentile::cmdStart_Click);
    on(cmdFinish, &QPushButton::clicked, &frmZentile::cmdFinish_Click);

    on(mnuNew, &QAction::triggered, &frmZentile::mnuNew_Click);
    on(mnuScores, &QAction::triggered, &frmZentile::mnuScores_Click);
    on(mnuReset, &QAction::triggered, &frmZentile::mnuReset_Click);
    for (std::size_t row = 0; row < m_limitItems.size(); ++row)
        on(m_limitItems[row], &QAction::triggered, [this, row] { mnuTimeLimit_Click(int(row)); });
    on(mnuCustom, &QAction::triggered, &frmZentile::mnuCustom_Click);
    on(mnuExit, &QAction::triggered, &frmZentile::mnuExit_Click);
    on(mnuOnlineHelp, &QAction::triggered, &frmZentile::mnuOnlineHelp_Click);
    // "Allow Add Words" shows its mark and does nothing: choosing it must not clear the mark.
    on(mnuAdd, &QAction::triggered, [this] { mnuAdd->setChecked(true); });

    for (QMenu *menu : {mnuFile, mnuOptions, mnuHelp}) {
        on(menu, &QMenu::aboutToShow, [this, menu] {
            m_announcer->menuOpened(spokenTitle(menu));
            // Going from menu to menu, Qt reports the focus back in the window between the
            // two; said again once the menu is up, the entry is where a reader ends.
            QMetaObject::invokeMethod(
                menu,
                [menu] {
                    QAction *entry = menu->activeAction();
                    if (!entry || !menu->isVisible() || !QAccessible::isActive())
                        return;
                    QAccessibleEvent event(menu, QAccessible::Focus);
                    event.setChild(int(menu->actions().indexOf(entry)));
                    QAccessible::updateAccessibility(&event);
                },
                Qt::QueuedConnection);
        });
    }

    // F10 opens the first menu, as on GNOME and Windows.
    on(new QShortcut(QKeySequence(Qt::Key_F10), this), &QShortcut::activated,
       [this] {
           menuBar()->setActiveAction(mnuFile->menuAction());
           // Highlighted, so the arrows start from the first entry in sight.
           mnuFile->setActiveAction(mnuNew);
       });
}

void frmZentile::listen(const GameModel &model)
{
    const auto on = [this, &model](auto signal, auto handler) { connect(&model, signal, this, handler); };
    const auto number = [](QLabel *label) { return [label](qint64 value) { label->setText(QString::number(value)); }; };

    on(&GameModel::scoreChanged, number(lblScore));
    on(&GameModel::wordScoreChanged, number(lblThisScore));
    on(&GameModel::timeBonusChanged, number(lblAddTime));
    on(&GameModel::clockChanged, [this](ClockTime clock) { lblTime->setText(clock.text()); });
    m_board->follow(model);
    on(&GameModel::wordChanged, [this](const QString &word) { lblWord->setText(word); });
    on(&GameModel::phaseChanged, [this](GameModel::Phase phase) {
        if (phase == GameModel::Phase::Waiting) {
            fraStart->show();
        } else if (phase == GameModel::Phase::Running) {
            // The next key plays the board rather than "Finish Game", where the focus would
            // otherwise land as "Start Game" hides; moved first, so no reader hears it pass there.
            m_board->takeFocusForPlay();
            fraStart->hide();
        }
        const bool playing = phase != GameModel::Phase::Waiting;
        for (QPushButton *button : {cmdEnter, cmdShuffle, cmdClear})
            button->setEnabled(playing);
    });
    on(&GameModel::playedWordAdded, [this](const QString &word) {
        lstWords->addItem(word);
        // Heard by a screen reader as the list's description changes.
        lstWords->setAccessibleDescription(QStringLiteral("Last word played: %1").arg(word));
    });
    on(&GameModel::playedWordsCleared, [this] {
        lstWords->clear();
        lstWords->setAccessibleDescription(QString());
    });
    on(&GameModel::wordHighlighted, [this](int index) { lstWords->setCurrentRow(index); });
    on(&GameModel::checkedLimitChanged, [this](int checked) {
        for (std::size_t row = 0; row < m_limitItems.size(); ++row)
            m_limitItems[row]->setChecked(int(row) == checked);
    });
}

void frmZentile::Form_Load()
{
    m_game->setUp();
    // The tiles are drawn beneath the frames that share the board with them.
    fraStart->raise();
    Frame1->raise();
    Frame2->raise();
}

void frmZentile::l_Click(int index) { m_game->selection.pickTile(index); }
void frmZentile::l_DblClick(int) { m_game->submission.submitWord(); }
void frmZentile::cmdEnter_Click() { m_game->submission.submitWord(); }
void frmZentile::cmdClear_Click() { m_game->selection.clearWord(); }
void frmZentile::cmdStart_Click() { m_game->startGame(); }
void frmZentile::cmdFinish_Click() { m_game->finishGame(); }
void frmZentile::mnuNew_Click() { m_game->newBoard(); }
void frmZentile::mnuScores_Click() { m_game->highScores.showTable(); }
void frmZentile::mnuReset_Click() { m_game->highScores.confirmReset(); }
void frmZentile::mnuTimeLimit_Click(int row) { m_game->timeLimits.setTimeLimit(row); }
void frmZentile::mnuCustom_Click() { m_game->timeLimits.chooseCustomLimit(); }

void frmZentile::mnuExit_Click()
{
    close();
}

void frmZentile::mnuOnlineHelp_Click()
{
    // With no browser the desktop can start, the player still gets the address to open by hand.
    if (!m_services.openUrl(QUrl(HelpAddress)))
        m_services.dialogs->inform(QStringLiteral("The help page could not be opened. Its address is:\n%1").arg(HelpAddress),
                                   QStringLiteral("Zentile"));
}
