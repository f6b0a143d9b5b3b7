// The checks on rows read from an old Jet file: what is refused (naming table, row and field),
// what unusual values pass unchanged, and where hiba1's placeholder comes from.
#include <QtTest>

#include "legacy_rows.h"
#include "store/schema.h"
#include "tool_error.h"

using importtool::Rows;

namespace {

// A test1 as an old file might spell it, three good rows with serial numbers 1-3.
jet::JetTable questions() {
    jet::JetTable t;
    t.name = QStringLiteral("Test1");
    t.columns = store::test1Fields().names;
    t.columns[3] = QStringLiteral("Szint");
    for (qlonglong n = 1; n <= 3; ++n)
        t.rows.push_back({n, n, n * 100, 1LL, QStringLiteral("1"), QStringLiteral("2"),
                          QStringLiteral("¿Dónde ... él?"), QStringLiteral("está"), QStringLiteral("es"),
                          QStringLiteral("hay"), QStringLiteral("son"), QStringLiteral("¿Dónde está él?"),
                          QStringLiteral("A")});
    return t;
}

QString refusal(const jet::JetTable& table) {
    try {
        importtool::test1Rows(table);
    } catch (const importtool::ToolError& e) {
        return e.lines().join(u'\n');
    }
    return {};
}

jet::JetTable failedItems(const Rows& rows) {
    jet::JetTable t;
    t.name = QStringLiteral("hiba1");
    // In a column order of its own, to show that fields are found by name.
    t.columns = QStringList{"felelet2", "HIBA", "mondat", "a", "b", "c", "d", "felelet1"};
    for (const auto& row : rows)
        t.rows.push_back({row[7], row[0], row[1], row[2], row[3], row[4], row[5], row[6]});
    return t;
}

std::vector<QVariant> item(const QVariant& guess, const QVariant& sentence) {
    return {guess, sentence, "a1", "b1", "c1", "d1", "solution", "B"};
}

}  // namespace

Q_DECLARE_METATYPE(Rows)

class LegacyRowsTest : public QObject {
    Q_OBJECT

private slots:
    void goodRowsArriveInOurFieldOrder() {
        jet::JetTable t = questions();
        // Reverse the file's columns: the result must not depend on their order.
        std::reverse(t.columns.begin(), t.columns.end());
        for (auto& row : t.rows) std::reverse(row.begin(), row.end());
        const Rows rows = importtool::test1Rows(t);
        QCOMPARE(rows.size(), size_t(3));
        QCOMPARE(rows[2], questions().rows[2]);
    }

    void valuesOutsideOurRangesAreRefused_data() {
        QTest::addColumn<int>("field");
        QTest::addColumn<QVariant>("value");
        QTest::addColumn<QString>("message");
        QTest::addRow("serial number 0")
            << 0 << QVariant(0LL) << "field sorszam: \"0\" is not a serial number";
        QTest::addRow("serial number 32768") << 0 << QVariant(32768LL) << "field sorszam";
        QTest::addRow("serial number missing") << 0 << QVariant() << "field sorszam: is empty";
        QTest::addRow("serial number in words") << 0 << QVariant("two") << "field sorszam: \"two\"";
        QTest::addRow("serial number repeated")
            << 0 << QVariant(1LL) << "field sorszam: 1 is used by an earlier row";
        QTest::addRow("level in words")
            << 3 << QVariant("two") << "field Szint: \"two\" is not a level from 1 to 3";
        QTest::addRow("level 4") << 3 << QVariant(4LL) << "field Szint: \"4\" is not a level";
        QTest::addRow("sorrend2 above 32767") << 2 << QVariant(32768LL) << "field sorrend2";
        QTest::addRow("sorrend in words")
            << 1 << QVariant("first") << "field sorrend: \"first\" is not a whole number";
        // The limits every way in keeps.
        QTest::addRow("sentence over its limit")
            << 6 << QVariant(QString(1001, u'x')) << "field mondat: \"xxx";
        QTest::addRow("filler over its limit")
            << 8 << QVariant(QString(201, u'y')) << "it may hold at most 200";
        QTest::addRow("NUL in a solution")
            << 11 << QVariant(QStringLiteral("Yo soy") + QChar(0) + QStringLiteral("tú")) << "holds a NUL";
    }
    void valuesOutsideOurRangesAreRefused() {
        QFETCH(int, field);
        QFETCH(QVariant, value);
        QFETCH(QString, message);
        jet::JetTable t = questions();
        t.rows[1][static_cast<size_t>(field)] = value;
        const QString why = refusal(t);
        QVERIFY2(why.startsWith(QStringLiteral("table Test1, row 2, ")), qPrintable(why));
        QVERIFY2(why.contains(message), qPrintable(why));
        QVERIFY2(!why.contains(u'\n'), qPrintable(why));
    }

    void unusualButLegalValuesArriveUnchanged_data() {
        QTest::addColumn<int>("field");
        QTest::addColumn<QVariant>("value");
        QTest::addColumn<QVariant>("stored");
        QTest::addRow("lower-case right letter") << 12 << QVariant("b") << QVariant("b");
        QTest::addRow("empty topic code") << 4 << QVariant() << QVariant();
        QTest::addRow("two-character topic code") << 4 << QVariant("10") << QVariant("10");
        QTest::addRow("no level") << 3 << QVariant() << QVariant();
        QTest::addRow("level kept as text") << 3 << QVariant(" 2 ") << QVariant(2LL);
        QTest::addRow("level from a floating-point column") << 3 << QVariant("3.000000") << QVariant(3LL);
        QTest::addRow("lowest sorrend2") << 2 << QVariant(-32768LL) << QVariant(-32768LL);
        QTest::addRow("number in a text field") << 7 << QVariant(5LL) << QVariant("5");
        QTest::addRow("blanks around a text") << 6 << QVariant("  ñandú ... ") << QVariant("  ñandú ... ");
        QTest::addRow("sentence at its limit")
            << 6 << QVariant(QString(1000, u'x')) << QVariant(QString(1000, u'x'));
    }
    void unusualButLegalValuesArriveUnchanged() {
        QFETCH(int, field);
        QFETCH(QVariant, value);
        QFETCH(QVariant, stored);
        jet::JetTable t = questions();
        t.rows[1][static_cast<size_t>(field)] = value;
        const Rows rows = importtool::test1Rows(t);
        const QVariant got = rows[1][static_cast<size_t>(field)];
        QCOMPARE(got.isNull(), stored.isNull());
        QCOMPARE(got.typeId(), stored.typeId());
        QCOMPARE(got, stored);
    }

    void missingFieldIsNamed() {
        jet::JetTable t = questions();
        t.columns[2] = QStringLiteral("sorrend3");
        QCOMPARE(refusal(t), QStringLiteral("table Test1 has no field sorrend2"));
    }

    void placeholderOfTheLog_data() {
        QTest::addColumn<Rows>("source");
        QTest::addColumn<bool>("added");
        const std::vector<QVariant> delivered = importtool::hiba1Placeholder();
        QTest::addRow("delivered placeholder") << Rows{delivered} << false;
        QTest::addRow("placeholder then failed items")
            << Rows{delivered, item("A", " Yo ... aquí."), item("0", "Tú ...")} << false;
        QTest::addRow("placeholder of empty fields")
            << Rows{std::vector<QVariant>(8), item("C", "Él ...")} << false;
        QTest::addRow("no placeholder, failed items only")
            << Rows{item("B", "Ella ..."), item("0", "Tú ...")} << true;
        QTest::addRow("empty log") << Rows{} << true;
    }
    void placeholderOfTheLog() {
        QFETCH(Rows, source);
        QFETCH(bool, added);
        const jet::JetTable table = failedItems(source);
        Rows expected = source;
        if (added) expected.insert(expected.begin(), importtool::hiba1Placeholder());
        QCOMPARE(importtool::hiba1Rows(&table), expected);
    }
};

QTEST_GUILESS_MAIN(LegacyRowsTest)
#include "test_legacy_rows.moc"
