// SPDX-FileCopyrightText: 2026 Zentile developers
// SPDX-License-Identifier: GPL-3.0-or-later
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
// A game still running after this many steps is finished, so a long custom limit ends too.
constexpr int StepsBeforeFinish = 150;

const QString NamePrompt = QStringLiteral("You got a high score, please enter your name:");
const QString TimePrompt = QStringLiteral("Please enter the length of a game in the format 'MM:SS'.");
const QString WrongFormat = QStringLiteral("You entered the time in the wrong format");
const QString ResetQuestion = QStringLiteral("Are you sure you want to reset your high scores?");

int points(QChar letter)
{
    switch (letter.unicode()) {
    case 'D': case 'G': return 2;
    case 'B': case 'M': case 'P': case 'C': return 3;
    case 'F': case 'H': case 'Y': case 'W': case 'V': return 4;
    case 'K': return 5;
    case 'J': case 'X': return 8;
    case 'Q': case 'Z': return 10;
    default: return 1;
    }
}

int bonus(QChar letter)
{
    return QStringLiteral("JX").contains(letter) ? 8 : QStringLiteral("QZ").contains(letter) ? 10 : 0;
}

bool touching(int a, int b)
{
    return a != b && std::abs(a / 20 - b / 20) <= 1 && std::abs(a % 20 - b % 20) <= 1;
}

QString twoDigits(qint64 n)
{
    return QString::number(n).rightJustified(2, QLatin1Char('0'));
}

struct Clock
{
    qint64 minutes;
    qint64 seconds;

    static Clock parse(const QString &text)
    {
        const qsizetype colon = text.indexOf(QLatin1Char(':'));
        return {text.left(colon).toLongLong(), text.mid(colon + 1).toLongLong()};
    }
    QString text() const { return twoDigits(minutes) + QLatin1Char(':') + twoDigits(seconds); }
};

// The names this test types, and the file bytes they must become.
QByteArray nameBytes(const QString &name)
{
    QByteArray bytes;
    for (const char32_t c : name.toUcs4()) {
        if (bytes.size() == 20)
            break;
        if (c == U'€')
            bytes += char(0x80);
        else if (c < 0x80 || (c >= 0xA0 && c <= 0xFF))
            bytes += char(c);
        else
            bytes += '?';
    }
    return bytes.leftJustified(20, ' ');
}

QString shownName(const QByteArray &bytes)
{
    QString name;
    for (const char b : bytes)
        name += b == char(0x80) ? QStringLiteral("€") : b == 0 ? QStringLiteral(" ") : QString(QChar(uchar(b)));
    static const QRegularExpression Blanks(QStringLiteral("^ +| +$"));
    return name.remove(Blanks);
}

struct Record
{
    qint16 rank = 0;
    qint16 score = 0;
    QByteArray name = QByteArray(20, '\0');
};

// Plays random games on a TestGame and keeps its own account of what the window and the
// files must show, checked after every step.
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
    QString problem;
    QString action;

    void newFolder()
    {
        m_game = std::make_unique<TestGame>(m_rng() | 1);
        m_game->dialogs.whileShowing = [this](const ScriptedDialogs::Shown &box) { answer(box); };
        m_answers.clear();
        m_seen = 0;
        m_order.clear();
        m_word.clear();
        m_last = 0;
        m_words.clear();
        m_total = 0;
        m_limit = m_clock = QStringLiteral("02:00");
        m_timer = m_buttons = false;
        m_panel = true;
        m_checks = {false, false, false, true};
        m_scoreFile = ScoreFile::Absent;
        m_table = {};
        m_dictionary.clear();
        m_dictionaryWords.clear();
        m_checkedDictionary = 0;
        m_gameSteps = 0;
        check();
    }

    // One random action of a player, then every invariant.
    void step()
    {
        ++steps;
        ++m_gameSteps;
        if (m_timer && m_gameSteps > StepsBeforeFinish)
            m_clock == QLatin1String("00:00") ? tick() : finish();
        else if (m_panel && !m_timer)
            waitingStep();
        else
            playingStep();
        consumeRest();
        check();
    }

private:
    enum class ScoreFile { Absent, Empty, Table };

    struct Answer
    {
        bool yes = false;
        QString text;
        bool tickedAfter = false;
    };

    int below(int n) { return int(m_rng() % quint64(n)); }
    bool chance(int percent) { return below(100) < percent; }

    void waitingStep()
    {
        const int roll = below(100);
        if (roll < 70)
            start();
        else if (roll < 76)
            fixedLimit();
        else if (roll < 82)
            customLimit();
        else if (roll < 85)
            showScores();
        else if (roll < 87)
            resetScores();
        else if (roll < 90)
            newBoard();
        else if (roll < 93)
            finish();
        else if (roll < 96)
            doubleClick(below(400));
        else
            click(below(400));
    }

    void playingStep()
    {
        if (m_word.size() >= 3 && chance(30))
            return chance(80) ? enter() : doubleClick(pickTile());
        const int roll = below(1000);
        if (roll < 420)
            click(pickTile());
        else if (roll < 460)
            doubleClick(pickTile());
        else if (roll < 560)
            enter();
        else if (roll < 590)
            clear();
        else if (roll < 860)
            tick();
        else if (roll < 893)
            finish();
        else if (roll < 900)
            newBoard();
        else if (roll < 930)
            fixedLimit();
        else if (roll < 955)
            customLimit();
        else if (roll < 985)
            showScores();
        else
            resetScores();
    }

    // Mostly a neighbour of the last tile, so that words grow; now and then a tile of the word.
    int pickTile()
    {
        const int roll = below(100);
        if (roll < 8 && !m_order.isEmpty())
            return m_order.at(below(int(m_order.size())));
        if (roll < 20) {
            // By index difference, which at the board's edges wraps to the other side.
            static const std::array<int, 8> Steps = {-21, -20, -19, -1, 1, 19, 20, 21};
            return std::clamp(m_last + Steps.at(below(8)), 0, 399);
        }
        if (roll < 88) {
            const int row = std::clamp(m_last / 20 + below(3) - 1, 0, 19);
            const int column = std::clamp(m_last % 20 + below(3) - 1, 0, 19);
            return row * 20 + column;
        }
        return below(400);
    }

    // The boxes' answers are chosen as they show; a box opened from the menu may see a tick.
    void answer(const ScriptedDialogs::Shown &box)
    {
        // A tick while the box shows may show boxes of its own, answered before this one.
        const qsizetype index = m_answers.size();
        m_answers.append(Answer{});
        const bool fromMenu = box.title == QLatin1String("Zentile - High Scores") || box.title == QLatin1String("Reset High Scores")
            || box.title == QLatin1String("Time Limit") || box.text == WrongFormat;
        if (fromMenu && m_game->view.timerEnabled() && chance(25)) {
            m_answers[index].tickedAfter = true;
            m_game->game.tmrPlay_Timer();
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
                                           QStringLiteral("😀"), QStringLiteral("x"), QStringLiteral("Name"),
                                           QStringLiteral("1234567890")};
        if (chance(10))
            return {}; // Cancel
        QString name;
        for (int n = below(8); n > 0; --n)
            name += Pieces.at(below(int(Pieces.size())));
        return name;
    }

    QString randomLimitText()
    {
        const int roll = below(100);
        if (roll < 45) {
            const QString text = (chance(50) ? QStringLiteral("0:") : QStringLiteral("00:")) + QString::number(3 + below(38));
            return chance(20) ? QStringLiteral("  ") + text + QLatin1Char(' ') : text;
        }
        if (roll < 55)
            return QStringList{QStringLiteral("00:90"), QStringLiteral("1:5"), QStringLiteral("01:00"),
                               QStringLiteral("0:9")}
                .at(below(4));
        if (roll < 65)
            return QStringList{QString(), QStringLiteral("MM:SS"), QStringLiteral(":"), QStringLiteral("123:45"),
                               QStringLiteral("1:2:3"), QStringLiteral("0 :30"), QStringLiteral("-1:30"),
                               QStringLiteral("0.5:00")}
                .at(below(8));
        static const QString Alphabet = QStringLiteral("0123456789:: .-+aMS");
        QString text;
        for (int n = below(7); n > 0; --n)
            text += Alphabet.at(below(int(Alphabet.size())));
        return text;
    }

    // The next box shown must be this one; its answer, and the tick it saw, follow it.
    const Answer *expectBox(Kind kind, const QString &title, const QString &text, const QString &defaultText = {})
    {
        const auto &shown = m_game->dialogs.shown;
        if (m_seen >= shown.size()) {
            fail(QStringLiteral("the box \"%1\" (%2) was not shown").arg(title, text.left(60)));
            return nullptr;
        }
        const ScriptedDialogs::Shown &box = shown.at(m_seen);
        const Answer *a = &m_answers.at(m_seen);
        ++m_seen;
        if (box.kind != kind || box.title != title || box.text != text || box.defaultText != defaultText) {
            fail(QStringLiteral("expected the box \"%1\" (%2), saw \"%3\" (%4)").arg(title, text.left(60), box.title, box.text.left(60)));
            return nullptr;
        }
        return a;
    }

    void afterBox(const Answer *a)
    {
        if (a && a->tickedAfter)
            modelTick();
    }

    void consumeRest()
    {
        const auto &shown = m_game->dialogs.shown;
        if (m_seen < shown.size())
            fail(QStringLiteral("an unexpected box \"%1\": %2").arg(shown.at(m_seen).title, shown.at(m_seen).text.left(80)));
        m_seen = shown.size();
    }

    void fail(const QString &what)
    {
        if (problem.isEmpty())
            problem = what;
    }

    // --- actions: the real handler first, then the account of what it must do ---

    void start()
    {
        action = QStringLiteral("Start");
        m_gameSteps = 0;
        m_game->game.cmdStart_Click();
        m_clock = m_limit;
        m_timer = m_buttons = true;
        m_panel = false;
    }

    void finish()
    {
        action = QStringLiteral("Finish");
        m_game->game.cmdFinish_Click();
        m_clock = QStringLiteral("00:00");
        m_timer = true;
    }

    void tick()
    {
        action = QStringLiteral("tick");
        m_game->game.tmrPlay_Timer();
        modelTick();
    }

    void click(int tile)
    {
        action = QStringLiteral("click %1").arg(tile);
        m_game->game.l_Click(tile);
        modelClick(tile);
    }

    void doubleClick(int tile)
    {
        // The first press of a double click is a click of its own.
        action = QStringLiteral("double click %1").arg(tile);
        m_game->game.l_Click(tile);
        modelClick(tile);
        m_game->game.l_DblClick(tile);
        modelEnter();
    }

    void enter()
    {
        if (!m_buttons)
            return tick();
        action = QStringLiteral("Enter \"%1\"").arg(m_word);
        m_game->game.cmdEnter_Click();
        modelEnter();
    }

    void clear()
    {
        if (!m_buttons)
            return tick();
        action = QStringLiteral("Clear");
        m_game->game.cmdClear_Click();
        modelClear();
    }

    void newBoard()
    {
        action = QStringLiteral("New");
        if (m_timer && !m_panel)
            ++abandoned;
        m_game->game.mnuNew_Click();
        modelClearGame();
        modelDeal();
    }

    void fixedLimit()
    {
        const int item = chance(70) ? 0 : below(4);
        static const std::array<QString, 4> Texts = {QStringLiteral("00:30"), QStringLiteral("01:00"),
                                                     QStringLiteral("01:30"), QStringLiteral("02:00")};
        action = QStringLiteral("Time Limit ") + Texts.at(item);
        Game &game = m_game->game;
        std::array<void (Game::*)(), 4> handlers = {&Game::mnu30_Click, &Game::mnu1_Click, &Game::mnu130_Click,
                                                   &Game::mnu2_Click};
        (game.*handlers.at(item))();
        m_checks = {false, false, false, false};
        m_checks.at(item) = true;
        m_limit = Texts.at(item);
        if (!m_timer)
            m_clock = m_limit;
    }

    void customLimit()
    {
        action = QStringLiteral("Custom");
        m_game->game.mnuCustom_Click();
        m_checks = {false, false, false, false};
        const Answer *typed = expectBox(Kind::AskText, QStringLiteral("Time Limit"), TimePrompt, QStringLiteral("MM:SS"));
        if (!typed)
            return;
        action += QStringLiteral(" \"%1\"").arg(typed->text);
        const QString text = typed->text;
        afterBox(typed);
        static const QRegularExpression Limit(QStringLiteral("^ *([0-9]{1,2}):([0-9]{1,2}) *$"));
        const QRegularExpressionMatch match = Limit.match(text);
        if (match.hasMatch())
            m_limit = twoDigits(match.captured(1).toInt()) + QLatin1Char(':') + twoDigits(match.captured(2).toInt());
        else
            afterBox(expectBox(Kind::Inform, QStringLiteral("Zentile"), WrongFormat));
        if (!m_timer)
            m_clock = m_limit;
    }

    void showScores()
    {
        action = QStringLiteral("High Scores");
        m_game->game.mnuScores_Click();
        readScoreFile();
        QString text = QStringLiteral("Rank     Score       Name\r\n\r\n");
        const QString gap(8, QLatin1Char(' '));
        for (const Record &r : m_table)
            text += twoDigits(r.rank) + QLatin1Char('.') + gap + QString::number(r.score).rightJustified(5, QLatin1Char('0'))
                + gap + shownName(r.name) + QStringLiteral("\r\n");
        afterBox(expectBox(Kind::Inform, QStringLiteral("Zentile - High Scores"), text));
    }

    void resetScores()
    {
        action = QStringLiteral("Reset High Scores");
        m_game->game.mnuReset_Click();
        const Answer *a = expectBox(Kind::Confirm, QStringLiteral("Reset High Scores"), ResetQuestion);
        if (!a)
            return;
        const bool yes = a->yes;
        afterBox(a);
        if (yes) {
            for (int n = 0; n < 10; ++n)
                m_table.at(n) = {qint16(n + 1), 0, QByteArray("...").leftJustified(20, ' ')};
            m_scoreFile = ScoreFile::Table;
        }
    }

    // --- the account ---

    void modelClick(int tile)
    {
        if (m_panel || m_order.contains(tile))
            return;
        const QString letter = m_game->view.tileCaption(tile);
        if (touching(tile, m_last)) {
            m_order.append(tile);
            m_word += letter;
        } else {
            m_order = {tile};
            m_word = letter;
        }
        m_last = tile;
    }

    void modelClear()
    {
        m_order.clear();
        m_word.clear();
    }

    void modelEnter()
    {
        if (m_word.size() > 2 && !m_words.contains(m_word)) {
            m_words.append(m_word);
            ++acceptedWords;
            qint64 seconds = 0;
            for (const QChar c : m_word) {
                m_total += points(c);
                seconds += bonus(c);
            }
            const Clock now = Clock::parse(m_clock);
            const qint64 total = now.minutes * 60 + now.seconds + seconds;
            m_clock = Clock{total / 60, total % 60}.text();
        }
        modelClear();
    }

    void modelTick()
    {
        Clock now = Clock::parse(m_clock);
        if (now.seconds != 0) {
            --now.seconds;
        } else if (now.minutes != 0) {
            now.seconds = 59;
            --now.minutes;
        } else {
            modelGameEnd();
        }
        m_clock = now.text();
    }

    void readScoreFile()
    {
        if (m_scoreFile == ScoreFile::Absent)
            m_scoreFile = ScoreFile::Empty;
    }

    void modelGameEnd()
    {
        if (!m_panel)
            ++games;
        m_timer = false;
        readScoreFile();
        for (int place = 0; place < 10; ++place) {
            if (m_total <= m_table.at(place).score)
                continue;
            const Answer *name = expectBox(Kind::AskText, QStringLiteral("High Score"), NamePrompt, QStringLiteral("Name"));
            if (!name)
                break;
            for (int k = 9; k > place; --k) {
                m_table.at(k) = m_table.at(k - 1);
                m_table.at(k).rank = qint16(k + 1);
            }
            m_table.at(place) = {qint16(place + 1), qint16(std::min<qint64>(m_total, 32767)), nameBytes(name->text)};
            m_scoreFile = ScoreFile::Table;
            ++highScores;
            break;
        }
        const QSet<QString> known = m_dictionaryWords;
        for (const QString &word : std::as_const(m_words)) {
            if (known.contains(word))
                continue;
            const Answer *a = expectBox(Kind::Confirm, QStringLiteral("Add Word"),
                                        QStringLiteral("Would you like to add the word '") + word
                                            + QStringLiteral("' to your dictionary?"));
            if (a && a->yes) {
                m_dictionary += word.toLatin1() + "\r\n";
                m_dictionaryWords.insert(word);
            }
        }
        modelClearGame();
        modelDeal();
    }

    void modelClearGame()
    {
        modelClear();
        m_panel = true;
        m_words.clear();
        m_total = 0;
    }

    void modelDeal()
    {
        m_buttons = m_timer = false;
        m_panel = true;
        m_words.clear();
        m_clock = m_limit;
    }

    // --- the invariants ---

    void check()
    {
        const MemoryView &view = m_game->view;
        for (int i = 0; i < 400; ++i) {
            const MemoryView::Tile &tile = view.tiles.at(i);
            if (!tile.created || !tile.visible || tile.caption.size() != 1 || tile.caption.at(0) < QLatin1Char('A')
                || tile.caption.at(0) > QLatin1Char('Z'))
                return fail(QStringLiteral("tile %1 holds \"%2\"").arg(i).arg(tile.caption));
            if (tile.marked != m_order.contains(i))
                return fail(QStringLiteral("tile %1 is %2 marked").arg(i).arg(tile.marked ? "wrongly" : "not"));
        }
        QString picked;
        for (const int tile : std::as_const(m_order))
            picked += view.tileCaption(tile);
        if (picked != m_word || view.caption(ValueLabel::Word) != m_word)
            return fail(QStringLiteral("the current word is \"%1\", the tiles picked spell \"%2\", expected \"%3\"")
                            .arg(view.caption(ValueLabel::Word), picked, m_word));
        int score = 0;
        int seconds = 0;
        for (const QChar c : std::as_const(m_word)) {
            score += points(c);
            seconds += bonus(c);
        }
        if (view.caption(ValueLabel::ThisScore) != QString::number(score)
            || view.caption(ValueLabel::AddTime) != QString::number(seconds))
            return fail(QStringLiteral("the word scores %1 + %2 s, shown %3 + %4 s")
                            .arg(score)
                            .arg(seconds)
                            .arg(view.caption(ValueLabel::ThisScore), view.caption(ValueLabel::AddTime)));
        if (QSet<QString>(view.words.cbegin(), view.words.cend()).size() != view.words.size())
            return fail(QStringLiteral("a word stands twice in the list: ") + view.words.join(QLatin1Char(',')));
        if (view.words != m_words)
            return fail(QStringLiteral("the list is %1, expected %2").arg(view.words.join(QLatin1Char(',')), m_words.join(QLatin1Char(','))));
        if (view.caption(ValueLabel::Score) != QString::number(m_total))
            return fail(QStringLiteral("the score is %1, expected %2").arg(view.caption(ValueLabel::Score)).arg(m_total));
        static const QRegularExpression Readable(QStringLiteral("^[0-9]{2,}:[0-9]{2,}$"));
        const QString clock = view.caption(ValueLabel::Time);
        if (!Readable.match(clock).hasMatch() || clock != m_clock)
            return fail(QStringLiteral("the clock shows \"%1\", expected \"%2\"").arg(clock, m_clock));
        if (view.timer != m_timer || view.startPanel != m_panel || view.buttonEnabled(WordButton::Enter) != m_buttons
            || view.buttonEnabled(WordButton::Clear) != m_buttons || view.buttonEnabled(WordButton::Shuffle) != m_buttons)
            return fail(QStringLiteral("timer %1, start panel %2, word buttons %3; expected %4, %5, %6")
                            .arg(view.timer)
                            .arg(view.startPanel)
                            .arg(view.buttonEnabled(WordButton::Enter))
                            .arg(m_timer)
                            .arg(m_panel)
                            .arg(m_buttons));
        const std::array<MenuCheck, 4> items = {MenuCheck::Time30, MenuCheck::Time1, MenuCheck::Time130, MenuCheck::Time2};
        for (int i = 0; i < 4; ++i) {
            if (view.isChecked(items.at(i)) != m_checks.at(i))
                return fail(QStringLiteral("time limit item %1 has the wrong check mark").arg(i));
        }
        if (!view.isChecked(MenuCheck::AllowAddWords))
            return fail(QStringLiteral("\"Allow Add Words\" lost its check mark"));
        if (m_game->game.state().LastTile != m_last)
            return fail(QStringLiteral("LastTile is %1, expected %2").arg(m_game->game.state().LastTile).arg(m_last));
        checkScoreFile();
        checkDictionary();
    }

    void checkScoreFile()
    {
        QFile file(m_game->highScorePath());
        if (m_scoreFile == ScoreFile::Absent) {
            if (file.exists())
                fail(QStringLiteral("a high-score file appeared unread"));
            return;
        }
        if (!file.open(QIODevice::ReadOnly))
            return fail(QStringLiteral("the high-score file is gone"));
        const QByteArray bytes = file.readAll();
        if (m_scoreFile == ScoreFile::Empty) {
            if (!bytes.isEmpty())
                fail(QStringLiteral("the high-score file holds %1 bytes, expected none").arg(bytes.size()));
            return;
        }
        if (bytes.size() != 240)
            return fail(QStringLiteral("the high-score file holds %1 bytes").arg(bytes.size()));
        for (int n = 0; n < 10; ++n) {
            const char *record = bytes.constData() + 24 * n;
            const qint16 rank = qint16(uchar(record[0]) | uchar(record[1]) << 8);
            const qint16 score = qint16(uchar(record[2]) | uchar(record[3]) << 8);
            const qint16 above = n == 0 ? 32767 : qint16(uchar(record[-22]) | uchar(record[-21]) << 8);
            if (rank != n + 1 || score > above)
                return fail(QStringLiteral("high-score record %1 has rank %2 and score %3 below %4").arg(n + 1).arg(rank).arg(score).arg(above));
            const Record &expected = m_table.at(n);
            if (score != expected.score || QByteArray(record + 4, 20) != expected.name)
                return fail(QStringLiteral("high-score record %1 holds %2 \"%3\", expected %4 \"%5\"")
                                .arg(n + 1)
                                .arg(score)
                                .arg(QString::fromLatin1(QByteArray(record + 4, 20).toHex()))
                                .arg(expected.score)
                                .arg(QString::fromLatin1(expected.name.toHex())));
        }
    }

    void checkDictionary()
    {
        const QFileInfo info(m_game->dictionaryPath());
        if (info.exists() ? info.size() != m_dictionary.size() : !m_dictionary.isEmpty())
            return fail(QStringLiteral("the dictionary holds %1 bytes, expected %2").arg(info.size()).arg(m_dictionary.size()));
        // The whole text only when it may have changed: it grows with every game.
        if (!m_panel || m_checkedDictionary == m_dictionary.size())
            return;
        QFile file(m_game->dictionaryPath());
        if (file.open(QIODevice::ReadOnly) && file.readAll() != m_dictionary)
            return fail(QStringLiteral("the dictionary is not the words confirmed, in order"));
        m_checkedDictionary = m_dictionary.size();
    }

    std::mt19937_64 m_rng;
    std::unique_ptr<TestGame> m_game;
    QList<Answer> m_answers;
    qsizetype m_seen = 0;
    int m_gameSteps = 0;

    QList<int> m_order;
    QString m_word;
    int m_last = 0;
    QStringList m_words;
    qint64 m_total = 0;
    QString m_limit;
    QString m_clock;
    bool m_timer = false;
    bool m_panel = true;
    bool m_buttons = false;
    std::array<bool, 4> m_checks{};
    ScoreFile m_scoreFile = ScoreFile::Absent;
    std::array<Record, 10> m_table{};
    QByteArray m_dictionary;
    QSet<QString> m_dictionaryWords;
    qsizetype m_checkedDictionary = 0;
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
    bool fromEnvironment = false;
    const quint64 seed = qEnvironmentVariable("ZENTILE_SOAK_SEED").toULongLong(&fromEnvironment);
    const quint64 used = fromEnvironment ? seed : quint64(QDateTime::currentMSecsSinceEpoch());
    qInfo("soak seed %llu (repeat with ZENTILE_SOAK_SEED=%llu)", used, used);

    Soak soak(used);
    int folderGames = GamesPerFolder;
    while (soak.games < GamesToPlay) {
        if (folderGames >= GamesPerFolder) {
            soak.newFolder();
            folderGames = 0;
        }
        const int before = soak.games;
        soak.step();
        folderGames += soak.games - before;
        QVERIFY2(soak.problem.isEmpty(), qPrintable(QStringLiteral("ZENTILE_SOAK_SEED=%1, game %2, step %3, after %4: %5")
                                                        .arg(used)
                                                        .arg(soak.games + 1)
                                                        .arg(soak.steps)
                                                        .arg(soak.action, soak.problem)));
    }
    qInfo("%d games played to their end, %d abandoned, %d steps, %d words accepted, %d high scores entered", soak.games,
          soak.abandoned, soak.steps, soak.acceptedWords, soak.highScores);
    QVERIFY(soak.acceptedWords > soak.games / 2);
    QVERIFY(soak.highScores > 0);
}

QTEST_GUILESS_MAIN(tst_Soak)
#include "tst_soak.moc"
