#include "deckstore.h"

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
    void startsEmptyAndUnallocated()
    {
        DeckStore deck;
        QCOMPARE(deck.CardCount(), 0);
        QCOMPARE(deck.CardIndex, 0);
        QVERIFY(!deck.isAllocated());
        QVERIFY(!deck.CurrentFile.has_value());
        QVERIFY(!deck.hasFile());
        QVERIFY(deck.FilePath.isEmpty());
        // A search over no slots touches no record and leaves the cursor on CardCount + 1.
        QVERIFY(!deck.findByName(QString()));
        QCOMPARE(deck.CardIndex, 1);
        QVERIFY(deck.slots().empty());
    }

    void resetLeavesOneBlankRecordAndKeepsTheCursor()
    {
        DeckStore deck = deckOf({u"A"_s, u"B"_s});
        deck.CardIndex = 2;
        deck.reset();
        QCOMPARE(deck.CardCount(), 0);
        QCOMPARE(deck.allocatedSlots(), 1);
        QCOMPARE(deck.Cards(1), CardRecord{});
        QCOMPARE(deck.CardIndex, 2);
        // The next append fills slot 1 rather than adding a second record.
        QVERIFY(deck.append({u"C"_s, {}, {}}));
        QCOMPARE(deck.allocatedSlots(), 1);
        QCOMPARE(deck.Cards(1).name, u"C"_s);
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
        QCOMPARE(deck.allocatedSlots(), 32767);
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

    // Slots are scanned many at a time: a name must be found wherever it stands.
    void findsEveryPosition()
    {
        for (int size = 1; size <= 40; ++size) {
            QStringList names;
            for (int i = 1; i <= size; ++i)
                names.append(u"card %1"_s.arg(i));
            DeckStore deck = deckOf(names);
            for (int i = 1; i <= size; ++i) {
                QVERIFY(deck.findByName(names[i - 1]));
                QCOMPARE(deck.CardIndex, i);
            }
            QVERIFY(!deck.findByName(u"card 0"_s));
            QCOMPARE(deck.CardIndex, size + 1);
        }
    }

    // Two different names whose hashes agree (found at run time, as the hash is seeded per
    // process): the search must compare the names and go on past the first.
    void findsPastAnotherNameWithTheSameHash()
    {
        QHash<quint32, QString> seen;
        QString first;
        QString second;
        for (int i = 0; first.isEmpty() && i < 2'000'000; ++i) {
            const QString name = u"name %1"_s.arg(i);
            const auto hash = quint32(qHash(name));
            if (const auto it = seen.constFind(hash); it != seen.cend()) {
                first = *it;
                second = name;
            } else {
                seen.insert(hash, name);
            }
        }
        QVERIFY(!first.isEmpty());
        QStringList names;
        for (int i = 0; i < 37; ++i)
            names.append(u"filler %1"_s.arg(i));
        names.insert(5, first);
        names.insert(30, second);
        DeckStore deck = deckOf(names);
        QVERIFY(deck.findByName(second));
        QCOMPARE(deck.CardIndex, 31);
        QVERIFY(deck.findByName(first));
        QCOMPARE(deck.CardIndex, 6);
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

    void deletingTheOnlyCardKeepsItsSlot()
    {
        DeckStore deck = deckOf({u"Only"_s});
        deck.blank(1);
        QCOMPARE(deck.CardCount(), 1);
        QVERIFY(deck.Cards(1).name.isEmpty());
    }

    void assignReplacesTheDeck()
    {
        DeckStore deck = deckOf({u"A"_s, u"B"_s, u"C"_s});
        deck.assign({{u"X"_s, {}, {}}});
        QCOMPARE(deck.CardCount(), 1);
        QCOMPARE(deck.allocatedSlots(), 1);
        deck.assign({});
        QCOMPARE(deck.CardCount(), 0);
        QCOMPARE(deck.allocatedSlots(), 1);
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
