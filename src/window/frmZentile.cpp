// SPDX-FileCopyrightText: 2026 Zentile developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "window/frmZentile.h"

#include "board/ClockRandomSource.h"
#include "game/Game.h"
#include "window/BoardSurface.h"
#include "window/CaptionButton.h"
#include "window/QtDialogs.h"
#include "window/Twips.h"

#include <QCoreApplication>
#include <QDesktopServices>
#include <QLabel>
#include <QLayout>
#include <QListWidget>
#include <QMenuBar>
#include <QPushButton>
#include <QShortcut>
#include <QTimer>

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

QAction *makeCheckable(QMenu *menu, const char *name, const QString &text, bool checked)
{
    QAction *action = makeAction(menu, name, text);
    action->setCheckable(true);
    action->setChecked(checked);
    return action;
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
        m_services.openUrl = [](const QUrl &url) { QDesktopServices::openUrl(url); };

    // Verdana is rare on Linux; DejaVu Sans has the same generous shapes.
    QFont::insertSubstitution(QStringLiteral("Verdana"), QStringLiteral("DejaVu Sans"));

    setObjectName(QStringLiteral("frmZentile"));
    setWindowTitle(QStringLiteral("Zentile"));
    setFont(verdana(8.25));
    buildControls();
    buildMenus();
    layout()->setSizeConstraint(QLayout::SetFixedSize);

    m_game = std::make_unique<Game>(*this, *m_services.dialogs, *m_services.random, m_services.dataDir);
    wire();
    Form_Load();
}

frmZentile::~frmZentile()
{
    // The timer must not tick into a half-destroyed window.
    tmrPlay->stop();
}

void frmZentile::buildControls()
{
    m_board = new BoardSurface(this);
    m_board->setFixedSize(Twips::toPixels(0, 0, 8985, 8010).size());
    // Set once here rather than on each of the 400 tiles; the frames go back to the window's look.
    m_board->setFont(verdana(12.75));
    QPalette letters = m_board->palette();
    QPalette plain = letters;
    for (const auto group : {QPalette::Active, QPalette::Inactive, QPalette::Disabled}) {
        letters.setColor(group, QPalette::WindowText, letters.color(QPalette::Active, QPalette::Highlight));
        plain.setColor(group, QPalette::WindowText, plain.color(group, QPalette::WindowText));
    }
    m_board->setPalette(letters);
    setCentralWidget(m_board);

    tmrPlay = new QTimer(this);
    tmrPlay->setObjectName(QStringLiteral("tmrPlay"));
    tmrPlay->setInterval(1000);

    fraStart = place(new QFrame(m_board), "fraStart", Twips::toPixels(0, 3120, 7095, 855));
    fraStart->setAutoFillBackground(true);
    fraStart->setFont(font());
    fraStart->setPalette(plain);
    cmdStart = makeButton(fraStart, "cmdStart", QStringLiteral("Start Game"), Twips::toPixels(2160, 120, 2775, 615), true);

    Frame2 = place(new QFrame(m_board), "Frame2", Twips::toPixels(7200, 0, 1695, 7935));
    Frame2->setFrameStyle(QFrame::Box | QFrame::Sunken);
    Frame2->setFont(font());
    Frame2->setPalette(plain);
    cmdFinish = makeButton(Frame2, "cmdFinish", QStringLiteral("Finish Game"), Twips::toPixels(360, 5400, 855, 495), true);
    lstWords = place(new QListWidget(Frame2), "lstWords", Twips::toPixels(120, 240, 1455, 4350));
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
    Frame1->setPalette(plain);
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

    setTabOrder(cmdEnter, cmdClear);
    setTabOrder(cmdClear, cmdShuffle);
    setTabOrder(cmdShuffle, lstWords);
    setTabOrder(lstWords, cmdStart);
    setTabOrder(cmdStart, cmdFinish);
    setTabOrder(cmdFinish, m_board);
    // The word buttons start disabled, so the list is the first stop.
    lstWords->setFocus(Qt::OtherFocusReason);
    // The list draws no focus of its own while it is empty or has no current word.
    lstWords->setStyleSheet(QStringLiteral("QListWidget:focus { border: 2px solid palette(highlight); }"));
}

void frmZentile::buildMenus()
{
    mnuFile = menuBar()->addMenu(QStringLiteral("File"));
    mnuFile->setObjectName(QStringLiteral("mnuFile"));
    mnuNew = makeAction(mnuFile, "mnuNew", QStringLiteral("New"));
    mnuScores = makeAction(mnuFile, "mnuScores", QStringLiteral("High Scores"));
    mnuReset = makeAction(mnuFile, "mnuReset", QStringLiteral("Reset High Scores"));
    mnuSeperator = makeSeparator(mnuFile, "mnuSeperator");
    mnuExit = makeAction(mnuFile, "mnuExit", QStringLiteral("Exit"));

    mnuOptions = menuBar()->addMenu(QStringLiteral("Options"));
    mnuOptions->setObjectName(QStringLiteral("mnuOptions"));
    mnuTime = mnuOptions->addMenu(QStringLiteral("Time Limit"));
    mnuTime->setObjectName(QStringLiteral("mnuTime"));
    mnu30 = makeCheckable(mnuTime, "mnu30", QStringLiteral("00:30"), false);
    mnu1 = makeCheckable(mnuTime, "mnu1", QStringLiteral("01:00"), false);
    mnu130 = makeCheckable(mnuTime, "mnu130", QStringLiteral("01:30"), false);
    mnu2 = makeCheckable(mnuTime, "mnu2", QStringLiteral("02:00"), true);
    mnuSeperator2 = makeSeparator(mnuTime, "mnuSeperator2");
    mnuCustom = makeAction(mnuTime, "mnuCustom", QStringLiteral("Custom"));
    mnuSeperator3 = makeSeparator(mnuOptions, "mnuSeperator3");
    mnuAdd = makeCheckable(mnuOptions, "mnuAdd", QStringLiteral("Allow Add Words"), true);
    mnuVowel = makeAction(mnuOptions, "mnuVowel", QStringLiteral("Chance Of Vowel"));
    mnuTimeChar = makeAction(mnuOptions, "mnuTimeChar", QStringLiteral("Chance Of Time Character"));
    mnuConstant = makeAction(mnuOptions, "mnuConstant", QStringLiteral("Chance Of Other Constant"));
    for (QAction *inactive : {mnuSeperator3, mnuVowel, mnuTimeChar, mnuConstant})
        inactive->setEnabled(false);

    mnuHelp = menuBar()->addMenu(QStringLiteral("Help"));
    mnuHelp->setObjectName(QStringLiteral("mnuHelp"));
    mnuOnlineHelp = makeAction(mnuHelp, "mnuOnlineHelp", QStringLiteral("Online Help"));
}

void frmZentile::wire()
{
    Game &game = *m_game;
    const auto on = [this](auto *sender, auto signal, auto handler) { connect(sender, signal, this, handler); };

    on(m_board, &BoardSurface::tileClicked, [&game](int index) { game.selection.l_Click(index); });
    on(m_board, &BoardSurface::pickRequested, [&game](int index) { game.selection.l_Click(index); });
    on(m_board, &BoardSurface::tileDoubleClicked, [&game](int index) { game.submission.l_DblClick(index); });
    // Return and Escape stand for the buttons, and act only when those could be pressed.
    on(m_board, &BoardSurface::submitRequested, [this, &game] {
        if (cmdEnter->isEnabled())
            game.submission.cmdEnter_Click();
    });
    on(m_board, &BoardSurface::clearRequested, [this, &game] {
        if (cmdClear->isEnabled())
            game.selection.cmdClear_Click();
    });
    on(cmdEnter, &QPushButton::clicked, [&game] { game.submission.cmdEnter_Click(); });
    on(cmdClear, &QPushButton::clicked, [&game] { game.selection.cmdClear_Click(); });
    on(cmdStart, &QPushButton::clicked, [&game] { game.clock.cmdStart_Click(); });
    on(cmdFinish, &QPushButton::clicked, [&game] { game.clock.cmdFinish_Click(); });
    on(tmrPlay, &QTimer::timeout, [&game] { game.clock.tmrPlay_Timer(); });

    on(mnuNew, &QAction::triggered, [&game] { game.clock.mnuNew_Click(); });
    on(mnuScores, &QAction::triggered, [&game] { game.highScores.mnuScores_Click(); });
    on(mnuReset, &QAction::triggered, [&game] { game.highScores.mnuReset_Click(); });
    on(mnu30, &QAction::triggered, [&game] { game.timeLimits.mnu30_Click(); });
    on(mnu1, &QAction::triggered, [&game] { game.timeLimits.mnu1_Click(); });
    on(mnu130, &QAction::triggered, [&game] { game.timeLimits.mnu130_Click(); });
    on(mnu2, &QAction::triggered, [&game] { game.timeLimits.mnu2_Click(); });
    on(mnuCustom, &QAction::triggered, [&game] { game.timeLimits.mnuCustom_Click(); });
    on(mnuExit, &QAction::triggered, &frmZentile::mnuExit_Click);
    on(mnuOnlineHelp, &QAction::triggered, &frmZentile::mnuOnlineHelp_Click);
    // "Allow Add Words" shows its mark and does nothing: choosing it must not clear the mark.
    on(mnuAdd, &QAction::triggered, [this] { mnuAdd->setChecked(true); });

    // The menus have no access keys, so F10 opens the first one, as on GNOME and Windows.
    on(new QShortcut(QKeySequence(Qt::Key_F10), this), &QShortcut::activated,
       [this] {
           menuBar()->setActiveAction(mnuFile->menuAction());
           // Highlighted, so the arrows start from the first entry in sight.
           mnuFile->setActiveAction(mnuNew);
       });
}

void frmZentile::Form_Load()
{
    m_game->Form_Load();
    // The tiles are drawn beneath the frames that share the board with them.
    fraStart->raise();
    Frame1->raise();
    Frame2->raise();
}

void frmZentile::mnuExit_Click()
{
    close();
}

void frmZentile::mnuOnlineHelp_Click()
{
    // The desktop reports nothing useful when it cannot open the page, and neither do we.
    m_services.openUrl(QUrl(HelpAddress));
}

QLabel *frmZentile::label(ValueLabel which) const
{
    switch (which) {
    case ValueLabel::Word:
        return lblWord;
    case ValueLabel::Score:
        return lblScore;
    case ValueLabel::ThisScore:
        return lblThisScore;
    case ValueLabel::AddTime:
        return lblAddTime;
    case ValueLabel::Time:
        return lblTime;
    }
    Q_UNREACHABLE();
}

QAction *frmZentile::checkItem(MenuCheck item) const
{
    switch (item) {
    case MenuCheck::Time30:
        return mnu30;
    case MenuCheck::Time1:
        return mnu1;
    case MenuCheck::Time130:
        return mnu130;
    case MenuCheck::Time2:
        return mnu2;
    case MenuCheck::AllowAddWords:
        return mnuAdd;
    }
    Q_UNREACHABLE();
}

QString frmZentile::caption(ValueLabel which) const
{
    return label(which)->text();
}

void frmZentile::setCaption(ValueLabel which, const QString &text)
{
    label(which)->setText(text);
}

TileView &frmZentile::tiles()
{
    return *m_board;
}

void frmZentile::setButtonEnabled(WordButton button, bool enabled)
{
    switch (button) {
    case WordButton::Enter:
        cmdEnter->setEnabled(enabled);
        break;
    case WordButton::Shuffle:
        cmdShuffle->setEnabled(enabled);
        break;
    case WordButton::Clear:
        cmdClear->setEnabled(enabled);
        break;
    }
}

bool frmZentile::startPanelShown() const
{
    return !fraStart->isHidden();
}

void frmZentile::setStartPanelShown(bool shown)
{
    fraStart->setVisible(shown);
    // A game has started: the next key plays the board rather than "Finish Game", where
    // the focus would otherwise land as "Start Game" hides.
    if (!shown)
        m_board->takeFocusForPlay();
}

bool frmZentile::timerEnabled() const
{
    return tmrPlay->isActive();
}

void frmZentile::setTimerEnabled(bool enabled)
{
    // Enabling a running timer keeps its rhythm, as the next tick is already due.
    if (!enabled)
        tmrPlay->stop();
    else if (!tmrPlay->isActive())
        tmrPlay->start();
}

int frmZentile::wordCount() const
{
    return lstWords->count();
}

QString frmZentile::wordAt(int index) const
{
    const QListWidgetItem *item = lstWords->item(index);
    return item ? item->text() : QString();
}

void frmZentile::addWord(const QString &word)
{
    lstWords->addItem(word);
    // Heard by a screen reader as the list's description changes.
    lstWords->setAccessibleDescription(QStringLiteral("Last word played: %1").arg(word));
}

void frmZentile::clearWords()
{
    lstWords->clear();
    if (!lstWords->accessibleDescription().isEmpty())
        lstWords->setAccessibleDescription(QString());
}

void frmZentile::selectWord(int index)
{
    lstWords->setCurrentRow(index);
}

int frmZentile::selectedWord() const
{
    return lstWords->currentRow();
}

bool frmZentile::isChecked(MenuCheck item) const
{
    return checkItem(item)->isChecked();
}

void frmZentile::setChecked(MenuCheck item, bool checked)
{
    checkItem(item)->setChecked(checked);
}
