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

    // An export writes the name it is given: a symbolic link there is replaced itself (with
    // --force), never written through, and without --force it is refused like a file, even when it
    // leads nowhere.
    void exportsWriteTheNamedPathItself_data() {
        QTest::addColumn<QString>("option");
        QTest::addColumn<QString>("standing");  // what stands at the name: a file, a link, a dangling link
        QTest::addColumn<bool>("force");
        for (const char* option : {"--csv-out", "--gift-out", "--answers-out"})
            for (const char* standing : {"file", "link", "dangling link"})
                for (bool force : {false, true})
                    QTest::addRow("%s onto a %s%s", option, standing, force ? ", forced" : "")
                        << option << standing << force;
    }
    void exportsWriteTheNamedPathItself() {
        QFETCH(QString, option);
        QFETCH(QString, standing);
        QFETCH(bool, force);
        QTemporaryDir dir;
        const QString db = dir.filePath(QStringLiteral("st_data.sqlite"));
        const QString csv = dir.filePath(QStringLiteral("material.csv"));
        QVERIFY(writeAll(csv, kMaterial));
        QCOMPARE(runTool({QStringLiteral("--csv-in"), csv, db}).code, 0);
        const QString out = dir.filePath(QStringLiteral("out"));
        const QString elsewhere = dir.filePath(QStringLiteral("elsewhere"));
        if (standing == QLatin1String("file")) QVERIFY(writeAll(out, "kept"));
        if (standing == QLatin1String("link")) QVERIFY(writeAll(elsewhere, "kept"));
        if (standing != QLatin1String("file")) QVERIFY(QFile::link(elsewhere, out));
        const QByteArray elsewhereBefore = readAll(elsewhere);

        QStringList args{option, db, out};
        if (force) args.insert(1, QStringLiteral("--force"));
        const ToolRun run = runTool(args);
        QCOMPARE(run.code, force ? 0 : 1);
        // Where a link led, nothing changed, and nothing was made where it led nowhere.
        QCOMPARE(readAll(elsewhere), elsewhereBefore);
        QCOMPARE(QFileInfo::exists(elsewhere), standing == QLatin1String("link"));
        if (force) {
            QVERIFY(!QFileInfo(out).isSymLink());
            const char* head = option == QLatin1String("--csv-out")    ? "sorszam"
                               : option == QLatin1String("--gift-out") ? "//"
                                                                       : "answered_at";
            QVERIFY(readAll(out).startsWith(head));
        } else {
            QVERIFY2(run.errText().startsWith(out) && run.errText().contains(QStringLiteral("--force")),
                     run.err.constData());
            QCOMPARE(QFileInfo(out).isSymLink(), standing != QLatin1String("file"));
            if (standing == QLatin1String("file")) QCOMPARE(readAll(out), QByteArray("kept"));
        }
    }

    // An import ended while it wrote a new database leaves its temporary file and journal; the
    // next run into that name removes them and says so, whatever becomes of the run itself.
    void unfinishedFilesAreRemovedAndNamed_data() {
        QTest::addColumn<QString>("option");
        QTest::addColumn<QByteArray>("source");
        QTest::addColumn<int>("code");
        QTest::addRow("material") << "--csv-in" << kMaterial << 0;
        QTest::addRow("material with a bad row") << "--csv-in" << kMaterial + "2,9,1,0,b ...,a,b,c,d,b a,A\n"
                                                 << 1;
        QTest::addRow("GIFT") << "--gift-in" << QByteArray("Uno _____ {=a ~b ~c ~d}\n") << 0;
        QTest::addRow("Aiken") << "--aiken-in" << QByteArray("Uno ...\nA. a\nB. b\nC. c\nD. d\nANSWER: A\n")
                               << 0;
    }
    void unfinishedFilesAreRemovedAndNamed() {
        QFETCH(QString, option);
        QFETCH(QByteArray, source);
        QFETCH(int, code);
        QTemporaryDir dir;
        const QString input = dir.filePath(QStringLiteral("input"));
        const QString target = dir.filePath(QStringLiteral("new.sqlite"));
        QVERIFY(writeAll(input, source));
        QVERIFY(writeAll(target + QStringLiteral(".new"), "half a database"));
        QVERIFY(writeAll(target + QStringLiteral(".new-journal"), "its journal"));
        const ToolRun run = runTool({option, input, target});
        QCOMPARE(run.code, code);
        for (const QString& left : {target + QStringLiteral(".new"), target + QStringLiteral(".new-journal")})
            QVERIFY2(run.errText().contains(left + QStringLiteral(": left behind by an import that was ended "
                                                                  "while it wrote; removed")),
                     run.err.constData());
        QCOMPARE(filesIn(dir.path()),
                 code == 0 ? (QStringList{"input", "new.sqlite"}) : QStringList{"input"});
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
