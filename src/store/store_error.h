// The one error type of the record store, and the one vocabulary of what can be wrong with the
// database file or with a read or write of it. `refused` marks a write the store turned down
// because of the data (a constraint), as opposed to a file or engine failure; `engineCode` is
// SQLite's primary result code when the engine failed (0 for the store's own errors); `problem`
// is what went wrong in words a window can turn into a message in the working language, the
// message keeping only as a detail. It is a data error of the window runtime, so a handler
// registered to end quietly ends on it without a word.
#pragma once

#include <QString>

#include "base/data_error.h"

namespace store {

enum class Problem {
    None,
    // What the start-up look finds wrong with the file.
    Missing,
    CannotCreate,
    Locked,
    ReadOnly,
    Damaged,
    MissingTable,
    CannotOpen,
    Empty,
    FolderReadOnly,
    Foreign,      // holds triggers or views the program did not make
    LaterLayout,  // made by a later version of the program: read, never written
    // What else can go wrong with a read or a write.
    DiskFull,
    DiskError,
    Refused,           // a rule of the file turned the data down
    DeletedMeanwhile,  // the record went while the window showed it
    NoRecord,          // no record at the cursor: before the first or after the last one
    Other
};

// SQLite's primary result codes that callers tell apart.
namespace engine {
constexpr int kPerm = 3, kBusy = 5, kLocked = 6, kNoMem = 7, kReadOnly = 8, kIoErr = 10, kCorrupt = 11,
              kFull = 13, kCantOpen = 14, kConstraint = 19, kAuth = 23, kNotADb = 26;
constexpr int kUnknown = -1;  // a failure of the engine that came without its code
}  // namespace engine

// What an engine failure with this primary result code means.
constexpr Problem problemOfEngineCode(int code) {
    using namespace engine;
    switch (code) {
        case kBusy:
        case kLocked:
            return Problem::Locked;
        case kPerm:
        case kReadOnly:
        case kAuth:
            return Problem::ReadOnly;
        case kFull:
            return Problem::DiskFull;
        case kIoErr:
            return Problem::DiskError;
        case kCorrupt:
        case kNotADb:
            return Problem::Damaged;
        case kCantOpen:
            return Problem::CannotOpen;
        case kConstraint:
            return Problem::Refused;
        default:
            return Problem::Other;
    }
}

class StoreError : public base::DataError {
public:
    explicit StoreError(const QString& message, bool refused = false, int engineCode = 0)
        : base::DataError(message),
          refused_(refused),
          engineCode_(engineCode),
          problem_(refused      ? Problem::Refused
                   : engineCode ? problemOfEngineCode(engineCode)
                                : Problem::Other) {}
    // One of the store's own errors, with what it means.
    StoreError(Problem problem, const QString& message)
        : base::DataError(message),
          refused_(problem == Problem::Refused),
          engineCode_(0),
          problem_(problem) {}
    bool refused() const { return refused_; }
    int engineCode() const { return engineCode_; }
    Problem problem() const { return problem_; }

    // The store's own errors that a learner can meet.
    static StoreError noRecord() {
        return {Problem::NoRecord, QStringLiteral("There is no current record.")};
    }
    static StoreError deletedMeanwhile() {
        return {Problem::DeletedMeanwhile, QStringLiteral("The record has been deleted in the meantime.")};
    }

private:
    bool refused_;
    int engineCode_;
    Problem problem_;
};

}  // namespace store
