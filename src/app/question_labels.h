// The answer windows' labels of one question (the sentence, its four fillers and the right
// letter), filled from a record in one way in every window.
#pragma once

#include <QString>
#include <QVariant>
#include <functional>

#include "forms/control.h"

namespace app {

// Labels the program fills set a text off by one leading space; labels bound to a record show it
// as stored.
enum class Spacing { AsStored, SetOff };

using FieldReader = std::function<QVariant(const QString&)>;

struct QuestionLabels {
    forms::Control& sentence;
    forms::Control& a;
    forms::Control& b;
    forms::Control& c;
    forms::Control& d;
    forms::Control& right;

    // The texts are shown as written, '&' included (once, when the window is made).
    void showAsWritten() const;
    // The sentence, its fillers and the right letter (never set off) of a record.
    void show(const FieldReader& field, Spacing spacing) const;
};

// A field's text as a label shows it.
QString shownText(const QVariant& value, Spacing spacing);

}  // namespace app
