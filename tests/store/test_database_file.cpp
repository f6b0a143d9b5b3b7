// The database file at start-up: created when missing, and every way it can be unusable reported
// in one message that names the file, with the file left exactly as it was.
#include <QtTest>

#include "app/database_setup.h"
#include "app/problem_text.h"
#include "app/reshuffle.h"
#include "store/material.h"
#include "store/schema.h"
#include "store/snapshot.h"
#include "test_database.h"
#include "text/ui_text.h"

using namespace store;

namespace {
constexpr auto kReadAndEnter = QFileDevice::ReadOwner | QFileDevice::ExeOwner | QFileDevice::ReadGroup |
                               QFileDevice::ExeGroup | QFileDevice::ReadOther | QFileDevice::ExeOther;
}  // namespace

// What turns a file of ours into one of another program (see unusableFilesAreReportedAndLeftAlone).
QStringList foreignStatements(const QString& kind) {
    if (kind == QLatin1String("trigger"))
        return {QStringLiteral(
            "CREATE TRIGGER wipe_history AFTER INSERT ON hiba1 BEGIN DELETE FROM test_runs; END")};
    if (kind == QLatin1String("view"))
        return {QStringLiteral("ALTER TABLE test1 RENAME TO kept"),
                QStringLiteral("CREATE VIEW test1 AS SELECT * FROM kept")};
    return {QStringLiteral("PRAGMA user_version = %1").arg(kSchemaVersion + 1)};
}

class DatabaseFileTest : public QObject {
    Q_OBJECT

private slots:
    void missingFileIsCreatedFromTheBuiltInMaterial() {
        QTemporaryDir dir;
        const QString folder = dir.path() + QLatin1Char('/');
        const QString path = app::databasePathFor(folder, dir.filePath(QStringLiteral("appdata")));
        QCOMPARE(path, folder + QStringLiteral("st_data.sqlite"));
        const app::SetupOutcome outcome = app::setUpDatabase(path, folder, text::English, {});
        QVERIFY2(outcome.ok(), qPrintable(outcome.message(text::English)));
        Database db(path);
        QCOMPARE(Snapshot::ofTable(db, QStringLiteral("test1")).recordCount(),
                 static_cast<int>(builtInMaterial().rows.size()));
        QCOMPARE(Snapshot::ofTable(db, QStringLiteral("hiba1")).recordCount(), 1);
        QVERIFY(!QFileInfo::exists(path + QStringLiteral(".new")));
    }

    void unwritableProgramFolderMovesTheFileToApplicationData() {
        QTemporaryDir dir;
        const QString folder = dir.filePath(QStringLiteral("program"));
        QDir().mkpath(folder);
        QFile::setPermissions(folder, QFileDevice::ReadOwner | QFileDevice::ExeOwner);
        const QString appData = dir.filePath(QStringLiteral("appdata"));
        QCOMPARE(app::databasePathFor(folder + QLatin1Char('/'), appData),
                 appData + QStringLiteral("/st_data.sqlite"));
        QVERIFY(QFileInfo(appData).isDir());
        QFile::setPermissions(folder,
                              QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
        // A file that is already in the program folder is used where it is.
        QFile(folder + QStringLiteral("/st_data.sqlite")).open(QIODevice::WriteOnly);
        QCOMPARE(app::databasePathFor(folder + QLatin1Char('/'), appData),
                 folder + QStringLiteral("/st_data.sqlite"));
    }

    // An installed copy keeps the learner's data in the application-data folder even when its
    // prefix can be written (a prefix under the user's home, a test prefix), and even when an
    // earlier run left a file beside it; a copy in a folder of its own keeps it beside itself.
    void installedCopyKeepsItsDatabaseInApplicationData() {
        QTemporaryDir dir;
        const QString bin = dir.filePath(QStringLiteral("prefix/bin"));
        QDir().mkpath(bin);
        QVERIFY(!app::isInstalledCopy(bin));
        const QString entries = dir.filePath(QStringLiteral("prefix/share/applications"));
        QDir().mkpath(entries);
        QFile(entries + QStringLiteral("/org.plurquiz.Espanol.desktop")).open(QIODevice::WriteOnly);
        QVERIFY(app::isInstalledCopy(bin));
        QVERIFY(!app::isInstalledCopy(dir.filePath(QStringLiteral("prefix"))));

        QFile(bin + QStringLiteral("/st_data.sqlite")).open(QIODevice::WriteOnly);
        const QString appData = dir.filePath(QStringLiteral("home/.local/share/Plurquiz/plurquiz"));
        QCOMPARE(app::databasePathFor(bin + QLatin1Char('/'), appData, true),
                 appData + QStringLiteral("/st_data.sqlite"));
        QVERIFY(QFileInfo(appData).isDir());
        QCOMPARE(app::databasePathFor(bin + QLatin1Char('/'), appData, false),
                 bin + QStringLiteral("/st_data.sqlite"));
    }

    void unusableFilesAreReportedAndLeftAlone_data() {
        QTest::addColumn<QString>("kind");
        QTest::addColumn<int>("problem");
        QTest::addColumn<int>("key");
        QTest::addRow("not a database") << "garbage" << int(Problem::Damaged) << int(text::KeyDamaged);
        QTest::addRow("header overwritten") << "header" << int(Problem::Damaged) << int(text::KeyDamaged);
        QTest::addRow("log table missing")
            << "no-log" << int(Problem::MissingTable) << int(text::KeyMissingTable);
        QTest::addRow("empty database")
            << "empty-db" << int(Problem::MissingTable) << int(text::KeyMissingTable);
        QTest::addRow("read-only") << "read-only" << int(Problem::ReadOnly) << int(text::KeyReadOnly);
        QTest::addRow("no bytes") << "empty-file" << int(Problem::Empty) << int(text::KeyEmptyFile);
        // Marked read-only for everyone, so that it counts even where the system would let a write through.
        QTest::addRow("read-only folder")
            << "read-only-folder" << int(Problem::FolderReadOnly) << int(text::KeyFolderReadOnly);
        // Files of another program: code that would run at the program's writes, a view in place
        // of a table, a layout this version does not know.
        QTest::addRow("trigger not ours") << "trigger" << int(Problem::Foreign) << int(text::KeyForeign);
        QTest::addRow("view for a table") << "view" << int(Problem::Foreign) << int(text::KeyForeign);
        QTest::addRow("later layout") << "later" << int(Problem::LaterLayout) << int(text::KeyLaterLayout);
    }
    void unusableFilesAreReportedAndLeftAlone() {
        QFETCH(QString, kind);
        QFETCH(int, problem);
        QFETCH(int, key);
        QTemporaryDir dir;
        const QString path = makeDatabase(dir, {{1, 100}, {2, 200}});
        if (kind == QLatin1String("garbage")) {
            QFile f(path);
            f.open(QIODevice::WriteOnly | QIODevice::Truncate);
            f.write(QByteArray(8192, 'x'));
        } else if (kind == QLatin1String("header")) {
            QFile f(path);
            f.open(QIODevice::ReadWrite);
            f.write("NOT SQLITE AT ALL");
        } else if (kind == QLatin1String("no-log") || kind == QLatin1String("empty-db")) {
            Database db(path);
            QSqlQuery q(db.db());
            q.exec(QStringLiteral("DROP TABLE hiba1"));
            if (kind == QLatin1String("empty-db")) q.exec(QStringLiteral("DROP TABLE test1"));
        } else if (kind == QLatin1String("trigger") || kind == QLatin1String("view") ||
                   kind == QLatin1String("later")) {
            Database db(path);
            QSqlQuery q(db.db());
            for (const QString& statement : foreignStatements(kind))
                QVERIFY2(q.exec(statement), qPrintable(statement));
        } else if (kind == QLatin1String("empty-file")) {
            QFile(path).resize(0);
        } else if (kind == QLatin1String("read-only")) {
            QFile::setPermissions(path, QFileDevice::ReadOwner | QFileDevice::ReadGroup);
        } else if (kind == QLatin1String("read-only-folder")) {
            QFile::setPermissions(dir.path(), kReadAndEnter);
        }
        const QByteArray before = fileBytes(path);
        const QString folder = dir.path() + QLatin1Char('/');
        const app::SetupOutcome outcome = app::setUpDatabase(path, folder, text::Hungarian, {});
        QCOMPARE(int(outcome.problem), problem);
        const QString message = outcome.message(text::Hungarian);
        QVERIFY2(message.contains(path), qPrintable(message));
        QVERIFY(message.startsWith(text::uiText(key, text::Hungarian).section(QLatin1Char('%'), 0, 0)));
        if (kind == QLatin1String("no-log")) QVERIFY(message.contains(QStringLiteral("hiba1")));
        if (kind == QLatin1String("trigger"))
            QVERIFY(message.contains(QStringLiteral("trigger wipe_history")));
        if (kind == QLatin1String("view")) QVERIFY(message.contains(QStringLiteral("view test1")));
        QCOMPARE(fileBytes(path), before);
        QCOMPARE(QDir(dir.path()).entryList(QDir::Files), QStringList{"st_data.sqlite"});
        QFile::setPermissions(dir.path(), kReadAndEnter | QFileDevice::WriteOwner);
    }

    // A store error reaches the learner as one sentence of the working language with its advice;
    // the engine's words follow only as a detail, and the store's own English not at all.
    void storeErrorsAreToldInTheWorkingLanguage_data() {
        QTest::addColumn<int>("engineCode");  // 0: the store's own error
        QTest::addColumn<int>("own");         // its problem
        QTest::addColumn<int>("key");
        using namespace engine;
        const int none = int(Problem::Other);
        QTest::addRow("busy") << kBusy << none << int(text::KeyCauseLocked);
        QTest::addRow("table locked") << kLocked << none << int(text::KeyCauseLocked);
        QTest::addRow("read-only") << kReadOnly << none << int(text::KeyCauseReadOnly);
        QTest::addRow("disk full") << kFull << none << int(text::KeyCauseDiskFull);
        QTest::addRow("not a database") << kNotADb << none << int(text::KeyCauseDamaged);
        QTest::addRow("damaged") << kCorrupt << none << int(text::KeyCauseDamaged);
        QTest::addRow("cannot open") << kCantOpen << none << int(text::KeyCauseCannotOpen);
        QTest::addRow("disk fault") << kIoErr << none << int(text::KeyCauseDiskError);
        QTest::addRow("a rule of the file") << kConstraint << none << int(text::KeyCauseRefused);
        QTest::addRow("without a code") << kUnknown << none << int(text::KeyCauseOther);
        QTest::addRow("no current record") << 0 << int(Problem::NoRecord) << int(text::KeyCauseNoRecord);
        QTest::addRow("deleted meanwhile")
            << 0 << int(Problem::DeletedMeanwhile) << int(text::KeyCauseDeletedMeanwhile);
        QTest::addRow("file gone") << 0 << int(Problem::Missing) << int(text::KeyCauseMissing);
    }
    void storeErrorsAreToldInTheWorkingLanguage() {
        QFETCH(int, engineCode);
        QFETCH(int, own);
        QFETCH(int, key);
        const QString words = QStringLiteral("the engine's words");
        const StoreError error = engineCode != 0
                                     ? StoreError(words, engineCode == engine::kConstraint, engineCode)
                                     : StoreError(Problem(own), words);
        for (int base : {text::English, text::Hungarian, text::Spanish, text::French}) {
            const QString told = app::problemText(error, base);
            QVERIFY2(told.startsWith(text::uiText(key, base)), qPrintable(told));
            QCOMPARE(told.contains(words), engineCode != 0);
        }
    }

    void lockedFileIsReported() {
        QTemporaryDir dir;
        const QString path = makeDatabase(dir, {{1, 100}});
        Database holder(path);
        QSqlQuery q(holder.db());
        QVERIFY(q.exec(QStringLiteral("BEGIN EXCLUSIVE")));
        const app::SetupOutcome outcome =
            app::setUpDatabase(path, dir.path() + QLatin1Char('/'), text::Spanish, {});
        QCOMPARE(outcome.problem, Problem::Locked);
        QVERIFY(outcome.message(text::Spanish).contains(path));
        q.exec(QStringLiteral("ROLLBACK"));
    }

    void writesToAReadOnlyOrLockedFileFailWithoutChangingIt() {
        QTemporaryDir dir;
        const QString path = makeDatabase(dir, {{1, 100}, {2, 200}});
        base::RandomSource random(3);
        QFile::setPermissions(path, QFileDevice::ReadOwner);
        const QByteArray before = fileBytes(path);
        QCOMPARE(app::reshuffleOrder(path, random).status, app::ReshuffleOutcome::Failed);
        QCOMPARE(fileBytes(path), before);

        QFile::setPermissions(path, QFileDevice::ReadOwner | QFileDevice::WriteOwner);
        Database holder(path);
        QSqlQuery q(holder.db());
        QVERIFY(q.exec(QStringLiteral("BEGIN EXCLUSIVE")));
        const app::ReshuffleOutcome locked = app::reshuffleOrder(path, random);
        QCOMPARE(locked.status, app::ReshuffleOutcome::Failed);
        QVERIFY(!locked.detail.isEmpty());
        q.exec(QStringLiteral("ROLLBACK"));
        QCOMPARE(fileBytes(path), before);
    }

    void aFileThatCannotBeCreatedIsReported() {
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("no/such/folder/st_data.sqlite"));
        const app::SetupOutcome outcome =
            app::setUpDatabase(path, dir.path() + QLatin1Char('/'), text::French, {});
        QCOMPARE(outcome.problem, Problem::CannotCreate);
        QVERIFY(outcome.message(text::French).contains(path));
        QVERIFY(!QFileInfo::exists(path));
    }
};

QTEST_GUILESS_MAIN(DatabaseFileTest)
#include "test_database_file.moc"
