#include "deck/deckstore.h"

#include <QTest>

using namespace memoquill;
using namespace Qt::StringLiterals;

class TestDeckStore : public QObject
{
    Q_OBJECT

private:
    static DeckStore deckOf(const QStringList &names)
    {
        DeckStore deck;
        deck.reset();
        for (const QString &name : names)
            [[maybe_unused]] bool added =
                deck.append({name, name + u" front"_s, name + u" back"_s});
        return deck;
    }

private Q_SLOTS:
    void startsEmpty()
    {
        DeckStore deck;
        QCOMPARE(deck.CardCount(), 0);
        QCOMPARE(deck.CardIndex, 0);
        QVERIFY(!deck.CurrentFile.has_value());
        QVERIFY(!deck.hasFile());
        QVERIFY(deck.FilePath.isEmpty());
        // A search over no slots touches no record and leaves the cursor on CardCount + 1.
        QVERIFY(!deck.findByName(QString()));
        QCOMPARE(deck.CardIndex, 1);
        QVERIFY(deck.cardSlots().empty());
    }

    void resetLeavesOneBlankRecordAndKeepsTheCursor()
    {
        DeckStore deck = deckOf({u"A"_s, u"B"_s});
        deck.CardIndex = 2;
        deck.reset();
        QCOMPARE(deck.CardCount(), 0);
        QVERIFY(deck.cardSlots().empty());
        QCOMPARE(deck.Cards(1), CardRecord{});
        QCOMPARE(deck.CardIndex, 2);
        // The next append fills slot 1, which a save then writes alone.
        QVERIFY(deck.append({u"C"_s, {}, {}}));
        QCOMPARE(deck.cardSlots().size(), 1u);
        QCOMPARE(deck.cardSlots().front(), (CardRecord{u"C"_s, {}, {}}));
    }

    void appendKeepsEarlierSlots()
    {
        DeckStore deck;
        QVERIFY(deck.append({u"A"_s, u"a"_s, u"1"_s}));
        QVERIFY(deck.append({u"B"_s, u"b"_s, u"2"_s}));
        QCOMPARE(deck.CardCount(), 2);
        QCOMPARE(deck.Cards(1), (CardRecord{u"A"_s, u"a"_s, u"1"_s}));
        QCOMPARE(deck.Cards(2), (CardRecord{u"B"_s, u"b"_s, u"2"_s}));
    }

    void appendStopsAtTheCounterLimit()
    {
        DeckStore deck;
        for (int i = 0; i < DeckStore::MaxCards; ++i)
            QVERIFY(deck.append({QString::number(i), {}, {}}));
        QCOMPARE(deck.CardCount(), 32767);
        QVERIFY(!deck.append({u"one too many"_s, {}, {}}));
        QCOMPARE(deck.CardCount(), 32767);
        QCOMPARE(deck.cardSlots().size(), 32767u);
        // A miss in a full deck still leaves the cursor one past the end.
        QVERIFY(!deck.findByName(u"absent"_s));
        QCOMPARE(deck.CardIndex, 32768);
        QVERIFY(deck.findByName(u"32766"_s));
        QCOMPARE(deck.CardIndex, 32767);
    }

    void findByName_data()
    {
        QTest::addColumn<QString>("wanted");
        QTest::addColumn<bool>("found");
        QTest::addColumn<int>("index");
        // Deck: Apple, blank, apple, Apple
        QTest::newRow("first of two equal names") << u"Apple"_s << true << 1;
        QTest::newRow("letter case differs") << u"apple"_s << true << 3;
        QTest::newRow("no trimming") << u" Apple"_s << false << 5;
        QTest::newRow("empty finds the first blank slot") << QString() << true << 2;
        QTest::newRow("missing") << u"Pear"_s << false << 5;
    }

    void findByName()
    {
        QFETCH(QString, wanted);
        QFETCH(bool, found);
        QFETCH(int, index);
        DeckStore deck = deckOf({u"Apple"_s, u"X"_s, u"apple"_s, u"Apple"_s});
        deck.blank(2);
        QCOMPARE(deck.findByName(wanted), found);
        QCOMPARE(deck.CardIndex, index);
    }

    void searchesFollowEveryChangeOfNames()
    {
        DeckStore deck;
        QVERIFY(deck.append({u"A"_s, {}, {}}));
        QVERIFY(deck.append({u"B"_s, {}, {}}));
        deck.blank(1);
        QVERIFY(deck.findByName(QString()));
        QCOMPARE(deck.CardIndex, 1);
        QVERIFY(!deck.findByName(u"A"_s));
        QVERIFY(deck.append({u"A"_s, {}, {}}));
        QVERIFY(deck.findByName(u"A"_s));
        QCOMPARE(deck.CardIndex, 3);
        deck.setTexts(3, u"front"_s, u"back"_s);
        QVERIFY(deck.findByName(u"A"_s));
        QCOMPARE(deck.Cards(3), (CardRecord{u"A"_s, u"front"_s, u"back"_s}));

        deck.reset();
        QVERIFY(!deck.findByName(QString()));
        QVERIFY(deck.append({u"C"_s, {}, {}}));
        QVERIFY(deck.findByName(u"C"_s));
        QVERIFY(!deck.findByName(u"A"_s));

        deck.assign({{u"X"_s, {}, {}}, {u"Y"_s, {}, {}}});
        QVERIFY(deck.findByName(u"Y"_s));
        QCOMPARE(deck.CardIndex, 2);
        QVERIFY(!deck.findByName(u"C"_s));
        QCOMPARE(deck.CardIndex, 3);
    }

    void blankKeepsTheSlot()
    {
        DeckStore deck = deckOf({u"A"_s, u"B"_s, u"C"_s});
        deck.blank(2);
        QCOMPARE(deck.CardCount(), 3);
        QCOMPARE(deck.Cards(2), CardRecord{});
        QCOMPARE(deck.Cards(3).name, u"C"_s);
    }

    void assignReplacesTheDeck()
    {
        DeckStore deck = deckOf({u"A"_s, u"B"_s, u"C"_s});
        deck.assign({{u"X"_s, {}, {}}});
        QCOMPARE(deck.CardCount(), 1);
        QCOMPARE(deck.cardSlots().front(), (CardRecord{u"X"_s, {}, {}}));
        deck.assign({});
        QCOMPARE(deck.CardCount(), 0);
        QVERIFY(deck.cardSlots().empty());
        QCOMPARE(deck.Cards(1), CardRecord{});
    }

    void hasFileTreatsEmptyAsNoFile()
    {
        DeckStore deck;
        deck.CurrentFile = QString();
        QVERIFY(!deck.hasFile());
        deck.CurrentFile = u"/tmp/x.mqd"_s;
        QVERIFY(deck.hasFile());
    }
};

QTEST_GUILESS_MAIN(TestDeckStore)
#include "tst_deckstore.moc"
