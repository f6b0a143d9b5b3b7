// Writing Moodle XML.
#include "moodle_xml.h"

#include <QXmlStreamWriter>

namespace importtool {

namespace {

// <name format="..."><text>...</text></name>; HTML text is written escaped, as HTML holds it.
void textElement(QXmlStreamWriter& xml, const QString& name, const QString& text,
                 const char* format = nullptr) {
    xml.writeStartElement(name);
    if (format) xml.writeAttribute(QStringLiteral("format"), QString::fromLatin1(format));
    xml.writeTextElement(QStringLiteral("text"), text);
    xml.writeEndElement();
}

QString html(const QString& text) {
    return text.toHtmlEscaped().replace(QLatin1Char('\n'), QStringLiteral("<br>"));
}

}  // namespace

QByteArray writeMoodleXml(const std::vector<ExchangeSentence>& sentences) {
    QByteArray out;
    QXmlStreamWriter xml(&out);
    xml.setAutoFormatting(true);
    xml.setAutoFormattingIndent(2);
    xml.writeStartDocument();
    xml.writeComment(QStringLiteral(" Plurquiz Español: %1 sentences as multiple-choice questions ")
                         .arg(sentences.size()));
    xml.writeStartElement(QStringLiteral("quiz"));
    for (const auto& [topic, group] : groupedByTopic(sentences)) {
        xml.writeStartElement(QStringLiteral("question"));
        xml.writeAttribute(QStringLiteral("type"), QStringLiteral("category"));
        // A slash inside a name is written twice; a single one separates the levels.
        textElement(xml, QStringLiteral("category"),
                    QStringLiteral("$course$/top/Plurquiz Español/") +
                        QString(topic).replace(QLatin1Char('/'), QStringLiteral("//")));
        textElement(xml, QStringLiteral("info"), QString(), "html");
        xml.writeEndElement();

        for (const ExchangeSentence* s : group) {
            xml.writeStartElement(QStringLiteral("question"));
            xml.writeAttribute(QStringLiteral("type"), QStringLiteral("multichoice"));
            textElement(xml, QStringLiteral("name"), QStringLiteral("Sentence %1").arg(s->serial));
            textElement(xml, QStringLiteral("questiontext"), html(stemWithBlank(s->sentence)), "html");
            textElement(xml, QStringLiteral("generalfeedback"), html(s->solution), "html");
            xml.writeTextElement(QStringLiteral("defaultgrade"), QStringLiteral("1.0000000"));
            xml.writeTextElement(QStringLiteral("penalty"), QStringLiteral("0.3333333"));
            xml.writeTextElement(QStringLiteral("hidden"), QStringLiteral("0"));
            xml.writeTextElement(QStringLiteral("idnumber"), QString());
            xml.writeTextElement(QStringLiteral("single"), QStringLiteral("true"));
            // The fillers keep their places A-D, as the learner knows them from the program.
            xml.writeTextElement(QStringLiteral("shuffleanswers"), QStringLiteral("false"));
            xml.writeTextElement(QStringLiteral("answernumbering"), QStringLiteral("ABCD"));
            xml.writeTextElement(QStringLiteral("showstandardinstruction"), QStringLiteral("0"));
            textElement(xml, QStringLiteral("correctfeedback"), QString(), "html");
            textElement(xml, QStringLiteral("partiallycorrectfeedback"), QString(), "html");
            textElement(xml, QStringLiteral("incorrectfeedback"), QString(), "html");
            for (int i = 0; i < 4; ++i) {
                xml.writeStartElement(QStringLiteral("answer"));
                xml.writeAttribute(QStringLiteral("fraction"),
                                   i == s->right ? QStringLiteral("100") : QStringLiteral("0"));
                xml.writeAttribute(QStringLiteral("format"), QStringLiteral("html"));
                xml.writeTextElement(QStringLiteral("text"), html(s->fillers[static_cast<size_t>(i)]));
                textElement(xml, QStringLiteral("feedback"), QString(), "html");
                xml.writeEndElement();
            }
            xml.writeStartElement(QStringLiteral("tags"));
            for (const QString& tag : sentenceTags(*s)) textElement(xml, QStringLiteral("tag"), tag);
            xml.writeEndElement();
            xml.writeEndElement();
        }
    }
    xml.writeEndElement();
    xml.writeEndDocument();
    return out;
}

}  // namespace importtool
