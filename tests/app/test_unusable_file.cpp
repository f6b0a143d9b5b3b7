// A database file that start-up found unusable, that is another program's or of a later layout, or
// that went away after start-up: every handler of every window can still be chosen, by whatever
// route (a menu item is chosen even while its menu is off), without ending the program, and the
// file is never written. Each window says why in the working language.
#include <QtTest>

#include "app/problem_text.h"
#include "app_fixture.h"
#include "forms/window_registry.h"
#include "store/schema.h"
#include "test_database.h"
#include "text/ui_text.h"

using namespace app;

namespace {

// Turns the file into the kind of file the row names.
void spoil(const QString& path, const QString& kind) {
    QStringList statements;
    if (kind == QLatin1String("damaged")) {
        QFile f(path);
        QVERIFY(f.open(QIODevice::ReadWrite));
        f.write("NOT SQLITE AT ALL");
        return;
    }
    if (kind == QLatin1String("no log table")) statements << QStringLiteral("DROP TABLE hiba1");
    if (kind == QLatin1String("trigger not ours"))
        statements << QStringLiteral(
            "CREATE TRIGGER wipe_history AFTER INSERT ON hiba1 BEGIN DELETE FROM test_runs; END");
    if (kind == QLatin1String("view for a table"))
        statements << QStringLiteral("ALTER TABLE test1 RENAME TO kept")
                   << QStringLiteral("CREATE VIEW test1 AS SELECT * FROM kept");
    if (kind == QLatin1String("later layout"))
        statements << QStringLiteral("PRAGMA user_version = %1").arg(store::kSchemaVersion + 1);
    store::Database db(path);
    QSqlQuery q(db.db());
    for (const QString& s : statements) QVERIFY2(q.exec(s), qPrintable(s));
}

// The sentence a window's message gives as the reason (none: the window reads the file).
QString reasonFor(const QString& kind) {
    using store::Problem;
    const int en = text::English;
    if (kind == QLatin1String("renamed after start")) return problemText(Problem::Missing, {}, en);
    if (kind == QLatin1String("damaged")) return problemText(Problem::Damaged, {}, en);
    if (kind == QLatin1String("no log table"))
        return problemText(Problem::MissingTable, QStringLiteral("hiba1"), en);
    if (kind == QLatin1String("trigger not ours"))
        return problemText(Problem::Foreign, QStringLiteral("trigger wipe_history"), en);
    if (kind == QLatin1String("view for a table"))
        return problemText(Problem::Foreign, QStringLiteral("view test1"), en);
    return {};
}

// Chooses every control with a handler, every item of an array, opening the window again
// whenever a handler has closed it. Every dialog is cancelled.
void chooseEverything(AppFixture& f, const QString& window) {
    for (int i = 0; i < 100; ++i) {
        f.platform.confirmAnswers.push_back(false);
        f.platform.inputAnswers.push_back(std::nullopt);
        f.platform.fontAnswers.push_back(std::nullopt);
        f.platform.saveAnswers.push_back(std::nullopt);
    }
    auto current = [&]() -> forms::Form& {
        return f.windows.isLoaded(window) ? f.form(window) : *f.windows.show(window);
    };
    const std::vector<QString> keys = current().clickHandlerKeys();
    for (const QString& key : keys) {
        int items = 0;
        while (current().has(key, items)) ++items;
        for (int i = items > 0 ? 0 : -1; i < items; ++i) current().click(key, i);
    }
}

}  // namespace

class UnusableFileTest : public QObject {
    Q_OBJECT

private slots:
    void everyHandlerIsSafeAndNothingIsWritten_data() {
        QTest::addColumn<QString>("kind");
        QTest::addColumn<QString>("window");
        for (const char* kind : {"renamed after start", "damaged", "no log table", "trigger not ours",
                                 "view for a table", "later layout"})
            for (const QString& window : {kPractice, kTest, kReview, kEditor, kProgress})
                QTest::addRow("%s, %s", kind, qPrintable(window)) << QString::fromLatin1(kind) << window;
    }
    void everyHandlerIsSafeAndNothingIsWritten() {
        QFETCH(QString, kind);
        QFETCH(QString, window);
        AppFixture f;
        const QString path = AppFolder(f.dir.path()) + QStringLiteral("st_data.sqlite");
        const bool renamed = kind == QLatin1String("renamed after start");
        if (!renamed) {
            makeDatabase(f.dir, {{1, 100}, {2, 200}, {3, 300}});
            spoil(path, kind);
        }
        f.startInLanguage("Command1");
        QCOMPARE(f.ctx.g.DatabasePath, path);
        // Start-up said what is wrong, once (a file it made itself is fine until it goes).
        QCOMPARE(int(f.platform.messages.size()), renamed ? 0 : 1);
        if (renamed) QVERIFY(QFile::rename(path, path + QStringLiteral(".moved")));
        const QByteArray before = fileBytes(path);
        const size_t toldAtStart = f.platform.messages.size();

        f.windows.unload(kLauncher);
        f.windows.show(window);
        if (const QString reason = reasonFor(kind); !reason.isEmpty()) {
            QVERIFY(f.platform.messages.size() > toldAtStart);
            const QString told = f.platform.messages[toldAtStart].text;
            QVERIFY2(told.contains(reason), qPrintable(told));
        }
        chooseEverything(f, window);

        QVERIFY(!f.windows.ended());
        QCOMPARE(QFileInfo::exists(path), !renamed);
        QCOMPARE(fileBytes(path), before);
        // The store's English never, nor the advice to allow writing to a file only a later version may
        // change.
        const QString writable = text::uiText(text::KeyCauseReadOnly, text::English);
        for (const auto& m : f.platform.messages) {
            QVERIFY2(!m.text.contains(QStringLiteral("There is no current record")), qPrintable(m.text));
            if (kind == QLatin1String("later layout"))
                QVERIFY2(!m.text.contains(writable), qPrintable(m.text));
        }
    }

    // A store error that escapes a handler is told as the windows' own messages tell it.
    void anEscapingStoreErrorIsToldInTheWorkingLanguage() {
        AppFixture f;
        forms::Form& launcher = f.startInLanguage("Command6");  // Hungarian
        f.windows.runEvent(&launcher, forms::OnError::Report,
                           [] { throw store::StoreError(QStringLiteral("database is locked"), false, 5); });
        const QString told = f.platform.messages.back().text;
        QVERIFY2(told.contains(text::uiText(text::KeyCauseLocked, text::Hungarian)), qPrintable(told));
        QVERIFY(told.contains(text::uiText(text::KeyCauseDetail, text::Hungarian).arg("database is locked")));
    }
};

QTEST_GUILESS_MAIN(UnusableFileTest)
#include "test_unusable_file.moc"
