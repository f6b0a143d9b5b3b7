// plurquiz-import and course platforms: the built-in material goes out as GIFT and comes back the
// same; special characters and accents survive; Aiken files are read; every question that cannot
// become a sentence is named with its line, and a file that cannot be read whole writes nothing.
// The Moodle XML export is well formed and complete.
#include <QTemporaryDir>
#include <QXmlStreamReader>
#include <QtTest>
#include <map>
#include <tuple>

#include "import_tool.h"
#include "store/material.h"
#include "test_database.h"

namespace {

using Sentence = std::vector<QVariant>;  // szint, kulcs1, kulcs2, a, b, c, d, felelet1, felelet2

// The sentences of a database by their text, with every field but the serial number.
std::map<QString, Sentence> sentencesOf(const QString& path) {
    store::Database db(path);
    std::map<QString, Sentence> out;
    for (auto& row :
         tableRows(db, QStringLiteral("SELECT mondat, szint, kulcs1, kulcs2, a, b, c, d, felelet1, "
                                      "felelet2 FROM test1")))
        out[row[0].toString()] = Sentence(row.begin() + 1, row.end());
    return out;
}

std::vector<int> serialsOf(const QString& path) {
    store::Database db(path);
    std::vector<int> serials;
    for (const auto& row : tableRows(db, QStringLiteral("SELECT sorszam FROM test1 ORDER BY sorszam")))
        serials.push_back(row[0].toInt());
    return serials;
}

const QByteArray kHeader = "sorszam,szint,kulcs1,kulcs2,mondat,a,b,c,d,felelet1,felelet2\n";

}  // namespace

class ExchangeToolTest : public QObject {
    Q_OBJECT
    QTemporaryDir dir;
    QString material;  // the built-in material in a database

    QString path(const QString& name) const { return dir.filePath(name); }
    QString file(const QString& name, const QByteArray& bytes) const {
        writeAll(path(name), bytes);
        return path(name);
    }
    QString databaseFromCsv(const QString& name, const QByteArray& rows) {
        const QString db = path(name);
        QFile::remove(db);
        const ToolRun run = runTool({"--csv-in", file(name + ".csv", kHeader + rows), db});
        if (run.code != 0) qWarning("%s", run.err.constData());
        return db;
    }

private slots:
    void initTestCase() {
        QVERIFY2(QFileInfo(toolPath()).isExecutable(), qPrintable(toolPath()));
        material = path(QStringLiteral("material.sqlite"));
        const ToolRun run = runTool(
            {QStringLiteral("--csv-in"), QStringLiteral(PLURQUIZ_SOURCE_DIR "/data/material.csv"), material});
        QVERIFY2(run.code == 0, run.err.constData());
    }

    // Out to GIFT and back in: every sentence with the same level, topic codes, fillers, right
    // letter and solution.
    void materialComesBackFromGiftUnchanged() {
        const QString gift = path(QStringLiteral("material.gift"));
        const ToolRun out = runTool({QStringLiteral("--gift-out"), material, gift});
        QVERIFY2(out.code == 0 && out.err.isEmpty(), out.err.constData());
        const QString back = path(QStringLiteral("back.sqlite"));
        const ToolRun in = runTool({QStringLiteral("--gift-in"), gift, back});
        QVERIFY2(in.code == 0, in.err.constData());
        QVERIFY2(in.err.isEmpty(), in.err.constData());  // nothing assumed, nothing passed over
        const auto before = sentencesOf(material), after = sentencesOf(back);
        QCOMPARE(after.size(), before.size());
        const QStringList fields = {"szint", "kulcs1", "kulcs2", "a", "b", "c", "d", "felelet1", "felelet2"};
        for (const auto& [sentence, values] : before) {
            auto it = after.find(sentence);
            QVERIFY2(it != after.end(), qPrintable(sentence));
            for (int i = 0; i < fields.size(); ++i)
                QVERIFY2(it->second[static_cast<size_t>(i)].toString() ==
                             values[static_cast<size_t>(i)].toString(),
                         qPrintable(sentence + ": " + fields[i] + " " +
                                    it->second[static_cast<size_t>(i)].toString()));
        }
        // The file a course platform sees: blanks for gaps, categories by topic name, level tags.
        const QString text = QString::fromUtf8(readAll(gift));
        for (const QString& line : text.split(u'\n').filter(QStringLiteral("::Sentence ")))
            QVERIFY2(!line.contains(QStringLiteral("...")) && line.contains(QStringLiteral("_____")),
                     qPrintable(line));
        QVERIFY(text.indexOf(QStringLiteral("/Verbs\n")) < text.indexOf(QStringLiteral("/Nouns\n")));
        QVERIFY(text.contains(QStringLiteral("$CATEGORY: Plurquiz Español/Verbs_Ser//Estar//Haber\n")));
        QVERIFY(text.contains(QStringLiteral("$CATEGORY: Plurquiz Español/Prepositions\n")));
        QVERIFY(text.contains(QStringLiteral("// [tag:level-3]")));
        QVERIFY(text.contains(QStringLiteral("_____")));
    }

    // A sentence with every character GIFT gives a meaning to, and accented letters, goes out
    // escaped and comes back as it was.
    void specialCharactersAreEscapedAndRestored_data() {
        QTest::addColumn<QByteArray>("row");
        QTest::addColumn<QStringList>("escaped");
        QTest::addRow("braces, tilde, equals")
            << QByteArray("1,2,8,0,\"{Él} ... ~ = ñ\",a=b,c~d,{e},f,\"{Él} c~d ~ = ñ — nota: {x}\",B\n")
            << QStringList{"\\{Él\\} _____ \\~ \\= ñ", "=c\\~d", "~a\\=b", "~\\{e\\}", "nota\\: \\{x\\}"};
        QTest::addRow("hash, colon, backslash")
            << QByteArray("1,3,a,1,¿Qué # ... : \\ hay?,ü#,ç:,\\\\,á,¿Qué # á : \\ hay?,D\n")
            << QStringList{"¿Qué \\# _____ \\: \\\\ hay?", "~ü\\#", "~ç\\:", "~\\\\\\\\", "=á"};
    }
    void specialCharactersAreEscapedAndRestored() {
        QFETCH(QByteArray, row);
        QFETCH(QStringList, escaped);
        const QString tag = QString::fromLatin1(QTest::currentDataTag()).replace(u' ', u'_').remove(u',');
        const QString db = databaseFromCsv(tag + QStringLiteral(".sqlite"), row);
        const QString gift = path(tag + QStringLiteral(".gift"));
        QCOMPARE(runTool({QStringLiteral("--gift-out"), db, gift}).code, 0);
        const QString text = QString::fromUtf8(readAll(gift));
        for (const QString& piece : escaped) QVERIFY2(text.contains(piece), qPrintable(piece + "\n" + text));
        const QString back = path(tag + QStringLiteral("-back.sqlite"));
        const ToolRun in = runTool({QStringLiteral("--gift-in"), gift, back});
        QVERIFY2(in.code == 0 && in.err.isEmpty(), in.err.constData());
        QCOMPARE(sentencesOf(back), sentencesOf(db));
    }

    // A file written by hand: escapes, accents, a question name, the missing-word form, an [html]
    // question, Windows line ends, categories in Spanish and a category path.
    void handWrittenGiftIsRead() {
        const QByteArray gift =
            "// Preguntas de prueba\r\n"
            "$CATEGORY: $course$/top/Preposición\r\n"
            "\r\n"
            "// [tag:level-2]\r\n"
            "::Uno\\: el precio:: Pagué cincuenta euros _____ este reloj\\: ¡caro! {\r\n"
            "  ~para\r\n"
            "  ~de\r\n"
            "  =por #¡Bien!\r\n"
            "  ~a\r\n"
            "  ####por\\: precio \\= intercambio\r\n"
            "}\r\n"
            "\r\n"
            "$CATEGORY: Frases hechas\r\n"
            "\r\n"
            "// [tag:level-3] [tag:special]\r\n"
            "Me tomó el {~brazo ~dedo =pelo ~pie} ayer.\r\n"
            "\r\n"
            "[html]<p>Él &amp; ella _____ <b>hermanos</b>.</p>{=son ~es ~está ~están}\r\n";
        const QString db = path(QStringLiteral("hand.sqlite"));
        const ToolRun run =
            runTool({QStringLiteral("--gift-in"), file(QStringLiteral("hand.gift"), gift), db});
        QVERIFY2(run.code == 0, run.err.constData());
        // Only the level of the third question had to be assumed.
        QVERIFY2(run.errText().contains(QStringLiteral("no level tag")) && run.errText().contains("line 18"),
                 run.err.constData());
        const auto rows = sentencesOf(db);
        QCOMPARE(rows.size(), size_t(3));
        const Sentence price = rows.at(QStringLiteral("Pagué cincuenta euros ... este reloj: ¡caro!"));
        QCOMPARE(price,
                 (Sentence{2, "8", "0", "para", "de", "por", "a",
                           "Pagué cincuenta euros por este reloj: ¡caro! — por: precio = intercambio", "C"}));
        const Sentence hair = rows.at(QStringLiteral("Me tomó el ... ayer."));
        QCOMPARE(hair, (Sentence{3, "9", "9", "brazo", "dedo", "pelo", "pie", "Me tomó el pelo ayer.", "C"}));
        QVERIFY(rows.count(QStringLiteral("Él & ella ... hermanos.")));
    }

    void aikenFileIsRead() {
        const QByteArray aiken =
            "¿Dónde ... las llaves del coche?\n"
            "A. son\n"
            "B. hay\n"
            "C) estás\n"
            "D) están\n"
            "ANSWER: D\n"
            "\n"
            "Three answers only ...\n"
            "A. uno\n"
            "B. dos\n"
            "C. tres\n"
            "ANSWER: A\n"
            "Two right answers ...\n"
            "A. uno\n"
            "B. dos\n"
            "C. tres\n"
            "D. cuatro\n"
            "ANSWER: A, C\n"
            "Mañana ... (ir) al cine.\n"
            "A. voy\n"
            "B. iré\n"
            "C. fui\n"
            "D. iba\n"
            "ANSWER: B\n";
        const QString db = path(QStringLiteral("aiken.sqlite"));
        const ToolRun run = runTool({QStringLiteral("--aiken-in"), file(QStringLiteral("q.txt"), aiken), db});
        QVERIFY2(run.code == 0, run.err.constData());
        const QString err = run.errText();
        QVERIFY2(err.contains(QStringLiteral("line 8: 3 answers")), run.err.constData());
        QVERIFY2(err.contains(QStringLiteral("line 13: 2 answers are marked right")), run.err.constData());
        QVERIFY2(err.contains(QStringLiteral("no category")), run.err.constData());
        const auto rows = sentencesOf(db);
        QCOMPARE(rows.size(), size_t(2));
        QCOMPARE(rows.at(QStringLiteral("¿Dónde ... las llaves del coche?")),
                 (Sentence{1, "1", "0", "son", "hay", "estás", "están", "¿Dónde están las llaves del coche?",
                           "D"}));
        QCOMPARE(rows.at(QStringLiteral("Mañana ... (ir) al cine."))[8].toString(), QStringLiteral("B"));
    }

    // What cannot become a sentence is named with its line; where nothing is left, or the file
    // cannot be read whole, no database is created and an existing one keeps what it had.
    void badQuestionsAreNamed_data() {
        QTest::addColumn<QString>("option");
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<int>("code");
        QTest::addColumn<QStringList>("named");
        QTest::addColumn<int>("added");

        const QByteArray good = "Yo _____ estudiante. {=soy ~eres ~es ~somos}\n";
        QTest::addRow("three and five answers beside a good one")
            << "--gift-in" << QByteArray("A _____ b {=x ~y ~z}\n\n") + good + "\nC _____ d {=1 ~2 ~3 ~4 ~5}\n"
            << 0 << QStringList{"line 1: 3 answers", "line 5: 5 answers"} << 1;
        QTest::addRow("only questions of other kinds")
            << "--gift-in"
            << QByteArray(
                   "// a comment\n::tf:: La Tierra es plana. {F}\n\n"
                   "Dos _____ dos {=más =y ~menos ~por}\n\n"
                   "Capital de Francia {=París =Paris}\n\n"
                   "Une {=a -> 1 =b -> 2 =c -> 3}\n\n"
                   "Año {#1492}\n\n"
                   "Escribe algo. {}\n\n"
                   "Sólo un texto.\n\n"
                   "Parcial {~%50%a ~%50%b ~c ~d}\n\n"
                   "Pesos {~%5088888888888888888888888%a ~%nan%b ~%-50%c ~d}\n")
            << 1
            << QStringList{"line 2: a true/false question",
                           "line 4: 2 answers are marked right",
                           "line 6: a short-answer question",
                           "line 8: a matching question",
                           "line 10: a numerical question",
                           "line 12: an essay question",
                           "line 14: a text without answers",
                           "line 16: 2 answers are worth only some",
                           "line 18: a question whose answer weights are not percentages",
                           "nothing has been written"}
            << 0;
        QTest::addRow("GIFT cut off inside the answers")
            << "--gift-in" << good + "\nOtra _____ frase {\n=a\n~b\n"
            << 1
            << QStringList{"line 3: the answers opened with { are never closed", "nothing has been written"}
            << 0;
        QTest::addRow("GIFT cut off after a backslash")
            << "--gift-in" << good + "\nOtra _____ frase \\" << 1
            << QStringList{"line 3: the file ends in the middle of a question", "nothing has been written"}
            << 0;
        QTest::addRow("bytes of another code page")
            << "--gift-in"
            << good +
                   "\n// Latin-1 below\nEspa\xf1"
                   "a _____ {=a ~b ~c ~d}\n"
            << 1 << QStringList{"line 4: the file is not UTF-8", "nothing has been written"} << 0;
        QTest::addRow("Aiken cut off before its ANSWER line")
            << "--aiken-in"
            << QByteArray(
                   "Yo ... estudiante.\nA. soy\nB. es\nC. eres\nD. somos\nANSWER: A\n\n"
                   "Tú ... estudiante.\nA. soy\nB. es\n")
            << 1 << QStringList{"line 8: the last question has no ANSWER line", "nothing has been written"}
            << 0;
        QTest::addRow("Aiken not UTF-8")
            << "--aiken-in" << QByteArray("Yo ... estudiante.\nA. soy\nB. es\nC. eres\nD. \xe9s\nANSWER: A\n")
            << 1 << QStringList{"line 5: the file is not UTF-8"} << 0;
        QTest::addRow("empty file") << "--gift-in" << QByteArray() << 1
                                    << QStringList{"nothing has been written"} << 0;
    }
    void badQuestionsAreNamed() {
        QFETCH(QString, option);
        QFETCH(QByteArray, bytes);
        QFETCH(int, code);
        QFETCH(QStringList, named);
        QFETCH(int, added);
        const QString source = file(QStringLiteral("bad.txt"), bytes);
        const QString fresh = path(QStringLiteral("fresh.sqlite"));
        QFile::remove(fresh);
        const QString existing =
            databaseFromCsv(QStringLiteral("existing.sqlite"), "4,1,1,0,a ...,a,b,c,d,a a,A\n");
        for (const QString& target : {fresh, existing}) {
            const QStringList before = filesIn(dir.path());
            const ToolRun run = runTool({option, source, target});
            QVERIFY(!run.crashed());
            QCOMPARE(run.code, code);
            for (const QString& piece : named)
                QVERIFY2(run.errText().contains(piece), qPrintable(piece + "\n" + run.errText()));
            for (const QString& line : run.errText().trimmed().split(u'\n'))
                QVERIFY2(line.startsWith(source + QStringLiteral(": ")) || line.startsWith(target),
                         qPrintable(line));
            if (code != 0) {
                QCOMPARE(filesIn(dir.path()), before);  // no database, no temporary file left
                QVERIFY(!QFileInfo::exists(fresh));
            }
        }
        if (code == 0) QCOMPARE(serialsOf(fresh).size(), size_t(added));
        QCOMPARE(serialsOf(existing).size(), size_t(1 + added));
        QFile::remove(existing);
    }

    void serialNumbersContinueAfterTheLargest() {
        const QString db = databaseFromCsv(QStringLiteral("gaps.sqlite"),
                                           "1,1,1,0,a ...,a,b,c,d,a a,A\n7,1,1,0,b ...,a,b,c,d,b a,A\n");
        const QByteArray gift =
            "$CATEGORY: Nouns\n\n// [tag:level-1]\nUn _____ {=x ~y ~z ~w}\n\n"
            "// [tag:level-1]\nDos _____ {=x ~y ~z ~w}\n";
        const ToolRun run =
            runTool({QStringLiteral("--gift-in"), file(QStringLiteral("two.gift"), gift), db});
        QVERIFY2(run.code == 0 && run.err.isEmpty(), run.err.constData());
        QVERIFY2(run.out.contains("8-9"), run.out.constData());
        QCOMPARE(serialsOf(db), (std::vector<int>{1, 7, 8, 9}));
        {
            store::Database file(db);
            QCOMPARE(sentencesWithoutIdentity(file), 0);
        }
        QCOMPARE(sentencesOf(db).at(QStringLiteral("Dos ...")),
                 (Sentence{1, "2", "0", "x", "y", "z", "w", "Dos x", "A"}));
    }

    void unknownCategoryIsReported() {
        const QByteArray gift =
            "$CATEGORY: $course$/top/Geografía\n\n// [tag:level-2]\nUn _____ {=x ~y ~z ~w}\n\n"
            "// [tag:level-2]\nDos _____ {=x ~y ~z ~w}\n";
        const QString db = path(QStringLiteral("geo.sqlite"));
        const ToolRun run =
            runTool({QStringLiteral("--gift-in"), file(QStringLiteral("geo.gift"), gift), db});
        QCOMPARE(run.code, 0);
        QVERIFY2(
            run.errText().contains(QStringLiteral("\"$course$/top/Geografía\" (lines 4, 7) is none of the "
                                                  "topics")),
            run.err.constData());
        QCOMPARE(sentencesOf(db).at(QStringLiteral("Dos ..."))[7].toString(), QStringLiteral("Dos x"));
    }

    // The rules a row keeps are the same on every way in: a CSV file is refused whole, and a
    // question of a GIFT or Aiken file is passed over, naming its line and the same reason.
    void rowRulesAreTheSameOnEveryPath_data() {
        QTest::addColumn<QString>("sentence");
        QTest::addColumn<QString>("filler");   // the second, wrong one
        QTest::addColumn<bool>("intoStored");  // into a database that holds "Yo ... aquí." already
        QTest::addColumn<QString>("reason");
        QTest::addRow("no gap") << "Sin hueco."
                                << "b" << false << "field mondat: the sentence has no gap";
        QTest::addRow("the same sentence twice")
            << "Tú ... allí."
            << "b" << false << "field mondat: the same sentence is on line";
        QTest::addRow("a sentence stored already")
            << "Yo ... aquí."
            << "b" << true << "field mondat: the same sentence is in the database as serial number 1";
        QTest::addRow("a sentence over its limit")
            << "Él ... " + QString(1000, u'x') << "b" << false << "field mondat: is 1007 characters long";
        QTest::addRow("a filler over its limit")
            << "Él ... aquí." << QString(201, u'y') << false << "field b: is 201 characters long";
        QTest::addRow("a NUL byte") << QStringLiteral("Él ") + QChar(0) + QStringLiteral("... aquí.") << "b"
                                    << false << "the file holds a NUL byte";
    }
    void rowRulesAreTheSameOnEveryPath() {
        QFETCH(QString, sentence);
        QFETCH(QString, filler);
        QFETCH(bool, intoStored);
        QFETCH(QString, reason);
        const bool wholeFile = reason.contains(QStringLiteral("NUL"));
        const QString good = QStringLiteral("Tú ... allí."), after = QStringLiteral("Él ... allá.");
        const QString stem = QString(sentence).replace(QStringLiteral("..."), QStringLiteral("_____"));
        // A good sentence, the one under test, another good one (which the refusal before it does not
        // touch); and the line the one under test starts on.
        const std::vector<std::tuple<QString, QString, int>> paths = {
            {"--csv-in",
             QString::fromUtf8(kHeader) + "1,1,1,0," + good + ",a,b,c,d,Tú a allí.,A\n2,1,1,0," + sentence +
                 ",a," + filler + ",c,d," + store::completedSentence(sentence, "a") + ",A\n3,1,1,0," + after +
                 ",a,b,c,d,Él a allá.,A\n",
             3},
            {"--gift-in",
             "Tú _____ allí. {=a ~b ~c ~d}\n\n" + stem + " {=a ~" + filler + " ~c ~d}\n\n" + after +
                 " {=a ~b ~c ~d}\n",
             3},
            {"--aiken-in",
             good + "\nA. a\nB. b\nC. c\nD. d\nANSWER: A\n\n" + sentence + "\nA. a\nB. " + filler +
                 "\nC. c\nD. d\nANSWER: A\n\n" + after + "\nA. a\nB. b\nC. c\nD. d\nANSWER: A\n",
             8}};
        for (const auto& [option, text, line] : paths) {
            if (intoStored && option == QLatin1String("--csv-in"))
                continue;  // it goes only into an empty table
            const QString source = file(QStringLiteral("rules.txt"), text.toUtf8());
            const QString db = intoStored ? databaseFromCsv(QStringLiteral("stored.sqlite"),
                                                            "1,1,1,0,Yo ... aquí.,a,b,c,d,Yo a aquí.,A\n")
                                          : path(QStringLiteral("rules.sqlite"));
            if (!intoStored) QFile::remove(db);
            const ToolRun run = runTool({option, source, db});
            const QString said = QStringLiteral("line %1").arg(line);
            QVERIFY2(run.errText().contains(said) && run.errText().contains(reason),
                     qPrintable(option + "\n" + run.errText()));
            if (wholeFile || option == QLatin1String("--csv-in")) {
                QCOMPARE(run.code, 1);
                QCOMPARE(QFileInfo::exists(db), intoStored);
            } else {
                QVERIFY2(run.code == 0 && run.errText().contains(QStringLiteral("passed over")),
                         run.err.constData());
                // the two good ones, and the one stored
                QCOMPARE(serialsOf(db).size(), size_t(intoStored ? 3 : 2));
            }
        }
    }

    // The answer line as Aiken files write it: the letter alone, or with a full stop or brackets.
    void aikenAnswerLineForms_data() {
        QTest::addColumn<QByteArray>("answer");
        QTest::addColumn<QString>("letter");
        QTest::addRow("letter") << QByteArray("ANSWER: B") << "B";
        QTest::addRow("full stop") << QByteArray("ANSWER: A.") << "A";
        QTest::addRow("bracket") << QByteArray("ANSWER: C)") << "C";
        QTest::addRow("brackets, small letter") << QByteArray("Answer: (d)") << "D";
        QTest::addRow("no blank, full stop and blank") << QByteArray("ANSWER:B. ") << "B";
    }
    void aikenAnswerLineForms() {
        QFETCH(QByteArray, answer);
        QFETCH(QString, letter);
        const QString db = path(QStringLiteral("forms.sqlite"));
        QFile::remove(db);
        const ToolRun run = runTool(
            {QStringLiteral("--aiken-in"),
             file(QStringLiteral("forms.txt"), "Yo ... aquí.\nA. a\nB. b\nC. c\nD. d\n" + answer + "\n"),
             db});
        QVERIFY2(run.code == 0, run.err.constData());
        QCOMPARE(sentencesOf(db).at(QStringLiteral("Yo ... aquí."))[8].toString(), letter);
    }

    // The round trip the README gives a teacher (export, edit, load into a new file) works after
    // questions came in from a course platform, the refused ones left out.
    void readmeRoundTripWorksAfterAnExchange() {
        const QString db = path(QStringLiteral("roundtrip.sqlite"));
        QFile::remove(db);
        QVERIFY(QFile::copy(material, db));
        // A sentence of the material without a character GIFT escapes, given again.
        QString firstSentence;
        for (const auto& [sentence, fields] : sentencesOf(material))
            if (firstSentence.isEmpty() &&
                !sentence.contains(QRegularExpression(QStringLiteral("[~=#{}:\\\\]"))))
                firstSentence = sentence;
        const QString gift =
            file(QStringLiteral("roundtrip.gift"),
                 ("Nuevo _____ aquí. {=a ~b ~c ~d}\n\nSin hueco. {=a ~b ~c ~d}\n\n" +
                  QString(firstSentence).replace(QStringLiteral("..."), QStringLiteral("_____")) +
                  " {=a ~b ~c ~d}\n")
                     .toUtf8());
        const ToolRun in = runTool({QStringLiteral("--gift-in"), gift, db});
        QVERIFY2(in.code == 0 && in.out.contains("1 sentence(s)"), in.err.constData());
        const QString csv = path(QStringLiteral("roundtrip.csv")),
                      fresh = path(QStringLiteral("roundtrip-new.sqlite"));
        QCOMPARE(runTool({QStringLiteral("--csv-out"), db, csv}).code, 0);
        const ToolRun back = runTool({QStringLiteral("--csv-in"), csv, fresh});
        QVERIFY2(back.code == 0, back.err.constData());
        QCOMPARE(sentencesOf(fresh), sentencesOf(db));
        QCOMPARE(sentencesOf(fresh).size(), sentencesOf(material).size() + 1);
    }

    // Every question of the export is there with what Moodle XML asks of a multiple-choice
    // question, in the category of its topic.
    void moodleXmlIsWellFormedAndComplete() {
        const QString xmlFile = path(QStringLiteral("material.xml"));
        const ToolRun run = runTool({QStringLiteral("--moodle-xml-out"), material, xmlFile});
        QVERIFY2(run.code == 0 && run.err.isEmpty(), run.err.constData());
        QXmlStreamReader xml(readAll(xmlFile));
        QVERIFY(xml.readNextStartElement());
        QCOMPARE(xml.name(), QStringLiteral("quiz"));
        int questions = 0;
        QStringList categories;
        std::map<QString, int> levels;
        while (xml.readNextStartElement()) {
            QCOMPARE(xml.name(), QStringLiteral("question"));
            const QString type = xml.attributes().value(QStringLiteral("type")).toString();
            std::map<QString, int> elements;
            QString questionText, feedback;
            int right = 0, answers = 0;
            QStringList tags;
            while (xml.readNextStartElement()) {
                const QString name = xml.name().toString();
                ++elements[name];
                if (name == QLatin1String("answer")) {
                    ++answers;
                    if (xml.attributes().value(QStringLiteral("fraction")) == QLatin1String("100")) ++right;
                    QVERIFY(xml.readNextStartElement());
                    QCOMPARE(xml.name(), QStringLiteral("text"));
                    QVERIFY(!xml.readElementText().isEmpty());
                    xml.skipCurrentElement();
                } else if (name == QLatin1String("tags")) {
                    while (xml.readNextStartElement()) {
                        QVERIFY(xml.readNextStartElement());
                        tags << xml.readElementText();
                        xml.skipCurrentElement();
                    }
                } else if (name == QLatin1String("category") || name == QLatin1String("questiontext") ||
                           name == QLatin1String("generalfeedback") || name == QLatin1String("name")) {
                    QVERIFY(xml.readNextStartElement());
                    const QString text = xml.readElementText();
                    if (name == QLatin1String("category")) categories << text;
                    if (name == QLatin1String("questiontext")) questionText = text;
                    if (name == QLatin1String("generalfeedback")) feedback = text;
                    xml.skipCurrentElement();
                } else {
                    xml.skipCurrentElement();
                }
            }
            if (type == QLatin1String("category")) continue;
            QCOMPARE(type, QStringLiteral("multichoice"));
            ++questions;
            for (const char* required : {"name", "questiontext", "generalfeedback", "single", "tags"})
                QVERIFY2(elements[QString::fromLatin1(required)] == 1, required);
            QCOMPARE(answers, 4);
            QCOMPARE(right, 1);
            QVERIFY2(questionText.contains(QStringLiteral("_____")), qPrintable(questionText));
            QVERIFY(!feedback.isEmpty());
            QVERIFY(!categories.isEmpty());
            QCOMPARE(tags.filter(QStringLiteral("level-")).size(), 1);
            ++levels[tags.filter(QStringLiteral("level-")).first()];
        }
        QVERIFY2(!xml.hasError(), qPrintable(xml.errorString()));
        QCOMPARE(questions, int(sentencesOf(material).size()));
        QCOMPARE(categories.size(), 18);
        QVERIFY(categories.contains(QStringLiteral("$course$/top/Plurquiz Español/Verbs_Ser//Estar//Haber")));
        QCOMPARE(levels.size(), size_t(3));
    }

    void existingExportIsReplacedOnlyWhenForced() {
        const QString gift = file(QStringLiteral("kept.gift"), "the teacher's own file");
        const ToolRun refused = runTool({QStringLiteral("--gift-out"), material, gift});
        QCOMPARE(refused.code, 1);
        QVERIFY(refused.errText().contains(QStringLiteral("--force")));
        QCOMPARE(readAll(gift), QByteArray("the teacher's own file"));
        QCOMPARE(runTool({QStringLiteral("--gift-out"), QStringLiteral("--force"), material, gift}).code, 0);
        QVERIFY(readAll(gift).startsWith("// Plurquiz Español"));
        QCOMPARE(
            runTool({QStringLiteral("--aiken-in"), QStringLiteral("--force"), gift, path("x.sqlite")}).code,
            2);
    }
};

QTEST_GUILESS_MAIN(ExchangeToolTest)
#include "test_exchange_tool.moc"
