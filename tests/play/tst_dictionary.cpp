// SPDX-FileCopyrightText: 2026 Zentile developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "play/Dictionary.h"
#include "play/LineScanner.h"
#include "support/FileBytes.h"
#include "support/ScriptedDialogs.h"

#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

namespace {

// The size of the blocks the file is read in.
constexpr qsizetype Block = 256 * 1024;

// Lines of filler that end exactly `size` bytes into the file.
QByteArray fillerOf(qsizetype size)
{
    const qsizetype first = (size - 2) % 8 + 8;
    QByteArray bytes = QByteArray(first, 'Y') + "\r\n";
    while (bytes.size() < size)
        bytes += "FILLER\r\n";
    return bytes;
}

} // namespace

class TestDictionary : public QObject
{
    Q_OBJECT

private slots:
    void noFile();
    void lookup_data();
    void lookup();
    void findAllMatchesEachLookup();
    void acrossBlockBoundary_data();
    void acrossBlockBoundary();
    void scanEdges_data();
    void scanEdges();
    void append_data();
    void append();
    void lookupSeesAppendedWords();
    void failedAppendIsShown();
};

void TestDictionary::noFile()
{
    QTemporaryDir dir;
    ScriptedDialogs dialogs;
    Dictionary dictionary(dir.path(), dialogs);
    QCOMPARE(dictionary.path(), dir.filePath(QStringLiteral("Dictionary.kvz")));
    QVERIFY(!QFile::exists(dictionary.path()));
    QVERIFY(!dictionary.WordAllowed(QStringLiteral("WORD")));
    QVERIFY(dictionary.findAll({QStringLiteral("WORD")}).isEmpty());

    QVERIFY(dictionary.AddToDictionary(QStringLiteral("WORD")));
    QCOMPARE(FileBytes::read(dictionary.path()), QByteArrayLiteral("WORD\r\n"));
    QVERIFY(dictionary.WordAllowed(QStringLiteral("WORD")));

    // A path that is there but cannot be read as a file is no match, silently.
    QTemporaryDir other;
    QVERIFY(QDir(other.path()).mkdir(QStringLiteral("Dictionary.kvz")));
    Dictionary unreadable(other.path(), dialogs);
    QVERIFY(!unreadable.WordAllowed(QStringLiteral("WORD")));
    QVERIFY(dialogs.shown.isEmpty());
}

void TestDictionary::lookup_data()
{
    QTest::addColumn<QByteArray>("content");
    QTest::addColumn<QString>("word");
    QTest::addColumn<bool>("found");

    QTest::newRow("CR LF") << QByteArray("DOG\r\nCAT\r\nEMU\r\n") << "CAT" << true;
    QTest::newRow("LF") << QByteArray("DOG\nCAT\nEMU\n") << "CAT" << true;
    QTest::newRow("CR") << QByteArray("DOG\rCAT\rEMU\r") << "CAT" << true;
    QTest::newRow("mixed line ends") << QByteArray("DOG\rCAT\nEMU\r\nGNU") << "EMU" << true;
    QTest::newRow("first line") << QByteArray("DOG\r\nCAT\r\n") << "DOG" << true;
    QTest::newRow("last line unterminated") << QByteArray("DOG\r\nCAT") << "CAT" << true;
    QTest::newRow("only line unterminated") << QByteArray("CAT") << "CAT" << true;
    QTest::newRow("absent") << QByteArray("DOG\r\nEMU\r\n") << "CAT" << false;
    QTest::newRow("empty file") << QByteArray() << "CAT" << false;
    QTest::newRow("empty lines") << QByteArray("\r\n\r\n\n\r\r\n") << "CAT" << false;
    QTest::newRow("empty word, empty lines") << QByteArray("\r\n\r\n") << "" << false;
    QTest::newRow("lower case") << QByteArray("cat\r\n") << "CAT" << false;
    QTest::newRow("mixed case") << QByteArray("Cat\r\n") << "CAT" << false;
    QTest::newRow("trailing blank") << QByteArray("CAT \r\n") << "CAT" << false;
    QTest::newRow("trailing blank, last line") << QByteArray("CAT ") << "CAT" << false;
    QTest::newRow("leading blank") << QByteArray(" CAT\r\n") << "CAT" << false;
    QTest::newRow("trailing tab") << QByteArray("CAT\t\r\n") << "CAT" << false;
    QTest::newRow("longer line") << QByteArray("CATS\r\n") << "CAT" << false;
    QTest::newRow("shorter line") << QByteArray("CAT\r\n") << "CATS" << false;
    QTest::newRow("two words on a line") << QByteArray("DOG CAT\r\n") << "CAT" << false;
    QTest::newRow("after a long line") << QByteArray(1000, 'C') + "\r\nCAT\r\n" << "CAT" << true;
    QTest::newRow("long line starting with the word") << "CAT" + QByteArray(300000, 'S') + "\r\n" << "CAT" << false;
    QTest::newRow("long line ending with the word") << QByteArray(300000, 'S') + "CAT\r\n" << "CAT" << false;
    QTest::newRow("long last line starting with the word") << "DOG\r\nCAT" + QByteArray(300000, 'S') << "CAT" << false;
    QTest::newRow("after a long unbroken line") << QByteArray(600000, 'Q') + "\nCAT" << "CAT" << true;
}

void TestDictionary::lookup()
{
    QFETCH(QByteArray, content);
    QFETCH(QString, word);
    QFETCH(bool, found);

    QTemporaryDir dir;
    ScriptedDialogs dialogs;
    Dictionary dictionary(dir.path(), dialogs);
    QVERIFY(FileBytes::write(dictionary.path(), content));
    QCOMPARE(dictionary.WordAllowed(word), found);
    QCOMPARE(dictionary.findAll({word}).contains(word), found);
    QVERIFY(dialogs.shown.isEmpty());
    // Looking up does not touch the file.
    QCOMPARE(FileBytes::read(dictionary.path()), content);
}

void TestDictionary::findAllMatchesEachLookup()
{
    QTemporaryDir dir;
    ScriptedDialogs dialogs;
    Dictionary dictionary(dir.path(), dialogs);
    QVERIFY(FileBytes::write(dictionary.path(), "ZEBRA\r\n" + QByteArray(5000, 'K') + "\nQUIZ\rjinx\r\n\r\nAXE\r\nOXEN "));
    const QStringList words = {"QUIZ", "JINX", "AXE", "ZEBRA", "QUIZ", "OXEN", "", "AX", "AXES", "KKK"};
    QSet<QString> oneByOne;
    for (const QString &word : words) {
        if (dictionary.WordAllowed(word))
            oneByOne << word;
    }
    QCOMPARE(oneByOne, (QSet<QString>{"QUIZ", "AXE", "ZEBRA"}));
    QCOMPARE(dictionary.findAll(words), oneByOne);
    QVERIFY(dictionary.findAll({}).isEmpty());
}

void TestDictionary::acrossBlockBoundary_data()
{
    QTest::addColumn<qsizetype>("start");

    QTest::newRow("word cut in two") << Block - 2;
    QTest::newRow("cut after the first letter") << Block - 1;
    QTest::newRow("cut between CR and LF") << Block - 5;
    QTest::newRow("cut before CR") << Block - 4;
    QTest::newRow("word opens the second block") << Block;
    QTest::newRow("second boundary") << 2 * Block - 3;
}

void TestDictionary::acrossBlockBoundary()
{
    QFETCH(qsizetype, start);

    QTemporaryDir dir;
    ScriptedDialogs dialogs;
    Dictionary dictionary(dir.path(), dialogs);
    const QByteArray content = fillerOf(start) + "SPAN\r\nNEXT\r\n";
    QCOMPARE(content.indexOf("SPAN"), start);
    QVERIFY(FileBytes::write(dictionary.path(), content));

    QVERIFY(dictionary.WordAllowed(QStringLiteral("SPAN")));
    QVERIFY(dictionary.WordAllowed(QStringLiteral("NEXT")));
    QVERIFY(dictionary.WordAllowed(QStringLiteral("FILLER")));
    const QStringList pieces = {"SP", "AN", "S", "PAN", "SPA", "N", "SPANNEXT", "NEXTS"};
    for (const QString &piece : pieces)
        QVERIFY2(!dictionary.WordAllowed(piece), qPrintable(piece));
    QCOMPARE(dictionary.findAll(pieces + QStringList{"SPAN", "NEXT"}), (QSet<QString>{"SPAN", "NEXT"}));
}

void TestDictionary::scanEdges_data()
{
    QTest::addColumn<QByteArray>("content");
    QTest::addColumn<qsizetype>("maxLength");
    QTest::addColumn<QByteArrayList>("lines");

    const QByteArray bom = "\xEF\xBB\xBF";
    QTest::newRow("last line without an end") << QByteArray("DOG\r\nCAT") << qsizetype(3) << QByteArrayList{"DOG", "CAT"};
    QTest::newRow("CR LF") << QByteArray("AB\r\nCD\r\nEF\r\n") << qsizetype(2) << QByteArrayList{"AB", "CD", "EF"};
    QTest::newRow("every line end") << QByteArray("DOG\rCAT\nEMU\r\nGNU\r") << qsizetype(3)
                                    << QByteArrayList{"DOG", "CAT", "EMU", "GNU"};
    QTest::newRow("empty lines") << QByteArray("\r\n\r\n\n\r\rA\r\n\n\r") << qsizetype(1) << QByteArrayList{"A"};
    QTest::newRow("word a prefix of a line") << QByteArray("CATS\r\nCAT\r\nCATCAT") << qsizetype(3) << QByteArrayList{"CAT"};
    QTest::newRow("line a prefix of a word") << QByteArray("CA\r\nCAT\r\nC") << qsizetype(3) << QByteArrayList{"CA", "CAT", "C"};
    QTest::newRow("lone CR inside long lines") << QByteArray("XXXXXXXX\rCAT\r\nYYYYYYYY\rDOG\rZZZZZZZZ\nEMU") << qsizetype(3)
                                               << QByteArrayList{"CAT", "DOG", "EMU"};
    QTest::newRow("byte-order mark") << bom + "CAT\r\nDOG" << qsizetype(3) << QByteArrayList{"CAT", "DOG"};
    QTest::newRow("byte-order mark alone") << bom << qsizetype(3) << QByteArrayList{};
    QTest::newRow("byte-order mark later") << "CAT\r\n" + bom + "DOG" << qsizetype(6) << QByteArrayList{"CAT", bom + "DOG"};
    // Lines of 1 to 24 letters put each kind of line end at every place in a stretch of 64 bytes.
    for (const QByteArray &ending : {QByteArray("\r\n"), QByteArray("\r"), QByteArray("\n")}) {
        QByteArray content;
        QByteArrayList lines;
        for (int length = 1; length <= 24; ++length) {
            lines << QByteArray(length, char('A' + length));
            content += lines.last() + ending;
        }
        QTest::addRow("lines ended by %s", ending == "\r\n" ? "CR LF" : ending == "\r" ? "CR" : "LF")
            << content << qsizetype(24) << lines;
    }
    QTest::newRow("half a byte-order mark") << QByteArray("\xEF\xBB" "CAT") << qsizetype(5) << QByteArrayList{"\xEF\xBB" "CAT"};
}

void TestDictionary::scanEdges()
{
    QFETCH(QByteArray, content);
    QFETCH(qsizetype, maxLength);
    QFETCH(QByteArrayList, lines);

    // Blocks of a few bytes put every line end, and the CR and LF of each, on a block's edge.
    for (const qint64 blockSize : {1, 2, 3, 4, 5, 7, 11, 65, 97, 4096}) {
        QBuffer device(&content);
        QVERIFY(device.open(QIODevice::ReadOnly));
        QByteArrayList seen;
        QVERIFY(scanLines(device, maxLength, [&](QByteArrayView line) {
            // Longer lines may be handed over as well; they never match.
            if (line.size() <= maxLength)
                seen << line.toByteArray();
            return !line.contains('\r') && !line.contains('\n') && !line.isEmpty();
        }, blockSize));
        QVERIFY2(seen == lines, qPrintable(QStringLiteral("block of %1: %2").arg(blockSize).arg(QString::fromLatin1(seen.join('|')))));
    }
}

void TestDictionary::append_data()
{
    QTest::addColumn<bool>("exists");
    QTest::addColumn<QByteArray>("before");
    QTest::addColumn<QByteArray>("after");

    QTest::newRow("no file") << false << QByteArray() << QByteArray("NEW\r\n");
    QTest::newRow("empty file") << true << QByteArray() << QByteArray("NEW\r\n");
    QTest::newRow("ends in CR LF") << true << QByteArray("OLD\r\n") << QByteArray("OLD\r\nNEW\r\n");
    QTest::newRow("ends in LF") << true << QByteArray("OLD\n") << QByteArray("OLD\nNEW\r\n");
    QTest::newRow("ends in CR") << true << QByteArray("OLD\r") << QByteArray("OLD\rNEW\r\n");
    QTest::newRow("last line unterminated") << true << QByteArray("OLD") << QByteArray("OLD\r\nNEW\r\n");
    QTest::newRow("two lines, last unterminated") << true << QByteArray("ONE\r\nOLD") << QByteArray("ONE\r\nOLD\r\nNEW\r\n");
}

void TestDictionary::append()
{
    QFETCH(bool, exists);
    QFETCH(QByteArray, before);
    QFETCH(QByteArray, after);

    QTemporaryDir dir;
    ScriptedDialogs dialogs;
    Dictionary dictionary(dir.path(), dialogs);
    if (exists)
        QVERIFY(FileBytes::write(dictionary.path(), before));
    QVERIFY(dictionary.AddToDictionary(QStringLiteral("NEW")));
    QCOMPARE(FileBytes::read(dictionary.path()), after);
    QVERIFY(dialogs.shown.isEmpty());
    QVERIFY(dictionary.WordAllowed(QStringLiteral("NEW")));
    if (before.contains("OLD"))
        QVERIFY(dictionary.WordAllowed(QStringLiteral("OLD")));

    // A second append adds just its own line.
    QVERIFY(dictionary.AddToDictionary(QStringLiteral("TWO")));
    QCOMPARE(FileBytes::read(dictionary.path()), after + "TWO\r\n");
}

void TestDictionary::lookupSeesAppendedWords()
{
    QTemporaryDir dir;
    ScriptedDialogs dialogs;
    Dictionary dictionary(dir.path(), dialogs);
    QVERIFY(FileBytes::write(dictionary.path(), "ONE\r\nTWO"));
    const QStringList words = {"ONE", "TWO", "THREE", "FOUR"};
    QCOMPARE(dictionary.findAll(words), (QSet<QString>{"ONE", "TWO"}));
    QVERIFY(!dictionary.WordAllowed(QStringLiteral("THREE")));

    QVERIFY(dictionary.AddToDictionary(QStringLiteral("THREE")));
    QVERIFY(dictionary.WordAllowed(QStringLiteral("THREE")));
    QVERIFY(dictionary.WordAllowed(QStringLiteral("TWO")));
    QCOMPARE(dictionary.findAll(words), (QSet<QString>{"ONE", "TWO", "THREE"}));

    // A second reader of the same file sees it too: nothing is kept in memory.
    Dictionary again(dir.path(), dialogs);
    QVERIFY(dictionary.AddToDictionary(QStringLiteral("FOUR")));
    QCOMPARE(again.findAll(words), (QSet<QString>{"ONE", "TWO", "THREE", "FOUR"}));
}

void TestDictionary::failedAppendIsShown()
{
    // A folder below a regular file cannot exist, whoever runs the test.
    QTemporaryDir dir;
    QVERIFY(FileBytes::write(dir.filePath(QStringLiteral("plain")), "x"));
    const QString dataDir = dir.filePath(QStringLiteral("plain/data"));
    ScriptedDialogs dialogs;
    Dictionary dictionary(dataDir, dialogs);

#ifdef Q_OS_WIN
    // Windows gives no reason of its own for a file below a file.
    const QString reason = QStringLiteral("Not a directory");
#else
    QFile probe(dictionary.path());
    QVERIFY(!probe.open(QIODevice::WriteOnly | QIODevice::Append));
    const QString reason = probe.errorString();
    QVERIFY(!reason.isEmpty());
#endif

    QVERIFY(!dictionary.AddToDictionary(QStringLiteral("LOST")));
    QCOMPARE(dialogs.shown.size(), 1);
    QCOMPARE(dialogs.shown[0].kind, ScriptedDialogs::Kind::Inform);
    // The box names the word and the file, and keeps the system's reason.
    QCOMPARE(dialogs.shown[0].text, QStringLiteral("The word LOST could not be added to your dictionary in %1: %2.")
                                        .arg(QDir::toNativeSeparators(dictionary.path()), reason));
    QCOMPARE(dialogs.shown[0].title, QStringLiteral("Zentile"));

    // The next word fails the same way, once, and the lookup stays silent.
    QVERIFY(!dictionary.AddToDictionary(QStringLiteral("NEXT")));
    QCOMPARE(dialogs.shown.size(), 2);
    QVERIFY(dialogs.shown[1].text.contains(reason));
    QVERIFY(!dictionary.WordAllowed(QStringLiteral("LOST")));
    QCOMPARE(dialogs.shown.size(), 2);
    QVERIFY(!QFile::exists(dictionary.path()));
}

QTEST_GUILESS_MAIN(TestDictionary)
#include "tst_dictionary.moc"
