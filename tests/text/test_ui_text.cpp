// The interface texts: completeness of what the windows ask for, and the texts that must stay
// exactly as they always were.
#include <QtTest>

#include "text/ui_text.h"
#include "text/window_texts.h"

using namespace text;

class UiTextTest : public QObject {
    Q_OBJECT
private slots:
    void everyKeyAWindowUsesHasTextInAllLanguages_data() {
        QTest::addColumn<int>("key");
        QTest::addColumn<QString>("window");
        auto add = [](const char* window, std::span<const TextBinding> table) {
            for (const TextBinding& b : table)
                QTest::addRow("%s.%s[%d]", window, b.control, b.index)
                    << b.key << QString::fromLatin1(window);
        };
        add("Plurqsp", launcherTexts());
        add("Form1", editorTexts());
        add("Spgyak", practiceTexts());
        add("Hibatst", reviewTexts());
        add("Sptest", testTexts());
        add("sobre", aboutTexts());
        QTest::addRow("about caption") << kAboutCaptionKey << QStringLiteral("sobre");
        QTest::addRow("review message title") << kReviewMessageTitleKey << QStringLiteral("Hibatst");
        for (int key : {77, 78, 80, 82, 84, 85, 86, 75}) QTest::addRow("message %d", key) << key << QString();
        for (int key : addedKeys()) QTest::addRow("added message %d", key) << key << QString();
    }
    void everyKeyAWindowUsesHasTextInAllLanguages() {
        QFETCH(int, key);
        for (int base : {English, Hungarian, Spanish, French})
            QVERIFY2(!uiText(key, base).trimmed().isEmpty(),
                     qPrintable(QStringLiteral("key %1 base %2").arg(key).arg(base)));
    }

    void textsStayExactlyAsListed_data() {
        QTest::addColumn<int>("key");
        QTest::addColumn<int>("base");
        QTest::addColumn<QString>("expected");
        QTest::addRow("French find first keeps its spelling")
            << 13 << int(French) << QStringLiteral("&Rehercher");
        QTest::addRow("Spanish start") << 2 << int(Spanish) << QStringLiteral("E&mpezar");
        QTest::addRow("Hungarian exit") << 1 << int(Hungarian) << QStringLiteral("KILÉ&P");
        QTest::addRow("Hungarian ő ű") << 40 << int(Hungarian) << QStringLiteral("&Betűtípusok");
        QTest::addRow("Spanish accept") << 0 << int(Spanish) << QStringLiteral("&ACEPTAR");
        QTest::addRow("Hungarian about caption") << 89 << int(Hungarian) << QStringLiteral("Névjegy");
        QTest::addRow("Spanish about caption") << 89 << int(Spanish) << QStringLiteral("Acerca de");
        QTest::addRow("French idioms") << 59 << int(French) << QStringLiteral("&Tournures");
        QTest::addRow("Spanish failed items") << 66 << int(Spanish) << QStringLiteral("Respuestas erróneas");
        QTest::addRow("English no match")
            << 82 << int(English) << QStringLiteral("No match. Choose other topic.");
        QTest::addRow("French topic ending in two dots")
            << 82 << int(French)
            << QStringLiteral("Il n'y a pas de phrases sur ce sujet. Choisissez un autre..");
        QTest::addRow("key without text") << 20 << int(English) << QString();
        QTest::addRow("key 64 has no text") << 64 << int(French) << QString();
        QTest::addRow("key 71 has no text") << 71 << int(Hungarian) << QString();
        QTest::addRow("unknown language") << 1 << 0 << QString();
    }
    void textsStayExactlyAsListed() {
        QFETCH(int, key);
        QFETCH(int, base);
        QFETCH(QString, expected);
        QCOMPARE(uiText(key, base), expected);
    }

    void oddTextsAreKeptWhole() {
        QVERIFY(uiText(86, French).contains(QStringLiteral("gillemets")));
        QVERIFY(uiText(79, Spanish).endsWith(QStringLiteral("\"Siguiente\" gom")));
        QVERIFY(uiText(79, English).contains(QStringLiteral("Press \"Enter\"")));
    }

    void absoluteIdReachesTheEnglishColumn() {
        QCOMPARE(uiTextById(81), QStringLiteral("Plurquiz Español"));
        QCOMPARE(uiTextById(116 + 1), uiText(1, Hungarian));
        QCOMPARE(uiTextById(316 + 89), QStringLiteral("À propos de"));
        // A later key never aliases another language's id.
        QCOMPARE(uiTextById(16 + 95), QString());
    }

    void topicItemsSwapTheLastTwoKeys() {
        QCOMPARE(topicItemKey(0), 42);
        QCOMPARE(topicItemKey(15), 57);
        QCOMPARE(topicItemKey(16), 59);
        QCOMPARE(topicItemKey(17), 58);
    }

    void titleWords() {
        QCOMPARE(titleWord(TitleWindow::Database, Spanish), QStringLiteral("Base de datos"));
        QCOMPARE(titleWord(TitleWindow::Review, Spanish), QStringLiteral("Soluciones erróneas"));
        QCOMPARE(titleWord(TitleWindow::Practice, Hungarian), QStringLiteral("Gyakorlás"));
        QCOMPARE(titleWord(TitleWindow::Test, French), QStringLiteral("Test"));
        QVERIFY(titleWord(TitleWindow::Test, 17).isEmpty());
        QCOMPARE(kTitleSeparator, QStringLiteral("  ----  "));
    }

    // A translation that lost or added a placeholder would show "%3" or drop a value.
    void everyLanguageHasTheSamePlaceholders_data() {
        QTest::addColumn<int>("key");
        for (int key : addedKeys()) QTest::addRow("key %d", key) << key;
    }
    void everyLanguageHasTheSamePlaceholders() {
        QFETCH(int, key);
        auto placeholders = [&](int base) {
            QStringList found;
            const QString t = uiText(key, base);
            for (int i = 0; i + 1 < t.size(); ++i)
                if (t[i] == u'%' && t[i + 1].isDigit()) found << t.mid(i, 2);
            found.sort();
            return found;
        };
        for (int base : {Hungarian, Spanish, French}) QCOMPARE(placeholders(base), placeholders(English));
    }

    void addedMessagesNameTheFile() {
        for (int key : {90,
                        91,
                        92,
                        93,
                        94,
                        95,
                        97,
                        99,
                        int(KeyNoImporter),
                        int(KeyEmptyFile),
                        int(KeyFolderReadOnly),
                        int(KeyLogStartedEmpty),
                        int(KeyFileGone),
                        int(KeyReorderFailed),
                        int(KeyReviewCannotEmpty),
                        int(KeyReviewCannotRead),
                        int(KeyHistoryWriteFailed),
                        int(KeyProgressCannotRead),
                        int(KeyProgressExportFailed),
                        int(KeyHistoryAnswersLost)})
            for (int base : {English, Hungarian, Spanish, French})
                QVERIFY2(uiText(key, base).contains(QStringLiteral("%1")), qPrintable(QString::number(key)));
        for (int base : {English, Hungarian, Spanish, French})
            QVERIFY(uiText(KeyMissingTable, base).contains(QStringLiteral("%2")));
    }
};

QTEST_GUILESS_MAIN(UiTextTest)
#include "test_ui_text.moc"
