// SPDX-FileCopyrightText: 2026 Zentile developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "support/ScoreBytes.h"
#include "support/TestGame.h"

#include <QDateTime>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>
#include <QSet>
#include <QTest>

#include <array>
#include <memory>
#include <random>

namespace {

using Kind = ScriptedDialogs::Kind;

constexpr int GamesToPlay = 2000;
constexpr int GamesPerFolder = 100;
// A game still running after this many steps is finished, so that a long custom limit ends too.
constexpr int StepsBeforeFinish = 150;

const QString NamePrompt = QStringLiteral("You got a high score, please enter your name:");
const QString TimePrompt = QStringLiteral("Please enter the length of a game in the format 'MM:SS'.");
const QString WrongFormat = QStringLiteral("You entered the time in the wrong format");
const std::array<QString, 4> FixedLimits = {QStringLiteral("00:30"), QStringLiteral("01:00"), QStringLiteral("01:30"),
                                            QStringLiteral("02:00")};

bool touching(int a, int b)
{
    return a != b && std::abs(a / 20 - b / 20) <= 1 && std::abs(a % 20 - b % 20) <= 1;
}

QString clockText(qint64 minutes, qint64 seconds)
{
    return QString::number(minutes).rightJustified(2, QLatin1Char('0')) + QLatin1Char(':')
        + QString::number(seconds).rightJustified(2, QLatin1Char('0'));
}

// The names this test types, as the file must hold them. The name box itself takes no more
// than 20 UTF-16 units, so callers cut the typed text first.
QByteArray nameBytes(const QString &name)
{
    QByteArray bytes;
    for (const char32_t c : name.toUcs4())
        bytes += c == U'€' ? char(0x80) : c < 0x80 || (c >= 0xA0 && c <= 0xFF) ? char(c) : '?';
    return ScoreBytes::name(bytes);
}

struct Record
{
    qint16 rank = 0;
    qint16 score = 0;
    QByteArray name = ScoreBytes::zeroName();
};

// What the window and the files must show, kept by this test alone.
struct Account
{
    enum class ScoreFile { Absent, Empty, Table };

    QList<int> order; // the tiles of the current word, in click order
    QString word;
    int last = 0;
    QStringList words;
    qint64 total = 0;
    QString limit = QStringLiteral("02:00");
    QString clock = QStringLiteral("02:00");
    bool timer = false;
    bool panel = true;
    bool buttons = false;
    std::array<bool, 4> checks = {false, false, false, true};
    ScoreFile scoreFile = ScoreFile::Absent;
    std::array<Record, 10> table{};
    QByteArray dictionary;
    QSet<QString> dictionaryWords;
    qsizetype dictionaryChecked = 0;
    int gameSteps = 0;
};

// Plays random games on a TestGame, keeping the account of each step and checking it after every one.
class Soak
{
public:
    explicit Soak(quint64 seed)
        : m_rng(seed)
    {
    }

    int games = 0;
    int abandoned = 0;
    int acceptedWords = 0;
    int highScores = 0;
    int steps = 0;
    QString action;
    QString problem;

    void newFolder()
    {
        m_game = std::make_unique<TestGame>(m_rng() | 1);
        m_game->dialogs.whileShowing = [this](const ScriptedDialogs::Shown &box) { answer(box); };
        m_answers.clear();
        m_seen = 0;
        m = {};
        check();
    }

    void step()
    {
        ++steps;
        ++m.gameSteps;
        if (m.timer && m.gameSteps > StepsBeforeFinish)
            m.clock == QLatin1String("00:00") ? tick() : finish();
        else if (m.panel && !m.timer)
            waitingStep();
        else
            playingStep();
        const auto &shown = m_game->dialogs.shown;
        if (m_seen < shown.size())
            fail(QStringLiteral("an unexpected box \"%1\": %2").arg(shown.at(m_seen).title, shown.at(m_seen).text));
        m_seen = shown.size();
        check();
    }

private:
    struct Answer
    {
        bool yes = false;
        QString text;
        bool tickedAfter = false;
    };

    int below(int n) { return int(m_rng() % quint64(n)); }
    bool chance(int percent) { return below(100) < percent; }
    template<typename T>
    const T &any(const QList<T> &list) { return list.at(below(int(list.size()))); }

    void fail(const QString &what)
    {
        if (problem.isEmpty())
            problem = what;
    }

    void waitingStep()
    {
        const int roll = below(100);
        roll < 70 ? start() : roll < 76 ? fixedLimit() : roll < 82 ? customLimit() : roll < 85 ? showScores()
            : roll < 87 ? resetScores() : roll < 90 ? newBoard() : roll < 93 ? finish()
            : roll < 96 ? doubleClick(below(400)) : click(below(400));
    }

    void playingStep()
    {
        if (m.word.size() >= 3 && chance(30))
            return chance(80) ? enter() : doubleClick(pickTile());
        const int roll = below(1000);
        roll < 420 ? click(pickTile()) : roll < 460 ? doubleClick(pickTile()) : roll < 560 ? enter()
            : roll < 590 ? clear() : roll < 860 ? tick() : roll < 893 ? finish() : roll < 900 ? newBoard()
            : roll < 930 ? fixedLimit() : roll < 955 ? customLimit() : roll < 985 ? showScores() : resetScores();
    }

    // Mostly a neighbour of the last tile, so that words grow; now and then a tile of the word.
    int pickTile()
    {
        const int roll = below(100);
        if (roll < 8 && !m.order.isEmpty())
            return any(m.order);
        // By index difference, which at the board's edges reaches round to the other side.
        if (roll < 20)
            return std::clamp(m.last + any(QList<int>{-21, -20, -19, -1, 1, 19, 20, 21}), 0, 399);
        if (roll < 88)
            return std::clamp(m.last / 20 + below(3) - 1, 0, 19) * 20 + std::clamp(m.last % 20 + below(3) - 1, 0, 19);
        return below(400);
    }

    // Answers each box as it shows. A box opened from the menu may see a tick, whose own
    // boxes are answered before it.
    void answer(const ScriptedDialogs::Shown &box)
    {
        const qsizetype index = m_answers.size();
        m_answers.append(Answer{});
        const bool fromMenu = box.title == QLatin1String("Zentile - High Scores")
            || box.title == QLatin1String("Reset High Scores") || box.title == QLatin1String("Time Limit")
            || box.text == WrongFormat;
        if (fromMenu && m_game->model.ticking() && chance(25)) {
            m_answers[index].tickedAfter = true;
            m_game->game.tick();
        }
        Answer &a = m_answers[index];
        if (box.kind == Kind::Confirm) {
            a.yes = chance(box.title == QLatin1String("Add Word") ? 70 : 50);
            m_game->dialogs.confirmAnswers.append(a.yes);
        } else if (box.kind == Kind::AskText) {
            a.text = box.title == QLatin1String("Time Limit") ? randomLimitText() : randomName();
            m_game->dialogs.textAnswers.append(a.text);
        }
    }

    QString randomName()
    {
        static const QStringList Pieces = {QStringLiteral("Ann"), QStringLiteral("Bo"), QStringLiteral(" "),
                                           QStringLiteral("é"), QStringLiteral("€"), QStringLiteral("字"),
                                           QStringLiteral("😀"), QStringLiteral("Name"), QStringLiteral("1234567890")};
        QString name; // empty: Cancel
        for (int n = below(8); n > 0; --n)
            name += any(Pieces);
        return name;
    }

    QString randomLimitText()
    {
        static const QStringList Odd = {QStringLiteral("00:90"), QStringLiteral("1:5"), QStringLiteral("01:00"),
                                        QStringLiteral(" 0:9 "), QString(), QStringLiteral("MM:SS"),
                                        QStringLiteral(":"), QStringLiteral("123:45"), QStringLiteral("1:2:3"),
                                        QStringLiteral("0 :30"), QStringLiteral("-1:30"), QStringLiteral("0.5:00")};
        const int roll = below(100);
        if (roll < 45)
            return (chance(50) ? QStringLiteral("0:") : QStringLiteral("00:")) + QString::number(3 + below(38));
        if (roll < 65)
            return any(Odd);
        static const QString Alphabet = QStringLiteral("0123456789:: .-+aMS");
        QString text;
        for (int n = below(7); n > 0; --n)
            text += Alphabet.at(below(int(Alphabet.size())));
        return text;
    }

    // The next box shown must be this one. Gives its answer, after accounting for a tick it saw.
    const Answer *expectBox(Kind kind, const QString &title, const QString &text, const QString &defaultText = {})
    {
        const auto &shown = m_game->dialogs.shown;
        if (m_seen >= shown.size()) {
            fail(QStringLiteral("the box \"%1\" (%2) was not shown").arg(title, text));
            return nullptr;
        }
        const ScriptedDialogs::Shown &box = shown.at(m_seen);
        const Answer *a = &m_answers.at(m_seen++);
        if (box.kind != kind || box.title != title || box.text != text || box.defaultText != defaultText) {
            fail(QStringLiteral("expected the box \"%1\" (%2), saw \"%3\" (%4)").arg(title, text, box.title, box.text));
            return nullptr;
        }
        if (a->tickedAfter)
            accountTick();
        return a;
    }

    // --- the player's actions: the handler first, then its account ---

    void start()
    {
        action = QStringLiteral("Start");
        m_game->game.startGame();
        m.gameSteps = 0;
        m.clock = m.limit;
        m.timer = m.buttons = true;
        m.panel = false;
    }

    void finish()
    {
        action = QStringLiteral("Finish");
        m_game->game.finishGame();
        m.clock = QStringLiteral("00:00");
        m.timer = true;
    }

    void tick()
    {
        action = QStringLiteral("tick");
        m_game->game.tick();
        accountTick();
    }

    void click(int tile)
    {
        action = QStringLiteral("click %1").arg(tile);
        m_game->game.selection.pickTile(tile);
        accountClick(tile);
    }

    // The first press of a double click is a click of its own.
    void doubleClick(int tile)
    {
        action = QStringLiteral("double click %1").arg(tile);
        m_game->game.selection.pickTile(tile);
        accountClick(tile);
        m_game->game.submission.submitWord();
        accountEnter();
    }

    // The buttons can only be pressed while they are enabled.
    void enter()
    {
        if (!m.buttons)
            return tick();
        action = QStringLiteral("Enter \"%1\"").arg(m.word);
        m_game->game.submission.submitWord();
        accountEnter();
    }

    void clear()
    {
        if (!m.buttons)
            return tick();
        action = QStringLiteral("Clear");
        m_game->game.selection.clearWord();
        m.order.clear();
        m.word.clear();
    }

    void newBoard()
    {
        action = QStringLiteral("New");
        abandoned += m.timer && !m.panel ? 1 : 0;
        m_game->game.newBoard();
        accountClearAndDeal();
    }

    void fixedLimit()
    {
        const int item = chance(70) ? 0 : below(4);
        action = QStringLiteral("Time Limit ") + FixedLimits.at(item);
        m_game->game.timeLimits.setTimeLimit(item);
        m.checks = {false, false, false, false};
        m.checks.at(item) = true;
        m.limit = FixedLimits.at(item);
        if (!m.timer)
            m.clock = m.limit;
    }

    void customLimit()
    {
        action = QStringLiteral("Custom");
        m_game->game.timeLimits.chooseCustomLimit();
        m.checks = {false, false, false, false};
        const Answer *typed = expectBox(Kind::AskText, QStringLiteral("Time Limit"), TimePrompt, QStringLiteral("MM:SS"));
        if (!typed)
            return;
        action += QStringLiteral(" \"%1\"").arg(typed->text);
        static const QRegularExpression Limit(QStringLiteral("^ *([0-9]{1,2}):([0-9]{1,2}) *$"));
        const QRegularExpressionMatch match = Limit.match(typed->text);
        if (match.hasMatch())
            m.limit = clockText(match.captured(1).toInt(), match.captured(2).toInt());
        else
            expectBox(Kind::Inform, QStringLiteral("Zentile"), WrongFormat);
        if (!m.timer)
            m.clock = m.limit;
    }

    void showScores()
    {
        action = QStringLiteral("High Scores");
        m_game->game.highScores.showTable();
        readScores();
        const QString gap(8, QLatin1Char(' '));
        QString text = QStringLiteral("Rank     Score       Name\r\n\r\n");
        for (const Record &r : m.table) {
            QString name;
            for (const char b : r.name)
                name += b == char(0x80) ? QStringLiteral("€") : QString(QChar(b == 0 ? ' ' : uchar(b)));
            text += QString::number(r.rank).rightJustified(2, QLatin1Char('0')) + QLatin1Char('.') + gap
                + QString::number(r.score).rightJustified(5, QLatin1Char('0')) + gap + name.trimmed() + QStringLiteral("\r\n");
        }
        expectBox(Kind::Inform, QStringLiteral("Zentile - High Scores"), text);
    }

    void resetScores()
    {
        action = QStringLiteral("Reset High Scores");
        m_game->game.highScores.confirmReset();
        const Answer *a = expectBox(Kind::Confirm, QStringLiteral("Reset High Scores"),
                                    QStringLiteral("Are you sure you want to reset your high scores?"));
        if (!a || !a->yes)
            return;
        for (int n = 0; n < 10; ++n)
            m.table.at(n) = {qint16(n + 1), 0, ScoreBytes::name("...")};
        m.scoreFile = Account::ScoreFile::Table;
    }

    // --- the account of the game's own steps ---

    void accountClick(int tile)
    {
        if (m.panel || m.order.contains(tile))
            return;
        const QChar letter = m_game->model.letter(tile);
        if (touching(tile, m.last)) {
            m.order.append(tile);
            m.word += letter;
        } else {
            m.order = {tile};
            m.word = letter;
        }
        m.last = tile;
    }

    void accountEnter()
    {
        if (m.word.size() > 2 && !m.words.contains(m.word)) {
            m.words.append(m.word);
            ++acceptedWords;
            const LetterTable::Value value = LetterTable::valueOf(m.word);
            m.total += value.points;
            const qint64 left = m.clock.section(QLatin1Char(':'), 0, 0).toLongLong() * 60
                + m.clock.section(QLatin1Char(':'), 1).toLongLong() + value.bonusSeconds;
            m.clock = clockText(left / 60, left % 60);
        }
        m.order.clear();
        m.word.clear();
    }

    void accountTick()
    {
        qint64 minutes = m.clock.section(QLatin1Char(':'), 0, 0).toLongLong();
        qint64 seconds = m.clock.section(QLatin1Char(':'), 1).toLongLong();
        if (seconds != 0) {
            --seconds;
        } else if (minutes != 0) {
            seconds = 59;
            --minutes;
        } else {
            accountGameEnd();
        }
        m.clock = clockText(minutes, seconds);
    }

    // Reading the table leaves an empty file behind when there was none.
    void readScores()
    {
        if (m.scoreFile == Account::ScoreFile::Absent)
            m.scoreFile = Account::ScoreFile::Empty;
    }

    void accountGameEnd()
    {
        games += m.panel ? 0 : 1;
        m.timer = false;
        readScores();
        int place = 0;
        while (place < 10 && m.total <= m.table.at(place).score)
            ++place;
        if (place < 10) {
            if (const Answer *name = expectBox(Kind::AskText, QStringLiteral("High Score"), NamePrompt, QStringLiteral("Name"))) {
                for (int k = 9; k > place; --k) {
                    m.table.at(k) = m.table.at(k - 1);
                    m.table.at(k).rank = qint16(k + 1);
                }
                m.table.at(place) = {qint16(place + 1), qint16(std::min<qint64>(m.total, 32767)), nameBytes(name->text.left(20))};
                m.scoreFile = Account::ScoreFile::Table;
                ++highScores;
            }
        }
        const QSet<QString> known = m.dictionaryWords;
        for (const QString &word : std::as_const(m.words)) {
            if (known.contains(word))
                continue;
            const Answer *a = expectBox(Kind::Confirm, QStringLiteral("Add Word"),
                                        QStringLiteral("Would you like to add the word '%1' to your dictionary?").arg(word));
            if (a && a->yes) {
                m.dictionary += word.toLatin1() + "\r\n";
                m.dictionaryWords.insert(word);
            }
        }
        accountClearAndDeal();
    }

    void accountClearAndDeal()
    {
        m.order.clear();
        m.word.clear();
        m.words.clear();
        m.total = 0;
        m.buttons = m.timer = false;
        m.panel = true;
        m.clock = m.limit;
    }

    // --- the invariants ---

    void check()
    {
        const GameModel &model = m_game->model;
        QString picked;
        for (const int tile : std::as_const(m.order))
            picked += model.letter(tile);
        for (int i = 0; i < 400; ++i) {
            if (model.letter(i) < QLatin1Char('A') || model.letter(i) > QLatin1Char('Z'))
                return fail(QStringLiteral("tile %1 holds \"%2\"").arg(i).arg(model.letter(i)));
        }
        if (model.wordTiles() != m.order)
            return fail(QStringLiteral("the word's tiles are not those picked"));
        if (picked != m.word || model.word() != m.word)
            return fail(QStringLiteral("the word shows \"%1\", its tiles spell \"%2\", expected \"%3\"")
                            .arg(model.word(), picked, m.word));
        const LetterTable::Value value = LetterTable::valueOf(m.word);
        const QString shownScore = QStringLiteral("%1+%2").arg(model.wordScore()).arg(model.timeBonus());
        if (shownScore != QStringLiteral("%1+%2").arg(value.points).arg(value.bonusSeconds))
            return fail(QStringLiteral("the word scores %1+%2 s, shown %3 s").arg(value.points).arg(value.bonusSeconds).arg(shownScore));
        const QStringList &words = model.playedWords();
        if (QSet<QString>(words.cbegin(), words.cend()).size() != words.size() || words != m.words)
            return fail(QStringLiteral("the list is %1, expected %2").arg(words.join(u','), m.words.join(u',')));
        if (model.score() != m.total)
            return fail(QStringLiteral("the score is %1, expected %2").arg(model.score()).arg(m.total));
        static const QRegularExpression Readable(QStringLiteral("^[0-9]{2,}:[0-9]{2,}$"));
        const QString clock = model.clock().text();
        if (!Readable.match(clock).hasMatch() || clock != m.clock)
            return fail(QStringLiteral("the clock shows \"%1\", expected \"%2\"").arg(clock, m.clock));
        const bool waiting = model.phase() == GameModel::Phase::Waiting;
        if (model.ticking() != m.timer || waiting != m.panel || waiting == m.buttons)
            return fail(QStringLiteral("timer, start panel or word buttons in the wrong state"));
        for (int i = 0; i < 4; ++i) {
            if ((model.checkedLimit() == i) != m.checks.at(i))
                return fail(QStringLiteral("the time limit %1 has the wrong check mark").arg(FixedLimits.at(i)));
        }
        checkScoreFile();
        checkDictionary();
    }

    void checkScoreFile()
    {
        QFile file(m_game->highScorePath());
        if (m.scoreFile == Account::ScoreFile::Absent) {
            if (file.exists())
                fail(QStringLiteral("a high-score file appeared unread"));
            return;
        }
        if (!file.open(QIODevice::ReadOnly))
            return fail(QStringLiteral("the high-score file is gone"));
        const QByteArray bytes = file.readAll();
        if (bytes.size() != (m.scoreFile == Account::ScoreFile::Empty ? 0 : 240))
            return fail(QStringLiteral("the high-score file holds %1 bytes").arg(bytes.size()));
        using ScoreBytes::rankAt, ScoreBytes::scoreAt, ScoreBytes::nameAt;
        for (int n = 0; n < bytes.size() / ScoreBytes::RecordSize; ++n) {
            if (rankAt(bytes, n) != n + 1 || (n > 0 && scoreAt(bytes, n) > scoreAt(bytes, n - 1)))
                return fail(QStringLiteral("high-score record %1 has rank %2 and score %3 out of order")
                                .arg(n + 1).arg(rankAt(bytes, n)).arg(scoreAt(bytes, n)));
            if (scoreAt(bytes, n) != m.table.at(n).score || nameAt(bytes, n) != m.table.at(n).name)
                return fail(QStringLiteral("high-score record %1 holds %2 \"%3\", expected %4 \"%5\"")
                                .arg(n + 1).arg(scoreAt(bytes, n)).arg(QString::fromLatin1(nameAt(bytes, n).toHex()))
                                .arg(m.table.at(n).score).arg(QString::fromLatin1(m.table.at(n).name.toHex())));
        }
    }

    void checkDictionary()
    {
        const QFileInfo info(m_game->dictionaryPath());
        if (info.exists() ? info.size() != m.dictionary.size() : !m.dictionary.isEmpty())
            return fail(QStringLiteral("the dictionary holds %1 bytes, expected %2").arg(info.size()).arg(m.dictionary.size()));
        // The whole text only when it has grown: it grows with every game.
        if (m.dictionaryChecked == m.dictionary.size())
            return;
        QFile file(m_game->dictionaryPath());
        if (!file.open(QIODevice::ReadOnly) || file.readAll() != m.dictionary)
            return fail(QStringLiteral("the dictionary is not the words confirmed, in order"));
        m.dictionaryChecked = m.dictionary.size();
    }

    std::mt19937_64 m_rng;
    std::unique_ptr<TestGame> m_game;
    QList<Answer> m_answers; // one for each box shown, in order
    qsizetype m_seen = 0;    // the boxes accounted for
    Account m;
};

} // namespace

class tst_Soak : public QObject
{
    Q_OBJECT

private slots:
    void randomGames();
};

void tst_Soak::randomGames()
{
    bool given = false;
    quint64 seed = qEnvironmentVariable("ZENTILE_SOAK_SEED").toULongLong(&given);
    if (!given)
        seed = quint64(QDateTime::currentMSecsSinceEpoch());
    qInfo("soak seed %llu (repeat with ZENTILE_SOAK_SEED=%llu)", seed, seed);

    Soak soak(seed);
    for (int folderStart = -GamesPerFolder; soak.games < GamesToPlay;) {
        if (soak.games - folderStart >= GamesPerFolder) {
            soak.newFolder();
            folderStart = soak.games;
        } else {
            soak.step();
        }
        QVERIFY2(soak.problem.isEmpty(), qPrintable(QStringLiteral("ZENTILE_SOAK_SEED=%1, game %2, step %3, after %4: %5")
                                                        .arg(seed).arg(soak.games + 1).arg(soak.steps)
                                                        .arg(soak.action, soak.problem)));
    }
    qInfo("%d games played to their end, %d abandoned, %d steps, %d words accepted, %d high scores entered",
          soak.games, soak.abandoned, soak.steps, soak.acceptedWords, soak.highScores);
    QVERIFY(soak.acceptedWords > soak.games);
    QVERIFY(soak.highScores > GamesToPlay / 10);
}

QTEST_GUILESS_MAIN(tst_Soak)
#include "tst_soak.moc"
