// Word lists in and out: the two formats, the two encodings, the escapes, the names cards get,
// every refusal with its line, and lists that read back to the cards they were written from.
#include "deck/deckfile.h"
#include "deck/wordlist.h"
#include "support/cardtext.h"
#include "support/deckbytes.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

using namespace memoquill;
using namespace memoquill::test;
using namespace Qt::StringLiterals;

using Cards = QList<CardRecord>;

namespace {

QStringList texts(const Cards &cards)
{
    QStringList texts;
    for (const CardRecord &card : cards)
        texts << card.front << card.back;
    return texts;
}

} // namespace

class TestWordList : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void readsCards_data()
    {
        const auto tabs = ListFormat::Tabs;
        const auto csv = ListFormat::Csv;
        QTest::addColumn<ListFormat>("format");
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<Cards>("cards");

        QTest::newRow("two fields, named by the front")
            << tabs << "Apple\tred\nPear\tgreen\n"_ba
            << Cards{{u"Apple"_s, u"Apple"_s, u"red"_s}, {u"Pear"_s, u"Pear"_s, u"green"_s}};
        QTest::newRow("quotes and commas are text in tab lists")
            << tabs << "\"a\",b\t\"c\n"_ba << Cards{{u"\"a\",b"_s, u"\"a\",b"_s, u"\"c"_s}};
        QTest::newRow("three fields, and two mixed")
            << tabs << "fruit\tApple\tred\nPear\tgreen\n"_ba
            << Cards{{u"fruit"_s, u"Apple"_s, u"red"_s}, {u"Pear"_s, u"Pear"_s, u"green"_s}};
        QTest::newRow("CR LF, empty lines, no last line end")
            << tabs << "\r\n\nA\tb\r\n\r\n\nC\td"_ba
            << Cards{{u"A"_s, u"A"_s, u"b"_s}, {u"C"_s, u"C"_s, u"d"_s}};

        QTest::newRow("name: the front's first line, trimmed")
            << tabs << "  big apple <br>round\tred"_ba
            << Cards{{u"big apple"_s, u"  big apple \r\nround"_s, u"red"_s}};
        QTest::newRow("a front that starts with the terminator names no card")
            << tabs << DeckTerminator + "\tb\n"_ba
            << Cards{{u"Card 1"_s, QString(DeckTerminatorText), u"b"_s}};
        QTest::newRow("a name is not a pattern")
            << tabs << "%1 %2\ta\n%1 %2\tb\n"_ba
            << Cards{{u"%1 %2"_s, u"%1 %2"_s, u"a"_s}, {u"%1 %2 (2)"_s, u"%1 %2"_s, u"b"_s}};
        QTest::newRow("taken names numbered from 2, first free")
            << tabs << "X (2)\tx\ty\nX\t1\nX\t2\nX\t3\n"_ba
            << Cards{{u"X (2)"_s, u"x"_s, u"y"_s},
                     {u"X"_s, u"X"_s, u"1"_s},
                     {u"X (3)"_s, u"X"_s, u"2"_s},
                     {u"X (4)"_s, u"X"_s, u"3"_s}};
        QTest::newRow("no name: Card 1, Card 2, first free")
            << tabs << "Card 1\tx\ty\n\ta\n<br>\tb\n \t<br>c\n"_ba
            << Cards{{u"Card 1"_s, u"x"_s, u"y"_s},
                     {u"Card 2"_s, {}, u"a"_s},
                     {u"Card 3"_s, {}, u"b"_s},
                     {u"Card 4"_s, u" "_s, u"\r\nc"_s}};

        QTest::newRow("UTF-8, its byte-order mark skipped, a second one kept")
            << tabs << "\xEF\xBB\xBF\xEF\xBB\xBFx\tcaf\xC3\xA9 \xF0\x9F\x98\x80"_ba
            << Cards{{u"\uFEFFx"_s, u"\uFEFFx"_s, u"café 😀"_s}};
        QTest::newRow("not UTF-8: Windows-1252") << tabs << "caf\xE9\t\x80\x81\x9F\xFF"_ba
                                                 << Cards{{u"café"_s, u"café"_s, u"€\u0081Ÿÿ"_s}};
        QTest::newRow("UTF-8 cut off at the end: Windows-1252")
            << tabs << "\xEF\xBB\xBF\xC3\xA9\ta\xC3"_ba << Cards{{u"ï»¿Ã©"_s, u"ï»¿Ã©"_s, u"aÃ"_s}};

        QTest::newRow("CSV, quoted commas, quotes and line breaks")
            << csv << "\"a,b\",\"say \"\"hi\"\"\",\"one\r\ntwo\nthree\"\r\nc,d\r\n"_ba
            << Cards{{u"a,b"_s, u"say \"hi\""_s, u"one\r\ntwo\r\nthree"_s},
                     {u"c"_s, u"c"_s, u"d"_s}};
        QTest::newRow("CSV, empty lines and fields")
            << csv << "\n\r\n,x\n\"\",\"\"\n"_ba
            << Cards{{u"Card 1"_s, {}, u"x"_s}, {u"Card 2"_s, {}, {}}};
        QTest::newRow("CSV, stray quotes are text")
            << csv << "a\"b,\"c\"d,e\r"_ba << Cards{{u"a\"b"_s, u"cd"_s, u"e"_s}};
        QTest::newRow("CSV, tabs are text")
            << csv << "a\tb,c\n"_ba << Cards{{u"a\tb"_s, u"a\tb"_s, u"c"_s}};
        QTest::newRow("no records") << csv << "\r\n\n"_ba << Cards{};
    }

    void readsCards()
    {
        QFETCH(ListFormat, format);
        QFETCH(QByteArray, bytes);
        QFETCH(Cards, cards);
        const ListReadResult read = readList(bytes, format);
        QCOMPARE(read.failure, QString());
        QCOMPARE(read.cards, cards);
    }

    // One field, as the back of a card named n.
    void decodesEscapes_data()
    {
        QTest::addColumn<QByteArray>("field");
        QTest::addColumn<QString>("text");
        QTest::newRow("line break tags, any case")
            << "a<br>b<BR/>c<Br />d"_ba << u"a\r\nb\r\nc\r\nd"_s;
        QTest::newRow("exactly <br>: empty") << "<br>"_ba << QString();
        QTest::newRow("two <br>") << "<br><br>"_ba << u"\r\n\r\n"_s;
        QTest::newRow("<BR> alone: a line break") << "<BR>"_ba << u"\r\n"_s;
        QTest::newRow("named references") << "&amp;&lt;&gt;&quot;&nbsp;"_ba << u"&<>\"\u00A0"_s;
        QTest::newRow("decoded once") << "&amp;lt;&amp;#9;"_ba << u"&lt;&#9;"_s;
        QTest::newRow("numeric references")
            << "&#9;&#x263A;&#X263a;&#128512;&#065;"_ba << u"\t☺☺😀A"_s;
        QTest::newRow("line breaks by reference")
            << "a&#13;b&#10;c&#13;&#10;d"_ba << u"a\r\nb\r\nc\r\nd"_s;
        QTest::newRow("no character: kept as written")
            << "&#0;&#xD800;&#x110000;&#99999999999;&#65&#;&#x;&#xG;"_ba
            << u"&#0;&#xD800;&#x110000;&#99999999999;&#65&#;&#x;&#xG;"_s;
        QTest::newRow("other text and tags kept")
            << "<b>bold</b> &copy; &AMP; <br"_ba << u"<b>bold</b> &copy; &AMP; <br"_s;
        QTest::newRow("the terminator is text")
            << QByteArray(DeckTerminator) << QString(DeckTerminatorText);
    }

    void decodesEscapes()
    {
        QFETCH(QByteArray, field);
        QFETCH(QString, text);
        for (const ListFormat format : {ListFormat::Tabs, ListFormat::Csv}) {
            const QByteArray separator = format == ListFormat::Csv ? ","_ba : "\t"_ba;
            const ListReadResult read = readList("n" + separator + "f" + separator + field, format);
            QCOMPARE(read.failure, QString());
            QCOMPARE(read.cards, (Cards{{u"n"_s, u"f"_s, text}}));
        }
    }

    void refusesWholeList_data()
    {
        QTest::addColumn<ListFormat>("format");
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<qsizetype>("line");
        QTest::addColumn<QString>("failure");
        const auto tabs = ListFormat::Tabs;
        const auto csv = ListFormat::Csv;
        const QString tabCount = u"expected 2 or 3 fields separated by tabs, found %1"_s;
        const QString commaCount = u"expected 2 or 3 fields separated by commas, found %1"_s;

        QTest::newRow("one field") << tabs << "a\tb\n\nc\td\r\n\n\ne\tf\nlonely\ng\th\n"_ba
                                   << qsizetype(7) << tabCount.arg(1);
        QTest::newRow("four fields") << tabs << "a\tb\tc\td"_ba << qsizetype(1) << tabCount.arg(4);
        QTest::newRow("blanks are no empty line")
            << tabs << "a\tb\n  \n"_ba << qsizetype(2) << tabCount.arg(1);
        QTest::newRow("CSV, lines counted inside quotes")
            << csv << "\"a\nb\",c\n\nd,e,f,g\n"_ba << qsizetype(4) << commaCount.arg(4);
        QTest::newRow("CSV, one empty quoted field")
            << csv << "\"\"\n"_ba << qsizetype(1) << commaCount.arg(1);
        QTest::newRow("CSV, quote never closed") << csv << "a,b\nc,\"d\n\ne,f\n"_ba << qsizetype(2)
                                                 << u"a quoted field is not closed by a quote"_s;
        QTest::newRow("a name holding the terminator")
            << tabs << "a\tb\nx"_ba + DeckTerminator + "\tf\tb\n"
            << qsizetype(2)
            << u"the name contains )}]d8h0-0h8b)}], which a deck file cannot hold"_s;
        QTest::newRow("one card more than a deck holds")
            << csv << "\n"_ba + "a,b\n"_ba.repeated(DeckStore::MaxCards + 1) << qsizetype(32769)
            << u"more cards than a deck holds (32767)"_s;
    }

    void refusesWholeList()
    {
        QFETCH(ListFormat, format);
        QFETCH(QByteArray, bytes);
        QFETCH(qsizetype, line);
        QFETCH(QString, failure);
        const ListReadResult read = readList(bytes, format);
        QCOMPARE(read.failure, failure);
        QCOMPARE(read.line, line);
        QVERIFY(read.cards.isEmpty());
    }

    void fullDeckIsTaken()
    {
        const ListReadResult read = readList("a\tb\n"_ba.repeated(DeckStore::MaxCards), {});
        QCOMPARE(read.cards.size(), DeckStore::MaxCards);
        QCOMPARE(read.cards.last().name, u"a (32767)"_s);
    }

    void writesLists_data()
    {
        QTest::addColumn<ListFormat>("format");
        QTest::addColumn<Cards>("slots");
        QTest::addColumn<QByteArray>("bytes");
        const Cards mixed{{u"A"_s, u"one\r\ntwo"_s, u"a\rb\nc"_s},
                          {},
                          {u"B"_s, {}, u"\r\n"_s},
                          {u"C"_s, u"x\ty & <b> > \"q\", r"_s, u"café ☺"_s}};
        QTest::newRow("tabs") << ListFormat::Tabs << mixed
                              << "one<br>two\ta<br>b<br>c\n<br>\t<br>\n"
                                 "x y &amp; &lt;b> > \"q\", r\tcaf\xC3\xA9 \xE2\x98\xBA\n"_ba;
        QTest::newRow("CSV")
            << ListFormat::Csv << mixed
            << "one<br>two,a<br>b<br>c\r\n<br>,<br>\r\n"
               "\"x y &amp; &lt;b> > \"\"q\"\", r\",caf\xC3\xA9 \xE2\x98\xBA\r\n"_ba;
        QTest::newRow("U+FEFF starting the list")
            << ListFormat::Tabs << Cards{{u"A"_s, u"\uFEFFa"_s, u"\uFEFF"_s}}
            << "&#xFEFF;a\t\xEF\xBB\xBF\n"_ba;
        QTest::newRow("no cards") << ListFormat::Csv << Cards{{}} << QByteArray();
    }

    void writesLists()
    {
        QFETCH(ListFormat, format);
        QFETCH(Cards, slots);
        QFETCH(QByteArray, bytes);
        QCOMPARE(writeList(slots, format), bytes);
    }

    // A deck written as a list and read back: the same fronts and backs in the same order.
    void listsReadBackToTheirCards()
    {
        const Cards deck{{u"A"_s, u"line\r\nbreaks\r\n"_s, u"&amp; & <br> < &#9;"_s},
                         {u"B"_s, {}, u"Ωμέγα 😀 café"_s},
                         {u"C"_s, u"tab\there"_s, u"\uFEFF\"quoted\", and, commas"_s},
                         {u"D"_s, u"\uFEFFx"_s, u"<BR/>"_s}};
        for (const ListFormat format : {ListFormat::Tabs, ListFormat::Csv}) {
            const ListReadResult read = readList(writeList(deck, format), format);
            QCOMPARE(read.failure, QString());
            QStringList expected = texts(deck);
            expected.replaceInStrings(u"\t"_s, u" "_s);
            QCOMPARE(texts(read.cards), expected);
        }
    }

    // Three fields in, the fronts and backs out exactly as they came.
    void threeFieldListKeepsItsTexts()
    {
        const QByteArray fields = "one<br>two\t&amp; &lt;b>\n<br>\tcaf\xC3\xA9\n"_ba;
        const ListReadResult read =
            readList("first\tone<br>two\t&amp; &lt;b>\nsecond\t<br>\tcaf\xC3\xA9\n"_ba, {});
        QCOMPARE(writeList(read.cards, ListFormat::Tabs), fields);
    }

    void files()
    {
        QTemporaryDir dir;
        QVERIFY(dir.isValid());
        const QString list = dir.filePath(u"words.CSV"_s);
        QCOMPARE(listFormatOf(list), ListFormat::Csv);
        QCOMPARE(listFormatOf(u"words.csv.txt"_s), ListFormat::Tabs);
        const Cards cards{{u"A"_s, u"a,b"_s, u"c"_s}};
        QCOMPARE(writeListFile(list, cards).failure, QString());
        QFile written(list);
        QVERIFY(written.open(QIODevice::ReadOnly));
        QCOMPARE(written.readAll(), "\"a,b\",c\r\n"_ba);
        written.close();
        QCOMPARE(readListFile(list).cards, (Cards{{u"a,b"_s, u"a,b"_s, u"c"_s}}));
        QCOMPARE(QDir(dir.path()).entryList(QDir::Files), QStringList{u"words.CSV"_s});

        QVERIFY(written.open(QIODevice::WriteOnly | QIODevice::Append));
        written.write("a,b,c,d\n");
        written.close();
        QCOMPARE(readListFile(list).failure,
                 u"line 2: expected 2 or 3 fields separated by commas, found 4"_s);
        QCOMPARE(readListFile(dir.path()).failure, u"It is a folder, not a file."_s);
        QCOMPARE(readListFile(dir.filePath(u"gone.txt"_s)).failure, u"No such file or directory"_s);
        // An output that cannot be written leaves nothing behind.
        QVERIFY(!writeListFile(dir.filePath(u"no/such/folder.txt"_s), cards).failure.isEmpty());
    }
};

QTEST_GUILESS_MAIN(TestWordList)
#include "tst_wordlist.moc"
