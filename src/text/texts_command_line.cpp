// What the program says on a terminal: its --help text and the refusal of an argument it does not
// take.
#include "catalogue.h"

namespace text {

void addCommandLineTexts(Catalogue& c) {
    c.insert({
        {400,
         {"Usage: plurquiz [OPTION]\n"
          "Plurquiz Español: drill Spanish grammar and vocabulary with gapped sentences, timed tests\n"
          "and your own material. Started without an option, it opens its windows on the desktop.\n"
          "\n"
          "  -h, --help     show this help and exit\n"
          "      --version  show the version and exit\n"
          "\n"
          "The sentences, the log of failed items and the history of tests are kept in st_data.sqlite:\n"
          "for an installed program in the user's data folder (%1), otherwise\n"
          "beside the program. plurquiz-import moves the sentences to and from CSV files and exchanges\n"
          "them with course platforms (GIFT, Moodle XML, Aiken); see plurquiz-import --help.\n",
          "Használat: plurquiz [KAPCSOLÓ]\n"
          "Plurquiz Español: spanyol nyelvtan és szókincs gyakorlása hiányos mondatokkal, időre menő\n"
          "tesztekkel és saját anyaggal. Kapcsoló nélkül indítva megnyitja ablakait az asztalon.\n"
          "\n"
          "  -h, --help     kiírja ezt a súgót, és kilép\n"
          "      --version  kiírja a verziószámot, és kilép\n"
          "\n"
          "A mondatokat, a hibás válaszok naplóját és a tesztek történetét az st_data.sqlite fájl őrzi:\n"
          "telepített programnál a felhasználó adatmappájában (%1), egyébként\n"
          "a program mellett. A plurquiz-import CSV-fájlba írja és onnan olvassa be a mondatokat, és\n"
          "oktatási platformokkal cseréli őket (GIFT, Moodle XML, Aiken); lásd: plurquiz-import --help.\n",
          "Uso: plurquiz [OPCIÓN]\n"
          "Plurquiz Español: ejercicios de gramática y vocabulario del español con oraciones\n"
          "incompletas, pruebas cronometradas y material propio. Sin opciones, abre sus ventanas en el\n"
          "escritorio.\n"
          "\n"
          "  -h, --help     muestra esta ayuda y termina\n"
          "      --version  muestra la versión y termina\n"
          "\n"
          "Las oraciones, el registro de respuestas erróneas y el historial de pruebas se guardan en\n"
          "st_data.sqlite: si el programa está instalado, en la carpeta de datos del usuario\n"
          "(%1); si no, junto al programa. plurquiz-import pasa las oraciones a\n"
          "archivos CSV y las lee de ellos, y las intercambia con plataformas de cursos (GIFT,\n"
          "Moodle XML, Aiken); véase plurquiz-import --help.\n",
          "Utilisation\u00a0: plurquiz [OPTION]\n"
          "Plurquiz Español\u00a0: exercices de grammaire et de vocabulaire espagnols avec des phrases à\n"
          "trous, des tests chronométrés et votre propre matériel. Lancé sans option, il ouvre ses\n"
          "fenêtres sur le bureau.\n"
          "\n"
          "  -h, --help     affiche cette aide et quitte\n"
          "      --version  affiche la version et quitte\n"
          "\n"
          "Les phrases, le journal des réponses erronées et l'historique des tests sont conservés dans\n"
          "st_data.sqlite\u00a0: pour un programme installé, dans le dossier de données de l'utilisateur\n"
          "(%1), sinon à côté du programme. plurquiz-import écrit les phrases\n"
          "dans des fichiers CSV et les y relit, et les échange avec des plateformes de cours (GIFT,\n"
          "Moodle XML, Aiken)\u00a0; voir plurquiz-import --help.\n"}},
        {401,
         {"plurquiz: unknown argument %1\nplurquiz --help lists the options.\n",
          "plurquiz: ismeretlen argumentum: %1\nA kapcsolókat a plurquiz --help sorolja fel.\n",
          "plurquiz: argumento desconocido: %1\nplurquiz --help enumera las opciones.\n",
          "plurquiz\u00a0: argument inconnu\u00a0: %1\nplurquiz --help énumère les options.\n"}},
    });
}

}  // namespace text
