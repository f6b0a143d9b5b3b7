// The practice window.
#include "catalogue.h"

namespace text {

void addPracticeTexts(Catalogue& c) {
    c.insert({
        {140, {"Right", "Helyes", "Correcto", "Juste"}},
        {141, {"Wrong", "Hibás", "Incorrecto", "Faux"}},
        {142,
         {"The sentences cannot be read from the database file:\n%1\n%2\nClose this window; the launcher "
          "tells what is wrong with the file.",
          "A mondatokat nem sikerült beolvasni az adatbázisfájlból:\n%1\n%2\nZárja be ezt az ablakot; az "
          "indítóablak megmondja, mi a baj a fájllal.",
          "No se pueden leer las oraciones del archivo de la base de datos:\n%1\n%2\nCierre esta ventana; la "
          "ventana de inicio indica qué le pasa al archivo.",
          "Impossible de lire les phrases du fichier de la base de données\u00a0:\n%1\n%2\nFermez cette "
          "fenêtre\u202f; "
          "la fenêtre de lancement indique ce qui ne va pas dans le fichier."}},
        {143,
         {"The database holds no sentences yet, so there is nothing to practise. Add sentences in the "
          "Database window.",
          "Az adatbázisban még nincs mondat, így nincs mit gyakorolni. Az Adatbázis ablakban vehet fel "
          "mondatokat.",
          "La base de datos todavía no contiene oraciones, así que no hay nada que practicar. Puede "
          "añadirlas en la ventana Base de datos.",
          "La base de données ne contient encore aucune phrase\u00a0: il n'y a rien à travailler. Ajoutez "
          "des "
          "phrases dans la fenêtre Base de données."}},
        {144,
         {"There is no sentence at this level. Choose another level or a topic.",
          "Ezen a szinten nincs mondat. Válasszon másik szintet vagy témát!",
          "No hay oraciones de este nivel. Elija otro nivel o un tema.",
          "Il n'y a pas de phrases de ce niveau. Choisissez un autre niveau ou un sujet."}},
        {145,
         {"No sentence belongs to this special group. The sentences shown stay as they were.",
          "Ebbe a külön csoportba nem tartozik mondat. A megjelenített mondatok nem változnak.",
          "Ninguna oración pertenece a este grupo especial. Las oraciones mostradas no cambian.",
          "Aucune phrase n'appartient à ce groupe spécial. Les phrases affichées ne changent pas."}},
    });
}

}  // namespace text
