// SPDX-FileCopyrightText: 2026 Zentile developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The end of a game's dictionary lookups against one block read of a big word list that
// finds every line's end.
#include "BenchTiming.h"

#include "support/TestGame.h"

#include <QFile>
#include <QRandomGenerator>
#include <QTest>

#include <algorithm>
#include <array>
#include <cstring>

namespace {

constexpr int FileLines = 1000000;
constexpr int ListedWords = 100;
constexpr int WordsInFile = 10;
// As large as the dictionary's own blocks.
constexpr qint64 BlockSize = 256 * 1024;

QByteArray randomWord(QRandomGenerator &random, int shortest, int longest)
{
    QByteArray word(shortest + int(random.bounded(longest - shortest + 1)), Qt::Uninitialized);
    for (char &c : word)
        c = char('A' + random.bounded(26));
    return word;
}

} // namespace

class BenchDictionary : public QObject
{
    Q_OBJECT

private:
    // The floor: the file read once in the blocks the dictionary reads it in, every line's
    // end found with memchr. The number of lines, or -1.
    qint64 readOnce() const
    {
        QFile file(m_game.dictionaryPath());
        if (!file.open(QIODevice::ReadOnly))
            return -1;
        QByteArray block(BlockSize, Qt::Uninitialized);
        qint64 lines = 0;
        for (qint64 got; (got = file.read(block.data(), BlockSize)) > 0;) {
            const char *begin = block.constData();
            const char *const end = begin + got;
            while (const auto *lf = static_cast<const char *>(std::memchr(begin, '\n', end - begin))) {
                ++lines;
                begin = lf + 1;
            }
        }
        return lines;
    }

    // A game with the listed words played ends: its words are looked up, and every one
    // not in the file is offered and declined, so the file stays as generated.
    void endGame()
    {
        m_game.start();
        for (const QString &word : std::as_const(m_words))
            m_game.model.addPlayedWord(word);
        m_game.game.finishGame();
        m_game.game.tick();
    }

    // The boxes of one game end pile up otherwise; emptied off the clock.
    void forgetBoxes() { m_game.dialogs.shown.clear(); }

    TestGame m_game;
    QStringList m_words;
    QSet<QString> m_inFile;

private slots:
    void initTestCase()
    {
        QVERIFY(m_game.dir.isValid());
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
        QFile file(m_game.dictionaryPath());
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

        // The player declines each word.
        m_game.dialogs.confirmByDefault = false;

        // Warms the page cache, so every measurement reads from memory alike.
        QCOMPARE(readOnce(), FileLines);
    }

    void lookup()
    {
        const Dictionary &dictionary = m_game.game.dictionary;
        QCOMPARE(dictionary.findAll(m_words), m_inFile);

        Timed floor{"block read", [&] { readOnce(); }, {}};
        Timed subject{"findAll", [&] { dictionary.findAll(m_words); }, {}};
        timeInTurn({&floor, &subject}, 15, 100, 4000);
        printRatio("dictionary", subject, floor, 1.5);
    }

    void gameEnd()
    {
        // Once off the clock: exactly the words missing from the file were offered, in list
        // order, and the game really ended.
        forgetBoxes();
        endGame();
        QStringList offered;
        for (const ScriptedDialogs::Shown &box : std::as_const(m_game.dialogs.shown)) {
            QCOMPARE(box.kind, ScriptedDialogs::Kind::Confirm);
            offered << box.text.section(QLatin1Char('\''), 1, 1);
        }
        QStringList missing = m_words;
        missing.removeIf([&](const QString &word) { return m_inFile.contains(word); });
        QCOMPARE(offered, missing);
        QVERIFY(m_game.model.playedWords().isEmpty());
        QVERIFY(!m_game.model.ticking());
        forgetBoxes();

        Timed floor{"block read", [&] { readOnce(); }, {}};
        Timed subject{"game end", [&] { endGame(); }, {}};
        timeInTurn({&floor, &subject}, 15, 100, 4000, [&] { forgetBoxes(); });
        printRatio("dictionary-game-end", subject, floor, 1.5);
    }

    // One full scan per word, the way the file would be read without findAll.
    void scanPerWord()
    {
        const Dictionary &dictionary = m_game.game.dictionary;
        Timed floor{"block read", [&] { readOnce(); }, {}};
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
