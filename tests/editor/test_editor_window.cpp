// The database window over a small fixed database: browsing and the re-read check, bound editing
// stored on a move and refused field by field, New, Delete, the searches, the topic menu and its
// label, the content warnings, the accented-letter keyboard and the fonts.
#include <QSqlQuery>
#include <QtTest>

#include "app_fixture.h"
#include "editor/editor_window.h"
#include "test_database.h"
#include "text/ui_text.h"

using editor::EditorWindow;

namespace {

struct EditorFixture : AppFixture {
    explicit EditorFixture(const std::vector<TestRow>& rows = {{1, 10, 1, "1", "1"},
                                                               {2, 20, 2, "2", "0"},
                                                               {3, 30, 3, "1", "5"},
                                                               {250, 40, 1, "a", "1"}}) {
        makeDatabase(dir, rows);
        ctx.g.LangBase = text::English;
        ctx.g.DatabasePath = dir.filePath(QStringLiteral("st_data.sqlite"));
    }
    EditorWindow& open() { return *dynamic_cast<EditorWindow*>(windows.show(app::kEditor)); }
    EditorWindow& started() {
        EditorWindow& w = open();
        w.click(QStringLiteral("Command10"));
        return w;
    }
    QVariant stored(int serial, const char* field) {
        store::Database db(ctx.g.DatabasePath);
        QSqlQuery q(db.db());
        q.prepare(QStringLiteral("SELECT %1 FROM test1 WHERE sorszam = ?").arg(QString::fromLatin1(field)));
        q.addBindValue(serial);
        return q.exec() && q.next() ? q.value(0) : QVariant();
    }
    int rows() {
        store::Database db(ctx.g.DatabasePath);
        QSqlQuery q(QStringLiteral("SELECT count(*) FROM test1"), db.db());
        return q.next() ? q.value(0).toInt() : -1;
    }
    QString lastMessage() const {
        return platform.messages.empty() ? QString() : platform.messages.back().text;
    }
};

int serial(const EditorWindow& w) {
    return w.Text1.caption.toInt();
}

}  // namespace

class EditorWindowTest : public QObject {
    Q_OBJECT
private slots:
    void startShowsTheFirstRecordAndItsTopic() {
        EditorFixture f;
        EditorWindow& w = f.open();
        QVERIFY(w.Command10.visible && !w.Text3.visible);
        QCOMPARE(w.caption, QStringLiteral("Plurquiz Español  ----  Database"));
        w.click(QStringLiteral("Command10"));
        QVERIFY(!w.Command10.visible && w.Text3.visible && w.Command11.visible);
        QCOMPARE(serial(w), 1);
        QCOMPARE(w.Text3.caption, QStringLiteral("Sentence 1 ..."));
        QCOMPARE(w.Label10.caption, QStringLiteral("Verbs_Ser/Estar/&Haber"));
    }

    void browsingKeepsTheFlags() {
        EditorFixture f;
        EditorWindow& w = f.started();
        w.click(QStringLiteral("Command7"));  // the first Next re-reads: the second record
        QCOMPARE(serial(w), 2);
        QCOMPARE(w.Label10.caption, QStringLiteral("&Nouns"));
        w.click(QStringLiteral("Command7"));
        QCOMPARE(w.Label10.caption, QString());  // "1", "5": no item names it
        w.click(QStringLiteral("Command8"));
        QCOMPARE(serial(w), 250);
        w.click(QStringLiteral("Command7"));  // past the last: no record
        QVERIFY(w.Text1.caption.isEmpty());
        w.click(QStringLiteral("Command7"));
        w.click(QStringLiteral("Command8"));
        QVERIFY(w.Text1.caption.isEmpty());
        w.click(QStringLiteral("Command3"));
        QCOMPARE(serial(w), 250);
        w.click(QStringLiteral("Command6"));
        w.click(QStringLiteral("Command3"));  // before the first
        QVERIFY(w.Text1.caption.isEmpty());
        w.click(QStringLiteral("Command6"));
        w.click(QStringLiteral("Command3"));
        w.click(QStringLiteral("Command7"));
        QCOMPARE(serial(w), 1);
        QVERIFY(f.platform.messages.empty());
    }

    void anEditIsStoredWhenTheCursorMoves() {
        EditorFixture f;
        EditorWindow& w = f.started();
        w.editChanged(QStringLiteral("Text3"), QStringLiteral("Cambiado ..."));
        w.editChanged(QStringLiteral("Text2"), QStringLiteral("3"));
        QCOMPARE(f.stored(1, "mondat").toString(), QStringLiteral("Sentence 1 ..."));
        w.click(QStringLiteral("Command7"));
        QCOMPARE(f.stored(1, "mondat").toString(), QStringLiteral("Cambiado ..."));
        QCOMPARE(f.stored(1, "szint").toInt(), 3);
        QCOMPARE(serial(w), 2);
    }

    // What the store would refuse is named, the typed values stay, the record and the cursor too.
    void refusedValuesAreNamedAndKept_data() {
        QTest::addColumn<QString>("box");
        QTest::addColumn<QString>("value");
        QTest::addColumn<int>("key");
        QTest::addRow("level 7") << "Text2"
                                 << "7" << int(text::KeyLevelOutOfRange);
        QTest::addRow("a letter as level") << "Text2"
                                           << "x" << int(text::KeyLevelOutOfRange);
        QTest::addRow("serial 0") << "Text1"
                                  << "0" << int(text::KeySerialOutOfRange);
        QTest::addRow("serial too large") << "Text1"
                                          << "40000" << int(text::KeySerialOutOfRange);
        QTest::addRow("serial of another record") << "Text1"
                                                  << "2" << int(text::KeySerialTaken);
        QTest::addRow("lower-case right letter") << "Text10"
                                                 << "b" << int(text::KeyLetterOutOfRange);
        QTest::addRow("empty right letter") << "Text10"
                                            << "" << int(text::KeyLetterOutOfRange);
        QTest::addRow("right letter E") << "Text10"
                                        << "E" << int(text::KeyLetterOutOfRange);
        // Text longer than a box takes (pasted through the accessibility interface, say).
        QTest::addRow("sentence over its limit")
            << "Text3" << QString(1001, u'x') << int(text::KeySentenceTooLong);
        QTest::addRow("filler over its limit")
            << "Text5" << QString(201, u'y') << int(text::KeyFillerTooLong);
        QTest::addRow("solution over its limit")
            << "Text8" << QString(2001, u'z') << int(text::KeySolutionTooLong);
    }
    void refusedValuesAreNamedAndKept() {
        QFETCH(QString, box);
        QFETCH(QString, value);
        QFETCH(int, key);
        EditorFixture f;
        EditorWindow& w = f.started();
        const QByteArray before = fileBytes(f.ctx.g.DatabasePath);
        w.editChanged(box, value);
        w.click(QStringLiteral("Command7"));
        // (the text before its first place holder, for a text that has them)
        QVERIFY2(f.lastMessage().contains(text::uiText(key, text::English).section(u'%', 0, 0)),
                 qPrintable(f.lastMessage()));
        QCOMPARE(w.c(box).caption, value);
        // A box with a limit would not have taken what is refused for its length.
        QVERIFY(w.c(box).maxLength == 0 || w.c(box).maxLength < value.size());
        if (box != QLatin1String("Text3")) QCOMPARE(w.Text3.caption, QStringLiteral("Sentence 1 ..."));
        QCOMPARE(fileBytes(f.ctx.g.DatabasePath), before);
        // Corrected, the move goes on and stores it.
        w.editChanged(box, box == "Text1" ? "77" : box == "Text2" ? "2" : "C");
        w.click(QStringLiteral("Command7"));
        QCOMPARE(serial(w), 2);
        QVERIFY(f.stored(box == "Text1" ? 77 : 1, "mondat").isValid());
    }

    void aBusyFileIsToldAndTheEditKept() {
        EditorFixture f;
        EditorWindow& w = f.started();
        store::Database other(f.ctx.g.DatabasePath);
        QSqlQuery lock(other.db());
        QVERIFY(lock.exec(QStringLiteral("BEGIN EXCLUSIVE")));  // a second program writing
        w.editChanged(QStringLiteral("Text3"), QStringLiteral("Mientras tanto ..."));
        w.click(QStringLiteral("Command7"));
        QVERIFY2(f.lastMessage().contains(f.ctx.g.DatabasePath), qPrintable(f.lastMessage()));
        QCOMPARE(serial(w), 1);
        QCOMPARE(w.Text3.caption, QStringLiteral("Mientras tanto ..."));
        QVERIFY(lock.exec(QStringLiteral("ROLLBACK")));
        w.click(QStringLiteral("Command7"));  // the other program is done: the change goes in
        QCOMPARE(f.stored(1, "mondat").toString(), QStringLiteral("Mientras tanto ..."));
    }

    // Delete and filing under a topic, refused by a file another program holds, say so; the
    // sentence stays as stored and shown.
    void aRefusedDeleteOrTopicIsTold_data() {
        QTest::addColumn<QString>("action");
        QTest::newRow("delete") << "Command4";
        QTest::newRow("topic") << "mnuTopicItem";
    }
    void aRefusedDeleteOrTopicIsTold() {
        QFETCH(QString, action);
        EditorFixture f;
        EditorWindow& w = f.started();
        w.click(QStringLiteral("Command7"));  // serial 2, "&Nouns"
        store::Database other(f.ctx.g.DatabasePath);
        QSqlQuery lock(other.db());
        QVERIFY(lock.exec(QStringLiteral("BEGIN EXCLUSIVE")));
        f.platform.confirmAnswers = {true};
        if (action == "Command4")
            w.click(action);
        else
            w.click(action, 0);
        QVERIFY2(f.lastMessage().contains(f.ctx.g.DatabasePath), qPrintable(f.lastMessage()));
        QVERIFY(lock.exec(QStringLiteral("ROLLBACK")));
        QCOMPARE(f.rows(), 4);
        QCOMPARE(f.stored(2, "kulcs1").toString(), QStringLiteral("2"));
        QCOMPARE(serial(w), 2);
        QCOMPARE(w.Label10.caption, QStringLiteral("&Nouns"));
    }

    // Typed into the empty boxes before the first or after the last record: the teacher is told
    // there is no sentence there, and the move goes on without touching the file.
    void typingWhereThereIsNoSentenceSaysSo_data() {
        QTest::addColumn<QStringList>("toTheGap");
        QTest::addColumn<QString>("move");
        QTest::addColumn<int>("shownAfter");
        QTest::newRow("after the last") << QStringList{"Command8", "Command7"} << "Command3" << 250;
        QTest::newRow("before the first") << QStringList{"Command6", "Command3"} << "Command7" << 1;
        QTest::newRow("then New") << QStringList{"Command8", "Command7"} << "Command1" << 251;
    }
    void typingWhereThereIsNoSentenceSaysSo() {
        QFETCH(QStringList, toTheGap);
        QFETCH(QString, move);
        QFETCH(int, shownAfter);
        EditorFixture f;
        EditorWindow& w = f.started();
        for (const QString& step : toTheGap) w.click(step);
        QVERIFY(w.Text1.caption.isEmpty());
        const QByteArray before = fileBytes(f.ctx.g.DatabasePath);
        w.editChanged(QStringLiteral("Text3"), QStringLiteral("Escrito en el vacío ..."));
        w.click(move);
        QCOMPARE(f.platform.messages.size(), size_t(1));
        QCOMPARE(f.lastMessage(), text::uiText(text::KeyNoSentenceHere, text::English));
        QCOMPARE(serial(w), shownAfter);
        QVERIFY(w.Text3.caption != QStringLiteral("Escrito en el vacío ..."));
        QCOMPARE(fileBytes(f.ctx.g.DatabasePath), before);
    }

    void leavingWithAnInvalidEditAsks() {
        EditorFixture f;
        EditorWindow& w = f.started();
        w.editChanged(QStringLiteral("Text2"), QStringLiteral("7"));
        f.platform.confirmAnswers = {false};
        w.click(QStringLiteral("Command2"));
        QVERIFY(f.windows.isLoaded(app::kEditor));  // stays, to correct it
        f.platform.confirmAnswers = {true};
        w.click(QStringLiteral("Command2"));
        QVERIFY(!f.windows.isLoaded(app::kEditor));
        QCOMPARE(f.stored(1, "szint").toInt(), 1);  // discarded, not stored
    }

    void newTakesTheNextSerialAndIsStoredByAMove() {
        EditorFixture f;
        EditorWindow& w = f.started();
        w.click(QStringLiteral("Command7"));
        w.click(QStringLiteral("Command1"));
        QVERIFY(w.NewPending);
        QCOMPARE(w.Text1.caption, QStringLiteral("251"));
        QCOMPARE(w.focusRequest, QStringLiteral("Text2"));
        QCOMPARE(w.Label10.caption, QStringLiteral("&Nouns"));  // still the record shown before
        for (auto [box, value] : {std::pair{"Text2", "2"},
                                  {"Text3", "Nuevo ..."},
                                  {"Text4", "uno"},
                                  {"Text5", "dos"},
                                  {"Text6", "tres"},
                                  {"Text7", "cuatro"},
                                  {"Text8", "Nuevo uno"},
                                  {"Text10", "A"}})
            w.editChanged(QString::fromLatin1(box), QString::fromLatin1(value));
        w.click(QStringLiteral("Command6"));  // a move stores it and ends the pending state
        QVERIFY(!w.NewPending);
        QCOMPARE(f.stored(251, "mondat").toString(), QStringLiteral("Nuevo ..."));
        const int order = f.stored(251, "sorrend2").toInt();
        QVERIFY(order >= 1 && order <= 3000);
        QCOMPARE(f.rows(), 5);
    }

    // A sentence keeps its identity through an edit of its serial and its text; deleting the
    // sentence of the largest serial and New, which gives that serial again, makes a new identity.
    void theSentenceIdentityOutlivesEditsAndIsNeverGivenAgain() {
        EditorFixture f({{1, 10}, {2, 20}, {3, 30}});
        auto identity = [&](int serial) {
            store::Database db(f.ctx.g.DatabasePath);
            QSqlQuery q(db.db());
            q.prepare(QStringLiteral("SELECT id FROM sentences WHERE serial = ?"));
            q.addBindValue(serial);
            return q.exec() && q.next() ? q.value(0).toLongLong() : 0;
        };
        const qint64 first = identity(1);
        QVERIFY(first > 0);
        EditorWindow& w = f.started();
        w.editChanged(QStringLiteral("Text1"), QStringLiteral("4"));
        w.editChanged(QStringLiteral("Text3"), QStringLiteral("Otra ..."));
        w.click(QStringLiteral("Command7"));
        QCOMPARE(identity(4), first);
        QCOMPARE(identity(1), 0);
        w.click(QStringLiteral("Command6"));  // back to serial 4, first in the natural order
        QCOMPARE(serial(w), 4);
        f.platform.confirmAnswers = {true};
        w.click(QStringLiteral("Command4"));
        w.click(QStringLiteral("Command1"));
        QCOMPARE(serial(w), 4);  // the largest serial again
        for (auto [box, value] : {std::pair{"Text2", "1"}, {"Text3", "Nueva ..."}, {"Text10", "B"}})
            w.editChanged(QString::fromLatin1(box), QString::fromLatin1(value));
        w.click(QStringLiteral("Command6"));
        QCOMPARE(f.stored(4, "mondat").toString(), QStringLiteral("Nueva ..."));
        QVERIFY(identity(4) > first && identity(4) > identity(3));
    }

    void newWithoutAFreeSerialSaysSo() {
        EditorFixture f({{32767, 10}});
        EditorWindow& w = f.started();
        w.click(QStringLiteral("Command1"));
        QCOMPARE(f.lastMessage(), text::uiText(text::KeyNoFreeSerial, text::English));
        QVERIFY(!w.NewPending);
        QCOMPARE(f.rows(), 1);
    }

    void deleteRemovesExactlyTheRecordShown_data() {
        QTest::addColumn<int>("nexts");
        QTest::addColumn<int>("deleted");
        QTest::addColumn<int>("shownAfter");
        QTest::addRow("right after Start: the first") << 0 << 1 << 2;
        QTest::addRow("after moves: the one shown, then the one before") << 2 << 3 << 2;
    }
    void deleteRemovesExactlyTheRecordShown() {
        QFETCH(int, nexts);
        QFETCH(int, deleted);
        QFETCH(int, shownAfter);
        EditorFixture f;
        EditorWindow& w = f.started();
        for (int i = 0; i < nexts; ++i) w.click(QStringLiteral("Command7"));
        f.platform.confirmAnswers = {false};
        w.click(QStringLiteral("Command4"));
        QCOMPARE(f.rows(), 4);
        f.platform.confirmAnswers = {true};
        w.click(QStringLiteral("Command4"));
        QCOMPARE(f.rows(), 3);
        QVERIFY(!f.stored(deleted, "mondat").isValid());
        QCOMPARE(serial(w), shownAfter);
    }

    void deleteAfterNewDropsOnlyTheNewRecord() {
        EditorFixture f;
        EditorWindow& w = f.started();
        w.click(QStringLiteral("Command1"));
        f.platform.confirmAnswers = {true};
        w.click(QStringLiteral("Command4"));
        QCOMPARE(f.rows(), 4);
        QVERIFY(!w.NewPending);
    }

    void searches() {
        EditorFixture f;
        EditorWindow& w = f.started();
        f.platform.inputAnswers = {std::nullopt};  // cancelled: nothing moves, nothing said
        w.click(QStringLiteral("Command5"));
        QCOMPARE(serial(w), 1);
        QVERIFY(f.platform.messages.empty());
        QCOMPARE(f.platform.inputPrompts.back(), text::uiText(86, text::English));
        w.click(QStringLiteral("Command11"));  // before any Find first: nothing
        QVERIFY(f.platform.messages.empty());
        f.platform.inputAnswers = {QStringLiteral("kulcs1 = '1'")};
        w.click(QStringLiteral("Command5"));
        QCOMPARE(serial(w), 1);
        w.click(QStringLiteral("Command11"));
        QCOMPARE(serial(w), 3);
        w.click(QStringLiteral("Command11"));  // no further match: beep, key 85, stays
        QCOMPARE(f.platform.beeps, 1);
        QCOMPARE(f.lastMessage(), text::uiText(85, text::English));
        QCOMPARE(f.platform.messages.back().caption, QStringLiteral("Database"));
        QCOMPARE(serial(w), 3);
        f.platform.inputAnswers = {QStringLiteral("sorszam = 99")};
        w.click(QStringLiteral("Command5"));
        QCOMPARE(f.platform.beeps, 2);
        const size_t messages = f.platform.messages.size();
        f.platform.inputAnswers = {QStringLiteral("szint == 1; drop table test1")};
        w.click(QStringLiteral("Command5"));  // cannot be read: ends quietly
        QCOMPARE(f.platform.messages.size(), messages);
        QCOMPARE(f.rows(), 4);
    }

    void findNextStoresAPendingNewRecord() {
        EditorFixture f;
        EditorWindow& w = f.started();
        w.click(QStringLiteral("Command1"));
        for (auto [box, value] : {std::pair{"Text2", "1"}, {"Text3", "Otra ..."}, {"Text10", "B"}})
            w.editChanged(QString::fromLatin1(box), QString::fromLatin1(value));
        w.click(QStringLiteral("Command11"));
        QVERIFY(!w.NewPending);
        QCOMPARE(f.stored(251, "mondat").toString(), QStringLiteral("Otra ..."));
    }

    void topicsFileTheRecord_data() {
        QTest::addColumn<int>("item");
        QTest::addColumn<QString>("kulcs1");
        QTest::addColumn<QString>("kulcs2");
        QTest::addColumn<int>("key");
        QTest::addRow("verbs write subtopic 0") << 0 << "1"
                                                << "0" << 42;
        QTest::addRow("idioms leave kulcs2") << 16 << "9"
                                             << "1" << 59;
        QTest::addRow("word order") << 17 << "a"
                                    << "1" << 58;
    }
    void topicsFileTheRecord() {
        QFETCH(int, item);
        QFETCH(QString, kulcs1);
        QFETCH(QString, kulcs2);
        QFETCH(int, key);
        EditorFixture f;
        EditorWindow& w = f.started();
        w.click(QStringLiteral("mnuTopicItem"), item);
        QCOMPARE(f.stored(1, "kulcs1").toString(), kulcs1);
        QCOMPARE(f.stored(1, "kulcs2").toString(), kulcs2);
        QCOMPARE(w.Label10.caption, text::uiText(key, text::English));
    }

    void contentWarnings_data() {
        QTest::addColumn<QString>("box");
        QTest::addColumn<QString>("value");
        QTest::addColumn<int>("key");
        QTest::addRow("no gap") << "Text3"
                                << "Sentence without gap" << int(text::KeyWarnGaps);
        QTest::addRow("two gaps") << "Text3"
                                  << "... and ..." << int(text::KeyWarnGaps);
        QTest::addRow("equal fillers") << "Text5"
                                       << "uno" << int(text::KeyWarnEqualFillers);
        QTest::addRow("solution not completed") << "Text8"
                                                << "Something else" << int(text::KeyWarnSolution);
        QTest::addRow("same sentence elsewhere") << "Text3"
                                                 << "Sentence 2 ..." << int(text::KeyWarnSameSentence);
    }
    void contentWarnings() {
        QFETCH(QString, box);
        QFETCH(QString, value);
        QFETCH(int, key);
        EditorFixture f;
        EditorWindow& w = f.started();
        w.editChanged(QStringLiteral("Text8"), QStringLiteral("Sentence 1 uno"));
        w.editChanged(box, value);
        w.click(QStringLiteral("Command7"));  // stored all the same
        w.click(QStringLiteral("Command6"));
        const QString expected = text::uiText(key, text::English).section(u'%', 0, 0);
        QVERIFY2(w.lblWarning.caption.contains(expected), qPrintable(w.lblWarning.caption));
        QCOMPARE(f.stored(1, box == "Text8"   ? "felelet1"
                             : box == "Text5" ? "b"
                                              : "mondat")
                     .toString(),
                 value);
    }

    void theKeyboardAidWorksInExactlySixBoxes_data() {
        QTest::addColumn<QString>("box");
        QTest::addColumn<bool>("substitutes");
        for (const char* b : {"Text3", "Text4", "Text5", "Text6", "Text7", "Text8"})
            QTest::addRow("%s", b) << b << true;
        for (const char* b : {"Text1", "Text2", "Text10"}) QTest::addRow("%s", b) << b << false;
    }
    void theKeyboardAidWorksInExactlySixBoxes() {
        QFETCH(QString, box);
        QFETCH(bool, substitutes);
        EditorFixture f;
        EditorWindow& w = f.started();
        const QString typed = QStringLiteral("@#;'`[/\\x");
        const QString spanish = QStringLiteral("¡¿éáíñúóx");
        QString got;
        for (QChar k : typed) got += w.editKeyPress(box, k);
        QCOMPARE(got, substitutes ? spanish : typed);
    }

    void theLegendAndTheFonts() {
        EditorFixture f;
        EditorWindow& w = f.started();
        QVERIFY(!w.Label12.visible);
        w.click(QStringLiteral("Command12"));
        QVERIFY(w.Label12.visible);
        w.click(QStringLiteral("Command12"));
        QVERIFY(!w.Label12.visible);
        w.activeControl = QStringLiteral("Text3");
        f.platform.fontAnswers = {forms::FontSpec{QStringLiteral("Arial"), 16, false, true, false, false},
                                  std::nullopt};
        w.click(QStringLiteral("mnuFonts"));
        QCOMPARE(w.Text3.font.family, QStringLiteral("Arial"));
        QVERIFY(w.Text4.font.family.isEmpty());
        w.click(QStringLiteral("mnuFonts"));  // cancelled: unchanged
        QCOMPARE(w.Text3.font.pointSize, 16.0);
    }

    void anEditSurvivesReopeningInAnotherLanguage() {
        EditorFixture f;
        EditorWindow& w = f.started();
        w.editChanged(QStringLiteral("Text4"), QStringLiteral("otro"));
        w.click(QStringLiteral("mnuPlurquiz"));
        QCOMPARE(f.stored(1, "a").toString(), QStringLiteral("otro"));
        f.ctx.g.LangBase = text::Spanish;
        f.windows.find(app::kLauncher)->click(QStringLiteral("database"));
        EditorWindow& again = f.open();
        QCOMPARE(again.Command10.caption, QStringLiteral("E&mpezar"));
        QCOMPARE(again.caption, QStringLiteral("Plurquiz Español  ----  Base de datos"));
    }
};

QTEST_GUILESS_MAIN(EditorWindowTest)
#include "test_editor_window.moc"
