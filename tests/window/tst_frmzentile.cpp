// SPDX-FileCopyrightText: 2026 Zentile developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "support/ScriptedRandom.h"
#include "window/TileLabel.h"
#include "window/frmZentile.h"

#include <QAccessible>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

// The real window, driven with real mouse and key events.
class TestFrmZentile : public QObject
{
    Q_OBJECT

private:
    QTemporaryDir m_dir;
    QList<QUrl> m_opened;

    std::unique_ptr<frmZentile> makeWindow()
    {
        WindowServices services;
        services.random = std::make_unique<ScriptedRandom>(7);
        services.dataDir = m_dir.path();
        services.openUrl = [this](const QUrl &url) { m_opened << url; };
        auto window = std::make_unique<frmZentile>(std::move(services));
        window->show();
        return window;
    }

    static TileLabel *tile(frmZentile &window, int index)
    {
        return window.findChild<TileLabel *>(QStringLiteral("l(%1)").arg(index));
    }

    static QString text(frmZentile &window, const char *name)
    {
        return window.findChild<QLabel *>(QLatin1String(name))->text();
    }

    static QString spoken(QWidget *widget)
    {
        return QAccessible::queryAccessibleInterface(widget)->text(QAccessible::Name);
    }

private slots:
    void startUpState()
    {
        auto window = makeWindow();
        QCOMPARE(window->windowTitle(), QStringLiteral("Zentile"));
        QCOMPARE(window->centralWidget()->size(), QSize(599, 534));
        QCOMPARE(tile(*window, 0)->geometry(), QRect(16, 16, 23, 23));
        QCOMPARE(tile(*window, 399)->geometry(), QRect(453, 453, 23, 23));
        for (const char *name : {"cmdEnter", "cmdClear", "cmdShuffle"})
            QVERIFY(!window->findChild<QPushButton *>(QLatin1String(name))->isEnabled());
        QVERIFY(window->findChild<QPushButton *>(QStringLiteral("cmdFinish"))->isEnabled());
        QVERIFY(window->findChild<QWidget *>(QStringLiteral("fraStart"))->isVisible());
        QVERIFY(window->findChild<QLabel *>(QStringLiteral("lblAddTime"))->isHidden());
        QCOMPARE(text(*window, "lblTime"), QStringLiteral("02:00"));
        QCOMPARE(window->findChild<QLabel *>(QStringLiteral("lblScore"))->frameShape(), QFrame::Box);
        // The start panel lies over the board's middle rows, not under them.
        QWidget *at = window->centralWidget()->childAt(window->findChild<QWidget *>(QStringLiteral("fraStart"))->geometry().center() + QPoint(-150, 0));
        QVERIFY(at && !qobject_cast<TileLabel *>(at));
    }

    void clicksAndTheRealDoubleClick()
    {
        auto window = makeWindow();
        QTest::mouseClick(window->findChild<QPushButton *>(QStringLiteral("cmdStart")), Qt::LeftButton);
        QVERIFY(window->findChild<QWidget *>(QStringLiteral("fraStart"))->isHidden());

        QString expected;
        for (const int index : {0, 1, 2}) {
            QTest::mouseClick(tile(*window, index), Qt::LeftButton);
            expected += tile(*window, index)->text();
            QCOMPARE(tile(*window, index)->frameShape(), QFrame::Box);
        }
        QCOMPARE(text(*window, "lblWord"), expected);

        // Press and release are the click that adds tile 3, the double click submits, and
        // the release after it is no click of its own.
        TileLabel *last = tile(*window, 3);
        expected += last->text();
        QTest::mouseClick(last, Qt::LeftButton);
        QTest::mouseDClick(last, Qt::LeftButton);
        QTest::mouseRelease(last, Qt::LeftButton);
        auto *words = window->findChild<QListWidget *>(QStringLiteral("lstWords"));
        QCOMPARE(words->count(), 1);
        QCOMPARE(words->item(0)->text(), expected);
        QCOMPARE(text(*window, "lblWord"), QString());
        QCOMPARE(last->frameShape(), QFrame::NoFrame);

        // A tile that does not touch the last one starts the word again.
        QTest::mouseClick(tile(*window, 40), Qt::LeftButton);
        QTest::mouseClick(tile(*window, 45), Qt::LeftButton);
        QCOMPARE(text(*window, "lblWord"), tile(*window, 45)->text());
        QTest::mouseClick(window->findChild<QPushButton *>(QStringLiteral("cmdClear")), Qt::LeftButton);
        QCOMPARE(text(*window, "lblWord"), QString());
    }

    void keyboardPlay()
    {
        auto window = makeWindow();
        QWidget *board = window->findChild<QWidget *>(QStringLiteral("board"));
        window->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(window.get()));
        QTest::mouseClick(window->findChild<QPushButton *>(QStringLiteral("cmdStart")), Qt::LeftButton);
        board->setFocus();
        QVERIFY(board->hasFocus());

        // Left and up stop at the edge; Space picks with the click rules.
        QTest::keyClick(board, Qt::Key_Left);
        QTest::keyClick(board, Qt::Key_Up);
        QTest::keyClick(board, Qt::Key_Space);
        QTest::keyClick(board, Qt::Key_Right);
        QTest::keyClick(board, Qt::Key_Space);
        QTest::keyClick(board, Qt::Key_Down);
        QTest::keyClick(board, Qt::Key_Space);
        const QString word = tile(*window, 0)->text() + tile(*window, 1)->text() + tile(*window, 21)->text();
        QCOMPARE(text(*window, "lblWord"), word);
        QVERIFY(spoken(tile(*window, 21)).endsWith(QStringLiteral(", in the current word")));

        QTest::keyClick(board, Qt::Key_Return);
        QCOMPARE(window->findChild<QListWidget *>(QStringLiteral("lstWords"))->item(0)->text(), word);

        QTest::keyClick(board, Qt::Key_Space);
        QCOMPARE(text(*window, "lblWord"), tile(*window, 21)->text());
        QTest::keyClick(board, Qt::Key_Escape);
        QCOMPARE(text(*window, "lblWord"), QString());
    }

    void accessibleNamesFollowTheBoard()
    {
        auto window = makeWindow();
        TileLabel *t = tile(*window, 47);
        QCOMPARE(spoken(t), t->text() + QStringLiteral(", row 3, column 8"));
        window->mnuNew_Click();
        QCOMPARE(spoken(t), t->text() + QStringLiteral(", row 3, column 8"));
        QCOMPARE(spoken(window->findChild<QLabel *>(QStringLiteral("lblScore"))), QStringLiteral("Score"));
        QCOMPARE(spoken(window->findChild<QLabel *>(QStringLiteral("lblWord"))), QStringLiteral("Current word"));
        QCOMPARE(spoken(window->findChild<QLabel *>(QStringLiteral("lblTime"))), QStringLiteral("Time remaining"));
        QCOMPARE(spoken(window->findChild<QLabel *>(QStringLiteral("lblThisScore"))), QStringLiteral("This word score"));
    }

    void exitAndOnlineHelp()
    {
        auto window = makeWindow();
        window->cmdStart_Click();
        window->mnuOnlineHelp_Click();
        QCOMPARE(m_opened.size(), 1);
        QCOMPARE(m_opened.first().path(), QStringLiteral("/blog/entry/zentile-game/"));
        QCOMPARE(m_opened.first().scheme(), QStringLiteral("https"));
        QVERIFY(window->timerEnabled());
        window->mnuExit_Click();
        QVERIFY(!window->isVisible());
    }
};

QTEST_MAIN(TestFrmZentile)
#include "tst_frmzentile.moc"
