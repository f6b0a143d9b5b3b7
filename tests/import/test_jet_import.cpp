// Taking over the sample Jet file with plurquiz-import: every value arrives, names in any letter
// case are found, values outside our ranges and damaged files are refused with one line naming
// the file, and a refusal leaves nothing behind. A file whose failed-item log alone is damaged
// gives its sentences and a new, empty log, with one warning line.
#include <QCryptographicHash>
#include <QTemporaryDir>
#include <QtTest>

#include "import_tool.h"
#include "store/csv.h"
#include "store/schema.h"
#include "test_database.h"

namespace {

// mdb-export writes NULL as an empty field without quotes and text always in quotes, but
// parseCsv gives both as an empty string; this tells them apart by the raw text.
std::vector<std::vector<bool>> quotedFields(const QString& text) {
    std::vector<std::vector<bool>> records{{false}};
    bool inQuotes = false, atFieldStart = true;
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar ch = text[i];
        if (inQuotes) {
            if (ch == u'"' && i + 1 < text.size() && text[i + 1] == u'"')
                ++i;
            else if (ch == u'"')
                inQuotes = false;
        } else if (ch == u'"' && atFieldStart) {
            inQuotes = true;
            records.back().back() = true;
        } else if (ch == u',') {
            records.back().push_back(false);
        } else if (ch == u'\n') {
            records.push_back({false});
        }
        atFieldStart = !inQuotes && (ch == u',' || ch == u'\n');
    }
    return records;
}

// A table of the new database against the CSV that mdb-export made of the same table.
void compareWithExport(store::Database& db, const QString& table, const QString& csvPath) {
    const QString text = QString::fromUtf8(readAll(csvPath));
    const std::vector<store::CsvRecord> records = store::parseCsv(text);
    const std::vector<std::vector<bool>> quoted = quotedFields(text);
    QVERIFY(records.size() > 1);
    const QStringList header = records.front().fields;
    const store::Fields& fields = store::fieldsOf(table);
    QCOMPARE(header.size(), fields.count());
    const auto rows =
        tableRows(db, QStringLiteral("SELECT %1 FROM %2 ORDER BY rowid").arg(header.join(u','), table));
    QCOMPARE(rows.size(), records.size() - 1);
    for (size_t r = 1; r < records.size(); ++r) {
        for (int c = 0; c < header.size(); ++c) {
            const QString where = QStringLiteral("%1 row %2 field %3").arg(table).arg(r).arg(header[c]);
            const QString expected = records[r].fields[c];
            const QVariant actual = rows[r - 1][static_cast<size_t>(c)];
            const bool isNull = expected.isEmpty() && !quoted[r][static_cast<size_t>(c)];
            QVERIFY2(actual.isNull() == isNull, qPrintable(where));
            QVERIFY2(actual.toString() == expected,
                     qPrintable(where + ": " + actual.toString() + " != " + expected));
            if (!isNull &&
                fields.types[static_cast<size_t>(fields.indexOf(header[c]))] == store::FieldType::Integer)
                QVERIFY2(actual.typeId() == QMetaType::LongLong,
                         qPrintable(where + " is not stored as a number"));
        }
    }
}

QByteArray digest(const QString& path) {
    return QCryptographicHash::hash(readAll(path), QCryptographicHash::Sha256);
}

// The page of the sample that holds a byte pattern (the pattern must be there).
qsizetype pageOf(const QByteArray& bytes, const QByteArray& pattern) {
    const qsizetype at = bytes.indexOf(pattern);
    return at < 0 ? -1 : at / 4096;
}

QByteArray flipped(QByteArray bytes, qsizetype offset) {
    bytes[offset] = char(bytes[offset] ^ 0xff);
    return bytes;
}

// The page of hiba1's definition: its field names come after those of test1.
qsizetype logDefinitionPage(const QByteArray& bytes) {
    return bytes.lastIndexOf(ucs2("felelet2")) / 4096;
}

}  // namespace

class JetImportTest : public QObject {
    Q_OBJECT
    QTemporaryDir dir;
    QByteArray sample;
    int runs = 0;

    // A copy of the sample as it is or spoiled, imported into a fresh target beside it.
    struct Attempt {
        QString folder, source, target;
        ToolRun run;
    };
    Attempt attempt(const QByteArray& bytes) {
        Attempt a;
        a.folder = dir.filePath(QStringLiteral("run%1").arg(++runs));
        QDir().mkpath(a.folder);
        a.source = a.folder + QStringLiteral("/st_data.mdb");
        a.target = a.folder + QStringLiteral("/st_data.sqlite");
        if (!writeAll(a.source, bytes)) qWarning("cannot write %s", qPrintable(a.source));
        a.run = runTool({a.source, a.target});
        return a;
    }
    // A refusal: one line on standard error naming the file, a failure status, and nothing
    // written beside the source.
    static void verifyRefused(const Attempt& a) {
        QVERIFY2(!a.run.crashed(), "the import tool crashed");
        QVERIFY2(a.run.code == 1,
                 qPrintable(QStringLiteral("exit %1: %2").arg(a.run.code).arg(a.run.errText())));
        QVERIFY2(a.run.err.endsWith('\n') && a.run.err.count('\n') == 1, a.run.err.constData());
        QVERIFY2(a.run.errText().contains(a.source), a.run.err.constData());
        QVERIFY2(a.run.out.isEmpty(), a.run.out.constData());
        QCOMPARE(filesIn(a.folder), QStringList{QStringLiteral("st_data.mdb")});
    }
    static void verifyImported(const Attempt& a) {
        QVERIFY2(!a.run.crashed() && a.run.code == 0, a.run.err.constData());
        QVERIFY2(a.run.err.isEmpty() && a.run.out.isEmpty(), a.run.err.constData());
        QCOMPARE(filesIn(a.folder),
                 (QStringList{QStringLiteral("st_data.mdb"), QStringLiteral("st_data.sqlite")}));
        QVERIFY(store::Database::check(a.target).ok());
    }

    // The sentences arrived whole; the log holds the placeholder alone; one warning line said so.
    void verifyLogStartedEmpty(const Attempt& a) {
        QVERIFY2(!a.run.crashed() && a.run.code == 0, a.run.err.constData());
        QVERIFY2(a.run.out.isEmpty(), a.run.out.constData());
        QVERIFY2(a.run.err.endsWith('\n') && a.run.err.count('\n') == 1, a.run.err.constData());
        QVERIFY2(a.run.errText().startsWith(a.source + QStringLiteral(": warning: ")) &&
                     a.run.errText().contains(QStringLiteral("empty failed-item log")),
                 a.run.err.constData());
        QCOMPARE(filesIn(a.folder),
                 (QStringList{QStringLiteral("st_data.mdb"), QStringLiteral("st_data.sqlite")}));
        QVERIFY(store::Database::check(a.target).ok());
        store::Database db(a.target);
        compareWithExport(db, QStringLiteral("test1"),
                          fixturePath(QStringLiteral("st_data_sample_test1.csv")));
        const auto log = tableRows(db, QStringLiteral("SELECT * FROM hiba1"));
        QCOMPARE(log.size(), size_t(1));
        QCOMPARE(log[0][0].toString(), QStringLiteral("0"));
    }

    // The import succeeded and both tables equal the sample's exports field by field.
    void verifyMatchesSample(const Attempt& a) {
        verifyImported(a);
        store::Database db(a.target);
        compareWithExport(db, QStringLiteral("test1"),
                          fixturePath(QStringLiteral("st_data_sample_test1.csv")));
        compareWithExport(db, QStringLiteral("hiba1"),
                          fixturePath(QStringLiteral("st_data_sample_hiba1.csv")));
        // The history of test runs starts empty: the old program kept none.
        const auto history = tableRows(
            db,
            QStringLiteral("SELECT (SELECT count(*) FROM test_runs) + (SELECT count(*) FROM test_answers)"));
        QCOMPARE(history.at(0).at(0).toInt(), 0);
        QCOMPARE(sentencesWithoutIdentity(db), 0);
    }

private slots:
    void initTestCase() {
        QVERIFY(dir.isValid());
        QVERIFY2(QFileInfo(toolPath()).isExecutable(), qPrintable(toolPath()));
        SKIP_WITHOUT_SAMPLE();
        sample = readAll(sampleMdb());
        QCOMPARE(sample.size(), 143360);
    }

    void sampleArrivesFieldByField() {
        const QByteArray before = digest(sampleMdb());
        const Attempt a = attempt(sample);
        verifyMatchesSample(a);
        QCOMPARE(digest(a.source), before);
    }

    void existingTargetIsLeftAlone() {
        const Attempt first = attempt(sample);
        verifyImported(first);
        const QByteArray before = digest(first.target);
        const ToolRun again = runTool({first.source, first.target});
        QCOMPARE(again.code, 1);
        QVERIFY2(again.errText().contains(first.target) && again.err.count('\n') == 1, again.err.constData());
        QCOMPARE(digest(first.target), before);
    }

    void targetThatCannotBeWrittenIsNamed() {
        const Attempt a = attempt(sample);
        const QString target = a.folder + QStringLiteral("/no such folder/st_data.sqlite");
        const ToolRun run = runTool({a.source, target});
        QCOMPARE(run.code, 1);
        QVERIFY2(run.errText().startsWith(target) && run.err.count('\n') == 1, run.err.constData());
        QCOMPARE(filesIn(a.folder),
                 (QStringList{QStringLiteral("st_data.mdb"), QStringLiteral("st_data.sqlite")}));
    }

    void damagedCopiesAreRefused_data() {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QString>("reason");
        const qsizetype catalogPage = 2;  // the table list's definition, where the format puts it
        const qsizetype test1Page = pageOf(sample, ucs2("sorszam"));
        const qsizetype rowsPage = pageOf(sample, numberFields(1, 1, 2490, 1));
        QVERIFY(test1Page > catalogPage && rowsPage > test1Page);
        QTest::addRow("empty file") << QByteArray() << "is empty";
        QTest::addRow("a text file") << QByteArray("sorszam,szint\n1,2\n") << "too short";
        QTest::addRow("cut in the middle of a page") << sample.left(sample.size() - 100) << "cut short";
        QTest::addRow("test1 rows cut off") << sample.left(rowsPage * 4096) << "test1";
        QTest::addRow("signature byte flipped") << flipped(sample, 4) << "not a Jet database";
        QTest::addRow("Access 2007 signature")
            << patched(sample, "Standard Jet DB", "Standard ACE DB") << "2007";
        QTest::addRow("unknown format version") << flipped(sample, 0x14) << "Jet 3 or Jet 4";
        QTest::addRow("table list page flipped") << flipped(sample, catalogPage * 4096) << "list of tables";
        QTest::addRow("test1 definition page flipped") << flipped(sample, test1Page * 4096) << "test1";
        QTest::addRow("test1 rows page flipped") << flipped(sample, rowsPage * 4096) << "test1";
        QTest::addRow("zeros after the first page")
            << sample.left(4096) + QByteArray(sample.size() - 4096, '\0') << "list of tables";
    }
    void damagedCopiesAreRefused() {
        QFETCH(QByteArray, bytes);
        QFETCH(QString, reason);
        const Attempt a = attempt(bytes);
        verifyRefused(a);
        QVERIFY2(a.run.errText().contains(reason), a.run.err.constData());
    }

    void damagedLogAloneStartsEmpty_data() {
        QTest::addColumn<QByteArray>("bytes");
        const qsizetype definition = logDefinitionPage(sample);
        QVERIFY(definition > pageOf(sample, ucs2("sorszam")));
        QTest::addRow("last page missing") << sample.left(sample.size() - 4096);
        QTest::addRow("log definition page flipped") << flipped(sample, definition * 4096);
        QTest::addRow("cut before the log's definition") << sample.left(definition * 4096);
    }
    void damagedLogAloneStartsEmpty() {
        QFETCH(QByteArray, bytes);
        verifyLogStartedEmpty(attempt(bytes));
    }

    // Whatever page the copy ends on, rows are lost and the import must notice: it refuses, or,
    // where only the failed-item log was lost, gives every sentence and says the log starts empty.
    void everyCutIsRefusedOrKeepsEverySentence() {
        int refused = 0;
        for (qsizetype size = 0; size < sample.size(); size += 2048) {
            const Attempt a = attempt(sample.left(size));
            if (a.run.code == 0) {
                verifyLogStartedEmpty(a);
            } else {
                ++refused;
                verifyRefused(a);
            }
            if (QTest::currentTestFailed()) qWarning("cut at %lld bytes", static_cast<long long>(size));
        }
        QVERIFY(refused > 50);
    }

    // A flipped byte in a text is a different text, not damage the import can see; anywhere else
    // it may be. Either way: no crash, and an import that is whole or nothing.
    void flippedBytesNeverCrashOrLeaveHalfAnImport() {
        int refused = 0;
        for (qsizetype offset = 0; offset < sample.size(); offset += 499) {
            const Attempt a = attempt(flipped(sample, offset));
            if (a.run.crashed() || a.run.code != 0) {
                ++refused;
                verifyRefused(a);
            } else if (!a.run.err.isEmpty()) {
                QVERIFY2(a.run.errText().contains(QStringLiteral("empty failed-item log")),
                         a.run.err.constData());
                store::Database db(a.target);
                QCOMPARE(tableRows(db, QStringLiteral("SELECT count(*) FROM hiba1"))[0][0].toInt(), 1);
            } else {
                verifyImported(a);
            }
            if (QTest::currentTestFailed()) qWarning("byte %lld flipped", static_cast<long long>(offset));
            QDir(a.folder).removeRecursively();
        }
        qInfo("%d of %lld flipped copies refused", refused, static_cast<long long>(sample.size() / 499 + 1));
    }

    void namesInAnyLetterCaseAreFound_data() {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addRow("TEST1") << patched(sample, ucs2("test1"), ucs2("TEST1"));
        QTest::addRow("Hiba1") << patched(sample, ucs2("hiba1"), ucs2("Hiba1"));
        QTest::addRow("SorSzam and SZINT")
            << patched(patched(sample, ucs2("sorszam"), ucs2("SorSzam")), ucs2("szint"), ucs2("SZINT"));
    }
    void namesInAnyLetterCaseAreFound() {
        QFETCH(QByteArray, bytes);
        const Attempt a = attempt(bytes);
        verifyMatchesSample(a);
    }

    void fileWithoutTest1IsRefused() {
        const Attempt a = attempt(patched(sample, ucs2("test1"), ucs2("tost1")));
        verifyRefused(a);
        QVERIFY2(a.run.errText().contains(QStringLiteral("no table test1")), a.run.err.constData());
    }

    void fileWithoutHiba1GetsThePlaceholder() {
        const Attempt a = attempt(patched(sample, ucs2("hiba1"), ucs2("hibaX")));
        verifyImported(a);
        store::Database db(a.target);
        const auto rows = tableRows(db, QStringLiteral("SELECT * FROM hiba1"));
        QCOMPARE(rows.size(), size_t(1));
        QCOMPARE(rows[0][0].toString(), QStringLiteral("0"));
    }

    void valuesOutsideOurRangesAreRefused_data() {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QString>("where");
        const QByteArray row1 = numberFields(1, 1, 2490, 1), row2 = numberFields(2, 2, 1383, 1);
        QTest::addRow("serial number 0")
            << patched(sample, row1, numberFields(0, 1, 2490, 1)) << "row 1, field sorszam";
        QTest::addRow("negative serial number")
            << patched(sample, row1, numberFields(-5, 1, 2490, 1)) << "row 1, field sorszam";
        QTest::addRow("serial number repeated")
            << patched(sample, row2, numberFields(1, 2, 1383, 1)) << "row 2, field sorszam";
        QTest::addRow("level 4") << patched(sample, row2, numberFields(2, 2, 1383, 4))
                                 << "row 2, field szint";
        QTest::addRow("level 0") << patched(sample, row2, numberFields(2, 2, 1383, 0))
                                 << "row 2, field szint";
    }
    void valuesOutsideOurRangesAreRefused() {
        QFETCH(QByteArray, bytes);
        QFETCH(QString, where);
        const Attempt a = attempt(bytes);
        verifyRefused(a);
        QVERIFY2(a.run.errText().contains(QStringLiteral("table test1, ") + where), a.run.err.constData());
    }

    void unusualButLegalValuesArriveAsTheyAre() {
        const QByteArray gap = patched(sample, numberFields(40, 40, 1534, 3), numberFields(300, 40, 1534, 3));
        const Attempt a = attempt(patched(gap, numberFields(1, 1, 2490, 1), numberFields(1, 1, -7, 1)));
        verifyImported(a);
        store::Database db(a.target);
        const auto rows = tableRows(db, QStringLiteral("SELECT sorszam, sorrend, sorrend2 FROM test1 "
                                                       "WHERE sorszam IN (1, 300) ORDER BY sorszam"));
        QCOMPARE(rows.size(), size_t(2));
        QCOMPARE(rows[0][2].toInt(), -7);
        QCOMPARE(rows[1][0].toInt(), 300);
        QCOMPARE(rows[1][1].toInt(), 40);
    }
};

QTEST_GUILESS_MAIN(JetImportTest)
#include "test_jet_import.moc"
