// The random pick of a sentence by serial number: draw 1..largest, seek it, draw again on a gap.
#pragma once

#include "base/random_source.h"
#include "table_view.h"

namespace store {

// Positions `view` (opened on test1 with the serial-number index selected) on a random row; every
// existing serial number is equally likely. Returns the number drawn. A largest serial below 1,
// or a table whose serial numbers all lie above it, is an error rather than an endless loop.
int pickRandomRow(TableView& view, int largestSerial, base::RandomSource& random);

}  // namespace store
