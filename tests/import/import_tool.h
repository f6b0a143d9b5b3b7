// Running plurquiz-import as a process, and the sample Jet file with ways to spoil a copy of it.
#pragma once

#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QProcess>
#include <QSqlQuery>
#include <QSqlRecord>
#include <QString>
#include <QtTest>
#include <vector>

#include "store/database.h"

struct ToolRun {
    QProcess::ExitStatus status = QProcess::CrashExit;
    int code = -1;
    QByteArray out, err;
    bool crashed() const { return status != QProcess::NormalExit; }
    QString errText() const { return QString::fromUtf8(err); }
};

inline QString toolPath() {
    return QStringLiteral(PLURQUIZ_BINARY_DIR "/plurquiz-import");
}
inline QString fixturePath(const QString& name) {
    return QStringLiteral(PLURQUIZ_FIXTURES "/jet/") + name;
}
inline QString sampleMdb() {
    return fixturePath(QStringLiteral("st_data_sample.mdb"));
}

// The shared fixtures lie beside the working copy, not in it; a clone elsewhere has none and skips
// these tests, except where PLURQUIZ_REQUIRE_FIXTURES is set (continuous integration), which fails.
#define SKIP_WITHOUT_SAMPLE()                                                                         \
    do {                                                                                              \
        if (!QFileInfo::exists(sampleMdb())) {                                                        \
            const QString why = QStringLiteral("the sample Jet file %1 is missing").arg(sampleMdb()); \
            if (qEnvironmentVariableIsSet("PLURQUIZ_REQUIRE_FIXTURES")) QFAIL(qPrintable(why));       \
            QSKIP(qPrintable(why));                                                                   \
        }                                                                                             \
    } while (false)

inline ToolRun runTool(const QStringList& args) {
    QProcess process;
    process.start(toolPath(), args);
    ToolRun run;
    if (!process.waitForStarted(10000)) {
        qWarning("cannot start %s", qPrintable(toolPath()));
        return run;
    }
    process.waitForFinished(120000);
    run.status = process.exitStatus();
    run.code = process.exitCode();
    run.out = process.readAllStandardOutput();
    run.err = process.readAllStandardError();
    return run;
}

inline QByteArray readAll(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

inline bool writeAll(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    return file.open(QIODevice::WriteOnly | QIODevice::Truncate) && file.write(bytes) == bytes.size();
}

// Jet 4 keeps names in UCS-2 (as in the table list and the table definitions of the sample).
inline QByteArray ucs2(const char* latin1) {
    QByteArray out;
    for (const char* p = latin1; *p; ++p) out.append(*p).append('\0');
    return out;
}

// The four fixed 16-bit fields sorszam, sorrend, sorrend2, szint at the start of a test1 row.
inline QByteArray numberFields(qint16 sorszam, qint16 sorrend, qint16 sorrend2, qint16 szint) {
    QByteArray out;
    for (qint16 v : {sorszam, sorrend, sorrend2, szint})
        out.append(char(v & 0xff)).append(char((v >> 8) & 0xff));
    return out;
}

// Every occurrence of `from` replaced by `to` (of the same length); fails the test if none.
inline QByteArray patched(QByteArray bytes, const QByteArray& from, const QByteArray& to) {
    if (from.size() != to.size() || !bytes.contains(from)) {
        qWarning("pattern not in the sample: %s", from.toHex().constData());
        return {};
    }
    for (qsizetype at = bytes.indexOf(from); at >= 0; at = bytes.indexOf(from, at + to.size()))
        bytes.replace(at, to.size(), to);
    return bytes;
}

inline std::vector<std::vector<QVariant>> tableRows(store::Database& db, const QString& sql) {
    std::vector<std::vector<QVariant>> rows;
    QSqlQuery q(db.db());
    if (!q.exec(sql)) qWarning("%s", qPrintable(sql));
    while (q.next()) {
        std::vector<QVariant> row;
        for (int i = 0; i < q.record().count(); ++i) row.push_back(q.value(i));
        rows.push_back(std::move(row));
    }
    return rows;
}

// Files left in a folder, sorted.
inline QStringList filesIn(const QString& folder) {
    return QDir(folder).entryList(QDir::Files | QDir::Hidden | QDir::NoDotAndDotDot, QDir::Name);
}
