// Keeping bound boxes and their cursor in step.
#include "bound_fields.h"

#include "store/store_error.h"

namespace app {

void BoundFields::show(const store::BoundView& cursor) {
    const bool onRecord = !cursor.bof() && !cursor.eof() && cursor.absolutePosition() >= 0;
    for (Binding& b : boxes_) {
        QString value;
        if (onRecord) {
            try {
                value = cursor.field(b.field).toString();
            } catch (const store::StoreError&) {
                // a record deleted elsewhere in the meantime shows empty
            }
        }
        b.box->caption = b.shown = value;
    }
}

void BoundFields::clear() {
    for (Binding& b : boxes_) b.box->caption = b.shown = QString();
}

bool BoundFields::changed() const {
    for (const Binding& b : boxes_)
        if (b.box->caption != b.shown) return true;
    return false;
}

void BoundFields::write(store::BoundView& cursor) const {
    const bool adding = cursor.addingNew();
    if (!adding) cursor.edit();
    for (const Binding& b : boxes_) {
        if (!adding && b.box->caption == b.shown) continue;
        if (b.number)
            cursor.setField(b.field, b.box->caption.trimmed().toInt());
        else
            cursor.setField(b.field, b.box->caption);
    }
    cursor.update();
}

void BoundFields::accept() {
    for (Binding& b : boxes_) b.shown = b.box->caption;
}

void BoundFields::revert() {
    for (Binding& b : boxes_) b.box->caption = b.shown;
}

}  // namespace app
