// Conditions run as SQL give the rows the C++ evaluator gives, whether the SQL decides every
// comparison or leaves some to C++ (value lists refused, placeholders running out).
#include <QSqlError>
#include <QtTest>

#include "store/criteria.h"
#include "store/row_filter.h"
#include "store/store_error.h"
#include "test_database.h"

using namespace store;

namespace {

const QString kKelvin = QString(QChar(0x212A));         // folds to "k"
const QString kCapitalSharpS = QString(QChar(0x1E9E));  // folds to "ß"

// sorszam, sorrend, sorrend2, szint, kulcs1, kulcs2, mondat; a null QVariant is an empty field.
// sorrend is the one number field without a check, so it holds a fraction and a text here.
QList<QVariantList> rows() {
    const QVariant none;
    return {
        {1, 1, 1120, 1, "1", "2", "Árbol"},     {2, 2, 1121, 2, "1", "2", "árbol"},
        {3, 2.5, 300, 3, "a", "9", "ÁRBOL"},    {4, "2x", none, none, none, none, none},
        {5, none, 2800, 2, "A", "0", "Ő"},      {6, 5, -5, 1, kKelvin, "9", "ő"},
        {7, 7, 1500, 3, "k", none, "ß"},        {8, 8, 1500, 2, QByteArray("A"), "2", kCapitalSharpS},
        {9, 9, 2000, 1, "ö", "Ö", "ss"},        {10, 2, 10, 2, "", "", "b"},
        {11, 11, 3000, 1, "Z", "z", "español"},
    };
}

// Every row with every field, as the C++ evaluator sees it.
struct Stored {
    qint64 rowid;
    std::vector<QVariant> values;
};

std::vector<Stored> readAll(Database& db) {
    QSqlQuery q(db.db());
    q.exec(QStringLiteral("SELECT rowid, %1 FROM test1 ORDER BY sorrend2, sorszam")
               .arg(test1Fields().names.join(QStringLiteral(", "))));
    std::vector<Stored> out;
    while (q.next()) {
        Stored s{q.value(0).toLongLong(), {}};
        for (int f = 0; f < test1Fields().count(); ++f) s.values.push_back(q.value(f + 1));
        out.push_back(std::move(s));
    }
    return out;
}

QList<qint64> sorted(std::vector<qint64> ids) {
    std::sort(ids.begin(), ids.end());
    return QList<qint64>(ids.begin(), ids.end());
}

}  // namespace

class CriteriaSqlTest : public QObject {
    Q_OBJECT
    QTemporaryDir dir;
    QString path;

private slots:
    void initTestCase() {
        path = makeDatabase(dir, {});
        Database db(path);
        QSqlQuery q(db.db());
        q.prepare(
            QStringLiteral("INSERT INTO test1 (sorszam, sorrend, sorrend2, szint, kulcs1, kulcs2, mondat) "
                           "VALUES (?, ?, ?, ?, ?, ?, ?)"));
        for (const QVariantList& row : rows()) {
            for (const QVariant& v : row) q.addBindValue(v);
            QVERIFY2(q.exec(), qPrintable(q.lastError().text()));
        }
    }

    void sqlAgreesWithTheEvaluator_data() {
        QTest::addColumn<QString>("condition");
        QTest::addColumn<QList<int>>("serials");  // what the evaluator selects, as a check on the table
        QTest::addRow("level") << "Szint = 2" << QList<int>{2, 5, 8, 10};
        QTest::addRow("everything with a level")
            << "szint >= 1" << QList<int>{1, 2, 3, 5, 6, 7, 8, 9, 10, 11};
        QTest::addRow("topic") << "kulcs1 = '1' And kulcs2 = '2'" << QList<int>{1, 2};
        QTest::addRow("special group") << "kulcs2 = '9'" << QList<int>{3, 6};
        QTest::addRow("threshold") << "sorrend2 > 1120" << QList<int>{2, 5, 7, 8, 9, 11};
        QTest::addRow("accented capitals fold") << "mondat = 'árbol'" << QList<int>{1, 2, 3};
        QTest::addRow("double acute folds") << "MONDAT = 'ő'" << QList<int>{5, 6};
        QTest::addRow("capital sharp s folds, but not to ss") << "mondat = 'ß'" << QList<int>{7, 8};
        QTest::addRow("kelvin sign folds to k") << "kulcs1 = 'K'" << QList<int>{6, 7};
        QTest::addRow("a stored blob compares as its text") << "kulcs1 = 'a'" << QList<int>{3, 5, 8};
        QTest::addRow("umlaut against its capital") << "kulcs1 = 'Ö'" << QList<int>{9};
        QTest::addRow("empty text is a value, empty field is not") << "kulcs2 < '1'" << QList<int>{5, 10};
        QTest::addRow("not takes in the empty fields")
            << "Not kulcs2 = '9'" << QList<int>{1, 2, 4, 5, 7, 8, 9, 10, 11};
        QTest::addRow("not of a number comparison") << "not szint <> 2" << QList<int>{2, 4, 5, 8, 10};
        QTest::addRow("different leaves out the empty")
            << "kulcs2 <> '9'" << QList<int>{1, 2, 5, 8, 9, 10, 11};
        QTest::addRow("text ordering folds") << "mondat >= 'ß'" << QList<int>{1, 2, 3, 5, 6, 7, 8};
        QTest::addRow("text range") << "kulcs1 > '1' and kulcs1 <= 'k'" << QList<int>{3, 5, 6, 7, 8};
        QTest::addRow("only whole numbers compare") << "sorrend = 2" << QList<int>{2, 10};
        QTest::addRow("not a whole number, under not") << "not sorrend >= 2" << QList<int>{1, 3, 4, 5};
        QTest::addRow("or across kinds") << "szint = 3 Or mondat = 'B'" << QList<int>{3, 7, 10};
        QTest::addRow("parentheses and not")
            << "not (szint = 2 or kulcs1 = 'a') and (sorrend2 < 1500 or mondat = 'SS')"
            << QList<int>{1, 6, 9};
        QTest::addRow("and before or") << "szint = 1 and kulcs1 = 'z' or kulcs2 = 'ö'" << QList<int>{9, 11};
        QTest::addRow("double negation")
            << "not not (kulcs2 = '2' and not mondat = 'ÁRBOL')" << QList<int>{8};
        QTest::addRow("nothing matches") << "kulcs1 = 'nada' or sorrend2 > 5000" << QList<int>{};
        QTest::addRow("every value matches") << "kulcs1 >= ''" << QList<int>{1, 2, 3, 5, 6, 7, 8, 9, 10, 11};
        QTest::addRow("negative number") << "sorrend2 <= -5" << QList<int>{6};
    }
    void sqlAgreesWithTheEvaluator() {
        QFETCH(QString, condition);
        QFETCH(QList<int>, serials);
        Database db(path);
        const Criteria criteria = Criteria::parse(condition, test1Fields());
        std::vector<qint64> expectedOrder, all;
        QList<int> expectedSerials;
        for (const Stored& row : readAll(db)) {
            all.push_back(row.rowid);
            if (!criteria.matches(row.values)) continue;
            expectedOrder.push_back(row.rowid);
            expectedSerials << row.values[0].toInt();
        }
        std::sort(expectedSerials.begin(), expectedSerials.end());
        QCOMPARE(expectedSerials, serials);
        const QList<qint64> expected = sorted(expectedOrder);

        const struct {
            const char* name;
            FilterLimits limits;
        } modes[] = {{"all in SQL", {}},
                     {"texts in C++", {0, 500}},
                     {"one placeholder", {256, 1}},
                     {"three placeholders", {256, 3}},
                     {"all in C++", {256, 0}}};
        for (const auto& mode : modes) {
            const std::vector<qint64> inOrder = selectRows(db, test1Fields(), &criteria, true, mode.limits);
            QVERIFY2(inOrder == expectedOrder, mode.name);
            QVERIFY2(sorted(selectAmong(db, test1Fields(), criteria, all, mode.limits)) == expected,
                     mode.name);
            // A part of the rows: only those of them come back.
            const std::span<const qint64> half(all.data(), all.size() / 2);
            std::vector<qint64> halfExpected;
            for (qint64 id : expectedOrder)
                if (std::find(half.begin(), half.end(), id) != half.end()) halfExpected.push_back(id);
            QVERIFY2(
                sorted(selectAmong(db, test1Fields(), criteria, half, mode.limits)) == sorted(halfExpected),
                mode.name);
        }
    }

    void noTextOfTheConditionReachesTheSql() {
        const QString literal = QStringLiteral("x' OR 1=1 --");
        const Criteria criteria = Criteria::parse(
            QStringLiteral("mondat = 'x'' OR 1=1 --' or not sorrend2 > 12345"), test1Fields());
        // The compiler is shown a stored value equal to the literal, so that it lists it.
        const SqlCondition sql = criteria.toSql(
            [&](int) {
                return std::optional<std::vector<QVariant>>({literal, QStringLiteral("y")});
            },
            10);
        QVERIFY(sql.exact);
        QVERIFY2(!sql.where.contains(QStringLiteral("1=1")) && !sql.where.contains(QStringLiteral("12345")),
                 qPrintable(sql.where));
        QCOMPARE(sql.where.count(u'?'), static_cast<qsizetype>(sql.binds.size()));
        QVERIFY(std::find(sql.binds.begin(), sql.binds.end(), QVariant(literal)) != sql.binds.end());
    }
};

QTEST_GUILESS_MAIN(CriteriaSqlTest)
#include "test_criteria_sql.moc"
