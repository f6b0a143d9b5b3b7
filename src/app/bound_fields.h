// Edit boxes bound to the fields of an updatable cursor, declared once (box -> field): the boxes
// show the cursor's current record, remember what they showed, and write back only what the user
// changed (or everything, for a new record). Numbers are written as numbers.
#pragma once

#include <QString>
#include <vector>

#include "forms/control.h"
#include "store/bound_view.h"

namespace app {

class BoundFields {
public:
    void bind(forms::Control& box, const QString& field, bool number = false) {
        boxes_.push_back({&box, field, number, {}});
    }

    // The current record of `cursor` into the boxes; empty boxes when it stands on none.
    void show(const store::BoundView& cursor);
    // Empty boxes, as for a new record (nothing counts as shown).
    void clear();
    // Whether a box holds something other than what it showed.
    bool changed() const;
    // Writes the changed boxes (all of them when `cursor` is adding a new record) into the
    // cursor's edit buffer and stores it; the store's error passes on, with the boxes as typed.
    void write(store::BoundView& cursor) const;
    // The boxes now show what they hold (after a write).
    void accept();
    // The boxes show again what they showed (the typed values are dropped).
    void revert();

private:
    struct Binding {
        forms::Control* box;
        QString field;
        bool number;
        QString shown;
    };
    std::vector<Binding> boxes_;
};

}  // namespace app
