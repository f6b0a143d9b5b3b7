// The built-in teaching material: the mechanical rules every sentence keeps, the editorial checks
// (near-duplicates, reordered options, give-aways), its spread over topics, levels and right
// letters, and what a new database made from it selects. Prints the distribution.
#include <QtTest>

#include "material_checks.h"
#include "store/criteria.h"
#include "store/material.h"
#include "store/run_settings.h"
#include "store/snapshot.h"
#include "store/topics.h"
#include "test_database.h"
#include "text/ui_text.h"

using namespace store;

namespace {
enum Col { Sorszam, Szint, Kulcs1, Kulcs2, Mondat, A, B, C, D, Felelet1, Felelet2 };
QString field(const MaterialRow& r, int col) {
    return r.values[static_cast<size_t>(col)].toString();
}
// A test1 row in field order, for the condition language.
std::vector<QVariant> asTest1(const MaterialRow& r) {
    const auto& v = r.values;
    return {v[Sorszam], v[Sorszam], 1,    v[Szint], v[Kulcs1],   v[Kulcs2],  v[Mondat],
            v[A],       v[B],       v[C], v[D],     v[Felelet1], v[Felelet2]};
}
// A planted row written "serial|kulcs1|kulcs2|sentence|a|b|c|d|right letter".
materialcheck::Item planted(const QString& line) {
    const QStringList f = line.split(u'|');
    materialcheck::Item item{
        f[0].toInt(), 0, f[1], f[2], f[3], {f[4], f[5], f[6], f[7]}, f[8][0].unicode() - u'A'};
    return item;
}
// A test1 row of an item, for the topics' conditions (they read the codes only).
std::vector<QVariant> asTest1(const materialcheck::Item& i) {
    const auto& f = i.fillers;
    return {i.serial, i.serial, 1, i.level, i.kulcs1, i.kulcs2, i.sentence, f[0], f[1], f[2], f[3], {}, {}};
}
QStringList keysOf(const std::vector<materialcheck::Finding>& findings) {
    QStringList keys;
    for (const auto& f : findings) keys << f.key();
    return keys;
}
std::vector<materialcheck::Finding> allFindings(const std::vector<materialcheck::Item>& items) {
    std::vector<materialcheck::Finding> all = materialcheck::nearDuplicates(items);
    for (auto&& more : {materialcheck::reorderedOptions(items), materialcheck::giveAways(items),
                        materialcheck::crossGiveAways(items)})
        all.insert(all.end(), more.begin(), more.end());
    return all;
}
}  // namespace

class MaterialTest : public QObject {
    Q_OBJECT
    MaterialRead material;

private slots:
    void initTestCase() {
        material = builtInMaterial();
        QVERIFY2(material.ok(), qPrintable(material.problems.join(QLatin1Char('\n'))));
    }

    void serialNumbersRunWithoutGaps() {
        QVERIFY2(material.rows.size() >= 550, qPrintable(QString::number(material.rows.size())));
        for (size_t i = 0; i < material.rows.size(); ++i)
            QCOMPARE(material.rows[i].values[Sorszam].toInt(), int(i) + 1);
    }

    // The rules themselves are the ones the import tool applies (materialRowProblems); here they
    // must hold for every built-in row, which initTestCase has read through them.
    void everySentenceKeepsTheRules() {
        QCOMPARE(material.problems, QStringList());
        qInfo("%zu sentences", material.rows.size());
    }

    void editorialChecksCatchPlantedRows_data() {
        QTest::addColumn<QStringList>("rows");
        QTest::addColumn<QStringList>("expected");
        const QString dup = QStringLiteral("near-duplicate 1/2");
        QTest::newRow("copied sentence, one word changed")
            << QStringList{"1|a|2|Mi piso es ... grande que el tuyo y tiene dos balcones.|tan|más|muy|mucho|B",
                           "2|a|2|Mi piso es ... grande como el tuyo y tiene dos balcones.|tan|más|muy|mucho|A"}
            << QStringList{dup};
        QTest::newRow("same lexical answer among the same options")
            << QStringList{"1|3|0|La paella estaba ...; repetí dos veces.|ricísima|riquísima|riquísimo|muy riquísima|B",
                           "2|3|0|Esta tarta está ...: ¿me das la receta?|riquísima|ricísima|muy riquísima|riquísimo|A"}
            << QStringList{dup};
        QTest::newRow("longer answer holds the shorter one")
            << QStringList{"1|a|1|Es ...: nos conocemos desde niños.|un amigo viejo|viejo un amigo|un viejo amigo|amigo un viejo|C",
                           "2|a|1|Luis es un ... mío del colegio.|amigo viejo|vieja amigo|viejos amigo|viejo amigo|D"}
            << QStringList{dup};
        QTest::newRow("same collocation, other forms of the verb")
            << QStringList{"1|9|0|Los sábados me gusta ... un paseo por el río.|hacer|tomar|ir|dar|D",
                           "2|1|7|Mis tíos siempre ... un paseo por la playa.|toman|dan|tienen|juegan|B"}
            << QStringList{dup};
        QTest::newRow("same grammar point in other words")
            << QStringList{"1|1|1|Mis padres ... en la cocina.|es|están|hay|son|B",
                           "2|1|1|¿Dónde ... las tijeras?|hay|están|es|son|B"}
            << QStringList{};
        QTest::newRow("same words after the gap, unrelated fillers")
            << QStringList{"1|1|3|Si tuviera coche, te ... a casa.|lleve|llevaste|llevaría|llevaré|C",
                           "2|1|8|Al ... a casa, encontré un paquete.|llegar|llegando|llegado|llegue|A"}
            << QStringList{};
        QTest::newRow("an accent makes another answer")
            << QStringList{"1|4|0|... los cocineros más expertos se queman.|Aún|Ya|Todavía|Aun|D",
                           "2|4|0|No ha llegado ... el paquete.|aun|aún|ya|también|B"}
            << QStringList{};
        QTest::newRow("reordered answer outside the word-order topic")
            << QStringList{"1|7|0|Esa carta es privada: no ... sin permiso.|ábrela|la abras|la abres|abras la|B"}
            << QStringList{QStringLiteral("reordering 1")};
        QTest::newRow("reordered answer in the word-order topic")
            << QStringList{"1|a|1|Esa carta es privada: no ... sin permiso.|ábrela|la abras|la abres|abras la|B"}
            << QStringList{};
        QTest::newRow("right word stands in the sentence")
            << QStringList{"1|3|0|Esta sopa está ...; la otra también está riquísima.|riquísima|ricísima|rica|muy rica|A"}
            << QStringList{QStringLiteral("give-away 1")};
        QTest::newRow("correlative gives itself away")
            << QStringList{"1|6|0|No como ... carne ni pescado.|o|y|ni|no|C"}
            << QStringList{QStringLiteral("give-away 1")};
        QTest::newRow("common preposition elsewhere, word inside a longer word")
            << QStringList{"1|8|0|Saco ... mi perro a pasear.|con|a|de|por|B",
                           "2|1|1|Mi padre ... profesor en una escuela.|está|es|hay|son|B"}
            << QStringList{};
        QTest::newRow("another row shows the answer between its neighbours")
            << QStringList{"1|5|0|Tengo ... hambre; ¿comemos ya?|mucho|muy|muchas|mucha|D",
                           "2|7|0|No he comido ... hoy y tengo mucha hambre.|algo|nadie|ningún|nada|D"}
            << QStringList{QStringLiteral("give-away 1/2")};
        QTest::newRow("another row shows the answer after a gap at the start")
            << QStringList{"1|8|0|... pesar del mal tiempo, salimos de excursión.|En|Con|A|Por|C",
                           "2|1|6|A pesar de la lluvia, los niños ... jugando.|siguen|están|llevan|van|A"}
            << QStringList{QStringLiteral("give-away 1/2")};
        QTest::newRow("the answer in another row's gap, or next to one of its neighbours only")
            << QStringList{"1|5|0|Tengo ... sed: ¿hay agua fría?|mucho|muy|muchas|mucha|D",
                           "2|5|0|Los niños tienen ... hambre después del partido.|mucho|muy|muchas|mucha|D",
                           "3|1|7|En Burgos ... mucho frío por las noches.|tiene|es|está|hace|D",
                           "4|1|2|¿Te ... abrir? Hace mucho "
                           "calor.|importaría|importará|importarías|importó|A"}
            << QStringList{};
    }

    void editorialChecksCatchPlantedRows() {
        QFETCH(QStringList, rows);
        QFETCH(QStringList, expected);
        std::vector<materialcheck::Item> items;
        for (const QString& line : rows) items.push_back(planted(line));
        QCOMPARE(keysOf(allFindings(items)), expected);
    }

    // Lists every offending row, not only the first, so one run gives the whole worklist.
    void materialPassesTheEditorialChecks() {
        std::vector<materialcheck::Item> items;
        for (const MaterialRow& r : material.rows) items.push_back(materialcheck::itemOf(r));
        const auto findings = allFindings(items);
        QMap<QString, int> kinds;
        for (const auto& f : findings) {
            qInfo("%s", qPrintable(f.text()));
            ++kinds[f.kind];
        }
        QStringList counts;
        for (auto it = kinds.begin(); it != kinds.end(); ++it)
            counts << QStringLiteral("%1 %2").arg(it.value()).arg(it.key());
        QVERIFY2(findings.empty(),
                 qPrintable(counts.join(QStringLiteral(", ")) + QStringLiteral(" (listed above)")));
    }

    // Two topics and a minimum of one sentence a cell; rows written "level kulcs1 letter".
    void spreadChecksCatchPlantedRows_data() {
        QTest::addColumn<QString>("rows");
        QTest::addColumn<QStringList>("expected");
        QTest::newRow("every cell filled, letters even in each level")
            << "1 1 A,1 2 B,1 1 C,1 2 D,2 1 B,2 2 A,2 1 D,2 2 C,3 2 C,3 1 D,3 2 A,3 1 B" << QStringList{};
        QTest::newRow("a topic missing from a level; letters even overall, not within levels")
            << "1 1 A,1 2 B,1 1 C,1 2 D,2 1 A,2 1 A,2 1 C,2 1 D,3 2 B,3 1 B,3 2 C,3 1 D"
            << QStringList{"thin cell nouns level 2", "uneven letters level 2 A", "uneven letters level 2 B",
                           "uneven letters level 3 A", "uneven letters level 3 B"};
    }
    void spreadChecksCatchPlantedRows() {
        QFETCH(QString, rows);
        QFETCH(QStringList, expected);
        std::vector<materialcheck::Item> items;
        for (const QString& row : rows.split(u',')) {
            const QStringList f = row.split(u' ');
            materialcheck::Item item;
            item.serial = int(items.size()) + 1;
            item.level = f[0].toInt();
            item.kulcs1 = f[1];
            item.right = f[2][0].unicode() - u'A';
            items.push_back(item);
        }
        const auto topic = [](const char* name, const char* kulcs1) {
            return materialcheck::TopicFilter{
                QString::fromLatin1(name),
                [kulcs1](const materialcheck::Item& i) { return i.kulcs1 == QLatin1String(kulcs1); }};
        };
        auto found = materialcheck::thinCells(items, {topic("verbs", "1"), topic("nouns", "2")}, 1);
        const auto letters = materialcheck::unevenLetters(items, 0.2, 0.3);
        found.insert(found.end(), letters.begin(), letters.end());
        QCOMPARE(keysOf(found), expected);
    }

    void topicsLevelsAndLettersAreSpread() {
        QMap<QString, int> letters;
        QMap<int, int> levels;
        for (const MaterialRow& r : material.rows) {
            ++letters[field(r, Felelet2)];
            ++levels[r.values[Szint].toInt()];
        }
        const double n = material.rows.size();
        for (auto it = letters.begin(); it != letters.end(); ++it)
            qInfo("right letter %s: %d (%.1f %%)", qPrintable(it.key()), it.value(), 100 * it.value() / n);
        const double expected[] = {0, 0.40, 0.35, 0.25};
        for (int level = 1; level <= 3; ++level) {
            qInfo("level %d: %d (%.1f %%)", level, levels[level], 100 * levels[level] / n);
            QVERIFY(qAbs(levels[level] / n - expected[level]) < 0.05);
        }

        std::vector<materialcheck::Item> items;
        for (const MaterialRow& r : material.rows) items.push_back(materialcheck::itemOf(r));
        std::vector<materialcheck::TopicFilter> topics;
        for (size_t i = 0; i < kTopics.size(); ++i) {
            const Criteria c = Criteria::parse(QString::fromLatin1(kTopics[i].criterion), test1Fields());
            const QString name = text::uiText(kTopics[i].key, text::English).remove(u'&');
            topics.push_back({QStringLiteral("%1 %2").arg(i).arg(name),
                              [c](const materialcheck::Item& item) { return c.matches(asTest1(item)); }});
            const auto count = std::count_if(items.begin(), items.end(), topics.back().holds);
            qInfo("topic %2zu %-38s %3lld sentences", i, qPrintable(name), qlonglong(count));
            if (i == 0) QVERIFY(count / n > 0.28 && count / n < 0.40);  // verbs: about a third
        }
        // Every topic deep enough at every level for daily practice, and no level that a learner
        // could answer by leaning on one letter.
        auto found = materialcheck::thinCells(items, topics, 15);
        const auto uneven = materialcheck::unevenLetters(items, 0.2, 0.3);
        found.insert(found.end(), uneven.begin(), uneven.end());
        for (const auto& f : found) qInfo("%s", qPrintable(f.text()));
        QVERIFY2(found.empty(),
                 qPrintable(QStringLiteral("%1 spread findings (listed above)").arg(found.size())));

        int special = 0;
        const Criteria s = Criteria::parse(QString::fromLatin1(kSpecialCriterion), test1Fields());
        for (const MaterialRow& r : material.rows) special += s.matches(asTest1(r));
        qInfo("special group (kulcs2 '9'): %d", special);
        QVERIFY(special >= 10 && special <= 40);
    }

    // One reading of a sentence's codes serves the database window (as filed, exactly) and every
    // summary (a verb of an unlisted subtopic counting with the verbs).
    void topicCodesNameOneTopic_data() {
        QTest::addColumn<QString>("kulcs1");
        QTest::addColumn<QString>("kulcs2");
        QTest::addColumn<int>("filedAs");
        QTest::addColumn<int>("countsAs");
        QTest::addRow("every verb") << "1"
                                    << "0" << 0 << 0;
        QTest::addRow("a verb subtopic") << "1"
                                         << "8" << 5 << 5;
        QTest::addRow("a verb of an unlisted subtopic") << "1"
                                                        << "5" << -1 << 0;
        QTest::addRow("a main topic, any subtopic") << "2"
                                                    << "7" << 8 << 8;
        QTest::addRow("a lettered subtopic") << "a"
                                             << "1" << 17 << 17;
        QTest::addRow("an unlisted lettered subtopic") << "a"
                                                       << "3" << -1 << -1;
        QTest::addRow("filed with its letter case, summed up without") << "A"
                                                                       << "1" << -1 << 17;
        QTest::addRow("no codes") << ""
                                  << "" << -1 << -1;
    }
    void topicCodesNameOneTopic() {
        QFETCH(QString, kulcs1);
        QFETCH(QString, kulcs2);
        QFETCH(int, filedAs);
        QFETCH(int, countsAs);
        const auto index = [](std::optional<size_t> t) { return t ? static_cast<int>(*t) : -1; };
        QCOMPARE(index(topicFiledAs(kulcs1, kulcs2)), filedAs);
        QCOMPARE(index(topicOf(kulcs1, kulcs2)), countsAs);
    }

    void aNewDatabaseSelectsEveryTopicAndLevel() {
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("st_data.sqlite"));
        base::RandomSource random(9);
        createDatabaseFile(path, material.rows, random);
        Database db(path);
        Snapshot all = Snapshot::ofTable(db, QStringLiteral("Test1"));
        QCOMPARE(all.recordCount(), int(material.rows.size()));
        QCOMPARE(sentencesWithoutIdentity(db), 0);
        all.setSort(QStringLiteral("sorrend2"));
        Snapshot sorted = all.copy();
        for (const Topic& t : kTopics) {
            sorted.setFilter(QString::fromLatin1(t.criterion));
            QVERIFY(sorted.copy().recordCount() >= 15);
        }
        int levels = 0;
        for (int i = 0; i < 3; ++i) {
            sorted.setFilter(QString::fromLatin1(kLevels[size_t(i)].criterion));
            levels += sorted.copy().recordCount();
        }
        QCOMPARE(levels, int(material.rows.size()));
        // The shuffled order spreads over 1-3000: each of the eleven starting points finds a sentence.
        for (int item = 0; item < int(kStartingPoints.size()); ++item) {
            sorted.moveFirst();
            sorted.findNext(startingPointCriterion(item));
            QVERIFY(!sorted.noMatch());
        }
    }

    void eachBrokenRuleIsNamedByLineAndField_data() {
        QTest::addColumn<QString>("row");
        QTest::addColumn<QString>("problem");
        QTest::addColumn<int>("count");
        QTest::addRow("serial number in words") << "x,1,1,0,Dos ...,a,b,c,d,Dos a,A"
                                                << "line 3, field sorszam" << 1;
        QTest::addRow("serial number 0") << "0,1,1,0,Dos ...,a,b,c,d,Dos a,A"
                                         << "line 3, field sorszam" << 1;
        QTest::addRow("serial number repeated") << "1,1,1,0,Dos ...,a,b,c,d,Dos a,A"
                                                << "line 3, field sorszam" << 1;
        QTest::addRow("level in words") << "2,tres,1,0,Dos ...,a,b,c,d,Dos a,A"
                                        << "line 3, field szint" << 1;
        QTest::addRow("level 4") << "2,4,1,0,Dos ...,a,b,c,d,Dos a,A"
                                 << "line 3, field szint" << 1;
        QTest::addRow("level 0") << "2,0,1,0,Dos ...,a,b,c,d,Dos a,A"
                                 << "line 3, field szint" << 1;
        QTest::addRow("no level") << "2,,1,0,Dos ...,a,b,c,d,Dos a,A"
                                  << "line 3, field szint" << 1;
        QTest::addRow("topic of two characters") << "2,1,12,0,Dos ...,a,b,c,d,Dos a,A"
                                                 << "line 3, field kulcs1" << 1;
        QTest::addRow("no subtopic") << "2,1,1,,Dos ...,a,b,c,d,Dos a,A"
                                     << "line 3, field kulcs2" << 1;
        QTest::addRow("no gap") << "2,1,1,0,Dos,a,b,c,d,Dos,A"
                                << "line 3, field mondat" << 1;
        QTest::addRow("empty sentence") << "2,1,1,0,,a,b,c,d,a,A"
                                        << "line 3, field mondat" << 1;
        QTest::addRow("two gaps") << "2,1,1,0,Dos ... y ...,a,b,c,d,Dos a y a,A"
                                  << "line 3, field mondat" << 1;
        QTest::addRow("ellipsis character") << "2,1,1,0,Dos …,a,b,c,d,Dos a,A"
                                            << "line 3, field mondat" << 1;
        QTest::addRow("sentence repeated") << "2,1,1,0,Uno ...,a,b,c,d,Uno a,A"
                                           << "line 3, field mondat" << 1;
        QTest::addRow("empty filler") << "2,1,1,0,Dos ...,a,,c,d,Dos a,A"
                                      << "line 3, field b" << 1;
        QTest::addRow("filler with a blank") << "2,1,1,0,Dos ...,a,b ,c,d,Dos a,A"
                                             << "line 3, field b" << 1;
        QTest::addRow("two fillers equal") << "2,1,1,0,Dos ...,a,b,c,a,Dos a,A"
                                           << "line 3, field d" << 1;
        QTest::addRow("four fillers equal") << "2,1,1,0,Dos ...,a,a,a,a,Dos a,A"
                                            << "line 3, field b" << 3;
        QTest::addRow("lower-case letter") << "2,1,1,0,Dos ...,a,b,c,d,Dos b,b"
                                           << "line 3, field felelet2" << 1;
        QTest::addRow("letter E") << "2,1,1,0,Dos ...,a,b,c,d,Dos a,E"
                                  << "line 3, field felelet2" << 1;
        QTest::addRow("no letter") << "2,1,1,0,Dos ...,a,b,c,d,Dos a,"
                                   << "line 3, field felelet2" << 1;
        QTest::addRow("solution with another filler") << "2,1,1,0,Dos ...,a,b,c,d,Dos b,A"
                                                      << "line 3, field felelet1" << 1;
        QTest::addRow("no solution") << "2,1,1,0,Dos ...,a,b,c,d,,A"
                                     << "line 3, field felelet1" << 1;
        QTest::addRow("text after the solution") << "2,1,1,0,Dos ...,a,b,c,d,\"Dos a, dos\",A"
                                                 << "line 3, field felelet1" << 1;
        QTest::addRow("wrong code page") << "2,1,1,0,EspaÃ±a ...,a,b,c,d,EspaÃ±a a,A"
                                         << "line 3, field mondat" << 1;
        QTest::addRow("replacement character") << "2,1,1,0,Dos ...,\uFFFD,b,c,d,Dos \uFFFD,A"
                                               << "line 3, field a" << 1;
        QTest::addRow("too few fields") << "2,1,1,0,Dos"
                                        << "line 3: 5 fields instead of 11" << 1;
    }
    void eachBrokenRuleIsNamedByLineAndField() {
        QFETCH(QString, row);
        QFETCH(QString, problem);
        QFETCH(int, count);
        const QString header = materialColumns().join(u',');
        const QString good = QStringLiteral("1,1,1,0,Uno ...,a,b,c,d,Uno a — un número,A");
        const MaterialRead read = readMaterialCsv(header + u'\n' + good + u'\n' + row + u'\n');
        QCOMPARE(read.rows.size(), size_t(1));
        QCOMPARE(read.rows[0].line, 2);
        QCOMPARE(read.problems.size(), count);
        QVERIFY2(read.problems[0].startsWith(problem), qPrintable(read.problems[0]));
    }

    void spreadOrderCoversTheRangeEvenly() {
        base::RandomSource random(4);
        std::vector<int> values = spreadOrder(550, random);
        std::sort(values.begin(), values.end());
        QVERIFY(values.front() >= 1 && values.back() <= 3000);
        for (size_t i = 1; i < values.size(); ++i) QVERIFY(values[i] - values[i - 1] <= 6);
    }
};

QTEST_GUILESS_MAIN(MaterialTest)
#include "test_material.moc"
