// First start beside an old st_data.mdb: the program's set-up runs plurquiz-import as a process
// (through the program's own importer) and uses what it made, or reports the failure and makes
// nothing; without an importer it makes nothing either. A damaged failed-item log alone costs
// the log, not the sentences, and the launcher says so once.
#include <QTemporaryDir>
#include <QtTest>

#include "app/database_setup.h"
#include "app_fixture.h"
#include "import_tool.h"
#include "qtui/legacy_import_process.h"
#include "text/ui_text.h"

class StartupImportTest : public QObject {
    Q_OBJECT

    // A program folder holding nothing but an old database file with these bytes.
    struct ProgramFolder {
        QTemporaryDir dir;
        QString folder = dir.path() + QLatin1Char('/');
        QString mdb = folder + QStringLiteral("st_data.mdb");
        QString sqlite = folder + QStringLiteral("st_data.sqlite");
        explicit ProgramFolder(const QByteArray& bytes) { writeAll(mdb, bytes); }
    };

    const app::LegacyImporter importer = qtui::importerWithProgress(toolPath());

    app::SetupOutcome setUp(const ProgramFolder& program) {
        return app::setUpDatabase(program.sqlite, program.folder, text::English, importer);
    }

private slots:
    void initTestCase() { QVERIFY2(QFileInfo(toolPath()).isExecutable(), qPrintable(toolPath())); }

    void oldFileBecomesTheDatabase() {
        SKIP_WITHOUT_SAMPLE();
        const QByteArray sample = readAll(sampleMdb());
        ProgramFolder program(sample);
        const app::SetupOutcome outcome = setUp(program);
        QVERIFY2(outcome.ok(), qPrintable(outcome.message(text::English)));
        QCOMPARE(outcome.path, program.sqlite);
        store::Database db(program.sqlite);
        // The sample's own 40 sentences, not the built-in material.
        QCOMPARE(tableRows(db, QStringLiteral("SELECT count(*) FROM test1"))[0][0].toInt(), 40);
        QCOMPARE(tableRows(db, QStringLiteral("SELECT mondat FROM test1 WHERE sorszam = 1"))[0][0].toString(),
                 QStringLiteral("Madrid ... la capital de España."));
        QCOMPARE(readAll(program.mdb), sample);
    }

    void damagedOldFileIsReportedAndNothingMade_data() {
        QTest::addColumn<QByteArray>("bytes");
        const QByteArray sample = readAll(sampleMdb());
        QTest::addRow("cut short") << sample.left(20 * 4096);
        QTest::addRow("not a Jet file") << QByteArray(8192, 'x');
    }
    void damagedOldFileIsReportedAndNothingMade() {
        QFETCH(QByteArray, bytes);
        ProgramFolder program(bytes);
        const app::SetupOutcome outcome = setUp(program);
        QVERIFY(!outcome.ok());
        QCOMPARE(outcome.import, app::SetupOutcome::Import::Failed);
        QVERIFY2(outcome.detail.contains(program.mdb), qPrintable(outcome.detail));
        QVERIFY2(outcome.message(text::English).contains(outcome.detail),
                 qPrintable(outcome.message(text::English)));
        QCOMPARE(filesIn(program.folder), QStringList{QStringLiteral("st_data.mdb")});
        QCOMPARE(readAll(program.mdb), bytes);
    }

    void damagedLogIsStartedEmptyAndTheLauncherSaysSo() {
        SKIP_WITHOUT_SAMPLE();
        const QByteArray sample = readAll(sampleMdb());
        const QByteArray damaged = sample.left(sample.size() - 4096);  // the page that holds the log's rows
        AppFixture f(importer);
        const QString mdb = f.dir.filePath(QStringLiteral("st_data.mdb"));
        writeAll(mdb, damaged);
        f.startInLanguage("Command6");
        QCOMPARE(f.platform.messages.size(), size_t(1));
        QCOMPARE(f.platform.messages[0].text,
                 text::uiText(text::KeyLogStartedEmpty, text::Hungarian).arg(mdb, f.ctx.g.DatabasePath));
        store::Database db(f.ctx.g.DatabasePath);
        QCOMPARE(tableRows(db, QStringLiteral("SELECT count(*) FROM test1"))[0][0].toInt(), 40);
        QCOMPARE(tableRows(db, QStringLiteral("SELECT count(*) FROM hiba1"))[0][0].toInt(), 1);
        QCOMPARE(readAll(mdb), damaged);
    }

    // A program that cannot take the old file over must not start on the built-in material.
    void oldFileWithoutAnImporterIsReportedAndNothingMade() {
        SKIP_WITHOUT_SAMPLE();
        const QByteArray sample = readAll(sampleMdb());
        ProgramFolder program(sample);
        const app::SetupOutcome outcome =
            app::setUpDatabase(program.sqlite, program.folder, text::Spanish, {});
        QVERIFY(!outcome.ok());
        QCOMPARE(outcome.import, app::SetupOutcome::Import::Unavailable);
        const QString message = outcome.message(text::Spanish);
        QVERIFY2(message.contains(program.mdb) && message.contains(QStringLiteral("plurquiz-import")),
                 qPrintable(message));
        QCOMPARE(filesIn(program.folder), QStringList{QStringLiteral("st_data.mdb")});
        QCOMPARE(readAll(program.mdb), sample);
    }
};

QTEST_MAIN(StartupImportTest)
#include "test_startup_import.moc"
