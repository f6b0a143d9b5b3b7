// Filling the labels of a question from a record.
#include "question_labels.h"

namespace app {

void QuestionLabels::showAsWritten() const {
    for (forms::Control* c : {&sentence, &a, &b, &c, &d, &right}) c->literal = true;
}

void QuestionLabels::show(const FieldReader& field, Spacing spacing) const {
    sentence.caption = shownText(field(QStringLiteral("mondat")), spacing);
    a.caption = shownText(field(QStringLiteral("a")), spacing);
    b.caption = shownText(field(QStringLiteral("b")), spacing);
    c.caption = shownText(field(QStringLiteral("c")), spacing);
    d.caption = shownText(field(QStringLiteral("d")), spacing);
    right.caption = field(QStringLiteral("felelet2")).toString();
}

QString shownText(const QVariant& value, Spacing spacing) {
    return spacing == Spacing::SetOff ? QLatin1Char(' ') + value.toString() : value.toString();
}

}  // namespace app
