// Typed answers: the verdict, the option a mix-up counts as and what the learner is told, over one
// table of answers; and the letter-by-letter difference of a wrong one, as shown and as spoken.
#include <QTextBlock>
#include <QTextDocument>
#include <QtTest>

#include "text/ui_text.h"
#include "written/difference.h"
#include "written/judgement.h"

using namespace written;

class WrittenTest : public QObject {
    Q_OBJECT
private slots:
    void judgesTypedAnswers_data() {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QStringList>("options");
        QTest::addColumn<int>("right");
        QTest::addColumn<int>("verdict");
        QTest::addColumn<int>("chosen");
        QTest::addColumn<QString>("told");
        const int R = int(Verdict::Right), A = int(Verdict::Almost), W = int(Verdict::Wrong);
        const QStringList estar{"está", "es", "estaba", "estuvo"};
        const QStringList letters{"mañana", "pingüino", "tarde", "noche"};
        const QStringList el{"él", "el", "la", "lo"};
        const QStringList pena{"pena", "peña", "pana", "pina"};
        const QStringList nothing{"", "a", "al", "de"};
        const QStringList where{"¿Dónde está", "¿Adónde va", "¿Cuándo es", "¿Qué hay"};
        const QStringList ala{"a la", "al", "a los", "en la"};
        // clang-format off
        QTest::newRow("identical") << "está" << estar << 0 << R << 0 << "";
        QTest::newRow("spaces around") << "  está \t" << estar << 0 << R << 0 << "";
        QTest::newRow("accent typed as a combining mark") << "esta\u0301" << estar << 0 << R << 0 << "";
        QTest::newRow("accent missing") << "esta" << estar << 0 << A << -1 << "accent: está, not esta";
        QTest::newRow("accent and capital")
            << "Esta" << estar << 0 << A << -1 << "accent: está, not Esta; capital letter: está, not Esta";
        QTest::newRow("another option") << "estaba" << estar << 0 << W << 2 << "";
        QTest::newRow("another option in capitals") << "ESTUVO" << estar << 0 << W << 3 << "";
        QTest::newRow("misspelt") << "estava" << estar << 0 << W << -1 << "";
        QTest::newRow("empty answer") << "" << estar << 0 << W << -1 << "";
        QTest::newRow("n for ñ") << "manana" << letters << 0 << A << -1 << "ñ: mañana, not manana";
        QTest::newRow("diaeresis missing") << "pinguino" << letters << 1 << A << -1
                                           << "accent: pingüino, not pinguino";
        QTest::newRow("gap takes nothing, nothing typed") << "" << nothing << 0 << R << 0 << "";
        QTest::newRow("gap takes nothing, spaces typed") << "   " << nothing << 0 << R << 0 << "";
        QTest::newRow("gap takes nothing, option typed") << "al" << nothing << 0 << W << 2 << "";
        QTest::newRow("el for él") << "el" << el << 0 << W << 1 << "here the accent decides: él, not el";
        QTest::newRow("El for él") << "El" << el << 0 << W << 1 << "here the accent decides: él, not El";
        QTest::newRow("Él for él") << "Él" << el << 0 << A << -1 << "capital letter: él, not Él";
        QTest::newRow("peña for pena") << "peña" << pena << 0 << W << 1 << "here the ñ decides: pena, not peña";
        QTest::newRow("Pena for pena") << "Pena" << pena << 0 << A << -1 << "capital letter: pena, not Pena";
        QTest::newRow("two words, every slip")
            << "donde esta" << where << 0 << A << -1
            << "accent: ¿Dónde, not donde; accent: está, not esta; ¿ ¡ marks: ¿Dónde, not donde; "
               "capital letter: ¿Dónde, not donde";
        QTest::newRow("¿ typed apart") << "¿ Dónde  está" << where << 0 << A << -1
                                       << "¿ ¡ marks: ¿Dónde, not ¿ Dónde";
        QTest::newRow("question mark is not set aside") << "¿Dónde está?" << where << 0 << W << -1 << "";
        QTest::newRow("two words, spaces collapsed") << "a  la" << ala << 0 << R << 0 << "";
        QTest::newRow("two words run together") << "ala" << ala << 0 << W << -1 << "";
        QTest::newRow("capital in the first word") << "A la" << ala << 0 << A << -1 << "capital letter: a, not A";
        // clang-format on
    }
    void judgesTypedAnswers() {
        QFETCH(QString, typed);
        QFETCH(QStringList, options);
        QFETCH(int, right);
        std::array<QString, 4> four;
        std::copy(options.begin(), options.end(), four.begin());
        const Judgement j = judge(typed, four, right);
        QTEST(int(j.verdict), "verdict");
        QTEST(j.chosen, "chosen");
        QTEST(almostText(j, text::English), "told");
    }

    void showsTheDifference_data() {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("right");
        QTest::addColumn<QString>("shown");  // [-struck, red-] [+underlined, green+]
        QTest::addColumn<QString>("spoken");
        // clang-format off
        QTest::newRow("changed") << "estava" << "estaba" << "esta[-v-][+b+]a" << "estava: v should be b";
        QTest::newRow("missing") << "estba" << "estaba" << "est[+a+]ba" << "estba: a missing after est";
        QTest::newRow("space missing") << "ala" << "a la" << "a[+\u00a0+]la" << "ala: space missing after a";
        QTest::newRow("space extra") << "a la" << "ala" << "a[-\u00a0-]la" << "a la: extra space after a";
        QTest::newRow("start of the second word") << "de a" << "de la" << "de [+l+]a"
                                                  << "de a: l missing at the start of la";
        QTest::newRow("extra at the start") << "xde la" << "de la" << "[-x-]de la"
                                            << "xde la: extra x at the start of de";
        QTest::newRow("markup typed is text") << "<b>" << "b" << "[-<-]b[->-]"
                                              << "<b>: extra < at the start of b; extra > after b";
        QTest::newRow("nothing typed") << "" << "casa" << "[+casa+]" << "nothing typed";
        QTest::newRow("gap takes nothing") << "no" << "" << "[-no-]" << "no: nothing belongs in the gap";
        QTest::newRow("same") << " casa " << "casa" << "casa" << "";
        // clang-format on
    }
    void showsTheDifference() {
        QFETCH(QString, typed);
        QFETCH(QString, right);
        const std::vector<Segment> segments = difference(typed, right);
        QTextDocument doc;
        doc.setHtml(differenceHtml(segments));
        QString shown;
        for (auto it = doc.begin().begin(); !it.atEnd(); ++it) {
            const QTextCharFormat f = it.fragment().charFormat();
            const QColor c = f.foreground().color();
            const QString t = it.fragment().text();
            if (f.fontStrikeOut() && c.red() > c.green())
                shown += "[-" + t + "-]";
            else if (f.fontUnderline() && c.green() > c.red())
                shown += "[+" + t + "+]";
            else
                shown += t;
        }
        QTEST(shown, "shown");
        QTEST(differencePlain(segments, text::English), "spoken");
    }
};

QTEST_MAIN(WrittenTest)
#include "test_written.moc"
