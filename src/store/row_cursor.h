// What every record set shares: a current row, the BOF and EOF flags, moves with the errors the
// windows rely on, field reads by name, and the forward searches with a condition.
#pragma once

#include <QString>
#include <QVariant>
#include <vector>

#include "schema.h"

namespace store {

class Criteria;

struct Row {
    qint64 rowid = 0;
    std::vector<QVariant> values;  // in the table's field order
};

class RowCursor {
public:
    explicit RowCursor(const Fields& fields) : fields_(&fields) {}
    virtual ~RowCursor() = default;

    const Fields& fields() const { return *fields_; }

    // Moving first or last on an empty set is an error; moving next past the last row sets EOF,
    // and a move next while EOF is already set is an error (likewise BOF backwards).
    void moveFirst();
    void moveLast();
    void moveNext();
    void movePrevious();
    bool eof() const;
    bool bof() const;
    int recordCount() const { return size(); }
    // The 0-based index of the current row, or -1 when there is none.
    int absolutePosition() const;

    // Reading a field while BOF or EOF is set, or of an unknown name, is an error.
    QVariant field(const QString& name) const;
    const Row& current() const;

    // Searches forward; a miss sets noMatch and leaves the position where it was. findNext never
    // tests the current row itself. A condition that cannot be parsed is an error.
    void findFirst(const QString& condition);
    void findNext(const QString& condition);
    bool noMatch() const { return noMatch_; }

protected:
    virtual int size() const = 0;
    virtual const Row& rowAt(int index) const = 0;
    // The first row from `start` on (start < size()) that satisfies the criteria, or -1. By
    // default it tests the rows one by one, after prepareScan().
    virtual int findMatch(const Criteria& criteria, int start) const;
    // Called before a search walks many rows, so that a set that reads rows lazily can read them
    // all at once.
    virtual void prepareScan() const {}
    // Called before the cursor leaves its row (a move or a search), and after it has moved.
    virtual void beforeMove() {}
    virtual void afterMove() {}
    // Where the cursor stands: -1 before the first row, size() after the last.
    int pos_ = -1;
    // After a delete the position already names the row that followed; nothing is current.
    bool onDeleted_ = false;
    void resetToFirst() {
        pos_ = size() > 0 ? 0 : -1;
        onDeleted_ = false;
    }

private:
    void findFrom(int start, const QString& condition);
    const Fields* fields_;
    bool noMatch_ = false;
};

}  // namespace store
