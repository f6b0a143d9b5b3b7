// The keyboard aid for Spanish letters on any keyboard: eight keys that a Spanish text hardly
// needs type the letters and marks it does (' á, ; é, ` í, \\ ó, / ú, [ ñ, # ¿, @ ¡).
#pragma once

#include <QChar>

namespace app {

// The letter a key types in a box with the aid; any other key types itself.
QChar spanishKey(QChar typed);

}  // namespace app
