#include "deck/deckformat.h"
#include "support/cardtext.h"
#include "support/deckbytes.h"

#include <QTest>

using namespace memoquill;
using namespace Qt::StringLiterals;

// The format written out byte by byte, as the rows below check it; the other tests build their
// files through support/deckbytes.h, which sharedBuilderWritesTheFormat holds to this.
// A field's end in a file: the terminator, then CR LF.
#define TERM ")}]d8h0-0h8b)}]"
#define END TERM "\r\n"
#define BOM "\xEF\xBB\xBF"

using Cards = QList<CardRecord>;

namespace {
Cards named(Cards slots)
{
    slots.removeIf([](const CardRecord &card) { return card.name.isEmpty(); });
    return slots;
}
} // namespace

class TestDeckFormat : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void sharedBuilderWritesTheFormat()
    {
        QCOMPARE(QByteArray(test::DeckTerminator), QByteArray(TERM));
        QCOMPARE(test::deckRecord("A", "", "b\r\nc"), "A"_ba END END "b\r\nc" END);
    }

    // Decks the writer takes: the exact file, and the named cards when that file is read.
    void writesAndReadsBack_data()
    {
        QTest::addColumn<Cards>("slots");
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<bool>("utf8");

        QTest::newRow("one-line front, two-line back: four lines")
            << Cards{{u"Apple"_s, u"red"_s, u"fruit\r\ntree"_s}}
            << "Apple"_ba END "red" END "fruit\r\ntree" END << false;
        QTest::newRow("multi-line texts")
            << Cards{{u"two\r\nlines"_s, u"a\r\nb\r\nc"_s, u"x"_s}}
            << "two\r\nlines"_ba END "a\r\nb\r\nc" END "x" END << false;
        QTest::newRow("text ending with a line break keeps it")
            << Cards{{u"A"_s, u"x\r\n"_s, u"\r\n"_s}} << "A"_ba END "x\r\n" END "\r\n" END << false;
        QTest::newRow("empty front and back")
            << Cards{{u"A"_s, {}, {}}} << "A"_ba END END END << false;
        QTest::newRow("written exactly as held")
            << Cards{{u" \"Q\", 1 "_s, u"a,b\r\n\r\n  \"c\"  "_s, u"\t\0\x7f"_s}}
            << " \"Q\", 1 "_ba END "a,b\r\n\r\n  \"c\"  " END "\t\0\x7f" END << false;
        QTest::newRow("terminator inside one-line texts")
            << Cards{{u"a" TERM "b"_s, u"" TERM ""_s, u"" TERM TERM ""_s}}
            << "a" TERM "b"_ba END TERM END TERM TERM END << false;
        QTest::newRow("terminator on a text's last line")
            << Cards{{u"A"_s, u"x\r\ny" TERM "z"_s, {}}} << "A"_ba END "x\r\ny" TERM "z" END END
            << false;
        QTest::newRow("duplicates both kept")
            << Cards{{u"A"_s, u"f"_s, u"b"_s}, {u"A"_s, u"f"_s, u"b"_s}}
            << "A"_ba END "f" END "b" END "A" END "f" END "b" END << false;
        QTest::newRow("blank slot is not written")
            << Cards{{u"A"_s, u"a"_s, {}}, {}, {u"C"_s, {}, u"c"_s}}
            << "A"_ba END "a" END END "C" END END "c" END << false;
        QTest::newRow("no cards") << Cards{} << QByteArray() << false;
        QTest::newRow("Windows-1252 characters stay 8-bit")
            << Cards{{u"café"_s, u"€‚ƒ"_s, u"\u0081\u008D\u008F\u0090\u009DÿŸ"_s}}
            << "caf\xE9"_ba END "\x80\x82\x83" END "\x81\x8D\x8F\x90\x9D\xFF\x9F" END << false;
        QTest::newRow("one Greek card makes the whole deck UTF-8")
            << Cards{{u"café"_s, u"x"_s, {}}, {u"Ωμέγα"_s, u"😀"_s, {}}}
            << BOM "caf\xC3\xA9"_ba END "x" END END "\xCE\xA9\xCE\xBC\xCE\xAD\xCE\xB3\xCE\xB1" END
                   "\xF0\x9F\x98\x80" END END
            << true;
        QTest::newRow("C1 control Windows-1252 lacks")
            << Cards{{u"\u0080"_s, {}, {}}} << BOM "\xC2\x80"_ba END END END << true;
        QTest::newRow("U+FEFF starting fields is text")
            << Cards{{u"\uFEFFa"_s, u"\uFEFF"_s, u"\uFEFF\uFEFF"_s}}
            << BOM BOM "a"_ba END BOM END BOM BOM END << true;
        QTest::newRow("8-bit file would start with EF BB BF")
            << Cards{{u"ï»¿x"_s, {}, {}}} << BOM "\xC3\xAF\xC2\xBB\xC2\xBFx"_ba END END END << true;
        QTest::newRow("... also after a blank first slot")
            << Cards{{}, {u"ï»¿"_s, {}, {}}} << BOM "\xC3\xAF\xC2\xBB\xC2\xBF"_ba END END END
            << true;
        QTest::newRow("EF BB BF later in the file stays 8-bit")
            << Cards{{u"A"_s, u"ï»¿"_s, {}}} << "A"_ba END BOM END END << false;
    }

    void writesAndReadsBack()
    {
        QFETCH(Cards, slots);
        QFETCH(QByteArray, bytes);
        QFETCH(bool, utf8);
        const DeckWriteResult written = writeDeck(slots);
        QVERIFY(!written.terminatorInsideLine);
        QCOMPARE(written.bytes, bytes);
        QCOMPARE(written.utf8, utf8);
        const DeckReadResult read = readDeck(bytes);
        QVERIFY(!read.tooManyCards);
        QCOMPARE(read.cards, named(slots));
    }

    void writesEveryLineBreakAsCrLf_data()
    {
        QTest::addColumn<QString>("front");
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QString>("readFront");
        QTest::newRow("lone LFs") << u"x\ny\n\n"_s << "A"_ba END "x\r\ny\r\n\r\n" END END
                                  << u"x\r\ny\r\n\r\n"_s;
        QTest::newRow("lone CR") << u"x\ry"_s << "A"_ba END "x\r\ny" END END << u"x\r\ny"_s;
        QTest::newRow("LF CR is two breaks")
            << u"x\n\ry"_s << "A"_ba END "x\r\n\r\ny" END END << u"x\r\n\r\ny"_s;
        QTest::newRow("CR CR LF is two breaks")
            << u"x\r\r\ny"_s << "A"_ba END "x\r\n\r\ny" END END << u"x\r\n\r\ny"_s;
        QTest::newRow("in a UTF-8 deck")
            << u"Ω\rx\n"_s << BOM "A"_ba END "\xCE\xA9\r\nx\r\n" END END << u"Ω\r\nx\r\n"_s;
    }

    void writesEveryLineBreakAsCrLf()
    {
        QFETCH(QString, front);
        QFETCH(QByteArray, bytes);
        QFETCH(QString, readFront);
        const DeckWriteResult written = writeDeck(Cards{{u"A"_s, front, {}}});
        QCOMPARE(written.bytes, bytes);
        QCOMPARE(readDeck(bytes).cards, (Cards{{u"A"_s, readFront, {}}}));
    }

    void readsHandMadeFiles_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<Cards>("cards");
        const Cards a{{u"A"_s, u"f"_s, u"b"_s}};
        const QByteArray aBytes = test::deckRecord("A", "f", "b");

        QTest::newRow("empty file") << QByteArray() << Cards{};
        QTest::newRow("no terminator anywhere") << "no\r\nfields here\r\n"_ba << Cards{};
        QTest::newRow("terminator mid-line: the last 15 characters go")
            << "Name" TERM "0123456789ABCDEF\r\nf" END "b" END ""_ba
            << Cards{{u"Name" TERM "0"_s, u"f"_s, u"b"_s}};
        QTest::newRow("... in UTF-8, a surrogate pair is one character")
            << BOM "N" TERM "😀😀😀😀😀😀😀😀😀😀😀😀😀😀😀😀\r\nf" END "b" END ""_ba
            << Cards{{u"N" TERM "😀"_s, u"f"_s, u"b"_s}};
        QTest::newRow("terminator on an inner line shifts later fields")
            << "A" END "x" TERM "\r\ny" END "back" END "B" END "bf" END "bb" END ""_ba
            << Cards{{u"A"_s, u"x"_s, u"y"_s}, {u"back"_s, u"B"_s, u"bf"_s}};
        QTest::newRow("record with an empty name is dropped")
            << END "f" END "b" END "C" END "c" END "c" END ""_ba << Cards{{u"C"_s, u"c"_s, u"c"_s}};
        QTest::newRow("incomplete last record is dropped") << aBytes + "B" END "f2" END << a;
        QTest::newRow("trailing lines are dropped") << aBytes + "junk\r\nmore" << a;
        QTest::newRow("last line needs no line end") << "A"_ba END "f" END "b" TERM << a;
        QTest::newRow("LF-only") << "A" TERM "\nx\n\ny" TERM "\n" TERM "\n"_ba
                                 << Cards{{u"A"_s, u"x\r\n\r\ny"_s, {}}};
        QTest::newRow("CR-only") << "A" TERM "\rx\r\ry" TERM "\r" TERM "\r"_ba
                                 << Cards{{u"A"_s, u"x\r\n\r\ny"_s, {}}};
        QTest::newRow("mixed") << "A" TERM "\nx\r\r\ny\n\rz" TERM "\r\n" TERM "\r"_ba
                               << Cards{{u"A"_s, u"x\r\n\r\ny\r\n\r\nz"_s, {}}};
        QTest::newRow("UTF-8 with lone breaks") << BOM "\xCE\xA9" TERM "\nx\ry" TERM "\n" TERM ""_ba
                                                << Cards{{u"Ω"_s, u"x\r\ny"_s, {}}};
        QTest::newRow("invalid UTF-8 is kept as U+FFFD")
            << BOM "\xFF" END "x" END END ""_ba << Cards{{u"\uFFFD"_s, u"x"_s, {}}};
    }

    void readsHandMadeFiles()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(Cards, cards);
        const DeckReadResult read = readDeck(bytes);
        QVERIFY(!read.tooManyCards);
        QCOMPARE(read.cards, cards);
    }

    void everyByteValueRoundTrips()
    {
        QByteArray line;
        for (int b = 0; b < 256; ++b) {
            if (b != '\r' && b != '\n')
                line += char(b);
        }
        const QByteArray bytes = "All bytes"_ba END + line + END + line + "\r\n" + line + END;
        const DeckReadResult read = readDeck(bytes);
        QCOMPARE(read.cards.size(), 1);
        const QString front = read.cards[0].front;
        QCOMPARE(front.size(), 254);
        // 0x80, 0x81 (undefined, kept as U+0081), 0x9F, 0xFF; CR and LF are missing before them.
        QCOMPARE(front.at(0x80 - 2), QChar(0x20AC));
        QCOMPARE(front.at(0x81 - 2), QChar(0x0081));
        QCOMPARE(front.at(0x9F - 2), QChar(0x0178));
        QCOMPARE(front.at(0xFF - 2), QChar(0x00FF));
        const DeckWriteResult written = writeDeck(read.cards);
        QVERIFY(!written.utf8);
        QCOMPARE(written.bytes, bytes);
    }

    void refusesTerminatorBeforeLastLine_data()
    {
        QTest::addColumn<Cards>("slots");
        QTest::addColumn<QString>("refused");
        QTest::newRow("in a name") << Cards{{u"a" TERM "\r\nb"_s, {}, {}}} << u"a" TERM "\r\nb"_s;
        QTest::newRow("in a front, before a lone LF")
            << Cards{{u"A"_s, u"x" TERM "\ny"_s, {}}} << u"A"_s;
        QTest::newRow("in a back, before a final lone CR")
            << Cards{{u"A"_s, {}, u"" TERM "\r"_s}} << u"A"_s;
        QTest::newRow("the first such card is named") << Cards{{u"ok"_s, {}, {}},
                                                               {u"B"_s, {}, u"" TERM "\r\n"_s},
                                                               {u"C"_s, u"" TERM "\r\nx"_s, {}}}
                                                      << u"B"_s;
    }

    void refusesTerminatorBeforeLastLine()
    {
        QFETCH(Cards, slots);
        QFETCH(QString, refused);
        const DeckWriteResult written = writeDeck(slots);
        QCOMPARE(written.terminatorInsideLine.value_or(u"(accepted)"_s), refused);
        QVERIFY(written.bytes.isEmpty());
    }

    void tooManyCards_data()
    {
        QTest::addColumn<int>("records");
        QTest::addColumn<QByteArray>("tail");
        QTest::addColumn<int>("cards");
        QTest::newRow("32,767") << 32767 << QByteArray() << 32767;
        QTest::newRow("32,768") << 32768 << QByteArray() << 0;
        QTest::newRow("32,767 and a nameless record") << 32767 << END END END ""_ba << 32767;
        QTest::newRow("32,767 and an incomplete one") << 32767 << "X" END "f" END ""_ba << 32767;
    }

    void tooManyCards()
    {
        QFETCH(int, records);
        QFETCH(QByteArray, tail);
        QFETCH(int, cards);
        const DeckReadResult read =
            readDeck(test::deckRecord("c", "f", "b").repeated(records) + tail);
        QCOMPARE(read.tooManyCards, cards == 0);
        QCOMPARE(read.cards.size(), cards);
    }

    // What a save of the cards read would lose: a file with no field at all, or lines at its
    // end that are no whole card.
    void endThatIsNoCard_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<bool>("noFields");
        QTest::addColumn<int>("unreadLines");
        const QByteArray card = test::deckRecord("c", "f", "b");
        QTest::newRow("empty file") << QByteArray() << false << 0;
        QTest::newRow("only blank lines") << "\r\n \t\r\n"_ba << false << 0;
        QTest::newRow("text without terminator") << "notes\r\nmore notes"_ba << true << 0;
        QTest::newRow("UTF-8 text without terminator") << BOM "notes"_ba << true << 0;
        QTest::newRow("whole cards, blank lines after") << card + "\r\n\r\n " << false << 0;
        QTest::newRow("a line of text after") << card + "junk" << false << 1;
        QTest::newRow("a name and no more") << card + "n" END << false << 1;
        QTest::newRow("cut inside a front") << card + "\r\nn" END "line 1\r\nline 2\rline 3\n"
                                            << false << 4;
        QTest::newRow("a terminator, no whole card") << "n" END "f" END ""_ba << false << 2;
    }

    void endThatIsNoCard()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(bool, noFields);
        QFETCH(int, unreadLines);
        const DeckReadResult read = readDeck(bytes);
        QCOMPARE(read.noFields, noFields);
        QCOMPARE(read.unreadLines, unreadLines);
    }
};

QTEST_GUILESS_MAIN(TestDeckFormat)
#include "tst_deckformat.moc"
