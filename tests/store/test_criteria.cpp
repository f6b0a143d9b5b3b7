// The condition language: what it accepts, what it refuses, and how it compares.
#include <QtTest>

#include "store/criteria.h"
#include "store/schema.h"
#include "store/store_error.h"

using namespace store;

namespace {
// One test1 row: sorszam 7, sorrend 7, sorrend2 1200, szint 2, kulcs1 '1', kulcs2 'a', ...
std::vector<QVariant> row(const QVariant& kulcs2 = QStringLiteral("a"),
                          const QVariant& mondat = QStringLiteral("Árbol Ő")) {
    return {7,
            7,
            1200,
            2,
            QStringLiteral("1"),
            kulcs2,
            mondat,
            QStringLiteral("ser"),
            QStringLiteral("estar"),
            QStringLiteral("haber"),
            QStringLiteral("tener"),
            QStringLiteral("Es un árbol."),
            QStringLiteral("A")};
}
}  // namespace

class CriteriaTest : public QObject {
    Q_OBJECT
private slots:
    void evaluates_data() {
        QTest::addColumn<QString>("condition");
        QTest::addColumn<bool>("expected");
        QTest::addRow("level equal, name in capitals") << "Szint = 2" << true;
        QTest::addRow("level at least") << "szint >= 1" << true;
        QTest::addRow("threshold passed") << "sorrend2 > 280" << true;
        QTest::addRow("threshold not passed") << "sorrend2 > 2750" << false;
        QTest::addRow("equal is not greater") << "sorrend2 > 1200" << false;
        QTest::addRow("and, both hold") << "kulcs1 = '1' And kulcs2 = 'a'" << true;
        QTest::addRow("and, one fails") << "kulcs1 = '1' AND kulcs2 = '2'" << false;
        QTest::addRow("keywords in any case") << "KULCS1 = '1' and Kulcs2 = 'A'" << true;
        QTest::addRow("text ignores letter case") << "kulcs2 = 'A'" << true;
        QTest::addRow("accented capitals fold") << "mondat = 'árbol ő'" << true;
        QTest::addRow("double quotes") << "a = \"SER\"" << true;
        QTest::addRow("doubled quote inside") << "a = 'se''r'" << false;
        QTest::addRow("or") << "szint = 3 Or sorszam = 7" << true;
        QTest::addRow("not") << "Not szint = 3" << true;
        QTest::addRow("parentheses bind") << "not (szint = 2 or szint = 3)" << false;
        QTest::addRow("and before or") << "szint = 3 and szint = 3 or sorszam = 7" << true;
        QTest::addRow("less than") << "sorszam < 8" << true;
        QTest::addRow("at most") << "sorszam <= 6" << false;
        QTest::addRow("different") << "felelet2 <> 'a'" << false;
        QTest::addRow("negative number") << "sorrend2 > -5" << true;
        QTest::addRow("text ordering") << "b > 'español'" << true;
    }
    void evaluates() {
        QFETCH(QString, condition);
        QFETCH(bool, expected);
        QCOMPARE(Criteria::parse(condition, test1Fields()).matches(row()), expected);
    }

    void refuses_data() {
        QTest::addColumn<QString>("condition");
        QTest::addColumn<QString>("mentions");
        QTest::addRow("empty") << ""
                               << "empty";
        QTest::addRow("only blanks") << "   "
                                     << "empty";
        QTest::addRow("unknown field") << "nivel = 1"
                                       << "nivel";
        QTest::addRow("number against a text field") << "kulcs1 = 1"
                                                     << "kulcs1";
        QTest::addRow("text against a number field") << "szint = '1'"
                                                     << "szint";
        QTest::addRow("missing literal") << "szint ="
                                         << "expected";
        QTest::addRow("missing operator") << "szint 1"
                                          << "operator";
        QTest::addRow("unclosed quote") << "a = 'ser"
                                        << "Unclosed";
        QTest::addRow("unclosed parenthesis") << "(szint = 1"
                                              << "parenthesis";
        QTest::addRow("dangling and") << "szint = 1 And"
                                      << "field";
        QTest::addRow("stray character") << "szint = 1; drop table test1"
                                         << "Unexpected";
        QTest::addRow("like is not a comparison") << "a Like 'se*'"
                                                  << "operator";
        QTest::addRow("trailing words") << "szint = 1 szint = 2"
                                        << "Unexpected";
        QTest::addRow("doubled equals is no operator") << "szint == 1"
                                                       << "operator";
        QTest::addRow("reversed at least") << "szint => 1"
                                           << "operator";
        QTest::addRow("not equal in C style") << "szint != 1"
                                              << "operator";
        QTest::addRow("three signs") << "szint <>= 1"
                                     << "operator";
        QTest::addRow("deep parentheses")
            << QString(20000, u'(') + "szint = 1" + QString(20000, u')') << "deeply";
        QTest::addRow("deep negation") << QString("not ").repeated(5000) + "szint = 1"
                                       << "deeply";
        QString chain = "szint = 1";
        for (int i = 0; i < 5000; ++i) chain += " and szint = 1";
        QTest::addRow("endless chain") << chain << "too many";
    }
    void refuses() {
        QFETCH(QString, condition);
        QFETCH(QString, mentions);
        try {
            Criteria::parse(condition, test1Fields());
            QFAIL("accepted");
        } catch (const StoreError& e) {
            QVERIFY2(e.message().contains(mentions, Qt::CaseInsensitive), qPrintable(e.message()));
        }
    }

    void nestingWithinTheLimitsIsAccepted() {
        const QString nested = QString(60, u'(') + "szint = 2" + QString(60, u')');
        QVERIFY(Criteria::parse(nested, test1Fields()).matches(row()));
        QString chain = "szint = 2";
        for (int i = 0; i < 200; ++i) chain += " and sorszam = 7";
        QVERIFY(Criteria::parse(chain, test1Fields()).matches(row()));
    }

    void emptyFieldsSatisfyNoComparison() {
        const Criteria c = Criteria::parse(QStringLiteral("kulcs2 = '9'"), test1Fields());
        QVERIFY(!c.matches(row(QVariant())));
        QVERIFY(Criteria::parse(QStringLiteral("not kulcs2 = '9'"), test1Fields()).matches(row(QVariant())));
    }

    void failedItemFieldsAreAllText() {
        const std::vector<QVariant> failed = {
            QStringLiteral("0"), QStringLiteral(" Hola"), {}, {}, {}, {}, {}, QStringLiteral("B")};
        QVERIFY(Criteria::parse(QStringLiteral("hiba = '0'"), hiba1Fields()).matches(failed));
        QVERIFY_THROWS_EXCEPTION(StoreError, Criteria::parse(QStringLiteral("hiba = 0"), hiba1Fields()));
        QVERIFY_THROWS_EXCEPTION(StoreError, Criteria::parse(QStringLiteral("szint = 1"), hiba1Fields()));
    }
};

QTEST_GUILESS_MAIN(CriteriaTest)
#include "test_criteria.moc"
