// Questions the windows ask of the sentences in the file, beyond moving through them.
#pragma once

#include <QString>
#include <optional>

namespace store {

class Database;

// The serial number of another sentence (not `serial`) with exactly this text, if there is one.
// Throws StoreError when the file cannot be read.
std::optional<int> otherSerialWithSentence(Database& db, const QString& sentence, int serial);

}  // namespace store
