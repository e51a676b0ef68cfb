// SPDX-FileCopyrightText: 2026 Zentile developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "game/Game.h"
#include "support/ScriptedRandom.h"
#include "window/TileLabel.h"
#include "window/frmZentile.h"

#include <QAbstractButton>
#include <QApplication>
#include <QDialogButtonBox>
#include <QFile>
#include <QInputDialog>
#include <QLayout>
#include <QLabel>
#include <QListWidget>
#include <QMessageBox>
#include <QPointer>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include <functional>
#include <memory>

namespace harness {

// The offscreen platform notes, each time a fixed-size dialog is shown, that it cannot take
// size hints. That is the test platform talking, not the game; everything else still reaches
// the test log.
inline void quietSizeHintNotes()
{
    static QtMessageHandler next = nullptr;
    next = qInstallMessageHandler([](QtMsgType type, const QMessageLogContext &context, const QString &message) {
        if (message != QLatin1String("This plugin does not support propagateSizeHints()") && next)
            next(type, context, message);
    });
}

// The real window over a fresh data folder, recording the addresses it asks the desktop to open.
class Window
{
public:
    explicit Window(const QString &letters = {})
    {
        WindowServices services;
        services.random = std::make_unique<ScriptedRandom>(7);
        services.dataDir = dir.path();
        services.openUrl = [this](const QUrl &url) {
            opened << url;
            return browserOpens;
        };
        window = std::make_unique<frmZentile>(std::move(services));
        // The first deal starts with `letters`, tile 0 onwards; later deals are the seeded source's.
        GameModel &model = window->game().model;
        if (!letters.isEmpty())
            model.dealLetters(letters + model.letters().mid(letters.size()));
    }
    Window(const Window &) = delete;
    Window &operator=(const Window &) = delete;

    // Shown and exposed. The size limits are settled first: the offscreen platform cannot take
    // size hints once the window exists, and says so.
    bool show()
    {
        window->layout()->activate();
        window->show();
        return QTest::qWaitForWindowExposed(window.get());
    }

    frmZentile &operator*() { return *window; }
    frmZentile *operator->() { return window.get(); }

    template<typename T = QWidget>
    T *child(const QString &name) const
    {
        T *found = window->findChild<T *>(name);
        Q_ASSERT_X(found, "harness::Window::child", qPrintable(name));
        return found;
    }
    TileLabel *tile(int index) const { return child<TileLabel>(QStringLiteral("l(%1)").arg(index)); }
    QString text(const QString &labelName) const { return child<QLabel>(labelName)->text(); }
    QString path(const QString &file) const { return dir.filePath(file); }

    void click(int index) { QTest::mouseClick(tile(index), Qt::LeftButton); }
    // A real double click: press and release (the click), the double click, the release after it.
    void doubleClick(int index)
    {
        TileLabel *target = tile(index);
        QTest::mouseClick(target, Qt::LeftButton);
        QTest::mouseDClick(target, Qt::LeftButton);
        QTest::mouseRelease(target, Qt::LeftButton);
    }
    void press(const QString &buttonName) { QTest::mouseClick(child<QPushButton>(buttonName), Qt::LeftButton); }

    // Indices of the tiles drawn with a border.
    QList<int> marked() const
    {
        QList<int> result;
        for (int i = 0; i < 400; ++i) {
            if (tile(i)->frameShape() == QFrame::Box)
                result << i;
        }
        return result;
    }
    QStringList words() const
    {
        QStringList result;
        const auto *list = child<QListWidget>(QStringLiteral("lstWords"));
        for (int i = 0; i < list->count(); ++i)
            result << list->item(i)->text();
        return result;
    }

    QTemporaryDir dir;
    QList<QUrl> opened;
    // Whether the desktop finds a browser for those addresses.
    bool browserOpens = true;
    std::unique_ptr<frmZentile> window;
};

// Everything a player could see change, one line per item, to compare before and after.
inline QStringList snapshot(const Window &w)
{
    QStringList lines;
    for (const char *name : {"lblScore", "lblWord", "lblThisScore", "lblAddTime", "lblTime"})
        lines << QStringLiteral("%1=%2").arg(QLatin1String(name), w.text(QLatin1String(name)));
    for (const char *name : {"cmdEnter", "cmdClear", "cmdShuffle", "cmdStart", "cmdFinish"})
        lines << QStringLiteral("%1 enabled=%2").arg(QLatin1String(name)).arg(w.child(QLatin1String(name))->isEnabled());
    lines << QStringLiteral("fraStart hidden=%1").arg(w.child(QStringLiteral("fraStart"))->isHidden());
    lines << QStringLiteral("tmrPlay active=%1").arg(w.child<QTimer>(QStringLiteral("tmrPlay"))->isActive());
    lines << QStringLiteral("words=") + w.words().join(QLatin1Char(','));
    lines << QStringLiteral("selected=%1").arg(w.child<QListWidget>(QStringLiteral("lstWords"))->currentRow());
    QString board;
    for (int i = 0; i < 400; ++i)
        board += w.tile(i)->text() + (w.tile(i)->frameShape() == QFrame::Box ? QStringLiteral("*") : QString());
    lines << QStringLiteral("board=") + board;
    return lines;
}

// Answers the real modal boxes as they come up, one step per box, while the code under test
// sits in its dialog's event loop. Each poll is a fresh single-shot timer, so polling goes on
// inside boxes that open from within a step. A box with no step left is rejected and recorded.
class ModalScript
{
public:
    using Step = std::function<void(QWidget *)>;

    ModalScript() { schedule(); }
    ModalScript(const ModalScript &) = delete;
    ModalScript &operator=(const ModalScript &) = delete;

    void then(Step step) { m_steps << std::move(step); }
    bool done() const { return m_steps.isEmpty(); }

    // Title and text of every box seen, in order.
    QStringList seen;
    QStringList unexpected;

    static QString describe(QWidget *box)
    {
        if (auto *message = qobject_cast<QMessageBox *>(box))
            return box->windowTitle() + QStringLiteral(" | ") + message->text();
        if (auto *input = qobject_cast<QInputDialog *>(box))
            return box->windowTitle() + QStringLiteral(" | ") + input->labelText() + QStringLiteral(" | ")
                + input->textValue();
        return box->windowTitle();
    }

    // The usual steps.
    static Step answer(QMessageBox::StandardButton button)
    {
        return [button](QWidget *box) {
            auto *message = qobject_cast<QMessageBox *>(box);
            QVERIFY(message);
            QAbstractButton *target = message->button(button);
            QVERIFY(target);
            QTest::mouseClick(target, Qt::LeftButton);
        };
    }
    static Step typeName(const QString &name)
    {
        return [name](QWidget *box) {
            QVERIFY(qobject_cast<QInputDialog *>(box));
            auto *edit = box->findChild<QLineEdit *>();
            QVERIFY(edit);
            edit->selectAll();
            QTest::keyClicks(edit, name);
            auto *buttons = box->findChild<QDialogButtonBox *>();
            QVERIFY(buttons);
            QTest::mouseClick(buttons->button(QDialogButtonBox::Ok), Qt::LeftButton);
        };
    }

private:
    void schedule() { QTimer::singleShot(5, &m_context, [this] { poll(); }); }

    void poll()
    {
        schedule();
        QWidget *box = QApplication::activeModalWidget();
        if (!box || !box->isVisible())
            return;
        for (const QPointer<QWidget> &handled : std::as_const(m_handled)) {
            if (handled == box)
                return;
        }
        m_handled << QPointer<QWidget>(box);
        seen << describe(box);
        if (m_steps.isEmpty()) {
            unexpected << describe(box);
            if (auto *dialog = qobject_cast<QDialog *>(box))
                dialog->reject();
            return;
        }
        const Step step = m_steps.takeFirst();
        const QPointer<QWidget> guard(box);
        step(box);
        // A step that failed must not leave the test stuck in the box's event loop.
        if (QTest::currentTestFailed() && guard && guard->isVisible()) {
            if (auto *dialog = qobject_cast<QDialog *>(guard.data()))
                dialog->reject();
        }
    }

    QObject m_context;
    QList<Step> m_steps;
    QList<QPointer<QWidget>> m_handled;
};

} // namespace harness
