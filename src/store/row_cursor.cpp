// Cursor moves, field reads and searches common to every record set.
#include "row_cursor.h"

#include "criteria.h"
#include "field_limits.h"
#include "store_error.h"

namespace store {

void RowCursor::moveFirst() {
    beforeMove();
    if (size() == 0) throw StoreError::noRecord();
    pos_ = 0;
    onDeleted_ = false;
    afterMove();
}

void RowCursor::moveLast() {
    beforeMove();
    if (size() == 0) throw StoreError::noRecord();
    pos_ = size() - 1;
    onDeleted_ = false;
    afterMove();
}

void RowCursor::moveNext() {
    beforeMove();
    if (eof() && !onDeleted_) throw StoreError::noRecord();
    if (onDeleted_)
        onDeleted_ = false;  // the row after the deleted one is already in place
    else
        ++pos_;
    if (pos_ > size()) pos_ = size();
    afterMove();
}

void RowCursor::movePrevious() {
    beforeMove();
    if (bof()) throw StoreError::noRecord();
    onDeleted_ = false;
    --pos_;
    if (pos_ < -1) pos_ = -1;
    afterMove();
}

bool RowCursor::eof() const {
    return size() == 0 || pos_ >= size();
}

bool RowCursor::bof() const {
    return size() == 0 || pos_ < 0;
}

int RowCursor::absolutePosition() const {
    return (bof() || eof() || onDeleted_) ? -1 : pos_;
}

const Row& RowCursor::current() const {
    if (bof() || eof() || onDeleted_) throw StoreError::noRecord();
    return rowAt(pos_);
}

QVariant RowCursor::field(const QString& name) const {
    const int i = fields_->indexOf(name);
    if (i < 0) throw StoreError(QStringLiteral("Unknown field \"%1\".").arg(name));
    // Every window reads a record through here: a text longer than its field may be is shown cut.
    return shownValue(fields_->names[i], current().values[static_cast<size_t>(i)]);
}

void RowCursor::findFirst(const QString& condition) {
    findFrom(0, condition);
}

void RowCursor::findNext(const QString& condition) {
    const int start = onDeleted_ ? pos_ : pos_ + 1;
    findFrom(start < 0 ? 0 : start, condition);
}

void RowCursor::findFrom(int start, const QString& condition) {
    const Criteria criteria = Criteria::parse(condition, *fields_);
    beforeMove();
    const int found = start < size() ? findMatch(criteria, start) : -1;
    if (found < 0) {
        noMatch_ = true;
        return;
    }
    pos_ = found;
    onDeleted_ = false;
    noMatch_ = false;
    afterMove();
}

int RowCursor::findMatch(const Criteria& criteria, int start) const {
    prepareScan();
    for (int i = start; i < size(); ++i)
        if (criteria.matches(rowAt(i).values)) return i;
    return -1;
}

}  // namespace store
