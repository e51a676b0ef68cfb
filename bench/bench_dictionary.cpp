// SPDX-FileCopyrightText: 2026 Zentile developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The end of a game's dictionary lookups against one plain read of a big word list.
#include "BenchTiming.h"

#include "board/ClockRandomSource.h"
#include "clock/Game.h"
#include "play/Dictionary.h"
#include "window/Dialogs.h"
#include "window/GameView.h"

#include <QFile>
#include <QHash>
#include <QRandomGenerator>
#include <QTemporaryDir>
#include <QTest>

#include <algorithm>
#include <array>

namespace {

constexpr int FileLines = 500000;
constexpr int ListedWords = 100;
constexpr int WordsInFile = 10;

QByteArray randomWord(QRandomGenerator &random, int shortest, int longest)
{
    QByteArray word(shortest + int(random.bounded(longest - shortest + 1)), Qt::Uninitialized);
    for (char &c : word)
        c = char('A' + random.bounded(26));
    return word;
}

// Just enough of a window for a game to end on: values only, nothing drawn.
class PlainView final : public GameView
{
public:
    QString caption(ValueLabel label) const override { return m_captions.value(label); }
    void setCaption(ValueLabel label, const QString &text) override { m_captions[label] = text; }
    void createTile(int) override {}
    QRect tileGeometry(int index) const override { return m_geometry[index]; }
    void setTileGeometry(int index, const QRect &twips) override { m_geometry[index] = twips; }
    void showTile(int) override {}
    QString tileCaption(int index) const override { return m_letters[index]; }
    void setTileCaption(int index, const QString &letter) override { m_letters[index] = letter; }
    bool tileMarked(int index) const override { return m_marked[index]; }
    void setTileMarked(int index, bool marked) override { m_marked[index] = marked; }
    void setButtonEnabled(WordButton, bool) override {}
    bool startPanelShown() const override { return m_startPanel; }
    void setStartPanelShown(bool shown) override { m_startPanel = shown; }
    bool timerEnabled() const override { return m_timer; }
    void setTimerEnabled(bool enabled) override { m_timer = enabled; }
    int wordCount() const override { return int(m_words.size()); }
    QString wordAt(int index) const override { return m_words.value(index); }
    void addWord(const QString &word) override { m_words.append(word); }
    void clearWords() override { m_words.clear(); }
    void selectWord(int index) override { m_selected = index; }
    int selectedWord() const override { return m_selected; }
    // "Allow Add Words" is always checked, as in the window.
    bool isChecked(MenuCheck item) const override { return item == MenuCheck::AllowAddWords || m_checks.value(item); }
    void setChecked(MenuCheck item, bool checked) override { m_checks[item] = checked; }

private:
    QHash<ValueLabel, QString> m_captions;
    std::array<QRect, 400> m_geometry{};
    std::array<QString, 400> m_letters{};
    std::array<bool, 400> m_marked{};
    bool m_startPanel = true;
    bool m_timer = false;
    QStringList m_words;
    int m_selected = -1;
    QHash<MenuCheck, bool> m_checks;
};

// A player who declines every word, so the file stays as generated.
class DecliningDialogs final : public Dialogs
{
public:
    void inform(const QString &, const QString &) override {}
    bool confirm(const QString &, const QString &) override
    {
        ++questions;
        return false;
    }
    QString askText(const QString &, const QString &, const QString &defaultText) override { return defaultText; }

    int questions = 0;
};

class NoDialogs final : public Dialogs
{
public:
    void inform(const QString &, const QString &) override {}
    bool confirm(const QString &, const QString &) override { return false; }
    QString askText(const QString &, const QString &, const QString &) override { return {}; }
};

} // namespace

class BenchDictionary : public QObject
{
    Q_OBJECT

private:
    QString path() const { return m_dir.filePath(QStringLiteral("Dictionary.kvz")); }

    // The floor: one plain read of the whole file, line by line, into one buffer so that
    // no line costs an allocation. The bytes read, or -1.
    qint64 readOnce() const
    {
        QFile file(path());
        if (!file.open(QIODevice::ReadOnly))
            return -1;
        char line[256];
        qint64 bytes = 0;
        for (qint64 got; (got = file.readLine(line, sizeof line)) > 0;)
            bytes += got;
        return bytes;
    }

    QTemporaryDir m_dir;
    QStringList m_words;
    QSet<QString> m_inFile;
    NoDialogs m_noDialogs;

private slots:
    void initTestCase()
    {
        QVERIFY(m_dir.isValid());
        QRandomGenerator random(20260417);
        QByteArray text;
        text.reserve(FileLines * 11);
        std::array<int, WordsInFile> picks{};
        for (int k = 0; k < WordsInFile; ++k)
            picks[k] = (FileLines - 1) - k * (FileLines / WordsInFile); // spread out, the last line included
        for (int i = 0; i < FileLines; ++i) {
            // 3 to 13 letters: 8 on average, 10 bytes a line with its CR LF.
            const QByteArray word = randomWord(random, 3, 13);
            if (std::find(picks.begin(), picks.end(), i) != picks.end())
                m_inFile.insert(QString::fromLatin1(word));
            text += word;
            text += "\r\n";
        }
        QFile file(path());
        QVERIFY(file.open(QIODevice::WriteOnly));
        QCOMPARE(file.write(text), text.size());
        file.close();

        // Long enough that a chance match among half a million lines is out of the question.
        m_words = QStringList(m_inFile.cbegin(), m_inFile.cend());
        while (m_words.size() < ListedWords)
            m_words.append(QString::fromLatin1(randomWord(random, 8, 10)));
        std::shuffle(m_words.begin(), m_words.end(), random);
        std::printf("INFO dictionary: %d lines, %.1f MB; %d listed words, %d of them in the file\n", FileLines,
                    text.size() / 1e6, ListedWords, int(m_inFile.size()));
        std::fflush(stdout);

        // Warms the page cache, so every measurement reads from memory alike.
        QCOMPARE(readOnce(), text.size());
    }

    // Qt Test calls a function with QBENCHMARK again and again until its figure settles,
    // so the side-by-side ratios are measured in functions of their own.
    void lookupRatio()
    {
        Dictionary dictionary(m_dir.path(), m_noDialogs);
        QCOMPARE(dictionary.findAll(m_words), m_inFile);

        ClockRandomSource random;
        PlainView view;
        DecliningDialogs dialogs;
        Game game(view, dialogs, random, m_dir.path());
        game.Form_Load();
        const auto endGame = [&] {
            game.cmdStart_Click();
            for (const QString &word : std::as_const(m_words))
                view.addWord(word);
            game.cmdFinish_Click();
            game.tmrPlay_Timer();
        };
        endGame();
        // Every word not in the file was offered, and the game really ended.
        QCOMPARE(dialogs.questions, ListedWords - int(m_inFile.size()));
        QCOMPARE(view.wordCount(), 0);

        Timed floor{"readLine pass", [&] { readOnce(); }, {}};
        Timed subject{"findAll", [&] { dictionary.findAll(m_words); }, {}};
        Timed gameEnd{"game end", endGame, {}};
        timeInTurn({&floor, &subject, &gameEnd}, 15, 100, 4000);
        printRatio("dictionary", subject, floor, 3.0);
        printRatio("dictionary-game-end", gameEnd, floor, 3.0);
    }

    void lookup()
    {
        Dictionary dictionary(m_dir.path(), m_noDialogs);
        QBENCHMARK {
            dictionary.findAll(m_words);
        }
    }

    void naiveScanPerWord()
    {
        Dictionary dictionary(m_dir.path(), m_noDialogs);
        Timed floor{"readLine pass", [&] { readOnce(); }, {}};
        Timed naive{"100 x WordAllowed", [&] {
                        for (const QString &word : std::as_const(m_words))
                            dictionary.WordAllowed(word);
                    }, {}};
        timeInTurn({&floor, &naive}, 3, 3, 0);
        const double ratio = pairedRatio(naive, floor);
        std::printf("INFO dictionary-scan-per-word %.1f (for comparison only): %s %.1f ms, %s %.3f ms\n", ratio,
                    naive.name, naive.medianMs(), floor.name, floor.medianMs());
        std::fflush(stdout);
    }
};

QTEST_GUILESS_MAIN(BenchDictionary)
#include "bench_dictionary.moc"
