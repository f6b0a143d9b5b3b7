// What is wrong with the database file, or with a read or write of it, told in the working
// language: one sentence with its advice, the engine's own words after it only as a detail.
// Every message that carries a store error takes its reason from here.
#pragma once

#include <QString>

#include "store/store_error.h"

namespace app {

// `detail` is the missing table or the foreign triggers and views where the sentence names them,
// and otherwise the words shown after it as a detail (none when empty).
QString problemText(store::Problem problem, const QString& detail, int langBase);
QString problemText(const store::StoreError& error, int langBase);

}  // namespace app
