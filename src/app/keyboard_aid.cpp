// The keyboard aid.
#include "keyboard_aid.h"

namespace app {

QChar spanishKey(QChar typed) {
    switch (typed.unicode()) {
        case u'@':
            return QChar(0x00A1);  // ¡
        case u'#':
            return QChar(0x00BF);  // ¿
        case u';':
            return QChar(0x00E9);  // é
        case u'\'':
            return QChar(0x00E1);  // á
        case u'`':
            return QChar(0x00ED);  // í
        case u'[':
            return QChar(0x00F1);  // ñ
        case u'/':
            return QChar(0x00FA);  // ú
        case u'\\':
            return QChar(0x00F3);  // ó
        default:
            return typed;
    }
}

}  // namespace app
