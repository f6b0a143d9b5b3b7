// Where plurquiz-import writes: new files in folders that are missing or may not be written,
// files that are there already, a disk that fills up. Every refusal is one plain sentence that
// names the file and says what to do, never the database engine's own words, and leaves nothing
// behind.
#include <QTemporaryDir>
#include <QtTest>

#include "import_tool.h"

namespace {

const QByteArray kMaterial =
    "sorszam,szint,kulcs1,kulcs2,mondat,a,b,c,d,felelet1,felelet2\n"
    "1,1,1,0,Uno ...,a,b,c,d,Uno a,A\n";

constexpr auto kReadAndEnter = QFileDevice::ReadOwner | QFileDevice::ExeOwner | QFileDevice::ReadGroup |
                               QFileDevice::ExeGroup | QFileDevice::ReadOther | QFileDevice::ExeOther;

// Phrases of SQLite and of Qt's SQLite driver that must never reach the person at the terminal.
bool hasEngineWords(const QString& text) {
    for (const char* words : {"unable to open", "Error opening", "disk I/O error", "database or disk is full",
                              "Unable to commit", "Unable to fetch", "Unable to execute", "readonly database",
                              "file is not a database", "constraint failed", "no such table"})
        if (text.contains(QLatin1String(words), Qt::CaseInsensitive)) return true;
    return false;
}

// The tool with the size of the files it may write limited to `blocks` of 512 bytes, as on a disk
// that fills up; the signal that limit raises is ignored, so that the write itself fails.
ToolRun runToolOnASmallDisk(int blocks, const QStringList& args) {
    QProcess process;
    process.start(QStringLiteral("/bin/sh"),
                  QStringList{QStringLiteral("-c"),
                              QStringLiteral("trap '' XFSZ; ulimit -f %1; exec \"$0\" \"$@\"").arg(blocks),
                              toolPath()} +
                      args);
    ToolRun run;
    if (!process.waitForStarted(10000) || !process.waitForFinished(120000)) return run;
    run.status = process.exitStatus();
    run.code = process.exitCode();
    run.out = process.readAllStandardOutput();
    run.err = process.readAllStandardError();
    return run;
}

}  // namespace

class ToolTargetsTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { QVERIFY2(QFileInfo(toolPath()).isExecutable(), qPrintable(toolPath())); }

    void unwritableTargetsAreRefusedInWords_data() {
        QTest::addColumn<QString>("command");
        QTest::addColumn<QString>("target");
        QTest::addColumn<QString>("reason");
        QTest::addRow("CSV into a missing folder") << "csv-in"
                                                   << "missing/new.sqlite"
                                                   << "does not exist";
        QTest::addRow("CSV into a read-only folder") << "csv-in"
                                                     << "locked/new.sqlite"
                                                     << "may not write";
        QTest::addRow("CSV into a database in a read-only folder") << "csv-in"
                                                                   << "locked/empty.sqlite"
                                                                   << "folder cannot be written";
        QTest::addRow("CSV out into a missing folder") << "csv-out"
                                                       << "missing/out.csv"
                                                       << "does not exist";
        QTest::addRow("CSV out into a read-only folder") << "csv-out"
                                                         << "locked/out.csv"
                                                         << "may not write";
        QTest::addRow("old file into a missing folder") << "mdb"
                                                        << "missing/new.sqlite"
                                                        << "does not exist";
        QTest::addRow("old file into a read-only folder") << "mdb"
                                                          << "locked/new.sqlite"
                                                          << "may not write";
        QTest::addRow("old file onto a database") << "mdb"
                                                  << "locked/empty.sqlite"
                                                  << "exists already";
        QTest::addRow("old file onto a CSV file") << "mdb"
                                                  << "material.csv"
                                                  << "exists already";
    }
    void unwritableTargetsAreRefusedInWords() {
        QFETCH(QString, command);
        QFETCH(QString, target);
        QFETCH(QString, reason);
        if (command == QLatin1String("mdb")) SKIP_WITHOUT_SAMPLE();
        QTemporaryDir dir;
        const QString csv = dir.filePath(QStringLiteral("material.csv"));
        const QString empty = dir.filePath(QStringLiteral("locked/empty.sqlite"));
        QVERIFY(writeAll(csv, kMaterial));
        QDir(dir.path()).mkdir(QStringLiteral("locked"));
        store::Database::create(empty);
        // Marked read-only for everyone: refused even where the system would let a write through.
        QFile::setPermissions(dir.filePath(QStringLiteral("locked")), kReadAndEnter);
        const QString path = dir.filePath(target);
        QStringList args;
        if (command == QLatin1String("csv-in")) args = {QStringLiteral("--csv-in"), csv, path};
        if (command == QLatin1String("csv-out")) args = {QStringLiteral("--csv-out"), empty, path};
        if (command == QLatin1String("mdb")) args = {sampleMdb(), path};
        const QByteArray emptyBefore = readAll(empty);

        const ToolRun run = runTool(args);
        QFile::setPermissions(dir.filePath(QStringLiteral("locked")),
                              kReadAndEnter | QFileDevice::WriteOwner);
        QVERIFY(!run.crashed());
        QCOMPARE(run.code, 1);
        QVERIFY2(run.err.count('\n') == 1 && run.errText().startsWith(path + QStringLiteral(": ")) &&
                     run.errText().contains(reason) && !hasEngineWords(run.errText()),
                 run.err.constData());
        QCOMPARE(filesIn(dir.path()), QStringList{QStringLiteral("material.csv")});
        QCOMPARE(filesIn(dir.filePath(QStringLiteral("locked"))),
                 QStringList{QStringLiteral("empty.sqlite")});
        QCOMPARE(readAll(empty), emptyBefore);
        QCOMPARE(readAll(csv), kMaterial);
    }

    // The engine's failure itself, not a check before it: the disk fills up while the new file is
    // written. What is left is nothing, not half a database.
    void aDiskThatFillsUpIsSaidInWords_data() {
        QTest::addColumn<QString>("command");
        QTest::addColumn<int>("blocks");
        QTest::addRow("material, while the tables are made") << "csv-in" << 8;
        QTest::addRow("material, while the sentences are written") << "csv-in" << 40;
        QTest::addRow("old file, while the sentences are written") << "mdb" << 40;
    }
    void aDiskThatFillsUpIsSaidInWords() {
        QFETCH(QString, command);
        QFETCH(int, blocks);
        if (command == QLatin1String("mdb")) SKIP_WITHOUT_SAMPLE();
        QTemporaryDir dir;
        const QString target = dir.filePath(QStringLiteral("new.sqlite"));
        const QString builtIn = QStringLiteral(PLURQUIZ_SOURCE_DIR "/data/material.csv");
        const ToolRun run =
            runToolOnASmallDisk(blocks, command == QLatin1String("mdb")
                                            ? QStringList{sampleMdb(), target}
                                            : QStringList{QStringLiteral("--csv-in"), builtIn, target});
        QVERIFY2(!run.crashed(), "the import tool crashed");
        QCOMPARE(run.code, 1);
        QVERIFY2(run.err.count('\n') == 1 && run.errText().startsWith(target + QStringLiteral(": ")) &&
                     run.errText().contains(QStringLiteral("disk")) && !hasEngineWords(run.errText()),
                 run.err.constData());
        QCOMPARE(filesIn(dir.path()), QStringList());
    }
};

QTEST_GUILESS_MAIN(ToolTargetsTest)
#include "test_tool_targets.moc"
